// SPDX-License-Identifier: GPL-2.0-or-later
#include "settings/FixedKeyCodes.h"

namespace tarq {

std::string TagToKeyCode(int tag, uint8_t aimDpiIndex)
{
    for (const FixedKeyCode& fixed : kFixedKeyCodes) {
        if (fixed.tag != tag)
            continue;
        KeyCode code = fixed.code;
        if (tag == kAimTag)
            code.data1 = aimDpiIndex;
        return KeyCodeText(code);
    }
    return {};
}

} // namespace tarq
