// SPDX-License-Identifier: GPL-2.0-or-later
#include "macros/ui/MacroEditor.h"

#include "app/FormState.h"
#include "macros/MacroLibrary.h"
#include "macros/ui/MacroLibraryStore.h"
#include "macros/ui/MacroLibraryView.h"
#include "macros/ui/MacroListDrawing.h"
#include "macros/ui/MacroRecording.h"
#include "macros/ui/Unit3.h"
#include "ui/Controls.h"
#include "ui/SkinLabel.h"
#include "ui/WindowServices.h"

#include <QComboBox>
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
constexpr int kDeleteQuestionText = 863;

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

MacroEditor::MacroEditor(FormState& state, Controls& controls, WindowServices& window, MacroRecording& recording,
                         MacroLibraryStore& store)
    : state_(state), controls_(controls), window_(window), recording_(recording), store_(store)
{
}

QWidget* MacroEditor::Find(const char* name) const { return controls_.get(QString::fromLatin1(name)); }
QListWidget* MacroEditor::List(const char* name) const { return controls_.get<QListWidget>(QString::fromLatin1(name)); }

QString MacroEditor::Text(int strId, const char* fallback) const
{
    const QString text = state_.Text(strId);
    return text.isEmpty() ? QString::fromUtf8(fallback) : text;
}

void MacroEditor::Tell(const QString& text)
{
    if (window_.ShowDialogMessage)
        window_.ShowDialogMessage(text);
}

void MacroEditor::SaveLibrary()
{
    if ((state_.Home.Mode() == ConfigurationMode::Eeprom))
        store_.RefreshPCMacro();
    else
        store_.RefreshDriverPCMacro();
}

int MacroEditor::SelectedMacro() const
{
    auto* list = List("LB_PCMacroName");
    const int row = list ? list->currentRow() : -1;
    return row >= 0 && row < MacroLibraryView(state_).Count() ? row : -1;
}

int MacroEditor::SelectedEvent() const
{
    auto* list = List("LB_macro");
    const int row = list ? list->currentRow() : -1;
    return row >= 0 && size_t(row) + 1 < recording_.Script().size() ? row : -1;
}

void MacroEditor::Wire()
{
    auto connectClick = [this](const char* name, void (MacroEditor::*handler)()) {
        if (auto* label = controls_.get<TSkinLabel>(QString::fromLatin1(name)))
            connect(label, &TSkinLabel::clicked, this, handler);
    };
    connectClick("Btn_NewName", &MacroEditor::Btn_NewNameClick);
    connectClick("Btn_DelPCMacro", &MacroEditor::Btn_DelPCMacroClick);
    connectClick("IB_ReleaseStop", &MacroEditor::IB_ReleaseStopClick);
    connectClick("IB_ReleaseContiue", &MacroEditor::IB_ReleaseContiueClick);
    connectClick("Btn_Edit", &MacroEditor::Btn_EditClick);
    connectClick("Btn_Del", &MacroEditor::Btn_DelClick);
    connectClick("Btn_Insert", &MacroEditor::Btn_InsertClick);
    connectClick("Btn_OK", &MacroEditor::Btn_OKClick);
    connectClick("Btn_Cancel", &MacroEditor::Btn_CancelClick);
    if (auto* combo = controls_.get<QComboBox>(QStringLiteral("CB_Insert")))
        connect(combo, &QComboBox::activated, this, &MacroEditor::CB_InsertChange);

    auto* names = List("LB_PCMacroName");
    auto* events = List("LB_macro");
    DrawMacroNameRows(names, state_.Style);
    DrawMacroEventRows(events, state_.Style, [this](int row) {
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

// ---- the lists and their context panels ----

void MacroEditor::ClearMacro()
{
    for (const char* panel : {"Pnl_PCMacro", "Pnl_DevContent", "Pnl_DevFireContent"})
        if (QWidget* w = controls_.find(QString::fromLatin1(panel)))
            w->hide();
}

void MacroEditor::ShowContextPanel(const char* name, QPoint globalPos)
{
    QWidget* panel = Find(name);
    if (!panel || !panel->parentWidget())
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
    auto* list = List("LB_PCMacroName");
    if (!list)
        return;
    ClearMacro();
    QListWidgetItem* item = list->itemAt(pos);
    if (!item) {
        // A press below the rows: nothing stays selected.
        list->setCurrentRow(-1);
        list->clearSelection();
        if (auto* pages = List("LB_MacroName"))
            pages->clearSelection();
        if (QWidget* events = Find("LB_macro"))
            events->setFocus();
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
    for (const char* entry : {"Btn_NewName", "Btn_DelPCMacro", "Btn_ExportOne"})
        if (QWidget* w = Find(entry))
            w->setEnabled(selected);
    ShowContextPanel("Pnl_PCMacro", globalPos);
}

void MacroEditor::LB_macroMouseDown(Qt::MouseButton button, QPoint pos)
{
    auto* list = List("LB_macro");
    if (!list)
        return;
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
        ShowContextPanel("Pnl_DevContent", globalPos);
}

void MacroEditor::ClearEventView()
{
    recording_.ShowEditedScript({}, -1);
    if (auto* memo = controls_.get<QPlainTextEdit>(QStringLiteral("mmo_wrscript")))
        memo->clear();
}

// ---- rename, delete, release mode ----

void MacroEditor::Btn_NewNameClick()
{
    ClearMacro();
    const int row = SelectedMacro();
    if (row < 0)
        return;
    TForm3 dialog(window_.Window(), {Text(510, "Macro Name"), Text(511, "OK"), Text(512, "Clear")});
    dialog.exec();
    const QString name = dialog.PendingName();
    if (name.isEmpty())
        return;
    auto* list = List("LB_PCMacroName");
    // Its own name counts as taken too.
    if (list && !list->findItems(name, Qt::MatchExactly).isEmpty()) {
        Tell(Text(kDuplicateText, "This macro already exists"));
        return;
    }
    NoteAssignedCopy(row, true);
    MacroLibraryView library(state_);
    library.NameBytes(row) = MacroNameFromUtf16(name.toStdU16String());
    store_.RefreshPCMacroName();
    if (list) {
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
    const QString name = List("LB_PCMacroName")->item(row)->text();
    if (!window_.Prompts().Confirm(Text(kDeleteQuestionText, "Delete the macro \"%1\"?").arg(name)))
        return;
    NoteAssignedCopy(row, true);
    ClearEventView();
    if ((state_.Home.Mode() == ConfigurationMode::Eeprom))
        RemoveMacroRecord(state_.PcMacros, row);
    else
        state_.DriverMacros.erase(state_.DriverMacros.begin() + row);
    auto* list = List("LB_PCMacroName");
    store_.RefreshPCMacroName();
    SaveLibrary();
    if (list && list->count() > 0) {
        list->scrollToBottom();
        // The row before the deleted one (the first row when the first was deleted), shown.
        list->setCurrentRow(std::max(row - 1, 0));
    }
}

void MacroEditor::SetReleaseMode(ReleaseMode mode)
{
    const bool stop = mode == ReleaseMode::StopOnRelease;
    if (auto* radio = controls_.get<QRadioButton>(stop ? QStringLiteral("rb_ReleaseStop") : QStringLiteral("rb_ReleaseContinue")))
        radio->setChecked(true);
    window_.SetPicture(QStringLiteral("Img_ReleaseStop"), stop ? QStringLiteral("RdS_E") : QStringLiteral("RdS_D"));
    window_.SetPicture(QStringLiteral("Img_ReleaseContiue"), stop ? QStringLiteral("RdS_D") : QStringLiteral("RdS_E"));
    const int row = SelectedMacro();
    if (row < 0)
        return;
    // Byte 0 is outside the checksum: the rest of the body stays as it is.
    uint8_t& byte = (state_.Home.Mode() == ConfigurationMode::Eeprom) ? state_.PcMacros[size_t(row)].body[macro_body::kModeOffset]
                                      : state_.DriverMacros[size_t(row)].body[driver_macro_body::kModeOffset];
    if (byte == uint8_t(mode))
        return;
    byte = uint8_t(mode);
    NoteAssignedCopy(row, false);
    SaveLibrary();
}

// ---- edits ----

bool MacroEditor::CommitScript(const ScriptEdit& edit)
{
    if (SelectedMacro() < 0)
        return false;
    if (CheckScriptFits(edit.script, !(state_.Home.Mode() == ConfigurationMode::Eeprom)) != ScriptFit::Fits) {
        Tell(Text(920, "The macro would be too long for the mouse. The change was not made."));
        return false;
    }
    NoteAssignedCopy(SelectedMacro(), false);
    recording_.ShowEditedScript(edit.script, edit.selectRow);
    recording_.BuildMacroBody();
    SaveLibrary();
    return true;
}

void MacroEditor::NoteAssignedCopy(int row, bool always)
{
    if (row < 0 || (!always && notedRow_ == row))
        return;
    MacroLibraryView library(state_);
    const MacroName& name = library.NameBytes(row);
    bool assigned = false;
    if ((state_.Home.Mode() == ConfigurationMode::Eeprom)) {
        std::vector<std::string> codes(state_.OfficeKeyCodes.begin(), state_.OfficeKeyCodes.end());
        codes.insert(codes.end(), state_.GameKeyCodes.begin(), state_.GameKeyCodes.end());
        std::array<MacroName, kBaseMacroPageCount> pageNames{};
        for (size_t p = 0; p < pageNames.size(); ++p)
            std::copy_n(state_.MacroAreas.basePages[p].begin(), kMacroNameSize, pageNames[p].begin());
        assigned = PlayedPagesNamed(codes, pageNames, name).any();
    } else if (always) {
        // Assigned driver macros follow their library macro's edits by name; a rename or a
        // delete leaves them with the copy they have.
        for (const auto& record : state_.AssignedDriverMacros)
            assigned = assigned || (record.size() >= kMacroNameSize && std::equal(name.begin(), name.end(), record.begin()));
    }
    if (!assigned)
        return;
    notedRow_ = row;
    Tell(Text(kAssignedCopyText, "A button plays a copy of this macro. It keeps that copy until the macro is "
                                 "assigned to it again."));
}

// Called by the assignment editor after it assigned a macro to a button.
void MacroEditor::ShowAssignedMacroName(int row, const QString& name, int rows)
{
    auto* list = List("LB_MacroName");
    if (!list || row < 0)
        return;
    while (list->count() < std::max(rows, row + 1))
        list->addItem(QString());
    list->item(row)->setText(name);
}

void MacroEditor::ClearEventList()
{
    if (auto* list = List("LB_macro"))
        list->clear();
}

void MacroEditor::ClearForNoMouse()
{
    for (const char* list : {"LB_MacroName", "LB_macro"})
        if (auto* w = List(list))
            w->clear();
    for (const char* memo : {"mmo_macro", "mmo_wrscript"})
        if (auto* plain = controls_.get<QPlainTextEdit>(QString::fromLatin1(memo)))
            plain->clear();
}

} // namespace tarq
