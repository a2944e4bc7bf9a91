// SPDX-License-Identifier: GPL-2.0-or-later
#pragma once
// The recording side of the macro page: the macro list LB_PCMacroName with New Macro, the
// Record/Stop button Btn_Start with its delay-mode choices, the insert panel's record button and
// choices, and LB_macro filling line by line while a recording runs.
//
// Input comes from the platform's capture through a RecordingSession: the worker thread feeds
// the MacroRecorder and posts every written line to the UI thread. The macro library is the
// form's (MacroLibraries), edited as the configuration's home hands it out
// (MacroLibraryInUse); closing the menus belongs to Navigation and comes in as a hook, like the
// input source that tests replace.

#include "macros/InputCapture.h"
#include "macros/MacroRecorder.h"
#include "macros/MacroScript.h"
#include "macros/ui/MacroLibraryInUse.h"
#include "macros/ui/PlatformInputCapture.h"

#include <QColor>
#include <QWidget>
#include <QObject>
#include <QString>

#include <functional>
#include <memory>

namespace tarq {

class MacroLibraryStore;
class TSkinLabel;
struct MacroPageControls;
class RecordingSession;
class WindowServices;
struct AppContext;
struct ConfigurationState;
struct MacroLibraries;

class MacroRecording : public QObject {
    Q_OBJECT
public:
    // "The macro is full, so the recording stopped."
    static constexpr int kMacroFullText = 860;

    // `createCapture` makes the input source; the platform's when empty. Tests hand in a
    // scripted one.
    MacroRecording(const AppContext& app, ConfigurationState& config, MacroLibraries& libraries,
                   MacroPageControls& page, WindowServices& window, MacroLibraryStore& store,
                   std::function<PlatformCapture()> createCapture);
    ~MacroRecording() override;

    // Connects the controls and opens the input source (showing the hint when it sees only this
    // window).
    void Wire();

    // ---- handlers ----
    void Btn_StartClick();
    void Btn_InsertStartClick();
    // Stops a running recording or insert-recording as its button would.
    void StopRecording();
    void IB_RecDelayClick() { ChooseDelay(false, DelayMode::Record); }
    void IB_DelayTimeClick() { ChooseDelay(false, DelayMode::Fixed); }
    void IB_NoDelayClick() { ChooseDelay(false, DelayMode::None); }
    void IB_InsertRecDelayClick() { ChooseDelay(true, DelayMode::Record); }
    void IB_InsertDelayTimeClick() { ChooseDelay(true, DelayMode::Fixed); }
    void IB_InsertNoDelayClick() { ChooseDelay(true, DelayMode::None); }
    void Btn_NewClick();
    void Btn_NewMacroClick();
    void LB_PCMacroNameClick();
    // Rebuilds LB_PCMacroName and LB_Name from the library; enables New Macro below 100 names.
    void RefreshPCMacroName();

    // ---- state ----
    bool Recording() const { return session_ != nullptr; }
    bool Inserting() const { return inserting_; }
    bool StopFlag() const { return stopFlag_; }
    // The insert panel's Cancel drops what an insert-recording took, and with it the refusal
    // that a full body left behind: the next insert-recording may start.
    void ClearStopFlag() { stopFlag_ = false; }
    // The macro script as the page holds it (mmo_macro).
    const MacroScript& Script() const { return script_; }
    bool SeesWholeDesktop() const { return capture_ && capture_->SeesWholeDesktop(); }
    // The insert panel's OK turns inserted lines into the body: this rebuilds and saves.
    void BuildMacroBody();
    // The macro editor's completed edits: the script shown from now on (mmo_macro and
    // LB_macro), with `selectRow` selected (none when -1).
    void ShowEditedScript(MacroScript script, int selectRow);

signals:
    // A recording starts: the open menus close (the navigation connects).
    void menusHideRequested();

private:
    void SetStartCaption(TSkinLabel* button, bool recording);
    void ChooseDelay(bool insert, DelayMode mode);
    DelayHeader ChosenDelay(bool insert) const;
    void ShowDelayHeader(const DelayHeader& header);
    int SelectedMacro() const;
    bool EnsureCapture();
    bool StartSession(const RecorderSettings& settings);
    void StopSession();
    // A recording that ended because its macro was full says so once it has stopped.
    void TellIfEndedFull();
    void LineArrived(unsigned generation, int scriptIndex, const QString& line, int row);
    void ShowScript(int selectRow);
    // The library the home keeps, for one use.
    std::unique_ptr<MacroLibraryInUse> Library() const;
    void SaveLibrary();
    void ClearMacroView();
    void ApplyNewName(const QString& name);
    void SetPointerOver(bool over);

    QString Text(int strId, const char* fallback) const;
    void SetPicture(const QWidget* control, const QString& picture);
    void ShowMessage(const QString& text);

    const AppContext& app_;
    MacroPageControls& page_;
    WindowServices& window_;
    MacroLibraryStore& store_;
    ConfigurationState& config_;
    MacroLibraries& libraries_;
    std::function<PlatformCapture()> createCapture_;
    std::unique_ptr<InputCapture> capture_;
    std::unique_ptr<MacroRecorder> recorder_;
    std::unique_ptr<RecordingSession> session_;
    MacroScript script_;
    unsigned generation_ = 0;     // lines posted by an older recording are dropped
    bool inserting_ = false;
    bool stopFlag_ = false;
    bool endedFull_ = false;
    bool pointerOver_ = false;
    QColor delayTextColour_;
};

} // namespace tarq
