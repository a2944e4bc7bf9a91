// SPDX-License-Identifier: GPL-2.0-or-later
#include "firemacros/ui/FireMacroEditor.h"

#include <QAbstractButton>
#include <QComboBox>
#include <QEvent>
#include <QLineEdit>
#include <QListWidget>
#include <QMouseEvent>
#include <QRadioButton>

#include "firemacros/FireScriptEdits.h"
#include "firemacros/ui/FireMacroRecording.h"
#include "macros/ui/Unit6.h"
#include "settings/ui/ShownControls.h"
#include "ui/SkinLabel.h"
#include "ui/WindowServices.h"
#include "ui/pages/GunPageControls.h"
#include "ui/state/AppContext.h"
#include "ui/state/ConfigurationState.h"

namespace tarq {

namespace {

constexpr int kNotWholeNumberText = 940;
constexpr int kDoesNotFitText = 941;
constexpr int kCannotRecordText = 946;
constexpr int kRecordText = 400;
constexpr int kStopText = 401;
const QColor kGreyFont(114, 113, 113);


// Forwards the presses over a list's rows area, and its right-button releases, to the editor.
// A list that is disabled takes no pointer input at all.
class PopupWatch : public QObject {
public:
    PopupWatch(QObject* parent, std::function<void(const QPoint&)> press, std::function<void(const QPoint&)> release)
        : QObject(parent), press_(std::move(press)), release_(std::move(release))
    {
    }

protected:
    bool eventFilter(QObject* watched, QEvent* event) override
    {
        const QEvent::Type type = event->type();
        if (type != QEvent::MouseButtonPress && type != QEvent::MouseButtonRelease && type != QEvent::MouseButtonDblClick)
            return QObject::eventFilter(watched, event);
        if (auto* w = qobject_cast<QWidget*>(watched); w && !w->isEnabled())
            return true;
        auto* mouse = static_cast<QMouseEvent*>(event);
        if (type == QEvent::MouseButtonPress && press_)
            press_(mouse->position().toPoint());
        if (type == QEvent::MouseButtonRelease && mouse->button() == Qt::RightButton && release_)
            release_(mouse->globalPosition().toPoint());
        return QObject::eventFilter(watched, event);
    }

private:
    std::function<void(const QPoint&)> press_;
    std::function<void(const QPoint&)> release_;
};

void SetTextColour(QWidget* w, const QColor& colour)
{
    if (!colour.isValid())
        return;
    QPalette palette = w->palette();
    palette.setColor(QPalette::WindowText, colour);
    w->setPalette(palette);
}

} // namespace

FireMacroEditor::FireMacroEditor(ConfigurationState& config, const AppContext& app, WindowServices& window,
                                 FireMacroEditorControls& controls, std::function<PlatformCapture()> createCapture)
    : QObject(window.Window()), config_(config), app_(app), window_(window), controls_(controls),
      recording_(std::make_unique<FireMacroRecording>(std::move(createCapture), this))
{
    recording_->onLine = [this](int index, const QString& line) { RecordingLine(index, line); };
    recording_->onFull = [this] {
        if (Recording())
            Btn_FireStartClick();
    };
}

FireMacroEditor::~FireMacroEditor() = default;

void FireMacroEditor::Wire()
{
    if (QListWidget* names = controls_.names) {
        // The record shown is always the record selected, however the selection moved (click,
        // right press, arrow keys): the next change goes into the record it shows.
        connect(names, &QListWidget::itemClicked, this, [this] { LB_FireMacroNameClick(); });
        connect(names, &QListWidget::currentRowChanged, this, [this] { LB_FireMacroNameClick(); });
        names->viewport()->installEventFilter(new PopupWatch(this, [this, names](const QPoint& pos) {
            LB_FireMacroNameMouseDown(names, pos);
        }, {}));
    }

    const std::pair<TSkinLabel*, void (FireMacroEditor::*)()> choices[] = {
        {controls_.delayModes[0].caption, &FireMacroEditor::IB_FireRecDelayClick},
        {controls_.delayModes[1].caption, &FireMacroEditor::IB_FireDelayTimeClick},
        {controls_.delayModes[2].caption, &FireMacroEditor::IB_FireNoDelayClick},
        {controls_.releaseStop.caption, &FireMacroEditor::IB_FireReleaseStopClick},
        {controls_.releaseContinue.caption, &FireMacroEditor::IB_FireReleaseContiueClick},
        {controls_.start.button, &FireMacroEditor::Btn_FireStartClick},
        {controls_.remove, &FireMacroEditor::Btn_FireDelClick},
        {controls_.insert, &FireMacroEditor::Btn_FireInsertClick},
        {controls_.edit, &FireMacroEditor::Btn_FireEditClick},
        {controls_.ok.button, &FireMacroEditor::Btn_FireOKClick},
        {controls_.cancel.button, &FireMacroEditor::Btn_FireCancelClick}};
    for (const auto& [label, handler] : choices)
        connect(label, &TSkinLabel::clicked, this, handler);
    connect(controls_.start.button, &TSkinLabel::mouseEntered, this, &FireMacroEditor::Btn_FireStartMouseEnter);
    connect(controls_.start.button, &TSkinLabel::mouseLeft, this, &FireMacroEditor::Btn_FireStartMouseLeave);

    if (QLineEdit* delay = controls_.delay)
        connect(delay, &QLineEdit::textChanged, this, [delay](const QString& text) {
            const QString corrected = QString::fromStdString(CorrectFireDelayText(text.toStdString()));
            if (corrected != text)
                delay->setText(corrected);
        });
    if (QLineEdit* repeat = controls_.repeat)
        connect(repeat, &QLineEdit::textChanged, this, [this, repeat](const QString& text) {
            if (text.isEmpty()) {
                Tell(app_.Text(kNotWholeNumberText).arg(text));
                return;
            }
            const QString corrected = QString::fromStdString(CorrectFireRepeatText(text.toStdString()));
            if (corrected != text)
                repeat->setText(corrected);
        });
    for (QLineEdit* axis : {controls_.x, controls_.y})
        connect(axis, &QLineEdit::textChanged, this, [axis](const QString& text) {
                const QString corrected = QString::fromStdString(CorrectFireAxisText(text.toStdString()));
                if (corrected != text)
                    axis->setText(corrected);
            });
    connect(controls_.insertItem, &QComboBox::currentIndexChanged, this, &FireMacroEditor::CB_InsertFireChange);

    if (QListWidget* events = controls_.events) {
        auto* watch = new PopupWatch(this, [this, events](const QPoint& pos) { LB_FireMacroMouseDown(events, pos); },
                                     [this](const QPoint& global) { ShowPopupAt(window_.Window()->mapFromGlobal(global)); });
        events->viewport()->installEventFilter(watch);
        connect(events, &QListWidget::itemClicked, this, [this] { HidePopup(); });
    }
}

// ---------------------------------------------------------------- showing

QList<QWidget*> FireMacroEditor::EditorWidgets() const
{
    return {controls_.card,   controls_.start.button, controls_.start.picture, controls_.names,
            controls_.events, controls_.delayPanel,   controls_.delayPicture};
}

void FireMacroEditor::ShowEditor()
{
    for (QWidget* w : EditorWidgets())
        w->setVisible(true);
}

void FireMacroEditor::FireMacrosReplaced()
{
    if (!Recording())
        LB_FireMacroNameClick();
}

void FireMacroEditor::HideEditor()
{
    if (Recording())
        Btn_FireStartClick();
    ClosePanel();
    HidePopup();
    for (QWidget* w : EditorWidgets())
        w->setVisible(false);
}

void FireMacroEditor::Tell(const QString& text)
{
    window_.ShowDialogMessage(text);
}

int FireMacroEditor::SelectedRecord() const
{
    const int row = controls_.names->currentRow();
    return row >= 0 && row < kFireMacroCount ? row + 1 : 0;
}

int FireMacroEditor::SelectedRow() const
{
    // A current row that is not drawn selected is no selection.
    QListWidget* list = controls_.events;
    return list->currentItem() && list->currentItem()->isSelected() ? list->currentRow() : -1;
}

void FireMacroEditor::SetHexDump(const QString& text)
{
    hexDump_ = text;
}

void FireMacroEditor::ShowScript(int selectRow)
{
    QListWidget* list = controls_.events;
    list->clear();
    for (size_t i = 1; i < script_.size(); ++i)
        list->addItem(QString::fromStdString(FireLineRowText(script_[i])));
    if (selectRow >= 0 && selectRow < list->count()) {
        list->setCurrentRow(selectRow);
        list->scrollToItem(list->item(selectRow));
    }
}

void FireMacroEditor::ShowRecord(int record)
{
    script_.clear();
    SetHexDump({});
    const auto bytes = FireMacroRecordOf(std::span<const uint8_t>(config_.FireMacroWork), record);
    const uint8_t length = bytes[fire_record::kLengthOffset];
    if (length != 0 && length != 0xFF) {
        const size_t shown = std::min<size_t>(size_t(length) + 2, fire_record::kSize);
        SetHexDump(QString::fromStdString(HexBytes(bytes.first(shown))));
        const DecodedFireMacro decoded = DecodeFireMacro(bytes);
        script_ = decoded.script;
        if (decoded.releaseMode)
            SetReleaseChoice(*decoded.releaseMode == ReleaseMode::StopOnRelease);
    }
    ShowScript(static_cast<int>(script_.size()) - 2);
}

void FireMacroEditor::LB_FireMacroNameMouseDown(QListWidget* names, const QPoint& pos)
{
    // A press below the records closes the pop-ups and hands the keys to the event list.
    if (names->itemAt(pos))
        return;
    HidePopup();
    controls_.events->setFocus();
}

void FireMacroEditor::LB_FireMacroMouseDown(QListWidget* events, const QPoint& pos)
{
    // A press below the events deselects every row, so no pop-up command acts on a row that is
    // not shown selected.
    if (events->itemAt(pos))
        return;
    events->setCurrentRow(-1);
    events->clearSelection();
    HidePopup();
    events->setFocus();
}

void FireMacroEditor::LB_FireMacroNameClick()
{
    HidePopup();
    if (const int m = SelectedRecord())
        ShowRecord(m);
}

// ---------------------------------------------------------------- modes

void FireMacroEditor::SetDelayMode(int mode)
{
    controls_.delayModes[size_t(mode)].radio->setChecked(true);
    for (size_t i = 0; i < controls_.delayModes.size(); ++i)
        controls_.delayModes[i].marker->setPicture(shown::RadioPicture(int(i) == mode));
    QLineEdit* delay = controls_.delay;
    delay->setEnabled(true);
    delay->setReadOnly(mode != 1);
    SetTextColour(delay, mode == 1 ? app_.Style.textButtonFont : kGreyFont);
}

void FireMacroEditor::SetReleaseChoice(bool stop)
{
    (stop ? controls_.releaseStop : controls_.releaseContinue).radio->setChecked(true);
    controls_.releaseStop.marker->setPicture(shown::RadioPicture(stop));
    controls_.releaseContinue.marker->setPicture(shown::RadioPicture(!stop));
}

ReleaseMode FireMacroEditor::ChosenReleaseMode() const
{
    return controls_.releaseStop.radio->isChecked() ? ReleaseMode::StopOnRelease : ReleaseMode::PlayToEnd;
}

DelayHeader FireMacroEditor::ChosenDelay() const
{
    if (controls_.delayModes[1].radio->isChecked())
        return {DelayMode::Fixed, std::max(0, controls_.delay->text().trimmed().toInt())};
    if (controls_.delayModes[2].radio->isChecked())
        return {DelayMode::None, 0};
    return {DelayMode::Record, 0};
}

// ---------------------------------------------------------------- encoding

bool FireMacroEditor::Encode(const std::optional<FireMacroRecord>& before)
{
    const int m = SelectedRecord();
    if (m == 0)
        return false;
    auto record = FireMacroRecordOf(std::span<uint8_t>(config_.FireMacroWork), m);
    const EncodedFireMacro encoded = EncodeFireMacro(script_, ChosenReleaseMode());
    if (!encoded.ok()) {
        if (before)
            std::copy(before->begin(), before->end(), record.begin());
        const int row = SelectedRow();
        ShowRecord(m);
        QListWidget* list = controls_.events;
        if (row >= 0 && row < list->count())
            list->setCurrentRow(row);
        Tell(app_.Text(kDoesNotFitText).arg(encoded.eventBytes));
        return false;
    }
    std::copy(encoded.record.begin(), encoded.record.end(), record.begin());
    SetHexDump(QString::fromStdString(encoded.hexDump));
    return true;
}

// ---------------------------------------------------------------- recording

bool FireMacroEditor::Recording() const
{
    return recording_->Running();
}

void FireMacroEditor::Btn_FireStartMouseEnter()
{
    recording_->SetPointerOver(true);
}

void FireMacroEditor::Btn_FireStartMouseLeave()
{
    recording_->SetPointerOver(false);
}

void FireMacroEditor::Btn_FireStartClick()
{
    if (!Recording()) {
        const int m = SelectedRecord();
        if (m == 0)
            return;
        auto record = FireMacroRecordOf(std::span<uint8_t>(config_.FireMacroWork), m);
        std::copy(record.begin(), record.end(), beforeRecording_.begin());
        QString error;
        if (!recording_->Start(ChosenDelay(), &error)) {
            Tell(app_.Text(kCannotRecordText) + QLatin1Char(' ') + error);
            return;
        }
        recordingRecord_ = m;
        script_.clear();
        ShowScript(-1);
        SetHexDump({});
        std::fill(record.begin(), record.end(), uint8_t{0});
        controls_.start.picture->setPicture(QStringLiteral("MacroS_03"));
        controls_.start.button->setText(app_.Text(kStopText));
        controls_.delayPanel->setEnabled(false);
        // The recording goes into the record it cleared: no other can be chosen meanwhile.
        controls_.names->setEnabled(false);
        SetTextColour(controls_.delay, kGreyFont);
        controls_.events->setFocus();
        return;
    }

    script_ = recording_->Stop();
    controls_.start.picture->setPicture(QStringLiteral("MacroS_03"));
    controls_.start.button->setText(app_.Text(kRecordText));
    controls_.delayPanel->setEnabled(true);
    SetTextColour(controls_.delay, app_.Style.textButtonFont);
    controls_.names->setEnabled(true);
    // The recording goes into the record it cleared; one that does not fit leaves that record
    // as it was before.
    if (recordingRecord_ != 0) {
        const QSignalBlocker quiet(controls_.names);
        controls_.names->setCurrentRow(recordingRecord_ - 1);
    }
    ShowScript(static_cast<int>(script_.size()) - 2);
    Encode(beforeRecording_);
    recordingRecord_ = 0;
    if (recording_->EndedFull())
        Tell(app_.Text(kFullText));
}

void FireMacroEditor::RecordingLine(int scriptIndex, const QString& line)
{
    if (scriptIndex != static_cast<int>(script_.size()))
        return;
    script_.push_back(line.toStdString());
    if (scriptIndex == 0)
        return;
    if (QListWidget* list = controls_.events) {
        list->addItem(QString::fromStdString(FireLineRowText(script_.back())));
        list->setCurrentRow(list->count() - 1);
        list->scrollToBottom();
    }
}

// ---------------------------------------------------------------- pop-up and insert panel

void FireMacroEditor::HidePopup()
{
    controls_.popup->setVisible(false);
}

void FireMacroEditor::ShowPopupAt(const QPoint& windowPos)
{
    // A recording owns the script until it stops.
    if (Recording() || SelectedRecord() == 0 || SelectedRow() < 0)
        return;
    if (QWidget* popup = controls_.popup) {
        popup->move(windowPos);
        popup->raise();
        popup->show();
    }
}

void FireMacroEditor::Btn_FireDelClick()
{
    HidePopup();
    const int row = SelectedRow();
    if (SelectedRecord() == 0 || row < 0)
        return;
    const std::optional<int> select = DeleteFireEvent(script_, row);
    if (!select)
        return;
    ShowScript(*select);
    Encode();
}

void FireMacroEditor::Btn_FireInsertClick()
{
    HidePopup();
    QListWidget* list = controls_.events;
    controls_.names->setEnabled(false);
    controls_.start.button->setEnabled(false);
    panelTopRow_ = list->indexAt(QPoint(1, 1)).row();
    panelRow_ = SelectedRow();
    ShowDelayPanel(false);
    ShowInsertPanel(true);
    {
        const QSignalBlocker quiet(controls_.insertItem);
        controls_.insertItem->setCurrentIndex(0);
    }
    CB_InsertFireChange(0);
}

void FireMacroEditor::CB_InsertFireChange(int item)
{
    const bool delay = item == 0 || item == 1;
    const bool repeat = item == 2 || item == 3;
    const bool x = item == 4 || item == 5;
    const bool y = item == 6 || item == 7;
    for (QWidget* w : {static_cast<QWidget*>(controls_.delayCaption), static_cast<QWidget*>(controls_.insertDelay),
                       static_cast<QWidget*>(controls_.delayUnit)})
        w->setVisible(delay);
    controls_.repeatCaption->setVisible(repeat);
    controls_.repeat->setVisible(repeat);
    controls_.repeat->setEnabled(item == 2);
    controls_.xCaption->setVisible(x);
    controls_.x->setVisible(x);
    controls_.yCaption->setVisible(y);
    controls_.y->setVisible(y);
}

void FireMacroEditor::ShowDelayPanel(bool shown)
{
    controls_.delayPanel->setVisible(shown);
    controls_.delayPicture->setVisible(shown);
}

void FireMacroEditor::ShowInsertPanel(bool shown)
{
    controls_.insertPanel->setVisible(shown);
    controls_.insertPicture->setVisible(shown);
}

void FireMacroEditor::ClosePanel()
{
    controls_.names->setEnabled(true);
    controls_.start.button->setEnabled(true);
    ShowInsertPanel(false);
}

void FireMacroEditor::Btn_FireOKClick()
{
    ClosePanel();
    ShowDelayPanel(true);
    controls_.ok.picture->setPicture(QStringLiteral("MacroBtnS_03"));
    const int row = SelectedRow();
    if (SelectedRecord() == 0 || row < 0)
        return;
    auto text = [](const QLineEdit* edit) { return edit->text().toStdString(); };
    const FireInsertValues values{text(controls_.insertDelay), text(controls_.repeat), text(controls_.x),
                                  text(controls_.y)};
    const int item = controls_.insertItem->currentIndex();
    const FireInsertResult result =
        InsertFireLine(script_, row, static_cast<FireInsertItem>(std::clamp(item, 0, kFireInsertItems - 1)), values);
    if (result.status == FireInsertStatus::BadNumber) {
        Tell(app_.Text(kNotWholeNumberText).arg(QString::fromStdString(result.badText)));
        return;
    }
    if (result.status != FireInsertStatus::Inserted)
        return;
    ShowScript(result.selectRow);
    Encode();
}

void FireMacroEditor::Btn_FireCancelClick()
{
    controls_.cancel.picture->setPicture(QStringLiteral("MacroBtnS_03"));
    ClosePanel();
    ShowDelayPanel(true);
    if (const int m = SelectedRecord())
        ShowRecord(m);
    if (QListWidget* list = controls_.events) {
        if (panelTopRow_ >= 0 && panelTopRow_ < list->count())
            list->scrollToItem(list->item(panelTopRow_), QAbstractItemView::PositionAtTop);
        if (panelRow_ >= 0 && panelRow_ < list->count())
            list->setCurrentRow(panelRow_);
    }
}

void FireMacroEditor::Btn_FireEditClick()
{
    HidePopup();
    const int row = SelectedRow();
    if (SelectedRecord() == 0 || row < 0 || row + 1 >= static_cast<int>(script_.size()))
        return;
    const std::string& line = script_[size_t(row + 1)];
    // Only delays are edited here: a fire macro's clicks are always the left button, and the
    // gun page could not read a record with any other key.
    if (ScriptLineType(line) != 0)
        return;
    const QString ms = window_.Prompts().AskDelay(QString::number(DelayLineMs(line)));
    if (ms.isEmpty())
        return;
    script_[size_t(row + 1)] = DelayLine(ms.toInt());
    ShowScript(row);
    Encode();
}

} // namespace tarq
