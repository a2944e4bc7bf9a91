// SPDX-License-Identifier: GPL-2.0-or-later
#pragma once
// The macro page's editing: the macro list LB_PCMacroName and the event list LB_macro (their
// drawing, mouse handling and context panels Pnl_PCMacro and Pnl_DevContent), rename and delete
// of a macro, the release mode, and edit, delete and insert of events (MacroEventEdits.cpp,
// MacroInsertPanel.cpp). New Macro, showing a macro and recording belong to MacroRecording,
// which holds the script; the library file is written through MacroLibraryStore.
//
// Every completed edit checks that the macro still fits its body, then shows the new script,
// rebuilds the body and saves the library. An edit that would not fit is refused: the script
// stays as it was and the user is told.

#include "macros/MacroEdits.h"

#include <QObject>
#include <QPalette>
#include <QPoint>
#include <QString>

#include <vector>

class QListWidget;
class QWidget;

namespace tarq {

struct MacroPageControls;
class MacroLibraryStore;
class MacroRecording;
class WindowServices;
struct AppContext;
struct ConfigurationState;
struct MacroLibraries;

class MacroEditor : public QObject {
public:
    // "Delete the macro \"%1\"?"
    static constexpr int kDeleteQuestionText = 863;

    MacroEditor(ConfigurationState& config, MacroLibraries& libraries, const AppContext& app,
                MacroPageControls& page, WindowServices& window, MacroRecording& recording, MacroLibraryStore& store);

    // Connects this editor's controls and draws the two lists.
    void Wire();

    // ---- the lists ----
    void LB_PCMacroNameMouseDown(Qt::MouseButton button, QPoint pos);
    void LB_PCMacroNameMouseUp(Qt::MouseButton button, QPoint globalPos);
    void LB_macroMouseDown(Qt::MouseButton button, QPoint pos);
    void LB_macroMouseUp(Qt::MouseButton button, QPoint globalPos);
    // Hides the three context panels (Pnl_PCMacro, Pnl_DevContent, Pnl_DevFireContent).
    void ClearMacro();

    // ---- macros ----
    void Btn_NewNameClick();
    void Btn_DelPCMacroClick();
    void IB_ReleaseStopClick() { SetReleaseMode(ReleaseMode::StopOnRelease); }
    void IB_ReleaseContiueClick() { SetReleaseMode(ReleaseMode::PlayToEnd); }

    // ---- events ----
    void Btn_EditClick();
    void Btn_DelClick();
    void Btn_InsertClick();
    void CB_InsertChange(int item);
    void Btn_OKClick();
    void Btn_CancelClick();

    bool InsertPanelOpen() const;

    // Shows `name` in row `row` of the list of assigned macros (LB_MacroName), which gets at
    // least `rows` rows: the assignment editor's result.
    void ShowAssignedMacroName(int row, const QString& name, int rows);
    // ---- effects of other pages ----
    // No mouse (start-up without one, or a lost one): the base macro pages' names, the event
    // list and the script views are emptied.
    void ClearForNoMouse();
    // Leaving for another page that covers this one: the event list is emptied.
    void ClearEventList();
    // The lists' row height, from the skin's style; the event list as tall as the macro list.
    void SetRowHeight(int height);
    void FitEventListToNames();

private:
    int SelectedMacro() const;
    int SelectedEvent() const;
    QString Text(int strId, const char* fallback) const;
    void Tell(const QString& text);
    void SaveLibrary();
    void SetReleaseMode(ReleaseMode mode);
    void ShowContextPanel(QWidget* panel, QPoint globalPos);
    void ClearEventView();
    // Shows the edited script, rebuilds the body and saves; false (and the user told) when the
    // macro would no longer fit its body.
    bool CommitScript(const ScriptEdit& edit);
    // Tells the user, once per shown macro (at every rename or delete), that buttons keep the
    // copy of it they were given.
    void NoteAssignedCopy(int row, bool renamedOrRemoved);
    void CloseInsertPanel();
    void ShowInsertFields(int item);
    void WireInsertFields();
    std::vector<QWidget*> InsertFields() const;

    ConfigurationState& config_;
    MacroLibraries& libraries_;
    const AppContext& app_;
    bool insertMode_ = false;   // the insert panel is open
    MacroPageControls& page_;
    WindowServices& window_;
    MacroRecording& recording_;
    MacroLibraryStore& store_;
    int insertTopRow_ = -1;
    int insertSelectedRow_ = -1;
    int notedRow_ = -1;             // the macro whose assigned copies the user was last told about
    QPalette insertDelayPalette_;   // Edt_InsertDelay as the page built it
};

} // namespace tarq
