// SPDX-License-Identifier: GPL-2.0-or-later
#pragma once
// The user's answers to the window's prompts, given by a test instead of a dialog. Each answer
// is a function the test sets; an unset one answers as a user who cancels (no file, no colour,
// no name, no delay, No). Every question asked is kept in `Questions` (and in `log` if given).

#include "app/Main.h"
#include "ui/UserPrompts.h"

#include <QStringList>

#include <functional>

namespace tarq::testing {

class ScriptedPrompts : public UserPrompts {
public:
    explicit ScriptedPrompts(QStringList* log = nullptr) : log_(log) {}

    std::function<QString(FileUse)> file;
    std::function<std::optional<QColor>(const QColor& initial)> colour;
    std::function<QString()> name;
    std::function<QString(const QString& current)> delay;
    std::function<bool(const QString& question)> confirm;
    QStringList Questions;

    // Lets the form's own name and delay dialogs answer, for tests that type into them.
    void UseOwnNameAndDelayDialogs(UserPrompts& own)
    {
        name = [&own] { return own.AskMacroName(); };
        delay = [&own](const QString& current) { return own.AskDelay(current); };
    }

    QString ChooseFile(FileUse use) override { return file ? file(use) : QString(); }
    std::optional<QColor> ChooseColour(const QColor& initial) override
    {
        return colour ? colour(initial) : std::nullopt;
    }
    QString AskMacroName() override { return name ? name() : QString(); }
    QString AskDelay(const QString& current) override { return delay ? delay(current) : QString(); }
    bool Confirm(const QString& question) override
    {
        Questions << question;
        if (log_)
            *log_ << question;
        return confirm && confirm(question);
    }

private:
    QStringList* log_;
};

// The scripted prompts a test form answers with (BareForm and FormWithMouse install theirs).
inline ScriptedPrompts& PromptsOf(TForm1& form)
{
    auto* scripted = dynamic_cast<ScriptedPrompts*>(&form.Prompts());
    Q_ASSERT_X(scripted, "PromptsOf", "the form answers with its own dialogs");
    return *scripted;
}

} // namespace tarq::testing
