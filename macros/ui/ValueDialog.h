// SPDX-License-Identifier: GPL-2.0-or-later
#pragma once
// The delay dialog (TForm6) and the value dialog (TForm7) on the macro dialog frame: the field
// Edt_EditTime corrects its own text after every change with the rule it was given; "OK" takes
// the corrected text.

#include "macros/ui/MacroDialogFrame.h"

#include <QString>

#include <functional>
#include <string>
#include <string_view>

namespace tarq {

class ValueDialog : public MacroDialogFrame {
    Q_OBJECT
public:
    using Rule = std::function<std::string(std::string_view)>;

    // `allowMinus` lets a leading "-" be typed (pointer moves).
    ValueDialog(QWidget* parent, const QString& objectName, const Texts& texts, Rule rule, bool allowMinus);

    void SetValue(const QString& text);
    // The text "OK" took; empty when the dialog was closed without it.
    QString Value() const { return Result(); }

protected:
    QString TakeText() override;

private:
    void Correct();

    Rule rule_;
};

} // namespace tarq
