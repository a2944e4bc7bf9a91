// SPDX-License-Identifier: GPL-2.0-or-later
// Program entry: one running copy, the main form, then the loading screen, then the event loop.
//
//   tarq362a                      start the program (a second start raises the first window)
//   tarq362a --demo               the same with the emulated mouse plugged in
//   tarq362a --demo-driver        the emulated mouse with its companion driver (driver mode)
//   tarq362a --engineer           open the engineer page once the first device check has acted
//   tarq362a --render-pages DIR   save every page as a PNG file in DIR and end
//   tarq362a --quit-after-show    print the start-up time and memory once the window shows, end
//   tarq362a --list | --read FILE | --apply FILE | --reset N   the command line (--help)

#include <QApplication>
#include <QCommandLineParser>
#include <QElapsedTimer>
#include <QFile>
#include <QTimer>

#include <cstdio>

#include "app/AppIcon.h"
#include "app/Main.h"
#include "app/PageRenderer.h"
#include "app/SingleInstance.h"
#include "app/cli/CommandLine.h"
#include "platform/Terminal.h"
#include "ui/engineer/EngineerPage.h"

// Last: the system's headers define macros named like the form's members (DialogBox).
#ifdef Q_OS_WIN
#include <windows.h>
#include <psapi.h>
#endif

namespace {

bool HasArgument(int argc, char** argv, const char* wanted)
{
    for (int i = 1; i < argc; ++i)
        if (qstrcmp(argv[i], wanted) == 0)
            return true;
    return false;
}

// Resident memory of this process in kB, from the kernel's own accounting; 0 where unknown.
long ResidentKilobytes()
{
#ifdef Q_OS_WIN
    PROCESS_MEMORY_COUNTERS counters{};
    if (GetProcessMemoryInfo(GetCurrentProcess(), &counters, sizeof counters))
        return long(counters.WorkingSetSize / 1024);
#endif
    QFile status(QStringLiteral("/proc/self/status"));
    if (!status.open(QIODevice::ReadOnly))
        return 0;
    for (const QByteArray& line : status.readAll().split('\n'))
        if (line.startsWith("VmRSS:"))
            return line.mid(6).trimmed().split(' ').value(0).toLong();
    return 0;
}

} // namespace

int main(int argc, char** argv)
{
    tarq::UseStartingConsole();
    // A command for scripts runs without a window; arguments the window does not know end here
    // too, as a usage error, before anything touches a display.
    const tarq::cli::ScriptRequest script = tarq::cli::ParseScriptArguments({argv + 1, argv + argc});
    if (script.command != tarq::cli::Command::Window || !script.error.empty())
        return tarq::RunCommandLine(script, argc, argv);

    QElapsedTimer sinceStart;
    sinceStart.start();

    // Rendering needs no display. Windows always has its desktop, and renders there: its
    // offscreen platform would find none of the system's fonts.
#ifndef Q_OS_WIN
    if (HasArgument(argc, argv, "--render-pages") && qEnvironmentVariableIsEmpty("QT_QPA_PLATFORM"))
        qputenv("QT_QPA_PLATFORM", "offscreen");
#endif

    QApplication app(argc, argv);
#ifdef Q_OS_WIN
    // The skin is the program's own look; what it leaves to the style (the message boxes' spacing,
    // combo lists, scroll bars) is drawn by the same style on every system.
    QApplication::setStyle(QStringLiteral("Fusion"));
#endif
    QApplication::setApplicationName(QString::fromLatin1(tarq::TForm1::kApplicationTitle));
    QApplication::setWindowIcon(tarq::ApplicationIcon());

    QCommandLineParser parser;
    parser.setApplicationDescription(QStringLiteral("Configuration utility for the TARQ362A gaming mouse"));
    parser.addHelpOption();
    const QCommandLineOption renderOption(QStringLiteral("render-pages"),
                                          QStringLiteral("Save every page as a PNG file in <dir> and end."),
                                          QStringLiteral("dir"));
    const QCommandLineOption quitOption(QStringLiteral("quit-after-show"),
                                        QStringLiteral("Print the start-up time and memory once the window shows, then end."));
    const QCommandLineOption demoOption(QStringLiteral("demo"),
                                        QStringLiteral("Run with the built-in emulated mouse (Ctrl+Shift+U or the tray menu unplugs it)."));
    const QCommandLineOption demoDriverOption(QStringLiteral("demo-driver"),
                                              QStringLiteral("As --demo, with the settings kept by the emulated companion driver."));
    const QCommandLineOption engineerOption(QStringLiteral("engineer"),
                                            QStringLiteral("Open the engineer page once the first device check has acted."));
    parser.addOptions({renderOption, quitOption, demoOption, demoDriverOption, engineerOption});
    parser.process(app);

    if (parser.isSet(renderOption)) {
        tarq::TForm1 form;
        QString error;
        const QStringList files = tarq::RenderPages(form, parser.value(renderOption), &error);
        for (const QString& file : files)
            std::printf("%s\n", qPrintable(file));
        if (!error.isEmpty()) {
            std::fprintf(stderr, "tarq362a: %s\n", qPrintable(error));
            return 1;
        }
        return 0;
    }

    // One running copy per user: a second start brings the first window forward and ends.
    tarq::TForm1* mainForm = nullptr;
    tarq::SingleInstance instance;
    QString pathError;
    const tarq::InstancePaths instancePaths = tarq::FindInstancePaths(&pathError);
    const auto outcome = instance.Start(instancePaths, tarq::kInstanceDeadlineMs, [&mainForm] {
        if (mainForm)
            mainForm->BringToFront();
    });
    QString instanceProblem;
    switch (outcome) {
    case tarq::SingleInstance::Outcome::ShownRunning:
        std::printf("tarq362a: already running; its window was brought to the front\n");
        return 0;
    case tarq::SingleInstance::Outcome::Unresponsive:
        std::fprintf(stderr, "tarq362a: another copy is running but did not answer within %d s; "
                             "no second window is opened\n", tarq::kInstanceDeadlineMs / 1000);
        return 1;
    case tarq::SingleInstance::Outcome::Unavailable:
        instanceProblem = QStringLiteral("The check for another running copy could not be set up (%1), "
                                         "so more than one copy of the program may run at a time.")
                              .arg(pathError.isEmpty() ? instance.ErrorText() : pathError);
        std::fprintf(stderr, "tarq362a: %s\n", qPrintable(instanceProblem));
        break;
    case tarq::SingleInstance::Outcome::First:
        break;
    }

    tarq::DeviceOptions devices;
    devices.demo = parser.isSet(demoOption) || parser.isSet(demoDriverOption);
    devices.driverMode = parser.isSet(demoDriverOption);
    tarq::TForm1 form(nullptr, devices);
    mainForm = &form;
    form.CreateLoadingScreen();
    if (parser.isSet(engineerOption))
        form.Engineer().OpenWhenDeviceCheckActed();

    if (parser.isSet(quitOption)) {
        QObject::connect(&form, &tarq::TForm1::FirstShown, &app, [&] {
            std::printf("first window shown after %lld ms; resident memory %ld kB\n",
                        static_cast<long long>(sinceStart.elapsed()), ResidentKilobytes());
            std::fflush(stdout);
            QTimer::singleShot(0, &app, &QApplication::quit);
        });
    }
    form.show();
    if (!instanceProblem.isEmpty())
        QTimer::singleShot(0, &form, [&form, instanceProblem] { form.ShowDialogMessage(instanceProblem); });
    return app.exec();
}
