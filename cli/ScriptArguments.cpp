// SPDX-License-Identifier: GPL-2.0-or-later
#include "cli/ScriptArguments.h"

#include "cli/ExitCodes.h"
#include "device/MouseIdentity.h"

#include <algorithm>
#include <cstdio>
#include <optional>

namespace tarq::cli {
namespace {

struct CommandOption {
    const char* name;
    Command command;
    bool takesValue;
};

constexpr CommandOption kCommands[] = {
    {"--help", Command::Help, false},   {"-h", Command::Help, false},
    {"--version", Command::Version, false}, {"--list", Command::List, false},
    {"--read", Command::Read, true},    {"--apply", Command::Apply, true},
    {"--reset", Command::Reset, true},
};

// The window's own options. Anything else without a command is a usage error, found before
// the window's toolkit touches a display.
struct WindowOption {
    const char* name;
    bool takesValue;
};

constexpr WindowOption kWindowOptions[] = {
    {"--demo", false}, {"--demo-driver", false}, {"--engineer", false},
    {"--quit-after-show", false}, {"--render-pages", true},
};

// The toolkit takes these arguments for itself (with one dash or two); those of the first list
// take the next argument as their value.
constexpr const char* kToolkitValueArguments[] = {
    "-platform", "-platformpluginpath", "-platformtheme", "-plugin", "-qwindowgeometry",
    "-qwindowicon", "-qwindowtitle", "-session", "-display", "-geometry", "-style", "-stylesheet",
};
constexpr const char* kToolkitFlags[] = {"-reverse", "-widgetcount", "-nograb", "-dograb"};

const CommandOption* findCommand(const std::string& name)
{
    for (const CommandOption& option : kCommands)
        if (name == option.name)
            return &option;
    return nullptr;
}

std::optional<int> resetNumber(const std::string& text)
{
    if (text.size() != 1 || text[0] < '1' || text[0] > '0' + kResetCount)
        return std::nullopt;
    return text[0] - '0';
}

std::string hex4(unsigned value)
{
    char text[8];
    std::snprintf(text, sizeof text, "%04x", value & 0xFFFFu);
    return text;
}

// The first error found is the one the user is told.
void KeepFirstError(ScriptRequest& request, std::string message)
{
    if (request.error.empty())
        request.error = std::move(message);
}

// Checks arguments that name no command: only the window's options and the toolkit's own.
void checkWindowArguments(const std::vector<std::string>& args, ScriptRequest& request)
{
    auto fail = [&request](std::string message) { KeepFirstError(request, std::move(message)); };
    for (size_t i = 0; i < args.size(); ++i) {
        const std::string& arg = args[i];
        const size_t equals = arg.find('=');
        const std::string name = arg.substr(0, equals);
        const WindowOption* option = nullptr;
        for (const WindowOption& o : kWindowOptions)
            if (name == o.name)
                option = &o;
        if (option) {
            const bool hasValue = equals == std::string::npos ? option->takesValue && ++i < args.size()
                                                              : equals + 1 < arg.size();
            if (!option->takesValue && equals != std::string::npos)
                fail(name + " takes no value");
            else if (option->takesValue && !hasValue)
                fail(name + " needs a value");
            continue;
        }
        // The toolkit accepts its arguments with one dash or two.
        const std::string toolkit = name.rfind("--", 0) == 0 ? name.substr(1) : name;
        const auto named = [&toolkit](const char* candidate) { return toolkit == candidate; };
        if (std::any_of(std::begin(kToolkitFlags), std::end(kToolkitFlags), named))
            continue;
        if (std::any_of(std::begin(kToolkitValueArguments), std::end(kToolkitValueArguments), named)) {
            if (equals == std::string::npos)
                ++i;
            continue;
        }
        fail(arg.rfind('-', 0) == 0 ? "unknown option: " + arg : "unexpected argument: " + arg);
    }
}

} // namespace

ScriptRequest ParseScriptArguments(const std::vector<std::string>& args)
{
    ScriptRequest request;
    bool anyCommand = false;
    for (const std::string& arg : args) {
        const CommandOption* option = findCommand(arg.substr(0, arg.find('=')));
        anyCommand = anyCommand || option;
        if (option && option->command == Command::Help) {
            request.command = Command::Help; // asking for help is never wrong
            return request;
        }
    }
    if (!anyCommand) {
        checkWindowArguments(args, request);
        return request;
    }

    auto fail = [&request](std::string message) { KeepFirstError(request, std::move(message)); };
    for (size_t i = 0; i < args.size(); ++i) {
        const std::string& arg = args[i];
        const size_t equals = arg.find('=');
        const std::string name = arg.substr(0, equals);
        if (name == "--demo" && equals == std::string::npos) {
            request.demo = true;
            continue;
        }
        if (name == "--force" && equals == std::string::npos) {
            request.force = true;
            continue;
        }
        const CommandOption* option = findCommand(name);
        if (!option) {
            fail("unknown option for the command line: " + arg);
            continue;
        }
        if (request.command != Command::Window && request.command != option->command) {
            fail("give one command at a time: " + arg);
            continue;
        }
        request.command = option->command;
        if (!option->takesValue) {
            if (equals != std::string::npos)
                fail(name + " takes no value");
            continue;
        }
        std::string value;
        if (equals != std::string::npos) {
            value = arg.substr(equals + 1);
        } else if (i + 1 < args.size()) {
            value = args[++i];
        } else {
            fail(name + " needs a value");
            continue;
        }
        if (option->command == Command::Reset) {
            if (const std::optional<int> n = resetNumber(value))
                request.resetNumber = *n;
            else
                fail("--reset takes 1, 2 or 3, not \"" + value + "\"");
        } else if (value.empty()) {
            fail(name + " needs a file name");
        } else {
            request.file = value;
        }
    }
    if (request.force && request.command != Command::Apply)
        fail("--force goes only with --apply");
    return request;
}

std::string HelpText()
{
    std::string text =
        "Usage: tarq362a [--demo] [--demo-driver] [--engineer] [--render-pages DIR] [--quit-after-show]\n"
        "   or: tarq362a [--demo] --list | --read FILE | --apply FILE [--force] | --reset N\n"
        "\n"
        "Configuration utility for the TARQ362A gaming mouse (USB " + hex4(kMouseVendorId) + ":" + hex4(kMouseProductId) +
        ").\n"
        "Without a command it opens the window. With a command it works without a window or a\n"
        "display, for scripts.\n"
        "\n"
        "Window:\n"
        "  --demo               use the built-in emulated mouse (its memory is kept in the data folder)\n"
        "  --demo-driver        as --demo, with the settings kept by the emulated companion driver\n"
        "  --engineer           open the engineer page once the first device check has acted\n"
        "  --render-pages DIR   save every page as a PNG file in DIR and end\n"
        "  --quit-after-show    print the start-up time and memory once the window shows, then end\n"
        "\n"
        "Commands:\n"
        "  --list               list the mice found: node, identity, version, whether it can be\n"
        "                       opened and, when the window is not running, the chip code\n"
        "  --read FILE          read the mouse's configuration into the profile FILE (2048 bytes,\n"
        "                       as Save Profile writes it); when the memory fails the profile\n"
        "                       check it is saved all the same and the failing parts are named\n"
        "  --apply FILE         write the profile FILE to the mouse and verify it by reading back;\n"
        "                       a file shorter than 2048 bytes is not a profile, and only a mouse\n"
        "                       whose chip stores profiles (code 0x98) is written. The file must\n"
        "                       pass the profile check: the checksums of parameter section A, the\n"
        "                       profile and the fire-key sections, the value/complement pairs of\n"
        "                       parameter section B, and manufacturer codes the mouse accepts\n"
        "  --force              with --apply: write a profile that fails the check all the same\n"
        "  --reset N            reset the mouse to default configuration N (1, 2 or 3): the file\n"
        "                       TARQ54xData_CfgN.bin of the data folder, or the built-in defaults\n"
        "                       (also when that file fails the profile check); it works on any\n"
        "                       mouse that answers, whatever its memory holds\n"
        "  --demo               with any command: work on the emulated mouse's memory file\n"
        "  -h, --help           show this text\n"
        "  --version            show the version\n"
        "\n"
        "Whoever talks to the mouse holds its lock (the window while it has the mouse open): a\n"
        "second --read, --apply or --reset waits up to 5 s for it and then ends with exit code 7,\n"
        "so that two programs never talk to the mouse at once.\n"
        "In the window, Read, Save Profile, Load Profile and Apply are the buttons at the bottom of\n"
        "its pages.\n"
        "Progress goes to standard error when it is a terminal; otherwise plain messages.\n"
        "\n"
        "Exit codes:\n";
    for (const ExitCodeText& entry : kExitCodes) {
        char line[16];
        std::snprintf(line, sizeof line, "  %d  ", ToInt(entry.code));
        text += line;
        text += entry.meaning;
        text += '\n';
    }
    return text;
}

std::string VersionText()
{
    return std::string("tarq362a ") + TARQ_VERSION + "\n";
}

} // namespace tarq::cli
