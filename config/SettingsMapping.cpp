#include "config/SettingsMapping.h"

#include "app/Main.h"

namespace tarq {
namespace {

// Key-function names over the form's state.
class FormKeyNames : public KeyCodeNameSource {
public:
    explicit FormKeyNames(const TForm1& form) : form_(form) {}
    std::string LanguageText(int strId) const override { return form_.Text(strId).toStdString(); }
    bool EepromMode() const override { return form_.EepromMode; }
    std::string BaseMacroName(int) const override { return {}; }
    std::optional<std::string> DriverMacroName(int) const override { return std::nullopt; }
    std::optional<GunKeyList> LoadedGunKeyList() const override { return std::nullopt; }

private:
    const TForm1& form_;
};

} // namespace

SettingsMapping::SettingsMapping(TForm1& form) : form_(form), names_(std::make_unique<FormKeyNames>(form)) {}
SettingsMapping::~SettingsMapping() = default;

const KeyCodeNameSource& SettingsMapping::Names() const { return *names_; }

ButtonNames SettingsMapping::NamesOf(const ButtonKeyCodes& codes) const
{
    ButtonNames names;
    for (size_t k = 0; k < codes.size(); ++k)
        names[k] = KeyCodeToName(codes[k], *names_);
    return names;
}

EngineerSettings SettingsMapping::ReadControls() const { return shown_; }
void SettingsMapping::WriteControls(const EngineerSettings& s) { shown_ = s; }

void SettingsMapping::UIToDataBuf() { SettingsToDataBuf(ReadControls(), form_.DataBuf); }

void SettingsMapping::AIMKeyToDataBuf()
{
    AimKeyInputs in;
    in.officeNames = NamesOf(form_.OfficeKeyCodes);
    in.gameNames = NamesOf(form_.GameKeyCodes);
    in.aimText = form_.Text(222).toStdString();
    in.fireKeyText = form_.Text(220).toStdString();
    in.aimDpiIndex = static_cast<uint8_t>(form_.AimDpiIndex);
    in.driverMode = !form_.EepromMode;
    in.fireContinuous = ReadControls().fireContinuous;
    AimKeysToDataBuf(in, form_.DataBuf);
}

void SettingsMapping::DriverModeRefresh()
{
    AIMKeyToDataBuf();
    tarq::DriverModeRefresh(ReadControls(), form_.DataBuf);
}

void SettingsMapping::DataBufToUI()
{
    form_.OfficeKeyCodes = ReadButtonKeyCodes(form_.DataBuf, 1);
    form_.GameKeyCodes = ReadButtonKeyCodes(form_.DataBuf, 2);
    RefreshUI();
}

void SettingsMapping::RefreshUI() { WriteControls(SettingsFromDataBuf(form_.DataBuf, shown_)); }

void SettingsMapping::TLRefreshMCULEDMode() {}
void SettingsMapping::TLRefreshAIMKey() {}
void SettingsMapping::TLRefreshProfile1Keys() {}
void SettingsMapping::TLRefreshProfile2Keys() {}
void SettingsMapping::RefreshAIMKey() {}
void SettingsMapping::RefreshProfile1Keys() {}
void SettingsMapping::RefreshProfile2Keys() {}
void SettingsMapping::ShowLedType(const QString&) {}
void SettingsMapping::ShowCpiAndLedRecord(const CpiAndLedRecord&) {}
CpiAndLedInputs SettingsMapping::RecordInputs() const { return {}; }

} // namespace tarq
