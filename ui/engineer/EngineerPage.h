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

class QPushButton;

namespace tarq {

class Controls;
class FeatureProtocol;
class KeyTest;
class WindowServices;
struct AppContext;
struct DeviceTimers;

class EngineerPage : public QObject {
public:
    // Every hook is required: the device session, the navigation and the macro recording are
    // built after this page, and the navigation holds it.
    struct Hooks {
        // The device session's protocol; null before the session exists.
        std::function<FeatureProtocol*()> protocol;
        // HideAllMenu.
        std::function<void()> hideAllMenu;
        // Btn_Engineer_0Click: the page change with its checks.
        std::function<void()> openPage;
        // Whether a macro recording is running.
        std::function<bool()> recording;
    };

    EngineerPage(DeviceTimers& timers, const AppContext& app, Controls& controls, WindowServices& window, Hooks hooks);
    ~EngineerPage() override;

    // Filled by the form; the key test keeps its own copy of the protocol and menu hooks.
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

protected:
    bool eventFilter(QObject* watched, QEvent* event) override;

private:
    DeviceTimers& timers_;
    const AppContext& app_;
    Controls& controls_;
    WindowServices& window_;
    std::unique_ptr<KeyTest> keyTest_;
    QPushButton* KeyButton(int number) const;
};

} // namespace tarq
