// SPDX-License-Identifier: GPL-2.0-or-later
// The Windows backends run for real: HID discovery over SetupAPI and HID.dll, the companion
// driver's DeviceIoControl path and the pointer settings in the registry with
// SystemParametersInfoA. Built with MinGW and run under Wine by the test suite, so it checks
// what a machine without the mouse and the driver can show: every bound entry point resolves,
// searches find nothing and return, and the pointer settings round-trip through the registry.
//
// Prints one line per failed check and ends with "N passed, N failed".

#include "device/DeviceLink.h"
#include "device/DriverChannel.h"
#include "device/DriverIoctl.h"
#include "device/MouseIdentity.h"
#include "device/win/WinDriverBus.h"
#include "device/win/WinHidBus.h"
#include "device/win/WinSetupApi.h"
#include "settings/PointerSettings.h"
#include "settings/win/WinPointerSettingsStore.h"

#include <windows.h>

#include <cstdio>
#include <string>

namespace {

using namespace tarq;

int passed = 0;
int failed = 0;

void Check(bool ok, const std::string& what)
{
    if (ok) {
        ++passed;
    } else {
        ++failed;
        std::printf("FAILED: %s\n", what.c_str());
    }
}

// The registry text of a value under the current user, or "<missing>".
std::string RegistryText(const char* key, const char* value)
{
    char text[64] = {};
    DWORD size = sizeof text - 1;
    DWORD type = 0;
    if (RegGetValueA(HKEY_CURRENT_USER, key, value, RRF_RT_REG_SZ, &type, text, &size) != ERROR_SUCCESS)
        return "<missing>";
    return text;
}

bool KeyExists(const char* path)
{
    HKEY key = nullptr;
    if (RegOpenKeyExA(HKEY_CURRENT_USER, path, 0, KEY_READ, &key) != ERROR_SUCCESS)
        return false;
    RegCloseKey(key);
    return true;
}

void EnsureKey(const char* path)
{
    HKEY key = nullptr;
    if (RegCreateKeyExA(HKEY_CURRENT_USER, path, 0, nullptr, 0, KEY_ALL_ACCESS, nullptr, &key, nullptr) == ERROR_SUCCESS)
        RegCloseKey(key);
}

void CheckEntryPoints()
{
    const win::HidApi& hid = win::Hid();
    Check(hid.loaded() && hid.HidD_GetHidGuid != nullptr, "every HID.dll function resolves");
    Check(win::SetupApiBound(), "every SetupApi.dll function resolves");
}

void CheckDiscovery()
{
    WinHidBus hidBus;
    WinDriverBus driverBus;
    DeviceLink link(hidBus, &driverBus);
    link.ResetLink();
    Check(link.CountHidInterfaces() >= 0, "counting HID interfaces returns");
    int version = kMouseVersion;
    Check(!link.OpenMouseInterface(kMouseVendorId, kMouseProductId, version) && !link.mouseOpen(),
          "no mouse is found where none is plugged in");
    Check(hidBus.open("\\\\?\\hid#no_such_device#0") == nullptr, "opening a missing HID path fails");

    Check(driverBus.interfacePaths().empty(), "no companion driver interface is listed");
    Check(!link.OpenDriverDevice(0x1234) && link.DriverHandle == nullptr, "opening the missing driver fails");

    // The driver channel's requests on a handle that is not the driver fail without harm.
    link.DriverHandle = driverBus.open("NUL");
    Check(link.DriverHandle != nullptr, "the null device opens as a stand-in handle");
    if (link.DriverHandle) {
        DriverChannel channel(link);
        const std::vector<uint8_t> bytes = channel.ReadStoreRange(0, 16);
        Check(bytes == std::vector<uint8_t>(16, 0), "a store read the device rejects gives zeros");
        const uint8_t one[1] = {1};
        Check(!channel.WriteStoreRange(0, one), "a store write the device rejects reports failure");
    }
}

constexpr const char* kMouseKey = "Control Panel\\Mouse";
constexpr const char* kDesktopKey = "Control Panel\\Desktop";

void CheckPointerRoundTrip()
{
    EnsureKey(kMouseKey);
    EnsureKey(kDesktopKey);
    WinPointerSettingsStore store;

    for (int level = 1; level <= kPointerLevels; ++level) {
        const std::string at = " at level " + std::to_string(level);
        PointerSettings written;
        written.SetSpeedLevel(level);
        written.SetDoubleClickLevel(level);
        written.SetWheelLevel(level);
        written.PrecisionChecked = level % 2 == 0;   // toggled on at odd levels, off at even ones
        written.TogglePrecision();
        written.OneScreenChecked = true;
        written.ToggleOneScreen();
        written.WriteAndApply(store);

        Check(RegistryText(kMouseKey, "MouseSensitivity") == std::to_string(*PointerSpeedForLevel(level)),
              "MouseSensitivity" + at);
        Check(RegistryText(kMouseKey, "DoubleClickSpeed") == std::to_string(*DoubleClickTimeForLevel(level)),
              "DoubleClickSpeed" + at);
        Check(RegistryText(kDesktopKey, "WheelScrollLines") == std::to_string(level), "WheelScrollLines" + at);
        const bool on = level % 2 == 1;
        Check(RegistryText(kMouseKey, "MouseSpeed") == (on ? "1" : "0")
                  && RegistryText(kMouseKey, "MouseThreshold1") == (on ? "6" : "0")
                  && RegistryText(kMouseKey, "MouseThreshold2") == (on ? "10" : "0"),
              "precision values" + at);
        const auto& calls = store.lastCallResults();
        Check(calls[0] && calls[1] && calls[2] && calls[3], "every SystemParametersInfoA call succeeds" + at);

        PointerSettings read;
        Check(read.ReadMouse(store) && read.PointerSpeedLevel == level && read.DoubleClickLevel == level
                  && read.PrecisionChecked == on,
              "speed, precision and double-click read back" + at);
        Check(read.ReadWheel(store) && read.WheelLevel == level && !read.OneScreenChecked, "wheel reads back" + at);
    }

    // One screen at a time.
    PointerSettings oneScreen;
    oneScreen.SetWheelLevel(4);
    oneScreen.OneScreenChecked = false;
    oneScreen.ToggleOneScreen();
    oneScreen.WriteWheel(store);
    Check(RegistryText(kDesktopKey, "WheelScrollLines") == "-1", "one screen writes WheelScrollLines -1");
    PointerSettings read;
    read.OneScreenChecked = false;
    Check(read.ReadWheel(store) && read.OneScreenChecked && read.SavedWheelLevel == 1, "one screen reads back");
    oneScreen.WriteAndApply(store);
    Check(store.lastCallResults()[3], "SPI_SETWHEELSCROLLLINES takes the one-screen value");
    // The system call may store the value again in its own (unsigned) form.
    read.OneScreenChecked = false;
    Check(read.ReadWheel(store) && read.OneScreenChecked,
          "one screen reads back after the system stored it (" + RegistryText(kDesktopKey, "WheelScrollLines") + ")");
}

void CheckPointerFallbacks()
{
    WinPointerSettingsStore store;
    RegDeleteKeyValueA(HKEY_CURRENT_USER, kMouseKey, "MouseSensitivity");
    RegSetKeyValueA(HKEY_CURRENT_USER, kMouseKey, "DoubleClickSpeed", REG_SZ, "fast", 5);
    PointerSettings read;
    Check(read.ReadMouse(store) && read.PointerSpeedValue == 20 && read.DoubleClickTime == 480,
          "unreadable values give speed 20 and 480 ms");

    // A key that cannot be opened is neither read nor created.
    RegDeleteKeyA(HKEY_CURRENT_USER, kMouseKey);
    PointerSettings untouched;
    untouched.SetSpeedLevel(5);
    Check(!untouched.ReadMouse(store) && untouched.PointerSpeedLevel == 5, "a missing key leaves the state alone");
    untouched.WriteMouse(store);
    Check(!KeyExists(kMouseKey), "writing does not create a missing key");
    EnsureKey(kMouseKey);
}

} // namespace

int main()
{
    CheckEntryPoints();
    CheckDiscovery();
    CheckPointerRoundTrip();
    CheckPointerFallbacks();
    std::printf("%d passed, %d failed\n", passed, failed);
    return failed == 0 ? 0 : 1;
}
