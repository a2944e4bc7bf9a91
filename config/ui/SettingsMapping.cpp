// SPDX-License-Identifier: GPL-2.0-or-later
#include "config/ui/SettingsMapping.h"

#include <QAbstractButton>
#include <QComboBox>
#include <QLabel>
#include <QSignalBlocker>

#include "ui/state/AppContext.h"
#include "ui/state/ConfigurationState.h"
#include "macros/MacroName.h"
#include "settings/ui/ShownControls.h"
#include "language/EngineerCaptions.h"
#include "ui/language/LanguageApply.h"
#include "ui/pages/FireKeyControls.h"

namespace tarq {
namespace {

using shown::Numbered;

constexpr int kAimTextId = 222;       // "AIM"
constexpr int kFireKeyTextId = 220;   // "Fire Key"
constexpr int kSliderStep = 100;      // a DPI slider value v means value index v / 100
constexpr int kContinuousFireRepeatShown = 3;
constexpr LedType kLedTypeOrder[] = {LedType::Mcu, LedType::RedBlue, LedType::SevenColourSync,
                                     LedType::SevenColourBreathing};
const QString kNoModeItem = QStringLiteral("------");

QString LedTypeRadio(LedType type) { return QStringLiteral("rb_") + LightDisplay::LedTypeName(type); }

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

SettingsMapping::SettingsMapping(ConfigurationState& config, const AppContext& app, Controls& controls, WindowServices& window,
                                 const DpiPageControls& dpiPage, const LightPageControls& lightPage,
                                 const FireKeyControls& fireKeyPage)
    : config_(config), app_(app), controls_(controls), window_(window), fireKeyPage_(fireKeyPage), names_(std::make_unique<FormKeyNames>(config, app)),
      bindings_(config.Settings, controls), dpi_(config, app, controls, window, dpiPage), light_(config, app, controls, lightPage)
{
}

SettingsModel& SettingsMapping::Model() { return config_.Settings; }

void SettingsMapping::ShowModel() { bindings_.Show(); }

void SettingsMapping::WireBindings() { bindings_.Wire(); }

SettingsMapping::~SettingsMapping() = default;

void SettingsMapping::Wire()
{
    for (int n = 1; n <= LightDisplay::kModes; ++n)
        if (auto* offered = controls_.get<QAbstractButton>(Numbered("cb_Mode", n)))
            QObject::connect(offered, &QAbstractButton::clicked, offered, [this] { TLRefreshMCULEDMode(); });
    if (auto* box = controls_.get<QComboBox>("cb_MCULEDCurrentMode"))
        QObject::connect(box, &QComboBox::activated, box, [this] { light_.cb_MCULEDCurrentModeChange(); });
    if (auto* box = controls_.get<QComboBox>("cb_RBLEDCurrentMode"))
        QObject::connect(box, &QComboBox::activated, box, [this] { light_.cb_RBLEDCurrentModeChange(); });
    if (auto* box = controls_.get<QComboBox>("cb_CPIStep"))
        QObject::connect(box, &QComboBox::activated, box, [this] {
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
    bindings_.TakeWrittenElsewhere();
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
    shown::SetChecked(controls_, LedTypeRadio(*type), true);
    RunLedTypeClick(*type);
}

void SettingsMapping::ShowMcuModeList()
{
    auto* box = controls_.get<QComboBox>("cb_MCULEDCurrentMode");
    const QStringList names = McuModeNames();
    QStringList items;
    for (int n = 1; n <= LightDisplay::kModes; ++n) {
        const bool offered = config_.Settings.mcuModesOffered[n - 1];
        items << (offered ? names.value(n - 1) : kNoModeItem);
        light_.ShowMcuModeOffered(n, offered);
    }
    if (box) {
        const QSignalBlocker quiet(box);
        box->clear();
        box->addItems(items);
        box->setCurrentIndex(config_.Settings.mcuLedCurrentMode);
    }
}

void SettingsMapping::TLRefreshMCULEDMode()
{
    config_.Settings.mcuLedCurrentMode = 0;
    ShowMcuModeList();
}

void SettingsMapping::ShowAdvancedFireKey()
{
    const SettingsModel& s = config_.Settings;
    const FireKeyControls& page = fireKeyPage_;
    page.continuous->setPicture(shown::CheckPicture(s.fireContinuous));
    // Continuous fire has no shot count: the repeat edit shows a placeholder and is greyed.
    shown::SetText(page.shots, QString::number(s.fireContinuous ? kContinuousFireRepeatShown : s.fireCountIndex + 1));
    page.shots->setEnabled(!s.fireContinuous);
    shown::SetText(page.interval, QString::number(s.fireInterval));
}

void SettingsMapping::ShowLongPressPictures()
{
    const uint8_t flags = config_.DataBuf[databuf::kFlags1];
    const uint8_t bits[] = {flags1::kLongPressMiddle, flags1::kLongPressDpi, flags1::kLongPressGunKey};
    for (int n = 1; n <= 3; ++n)
        window_.SetPicture(Numbered("Img_ComboKey", n), shown::CheckPicture(flags & bits[n - 1]));
}

void SettingsMapping::ShowKeyModePage()
{
    const bool game = config_.DataBuf[databuf::kKeyMode] & kGameModeBit;
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
        shown::SetIndex(controls_, "cb_AIMKeyValue", *index);
}

void SettingsMapping::RefreshAIMKey()
{
    const std::optional<int> index = AimDpiIndexOfProfile();
    if (!index)
        return;
    config_.AimDpiIndex = *index;
    if (const QString text = dpi_.DpiText(*index); !text.isEmpty())
        shown::SetText(controls_, "lbl_AIMKeyValue", text);
    shown::SetSlider(controls_, "slider_DPI8", *index * kSliderStep);
}

void SettingsMapping::ShowKeyNames(const ButtonKeyCodes& codes, const QString& prefix, int firstNumber)
{
    const ButtonNames names = NamesOf(codes);
    for (int k = 0; k < static_cast<int>(names.size()); ++k)
        shown::SetText(controls_, prefix + QString::number(firstNumber + k), QString::fromStdString(names[k]));
}

void SettingsMapping::TLRefreshProfile1Keys() { ShowKeyNames(config_.OfficeKeyCodes, "btn_Key", 101); }
void SettingsMapping::TLRefreshProfile2Keys() { ShowKeyNames(config_.GameKeyCodes, "btn_Key", 201); }
void SettingsMapping::RefreshProfile1Keys() { ShowKeyNames(config_.OfficeKeyCodes, "Key", 1); }
void SettingsMapping::RefreshProfile2Keys() { ShowKeyNames(config_.GameKeyCodes, "Key", 1); }

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
// Called by the assignment editor, which shows them on the button page.

namespace {
const char* const kLongPressBoxes[] = {"cb_MidPress", "cb_CPIPress", "cb_GunPress"};
} // namespace

bool SettingsMapping::LongPress(int option) const
{
    return shown::IsChecked(controls_, kLongPressBoxes[option - 1]);
}

// The box's own change signal runs, as for the engineer's click: whatever follows the box
// follows this change too.
void SettingsMapping::SetLongPress(int option, bool on)
{
    if (auto* box = controls_.get<QAbstractButton>(kLongPressBoxes[option - 1]))
        box->setChecked(on);
}

void SettingsMapping::WatchLongPress(QObject* context, std::function<void(int option, bool on)> shown)
{
    for (int n = 1; n <= static_cast<int>(std::size(kLongPressBoxes)); ++n)
        if (auto* box = controls_.get<QAbstractButton>(kLongPressBoxes[n - 1]))
            QObject::connect(box, &QAbstractButton::toggled, context, [shown, n](bool on) { shown(n, on); });
}

QString SettingsMapping::ButtonCaption(int k) const
{
    auto* label = controls_.find<QLabel>(Numbered("Key", k));
    return label ? label->text() : QString();
}

void SettingsMapping::SetButtonCaption(int k, const QString& text)
{
    shown::SetText(controls_, Numbered("Key", k), text);
}

namespace {

// A colour channel's edit on the engineer page: "edt_FireMacroColor3G".
QString Channel(const QString& prefix, int n, int channel)
{
    constexpr char kChannels[] = {'R', 'G', 'B'};
    return prefix + QString::number(n) + QLatin1Char(kChannels[channel]);
}

} // namespace

QColor SettingsMapping::FireColour(int record) const
{
    int rgb[3] = {};
    for (int c = 0; c < 3; ++c)
        rgb[c] = std::clamp(shown::NumberOf(controls_, Channel("edt_FireMacroColor", record, c)), 0, 255);
    return QColor(rgb[0], rgb[1], rgb[2]);
}

void SettingsMapping::SetFireColour(int record, const QColor& colour)
{
    const int rgb[3] = {colour.red(), colour.green(), colour.blue()};
    for (int c = 0; c < 3; ++c)
        shown::SetNumber(controls_, Channel("edt_FireMacroColor", record, c), rgb[c]);
}

void SettingsMapping::SetYOffset(int record, int offset)
{
    shown::SetNumber(controls_, Numbered("edt_YOffset", record), offset);
}

} // namespace tarq
