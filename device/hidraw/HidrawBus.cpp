// SPDX-License-Identifier: GPL-2.0-or-later
#include "device/hidraw/HidrawBus.h"

#include "device/HidReportDescriptor.h"
#include "device/MouseIdentity.h"
#include "device/hidraw/ReportThread.h"

#include <linux/hidraw.h>
#include <sys/file.h>
#include <sys/ioctl.h>
#include <fcntl.h>
#include <unistd.h>

#include <algorithm>
#include <cerrno>
#include <cstring>
#include <filesystem>
#include <fstream>
#include <iterator>
#include <sstream>

namespace fs = std::filesystem;

namespace tarq {
namespace {

constexpr const char* kNodePrefix = "hidraw";
constexpr int kUsbDeviceSearchDepth = 5; // hidraw -> HID device -> interface -> USB device

std::string readText(const fs::path& file)
{
    std::ifstream in(file);
    std::stringstream s;
    s << in.rdbuf();
    return s.str();
}

std::vector<uint8_t> readBytes(const fs::path& file)
{
    std::ifstream in(file, std::ios::binary);
    return {std::istreambuf_iterator<char>(in), std::istreambuf_iterator<char>()};
}

// "HID_ID=0003:00001209:00000001" in the HID device's uevent.
bool identityFromUevent(const fs::path& deviceDir, HidAttributes& a)
{
    std::istringstream lines(readText(deviceDir / "uevent"));
    for (std::string line; std::getline(lines, line);) {
        unsigned bus = 0, vendor = 0, product = 0;
        if (std::sscanf(line.c_str(), "HID_ID=%x:%x:%x", &bus, &vendor, &product) == 3) {
            a.vendorId = static_cast<uint16_t>(vendor);
            a.productId = static_cast<uint16_t>(product);
            return true;
        }
    }
    return false;
}

// The USB device above the HID device carries bcdDevice, the release number Windows reports
// as the version. Other buses (Bluetooth, I2C) have none: the version stays 0.
uint16_t versionFromSysfs(const fs::path& deviceDir)
{
    std::error_code ec;
    fs::path dir = fs::canonical(deviceDir, ec);
    if (ec)
        return 0;
    for (int depth = 0; depth < kUsbDeviceSearchDepth && !dir.empty(); ++depth) {
        const fs::path bcd = dir / "bcdDevice";
        if (fs::exists(bcd, ec)) {
            unsigned value = 0;
            if (std::sscanf(readText(bcd).c_str(), "%x", &value) == 1)
                return static_cast<uint16_t>(value);
            return 0;
        }
        if (dir == dir.parent_path())
            break;
        dir = dir.parent_path();
    }
    return 0;
}

class HidrawDevice : public HidDevice {
public:
    HidrawDevice(int fd, std::string path, fs::path sysDir, const std::function<void()>& pump)
        : fd_(fd), path_(std::move(path)), sysDir_(std::move(sysDir))
    {
        if (pump)
            thread_ = std::make_unique<ReportThread>(fd, pump); // it owns the descriptor now
    }
    ~HidrawDevice() override
    {
        if (!thread_)
            ::close(fd_);
    }
    HidrawDevice(const HidrawDevice&) = delete;
    HidrawDevice& operator=(const HidrawDevice&) = delete;

    HidAttributes attributes() override
    {
        HidAttributes a;
        const fs::path deviceDir = sysDir_ / "device";
        hidraw_devinfo info{};
        if (::ioctl(fd_, HIDIOCGRAWINFO, &info) >= 0) {
            a.vendorId = static_cast<uint16_t>(info.vendor);
            a.productId = static_cast<uint16_t>(info.product);
        } else {
            identityFromUevent(deviceDir, a);
        }
        a.version = versionFromSysfs(deviceDir);
        a.featureReportLength = FeatureReportByteLength(descriptor(deviceDir));
        return a;
    }

    bool setFeature(std::span<const uint8_t> report) override
    {
        std::vector<uint8_t> buffer(report.begin(), report.end());
        return transfer(HIDIOCSFEATURE(buffer.size()), buffer.data(), "set feature report");
    }

    bool getFeature(std::span<uint8_t> report) override
    {
        return transfer(HIDIOCGFEATURE(report.size()), report.data(), "get feature report");
    }

    std::string lastError() const override { return error_; }
    bool gone() const override { return gone_; }

    bool lockExclusive() override
    {
        // A flock on the opened node: every program that follows the same rule sees it,
        // whichever path or link it opened the node by; closing the node drops it.
        if (::flock(fd_, LOCK_EX | LOCK_NB) == 0)
            return true;
        error_ = path_ + ": " + (errno == EWOULDBLOCK ? std::string("in use by another program") : std::strerror(errno));
        return false;
    }

private:
    // One report ioctl, on the report thread when there is one. The device may be closed while
    // the caller's events run: then nothing of it is touched any more.
    bool transfer(unsigned long request, void* buffer, const char* what)
    {
        if (!thread_)
            return ::ioctl(fd_, request, buffer) >= 0 || fail(what);
        const ReportThread::Result r = thread_->run([request, buffer](int fd) { return ::ioctl(fd, request, buffer); });
        if (r.ownerGone)
            return false;
        errno = r.error;
        return r.value >= 0 || fail(what);
    }

    std::vector<uint8_t> descriptor(const fs::path& deviceDir)
    {
        int size = 0;
        if (::ioctl(fd_, HIDIOCGRDESCSIZE, &size) >= 0 && size > 0) {
            hidraw_report_descriptor rd{};
            rd.size = static_cast<__u32>(std::min<int>(size, HID_MAX_DESCRIPTOR_SIZE));
            if (::ioctl(fd_, HIDIOCGRDESC, &rd) >= 0)
                return {rd.value, rd.value + rd.size};
        }
        return readBytes(deviceDir / "report_descriptor");
    }

    bool fail(const char* what)
    {
        const int code = errno;
        error_ = path_ + ": " + what + ": " + std::strerror(code);
        // ENODEV and ESHUTDOWN: the device was removed. ETIMEDOUT: the kernel gave up on a
        // control transfer the device never completed (after its own timeout of seconds); every
        // further report would block as long, so the device counts as gone too. EPIPE is the
        // device refusing a report (a stall), not an unplug. For any other error a node that
        // vanished also means gone.
        if (code == ENODEV || code == ESHUTDOWN || code == ETIMEDOUT)
            gone_ = true;
        else if (code != EPIPE && ::access(path_.c_str(), F_OK) != 0 && errno == ENOENT)
            gone_ = true;
        return false;
    }

    int fd_;
    std::string path_;
    fs::path sysDir_;
    std::unique_ptr<ReportThread> thread_;
    std::string error_;
    bool gone_ = false;
};

int nodeNumber(const std::string& name)
{
    if (name.rfind(kNodePrefix, 0) != 0)
        return -1;
    const std::string digits = name.substr(std::strlen(kNodePrefix));
    if (digits.empty() || !std::all_of(digits.begin(), digits.end(), [](char c) { return c >= '0' && c <= '9'; }))
        return -1;
    return std::stoi(digits);
}

} // namespace

HidAttributes HidrawBus::describe(const std::string& path)
{
    HidAttributes a;
    const fs::path deviceDir = fs::path(sysRoot_) / "class" / "hidraw" / fs::path(path).filename() / "device";
    identityFromUevent(deviceDir, a);
    a.version = versionFromSysfs(deviceDir);
    a.featureReportLength = FeatureReportByteLength(readBytes(deviceDir / "report_descriptor"));
    return a;
}

HidrawBus::HidrawBus(std::string sysRoot, std::string devRoot)
    : sysRoot_(std::move(sysRoot)), devRoot_(std::move(devRoot))
{
}

std::vector<std::string> HidrawBus::interfacePaths()
{
    std::vector<std::pair<int, std::string>> nodes;
    std::error_code ec;
    for (const auto& entry : fs::directory_iterator(fs::path(sysRoot_) / "class" / "hidraw", ec)) {
        const std::string name = entry.path().filename().string();
        if (const int n = nodeNumber(name); n >= 0)
            nodes.emplace_back(n, name);
    }
    std::sort(nodes.begin(), nodes.end());
    std::vector<std::string> paths;
    for (const auto& [n, name] : nodes)
        paths.push_back((fs::path(devRoot_) / name).string());
    return paths;
}

std::unique_ptr<HidDevice> HidrawBus::open(const std::string& path)
{
    int fd = ::open(path.c_str(), O_RDWR | O_CLOEXEC);
    if (fd < 0) {
        switch (errno) {
        case EACCES:
        case EPERM: lastOpenFailure_ = HidOpenFailure::PermissionDenied; break;
        case EBUSY: lastOpenFailure_ = HidOpenFailure::Busy; break;
        case ENOENT:
        case ENODEV:
        case ENXIO: lastOpenFailure_ = HidOpenFailure::Gone; break;
        default: lastOpenFailure_ = HidOpenFailure::Other; break;
        }
        return nullptr;
    }
    lastOpenFailure_ = HidOpenFailure::None;
    const std::string name = fs::path(path).filename().string();
    return std::make_unique<HidrawDevice>(fd, path, fs::path(sysRoot_) / "class" / "hidraw" / name, pump_);
}

} // namespace tarq
