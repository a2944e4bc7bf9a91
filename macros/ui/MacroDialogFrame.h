// SPDX-License-Identifier: GPL-2.0-or-later
#pragma once
// The frame of the macro page's small dialogs (the name dialog TForm3, the delay dialog TForm6
// and the value dialog TForm7): a title, one text field, "OK" (IB_Confirm), "Clear" (IB_Cancel,
// empties the field) and the close button (IB_Close, leaves without a result). "OK" and the
// Return key take the field's text through TakeText() and close the dialog. They wear the key
// dialogs' skin, placed by the same layout keys, in the look of the window that opens them.

#include <QDialog>
#include <QString>

class QLineEdit;

namespace tarq {

class MacroDialogFrame : public QDialog {
    Q_OBJECT
public:
    // The language texts of the macro dialogs: titles and the two buttons.
    static constexpr int kTextMacroName = 510, kTextOk = 511, kTextClear = 512, kTextDelay = 521,
                         kTextInputValue = 523;

    struct Texts {
        QString title;
        QString ok = QStringLiteral("OK");
        QString clear = QStringLiteral("Clear");
    };

    void IB_ConfirmClick();
    void IB_CancelClick();
    void IB_CloseClick();

protected:
    // `fieldName` is the field's object name.
    MacroDialogFrame(QWidget* parent, const QString& objectName, const Texts& texts, const QString& fieldName);

    // What "OK" takes from the field; the field's text as it stands unless a dialog corrects it.
    virtual QString TakeText();

    QLineEdit* Field() const { return field_; }
    // The text "OK" took; empty when the dialog was closed without it.
    const QString& Result() const { return result_; }

private:
    QLineEdit* field_ = nullptr;
    QString result_;
};

} // namespace tarq
