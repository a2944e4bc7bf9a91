// SPDX-License-Identifier: GPL-2.0-or-later
#include "device/ui/ConfigurationHome.h"

#include "config/ImageLayout.h"
#include "device/DriverChannel.h"
#include "macros/MacroFiles.h"

namespace tarq {

namespace {

QString Latin1(std::string_view text) { return QString::fromLatin1(text.data(), qsizetype(text.size())); }

// The mouse's memory holds the configuration.
class EepromHome final : public ConfigurationHome {
public:
    // ---- transfers ----
    void Read(Transfers& steps) const override { steps.ReadMouseDevInfo(); }
    bool Apply(Transfers& steps) const override { return steps.DownloadParameter(); }
    // Every reset takes a file of the numbered image (the built-in image when it is missing).
    void Reset(Transfers& steps, int number) const override
    {
        steps.TLDefaultParameter(QStringLiteral("TARQ54xData_Cfg%1.bin").arg(number == 0 ? 1 : number));
    }
    bool SaveProfile(Transfers& steps, const QString& target, QString* error) const override
    {
        return steps.SaveImageProfile(target, error);
    }
    void LoadProfile(Transfers& steps, const QByteArray& file, const QString& chosen) const override
    {
        steps.LoadImageProfile(file, chosen);
    }
    qint64 ProfileReadLimit() const override { return kDeviceImageSize; }
    qint64 ProfileShortest() const override { return kDeviceImageSize; }

    // ---- macro library ----
    QString LibraryFileName() const override { return Latin1(kMacroFileName); }

    // ---- fire data ----

    // ---- settings and pages ----
};

// The companion driver holds the configuration.
class DriverHome final : public ConfigurationHome {
public:
    // ---- transfers ----
    void Read(Transfers& steps) const override { steps.ReadDriverDevInfo(); }
    bool Apply(Transfers& steps) const override
    {
        steps.DownloadDriverParameter();
        return true;
    }
    // The engineer page's Default takes the driver's factory store.
    void Reset(Transfers& steps, int number) const override
    {
        steps.TLDefaultDriverParameter(number == 0 ? QStringLiteral("default_config1.bin")
                                                   : QStringLiteral("Driver_TARQ54xData_Cfg%1.bin").arg(number));
    }
    bool SaveProfile(Transfers& steps, const QString& target, QString* error) const override
    {
        return steps.SaveDriverProfile(target, error);
    }
    void LoadProfile(Transfers& steps, const QByteArray& file, const QString&) const override
    {
        steps.LoadDriverProfile(file);
    }
    qint64 ProfileReadLimit() const override { return store::kResetFileSize; }
    qint64 ProfileShortest() const override { return store::kProfileFileSize; }

    // ---- macro library ----
    QString LibraryFileName() const override { return Latin1(kDriverMacroFileName); }

    // ---- fire data ----

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
