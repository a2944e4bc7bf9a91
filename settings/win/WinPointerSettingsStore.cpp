// SPDX-License-Identifier: GPL-2.0-or-later
#include "settings/win/WinPointerSettingsStore.h"

#include <windows.h>

#include <string>

namespace tarq {
namespace {

constexpr const char* kMouseKey = "Control Panel\\Mouse";
constexpr const char* kDesktopKey = "Control Panel\\Desktop";

constexpr UINT kSetMouseSpeed = 0x0071;          // SPI_SETMOUSESPEED
constexpr UINT kSetMouse = 0x0004;               // SPI_SETMOUSE
constexpr UINT kSetDoubleClickTime = 0x0020;     // SPI_SETDOUBLECLICKTIME
constexpr UINT kSetWheelScrollLines = 0x0069;    // SPI_SETWHEELSCROLLLINES
constexpr UINT kSendChange = 2;                  // SPIF_SENDCHANGE
constexpr UINT kUpdateIniFile = 1;               // SPIF_UPDATEINIFILE
constexpr const char* kOneScreenUnsigned = "4294967295";   // WHEEL_PAGESCROLL as a UINT

// An opened key of the current user, closed when it goes out of scope.
class UserKey {
public:
    UserKey(const char* path, REGSAM access)
    {
        if (RegOpenKeyExA(HKEY_CURRENT_USER, path, 0, access, &key_) != ERROR_SUCCESS)
            key_ = nullptr;
    }
    ~UserKey()
    {
        if (key_)
            RegCloseKey(key_);
    }
    UserKey(const UserKey&) = delete;
    UserKey& operator=(const UserKey&) = delete;

    explicit operator bool() const { return key_ != nullptr; }

    // The text of a string value; nullopt when it is missing, too long or not a string.
    std::optional<std::string> text(const char* name) const
    {
        DWORD type = 0;
        char buffer[64] = {};
        DWORD size = sizeof buffer - 1;
        if (RegQueryValueExA(key_, name, nullptr, &type, reinterpret_cast<BYTE*>(buffer), &size) != ERROR_SUCCESS)
            return std::nullopt;
        if (type != REG_SZ && type != REG_EXPAND_SZ)
            return std::nullopt;
        buffer[size < sizeof buffer ? size : sizeof buffer - 1] = '\0';
        return std::string(buffer);
    }

    // The number in a string value; nullopt when it is missing, not a string or not a number.
    std::optional<int> number(const char* name) const
    {
        const auto value = text(name);
        return value ? ParseDecimal(*value) : std::nullopt;
    }

    bool has(const char* name) const
    {
        return RegQueryValueExA(key_, name, nullptr, nullptr, nullptr, nullptr) == ERROR_SUCCESS;
    }

    bool setNumber(const char* name, int value) const
    {
        const std::string text = std::to_string(value);
        return RegSetValueExA(key_, name, 0, REG_SZ, reinterpret_cast<const BYTE*>(text.c_str()),
                              static_cast<DWORD>(text.size() + 1)) == ERROR_SUCCESS;
    }

private:
    HKEY key_ = nullptr;
};

} // namespace

std::optional<MousePointerValues> WinPointerSettingsStore::readMouse()
{
    UserKey key(kMouseKey, KEY_READ);
    if (!key)
        return std::nullopt;
    MousePointerValues values;
    values.speed = key.number("MouseSensitivity");
    values.acceleration = key.number("MouseSpeed");
    values.threshold1 = key.number("MouseThreshold1");
    values.threshold2 = key.number("MouseThreshold2");
    values.doubleClickTime = key.number("DoubleClickSpeed");
    return values;
}

std::optional<int> WinPointerSettingsStore::readWheel()
{
    UserKey key(kDesktopKey, KEY_READ);
    if (!key || !key.has("WheelScrollLines"))
        return std::nullopt;
    const auto text = key.text("WheelScrollLines");
    if (!text)
        return std::nullopt;
    // SystemParametersInfo may store one-screen scrolling as the unsigned form of -1.
    if (ParseDecimal(*text) == std::nullopt && *text == kOneScreenUnsigned)
        return kOneScreen;
    return ParseDecimal(*text);
}

bool WinPointerSettingsStore::writeMouse(const MousePointerValues& values)
{
    UserKey key(kMouseKey, KEY_READ | KEY_WRITE);
    if (!key)
        return false;
    bool ok = true;
    const auto put = [&](const char* name, const std::optional<int>& value) {
        if (value)
            ok = key.setNumber(name, *value) && ok;
    };
    put("MouseSensitivity", values.speed);
    put("MouseSpeed", values.acceleration);
    put("MouseThreshold1", values.threshold1);
    put("MouseThreshold2", values.threshold2);
    put("DoubleClickSpeed", values.doubleClickTime);
    return ok;
}

bool WinPointerSettingsStore::writeWheel(int lines)
{
    UserKey key(kDesktopKey, KEY_READ | KEY_WRITE);
    return key && key.setNumber("WheelScrollLines", lines);
}

bool WinPointerSettingsStore::apply(const AppliedPointerValues& values)
{
    // The speed travels in pvParam itself; Wine takes it from uiParam instead (and sets the
    // speed 0 from a uiParam of 0), so it goes in both: Windows does not read uiParam here.
    // The mouse triple is in the system's order: threshold 1, threshold 2, acceleration.
    int mouse[3] = {values.precision.threshold1, values.precision.threshold2, values.precision.acceleration};
    lastCalls_[0] = SystemParametersInfoA(kSetMouseSpeed, static_cast<UINT>(values.speed),
                                          reinterpret_cast<PVOID>(static_cast<INT_PTR>(values.speed)), kSendChange) != FALSE;
    lastCalls_[1] = SystemParametersInfoA(kSetMouse, 0, mouse, kSendChange) != FALSE;
    lastCalls_[2] = SystemParametersInfoA(kSetDoubleClickTime, static_cast<UINT>(values.doubleClickTime), nullptr,
                                          kSendChange) != FALSE;
    // -1 becomes WHEEL_PAGESCROLL, the system's one-screen value.
    lastCalls_[3] = SystemParametersInfoA(kSetWheelScrollLines, static_cast<UINT>(values.wheelLines), nullptr,
                                          kUpdateIniFile) != FALSE;
    return lastCalls_[0] && lastCalls_[1] && lastCalls_[2] && lastCalls_[3];
}

} // namespace tarq
