// SPDX-License-Identifier: GPL-2.0-or-later
#include "language/FaceTwins.h"

#include <gtest/gtest.h>

namespace tarq {
namespace {

struct FaceCase {
    std::string_view named;
    std::string_view resolved;
    bool setsLike;
};

TEST(FaceTwins, OnlyTheFaceOrItsMetricTwinSetsLikeIt)
{
    const FaceCase cases[] = {
        {"Calibri", "Calibri", true},
        {"Calibri", "Carlito", true},
        {"calibri", "CARLITO", true},                 // font names compare without case
        {"Calibri", "DejaVu Sans", false},            // the wider fallback face
        {"Calibri", "Liberation Sans", false},        // Arial's twin is not Calibri's
        {"Arial", "Arimo", true},
        {"Arial Narrow", "Liberation Sans", false},   // the narrow face needs the narrow twin
        {"WenQuanYi Micro Hei", "WenQuanYi Micro Hei", true},
        {"WenQuanYi Micro Hei", "Noto Sans CJK SC", false},
        {"Some Face", "Some Face", true},              // a face the table lacks: only itself
        {"Some Face", "DejaVu Sans", false},
    };
    for (const FaceCase& c : cases)
        EXPECT_EQ(SetsLikeFace(c.named, c.resolved), c.setsLike) << c.named << " / " << c.resolved;
}

TEST(FaceTwins, NoticeNamesTheFacesAndThePackage)
{
    const std::string calibri = MissingFaceNotice("Calibri", "DejaVu Sans");
    for (const char* part : {"\"Calibri\"", "\"Carlito\"", "\"DejaVu Sans\"", "fonts-crosextra-carlito"})
        EXPECT_NE(calibri.find(part), std::string::npos) << part << " in " << calibri;

    const std::string unknown = MissingFaceNotice("Some Face", "DejaVu Sans");
    EXPECT_NE(unknown.find("\"Some Face\""), std::string::npos) << unknown;
    EXPECT_EQ(unknown.find("package"), std::string::npos) << unknown;
}

} // namespace
} // namespace tarq
