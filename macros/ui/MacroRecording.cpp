// SPDX-License-Identifier: GPL-2.0-or-later
#include "macros/ui/MacroRecording.h"


#include "macros/MacroBody.h"
#include "macros/MacroLineText.h"
#include "macros/RecordingSession.h"
#include "macros/ui/Unit3.h"
#include "ui/pages/MacroPageControls.h"
#include "ui/state/AppContext.h"
#include "ui/state/ConfigurationState.h"
#include "ui/state/MacroLibraries.h"
#include "macros/ui/MacroLibraryStore.h"
#include "ui/HexEdit.h"
#include "ui/SkinLabel.h"
#include "ui/WindowServices.h"

#include <QComboBox>
#include <QFrame>
#include <QEvent>
#include <QListWidget>
#include <QPlainTextEdit>
#include <QRadioButton>
#include <QSignalBlocker>
#include <QWidget>

#include <QLabel>

#include <algorithm>
#include <cstdio>
#include <optional>

namespace tarq {

namespace {

constexpr int kMaxMacros = 100;

std::string JoinLines(const MacroScript& script)
{
    std::string text;
    for (size_t i = 0; i < script.size(); ++i) {
        if (i)
            text += '\n';
        text += script[i];
    }
    return text;
}

const QColor kGrey(114, 113, 113);

int ChoiceIndex(DelayMode mode)
{
    return mode == DelayMode::Record ? 0 : mode == DelayMode::Fixed ? 1 : 2;
}

void SetTextColour(QWidget* w, const QColor& colour)
{
    if (!w)
        return;
    QPalette p = w->palette();
    p.setColor(QPalette::Text, colour);
    p.setColor(QPalette::WindowText, colour);
    w->setPalette(p);
}

// Keeps a delay field within 0-2040: empty becomes "0", a larger number "2040".
void KeepDelayInRange(TIntEdit* edit)
{
    if (!edit)
        return;
    const QString text = edit->text();
    QString fixed = text;
    if (text.isEmpty() || text.toInt() < 0)
        fixed = QStringLiteral("0");
    else if (text.toInt() > kMaxDelayRecordMs)
        fixed = QString::number(kMaxDelayRecordMs);
    if (fixed != text)
        edit->setText(fixed);
}

// Reports pointer enter and leave of a control.
class HoverWatch : public QObject {
public:
    HoverWatch(QObject* parent, std::function<void(bool)> changed)
        : QObject(parent), changed_(std::move(changed))
    {
    }
    bool eventFilter(QObject*, QEvent* event) override
    {
        if (event->type() == QEvent::Enter)
            changed_(true);
        else if (event->type() == QEvent::Leave)
            changed_(false);
        return false;
    }

private:
    std::function<void(bool)> changed_;
};

// Reports when the program hides a page (not when the window system hides the window).
class PageHideWatch : public QObject {
public:
    PageHideWatch(QObject* parent, std::function<void()> hidden) : QObject(parent), hidden_(std::move(hidden)) {}
    bool eventFilter(QObject*, QEvent* event) override
    {
        if (event->type() == QEvent::Hide && !event->spontaneous())
            hidden_();
        return false;
    }

private:
    std::function<void()> hidden_;
};

} // namespace

MacroRecording::MacroRecording(const AppContext& app, ConfigurationState& config, MacroLibraries& libraries,
                               MacroPageControls& page, WindowServices& window, MacroLibraryStore& store,
                               std::function<PlatformCapture()> createCapture)
    : app_(app), page_(page), window_(window), store_(store), config_(config), libraries_(libraries),
      createCapture_(std::move(createCapture))
{
    if (!createCapture_)
        createCapture_ = [] { return CreatePlatformInputCapture(); };
}

QString MacroRecording::Text(int strId, const char* fallback) const
{
    const QString text = app_.Text(strId);
    return text.isEmpty() ? QString::fromUtf8(fallback) : text;
}

void MacroRecording::SetPicture(const QWidget* control, const QString& picture)
{
    window_.SetPicture(control->objectName(), picture);
}

void MacroRecording::ShowMessage(const QString& text)
{
    window_.ShowDialogMessage(text);
}

MacroRecording::~MacroRecording()
{
    // The worker and the capture end before the recorder they feed.
    if (session_)
        session_->Stop();
}

void MacroRecording::Wire()
{
    connect(page_.start.button, &TSkinLabel::clicked, this, &MacroRecording::Btn_StartClick);
    connect(page_.insertStart.button, &TSkinLabel::clicked, this, &MacroRecording::Btn_InsertStartClick);
    connect(page_.newButton, &TSkinLabel::clicked, this, &MacroRecording::Btn_NewClick);
    connect(page_.newMacro, &TSkinLabel::clicked, this, &MacroRecording::Btn_NewMacroClick);

    const std::pair<TSkinLabel*, void (MacroRecording::*)()> choices[] = {
        {page_.delayChoices[0].caption, &MacroRecording::IB_RecDelayClick},
        {page_.delayChoices[1].caption, &MacroRecording::IB_DelayTimeClick},
        {page_.delayChoices[2].caption, &MacroRecording::IB_NoDelayClick},
        {page_.insertChoices[0].caption, &MacroRecording::IB_InsertRecDelayClick},
        {page_.insertChoices[1].caption, &MacroRecording::IB_InsertDelayTimeClick},
        {page_.insertChoices[2].caption, &MacroRecording::IB_InsertNoDelayClick}};
    for (const auto& [label, handler] : choices)
        connect(label, &TSkinLabel::clicked, this, handler);

    for (TIntEdit* edit : {page_.delay, page_.insertDelay})
        connect(edit, &QLineEdit::textChanged, this, [edit] { KeepDelayInRange(edit); });
    delayTextColour_ = page_.delay->palette().color(QPalette::Text);

    connect(page_.macroNames, &QListWidget::currentRowChanged, this, [this] { LB_PCMacroNameClick(); });

    // The click that stops a recording must not be recorded: the pointer-over flag follows the
    // pointer over the buttons that start and stop one.
    auto* hover = new HoverWatch(this, [this](bool over) { SetPointerOver(over); });
    for (QWidget* w : {page_.start.button, page_.newButton, page_.insertStart.button})
        w->installEventFilter(hover);

    // Leaving the macro page ends a recording as its button would; a minimised window does not.
    if (QWidget* page = page_.page)
        page->installEventFilter(new PageHideWatch(this, [this] { StopRecording(); }));

    EnsureCapture();
    page_.recordScope->setVisible(capture_ && !capture_->SeesWholeDesktop());
}

bool MacroRecording::EnsureCapture()
{
    if (!capture_) {
        PlatformCapture platform = createCapture_();
        capture_ = std::move(platform.capture);
        if (capture_ && !capture_->SeesWholeDesktop() && !platform.note.empty())
            std::fprintf(stderr, "Macro recording sees only this window: %s\n", platform.note.c_str());
    }
    return capture_ != nullptr;
}

void MacroRecording::SetPointerOver(bool over)
{
    pointerOver_ = over;
    if (recorder_)
        recorder_->SetPointerOverStop(over);
}

int MacroRecording::SelectedMacro() const
{
    auto* list = page_.macroNames;
    if (list->currentRow() < 0 || list->currentRow() >= Library()->Count())
        return -1;
    return list->currentRow();
}

void MacroRecording::SetStartCaption(TSkinLabel* button, bool recording)
{
    button->setText(recording ? Text(401, "Stop") : Text(400, "Record"));
}

// ---- delay modes ----

void MacroRecording::ChooseDelay(bool insert, DelayMode mode)
{
    const auto& choices = insert ? page_.insertChoices : page_.delayChoices;
    const int chosen = ChoiceIndex(mode);
    for (int i = 0; i < 3; ++i) {
        if (i == chosen)
            choices[size_t(i)].radio->setChecked(true);
        SetPicture(choices[size_t(i)].marker, i == chosen ? QStringLiteral("RdS_E") : QStringLiteral("RdS_D"));
    }
    // The fixed-delay field is editable only in "Delay Time" mode, greyed otherwise.
    TIntEdit* edit = insert ? page_.insertDelay : page_.delay;
    edit->setReadOnly(mode != DelayMode::Fixed);
    SetTextColour(edit, mode == DelayMode::Fixed ? delayTextColour_ : kGrey);
}

DelayHeader MacroRecording::ChosenDelay(bool insert) const
{
    const auto& choices = insert ? page_.insertChoices : page_.delayChoices;
    auto checked = [](const QRadioButton* radio) { return radio->isChecked(); };
    DelayHeader header;
    if (checked(choices[0].radio))
        header.mode = DelayMode::Record;
    else if (checked(choices[1].radio))
        header.mode = DelayMode::Fixed;
    else
        header.mode = DelayMode::None;
    header.fixedMs = std::clamp((insert ? page_.insertDelay : page_.delay)->text().toInt(), 0, kMaxDelayRecordMs);
    return header;
}

void MacroRecording::ShowDelayHeader(const DelayHeader& header)
{
    ChooseDelay(false, header.mode);
    if (header.mode == DelayMode::Fixed)
        page_.delay->setText(QString::number(header.fixedMs));
}

// ---- recording ----

bool MacroRecording::StartSession(const RecorderSettings& settings)
{
    if (!EnsureCapture())
        return false;
    const unsigned generation = ++generation_;
    recorder_ = std::make_unique<MacroRecorder>(settings, script_);
    recorder_->SetPointerOverStop(pointerOver_);
    // The recorder runs on the worker thread; what it writes is shown on the UI thread, in
    // order, and dropped once the recording it belongs to has ended.
    recorder_->OnLine = [this, generation](int index, const std::string& line, int row) {
        QMetaObject::invokeMethod(
            this, [this, generation, index, text = QString::fromStdString(line), row] {
                LineArrived(generation, index, text, row);
            },
            Qt::QueuedConnection);
    };
    recorder_->OnCapacityReached = [this, generation] {
        QMetaObject::invokeMethod(
            this, [this, generation] {
                if (generation != generation_ || !Recording())
                    return;
                if (inserting_)
                    Btn_InsertStartClick();
                else
                    Btn_StartClick();
            },
            Qt::QueuedConnection);
    };
    MacroRecorder* recorder = recorder_.get();
    session_ = std::make_unique<RecordingSession>(*capture_,
                                                  [recorder](const InputEvent& e) { recorder->Handle(e); });
    if (!session_->Start()) {
        const QString why = QString::fromStdString(session_->ErrorText());
        session_.reset();
        recorder_.reset();
        ShowMessage(QStringLiteral("Recording could not start: ") + why);
        return false;
    }
    return true;
}

void MacroRecording::StopSession()
{
    session_->Stop();
    recorder_->Finish();
    ++generation_;
    stopFlag_ = recorder_->StopFlag();
    endedFull_ = recorder_->CapacityReached();
    script_ = recorder_->TakeScript();
    session_.reset();
    recorder_.reset();
}

void MacroRecording::TellIfEndedFull()
{
    if (endedFull_)
        ShowMessage(Text(kMacroFullText, "The macro is full, so the recording stopped."));
    endedFull_ = false;
}

void MacroRecording::LineArrived(unsigned generation, int scriptIndex, const QString& line, int row)
{
    if (generation != generation_)
        return;
    const auto at = script_.begin() + std::clamp<ptrdiff_t>(scriptIndex, 0, ptrdiff_t(script_.size()));
    script_.insert(at, line.toStdString());
    page_.scriptMemo->setPlainText(QString::fromStdString(JoinLines(script_)));
    if (scriptIndex == 0)
        return;   // the delay header has no row
    QListWidget* list = page_.events;
    list->insertItem(scriptIndex - 1, QString::fromStdString(MacroLineRowText(line.toStdString())));
    if (row >= 0 && row < list->count()) {
        list->setCurrentRow(row);
        list->scrollToItem(list->item(row));
    }
}

void MacroRecording::ShowScript(int selectRow)
{
    page_.scriptMemo->setPlainText(QString::fromStdString(JoinLines(script_)));
    QListWidget* list = page_.events;
    list->clear();
    for (size_t i = 1; i < script_.size(); ++i)
        list->addItem(QString::fromStdString(MacroLineRowText(script_[i])));
    if (selectRow >= 0 && selectRow < list->count()) {
        list->setCurrentRow(selectRow);
        list->scrollToItem(list->item(selectRow));
    } else {
        // Without a row to show, a script opens at its first event, not where the last one was.
        list->scrollToTop();
    }
}

void MacroRecording::ShowEditedScript(MacroScript script, int selectRow)
{
    script_ = std::move(script);
    ShowScript(selectRow);
}

void MacroRecording::Btn_StartClick()
{
    emit menusHideRequested();
    const int capacity = config_.Home->RecordingCapacity();
    const int row = SelectedMacro();
    if (row < 0)
        return;

    auto setEnabled = [this](bool on) {
        for (QWidget* w : {static_cast<QWidget*>(page_.macroNames), static_cast<QWidget*>(page_.pageNames),
                           static_cast<QWidget*>(page_.events), static_cast<QWidget*>(page_.newButton)})
            w->setEnabled(on);
    };

    if (!Recording()) {
        RecorderSettings settings;
        settings.header = settings.delay = ChosenDelay(false);
        settings.capacity = capacity;
        settings.reserve = ChosenDelay(false).mode == DelayMode::None || ChosenDelay(true).mode == DelayMode::None
                               ? recording_capacity::kReserveNoDelay
                               : recording_capacity::kReserveWithDelays;
        settings.bodyEventLimit = config_.Home->BodyEventLimit();
        script_.clear();
        inserting_ = false;
        stopFlag_ = false;
        if (!StartSession(settings))
            return;
        ClearMacroView();
        Library()->ClearBody(row);
        SetStartCaption(page_.start.button, true);
        SetPicture(page_.start.picture, QStringLiteral("MacroS_04"));
        page_.delayBox->setEnabled(false);
        SetTextColour(page_.delay, kGrey);
        page_.events->setFocus();
        setEnabled(false);
        return;
    }

    if (inserting_)
        return;   // the insert panel's own button stops an insert-recording
    StopSession();
    SetStartCaption(page_.start.button, false);
    SetPicture(page_.start.picture, QStringLiteral("MacroS_03"));
    page_.delayBox->setEnabled(true);
    // The field keeps the colour of the chosen mode.
    ChooseDelay(false, ChosenDelay(false).mode);
    ShowScript(int(script_.size()) - 2);
    BuildMacroBody();
    setEnabled(true);
    SaveLibrary();
    TellIfEndedFull();
}

void MacroRecording::StopRecording()
{
    if (!Recording())
        return;
    if (inserting_)
        Btn_InsertStartClick();
    else
        Btn_StartClick();
}

void MacroRecording::Btn_InsertStartClick()
{
    SetPicture(page_.insertStart.picture, QStringLiteral("MacroS_03"));
    const int capacity = config_.Home->RecordingCapacity();
    const int row = SelectedMacro();

    auto coverOptions = [this](bool cover) {
        page_.insertKind->setEnabled(!cover);
        for (const SkinChoiceControls& c : page_.insertChoices) {
            c.caption->setEnabled(!cover);
            SetTextColour(c.caption, cover ? kGrey : QColor(Qt::white));
        }
        for (QWidget* w : {page_.ok, page_.cancel}) {
            w->setEnabled(!cover);
            SetTextColour(w, cover ? kGrey : QColor(Qt::white));
        }
    };

    if (!Recording()) {
        if (stopFlag_ || row < 0)
            return;
        const int selected = page_.events->currentRow();
        const std::optional<size_t> count = Library()->EventCount(row);
        // The counter starts at the length field L: the events and the checksum byte.
        const int startCount = count && *count > 0 ? int(*count) + 1 : 0;
        if (selected < 0 || startCount >= capacity)
            return;
        if (script_.size() < size_t(selected) + 2)
            return;   // the list does not show this script

        RecorderSettings settings;
        settings.header = ChosenDelay(false);
        settings.delay = ChosenDelay(true);
        settings.capacity = capacity;
        settings.reserve = settings.header.mode == DelayMode::None || settings.delay.mode == DelayMode::None
                               ? recording_capacity::kReserveNoDelay
                               : recording_capacity::kReserveWithDelays;
        settings.bodyEventLimit = config_.Home->BodyEventLimit();
        settings.startCount = startCount;
        settings.insertionPoint = selected;
        settings.side = page_.insertKind->currentIndex() == 3 ? InsertSide::Back : InsertSide::Front;
        if (!StartSession(settings))
            return;
        inserting_ = true;
        SetStartCaption(page_.insertStart.button, true);
        coverOptions(true);
        return;
    }

    if (!inserting_)
        return;
    StopSession();
    inserting_ = false;
    SetStartCaption(page_.insertStart.button, false);
    coverOptions(false);
    // The inserted lines stay in the script; the panel's OK builds them into the body.
    ShowScript(page_.events->currentRow());
    TellIfEndedFull();
}

// ---- the body and the library ----

void MacroRecording::BuildMacroBody()
{
    const int row = SelectedMacro();
    stopFlag_ = false;
    if (row < 0)
        return;
    const ReleaseMode mode = page_.releaseStop.radio->isChecked() ? ReleaseMode::StopOnRelease : ReleaseMode::PlayToEnd;
    const MacroBuildResult result = Library()->Build(row, script_, mode);
    page_.writeMemo->setPlainText(QString::fromStdString(result.hexDump));
    if (!result.ok())
        std::fprintf(stderr, "The macro script does not fit its body (%zu event bytes); the body was left empty\n",
                     result.eventBytes);
}

std::unique_ptr<MacroLibraryInUse> MacroRecording::Library() const { return config_.Home->LibraryInUse(libraries_); }

void MacroRecording::SaveLibrary()
{
    store_.SaveLibrary();
}

void MacroRecording::ClearMacroView()
{
    page_.macroMenu->hide();
    page_.eventMenu->hide();
    page_.events->clear();
    page_.scriptMemo->clear();
    page_.writeMemo->clear();
}

// ---- the macro list ----

void MacroRecording::RefreshPCMacroName()
{
    store_.RefreshPCMacroName();
}

void MacroRecording::LB_PCMacroNameClick()
{
    if (Recording())
        return;
    ClearMacroView();
    script_.clear();
    const int row = SelectedMacro();
    if (row < 0)
        return;
    std::optional<MacroLibraryInUse::Shown> shown = Library()->Load(row);
    if (!shown)
        return;
    page_.writeMemo->setPlainText(QString::fromStdString(shown->hexDump));
    LoadedMacroScript& loaded = shown->macro;
    if (loaded.releaseMode) {
        const bool stop = *loaded.releaseMode == ReleaseMode::StopOnRelease;
        (stop ? page_.releaseStop : page_.releaseContinue).radio->setChecked(true);
        SetPicture(page_.releaseStop.marker, stop ? QStringLiteral("RdS_E") : QStringLiteral("RdS_D"));
        SetPicture(page_.releaseContinue.marker, stop ? QStringLiteral("RdS_D") : QStringLiteral("RdS_E"));
    }
    script_ = std::move(loaded.script);
    ShowDelayHeader(loaded.delay);
    ShowScript(-1);
}

void MacroRecording::Btn_NewClick()
{
    if (Library()->Count() >= kMaxMacros) {
        page_.macroMenu->hide();
        page_.eventMenu->hide();
        return;
    }
    ClearMacroView();
    script_.clear();
    ApplyNewName(window_.Prompts().AskMacroName());
}

void MacroRecording::Btn_NewMacroClick()
{
    // A new macro from the list's menu starts as "Stop after the macro is over". The macro that
    // was selected keeps its own release mode, and without a new macro the choice shown stays
    // the selected macro's.
    const int before = Library()->Count();
    Btn_NewClick();
    if (Library()->Count() == before)
        return;
    page_.releaseContinue.radio->setChecked(true);
    SetPicture(page_.releaseContinue.marker, QStringLiteral("RdS_E"));
    SetPicture(page_.releaseStop.marker, QStringLiteral("RdS_D"));
}

void MacroRecording::ApplyNewName(const QString& name)
{
    if (name.isEmpty())
        return;
    auto* list = page_.macroNames;
    if (!list->findItems(name, Qt::MatchExactly).isEmpty()) {
        ShowMessage(Text(106, "This macro already exists"));
        return;
    }
    const auto library = Library();
    const int row = library->Count();
    library->Append(MacroNameFromUtf16(name.toStdU16String()));
    RefreshPCMacroName();
    {
        const QSignalBlocker quiet(list);
        list->setCurrentRow(row);
    }
    SaveLibrary();
}

} // namespace tarq
