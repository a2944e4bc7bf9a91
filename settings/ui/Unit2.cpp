// SPDX-License-Identifier: GPL-2.0-or-later
#include "settings/ui/Unit2.h"

#include <QCheckBox>
#include <QKeyEvent>
#include <QLineEdit>

#include "ui/state/AppContext.h"
#include "settings/KeyboardKeys.h"
#include "ui/KeyEventVirtualKey.h"
#include "settings/ui/KeyDialogSkin.h"

namespace tarq {

namespace {

constexpr const char* kModifierNames[4] = {"Ctrl", "Shift", "Alt", "Win"};
constexpr const char* kBoxNames[4] = {"CB_Ctrl", "CB_Shift", "CB_Alt", "CB_Win"};
constexpr const char* kBoxPlaces[4] = {"MK_C", "MK_S", "MK_A", "MK_W"};
constexpr uint16_t kVkLeftWin = 0x5B;
constexpr uint16_t kVkRightWin = 0x5C;

// The modifier keys themselves: while one goes down, it is held.
bool IsModifierKey(uint16_t vk)
{
    return (vk >= 0x10 && vk <= 0x12) || (vk >= 0xA0 && vk <= 0xA5);
}

QString Hex2(int value) { return QStringLiteral("%1").arg(value, 2, 16, QLatin1Char('0')).toUpper(); }

} // namespace

TForm2::TForm2(const AppContext& state, QWidget* mainWindow) : QDialog(mainWindow), state_(state)
{
    setObjectName(QStringLiteral("Form2"));
    FormCreate();
}

void TForm2::FormCreate()
{
    static constexpr KeyDialogKeys keys{"Img_Assembly", "Edt_Assembly", "Size_J", "Color_K", "Color_K_AK", "AKT",
                                        "AKC", "AK_Cfm", "AK_Clear", "AK_Close", 500, 501, 502, 40};
    skin_ = new KeyDialogSkin(this, state_, keys, parentWidget());
    connect(skin_, &KeyDialogSkin::confirmClicked, this, &TForm2::IB_ConfirmClick);
    connect(skin_, &KeyDialogSkin::clearClicked, this, &TForm2::IB_CancelClick);
    connect(skin_, &KeyDialogSkin::closeClicked, this, &TForm2::IB_CloseClick);
    edit_ = skin_->Edit();
    edit_->installEventFilter(this);
    edit_->clear();
    for (int i = 0; i < 4; ++i) {
        boxes_[i] = new QCheckBox(QString::fromLatin1(kModifierNames[i]), this);
        boxes_[i]->setObjectName(QString::fromLatin1(kBoxNames[i]));
        boxes_[i]->setFocusPolicy(Qt::NoFocus);
        skin_->Place(boxes_[i], QString::fromLatin1(kBoxPlaces[i]));
        connect(boxes_[i], &QCheckBox::clicked, this, [this, i] { ModifierClicked(i); });
    }
    keyName_.clear();
    usage_ = 0;
    keyTaken_ = false;
    modifierText_.clear();
}

void TForm2::FocusEdit()
{
    activateWindow();
    edit_->setFocus();
}

bool TForm2::eventFilter(QObject* watched, QEvent* event)
{
    if (watched == edit_ && event->type() == QEvent::KeyPress) {
        const auto* key = static_cast<QKeyEvent*>(event);
        const Qt::KeyboardModifiers mods = key->modifiers();
        Edt_AssemblyKeyDown(VirtualKeyOf(*key), mods & Qt::ShiftModifier,
                            mods & Qt::ControlModifier, mods & Qt::AltModifier);
        return true;   // the dialog's own keys (Escape, Return, Tab) are keys to take here
    }
    return QDialog::eventFilter(watched, event);
}

void TForm2::Edt_AssemblyKeyDown(uint16_t virtualKey, bool shift, bool ctrl, bool alt)
{
    if (keyTaken_) {
        keyName_.clear();
        usage_ = 0;
        RefreshControl();
        edit_->setText(modifierText_);
        keyTaken_ = false;
    }
    // The modifiers come from the check boxes, never from keys held down.
    if (virtualKey == kVkLeftWin || virtualKey == kVkRightWin || shift || ctrl || alt || IsModifierKey(virtualKey))
        return;
    const TKeyboardHookKey key = VirtualKeyToHookKey(virtualKey);
    keyName_ = QString::fromUtf8(KeyDisplayName(key));
    edit_->setText(edit_->text().isEmpty() ? keyName_ : edit_->text() + QLatin1Char('+') + keyName_);
    usage_ = KeyToHidUsage(key);
    keyTaken_ = true;
}

void TForm2::RefreshControl()
{
    QStringList names;
    for (int i = 0; i < 4; ++i)
        if (boxes_[i]->isChecked())
            names << QString::fromLatin1(kModifierNames[i]);
    modifierText_ = names.join(QLatin1Char('+'));
}

uint8_t TForm2::RefreshModify() const
{
    uint8_t mask = 0;
    for (int i = 0; i < 4; ++i)
        if (boxes_[i]->isChecked())
            mask |= static_cast<uint8_t>(1u << i);
    return mask;
}

void TForm2::CBSetFocus() { edit_->setFocus(); }

void TForm2::ModifierClicked(int index)
{
    const QString m = QString::fromLatin1(kModifierNames[index]);
    if (boxes_[index]->isChecked()) {
        RefreshControl();
        QString text = modifierText_;
        if (keyTaken_)
            text += QLatin1Char('+') + keyName_;
        edit_->setText(text);
    } else if (!edit_->text().isEmpty()) {
        QString text = edit_->text();
        if (text == m)
            text.clear();
        else if (text.startsWith(m + QLatin1Char('+')))
            text.remove(0, m.size() + 1);
        else if (const qsizetype at = text.indexOf(QLatin1Char('+') + m); at >= 0)
            text.remove(at, m.size() + 1);
        edit_->setText(text);
        RefreshControl();
    }
    CBSetFocus();
}

void TForm2::IB_ConfirmClick()
{
    // No key and no modifier would make a button that does nothing: that Confirm cancels.
    if (RefreshModify() == 0 && usage_ == 0) {
        IB_CloseClick();
        return;
    }
    result_ = CombinationKey{edit_->text(), QStringLiteral("02") + Hex2(RefreshModify()) + Hex2(usage_)};
    emit confirmed();
    hide();
}

void TForm2::IB_CancelClick()
{
    edit_->clear();
    keyName_.clear();
    usage_ = 0;
    keyTaken_ = false;
    modifierText_.clear();
    for (QCheckBox* box : boxes_)
        box->setChecked(false);
    result_.reset();
    edit_->setFocus();
}

void TForm2::IB_CloseClick() { hide(); }

} // namespace tarq
