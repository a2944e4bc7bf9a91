// SPDX-License-Identifier: GPL-2.0-or-later
#include "firemacros/ui/FireMacroEditor.h"

#include <QAbstractButton>
#include <QComboBox>
#include <QEvent>
#include <QLineEdit>
#include <QListWidget>
#include <QMouseEvent>
#include <QPlainTextEdit>

#include "app/FormState.h"
#include "firemacros/FireScriptEdits.h"
#include "firemacros/ui/FireMacroRecording.h"
#include "macros/ui/Unit6.h"
#include "settings/ui/ShownControls.h"
#include "ui/Controls.h"
#include "ui/SkinLabel.h"
#include "ui/WindowServices.h"

namespace tarq {

namespace {

QString JoinLines(const MacroScript& script)
{
    QStringList lines;
    for (const std::string& line : script)
        lines << QString::fromStdString(line);
    return lines.join(QLatin1Char('\n'));
}

constexpr int kNotWholeNumberText = 940;
constexpr int kDoesNotFitText = 941;
constexpr int kCannotRecordText = 946;
constexpr int kFullText = 861;
constexpr int kRecordText = 400;
constexpr int kStopText = 401;
const QColor kGreyFont(114, 113, 113);

const char* const kEditorControls[] = {"Gb_FireEditor", "Btn_FireStart", "Img_FireStart", "LB_FireMacroName",
                                       "LB_FireMacro",  "GB_FireDelay",  "Img_FireDelay"};

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

} // namespace

FireMacroEditor::FireMacroEditor(FormState& state, Controls& controls, WindowServices& window,
                                 std::function<PlatformCapture()> createCapture)
    : QObject(window.Window()), state_(state), controls_(controls), window_(window),
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
    if (auto* names = controls_.get<QListWidget>("LB_FireMacroName")) {
        // The record shown is always the record selected, however the selection moved (click,
        // right press, arrow keys): the next change goes into the record it shows.
        connect(names, &QListWidget::itemClicked, this, [this] { LB_FireMacroNameClick(); });
        connect(names, &QListWidget::currentRowChanged, this, [this] { LB_FireMacroNameClick(); });
        names->viewport()->installEventFilter(new PopupWatch(this, [this, names](const QPoint& pos) {
            LB_FireMacroNameMouseDown(names, pos);
        }, {}));
    }

    const std::pair<const char*, void (FireMacroEditor::*)()> choices[] = {
        {"IB_FireRecDelay", &FireMacroEditor::IB_FireRecDelayClick},
        {"IB_FireDelayTime", &FireMacroEditor::IB_FireDelayTimeClick},
        {"IB_FireNoDelay", &FireMacroEditor::IB_FireNoDelayClick},
        {"IB_FireReleaseStop", &FireMacroEditor::IB_FireReleaseStopClick},
        {"IB_FireReleaseContiue", &FireMacroEditor::IB_FireReleaseContiueClick},
        {"Btn_FireStart", &FireMacroEditor::Btn_FireStartClick},
        {"Btn_FireDel", &FireMacroEditor::Btn_FireDelClick},
        {"Btn_FireInsert", &FireMacroEditor::Btn_FireInsertClick},
        {"Btn_FireEdit", &FireMacroEditor::Btn_FireEditClick},
        {"Btn_FireOK", &FireMacroEditor::Btn_FireOKClick},
        {"Btn_FireCancel", &FireMacroEditor::Btn_FireCancelClick}};
    for (const auto& [name, handler] : choices)
        if (auto* label = controls_.get<TSkinLabel>(name))
            connect(label, &TSkinLabel::clicked, this, handler);
    if (auto* start = controls_.get<TSkinLabel>("Btn_FireStart")) {
        connect(start, &TSkinLabel::mouseEntered, this, &FireMacroEditor::Btn_FireStartMouseEnter);
        connect(start, &TSkinLabel::mouseLeft, this, &FireMacroEditor::Btn_FireStartMouseLeave);
    }

    if (auto* delay = controls_.get<QLineEdit>("Edt_FireDelay"))
        connect(delay, &QLineEdit::textChanged, this, [delay](const QString& text) {
            const QString corrected = QString::fromStdString(CorrectFireDelayText(text.toStdString()));
            if (corrected != text)
                delay->setText(corrected);
        });
    if (auto* repeat = controls_.get<QLineEdit>("edt_FireRepeat"))
        connect(repeat, &QLineEdit::textChanged, this, [this, repeat](const QString& text) {
            if (text.isEmpty()) {
                Tell(state_.Text(kNotWholeNumberText).arg(text));
                return;
            }
            const QString corrected = QString::fromStdString(CorrectFireRepeatText(text.toStdString()));
            if (corrected != text)
                repeat->setText(corrected);
        });
    for (const char* name : {"edt_FireXAxisValue", "edt_FireYAxisValue"})
        if (auto* axis = controls_.get<QLineEdit>(name))
            connect(axis, &QLineEdit::textChanged, this, [axis](const QString& text) {
                const QString corrected = QString::fromStdString(CorrectFireAxisText(text.toStdString()));
                if (corrected != text)
                    axis->setText(corrected);
            });
    if (auto* insert = controls_.get<QComboBox>("CB_InsertFire"))
        connect(insert, &QComboBox::currentIndexChanged, this, &FireMacroEditor::CB_InsertFireChange);

    if (auto* events = controls_.get<QListWidget>("LB_FireMacro")) {
        auto* watch = new PopupWatch(this, [this, events](const QPoint& pos) { LB_FireMacroMouseDown(events, pos); },
                                     [this](const QPoint& global) { ShowPopupAt(window_.Window()->mapFromGlobal(global)); });
        events->viewport()->installEventFilter(watch);
        connect(events, &QListWidget::itemClicked, this, [this] { HidePopup(); });
    }
}

// ---------------------------------------------------------------- showing

void FireMacroEditor::ShowEditor()
{
    for (const char* name : kEditorControls)
        shown::SetVisible(controls_, name, true);
}

void FireMacroEditor::HideEditor()
{
    if (Recording())
        Btn_FireStartClick();
    ClosePanel();
    HidePopup();
    for (const char* name : kEditorControls)
        shown::SetVisible(controls_, name, false);
}

void FireMacroEditor::Tell(const QString& text)
{
    if (window_.ShowDialogMessage)
        window_.ShowDialogMessage(text);
}

int FireMacroEditor::SelectedRecord() const
{
    auto* names = controls_.get<QListWidget>("LB_FireMacroName");
    const int row = names ? names->currentRow() : -1;
    return row >= 0 && row < kFireMacroCount ? row + 1 : 0;
}

int FireMacroEditor::SelectedRow() const
{
    // A current row that is not drawn selected is no selection.
    auto* list = controls_.get<QListWidget>("LB_FireMacro");
    return list && list->currentItem() && list->currentItem()->isSelected() ? list->currentRow() : -1;
}

void FireMacroEditor::SetHexDump(const QString& text)
{
    if (auto* memo = controls_.get<QPlainTextEdit>("mmo_wrscript"))
        memo->setPlainText(text);
}

void FireMacroEditor::ShowScript(int selectRow)
{
    if (auto* memo = controls_.get<QPlainTextEdit>("mmo_macro"))
        memo->setPlainText(JoinLines(script_));
    auto* list = controls_.get<QListWidget>("LB_FireMacro");
    if (!list)
        return;
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
    const auto bytes = FireMacroRecordOf(std::span<const uint8_t>(state_.FireMacroWork), record);
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
    if (QWidget* events = controls_.get("LB_FireMacro"))
        events->setFocus();
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
    static const char* const radios[] = {"rb_FireRecDelay", "rb_FireDelayTime", "rb_FireNoDelay"};
    static const char* const markers[] = {"LED_FireRecDelay", "LED_FireDelayTime", "LED_FireNoDelay"};
    shown::SetChecked(controls_, radios[mode], true);
    for (int i = 0; i < 3; ++i)
        window_.SetPicture(markers[i], shown::RadioPicture(i == mode));
    auto* delay = controls_.get<QLineEdit>("Edt_FireDelay");
    if (!delay)
        return;
    delay->setEnabled(true);
    delay->setReadOnly(mode != 1);
    shown::SetTextColour(controls_, "Edt_FireDelay", mode == 1 ? state_.Style.textButtonFont : kGreyFont);
}

void FireMacroEditor::SetReleaseChoice(bool stop)
{
    shown::CheckOneOf(controls_, stop, "rb_FireReleaseStop", "rb_FireReleaseContinue");
    shown::ShowRadioPictures(window_, stop, "Img_FireReleaseStop", "Img_FireReleaseContiue");
}

ReleaseMode FireMacroEditor::ChosenReleaseMode() const
{
    return shown::IsChecked(controls_, "rb_FireReleaseStop") ? ReleaseMode::StopOnRelease : ReleaseMode::PlayToEnd;
}

DelayHeader FireMacroEditor::ChosenDelay() const
{
    if (shown::IsChecked(controls_, "rb_FireDelayTime"))
        return {DelayMode::Fixed, std::max(0, shown::NumberOf(controls_, "Edt_FireDelay"))};
    if (shown::IsChecked(controls_, "rb_FireNoDelay"))
        return {DelayMode::None, 0};
    return {DelayMode::Record, 0};
}

// ---------------------------------------------------------------- encoding

bool FireMacroEditor::Encode(const std::optional<FireMacroRecord>& before)
{
    const int m = SelectedRecord();
    if (m == 0)
        return false;
    auto record = FireMacroRecordOf(std::span<uint8_t>(state_.FireMacroWork), m);
    const EncodedFireMacro encoded = EncodeFireMacro(script_, ChosenReleaseMode());
    if (!encoded.ok()) {
        if (before)
            std::copy(before->begin(), before->end(), record.begin());
        const int row = SelectedRow();
        ShowRecord(m);
        auto* list = controls_.get<QListWidget>("LB_FireMacro");
        if (list && row >= 0 && row < list->count())
            list->setCurrentRow(row);
        Tell(state_.Text(kDoesNotFitText).arg(encoded.eventBytes));
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
    window_.SetPicture("Img_FireStart", "MacroS_02");
}

void FireMacroEditor::Btn_FireStartMouseLeave()
{
    recording_->SetPointerOver(false);
    window_.SetPicture("Img_FireStart", "MacroS_01");
}

void FireMacroEditor::Btn_FireStartClick()
{
    if (!Recording()) {
        const int m = SelectedRecord();
        if (m == 0)
            return;
        auto record = FireMacroRecordOf(std::span<uint8_t>(state_.FireMacroWork), m);
        std::copy(record.begin(), record.end(), beforeRecording_.begin());
        QString error;
        if (!recording_->Start(ChosenDelay(), &error)) {
            Tell(state_.Text(kCannotRecordText) + QLatin1Char(' ') + error);
            return;
        }
        recordingRecord_ = m;
        script_.clear();
        ShowScript(-1);
        SetHexDump({});
        std::fill(record.begin(), record.end(), uint8_t{0});
        window_.SetPicture("Img_FireStart", "MacroS_03");
        shown::SetText(controls_, "Btn_FireStart", state_.Text(kStopText));
        shown::SetEnabled(controls_, "GB_FireDelay", false);
        // The recording goes into the record it cleared: no other can be chosen meanwhile.
        shown::SetEnabled(controls_, "LB_FireMacroName", false);
        shown::SetTextColour(controls_, "Edt_FireDelay", kGreyFont);
        if (QWidget* list = controls_.get("LB_FireMacro"))
            list->setFocus();
        return;
    }

    script_ = recording_->Stop();
    window_.SetPicture("Img_FireStart", "MacroS_03");
    shown::SetText(controls_, "Btn_FireStart", state_.Text(kRecordText));
    shown::SetEnabled(controls_, "GB_FireDelay", true);
    shown::SetTextColour(controls_, "Edt_FireDelay", state_.Style.textButtonFont);
    shown::SetEnabled(controls_, "LB_FireMacroName", true);
    // The recording goes into the record it cleared; one that does not fit leaves that record
    // as it was before.
    if (auto* names = controls_.get<QListWidget>("LB_FireMacroName"); names && recordingRecord_ != 0) {
        const QSignalBlocker quiet(names);
        names->setCurrentRow(recordingRecord_ - 1);
    }
    ShowScript(static_cast<int>(script_.size()) - 2);
    Encode(beforeRecording_);
    recordingRecord_ = 0;
    if (recording_->EndedFull())
        Tell(state_.Text(kFullText));
}

void FireMacroEditor::RecordingLine(int scriptIndex, const QString& line)
{
    if (scriptIndex != static_cast<int>(script_.size()))
        return;
    script_.push_back(line.toStdString());
    if (auto* memo = controls_.get<QPlainTextEdit>("mmo_macro"))
        memo->setPlainText(JoinLines(script_));
    if (scriptIndex == 0)
        return;
    if (auto* list = controls_.get<QListWidget>("LB_FireMacro")) {
        list->addItem(QString::fromStdString(FireLineRowText(script_.back())));
        list->setCurrentRow(list->count() - 1);
        list->scrollToBottom();
    }
}

// ---------------------------------------------------------------- pop-up and insert panel

void FireMacroEditor::HidePopup()
{
    shown::SetVisible(controls_, "Pnl_DevFireContent", false);
}

void FireMacroEditor::ShowPopupAt(const QPoint& windowPos)
{
    // A recording owns the script until it stops.
    if (Recording() || SelectedRecord() == 0 || SelectedRow() < 0)
        return;
    if (QWidget* popup = controls_.get("Pnl_DevFireContent")) {
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
    auto* list = controls_.get<QListWidget>("LB_FireMacro");
    shown::SetEnabled(controls_, "LB_FireMacroName", false);
    shown::SetEnabled(controls_, "Btn_FireStart", false);
    panelTopRow_ = list ? list->indexAt(QPoint(1, 1)).row() : 0;
    panelRow_ = SelectedRow();
    for (const char* name : {"GB_FireDelay", "Img_FireDelay"})
        shown::SetVisible(controls_, name, false);
    for (const char* name : {"Gb_InsertFire", "Img_FireInsert"})
        shown::SetVisible(controls_, name, true);
    if (auto* items = controls_.get<QComboBox>("CB_InsertFire")) {
        const QSignalBlocker quiet(items);
        items->setCurrentIndex(0);
    }
    CB_InsertFireChange(0);
}

void FireMacroEditor::CB_InsertFireChange(int item)
{
    const bool delay = item == 0 || item == 1;
    const bool repeat = item == 2 || item == 3;
    const bool x = item == 4 || item == 5;
    const bool y = item == 6 || item == 7;
    for (const char* name : {"lbl_FireDelay", "Edt_InsertFireDelay", "lbl_Fires_A"})
        shown::SetVisible(controls_, name, delay);
    for (const char* name : {"lbl_FireRepeat", "edt_FireRepeat"})
        shown::SetVisible(controls_, name, repeat);
    shown::SetEnabled(controls_, "edt_FireRepeat", item == 2);
    for (const char* name : {"lbl_FireXAxisValue", "edt_FireXAxisValue"})
        shown::SetVisible(controls_, name, x);
    for (const char* name : {"lbl_FireYAxisValue", "edt_FireYAxisValue"})
        shown::SetVisible(controls_, name, y);
}

void FireMacroEditor::ClosePanel()
{
    shown::SetEnabled(controls_, "LB_FireMacroName", true);
    shown::SetEnabled(controls_, "Btn_FireStart", true);
    for (const char* name : {"Gb_InsertFire", "Img_FireInsert"})
        shown::SetVisible(controls_, name, false);
}

void FireMacroEditor::Btn_FireOKClick()
{
    ClosePanel();
    for (const char* name : {"GB_FireDelay", "Img_FireDelay"})
        shown::SetVisible(controls_, name, true);
    window_.SetPicture("Img_FireOK", "MacroBtnS_03");
    const int row = SelectedRow();
    if (SelectedRecord() == 0 || row < 0)
        return;
    auto text = [this](const char* name) {
        auto* edit = controls_.get<QLineEdit>(name);
        return edit ? edit->text().toStdString() : std::string();
    };
    const FireInsertValues values{text("Edt_InsertFireDelay"), text("edt_FireRepeat"), text("edt_FireXAxisValue"),
                                  text("edt_FireYAxisValue")};
    auto* items = controls_.get<QComboBox>("CB_InsertFire");
    const int item = items ? items->currentIndex() : 0;
    const FireInsertResult result =
        InsertFireLine(script_, row, static_cast<FireInsertItem>(std::clamp(item, 0, kFireInsertItems - 1)), values);
    if (result.status == FireInsertStatus::BadNumber) {
        Tell(state_.Text(kNotWholeNumberText).arg(QString::fromStdString(result.badText)));
        return;
    }
    if (result.status != FireInsertStatus::Inserted)
        return;
    ShowScript(result.selectRow);
    Encode();
}

void FireMacroEditor::Btn_FireCancelClick()
{
    window_.SetPicture("Img_FireCancel", "MacroBtnS_03");
    ClosePanel();
    for (const char* name : {"GB_FireDelay", "Img_FireDelay"})
        shown::SetVisible(controls_, name, true);
    if (const int m = SelectedRecord())
        ShowRecord(m);
    if (auto* list = controls_.get<QListWidget>("LB_FireMacro")) {
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
