// SPDX-License-Identifier: GPL-2.0-or-later
#pragma once
// What a row of the event list shows for a script line: "150 ms" for a delay, the key name for
// a key or button, "X-Axis  -12", "Y-Axis  5", "Rep-Start  3", "Rep-Stop".

#include <string>
#include <string_view>

namespace tarq {

std::string MacroLineRowText(std::string_view line);

} // namespace tarq
