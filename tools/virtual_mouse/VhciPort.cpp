// SPDX-License-Identifier: GPL-2.0-or-later
#include "tools/virtual_mouse/VhciPort.h"

#include <arpa/inet.h>
#include <netinet/in.h>
#include <netinet/tcp.h>
#include <sys/socket.h>
#include <unistd.h>

#include <cerrno>
#include <cstring>
#include <fstream>
#include <sstream>

namespace tarq {
namespace {

constexpr int kFullSpeed = 2;       // enum usb_device_speed
constexpr int kPortFree = 4;        // VDEV_ST_NULL in the status file

class Fd {
public:
    explicit Fd(int fd = -1) : fd_(fd) {}
    ~Fd() { if (fd_ >= 0) ::close(fd_); }
    Fd(const Fd&) = delete;
    Fd& operator=(const Fd&) = delete;
    int get() const { return fd_; }
    int release() { const int fd = fd_; fd_ = -1; return fd; }
private:
    int fd_;
};

void noDelay(int fd)
{
    const int one = 1;
    ::setsockopt(fd, IPPROTO_TCP, TCP_NODELAY, &one, sizeof one);
}

bool writeFile(const std::string& path, const std::string& text, std::string& error)
{
    std::ofstream out(path);
    out << text;
    out.flush();
    if (!out) {
        error = path + ": " + std::strerror(errno);
        return false;
    }
    return true;
}

} // namespace

VhciPort::VhciPort(std::string controllerDir) : dir_(std::move(controllerDir)) {}

VhciPort::~VhciPort()
{
    if (deviceFd_ >= 0)
        ::close(deviceFd_);
}

int VhciPort::freePort() const
{
    // "hub port sta spd dev sockfd local_busid", one line per port; "hs" is the USB 2 hub.
    std::ifstream status(dir_ + "/status");
    std::string line;
    std::getline(status, line);
    while (std::getline(status, line)) {
        std::istringstream fields(line);
        std::string hub;
        int port = -1, state = -1;
        fields >> hub >> port >> state;
        if (hub == "hs" && state == kPortFree)
            return port;
    }
    return -1;
}

bool VhciPort::fail(const std::string& what)
{
    error_ = what + ": " + std::strerror(errno);
    return false;
}

bool VhciPort::attach(int port, uint32_t devid)
{
    Fd listener(::socket(AF_INET, SOCK_STREAM | SOCK_CLOEXEC, 0));
    if (listener.get() < 0)
        return fail("socket");
    sockaddr_in address{};
    address.sin_family = AF_INET;
    address.sin_addr.s_addr = htonl(INADDR_LOOPBACK);
    socklen_t length = sizeof address;
    if (::bind(listener.get(), reinterpret_cast<sockaddr*>(&address), sizeof address) < 0
        || ::listen(listener.get(), 1) < 0
        || ::getsockname(listener.get(), reinterpret_cast<sockaddr*>(&address), &length) < 0)
        return fail("loopback listener");
    Fd kernelEnd(::socket(AF_INET, SOCK_STREAM | SOCK_CLOEXEC, 0));
    if (kernelEnd.get() < 0 || ::connect(kernelEnd.get(), reinterpret_cast<sockaddr*>(&address), sizeof address) < 0)
        return fail("loopback connect (is the loopback interface up?)");
    Fd deviceEnd(::accept4(listener.get(), nullptr, nullptr, SOCK_CLOEXEC));
    if (deviceEnd.get() < 0)
        return fail("loopback accept");
    noDelay(kernelEnd.get());
    noDelay(deviceEnd.get());

    // "port sockfd devid speed": the kernel takes its own reference to the socket.
    const std::string line = std::to_string(port) + " " + std::to_string(kernelEnd.get()) + " "
                             + std::to_string(devid) + " " + std::to_string(kFullSpeed);
    if (!writeFile(dir_ + "/attach", line, error_))
        return false;
    port_ = port;
    deviceFd_ = deviceEnd.release();
    return true;
}

bool VhciPort::detach()
{
    if (port_ < 0)
        return true;
    const bool ok = writeFile(dir_ + "/detach", std::to_string(port_), error_);
    port_ = -1;
    return ok;
}

bool VhciPort::readExact(std::span<uint8_t> into)
{
    size_t done = 0;
    while (done < into.size()) {
        const ssize_t n = ::read(deviceFd_, into.data() + done, into.size() - done);
        if (n == 0)
            return false;
        if (n < 0) {
            if (errno == EINTR)
                continue;
            return fail("read");
        }
        done += static_cast<size_t>(n);
    }
    return true;
}

bool VhciPort::writeAll(std::span<const uint8_t> bytes)
{
    size_t done = 0;
    while (done < bytes.size()) {
        const ssize_t n = ::send(deviceFd_, bytes.data() + done, bytes.size() - done, MSG_NOSIGNAL);
        if (n < 0) {
            if (errno == EINTR)
                continue;
            return fail("write");
        }
        done += static_cast<size_t>(n);
    }
    return true;
}

} // namespace tarq
