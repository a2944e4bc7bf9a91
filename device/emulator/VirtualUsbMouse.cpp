// SPDX-License-Identifier: GPL-2.0-or-later
#include "device/emulator/VirtualUsbMouse.h"

#include "device/MouseIdentity.h"

#include <algorithm>
#include <array>

namespace tarq {
namespace {

using usbip::SetupPacket;

enum StandardRequest : uint8_t {
    GetStatus = 0x00, ClearFeature = 0x01, SetFeature = 0x03, GetDescriptor = 0x06,
    GetConfiguration = 0x08, SetConfiguration = 0x09, GetInterface = 0x0A, SetInterface = 0x0B,
};
enum HidRequest : uint8_t { GetReport = 0x01, GetIdle = 0x02, GetProtocol = 0x03, SetReport = 0x09, SetIdle = 0x0A, SetProtocol = 0x0B };
enum ReportType : uint8_t { InputReport = 1, OutputReport = 2, FeatureReport = 3 };
enum RequestKind { Standard = 0, Class = 1 };
enum Recipient { ToDevice = 0, ToInterface = 1, ToEndpoint = 2 };

constexpr int kInputReportBytes = 4; // buttons, X, Y, wheel of the pointer interface

} // namespace

VirtualUsbMouse::VirtualUsbMouse(std::shared_ptr<EmulatedMouse> mouse, usb::DeviceIdentity identity)
    : mouse_(std::move(mouse)), identity_(identity)
{
}

std::vector<std::vector<uint8_t>> VirtualUsbMouse::handle(const usbip::Incoming& in, std::span<const uint8_t> payload)
{
    if (in.command == usbip::CmdUnlink) {
        // A transfer still pending is taken back; one already answered cannot be.
        const bool wasPending = pending_.erase(in.unlink.unlinkSeqnum) + hung_.erase(in.unlink.unlinkSeqnum) > 0;
        return {usbip::EncodeRetUnlink(in.unlink, wasPending ? usbip::kStatusUnlinked : usbip::kStatusOk)};
    }
    const usbip::Submit& rq = in.submit;
    if (rq.endpoint != 0) {
        // Interrupt IN: the pointer never moves and the configuration interface sends no input
        // reports, so the request waits until the host takes it back. Nothing goes OUT.
        if (rq.direction == usbip::In) {
            pending_.insert(rq.seqnum);
            return {};
        }
        return {usbip::EncodeRetSubmit(rq, usbip::kStatusStall, {})};
    }
    const Answer answer = control(usbip::DecodeSetup(rq.setup), payload);
    if (answer.pending) {
        hung_.insert(rq.seqnum);
        return {};
    }
    return {usbip::EncodeRetSubmit(rq, answer.status, answer.data, static_cast<int32_t>(payload.size()))};
}

VirtualUsbMouse::Answer VirtualUsbMouse::control(const SetupPacket& setup, std::span<const uint8_t> outData)
{
    Answer answer;
    if (setup.type() == Standard)
        answer = standardRequest(setup);
    else if (setup.type() == Class && setup.recipient() == ToInterface)
        answer = classRequest(setup, outData);
    else
        answer.status = usbip::kStatusStall;
    if (answer.data.size() > setup.length)
        answer.data.resize(setup.length);
    return answer;
}

VirtualUsbMouse::Answer VirtualUsbMouse::standardRequest(const SetupPacket& setup)
{
    Answer a;
    const uint8_t descriptorType = static_cast<uint8_t>(setup.value >> 8);
    const uint8_t descriptorIndex = static_cast<uint8_t>(setup.value & 0xFF);
    switch (setup.request) {
    case GetDescriptor:
        if (setup.recipient() == ToDevice && descriptorType == usb::kDeviceDescriptor)
            a.data = usb::DeviceDescriptor(identity_);
        else if (setup.recipient() == ToDevice && descriptorType == usb::kConfigurationDescriptor && descriptorIndex == 0)
            a.data = usb::ConfigurationDescriptor();
        else if (setup.recipient() == ToDevice && descriptorType == usb::kStringDescriptor) {
            if (auto s = usb::StringDescriptor(descriptorIndex))
                a.data = *s;
            else
                a.status = usbip::kStatusStall;
        } else if (setup.recipient() == ToInterface && descriptorType == usb::kHidReportDescriptor
                   && !usb::ReportDescriptor(setup.index).empty()) {
            const auto report = usb::ReportDescriptor(setup.index);
            a.data.assign(report.begin(), report.end());
        } else
            a.status = usbip::kStatusStall;
        break;
    case SetConfiguration:
        if (setup.value > 1)
            a.status = usbip::kStatusStall;
        else
            configuration_ = static_cast<uint8_t>(setup.value);
        break;
    case GetConfiguration: a.data = {configuration_}; break;
    case GetStatus: a.data = {0, 0}; break;
    case GetInterface: a.data = {0}; break;
    case SetInterface:
        if (setup.value != 0)
            a.status = usbip::kStatusStall;
        break;
    case ClearFeature:
    case SetFeature: break;
    default: a.status = usbip::kStatusStall; break;
    }
    return a;
}

VirtualUsbMouse::Answer VirtualUsbMouse::classRequest(const SetupPacket& setup, std::span<const uint8_t> outData)
{
    Answer a;
    const uint8_t reportType = static_cast<uint8_t>(setup.value >> 8);
    switch (setup.request) {
    case SetIdle:
    case SetProtocol: break;
    case GetIdle: a.data = {0}; break;
    case GetProtocol: a.data = {1}; break; // report protocol
    case GetReport:
    case SetReport:
        if (reportType == FeatureReport && setup.index == usb::kConfigInterface)
            return featureReport(setup, outData);
        if (setup.request == GetReport && reportType == InputReport && setup.index == usb::kPointerInterface)
            a.data.assign(kInputReportBytes, 0);
        else
            a.status = usbip::kStatusStall; // the pointer interface has no feature or output report
        break;
    default: a.status = usbip::kStatusStall; break;
    }
    return a;
}

VirtualUsbMouse::Answer VirtualUsbMouse::featureReport(const SetupPacket& setup, std::span<const uint8_t> outData)
{
    Answer a;
    if (!mouse_->plugged()) {
        a.status = usbip::kStatusShutdown;
        return a;
    }
    if (hangAfterReports >= 0 && featureReports_ >= hangAfterReports) {
        a.pending = true;
        return a;
    }
    ++featureReports_;
    const uint8_t reportId = static_cast<uint8_t>(setup.value & 0xFF);
    std::array<uint8_t, kConfigFeatureReportLength> report{};
    report[0] = reportId;
    bool ok;
    if (setup.request == SetReport) {
        // A numbered report travels with its ID in the first byte.
        std::copy_n(outData.begin(), std::min(outData.size(), report.size()), report.begin());
        ok = outData.size() == report.size() && mouse_->setFeature(report);
    } else {
        ok = mouse_->getFeature(report);
        a.data.assign(report.begin(), report.end());
    }
    if (!mouse_->plugged()) {
        a.status = usbip::kStatusShutdown; // this report pulled the plug
        a.data.clear();
    } else if (!ok) {
        a.status = usbip::kStatusStall;
        a.data.clear();
    }
    return a;
}

} // namespace tarq
