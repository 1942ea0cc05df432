#pragma once
// Forms, pictures and printed pages are laid out in twips (1440 to the inch),
// as the engineers' drawings give them; widgets work in pixels. Every view
// converts through these, so 96 DPI gives exactly 15 twips a pixel.

#include <QPaintDevice>
#include <QPointF>
#include <QRectF>

namespace platform {

inline constexpr double TwipsPerInch = 1440.0;

inline double TwipsPerPixel(double logicalDpi)
{
    return logicalDpi > 0 ? TwipsPerInch / logicalDpi : 15.0;
}

inline double TwipsPerPixel(const QPaintDevice &device)
{
    return TwipsPerPixel(static_cast<double>(device.logicalDpiX()));
}

inline double TwipsToPixels(double twips, double twipsPerPixel)
{
    return twips / twipsPerPixel;
}

inline double PixelsToTwips(double pixels, double twipsPerPixel)
{
    return pixels * twipsPerPixel;
}

inline QPointF TwipsToPixels(QPointF twips, double twipsPerPixel)
{
    return twips / twipsPerPixel;
}

inline QPointF PixelsToTwips(QPointF pixels, double twipsPerPixel)
{
    return pixels * twipsPerPixel;
}

inline QRectF TwipsToPixels(const QRectF &twips, double twipsPerPixel)
{
    return {twips.topLeft() / twipsPerPixel, twips.size() / twipsPerPixel};
}

} // namespace platform
