// SPDX-License-Identifier: GPL-2.0-or-later
#pragma once
// The skinned frame every small dialog shares: the two key dialogs (TForm2 "Assembly Key",
// TForm5 "Input One Key") and the macro page's name, delay and value dialogs. The message
// picture is the window with its see-through corners; on it the title, the centred edit (read
// only for the key dialogs), and the Confirm/OK, Clear and close buttons with their pointer
// feedback. Positions, font sizes and colours come from the current language's layout section
// under the key names the dialog passes.

#include <QObject>
#include <QString>

#include "ui/WindowServices.h"

class QDialog;
class QLabel;
class QLineEdit;
class QWidget;

namespace tarq {

class TSkinLabel;
struct AppContext;

struct KeyDialogKeys {
    const char* background;   // picture control: "Img_Assembly", "Img_EditKey"
    const char* edit;         // "Edt_Assembly", "Edt_EditKey"
    const char* size;         // "Size_J"
    const char* colour;       // "Color_K": title and buttons
    const char* editColour;   // "Color_K_AK"
    const char* title;        // "AKT": _X, _Y
    const char* editPlace;    // "AKC": _X, _Y, _W
    const char* confirm;      // "AK_Cfm"
    const char* clear;        // "AK_Clear"
    const char* close;        // "AK_Close"
    int titleText;            // Str IDs
    int confirmText;
    int clearText;
    int belowCentre;          // pixels below the main window's vertical centre
};

// The captions of the title and of the two text buttons.
struct DialogTexts {
    QString title;
    QString confirm;
    QString clear;
};

class KeyDialogSkin : public QObject {
    Q_OBJECT
public:
    // Builds the frame on `dialog` and places it over `mainWindow`, with the texts of the key
    // names' Str IDs in the current language.
    KeyDialogSkin(QDialog* dialog, const AppContext& state, const KeyDialogKeys& keys, QWidget* mainWindow);
    // The same with the look and the texts given.
    KeyDialogSkin(QDialog* dialog, const DialogLook& look, const KeyDialogKeys& keys, const DialogTexts& texts,
                  QWidget* mainWindow);

    QLineEdit* Edit() const { return edit_; }
    // Reads a value of the language's layout section (0 when absent).
    int LayoutInt(const QString& key) const;
    // A check box or other control placed by its layout key (_X, _Y) with the body font.
    void Place(QWidget* w, const QString& key) const;
    void StyleBodyText(QWidget* w) const;

signals:
    // The frame's three buttons (IB_Confirm, IB_Cancel, IB_Close) were clicked.
    void confirmClicked();
    void clearClicked();
    void closeClicked();

private:
    TSkinLabel* Button(const QString& name, const QString& picture, const QString& hover,
                       const QString& pressed, const QString& caption, const char* placeKey,
                       void (KeyDialogSkin::*clicked)());

    QDialog* dialog_;
    const DialogLook look_;
    const KeyDialogKeys keys_;
    QLineEdit* edit_ = nullptr;
    QString section_;
    QString resource_;
    QByteArray layoutText_;
};

} // namespace tarq
