// SPDX-License-Identifier: GPL-2.0-or-later
#include "config/ui/SettingsMapping.h"

#include <QAbstractButton>
#include <QComboBox>
#include <QLabel>
#include <QSignalBlocker>

#include "app/FormState.h"
#include "macros/MacroName.h"
#include "settings/ui/ShownControls.h"
#include "language/EngineerCaptions.h"
#include "ui/language/LanguageApply.h"

namespace tarq {
namespace {

using shown::Numbered;

constexpr int kAimTextId = 222;       // "AIM"
constexpr int kFireKeyTextId = 220;   // "Fire Key"
constexpr int kSliderStep = 100;      // a DPI slider value v means value index v / 100
constexpr int kContinuousFireIndex = 255;
constexpr int kContinuousFireRepeatShown = 3;
constexpr char kChannels[] = {'R', 'G', 'B'};
constexpr LedType kLedTypeOrder[] = {LedType::Mcu, LedType::RedBlue, LedType::SevenColourSync,
                                     LedType::SevenColourBreathing};
const QString kNoModeItem = QStringLiteral("------");

QString Channel(const QString& prefix, int n, int channel)
{
    return prefix + QString::number(n) + QLatin1Char(kChannels[channel]);
}

QString LedTypeRadio(LedType type) { return QStringLiteral("rb_") + LightDisplay::LedTypeName(type); }

std::string NameText(std::span<const uint8_t> record)
{
    MacroName name{};
    std::copy_n(record.begin(), std::min(record.size(), name.size()), name.begin());
    return QString::fromStdU16String(MacroNameToUtf16(name)).toStdString();
}

// Key-function names over the form's state.
class FormKeyNames : public KeyCodeNameSource {
public:
    explicit FormKeyNames(const FormState& state) : state_(state) {}
    std::string LanguageText(int strId) const override { return state_.Text(strId).toStdString(); }
    bool EepromMode() const override { return (state_.Home.Mode() == ConfigurationMode::Eeprom); }

    std::string BaseMacroName(int page) const override
    {
        const auto& pages = state_.MacroAreas.basePages;
        if (page < 1 || page > static_cast<int>(pages.size()))
            return {};
        return NameText(std::span(pages[page - 1]).first(layout::kMacroPageNameSize));
    }

    std::optional<std::string> DriverMacroName(int index) const override
    {
        const auto& records = state_.AssignedDriverMacros;
        if (index < 0 || index >= static_cast<int>(records.size()))
            return std::nullopt;
        return NameText(records[index]);
    }

    // The gun key list file's codes, when the file was there at start-up.
    std::optional<GunKeyCodes> LoadedGunKeyList() const override
    {
        if (!state_.GunKeyFileLoaded)
            return std::nullopt;
        GunKeyCodes list{};
        for (size_t i = 0; i < list.size(); ++i) {
            const auto& entry = state_.GunKeyEntries[i];
            list[i] = KeyCode{entry[0], entry[1], entry[2]};
        }
        return list;
    }

private:
    const FormState& state_;
};

// nullopt when neither button of the pair is checked: the bit then keeps its value.
std::optional<bool> RadioPair(const Controls& form, const QString& on, const QString& off)
{
    if (shown::IsChecked(form, on))
        return true;
    if (shown::IsChecked(form, off))
        return false;
    return std::nullopt;
}

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

SettingsMapping::SettingsMapping(FormState& state, Controls& controls, WindowServices& window)
    : state_(state), controls_(controls), window_(window), names_(std::make_unique<FormKeyNames>(state)),
      dpi_(state, controls, window), light_(state, controls, window)
{
}

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
        QObject::connect(box, &QComboBox::activated, box, [this] { dpi_.cb_CPIStepChange(); });
}

const KeyCodeNameSource& SettingsMapping::Names() const { return *names_; }

ButtonNames SettingsMapping::NamesOf(const ButtonKeyCodes& codes) const
{
    ButtonNames names;
    for (size_t k = 0; k < codes.size(); ++k)
        names[k] = KeyCodeToName(codes[k], *names_);
    return names;
}

// ---------------------------------------------------------------- controls to DataBuf

EngineerSettings SettingsMapping::ReadControls() const
{
    const Controls& f = controls_;
    EngineerSettings s;
    s.ledOnOffChord = RadioPair(f, "rb_B4CPIOn", "rb_B4CPIOff");
    s.recoilFnLeft = RadioPair(f, "rb_FireFnOn", "rb_FireFnOff");
    s.ledModeChord = RadioPair(f, "rb_LCPIOn", "rb_LCPIOff");
    s.keepKeyMode = RadioPair(f, "rb_Save", "rb_NoSave");
    s.orientationIndex = shown::IndexOf(f, "cb_SensorOri");
    for (LedType type : kLedTypeOrder)
        if (shown::IsChecked(f, LedTypeRadio(type))) {
            s.ledType = type;
            break;
        }
    s.longPressMiddle = shown::IsChecked(f, "cb_MidPress");
    s.longPressDpi = shown::IsChecked(f, "cb_CPIPress");
    s.longPressGunKey = shown::IsChecked(f, "cb_GunPress");
    s.smooth = shown::IsChecked(f, "cb_Smooth");
    s.dpiLevelCountIndex = shown::IndexOf(f, "cb_CPIStep");
    s.mcuLedFullBrightness = RadioPair(f, "rb_MCULED3Control", "rb_MCULED6Control");
    s.mcuLedCount = shown::NumberOf(f, "edt_MCULEDNum");
    for (int n = 1; n <= kDpiLevelSlots; ++n) {
        s.mcuModesOffered[n - 1] = shown::IsChecked(f, Numbered("cb_Mode", n));
        s.dpiValueIndexes[n - 1] = shown::IndexOf(f, Numbered("cb_CPI", n));
        for (int c = 0; c < 3; ++c)
            s.dpiColours[n - 1][c] = shown::NumberOf(f, Channel("edt_CPI", n, c));
    }
    s.currentDpiLevel = shown::IndexOf(f, "cb_CurrentCPI");
    s.mcuLedCurrentMode = shown::IndexOf(f, "cb_MCULEDCurrentMode");
    s.rbLedCurrentMode = shown::IndexOf(f, "cb_RBLEDCurrentMode");
    s.mcuLedStep = shown::NumberOf(f, "edt_MCULEDCrtStep");
    s.ledOn = RadioPair(f, "rb_LEDOn", "rb_LEDOff");
    s.keyModeIndex = shown::IndexOf(f, "cb_KeyMode");
    s.vendorCode = shown::NumberOf(f, "edt_VendorID");
    s.productCode = shown::NumberOf(f, "edt_ProductID");
    for (int m = 1; m <= kFireMacroSlots; ++m) {
        s.yOffsets[m - 1] = shown::NumberOf(f, Numbered("edt_YOffset", m));
        for (int c = 0; c < 3; ++c)
            s.fireMacroColours[m - 1][c] = shown::NumberOf(f, Channel("edt_FireMacroColor", m, c));
    }
    s.fireContinuous = shown::IsChecked(f, "cb_IsFireContinue");
    s.fireCountIndex = shown::IndexOf(f, "cb_FireCount");
    s.fireInterval = shown::NumberOf(f, "edt_FireTime");
    return s;
}

void SettingsMapping::UIToDataBuf() { SettingsToDataBuf(ReadControls(), state_.DataBuf); }

void SettingsMapping::AIMKeyToDataBuf()
{
    AimKeyInputs in;
    in.officeNames = NamesOf(state_.OfficeKeyCodes);
    in.gameNames = NamesOf(state_.GameKeyCodes);
    in.aimText = state_.Text(kAimTextId).toStdString();
    in.fireKeyText = state_.Text(kFireKeyTextId).toStdString();
    in.aimDpiIndex = static_cast<uint8_t>(state_.AimDpiIndex);
    in.driverMode = !(state_.Home.Mode() == ConfigurationMode::Eeprom);
    in.fireContinuous = shown::IsChecked(controls_, "cb_IsFireContinue");
    AimKeysToDataBuf(in, state_.DataBuf);
}

void SettingsMapping::DriverModeRefresh()
{
    AIMKeyToDataBuf();
    tarq::DriverModeRefresh(ReadControls(), state_.DataBuf);
}

CpiAndLedInputs SettingsMapping::RecordInputs() const
{
    CpiAndLedInputs in;
    if (shown::IsChecked(controls_, "rb_MCULED")) {
        in.ledKind = CpiAndLedInputs::LedKind::Mcu;
        in.ledModeIndex = shown::IndexOf(controls_, "cb_MCULEDCurrentMode");
    } else if (shown::IsChecked(controls_, "rb_RBLED")) {
        in.ledKind = CpiAndLedInputs::LedKind::Rb;
        in.ledModeIndex = shown::IndexOf(controls_, "cb_RBLEDCurrentMode");
    }
    in.ledOn = RadioPair(controls_, "rb_LEDOn", "rb_LEDOff").value_or(true);
    in.currentDpiLevel = shown::IndexOf(controls_, "cb_CurrentCPI");
    in.smooth = shown::IsChecked(controls_, "cb_Smooth");
    // The value box of the current level; no level gives no value (0xFF).
    in.dpiValueIndexOfCurrentLevel = in.currentDpiLevel >= 0 && in.currentDpiLevel < kDpiLevelSlots
        ? shown::IndexOf(controls_, Numbered("cb_CPI", in.currentDpiLevel + 1))
        : -1;
    in.ledStep = shown::NumberOf(controls_, "edt_MCULEDCrtStep");
    return in;
}

// ---------------------------------------------------------------- DataBuf to controls

void SettingsMapping::DataBufToUI()
{
    state_.OfficeKeyCodes = ReadButtonKeyCodes(state_.DataBuf, 1);
    state_.GameKeyCodes = ReadButtonKeyCodes(state_.DataBuf, 2);
    RefreshUI();
}

void SettingsMapping::RefreshUI()
{
    const DataBuf& buf = state_.DataBuf;
    // Values the controls cannot take from this image (an LED count nibble of 10-15, the
    // mode and step of LED types that have none) stay as the controls show them.
    const EngineerSettings s = SettingsFromDataBuf(buf, ReadControls());

    ShowSwitchControls(s);
    ShowLedTypeFromImage(s);
    ShowDpiLevelCount(s.dpiLevelCountIndex);
    ShowMcuLedControls(s);
    ShowDpiControls(s);
    ShowLedStateControls(s);
    TLRefreshAIMKey();
    TLRefreshProfile1Keys();
    TLRefreshProfile2Keys();
    ShowFireTables(s);

    dpi_.ShowLevels(buf);
    dpi_.ShowSwatches(buf, LightDisplay::LedTypeFromName(state_.LedTypeName) == LedType::Mcu);
    ShowAdvancedFireKey();
    light_.ShowSwitches(buf);
    light_.ShowLedElements(buf);
    RefreshAIMKey();
    ShowLongPressPictures();
    ShowKeyModePage();
}

void SettingsMapping::ShowSwitchControls(const EngineerSettings& s)
{
    shown::CheckOneOf(controls_, s.ledOnOffChord.value_or(false), "rb_B4CPIOn", "rb_B4CPIOff");
    shown::CheckOneOf(controls_, s.recoilFnLeft.value_or(false), "rb_FireFnOn", "rb_FireFnOff");
    shown::CheckOneOf(controls_, s.ledModeChord.value_or(false), "rb_LCPIOn", "rb_LCPIOff");
    shown::CheckOneOf(controls_, s.keepKeyMode.value_or(true), "rb_Save", "rb_NoSave");
    shown::SetIndex(controls_, "cb_SensorOri", s.orientationIndex);
    shown::SetChecked(controls_, "cb_MidPress", s.longPressMiddle);
    shown::SetChecked(controls_, "cb_CPIPress", s.longPressDpi);
    shown::SetChecked(controls_, "cb_GunPress", s.longPressGunKey);
    shown::SetChecked(controls_, "cb_Smooth", s.smooth);
}

void SettingsMapping::RunLedTypeClick(LedType type)
{
    light_.ShowLedTypeControls(type);
    dpi_.ShowSwatchesVisible(type == LedType::Mcu);
}

void SettingsMapping::ShowLedTypeFromImage(const EngineerSettings& s)
{
    // In driver mode the mouse itself reports its LED type when it is found; the store's
    // section A does not override it.
    if (!(state_.Home.Mode() == ConfigurationMode::Eeprom) && LightDisplay::LedTypeFromName(state_.LedTypeName)) {
        ShowLedType(state_.LedTypeName);
        return;
    }
    const LedType type = s.ledType.value_or(LedType::Mcu);
    ShowLedType(LightDisplay::LedTypeName(type));
}

void SettingsMapping::ShowLedType(const QString& ledTypeName)
{
    state_.LedTypeName = ledTypeName;
    const std::optional<LedType> type = LightDisplay::LedTypeFromName(ledTypeName);
    if (!type)
        return;
    shown::SetChecked(controls_, LedTypeRadio(*type), true);
    RunLedTypeClick(*type);
}

void SettingsMapping::ShowDpiLevelCount(int countIndex)
{
    shown::SetIndex(controls_, "cb_CPIStep", countIndex);
    shown::SetIndex(controls_, "cbb_DPICount", countIndex);
    dpi_.cb_CPIStepChange();
}

void SettingsMapping::ShowMcuLedControls(const EngineerSettings& s)
{
    shown::CheckOneOf(controls_, s.mcuLedFullBrightness.value_or(true), "rb_MCULED3Control", "rb_MCULED6Control");
    shown::SetNumber(controls_, "edt_MCULEDNum", s.mcuLedCount);
    for (int n = 1; n <= kDpiLevelSlots; ++n)
        shown::SetChecked(controls_, Numbered("cb_Mode", n), s.mcuModesOffered[n - 1]);
    TLRefreshMCULEDMode();
}

void SettingsMapping::TLRefreshMCULEDMode()
{
    auto* box = controls_.get<QComboBox>("cb_MCULEDCurrentMode");
    const QStringList names = McuModeNames();
    QStringList items;
    for (int n = 1; n <= LightDisplay::kModes; ++n) {
        const bool offered = shown::IsChecked(controls_, Numbered("cb_Mode", n));
        items << (offered ? names.value(n - 1) : kNoModeItem);
        light_.ShowMcuModeOffered(n, offered);
    }
    if (box) {
        const QSignalBlocker quiet(box);
        box->clear();
        box->addItems(items);
        box->setCurrentIndex(0);
    }
}

void SettingsMapping::ShowDpiControls(const EngineerSettings& s)
{
    for (int n = 1; n <= kDpiLevelSlots; ++n) {
        shown::SetIndex(controls_, Numbered("cb_CPI", n), s.dpiValueIndexes[n - 1]);
        for (int c = 0; c < 3; ++c)
            shown::SetNumber(controls_, Channel("edt_CPI", n, c), s.dpiColours[n - 1][c]);
    }
    shown::SetIndex(controls_, "cb_CurrentCPI", s.currentDpiLevel);
}

void SettingsMapping::ShowLedStateControls(const EngineerSettings& s)
{
    // The mode and step go to the boxes of the LED type shown; the other types have none.
    const LedStateFields led = ReadLedState(state_.DataBuf);
    if (shown::IsChecked(controls_, "rb_RBLED")) {
        shown::SetIndex(controls_, "cb_RBLEDCurrentMode", led.modeIndex);
    } else if (shown::IsChecked(controls_, "rb_MCULED")) {
        shown::SetIndex(controls_, "cb_MCULEDCurrentMode", led.modeIndex);
        shown::SetNumber(controls_, "edt_MCULEDCrtStep", led.step);
    }
    shown::CheckOneOf(controls_, s.ledOn.value_or(true), "rb_LEDOn", "rb_LEDOff");
    shown::SetIndex(controls_, "cb_KeyMode", s.keyModeIndex);
    shown::SetNumber(controls_, "edt_VendorID", s.vendorCode);
    shown::SetNumber(controls_, "edt_ProductID", s.productCode);
}

void SettingsMapping::ShowFireTables(const EngineerSettings& s)
{
    for (int m = 1; m <= kFireMacroSlots; ++m) {
        shown::SetNumber(controls_, Numbered("edt_YOffset", m), s.yOffsets[m - 1]);
        for (int c = 0; c < 3; ++c)
            shown::SetNumber(controls_, Channel("edt_FireMacroColor", m, c), s.fireMacroColours[m - 1][c]);
    }
    shown::SetIndex(controls_, "cb_FireCount", s.fireCountIndex);
    shown::SetNumber(controls_, "edt_FireTime", s.fireInterval);
}

void SettingsMapping::ShowAdvancedFireKey()
{
    const int count = state_.DataBuf[databuf::kFireKeyCount];
    const bool continuous = count == 0xFF;
    window_.SetPicture("Img_FireContinue", shown::CheckPicture(continuous));
    shown::SetChecked(controls_, "cb_IsFireContinue", continuous);
    // Continuous fire has no shot count: the repeat edit shows a placeholder and is greyed.
    shown::SetNumber(controls_, "Edt_Repeat1", continuous ? kContinuousFireRepeatShown : count + 1);
    shown::SetEnabled(controls_, "Edt_Repeat1", !continuous);
    shown::SetIndex(controls_, "cb_FireCount", continuous ? kContinuousFireIndex : count);
    shown::SetNumber(controls_, "Edt_DelayTime1", state_.DataBuf[databuf::kFireKeyInterval]);
}

void SettingsMapping::ShowLongPressPictures()
{
    const uint8_t flags = state_.DataBuf[databuf::kFlags1];
    const uint8_t bits[] = {flags1::kLongPressMiddle, flags1::kLongPressDpi, flags1::kLongPressGunKey};
    for (int n = 1; n <= 3; ++n)
        window_.SetPicture(Numbered("Img_ComboKey", n), shown::CheckPicture(flags & bits[n - 1]));
}

void SettingsMapping::ShowKeyModePage()
{
    const bool game = state_.DataBuf[databuf::kKeyMode] & kGameModeBit;
    // The view's own steps: its radio button, the menu heights, the gun-key option, the button
    // labels of the key mode, and the first user page alone.
    if (hooks.showKeyModeView)
        hooks.showKeyModeView(game);
}

// ---------------------------------------------------------------- buttons and AIM

std::optional<int> SettingsMapping::AimDpiIndexOfProfile() const
{
    return AimDpiIndexOfButtons(state_.DataBuf, NamesOf(state_.OfficeKeyCodes), NamesOf(state_.GameKeyCodes),
                                state_.Text(kAimTextId).toStdString());
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
    state_.AimDpiIndex = *index;
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

void SettingsMapping::TLRefreshProfile1Keys() { ShowKeyNames(state_.OfficeKeyCodes, "btn_Key", 101); }
void SettingsMapping::TLRefreshProfile2Keys() { ShowKeyNames(state_.GameKeyCodes, "btn_Key", 201); }
void SettingsMapping::RefreshProfile1Keys() { ShowKeyNames(state_.OfficeKeyCodes, "Key", 1); }
void SettingsMapping::RefreshProfile2Keys() { ShowKeyNames(state_.GameKeyCodes, "Key", 1); }

// ---------------------------------------------------------------- driver-mode record

void SettingsMapping::ShowCpiAndLedRecord(const CpiAndLedRecord& record)
{
    const int mode = LedMode(record) - 1;
    if (shown::IsChecked(controls_, "rb_MCULED")) {
        shown::SetIndex(controls_, "cb_MCULEDCurrentMode", mode);
        light_.cb_MCULEDCurrentModeChange();
    } else if (shown::IsChecked(controls_, "rb_RBLED")) {
        shown::SetIndex(controls_, "cb_RBLEDCurrentMode", mode);
        light_.cb_RBLEDCurrentModeChange();
    }
    // The record is what the mouse runs: an LED switched off shows as off, so that the next
    // Apply does not switch it back on.
    const bool on = !LedOff(record);
    shown::CheckOneOf(controls_, on, "rb_LEDOn", "rb_LEDOff");
    light_.ShowLedOnOff(on);

    shown::SetNumber(controls_, "edt_MCULEDCrtStep", LedStep(record));
    light_.ShowSpeedStep(LedStep(record));

    shown::SetIndex(controls_, "cb_CurrentCPI", CurrentDpiLevel(record));
    dpi_.SetCurrentDpiLevel(CurrentDpiLevel(record));
    shown::SetChecked(controls_, "cb_Smooth", Smoothing(record));
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
