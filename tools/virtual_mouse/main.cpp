// SPDX-License-Identifier: GPL-2.0-or-later
// tarq362a-virtual-mouse: the emulated mouse plugged into the running kernel through USB/IP,
// so that the real program finds it as a USB HID device (its hidraw nodes, sysfs, udev).
// Needs root and the vhci-hcd module. The README's "A virtual mouse on your own Linux machine"
// says how to use it.

#include "config/DefaultImages.h"
#include "device/MouseIdentity.h"
#include "device/emulator/VirtualUsbMouse.h"
#include "tools/virtual_mouse/VhciPort.h"

#include <fcntl.h>
#include <poll.h>
#include <signal.h>
#include <unistd.h>

#include <chrono>
#include <cstdio>
#include <cstdlib>
#include <cstring>
#include <fstream>
#include <iterator>
#include <optional>
#include <string>
#include <thread>
#include <vector>

namespace {

using namespace tarq;

const char* const kUsage =
    "Usage: tarq362a-virtual-mouse [options]\n"
    "Plugs the emulated TARQ362A mouse into this machine's kernel over USB/IP (vhci-hcd) and\n"
    "serves it until it is detached (SIGTERM or SIGINT detach it, as does the end of a fault).\n"
    "\n"
    "  --memory FILE        the mouse's 2048-byte memory: loaded when the file exists (else the\n"
    "                       first default image), saved after every transfer that changed it\n"
    "                       and at the end\n"
    "  --vendor HEX         USB vendor ID (default: this build's mouse)\n"
    "  --product HEX        USB product ID (default: this build's mouse)\n"
    "  --version HEX        bcdDevice (default: this build's mouse)\n"
    "  --serial TEXT        serial number string (default 0001)\n"
    "  --port N             vhci port (default: the first free USB 2 port)\n"
    "  --vhci DIR           the controller's sysfs folder (default /sys/devices/platform/vhci_hcd.0)\n"
    "  --ready FILE         write the port number into FILE once attached\n"
    "Faults:\n"
    "  --detach-after N     the mouse is unplugged at its (N+1)th feature report\n"
    "  --hang-after N       from the (N+1)th feature report on, control transfers never complete\n"
    "  --no-answer          replies never carry the acknowledgement\n"
    "  --wrong-ack HEX      replies carry this instead of the acknowledgement\n"
    "  --refuse ADDR        the memory byte at ADDR keeps its value when written (repeatable)\n"
    "  --latency MS         each feature report takes this long\n"
    "Commands on standard input, one a line, counted from the report they arrive at:\n"
    "  detach-after N       unplug at the (N+1)th feature report from now\n"
    "  hang-after N         control transfers stop completing after N more feature reports\n"
    "  detach               leave the bus now\n";

volatile sig_atomic_t gStop = 0;
int gWakeFd = -1;

void onSignal(int)
{
    gStop = 1;
    const char byte = 1;
    [[maybe_unused]] const ssize_t n = ::write(gWakeFd, &byte, 1);
}

struct Options {
    std::string memoryFile;
    usb::DeviceIdentity identity{kMouseVendorId, kMouseProductId, kMouseVersion};
    std::string serial = "0001";
    int port = -1;
    std::string vhciDir = "/sys/devices/platform/vhci_hcd.0";
    std::string readyFile;
    int detachAfter = -1;
    int hangAfter = -1;
    EmulatedMouse::Faults faults;
};

std::optional<long> number(const std::string& text, int base)
{
    char* end = nullptr;
    errno = 0;
    const long value = std::strtol(text.c_str(), &end, base);
    if (text.empty() || *end || errno)
        return std::nullopt;
    return value;
}

std::optional<Options> parse(int argc, char** argv)
{
    Options o;
    for (int i = 1; i < argc; ++i) {
        const std::string arg = argv[i];
        auto value = [&]() -> std::optional<std::string> {
            if (i + 1 >= argc)
                return std::nullopt;
            return std::string(argv[++i]);
        };
        auto hex16 = [&](uint16_t& into) {
            const auto v = value();
            const auto n = v ? number(*v, 16) : std::nullopt;
            if (!n || *n < 0 || *n > 0xFFFF)
                return false;
            into = static_cast<uint16_t>(*n);
            return true;
        };
        auto integer = [&](int& into) {
            const auto v = value();
            const auto n = v ? number(*v, 0) : std::nullopt;
            if (!n || *n < 0 || *n > 1'000'000'000)
                return false;
            into = static_cast<int>(*n);
            return true;
        };
        bool ok = true;
        if (arg == "--memory") { auto v = value(); ok = bool(v); if (v) o.memoryFile = *v; }
        else if (arg == "--vendor") ok = hex16(o.identity.vendorId);
        else if (arg == "--product") ok = hex16(o.identity.productId);
        else if (arg == "--version") ok = hex16(o.identity.version);
        else if (arg == "--serial") { auto v = value(); ok = bool(v); if (v) o.serial = *v; }
        else if (arg == "--port") ok = integer(o.port);
        else if (arg == "--vhci") { auto v = value(); ok = bool(v); if (v) o.vhciDir = *v; }
        else if (arg == "--ready") { auto v = value(); ok = bool(v); if (v) o.readyFile = *v; }
        else if (arg == "--detach-after") ok = integer(o.detachAfter);
        else if (arg == "--hang-after") ok = integer(o.hangAfter);
        else if (arg == "--no-answer") o.faults.noAnswer = true;
        else if (arg == "--wrong-ack") { uint16_t v = 0; ok = hex16(v) && v <= 0xFF; o.faults.wrongAck = static_cast<uint8_t>(v); }
        else if (arg == "--refuse") { int a = 0; ok = integer(a) && a < 0x10000; o.faults.refusedAddresses.insert(static_cast<uint16_t>(a)); }
        else if (arg == "--latency") ok = integer(o.faults.latencyMs);
        else if (arg == "--help" || arg == "-h") { std::fputs(kUsage, stdout); std::exit(0); }
        else ok = false;
        if (!ok) {
            std::fprintf(stderr, "tarq362a-virtual-mouse: cannot use \"%s\"\n%s", arg.c_str(), kUsage);
            return std::nullopt;
        }
    }
    return o;
}

long long wallMs()
{
    return std::chrono::duration_cast<std::chrono::milliseconds>(std::chrono::system_clock::now().time_since_epoch()).count();
}

bool saveMemory(const std::string& path, EmulatedMouse& mouse)
{
    if (path.empty())
        return true;
    const std::string temporary = path + ".tmp";
    {
        std::ofstream out(temporary, std::ios::binary | std::ios::trunc);
        out.write(reinterpret_cast<const char*>(mouse.memory().data()), static_cast<std::streamsize>(mouse.memory().size()));
        if (!out.flush())
            return false;
    }
    return std::rename(temporary.c_str(), path.c_str()) == 0;
}

} // namespace

int main(int argc, char** argv)
{
    const std::optional<Options> options = parse(argc, argv);
    if (!options)
        return 2;
    const Options& o = *options;

    auto mouse = std::make_shared<EmulatedMouse>();
    mouse->keepLog = false;
    mouse->faults = o.faults;
    mouse->faults.unplugAfterReports = o.detachAfter;
    mouse->sleeper = [](int ms) { std::this_thread::sleep_for(std::chrono::milliseconds(ms)); };
    mouse->loadMemory(DefaultImage(1)); // as the demo's mouse starts
    if (!o.memoryFile.empty()) {
        std::ifstream in(o.memoryFile, std::ios::binary);
        const std::vector<uint8_t> bytes{std::istreambuf_iterator<char>(in), std::istreambuf_iterator<char>()};
        if (!bytes.empty())
            mouse->loadMemory(bytes);
        mouse->onMemoryCommitted = [&] {
            if (!saveMemory(o.memoryFile, *mouse))
                std::fprintf(stderr, "tarq362a-virtual-mouse: cannot save %s\n", o.memoryFile.c_str());
        };
    }
    if (!saveMemory(o.memoryFile, *mouse)) {
        std::fprintf(stderr, "tarq362a-virtual-mouse: cannot write %s\n", o.memoryFile.c_str());
        return 3;
    }
    VirtualUsbMouse device(mouse, o.identity);
    device.hangAfterReports = o.hangAfter;

    int wake[2];
    if (::pipe2(wake, O_CLOEXEC | O_NONBLOCK) < 0)
        return 3;
    gWakeFd = wake[1];
    struct sigaction action{};
    action.sa_handler = onSignal;
    for (const int s : {SIGTERM, SIGINT, SIGHUP})
        ::sigaction(s, &action, nullptr);

    VhciPort vhci(o.vhciDir);
    const int port = o.port >= 0 ? o.port : vhci.freePort();
    if (port < 0) {
        std::fprintf(stderr, "tarq362a-virtual-mouse: no free port on %s (is vhci-hcd loaded?)\n", o.vhciDir.c_str());
        return 3;
    }
    const uint32_t devid = (1u << 16) | static_cast<uint32_t>(port + 2);
    if (!vhci.attach(port, devid)) {
        std::fprintf(stderr, "tarq362a-virtual-mouse: cannot attach: %s\n", vhci.error().c_str());
        return 3;
    }
    std::fprintf(stderr, "tarq362a-virtual-mouse: %04x:%04x version %04x on vhci port %d\n", o.identity.vendorId,
                 o.identity.productId, o.identity.version, port);
    if (!o.readyFile.empty())
        std::ofstream(o.readyFile) << port << "\n";

    // Commands on standard input (a test steering the mouse while the program talks to it).
    std::string commands;
    bool commandsOpen = true;
    auto takeCommands = [&] {
        char buffer[256];
        const ssize_t n = ::read(STDIN_FILENO, buffer, sizeof buffer);
        if (n <= 0) {
            commandsOpen = false;
            return;
        }
        commands.append(buffer, static_cast<size_t>(n));
        for (size_t end; (end = commands.find('\n')) != std::string::npos; commands.erase(0, end + 1)) {
            const std::string line = commands.substr(0, end);
            int count = 0;
            if (std::sscanf(line.c_str(), "detach-after %d", &count) == 1)
                mouse->faults.unplugAfterReports = mouse->reportsSeen() + count;
            else if (std::sscanf(line.c_str(), "hang-after %d", &count) == 1)
                device.hangAfterReports = device.featureReports() + count;
            else if (line == "detach")
                gStop = 1;
            else
                std::fprintf(stderr, "tarq362a-virtual-mouse: unknown command \"%s\"\n", line.c_str());
        }
    };

    std::vector<uint8_t> header(usbip::kHeaderSize);
    std::chrono::steady_clock::time_point hungSince{};
    int result = 0;
    while (!gStop) {
        pollfd fds[3] = {{vhci.fd(), POLLIN, 0}, {wake[0], POLLIN, 0}, {commandsOpen ? STDIN_FILENO : -1, POLLIN, 0}};
        if (::poll(fds, 3, -1) < 0) {
            if (errno == EINTR)
                continue;
            result = 3;
            break;
        }
        if (fds[2].revents & (POLLIN | POLLHUP | POLLERR))
            takeCommands();
        if (gStop || !(fds[0].revents & (POLLIN | POLLHUP | POLLERR)))
            continue;
        if (!vhci.readExact(header))
            break; // the kernel let the device go
        const auto incoming = usbip::DecodeCommand(std::span<const uint8_t, usbip::kHeaderSize>(header.data(), header.size()));
        if (!incoming) {
            std::fprintf(stderr, "tarq362a-virtual-mouse: unknown USB/IP command %02x%02x%02x%02x\n", header[0], header[1], header[2], header[3]);
            result = 3;
            break;
        }
        std::vector<uint8_t> payload(usbip::PayloadLength(*incoming));
        if (!payload.empty() && !vhci.readExact(payload))
            break;
        const size_t hungBefore = device.hungTransfers();
        for (const auto& answer : device.handle(*incoming, payload))
            if (!vhci.writeAll(answer))
                gStop = 1;
        // Times on the wall clock, so that a script can set them against its own.
        if (device.hungTransfers() > hungBefore) {
            hungSince = std::chrono::steady_clock::now();
            std::fprintf(stderr, "tarq362a-virtual-mouse: control transfer hangs at %lld ms\n", wallMs());
        } else if (device.hungTransfers() < hungBefore) {
            std::fprintf(stderr, "tarq362a-virtual-mouse: hung control transfer taken back after %lld ms\n",
                         static_cast<long long>(std::chrono::duration_cast<std::chrono::milliseconds>(
                             std::chrono::steady_clock::now() - hungSince).count()));
        }
        if (device.unplugged()) {
            std::fprintf(stderr, "tarq362a-virtual-mouse: unplugged at %lld ms after %d feature reports\n", wallMs(),
                         device.featureReports());
            break;
        }
    }
    vhci.detach();
    saveMemory(o.memoryFile, *mouse);
    std::fprintf(stderr, "tarq362a-virtual-mouse: detached after %d feature reports\n", device.featureReports());
    return result;
}
