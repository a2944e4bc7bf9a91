// SPDX-License-Identifier: GPL-2.0-or-later
#pragma once
// The emulated mouse and companion driver that --demo plugs in: the mouse's memory and the
// driver's store live in files of the data folder, so Apply and Read survive a restart.

#include "device/emulator/EmulatedDriver.h"
#include "device/emulator/EmulatedHidBus.h"

#include <cstdint>
#include <functional>
#include <memory>
#include <span>
#include <string>
#include <vector>

namespace tarq {

// The names of the two files in the data folder, shared by the window and the command line.
inline constexpr const char* kDemoMouseMemoryFile = "Demo_Mouse_Memory.bin";
inline constexpr const char* kDemoDriverStoreFile = "Demo_Driver_Store.bin";

// The lock file beside the memory file. The memory file itself is replaced by a rename at
// every save, so a lock on it would not be seen by the next one to open it.
std::string DemoLockFile(const std::string& mouseMemory);

struct DemoFiles {
    // Only the first 2048 bytes of a regular file are read; the first default image when the
    // file is missing, short or not a regular file (a link to a device, a pipe).
    std::string mouseMemory;
    std::string driverStore;   // its first 102400 bytes; zeros when missing
    // Writes a whole file (atomically: the caller passes the program's safe-save helper).
    std::function<bool(const std::string& path, std::span<const uint8_t> bytes)> save;
};

class DemoDevices {
public:
    explicit DemoDevices(DemoFiles files);

    EmulatedHidBus& hidBus() { return *hidBus_; }
    EmulatedDriverBus& driverBus() { return *driverBus_; }
    EmulatedMouse& mouse() { return *mouse_; }
    EmulatedDriver& driver() { return *driver_; }

    // Pull the mouse's plug or put it back, as a person at the desk would.
    void setMousePlugged(bool plugged);
    bool mousePlugged() const { return mouse_->plugged(); }

private:
    void loadMouseMemory();

    DemoFiles files_;
    std::shared_ptr<EmulatedMouse> mouse_;
    std::unique_ptr<EmulatedHidBus> hidBus_;
    std::shared_ptr<EmulatedDriver> driver_;
    std::unique_ptr<EmulatedDriverBus> driverBus_;
};

} // namespace tarq
