// SPDX-License-Identifier: GPL-2.0-or-later
#include "device/UsbDescriptors.h"

#include <array>

namespace tarq::usb {
namespace {

constexpr uint8_t kHidClass = 0x03;
constexpr uint8_t kBootSubclass = 0x01;
constexpr uint8_t kMouseProtocol = 0x02;
constexpr uint8_t kInterruptTransfer = 0x03;
constexpr uint8_t kEndpointIn = 0x80;
constexpr uint8_t kControlPacketSize = 64;
constexpr uint8_t kReportPacketSize = 8;
constexpr uint16_t kUsbRelease = 0x0200;
constexpr uint16_t kHidRelease = 0x0111;
constexpr uint16_t kLanguageEnglishUs = 0x0409;
constexpr uint8_t kBusPoweredRemoteWakeup = 0xA0;
constexpr uint8_t kMaxPower100mA = 50; // in units of 2 mA

constexpr std::array<uint8_t, 23> kConfigReport = {
    0x06, 0x00, 0xFF,       // Usage Page (vendor 0xFF00)
    0x09, 0x01,             // Usage (1)
    0xA1, 0x01,             // Collection (Application)
    0x85, 0x04,             //   Report ID (4)
    0x09, 0x02,             //   Usage (2)
    0x15, 0x00,             //   Logical Minimum (0)
    0x26, 0xFF, 0x00,       //   Logical Maximum (255)
    0x75, 0x08,             //   Report Size (8)
    0x95, 0x07,             //   Report Count (7)
    0xB1, 0x02,             //   Feature (Data, Variable, Absolute)
    0xC0,                   // End Collection
};

constexpr std::array<uint8_t, 52> kPointerReport = {
    0x05, 0x01,             // Usage Page (Generic Desktop)
    0x09, 0x02,             // Usage (Mouse)
    0xA1, 0x01,             // Collection (Application)
    0x09, 0x01,             //   Usage (Pointer)
    0xA1, 0x00,             //   Collection (Physical)
    0x05, 0x09,             //     Usage Page (Button)
    0x19, 0x01,             //     Usage Minimum (1)
    0x29, 0x05,             //     Usage Maximum (5)
    0x15, 0x00,             //     Logical Minimum (0)
    0x25, 0x01,             //     Logical Maximum (1)
    0x95, 0x05,             //     Report Count (5)
    0x75, 0x01,             //     Report Size (1)
    0x81, 0x02,             //     Input (Data, Variable, Absolute)
    0x95, 0x01,             //     Report Count (1)
    0x75, 0x03,             //     Report Size (3)
    0x81, 0x01,             //     Input (Constant)
    0x05, 0x01,             //     Usage Page (Generic Desktop)
    0x09, 0x30,             //     Usage (X)
    0x09, 0x31,             //     Usage (Y)
    0x09, 0x38,             //     Usage (Wheel)
    0x15, 0x81,             //     Logical Minimum (-127)
    0x25, 0x7F,             //     Logical Maximum (127)
    0x75, 0x08,             //     Report Size (8)
    0x95, 0x03,             //     Report Count (3)
    0x81, 0x06,             //     Input (Data, Variable, Relative)
    0xC0,                   //   End Collection
    0xC0,                   // End Collection
};

void put16(std::vector<uint8_t>& out, uint16_t value)
{
    out.push_back(static_cast<uint8_t>(value & 0xFF));
    out.push_back(static_cast<uint8_t>(value >> 8));
}

void appendInterface(std::vector<uint8_t>& out, uint8_t number)
{
    const bool pointer = number == kPointerInterface;
    const std::span<const uint8_t> report = ReportDescriptor(number);
    out.insert(out.end(), {9, kInterfaceDescriptor, number, 0, 1, kHidClass,
                           static_cast<uint8_t>(pointer ? kBootSubclass : 0),
                           static_cast<uint8_t>(pointer ? kMouseProtocol : 0), 0});
    out.insert(out.end(), {9, kHidDescriptor});
    put16(out, kHidRelease);
    out.insert(out.end(), {0, 1, kHidReportDescriptor});
    put16(out, static_cast<uint16_t>(report.size()));
    out.insert(out.end(), {7, kEndpointDescriptor, InterruptEndpoint(number), kInterruptTransfer});
    put16(out, kReportPacketSize);
    out.push_back(static_cast<uint8_t>(pointer ? 1 : 10)); // polling interval, ms
}

std::vector<uint8_t> textDescriptor(const std::string& text)
{
    std::vector<uint8_t> out{static_cast<uint8_t>(2 + 2 * text.size()), kStringDescriptor};
    for (const char c : text)
        put16(out, static_cast<uint8_t>(c)); // the texts are ASCII
    return out;
}

} // namespace

uint8_t InterruptEndpoint(int interfaceNumber)
{
    return static_cast<uint8_t>(kEndpointIn | (interfaceNumber + 1));
}

std::vector<uint8_t> DeviceDescriptor(const DeviceIdentity& identity)
{
    std::vector<uint8_t> out{18, kDeviceDescriptor};
    put16(out, kUsbRelease);
    out.insert(out.end(), {0, 0, 0, kControlPacketSize}); // class per interface
    put16(out, identity.vendorId);
    put16(out, identity.productId);
    put16(out, identity.version);
    out.insert(out.end(), {kManufacturer, kProduct, kSerialNumber, 1});
    return out;
}

std::vector<uint8_t> ConfigurationDescriptor()
{
    std::vector<uint8_t> out{9, kConfigurationDescriptor, 0, 0, kInterfaceCount, 1, 0,
                             kBusPoweredRemoteWakeup, kMaxPower100mA};
    for (uint8_t i = 0; i < kInterfaceCount; ++i)
        appendInterface(out, i);
    out[2] = static_cast<uint8_t>(out.size() & 0xFF);
    out[3] = static_cast<uint8_t>(out.size() >> 8);
    return out;
}

std::optional<std::vector<uint8_t>> StringDescriptor(uint8_t index, const std::string& serial)
{
    switch (index) {
    case kLanguages: {
        std::vector<uint8_t> out{4, kStringDescriptor};
        put16(out, kLanguageEnglishUs);
        return out;
    }
    case kManufacturer: return textDescriptor("TARQ");
    case kProduct: return textDescriptor("TARQ362A Gaming Mouse");
    case kSerialNumber: return textDescriptor(serial.substr(0, 126));
    default: return std::nullopt;
    }
}

std::span<const uint8_t> ConfigReportDescriptor() { return kConfigReport; }
std::span<const uint8_t> PointerReportDescriptor() { return kPointerReport; }

std::span<const uint8_t> ReportDescriptor(int interfaceNumber)
{
    switch (interfaceNumber) {
    case kPointerInterface: return kPointerReport;
    case kConfigInterface: return kConfigReport;
    default: return {};
    }
}

} // namespace tarq::usb
