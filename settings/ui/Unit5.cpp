// SPDX-License-Identifier: GPL-2.0-or-later
#include "settings/ui/Unit5.h"

#include <QKeyEvent>
#include <QLineEdit>

#include "ui/state/AppContext.h"
#include "settings/KeyboardKeys.h"
#include "ui/KeyEventVirtualKey.h"
#include "settings/ui/KeyDialogSkin.h"

namespace tarq {

TForm5::TForm5(const AppContext& state, QWidget* mainWindow, KeyEvent event)
    : QDialog(mainWindow), state_(state), event_(event)
{
    setObjectName(QStringLiteral("Form5"));
    FormCreate();
}

QString TForm5::AskKey(const AppContext& state, QWidget* mainWindow, KeyEvent event)
{
    TForm5 dialog(state, mainWindow, event);
    dialog.FocusEdit();
    dialog.exec();
    return dialog.Confirmed() ? dialog.ResultLine() : QString();
}

void TForm5::FormCreate()
{
    static constexpr KeyDialogKeys keys{"Img_EditKey", "Edt_EditKey", "Size_L", "Color_L", "Color_L_MN", "MNT",
                                        "MNC", "MN_Cfm", "MN_Clear", "MN_Close", 520, 511, 512, 0};
    skin_ = new KeyDialogSkin(this, state_, keys, parentWidget());
    connect(skin_, &KeyDialogSkin::confirmClicked, this, &TForm5::IB_ConfirmClick);
    connect(skin_, &KeyDialogSkin::clearClicked, this, &TForm5::IB_CancelClick);
    connect(skin_, &KeyDialogSkin::closeClicked, this, &TForm5::IB_CloseClick);
    edit_ = skin_->Edit();
    edit_->installEventFilter(this);
    edit_->clear();
}

void TForm5::FocusEdit()
{
    activateWindow();
    edit_->setFocus();
}

bool TForm5::eventFilter(QObject* watched, QEvent* event)
{
    if (watched == edit_ && event->type() == QEvent::KeyPress) {
        const auto* key = static_cast<QKeyEvent*>(event);
        Edt_EditKeyKeyDown(VirtualKeyOf(*key));
        return true;
    }
    return QDialog::eventFilter(watched, event);
}

void TForm5::Edt_EditKeyKeyDown(uint16_t virtualKey)
{
    const TKeyboardHookKey key = VirtualKeyToHookKey(virtualKey);
    keyName_ = QString::fromUtf8(KeyDisplayName(key));
    edit_->setText(keyName_);
    usage_ = KeyToHidUsage(key);
    keyTaken_ = true;
    const char* type = event_ == KeyEvent::Press ? "82" : "02";
    result_ = keyName_ + QStringLiteral(" CODE:") + QLatin1String(type)
              + QStringLiteral("%1").arg(usage_, 2, 16, QLatin1Char('0')).toUpper();
}

void TForm5::IB_ConfirmClick()
{
    keyText_ = edit_->text();
    confirmed_ = true;
    emit confirmed();
    hide();
}

void TForm5::IB_CancelClick()
{
    edit_->clear();
    edit_->setFocus();
}

void TForm5::IB_CloseClick() { hide(); }

} // namespace tarq
