#include "app/view3d_scene.h"

#include "engine/design_state.h"
#include "engine/ground_profile.h"
#include "engine/reference_lists.h"
#include "engine/strut_design.h"
#include "engine/values.h"

#include <algorithm>

namespace app {
namespace {

// Pen of the profile's first front line: the posts and stubs stand ten of its
// widths into the ground line so their ends meet the thick slope line.
constexpr double FrontSlopeWidth = 2.0;

struct Look {
    const char *name;
    int count;
    int32_t pen;
    double width;
    ScenePenStyle style;
};

// Design-time look of every array, in painting order: the ground first, the
// structure behind the panels, the stiffeners on them.
constexpr std::array<Look, 11> Looks{{
    {View3DBlock, 12, 0x800000, 1.0, ScenePenStyle::Dot},
    {View3DDepthBase, 6, 0x808080, 1.0, ScenePenStyle::Dash},
    {View3DDepthGround, 6, 0x0080FF, 1.0, ScenePenStyle::Solid},
    {View3DRoad, 4, 0xFFFFFF, 2.0, ScenePenStyle::Solid},
    {View3DBackSlopes, 5, 0x0000FF, 2.0, ScenePenStyle::Solid},
    {View3DFrontSlopes, 5, 0x000000, FrontSlopeWidth, ScenePenStyle::Solid},
    {View3DPosts, 4, 0x800000, 4.0, ScenePenStyle::Solid},
    {View3DStruts, 4, 0x000000, 3.0, ScenePenStyle::Solid},
    {View3DStubs, 4, 0x000000, 4.0, ScenePenStyle::Solid},
    {View3DFaces, 4, 0x000000, 1.0, ScenePenStyle::Solid},
    {View3DStiffeners, View3DInitialStiffenerLines, 0x808080, 4.0, ScenePenStyle::Solid},
}};

SceneElement designElement(const Look &look, int index)
{
    SceneElement element;
    element.name = look.name;
    element.index = index;
    element.shape = look.name == std::string_view(View3DFaces) ? SceneShape::Rectangle : SceneShape::Line;
    element.pen = look.pen;
    element.penPixels = look.width;
    element.penStyle = look.style;
    if (element.shape == SceneShape::Rectangle) {
        element.fill = engine::BackgroundColourValues[0];
        element.fillStyle = SceneFill::Solid;
    }
    return element;
}

double rnd(double value) { return static_cast<double>(engine::RoundHalfEven(value)); }

int32_t twips(double value) { return engine::ToInt32(value); }

// The view's elements by array and index; stiffener lines are added on demand.
class Elements {
public:
    explicit Elements(Scene &scene) : scene_(scene) {}

    SceneElement &at(const char *name, int index)
    {
        if (SceneElement *element = FindElement(scene_, name, index))
            return *element;
        // A missing element (more stiffeners than ever before) joins its array's end.
        const Look &look = *std::find_if(Looks.begin(), Looks.end(),
                                         [name](const Look &l) { return std::string_view(l.name) == name; });
        auto last = std::find_if(scene_.rbegin(), scene_.rend(),
                                 [name](const SceneElement &e) { return e.name == name; });
        const auto position = last == scene_.rend() ? scene_.end() : last.base();
        return *scene_.insert(position, designElement(look, index));
    }

    void line(const char *name, int index, double x1, double y1, double x2, double y2)
    {
        SceneElement &element = at(name, index);
        element.line = {twips(x1), twips(y1), twips(x2), twips(y2)};
    }

    void show(const char *name, int index, bool shown) { at(name, index).shown = shown; }

    void showAll(const char *name, bool shown, int from = 0)
    {
        for (SceneElement &element : scene_)
            if (element.name == name && element.index >= from)
                element.shown = shown;
    }

private:
    Scene &scene_;
};

size_t slot(int k) { return static_cast<size_t>(k); }

} // namespace

Scene InitialView3DScene()
{
    Scene scene;
    for (const Look &look : Looks)
        for (int i = 0; i < look.count; ++i)
            scene.push_back(designElement(look, i));
    return scene;
}

void DrawView3D(const engine::DesignState &state, double width, double height, Scene &scene, View3DWork *work)
{
    const engine::DesignRecord &design = state.CurrentDesign;
    const int kind = std::clamp<int>(state.CurrentSupportType, 1, 4);
    const engine::SupportDesign &support = state.SupportDesigns[slot(kind)];
    Elements elements(scene);
    View3DWork local;
    View3DWork &w = work ? *work : local;
    w = View3DWork{};

    // 1. No section found: no picture.
    if (engine::Contains(support.PostDimensions.view(), "X")) {
        for (const Look &look : Looks)
            elements.showAll(look.name, false);
        return;
    }

    // 2. Segment starts and the number of segments before the first empty one.
    w.segmentStarts[1] = 0;
    w.segments = 5;
    for (int k = 2; k <= 6; ++k) {
        w.segmentStarts[slot(k)] = engine::ClampToInt32(int64_t{w.segmentStarts[slot(k - 1)]} + design.SegLength[slot(k - 1)]);
        if (design.SegLength[slot(k)] == 0) {
            w.segments = k - 1;
            break;
        }
    }
    const int segments = w.segments;

    // 3. Levels on the front face and, 10 000 mm along the road, on the back face.
    std::array<int64_t, 8> level{};
    std::array<int64_t, 7> back{};
    int64_t lo = 0;
    int64_t hi = 0;
    for (int k = 1; k <= 6; ++k) {
        const int32_t backLength = design.SegBackLength[slot(k)];
        const int64_t rise =
            backLength == 0 ? 0
                            : engine::RoundHalfEven(static_cast<double>(design.SegBackHeight[slot(k)]) * 10000.0 / backLength);
        back[slot(k)] = level[slot(k)] + rise;
        w.backLevelSteps[slot(k)] = engine::ClampToInt16(back[slot(k)] - back[slot(k - 1)]);
        level[slot(k + 1)] = level[slot(k)] + design.SegDeltaHeight[slot(k)];
        lo = std::min({lo, level[slot(k + 1)], back[slot(k)]});
        hi = std::max({hi, level[slot(k + 1)], back[slot(k)]});
    }
    w.lo = engine::ClampToInt32(lo);
    w.hi = engine::ClampToInt32(hi);
    const double range = static_cast<double>(hi - lo);

    // 4. What must fit: the tallest post above ground, the profile and the road.
    const int fronts = std::clamp<int>(design.NumFrontSigns, 0, 3);
    double signStack = 0;
    for (int k = 1; k <= fronts; ++k)
        signStack += static_cast<double>(design.FrontSignDepth[slot(k)]) + design.FrontSignClearance[slot(k)];
    const int posts = std::clamp<int>(support.NumPosts, 0, 4);
    int64_t longest = 0;
    for (int j = 1; j <= posts; ++j)
        longest = j == 1 ? support.PostLength[slot(j)] : std::max<int64_t>(longest, support.PostLength[slot(j)]);
    const double hNeed = static_cast<double>(longest + 125 - support.NormFootingDep);
    double sigma = 0;
    for (int k = 1; k <= 5; ++k)
        sigma += design.SegLength[slot(k)];
    const double roadW = 0.1 * sigma;
    const double m = rnd(0.05 * sigma + 0.1 * sigma);
    const double wTot = sigma + m;

    // 5. The front and back faces of the block; the back face lies a quarter of
    // the front's width away from the road side and raised by half that.
    const bool left = design.SignOnLeft != 0;
    double xFL = 0, xFR = 0, xBL = 0, xBR = 0, yF = 0, yB = 0;
    if (left) {
        xFL = rnd(0.04 * width);
        xBR = rnd(width - xFL);
        xFR = rnd(0.8 * (xBR - xFL) + xFL);
        xBL = xBR - (xFR - xFL);
        yF = rnd(0.96 * height);
        yB = rnd(yF - 0.5 * (xBR - xFR));
    } else {
        xBL = rnd(0.04 * width);
        xFR = rnd(width - xBL);
        xFL = rnd(xFR - 0.8 * (xFR - xBL));
        xBR = xFR - xFL + xBL;
        yF = rnd(0.96 * height);
        yB = rnd(yF - 0.5 * (xFR - xBR));
    }
    const double dx = xBL - xFL;

    // 6. Nothing to scale: the picture stays as it was.
    if (hNeed == 0 || wTot == 0)
        return;

    // 7. One scale for both axes, single precision.
    const double sV = (0.92 * height - (yF - yB)) / hNeed;
    const double sH = (xFR - xFL) / wTot;
    const double s = static_cast<double>(static_cast<float>(std::min(sV, sH)));
    w.scale = s;

    // 8. The ground block.
    const double yFT = yF - rnd(range * s);
    const double yBT = yFT - (yF - yB);
    const std::array<std::array<double, 4>, 12> block{{
        {xFL, yF, xFR, yF}, {xFL, yFT, xBL, yBT}, {xBR, yB, xBR, yBT}, {xFR, yF, xFR, yFT},
        {xBL, yB, xBL, yBT}, {xFL, yF, xFL, yFT}, {xFL, yFT, xFR, yFT}, {xBL, yB, xBR, yB},
        {xBL, yBT, xBR, yBT}, {xFL, yF, xBL, yB}, {xFR, yF, xBR, yB}, {xFR, yFT, xBR, yBT},
    }};
    for (size_t i = 0; i < block.size(); ++i)
        elements.line(View3DBlock, static_cast<int>(i), block[i][0], block[i][1], block[i][2], block[i][3]);

    // 9. The profile centred on the front face, running away from the road.
    const double cx = rnd((xFR - xFL - s * wTot) / 2.0);
    const double x0 = s * m + cx;
    const double g = left ? -1.0 : 1.0;
    const double edgeF = left ? xFR - x0 : xFL + x0;
    const double edgeB = left ? xBR - x0 : xBL + x0;
    const double y0F = yF - s * static_cast<double>(-lo);
    const double y0B = yB - s * static_cast<double>(-lo + w.backLevelSteps[1]);

    // 10. The road strip at the carriageway end of the drawing.
    {
        const double roadF = left ? xFR - cx : xFL + cx;
        const double roadB = left ? xFR + dx - cx : xFL + dx + cx;
        const double across = g * s * roadW;
        elements.line(View3DRoad, 0, roadF, y0F, roadF + across, y0F);
        elements.line(View3DRoad, 1, roadB, y0B, roadB + across, y0B);
        elements.line(View3DRoad, 2, roadF, y0F, roadB, y0B);
        elements.line(View3DRoad, 3, roadF + across, y0F, roadB + across, y0B);
    }

    // 11. The profile on both faces and the depth lines at its points.
    {
        double fx = edgeF, fy = y0F, bx = edgeB, by = y0B;
        elements.line(View3DDepthBase, 0, bx, yB, fx, yF);
        elements.line(View3DDepthGround, 0, bx, by, fx, fy);
        for (int k = 1; k <= segments; ++k) {
            const double run = g * s * design.SegLength[slot(k)];
            const double fx2 = fx + run;
            const double fy2 = fy - s * design.SegDeltaHeight[slot(k)];
            const double bx2 = bx + run;
            const double by2 = by - s * w.backLevelSteps[slot(std::min(k + 1, 6))];
            elements.line(View3DFrontSlopes, k - 1, fx, fy, fx2, fy2);
            elements.line(View3DBackSlopes, k - 1, bx, by, bx2, by2);
            elements.line(View3DDepthBase, k, bx2, yB, fx2, yF);
            elements.line(View3DDepthGround, k, bx2, by2, fx2, fy2);
            fx = fx2;
            fy = fy2;
            bx = bx2;
            by = by2;
        }
    }

    // 12. Panel sizes.
    std::array<double, 4> faceLeft{}, faceTop{}, faceWidth{}, faceHeight{};
    for (int k = 1; k <= 4; ++k)
        elements.show(View3DFaces, k - 1, k <= fronts);
    for (int k = 1; k <= fronts; ++k) {
        faceWidth[slot(k - 1)] = s * design.FrontSignWidth[slot(k)];
        faceHeight[slot(k - 1)] = s * design.FrontSignDepth[slot(k)];
    }

    // 13. The sign's edge nearer the road lies DistFromKerb from the road edge;
    // the panels are centred on the widest.
    const double widest = state.WidestSignWidth;
    const double kerb = design.DistFromKerb;
    const double spacing = support.PostSpacing;
    const double p1 = rnd((widest - (posts - 1) * spacing) / 2.0 + kerb);
    const double signX = left ? rnd(xFR - x0 - s * (widest + kerb)) : rnd(xFL + x0 + s * kerb);
    for (int k = 1; k <= fronts; ++k)
        faceLeft[slot(k - 1)] = signX + s * (widest - design.FrontSignWidth[slot(k)]) / 2.0;

    // 14. Posts, each at its offset from the road edge on its ground point.
    std::array<double, 5> postX{}, postPos{};
    double signTop = 0;
    for (int j = 1; j <= posts; ++j) {
        const double pos = p1 + (j - 1) * spacing;
        double ground = 0;
        if (pos >= 0) {
            // Beyond the profile the post stands at the profile's end level.
            double accumulator = 0;
            for (int k = 1; k <= segments; ++k) {
                const double start = w.segmentStarts[slot(k)];
                if (start <= pos && pos < w.segmentStarts[slot(k + 1)]) {
                    accumulator = rnd(accumulator + static_cast<double>(design.SegDeltaHeight[slot(k)]) /
                                                        design.SegLength[slot(k)] * (pos - start));
                    break;
                }
                accumulator += design.SegDeltaHeight[slot(k)];
            }
            ground = accumulator;
        }
        const double x = edgeF + g * s * pos;
        const double base = y0F - s * ground - 10.0 * FrontSlopeWidth;
        const double top = base - s * (static_cast<double>(support.PostLength[slot(j)]) - support.NormFootingDep + 75);
        elements.line(View3DPosts, j - 1, x, base, x, top);
        elements.show(View3DPosts, j - 1, true);
        postX[slot(j)] = x;
        postPos[slot(j)] = pos;

        // 15. The panels stack down from 50 mm above post 1's top.
        if (j == 1) {
            signTop = top - 50.0 * s;
            if (fronts > 0)
                faceTop[slot(fronts - 1)] = signTop;
            for (int k = fronts; k >= 2; --k)
                faceTop[slot(k - 2)] =
                    faceTop[slot(k - 1)] + faceHeight[slot(k - 1)] + s * design.FrontSignClearance[slot(k)];
        }
    }

    // 16. Struts from mid-sign back along the road to a stub on the ground. The
    // reach is found on a copy: drawing never changes the design's results.
    {
        const int32_t fitting = engine::Contains(support.PostDimensions.view(), "65") ? 272 : 242;
        engine::DesignState scratch = state;
        std::array<int32_t, 5> stubs{};
        const int32_t reach = engine::FindStrutLength(scratch, stubs, fitting);
        w.strutReach = reach;
        w.stubHeights = stubs;
        const double along = static_cast<double>(reach) / 10000.0;
        for (int j = 1; j <= posts; ++j) {
            const std::optional<int32_t> foot =
                engine::GroundLevelAt(design, engine::ToInt32(postPos[slot(j)]), reach);
            const double stubX = postX[slot(j)] + along * dx;
            const double stubBase = y0F - s * foot.value_or(0) - along * (yF - yB) - 10.0 * FrontSlopeWidth;
            const double stubTop = stubBase - s * stubs[slot(j)];
            elements.line(View3DStubs, j - 1, stubX, stubBase, stubX, stubTop);
            elements.line(View3DStruts, j - 1, postX[slot(j)], signTop + s * signStack / 2.0, stubX, stubTop);
            elements.show(View3DStubs, j - 1, true);
            elements.show(View3DStruts, j - 1, true);
        }
        for (const char *name : {View3DPosts, View3DStubs, View3DStruts})
            elements.showAll(name, false, posts);
    }

    for (int k = 1; k <= fronts; ++k) {
        SceneElement &face = elements.at(View3DFaces, k - 1);
        face.rect = {twips(faceLeft[slot(k - 1)]), twips(faceTop[slot(k - 1)]), twips(faceWidth[slot(k - 1)]),
                     twips(faceHeight[slot(k - 1)])};
    }

    // 17. Panel colours; an unknown colour shows as the first entry's grey.
    for (int i = 0; i < 4; ++i) {
        const int colour = design.BkgndColour[slot(i + 1)];
        const bool known = colour >= 0 && colour < static_cast<int>(engine::BackgroundColourValues.size());
        elements.at(View3DFaces, i).fill = engine::BackgroundColourValues[known ? slot(colour) : 0];
    }

    // 18. Profile lines only for segments of some length.
    for (int k = 1; k <= 5; ++k) {
        const bool shown = design.SegLength[slot(k)] != 0;
        elements.show(View3DFrontSlopes, k - 1, shown);
        elements.show(View3DBackSlopes, k - 1, shown);
        elements.show(View3DDepthBase, k, shown);
        elements.show(View3DDepthGround, k, shown);
    }
    elements.show(View3DDepthBase, 0, design.SegLength[1] != 0);
    elements.show(View3DDepthGround, 0, design.SegLength[1] != 0);

    // 19. Every stiffener of every front panel, numbered over all panels.
    int n = 0;
    for (int k = 1; k <= fronts; ++k) {
        const int count = support.NumStiffeners[slot(k)];
        const double stiffenerSpacing = support.StiffenerSpacing[slot(k)];
        const double start = rnd((design.FrontSignDepth[slot(k)] - (count - 1) * stiffenerSpacing) / 2.0);
        const size_t f = slot(k - 1);
        for (int i = 1; i <= count; ++i) {
            const double y = faceTop[f] + s * (start + (i - 1) * stiffenerSpacing);
            elements.line(View3DStiffeners, n, faceLeft[f] + 200.0 * s, y, faceLeft[f] + faceWidth[f] - 200.0 * s, y);
            elements.show(View3DStiffeners, n, true);
            ++n;
        }
    }
    elements.showAll(View3DStiffeners, false, n);

    // 20. The road and the block always show.
    elements.showAll(View3DRoad, true);
    elements.showAll(View3DBlock, true);
}

} // namespace app
