#include "app/design_elevation_scene.h"

#include "app/result_panel.h"
#include "engine/design_state.h"
#include "engine/reference_lists.h"
#include "engine/values.h"

#include <algorithm>
#include <array>
#include <charconv>
#include <cstddef>

namespace app {
namespace {

// The screw footing symbol in its own 480 x 600 units: the tapering shaft
// (lines 1 and 2) and the helix flights.
constexpr int32_t ScrewUnitsWide = 480;
constexpr int32_t ScrewUnitsHigh = 600;
const std::array<SceneLine, 8> ScrewLines{{
    {120, 0, 240, 600},
    {360, 0, 240, 600},
    {340, 60, 420, 120},
    {420, 120, 60, 220},
    {60, 220, 180, 280},
    {280, 360, 360, 420},
    {360, 420, 120, 480},
    {120, 480, 240, 540},
}};

constexpr int32_t Black = 0x000000;
constexpr int PostCount = 4;
constexpr int FaceCount = 4;
constexpr int SegmentCount = 6;
constexpr int BackFace = 3;

// The controls hold whole twips; every position is rounded as it is set.
int32_t Twips(double value) { return engine::ClampToInt32(engine::RoundHalfEven(value)); }

SceneElement shapeElement(const char *name, int index, SceneShape shape, int32_t fill, SceneFill style)
{
    SceneElement e;
    e.name = name;
    e.index = index;
    e.shape = shape;
    e.pen = Black;
    e.fill = fill;
    e.fillStyle = style;
    return e;
}

SceneElement lineElement(const char *name, int index, int32_t colour, double pixels)
{
    SceneElement e;
    e.name = name;
    e.index = index;
    e.shape = SceneShape::Line;
    e.pen = colour;
    e.penPixels = pixels;
    return e;
}

// The elements a design view is made of, by control.
struct Elements {
    std::array<SceneElement *, FaceCount> faces{};
    std::array<SceneElement *, PostCount> posts{};
    std::array<SceneElement *, PostCount> stubs{};
    std::array<SceneElement *, PostCount> plates{};
    std::array<SceneElement *, PostCount> footings{};
    std::array<SceneElement *, PostCount> screws{};
    std::array<SceneElement *, SegmentCount> slopes{};
    SceneElement *road = nullptr;
    std::array<SceneElement *, 3> dimension{};
    SceneElement *label = nullptr;

    explicit Elements(Scene &scene)
    {
        for (int i = 0; i < FaceCount; ++i)
            faces[static_cast<size_t>(i)] = FindElement(scene, "SFaces", i);
        for (int j = 0; j < PostCount; ++j) {
            const auto k = static_cast<size_t>(j);
            posts[k] = FindElement(scene, "Posts", j);
            stubs[k] = FindElement(scene, "Stubs", j);
            plates[k] = FindElement(scene, "Plate", j);
            footings[k] = FindElement(scene, "Footings", j);
            screws[k] = FindElement(scene, "Screw", j);
        }
        for (int k = 0; k < SegmentCount; ++k)
            slopes[static_cast<size_t>(k)] = FindElement(scene, "Slopes", k);
        road = FindElement(scene, "Road", 0);
        for (int k = 0; k < 3; ++k)
            dimension[static_cast<size_t>(k)] = FindElement(scene, "Dimension", k);
        label = FindElement(scene, "Label1", 0);
    }
};

} // namespace

float LeadingNumber(std::string_view text)
{
    std::string digits;
    bool point = false;
    for (const char c : text) {
        if (c == ' ')
            continue;
        if (c >= '0' && c <= '9') {
            digits += c;
        } else if (c == '.' && !point) {
            point = true;
            digits += c;
        } else {
            break;
        }
    }
    // from_chars reads the point whatever the program's locale.
    float value = 0.0F;
    const auto [end, error] = std::from_chars(digits.data(), digits.data() + digits.size(), value);
    return error == std::errc() ? value : 0.0F;
}

int32_t SignFaceColour(int index)
{
    const auto &colours = engine::BackgroundColourValues;
    if (index < 0 || static_cast<size_t>(index) >= colours.size())
        return colours[0];
    return colours[static_cast<size_t>(index)];
}

Scene HiddenDesignElevation()
{
    Scene scene;
    scene.reserve(40);
    // Painting order: ground and footings first, the sign and its dimension on top.
    for (int k = 0; k < SegmentCount; ++k)
        scene.push_back(lineElement("Slopes", k, SlopeColour, 2.0));
    scene.push_back(lineElement("Road", 0, Black, 3.0));
    for (int j = 0; j < PostCount; ++j)
        scene.push_back(shapeElement("Stubs", j, SceneShape::Rectangle, StubColour, SceneFill::Solid));
    for (int j = 0; j < PostCount; ++j)
        scene.push_back(shapeElement("Footings", j, SceneShape::Rectangle, FootingColour, SceneFill::DownwardDiagonal));
    for (int j = 0; j < PostCount; ++j) {
        SceneElement screw = shapeElement("Screw", j, SceneShape::Rectangle, ScrewColour, SceneFill::Solid);
        screw.unitsWide = ScrewUnitsWide;
        screw.unitsHigh = ScrewUnitsHigh;
        scene.push_back(screw);
    }
    for (int j = 0; j < PostCount; ++j)
        scene.push_back(shapeElement("Posts", j, SceneShape::Rectangle, PostColour, SceneFill::Solid));
    for (int j = 0; j < PostCount; ++j)
        scene.push_back(shapeElement("Plate", j, SceneShape::Rectangle, PlateColour, SceneFill::Solid));
    // The back panel stands behind the posts, the front panels before them.
    scene.push_back(shapeElement("SFaces", BackFace, SceneShape::RoundedRectangle, SignFaceColour(0),
                                 SceneFill::UpwardDiagonal));
    for (int i = 0; i < BackFace; ++i)
        scene.push_back(shapeElement("SFaces", i, SceneShape::RoundedRectangle, SignFaceColour(0), SceneFill::Solid));
    for (int k = 0; k < 3; ++k)
        scene.push_back(lineElement("Dimension", k, DimensionColour, 1.0));
    SceneElement label;
    label.name = "Label1";
    label.shape = SceneShape::Text;
    label.pen = Black;
    scene.push_back(label);
    return scene;
}

Scene DesignElevationScene(const engine::DesignState &state, const ElevationArea &area, const TextMeasure &measure)
{
    Scene scene = HiddenDesignElevation();
    Elements e(scene);

    const engine::DesignRecord &d = state.CurrentDesign;
    const engine::SupportDesign &sd = state.SupportDesigns[static_cast<size_t>(ViewedSupportType(state))];
    // The design run keeps the counts within the view's elements; a damaged
    // record must still not reach past them.
    const int nf = std::clamp<int>(d.NumFrontSigns, 0, 3);
    const bool back = d.NumBackSigns == 1;
    const int n = std::clamp<int>(sd.NumPosts, 0, PostCount);
    const long long w = state.WidestSignWidth;
    const long long t = sd.StubLength;
    const bool left = d.SignOnLeft != 0;

    // 1. The heights of the front and back stacks.
    long long ftot = 0;
    for (int i = 1; i <= nf; ++i)
        ftot += static_cast<long long>(d.FrontSignClearance[static_cast<size_t>(i)]) + d.FrontSignDepth[static_cast<size_t>(i)];
    const long long btot = back ? static_cast<long long>(d.BackSignClearance) + d.BackSignDepth : 0;
    const long long top = ftot > btot ? ftot : btot;

    // 2. The drawing height: the longest post, the stub and the margins.
    long long lmax = 0;
    for (int j = 1; j <= n; ++j)
        lmax = std::max<long long>(lmax, sd.PostLength[static_cast<size_t>(j)]);
    const long long h = lmax + 75 + (t > 0 ? t : 0) + 200;

    // 3. Everything starts hidden; without a height or a width nothing shows.
    if (h <= 0 || w <= 0)
        return scene;

    // 4. One scale for both directions, single precision as the view works.
    const auto p8w = static_cast<float>(area.width);
    const auto p8h = static_cast<float>(area.height);
    const float s = std::min(p8h / static_cast<float>(h), p8w / static_cast<float>(w));
    const int32_t x0 = Twips((p8w - s * static_cast<float>(w)) / 2.0F);
    const int32_t m = Twips(s * 100.0F);
    const auto sc = [s](long long mm) { return s * static_cast<float>(mm); };
    const auto tppx = static_cast<float>(area.twipsPerPixel);

    // 5. Panel faces.
    for (int i = 0; i < FaceCount; ++i)
        e.faces[static_cast<size_t>(i)]->fill = SignFaceColour(d.BkgndColour[static_cast<size_t>(i) + 1]);
    for (int i = 1; i <= nf; ++i) {
        SceneRect &r = e.faces[static_cast<size_t>(i) - 1]->rect;
        r.width = Twips(sc(d.FrontSignWidth[static_cast<size_t>(i)]));
        r.height = Twips(sc(d.FrontSignDepth[static_cast<size_t>(i)]));
    }
    if (back) {
        SceneRect &r = e.faces[BackFace]->rect;
        r.width = Twips(sc(d.BackSignWidth));
        r.height = Twips(sc(d.BackSignDepth));
    }

    // 6 to 8. Post, stub and footing sizes.
    const float postWidth = [&] {
        const float width = s * LeadingNumber(sd.PostDimensions.view());
        return width / tppx < 3.0F ? 3.0F * tppx : width;
    }();
    const int32_t clearanceLimit = sd.SlipBaseReq != 0 ? SlipBaseClearanceLimit : RigidBaseClearanceLimit;
    for (int j = 1; j <= n; ++j) {
        const auto k = static_cast<size_t>(j) - 1;
        SceneElement &post = *e.posts[k];
        post.rect.height = Twips(sc(sd.PostLength[k + 1]) - sc(75));
        post.rect.width = Twips(postWidth);
        post.fill = sd.PostClearance[k + 1] < clearanceLimit ? PostTooLowColour : PostColour;
        e.stubs[k]->rect.height = Twips(sc(t));
        e.stubs[k]->rect.width = post.rect.width;
        if (sd.FootingType == 1) {
            e.footings[k]->rect.height = Twips(sc(sd.NormFootingDep));
            e.footings[k]->rect.width = Twips(s * LeadingNumber(sd.NormFootingDim.view()));
        }
    }

    // 9 to 13. Post positions, post 1 nearest the road; stubs, plates,
    // footings and screw symbols hang from them.
    const long long spacing = sd.PostSpacing;
    const long long edge = engine::RoundHalfEven(static_cast<double>(w - (n - 1) * spacing) / 2.0);
    for (int j = 1; j <= n; ++j) {
        const auto k = static_cast<size_t>(j) - 1;
        SceneRect &post = e.posts[k]->rect;
        const long long offset = left ? w - edge - (j - 1) * spacing : edge + (j - 1) * spacing;
        const float centre = static_cast<float>(x0) + sc(offset);
        post.left = Twips(centre - static_cast<float>(post.width) / 2.0F);
        post.top = Twips(sc(75) + static_cast<float>(m));

        // The stub goes on at the post's foot; it is placed even when not
        // drawn, so the screw symbol always has its anchor.
        SceneRect &stub = e.stubs[k]->rect;
        stub.top = post.bottom();
        stub.left = post.left;
        SceneRect &plate = e.plates[k]->rect;
        if (t > 0) {
            plate.height = Twips(sc(75));
            plate.width = 2 * stub.width;
            plate.top = Twips(static_cast<float>(stub.top) - sc(100));
            plate.left = Twips(static_cast<float>(stub.left) - static_cast<float>(plate.width - stub.width) / 2.0F);
        }

        SceneRect &footing = e.footings[k]->rect;
        const float foot = static_cast<float>(t > 0 ? stub.bottom() : post.bottom()) + sc(75);
        footing.top = Twips(foot - static_cast<float>(footing.height));
        footing.left = Twips(static_cast<float>(post.left) - static_cast<float>(footing.width - post.width) / 2.0F);

        SceneElement &screw = *e.screws[k];
        screw.rect.height = stub.height / 3;
        screw.rect.width = 2 * stub.width;
        screw.rect.top = stub.bottom() - screw.rect.height;
        screw.rect.left = Twips(static_cast<float>(stub.left) - static_cast<float>(screw.rect.width - stub.width) / 2.0F);
        if (sd.FootingType == 2)
            screw.unitLines.assign(ScrewLines.begin(), ScrewLines.end());
    }

    // 12. The taller stack starts at the top margin, the other lower by the difference.
    SceneRect &backFace = e.faces[BackFace]->rect;
    if (ftot > btot) {
        if (nf > 0)
            e.faces[static_cast<size_t>(nf) - 1]->rect.top = m;
        backFace.top = Twips(static_cast<float>(m) + sc(ftot - btot));
    } else {
        backFace.top = m;
        if (nf > 0)
            e.faces[static_cast<size_t>(nf) - 1]->rect.top = Twips(static_cast<float>(m) + sc(btot - ftot));
    }
    for (int k = nf - 1; k >= 1; --k) {
        const SceneRect &above = e.faces[static_cast<size_t>(k)]->rect;
        e.faces[static_cast<size_t>(k) - 1]->rect.top =
            Twips(static_cast<float>(above.bottom()) + sc(d.FrontSignClearance[static_cast<size_t>(k) + 1]));
    }
    for (int i = 1; i <= nf; ++i)
        e.faces[static_cast<size_t>(i) - 1]->rect.left =
            Twips(static_cast<float>(x0) + sc(w - d.FrontSignWidth[static_cast<size_t>(i)]) / 2.0F);
    if (back)
        backFace.left = Twips(static_cast<float>(x0) + sc(w - d.BackSignWidth) / 2.0F);

    // 14. The slope profile from the road edge away from the road; a segment
    // of no length is not drawn but its rise still lifts the ones after it.
    const int direction = left ? -1 : 1;
    const int32_t dx = Twips(s * static_cast<float>(-direction) * static_cast<float>(d.DistFromKerb));
    const int32_t dy = Twips(sc(static_cast<long long>(d.RoadHeight) + top) + static_cast<float>(m));
    float x = static_cast<float>(left ? area.width - x0 : x0);
    float y = 0.0F;
    for (int k = 1; k <= SegmentCount; ++k) {
        SceneLine &segment = e.slopes[static_cast<size_t>(k) - 1]->line;
        segment.x1 = Twips(x) + dx;
        segment.y1 = Twips(y) + dy;
        x += s * static_cast<float>(direction) * static_cast<float>(d.SegLength[static_cast<size_t>(k)]);
        y -= sc(d.SegDeltaHeight[static_cast<size_t>(k)]);
        segment.x2 = Twips(x) + dx;
        segment.y2 = Twips(y) + dy;
    }

    // 15. The road, from the area's edge on the road side to the profile.
    const SceneLine &first = e.slopes[0]->line;
    e.road->line = {left ? area.width : 0, first.y1, first.x1, first.y1};

    // 16. The minimum clearance, measured down from the bottom of the panel
    // the clearance is taken from: the lowest front panel when the front
    // panels start level with the back panel, else the back panel; when that
    // panel is not drawn, the one that is.
    const bool frontDrawn = nf > 0;
    const bool lowestIsFront = d.FrontSignClearance[1] == 0 ? frontDrawn || !back : !back && frontDrawn;
    const int32_t y0 = !frontDrawn && !back ? m : e.faces[lowestIsFront ? 0 : BackFace]->rect.bottom();
    const int32_t y1 = Twips(static_cast<float>(y0) + sc(d.MinimumClearance));
    const std::string caption = std::to_string(d.MinimumClearance);
    const TextExtent extent = measure ? measure(caption) : TextExtent{};
    int32_t tickStart = 0;
    int32_t lineX = 0;
    SceneElement &label = *e.label;
    label.text = caption;
    label.rect.width = extent.width;
    label.rect.height = extent.height;
    if (left) {
        tickStart = x0 - 400;
        lineX = x0 - 300;
        label.align = SceneAlign::Right;
        label.rect.left = x0 - 400 - extent.width;
    } else {
        tickStart = Twips(static_cast<float>(x0) + sc(w) + 100.0F);
        lineX = tickStart + 200;
        label.align = SceneAlign::Left;
        label.rect.left = tickStart + 300;
    }
    e.dimension[0]->line = {tickStart, y0, tickStart + 300, y0};
    e.dimension[1]->line = {tickStart, y1, tickStart + 300, y1};
    e.dimension[2]->line = {lineX, y0, lineX, y1};
    label.rect.top = Twips((static_cast<double>(y0) + y1 - extent.height) / 2.0);

    // 17. What is drawn.
    for (int j = 0; j < n; ++j) {
        const auto k = static_cast<size_t>(j);
        e.posts[k]->shown = true;
        e.stubs[k]->shown = t > 0;
        e.plates[k]->shown = t > 0;
        e.footings[k]->shown = sd.FootingType == 1;
        e.screws[k]->shown = sd.FootingType == 2;
    }
    for (int i = 0; i < nf; ++i)
        e.faces[static_cast<size_t>(i)]->shown = true;
    e.faces[BackFace]->shown = back;
    for (int k = 1; k <= SegmentCount; ++k)
        e.slopes[static_cast<size_t>(k) - 1]->shown = d.SegLength[static_cast<size_t>(k)] != 0;
    e.road->shown = true;
    for (SceneElement *line : e.dimension)
        line->shown = true;
    label.shown = true;

    // Rounded corners in proportion to the panel, never more than a few pixels.
    for (SceneElement *face : e.faces)
        face->cornerRadius =
            std::min(std::min(face->rect.width, face->rect.height) / 8, Twips(6.0 * area.twipsPerPixel));
    return scene;
}

} // namespace app
