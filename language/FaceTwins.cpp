// SPDX-License-Identifier: GPL-2.0-or-later
#include "language/FaceTwins.h"

#include <algorithm>
#include <iterator>

#include "config/TextCompare.h"

namespace tarq {

namespace {

// The faces the language files name, and the faces of common Windows fonts that free fonts
// were drawn to match width for width.
const FaceTwins kFaces[] = {
    {"Calibri", {"Carlito"}, "fonts-crosextra-carlito"},
    {"Cambria", {"Caladea"}, "fonts-crosextra-caladea"},
    {"Arial", {"Liberation Sans", "Arimo"}, "fonts-liberation2"},
    {"Arial Narrow", {"Liberation Sans Narrow"}, "fonts-liberation"},
    {"Times New Roman", {"Liberation Serif", "Tinos"}, "fonts-liberation2"},
    {"Courier New", {"Liberation Mono", "Cousine"}, "fonts-liberation2"},
    {"WenQuanYi Micro Hei", {}, "fonts-wqy-microhei"},
};

} // namespace

const FaceTwins* FindFaceTwins(std::string_view face)
{
    const auto* found = std::ranges::find_if(kFaces, [face](const FaceTwins& f) { return EqualsNoCase(f.face, face); });
    return found == std::end(kFaces) ? nullptr : found;
}

bool SetsLikeFace(std::string_view named, std::string_view resolved)
{
    if (EqualsNoCase(named, resolved))
        return true;
    const FaceTwins* entry = FindFaceTwins(named);
    return entry && std::ranges::any_of(entry->twins, [resolved](std::string_view twin) { return EqualsNoCase(twin, resolved); });
}

std::string MissingFaceNotice(std::string_view named, std::string_view resolved)
{
    std::string line = "the face \"" + std::string(named) + "\" that the language file names is not installed";
    const FaceTwins* entry = FindFaceTwins(named);
    if (entry && !entry->twins.empty())
        line += ", nor its metric twin \"" + std::string(entry->twins.front()) + "\"";
    line += "; captions are set in \"" + std::string(resolved) + "\" and may not fit where the layout places them";
    if (entry)
        line += " (on Debian, install the package " + std::string(entry->debianPackage) + ")";
    return line;
}

} // namespace tarq
