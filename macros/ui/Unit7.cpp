// SPDX-License-Identifier: GPL-2.0-or-later
#include "macros/ui/Unit7.h"

#include "macros/MacroEdits.h"

namespace tarq {

TForm7::TForm7(QWidget* parent, const Texts& texts, Kind kind)
    : ValueDialog(parent, QStringLiteral("Form7"), texts,
                  kind == Kind::Move ? CorrectMoveValue : CorrectRepeatValue, kind == Kind::Move)
{
}

} // namespace tarq
