// SPDX-License-Identifier: GPL-2.0-or-later
#include "firemacros/ui/FireMacroRecording.h"

#include "firemacros/FireMacroRecorder.h"
#include "macros/RecordingSession.h"

namespace tarq {

FireMacroRecording::FireMacroRecording(std::function<PlatformCapture()> createCapture, QObject* parent)
    : QObject(parent), createCapture_(std::move(createCapture))
{
    if (!createCapture_)
        createCapture_ = [] { return CreatePlatformInputCapture(); };
}

FireMacroRecording::~FireMacroRecording()
{
    // The worker and the capture end before the recorder they feed.
    if (session_)
        session_->Stop();
}

void FireMacroRecording::SetPointerOver(bool over)
{
    pointerOver_ = over;
    if (recorder_)
        recorder_->SetPointerOverStop(over);
}

bool FireMacroRecording::Start(const DelayHeader& delay, QString* error)
{
    if (session_)
        return true;
    if (!capture_)
        capture_ = createCapture_().capture;
    if (!capture_) {
        if (error)
            *error = QStringLiteral("no input capture");
        return false;
    }
    const unsigned generation = ++generation_;
    recorder_ = std::make_unique<FireMacroRecorder>(delay);
    recorder_->SetPointerOverStop(pointerOver_);
    recorder_->OnLine = [this, generation](int index, const std::string& line) {
        QMetaObject::invokeMethod(
            this, [this, generation, index, text = QString::fromStdString(line)] {
                if (generation == generation_ && onLine)
                    onLine(index, text);
            },
            Qt::QueuedConnection);
    };
    recorder_->OnFull = [this, generation] {
        QMetaObject::invokeMethod(
            this, [this, generation] {
                if (generation == generation_ && onFull)
                    onFull();
            },
            Qt::QueuedConnection);
    };
    FireMacroRecorder* recorder = recorder_.get();
    session_ = std::make_unique<RecordingSession>(*capture_, [recorder](const InputEvent& e) { recorder->Handle(e); });
    if (!session_->Start()) {
        if (error)
            *error = QString::fromStdString(session_->ErrorText());
        session_.reset();
        recorder_.reset();
        return false;
    }
    return true;
}

MacroScript FireMacroRecording::Stop()
{
    if (!session_)
        return {};
    session_->Stop();
    recorder_->Finish();
    ++generation_;
    endedFull_ = recorder_->Full();
    MacroScript script = recorder_->TakeScript();
    session_.reset();
    recorder_.reset();
    return script;
}

} // namespace tarq
