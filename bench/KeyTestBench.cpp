// SPDX-License-Identifier: GPL-2.0-or-later
// How hard the key test's worker works the mouse and the processor: it polls the emulated
// mouse's button-state word for a while with real sleeps, and prints status reads and requests
// per second and the processor time the process spent, as a share of one core.
//
//   tarq362a-keytest-bench [seconds]    default 2

#include "device/DeviceLink.h"
#include "device/FeatureProtocol.h"
#include "device/SleepingWaiter.h"
#include "device/emulator/EmulatedHidBus.h"
#include "ui/engineer/KeyTest.h"
#include "ui/engineer/TPrimeThread.h"

#include <atomic>
#include <chrono>
#include <cstdio>
#include <cstdlib>
#include <ctime>
#include <thread>

using namespace tarq;

namespace {

void Run(int latencyMs, double seconds)
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
    protocol.SendCommand(CmdOpen);

    std::atomic<long long> reads{0};
    const long long reportsBefore = protocol.reportsSent();
    const std::clock_t cpuBefore = std::clock();
    const auto start = std::chrono::steady_clock::now();
    {
        TPrimeThread worker([&] { ++reads; return protocol.GetStatusWord(); },
                            [](const std::vector<int>&) {}, KeyTest::kPollPauseMs);
        worker.start(QThread::LowPriority);
        std::this_thread::sleep_for(std::chrono::duration<double>(seconds));
        worker.Stop();
    }
    const double wall = std::chrono::duration<double>(std::chrono::steady_clock::now() - start).count();
    const double cpu = double(std::clock() - cpuBefore) / CLOCKS_PER_SEC;
    std::printf("%10d ms %12.1f %14.1f %14.2f %%\n", latencyMs, reads / wall,
                double(protocol.reportsSent() - reportsBefore) / wall, 100.0 * cpu / wall);
}

} // namespace

int main(int argc, char** argv)
{
    const double seconds = argc > 1 ? std::atof(argv[1]) : 2.0;
    std::printf("key test worker, pause %d ms between reads, %.1f s per row\n", KeyTest::kPollPauseMs, seconds);
    std::printf("%13s %12s %14s %16s\n", "report time", "reads/s", "requests/s", "cpu (one core)");
    for (int latency : {0, 1, 4})
        Run(latency, seconds);
    return 0;
}
