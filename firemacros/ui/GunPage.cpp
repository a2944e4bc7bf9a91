// SPDX-License-Identifier: GPL-2.0-or-later
#include "firemacros/ui/GunPage.h"

#include <QAbstractButton>
#include <QLabel>
#include <QListWidget>

#include "device/ui/BusyScope.h"
#include "app/FormState.h"
#include "config/ImageLayout.h"
#include "device/DeviceSession.h"
#include "firemacros/BasicFirePattern.h"
#include "firemacros/FireDataTransfer.h"
#include "firemacros/FireMacro.h"
#include "firemacros/GunTable.h"
#include "firemacros/ui/GunSlotEdits.h"
#include "settings/KeyCode.h"
#include "settings/ui/ShownControls.h"
#include "ui/Controls.h"
#include "ui/SkinLabel.h"
#include "ui/WindowServices.h"

namespace tarq {

namespace {

constexpr int kGunPage = 5;
constexpr int kButtonPage = 1;
constexpr int kLeftClickText = 210;
constexpr int kKeepLeftText = 108;
constexpr int kFirstGunName = 600;
constexpr int kFireDataNotReadyText = 893;
constexpr int kFireDataDriverModeText = 894;
constexpr int kFireDataNotStoredText = 895;
constexpr int kFireDataBrokeOffText = 896;

QString GunPicture(int gun, bool highlighted)
{
    return QStringLiteral("Gun%1_%2").arg(gun).arg(highlighted ? QStringLiteral("02") : QStringLiteral("01"));
}

} // namespace

GunPage::GunPage(FormState& state, Controls& controls, WindowServices& window)
    : QObject(window.Window()), state_(state), controls_(controls), window_(window),
      slots_(std::make_unique<GunSlotEdits>(state, controls, window, this))
{
}

GunPage::~GunPage() = default;

void GunPage::Wire()
{
    if (auto* base = controls_.get<TSkinLabel>("Img_Base_5"))
        connect(base, &TSkinLabel::doubleClicked, this, [this] { Img_Base_5DblClick(); });
    for (int g = 1; g <= kGunCount; ++g) {
        for (const QString& name : {shown::Numbered("Btn_Fire", g), shown::Numbered("Img_Fire", g)}) {
            auto* label = controls_.find<TSkinLabel>(name);
            if (!label)
                continue;
            connect(label, &TSkinLabel::clicked, this, [this, g] { Btn_FireClick(g); });
            connect(label, &TSkinLabel::mouseEntered, this, [this, g] { Btn_FireMouseEnter(g); });
            connect(label, &TSkinLabel::mouseLeft, this, [this, g] { Btn_FireMouseLeave(g); });
        }
    }
    const std::pair<const char*, const char*> buttons[] = {{"Btn_FireConfirm", "Img_FireConfirm"},
                                                           {"Btn_FireExit", "Img_FireExit"},
                                                           {"Btn_FireEditor", "Img_FireEditor"},
                                                           {"Btn_FireBasic", "Img_FireBasic"}};
    for (const auto& [button, picture] : buttons) {
        auto* label = controls_.get<TSkinLabel>(button);
        if (!label)
            continue;
        const QString image = QString::fromLatin1(picture);
        connect(label, &TSkinLabel::mouseEntered, this, [this, image] { window_.SetPicture(image, "BtnS_02"); });
        connect(label, &TSkinLabel::mouseLeft, this, [this, image] { window_.SetPicture(image, "BtnS_01"); });
    }
    if (auto* confirm = controls_.get<TSkinLabel>("Btn_FireConfirm"))
        connect(confirm, &TSkinLabel::clicked, this, &GunPage::Btn_FireConfirmClick);
    if (auto* exit = controls_.get<TSkinLabel>("Btn_FireExit"))
        connect(exit, &TSkinLabel::clicked, this, &GunPage::Btn_FireExitClick);
    if (auto* editor = controls_.get<TSkinLabel>("Btn_FireEditor"))
        connect(editor, &TSkinLabel::clicked, this, &GunPage::Btn_FireEditorClick);
    if (auto* basic = controls_.get<TSkinLabel>("Btn_FireBasic"))
        connect(basic, &TSkinLabel::clicked, this, &GunPage::Btn_FireBasicClick);
    slots_->Wire();
}

void GunPage::Img_Base_5DblClick()
{
    if (hooks.showFireEditor)
        hooks.showFireEditor();
    slots_->MakeRoomForEditor(true);
}

void GunPage::HideFireEditor()
{
    if (hooks.hideFireEditor)
        hooks.hideFireEditor();
    slots_->MakeRoomForEditor(false);
}

void GunPage::Key_FireMacroClick()
{
    if (hooks.hideAllMenu)
        hooks.hideAllMenu();
    if (hooks.showOnlyPage)
        hooks.showOnlyPage(kGunPage);
    Btn_FireClick(1);
}

int GunPage::SelectedGun() const
{
    for (int g = 1; g <= kGunCount; ++g)
        if (shown::IsChecked(controls_, shown::Numbered("rb_Fire", g)))
            return g;
    return slots_->Gun();
}

void GunPage::Btn_FireClick(int gun)
{
    shown::SetChecked(controls_, shown::Numbered("rb_Fire", gun), true);
    for (int g = 1; g <= kGunCount; ++g)
        window_.SetPicture(shown::Numbered("Img_Fire", g), GunPicture(g, g == gun));
    slots_->LoadGun(gun);
    OfferBasicPattern();
}

void GunPage::Btn_FireMouseEnter(int gun)
{
    window_.SetPicture(shown::Numbered("Img_Fire", gun), GunPicture(gun, true));
}

void GunPage::Btn_FireMouseLeave(int gun)
{
    if (SelectedGun() != gun)
        window_.SetPicture(shown::Numbered("Img_Fire", gun), GunPicture(gun, false));
}

void GunPage::LeavePage(const QString& buttonPicture)
{
    if (hooks.hideAllMenu)
        hooks.hideAllMenu();
    HideFireEditor();
    if (auto* list = controls_.get<QListWidget>("LB_macro"))
        list->clear();
    window_.SetPicture(buttonPicture, "BtnS_03");
    if (hooks.showOnlyPage)
        hooks.showOnlyPage(kButtonPage);
}

void GunPage::Btn_FireExitClick()
{
    // The changes already made stay in FireMacroWork and DataBuf; a later Confirm commits them.
    LeavePage("Img_FireExit");
}

void GunPage::Btn_FireConfirmClick()
{
    LeavePage("Img_FireConfirm");

    const int k = hooks.menuKeyNumber ? hooks.menuKeyNumber() : 0;
    if (k < 1 || k > static_cast<int>(databuf::kButtonCount))
        return;
    const QString caption = shown::Numbered("Key", k);
    auto captionOf = [this](const QString& name) {
        auto* label = controls_.find<QLabel>(name);
        return label ? label->text() : QString();
    };
    const QString left = state_.Text(kLeftClickText);
    int lefts = 0;
    for (int b = 1; b <= static_cast<int>(databuf::kButtonCount); ++b)
        if (captionOf(shown::Numbered("Key", b)) == left)
            ++lefts;
    if (captionOf(caption) == left && lefts == 1) {
        if (hooks.message)
            hooks.message(state_.Text(kKeepLeftText));
        return;
    }

    const int gun = SelectedGun();
    shown::SetText(controls_, caption, state_.Text(kFirstGunName + gun - 1));
    const std::string code = GunKeyCode(gun, state_.Org.gun6Num, state_.Org.gun7Num);
    if (hooks.gameView && hooks.gameView()) {
        if (const std::optional<KeyCode> bytes = ParseKeyCode(code)) {
            state_.GameKeyCodes[size_t(k - 1)] = code;
            const size_t at = databuf::KeyCodeOffset(2, k);
            state_.DataBuf[at] = bytes->type;
            state_.DataBuf[at + 1] = bytes->data1;
            state_.DataBuf[at + 2] = bytes->data2;
        }
    }
    CopyFireRecordsToArea(state_.FireMacroWork, state_.MacroAreas.fireMacroArea);
    TellFireDataOutcome(WriteFireData(true));
}

GunPage::FireDataOutcome GunPage::WriteFireData(bool withTables)
{
    if (!(state_.Home.Mode() == ConfigurationMode::Eeprom))
        return FireDataOutcome::DriverMode;
    DeviceSession* device = hooks.device ? hooks.device() : nullptr;
    if (!device || !device->Link.mouseOpen())
        return FireDataOutcome::NoMouse;
    const BusyScope paused(state_, window_, BusyScope::TimerOnly);
    window_.ShowLoadingScreen();
    const std::span<const uint8_t> buf(state_.DataBuf);
    std::vector<FireDataBlock> blocks;
    if (withTables)
        for (const ParameterBlock& b : {layout::kFirePointerTable, layout::kYOffsetTable, layout::kFireColourTable})
            blocks.push_back({b.image.address, buf.subspan(b.dataBufOffset, b.image.length)});
    blocks.push_back({kFireMacroAreaAddress, std::span<const uint8_t>(state_.MacroAreas.fireMacroArea)});
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
    if (hooks.message)
        hooks.message(state_.Text(text));
}

void GunPage::Btn_FireEditorClick()
{
    if (hooks.hideAllMenu)
        hooks.hideAllMenu();
    Img_Base_5DblClick();
}

void GunPage::OfferBasicPattern()
{
    bool empty = false;
    for (int c = 1; c <= GunColumnCount(SelectedGun()); ++c)
        empty = empty || FireMacroIsEmpty(slots_->RecordOf(c));
    for (const char* name : {"lbl_FireEmpty", "Btn_FireBasic", "Img_FireBasic"})
        shown::SetVisible(controls_, name, empty);
}

bool GunPage::FireMacroIsEmpty(int record) const
{
    if (record < 1)
        return false;
    const auto bytes = FireMacroRecordOf(std::span<const uint8_t>(state_.FireMacroWork), record);
    // An erased or unreadable record has no events either.
    return FireMacroEventCount(bytes).value_or(0) == 0;
}

void GunPage::Btn_FireBasicClick()
{
    window_.SetPicture("Img_FireBasic", "BtnS_03");
    const int gun = SelectedGun();
    const FireMacroRecord basic = BasicFireMacro();
    for (int c = 1; c <= GunColumnCount(gun); ++c) {
        const int m = slots_->RecordOf(c);
        if (!FireMacroIsEmpty(m))
            continue;
        auto record = FireMacroRecordOf(std::span<uint8_t>(state_.FireMacroWork), m);
        std::copy(basic.begin(), basic.end(), record.begin());
    }
    slots_->LoadGun(gun);
    OfferBasicPattern();
    if (hooks.fireMacrosReplaced)
        hooks.fireMacrosReplaced();
}

void GunPage::FireMacrosReplaced()
{
    slots_->LoadGun(SelectedGun());
    OfferBasicPattern();
    if (hooks.fireMacrosReplaced)
        hooks.fireMacrosReplaced();
}

} // namespace tarq
