// The sign layout view as numbers: the scene in twips, its colours and what a
// click at a point selects.

#include "engine/reference_lists.h"
#include "input/sign_layout_scene.h"

#include <gtest/gtest.h>

using input::BuildSignLayoutScene;
using input::HitSignLabel;
using input::HitSignShape;
using input::LayoutSize;
using input::SignLayoutScene;

namespace {

const std::array<LayoutSize, 4> kLabels{LayoutSize{240, 195}, LayoutSize{240, 195}, LayoutSize{240, 195},
                                        LayoutSize{240, 195}};

engine::DesignRecord TwoFrontAndBack()
{
    engine::DesignRecord d;
    d.NumFrontSigns = 2;
    d.NumBackSigns = 1;
    d.FrontSignWidth[1] = 2000;
    d.FrontSignDepth[1] = 1000;
    d.FrontSignClearance[1] = 0;
    d.FrontSignWidth[2] = 1500;
    d.FrontSignDepth[2] = 800;
    d.FrontSignClearance[2] = 200;
    d.BackSignWidth = 1800;
    d.BackSignDepth = 1200;
    d.BackSignClearance = 500;
    return d;
}

} // namespace

TEST(SignLayoutScene, OnePanelFillingTheFrameAtScaleOne)
{
    engine::DesignRecord d;
    d.NumFrontSigns = 1;
    d.FrontSignWidth[1] = 3000;
    d.FrontSignDepth[1] = 1500;
    const SignLayoutScene s = BuildSignLayoutScene(d, 3120, 1740, kLabels);
    EXPECT_FLOAT_EQ(s.scale, 1.0f);
    EXPECT_EQ(s.leftOrigin, 60);
    EXPECT_EQ(s.topOrigin, 240);
    const auto &shape = s.shapes[0];
    EXPECT_TRUE(shape.shown);
    EXPECT_FLOAT_EQ(shape.left, 60);
    EXPECT_FLOAT_EQ(shape.top, 240);
    EXPECT_FLOAT_EQ(shape.width, 3000);
    EXPECT_FLOAT_EQ(shape.height, 1500);
    EXPECT_EQ(s.labels[0].caption, "LS");
    EXPECT_TRUE(s.labels[0].shown);
    EXPECT_FLOAT_EQ(s.labels[0].left, 180);
    EXPECT_FLOAT_EQ(s.labels[0].top, 360);
    for (int i = 1; i < 4; ++i) {
        EXPECT_FALSE(s.shapes[static_cast<size_t>(i)].shown) << i;
        EXPECT_FALSE(s.labels[static_cast<size_t>(i)].shown) << i;
    }
}

TEST(SignLayoutScene, TwoFrontPanelsAndABackPanelShareTheBaseLine)
{
    const SignLayoutScene s = BuildSignLayoutScene(TwoFrontAndBack(), 3120, 1740, kLabels);
    EXPECT_FLOAT_EQ(s.scale, 0.75f);
    EXPECT_EQ(s.leftOrigin, 810);
    EXPECT_EQ(s.topOrigin, 240);

    // Uppermost front panel at the top origin, centred on the widest.
    EXPECT_FLOAT_EQ(s.shapes[1].left, 997.5f);
    EXPECT_FLOAT_EQ(s.shapes[1].top, 240);
    EXPECT_FLOAT_EQ(s.shapes[1].width, 1125);
    EXPECT_FLOAT_EQ(s.shapes[1].height, 600);
    // Lower panel below the scaled gap of 200.
    EXPECT_FLOAT_EQ(s.shapes[0].left, 810);
    EXPECT_FLOAT_EQ(s.shapes[0].top, 990);
    EXPECT_FLOAT_EQ(s.shapes[0].width, 1500);
    EXPECT_FLOAT_EQ(s.shapes[0].height, 750);
    // Back panel lower by the scaled height difference (2000 - 1700).
    EXPECT_FLOAT_EQ(s.shapes[3].left, 885);
    EXPECT_FLOAT_EQ(s.shapes[3].top, 465);
    EXPECT_FLOAT_EQ(s.shapes[3].width, 1350);
    EXPECT_FLOAT_EQ(s.shapes[3].height, 900);
    EXPECT_FALSE(s.shapes[2].shown);

    // Both stacks with their bottom clearances end at 1740.
    EXPECT_FLOAT_EQ(s.shapes[0].top + s.shapes[0].height + 0.75f * 0, 1740);
    EXPECT_FLOAT_EQ(s.shapes[3].top + s.shapes[3].height + 0.75f * 500, 1740);

    EXPECT_EQ(s.labels[0].caption, "LS");
    EXPECT_EQ(s.labels[1].caption, "US");
    EXPECT_EQ(s.labels[2].caption, "");
    EXPECT_EQ(s.labels[3].caption, "BS");
    // The back label 120 in from the lower right corner.
    EXPECT_FLOAT_EQ(s.labels[3].left, 885 + 1350 - 240 - 120);
    EXPECT_FLOAT_EQ(s.labels[3].top, 465 + 900 - 195 - 120);
}

TEST(SignLayoutScene, BackPanelTallerThanTheFrontStack)
{
    engine::DesignRecord d = TwoFrontAndBack();
    d.BackSignClearance = 1000;  // back height 2200 against 2000
    const SignLayoutScene s = BuildSignLayoutScene(d, 3120, 1740, kLabels);
    const double scale = s.scale;
    EXPECT_FLOAT_EQ(s.shapes[3].top, static_cast<float>(s.topOrigin));
    EXPECT_FLOAT_EQ(s.shapes[1].top, static_cast<float>(s.topOrigin + scale * 200));
    const double base = s.topOrigin + scale * 2200;
    EXPECT_NEAR(s.shapes[0].top + s.shapes[0].height, base, 0.01);
    EXPECT_NEAR(s.shapes[3].top + s.shapes[3].height + scale * 1000, base, 0.01);
}

TEST(SignLayoutScene, ThreeFrontPanelsAreLowerMiddleUpper)
{
    engine::DesignRecord d;
    d.NumFrontSigns = 3;
    for (size_t k = 1; k <= 3; ++k) {
        d.FrontSignWidth[k] = 1000;
        d.FrontSignDepth[k] = 500;
    }
    const SignLayoutScene s = BuildSignLayoutScene(d, 3120, 1740, kLabels);
    EXPECT_EQ(s.labels[0].caption, "LS");
    EXPECT_EQ(s.labels[1].caption, "MS");
    EXPECT_EQ(s.labels[2].caption, "US");
    EXPECT_LT(s.shapes[2].top, s.shapes[1].top);
    EXPECT_LT(s.shapes[1].top, s.shapes[0].top);
    EXPECT_FLOAT_EQ(s.shapes[1].top, s.shapes[2].top + s.shapes[2].height);
}

TEST(SignLayoutScene, NoPanelsOrZeroWidthsLeaveTheViewBlank)
{
    engine::DesignRecord none;
    engine::DesignRecord zero;
    zero.NumFrontSigns = 2;
    zero.FrontSignDepth[1] = 1000;
    zero.FrontSignDepth[2] = 1000;
    for (const engine::DesignRecord &d : {none, zero}) {
        const SignLayoutScene s = BuildSignLayoutScene(d, 3120, 1740, kLabels);
        for (size_t i = 0; i < 4; ++i) {
            EXPECT_FALSE(s.shapes[i].shown);
            EXPECT_FALSE(s.labels[i].shown);
        }
        EXPECT_EQ(HitSignShape(s, 1000, 1000), -1);
    }
}

TEST(SignLayoutScene, ColoursApplyToAbsentPanelsAndBadIndexesShowTheFirstEntry)
{
    engine::DesignRecord d;
    d.NumFrontSigns = 1;
    d.FrontSignWidth[1] = 1000;
    d.FrontSignDepth[1] = 1000;
    d.BkgndColour[1] = 3;
    d.LegendColour[1] = 2;
    d.BkgndColour[3] = 7;    // slot 3 absent
    d.LegendColour[4] = 1;   // no back panel
    d.BkgndColour[2] = 11;   // outside the list
    d.LegendColour[2] = -1;
    const SignLayoutScene s = BuildSignLayoutScene(d, 3120, 1740, kLabels);
    EXPECT_EQ(s.shapes[0].fill, engine::BackgroundColourValues[3]);
    EXPECT_EQ(s.labels[0].colour, engine::LegendColourValues[2]);
    EXPECT_EQ(s.shapes[2].fill, engine::BackgroundColourValues[7]);
    EXPECT_EQ(s.labels[3].colour, engine::LegendColourValues[1]);
    EXPECT_EQ(s.shapes[1].fill, engine::BackgroundColourValues[0]);
    EXPECT_EQ(s.labels[1].colour, engine::LegendColourValues[0]);
    EXPECT_EQ(engine::BackgroundColourValues[0], 12632256);  // grey
}

TEST(SignLayoutScene, ClicksHitTheFirstShownShapeStrictlyInside)
{
    const SignLayoutScene s = BuildSignLayoutScene(TwoFrontAndBack(), 3120, 1740, kLabels);
    struct Case {
        float x, y;
        int shape;
        int page;
    };
    const Case cases[] = {
        {900, 1200, 0, 1},   // lower front panel and back panel overlap: the lower index
        {890, 700, 3, 4},    // back panel only: its own page "Back Sign"
        {1500, 300, 1, 2},   // upper front panel
        {870, 700, -1, -1},  // beside every panel
        {885, 700, -1, -1},  // on the back panel's left border
        {890, 465, -1, -1},  // on its top border
        {810, 1200, -1, -1}, // on the lower panel's left border
    };
    for (const Case &c : cases) {
        const int hit = HitSignShape(s, c.x, c.y);
        EXPECT_EQ(hit, c.shape) << c.x << "," << c.y;
        if (hit >= 0) {
            EXPECT_EQ(input::SignPageOfSlot(hit), c.page);
        }
    }
}

TEST(SignLayoutScene, LabelsAreFoundWhereTheySit)
{
    const SignLayoutScene s = BuildSignLayoutScene(TwoFrontAndBack(), 3120, 1740, kLabels);
    EXPECT_EQ(HitSignLabel(s, s.labels[3].left + 10, s.labels[3].top + 10), 3);
    EXPECT_EQ(HitSignLabel(s, s.labels[1].left + 10, s.labels[1].top + 10), 1);
    EXPECT_EQ(HitSignLabel(s, 870, 700), -1);
    EXPECT_EQ(input::SignPageOfSlot(3), 4);
    EXPECT_EQ(input::SignPageOfSlot(0), 1);
    EXPECT_EQ(input::SignPageOfSlot(2), 3);
}
