// SPDX-License-Identifier: GPL-2.0-or-later
#include "firemacros/ui/GunPage.h"

#include <QLabel>
#include <QRadioButton>

#include <cstdlib>

#include "config/ImageLayout.h"
#include "device/DeviceSession.h"
#include "device/ui/BusyScope.h"
#include "firemacros/BasicFirePattern.h"
#include "firemacros/FireDataTransfer.h"
#include "firemacros/FireMacro.h"
#include "firemacros/GunTable.h"
#include "firemacros/ui/FireMacroEditor.h"
#include "firemacros/ui/GunSlotEdits.h"
#include "settings/KeyCode.h"
#include "ui/Controls.h"
#include "ui/SkinLabel.h"
#include "ui/WindowServices.h"
#include "ui/pages/ButtonPageControls.h"
#include "ui/pages/GunPageControls.h"
#include "ui/state/AppContext.h"
#include "ui/state/ConfigurationState.h"

namespace tarq {

namespace {

constexpr int kGunPage = 5;
constexpr int kButtonPage = 1;
constexpr int kLeftClickText = 210;
constexpr int kKeepLeftText = 108;
constexpr int kFirstGunNameText = 600;
constexpr int kFireDataNotReadyText = 893;
constexpr int kFireDataDriverModeText = 894;
constexpr int kFireDataNotStoredText = 895;
constexpr int kFireDataBrokeOffText = 896;

QString GunPicture(int gun, bool highlighted)
{
    return QStringLiteral("Gun%1_%2").arg(gun).arg(highlighted ? QStringLiteral("02") : QStringLiteral("01"));
}

// A hook the form must set: an unset one is a wiring fault, not something to skip.
template <class Hook>
const Hook& Required(const Hook& hook, const char* name)
{
    if (!hook) {
        qCritical("GunPage: the hook %s is not set", name);
        if (Controls::Strict())
            std::abort();
        Q_ASSERT_X(false, "GunPage", name);
    }
    return hook;
}

} // namespace

GunPage::GunPage(ConfigurationState& config, const AppContext& app, DeviceTimers& timers, WindowServices& window,
                 GunPageControls& controls, FireMacroEditor& editor, SettingsMapping& shownSettings,
                 const ButtonPageControls& buttons)
    : QObject(window.Window()), config_(config), app_(app), timers_(timers), window_(window), controls_(controls),
      editor_(editor), buttons_(buttons),
      slots_(std::make_unique<GunSlotEdits>(config, app, window, controls, shownSettings, this))
{
}

GunPage::~GunPage() = default;

void GunPage::Wire()
{
    connect(controls_.base, &TSkinLabel::doubleClicked, this, [this] { Img_Base_5DblClick(); });
    for (int g = 1; g <= kGunCount; ++g) {
        for (TSkinLabel* label : {controls_.gunButtons[size_t(g - 1)], controls_.gunPictures[size_t(g - 1)]}) {
            connect(label, &TSkinLabel::clicked, this, [this, g] { Btn_FireClick(g); });
            connect(label, &TSkinLabel::mouseEntered, this, [this, g] { Btn_FireMouseEnter(g); });
            connect(label, &TSkinLabel::mouseLeft, this, [this, g] { Btn_FireMouseLeave(g); });
        }
    }
    connect(controls_.confirm.button, &TSkinLabel::clicked, this, &GunPage::Btn_FireConfirmClick);
    connect(controls_.exit.button, &TSkinLabel::clicked, this, &GunPage::Btn_FireExitClick);
    connect(controls_.editorButton.button, &TSkinLabel::clicked, this, &GunPage::Btn_FireEditorClick);
    connect(controls_.basic.button, &TSkinLabel::clicked, this, &GunPage::Btn_FireBasicClick);
    slots_->Wire();
}

void GunPage::Img_Base_5DblClick()
{
    editor_.ShowEditor();
    slots_->MakeRoomForEditor(true);
}

void GunPage::HideFireEditor()
{
    editor_.HideEditor();
    slots_->MakeRoomForEditor(false);
}

void GunPage::Key_FireMacroClick()
{
    emit menusHideRequested();
    emit pageRequested(kGunPage);
    Btn_FireClick(1);
}

int GunPage::SelectedGun() const
{
    for (int g = 1; g <= kGunCount; ++g)
        if (controls_.gunRadios[size_t(g - 1)]->isChecked())
            return g;
    return slots_->Gun();
}

void GunPage::Btn_FireClick(int gun)
{
    controls_.gunRadios[size_t(gun - 1)]->setChecked(true);
    for (int g = 1; g <= kGunCount; ++g)
        controls_.gunPictures[size_t(g - 1)]->setPicture(GunPicture(g, g == gun));
    slots_->LoadGun(gun);
    OfferBasicPattern();
}

void GunPage::Btn_FireMouseEnter(int gun)
{
    controls_.gunPictures[size_t(gun - 1)]->setPicture(GunPicture(gun, true));
}

void GunPage::Btn_FireMouseLeave(int gun)
{
    if (SelectedGun() != gun)
        controls_.gunPictures[size_t(gun - 1)]->setPicture(GunPicture(gun, false));
}

void GunPage::LeavePage(TSkinLabel* buttonPicture)
{
    emit menusHideRequested();
    HideFireEditor();
    emit pageLeft();
    buttonPicture->setPicture(QStringLiteral("BtnS_03"));
    emit pageRequested(kButtonPage);
}

void GunPage::Btn_FireExitClick()
{
    // The changes already made stay in FireMacroWork and DataBuf; a later Confirm commits them.
    LeavePage(controls_.exit.picture);
}

void GunPage::Btn_FireConfirmClick()
{
    LeavePage(controls_.confirm.picture);

    const int k = Required(hooks.menuKeyNumber, "menuKeyNumber")();
    if (k < 1 || k > static_cast<int>(databuf::kButtonCount))
        return;
    const QString left = app_.Text(kLeftClickText);
    int lefts = 0;
    for (int b = 1; b <= static_cast<int>(databuf::kButtonCount); ++b)
        if (buttons_.keys[size_t(b - 1)]->text() == left)
            ++lefts;
    if (buttons_.keys[size_t(k - 1)]->text() == left && lefts == 1) {
        emit messageRequested(app_.Text(kKeepLeftText));
        return;
    }

    const int gun = SelectedGun();
    buttons_.keys[size_t(k - 1)]->setText(app_.Text(kFirstGunNameText + gun - 1));
    const std::string code = GunKeyCode(gun, app_.Org.gun6Num, app_.Org.gun7Num);
    if (Required(hooks.gameView, "gameView")()) {
        if (WriteButtonKeyCode(config_.DataBuf, 2, k, code))
            config_.GameKeyCodes[size_t(k - 1)] = code;
    }
    CopyFireRecordsToArea(config_.FireMacroWork, config_.MacroAreas.fireMacroArea);
    TellFireDataOutcome(WriteFireData(true));
}

GunPage::FireDataOutcome GunPage::WriteFireData(bool withTables)
{
    // The driver keeps no fire data: the home runs the write only where the mouse's memory holds it.
    FireDataOutcome outcome = FireDataOutcome::DriverMode;
    config_.Home->WriteFireData([&] { outcome = WriteToMouse(withTables); });
    return outcome;
}

GunPage::FireDataOutcome GunPage::WriteToMouse(bool withTables)
{
    DeviceSession* device = Required(hooks.device, "device")();
    if (!device || !device->Link.mouseOpen())
        return FireDataOutcome::NoMouse;
    const BusyScope paused(timers_, window_, BusyScope::TimerOnly);
    window_.ShowLoadingScreen();
    const std::span<const uint8_t> buf(config_.DataBuf);
    std::vector<FireDataBlock> blocks;
    if (withTables)
        for (const ParameterBlock& b : {layout::kFirePointerTable, layout::kYOffsetTable, layout::kFireColourTable})
            blocks.push_back({b.image.address, buf.subspan(b.dataBufOffset, b.image.length)});
    blocks.push_back({kFireMacroAreaAddress, std::span<const uint8_t>(config_.MacroAreas.fireMacroArea)});
    const FireDataWrite outcome = tarq::WriteFireData(device->Protocol, blocks, &device->Link.MouseMemory);
    window_.HideLoadingScreen();
    if (outcome.exchange != ExchangeState::Open)
        return FireDataOutcome::NotReady;
    if (!outcome.wrote)
        return device->Protocol.ConfigReady ? FireDataOutcome::NotStored : FireDataOutcome::NotReady;
    return outcome.transferred ? FireDataOutcome::Written : FireDataOutcome::BrokeOff;
}

void GunPage::TellFireDataOutcome(FireDataOutcome outcome)
{
    int text = 0;
    switch (outcome) {
    case FireDataOutcome::Written: return;
    case FireDataOutcome::NoMouse:
    case FireDataOutcome::NotReady: text = kFireDataNotReadyText; break;
    case FireDataOutcome::DriverMode: text = kFireDataDriverModeText; break;
    case FireDataOutcome::NotStored: text = kFireDataNotStoredText; break;
    case FireDataOutcome::BrokeOff: text = kFireDataBrokeOffText; break;
    }
    emit messageRequested(app_.Text(text));
}

void GunPage::Btn_FireEditorClick()
{
    emit menusHideRequested();
    Img_Base_5DblClick();
}

void GunPage::OfferBasicPattern()
{
    bool empty = false;
    for (int c = 1; c <= GunColumnCount(SelectedGun()); ++c)
        empty = empty || FireMacroIsEmpty(slots_->RecordOf(c));
    for (QWidget* w : {static_cast<QWidget*>(controls_.emptyNote), static_cast<QWidget*>(controls_.basic.button),
                       static_cast<QWidget*>(controls_.basic.picture)})
        w->setVisible(empty);
}

bool GunPage::FireMacroIsEmpty(int record) const
{
    if (record < 1)
        return false;
    const auto bytes = FireMacroRecordOf(std::span<const uint8_t>(config_.FireMacroWork), record);
    // An erased or unreadable record has no events either.
    return FireMacroEventCount(bytes).value_or(0) == 0;
}

void GunPage::Btn_FireBasicClick()
{
    controls_.basic.picture->setPicture(QStringLiteral("BtnS_03"));
    const int gun = SelectedGun();
    const FireMacroRecord basic = BasicFireMacro();
    for (int c = 1; c <= GunColumnCount(gun); ++c) {
        const int m = slots_->RecordOf(c);
        if (!FireMacroIsEmpty(m))
            continue;
        auto record = FireMacroRecordOf(std::span<uint8_t>(config_.FireMacroWork), m);
        std::copy(basic.begin(), basic.end(), record.begin());
    }
    slots_->LoadGun(gun);
    OfferBasicPattern();
    editor_.FireMacrosReplaced();
}

void GunPage::FireMacrosReplaced()
{
    slots_->LoadGun(SelectedGun());
    OfferBasicPattern();
    editor_.FireMacrosReplaced();
}

} // namespace tarq
