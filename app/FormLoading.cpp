// SPDX-License-Identifier: GPL-2.0-or-later
#include "app/FormLoading.h"

#include "ui/pages/DefaultTexts.h"

#include <QPainter>

#include <algorithm>
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
    caption_ = pages::DefaultText(kLoadingStrId);
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
    stage_.clear();
    done_ = total_ = 0;
}

void TFormLoadingUI::SetCaption(const QString& caption)
{
    if (!caption.isEmpty())
        caption_ = caption;
}

void TFormLoadingUI::ShowProgress(const QString& stage, qint64 done, qint64 total)
{
    stage_ = stage;
    done_ = std::clamp<qint64>(done, 0, total);
    total_ = total;
    update();
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
    p.drawText(QRectF(6, height() - 56, width() - 12, 24), Qt::AlignCenter, Caption());
    if (total_ > 0) {
        // The bar of bytes done, under the text.
        const QRectF bar(22, height() - 28, width() - 44, 6);
        p.setPen(Qt::NoPen);
        p.setBrush(QColor(60, 64, 72));
        p.drawRoundedRect(bar, 3, 3);
        p.setBrush(kAccent);
        p.drawRoundedRect(QRectF(bar.left(), bar.top(), bar.width() * done_ / total_, bar.height()), 3, 3);
    }
}

} // namespace tarq
