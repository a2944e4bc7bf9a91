// SPDX-License-Identifier: GPL-2.0-or-later
#pragma once
// TForm5, the single-key dialog ("Input One Key"): the key taken in Edt_EditKey, as a macro
// event line for a key press or a key release. The macro page's event edit opens it with
// AskKey; OK keeps the edit's text (KeyText) and the event line (ResultLine), marks the
// dialog Confirmed and signals confirmed().

#include <QDialog>
#include <QString>

#include <cstdint>

class QLineEdit;

namespace tarq {

class KeyDialogSkin;
struct AppContext;

class TForm5 : public QDialog {
    Q_OBJECT
public:
    // The event a key makes: its line reads "<key> CODE:82<usage>" for a press and
    // "<key> CODE:02<usage>" for a release.
    enum class KeyEvent { Press = 1, Release = 2 };

    TForm5(const AppContext& state, QWidget* mainWindow, KeyEvent event = KeyEvent::Press);

    // Opens the dialog modally for `event` and waits: the event line of the key confirmed, or
    // an empty text when the dialog was closed or confirmed without a key.
    static QString AskKey(const AppContext& state, QWidget* mainWindow, KeyEvent event);

    // The event the next key makes.
    void SetKeyEvent(KeyEvent event) { event_ = event; }

    void FocusEdit();
    // Every key is taken, modifiers and Windows keys included, and replaces the one before.
    void Edt_EditKeyKeyDown(uint16_t virtualKey);
    void IB_ConfirmClick();
    void IB_CancelClick();
    void IB_CloseClick();

    // The line of the last key taken ("A CODE:8204"); empty before one.
    QString ResultLine() const { return result_; }
    // Whether OK was pressed, and the edit's text then.
    bool Confirmed() const { return confirmed_; }
    QString KeyText() const { return keyText_; }

signals:
    void confirmed();

protected:
    bool eventFilter(QObject* watched, QEvent* event) override;

private:
    void FormCreate();

    const AppContext& state_;
    KeyDialogSkin* skin_ = nullptr;
    QLineEdit* edit_ = nullptr;
    QString keyName_;
    uint8_t usage_ = 0;
    bool keyTaken_ = false;
    KeyEvent event_;
    QString result_;
    bool confirmed_ = false;
    QString keyText_;
};

} // namespace tarq
