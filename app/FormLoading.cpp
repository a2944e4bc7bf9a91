#include "app/FormLoading.h"

#include <QPainter>

#include <cmath>
#include <QPainterPath>

namespace tarq {

namespace {

constexpr int kFrameMs = 80;
constexpr qreal kOpacity = 0.86;   // alpha-blended over whatever lies below
const QColor kAccent{0, 160, 227};

} // namespace

TFormLoadingUI::TFormLoadingUI(QWidget* mainWindow)
    : QWidget(nullptr, Qt::Tool | Qt::FramelessWindowHint | Qt::WindowStaysOnTopHint)
{
    setObjectName(QStringLiteral("FormLoadingUI"));
    setFixedSize(kWidth, kHeight);
    setAttribute(Qt::WA_TranslucentBackground);
    setAttribute(Qt::WA_ShowWithoutActivating);
    setWindowOpacity(kOpacity);
    CentreOver(mainWindow, kCreationDrop);

    WaitGif.setInterval(kFrameMs);
    connect(&WaitGif, &QTimer::timeout, this, [this] {
        frame_ = (frame_ + 1) % kFrames;
        update();
    });
}

void TFormLoadingUI::showEvent(QShowEvent* event)
{
    QWidget::showEvent(event);
    WaitGif.start();
}

void TFormLoadingUI::hideEvent(QHideEvent* event)
{
    QWidget::hideEvent(event);
    WaitGif.stop();
}

void TFormLoadingUI::CentreOver(const QWidget* mainWindow, int drop)
{
    if (!mainWindow)
        return;
    const QRect main = mainWindow->frameGeometry();
    // Integer division truncates toward zero, as the placement rule asks for.
    move(main.left() + (main.width() - kWidth) / 2, main.top() + (main.height() - kHeight) / 2 + drop);
}

void TFormLoadingUI::paintEvent(QPaintEvent*)
{
    QPainter p(this);
    p.setRenderHint(QPainter::Antialiasing);
    QPainterPath body;
    body.addRoundedRect(QRectF(rect()), 14, 14);
    p.fillPath(body, QColor(0, 0, 0));

    // A ring of dots, the brightest one running round.
    const QPointF centre(width() / 2.0, height() / 2.0 - 12);
    for (int i = 0; i < kFrames; ++i) {
        const qreal angle = 2 * M_PI * i / kFrames;
        const QPointF at = centre + QPointF(std::cos(angle), std::sin(angle)) * 38;
        const int age = (frame_ - i + kFrames) % kFrames;
        QColor dot = kAccent;
        dot.setAlphaF(1.0 - age / qreal(kFrames));
        p.setPen(Qt::NoPen);
        p.setBrush(dot);
        p.drawEllipse(at, 6, 6);
    }
    p.setPen(QColor(220, 224, 230));
    p.drawText(QRectF(0, height() - 50, width(), 24), Qt::AlignCenter, QStringLiteral("Loading..."));
}

} // namespace tarq
