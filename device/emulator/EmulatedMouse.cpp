// SPDX-License-Identifier: GPL-2.0-or-later
#include "device/emulator/EmulatedMouse.h"

#include "device/FeatureProtocol.h"

#include <algorithm>

namespace tarq {

EmulatedMouse::EmulatedMouse()
{
    memory_.fill(0xFF); // erased memory until an image is loaded
}

std::shared_ptr<void> EmulatedMouse::takeLock()
{
    if (lockHook)
        return lockHook();
    if (!lockHolder_.expired())
        return nullptr;
    auto token = std::make_shared<int>(0);
    lockHolder_ = token;
    return token;
}

void EmulatedMouse::loadMemory(std::span<const uint8_t> bytes)
{
    std::copy_n(bytes.begin(), std::min(bytes.size(), memory_.size()), memory_.begin());
}

std::vector<std::array<uint8_t, 8>> EmulatedMouse::requestsSent() const
{
    std::vector<std::array<uint8_t, 8>> out;
    for (const Report& r : log)
        if (r.isSet)
            out.push_back(r.bytes);
    return out;
}

void EmulatedMouse::countReport()
{
    if (faults.latencyMs > 0 && sleeper)
        sleeper(faults.latencyMs);
    ++reportsSeen_;
    if (faults.unplugAfterReports >= 0 && reportsSeen_ > faults.unplugAfterReports)
        plugged_ = false;
}

bool EmulatedMouse::setFeature(std::span<const uint8_t> report)
{
    countReport();
    if (!plugged_ || report.size() < 8)
        return false;
    if (keepLog) {
        Report r{true, {}};
        std::copy_n(report.begin(), 8, r.bytes.begin());
        log.push_back(r);
    }
    if (report[report::kId] != kConfigReportId)
        return false;
    execute(report);
    return true;
}

bool EmulatedMouse::getFeature(std::span<uint8_t> report)
{
    countReport();
    if (!plugged_ || report.size() < 8)
        return false;
    std::array<uint8_t, 8> answer{};
    answer[0] = kConfigReportId;
    const bool answering = replyPending_ && !faults.noAnswer && pollsSinceRequest_ >= faults.answerAfterPolls;
    ++pollsSinceRequest_;
    if (answering) {
        answer = reply_;
        answer[report::kStatus] = faults.wrongAck ? faults.wrongAck : report::kAcknowledged;
        if (chunkAnswerPending_ && !faults.wrongAck) {
            // The host has this chunk's answer: the next chunk request is a new one.
            chunkAnswerPending_ = false;
            windowPos_ += kChunkBytes;
        }
    }
    std::copy(answer.begin(), answer.end(), report.begin());
    if (keepLog)
        log.push_back({false, answer});
    return true;
}

bool EmulatedMouse::accepts(std::span<const uint8_t> rq) const
{
    switch (rq[report::kCommand]) {
    case CmdOpen:
    case CmdClose:
    case CmdDriverId:
        return true;
    case CmdStatus:
    case CmdReload:
        return exchangeOpen_;
    case CmdReadWindow:
    case CmdWriteWindow:
        return exchangeOpen_ && memoryAccess_;
    case CmdReadChunk:
        return exchangeOpen_ && window_ == Window::Read;
    case CmdWriteChunk:
        return exchangeOpen_ && window_ == Window::Write;
    case CmdSetCpiLed:
        return exchangeOpen_ && driverQueried_;
    default:
        return false;
    }
}

void EmulatedMouse::execute(std::span<const uint8_t> rq)
{
    reply_ = {kConfigReportId, 0, 0, 0, 0, 0, 0, 0};
    replyPending_ = true;
    pollsSinceRequest_ = 0;
    const uint32_t address = rq[2] | (rq[3] << 8);
    const uint32_t length = rq[4] | (rq[5] << 8);
    const uint8_t command = rq[report::kCommand];

    // A firmware that does not answer, or answers without acknowledging, has not done the command.
    if (faults.noAnswer || faults.wrongAck || faults.unanswered.count(command)) {
        replyPending_ = !faults.unanswered.count(command);
        return;
    }
    if (!accepts(rq)) {
        replyPending_ = false;
        refused.push_back(command);
        return;
    }
    // A chunk request while the previous chunk's answer is still unfetched is a retry: the
    // position has not moved, so it gets the same bytes (a write stores the same bytes again).
    const bool chunk = command == CmdReadChunk || command == CmdWriteChunk;
    if (!chunk)
        chunkAnswerPending_ = false;

    switch (command) {
    case CmdOpen:
        exchangeOpen_ = true;
        statusReady_ = memoryAccess_ = driverQueried_ = false;
        window_ = Window::None;
        reply_[1] = faults.openState;
        break;
    case CmdStatus:
        reply_[1] = faults.statusState;
        if (rq[2] == status::kDriverQuery1 && rq[3] == status::kDriverQuery2) {
            reply_[2] = faults.driverModeBit ? status::kDriverModeBit : 0;
            reply_[3] = static_cast<uint8_t>(ledTypeBits & 0xC0);
            driverQueried_ = statusReady_ && faults.statusState == status::kReadyForAccess && faults.driverModeBit;
        } else {
            reply_[2] = faults.configNotReady ? 0 : status::kConfigReadyBit;
            reply_[3] = chipByte;
            const uint16_t buttons = buttonState.load();
            reply_[5] = static_cast<uint8_t>(buttons & 0xFF);
            reply_[6] = static_cast<uint8_t>(buttons >> 8);
            statusReady_ = faults.statusState == status::kReadyForAccess;
            memoryAccess_ = statusReady_ && !faults.configNotReady;
        }
        break;
    case CmdReadWindow:
    case CmdWriteWindow:
        window_ = command == CmdReadWindow ? Window::Read : Window::Write;
        windowAddress_ = address;
        windowLength_ = length;
        windowPos_ = 0;
        lostChunkRequests_ = 0;
        if (command == CmdWriteWindow && chipByte != 0xFD)
            ++writesOnOtherChip;
        break;
    case CmdReadChunk:
        if (faults.lostReadChunk >= 0 && windowPos_ == static_cast<uint32_t>(faults.lostReadChunk) * kChunkBytes) {
            // Every attempt at this chunk goes unanswered; after the host's last attempt the
            // firmware gives the chunk up, so the following chunks stay in step.
            replyPending_ = false;
            if (++lostChunkRequests_ == 5)
                windowPos_ += kChunkBytes;
            break;
        }
        for (size_t i = 0; i < kChunkBytes; ++i) {
            const uint32_t a = windowAddress_ + windowPos_ + i;
            reply_[1 + i] = (windowPos_ + i < windowLength_ && a < kDeviceImageSize) ? memory_[a] : 0xFF;
        }
        chunkAnswerPending_ = true;
        break;
    case CmdWriteChunk: {
        bool changed = false;
        for (size_t i = 0; i < kChunkBytes; ++i) {
            const uint32_t a = windowAddress_ + windowPos_ + i;
            if (windowPos_ + i >= windowLength_ || a >= kDeviceImageSize)
                continue; // bytes past the window are padding
            if (faults.refusedAddresses.count(static_cast<uint16_t>(a)))
                continue;
            changed |= memory_[a] != rq[2 + i];
            memory_[a] = rq[2 + i];
        }
        chunkAnswerPending_ = true;
        memoryDirty_ |= changed;
        break;
    }
    case CmdSetCpiLed:
        std::copy_n(rq.begin() + 2, 4, cpiLedRecord.begin());
        break;
    case CmdDriverId:
        reply_[1] = static_cast<uint8_t>(driverIdentifier >> 8);
        reply_[2] = static_cast<uint8_t>(driverIdentifier & 0xFF);
        break;
    case CmdClose:
    case CmdReload:
        if (command == CmdClose) {
            exchangeOpen_ = false;
            statusReady_ = memoryAccess_ = driverQueried_ = false;
        }
        window_ = Window::None;
        if (memoryDirty_ && onMemoryCommitted) {
            memoryDirty_ = false;
            onMemoryCommitted();
        }
        break;
    }
}

} // namespace tarq
