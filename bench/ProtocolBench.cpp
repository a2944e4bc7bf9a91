// SPDX-License-Identifier: GPL-2.0-or-later
// Times the configuration transfers against the emulated mouse with real sleeps and a real
// clock, next to the protocol's own floor: the fixed sleeps of an exchange that is answered at
// the first poll, times the number of reports.
//
//   tarq362a-bench            all rows
//   tarq362a-bench --quick    latency 0 only
//   tarq362a-bench --node /dev/hidrawN
//                             the read and write rows through a real node (a mouse, or the
//                             virtual mouse on the kernel's USB stack), with the round trip
//                             of one report; the write row overwrites the mouse's memory
//
// A second table times an unplug during a transfer: from the moment the mouse goes away to
// the moment the transfer has ended and reported the device gone (the device-lost state).

#include "config/ImageLayout.h"
#include "config/DefaultImages.h"
#include "device/DeviceLink.h"
#include "device/FeatureProtocol.h"
#include "device/ImageTransfer.h"
#include "device/SleepingWaiter.h"
#include "device/emulator/EmulatedHidBus.h"
#if defined(__linux__)
#include "device/hidraw/HidrawBus.h"
#endif

#include <chrono>
#include <cstdio>
#include <cstring>
#include <functional>
#include <thread>
#include <vector>

using namespace tarq;

namespace {

// Command answered at the first poll: 10 ms. Read chunk: 5 ms. Write chunk: 10 ms.
constexpr double kWindowFloorMs = 10;
const double kReadFloorMs = kWindowFloorMs + ChunkCount(kDeviceImageSize) * 5.0;
const double kWriteFloorMs = kWindowFloorMs + ChunkCount(kDeviceImageSize) * 10.0;

struct Row {
    const char* operation;
    double floorMs;
    std::function<bool(FeatureProtocol&, std::vector<uint8_t>&)> run;
    // What the mouse holds before the row runs (empty: the row's own pattern is irrelevant).
    std::vector<uint8_t> memory = {};
};

std::vector<uint8_t> Image(int n) { return {DefaultImage(n).begin(), DefaultImage(n).end()}; }

// The first default image with one setting changed (button 3 and its section's checksum).
std::vector<uint8_t> OneSettingChanged()
{
    std::vector<uint8_t> image = Image(1);
    image[0x47] ^= 0x03;
    image[0x76] ^= 0x03;
    return image;
}

// An Apply: open the exchange, write and verify, close. With `known`, only differing chunks.
bool Apply(FeatureProtocol& p, const std::vector<uint8_t>& image, bool known, const std::vector<uint8_t>& memory)
{
    KnownMemory knownMemory;
    if (known)
        knownMemory = memory;
    return WriteImageToMouse(p, image, false, known ? &knownMemory : nullptr).verify.verified();
}

// Runs one row on an opened mouse; `label` names the mouse (the latency, or the node).
void runRowOn(const Row& row, DeviceLink& link, const char* label)
{
    SleepingWaiter waiter;
    FeatureProtocol protocol(link, waiter);
    std::vector<uint8_t> image(kDeviceImageSize);
    for (size_t i = 0; i < image.size(); ++i)
        image[i] = static_cast<uint8_t>(i * 13);
    // The firmware takes memory commands only inside an exchange.
    protocol.SendCommand(CmdOpen);
    protocol.SendCommand(CmdStatus);
    const long long reportsBefore = protocol.reportsSent();

    const auto start = std::chrono::steady_clock::now();
    const bool ok = row.run(protocol, image);
    const double ms = std::chrono::duration<double, std::milli>(std::chrono::steady_clock::now() - start).count();
    protocol.SendCommand(CmdReload);
    protocol.SendCommand(CmdClose);
    std::printf("| %-24s | %-12s | %9.1f | %9.1f | %6.3f | %7lld | %s |\n", row.operation, label, ms, row.floorMs,
                ms / row.floorMs, protocol.reportsSent() - reportsBefore, ok ? "ok" : "FAILED");
}

void runRow(const Row& row, int latencyMs)
{
    auto mouse = std::make_shared<EmulatedMouse>();
    if (!row.memory.empty())
        mouse->loadMemory(row.memory);
    mouse->keepLog = false;
    mouse->faults.latencyMs = latencyMs;
    mouse->sleeper = [](int ms) { std::this_thread::sleep_for(std::chrono::milliseconds(ms)); };
    auto bus = EmulatedHidBus::withMouse(mouse);
    DeviceLink link(*bus);
    link.ResetLink();
    int version = kMouseVersion;
    if (!link.OpenMouseInterface(kMouseVendorId, kMouseProductId, version)) {
        std::printf("emulated mouse not found\n");
        return;
    }
    const std::string label = std::to_string(latencyMs) + " ms";
    runRowOn(row, link, label.c_str());
}

#if defined(__linux__)
// The system's bus narrowed to one node, so the row talks to the mouse the caller named.
class OneNodeBus : public HidrawBus {
public:
    explicit OneNodeBus(std::string node) : node_(std::move(node)) {}
    std::vector<std::string> interfacePaths() override { return {node_}; }

private:
    std::string node_;
};

// The raw round trip of one feature report through the node: a set and a get, timed.
double reportRoundTripMs(HidDevice& device, int count)
{
    std::vector<uint8_t> report(kConfigFeatureReportLength, 0);
    const auto start = std::chrono::steady_clock::now();
    for (int i = 0; i < count; ++i) {
        report = {kConfigReportId, CmdStatus, 0, 0, 0, 0, 0, 0};
        device.setFeature(report);
        device.getFeature(report);
    }
    return std::chrono::duration<double, std::milli>(std::chrono::steady_clock::now() - start).count() / (2.0 * count);
}

int runOnNode(const std::string& node, const std::vector<Row>& rows)
{
    OneNodeBus bus(node);
    DeviceLink link(bus);
    link.ResetLink();
    int version = kMouseVersion;
    if (!link.OpenMouseInterface(kMouseVendorId, kMouseProductId, version)) {
        std::printf("no mouse at %s\n", node.c_str());
        return 1;
    }
    std::printf("| %-24s | %-12s | %-9s | %-9s | %-6s | %-7s | %s |\n", "operation", "mouse", "time ms", "floor ms", "ratio",
                "reports", "result");
    std::printf("|--------------------------|--------------|-----------|-----------|--------|---------|--------|\n");
    for (const Row& row : rows)
        runRowOn(row, link, node.c_str());
    std::printf("\nOne feature report through %s (set or get, kernel and device): %.3f ms\n", node.c_str(),
                reportRoundTripMs(*link.HidHandle, 100));
    return 0;
}
#endif

// Unplugs the mouse `afterMs` into a transfer and reports how long the transfer went on.
void runUnplug(const char* operation, double fraction, int latencyMs)
{
    auto mouse = std::make_shared<EmulatedMouse>();
    mouse->keepLog = false;
    mouse->faults.latencyMs = latencyMs;
    mouse->loadMemory(Image(2));
    mouse->sleeper = [](int ms) { std::this_thread::sleep_for(std::chrono::milliseconds(ms)); };
    auto bus = EmulatedHidBus::withMouse(mouse);
    DeviceLink link(*bus);
    link.ResetLink();
    int version = kMouseVersion;
    link.OpenMouseInterface(kMouseVendorId, kMouseProductId, version);
    SleepingWaiter waiter;
    FeatureProtocol protocol(link, waiter);
    const bool read = std::strcmp(operation, "Read") == 0;
    // The length of the whole transfer without an unplug, to place the unplug in it: an Apply
    // writes the image and reads it back once.
    const double fullMs = read ? kReadFloorMs : kWriteFloorMs + kReadFloorMs;
    const auto unplugAt = std::chrono::milliseconds(static_cast<int>(fullMs * fraction));

    std::chrono::steady_clock::time_point unpluggedAt{};
    std::thread puller([&] {
        std::this_thread::sleep_for(unplugAt);
        unpluggedAt = std::chrono::steady_clock::now();
        bus->setMousePresent(mouse, false);
    });
    std::vector<uint8_t> image = Image(1);
    if (read) {
        protocol.SendCommand(CmdOpen);
        protocol.SendCommand(CmdStatus);
        ReadImageAndClose(protocol, image);
    } else {
        WriteImageToMouse(protocol, image, false);
    }
    const auto ended = std::chrono::steady_clock::now();
    puller.join();
    const bool lost = protocol.TakeDeviceGone();
    const double ms = ended > unpluggedAt ? std::chrono::duration<double, std::milli>(ended - unpluggedAt).count() : -1;
    std::printf("| %-6s | %-6s | %4d ms | %12.1f | %s |\n", operation, fraction < 0.1 ? "start" : fraction < 0.9 ? "middle" : "end",
                latencyMs, ms, ms < 0 ? "ended before the unplug" : lost ? "device lost" : "NOT NOTICED");
}

} // namespace

int main(int argc, char** argv)
{
    const bool quick = argc > 1 && std::strcmp(argv[1], "--quick") == 0;
    const bool onNode = argc > 2 && std::strcmp(argv[1], "--node") == 0;
    const std::vector<Row> rows = {
        {"read 2048 bytes", kReadFloorMs,
         [](FeatureProtocol& p, std::vector<uint8_t>& img) { return p.ReadMemory(0, kDeviceImageSize, img); }},
        {"write 2048 bytes", kWriteFloorMs,
         [](FeatureProtocol& p, std::vector<uint8_t>& img) { return p.WriteMemory(0, kDeviceImageSize, img); }},
        {"write + full read-back", kWriteFloorMs + kReadFloorMs,
         [](FeatureProtocol& p, std::vector<uint8_t>& img) {
             std::vector<uint8_t> back(kDeviceImageSize);
             return p.WriteMemory(0, kDeviceImageSize, img) && p.ReadMemory(0, kDeviceImageSize, back) && back == img;
         }},
        {"Apply, whole image", kWriteFloorMs + kReadFloorMs,
         [](FeatureProtocol& p, std::vector<uint8_t>&) { return Apply(p, OneSettingChanged(), false, Image(1)); }, Image(1)},
        {"Apply, changed chunks", kReadFloorMs,
         [](FeatureProtocol& p, std::vector<uint8_t>&) { return Apply(p, OneSettingChanged(), true, Image(1)); }, Image(1)},
        {"reset, whole image", kWriteFloorMs + kReadFloorMs,
         [](FeatureProtocol& p, std::vector<uint8_t>&) { return Apply(p, Image(1), false, Image(2)); }, Image(2)},
        {"reset, changed chunks", kReadFloorMs,
         [](FeatureProtocol& p, std::vector<uint8_t>&) { return Apply(p, Image(1), true, Image(2)); }, Image(2)},
    };
    if (onNode) {
#if defined(__linux__)
        return runOnNode(argv[2], {rows[0], rows[1]});
#else
        std::printf("--node needs Linux\n");
        return 2;
#endif
    }
    std::printf("| %-24s | %-12s | %-9s | %-9s | %-6s | %-7s | %s |\n", "operation", "latency", "time ms", "floor ms", "ratio",
                "reports", "result");
    std::printf("|--------------------------|--------------|-----------|-----------|--------|---------|--------|\n");
    for (int latency : {0, 1}) {
        if (quick && latency > 0)
            break;
        for (const Row& row : rows)
            runRow(row, latency);
    }

    std::printf("\nUnplug during a transfer (real sleeps): time from the unplug to the device-lost state\n\n");
    std::printf("| %-6s | %-6s | %-7s | %-12s | %s |\n", "what", "when", "latency", "unplug->lost", "result");
    std::printf("|--------|--------|---------|--------------|--------|\n");
    for (int latency : {0, 1}) {
        if (quick && latency > 0)
            break;
        for (const char* operation : {"Read", "Apply"})
            for (double fraction : {0.02, 0.5, 0.95})
                runUnplug(operation, fraction, latency);
    }
    return 0;
}
