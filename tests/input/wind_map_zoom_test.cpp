// The wind region map's zoom as numbers in twips, in the designed viewport of
// 9735 x 6495 twips (a frame of 9975 x 6735).

#include "input/wind_map_zoom.h"

#include <gtest/gtest.h>

#include <vector>

namespace {

using input::MapButton;
using input::MapImageRect;

input::MapZoom designedZoom()
{
    return input::NewMapZoom(9975, 6735);
}

// A press and a release at the same point of the picture.
void click(input::MapZoom &zoom, MapButton button, double x, double y)
{
    input::PressMap(zoom, x, y);
    input::ReleaseMap(zoom, button, x, y);
}

TEST(WindMapZoom, OpensFillingTheViewportAtLevelZero)
{
    const input::MapZoom zoom = designedZoom();
    EXPECT_EQ(zoom.viewportWidth, 9735);
    EXPECT_EQ(zoom.viewportHeight, 6495);
    EXPECT_EQ(zoom.ZoomLevel, 0);
    EXPECT_FALSE(zoom.MapPressed);
    EXPECT_EQ(zoom.image, (MapImageRect{0, 0, 9735, 6495}));
}

struct ClickCase {
    const char *name;
    std::vector<std::tuple<MapButton, double, double>> clicks;
    int level;
    MapImageRect image;
};

void PrintTo(const ClickCase &c, std::ostream *os)
{
    *os << c.name;
}

class WindMapZoomClicks : public testing::TestWithParam<ClickCase> {};

TEST_P(WindMapZoomClicks, PlaceAndSizeThePicture)
{
    input::MapZoom zoom = designedZoom();
    for (const auto &[button, x, y] : GetParam().clicks)
        click(zoom, button, x, y);
    EXPECT_EQ(zoom.ZoomLevel, GetParam().level);
    EXPECT_EQ(zoom.image, GetParam().image);
    EXPECT_FALSE(zoom.MapPressed);
}

INSTANTIATE_TEST_SUITE_P(
    Steps, WindMapZoomClicks,
    testing::Values(
        // 4867.5 - 1.4 x 4000 = -732.5 and 3247.5 - 1.4 x 3000 = -952.5, halves to even.
        ClickCase{"ZoomInCentresTheClickedPoint", {{MapButton::Left, 4000, 3000}}, 1, {-732, -952, 13629, 9093}},
        ClickCase{"ZoomOutToLevelZeroRestoresTheStart",
                  {{MapButton::Left, 4000, 3000}, {MapButton::Right, 5600, 4200}},
                  0,
                  {0, 0, 9735, 6495}},
        // Level 2 is 9735 x 1.4 x 1.6 = 21806.4 wide; at X 21000 the step to
        // level 3 puts the left at 4867.5 - 1.8 x 21000 = -32932.5, beyond 16 bits.
        ClickCase{"ThirdStepFarRightKeepsTheComputedLeft",
                  {{MapButton::Left, 4867.5, 3247.5}, {MapButton::Left, 6814.5, 4546.5}, {MapButton::Left, 21000, 7000}},
                  3,
                  {-32932, -9352, 39252, 26188}},
        ClickCase{"FourthZoomInChangesNothing",
                  {{MapButton::Left, 4867.5, 3247.5},
                   {MapButton::Left, 6814.5, 4546.5},
                   {MapButton::Left, 10903.2, 7274.4},
                   {MapButton::Left, 100, 100}},
                  3,
                  {-14758, -9846, 39252, 26188}},
        ClickCase{"RightClickAtLevelZeroChangesNothing", {{MapButton::Right, 4000, 3000}}, 0, {0, 0, 9735, 6495}},
        ClickCase{"MiddleButtonChangesNothing", {{MapButton::Middle, 4000, 3000}}, 0, {0, 0, 9735, 6495}},
        // Zooming out from level 2 to 1 centres the point divided by 1.6.
        ClickCase{"ZoomOutAboveLevelZeroCentresThePoint",
                  {{MapButton::Left, 4867.5, 3247.5}, {MapButton::Left, 6814.5, 4546.5}, {MapButton::Right, 8000, 5000}},
                  1,
                  {-132, 122, 13629, 9093}}),
    [](const testing::TestParamInfo<ClickCase> &info) { return std::string(info.param.name); });

TEST(WindMapZoom, EveryLevelHasOneSizeWhicheverWayItWasReached)
{
    input::MapZoom zoom = designedZoom();
    click(zoom, MapButton::Left, 4000, 3000);
    click(zoom, MapButton::Left, 4000, 3000);
    click(zoom, MapButton::Left, 4000, 3000);
    EXPECT_EQ(zoom.image.width, 39252);   // 9735 x 4.032 = 39251.52
    EXPECT_EQ(zoom.image.height, 26188);  // 6495 x 4.032 = 26187.84
    click(zoom, MapButton::Right, 4000, 3000);
    EXPECT_EQ(zoom.image.width, 21806);   // 9735 x 2.24 = 21806.4
    EXPECT_EQ(zoom.image.height, 14549);  // 6495 x 2.24 = 14548.8
    click(zoom, MapButton::Right, 4000, 3000);
    EXPECT_EQ(zoom.image.width, 13629);
    click(zoom, MapButton::Right, 4000, 3000);
    EXPECT_EQ(zoom.image, (MapImageRect{0, 0, 9735, 6495}));
    EXPECT_DOUBLE_EQ(input::ZoomScale(3), 1.4 * 1.6 * 1.8);
}

TEST(WindMapZoom, AReleaseWithoutAPressDoesNothing)
{
    input::MapZoom zoom = designedZoom();
    input::ReleaseMap(zoom, MapButton::Left, 4000, 3000);
    EXPECT_EQ(zoom.ZoomLevel, 0);
    EXPECT_EQ(zoom.image, (MapImageRect{0, 0, 9735, 6495}));
}

TEST(WindMapZoom, APressOffThePictureDoesNotCount)
{
    input::MapZoom zoom = designedZoom();
    input::PressMap(zoom, -10, 3000);
    EXPECT_FALSE(zoom.MapPressed);
    input::PressMap(zoom, 4000, 6495);
    EXPECT_FALSE(zoom.MapPressed);
    input::PressMap(zoom, 0, 0);
    EXPECT_TRUE(zoom.MapPressed);
}

TEST(WindMapZoom, AnyReleaseAfterAPressEndsIt)
{
    for (MapButton button : {MapButton::Left, MapButton::Right, MapButton::Middle}) {
        input::MapZoom zoom = designedZoom();
        input::PressMap(zoom, 4000, 3000);
        ASSERT_TRUE(zoom.MapPressed);
        input::ReleaseMap(zoom, button, 4000, 3000);
        EXPECT_FALSE(zoom.MapPressed) << static_cast<int>(button);
        // A second release without a new press leaves the picture where it is.
        const input::MapZoom after = zoom;
        input::ReleaseMap(zoom, MapButton::Left, 1000, 1000);
        EXPECT_EQ(zoom.image, after.image);
        EXPECT_EQ(zoom.ZoomLevel, after.ZoomLevel);
    }
}

} // namespace
