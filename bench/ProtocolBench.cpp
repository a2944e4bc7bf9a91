// Times the configuration transfers against the emulated mouse with real sleeps and a real
// clock, next to the protocol's own floor: the fixed sleeps of an exchange that is answered at
// the first poll, times the number of reports.
//
//   tarq362a-bench            all rows
//   tarq362a-bench --quick    latency 0 only

#include "config/ImageLayout.h"
#include "device/DeviceLink.h"
#include "device/FeatureProtocol.h"
#include "device/SleepingWaiter.h"
#include "device/emulator/EmulatedHidBus.h"

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
};

void runRow(const Row& row, int latencyMs)
{
    auto mouse = std::make_shared<EmulatedMouse>();
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
    SleepingWaiter waiter;
    FeatureProtocol protocol(link, waiter);
    std::vector<uint8_t> image(kDeviceImageSize);
    for (size_t i = 0; i < image.size(); ++i)
        image[i] = static_cast<uint8_t>(i * 13);

    const auto start = std::chrono::steady_clock::now();
    const bool ok = row.run(protocol, image);
    const double ms = std::chrono::duration<double, std::milli>(std::chrono::steady_clock::now() - start).count();
    std::printf("| %-24s | %4d ms | %9.1f | %9.1f | %6.3f | %7lld | %s |\n", row.operation, latencyMs, ms, row.floorMs,
                ms / row.floorMs, protocol.reportsSent(), ok ? "ok" : "FAILED");
}

} // namespace

int main(int argc, char** argv)
{
    const bool quick = argc > 1 && std::strcmp(argv[1], "--quick") == 0;
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
    };
    std::printf("| %-24s | %-7s | %-9s | %-9s | %-6s | %-7s | %s |\n", "operation", "latency", "time ms", "floor ms", "ratio",
                "reports", "result");
    std::printf("|--------------------------|---------|-----------|-----------|--------|---------|--------|\n");
    for (int latency : {0, 1}) {
        if (quick && latency > 0)
            break;
        for (const Row& row : rows)
            runRow(row, latency);
    }
    return 0;
}
