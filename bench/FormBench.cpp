// SPDX-License-Identifier: GPL-2.0-or-later
// Times Read and Apply through the real main form against the emulated mouse, with real
// sleeps and 0 or 1 ms per report, next to the protocol's floor, and measures how responsive
// the window stays meanwhile: the longest gap between two runs of a 1 ms timer, i.e. the
// longest time the event loop did not get to process events.
//
//   tarq362a-form-bench           (runs offscreen)

#include <QApplication>
#include <QElapsedTimer>
#include <QTimer>

#include <algorithm>
#include <cstdio>
#include <functional>

#include "app/Main.h"
#include "config/DefaultImages.h"
#include "device/ui/DeviceCommands.h"
#include "device/DeviceSession.h"
#include "device/emulator/EmulatedHidBus.h"

#include <thread>

using namespace tarq;

namespace {

// Read: the window command and 342 read chunks (plus the identity check's two-byte read).
// Apply: write and full read-back. Commands answered at the first poll cost 10 ms each.
constexpr double kReadFloorMs = 2 * 10 + (10 + 5) + 10 + 342 * 5 + 2 * 10;
constexpr double kApplyFloorMs = 2 * 10 + (10 + 342 * 10) + (10 + 342 * 5) + 2 * 10;

struct Measure {
    double ms = 0;
    double longestGapMs = 0;
};

Measure Run(const std::function<void()>& operation)
{
    QElapsedTimer clock;
    double last = 0, longest = 0;
    QTimer ticker;
    ticker.setTimerType(Qt::PreciseTimer);
    ticker.setInterval(1);
    QObject::connect(&ticker, &QTimer::timeout, [&] {
        const double now = clock.nsecsElapsed() / 1e6;
        longest = std::max(longest, now - last);
        last = now;
    });
    clock.start();
    ticker.start();
    operation();
    Measure m;
    m.ms = clock.nsecsElapsed() / 1e6;
    m.longestGapMs = std::max(longest, m.ms - last);
    return m;
}

void Print(const char* operation, int latency, const Measure& m, double floorMs)
{
    std::printf("| %-7s | %4d ms | %9.1f | %9.1f | %6.3f | %12.1f |\n", operation, latency, m.ms, floorMs, m.ms / floorMs,
                m.longestGapMs);
}

} // namespace

int main(int argc, char** argv)
{
    if (qEnvironmentVariableIsEmpty("QT_QPA_PLATFORM"))
        qputenv("QT_QPA_PLATFORM", "offscreen");
    QApplication app(argc, argv);
    // The offscreen platform warns about every raise of the loading screen; the table is the output.
    qInstallMessageHandler([](QtMsgType type, const QMessageLogContext&, const QString& text) {
        if (type != QtWarningMsg && type != QtDebugMsg && type != QtInfoMsg)
            std::fprintf(stderr, "%s\n", qPrintable(text));
    });

    std::printf("| %-7s | %-7s | %-9s | %-9s | %-6s | %-12s |\n", "command", "latency", "time ms", "floor ms", "ratio",
                "max gap ms");
    std::printf("|---------|---------|-----------|-----------|--------|--------------|\n");
    for (int latency : {0, 1}) {
        auto mouse = std::make_shared<EmulatedMouse>();
        mouse->keepLog = false;
        mouse->loadMemory(DefaultImage(1));
        mouse->faults.latencyMs = latency;
        mouse->sleeper = [](int ms) { std::this_thread::sleep_for(std::chrono::milliseconds(ms)); };
        auto bus = EmulatedHidBus::withMouse(mouse);
        DeviceOptions options;
        options.hidBus = bus.get();
        TForm1 form(nullptr, options);
        form.ShowStandardMessage = [](const QString& text) { std::printf("message: %s\n", qPrintable(text)); };
        form.ShowDialogMessage = form.ShowStandardMessage;
        form.CreateLoadingScreen();
        form.show();
        QApplication::processEvents();

        Print("Read", latency, Run([&] { form.Commands().DevTimerTimer(); }), kReadFloorMs);
        Print("Apply", latency, Run([&] { form.Commands().DownloadParameter(); }), kApplyFloorMs);
    }
    return 0;
}
