// SPDX-License-Identifier: GPL-2.0-or-later
// Fuzzes the readers of the demo's memory file and driver store: the input is both files.
// Any file gives a mouse memory (the file's first 2048 bytes, or the first default image
// when it is shorter) and a store that starts with the file's bytes, never a crash.

#include "config/DefaultImages.h"
#include "device/emulator/DemoDevices.h"

#include <algorithm>
#include <cstdlib>
#include <cstdio>
#include <filesystem>
#include <fstream>
#include <string>
#include <unistd.h>

using namespace tarq;

extern "C" int LLVMFuzzerTestOneInput(const uint8_t* data, size_t size)
{
    static const std::string folder = [] {
        const auto dir = std::filesystem::temp_directory_path() / ("tarq-fuzz-demo-" + std::to_string(::getpid()));
        std::filesystem::create_directories(dir);
        return dir.string();
    }();
    DemoFiles files;
    files.mouseMemory = folder + "/Demo_Mouse_Memory.bin";
    files.driverStore = folder + "/Demo_Driver_Store.bin";
    for (const std::string& path : {files.mouseMemory, files.driverStore})
        std::ofstream(path, std::ios::binary | std::ios::trunc).write(reinterpret_cast<const char*>(data), std::streamsize(size));

    DemoDevices demo(files);
    const auto& memory = demo.mouse().memory();
    const bool fromFile = size >= kDeviceImageSize;
    if (fromFile ? !std::equal(memory.begin(), memory.end(), data)
                 : !std::equal(memory.begin(), memory.end(), DefaultImage(1).begin()))
        std::abort();
    const auto& store = demo.driver().store();
    if (!std::equal(data, data + std::min(size, store.size()), store.begin()))
        std::abort();
    return 0;
}
