// SPDX-License-Identifier: GPL-2.0-or-later
#include "device/ui/ConfigurationHome.h"

#include "macros/MacroFiles.h"

namespace tarq {

namespace {

QString Latin1(std::string_view text) { return QString::fromLatin1(text.data(), qsizetype(text.size())); }

// The mouse's memory holds the configuration.
class EepromHome final : public ConfigurationHome {
public:
    // ---- transfers ----

    // ---- macro library ----
    QString LibraryFileName() const override { return Latin1(kMacroFileName); }

    // ---- fire data ----

    // ---- settings and pages ----
    LedType LedTypeShown(std::optional<LedType>, LedType inImage) const override { return inImage; }
    CarriedLighting LightingCarried() const override { return {}; }
};

// The companion driver holds the configuration.
class DriverHome final : public ConfigurationHome {
public:
    // ---- transfers ----

    // ---- macro library ----
    QString LibraryFileName() const override { return Latin1(kDriverMacroFileName); }

    // ---- fire data ----

    // ---- settings and pages ----
    // The driver's store does not override the type the mouse itself reports.
    LedType LedTypeShown(std::optional<LedType> reported, LedType inImage) const override
    {
        return reported.value_or(inImage);
    }
    // The driver carries the current DPI level and the LED record's mode, on/off and step, but
    // not the chords, the brightness, the key-mode memory or the LED count.
    CarriedLighting LightingCarried() const override { return {false, false, false, false}; }
};

} // namespace

std::unique_ptr<ConfigurationHome> MakeConfigurationHome(ConfigurationMode mode)
{
    if (mode == ConfigurationMode::Driver)
        return std::make_unique<DriverHome>();
    return std::make_unique<EepromHome>();
}

} // namespace tarq
