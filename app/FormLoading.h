// SPDX-License-Identifier: GPL-2.0-or-later
#pragma once
// TFormLoadingUI, the loading screen: a small dark, translucent, borderless window that stays
// on top of the main window while data moves to or from the mouse, with a running animation.

#include <QTimer>
#include <QWidget>

namespace tarq {

class TFormLoadingUI : public QWidget {
    Q_OBJECT
public:
    static constexpr int kWidth = 206;
    static constexpr int kHeight = 196;
    static constexpr int kCreationDrop = 40;   // placed this much below centre when created
    static constexpr int kLoadingStrId = 903;  // the caption's text

    // Creates the screen over `mainWindow`: centred, 40 pixels low, topmost, animating.
    explicit TFormLoadingUI(QWidget* mainWindow);

    // Centres the screen over the main window (halves rounded toward zero).
    void CentreOver(const QWidget* mainWindow, int drop = 0);

    // The text under the animation (Str903, "Loading...", in the current language; the
    // language-1 text until the first one is set).
    void SetCaption(const QString& caption);
    // What is moving and how far: a stage text and a bar of bytes done. Cleared when hidden.
    void ShowProgress(const QString& stage, qint64 done, qint64 total);
    QString Caption() const { return stage_.isEmpty() ? caption_ : stage_; }
    int Percent() const { return total_ > 0 ? static_cast<int>(done_ * 100 / total_) : -1; }

    // The animation's current frame (0..kFrames-1); it advances while the screen exists.
    int Frame() const { return frame_; }
    static constexpr int kFrames = 12;

protected:
    void paintEvent(QPaintEvent* event) override;
    // The animation runs only while the screen is seen, so a hidden screen costs no wake-ups.
    void showEvent(QShowEvent* event) override;
    void hideEvent(QHideEvent* event) override;

private:
    QTimer WaitGif;
    int frame_ = 0;
    QString caption_;
    QString stage_;
    qint64 done_ = 0;
    qint64 total_ = 0;
};

} // namespace tarq
