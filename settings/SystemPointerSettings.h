// SPDX-License-Identifier: GPL-2.0-or-later
#pragma once
// The pointer-settings store of the system the program runs on: the registry on Windows, the
// desktop's GSettings schema elsewhere. The only place that chooses one.

#include "settings/PointerSettingsStore.h"

#include <memory>

namespace tarq {

std::unique_ptr<PointerSettingsStore> CreateSystemPointerSettingsStore();

} // namespace tarq
