#pragma once
// The wind region map's zoom, as plain numbers in twips: where the map picture
// lies in its viewport and how far it is enlarged. The map dialog's view only
// paints what this holds and feeds it the mouse.

#include <array>
#include <cstdint>

namespace input {

// The viewport sits this far inside the map's frame on every side.
inline constexpr int32_t MapViewportInset = 120;

// Step k takes the map from level k to level k + 1, and back.
inline constexpr std::array<double, 3> ZoomFactors{1.4, 1.6, 1.8};
inline constexpr int16_t MaxZoomLevel = 3;

enum class MapButton { Left = 1, Right = 2, Middle = 4 };

// The picture's rectangle, in twips from the viewport's top left.
struct MapImageRect {
    int32_t left = 0;
    int32_t top = 0;
    int32_t width = 0;
    int32_t height = 0;
    bool operator==(const MapImageRect &) const = default;
};

struct MapZoom {
    int32_t viewportWidth = 0;   // the viewport clips the picture
    int32_t viewportHeight = 0;
    int16_t ZoomLevel = 0;       // zoom-in steps applied, 0..3
    bool MapPressed = false;     // a button went down on the picture
    MapImageRect image;
};

// The zoom of a freshly opened map in a frame of the given size: the viewport
// is the frame less the inset on each side, the picture fills it at level 0.
MapZoom NewMapZoom(int32_t frameWidth, int32_t frameHeight);

// The product of the factors of the first `level` steps (1 at level 0).
double ZoomScale(int level);

// A press at (x, y), measured from the picture's top left; it counts only on
// the picture itself.
void PressMap(MapZoom &zoom, double x, double y);

// A release at (x, y) from the picture's top left. After a press, the left
// button zooms in (below level 3) so that the point lands at the viewport's
// centre, the right button zooms out (above level 0) and level 0 puts the
// picture back at the top left; any release after a press ends it. Positions
// are 32-bit, so deep zooms far right or down are taken as computed.
void ReleaseMap(MapZoom &zoom, MapButton button, double x, double y);

} // namespace input
