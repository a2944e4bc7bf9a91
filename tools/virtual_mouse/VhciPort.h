// SPDX-License-Identifier: GPL-2.0-or-later
#pragma once
// A device served from user space on a port of the kernel's USB/IP host controller (vhci-hcd):
// a loopback TCP connection whose one end the kernel takes through the controller's sysfs
// attach file, while this process speaks USB/IP on the other end. Attaching and detaching need
// root.

#include <cstdint>
#include <span>
#include <string>
#include <vector>

namespace tarq {

class VhciPort {
public:
    explicit VhciPort(std::string controllerDir = "/sys/devices/platform/vhci_hcd.0");
    ~VhciPort();
    VhciPort(const VhciPort&) = delete;
    VhciPort& operator=(const VhciPort&) = delete;

    // The first free port of the controller's USB 2 hub; -1 when none is free or the controller
    // is missing (vhci-hcd not loaded).
    int freePort() const;

    // Plug a full-speed device into `port`. False with error() set when it fails.
    bool attach(int port, uint32_t devid);
    // Pull it out again (the kernel then closes its end of the connection).
    bool detach();

    int port() const { return port_; }
    int fd() const { return deviceFd_; }
    const std::string& error() const { return error_; }

    // Whole messages on the connection. readExact: false on the end of the connection.
    bool readExact(std::span<uint8_t> into);
    bool writeAll(std::span<const uint8_t> bytes);

private:
    bool fail(const std::string& what);

    std::string dir_;
    int port_ = -1;
    int deviceFd_ = -1;
    std::string error_;
};

} // namespace tarq
