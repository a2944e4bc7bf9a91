// SPDX-License-Identifier: GPL-2.0-or-later
#pragma once
// TForm3, the macro name dialog on the macro dialog frame: the title "Macro Name", the field
// Edt_MacroName (at most 16 characters), "OK" (IB_Confirm) takes the text, "Clear" (IB_Cancel)
// empties the field, and the close button (IB_Close) leaves without a name.

#include "macros/ui/MacroDialogFrame.h"

#include <QString>

namespace tarq {

class TForm3 : public MacroDialogFrame {
    Q_OBJECT
public:
    struct Texts {
        QString title = QStringLiteral("Macro Name");
        QString ok = QStringLiteral("OK");
        QString clear = QStringLiteral("Clear");
    };
    explicit TForm3(QWidget* parent, const Texts& texts);

    // The text "OK" took; empty after Clear + close or the close button.
    QString PendingName() const { return Result(); }

protected:
    // A name of spaces only is no name: "OK" takes it as empty.
    QString TakeText() override;
};

} // namespace tarq
