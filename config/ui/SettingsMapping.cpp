// SPDX-License-Identifier: GPL-2.0-or-later
#include "config/ui/SettingsMapping.h"

#include <QAbstractButton>
#include <QCheckBox>
#include <QPushButton>
#include <QRadioButton>
#include <QSlider>
#include <QComboBox>
#include <QLabel>
#include <QSignalBlocker>

#include "ui/state/AppContext.h"
#include "ui/state/ConfigurationState.h"
#include "macros/MacroName.h"
#include "settings/ui/ShownControls.h"
#include "language/EngineerCaptions.h"
#include "ui/language/LanguageApply.h"
#include "ui/pages/ButtonPageControls.h"
#include "ui/pages/DpiPageControls.h"
#include "ui/pages/EngineerPageControls.h"
#include "ui/pages/FireKeyControls.h"

namespace tarq {
namespace {

constexpr int kAimTextId = 222;       // "AIM"
constexpr int kFireKeyTextId = 220;   // "Fire Key"
constexpr int kSliderStep = 100;      // a DPI slider value v means value index v / 100
constexpr int kContinuousFireRepeatShown = 3;
const QString kNoModeItem = QStringLiteral("------");


// Key-function names over the form's state.
class FormKeyNames : public KeyCodeNameSource {
public:
    FormKeyNames(const ConfigurationState& config, const AppContext& app) : config_(config), app_(app) {}
    std::string LanguageText(int strId) const override { return app_.Text(strId).toStdString(); }
    // The configuration's home keeps the macros that the codes play.
    std::string MacroNameAt(uint16_t address) const override { return config_.Home->MacroNameAt(address, config_); }

    // The gun key list file's codes, when the file was there at start-up.
    std::optional<GunKeyCodes> LoadedGunKeyList() const override
    {
        if (!config_.GunKeyFileLoaded)
            return std::nullopt;
        GunKeyCodes list{};
        for (size_t i = 0; i < list.size(); ++i) {
            const auto& entry = config_.GunKeyEntries[i];
            list[i] = KeyCode{entry[0], entry[1], entry[2]};
        }
        return list;
    }

private:
    const ConfigurationState& config_;
    const AppContext& app_;
};

// The engineer-page names of the MCU modes, as the current-mode box lists them.
QStringList McuModeNames()
{
    const EngineerCaptions captions(SystemLocaleId());
    QStringList names;
    for (const EngineerListBinding& list : EngineerListBindings())
        if (list.control == "cb_MCULEDCurrentMode")
            for (uint8_t id : list.ids) {
                const std::string_view text = captions.CaptionText(id);
                names << QString::fromUtf8(text.data(), static_cast<qsizetype>(text.size()));
            }
    return names;
}

} // namespace

SettingsMapping::SettingsMapping(ConfigurationState& config, const AppContext& app, const ShownPages& pages)
    : config_(config), app_(app), pages_(pages), names_(std::make_unique<FormKeyNames>(config, app)), engineerEdits_(pages.engineerTab),
      bindings_(config.Settings, SettingsBindings::Views{pages.engineer, pages.engineerTab, pages.fireKey}),
      dpi_(config, app, pages.engineer, pages.dpi), light_(config, app, pages.engineer, pages.light)
{
}

SettingsModel& SettingsMapping::Model() { return config_.Settings; }

void SettingsMapping::ShowModel() { bindings_.Show(); }

void SettingsMapping::WireBindings()
{
    engineerEdits_.Wire();
    bindings_.Wire();
    // The button page shows the long-press options as the engineer page's boxes change them
    // (after the bindings, so that the model has taken the change).
    for (QCheckBox* box : pages_.engineer.longPress)
        QObject::connect(box, &QAbstractButton::toggled, box, [this] { ShowLongPressPictures(); });
}

SettingsMapping::~SettingsMapping() = default;

void SettingsMapping::Wire()
{
    for (QCheckBox* offered : pages_.engineerTab.mcuModes)
        QObject::connect(offered, &QAbstractButton::clicked, offered, [this] { TLRefreshMCULEDMode(); });
    const EngineerSettingsControls& e = pages_.engineer;
    QObject::connect(e.mcuCurrentMode, &QComboBox::activated, e.mcuCurrentMode, [this] { light_.cb_MCULEDCurrentModeChange(); });
    QObject::connect(e.rbCurrentMode, &QComboBox::activated, e.rbCurrentMode, [this] { light_.cb_RBLEDCurrentModeChange(); });
    QObject::connect(e.levelCount, &QComboBox::activated, e.levelCount, [this] {
        dpi_.cb_CPIStepChange();
        bindings_.Show();
    });
}

const KeyCodeNameSource& SettingsMapping::Names() const { return *names_; }

ButtonNames SettingsMapping::NamesOf(const ButtonKeyCodes& codes) const
{
    ButtonNames names;
    for (size_t k = 0; k < codes.size(); ++k)
        names[k] = KeyCodeToName(codes[k], *names_);
    return names;
}

// ---------------------------------------------------------------- model to DataBuf

void SettingsMapping::UIToDataBuf()
{
    SettingsToDataBuf(config_.Settings, config_.DataBuf);
}

void SettingsMapping::AimKeysInto(bool withFireKeyType)
{
    AimKeyInputs in;
    in.officeNames = NamesOf(config_.OfficeKeyCodes);
    in.gameNames = NamesOf(config_.GameKeyCodes);
    in.aimText = app_.Text(kAimTextId).toStdString();
    in.fireKeyText = app_.Text(kFireKeyTextId).toStdString();
    in.aimDpiIndex = static_cast<uint8_t>(config_.AimDpiIndex);
    in.driverMode = withFireKeyType;
    in.fireContinuous = config_.Settings.fireContinuous;
    AimKeysToDataBuf(in, config_.DataBuf);
}

void SettingsMapping::AIMKeyToDataBuf() { AimKeysInto(false); }

void SettingsMapping::DriverModeRefresh()
{
    // The driver takes the fire key's single or continuous kind in its buttons' codes.
    AimKeysInto(true);
    tarq::DriverModeRefresh(config_.Settings, config_.DataBuf);
}

CpiAndLedInputs SettingsMapping::RecordInputs() const
{
    const SettingsModel& s = config_.Settings;
    CpiAndLedInputs in;
    if (s.ledType == LedType::Mcu) {
        in.ledKind = CpiAndLedInputs::LedKind::Mcu;
        in.ledModeIndex = s.mcuLedCurrentMode;
    } else if (s.ledType == LedType::RedBlue) {
        in.ledKind = CpiAndLedInputs::LedKind::Rb;
        in.ledModeIndex = s.rbLedCurrentMode;
    }
    in.ledOn = s.ledOn.value_or(true);
    in.currentDpiLevel = s.currentDpiLevel;
    in.smooth = s.smooth;
    // The value of the current level; no level gives no value (0xFF).
    in.dpiValueIndexOfCurrentLevel = s.currentDpiLevel >= 0 && s.currentDpiLevel < kDpiLevelSlots
        ? s.dpiValueIndexes[s.currentDpiLevel]
        : -1;
    in.ledStep = s.mcuLedStep;
    return in;
}

// ---------------------------------------------------------------- DataBuf to model and pages

void SettingsMapping::DataBufToUI()
{
    config_.OfficeKeyCodes = ReadButtonKeyCodes(config_.DataBuf, 1);
    config_.GameKeyCodes = ReadButtonKeyCodes(config_.DataBuf, 2);
    RefreshUI();
}

LedType SettingsMapping::ShownLedType(const SettingsModel& s) const
{
    return config_.Home->LedTypeShown(LightDisplay::LedTypeFromName(config_.LedTypeName), s.ledType.value_or(LedType::Mcu));
}

void SettingsMapping::RefreshUI()
{
    const DataBuf& buf = config_.DataBuf;
    const SettingsModel previous = config_.Settings;
    // Values this image cannot give (an LED count nibble of 10-15, the mode and step of LED
    // types that have none) stay as they were.
    SettingsModel s = SettingsFromDataBuf(buf, previous);
    // The LED state's mode and step go to the type shown; the MCU list starts at mode 1.
    s.ledType = ShownLedType(s);
    s.rbLedCurrentMode = previous.rbLedCurrentMode;
    s.mcuLedCurrentMode = 0;
    s.mcuLedStep = previous.mcuLedStep;
    TakeLedState(s, ReadLedState(buf));
    config_.Settings = s;

    // The lists whose items depend on the model, then every engineer control.
    ShowMcuModeList();
    dpi_.ShowLevelCount();
    bindings_.Show();
    ShowLedType(LightDisplay::LedTypeName(*s.ledType));
    TLRefreshAIMKey();
    TLRefreshProfile1Keys();
    TLRefreshProfile2Keys();

    dpi_.ShowLevels(buf);
    dpi_.ShowSwatches(buf, LightDisplay::LedTypeFromName(config_.LedTypeName) == LedType::Mcu);
    ShowAdvancedFireKey();
    light_.ShowSwitches(buf);
    light_.ShowLedElements(buf);
    RefreshAIMKey();
    ShowLongPressPictures();
    ShowKeyModePage();
}

void SettingsMapping::RunLedTypeClick(LedType type)
{
    light_.ShowLedTypeControls(type);
    dpi_.ShowSwatchesVisible(type == LedType::Mcu);
}

void SettingsMapping::ShowLedType(const QString& ledTypeName)
{
    config_.LedTypeName = ledTypeName;
    const std::optional<LedType> type = LightDisplay::LedTypeFromName(ledTypeName);
    if (!type)
        return;
    config_.Settings.ledType = *type;
    const auto& order = LightDisplay::kLedTypeOrder;
    shown::SetChecked(pages_.engineer.ledTypes[size_t(std::find(order.begin(), order.end(), *type) - order.begin())], true);
    RunLedTypeClick(*type);
}

void SettingsMapping::ShowMcuModeList()
{
    QComboBox* box = pages_.engineer.mcuCurrentMode;
    const QStringList names = McuModeNames();
    QStringList items;
    for (int n = 1; n <= LightDisplay::kModes; ++n) {
        const bool offered = config_.Settings.mcuModesOffered[n - 1];
        items << (offered ? names.value(n - 1) : kNoModeItem);
        light_.ShowMcuModeOffered(n, offered);
    }
    const QSignalBlocker quiet(box);
    box->clear();
    box->addItems(items);
    box->setCurrentIndex(config_.Settings.mcuLedCurrentMode);
}

void SettingsMapping::TLRefreshMCULEDMode()
{
    config_.Settings.mcuLedCurrentMode = 0;
    ShowMcuModeList();
}

void SettingsMapping::ShowAdvancedFireKey()
{
    const SettingsModel& s = config_.Settings;
    const FireKeyControls& page = pages_.fireKey;
    page.continuous->setPicture(shown::CheckPicture(s.fireContinuous));
    // Continuous fire has no shot count: the repeat edit shows a placeholder and is greyed.
    shown::SetText(page.shots, QString::number(s.fireContinuous ? kContinuousFireRepeatShown : s.fireCountIndex + 1));
    page.shots->setEnabled(!s.fireContinuous);
    shown::SetText(page.interval, QString::number(s.fireInterval));
}

void SettingsMapping::ShowLongPressPictures()
{
    for (int n = 1; n <= ButtonPageControls::kLongPressOptions; ++n)
        pages_.buttons.longPressMarks[size_t(n - 1)]->setPicture(shown::CheckPicture(LongPress(n)));
}

void SettingsMapping::ShowKeyModePage()
{
    const bool game = config_.Settings.keyModeIndex == 1;
    // The view's own steps: its radio button, the menu heights, the gun-key option, the button
    // labels of the key mode, and the first user page alone.
    Q_ASSERT_X(hooks.showKeyModeView, "SettingsMapping", "the hook showKeyModeView is required");
    hooks.showKeyModeView(game);
}

// ---------------------------------------------------------------- buttons and AIM

std::optional<int> SettingsMapping::AimDpiIndexOfProfile() const
{
    return AimDpiIndexOfButtons(config_.DataBuf, NamesOf(config_.OfficeKeyCodes), NamesOf(config_.GameKeyCodes),
                                app_.Text(kAimTextId).toStdString());
}

void SettingsMapping::TLRefreshAIMKey()
{
    if (const std::optional<int> index = AimDpiIndexOfProfile())
        shown::SetIndex(pages_.engineer.aimLevel, *index);
}

void SettingsMapping::RefreshAIMKey()
{
    const std::optional<int> index = AimDpiIndexOfProfile();
    if (!index)
        return;
    config_.AimDpiIndex = *index;
    if (const QString text = dpi_.DpiText(*index); !text.isEmpty())
        pages_.dpi.aimValue->setText(text);
    shown::SetSlider(pages_.dpi.aimSlider, *index * kSliderStep);
}

template <class Caption, size_t N>
void SettingsMapping::ShowKeyNames(const ButtonKeyCodes& codes, const std::array<Caption*, N>& captions)
{
    const ButtonNames names = NamesOf(codes);
    for (size_t k = 0; k < std::min(names.size(), N); ++k)
        captions[k]->setText(QString::fromStdString(names[k]));
}

void SettingsMapping::TLRefreshProfile1Keys() { ShowKeyNames(config_.OfficeKeyCodes, pages_.engineer.keys[0]); }
void SettingsMapping::TLRefreshProfile2Keys() { ShowKeyNames(config_.GameKeyCodes, pages_.engineer.keys[1]); }
void SettingsMapping::RefreshProfile1Keys() { ShowKeyNames(config_.OfficeKeyCodes, pages_.buttons.keys); }
void SettingsMapping::RefreshProfile2Keys() { ShowKeyNames(config_.GameKeyCodes, pages_.buttons.keys); }

// ---------------------------------------------------------------- driver-mode record

void SettingsMapping::ShowCpiAndLedRecord(const CpiAndLedRecord& record)
{
    SettingsModel& s = config_.Settings;
    const int mode = LedMode(record) - 1;
    const auto modePosition = mode >= 0 && mode < SettingsModel::kLedModes ? mode : -1;
    if (s.ledType == LedType::Mcu)
        s.mcuLedCurrentMode = modePosition;
    else if (s.ledType == LedType::RedBlue)
        s.rbLedCurrentMode = modePosition;
    // The record is what the mouse runs: an LED switched off shows as off, so that the next
    // Apply does not switch it back on.
    s.ledOn = !LedOff(record);
    s.mcuLedStep = LedStep(record);
    const int level = CurrentDpiLevel(record);
    s.currentDpiLevel = level >= 0 && level < s.DpiLevelCount() ? level : -1;
    s.smooth = Smoothing(record);
    bindings_.Show();

    if (s.ledType == LedType::Mcu)
        light_.cb_MCULEDCurrentModeChange();
    else if (s.ledType == LedType::RedBlue)
        light_.cb_RBLEDCurrentModeChange();
    light_.ShowLedOnOff(*s.ledOn);
    light_.ShowSpeedStep(LedStep(record));
    dpi_.SetCurrentDpiLevel(level);
}

// ---------------------------------------------------------------- long-press options
// Set by the assignment editor from the button page.

namespace {
constexpr bool SettingsModel::*kLongPressFields[] = {&SettingsModel::longPressMiddle, &SettingsModel::longPressDpi,
                                                     &SettingsModel::longPressGunKey};
} // namespace

bool SettingsMapping::LongPress(int option) const
{
    return config_.Settings.*kLongPressFields[option - 1];
}

void SettingsMapping::SetLongPress(int option, bool on)
{
    config_.Settings.*kLongPressFields[option - 1] = on;
    bindings_.Show();
    ShowLongPressPictures();
}

} // namespace tarq
