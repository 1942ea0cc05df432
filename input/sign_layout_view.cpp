#include "input/sign_layout_view.h"

#include "platform/widgets/twips.h"

#include <QMouseEvent>
#include <QPainter>
#include <QResizeEvent>

namespace input {
namespace {

QColor FromColourValue(int32_t value)
{
    const auto v = static_cast<uint32_t>(value);
    return QColor(static_cast<int>(v & 0xFF), static_cast<int>((v >> 8) & 0xFF), static_cast<int>((v >> 16) & 0xFF));
}

} // namespace

SignLayoutView::SignLayoutView(QWidget *parent) : QWidget(parent)
{
    setObjectName(QStringLiteral("SignLayoutView"));
    setMinimumSize(200, 200);
}

void SignLayoutView::setScene(const SignLayoutScene &scene)
{
    scene_ = scene;
    update();
}

LayoutSize SignLayoutView::sizeInTwips() const
{
    const double tpp = platform::TwipsPerPixel(*this);
    return {platform::PixelsToTwips(width(), tpp), platform::PixelsToTwips(height(), tpp)};
}

LayoutSize SignLayoutView::labelSize(const QString &caption) const
{
    const double tpp = platform::TwipsPerPixel(*this);
    const QFontMetrics metrics(font());
    return {platform::PixelsToTwips(metrics.horizontalAdvance(caption), tpp),
            platform::PixelsToTwips(metrics.height(), tpp)};
}

void SignLayoutView::paintEvent(QPaintEvent *)
{
    QPainter painter(this);
    const double tpp = platform::TwipsPerPixel(*this);
    // The back panel stands behind the front ones: painted first, so that the
    // front panels show where they overlap, as a click there picks them.
    for (const int i : {3, 0, 1, 2}) {
        const LayoutShape &s = scene_.shapes[static_cast<std::size_t>(i)];
        if (!s.shown)
            continue;
        painter.setPen(QPen(Qt::black, 1));
        painter.setBrush(FromColourValue(s.fill));
        painter.drawRect(platform::TwipsToPixels(QRectF(s.left, s.top, s.width, s.height), tpp));
    }
    for (const LayoutLabel &l : scene_.labels) {
        if (!l.shown || l.caption.isEmpty())
            continue;
        painter.setPen(FromColourValue(l.colour));
        painter.drawText(platform::TwipsToPixels(QRectF(l.left, l.top, l.width, l.height), tpp),
                         Qt::AlignLeft | Qt::AlignTop, l.caption);
    }
}

void SignLayoutView::mouseReleaseEvent(QMouseEvent *event)
{
    QWidget::mouseReleaseEvent(event);
    if (onRelease)
        onRelease(platform::PixelsToTwips(event->position(), platform::TwipsPerPixel(*this)));
}

void SignLayoutView::resizeEvent(QResizeEvent *event)
{
    QWidget::resizeEvent(event);
    if (onResize)
        onResize();
}

} // namespace input
