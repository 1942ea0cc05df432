#pragma once
// The scaled side elevation of a printed design: sign panels in their
// background colours, posts (solid red below the minimum clearance), stubs
// with their plates, concrete footings or screw symbols, the ground profile
// with the road, and the minimum clearance dimension with its value.
//
// BuildDesignElevation lays everything out as numbers in page units;
// DrawDesignElevation paints that model in its fixed order.

#include "print/page_primitives.h"
#include "print/print_load.h"

#include <QString>
#include <array>
#include <vector>

namespace print {

struct LineRec {
    int32_t X1 = 0;
    int32_t Y1 = 0;
    int32_t X2 = 0;
    int32_t Y2 = 0;
    int32_t DrawWidth = 0;
    int32_t ForeColor = 0;
    bool operator==(const LineRec &) const = default;
};

struct LabelRec {
    int32_t X = 0;
    int32_t Y = 0;
    int32_t Width = 0;   // extent of the 10-character text
    int32_t Height = 0;
    QString Text;        // 10 characters
    int32_t RightAlign = 0;
};

// One line of a screw symbol, in page units.
struct ScrewLine {
    double X1 = 0, Y1 = 0, X2 = 0, Y2 = 0;
};

struct ElevationModel {
    bool drawn = false;        // false: the design has nothing to draw
    float Scale = 0.0f;        // page units per millimetre
    int32_t X0 = 0;            // left edge of the sign area
    int32_t Y0 = 0;            // top of the higher panel stack
    int32_t SignAreaWidth = 0; // W, mm
    int32_t Height = 0;        // H, mm
    int posts = 0;             // posts drawn, at most 4
    int fronts = 0;            // front panels drawn, at most 3
    bool back = false;
    bool stubs = false;        // stubs and plates drawn
    bool footings = false;     // concrete footing boxes drawn
    bool screws = false;       // screw symbols drawn
    bool signOnLeft = false;
    // Element j - 1 belongs to post j; in PanelBoxes elements 0..2 are the
    // front slots 1..3 and element 3 the back panel.
    std::array<BoxRec, 5> PostBoxes{};
    std::array<BoxRec, 5> PanelBoxes{};
    std::array<BoxRec, 5> StubBoxes{};
    std::array<BoxRec, 5> FootingBoxes{};
    std::array<BoxRec, 5> PlateBoxes{};
    std::array<BoxRec, 5> ScrewFrames{};
    std::vector<ScrewLine> ScrewLines;
    std::array<LineRec, 7> GroundLines{};      // elements 0..5: segments 1..6
    std::array<bool, 7> GroundDrawn{};         // segment has a length
    LineRec RoadLine;
    std::array<LineRec, 3> ClearanceLines{};
    LabelRec Label;
};

// Minimum post clearance below which the elevation draws a post solid red.
int32_t ElevationMinimumClearance(const engine::SupportDesign &support);

// Lays out the elevation of `design` in `area` (its Left, Top, Width and
// Height). The label is measured in the surface's current font.
ElevationModel BuildDesignElevation(const PrintedDesign &design, const BoxRec &area, const PageSurface &surface);

// Draws the elevation into `area`: screw symbols, then for each post its
// box, stub, plate and footing, the panels (rounded), ground lines, road
// line, clearance lines and the label.
void DrawDesignElevation(PageSurface &surface, const BoxRec &area, const PrintedDesign &design);
void DrawElevationModel(PageSurface &surface, const ElevationModel &model);

// A line record in its own width and colour; width, colour and print
// position are restored.
void DrawLineRec(PageSurface &surface, const LineRec &rec);
// The label text (right-aligned within 10 characters when RightAlign is 1)
// printed with PrintWrapped; the print position is restored.
void PrintLabelRec(PageSurface &surface, const LabelRec &rec);

} // namespace print
