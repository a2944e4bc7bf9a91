// SPDX-License-Identifier: GPL-2.0-or-later
#pragma once
// TForm7, the value dialog: "Input Value", the field Edt_EditTime with the limits of what it
// edits: a pointer move (-128..127, a lone "-" stays while typing) or a repeat count (1-255).

#include "macros/ui/ValueDialog.h"

namespace tarq {

class TForm7 : public ValueDialog {
    Q_OBJECT
public:
    enum class Kind { Move, Repeat };
    TForm7(QWidget* parent, const Texts& texts, Kind kind);
};

} // namespace tarq
