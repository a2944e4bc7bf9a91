// SPDX-License-Identifier: GPL-2.0-or-later
#include "device/win/WinHidBus.h"

#include "device/win/WinSetupApi.h"

#include <cctype>
#include <string>
#include <vector>

namespace tarq {
namespace {

class WinHidDevice : public HidDevice {
public:
    WinHidDevice(HANDLE handle, std::string path) : handle_(handle), path_(std::move(path)) {}
    ~WinHidDevice() override
    {
        if (mutex_) {
            ReleaseMutex(mutex_);
            CloseHandle(mutex_);
        }
        CloseHandle(handle_);
    }
    WinHidDevice(const WinHidDevice&) = delete;
    WinHidDevice& operator=(const WinHidDevice&) = delete;

    HidAttributes attributes() override
    {
        HidAttributes result;
        const win::HidApi& hid = win::Hid();
        if (!hid.loaded())
            return result;
        win::HiddAttributes attributes{};
        attributes.Size = sizeof attributes;
        if (hid.HidD_GetAttributes(handle_, &attributes)) {
            result.vendorId = attributes.VendorID;
            result.productId = attributes.ProductID;
            result.version = attributes.VersionNumber;
        }
        void* preparsed = nullptr;
        win::HidpCaps caps{};
        if (hid.HidD_GetPreparsedData(handle_, &preparsed)) {
            hid.HidP_GetCaps(preparsed, &caps);
            hid.HidD_FreePreparsedData(preparsed);
        }
        result.featureReportLength = caps.FeatureReportByteLength;
        return result;
    }

    bool setFeature(std::span<const uint8_t> report) override
    {
        std::vector<uint8_t> buffer(report.begin(), report.end());
        const win::HidApi& hid = win::Hid();
        if (!hid.HidD_SetFeature || !hid.HidD_SetFeature(handle_, buffer.data(), static_cast<ULONG>(buffer.size()))) {
            noteFailure("HidD_SetFeature");
            return false;
        }
        return true;
    }

    bool getFeature(std::span<uint8_t> report) override
    {
        const win::HidApi& hid = win::Hid();
        if (!hid.HidD_GetFeature || !hid.HidD_GetFeature(handle_, report.data(), static_cast<ULONG>(report.size()))) {
            noteFailure("HidD_GetFeature");
            return false;
        }
        return true;
    }

    std::string lastError() const override { return error_; }
    bool gone() const override { return gone_; }

    // A named mutex per device path (paths are compared without case, as Windows does), held
    // by this thread until the handle is closed; one abandoned by a crashed holder is taken.
    bool lockExclusive() override
    {
        if (mutex_)
            return true;
        std::wstring name = L"Local\\tarq362a-mouse-";
        for (const char c : path_) {
            const auto u = static_cast<unsigned char>(c);
            name += c == '\\' ? L'_' : static_cast<wchar_t>(u < 0x80 ? std::tolower(u) : u);
        }
        HANDLE mutex = CreateMutexW(nullptr, FALSE, name.c_str());
        if (!mutex) {
            noteFailure("CreateMutexW");
            return false;
        }
        const DWORD waited = WaitForSingleObject(mutex, 0);
        if (waited == WAIT_OBJECT_0 || waited == WAIT_ABANDONED) {
            mutex_ = mutex;
            return true;
        }
        CloseHandle(mutex);
        error_ = path_ + ": in use by another program";
        return false;
    }

private:
    HANDLE mutex_ = nullptr;
    void noteFailure(const char* call)
    {
        const DWORD code = GetLastError();
        gone_ = gone_ || code == ERROR_DEVICE_NOT_CONNECTED;
        SetLastError(code);
        error_ = win::LastErrorText(path_, call);
    }

    bool gone_ = false;
    HANDLE handle_;
    std::string path_;
    std::string error_;
};

} // namespace

std::vector<std::string> WinHidBus::interfacePaths() { return win::InterfacePaths(win::HidClassGuid()); }

std::unique_ptr<HidDevice> WinHidBus::open(const std::string& path)
{
    HANDLE handle = win::OpenPath(path);
    if (handle == INVALID_HANDLE_VALUE)
        return nullptr;
    return std::make_unique<WinHidDevice>(handle, path);
}

} // namespace tarq
