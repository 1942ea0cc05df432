#include "app/scene_view.h"

#include "platform/widgets/twips.h"

#include <QFont>
#include <QPainter>
#include <QPainterPath>
#include <cmath>

namespace app {
namespace {

QPen scenePen(const SceneElement &element)
{
    if (element.pen == NoColour)
        return Qt::NoPen;
    QPen pen(SceneColour(element.pen), element.penPixels);
    pen.setCapStyle(element.shape == SceneShape::Line ? Qt::RoundCap : Qt::SquareCap);
    pen.setJoinStyle(Qt::MiterJoin);
    if (element.penStyle == ScenePenStyle::Dot)
        pen.setStyle(Qt::DotLine);
    else if (element.penStyle == ScenePenStyle::Dash)
        pen.setStyle(Qt::DashLine);
    if (pen.style() != Qt::SolidLine)
        pen.setCapStyle(Qt::FlatCap);
    return pen;
}

QBrush sceneBrush(const SceneElement &element)
{
    if (element.fill == NoColour)
        return Qt::NoBrush;
    switch (element.fillStyle) {
    case SceneFill::Solid:
        return QBrush(SceneColour(element.fill));
    case SceneFill::UpwardDiagonal:
        return QBrush(SceneColour(element.fill), Qt::BDiagPattern);
    case SceneFill::DownwardDiagonal:
        return QBrush(SceneColour(element.fill), Qt::FDiagPattern);
    case SceneFill::None:
        break;
    }
    return Qt::NoBrush;
}

// Edges on whole pixels and thin lines on pixel centres keep the drawing
// crisp under antialiasing.
QRectF pixelRect(const SceneRect &rect, double twipsPerPixel)
{
    const QRectF exact = platform::TwipsToPixels(QRectF(rect.left, rect.top, rect.width, rect.height), twipsPerPixel);
    const QPointF topLeft(std::round(exact.left()), std::round(exact.top()));
    const QPointF bottomRight(std::round(exact.right()), std::round(exact.bottom()));
    return {topLeft, bottomRight};
}

QPointF pixelPoint(int32_t x, int32_t y, double twipsPerPixel, double penPixels)
{
    const QPointF exact = platform::TwipsToPixels(QPointF(x, y), twipsPerPixel);
    const double centre = static_cast<long long>(std::round(penPixels)) % 2 == 1 ? 0.5 : 0.0;
    return {std::round(exact.x()) + centre, std::round(exact.y()) + centre};
}

// The outline lies inside the shape's bounds, as a frame drawn on a control's edge does.
QRectF outlineRect(const QRectF &bounds, const QPen &pen)
{
    const double half = pen.style() == Qt::NoPen ? 0.0 : pen.widthF() / 2.0;
    return bounds.adjusted(half, half, -half, -half);
}

void paintUnitLines(QPainter &painter, const SceneElement &element, const QRectF &bounds)
{
    if (element.unitLines.empty() || element.unitsWide <= 0 || element.unitsHigh <= 0)
        return;
    const double sx = bounds.width() / element.unitsWide;
    const double sy = bounds.height() / element.unitsHigh;
    // The drawing's own lines are black unless the element names a pen.
    painter.setPen(QPen(element.pen == NoColour ? QColor(Qt::black) : SceneColour(element.pen), 1.0));
    for (const SceneLine &line : element.unitLines)
        painter.drawLine(QPointF(bounds.left() + line.x1 * sx, bounds.top() + line.y1 * sy),
                         QPointF(bounds.left() + line.x2 * sx, bounds.top() + line.y2 * sy));
}

} // namespace

QColor SceneColour(int32_t value)
{
    return {value & 0xFF, (value >> 8) & 0xFF, (value >> 16) & 0xFF};
}

void PaintScene(QPainter &painter, const Scene &scene, double twipsPerPixel, const QFont &font)
{
    for (const SceneElement &element : scene) {
        if (!element.shown)
            continue;
        painter.save();
        const QPen pen = scenePen(element);
        switch (element.shape) {
        case SceneShape::Rectangle:
        case SceneShape::RoundedRectangle: {
            const QRectF bounds = pixelRect(element.rect, twipsPerPixel);
            if (bounds.width() <= 0 || bounds.height() <= 0)
                break;
            painter.setPen(pen);
            painter.setBrush(sceneBrush(element));
            const QRectF outline = outlineRect(bounds, pen);
            if (element.shape == SceneShape::RoundedRectangle) {
                const double radius = platform::TwipsToPixels(element.cornerRadius, twipsPerPixel);
                painter.drawRoundedRect(outline, radius, radius);
            } else {
                painter.drawRect(outline);
            }
            paintUnitLines(painter, element, bounds);
            break;
        }
        case SceneShape::Line:
            painter.setPen(pen);
            painter.drawLine(pixelPoint(element.line.x1, element.line.y1, twipsPerPixel, element.penPixels),
                             pixelPoint(element.line.x2, element.line.y2, twipsPerPixel, element.penPixels));
            break;
        case SceneShape::Text: {
            painter.setPen(pen);
            painter.setFont(font);
            Qt::Alignment align = Qt::AlignVCenter;
            align |= element.align == SceneAlign::Right  ? Qt::AlignRight
                     : element.align == SceneAlign::Centre ? Qt::AlignHCenter
                                                           : Qt::AlignLeft;
            painter.drawText(pixelRect(element.rect, twipsPerPixel), static_cast<int>(align),
                             QString::fromStdString(element.text));
            break;
        }
        }
        painter.restore();
    }
}

SceneView::SceneView(QWidget *parent) : QWidget(parent)
{
    setAttribute(Qt::WA_TransparentForMouseEvents);
}

void SceneView::setScene(Scene scene)
{
    scene_ = std::move(scene);
    update();
}

void SceneView::paintEvent(QPaintEvent *)
{
    QPainter painter(this);
    painter.setRenderHint(QPainter::Antialiasing);
    painter.setRenderHint(QPainter::TextAntialiasing);
    PaintScene(painter, scene_, platform::TwipsPerPixel(*this), font());
}

} // namespace app
