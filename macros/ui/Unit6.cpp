// SPDX-License-Identifier: GPL-2.0-or-later
#include "macros/ui/Unit6.h"

#include "macros/MacroEdits.h"

namespace tarq {

TForm6::TForm6(QWidget* parent, const Texts& texts)
    : ValueDialog(parent, QStringLiteral("Form6"), texts, CorrectDelayValue, false)
{
}

} // namespace tarq
