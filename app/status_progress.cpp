#include "app/status_progress.h"

#include <QPainter>
#include <algorithm>

namespace app {

StatusGauge::StatusGauge(QWidget *parent) : QWidget(parent)
{
    setObjectName(QStringLiteral("Panel3D2"));
    setMinimumHeight(fontMetrics().height() + 8);
    setSizePolicy(QSizePolicy::Expanding, QSizePolicy::Fixed);
}

void StatusGauge::setCaption(const QString &caption)
{
    if (caption_ == caption)
        return;
    caption_ = caption;
    update();
}

void StatusGauge::setFillStyle(int style)
{
    fillStyle_ = style;
    update();
}

void StatusGauge::setFillPercent(int percent)
{
    fillPercent_ = percent;
    update();
}

void StatusGauge::setTextColour(const QColor &colour)
{
    textColour_ = colour;
    update();
}

QSize StatusGauge::sizeHint() const
{
    return {400, fontMetrics().height() + 8};
}

void StatusGauge::paintEvent(QPaintEvent *)
{
    QPainter painter(this);
    const QRect outer = rect();
    painter.fillRect(outer, palette().window());
    // A sunken panel edge: dark on the top and left, light on the bottom and right.
    painter.setPen(palette().color(QPalette::Dark));
    painter.drawLine(outer.topLeft(), outer.topRight());
    painter.drawLine(outer.topLeft(), outer.bottomLeft());
    painter.setPen(palette().color(QPalette::Light));
    painter.drawLine(outer.bottomLeft(), outer.bottomRight());
    painter.drawLine(outer.topRight(), outer.bottomRight());

    const QRect inner = outer.adjusted(2, 2, -2, -2);
    if (fillStyle_ == 1) {
        const int shown = std::clamp(fillPercent_, 0, 100);
        QRect filled = inner;
        filled.setWidth(inner.width() * shown / 100);
        const QColor fill(0, 0, 128);
        painter.fillRect(filled, fill);
        const QString text = QStringLiteral("%1%").arg(fillPercent_);
        // The text colour over the fill, the fill colour beyond it, so the
        // percentage stays readable wherever the edge of the fill lies.
        painter.save();
        painter.setClipRect(filled);
        painter.setPen(textColour_);
        painter.drawText(inner, Qt::AlignCenter, text);
        painter.setClipRect(QRect(filled.right() + 1, inner.top(), inner.right() - filled.right(), inner.height()));
        painter.setPen(fill);
        painter.drawText(inner, Qt::AlignCenter, text);
        painter.restore();
    } else {
        painter.setPen(textColour_);
        painter.drawText(inner.adjusted(4, 0, 0, 0), Qt::AlignVCenter | Qt::AlignLeft, caption_);
    }
}

StatusProgress::StatusProgress(StatusGauge *gauge, QWidget *window) : gauge_(gauge), window_(window) {}

void StatusProgress::showProgress(int percent, int mode)
{
    if (!gauge_)
        return;
    switch (mode) {
    case platform::ProgressStart:
        gauge_->setFillStyle(1);
        gauge_->setTextColour(Qt::white);
        gauge_->setFillPercent(percent);
        if (window_)
            window_->setCursor(Qt::WaitCursor);
        break;
    case platform::ProgressUpdate:
        gauge_->setFillPercent(percent);
        break;
    case platform::ProgressFinish:
        gauge_->setFillPercent(percent);
        gauge_->setFillStyle(0);
        gauge_->setTextColour(Qt::black);
        if (window_)
            window_->unsetCursor();
        break;
    default:
        return;
    }
    // Start-up, saving, loading and printing call this from long loops that
    // do not return to the event loop, where a scheduled update would only
    // show the finished state: the call's settings are painted now, together.
    // repaint() handles no input.
    gauge_->repaint();
}

} // namespace app
