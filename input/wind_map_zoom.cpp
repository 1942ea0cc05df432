#include "input/wind_map_zoom.h"

#include "engine/values.h"

namespace input {
namespace {

// The size of the picture at `level`: the viewport times the factors reached,
// rounded once, so every level has one size whichever way it was reached.
void sizeForLevel(MapZoom &zoom)
{
    const double scale = ZoomScale(zoom.ZoomLevel);
    zoom.image.width = engine::ClampToInt32(engine::RoundHalfEven(zoom.viewportWidth * scale));
    zoom.image.height = engine::ClampToInt32(engine::RoundHalfEven(zoom.viewportHeight * scale));
}

int32_t rounded(double value)
{
    return engine::ClampToInt32(engine::RoundHalfEven(value));
}

} // namespace

MapZoom NewMapZoom(int32_t frameWidth, int32_t frameHeight)
{
    MapZoom zoom;
    zoom.viewportWidth = frameWidth - 2 * MapViewportInset;
    zoom.viewportHeight = frameHeight - 2 * MapViewportInset;
    sizeForLevel(zoom);
    return zoom;
}

double ZoomScale(int level)
{
    double scale = 1.0;
    for (int k = 0; k < level && k < static_cast<int>(ZoomFactors.size()); ++k)
        scale *= ZoomFactors[static_cast<std::size_t>(k)];
    return scale;
}

void PressMap(MapZoom &zoom, double x, double y)
{
    if (x >= 0 && y >= 0 && x < zoom.image.width && y < zoom.image.height)
        zoom.MapPressed = true;
}

void ReleaseMap(MapZoom &zoom, MapButton button, double x, double y)
{
    if (!zoom.MapPressed)
        return;
    const double centreX = zoom.viewportWidth / 2.0;
    const double centreY = zoom.viewportHeight / 2.0;
    if (button == MapButton::Left && zoom.ZoomLevel < MaxZoomLevel) {
        const double f = ZoomFactors[static_cast<std::size_t>(zoom.ZoomLevel)];
        zoom.image.left = rounded(centreX - f * x);
        zoom.image.top = rounded(centreY - f * y);
        ++zoom.ZoomLevel;
        sizeForLevel(zoom);
    } else if (button == MapButton::Right && zoom.ZoomLevel > 0) {
        --zoom.ZoomLevel;
        const double f = ZoomFactors[static_cast<std::size_t>(zoom.ZoomLevel)];
        if (zoom.ZoomLevel == 0) {
            zoom.image.left = 0;
            zoom.image.top = 0;
        } else {
            zoom.image.left = rounded(centreX - x / f);
            zoom.image.top = rounded(centreY - y / f);
        }
        sizeForLevel(zoom);
    }
    zoom.MapPressed = false;
}

} // namespace input
