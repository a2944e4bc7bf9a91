// SPDX-License-Identifier: GPL-2.0-or-later
#include "settings/gsettings/GSettingsPointerSettingsStore.h"

#include <gio/gio.h>

#include <cmath>

namespace tarq {
namespace {

constexpr const char* kSpeedKey = "speed";
constexpr const char* kProfileKey = "accel-profile";
constexpr const char* kDoubleClickKey = "double-click";

constexpr const char* kNoWheelSetting = "Wheel scroll lines have no desktop-wide setting on Linux.";
constexpr const char* kNoDesktopSettings =
    "This desktop does not share its mouse settings with other programs: change them in its "
    "own settings.";

// Opening a schema that is not installed aborts the process, so it is looked up first; a
// schema of another version that lacks one of the keys counts as missing too.
GSettings* OpenIfInstalled(const std::string& schemaId)
{
    GSettingsSchemaSource* source = g_settings_schema_source_get_default();
    if (!source)
        return nullptr;
    GSettingsSchema* schema = g_settings_schema_source_lookup(source, schemaId.c_str(), TRUE);
    if (!schema)
        return nullptr;
    GSettings* settings = nullptr;
    if (g_settings_schema_has_key(schema, kSpeedKey) && g_settings_schema_has_key(schema, kProfileKey)
        && g_settings_schema_has_key(schema, kDoubleClickKey))
        settings = g_settings_new_full(schema, nullptr, nullptr);
    g_settings_schema_unref(schema);
    return settings;
}

} // namespace

int PointerSpeedOfDesktopSpeed(double speed)
{
    if (!std::isfinite(speed))
        speed = 0.0;
    const double clamped = std::fmin(1.0, std::fmax(-1.0, speed));
    const int level = 1 + static_cast<int>(std::lround((clamped + 1.0) * 5.0));
    return *PointerSpeedForLevel(level);
}

double DesktopSpeedOfPointerSpeed(int speed)
{
    return (PointerSpeedLevelOf(speed) - 1) / 5.0 - 1.0;
}

GSettingsPointerSettingsStore::GSettingsPointerSettingsStore(const std::string& schemaId)
    : settings_(OpenIfInstalled(schemaId))
{
}

GSettingsPointerSettingsStore::~GSettingsPointerSettingsStore()
{
    if (settings_)
        g_object_unref(settings_);
}

PointerSettingSet GSettingsPointerSettingsStore::available() const
{
    if (!settings_)
        return {};
    return {true, true, true, false};
}

std::string GSettingsPointerSettingsStore::unavailableHint() const
{
    return settings_ ? kNoWheelSetting : kNoDesktopSettings;
}

PointerSettingsGap GSettingsPointerSettingsStore::unavailableReason() const
{
    return settings_ ? PointerSettingsGap::NoWheelSetting : PointerSettingsGap::NoSharedSettings;
}

std::optional<MousePointerValues> GSettingsPointerSettingsStore::readMouse()
{
    if (!settings_)
        return std::nullopt;
    MousePointerValues values;
    values.speed = PointerSpeedOfDesktopSpeed(g_settings_get_double(settings_, kSpeedKey));
    gchar* profile = g_settings_get_string(settings_, kProfileKey);
    const PrecisionValues precision = g_strcmp0(profile, "flat") == 0 ? kPrecisionOff : kPrecisionOn;
    g_free(profile);
    values.acceleration = precision.acceleration;
    values.threshold1 = precision.threshold1;
    values.threshold2 = precision.threshold2;
    values.doubleClickTime = g_settings_get_int(settings_, kDoubleClickKey);
    return values;
}

bool GSettingsPointerSettingsStore::writeMouse(const MousePointerValues& values)
{
    if (!settings_)
        return false;
    bool ok = true;
    if (values.speed)
        ok = g_settings_set_double(settings_, kSpeedKey, DesktopSpeedOfPointerSpeed(*values.speed)) && ok;
    if (values.acceleration || values.threshold1 || values.threshold2) {
        const PrecisionValues precision{values.acceleration.value_or(0), values.threshold1.value_or(0),
                                        values.threshold2.value_or(0)};
        ok = g_settings_set_string(settings_, kProfileKey, PrecisionShowsOn(precision) ? "adaptive" : "flat") && ok;
    }
    if (values.doubleClickTime)
        ok = g_settings_set_int(settings_, kDoubleClickKey, *values.doubleClickTime) && ok;
    return ok;
}

bool GSettingsPointerSettingsStore::apply(const AppliedPointerValues&)
{
    if (settings_)
        g_settings_sync();
    return true;
}

} // namespace tarq
