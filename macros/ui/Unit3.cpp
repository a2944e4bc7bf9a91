// SPDX-License-Identifier: GPL-2.0-or-later
#include "macros/ui/Unit3.h"

#include "macros/MacroName.h"

#include <QLineEdit>

namespace tarq {

TForm3::TForm3(QWidget* parent, const Texts& texts)
    : MacroDialogFrame(parent, QStringLiteral("Form3"), {texts.title, texts.ok, texts.clear},
                       QStringLiteral("Edt_MacroName"))
{
    Field()->setMaxLength(int(kMacroNameMaxUnits));
}

QString TForm3::TakeText()
{
    const QString text = MacroDialogFrame::TakeText();
    return MacroNameIsBlank(text.toStdU16String()) ? QString() : text;
}

} // namespace tarq
