// SPDX-License-Identifier: GPL-2.0-or-later
#include "settings/SystemPointerSettings.h"

#if defined(_WIN32)
#include "settings/win/WinPointerSettingsStore.h"
#else
#include "settings/gsettings/GSettingsPointerSettingsStore.h"
#endif

namespace tarq {

std::unique_ptr<PointerSettingsStore> CreateSystemPointerSettingsStore()
{
#if defined(_WIN32)
    return std::make_unique<WinPointerSettingsStore>();
#else
    return std::make_unique<GSettingsPointerSettingsStore>();
#endif
}

} // namespace tarq
