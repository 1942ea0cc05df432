#include "input/road_plan_picture.h"

#include <QPainter>
#include <QResizeEvent>
#include <cmath>

#include "engine/values.h"

namespace input {
namespace {

// The offset along the chord of a circle of radius a at distance b from its
// centre line.
double CircleOrdinate(double a, double b) { return std::sqrt(a * a - b * b); }

// A pixel position; a position the square roots leave undefined is off the
// picture.
int Pixel(double value, int offPicture)
{
    if (!std::isfinite(value))
        return offPicture;
    return engine::ToInt32(value);
}

} // namespace

RoadPlanRow RoadPlanRowAt(int row, int w, int h, bool curved, int radius)
{
    if (!curved)
        return {0, kRoadPlanBandPixels, kRoadPlanBandPixels / 2};
    const double s = kRoadPlanMetres / h;  // metres per pixel
    const double y = (row - h / 2.0) * s;
    const double r = radius;
    RoadPlanRow result;
    result.x1 = Pixel((r - CircleOrdinate(r, y)) / s, w);
    result.x2 = Pixel((r - CircleOrdinate(r - kRoadPlanBandPixels * s, y)) / s, w);
    result.xm = engine::ToInt32((result.x1 + result.x2) / 2.0);
    return result;
}

QImage DrawRoadPlan(int w, int h, bool curved, int radius, const QColor &background,
                    const QColor &centreLine)
{
    if (w < 1 || h < 1)
        return {};
    QImage image(w, h, QImage::Format_RGB32);
    const QRgb back = background.rgb();
    const QRgb black = qRgb(0, 0, 0);
    const QRgb line = centreLine.rgb();
    for (int i = 0; i < h; ++i) {
        auto *pixels = reinterpret_cast<QRgb *>(image.scanLine(i));
        const RoadPlanRow row = RoadPlanRowAt(i, w, h, curved, radius);
        for (int x = 0; x < w; ++x)
            pixels[x] = (x >= row.x1 && x < row.x2) ? black : back;
        if (row.xm >= 0 && row.xm < w)
            pixels[row.xm] = line;
    }
    return image;
}

RoadPlanPicture::RoadPlanPicture(QWidget *parent) : QWidget(parent)
{
    // The image covers every pixel: nothing underneath needs painting first.
    setAttribute(Qt::WA_OpaquePaintEvent);
}

void RoadPlanPicture::redraw(bool curved, int radius)
{
    curved_ = curved;
    radius_ = radius;
    ++redraws_;
    // The background is that of the panel holding the picture.
    const QWidget *holder = parentWidget() ? parentWidget() : this;
    image_ = DrawRoadPlan(width(), height(), curved, radius, holder->palette().color(QPalette::Window));
    update();
}

void RoadPlanPicture::resizeEvent(QResizeEvent *event)
{
    QWidget::resizeEvent(event);
    redraw(curved_, radius_);
}

void RoadPlanPicture::paintEvent(QPaintEvent *)
{
    QPainter painter(this);
    painter.drawImage(0, 0, image_);
}

} // namespace input
