// SPDX-License-Identifier: GPL-2.0-or-later
#pragma once
// The gun page's fire macro editor at the page's right edge: the ten records
// (LB_FireMacroName), the events of the selected one (LB_FireMacro), recording left clicks with
// a delay mode (FireMacroRecording), and the pop-up's delete, insert and edit. Every completed
// change re-encodes the selected record of FireMacroWork at once; a change that does not fit
// the record's 24 bytes is refused, the record stays as it was and the user is told.

#include <QList>
#include <QObject>
#include <QString>

#include <functional>
#include <memory>
#include <optional>

#include "firemacros/FireMacro.h"
#include "macros/MacroScript.h"
#include "macros/ui/PlatformInputCapture.h"

class QListWidget;
class QPoint;
class QWidget;

namespace tarq {

class FireMacroRecording;
class WindowServices;
struct AppContext;
struct ConfigurationState;
struct FireMacroEditorControls;

class FireMacroEditor : public QObject {
    Q_OBJECT
public:
    // The fire macro is full: the recording stopped.
    static constexpr int kFullText = 861;

    FireMacroEditor(ConfigurationState& config, const AppContext& app, WindowServices& window,
                    FireMacroEditorControls& controls, std::function<PlatformCapture()> createCapture = {});
    ~FireMacroEditor() override;

    // Connects this editor's controls.
    void Wire();

    // Shows the editor (the gun page's double click, entering the engineer page).
    void ShowEditor();
    // Hides it when the gun page is left; a recording still running is stopped first.
    void HideEditor();

    // ---- records and events ----
    void LB_FireMacroNameClick();
    void LB_FireMacroNameMouseDown(QListWidget* names, const QPoint& pos);
    void LB_FireMacroMouseDown(QListWidget* events, const QPoint& pos);
    int SelectedRecord() const;   // 1..10, 0 for none
    const MacroScript& Script() const { return script_; }
    // The selected record's bytes as hex, as far as its length reaches (empty for none).
    const QString& HexDump() const { return hexDump_; }
    // The fire macros changed under the editor (basic pattern, import): it shows its selected
    // record again, unless a recording owns it.
    void FireMacrosReplaced();

    // ---- recording ----
    void IB_FireRecDelayClick() { SetDelayMode(0); }
    void IB_FireDelayTimeClick() { SetDelayMode(1); }
    void IB_FireNoDelayClick() { SetDelayMode(2); }
    void IB_FireReleaseStopClick() { SetReleaseChoice(true); }
    void IB_FireReleaseContiueClick() { SetReleaseChoice(false); }
    void Btn_FireStartClick();
    void Btn_FireStartMouseEnter();
    void Btn_FireStartMouseLeave();
    bool Recording() const;

    // ---- the pop-up and the insert panel ----
    void ShowPopupAt(const QPoint& windowPos);
    void Btn_FireDelClick();
    void Btn_FireInsertClick();
    void Btn_FireEditClick();
    void CB_InsertFireChange(int item);
    void Btn_FireOKClick();
    void Btn_FireCancelClick();

private:
    void SetDelayMode(int mode);
    void SetReleaseChoice(bool stop);
    ReleaseMode ChosenReleaseMode() const;
    DelayHeader ChosenDelay() const;
    void ShowScript(int selectRow);
    void ShowRecord(int record);
    void SetHexDump(const QString& text);
    // Encodes the script into the selected record; a script that does not fit leaves the
    // record as `before` held it, shows that record again and tells the user.
    bool Encode(const std::optional<FireMacroRecord>& before = std::nullopt);
    void ClosePanel();
    void ShowDelayPanel(bool shown);
    void ShowInsertPanel(bool shown);
    QList<QWidget*> EditorWidgets() const;
    void HidePopup();
    int SelectedRow() const;
    void RecordingLine(int scriptIndex, const QString& line);
    void Tell(const QString& text);

    ConfigurationState& config_;
    const AppContext& app_;
    WindowServices& window_;
    FireMacroEditorControls& controls_;
    std::unique_ptr<FireMacroRecording> recording_;
    MacroScript script_;
    QString hexDump_;
    int recordingRecord_ = 0;               // the record cleared when the recording started
    FireMacroRecord beforeRecording_{};
    int panelTopRow_ = 0;
    int panelRow_ = -1;
};

} // namespace tarq
