// SPDX-License-Identifier: GPL-2.0-or-later
// CPU used by a recording: the process's user + system time (getrusage) next to the wall time,
// for a recording with no input and for one with a steady stream of key events. The capture is
// the X11 one against a private Xvfb; the key events come from a child process through XTEST,
// so their cost is not counted here.
//
//   tarq362a-recording-bench [--seconds N] [--rate EVENTS_PER_SECOND]

#include "macros/MacroRecorder.h"
#include "macros/RecordingSession.h"
#include "macros/x11/X11InputCapture.h"

#include "support/XTestInput.h"
#include "support/XvfbServer.h"

#include <chrono>
#include <cstdio>
#include <cstring>
#include <spawn.h>
#include <string>
#include <sys/resource.h>
#include <sys/wait.h>
#include <thread>

using namespace tarq;
using Clock = std::chrono::steady_clock;

namespace {

double CpuSeconds()
{
    rusage u{};
    getrusage(RUSAGE_SELF, &u);
    return double(u.ru_utime.tv_sec + u.ru_stime.tv_sec) +
           double(u.ru_utime.tv_usec + u.ru_stime.tv_usec) / 1e6;
}

// The child: taps keys on the display at the given rate (events per second, a tap is two).
int SendKeys(const std::string& display, double seconds, int rate)
{
    testing::XTestInput input(display);
    if (!input.Ok())
        return 1;
    const auto period = std::chrono::microseconds(1000000 / rate);
    const auto end = Clock::now() + std::chrono::duration_cast<Clock::duration>(
                                        std::chrono::duration<double>(seconds));
    auto next = Clock::now();
    bool down = true;
    while (Clock::now() < end) {
        input.Key(XK_a + 0, down);
        down = !down;
        next += period;
        std::this_thread::sleep_until(next);
    }
    if (!down)
        input.Key(XK_a, false);
    return 0;
}

struct Figures {
    double wall = 0;
    double cpu = 0;
    int events = 0;
};

Figures Measure(X11InputCapture& capture, const std::string& display, double seconds, int rate,
                const char* self)
{
    RecorderSettings settings;
    settings.header = settings.delay = {DelayMode::Record, 0};
    settings.capacity = recording_capacity::kDriver;
    settings.bodyEventLimit = 2012;
    MacroRecorder recorder(settings);
    int events = 0;
    RecordingSession session(capture, [&](const InputEvent& e) {
        ++events;
        recorder.Handle(e);
    });

    pid_t child = -1;
    const double cpu0 = CpuSeconds();
    const auto wall0 = Clock::now();
    if (!session.Start()) {
        std::fprintf(stderr, "capture failed: %s\n", session.ErrorText().c_str());
        return {};
    }
    if (rate > 0) {
        std::string secs = std::to_string(seconds), r = std::to_string(rate), d = display;
        std::string flag = "--send", selfArg = self;
        char* argv[] = {selfArg.data(), flag.data(), d.data(), secs.data(), r.data(), nullptr};
        if (posix_spawn(&child, self, nullptr, nullptr, argv, environ) != 0)
            child = -1;
    }
    std::this_thread::sleep_until(wall0 + std::chrono::duration_cast<Clock::duration>(
                                              std::chrono::duration<double>(seconds)));
    if (child > 0) {
        int status = 0;
        waitpid(child, &status, 0);
    }
    session.Stop();
    Figures f;
    f.wall = std::chrono::duration<double>(Clock::now() - wall0).count();
    f.cpu = CpuSeconds() - cpu0;
    f.events = events;
    return f;
}

void Print(const char* what, const Figures& f)
{
    std::printf("%-34s wall %6.2f s  cpu (user+sys) %7.4f s  = %6.3f %% of one core  events %d\n",
                what, f.wall, f.cpu, 100.0 * f.cpu / f.wall, f.events);
}

} // namespace

int main(int argc, char** argv)
{
    if (argc == 5 && std::strcmp(argv[1], "--send") == 0)
        return SendKeys(argv[2], std::atof(argv[3]), std::atoi(argv[4]));

    double seconds = 10;
    int rate = 50;
    for (int i = 1; i + 1 < argc; i += 2) {
        if (std::strcmp(argv[i], "--seconds") == 0)
            seconds = std::atof(argv[i + 1]);
        else if (std::strcmp(argv[i], "--rate") == 0)
            rate = std::atoi(argv[i + 1]);
    }

    if (!testing::XvfbServer::Installed()) {
        std::printf("recording benchmark skipped: Xvfb is not installed\n");
        return 0;
    }
    testing::XvfbServer server;
    std::string why;
    auto capture = server.Running() ? X11InputCapture::Open(server.Display().c_str(), &why) : nullptr;
    if (!capture) {
        std::printf("recording benchmark skipped: %s\n", server.Running() ? why.c_str() : "Xvfb did not start");
        return 0;
    }
    std::printf("X11 capture on Xvfb %s, %.0f s per run\n", server.Display().c_str(), seconds);
    Print("recording, no input", Measure(*capture, server.Display(), seconds, 0, argv[0]));
    const std::string busy = "recording, " + std::to_string(rate) + " key events/s";
    Print(busy.c_str(), Measure(*capture, server.Display(), seconds, rate, argv[0]));
    return 0;
}
