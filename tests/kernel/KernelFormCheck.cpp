// SPDX-License-Identifier: GPL-2.0-or-later
// The real main form on the system's bus (hidraw and udev), against the virtual mouse on the
// kernel's USB stack. Run by guest-checks.sh inside the kernel check's guest, as root:
//
//   kernel_form_check VIRTUAL-MOUSE MEMORY-FILE
//
// It plugs the virtual mouse in itself (after the form started, with the device poll set so long
// that only udev's notice can find it), reads, applies, pulls the mouse out in the middle of an
// Apply, plugs it back, and makes its control transfers hang. Prints "ok NAME", "not ok NAME:
// why" and "# figures" lines; exits 1 when a check failed.

#include "app/Main.h"
#include "support/ScriptedPrompts.h"
#include "config/ConfigImage.h"
#include "device/DeviceSession.h"
#include "device/ui/DeviceCommands.h"

#include <QApplication>
#include <QDateTime>
#include <QElapsedTimer>
#include <QFile>
#include <QProcess>
#include <QRegularExpression>
#include <QTemporaryDir>
#include <QThread>
#include <QTimer>

#include <cstdio>
#include <functional>

using namespace tarq;

namespace {

int failures = 0;

void Check(bool ok, const char* name, const QString& why = {})
{
    if (ok) {
        std::printf("ok %s\n", name);
    } else {
        ++failures;
        std::printf("not ok %s: %s\n", name, qPrintable(why));
    }
    std::fflush(stdout);
}

void Note(const QString& text)
{
    std::printf("# %s\n", qPrintable(text));
    std::fflush(stdout);
}

// Runs the event loop until `done` holds or `ms` passed; whether it held.
bool WaitFor(const std::function<bool()>& done, int ms)
{
    QElapsedTimer timer;
    timer.start();
    while (!done() && timer.elapsed() < ms)
        QCoreApplication::processEvents(QEventLoop::AllEvents, 20);
    return done();
}

class VirtualMouse {
public:
    VirtualMouse(QString program, QString memory) : program_(std::move(program)), memory_(std::move(memory)) {}
    ~VirtualMouse() { Stop(); }

    // Plugs the mouse in; the wall-clock time (ms) at which the kernel took it, or -1.
    qint64 Start()
    {
        const QString ready = memory_ + QStringLiteral(".port");
        QFile::remove(ready);
        process_.setProgram(program_);
        process_.setArguments({QStringLiteral("--memory"), memory_, QStringLiteral("--ready"), ready});
        process_.setProcessChannelMode(QProcess::SeparateChannels);
        QObject::connect(&process_, &QProcess::readyReadStandardError, &process_, [this] {
            const QByteArray text = process_.readAllStandardError();
            log_ += QString::fromLocal8Bit(text);
            std::fputs(text.constData(), stderr);
        });
        process_.start();
        if (!WaitFor([&] { return QFile::exists(ready) || process_.state() == QProcess::NotRunning; }, 20000)
            || !QFile::exists(ready))
            return -1;
        return QDateTime::currentMSecsSinceEpoch();
    }
    void Command(const char* line) { process_.write(line), process_.write("\n"), process_.waitForBytesWritten(1000); }
    // Waits for the mouse to leave the bus by itself (a fault), or sends it away.
    void Stop()
    {
        if (process_.state() == QProcess::NotRunning)
            return;
        Command("detach");
        process_.waitForFinished(10000);
    }
    bool Running() const { return process_.state() != QProcess::NotRunning; }
    std::vector<uint8_t> Memory() const
    {
        QFile f(memory_);
        if (!f.open(QIODevice::ReadOnly))
            return {};
        const QByteArray bytes = f.readAll();
        return {bytes.begin(), bytes.end()};
    }

    // The wall-clock time (ms) the mouse logged after `what` ("unplugged at", "hangs at"), or -1.
    // Waits up to 3 s for the line to arrive.
    qint64 LoggedTime(const QString& what)
    {
        qint64 last = -1;
        WaitFor([&] { return (last = lastLogged(what)) > 0; }, 3000);
        return last;
    }

private:
    qint64 lastLogged(const QString& what) const
    {
        const QRegularExpression pattern(what + QStringLiteral(" (\\d+) ms"));
        QRegularExpressionMatchIterator it = pattern.globalMatch(log_);
        qint64 last = -1;
        while (it.hasNext())
            last = it.next().captured(1).toLongLong();
        return last;
    }

    QString log_;
    QString program_;
    QString memory_;
    QProcess process_;
};

// Every section checksum of the memory holds (the default images carry empty macro pages whose
// bodies are not checksummed; the callers compare those bytes with the window's image).
bool AllChecksumsValid(const std::vector<uint8_t>& memory)
{
    if (memory.size() != kDeviceImageSize)
        return false;
    DeviceImage image{};
    std::copy(memory.begin(), memory.end(), image.begin());
    DataBuf buf{};
    ImageMacroAreas areas{};
    const SectionCheckResult r = UnpackImage(image, buf, areas);
    return r.AllKept();
}

// Measures the longest pause of the window's event loop while `work` runs.
struct LoopWatch {
    LoopWatch()
    {
        ticker.setInterval(20);
        QObject::connect(&ticker, &QTimer::timeout, &ticker, [this] {
            longest = std::max(longest, clock.restart());
            ++ticks;
        });
        clock.start();
        ticker.start();
    }
    QTimer ticker;
    QElapsedTimer clock;
    qint64 longest = 0;
    int ticks = 0;
};

} // namespace

int main(int argc, char** argv)
{
    qputenv("QT_QPA_PLATFORM", "offscreen");
    QApplication app(argc, argv);
    if (argc < 3) {
        std::fprintf(stderr, "usage: kernel_form_check VIRTUAL-MOUSE MEMORY-FILE\n");
        return 2;
    }
    QTemporaryDir data;
    QStringList messages;
    TForm1 form(nullptr, DeviceOptions{}); // the system's bus: hidraw, udev
    form.ShowDialogMessage = [&](const QString& text) { messages << text; };
    form.ShowStandardMessage = [&](const QString& text) { messages << text; };
    tarq::testing::ScriptedPrompts prompts;
    prompts.confirm = [](const QString&) { return true; };
    form.ReplacePrompts(&prompts);
    form.State().DataFolder = data.path() + QLatin1Char('/');
    // Only udev's notice may find the mouse: the poll comes once in ten minutes.
    form.State().DevTimer.setInterval(600000);
    form.CreateLoadingScreen();
    const bool searched = WaitFor([&] { return !form.State().DevTimerFirst.isActive(); }, 20000);
    Check(searched && !form.Device().Link.HidHandle, "the window starts without a mouse");
    Check(form.Device().ArrivalMonitor != nullptr, "the window listens to udev");

    DeviceSession& device = form.Device();
    auto mouseOpen = [&] { return device.Link.HidHandle != nullptr && !form.State().NoDeviceView; };
    VirtualMouse mouse(QString::fromLocal8Bit(argv[1]), QString::fromLocal8Bit(argv[2]));

    // Arrival: udev wakes the device check, which opens and reads the mouse.
    qint64 attached = mouse.Start();
    bool found = attached > 0 && WaitFor(mouseOpen, 30000);
    Note(QStringLiteral("window: udev's notice found and read the mouse %1 ms after the attach")
             .arg(QDateTime::currentMSecsSinceEpoch() - attached));
    Check(found, "udev's notice finds the mouse attached after start", messages.join(QStringLiteral(" | ")));
    if (!found)
        return 1;
    const std::vector<uint8_t> atStart = mouse.Memory();
    Check(std::equal(atStart.begin(), atStart.end(), form.State().DeviceImage.begin()) && atStart.size() == kDeviceImageSize,
          "the window read the mouse's memory");

    messages.clear();
    form.Commands().Btn_Read_0Click();
    Check(mouseOpen() && std::equal(atStart.begin(), atStart.end(), form.State().DeviceImage.begin()), "Read",
          messages.join(QStringLiteral(" | ")));

    messages.clear();
    form.Commands().Btn_Apply_0Click();
    const std::vector<uint8_t> applied = mouse.Memory();
    Check(mouseOpen() && std::equal(applied.begin(), applied.end(), form.State().DeviceImage.begin()) && AllChecksumsValid(applied),
          "Apply", messages.join(QStringLiteral(" | ")));

    // An unplug in the middle of Apply (its read-back): the mouse shows gone, nothing hangs.
    mouse.Command("detach-after 200");
    QElapsedTimer apply;
    apply.start();
    form.Commands().Btn_Apply_0Click();
    const qint64 ended = QDateTime::currentMSecsSinceEpoch();
    WaitFor([&] { return !mouse.Running(); }, 10000);
    const qint64 unplugged = mouse.LoggedTime(QStringLiteral("unplugged at"));
    Note(QStringLiteral("window: an unplug during Apply: the device-lost state %1 ms after the unplug").arg(ended - unplugged));
    Check(!device.Link.HidHandle && form.State().NoDeviceView, "an unplug during Apply shows the mouse gone");
    Check(unplugged > 0 && ended - unplugged < 3000, "an unplug during Apply does not hang the window",
          QString::number(ended - unplugged) + " ms");

    // Plugged in again: found, read, and an Apply leaves the memory whole.
    messages.clear();
    attached = mouse.Start();
    found = attached > 0 && WaitFor(mouseOpen, 30000);
    Note(QStringLiteral("window: found again %1 ms after the attach").arg(QDateTime::currentMSecsSinceEpoch() - attached));
    Check(found, "the mouse plugged in again is found");
    if (found) {
        form.Commands().Btn_Apply_0Click();
        const std::vector<uint8_t> again = mouse.Memory();
        Check(mouseOpen() && AllChecksumsValid(again) && std::equal(again.begin(), again.end(), form.State().DeviceImage.begin()),
              "Apply after the unplug leaves the memory whole", messages.join(QStringLiteral(" | ")));
    }

    // Control transfers that stop completing: the kernel times the report out, the window shows
    // the mouse gone, and keeps handling its events meanwhile.
    if (found) {
        mouse.Command("hang-after 30");
        LoopWatch watch;
        form.Commands().Btn_Apply_0Click();
        const qint64 ended = QDateTime::currentMSecsSinceEpoch();
        const qint64 hungAt = mouse.LoggedTime(QStringLiteral("hangs at"));
        const qint64 kernelMs = mouse.LoggedTime(QStringLiteral("taken back after"));
        Note(QStringLiteral("window: a hung mouse: the kernel held the report %1 ms; the device-lost state %2 ms after the "
                            "hang began; longest pause of the event loop %3 ms (%4 ticks)")
                 .arg(kernelMs).arg(ended - hungAt).arg(watch.longest).arg(watch.ticks));
        Check(!device.Link.HidHandle && form.State().NoDeviceView, "a hung mouse takes the device-lost path");
        Check(hungAt > 0 && kernelMs > 0 && ended - hungAt <= kernelMs + 1000,
              "a hung mouse is given up within one kernel timeout plus 1 s", QString::number(ended - hungAt) + " ms");
        Check(watch.longest < 1000, "the window handles its events while the kernel waits",
              QStringLiteral("the event loop stood still for %1 ms").arg(watch.longest));
    }
    mouse.Stop();
    return failures ? 1 : 0;
}
