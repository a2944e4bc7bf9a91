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

class QWidget;

namespace tarq {

class Controls;
class DeviceSession;
class GunSlotEdits;
class WindowServices;
struct FormState;

class GunPage : public QObject {
    Q_OBJECT
public:
    GunPage(FormState& state, Controls& controls, WindowServices& window);
    ~GunPage() override;

    // What the page needs of subsystems built after it; the form fills them.
    struct Hooks {
        std::function<void()> hideAllMenu;
        std::function<void(int page)> showOnlyPage;
        // The button the function menu was opened for (1-9; anything else: none).
        std::function<int()> menuKeyNumber;
        // Game mode is the page being shown.
        std::function<bool()> gameView;
        // The program's message dialog.
        std::function<void(const QString&)> message;
        // The device session, once the form has one.
        std::function<DeviceSession*()> device;
        std::function<void()> showFireEditor;
        std::function<void()> hideFireEditor;
        // The fire macros changed under the editor (basic pattern, import): it shows its
        // selected record again.
        std::function<void()> fireMacrosReplaced;
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
    // Opens an exchange and, when the mouse stores writes, writes the three fire tables of
    // DataBuf (with `withTables`) and the fire macro area; says why when it wrote nothing or
    // not everything.
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

private:
    void LeavePage(const QString& buttonPicture);
    void TellFireDataOutcome(FireDataOutcome outcome);
    bool FireMacroIsEmpty(int record) const;

    FormState& state_;
    Controls& controls_;
    WindowServices& window_;
    std::unique_ptr<GunSlotEdits> slots_;
};

} // namespace tarq
