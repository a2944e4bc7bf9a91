// SPDX-License-Identifier: GPL-2.0-or-later
#include "macros/ui/WindowInputCapture.h"

#include "ui/KeyEventVirtualKey.h"

#include <QCoreApplication>
#include <QKeyEvent>
#include <QMouseEvent>

#include <optional>

namespace tarq {

namespace {

std::optional<MouseButton> ButtonOf(Qt::MouseButton button)
{
    switch (button) {
    case Qt::LeftButton: return MouseButton::Left;
    case Qt::RightButton: return MouseButton::Right;
    case Qt::MiddleButton: return MouseButton::Middle;
    case Qt::ForwardButton: return MouseButton::Forward;
    case Qt::BackButton: return MouseButton::Backward;
    default: return std::nullopt;
    }
}

} // namespace

WindowInputCapture::WindowInputCapture() = default;

WindowInputCapture::~WindowInputCapture()
{
    Stop();
}

bool WindowInputCapture::Start(InputSink sink)
{
    if (!QCoreApplication::instance()) {
        return false;
    }
    sink_ = std::move(sink);
    if (!running_)
        QCoreApplication::instance()->installEventFilter(this);
    running_ = true;
    return true;
}

void WindowInputCapture::Stop()
{
    if (!running_)
        return;
    if (QCoreApplication::instance())
        QCoreApplication::instance()->removeEventFilter(this);
    running_ = false;
    sink_ = nullptr;
}

uint32_t WindowInputCapture::Tick() const
{
    using namespace std::chrono;
    return uint32_t(duration_cast<milliseconds>(steady_clock::now() - epoch_).count());
}

bool WindowInputCapture::eventFilter(QObject* watched, QEvent* event)
{
    // Input reaches the top-level window first and is then passed to widgets (and their
    // parents); taking it at the window sees every event exactly once.
    if (!running_ || !watched->isWindowType())
        return false;
    switch (event->type()) {
    case QEvent::KeyPress:
    case QEvent::KeyRelease: {
        const auto* key = static_cast<QKeyEvent*>(event);
        const bool down = event->type() == QEvent::KeyPress;
        if (key->isAutoRepeat() && !down)
            break;   // X11 reports auto-repeat as release/press pairs; the press is the repeat
        if (const uint16_t vk = VirtualKeyOf(*key))
            sink_(InputEvent::Key(vk, down, Tick()));
        break;
    }
    case QEvent::MouseButtonPress:
    case QEvent::MouseButtonDblClick:
    case QEvent::MouseButtonRelease: {
        const auto* mouse = static_cast<QMouseEvent*>(event);
        if (const auto button = ButtonOf(mouse->button()))
            sink_(InputEvent::Button(*button, event->type() != QEvent::MouseButtonRelease, Tick()));
        break;
    }
    default:
        break;
    }
    return false;
}

} // namespace tarq
