// SPDX-License-Identifier: GPL-2.0-or-later
#pragma once
// The engineer page (page 6): the ways in, the unlocking of its engineer controls, and its own
// part, the key test (KeyTest). Its settings controls and the engineer tab's edit rules
// (EngineerEdits) belong to SettingsMapping, which shows the settings model there.
//
// Ways in, each through the page change of the engineer page button (Btn_Engineer_0Click), so
// without a mouse each does what a click does:
//  - the engineer page button, shown on every page when the org key Engineer_Enable is 1;
//  - Ctrl+Shift+E anywhere on the main window, except while a macro recording runs, which
//    takes every key the user presses;
//  - the command line option --engineer, once the first device check has acted.

#include <QObject>
#include <QString>

#include <functional>
#include <memory>

#include "ui/pages/FrameControls.h"

class QPushButton;

namespace tarq {

class FeatureProtocol;
class KeyTest;
class MacroRecording;
class WindowServices;
struct AppContext;
struct DeviceTimers;
struct EngineerPageControls;
struct EngineerSettingsControls;

// The key button numbered 101-109 (key mode 1) or 201-209 (key mode 2); null for any other
// number.
QPushButton* EngineerKeyButton(const EngineerSettingsControls& settings, int number);

class EngineerPage : public QObject {
    Q_OBJECT
public:
    // Required: the device session is made after this page, and made again.
    struct Hooks {
        // The device session's protocol; null before the session exists.
        std::function<FeatureProtocol*()> protocol;
    };

    // `frames` carry the engineer page button of pages 1-4; the chord is ignored while
    // `recording` records.
    EngineerPage(DeviceTimers& timers, const AppContext& app, EngineerPageControls& page, const FrameCopies& frames,
                 WindowServices& window, const MacroRecording& recording, Hooks hooks);
    ~EngineerPage() override;

    // Filled by the form; the key test asks these for the protocol.
    Hooks hooks;

    // Connects the double click on the banner, the chord, the edits and the key test.
    void Wire();

    // Unlocks the engineer controls for the rest of the run.
    void Img_Logo4DblClick();

    // The engineer page button on pages 1-4 and 6, as the org key Engineer_Enable says.
    void ShowEngineerButtons(bool shown);
    // Opens the page once the first device check has acted (at once when it is not running).
    void OpenWhenDeviceCheckActed();

    KeyTest& Keys() { return *keyTest_; }

    // The caption of a key button, btn_Key101 … btn_Key109 (key mode 1) and btn_Key201 …
    // btn_Key209 (key mode 2): the assignment editor shows a button's function on it.
    QString KeyCaption(int number) const;
    void SetKeyCaption(int number, const QString& caption);

signals:
    // The navigation, built after this page and holding it, carries these out: closing the
    // menus, and the page change of the engineer page button with its checks.
    void menusHideRequested();
    void pageRequested();

protected:
    bool eventFilter(QObject* watched, QEvent* event) override;

private:
    DeviceTimers& timers_;
    EngineerPageControls& page_;
    const FrameCopies& frames_;
    WindowServices& window_;
    const MacroRecording& recording_;
    std::unique_ptr<KeyTest> keyTest_;
};

} // namespace tarq
