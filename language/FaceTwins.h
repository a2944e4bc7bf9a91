// SPDX-License-Identifier: GPL-2.0-or-later
#pragma once
// Faces and their metric twins. The layouts place every caption for the face the language file
// names; where that face is not installed, a face drawn to the same advance widths (Carlito for
// Calibri) keeps the captions where the layout expects them, and any other face does not.

#include <string>
#include <string_view>
#include <vector>

namespace tarq {

struct FaceTwins {
    std::string_view face;                  // as a language file names it
    std::vector<std::string_view> twins;    // faces with the same advance widths
    std::string_view debianPackage;         // the Debian package that installs the first twin
                                            // (or the face itself when it has no twin)
};

// The entry for a face, compared without regard to case; nullptr for a face the table lacks.
const FaceTwins* FindFaceTwins(std::string_view face);

// Whether text set in `resolved` takes the room the layout drew for `named`: the same face, or
// one of its metric twins. Case does not matter.
bool SetsLikeFace(std::string_view named, std::string_view resolved);

// The line that tells that `named` fell back to `resolved`, with the package to install when
// the table knows one.
std::string MissingFaceNotice(std::string_view named, std::string_view resolved);

} // namespace tarq
