#include "input/clear_zone_sketch.h"

#include <gtest/gtest.h>

#include <string>
#include <utility>
#include <vector>

#include "engine/reference_lists.h"

namespace input {
namespace {

using namespace engine;

constexpr double kFrameWidth = 6000;
constexpr double kFrameHeight = 3000;
constexpr double kTenth = 0.051;  // figures below are given to a tenth of a twip

// One segment 4000 long falling 1000, one 2000 x 1500 panel 1000 from the
// kerb on one post 4500 long with a 900 footing; barrier at 3000, which caps
// the clear zone there.
struct SketchDesign {
  DesignRecord design;
  SupportDesign support;
  ClearZoneSketchInput input;
};

SketchDesign OnePostDesign(bool sign_on_left) {
  SketchDesign d;
  d.design.SegLength[1] = 4000;
  d.design.SegDeltaHeight[1] = -1000;
  d.design.NumFrontSigns = 1;
  d.design.FrontSignWidth[1] = 2000;
  d.design.FrontSignDepth[1] = 1500;
  d.design.BkgndColour[1] = 2;
  d.design.DistFromKerb = 1000;
  d.design.SignOnLeft = sign_on_left ? FlagTrue : FlagFalse;
  d.support.NumPosts = 1;
  d.support.PostLength[1] = 4500;
  d.support.NormFootingDep = 900;
  d.input = {2000, 3000, true, 3000, kFrameWidth, kFrameHeight};
  return d;
}

ClearZoneSketch Build(const SketchDesign& d) { return BuildClearZoneSketch(d.design, d.support, d.input); }

// x as drawn for a sign on the right, mirrored for a sign on the left.
double SideX(double x, bool on_left) { return on_left ? kFrameWidth - x : x; }

class OnePostSketch : public testing::TestWithParam<bool> {};

TEST_P(OnePostSketch, FiguresOfTheDrawing) {
  const bool left = GetParam();
  const ClearZoneSketch s = Build(OnePostDesign(left));
  EXPECT_NEAR(s.Scale, 0.709756, 1e-6);

  EXPECT_TRUE(s.Line1.Visible);
  EXPECT_NEAR(s.Line1.X1, SideX(1225.6, left), kTenth);
  EXPECT_NEAR(s.Line1.X2, SideX(1935.4, left), kTenth);
  EXPECT_NEAR(s.Line1.Y1, 2245.2, kTenth);
  EXPECT_NEAR(s.Line1.Y2, 2245.2, kTenth);

  EXPECT_TRUE(s.Line3[0].Visible);
  EXPECT_NEAR(s.Line3[0].X1, SideX(1935.4, left), kTenth);
  EXPECT_NEAR(s.Line3[0].Y1, 2245.2, kTenth);
  EXPECT_NEAR(s.Line3[0].X2, SideX(4774.4, left), kTenth);
  EXPECT_NEAR(s.Line3[0].Y2, 2955.0, kTenth);
  EXPECT_EQ(s.Line3[0].Colour, 0x00FF00);
  for (std::size_t k = 1; k < s.Line3.size(); ++k) EXPECT_FALSE(s.Line3[k].Visible) << k;

  EXPECT_TRUE(s.Line2[0].Visible);
  EXPECT_NEAR(s.Line2[0].X1, SideX(3354.9, left), kTenth);
  EXPECT_NEAR(s.Line2[0].X2, SideX(3354.9, left), kTenth);
  EXPECT_NEAR(s.Line2[0].Y1, 2580.1, kTenth);
  EXPECT_NEAR(s.Line2[0].Y2, 215.0, kTenth);
  for (std::size_t j = 1; j < s.Line2.size(); ++j) EXPECT_FALSE(s.Line2[j].Visible) << j;

  const SketchBox& face = s.SFaces[0];
  EXPECT_TRUE(face.Visible);
  EXPECT_NEAR(face.Width, 1419.5, kTenth);
  EXPECT_NEAR(face.Height, 1064.6, kTenth);
  EXPECT_NEAR(face.Left, left ? kFrameWidth - 2645.1 - face.Width : 2645.1, kTenth);
  EXPECT_NEAR(face.Top, 179.5, kTenth);
  EXPECT_EQ(face.Colour, BackgroundColourValues[2]);
  for (std::size_t i = 1; i < s.SFaces.size(); ++i) EXPECT_FALSE(s.SFaces[i].Visible) << i;

  // Barrier at 3000 mm, ground -750 there: centred on its offset, 250 x 1000.
  EXPECT_TRUE(s.Shape1.Visible);
  EXPECT_NEAR(s.Shape1.Width, 177.4, kTenth);
  EXPECT_NEAR(s.Shape1.Height, 709.8, kTenth);
  EXPECT_NEAR(s.Shape1.Left + s.Shape1.Width / 2, SideX(4064.6, left), kTenth);
  EXPECT_NEAR(s.Shape1.Top + s.Shape1.Height, 2777.6, kTenth);

  EXPECT_TRUE(s.Shape4.Visible);
  EXPECT_NEAR(s.Shape4.Width, 2129.3, kTenth);
  EXPECT_NEAR(s.Shape4.Left, left ? 2035.4 : 1935.4, kTenth);
  EXPECT_TRUE(s.Label5.Visible);
  EXPECT_DOUBLE_EQ(s.Label5.Left, s.Shape4.Left);
  EXPECT_DOUBLE_EQ(s.Label5.Width, s.Shape4.Width);
  EXPECT_EQ(s.Label5Text, "3m");

  // The roadside beyond the bar, to the end of the profile.
  EXPECT_TRUE(s.Shape5.Visible);
  if (left) {
    EXPECT_NEAR(s.Shape5.Left + s.Shape5.Width, s.Shape4.Left, 1e-9);
    EXPECT_NEAR(s.Shape5.Width, 2035.4 - 1225.6 - 50, kTenth);
  } else {
    EXPECT_NEAR(s.Shape5.Left, 4064.6, kTenth);
    EXPECT_NEAR(s.Shape5.Width, 4774.4 - 4064.6, kTenth);
  }
}

INSTANTIATE_TEST_SUITE_P(Sides, OnePostSketch, testing::Values(false, true),
                         [](const testing::TestParamInfo<bool>& info) {
                           return std::string(info.param ? "SignOnLeft" : "SignOnRight");
                         });

TEST(ClearZoneSketch, BarrierHiddenWithoutTheTick) {
  SketchDesign d = OnePostDesign(false);
  d.input.Barrier = false;
  EXPECT_FALSE(Build(d).Shape1.Visible);
}

TEST(ClearZoneSketch, BarBeyondTheProfileLeavesANarrowEndMark) {
  for (const bool left : {false, true}) {
    SketchDesign d = OnePostDesign(left);
    d.input.ActualClearZone = 9000;  // past the 4000 mm profile
    const ClearZoneSketch s = Build(d);
    EXPECT_DOUBLE_EQ(s.Shape5.Width, 5.0) << left;
    EXPECT_NEAR(s.Shape4.Width, 9000 * s.Scale, 1e-9);
    EXPECT_EQ(s.Label5Text, "9m");
  }
}

TEST(ClearZoneSketch, ChainOfSegmentsEndsAtTheFirstEmptyOne) {
  SketchDesign d = OnePostDesign(false);
  d.design.SegLength[2] = 1000;
  d.design.SegDeltaHeight[2] = 0;
  d.design.SegLength[3] = 1000;
  d.design.SegDeltaHeight[3] = 500;
  d.design.SegLength[5] = 3000;  // after the gap at 4: not drawn
  const ClearZoneSketch s = Build(d);
  ASSERT_TRUE(s.Line3[2].Visible);
  EXPECT_FALSE(s.Line3[3].Visible);
  EXPECT_FALSE(s.Line3[4].Visible);
  EXPECT_DOUBLE_EQ(s.Line3[1].X1, s.Line3[0].X2);
  EXPECT_DOUBLE_EQ(s.Line3[2].X1, s.Line3[1].X2);
  EXPECT_DOUBLE_EQ(s.Line3[1].Y2, s.Line3[1].Y1);  // flat
  EXPECT_NEAR(s.Line3[2].Y1 - s.Line3[2].Y2, 500 * s.Scale, 1e-9);
  EXPECT_EQ(s.Line3[2].Colour, 0x00C000);
  // The height still limits the scale: the post top 3100 over the lowest -1000.
  EXPECT_NEAR(s.Scale, 0.97 * kFrameHeight / 4100, 1e-12);
}

TEST(ClearZoneSketch, PostsSpreadUnderTheWidestSign) {
  SketchDesign d = OnePostDesign(false);
  d.design.SegLength[1] = 6000;
  d.design.SegDeltaHeight[1] = 0;
  d.design.FrontSignWidth[1] = 5000;
  d.input.WidestSignWidth = 5000;
  d.support.NumPosts = 3;
  d.support.PostSpacing = 2000;
  d.support.PostLength = {0, 4500, 4600, 4700, 0};
  const ClearZoneSketch s = Build(d);
  // Posts at 1000 + (5000 - 4000) / 2 = 1500, 3500 and 5500 mm.
  const double edge = s.Line1.X2;
  EXPECT_NEAR(s.Line2[0].X1, edge + 1500 * s.Scale, 1e-9);
  EXPECT_NEAR(s.Line2[1].X1, edge + 3500 * s.Scale, 1e-9);
  EXPECT_NEAR(s.Line2[2].X1, edge + 5500 * s.Scale, 1e-9);
  EXPECT_FALSE(s.Line2[3].Visible);
  // The tallest post sets the height: level ground, tops 3600, 3700, 3800.
  EXPECT_NEAR(s.Scale, 0.97 * kFrameHeight / 3800, 1e-12);
  EXPECT_NEAR(s.Line2[2].Y2, s.Line1.Y1 - 3800 * s.Scale + 170, 1e-9);
  EXPECT_NEAR(s.Line2[0].Y1, s.Line1.Y1 - 20, 1e-9);
  // The face is centred on 1000 + 5000 / 2.
  EXPECT_NEAR(s.SFaces[0].Left + s.SFaces[0].Width / 2, edge + 3500 * s.Scale, 1e-9);
}

TEST(ClearZoneSketch, FacesStackedAndBackFaceAtItsOwnLevel) {
  SketchDesign d = OnePostDesign(false);
  d.design.NumFrontSigns = 2;
  d.design.FrontSignClearance = {0, 0, 300, 0};
  d.design.FrontSignWidth[2] = 1000;
  d.design.FrontSignDepth[2] = 600;
  d.design.BkgndColour[2] = 99;  // outside the list: the first colour
  d.design.NumBackSigns = 1;
  d.design.BackSignWidth = 1800;
  d.design.BackSignDepth = 1000;
  d.design.BackSignClearance = 200;
  d.design.BkgndColour[4] = 4;
  const ClearZoneSketch s = Build(d);
  const double scale = s.Scale;
  const double top = s.Line2[0].Y2 - 50 * scale;
  // Front 2 is the highest: 1500 + 300 + 600 = 2400 above the datum.
  EXPECT_NEAR(s.SFaces[1].Top, top, 1e-9);
  EXPECT_NEAR(s.SFaces[1].Height, 600 * scale, 1e-9);
  EXPECT_EQ(s.SFaces[1].Colour, BackgroundColourValues[0]);
  EXPECT_NEAR(s.SFaces[0].Top, top + 900 * scale, 1e-9);
  // The back face: top at 1200, 1200 below the highest top.
  ASSERT_TRUE(s.SFaces[2].Visible);
  EXPECT_NEAR(s.SFaces[2].Top, top + 1200 * scale, 1e-9);
  EXPECT_NEAR(s.SFaces[2].Width, 1800 * scale, 1e-9);
  EXPECT_EQ(s.SFaces[2].Colour, BackgroundColourValues[4]);
  EXPECT_FALSE(s.SFaces[3].Visible);
}

TEST(ClearZoneSketch, PostOffTheProfileStandsAtRoadLevel) {
  SketchDesign d = OnePostDesign(false);
  d.design.DistFromKerb = 6000;  // beyond the 4000 mm profile
  const ClearZoneSketch s = Build(d);
  EXPECT_NEAR(s.Line2[0].Y1, s.Line1.Y1 - 20, 1e-9);
}

TEST(ClearZoneSketch, HideAllHidesEveryElement) {
  ClearZoneSketch s = Build(OnePostDesign(false));
  s.HideAll();
  EXPECT_FALSE(s.Line1.Visible || s.Line3[0].Visible || s.Line2[0].Visible || s.SFaces[0].Visible ||
               s.Shape1.Visible || s.Shape4.Visible || s.Shape5.Visible || s.Label5.Visible);
}

}  // namespace
}  // namespace input
