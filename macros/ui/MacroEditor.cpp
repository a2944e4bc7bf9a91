// SPDX-License-Identifier: GPL-2.0-or-later
#include "macros/ui/MacroEditor.h"

#include "macros/MacroLibrary.h"
#include "macros/ui/MacroLibraryStore.h"
#include "macros/ui/MacroLibraryInUse.h"
#include "ui/state/AppContext.h"
#include "ui/state/ConfigurationState.h"
#include "ui/state/MacroLibraries.h"
#include "macros/ui/MacroListDrawing.h"
#include "macros/ui/MacroRecording.h"
#include "ui/pages/MacroPageControls.h"
#include "ui/ListItemHeight.h"
#include "ui/SkinLabel.h"
#include "ui/WindowServices.h"

#include <QComboBox>
#include <QFrame>
#include <QEvent>
#include <QListWidget>
#include <QMouseEvent>
#include <QPlainTextEdit>
#include <QRadioButton>
#include <QSignalBlocker>

#include <algorithm>

namespace tarq {

namespace {

constexpr int kDuplicateText = 106;
constexpr int kAssignedCopyText = 922;

// Passes the presses and releases of a list's rows to the editor. A list that is disabled (a
// recording runs) takes no pointer input at all: no selection, no context panel.
class ListMouse : public QObject {
public:
    using Handler = std::function<void(QEvent::Type, Qt::MouseButton, QPoint pos, QPoint globalPos)>;
    ListMouse(QObject* parent, Handler handler) : QObject(parent), handler_(std::move(handler)) {}
    bool eventFilter(QObject* watched, QEvent* event) override
    {
        const QEvent::Type type = event->type();
        const bool button = type == QEvent::MouseButtonPress || type == QEvent::MouseButtonRelease
                            || type == QEvent::MouseButtonDblClick;
        if (auto* w = qobject_cast<QWidget*>(watched); button && w && !w->isEnabled())
            return true;
        if (event->type() == QEvent::MouseButtonPress || event->type() == QEvent::MouseButtonRelease) {
            const auto* mouse = static_cast<QMouseEvent*>(event);
            handler_(event->type(), mouse->button(), mouse->position().toPoint(), mouse->globalPosition().toPoint());
        }
        return false;
    }

private:
    Handler handler_;
};

} // namespace

MacroEditor::MacroEditor(ConfigurationState& config, MacroLibraries& libraries, const AppContext& app,
                         MacroPageControls& page, WindowServices& window, MacroRecording& recording,
                         MacroLibraryStore& store)
    : config_(config), libraries_(libraries), app_(app), page_(page), window_(window), recording_(recording),
      store_(store)
{
}

QString MacroEditor::Text(int strId, const char* fallback) const
{
    const QString text = app_.Text(strId);
    return text.isEmpty() ? QString::fromUtf8(fallback) : text;
}

void MacroEditor::Tell(const QString& text)
{
    window_.ShowDialogMessage(text);
}

void MacroEditor::SaveLibrary()
{
    store_.SaveLibrary();
}

int MacroEditor::SelectedMacro() const
{
    const int row = page_.macroNames->currentRow();
    return row >= 0 && row < config_.Home->LibraryInUse(libraries_)->Count() ? row : -1;
}

int MacroEditor::SelectedEvent() const
{
    const int row = page_.events->currentRow();
    return row >= 0 && size_t(row) + 1 < recording_.Script().size() ? row : -1;
}

void MacroEditor::Wire()
{
    auto connectClick = [this](TSkinLabel* label, void (MacroEditor::*handler)()) {
        connect(label, &TSkinLabel::clicked, this, handler);
    };
    connectClick(page_.newName, &MacroEditor::Btn_NewNameClick);
    connectClick(page_.deleteMacro, &MacroEditor::Btn_DelPCMacroClick);
    connectClick(page_.releaseStop.caption, &MacroEditor::IB_ReleaseStopClick);
    connectClick(page_.releaseContinue.caption, &MacroEditor::IB_ReleaseContiueClick);
    connectClick(page_.editEvent, &MacroEditor::Btn_EditClick);
    connectClick(page_.deleteEvent, &MacroEditor::Btn_DelClick);
    connectClick(page_.insertEvent, &MacroEditor::Btn_InsertClick);
    connectClick(page_.ok, &MacroEditor::Btn_OKClick);
    connectClick(page_.cancel, &MacroEditor::Btn_CancelClick);
    connect(page_.insertKind, &QComboBox::activated, this, &MacroEditor::CB_InsertChange);

    auto* names = page_.macroNames;
    auto* events = page_.events;
    DrawMacroNameRows(names, app_.Style);
    DrawMacroEventRows(events, app_.Style, [this](int row) {
        const MacroScript& script = recording_.Script();
        return size_t(row) + 1 < script.size() ? ScriptLineType(script[size_t(row) + 1]) : -1;
    });
    if (names) {
        names->viewport()->installEventFilter(new ListMouse(this, [this](QEvent::Type type, Qt::MouseButton button,
                                                                         QPoint pos, QPoint global) {
            if (type == QEvent::MouseButtonPress)
                LB_PCMacroNameMouseDown(button, pos);
            else
                LB_PCMacroNameMouseUp(button, global);
        }));
        // A new selection starts the assigned-copy note afresh.
        connect(names, &QListWidget::currentRowChanged, this, [this] { notedRow_ = -1; });
    }
    if (events)
        events->viewport()->installEventFilter(new ListMouse(this, [this](QEvent::Type type, Qt::MouseButton button,
                                                                          QPoint pos, QPoint global) {
            if (type == QEvent::MouseButtonPress)
                LB_macroMouseDown(button, pos);
            else
                LB_macroMouseUp(button, global);
        }));
    WireInsertFields();
}

// ---- effects of other pages ----

void MacroEditor::ClearForNoMouse()
{
    page_.pageNames->clear();
    page_.events->clear();
    page_.scriptMemo->clear();
    page_.writeMemo->clear();
}

void MacroEditor::ClearEventList() { page_.events->clear(); }

void MacroEditor::SetRowHeight(int height)
{
    for (QListWidget* list : {page_.macroNames, page_.pageNames, page_.events})
        SetItemHeight(list, height);
}

void MacroEditor::FitEventListToNames() { page_.events->resize(page_.events->width(), page_.macroNames->height()); }

// ---- the lists and their context panels ----

void MacroEditor::ClearMacro()
{
    for (QWidget* panel : {static_cast<QWidget*>(page_.macroMenu), static_cast<QWidget*>(page_.eventMenu), page_.fireEventMenu})
        if (panel)
            panel->hide();
}

void MacroEditor::ShowContextPanel(QWidget* panel, QPoint globalPos)
{
    if (!panel->parentWidget())
        return;
    QWidget* parent = panel->parentWidget();
    // At the pointer, kept inside the window.
    QPoint at = parent->mapFromGlobal(globalPos);
    at.setX(std::clamp(at.x(), 0, std::max(0, parent->width() - panel->width())));
    at.setY(std::clamp(at.y(), 0, std::max(0, parent->height() - panel->height())));
    panel->move(at);
    panel->raise();
    panel->show();
}

void MacroEditor::LB_PCMacroNameMouseDown(Qt::MouseButton button, QPoint pos)
{
    auto* list = page_.macroNames;
    ClearMacro();
    QListWidgetItem* item = list->itemAt(pos);
    if (!item) {
        // A press below the rows: nothing stays selected.
        list->setCurrentRow(-1);
        list->clearSelection();
        page_.pageNames->clearSelection();
        page_.events->setFocus();
        return;
    }
    if (button == Qt::RightButton)
        list->setCurrentItem(item);
}

void MacroEditor::LB_PCMacroNameMouseUp(Qt::MouseButton button, QPoint globalPos)
{
    if (button != Qt::RightButton || InsertPanelOpen())
        return;
    // The entries that act on the selected macro are greyed while none is selected.
    const bool selected = SelectedMacro() >= 0;
    for (QWidget* entry : {page_.newName, page_.deleteMacro, page_.exportOne})
        entry->setEnabled(selected);
    ShowContextPanel(page_.macroMenu, globalPos);
}

void MacroEditor::LB_macroMouseDown(Qt::MouseButton button, QPoint pos)
{
    auto* list = page_.events;
    QListWidgetItem* item = list->itemAt(pos);
    if (!item) {
        ClearMacro();
        list->setCurrentRow(-1);
        list->clearSelection();
        list->setFocus();
        return;
    }
    if (button == Qt::RightButton)
        list->setCurrentItem(item);
}

void MacroEditor::LB_macroMouseUp(Qt::MouseButton button, QPoint globalPos)
{
    if (button == Qt::LeftButton) {
        // LB_macroClick: a plain click closes the panels.
        ClearMacro();
        return;
    }
    if (button == Qt::RightButton && !InsertPanelOpen() && !recording_.Recording() && SelectedMacro() >= 0
        && SelectedEvent() >= 0)
        ShowContextPanel(page_.eventMenu, globalPos);
}

void MacroEditor::ClearEventView()
{
    recording_.ShowEditedScript({}, -1);
    page_.writeMemo->clear();
}

// ---- rename, delete, release mode ----

void MacroEditor::Btn_NewNameClick()
{
    ClearMacro();
    const int row = SelectedMacro();
    if (row < 0)
        return;
    const QString name = window_.Prompts().AskMacroName();
    if (name.isEmpty())
        return;
    auto* list = page_.macroNames;
    // Its own name counts as taken too.
    if (!list->findItems(name, Qt::MatchExactly).isEmpty()) {
        Tell(Text(kDuplicateText, "This macro already exists"));
        return;
    }
    NoteAssignedCopy(row, true);
    config_.Home->LibraryInUse(libraries_)->SetName(row, MacroNameFromUtf16(name.toStdU16String()));
    store_.RefreshPCMacroName();
    {
        const QSignalBlocker quiet(list);
        list->setCurrentRow(row);
    }
    SaveLibrary();
}

void MacroEditor::Btn_DelPCMacroClick()
{
    ClearMacro();
    const int row = SelectedMacro();
    if (row < 0)
        return;
    // The entry sits beside Import One: a macro goes only after a yes.
    const QString name = page_.macroNames->item(row)->text();
    if (!window_.Prompts().Confirm(Text(kDeleteQuestionText, "Delete the macro \"%1\"?").arg(name)))
        return;
    NoteAssignedCopy(row, true);
    ClearEventView();
    config_.Home->LibraryInUse(libraries_)->Remove(row);
    auto* list = page_.macroNames;
    store_.RefreshPCMacroName();
    SaveLibrary();
    if (list->count() > 0) {
        list->scrollToBottom();
        // The row before the deleted one (the first row when the first was deleted), shown.
        list->setCurrentRow(std::max(row - 1, 0));
    }
}

void MacroEditor::SetReleaseMode(ReleaseMode mode)
{
    const bool stop = mode == ReleaseMode::StopOnRelease;
    (stop ? page_.releaseStop : page_.releaseContinue).radio->setChecked(true);
    window_.SetPicture(page_.releaseStop.marker->objectName(), stop ? QStringLiteral("RdS_E") : QStringLiteral("RdS_D"));
    window_.SetPicture(page_.releaseContinue.marker->objectName(), stop ? QStringLiteral("RdS_D") : QStringLiteral("RdS_E"));
    const int row = SelectedMacro();
    if (row < 0)
        return;
    // Byte 0 is outside the checksum: the rest of the body stays as it is.
    const auto library = config_.Home->LibraryInUse(libraries_);
    if (library->ModeByte(row) == uint8_t(mode))
        return;
    library->SetModeByte(row, uint8_t(mode));
    NoteAssignedCopy(row, false);
    SaveLibrary();
}

// ---- edits ----

bool MacroEditor::CommitScript(const ScriptEdit& edit)
{
    if (SelectedMacro() < 0)
        return false;
    if (!config_.Home->ScriptFits(edit.script)) {
        Tell(Text(920, "The macro would be too long for the mouse. The change was not made."));
        return false;
    }
    NoteAssignedCopy(SelectedMacro(), false);
    recording_.ShowEditedScript(edit.script, edit.selectRow);
    recording_.BuildMacroBody();
    SaveLibrary();
    return true;
}

void MacroEditor::NoteAssignedCopy(int row, bool renamedOrRemoved)
{
    if (row < 0 || (!renamedOrRemoved && notedRow_ == row))
        return;
    const MacroName name = config_.Home->LibraryInUse(libraries_)->NameBytes(row);
    if (!config_.Home->ButtonKeepsCopy(name, renamedOrRemoved, config_))
        return;
    notedRow_ = row;
    Tell(Text(kAssignedCopyText, "A button plays a copy of this macro. It keeps that copy until the macro is "
                                 "assigned to it again."));
}

// Called by the assignment editor after it assigned a macro to a button.
void MacroEditor::ShowAssignedMacroName(int row, const QString& name, int rows)
{
    QListWidget* list = page_.pageNames;
    if (row < 0)
        return;
    while (list->count() < std::max(rows, row + 1))
        list->addItem(QString());
    list->item(row)->setText(name);
}

} // namespace tarq
