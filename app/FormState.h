// SPDX-License-Identifier: GPL-2.0-or-later
#pragma once
// The state the main form owns and shares, part by part, with its subsystems: what start-up
// read and the language (AppContext), the configuration being shown and edited
// (ConfigurationState), the macro libraries on the PC (MacroLibraries) and the device check's
// timers (DeviceTimers). TForm1 owns the one instance; each subsystem receives the parts it
// needs, never the whole. Nothing here knows about controls.

#include <QString>
#include <QTimer>

#include "device/ui/DeviceTimers.h"
#include "ui/state/AppContext.h"
#include "ui/state/ConfigurationState.h"
#include "ui/state/MacroLibraries.h"

namespace tarq {

struct FormState : AppContext, ConfigurationState, MacroLibraries, DeviceTimers {};

} // namespace tarq
