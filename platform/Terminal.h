// SPDX-License-Identifier: GPL-2.0-or-later
#pragma once
// Whether standard error goes to a terminal (a person watching) or to a file or pipe (a script).

namespace tarq {

bool StandardErrorIsTerminal();

} // namespace tarq
