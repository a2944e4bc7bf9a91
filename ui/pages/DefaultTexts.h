// SPDX-License-Identifier: GPL-2.0-or-later
#pragma once
// The language-1 texts the pages are created with, by Str ID. The language pass replaces every
// caption with the current language's text; these make a window that reads right before it
// runs, and name the one message (Str020) the navigation needs before any language is loaded.

#include <QString>

namespace tarq::pages {

// The language-1 text of a Str ID; empty for an ID without one.
QString DefaultText(int strId);

} // namespace tarq::pages
