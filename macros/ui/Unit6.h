// SPDX-License-Identifier: GPL-2.0-or-later
#pragma once
// TForm6, the delay dialog: "Input Delay Time", the field Edt_EditTime taking digits only and
// kept within 0-2040 ms (empty reads "0").

#include "macros/ui/ValueDialog.h"

namespace tarq {

class TForm6 : public ValueDialog {
    Q_OBJECT
public:
    TForm6(QWidget* parent, const Texts& texts);
};

} // namespace tarq
