#include "app/cli/CommandLine.h"

#include "app/AppFolders.h"
#include "app/Main.h"
#include "app/cli/TerminalProgress.h"
#include "cli/ScriptCommands.h"
#include "device/PlatformBuses.h"
#include "device/SleepingWaiter.h"
#include "device/emulator/DemoDevices.h"
#include "device/emulator/VirtualWaiter.h"
#include "platform/AtomicSave.h"
#include "platform/ReadFileBytes.h"
#include "platform/Terminal.h"
#include "ui/skin/LayoutPass.h"

#include <QCoreApplication>

#include <cstdio>
#include <memory>

namespace tarq {
namespace {

using cli::ExitCode;
using cli::Outcome;

constexpr int kWindowProbeMs = 1000;
// Reports of a full read, and of a write with its read-back.
constexpr int kReadSteps = ChunkCount(kDeviceImageSize);
constexpr int kWriteSteps = 1 + 2 * ChunkCount(kDeviceImageSize);
// Profile and reset files are read only as far as the image goes, as Load Profile does.
constexpr qint64 kImageFileBytes = kDeviceImageSize;

int finish(const Outcome& outcome)
{
    if (outcome.ok()) {
        if (!outcome.message.empty())
            std::printf("%s\n", outcome.message.c_str());
    } else {
        std::fprintf(stderr, "tarq362a: %s\n", outcome.message.c_str());
    }
    return cli::ToInt(outcome.code);
}

bool stderrIsTerminal() { return StandardErrorIsTerminal(); }

void say(const std::string& message)
{
    // On a terminal the progress line tells the same; scripts and logs get a plain line.
    if (!stderrIsTerminal())
        std::fprintf(stderr, "tarq362a: %s\n", message.c_str());
}

// The buses, link and protocol of one command: the system's hidraw nodes, or the demo's
// emulated mouse whose memory file lives in the data folder as for the window.
class ScriptDevices {
public:
    ScriptDevices(bool demo, const QString& dataFolder)
    {
        if (demo) {
            DemoFiles files;
            files.mouseMemory = (dataFolder + QLatin1String(kDemoMouseMemoryFile)).toStdString();
            files.driverStore = (dataFolder + QLatin1String(kDemoDriverStoreFile)).toStdString();
            files.save = [](const std::string& path, std::span<const uint8_t> bytes) {
                QString error;
                const bool saved = SaveFileAtomically(QString::fromStdString(path), bytes, &error);
                if (!saved)
                    std::fprintf(stderr, "tarq362a: %s\n", qPrintable(error));
                return saved;
            };
            demo_ = std::make_unique<DemoDevices>(std::move(files));
            // The emulated mouse answers at once: nothing to wait for.
            waiter_ = std::make_unique<VirtualWaiter>();
            bus_ = &demo_->hidBus();
        } else {
            systemBus_ = CreateSystemHidBus();
            waiter_ = std::make_unique<SleepingWaiter>();
            bus_ = systemBus_.get();
        }
        link_ = std::make_unique<DeviceLink>(*bus_);
        protocol_ = std::make_unique<FeatureProtocol>(*link_, *waiter_);
    }

    HidBus& bus() { return *bus_; }
    Waiter& waiter() { return *waiter_; }
    DeviceLink& link() { return *link_; }
    FeatureProtocol& protocol() { return *protocol_; }

private:
    std::unique_ptr<DemoDevices> demo_;
    std::unique_ptr<HidBus> systemBus_;
    std::unique_ptr<Waiter> waiter_;
    HidBus* bus_ = nullptr;
    std::unique_ptr<DeviceLink> link_;
    std::unique_ptr<FeatureProtocol> protocol_;
};

struct Folders {
    QString app;
    QString data; // empty: the app folder
    QString file(const QString& name) const { return (data.isEmpty() ? app : data) + name; }
};

Outcome listMice(ScriptDevices& devices, bool windowRunning)
{
    const std::vector<cli::MouseInterface> mice = cli::SurveyMice(devices.bus(), devices.waiter(), !windowRunning);
    std::fputs(cli::FormatMouseList(mice, !windowRunning).c_str(), stdout);
    Outcome outcome = cli::ListOutcome(mice);
    if (outcome.ok())
        outcome.message.clear(); // the list says it
    return outcome;
}

Outcome readToFile(ScriptDevices& devices, const cli::MouseCodes& codes, const QString& file)
{
    if (Outcome opened = cli::OpenMouse(devices.link()); !opened.ok())
        return opened;
    say("reading the mouse's configuration");
    DeviceImage image{};
    Outcome outcome;
    {
        TerminalProgress progress(stderrIsTerminal(), "Reading", kReadSteps);
        devices.protocol().ShowProgress = [&progress] { progress.step(); };
        outcome = cli::ReadConfiguration(devices.protocol(), codes, image);
        devices.protocol().ShowProgress = nullptr;
    }
    if (!outcome.ok())
        return outcome;
    QString error;
    if (!SaveFileAtomically(file, image, &error))
        return {ExitCode::BadFile, "the profile could not be saved: " + error.toStdString()};
    return {ExitCode::Ok, "read the mouse's configuration into " + file.toStdString()};
}

Outcome writeImage(ScriptDevices& devices, const cli::MouseCodes& codes, const DeviceImage& image,
                   const std::string& what)
{
    if (Outcome opened = cli::OpenMouse(devices.link()); !opened.ok())
        return opened;
    say("writing " + what + " to the mouse");
    Outcome outcome;
    {
        TerminalProgress progress(stderrIsTerminal(), "Writing", kWriteSteps);
        devices.protocol().ShowProgress = [&progress] { progress.step(); };
        outcome = cli::WriteConfiguration(devices.protocol(), codes, image);
        devices.protocol().ShowProgress = nullptr;
    }
    if (outcome.ok())
        outcome.message = "wrote and verified " + what;
    return outcome;
}

} // namespace

int RunCommandLine(const cli::ScriptRequest& request, int argc, char** argv, const WindowProbe& probe)
{
    if (!request.error.empty()) {
        std::fprintf(stderr, "tarq362a: %s\nTry 'tarq362a --help'.\n", request.error.c_str());
        return cli::ToInt(ExitCode::Usage);
    }
    if (request.command == cli::Command::Help || request.command == cli::Command::Version) {
        std::fputs((request.command == cli::Command::Help ? cli::HelpText() : cli::VersionText()).c_str(), stdout);
        return cli::ToInt(ExitCode::Ok);
    }

    // No window and no display: only the core application object, for the folders and files.
    QCoreApplication app(argc, argv);
    QCoreApplication::setApplicationName(QString::fromLatin1(TForm1::kApplicationTitle));

    const bool windowRunning = probe && probe(kWindowProbeMs) != InstanceProbe::None;
    if (windowRunning && request.talksToMouse())
        return finish({ExitCode::WindowRunning,
                       "the window is running and owns the mouse; close it, or use the Read, Save Profile, "
                       "Load Profile and Apply buttons at the bottom of its pages"});

    const OrgConfiguration org = ReadOrgConfigurationResource().org;
    const Folders folders{ResolveAppFolder(), QString::fromStdString(org.path)};
    const cli::MouseCodes codes = cli::BuiltInCodes({org.revManuId, org.revProId});

    // A profile is checked before the mouse is touched: a bad file writes nothing.
    DeviceImage image{};
    if (request.command == cli::Command::Apply) {
        QString error;
        const QString file = QString::fromStdString(request.file);
        const std::optional<std::vector<uint8_t>> bytes = ReadFileBytes(file, kImageFileBytes, &error);
        if (!bytes)
            return finish({ExitCode::BadFile, "cannot read the profile: " + error.toStdString()});
        const std::optional<DeviceImage> profile = cli::ProfileImage(*bytes);
        if (!profile)
            return finish({ExitCode::BadFile,
                           "this file is not a profile (" + std::to_string(bytes->size()) + " bytes, a profile has " +
                               std::to_string(kDeviceImageSize) + "): " + request.file});
        image = *profile;
    } else if (request.command == cli::Command::Reset) {
        const QString name = QStringLiteral("TARQ54xData_Cfg%1.bin").arg(request.resetNumber);
        image = cli::ResetImage(ReadFileBytes(folders.file(name), kImageFileBytes));
    }

    ScriptDevices devices(request.demo, folders.file(QString()));
    switch (request.command) {
    case cli::Command::List:
        return finish(listMice(devices, windowRunning));
    case cli::Command::Read:
        return finish(readToFile(devices, codes, QString::fromStdString(request.file)));
    case cli::Command::Apply:
        return finish(writeImage(devices, codes, image, "the profile " + request.file));
    case cli::Command::Reset:
        return finish(writeImage(devices, codes, image, "default configuration " + std::to_string(request.resetNumber)));
    default:
        return cli::ToInt(ExitCode::Usage);
    }
}

} // namespace tarq
