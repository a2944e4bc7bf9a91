// SPDX-License-Identifier: GPL-2.0-or-later
#pragma once
// SetupAPI and HID.dll bound at run time by name, and the device-interface walk that the HID
// bus and the driver bus share.

#include <windows.h>

#include <string>
#include <vector>

namespace tarq::win {

// The parts of HID.dll's records that the program reads. HIDP_CAPS is 64 bytes.
struct HiddAttributes {
    ULONG Size;
    USHORT VendorID;
    USHORT ProductID;
    USHORT VersionNumber;
};

struct HidpCaps {
    USHORT Usage;
    USHORT UsagePage;
    USHORT InputReportByteLength;
    USHORT OutputReportByteLength;
    USHORT FeatureReportByteLength;
    USHORT Reserved[27];
};
static_assert(sizeof(HidpCaps) == 64);

struct HidApi {
    using GetHidGuidFn = void(__stdcall*)(GUID*);
    using GetAttributesFn = BOOLEAN(__stdcall*)(HANDLE, HiddAttributes*);
    using GetPreparsedDataFn = BOOLEAN(__stdcall*)(HANDLE, void**);
    using FreePreparsedDataFn = BOOLEAN(__stdcall*)(void*);
    using GetCapsFn = LONG(__stdcall*)(void*, HidpCaps*);
    using FeatureFn = BOOLEAN(__stdcall*)(HANDLE, void*, ULONG);

    GetHidGuidFn HidD_GetHidGuid = nullptr;
    GetAttributesFn HidD_GetAttributes = nullptr;
    GetPreparsedDataFn HidD_GetPreparsedData = nullptr;
    FreePreparsedDataFn HidD_FreePreparsedData = nullptr;
    GetCapsFn HidP_GetCaps = nullptr;
    FeatureFn HidD_SetFeature = nullptr;
    FeatureFn HidD_GetFeature = nullptr;

    bool loaded() const { return HidD_GetAttributes && HidD_GetPreparsedData && HidD_FreePreparsedData && HidP_GetCaps && HidD_SetFeature && HidD_GetFeature; }
};

// Bound on first use; later calls reuse the binding. Members are null where the library or a
// function is missing.
const HidApi& Hid();

// Whether every SetupApi.dll function the enumeration uses was found.
bool SetupApiBound();

// The HID interface class: HidD_GetHidGuid, or the fixed class GUID without HID.dll.
GUID HidClassGuid();

// Device paths of the present interfaces of a class, in SetupAPI's order. Empty when
// SetupApi.dll cannot be bound or the class has no present interface.
std::vector<std::string> InterfacePaths(const GUID& classGuid);

// CreateFileA with access 0 and read/write sharing: enough for feature reports and I/O
// control, and it works while the system holds the mouse for pointer input.
HANDLE OpenPath(const std::string& path);

std::string LastErrorText(const std::string& path, const char* what);

} // namespace tarq::win
