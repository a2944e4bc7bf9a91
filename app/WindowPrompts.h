// SPDX-License-Identifier: GPL-2.0-or-later
#pragma once
// The window's own answers to UserPrompts: the platform's file and colour dialogs, the macro
// name and delay dialogs, and the program's skinned yes/no box, all over the main window and in
// the chosen language.

#include "ui/UserPrompts.h"

namespace tarq {

class TForm1;

class WindowPrompts : public UserPrompts {
public:
    // The name and delay dialogs' titles and their two buttons.

    explicit WindowPrompts(TForm1& form) : form_(form) {}

    QString ChooseFile(FileUse use) override;
    std::optional<QColor> ChooseColour(const QColor& initial) override;
    QString AskMacroName() override;
    QString AskDelay(const QString& current) override;
    bool Confirm(const QString& question) override;

private:
    TForm1& form_;
};

} // namespace tarq
