// SPDX-License-Identifier: GPL-2.0-or-later
#pragma once
// TForm1, the main window: one borderless skinned surface that owns the shared state of the
// program (FormState), every control of every page, and the subsystems that handle them. Each
// subsystem receives the shared state, the control lookup and the window's services
// (WindowServices, implemented here), plus the few other subsystems it calls; none receives
// the form. ARCHITECTURE.md describes the pattern.
//
// Creating the form runs its start-up sequence (FormCreate).

#include <QPoint>
#include <QString>
#include <QWidget>

#include <memory>

#include "app/FormState.h"
#include "macros/ui/PlatformInputCapture.h"
#include "ui/Controls.h"
#include "ui/WindowServices.h"
#include "ui/pages/DpiPageControls.h"
#include "ui/pages/FireKeyControls.h"
#include "ui/pages/LightPageControls.h"
#include "ui/pages/EngineerPageControls.h"
#include "ui/pages/GunPageControls.h"
#include "ui/pages/MacroPageControls.h"
#include "ui/language/LanguageApply.h"
#include "ui/pages/ButtonPageControls.h"
#include "ui/pages/MenuControls.h"
#include "ui/pages/PointerSettingsControls.h"
#include "ui/pages/FrameControls.h"
#include "ui/pages/PageViewControls.h"

class QMessageBox;
class QSystemTrayIcon;

namespace tarq {

class AssignmentEditor;
class MacroLibraryStore;
class DeviceCommands;
class DeviceSession;
class DpiEditor;
class FireKeyEditor;
class DriverBus;
class EngineerPage;
class FireMacroEditor;
class GunKeyListEditor;
class GunPage;
class HidBus;
class LanguageSwitch;
class LightEditor;
class MacroEditor;
class MacroImportExport;
class MacroRecording;
class Navigation;
class PointerSettingsEditor;
class PointerSettingsStore;
class SettingsMapping;
class TFormLoadingUI;
class Waiter;

// Where the form finds the mouse. By default the system's HID interfaces; --demo plugs in the
// emulated mouse (and its companion driver), whose memory is kept in the data folder; tests
// hand in their own emulated buses.
struct DeviceOptions {
    bool demo = false;
    bool driverMode = false;        // --demo-driver: driver mode whatever the org configuration says
    HidBus* hidBus = nullptr;       // not owned; used instead of the system's
    DriverBus* driverBus = nullptr; // not owned
    Waiter* waiter = nullptr;       // not owned; how transfers wait (tests: a virtual clock)
    // Not owned; used instead of the system's pointer settings. --demo uses a copy in memory.
    PointerSettingsStore* pointerStore = nullptr;
    // Where macro recording takes its input; empty: the platform's capture.
    std::function<PlatformCapture()> inputCapture;
};

class TForm1 : public QWidget, public WindowServices {
    Q_OBJECT
public:
    static constexpr const char* kWindowTitle = "TARQ362A Gaming Mouse v1.0";
    static constexpr const char* kApplicationTitle = "TARQ362A Gaming Mouse";
    // The buttons of the message dialog and of a question.
    static constexpr int kTextOk = 927, kTextYes = 928, kTextNo = 929;
    // The key test button's status tip.
    static constexpr int kTextKeyTestTip = 1030;

    explicit TForm1(QWidget* parent = nullptr, DeviceOptions devices = {});
    ~TForm1() override;

    // The shared state and the controls by name.
    FormState& State() { return state_; }
    const FormState& State() const { return state_; }
    // The optional lookup: the control with this object name, or nullptr when there is none or
    // it is of another class.
    template <class T = QWidget>
    T* control(const QString& name) const
    {
        return controls_.find<T>(name);
    }

    // ---- subsystems ----
    Navigation& Nav() { return *nav_; }
    AssignmentEditor& Assignment() { return *assignmentEditor_; }
    MacroLibraryStore& MacroLibrary() { return *macroLibrary_; }
    SettingsMapping& Settings() { return *settings_; }
    LanguageSwitch& Language() { return *language_; }
    // The device link, protocol, driver channel and device check; the transfer commands.
    DeviceSession& Device() { return *device_; }
    DeviceCommands& Commands() { return *commands_; }
    GunPage& Gun() { return *gun_; }
    FireMacroEditor& FireMacros() { return *fireMacroEditor_; }
    GunKeyListEditor& GunKeys() { return *gunKeys_; }
    EngineerPage& Engineer() { return *engineer_; }
    PointerSettingsEditor& Pointer() { return *pointer_; }
    // The macro list, New Macro and the recording controls of the macro page.
    MacroRecording& Recording() { return *recording_; }
    // The macro page's list and event edits, and its macro file import and export.
    MacroEditor& MacroEdits() { return *macroEditor_; }
    MacroImportExport& MacroFiles() { return *macroFiles_; }
    DpiEditor& DpiEdits() { return *dpiEditor_; }
    LightEditor& LightEdits() { return *lightEditor_; }

    // ---- window services ----
    UserPrompts& Prompts() override { return replacedPrompts_ ? *replacedPrompts_ : *prompts_; }
    // Answers the prompts from elsewhere (tests); nullptr puts the window's own dialogs back.
    void ReplacePrompts(UserPrompts* prompts) { replacedPrompts_ = prompts; }
    // The window's own dialogs, whatever replaces them.
    UserPrompts& OwnPrompts() { return *prompts_; }
    // The program's yes/no box with `text`, captioned with the language's title; true for Yes.
    bool AskQuestion(const QString& text);
    QWidget* Window() override { return this; }
    bool SetPicture(const QString& control, const QString& picture) override;
    void ShowBusyOverlays() override;
    void HideBusyOverlays() override;
    void ShowLoadingScreen() override;
    void HideLoadingScreen() override;
    void ShowLoadingProgress(const QString& stage, qint64 done, qint64 total) override;
    void WaitPumping(int n) override;
    void SizeWindowToSkin() override;
    void SizeWindowForEngineer() override;
    void CloseWindow() override { close(); }
    // The program's message dialog with `text` (Yes and No when `question`), skinned and in the
    // chosen language, not yet shown: ShowDialogMessage and AskConfirmation show it modally;
    // the page renderer takes its picture.
    std::unique_ptr<QMessageBox> DialogBox(const QString& text, bool question);

    DialogLook CurrentDialogLook() const override { return {state_.LanguageIndex, state_.FontName}; }

    // The loading screen is the second form; it is created after the main form.
    void CreateLoadingScreen();
    TFormLoadingUI* LoadingScreen() const { return loading_.get(); }
    // Restores a minimised window and brings it to the front (a second start asks for this).
    void BringToFront();

    // ---- handlers of the window ----
    void Btn_Exit_0Click() { close(); }
    void Btn_CloseClick() { close(); }
    void Btn_Minimize_0Click();
    void ShowHint(const QString& hint);
    void FormCloseQuery();

    // ---- skin, layout and language ----
    void LoadBackground();
    void LoadSkinImages();
    void ReadOrgConfiguration();
    void ApplyLayout();
    void ApplyLanguage();
    // Captions the engineer page from the caption table's column of this locale (the system's
    // by default).
    void ApplyEngineerCaptions(uint32_t localeId = SystemLocaleId());
    void ReadDefaultImage();
    void ResetDeviceLink();

signals:
    // The first show of the window has been processed (start-up measurement).
    void FirstShown();

protected:
    void closeEvent(QCloseEvent* event) override;
    bool event(QEvent* event) override;
    bool eventFilter(QObject* watched, QEvent* event) override;
    void showEvent(QShowEvent* event) override;

private:
    void FormCreate();
    void BuildControls();
    void CreateSubsystems();
    void CreatePointerSettings();
    void WireWindowButtons();
    void CentreOnScreen();
    void ApplyWindowAppearance();
    void CentreNumericEdits();
    void ApplyPopupStyle();
    void FitUnkeyedControls();
    void AddDemoPlug();
    void ShowMessageBox(const QString& caption, const QString& text, const QFont& font);
    bool AskYesNo(const QString& caption, const QString& text, const QFont& font);
    std::unique_ptr<QMessageBox> BuildMessageBox(const QString& caption, const QString& text, const QFont& font,
                                                 bool question);

    FormState state_;
    Controls controls_{this};
    // The typed controls of the pages, filled by BuildControls.
    DpiPageControls dpiPage_;
    LightPageControls lightPage_;
    FireKeyControls fireKeyPage_;
    GunPageControls gunPage_;   // the gun page and its fire macro editor
    // The typed controls of the frame of pages 1-4.
    FrameCopies frames_;
    // The page containers and the view radios.
    PageViewControls pageViews_;
    std::unique_ptr<UserPrompts> prompts_;
    UserPrompts* replacedPrompts_ = nullptr;   // not owned
    // The typed controls of the pages, as their builders made them.
    ButtonPageControls buttonPage_;
    MenuControls menus_;
    PointerSettingsControls pointerSettings_;
    DeviceOptions deviceOptions_;
    std::unique_ptr<SettingsMapping> settings_;
    std::unique_ptr<GunPage> gun_;
    std::unique_ptr<EngineerPage> engineer_;
    std::unique_ptr<Navigation> nav_;
    std::unique_ptr<LanguageSwitch> language_;
    std::unique_ptr<DpiEditor> dpiEditor_;
    std::unique_ptr<LightEditor> lightEditor_;
    std::unique_ptr<FireKeyEditor> fireKey_;
    std::unique_ptr<AssignmentEditor> assignmentEditor_;
    MacroPageControls macroPage_;   // the macro page as its builder made it
    EngineerPageControls engineerPage_;   // the engineer page as its builder made it
    std::unique_ptr<MacroEditor> macroEditor_;
    std::unique_ptr<MacroImportExport> macroFiles_;
    std::unique_ptr<MacroLibraryStore> macroLibrary_;
    std::unique_ptr<MacroRecording> recording_;
    std::unique_ptr<FireMacroEditor> fireMacroEditor_;
    std::unique_ptr<GunKeyListEditor> gunKeys_;
    std::unique_ptr<PointerSettingsStore> ownPointerStore_;   // when none was handed in
    std::unique_ptr<PointerSettingsEditor> pointer_;
    std::unique_ptr<DeviceSession> device_;
    std::unique_ptr<DeviceCommands> commands_;
    std::unique_ptr<TFormLoadingUI> loading_;
    QSystemTrayIcon* trayIcon_ = nullptr;   // owned by the form
    QPoint dragOffset_;
    bool dragging_ = false;
    bool shownOnce_ = false;
};

} // namespace tarq
