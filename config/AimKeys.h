// SPDX-License-Identifier: GPL-2.0-or-later
#pragma once
// Buttons whose function is AIM (a temporary DPI) or the fire key are recognised by the name
// they show, and their profile bytes are rebuilt just before a write.

#include "config/ImageLayout.h"

#include <array>
#include <optional>
#include <string>
#include <string_view>

namespace tarq {

using ButtonNames = std::array<std::string, databuf::kButtonCount>;

struct AimKeyInputs {
    ButtonNames officeNames;   // display names of OfficeKeyCodes
    ButtonNames gameNames;     // display names of GameKeyCodes
    std::string aimText;       // the language's "AIM"
    std::string fireKeyText;   // the language's "Fire Key"
    uint8_t aimDpiIndex = 0;
    bool driverMode = false;
    bool fireContinuous = false;
};

// AIM buttons become 0A <AIM DPI index> 00 in both key modes; in driver mode the fire key's
// type byte becomes 0E (continuous fire) or 06. An empty language text matches no button.
void AimKeysToDataBuf(const AimKeyInputs& in, DataBuf& buf);

// The AIM DPI index that the profile's AIM buttons carry (the last one wins), from the
// second byte of their codes; nothing when no button shows the AIM name.
std::optional<int> AimDpiIndexOfButtons(const DataBuf& buf, const ButtonNames& officeNames,
                                        const ButtonNames& gameNames, std::string_view aimText);

} // namespace tarq
