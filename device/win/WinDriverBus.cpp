// SPDX-License-Identifier: GPL-2.0-or-later
#include "device/win/WinDriverBus.h"

#include "device/win/WinSetupApi.h"

namespace tarq {
namespace {

const GUID kCompanionDriverClass = {0x902E3649, 0xBB28, 0x43E0, {0x83, 0xE2, 0x85, 0x8C, 0xEC, 0xFB, 0xEE, 0x7B}};

class WinDriverDevice : public DriverDevice {
public:
    explicit WinDriverDevice(HANDLE handle) : handle_(handle) {}
    ~WinDriverDevice() override { CloseHandle(handle_); }
    WinDriverDevice(const WinDriverDevice&) = delete;
    WinDriverDevice& operator=(const WinDriverDevice&) = delete;

    bool ioControl(uint32_t code, std::span<const uint8_t> in, std::span<uint8_t> out, size_t& returned) override
    {
        DWORD count = 0;
        const BOOL ok = DeviceIoControl(handle_, code,
                                        in.empty() ? nullptr : const_cast<uint8_t*>(in.data()), static_cast<DWORD>(in.size()),
                                        out.empty() ? nullptr : out.data(), static_cast<DWORD>(out.size()),
                                        &count, nullptr);
        returned = count;
        return ok != FALSE;
    }

private:
    HANDLE handle_;
};

} // namespace

std::vector<std::string> WinDriverBus::interfacePaths() { return win::InterfacePaths(kCompanionDriverClass); }

std::unique_ptr<DriverDevice> WinDriverBus::open(const std::string& path)
{
    HANDLE handle = win::OpenPath(path);
    if (handle == INVALID_HANDLE_VALUE)
        return nullptr;
    return std::make_unique<WinDriverDevice>(handle);
}

} // namespace tarq
