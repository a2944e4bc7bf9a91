// SPDX-License-Identifier: GPL-2.0-or-later
#pragma once
// A model of the companion driver: a settings store of 102400 bytes and the 4-byte CPI and
// LED record, behind the three I/O control requests, on an emulated driver bus.

#include "device/DriverBus.h"

#include <array>
#include <functional>
#include <memory>
#include <vector>

namespace tarq {

class EmulatedDriver {
public:
    EmulatedDriver();

    std::vector<uint8_t>& store() { return store_; }
    std::array<uint8_t, 4> cpiLedRecord{};
    bool rejectRequests = false; // every request fails (a driver that is loaded but broken)

    // Every request received: its code and, for the store requests, offset and length.
    struct Request {
        uint32_t code;
        uint32_t offset;
        uint32_t length;
    };
    std::vector<Request> requests;

    // Called after every store write (e.g. to keep the store in a file).
    std::function<void()> onStoreWritten;

    bool ioControl(uint32_t code, std::span<const uint8_t> in, std::span<uint8_t> out, size_t& returned);

private:
    std::vector<uint8_t> store_;
};

class EmulatedDriverBus : public DriverBus {
public:
    // The driver's interface path carries `identifier` at characters 55 to 58.
    EmulatedDriverBus(std::shared_ptr<EmulatedDriver> driver, uint16_t identifier);

    void addPath(std::string path, bool openable = true);
    void setPresent(bool present) { present_ = present; }

    std::vector<std::string> interfacePaths() override;
    std::unique_ptr<DriverDevice> open(const std::string& path) override;

    static std::string pathFor(uint16_t identifier);

private:
    struct Entry { std::string path; bool openable; };
    std::shared_ptr<EmulatedDriver> driver_;
    std::vector<Entry> paths_;
    bool present_ = true;
};

} // namespace tarq
