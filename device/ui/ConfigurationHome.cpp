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
    void WriteFireData(const std::function<void()>& writeToMouse) const override { writeToMouse(); }

    // ---- settings and pages ----
};

// The companion driver holds the configuration.
class DriverHome final : public ConfigurationHome {
public:
    // ---- transfers ----

    // ---- macro library ----
    QString LibraryFileName() const override { return Latin1(kDriverMacroFileName); }

    // ---- fire data ----
    void WriteFireData(const std::function<void()>&) const override {}

    // ---- settings and pages ----
};

} // namespace

std::unique_ptr<ConfigurationHome> MakeConfigurationHome(ConfigurationMode mode)
{
    if (mode == ConfigurationMode::Driver)
        return std::make_unique<DriverHome>();
    return std::make_unique<EepromHome>();
}

} // namespace tarq
