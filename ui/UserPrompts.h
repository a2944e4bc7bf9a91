// SPDX-License-Identifier: GPL-2.0-or-later
#pragma once
// Everything the program asks the user in a dialog of its own and waits for: a file, a colour,
// a macro name, a delay, and a yes/no question before something the user made is lost or
// overwritten. Subsystems ask through WindowServices::Prompts(); the window answers with its
// real dialogs (app/WindowPrompts), the tests with scripted answers.

#include <QColor>
#include <QString>

#include <optional>

namespace tarq {

class UserPrompts {
public:
    virtual ~UserPrompts() = default;

    // Open: "LoadFile(*.bin)". Save: "SaveFile(*.bin)"; the dialog adds ".bin" to a name typed
    // without it before its own overwrite question.
    enum class FileUse { Open, Save };
    // The chosen file; empty when the user chose none.
    virtual QString ChooseFile(FileUse use) = 0;
    // The chosen colour; nothing when the dialog was cancelled.
    virtual std::optional<QColor> ChooseColour(const QColor& initial) = 0;
    // The name typed in the macro name dialog; empty when none was confirmed.
    virtual QString AskMacroName() = 0;
    // The delay typed in the delay dialog, starting from `current`; empty when none was confirmed.
    virtual QString AskDelay(const QString& current) = 0;
    // A yes/no question in the program's dialog; the text says what would be lost. True only for
    // Yes (No, Escape and closing the box say no).
    virtual bool Confirm(const QString& question) = 0;
};

} // namespace tarq
