#pragma once
// The oblique picture of the roadside slope on the "Roadside Slope" page, as
// a plain scene in twips of the frame "Slope Segment Details" (7215 x 3135):
// the front cross-section at the sign, the ground 10 000 mm along the road
// behind it, the carriageway edge in both planes, dotted connectors and the
// point numbers. Colours are &HBBGGRR values as the form's controls hold them.

#include "engine/design_record.h"

#include <array>
#include <cstdint>
#include <string>

namespace input {

enum class DiagramStyle { Solid, Dot };

struct DiagramShape {
    double left = 0, top = 0, width = 0, height = 0;
    uint32_t borderColour = 0;
    DiagramStyle borderStyle = DiagramStyle::Solid;
    bool filled = false;
    uint32_t fillColour = 0;
    bool shown = false;
};

struct DiagramLine {
    double x1 = 0, y1 = 0, x2 = 0, y2 = 0;
    uint32_t colour = 0;
    int width = 1;
    DiagramStyle style = DiagramStyle::Solid;
    bool shown = false;
};

struct DiagramLabel {
    double left = 0, top = 0, width = 255, height = 255;
    std::string caption;
    uint32_t colour = 0;
    bool shown = false;
};

struct SlopeDiagramScene {
    double frameWidth = 7215, frameHeight = 3135;
    DiagramShape Shape4, Shape6, Shape7, Shape8;
    std::array<DiagramLine, 4> Line6{}, Line9{};
    std::array<DiagramLine, 6> Line7{}, Line8{};
    std::array<DiagramLine, 7> Line13{};
    std::array<DiagramLabel, 6> Label7{}, Label9{};
    // Twips per millimetre, the same across and up.
    float scale = 0;
    long long top = 0, bottom = 0;  // highest and lowest level drawn, mm
    std::array<long long, 7> BackLevelSteps{};
};

inline constexpr double SlopeFrameWidth = 7215;
inline constexpr double SlopeFrameHeight = 3135;

// The roadside block for the side of the carriageway, profile hidden.
SlopeDiagramScene PlaceSlopeDiagramSide(bool signOnLeft, double frameWidth = SlopeFrameWidth);

// The whole picture of `design` with `segmentCount` segments (1..5); the
// back numbers only for a strutted sign.
SlopeDiagramScene DrawSlopeDiagram(const engine::DesignRecord &design, int segmentCount, bool strutted,
                                   double frameWidth = SlopeFrameWidth);

// The along-road rise at slot k over 10 000 mm, to the nearest millimetre
// (halves to even); a zero length counts as 1 mm.
long long AlongRoadRise(int32_t backHeight, int32_t backLength);

} // namespace input
