#include "input/slope_diagram_view.h"

#include "platform/widgets/twips.h"

#include <QPainter>

namespace input {

QColor ColourFromBgr(uint32_t bgr)
{
    return QColor(static_cast<int>(bgr & 0xFF), static_cast<int>((bgr >> 8) & 0xFF),
                  static_cast<int>((bgr >> 16) & 0xFF));
}

SlopeDiagramView::SlopeDiagramView(QWidget *parent) : QWidget(parent)
{
    setObjectName(QStringLiteral("SlopeDiagramView"));
    setAttribute(Qt::WA_TransparentForMouseEvents);
}

void SlopeDiagramView::setScene(SlopeDiagramScene scene)
{
    scene_ = std::move(scene);
    update();
}

void SlopeDiagramView::paintEvent(QPaintEvent *)
{
    QPainter painter(this);
    painter.setRenderHint(QPainter::Antialiasing);
    const double tpp = platform::TwipsPerPixel(*this);
    const auto pen = [](uint32_t colour, int width, DiagramStyle style) {
        QPen p(ColourFromBgr(colour));
        p.setWidthF(width);
        p.setStyle(style == DiagramStyle::Dot ? Qt::DotLine : Qt::SolidLine);
        return p;
    };
    const auto rect = [tpp](double left, double top, double width, double height) {
        return platform::TwipsToPixels(QRectF(left, top, width, height), tpp);
    };
    const auto shape = [&](const DiagramShape &s) {
        if (!s.shown)
            return;
        painter.setPen(pen(s.borderColour, 1, s.borderStyle));
        painter.setBrush(s.filled ? QBrush(ColourFromBgr(s.fillColour)) : QBrush(Qt::NoBrush));
        painter.drawRect(rect(s.left, s.top, s.width, s.height));
    };
    const auto line = [&](const DiagramLine &l) {
        if (!l.shown)
            return;
        painter.setPen(pen(l.colour, l.width, l.style));
        painter.drawLine(platform::TwipsToPixels(QPointF(l.x1, l.y1), tpp),
                         platform::TwipsToPixels(QPointF(l.x2, l.y2), tpp));
    };
    shape(scene_.Shape7);
    shape(scene_.Shape6);
    for (const DiagramLine &l : scene_.Line6)
        line(l);
    for (const DiagramLine &l : scene_.Line9)
        line(l);
    shape(scene_.Shape4);
    shape(scene_.Shape8);
    for (const DiagramLine &l : scene_.Line13)
        line(l);
    for (const DiagramLine &l : scene_.Line8)
        line(l);
    for (const DiagramLine &l : scene_.Line7)
        line(l);
    QFont font = painter.font();
    font.setPointSizeF(7.5);
    painter.setFont(font);
    const auto label = [&](const DiagramLabel &l) {
        if (!l.shown)
            return;
        painter.setPen(ColourFromBgr(l.colour));
        painter.drawText(rect(l.left, l.top, l.width, l.height), Qt::AlignLeft | Qt::AlignTop,
                         QString::fromStdString(l.caption));
    };
    for (const DiagramLabel &l : scene_.Label9)
        label(l);
    for (const DiagramLabel &l : scene_.Label7)
        label(l);
}

} // namespace input
