// The design elevation as numbers: a 7200 x 4800 twips area at 15 twips a
// pixel, every position in twips.

#include "app/design_elevation_scene.h"
#include "engine/design_state.h"
#include "engine/reference_lists.h"
#include "engine/values.h"

#include <cmath>
#include <cstdlib>
#include <gtest/gtest.h>

using app::FindElement;
using app::Scene;
using app::SceneElement;

namespace {

constexpr int32_t P8W = 7200;
constexpr int32_t P8H = 4800;
const app::ElevationArea Area{P8W, P8H, 15.0};

// A fixed text size so the label's place can be checked: 100 twips a character, 195 high.
app::TextExtent measure(const std::string &text)
{
    return {static_cast<int32_t>(text.size()) * 100, 195};
}

int32_t twips(double value) { return static_cast<int32_t>(engine::RoundHalfEven(value)); }

// Two CHS posts under one 2400 x 1200 front panel on the right of the road,
// with stubs and normal footings, over a falling then level slope.
engine::DesignState sampleState()
{
    engine::DesignState state;
    engine::DesignRecord &d = state.CurrentDesign;
    d.NumFrontSigns = 1;
    d.FrontSignWidth[1] = 2400;
    d.FrontSignDepth[1] = 1200;
    d.BkgndColour[1] = 2;
    d.RoadHeight = 1500;
    d.DistFromKerb = 1000;
    d.SegLength[1] = 3000;
    d.SegDeltaHeight[1] = -500;
    d.SegLength[2] = 4000;
    d.MinimumClearance = 1600;
    state.WidestSignWidth = 2400;
    state.CurrentSupportType = 1;
    engine::SupportDesign &s = state.SupportDesigns[1];
    s.NumPosts = 2;
    s.PostSpacing = 1200;
    s.PostLength = {0, 3000, 3000, 0, 0};
    s.PostClearance = {0, 2500, 2500, 0, 0};
    s.StubLength = 600;
    s.PostDimensions = "100 NB";
    s.FootingType = 1;
    s.NormFootingDim = "450";
    s.NormFootingDep = 1200;
    return state;
}

Scene build(const engine::DesignState &state) { return app::DesignElevationScene(state, Area, measure); }

const SceneElement &element(const Scene &scene, const char *name, int index = 0)
{
    const SceneElement *found = FindElement(scene, name, index);
    if (!found)
        throw std::runtime_error(std::string("no element ") + name);
    return *found;
}

// The scale the view works with for the sample: the height H = L + 75 + T + 200.
float sampleScale()
{
    return std::min(static_cast<float>(P8H) / 3875.0F, static_cast<float>(P8W) / 2400.0F);
}

bool anyShown(const Scene &scene, const char *name)
{
    for (const SceneElement &e : scene)
        if (e.name == name && e.shown)
            return true;
    return false;
}

} // namespace

TEST(DesignElevationScene, SampleSignPlacedByTheScale)
{
    const Scene scene = build(sampleState());
    const float s = sampleScale();
    const int32_t x0 = twips((P8W - s * 2400.0F) / 2.0F);
    const int32_t m = twips(s * 100.0F);
    // A tall structure: scaled to the height, centred across, top 100 mm down.
    const SceneElement &face = element(scene, "SFaces", 0);
    EXPECT_TRUE(face.shown);
    EXPECT_EQ(face.rect.left, x0);
    EXPECT_EQ(face.rect.top, m);
    EXPECT_EQ(face.rect.width, twips(s * 2400.0F));
    EXPECT_EQ(face.rect.height, twips(s * 1200.0F));
    EXPECT_EQ(face.fill, engine::BackgroundColourValues[2]);
    EXPECT_NEAR(face.rect.left + face.rect.width / 2.0, P8W / 2.0, 1.0);

    // Posts: E = 600 mm from either edge, 100 mm wide, from 75 mm below the top.
    const int32_t width = twips(s * 100.0F);
    for (int j = 0; j < 2; ++j) {
        const SceneElement &post = element(scene, "Posts", j);
        EXPECT_TRUE(post.shown);
        EXPECT_EQ(post.rect.width, width);
        EXPECT_EQ(post.rect.top, twips(s * 75.0F + static_cast<float>(m)));
        EXPECT_EQ(post.rect.height, twips(s * 3000.0F - s * 75.0F));
        EXPECT_NEAR(post.rect.left + post.rect.width / 2.0, x0 + s * (600.0 + j * 1200.0), 1.0);
        EXPECT_EQ(post.fill, app::PostColour);
        EXPECT_EQ(post.pen, 0);
        // The stub below the post, the plate from 100 mm to 25 mm above the post's foot.
        const SceneElement &stub = element(scene, "Stubs", j);
        EXPECT_TRUE(stub.shown);
        EXPECT_EQ(stub.rect.top, post.rect.bottom());
        EXPECT_EQ(stub.rect.left, post.rect.left);
        EXPECT_EQ(stub.rect.width, post.rect.width);
        EXPECT_EQ(stub.rect.height, twips(s * 600.0F));
        const SceneElement &plate = element(scene, "Plate", j);
        EXPECT_TRUE(plate.shown);
        EXPECT_EQ(plate.fill, app::PlateColour);
        EXPECT_EQ(plate.rect.width, 2 * stub.rect.width);
        EXPECT_EQ(plate.rect.height, twips(s * 75.0F));
        EXPECT_EQ(plate.rect.top, twips(stub.rect.top - s * 100.0F));
        EXPECT_NEAR(plate.rect.left + plate.rect.width / 2.0, stub.rect.left + stub.rect.width / 2.0, 1.0);
        // The footing 450 wide and 1200 deep, its bottom 75 mm below the stub's foot.
        const SceneElement &footing = element(scene, "Footings", j);
        EXPECT_TRUE(footing.shown);
        EXPECT_EQ(footing.fillStyle, app::SceneFill::DownwardDiagonal);
        EXPECT_EQ(footing.fill, app::FootingColour);
        EXPECT_EQ(footing.rect.width, twips(s * 450.0F));
        EXPECT_EQ(footing.rect.height, twips(s * 1200.0F));
        EXPECT_NEAR(footing.rect.bottom(), stub.rect.bottom() + s * 75.0, 1.0);
        EXPECT_NEAR(footing.rect.left + footing.rect.width / 2.0, post.rect.left + post.rect.width / 2.0, 1.0);
        EXPECT_FALSE(element(scene, "Screw", j).shown);
    }
    for (int j = 2; j < 4; ++j) {
        EXPECT_FALSE(element(scene, "Posts", j).shown);
        EXPECT_FALSE(element(scene, "Stubs", j).shown);
        EXPECT_FALSE(element(scene, "Footings", j).shown);
        EXPECT_FALSE(element(scene, "Plate", j).shown);
    }
    for (int i = 1; i < 4; ++i)
        EXPECT_FALSE(element(scene, "SFaces", i).shown);
}

TEST(DesignElevationScene, SlopeRoadAndDimensionOfASignOnTheRight)
{
    const Scene scene = build(sampleState());
    const float s = sampleScale();
    const int32_t x0 = twips((P8W - s * 2400.0F) / 2.0F);
    const int32_t m = twips(s * 100.0F);
    // The road edge: 1000 mm left of the sign's near edge, RH + TOP below its top.
    const int32_t dx = twips(-s * 1000.0F);
    const int32_t dy = twips(s * (1500.0F + 1200.0F) + static_cast<float>(m));
    const SceneElement &first = element(scene, "Slopes", 0);
    EXPECT_TRUE(first.shown);
    EXPECT_EQ(first.pen, app::SlopeColour);
    EXPECT_EQ(first.penPixels, 2.0);
    EXPECT_EQ(first.line, (app::SceneLine{x0 + dx, dy, twips(x0 + s * 3000.0F) + dx, twips(s * 500.0F) + dy}));
    const SceneElement &second = element(scene, "Slopes", 1);
    EXPECT_TRUE(second.shown);
    EXPECT_EQ(second.line.x1, first.line.x2);
    EXPECT_EQ(second.line.y1, first.line.y2);
    EXPECT_EQ(second.line.y2, second.line.y1);
    EXPECT_NEAR(second.line.x2 - second.line.x1, s * 4000.0, 1.0);
    for (int k = 2; k < 6; ++k)
        EXPECT_FALSE(element(scene, "Slopes", k).shown);

    const SceneElement &road = element(scene, "Road", 0);
    EXPECT_TRUE(road.shown);
    EXPECT_EQ(road.penPixels, 3.0);
    EXPECT_EQ(road.line, (app::SceneLine{0, dy, first.line.x1, dy}));

    // The dimension on the far side from the road, from the panel's bottom down MC.
    const int32_t y0 = element(scene, "SFaces", 0).rect.bottom();
    const int32_t y1 = twips(y0 + s * 1600.0F);
    const int32_t ticks = twips(x0 + s * 2400.0F + 100.0F);
    EXPECT_EQ(element(scene, "Dimension", 0).line, (app::SceneLine{ticks, y0, ticks + 300, y0}));
    EXPECT_EQ(element(scene, "Dimension", 1).line, (app::SceneLine{ticks, y1, ticks + 300, y1}));
    EXPECT_EQ(element(scene, "Dimension", 2).line, (app::SceneLine{ticks + 200, y0, ticks + 200, y1}));
    EXPECT_EQ(element(scene, "Dimension", 2).pen, app::DimensionColour);
    const SceneElement &label = element(scene, "Label1", 0);
    EXPECT_TRUE(label.shown);
    EXPECT_EQ(label.text, "1600");
    EXPECT_EQ(label.align, app::SceneAlign::Left);
    EXPECT_EQ(label.rect, (app::SceneRect{ticks + 300, twips((y0 + y1 - 195) / 2.0), 400, 195}));
}

TEST(DesignElevationScene, SignOnTheLeftIsTheMirrorImage)
{
    engine::DesignState state = sampleState();
    state.SupportDesigns[1].NumPosts = 3;
    state.SupportDesigns[1].PostSpacing = 900;
    state.SupportDesigns[1].PostLength = {0, 3000, 3100, 3250, 0};
    state.CurrentDesign.SegLength[3] = 1500;
    state.CurrentDesign.SegDeltaHeight[3] = 700;
    const Scene right = build(state);
    state.CurrentDesign.SignOnLeft = engine::FlagTrue;
    const Scene left = build(state);
    ASSERT_EQ(right.size(), left.size());

    for (size_t i = 0; i < right.size(); ++i) {
        const SceneElement &r = right[i];
        const SceneElement &l = left[i];
        SCOPED_TRACE(r.name + " " + std::to_string(r.index));
        EXPECT_EQ(l.shown, r.shown);
        if (!r.shown)
            continue;
        if (r.shape == app::SceneShape::Line) {
            // The ticks run left to right on either side; other lines keep their direction.
            const bool tick = r.name == "Dimension" && r.index < 2;
            EXPECT_NEAR(tick ? l.line.x2 : l.line.x1, P8W - r.line.x1, 1.0);
            EXPECT_NEAR(tick ? l.line.x1 : l.line.x2, P8W - r.line.x2, 1.0);
            EXPECT_EQ(l.line.y1, r.line.y1);
            EXPECT_EQ(l.line.y2, r.line.y2);
        } else {
            EXPECT_NEAR(l.rect.left, P8W - r.rect.right(), 1.0);
            EXPECT_EQ(l.rect.width, r.rect.width);
            EXPECT_EQ(l.rect.top, r.rect.top);
            EXPECT_EQ(l.rect.height, r.rect.height);
        }
    }
    // Post 1, the road and the profile's start on the road side: the left of
    // the picture for a sign on the right, its right for a sign on the left.
    EXPECT_LT(element(right, "Posts", 0).rect.left, element(right, "Posts", 2).rect.left);
    EXPECT_GT(element(left, "Posts", 0).rect.left, element(left, "Posts", 2).rect.left);
    EXPECT_EQ(element(right, "Road", 0).line.x1, 0);
    EXPECT_EQ(element(left, "Road", 0).line.x1, P8W);
    EXPECT_LT(element(left, "Slopes", 0).line.x2, element(left, "Slopes", 0).line.x1);
    // The dimension opposite the road, its value right-justified ending 400 left of the sign.
    const int32_t x0 = element(left, "SFaces", 0).rect.left;
    EXPECT_EQ(element(left, "Dimension", 0).line.x1, x0 - 400);
    EXPECT_EQ(element(left, "Dimension", 2).line.x1, x0 - 300);
    const SceneElement &label = element(left, "Label1", 0);
    EXPECT_EQ(label.align, app::SceneAlign::Right);
    EXPECT_EQ(label.rect.right(), x0 - 400);
}

TEST(DesignElevationScene, TooLowPostsAreRed)
{
    struct Case {
        int16_t slipBase;
        int32_t clearance;
        int32_t fill;
    };
    const Case cases[] = {
        {engine::FlagTrue, 2099, app::PostTooLowColour}, {engine::FlagTrue, 2100, app::PostColour},
        {engine::FlagFalse, 1499, app::PostTooLowColour}, {engine::FlagFalse, 1500, app::PostColour},
        {engine::FlagFalse, 2099, app::PostColour},
    };
    for (const Case &c : cases) {
        SCOPED_TRACE(std::to_string(c.slipBase) + " " + std::to_string(c.clearance));
        engine::DesignState state = sampleState();
        state.SupportDesigns[1].SlipBaseReq = c.slipBase;
        state.SupportDesigns[1].PostClearance = {0, c.clearance, 3000, 0, 0};
        const Scene scene = build(state);
        EXPECT_EQ(element(scene, "Posts", 0).fill, c.fill);
        EXPECT_EQ(element(scene, "Posts", 1).fill, app::PostColour);
    }
}

TEST(DesignElevationScene, ThinSectionIsDrawnThreePixelsWideWithItsStub)
{
    for (const char *section : {"X", "1", "", "10 NB"}) {
        SCOPED_TRACE(section);
        engine::DesignState state = sampleState();
        state.SupportDesigns[1].PostDimensions = section;
        const Scene scene = build(state);
        // 10 mm at this scale is about 12 twips, under 3 pixels too.
        EXPECT_EQ(element(scene, "Posts", 0).rect.width, 45);
        EXPECT_EQ(element(scene, "Stubs", 0).rect.width, 45);
        EXPECT_EQ(element(scene, "Plate", 0).rect.width, 90);
    }
    engine::DesignState state = sampleState();
    state.SupportDesigns[1].PostDimensions = "40x40";
    EXPECT_EQ(element(build(state), "Posts", 0).rect.width, twips(sampleScale() * 40.0F));
}

TEST(DesignElevationScene, NoStubWithANormalFooting)
{
    engine::DesignState state = sampleState();
    state.SupportDesigns[1].StubLength = 0;
    const Scene scene = build(state);
    const float s = std::min(static_cast<float>(P8H) / 3275.0F, static_cast<float>(P8W) / 2400.0F);
    for (int j = 0; j < 2; ++j) {
        EXPECT_FALSE(element(scene, "Stubs", j).shown);
        EXPECT_FALSE(element(scene, "Plate", j).shown);
        EXPECT_FALSE(element(scene, "Screw", j).shown);
        const SceneElement &post = element(scene, "Posts", j);
        const SceneElement &footing = element(scene, "Footings", j);
        EXPECT_TRUE(footing.shown);
        EXPECT_NEAR(footing.rect.bottom(), post.rect.bottom() + s * 75.0, 1.0);
        EXPECT_EQ(post.rect.top, twips(s * 75.0F + static_cast<float>(twips(s * 100.0F))));
    }
}

TEST(DesignElevationScene, ScrewFootingFillsTheStubsLowestThird)
{
    engine::DesignState state = sampleState();
    state.SupportDesigns[1].FootingType = 2;
    const Scene scene = build(state);
    for (int j = 0; j < 2; ++j) {
        EXPECT_FALSE(element(scene, "Footings", j).shown);
        const SceneElement &stub = element(scene, "Stubs", j);
        const SceneElement &screw = element(scene, "Screw", j);
        EXPECT_TRUE(stub.shown);
        EXPECT_TRUE(screw.shown);
        EXPECT_EQ(screw.fill, app::ScrewColour);
        EXPECT_EQ(screw.rect.height, stub.rect.height / 3);
        EXPECT_EQ(screw.rect.bottom(), stub.rect.bottom());
        EXPECT_EQ(screw.rect.width, 2 * stub.rect.width);
        EXPECT_NEAR(screw.rect.left + screw.rect.width / 2.0, stub.rect.left + stub.rect.width / 2.0, 1.0);
        EXPECT_EQ(screw.unitsWide, 480);
        EXPECT_EQ(screw.unitsHigh, 600);
        ASSERT_EQ(screw.unitLines.size(), 8U);
        EXPECT_EQ(screw.unitLines[0], (app::SceneLine{120, 0, 240, 600}));
        EXPECT_EQ(screw.unitLines[7], (app::SceneLine{120, 480, 240, 540}));
        EXPECT_EQ(screw.pen, 0);
    }
    // Rebuilding draws the same eight lines, never more.
    EXPECT_EQ(build(state), scene);
    EXPECT_EQ(element(build(state), "Screw", 0).unitLines.size(), 8U);
    // Any other footing type hides the symbol and draws no lines.
    state.SupportDesigns[1].FootingType = 1;
    EXPECT_TRUE(element(build(state), "Screw", 0).unitLines.empty());
}

TEST(DesignElevationScene, ZeroLengthSegmentIsHiddenButItsRiseCounts)
{
    engine::DesignState state = sampleState();
    state.CurrentDesign.SegLength[2] = 0;
    state.CurrentDesign.SegDeltaHeight[2] = 400;
    state.CurrentDesign.SegLength[3] = 2000;
    const Scene scene = build(state);
    const SceneElement &first = element(scene, "Slopes", 0);
    const SceneElement &hidden = element(scene, "Slopes", 1);
    const SceneElement &third = element(scene, "Slopes", 2);
    EXPECT_TRUE(first.shown);
    EXPECT_FALSE(hidden.shown);
    EXPECT_TRUE(third.shown);
    EXPECT_EQ(hidden.line.x1, hidden.line.x2);
    EXPECT_EQ(third.line.x1, first.line.x2);
    EXPECT_NEAR(third.line.y1, first.line.y2 - sampleScale() * 400.0, 1.0);
}

TEST(DesignElevationScene, TallerStackStartsAtTheTopMargin)
{
    engine::DesignState state = sampleState();
    engine::DesignRecord &d = state.CurrentDesign;
    d.NumBackSigns = 1;
    d.BackSignWidth = 1800;
    d.BackSignDepth = 2000;
    d.BkgndColour[4] = 4;
    const float s = sampleScale();
    const int32_t m = twips(s * 100.0F);
    {
        const Scene scene = build(state);
        const SceneElement &back = element(scene, "SFaces", 3);
        EXPECT_TRUE(back.shown);
        EXPECT_EQ(back.fillStyle, app::SceneFill::UpwardDiagonal);
        EXPECT_EQ(back.fill, engine::BackgroundColourValues[4]);
        EXPECT_EQ(back.rect.top, m);
        EXPECT_EQ(element(scene, "SFaces", 0).rect.top, twips(m + s * 800.0F));
        EXPECT_NEAR(back.rect.left + back.rect.width / 2.0, P8W / 2.0, 1.0);
        // The road lies RH below the taller stack's bottom.
        EXPECT_EQ(element(scene, "Road", 0).line.y1, twips(s * (1500.0F + 2000.0F) + static_cast<float>(m)));
    }
    // Equal stacks: the back panel takes the margin, the front panel level with it.
    d.BackSignDepth = 1200;
    {
        const Scene scene = build(state);
        EXPECT_EQ(element(scene, "SFaces", 3).rect.top, m);
        EXPECT_EQ(element(scene, "SFaces", 0).rect.top, m);
    }
    // Three front panels over a low back panel, stacked downwards with their separations.
    d.BackSignDepth = 600;
    d.NumFrontSigns = 3;
    d.FrontSignWidth = {0, 2400, 2000, 1600};
    d.FrontSignDepth = {0, 1200, 900, 600};
    d.FrontSignClearance = {0, 0, 100, 150};
    {
        const Scene scene = build(state);
        const app::SceneRect upper = element(scene, "SFaces", 2).rect;
        const app::SceneRect middle = element(scene, "SFaces", 1).rect;
        const app::SceneRect lower = element(scene, "SFaces", 0).rect;
        EXPECT_EQ(upper.top, m);
        EXPECT_EQ(middle.top, twips(upper.bottom() + s * 150.0F));
        EXPECT_EQ(lower.top, twips(middle.bottom() + s * 100.0F));
        EXPECT_EQ(element(scene, "SFaces", 3).rect.top, twips(m + s * (2950.0F - 600.0F)));
        EXPECT_NEAR(upper.left + upper.width / 2.0, P8W / 2.0, 1.0);
    }
}

TEST(DesignElevationScene, WideSignScaledToTheWidthTallOneToTheHeight)
{
    engine::DesignState wide = sampleState();
    wide.CurrentDesign.FrontSignWidth[1] = 20000;
    wide.CurrentDesign.FrontSignDepth[1] = 1000;
    wide.WidestSignWidth = 20000;
    wide.SupportDesigns[1].PostSpacing = 10000;
    const Scene wideScene = build(wide);
    const SceneElement &wideFace = element(wideScene, "SFaces", 0);
    // s = 7200 / 20000: the sign spans the area, top 100 mm down.
    EXPECT_EQ(wideFace.rect.left, 0);
    EXPECT_EQ(wideFace.rect.width, P8W);
    EXPECT_EQ(wideFace.rect.top, 36);
    EXPECT_EQ(wideFace.rect.height, 360);
    // The dimension lies beyond the area's right edge, as placed; the painter clips it.
    EXPECT_EQ(element(wideScene, "Dimension", 0).line.x1, P8W + 100);

    engine::DesignState tall = sampleState();
    tall.SupportDesigns[1].PostLength = {0, 9000, 9000, 0, 0};
    const Scene tallScene = build(tall);
    const float s = static_cast<float>(P8H) / 9875.0F;
    const SceneElement &tallFace = element(tallScene, "SFaces", 0);
    EXPECT_EQ(tallFace.rect.top, twips(s * 100.0F));
    EXPECT_EQ(tallFace.rect.left, twips((P8W - s * 2400.0F) / 2.0F));
    EXPECT_NEAR(tallFace.rect.left + tallFace.rect.width / 2.0, P8W / 2.0, 1.0);
    // The longest post with its stub reaches down to the area's bottom less
    // the footing allowance and margin (75 + 100 mm).
    EXPECT_NEAR(element(tallScene, "Stubs", 0).rect.bottom() + s * 175.0F, P8H, 1.5);
}

TEST(DesignElevationScene, NoPanelWidthShowsNothing)
{
    engine::DesignState state = sampleState();
    state.WidestSignWidth = 0;
    const Scene scene = build(state);
    ASSERT_FALSE(scene.empty());
    for (const SceneElement &e : scene)
        EXPECT_FALSE(e.shown) << e.name << ' ' << e.index;
    EXPECT_EQ(scene, app::HiddenDesignElevation());
}

TEST(DesignElevationScene, NoPostDrawsTheSignAndGroundOnly)
{
    engine::DesignState state = sampleState();
    state.SupportDesigns[1].NumPosts = 0;
    const Scene scene = build(state);
    for (const char *name : {"Posts", "Stubs", "Plate", "Footings", "Screw"})
        EXPECT_FALSE(anyShown(scene, name)) << name;
    for (const char *name : {"SFaces", "Slopes", "Road", "Dimension", "Label1"})
        EXPECT_TRUE(anyShown(scene, name)) << name;
    // H is the margins alone: 275 mm.
    EXPECT_EQ(element(scene, "SFaces", 0).rect.width, P8W);
}

TEST(DesignElevationScene, DimensionStartsAtAPanelThatIsDrawn)
{
    struct Case {
        const char *what;
        int16_t front;
        int16_t back;
        int32_t clearance1;
        int expectedFace;
    };
    const Case cases[] = {
        {"front level with back: lowest front", 1, 1, 0, 0},
        {"front higher: back", 1, 1, 300, 3},
        {"no front panel: back", 0, 1, 0, 3},
        {"no back panel: lowest front", 1, 0, 300, 0},
    };
    for (const Case &c : cases) {
        SCOPED_TRACE(c.what);
        engine::DesignState state = sampleState();
        engine::DesignRecord &d = state.CurrentDesign;
        d.NumFrontSigns = c.front;
        d.NumBackSigns = c.back;
        d.FrontSignClearance[1] = c.clearance1;
        // Sizes left over from earlier designs in the unused slots.
        d.FrontSignWidth[1] = 2400;
        d.FrontSignDepth[1] = 1200;
        d.BackSignWidth = 2000;
        d.BackSignDepth = 700;
        const Scene scene = build(state);
        const SceneElement &face = element(scene, "SFaces", c.expectedFace);
        ASSERT_TRUE(face.shown);
        EXPECT_EQ(element(scene, "Dimension", 0).line.y1, face.rect.bottom());
        EXPECT_EQ(element(scene, "Dimension", 2).line.y1, face.rect.bottom());
        EXPECT_EQ(element(scene, "Dimension", 1).line.y1, twips(face.rect.bottom() + sampleScale() * 1600.0F));
    }
}

TEST(DesignElevationScene, ColourIndexOutsideTheListIsGrey)
{
    const struct {
        int16_t index;
        int32_t colour;
    } cases[] = {{11, 12632256}, {-1, 12632256}, {0, 12632256}, {4, 65535}, {10, 8454143}};
    for (const auto &c : cases) {
        EXPECT_EQ(app::SignFaceColour(c.index), c.colour) << c.index;
        engine::DesignState state = sampleState();
        state.CurrentDesign.BkgndColour[1] = c.index;
        state.CurrentDesign.BkgndColour[4] = c.index;
        const Scene scene = build(state);
        EXPECT_EQ(element(scene, "SFaces", 0).fill, c.colour) << c.index;
        EXPECT_EQ(element(scene, "SFaces", 3).fill, c.colour) << c.index;
    }
}

TEST(DesignElevationScene, LeadingNumberOfADesignation)
{
    const struct {
        const char *text;
        float value;
    } cases[] = {{"100 NB", 100}, {"65NB s=1000", 65}, {"125x75", 125}, {"X", 0},    {"", 0},
                 {" 1 2.5.3", 12.5F}, {"1E3", 1},   {"&H10", 0},     {"-5", 0},    {".5", 0.5F},
                 {"168.3 x 6.4", 168.3F}};
    for (const auto &c : cases)
        EXPECT_FLOAT_EQ(app::LeadingNumber(c.text), c.value) << c.text;
}

TEST(DesignElevationScene, ViewedKindChoosesTheRecord)
{
    engine::DesignState state = sampleState();
    state.SupportDesigns[3] = state.SupportDesigns[1];
    state.SupportDesigns[3].NumPosts = 1;
    state.CurrentSupportType = 3;
    const Scene scene = build(state);
    EXPECT_TRUE(element(scene, "Posts", 0).shown);
    EXPECT_FALSE(element(scene, "Posts", 1).shown);
    // One post stands in the middle of the sign.
    const SceneElement &post = element(scene, "Posts", 0);
    EXPECT_NEAR(post.rect.left + post.rect.width / 2.0, P8W / 2.0, 1.0);
}
