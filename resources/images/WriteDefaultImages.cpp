// SPDX-License-Identifier: GPL-2.0-or-later
// Build-time tool: writes the built-in default configuration images and the empty macro
// library, taken from the core byte tables, as files for the Qt resource compiler.
//   write_default_images <output folder>
#include "config/DefaultImages.h"

#include <cstdio>
#include <fstream>
#include <span>
#include <string>

namespace {

bool WriteFile(const std::string& path, std::span<const uint8_t> bytes)
{
    std::ofstream out(path, std::ios::binary | std::ios::trunc);
    out.write(reinterpret_cast<const char*>(bytes.data()), static_cast<std::streamsize>(bytes.size()));
    out.close();
    if (!out) {
        std::fprintf(stderr, "write_default_images: cannot write %s\n", path.c_str());
        return false;
    }
    return true;
}

} // namespace

int main(int argc, char** argv)
{
    if (argc != 2) {
        std::fprintf(stderr, "usage: write_default_images <output folder>\n");
        return 2;
    }
    const std::string folder = std::string(argv[1]) + "/";
    bool ok = true;
    for (int n = 1; n <= tarq::kDefaultImageCount; ++n)
        ok = WriteFile(folder + std::string(tarq::DefaultImageResourceName(n)) + ".bin",
                       tarq::DefaultImage(n)) && ok;
    ok = WriteFile(folder + std::string(tarq::kEmptyMacroLibraryResourceName) + ".bin",
                   tarq::EmptyMacroLibrary()) && ok;
    return ok ? 0 : 1;
}
