// The three-dimensional strut view as numbers: the scene built from a design
// at explicit panel sizes, in twips.

#include "app/view3d_scene.h"
#include "engine/design_state.h"
#include "engine/reference_lists.h"
#include "engine/strut_design.h"

#include <cmath>
#include <gtest/gtest.h>

using app::FindElement;
using app::Scene;
using app::SceneElement;

namespace {

constexpr double Width = 15000;
constexpr double Height = 9000;

// One 3000 x 1500 panel on two level 4000 mm segments, sign on the left, two
// posts 1800 apart: the frame is xFL 600, xFR 11640, xBL 3360, xBR 14400,
// yF 8640, yB 7260 and the scale 1.2 twips a millimetre.
engine::DesignState strutted()
{
    engine::DesignState state;
    engine::DesignRecord &d = state.CurrentDesign;
    d.SignOnLeft = engine::FlagTrue;
    d.DistFromKerb = 1000;
    d.NumFrontSigns = 1;
    d.FrontSignWidth[1] = 3000;
    d.FrontSignDepth[1] = 1500;
    d.FrontSignClearance[1] = 1500;
    d.BkgndColour[1] = 2;
    d.SegLength[1] = 4000;
    d.SegLength[2] = 4000;
    state.WidestSignWidth = 3000;
    state.CurrentSupportType = engine::SupportStrut;
    engine::SupportDesign &s = state.SupportDesigns[engine::SupportStrut];
    s.NumPosts = 2;
    s.PostSpacing = 1800;
    s.PostLength[1] = 4000;
    s.PostLength[2] = 4000;
    s.NormFootingDep = 800;
    s.PostDimensions = "50 NB";
    s.NumStiffeners[1] = 3;
    s.StiffenerSpacing[1] = 500;
    return state;
}

Scene draw(const engine::DesignState &state, app::View3DWork *work = nullptr)
{
    Scene scene = app::InitialView3DScene();
    app::DrawView3D(state, Width, Height, scene, work);
    return scene;
}

const SceneElement &at(const Scene &scene, const char *name, int index)
{
    const SceneElement *element = FindElement(scene, name, index);
    EXPECT_NE(element, nullptr) << name << ' ' << index;
    static const SceneElement none;
    return element ? *element : none;
}

int shownCount(const Scene &scene, const char *name)
{
    int count = 0;
    for (const SceneElement &element : scene)
        count += element.name == name && element.shown ? 1 : 0;
    return count;
}

double centreX(const app::SceneRect &rect) { return rect.left + rect.width / 2.0; }

} // namespace

TEST(View3DScene, FrameScaleAndBlockOfALevelProfile)
{
    app::View3DWork work;
    const Scene scene = draw(strutted(), &work);
    EXPECT_FLOAT_EQ(static_cast<float>(work.scale), 1.2F);
    EXPECT_EQ(work.segments, 2);
    // Block edges: 0 the front base, 7 the back base, 9 the left depth edge.
    EXPECT_EQ(at(scene, app::View3DBlock, 0).line, (app::SceneLine{600, 8640, 11640, 8640}));
    EXPECT_EQ(at(scene, app::View3DBlock, 7).line, (app::SceneLine{3360, 7260, 14400, 7260}));
    EXPECT_EQ(at(scene, app::View3DBlock, 9).line, (app::SceneLine{600, 8640, 3360, 7260}));
    // Range 0: the top edges lie on the base.
    EXPECT_EQ(at(scene, app::View3DBlock, 6).line, at(scene, app::View3DBlock, 0).line);
    EXPECT_EQ(at(scene, app::View3DBlock, 8).line, at(scene, app::View3DBlock, 7).line);
    EXPECT_EQ(shownCount(scene, app::View3DBlock), 12);
    EXPECT_EQ(at(scene, app::View3DBlock, 0).penStyle, app::ScenePenStyle::Dot);
    EXPECT_EQ(at(scene, app::View3DDepthBase, 0).penStyle, app::ScenePenStyle::Dash);
    // Road strip from the carriageway end (Cx 0) 800 mm towards the profile,
    // which starts 1200 mm (1440 twips) from the front face's right edge.
    EXPECT_EQ(at(scene, app::View3DRoad, 0).line, (app::SceneLine{11640, 8640, 10680, 8640}));
    EXPECT_EQ(at(scene, app::View3DRoad, 1).line, (app::SceneLine{14400, 7260, 13440, 7260}));
    EXPECT_EQ(at(scene, app::View3DFrontSlopes, 0).line, (app::SceneLine{10200, 8640, 5400, 8640}));
    EXPECT_EQ(at(scene, app::View3DFrontSlopes, 1).line, (app::SceneLine{5400, 8640, 600, 8640}));
    // Posts 1600 and 3400 mm from the road edge, 20 twips into the slope line,
    // 3275 mm (3930 twips) above the ground.
    EXPECT_EQ(at(scene, app::View3DPosts, 0).line, (app::SceneLine{8280, 8620, 8280, 4690}));
    EXPECT_EQ(at(scene, app::View3DPosts, 1).line, (app::SceneLine{6120, 8620, 6120, 4690}));
    EXPECT_FALSE(at(scene, app::View3DPosts, 2).shown);
    // The panel: its road-side edge 1000 mm from the road edge, 50 mm above post 1.
    EXPECT_EQ(at(scene, app::View3DFaces, 0).rect, (app::SceneRect{5400, 4630, 3600, 1800}));
    EXPECT_EQ(at(scene, app::View3DFaces, 0).fill, engine::BackgroundColourValues[2]);
    EXPECT_FALSE(at(scene, app::View3DFaces, 1).shown);
    // Three stiffeners 500 mm apart, centred on the 1500 mm panel, 200 mm in from its sides.
    EXPECT_EQ(at(scene, app::View3DStiffeners, 0).line, (app::SceneLine{5640, 4930, 8760, 4930}));
    EXPECT_EQ(at(scene, app::View3DStiffeners, 2).line, (app::SceneLine{5640, 6130, 8760, 6130}));
    EXPECT_EQ(shownCount(scene, app::View3DStiffeners), 3);
}

TEST(View3DScene, SectionWithXHidesThePicture)
{
    engine::DesignState state = strutted();
    Scene scene = draw(state);
    ASSERT_GT(shownCount(scene, app::View3DPosts), 0);
    state.SupportDesigns[engine::SupportStrut].PostDimensions = "X";
    app::DrawView3D(state, Width, Height, scene);
    for (const SceneElement &element : scene)
        EXPECT_FALSE(element.shown) << element.name << ' ' << element.index;
}

TEST(View3DScene, NothingToScaleLeavesThePreviousPicture)
{
    engine::DesignState state = strutted();
    Scene scene = draw(state);
    const Scene before = scene;
    // Post length + 125 - footing depth = 0.
    state.SupportDesigns[engine::SupportStrut].PostLength = {0, 675, 675, 0, 0};
    state.CurrentDesign.SegLength[1] = 9000;
    app::DrawView3D(state, Width, Height, scene);
    EXPECT_EQ(scene, before);
}

TEST(View3DScene, SignOnTheRightMirrorsSignOnTheLeft)
{
    engine::DesignState state = strutted();
    state.CurrentDesign.SegDeltaHeight[1] = 400;
    state.CurrentDesign.SegDeltaHeight[2] = -900;
    state.CurrentDesign.SegBackLength[2] = 10000;
    state.CurrentDesign.SegBackHeight[2] = 300;
    const Scene left = draw(state);
    state.CurrentDesign.SignOnLeft = engine::FlagFalse;
    const Scene right = draw(state);
    ASSERT_EQ(left.size(), right.size());
    int compared = 0;
    for (size_t i = 0; i < left.size(); ++i) {
        const SceneElement &l = left[i];
        const SceneElement &r = right[i];
        ASSERT_EQ(l.name, r.name);
        EXPECT_EQ(l.shown, r.shown) << l.name << ' ' << l.index;
        if (!l.shown)
            continue;
        ++compared;
        if (l.shape == app::SceneShape::Line) {
            // The same end points mirrored, in either order.
            const auto near = [](double a, double b, double tolerance) { return std::abs(a - b) <= tolerance; };
            const auto matches = [&](int32_t x1, int32_t y1, int32_t x2, int32_t y2) {
                return near(x1, Width - l.line.x1, 2) && near(y1, l.line.y1, 1) && near(x2, Width - l.line.x2, 2)
                       && near(y2, l.line.y2, 1);
            };
            const auto mirrors = [&](const SceneElement &e) {
                return matches(e.line.x1, e.line.y1, e.line.x2, e.line.y2)
                       || matches(e.line.x2, e.line.y2, e.line.x1, e.line.y1);
            };
            // The block's edges are named by corner, so a mirrored edge may be another element.
            bool found = mirrors(r);
            for (const SceneElement &other : right)
                if (l.name == app::View3DBlock && other.name == l.name && mirrors(other))
                    found = true;
            EXPECT_TRUE(found) << l.name << ' ' << l.index;
        } else {
            EXPECT_NEAR(r.rect.left, Width - l.rect.right(), 2) << l.name;
            EXPECT_EQ(r.rect.top, l.rect.top) << l.name;
        }
    }
    EXPECT_GE(compared, 36);
    // The back face lies right of the front face with the sign on the left,
    // left of it with the sign on the right, raised the same.
    const auto &leftDepth = at(left, app::View3DBlock, 9).line;
    const auto &rightDepth = at(right, app::View3DBlock, 9).line;
    EXPECT_GT(leftDepth.x2, leftDepth.x1);
    EXPECT_LT(rightDepth.x2, rightDepth.x1);
    EXPECT_EQ(leftDepth.y1 - leftDepth.y2, rightDepth.y1 - rightDepth.y2);
}

TEST(View3DScene, BackFaceRiseNeedsABackLength)
{
    engine::DesignState state = strutted();
    state.CurrentDesign.SegDeltaHeight[1] = 500;
    state.CurrentDesign.SegBackHeight[2] = 800;
    app::View3DWork work;
    Scene scene = draw(state, &work);
    // No back length: the back profile runs parallel to the front one.
    EXPECT_EQ(work.backLevelSteps[2], 500);
    for (int k = 0; k < 2; ++k) {
        const auto &front = at(scene, app::View3DFrontSlopes, k).line;
        const auto &back = at(scene, app::View3DBackSlopes, k).line;
        EXPECT_NEAR(back.y2 - back.y1, front.y2 - front.y1, 1) << k;
    }
    // 800 mm over 4000 mm along the road: 2000 mm in 10 000.
    state.CurrentDesign.SegBackLength[2] = 4000;
    scene = draw(state, &work);
    EXPECT_EQ(work.backLevelSteps[2], 2500);
    EXPECT_EQ(work.hi, 2500);
    const auto &back = at(scene, app::View3DBackSlopes, 0).line;
    EXPECT_NEAR(back.y1 - back.y2, 2500 * work.scale, 1);
    // The block is as high as the range of levels.
    EXPECT_NEAR(at(scene, app::View3DBlock, 5).line.y1 - at(scene, app::View3DBlock, 5).line.y2,
                2500 * work.scale, 1);
}

TEST(View3DScene, RiseAlongTheRoadAtTheRoadEdgeRaisesTheBackFace)
{
    engine::DesignState state = strutted();
    state.CurrentDesign.SegBackLength[1] = 5000;
    state.CurrentDesign.SegBackHeight[1] = 400;
    app::View3DWork work;
    const Scene scene = draw(state, &work);
    EXPECT_EQ(work.backLevelSteps[1], 800);
    const auto &road = at(scene, app::View3DRoad, 1).line;
    EXPECT_NEAR(7260 - road.y1, 800 * work.scale, 1);
    EXPECT_EQ(at(scene, app::View3DBackSlopes, 0).line.y1, road.y1);
}

TEST(View3DScene, ProfileLinesOnlyForSegmentsOfSomeLength)
{
    engine::DesignState state = strutted();
    struct Case {
        std::array<int32_t, 6> lengths;
        std::array<bool, 5> shown;
    };
    const std::array<Case, 3> cases{{
        {{0, 4000, 4000, 0, 0, 0}, {true, true, false, false, false}},
        {{0, 8000, 0, 0, 0, 0}, {true, false, false, false, false}},
        {{0, 2000, 2000, 2000, 1000, 1000}, {true, true, true, true, true}},
    }};
    for (const Case &c : cases) {
        for (size_t k = 1; k <= 5; ++k)
            state.CurrentDesign.SegLength[k] = c.lengths[k];
        const Scene scene = draw(state);
        for (int k = 0; k < 5; ++k) {
            EXPECT_EQ(at(scene, app::View3DFrontSlopes, k).shown, c.shown[static_cast<size_t>(k)]) << k;
            EXPECT_EQ(at(scene, app::View3DBackSlopes, k).shown, c.shown[static_cast<size_t>(k)]) << k;
            EXPECT_EQ(at(scene, app::View3DDepthBase, k + 1).shown, c.shown[static_cast<size_t>(k)]) << k;
            EXPECT_EQ(at(scene, app::View3DDepthGround, k + 1).shown, c.shown[static_cast<size_t>(k)]) << k;
        }
        EXPECT_TRUE(at(scene, app::View3DDepthBase, 0).shown);
    }
}

TEST(View3DScene, ThreePanelsStackDownByTheUpperPanelsClearances)
{
    engine::DesignState state = strutted();
    engine::DesignRecord &d = state.CurrentDesign;
    d.NumFrontSigns = 3;
    d.FrontSignWidth = {0, 3000, 2400, 1800};
    d.FrontSignDepth = {0, 1000, 800, 600};
    d.FrontSignClearance = {0, 1500, 300, 200};
    app::View3DWork work;
    const Scene scene = draw(state, &work);
    const double s = work.scale;
    const auto &post = at(scene, app::View3DPosts, 0).line;
    const auto &upper = at(scene, app::View3DFaces, 2).rect;
    const auto &middle = at(scene, app::View3DFaces, 1).rect;
    const auto &lower = at(scene, app::View3DFaces, 0).rect;
    EXPECT_NEAR(upper.top, post.y2 - 50 * s, 1);
    EXPECT_NEAR(middle.top, upper.top + 600 * s + 200 * s, 2);
    EXPECT_NEAR(lower.top, middle.top + 800 * s + 300 * s, 2);
    EXPECT_NEAR(upper.height, 600 * s, 1);
    // Centred on the widest panel.
    EXPECT_NEAR(centreX(upper), centreX(lower), 1);
    EXPECT_NEAR(centreX(middle), centreX(lower), 1);
    EXPECT_EQ(shownCount(scene, app::View3DFaces), 3);
    // The struts leave the posts at the middle of the sign stack.
    EXPECT_NEAR(at(scene, app::View3DStruts, 0).line.y1, upper.top + (1000 + 1500 + 800 + 300 + 600 + 200) / 2.0 * s, 1);
}

TEST(View3DScene, NarrowerLowestPanelKeepsThePostsSymmetricUnderTheSign)
{
    for (const int16_t left : {engine::FlagTrue, engine::FlagFalse}) {
        engine::DesignState state = strutted();
        engine::DesignRecord &d = state.CurrentDesign;
        d.SignOnLeft = left;
        d.NumFrontSigns = 2;
        d.FrontSignWidth = {0, 1800, 3000, 0};
        d.FrontSignDepth = {0, 600, 1200, 0};
        d.FrontSignClearance = {0, 1500, 200, 0};
        app::View3DWork work;
        const Scene scene = draw(state, &work);
        const auto &widest = at(scene, app::View3DFaces, 1).rect;
        const double post1 = at(scene, app::View3DPosts, 0).line.x1;
        const double post2 = at(scene, app::View3DPosts, 1).line.x1;
        EXPECT_NEAR((post1 + post2) / 2.0, centreX(widest), 1) << left;
        EXPECT_NEAR(std::abs(post1 - post2), 1800 * work.scale, 1) << left;
        // Post 1 stands 1600 mm from the road edge, where the profile starts.
        const double edge = at(scene, app::View3DFrontSlopes, 0).line.x1;
        EXPECT_NEAR(std::abs(post1 - edge), 1600 * work.scale, 1) << left;
        // The lowest panel is centred under the widest.
        EXPECT_NEAR(centreX(at(scene, app::View3DFaces, 0).rect), centreX(widest), 1) << left;
    }
}

TEST(View3DScene, FittingByTheSectionAndTheDesignLeftAlone)
{
    engine::DesignState state = strutted();
    state.CurrentDesign.SegDeltaHeight[1] = -600;
    state.CurrentDesign.SegBackLength[1] = 10000;
    state.CurrentDesign.SegBackLength[2] = 10000;
    state.CurrentDesign.SegBackHeight[2] = -1500;
    state.StrutFootOffsets = {0, 7, 7, 7, 7};
    struct Case {
        const char *section;
        int32_t fitting;
    };
    for (const Case c : {Case{"65 NB", 272}, Case{"50 NB", 242}}) {
        state.SupportDesigns[engine::SupportStrut].PostDimensions = c.section;
        const engine::DesignState before = state;
        app::View3DWork work;
        const Scene scene = draw(state, &work);
        engine::DesignState copy = state;
        std::array<int32_t, 5> stubs{};
        const int32_t reach = engine::FindStrutLength(copy, stubs, c.fitting);
        EXPECT_EQ(work.strutReach, reach) << c.section;
        EXPECT_EQ(work.stubHeights, stubs) << c.section;
        engine::DesignState other = state;
        std::array<int32_t, 5> otherStubs{};
        EXPECT_NE(engine::FindStrutLength(other, otherStubs, c.fitting == 272 ? 242 : 272), reach);
        // The stub stands D along the road behind its post.
        const auto &stub = at(scene, app::View3DStubs, 0).line;
        EXPECT_NEAR(stub.x1 - at(scene, app::View3DPosts, 0).line.x1, reach / 10000.0 * 2760, 1);
        EXPECT_EQ(at(scene, app::View3DStruts, 0).line.x2, stub.x2);
        EXPECT_EQ(at(scene, app::View3DStruts, 0).line.y2, stub.y2);
        // The drawing uses its own stub heights; the design keeps its values.
        EXPECT_EQ(state.StrutFootOffsets, before.StrutFootOffsets);
        EXPECT_EQ(state.SupportDesigns, before.SupportDesigns);
        EXPECT_EQ(state.CurrentDesign, before.CurrentDesign);
    }
}

TEST(View3DScene, PostBeyondTheProfileStandsAtTheEndLevelWithStrutsAtThePosts)
{
    engine::DesignState state = strutted();
    engine::DesignRecord &d = state.CurrentDesign;
    d.SegLength = {0, 3000, 0, 0, 0, 0, 0};
    d.SegDeltaHeight = {0, -1000, 0, 0, 0, 0, 0};
    d.DistFromKerb = 2500;  // post 1 at 3100, post 2 at 4900: both beyond 3000
    app::View3DWork work;
    const Scene scene = draw(state, &work);
    EXPECT_EQ(work.strutReach, 0);
    // Only a copy of the design saw code 11.
    EXPECT_EQ(state.SupportDesigns[engine::SupportStrut].NoResultCode, 0);
    const double s = work.scale;
    const double roadY = at(scene, app::View3DFrontSlopes, 0).line.y1;
    for (int j = 0; j < 2; ++j) {
        const auto &post = at(scene, app::View3DPosts, j).line;
        EXPECT_NEAR(post.y1, roadY + 1000 * s - 20, 1) << j;
        const auto &stub = at(scene, app::View3DStubs, j).line;
        EXPECT_EQ(stub.x1, post.x1) << j;
        EXPECT_TRUE(at(scene, app::View3DStruts, j).shown);
    }
    // Off the profile the stub stands at road-edge level.
    EXPECT_NEAR(at(scene, app::View3DStubs, 0).line.y1, roadY - 20, 1);
}

TEST(View3DScene, EveryStiffenerOfEveryPanelIsDrawn)
{
    engine::DesignState state = strutted();
    engine::DesignRecord &d = state.CurrentDesign;
    d.NumFrontSigns = 3;
    d.FrontSignWidth = {0, 3000, 3000, 3000};
    d.FrontSignDepth = {0, 4000, 4000, 4000};
    d.FrontSignClearance = {0, 1500, 200, 200};
    engine::SupportDesign &s = state.SupportDesigns[engine::SupportStrut];
    s.NumStiffeners = {0, 15, 15, 15, 0};
    s.StiffenerSpacing = {0, 250, 250, 250, 0};
    Scene scene = draw(state);
    EXPECT_EQ(shownCount(scene, app::View3DStiffeners), 45);
    for (int k = 0; k < 3; ++k) {
        const auto &face = at(scene, app::View3DFaces, k).rect;
        for (int i = 0; i < 15; ++i) {
            const auto &line = at(scene, app::View3DStiffeners, k * 15 + i).line;
            EXPECT_GE(line.y1, face.top) << k << ' ' << i;
            EXPECT_LE(line.y1, face.bottom()) << k << ' ' << i;
        }
    }
    // Fewer again: the extra lines hide.
    s.NumStiffeners = {0, 2, 0, 0, 0};
    app::DrawView3D(state, Width, Height, scene);
    EXPECT_EQ(shownCount(scene, app::View3DStiffeners), 2);
}

TEST(View3DScene, UnknownColourIndexIsGrey)
{
    engine::DesignState state = strutted();
    state.CurrentDesign.BkgndColour[1] = 42;
    state.CurrentDesign.BkgndColour[2] = -1;
    const Scene scene = draw(state);
    EXPECT_EQ(at(scene, app::View3DFaces, 0).fill, engine::BackgroundColourValues[0]);
    EXPECT_EQ(at(scene, app::View3DFaces, 1).fill, engine::BackgroundColourValues[0]);
}
