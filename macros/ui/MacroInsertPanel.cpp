// SPDX-License-Identifier: GPL-2.0-or-later
// MacroEditor: the insert panel Gb_Insert. "Insert" opens it over the delay box; CB_Insert
// chooses what goes in (a delay, recorded keys, a repeat start or end, an X or Y move) and in
// front of or behind the selected event; "OK" inserts it, "Cancel" throws away what the panel
// added (recorded keys included) by showing the macro as stored.

#include "macros/ui/MacroEditor.h"
#include "ui/state/AppContext.h"
#include "ui/state/ConfigurationState.h"
#include "ui/state/MacroLibraries.h"

#include "macros/MacroLibrary.h"
#include "macros/ui/MacroLibraryInUse.h"
#include "macros/ui/MacroRecording.h"
#include "ui/pages/MacroPageControls.h"
#include "ui/SkinLabel.h"
#include "ui/HexEdit.h"
#include "ui/WindowServices.h"

#include <QComboBox>
#include <QFrame>
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

bool MacroEditor::InsertPanelOpen() const { return insertMode_; }

// Every field of the panel that CB_Insert shows or hides.
std::vector<QWidget*> MacroEditor::InsertFields() const
{
    const MacroPageControls& c = page_;
    std::vector<QWidget*> fields{c.insertDelayLabel, c.insertDelay, c.insertDelayUnit};
    for (const SkinChoiceControls& choice : c.insertChoices)
        fields.insert(fields.end(), {choice.marker, choice.caption});
    fields.insert(fields.end(), {c.insertStart.picture, c.insertStart.button, c.repeatLabel, c.repeat, c.xLabel, c.x,
                                 c.yLabel, c.y});
    return fields;
}

void MacroEditor::WireInsertFields()
{
    insertDelayPalette_ = page_.insertDelay->palette();
    for (QLineEdit* edit : {page_.x, page_.y}) {
        edit->setValidator(new QRegularExpressionValidator(QRegularExpression(QStringLiteral("-?[0-9]*")), edit));
        CorrectWhileTyping(edit, CorrectMoveValue);
    }
    CorrectWhileTyping(page_.repeat, CorrectRepeatValue);
}

void MacroEditor::Btn_InsertClick()
{
    auto* events = page_.events;
    if (SelectedMacro() < 0 || SelectedEvent() < 0)
        return;
    page_.eventMenu->hide();
    // The panel edits the macro shown: the macro list stays put until it closes, so recorded
    // lines cannot land in another macro's body.
    for (QWidget* w : {static_cast<QWidget*>(page_.macroNames), static_cast<QWidget*>(page_.pageNames),
                       static_cast<QWidget*>(page_.start.button), static_cast<QWidget*>(page_.newButton)})
        w->setEnabled(false);
    insertTopRow_ = events->verticalScrollBar()->value();
    insertSelectedRow_ = events->currentRow();
    insertMode_ = true;
    page_.delayBox->hide();
    for (QWidget* caption : page_.delayCaptions)
        caption->hide();
    page_.insertBase->show();
    page_.insertPanel->show();
    page_.insertPanel->raise();
    {
        const QSignalBlocker quiet(page_.insertKind);
        page_.insertKind->setCurrentIndex(0);
    }
    CB_InsertChange(0);
}

void MacroEditor::CB_InsertChange(int item)
{
    window_.SetPicture(page_.insertBase->objectName(),
                       item == KeyFront || item == KeyBack ? QStringLiteral("InsertKeyBase") : QStringLiteral("InsertDelayBase"));
    ShowInsertFields(item);
}

void MacroEditor::ShowInsertFields(int item)
{
    const MacroPageControls& c = page_;
    std::vector<QWidget*> shown;
    switch (item) {
    case DelayFront:
    case DelayBack: shown = {c.insertDelayLabel, c.insertDelay, c.insertDelayUnit}; break;
    case KeyFront:
    case KeyBack:
        for (const SkinChoiceControls& choice : c.insertChoices)
            shown.insert(shown.end(), {choice.marker, choice.caption});
        shown.insert(shown.end(), {c.insertStart.picture, c.insertStart.button, c.insertDelay, c.insertDelayUnit});
        break;
    case RepeatStart:
    case RepeatStop: shown = {c.repeatLabel, c.repeat}; break;
    case XFront:
    case XBack: shown = {c.xLabel, c.x}; break;
    case YFront:
    case YBack: shown = {c.yLabel, c.y}; break;
    default: break;
    }
    for (QWidget* w : InsertFields())
        w->setVisible(std::find(shown.begin(), shown.end(), w) != shown.end());
    c.repeat->setEnabled(item != RepeatStop);
    // The layout places the fields; their captions and the repeat field follow them.
    c.repeat->move(c.x->pos());
    // The captions start at the item list's left edge, like the recording choices.
    const int left = c.insertKind->x();
    CaptionBesideField(c.insertDelayLabel, c.insertDelay, left);
    UnitBesideField(c.insertDelayUnit, c.insertDelay);
    CaptionBesideField(c.repeatLabel, c.repeat, left);
    CaptionBesideField(c.xLabel, c.x, left);
    CaptionBesideField(c.yLabel, c.y, left);
    if (item == KeyFront || item == KeyBack) {
        // Recording into the macro starts from "Record Delay"; the delay field follows the choice.
        recording_.IB_InsertRecDelayClick();
    } else {
        c.insertDelay->setReadOnly(false);
        c.insertDelay->setPalette(insertDelayPalette_);
    }
}

void MacroEditor::Btn_OKClick()
{
    if (!InsertPanelOpen() || recording_.Recording())
        return;
    const int item = page_.insertKind->currentIndex();
    if (item == KeyFront || item == KeyBack) {
        // The recorded lines are in the script already: they go into the body now.
        if (!config_.Home->ScriptFits(recording_.Script())) {
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
    auto fieldText = [](const QLineEdit* edit) { return edit->text().toStdString(); };
    std::string line;
    bool back = false;
    switch (item) {
    case DelayFront:
    case DelayBack:
        line = DelayValueLine(fieldText(page_.insertDelay));
        back = item == DelayBack;
        break;
    case RepeatStart: line = RepeatValueLine(fieldText(page_.repeat)); break;
    case RepeatStop:
        line = RepeatEndLine();
        back = true;
        break;
    case XFront:
    case XBack:
        line = MoveValueLine(false, fieldText(page_.x));
        back = item == XBack;
        break;
    case YFront:
    case YBack:
        line = MoveValueLine(true, fieldText(page_.y));
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
    auto* events = page_.events;
    if (insertSelectedRow_ >= 0 && insertSelectedRow_ < events->count())
        events->setCurrentRow(insertSelectedRow_);
    events->verticalScrollBar()->setValue(insertTopRow_);
}

void MacroEditor::CloseInsertPanel()
{
    insertMode_ = false;
    page_.insertPanel->hide();
    page_.insertBase->hide();
    for (QWidget* w : {static_cast<QWidget*>(page_.macroNames), static_cast<QWidget*>(page_.pageNames),
                       static_cast<QWidget*>(page_.start.button)})
        w->setEnabled(true);
    // A full library keeps New Macro disabled.
    page_.newButton->setEnabled(config_.Home->LibraryInUse(libraries_)->Count() < kPcMacroLibraryRows);
    page_.delayBox->show();
    for (QWidget* caption : page_.delayCaptions)
        caption->show();
}

} // namespace tarq
