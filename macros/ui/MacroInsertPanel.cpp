// SPDX-License-Identifier: GPL-2.0-or-later
// MacroEditor: the insert panel Gb_Insert. "Insert" opens it over the delay box; CB_Insert
// chooses what goes in (a delay, recorded keys, a repeat start or end, an X or Y move) and in
// front of or behind the selected event; "OK" inserts it, "Cancel" throws away what the panel
// added (recorded keys included) by showing the macro as stored.

#include "macros/ui/MacroEditor.h"

#include "app/FormState.h"
#include "macros/MacroLibrary.h"
#include "macros/ui/MacroLibraryView.h"
#include "macros/ui/MacroRecording.h"
#include "ui/Controls.h"
#include "ui/HexEdit.h"
#include "ui/WindowServices.h"

#include <QComboBox>
#include <QLabel>
#include <QLineEdit>
#include <QListWidget>
#include <QRegularExpressionValidator>
#include <QScrollBar>
#include <QSignalBlocker>

namespace tarq {

namespace {

// CB_Insert's items.
enum InsertItem {
    DelayFront = 0,
    DelayBack,
    KeyFront,
    KeyBack,
    RepeatStart,
    RepeatStop,
    XFront,
    XBack,
    YFront,
    YBack,
};

const char* const kDelayCaptions[] = {"lbl_Record_Delay", "lbl_Delay_Setting", "lbl_No_Delay",
                                      "lbl_MS", "lbl_Stop_Release", "lbl_Stop_Over"};

// Every field of the panel that CB_Insert shows or hides.
const char* const kInsertFields[] = {
    "lbl_Delay", "Edt_InsertDelay", "lbl_s_A", "Img_InsertRecDelay", "IB_InsertRecDelay",
    "Img_InsertDelayTime", "IB_InsertDelayTime", "Img_InsertNoDelay", "IB_InsertNoDelay",
    "Img_InsertStart", "Btn_InsertStart", "lbl_Repeat", "edt_Repeat", "lbl_XAxisValue",
    "edt_XAxisValue", "lbl_YAxisValue", "edt_YAxisValue"};

// Keeps an edit's text corrected by `rule` after every change the user makes.
void CorrectWhileTyping(QLineEdit* edit, std::string (*rule)(std::string_view))
{
    if (!edit)
        return;
    QObject::connect(edit, &QLineEdit::textEdited, edit, [edit, rule] {
        const QString fixed = QString::fromStdString(rule(edit->text().toStdString()));
        if (fixed != edit->text())
            edit->setText(fixed);
    });
}

constexpr int kFieldGap = 8;

// Puts a unit on the right of its field, on the field's line.
void UnitBesideField(QWidget* unit, const QWidget* field)
{
    if (!unit || !field)
        return;
    unit->move(field->geometry().right() + kFieldGap, field->y() + (field->height() - unit->height()) / 2);
}

// Puts a caption on its field's line, from `left` up to the field, so that the panel's captions
// start at the same place; one too long for that room starts further left instead of being cut.
void CaptionBesideField(QLabel* caption, const QWidget* field, int left)
{
    if (!caption || !field)
        return;
    const int needed = caption->fontMetrics().horizontalAdvance(caption->text()) + caption->indent() + 2;
    const int right = field->x() - kFieldGap;
    const int x = std::max(0, std::min(left, right - needed));
    caption->setGeometry(x, field->y() + (field->height() - caption->height()) / 2, std::max(right - x, 0),
                         caption->height());
}

} // namespace

bool MacroEditor::InsertPanelOpen() const { return state_.MacroInsertMode; }

void MacroEditor::WireInsertFields()
{
    if (QWidget* delay = controls_.find(QStringLiteral("Edt_InsertDelay")))
        insertDelayPalette_ = delay->palette();
    for (const char* name : {"edt_XAxisValue", "edt_YAxisValue"})
        if (auto* edit = controls_.get<QLineEdit>(QString::fromLatin1(name))) {
            edit->setValidator(new QRegularExpressionValidator(QRegularExpression(QStringLiteral("-?[0-9]*")), edit));
            CorrectWhileTyping(edit, CorrectMoveValue);
        }
    CorrectWhileTyping(controls_.get<QLineEdit>(QStringLiteral("edt_Repeat")), CorrectRepeatValue);
}

void MacroEditor::Btn_InsertClick()
{
    auto* events = List("LB_macro");
    if (SelectedMacro() < 0 || SelectedEvent() < 0 || !events)
        return;
    if (QWidget* panel = controls_.find(QStringLiteral("Pnl_DevContent")))
        panel->hide();
    // The panel edits the macro shown: the macro list stays put until it closes, so recorded
    // lines cannot land in another macro's body.
    for (const char* name : {"LB_PCMacroName", "LB_MacroName", "Btn_Start", "Btn_New"})
        if (QWidget* w = controls_.find(QString::fromLatin1(name)))
            w->setEnabled(false);
    insertTopRow_ = events->verticalScrollBar()->value();
    insertSelectedRow_ = events->currentRow();
    state_.MacroInsertMode = true;
    if (QWidget* delay = Find("Gb_Delay"))
        delay->hide();
    for (const char* caption : kDelayCaptions)
        if (QWidget* w = controls_.find(QString::fromLatin1(caption)))
            w->hide();
    if (QWidget* base = Find("Img_InsertBase"))
        base->show();
    if (QWidget* panel = Find("Gb_Insert")) {
        panel->show();
        panel->raise();
    }
    if (auto* combo = controls_.get<QComboBox>(QStringLiteral("CB_Insert"))) {
        const QSignalBlocker quiet(combo);
        combo->setCurrentIndex(0);
    }
    CB_InsertChange(0);
}

void MacroEditor::CB_InsertChange(int item)
{
    window_.SetPicture(QStringLiteral("Img_InsertBase"),
                       item == KeyFront || item == KeyBack ? QStringLiteral("InsertKeyBase") : QStringLiteral("InsertDelayBase"));
    ShowInsertFields(item);
}

void MacroEditor::ShowInsertFields(int item)
{
    QStringList shown;
    switch (item) {
    case DelayFront:
    case DelayBack: shown = {"lbl_Delay", "Edt_InsertDelay", "lbl_s_A"}; break;
    case KeyFront:
    case KeyBack:
        shown = {"Img_InsertRecDelay", "IB_InsertRecDelay", "Img_InsertDelayTime", "IB_InsertDelayTime",
                 "Img_InsertNoDelay", "IB_InsertNoDelay", "Img_InsertStart", "Btn_InsertStart",
                 "Edt_InsertDelay", "lbl_s_A"};
        break;
    case RepeatStart:
    case RepeatStop: shown = {"lbl_Repeat", "edt_Repeat"}; break;
    case XFront:
    case XBack: shown = {"lbl_XAxisValue", "edt_XAxisValue"}; break;
    case YFront:
    case YBack: shown = {"lbl_YAxisValue", "edt_YAxisValue"}; break;
    default: break;
    }
    for (const char* name : kInsertFields)
        if (QWidget* w = controls_.find(QString::fromLatin1(name)))
            w->setVisible(shown.contains(QString::fromLatin1(name)));
    if (QWidget* repeat = controls_.find(QStringLiteral("edt_Repeat")))
        repeat->setEnabled(item != RepeatStop);
    // The layout places the fields; their captions and the repeat field follow them.
    QWidget* delay = controls_.find(QStringLiteral("Edt_InsertDelay"));
    QWidget* x = controls_.find(QStringLiteral("edt_XAxisValue"));
    if (QWidget* repeat = controls_.find(QStringLiteral("edt_Repeat")); repeat && x)
        repeat->move(x->pos());
    // The captions start at the item list's left edge, like the recording choices.
    const QWidget* combo = controls_.find(QStringLiteral("CB_Insert"));
    const int left = combo ? combo->x() : 0;
    auto label = [this](const char* name) { return qobject_cast<QLabel*>(controls_.find(QString::fromLatin1(name))); };
    CaptionBesideField(label("lbl_Delay"), delay, left);
    UnitBesideField(controls_.find(QStringLiteral("lbl_s_A")), delay);
    CaptionBesideField(label("lbl_Repeat"), controls_.find(QStringLiteral("edt_Repeat")), left);
    CaptionBesideField(label("lbl_XAxisValue"), x, left);
    CaptionBesideField(label("lbl_YAxisValue"), controls_.find(QStringLiteral("edt_YAxisValue")), left);
    if (item == KeyFront || item == KeyBack) {
        // Recording into the macro starts from "Record Delay"; the delay field follows the choice.
        recording_.IB_InsertRecDelayClick();
    } else if (auto* delay = controls_.get<TIntEdit>(QStringLiteral("Edt_InsertDelay"))) {
        delay->setReadOnly(false);
        delay->setPalette(insertDelayPalette_);
    }
}

void MacroEditor::Btn_OKClick()
{
    if (!InsertPanelOpen() || recording_.Recording())
        return;
    auto* combo = controls_.get<QComboBox>(QStringLiteral("CB_Insert"));
    const int item = combo ? combo->currentIndex() : 0;
    if (item == KeyFront || item == KeyBack) {
        // The recorded lines are in the script already: they go into the body now.
        if (CheckScriptFits(recording_.Script(), !(state_.Home.Mode() == ConfigurationMode::Eeprom)) != ScriptFit::Fits) {
            Tell(Text(920, "The macro would be too long for the mouse. The change was not made."));
            return;
        }
        CloseInsertPanel();
        NoteAssignedCopy(SelectedMacro(), false);
        recording_.BuildMacroBody();
        SaveLibrary();
        return;
    }
    const int row = SelectedEvent();
    if (row < 0)
        return;
    auto fieldText = [this](const char* name) {
        auto* edit = controls_.get<QLineEdit>(QString::fromLatin1(name));
        return edit ? edit->text().toStdString() : std::string();
    };
    std::string line;
    bool back = false;
    switch (item) {
    case DelayFront:
    case DelayBack:
        line = DelayValueLine(fieldText("Edt_InsertDelay"));
        back = item == DelayBack;
        break;
    case RepeatStart: line = RepeatValueLine(fieldText("edt_Repeat")); break;
    case RepeatStop:
        line = RepeatEndLine();
        back = true;
        break;
    case XFront:
    case XBack:
        line = MoveValueLine(false, fieldText("edt_XAxisValue"));
        back = item == XBack;
        break;
    case YFront:
    case YBack:
        line = MoveValueLine(true, fieldText("edt_YAxisValue"));
        back = item == YBack;
        break;
    default: return;
    }
    const auto edit = InsertScriptLine(recording_.Script(), row, line, back);
    if (!edit || !CommitScript(*edit))
        return;
    CloseInsertPanel();
}

void MacroEditor::Btn_CancelClick()
{
    if (!InsertPanelOpen() || recording_.Recording())
        return;
    CloseInsertPanel();
    // The macro as stored: lines recorded into the panel are dropped.
    recording_.LB_PCMacroNameClick();
    recording_.ClearStopFlag();
    if (auto* events = List("LB_macro")) {
        if (insertSelectedRow_ >= 0 && insertSelectedRow_ < events->count())
            events->setCurrentRow(insertSelectedRow_);
        events->verticalScrollBar()->setValue(insertTopRow_);
    }
}

void MacroEditor::CloseInsertPanel()
{
    state_.MacroInsertMode = false;
    for (const char* name : {"Gb_Insert", "Img_InsertBase"})
        if (QWidget* w = Find(name))
            w->hide();
    for (const char* name : {"LB_PCMacroName", "LB_MacroName", "Btn_Start"})
        if (QWidget* w = controls_.find(QString::fromLatin1(name)))
            w->setEnabled(true);
    // A full library keeps New Macro disabled.
    if (QWidget* w = controls_.find(QStringLiteral("Btn_New")))
        w->setEnabled(MacroLibraryView(state_).Count() < kPcMacroLibraryRows);
    if (QWidget* delay = Find("Gb_Delay"))
        delay->show();
    for (const char* caption : kDelayCaptions)
        if (QWidget* w = controls_.find(QString::fromLatin1(caption)))
            w->show();
}

} // namespace tarq
