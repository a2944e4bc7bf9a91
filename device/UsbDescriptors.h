// SPDX-License-Identifier: GPL-2.0-or-later
#pragma once
// The mouse as it presents itself on USB: its device descriptor, its one configuration with
// the configuration interface and the pointer interface, their HID report descriptors and the
// string descriptors. The emulated bus takes its report lengths from these descriptors, and the
// virtual mouse on USB/IP hands them to a kernel.

#include <cstdint>
#include <optional>
#include <span>
#include <string>
#include <vector>

namespace tarq::usb {

// Standard descriptor types (USB 2.0 table 9-5) and the HID class ones (HID 1.11 7.1).
enum DescriptorType : uint8_t {
    kDeviceDescriptor = 0x01,
    kConfigurationDescriptor = 0x02,
    kStringDescriptor = 0x03,
    kInterfaceDescriptor = 0x04,
    kEndpointDescriptor = 0x05,
    kHidDescriptor = 0x21,
    kHidReportDescriptor = 0x22,
};

struct DeviceIdentity {
    uint16_t vendorId = 0;
    uint16_t productId = 0;
    uint16_t version = 0; // bcdDevice
};

// String descriptor indexes the device descriptor names.
enum StringIndex : uint8_t { kLanguages = 0, kManufacturer = 1, kProduct = 2, kSerialNumber = 3 };

// The mouse's interfaces, by interface number.
enum InterfaceNumber : uint8_t { kPointerInterface = 0, kConfigInterface = 1 };
constexpr int kInterfaceCount = 2;

// Interrupt-IN endpoint address of each interface (bit 7: IN).
uint8_t InterruptEndpoint(int interfaceNumber);

std::vector<uint8_t> DeviceDescriptor(const DeviceIdentity& identity);
// The whole configuration: configuration, then per interface its interface, HID and endpoint
// descriptors; wTotalLength covers all of it.
std::vector<uint8_t> ConfigurationDescriptor();
// A string descriptor (UTF-16LE); index 0 lists the languages. Nothing for an unknown index.
std::optional<std::vector<uint8_t>> StringDescriptor(uint8_t index, const std::string& serial = "0001");

// The configuration interface: one vendor collection with feature report ID 4 of seven data bytes.
std::span<const uint8_t> ConfigReportDescriptor();
// The pointer interface: a five-button wheel mouse with relative X and Y, no feature reports.
std::span<const uint8_t> PointerReportDescriptor();
// The report descriptor of an interface by number; empty for an unknown one.
std::span<const uint8_t> ReportDescriptor(int interfaceNumber);

} // namespace tarq::usb
