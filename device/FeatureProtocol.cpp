// SPDX-License-Identifier: GPL-2.0-or-later
#include "device/FeatureProtocol.h"

#include <algorithm>
#include <cstdio>

namespace tarq {
namespace {

// Attempts, polls and sleeps (ms) of the exchanges. The mouse needs the sleeps: it answers a
// request only after its own polling interval.
constexpr int kCommandAttempts = 5, kCommandPolls = 5, kCommandSleep = 10;
constexpr int kReadChunkAttempts = 5, kReadChunkPolls = 5, kReadChunkSleep = 5;
constexpr int kWriteChunkAttempts = 5, kWriteChunkPolls = 5, kWriteChunkSendSleep = 10, kWriteChunkPollSleep = 5;
constexpr int kStatusWordAttempts = 10, kStatusWordPolls = 10, kStatusWordSleep = 5;

constexpr uint8_t kUnread = 0xFF;

uint8_t lowByte(uint32_t v) { return static_cast<uint8_t>(v & 0xFF); }
uint8_t highByte(uint32_t v) { return static_cast<uint8_t>((v >> 8) & 0xFF); }

} // namespace

int TranslateChipByte(uint8_t chipByte)
{
    switch (chipByte) {
    case 0x35: return 0x90;
    case 0x75: return 0x99;
    case 0xFD: return 0x98;
    default: return -1;
    }
}

FeatureProtocol::FeatureProtocol(DeviceLink& link, Waiter& waiter) : link_(link), waiter_(waiter) {}

// The window's events are processed between reports, and closing the window lets the mouse
// go (the handle is closed). A report that fails because the device is gone, or a closed
// handle, ends the exchange at once: retries only help a device that is still there.
bool FeatureProtocol::linkDown()
{
    if (!link_.HidHandle)
        return true;
    if (link_.HidHandle->gone()) {
        deviceGone_ = true; // also when the removal is seen before the next report is sent
        return true;
    }
    return false;
}

bool FeatureProtocol::set()
{
    if (linkDown())
        return false;
    ++reportsSent_;
    const size_t length = std::min<size_t>(ReportBuffer.size(), static_cast<size_t>(std::max(link_.FeatureReportLength, 0)));
    HidDevice* device = link_.HidHandle.get();
    const bool ok = device->setFeature(std::span<const uint8_t>(ReportBuffer.data(), length ? length : ReportBuffer.size()));
    return settle(device, ok);
}

bool FeatureProtocol::get()
{
    if (linkDown())
        return false;
    const size_t length = std::min<size_t>(ReportBuffer.size(), static_cast<size_t>(std::max(link_.FeatureReportLength, 0)));
    HidDevice* device = link_.HidHandle.get();
    const bool ok = device->getFeature(std::span<uint8_t>(ReportBuffer.data(), length ? length : ReportBuffer.size()));
    return settle(device, ok);
}

// The outcome of one report. The window's events may run while a report waits (a device that
// does not answer), and one of them may let the mouse go: that report then failed.
bool FeatureProtocol::settle(const HidDevice* device, bool ok)
{
    if (link_.HidHandle.get() != device)
        return false;
    ok = reported(ok);
    if (!ok && link_.HidHandle->gone())
        deviceGone_ = true;
    return ok;
}

// Logs the device's reason once per run of failed reports, so a lost mouse does not flood
// standard error with one line per retry.
bool FeatureProtocol::reported(bool ok)
{
    if (!ok && !failing_)
        std::fprintf(stderr, "tarq362a: feature report failed: %s\n", link_.HidHandle->lastError().c_str());
    failing_ = !ok;
    return ok;
}

bool FeatureProtocol::TakeDeviceGone()
{
    const bool gone = deviceGone_;
    deviceGone_ = false;
    return gone;
}

void FeatureProtocol::fillRequest(uint8_t code, uint8_t p1, uint8_t p2, uint8_t p3, uint8_t p4)
{
    ReportBuffer = {kConfigReportId, code, p1, p2, p3, p4, 0, 0};
}

void FeatureProtocol::showProgress(TransferStage stage, uint32_t done, uint32_t total)
{
    if (ShowProgress)
        ShowProgress();
    if (OnProgress)
        OnProgress({stage, done, total});
    waiter_.pump();
}

bool FeatureProtocol::SendCommand(uint8_t code, uint8_t p1, uint8_t p2, uint8_t p3, uint8_t p4)
{
    if (linkDown())
        return false;
    for (int attempt = 0; attempt < kCommandAttempts && !linkDown(); ++attempt) {
        fillRequest(code, p1, p2, p3, p4);
        set(); // the call's own result is not trusted; only the acknowledgement byte is
        waiter_.sleep(kCommandSleep);
        for (int poll = 0; poll < kCommandPolls && !linkDown(); ++poll) {
            get();
            if (ReportBuffer[report::kStatus] != report::kNoAnswerYet)
                break;
            waiter_.sleep(kCommandSleep);
        }
        if (ReportBuffer[report::kStatus] == report::kAcknowledged)
            break;
    }
    const bool acknowledged = ReportBuffer[report::kStatus] == report::kAcknowledged;
    if (acknowledged && code == CmdStatus && p1 == 0 && p2 == 0) {
        ConfigReady = (ReportBuffer[2] & status::kConfigReadyBit) != 0;
        if (const int chip = TranslateChipByte(ReportBuffer[3]); chip >= 0)
            ChipCode = chip;
    }
    return acknowledged;
}

void FeatureProtocol::readChunk()
{
    ChunkBuffer.fill(kUnread);
    for (int attempt = 0; attempt < kReadChunkAttempts && !linkDown(); ++attempt) {
        fillRequest(CmdReadChunk, 0, 0, 0, 0);
        set();
        waiter_.sleep(kReadChunkSleep);
        for (int poll = 0; poll < kReadChunkPolls && !linkDown(); ++poll) {
            get();
            if (ReportBuffer[report::kStatus] != report::kNoAnswerYet)
                break;
            waiter_.sleep(kReadChunkSleep);
        }
        if (ReportBuffer[report::kStatus] == report::kAcknowledged) {
            std::copy(ReportBuffer.begin() + 1, ReportBuffer.end(), ChunkBuffer.begin());
            waiter_.pump();
            return;
        }
    }
    ++unacknowledgedReadChunks_;
}

void FeatureProtocol::writeChunk()
{
    for (int attempt = 0; attempt < kWriteChunkAttempts && !linkDown(); ++attempt) {
        ReportBuffer[report::kId] = kConfigReportId;
        ReportBuffer[report::kCommand] = CmdWriteChunk;
        std::copy_n(ChunkBuffer.begin(), kChunkBytes, ReportBuffer.begin() + 2);
        set();
        waiter_.sleep(kWriteChunkSendSleep);
        for (int poll = 0; poll < kWriteChunkPolls && !linkDown(); ++poll) {
            get();
            if (ReportBuffer[report::kStatus] != report::kNoAnswerYet)
                break;
            waiter_.sleep(kWriteChunkPollSleep);
        }
        if (ReportBuffer[report::kStatus] == report::kAcknowledged)
            return;
    }
}

bool FeatureProtocol::transfer(uint32_t address, uint32_t length, std::span<uint8_t> destination, bool showing)
{
    std::fill_n(destination.begin(), std::min<size_t>(length, destination.size()), kUnread);
    if (!SendCommand(CmdReadWindow, lowByte(address), highByte(address), lowByte(length), highByte(length)))
        return false;
    const int chunks = ChunkCount(length);
    for (int k = 0; k < chunks; ++k) {
        if (linkDown())
            return false;
        if (showing)
            showProgress(Stage, static_cast<uint32_t>(k) * kChunkBytes, length);
        readChunk();
        const size_t offset = static_cast<size_t>(k) * kChunkBytes;
        const size_t count = std::min<size_t>(kChunkBytes, length - offset);
        if (offset < destination.size())
            std::copy_n(ChunkBuffer.begin(), std::min(count, destination.size() - offset), destination.begin() + offset);
        waiter_.pump();
    }
    return !linkDown();
}

bool FeatureProtocol::ReadMemory(uint32_t address, uint32_t length, std::span<uint8_t> destination)
{
    return transfer(address, length, destination, false);
}

bool FeatureProtocol::ReadMemoryShowingProgress(uint32_t address, uint32_t length, std::span<uint8_t> destination)
{
    return transfer(address, length, destination, true);
}

bool FeatureProtocol::WriteMemory(uint32_t address, uint32_t length, std::span<const uint8_t> source)
{
    ChunkBuffer.fill(kUnread);
    if (!SendCommand(CmdWriteWindow, lowByte(address), highByte(address), lowByte(length), highByte(length)))
        return false;
    const int chunks = ChunkCount(length);
    for (int k = 0; k < chunks; ++k) {
        if (linkDown())
            return false;
        showProgress(TransferStage::Writing, static_cast<uint32_t>(k) * kChunkBytes, length);
        // A short last chunk keeps the previous chunk's bytes beyond the remainder.
        const size_t offset = static_cast<size_t>(k) * kChunkBytes;
        const size_t count = std::min<size_t>(kChunkBytes, length - offset);
        if (offset < source.size())
            std::copy_n(source.begin() + offset, std::min(count, source.size() - offset), ChunkBuffer.begin());
        waiter_.pump();
        writeChunk();
    }
    return !linkDown();
}

uint16_t FeatureProtocol::GetStatusWord()
{
    if (linkDown())
        return 0;
    for (int attempt = 0; attempt < kStatusWordAttempts && !linkDown(); ++attempt) {
        fillRequest(CmdStatus, 0, 0, 0, 0);
        waiter_.sleep(kStatusWordSleep);
        set();
        for (int poll = 0; poll < kStatusWordPolls && !linkDown(); ++poll) {
            waiter_.sleep(kStatusWordSleep);
            get();
            if (ReportBuffer[report::kStatus] != report::kNoAnswerYet)
                break;
        }
        if (ReportBuffer[report::kStatus] == report::kAcknowledged)
            return static_cast<uint16_t>(ReportBuffer[6] << 8 | ReportBuffer[5]);
    }
    return 0;
}

} // namespace tarq
