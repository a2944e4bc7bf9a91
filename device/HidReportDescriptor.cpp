// SPDX-License-Identifier: GPL-2.0-or-later
#include "device/HidReportDescriptor.h"

#include <algorithm>
#include <map>

namespace tarq {
namespace {

// Short item prefix: bits 0-1 size (3 means 4 bytes), bits 2-3 type, bits 4-7 tag.
enum ItemType : uint8_t { Main = 0, Global = 1, Local = 2 };

enum MainTag : uint8_t { Input = 0x8, Output = 0x9, Collection = 0xA, Feature = 0xB, EndCollection = 0xC };
enum GlobalTag : uint8_t { UsagePage = 0x0, ReportSize = 0x7, ReportId = 0x8, ReportCount = 0x9, Push = 0xA, Pop = 0xB };
enum LocalTag : uint8_t { Usage = 0x0 };

constexpr uint8_t kLongItemPrefix = 0xFE;
constexpr size_t kMaxPushDepth = 64; // more nesting than any real device uses

struct GlobalState {
    uint32_t usagePage = 0;
    uint32_t reportSize = 0;
    uint32_t reportCount = 0;
    uint32_t reportId = 0;
};

// Bits per report ID for the three kinds of report of one top-level collection.
struct CollectionBits {
    HidCollectionCaps caps;
    bool usesReportIds = false;
    std::map<uint32_t, uint64_t> bits[3]; // input, output, feature
};

int byteLength(const CollectionBits& c, int kind)
{
    uint64_t maxBits = 0;
    for (const auto& [id, bits] : c.bits[kind])
        maxBits = std::max(maxBits, bits);
    if (c.bits[kind].empty())
        return 0;
    // Windows counts the report-ID byte whether or not the descriptor uses report IDs.
    const uint64_t bytes = (maxBits + 7) / 8 + 1;
    return static_cast<int>(std::min<uint64_t>(bytes, 0x7FFFFFFF));
}

} // namespace

std::vector<HidCollectionCaps> ParseReportDescriptor(std::span<const uint8_t> d)
{
    std::vector<HidCollectionCaps> result;
    std::vector<GlobalState> stack;
    GlobalState global;
    uint32_t lastUsage = 0;
    bool lastUsageHasPage = false;
    bool haveUsage = false;
    int depth = 0;
    CollectionBits current;

    auto finishCollection = [&] {
        for (int kind = 0; kind < 3; ++kind) {
            const int len = byteLength(current, kind);
            if (kind == 0) current.caps.inputReportByteLength = len;
            if (kind == 1) current.caps.outputReportByteLength = len;
            if (kind == 2) current.caps.featureReportByteLength = len;
        }
        result.push_back(current.caps);
        current = CollectionBits{};
    };

    size_t pos = 0;
    while (pos < d.size()) {
        const uint8_t prefix = d[pos];
        if (prefix == kLongItemPrefix) {
            if (pos + 1 >= d.size())
                break;
            const size_t dataSize = d[pos + 1];
            pos += 3 + dataSize; // prefix, size, long tag, data
            continue;
        }
        const size_t size = (prefix & 3) == 3 ? 4 : (prefix & 3);
        if (pos + 1 + size > d.size())
            break; // truncated item
        uint32_t value = 0;
        for (size_t i = 0; i < size; ++i)
            value |= static_cast<uint32_t>(d[pos + 1 + i]) << (8 * i);
        const uint8_t type = (prefix >> 2) & 3;
        const uint8_t tag = prefix >> 4;
        pos += 1 + size;

        if (type == Global) {
            switch (tag) {
            case UsagePage: global.usagePage = value; break;
            case ReportSize: global.reportSize = value; break;
            case ReportCount: global.reportCount = value; break;
            case ReportId:
                global.reportId = value;
                if (depth > 0)
                    current.usesReportIds = true;
                break;
            case Push:
                if (stack.size() < kMaxPushDepth)
                    stack.push_back(global);
                break;
            case Pop:
                if (!stack.empty()) {
                    global = stack.back();
                    stack.pop_back();
                }
                break;
            default: break;
            }
        } else if (type == Local) {
            if (tag == Usage && !haveUsage) {
                // A 4-byte usage carries its own page in the high half.
                lastUsage = value;
                lastUsageHasPage = size == 4;
                haveUsage = true;
            }
        } else if (type == Main) {
            switch (tag) {
            case Collection:
                if (depth == 0) {
                    current = CollectionBits{};
                    current.caps.usagePage = static_cast<uint16_t>(lastUsageHasPage ? lastUsage >> 16 : global.usagePage);
                    current.caps.usage = static_cast<uint16_t>(lastUsage & 0xFFFF);
                }
                ++depth;
                break;
            case EndCollection:
                if (depth > 0 && --depth == 0)
                    finishCollection();
                break;
            case Input:
            case Output:
            case Feature:
                if (depth > 0) {
                    const int kind = tag == Input ? 0 : tag == Output ? 1 : 2;
                    current.bits[kind][global.reportId] +=
                        static_cast<uint64_t>(global.reportSize) * global.reportCount;
                }
                break;
            default: break;
            }
            // Local items apply to the next main item only.
            haveUsage = false;
            lastUsage = 0;
        }
    }
    if (depth > 0)
        finishCollection(); // unterminated collection: report what it declared
    return result;
}

int FeatureReportByteLength(std::span<const uint8_t> descriptor)
{
    int length = 0;
    for (const auto& caps : ParseReportDescriptor(descriptor))
        length = std::max(length, caps.featureReportByteLength);
    return length;
}

} // namespace tarq
