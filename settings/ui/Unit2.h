// SPDX-License-Identifier: GPL-2.0-or-later
#pragma once
// TForm2, the combination-key dialog ("Assembly Key"): four modifier check boxes and the key
// taken in Edt_Assembly. Opened by the assignment editor (Key_AssemblyClick); Confirm keeps the
// combination as the dialog's Result() and signals confirmed(), which the assignment editor
// answers with ApplyCombinationKey. Confirm with neither a key nor a modifier closes the
// dialog without a result; Clear forgets the result.

#include <QDialog>
#include <QString>

#include <cstdint>
#include <optional>

class QCheckBox;
class QLineEdit;

namespace tarq {

class KeyDialogSkin;
struct AppContext;

// A confirmed combination: its name as the edit shows it ("Ctrl+Shift+A") and its key code
// ("02" type, modifier mask, HID usage: "020304").
struct CombinationKey {
    QString name;
    QString code;
};

class TForm2 : public QDialog {
    Q_OBJECT
public:
    TForm2(const AppContext& state, QWidget* mainWindow);

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

    // The combination of the last Confirm; none before one, or after Clear.
    const std::optional<CombinationKey>& Result() const { return result_; }

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

    const AppContext& state_;
    KeyDialogSkin* skin_ = nullptr;
    QLineEdit* edit_ = nullptr;
    QCheckBox* boxes_[4] = {};
    QString keyName_;
    uint8_t usage_ = 0;
    bool keyTaken_ = false;
    QString modifierText_;
    std::optional<CombinationKey> result_;
};

} // namespace tarq
