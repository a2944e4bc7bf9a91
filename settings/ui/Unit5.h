// SPDX-License-Identifier: GPL-2.0-or-later
#pragma once
// TForm5, the single-key dialog ("Input One Key"): the key taken in Edt_EditKey. The macro
// editors open it after setting the form state's OneKeyMode (1 key press, 2 key release); OK
// puts OneKeyText and OneKeyResult into the form state and signals confirmed(), and the
// caller takes them over (an empty OneKeyText changes nothing).

#include <QDialog>
#include <QString>

#include <cstdint>

class QLineEdit;

namespace tarq {

class KeyDialogSkin;
struct FormState;

class TForm5 : public QDialog {
    Q_OBJECT
public:
    TForm5(FormState& state, QWidget* mainWindow);

    void FocusEdit();
    // Every key is taken, modifiers and Windows keys included, and replaces the one before.
    void Edt_EditKeyKeyDown(uint16_t virtualKey);
    void IB_ConfirmClick();
    void IB_CancelClick();
    void IB_CloseClick();

    QString ResultLine() const { return result_; }

signals:
    void confirmed();

protected:
    bool eventFilter(QObject* watched, QEvent* event) override;

private:
    void FormCreate();

    FormState& state_;
    KeyDialogSkin* skin_ = nullptr;
    QLineEdit* edit_ = nullptr;
    QString keyName_;
    uint8_t usage_ = 0;
    bool keyTaken_ = false;
    QString result_;
};

} // namespace tarq
