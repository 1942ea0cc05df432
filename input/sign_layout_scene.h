#pragma once
// The sign layout view as a plain scene in the form's units (twips): the four
// panel shapes (three front slots from the bottom, then the back panel) drawn
// to one scale in their background colours, each with its two-letter label in
// its legend colour. The widget only paints it and asks it what a click hit.
//
// Positions and sizes are Singles, as the controls hold them; the products
// with the scale are formed in double precision first.

#include "engine/design_record.h"

#include <QString>
#include <array>
#include <cstdint>

namespace input {

struct LayoutShape {
    float left = 0, top = 0, width = 0, height = 0;
    int32_t fill = 0;  // colour value, red in the lowest byte
    bool shown = false;
};

struct LayoutLabel {
    QString caption;
    float left = 0, top = 0, width = 0, height = 0;
    int32_t colour = 0;  // colour value, red in the lowest byte
    bool shown = false;
};

struct LayoutSize {
    double width = 0, height = 0;
};

struct SignLayoutScene {
    std::array<LayoutShape, 4> shapes;  // Shape3(0..3)
    std::array<LayoutLabel, 4> labels;  // Label2(0..3)
    float scale = 0;
    long long leftOrigin = 0, topOrigin = 0;
};

// The scene of `design`'s panels, by the panel counts it holds, in a frame of
// the given size; labelSizes are the four labels' sizes, all in twips.
SignLayoutScene BuildSignLayoutScene(const engine::DesignRecord &design, double frameWidth, double frameHeight,
                                     const std::array<LayoutSize, 4> &labelSizes);

// The first shown shape (0..3) strictly containing the point, or -1.
int HitSignShape(const SignLayoutScene &scene, float x, float y);
// The shown label (0..3) under the point (edges included), or -1.
int HitSignLabel(const SignLayoutScene &scene, float x, float y);

// The page of the sign tabs that shows a slot (shape or label index): front
// slots on pages 1 to 3, the back panel on its own page 4 "Back Sign".
int SignPageOfSlot(int index);

} // namespace input
