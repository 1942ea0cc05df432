#include "input/slope_diagram_scene.h"

#include "engine/values.h"

#include <algorithm>

namespace input {
namespace {

constexpr uint32_t Black = 0x000000;
constexpr uint32_t Red = 0x0000FF;       // &HFF
constexpr uint32_t Blue = 0xC00000;      // &HC00000
constexpr uint32_t KerbGrey = 0x808080;  // &H808080

DiagramShape Shape(double left, double top, double width, double height, uint32_t border, DiagramStyle style)
{
    DiagramShape s;
    s.left = left;
    s.top = top;
    s.width = width;
    s.height = height;
    s.borderColour = border;
    s.borderStyle = style;
    return s;
}

DiagramShape KerbBar(double left, double top)
{
    DiagramShape s = Shape(left, top, 372, 48, KerbGrey, DiagramStyle::Solid);
    s.filled = true;
    s.fillColour = KerbGrey;
    return s;
}

double Rounded(double value) { return static_cast<double>(engine::RoundHalfEven(value)); }

} // namespace

long long AlongRoadRise(int32_t backHeight, int32_t backLength)
{
    const double length = backLength == 0 ? 1.0 : static_cast<double>(backLength);
    return engine::RoundHalfEven(static_cast<double>(backHeight) * 10000.0 / length);
}

SlopeDiagramScene PlaceSlopeDiagramSide(bool signOnLeft, double frameWidth)
{
    SlopeDiagramScene scene;
    scene.frameWidth = frameWidth;
    // The designed block; only the lefts depend on the side.
    scene.Shape6 = Shape(240, 1320, 5172, 1452, Black, DiagramStyle::Dot);
    scene.Shape7 = Shape(1200, 360, 5172, 1452, Red, DiagramStyle::Dot);
    scene.Shape4 = KerbBar(5400, 1320);
    scene.Shape8 = KerbBar(6360, 360);

    DiagramShape &s4 = scene.Shape4, &s6 = scene.Shape6, &s7 = scene.Shape7, &s8 = scene.Shape8;
    // The drop from back face to front face doubles as the shift along the
    // road, so the view is a 45-degree oblique one.
    const double d = s6.top - s7.top;
    const double w = Rounded(d + s6.width + s4.width);
    if (signOnLeft) {
        s6.left = (frameWidth - w) / 2;
        s7.left = s6.left + d;
        s4.left = s6.left + s6.width - 1;
        s8.left = s7.left + s7.width - 1;
    } else {
        s8.left = (frameWidth - w) / 2;
        s4.left = s8.left + d;
        s6.left = s4.left + s4.width - 1;
        s7.left = s8.left + s8.width - 1;
    }

    const double kerbX1[4] = {s4.left, s4.left + 120, s4.left + 240, s4.left + s4.width - 1};
    const double kerbX2[4] = {s8.left, s8.left + 120, s8.left + 240, s8.left + s8.width - 1};
    for (size_t i = 0; i < 4; ++i) {
        DiagramLine &line = scene.Line9[i];
        line.x1 = kerbX1[i];
        line.x2 = kerbX2[i];
        line.y1 = s4.top;
        line.y2 = s8.top;
        line.shown = true;
    }

    // Block edges: 0 and 2 join the top corners, 1 and 3 the bottom ones;
    // the far edge (2) is solid, the others dotted.
    const double frontBottom = s6.top + s6.height - 1, backBottom = s7.top + s7.height - 1;
    for (size_t i = 0; i < 4; ++i) {
        DiagramLine &line = scene.Line6[i];
        const bool outer = i >= 2;
        line.x1 = outer ? s6.left + s6.width - 1 : s6.left;
        line.x2 = outer ? s7.left + s7.width - 1 : s7.left;
        const bool bottom = i % 2 == 1;
        line.y1 = bottom ? frontBottom : s6.top;
        line.y2 = bottom ? backBottom : s7.top;
        line.style = i == 2 ? DiagramStyle::Solid : DiagramStyle::Dot;
        line.shown = true;
    }

    for (size_t j = 0; j < 6; ++j) {
        scene.Line7[j].colour = Black;
        scene.Line7[j].width = 2;
        scene.Line8[j].colour = Red;
        scene.Line8[j].width = 2;
        scene.Label7[j].caption = std::to_string(j + 1);
        scene.Label7[j].colour = Black;
        scene.Label9[j].caption = std::to_string(j + 1);
        scene.Label9[j].colour = Red;
    }
    for (DiagramLine &line : scene.Line13) {
        line.colour = Blue;
        line.style = DiagramStyle::Dot;
    }
    s4.shown = s6.shown = s7.shown = s8.shown = true;
    return scene;
}

SlopeDiagramScene DrawSlopeDiagram(const engine::DesignRecord &design, int segmentCount, bool strutted,
                                   double frameWidth)
{
    SlopeDiagramScene scene = PlaceSlopeDiagramSide(design.SignOnLeft != 0, frameWidth);
    const int n = std::clamp(segmentCount, 1, 5);
    const auto at = [](const std::array<int32_t, 7> &a, int k) { return static_cast<long long>(a[static_cast<size_t>(k)]); };

    long long total = 0;
    for (int k = 1; k <= n; ++k)
        total += at(design.SegLength, k);

    // Front levels H(k) and back levels B(k) = H(k-1) + G(k); the picture
    // spans the highest and lowest of them and the road level 0.
    long long h = 0, previousBack = 0, firstBack = 0, top = 0, bottom = 0;
    for (int k = 1; k <= n + 1; ++k) {
        const long long back = h + AlongRoadRise(design.SegBackHeight[static_cast<size_t>(k)],
                                                 design.SegBackLength[static_cast<size_t>(k)]);
        if (k == 1)
            firstBack = back;
        scene.BackLevelSteps[static_cast<size_t>(k)] = back - previousBack;
        previousBack = back;
        h += at(design.SegDeltaHeight, k);
        top = std::max({top, back, h});
        bottom = std::min({bottom, back, h});
    }
    scene.top = top;
    scene.bottom = bottom;
    const long long range = top - bottom == 0 ? 1 : top - bottom;
    if (total == 0)
        total = 1;

    DiagramShape &s4 = scene.Shape4, &s6 = scene.Shape6, &s7 = scene.Shape7, &s8 = scene.Shape8;
    const float s = static_cast<float>(std::min(s6.width / static_cast<double>(total),
                                                s6.height / static_cast<double>(range)));
    scene.scale = s;
    const double sd = static_cast<double>(s);

    s4.top = s6.top + sd * static_cast<double>(top);
    s8.top = s7.top + sd * static_cast<double>(top - firstBack);
    for (DiagramLine &line : scene.Line9) {
        line.y1 = s4.top;
        line.y2 = s8.top;
    }

    const bool left = design.SignOnLeft != 0;
    double frontY = Rounded(s4.top), backY = Rounded(s8.top);
    double frontX = Rounded(left ? s4.left : s4.left + s4.width - 1);
    double backX = Rounded(left ? s8.left : s8.left + s8.width - 1);
    const double outward = left ? -1.0 : 1.0;
    for (int i = 1; i <= n; ++i) {
        const size_t j = static_cast<size_t>(i - 1);
        DiagramLine &front = scene.Line7[j], &back = scene.Line8[j], &link = scene.Line13[j];
        front.x1 = frontX;
        front.y1 = frontY;
        back.x1 = backX;
        back.y1 = backY;
        link.x1 = frontX;
        link.y1 = frontY;
        link.x2 = backX;
        link.y2 = backY;
        scene.Label9[j].left = backX;
        scene.Label9[j].top = backY + 40;

        frontY = Rounded(frontY - sd * static_cast<double>(at(design.SegDeltaHeight, i)));
        backY = Rounded(backY - sd * static_cast<double>(scene.BackLevelSteps[static_cast<size_t>(i + 1)]));
        const double step = outward * sd * static_cast<double>(at(design.SegLength, i));
        frontX = Rounded(frontX + step);
        backX = Rounded(backX + step);

        front.x2 = frontX;
        front.y2 = frontY;
        back.x2 = backX;
        back.y2 = backY;
        scene.Label7[j].left = frontX;
        scene.Label7[j].top = frontY + 40;
    }
    DiagramLine &last = scene.Line13[static_cast<size_t>(n)];
    last.x1 = frontX;
    last.y1 = frontY;
    last.x2 = backX;
    last.y2 = backY;
    scene.Label9[static_cast<size_t>(n)].left = backX;
    scene.Label9[static_cast<size_t>(n)].top = backY + 40;

    // Only the n segments in use are drawn, and of those the ones with a
    // length; the connector at the carriageway edge is left to the road lines.
    const auto present = [&](int k) { return k >= 1 && k <= n && design.SegLength[static_cast<size_t>(k)] != 0; };
    for (int j = 0; j < 6; ++j) {
        const size_t u = static_cast<size_t>(j);
        scene.Line7[u].shown = present(j + 1);
        scene.Line8[u].shown = present(j + 1);
        scene.Label7[u].shown = present(j + 1);
        scene.Label9[u].shown = strutted && present(j == 0 ? 1 : j);
    }
    scene.Line13[0].shown = false;
    for (int j = 1; j <= 6; ++j)
        scene.Line13[static_cast<size_t>(j)].shown = j <= 5 && present(j);
    return scene;
}

} // namespace input
