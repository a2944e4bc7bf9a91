// SPDX-License-Identifier: GPL-2.0-or-later
#pragma once
// TForm2, the combination-key dialog ("Assembly Key"): four modifier check boxes and the key
// taken in Edt_Assembly. Opened by the assignment editor (Key_AssemblyClick); Confirm puts the
// result into the form state (CombinationKeyName, CombinationKeyCode, CombinationKeyReady) and
// signals confirmed(), which the assignment editor answers with ApplyCombinationKey. Confirm
// with neither a key nor a modifier closes the dialog without a result.

#include <QDialog>
#include <QString>

#include <cstdint>

class QCheckBox;
class QLineEdit;

namespace tarq {

class KeyDialogSkin;
struct FormState;

class TForm2 : public QDialog {
    Q_OBJECT
public:
    TForm2(FormState& state, QWidget* mainWindow);

    void FocusEdit();
    // A key went down in the edit: its Windows virtual-key code and the held modifiers.
    void Edt_AssemblyKeyDown(uint16_t virtualKey, bool shift, bool ctrl, bool alt);
    void CB_CtrlClick() { ModifierClicked(0); }
    void CB_ShiftClick() { ModifierClicked(1); }
    void CB_AltClick() { ModifierClicked(2); }
    void CB_WinClick() { ModifierClicked(3); }
    void IB_ConfirmClick();
    void IB_CancelClick();
    void IB_CloseClick();

signals:
    void confirmed();

protected:
    bool eventFilter(QObject* watched, QEvent* event) override;

private:
    void FormCreate();
    void RefreshControl();
    uint8_t RefreshModify() const;
    void CBSetFocus();
    void ModifierClicked(int index);

    FormState& state_;
    KeyDialogSkin* skin_ = nullptr;
    QLineEdit* edit_ = nullptr;
    QCheckBox* boxes_[4] = {};
    QString keyName_;
    uint8_t usage_ = 0;
    bool keyTaken_ = false;
    QString modifierText_;
};

} // namespace tarq
