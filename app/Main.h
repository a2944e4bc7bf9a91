#pragma once
// TForm1, the main window: one borderless skinned surface that owns the shared state of the
// program, every control of every page, the timers and the window helpers that device
// operations use (busy overlays, loading screen, pumped waits).
//
// Creating the form runs its start-up sequence (FormCreate). Steps that belong to other
// subsystems are named methods below; each is filled by the subsystem that owns it.

#include <QColor>
#include <QHash>
#include <QString>
#include <QStringList>
#include <QTimer>
#include <QWidget>

#include <functional>
#include <memory>

#include "config/ConfigImage.h"
#include "device/CpiAndLedRecord.h"
#include "macros/qt/PlatformInputCapture.h"
#include "macros/ui/MacroLibraryStore.h"
#include "settings/KeyCode.h"
#include "ui/skin/LayoutPass.h"
#include "ui/skin/OrgConfiguration.h"

class QSystemTrayIcon;

namespace tarq {

class DeviceCommands;
class DeviceSession;
class DriverBus;
class HidBus;
class MacroRecording;
class Navigation;
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
    // Where macro recording takes its input; empty: the platform's capture.
    std::function<PlatformCapture()> inputCapture;
};

class TForm1 : public QWidget {
    Q_OBJECT
public:
    static constexpr const char* kWindowTitle = "TARQ362A Gaming Mouse v1.0";
    static constexpr const char* kApplicationTitle = "TARQ362A Gaming Mouse";

    explicit TForm1(QWidget* parent = nullptr, DeviceOptions devices = {});
    ~TForm1() override;

    // The control with this object name, or nullptr when there is none or it is of another
    // class. Every operation addresses controls this way, often by a composed name
    // ("Img_" + name + "_" + number).
    template <class T = QWidget>
    T* control(const QString& name) const
    {
        return qobject_cast<T*>(FindControl(name));
    }
    QWidget* FindControl(const QString& name) const;

    // ---- shared state ----
    QString AppFolder;          // folder of the program (or the per-user data folder), with '/'
    QString DataFolder;         // org key Path; empty means AppFolder
    bool EepromMode = true;
    int LanguageIndex = 1;
    int SkinWidth = 0;
    int SkinHeight = 0;
    bool NoDeviceView = false;
    int ExpectedVendorCode = 0;
    int ExpectedProductCode = 0;
    OrgConfiguration Org;       // every org key, normalised
    LayoutStyle Style;          // layout values read after the layout pass
    bool ComboKey3Enable = true;   // layout key ComboKey3_Enable
    bool MacroInsertMode = false;  // the macro editor's insert panel is open
    // Resources or keys the skin, layout or org configuration lacked at start-up, one line each
    // ("ORG1 [org1] M_L_W: missing"); shown once the window is up.
    QStringList StartupProblems;

    // Whether the mouse's configuration interface is open (the device link's HID handle).
    bool HidHandleValid() const;

    // Texts of the current language by Str ID, its font and title. Title is the application
    // title the message dialog is captioned with; the application name (which names the per-user
    // data folder) stays kApplicationTitle.
    QHash<int, QString> Texts;
    QString FontName;
    QString Title;
    QString Text(int strId) const { return Texts.value(strId); }

    // Timers: the device check (DevTimerFirst every 20 ms until the first search has acted,
    // then DevTimer every 3000 ms), the rolling caption and the key test countdown.
    QTimer DevTimer;
    QTimer DevTimerFirst;
    QTimer LabelRun;
    QTimer TestTimer;

    Navigation& Nav() { return *nav_; }

    // ---- the configuration being shown and edited ----
    tarq::DeviceImage DeviceImage{};   // mirror of the mouse's configuration memory
    tarq::DataBuf DataBuf{};           // its unpacked parameter sections
    ImageMacroAreas MacroAreas;        // base macro pages 1-6 and the fire macro area
    ButtonKeyCodes OfficeKeyCodes;     // code texts of the nine buttons in key mode 1
    ButtonKeyCodes GameKeyCodes;       // ... and in key mode 2
    std::array<tarq::DeviceImage, 3> DefaultImages{}; // "TARQ54XData_Cfg1" ... "Cfg3"
    CpiAndLedRecord CpiAndLed{};       // driver mode: current DPI and LED record
    std::vector<std::vector<uint8_t>> AssignedDriverMacros; // driver macro records, 2048 bytes each
    MacroLibraryStore MacroLibrary;    // the PC or driver macro library and its file
    QString LedTypeName;               // "MCULED", "RBLED", "SyncLED", "BreLED" or empty
    int AimDpiIndex = 0;

    // The device link, protocol, driver channel and device check; the transfer commands.
    DeviceSession& Device() { return *device_; }
    DeviceCommands& Commands() { return *commands_; }
    // Controls to and from DataBuf.
    SettingsMapping& Settings() { return *settings_; }
    // The macro list, New Macro and the recording controls of the macro page.
    MacroRecording& Recording() { return *recording_; }

    // ---- window helpers ----
    void ShowBusyOverlays();
    void HideBusyOverlays();
    // The loading screen is the second form; it is created after the main form.
    void CreateLoadingScreen();
    TFormLoadingUI* LoadingScreen() const { return loading_.get(); }
    void ShowLoadingScreen();
    void HideLoadingScreen();
    // n times: sleep 10 ms, then process pending events.
    void WaitPumping(int n);
    // Restores a minimised window and brings it to the front (a second start asks for this).
    void BringToFront();

    // ---- handlers of the window ----
    void Btn_Exit_0Click() { close(); }
    void Btn_CloseClick() { close(); }
    void Btn_Minimize_0Click();
    void ShowHint(const QString& hint);
    void FormCloseQuery();

    // How messages reach the user; tests replace them to see the text instead of a modal box.
    std::function<void(const QString&)> ShowStandardMessage;    // message box, one OK button
    std::function<void(const QString&)> ShowDialogMessage;      // RefreshFormMessagDialog

    // ---- skin and layout ----
    void LoadBackground();
    void SizeWindowToSkin();
    void SizeWindowForEngineer();
    void LoadSkinImages();
    void ReadOrgConfiguration();
    void ApplyLayout();
    // Puts a skin picture into a picture control by name; false when there is no such control.
    bool SetPicture(const QString& control, const QString& picture);

    // ---- steps filled by other subsystems ----
    void ResetEditingFlags();
    void LoadMacroLibrary();
    void LoadFireMacroFile();
    void ApplyEngineerCaptions();
    void ApplyLanguage();
    void ReadDefaultImage();
    void ResetDeviceLink();
    void RefreshErrorAP();
    void InitNoDevice();
    void RefreshMouseSystemParameterA();
    void RefreshMouseSystemParameterB();
    void ApplyPointerSettings();
    void DevTimerTimer();
    void Btn_Lang1_0Click() { SwitchLanguage(1); }
    void Btn_Lang2_0Click() { SwitchLanguage(2); }
    void Btn_Lang3_0Click() { SwitchLanguage(3); }
    void RefreshProfile1Keys();
    void RefreshProfile2Keys();
    void TLRefreshProfile1Keys();
    void TLRefreshProfile2Keys();
    void Img_Base_5DblClick();
    void Img_Logo4DblClick();

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
    void CentreOnScreen();
    void ApplyWindowAppearance();
    void CentreNumericEdits();
    void SwitchLanguage(int language);
    void ApplyPopupStyle();
    void FitUnkeyedControls();
    void IndexControls() const;
    void AddDemoPlug();
    void ShowMessageBox(const QString& caption, const QString& text, const QFont& font);

    std::unique_ptr<Navigation> nav_;
    DeviceOptions deviceOptions_;
    std::unique_ptr<DeviceSession> device_;
    std::unique_ptr<DeviceCommands> commands_;
    std::unique_ptr<SettingsMapping> settings_;
    std::unique_ptr<MacroRecording> recording_;
    std::unique_ptr<TFormLoadingUI> loading_;
    QSystemTrayIcon* trayIcon_ = nullptr;   // owned by the form
    mutable QHash<QString, QWidget*> controls_;
    QPoint dragOffset_;
    bool dragging_ = false;
    bool shownOnce_ = false;
};

} // namespace tarq
