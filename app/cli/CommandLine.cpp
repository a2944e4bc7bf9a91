// SPDX-License-Identifier: GPL-2.0-or-later
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
                const bool saved = SaveOwnFile(QString::fromStdString(path), bytes, &error);
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
    // The wait for another program's lock on the mouse is real time, on the demo too.
    Waiter& lockWaiter() { return lockWaiter_; }
    DeviceLink& link() { return *link_; }
    FeatureProtocol& protocol() { return *protocol_; }

private:
    std::unique_ptr<DemoDevices> demo_;
    std::unique_ptr<HidBus> systemBus_;
    std::unique_ptr<Waiter> waiter_;
    SleepingWaiter lockWaiter_;
    HidBus* bus_ = nullptr;
    std::unique_ptr<DeviceLink> link_;
    std::unique_ptr<FeatureProtocol> protocol_;
};

struct Folders {
    QString app;
    QString data; // empty: the app folder
    QString file(const QString& name) const { return (data.isEmpty() ? app : data) + name; }
};

Outcome listMice(ScriptDevices& devices)
{
    const std::vector<cli::MouseInterface> mice = cli::SurveyMice(devices.bus(), devices.waiter(), true);
    std::fputs(cli::FormatMouseList(mice, true).c_str(), stdout);
    Outcome outcome = cli::ListOutcome(mice);
    if (outcome.ok())
        outcome.message.clear(); // the list says it
    return outcome;
}

Outcome readToFile(ScriptDevices& devices, const cli::MouseCodes& codes, const QString& file)
{
    if (Outcome opened = cli::OpenMouse(devices.link(), &devices.lockWaiter()); !opened.ok())
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
    // What the read found (a memory that fails the profile check) follows the file's name.
    const std::string said = outcome.message;
    outcome.message = "read the mouse's configuration into " + file.toStdString();
    if (const size_t semicolon = said.find(';'); semicolon != std::string::npos)
        outcome.message += said.substr(semicolon);
    return outcome;
}

Outcome writeImage(ScriptDevices& devices, const cli::MouseCodes& codes, const DeviceImage& image,
                   const std::string& what, cli::WriteTarget target)
{
    if (Outcome opened = cli::OpenMouse(devices.link(), &devices.lockWaiter()); !opened.ok())
        return opened;
    say("writing " + what + " to the mouse");
    Outcome outcome;
    {
        TerminalProgress progress(stderrIsTerminal(), "Writing", kWriteSteps);
        devices.protocol().ShowProgress = [&progress] { progress.step(); };
        outcome = cli::WriteConfiguration(devices.protocol(), codes, image, target);
        devices.protocol().ShowProgress = nullptr;
    }
    if (outcome.ok())
        outcome.message = "wrote and verified " + what;
    return outcome;
}

} // namespace

int RunCommandLine(const cli::ScriptRequest& request, int argc, char** argv)
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

    // Whether the window (or another command) has the mouse is learnt from the mouse's lock,
    // when the command opens it.
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
        if (std::optional<Outcome> refusal = cli::RefuseFailingProfile(image, codes, request.force))
            return finish(*refusal);
    } else if (request.command == cli::Command::Reset) {
        const QString name = QStringLiteral("TARQ54xData_Cfg%1.bin").arg(request.resetNumber);
        std::string note;
        image = cli::ResetImage(ReadFileBytes(folders.file(name), kImageFileBytes), codes, &note);
        if (!note.empty())
            std::fprintf(stderr, "tarq362a: %s\n", note.c_str());
    }

    ScriptDevices devices(request.demo, folders.file(QString()));
    switch (request.command) {
    case cli::Command::List:
        return finish(listMice(devices));
    case cli::Command::Read:
        return finish(readToFile(devices, codes, QString::fromStdString(request.file)));
    case cli::Command::Apply:
        return finish(writeImage(devices, codes, image, "the profile " + request.file,
                                 request.force ? cli::WriteTarget::AnyAnsweringMouse : cli::WriteTarget::AcceptedMouse));
    case cli::Command::Reset:
        return finish(writeImage(devices, codes, image, "default configuration " + std::to_string(request.resetNumber),
                                 cli::WriteTarget::AnyAnsweringMouse));
    default:
        return cli::ToInt(ExitCode::Usage);
    }
}

} // namespace tarq
