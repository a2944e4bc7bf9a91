// SPDX-License-Identifier: GPL-2.0-or-later
#pragma once
// The two small interfaces through which the core reaches HID interfaces. Backends:
// device/hidraw (Linux), device/win (Windows), device/emulator (the emulated mouse).
//
// Report buffers: byte 0 is the report ID and the length includes it, on every backend.

#include <cstdint>
#include <memory>
#include <span>
#include <string>
#include <vector>

namespace tarq {

// What an opened interface tells about itself. A value the backend could not read is 0,
// so an interface whose capabilities are unknown never matches the mouse.
struct HidAttributes {
    uint16_t vendorId = 0;
    uint16_t productId = 0;
    uint16_t version = 0;          // USB release number (bcdDevice)
    int featureReportLength = 0;   // feature report byte length, report-ID byte included
};

class HidDevice {
public:
    virtual ~HidDevice() = default;
    virtual HidAttributes attributes() = 0;
    // Send a feature report; report[0] is the report ID.
    virtual bool setFeature(std::span<const uint8_t> report) = 0;
    // Fetch a feature report into report; report[0] selects the report ID.
    virtual bool getFeature(std::span<uint8_t> report) = 0;
    // Why the last call failed (path and system message), for logs and messages.
    virtual std::string lastError() const { return {}; }
    // True once a call failed because the device is gone (unplugged, its node removed), as
    // opposed to a report the device refused or a transient error: retrying cannot help.
    virtual bool gone() const { return false; }
    // Takes the exclusive lock of this device for whoever talks to the mouse (the window, a
    // command), one attempt without waiting; true when this handle holds it. The lock is
    // advisory and is tied to the device, not to the handle's path text: on Linux a flock on
    // the opened node, on Windows a named mutex per device path, on the demo a lock beside the
    // emulated mouse's memory file. Closing the handle drops it; a crashed holder leaves none.
    virtual bool lockExclusive() { return true; }
};

// Why the last open of an interface failed.
enum class HidOpenFailure {
    None,
    PermissionDenied, // the node exists but this user may not open it
    Busy,             // held exclusively by another program
    Gone,             // unplugged between enumeration and open
    Other,
};

class HidBus {
public:
    virtual ~HidBus() = default;
    // Paths of the present HID interfaces, in the system's enumeration order.
    virtual std::vector<std::string> interfacePaths() = 0;
    // Open one interface; nullptr when it cannot be opened (held exclusively, gone, no rights),
    // and lastOpenFailure() then says why.
    virtual std::unique_ptr<HidDevice> open(const std::string& path) = 0;
    // Why the last failed open failed.
    virtual HidOpenFailure lastOpenFailure() const { return HidOpenFailure::Other; }

    // What an interface tells about itself without being opened, so an interface this user may
    // not open can still be recognised. Backends that learn nothing before an open open it.
    virtual HidAttributes describe(const std::string& path)
    {
        const std::unique_ptr<HidDevice> device = open(path);
        return device ? device->attributes() : HidAttributes{};
    }

    // The one way to learn whether an interface opens and, when it does not, why: it is opened
    // once and closed again. None when it opened.
    HidOpenFailure probe(const std::string& path);

    // Whether the device check counts this interface: it opens, or it exists and refuses only
    // for lack of permission. Windows opens every HID interface with access 0 for its
    // attributes and so counts all of them; a system whose open needs read and write rights
    // counts a node closed to this user the same way.
    bool countable(const std::string& path);

    // The path of a present configuration interface (feature reports of the configuration
    // length) of this identity that refuses to open for lack of permission; empty when there
    // is none, or when the system cannot tell.
    std::string permissionRefusedPath(uint16_t vendorId, uint16_t productId);
};

} // namespace tarq
