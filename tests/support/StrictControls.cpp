// SPDX-License-Identifier: GPL-2.0-or-later
// Linked into every test program of the window code: a control looked up by a name that does
// not exist, or as a class it does not have, ends the test with the name, in release builds too.

#include "ui/Controls.h"

namespace {

const bool kStrict = [] {
    tarq::Controls::SetStrict(true);
    return true;
}();

} // namespace
