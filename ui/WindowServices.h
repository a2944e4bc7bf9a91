// SPDX-License-Identifier: GPL-2.0-or-later
#pragma once
// What a subsystem of the main form may ask of the window itself: messages, the prompts, skin
// pictures by control name, the busy overlays, the loading screen, pumped waits, the window's size
// for the skinned and the engineer pages, and closing. The main form implements it; subsystems receive
// a reference and never the form.

#include <QString>
#include <QtGlobal>

#include <functional>

#include "ui/UserPrompts.h"

class QWidget;

namespace tarq {

// What dialogs that skin themselves take from the window: the current language, whose layout
// section places and colours them, and its font.
struct DialogLook {
    int languageIndex = 1;
    QString fontName;
};

class WindowServices {
public:
    virtual ~WindowServices() = default;

    // How messages reach the user; tests replace them to see the text instead of a modal box.
    // The window sets both before any subsystem exists, and callers rely on it.
    std::function<void(const QString&)> ShowStandardMessage;    // message box, one OK button
    std::function<void(const QString&)> ShowDialogMessage;      // the program's message dialog

    // The dialogs that ask the user for a file, a colour, a name, a delay or a yes/no answer.
    virtual UserPrompts& Prompts() = 0;
    // The window, as the parent of dialogs and the frame of positions.
    virtual QWidget* Window() = 0;
    // Puts a skin picture into a picture control by name; false when there is no such control.
    virtual bool SetPicture(const QString& control, const QString& picture) = 0;
    // The four overlays that keep the pages from being clicked during a transfer.
    virtual void ShowBusyOverlays() = 0;
    virtual void HideBusyOverlays() = 0;
    virtual void ShowLoadingScreen() = 0;
    virtual void HideLoadingScreen() = 0;
    // What the loading screen says is moving, with a bar of bytes done (cleared when hidden).
    virtual void ShowLoadingProgress(const QString& stage, qint64 done, qint64 total) = 0;
    // n times: wait 10 ms, then process pending events.
    virtual void WaitPumping(int n) = 0;
    virtual void SizeWindowToSkin() = 0;
    virtual void SizeWindowForEngineer() = 0;
    virtual void CloseWindow() = 0;
    virtual DialogLook CurrentDialogLook() const { return {}; }
};

} // namespace tarq
