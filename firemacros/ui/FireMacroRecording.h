// SPDX-License-Identifier: GPL-2.0-or-later
#pragma once
// The fire macro editor's recording: a recording session of its own (its own worker, fed by
// an input capture in arrival order) around a FireMacroRecorder that takes only the left
// button. The lines it writes reach the window thread in order through queued calls, and are
// dropped once the recording they belong to has stopped.

#include <QObject>
#include <QString>

#include <functional>
#include <memory>

#include "macros/MacroScript.h"
#include "macros/ui/PlatformInputCapture.h"

namespace tarq {

class FireMacroRecorder;
class InputCapture;
class RecordingSession;

class FireMacroRecording : public QObject {
    Q_OBJECT
public:
    // `createCapture` gives the capture on the first recording (the platform's by default).
    FireMacroRecording(std::function<PlatformCapture()> createCapture, QObject* parent);
    ~FireMacroRecording() override;

    // A line the recording wrote, on the window thread: its script index and text.
    std::function<void(int scriptIndex, const QString& line)> onLine;
    // The record is full, on the window thread: the recording took what fits and wants to stop.
    std::function<void()> onFull;

    // False, with the reason in `error`, when the capture could not start.
    bool Start(const DelayHeader& delay, QString* error);
    // Ends the worker after the events already queued; the script recorded, with the button
    // released when it was still held.
    MacroScript Stop();
    bool Running() const { return session_ != nullptr; }
    // Whether the recording last stopped had filled its record.
    bool EndedFull() const { return endedFull_; }

    // While the pointer is over the record button its clicks are not recorded.
    void SetPointerOver(bool over);

private:
    std::function<PlatformCapture()> createCapture_;
    std::unique_ptr<InputCapture> capture_;
    std::unique_ptr<FireMacroRecorder> recorder_;
    std::unique_ptr<RecordingSession> session_;
    unsigned generation_ = 0;
    bool pointerOver_ = false;
    bool endedFull_ = false;
};

} // namespace tarq
