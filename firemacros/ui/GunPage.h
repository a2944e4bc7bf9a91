// SPDX-License-Identifier: GPL-2.0-or-later
#pragma once
// The gun page (page 5): the seven guns and their selection, the parameter columns of the
// selected gun (GunSlotEdits), Confirm, which binds the gun to the button being edited and
// writes the fire data to the mouse at once, and Cancel. Its fire macro editor is shown by a
// double click on the page background or by the engineer page (FireMacroEditor).

#include <QObject>
#include <QString>

#include <functional>
#include <memory>

namespace tarq {

class SettingsMapping;
class DeviceSession;
class FireMacroEditor;
class GunSlotEdits;
class TSkinLabel;
class WindowServices;
struct AppContext;
struct ButtonPageControls;
struct ConfigurationState;
struct DeviceTimers;
struct GunPageControls;

class GunPage : public QObject {
    Q_OBJECT
public:
    // `shownSettings`: the settings model's fire colours and Y offsets and their view; `buttons`:
    // the button page, whose key captions Confirm reads and names the gun on.
    GunPage(ConfigurationState& config, const AppContext& app, DeviceTimers& timers, WindowServices& window,
            GunPageControls& controls, FireMacroEditor& editor, SettingsMapping& shownSettings,
            const ButtonPageControls& buttons);
    ~GunPage() override;

    // What the page asks of the navigation, which is built after it and calls it; both must be
    // set (an unset one stops the program in tests and debug builds).
    struct Hooks {
        // The button the function menu was opened for (1-9; anything else: none).
        std::function<int()> menuKeyNumber;
        // Game mode is the view being shown.
        std::function<bool()> gameView;
        // The device session, once the form has one (null before).
        std::function<DeviceSession*()> device;
    };
    Hooks hooks;

    // Connects the guns, the parameter columns, Confirm, Cancel and the page background.
    void Wire();

    // The Fire Macro entry of the button menu: the gun page for the button being edited.
    void Key_FireMacroClick();
    // Shows the fire macro editor and its lists, which the page keeps hidden until then.
    void Img_Base_5DblClick();
    // Hides the fire macro editor and gives the table its full width back.
    void HideFireEditor();

    void Btn_FireClick(int gun);
    void Btn_FireMouseEnter(int gun);
    void Btn_FireMouseLeave(int gun);
    void Btn_FireConfirmClick();
    void Btn_FireExitClick();
    int SelectedGun() const;

    enum class FireDataOutcome { Written, NoMouse, DriverMode, NotReady, NotStored, BrokeOff };
    // Opens an exchange and, where the mouse's memory holds the fire data, writes the three fire
    // tables of DataBuf (with `withTables`) and the fire macro area; says why when it wrote
    // nothing or not everything.
    FireDataOutcome WriteFireData(bool withTables);

    // The fire macro editor button: opens the editor, as the double click does.
    void Btn_FireEditorClick();
    // Starts every empty fire macro of the selected gun from the basic pattern.
    void Btn_FireBasicClick();
    // Shows the basic pattern offer while a column of the selected gun shows an empty fire macro.
    void OfferBasicPattern();
    // FireMacroWork was replaced (an import): the columns and the editor show it again.
    void FireMacrosReplaced();

    GunSlotEdits& Slots() { return *slots_; }

signals:
    // The page asks the navigation to close the open menus.
    void menusHideRequested();
    // The page asks the navigation to show only page `page`.
    void pageRequested(int page);
    // A message for the program's message dialog.
    void messageRequested(const QString& text);
    // The page was left (Confirm or Cancel): the macro page's event list is cleared.
    void pageLeft();

private:
    void LeavePage(TSkinLabel* buttonPicture);
    void TellFireDataOutcome(FireDataOutcome outcome);
    FireDataOutcome WriteToMouse(bool withTables);
    bool FireMacroIsEmpty(int record) const;

    ConfigurationState& config_;
    const AppContext& app_;
    DeviceTimers& timers_;
    WindowServices& window_;
    GunPageControls& controls_;
    FireMacroEditor& editor_;
    const ButtonPageControls& buttons_;
    std::unique_ptr<GunSlotEdits> slots_;
};

} // namespace tarq
