// SPDX-License-Identifier: GPL-2.0-or-later
#include "device/win/WinSetupApi.h"

#include <vector>

namespace tarq::win {
namespace {

constexpr DWORD kPresentInterfaces = 0x12;      // DIGCF_PRESENT | DIGCF_DEVICEINTERFACE
constexpr DWORD kErrorInsufficientBuffer = 122;
const GUID kHidClassFallback = {0x4D1E55B2, 0xF16F, 0x11CF, {0x88, 0xCB, 0x00, 0x11, 0x11, 0x00, 0x00, 0x30}};

struct DeviceInterfaceData {
    DWORD cbSize;
    GUID InterfaceClassGuid;
    DWORD Flags;
    ULONG_PTR Reserved;
};

struct DeviceInfoData {
    DWORD cbSize;
    GUID ClassGuid;
    DWORD DevInst;
    ULONG_PTR Reserved;
};

// The fixed part of SP_DEVICE_INTERFACE_DETAIL_DATA_A: its size is 5 in 32-bit programs and 8 in
// 64-bit ones, and SetupAPI rejects any other value, so it is taken from the compiler.
struct DetailDataHeader {
    DWORD cbSize;
    CHAR DevicePath[1];
};

struct SetupApi {
    using GetClassDevsFn = HANDLE(WINAPI*)(const GUID*, PCSTR, HWND, DWORD);
    using EnumInterfacesFn = BOOL(WINAPI*)(HANDLE, DeviceInfoData*, const GUID*, DWORD, DeviceInterfaceData*);
    using GetDetailFn = BOOL(WINAPI*)(HANDLE, DeviceInterfaceData*, DetailDataHeader*, DWORD, DWORD*, DeviceInfoData*);
    using DestroyFn = BOOL(WINAPI*)(HANDLE);

    GetClassDevsFn SetupDiGetClassDevsA = nullptr;
    EnumInterfacesFn SetupDiEnumDeviceInterfaces = nullptr;
    GetDetailFn SetupDiGetDeviceInterfaceDetailA = nullptr;
    DestroyFn SetupDiDestroyDeviceInfoList = nullptr;

    bool loaded() const { return SetupDiGetClassDevsA && SetupDiEnumDeviceInterfaces && SetupDiGetDeviceInterfaceDetailA && SetupDiDestroyDeviceInfoList; }
};

template <class Fn>
void bind(HMODULE module, Fn& fn, const char* name)
{
    fn = module ? reinterpret_cast<Fn>(reinterpret_cast<void*>(GetProcAddress(module, name))) : nullptr;
}

const SetupApi& Setup()
{
    static const SetupApi api = [] {
        SetupApi a;
        HMODULE m = LoadLibraryA("SetupApi.dll");
        bind(m, a.SetupDiGetClassDevsA, "SetupDiGetClassDevsA");
        bind(m, a.SetupDiEnumDeviceInterfaces, "SetupDiEnumDeviceInterfaces");
        bind(m, a.SetupDiGetDeviceInterfaceDetailA, "SetupDiGetDeviceInterfaceDetailA");
        bind(m, a.SetupDiDestroyDeviceInfoList, "SetupDiDestroyDeviceInfoList");
        return a;
    }();
    return api;
}

} // namespace

const HidApi& Hid()
{
    static const HidApi api = [] {
        HidApi a;
        HMODULE m = LoadLibraryA("HID.dll");
        bind(m, a.HidD_GetHidGuid, "HidD_GetHidGuid");
        bind(m, a.HidD_GetAttributes, "HidD_GetAttributes");
        bind(m, a.HidD_GetPreparsedData, "HidD_GetPreparsedData");
        bind(m, a.HidD_FreePreparsedData, "HidD_FreePreparsedData");
        bind(m, a.HidP_GetCaps, "HidP_GetCaps");
        bind(m, a.HidD_SetFeature, "HidD_SetFeature");
        bind(m, a.HidD_GetFeature, "HidD_GetFeature");
        return a;
    }();
    return api;
}

bool SetupApiBound() { return Setup().loaded(); }

GUID HidClassGuid()
{
    GUID guid = kHidClassFallback;
    if (Hid().HidD_GetHidGuid)
        Hid().HidD_GetHidGuid(&guid);
    return guid;
}

std::vector<std::string> InterfacePaths(const GUID& classGuid)
{
    std::vector<std::string> paths;
    const SetupApi& api = Setup();
    if (!api.loaded())
        return paths;
    HANDLE set = api.SetupDiGetClassDevsA(&classGuid, nullptr, nullptr, kPresentInterfaces);
    if (set == INVALID_HANDLE_VALUE)
        return paths;
    for (DWORD index = 0;; ++index) {
        DeviceInterfaceData iface{};
        iface.cbSize = sizeof iface;
        if (!api.SetupDiEnumDeviceInterfaces(set, nullptr, &classGuid, index, &iface))
            break;
        DWORD required = 0;
        DeviceInfoData info{};
        info.cbSize = sizeof info;
        api.SetupDiGetDeviceInterfaceDetailA(set, &iface, nullptr, 0, &required, &info);
        if (required == 0 || GetLastError() != kErrorInsufficientBuffer)
            continue;
        std::vector<DWORD> storage((required + sizeof(DWORD) - 1) / sizeof(DWORD) + 1, 0); // aligned, zero-filled
        auto* detail = reinterpret_cast<DetailDataHeader*>(storage.data());
        detail->cbSize = sizeof(void*) == 4 ? 5 : 8;
        if (api.SetupDiGetDeviceInterfaceDetailA(set, &iface, detail, required, nullptr, &info))
            paths.emplace_back(detail->DevicePath);
    }
    api.SetupDiDestroyDeviceInfoList(set);
    return paths;
}

HANDLE OpenPath(const std::string& path)
{
    return CreateFileA(path.c_str(), 0, FILE_SHARE_READ | FILE_SHARE_WRITE, nullptr, OPEN_EXISTING, 0, nullptr);
}

std::string LastErrorText(const std::string& path, const char* what)
{
    const DWORD code = GetLastError();
    char text[256] = {};
    FormatMessageA(FORMAT_MESSAGE_FROM_SYSTEM | FORMAT_MESSAGE_IGNORE_INSERTS, nullptr, code, 0, text, sizeof text, nullptr);
    return path + ": " + what + ": " + text;
}

} // namespace tarq::win
