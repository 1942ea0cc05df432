#include "engine/panel_layout.h"

#include <gtest/gtest.h>

namespace engine {
namespace {

constexpr int32_t kRoad = 1500;

DesignState StateWithRoad() {
  DesignState state;
  state.CurrentDesign.RoadHeight = kRoad;
  return state;
}

void SetFront(DesignRecord& design, int slot, int32_t width, int32_t height, int32_t clearance) {
  design.FrontSignWidth[slot] = width;
  design.FrontSignDepth[slot] = height;
  design.FrontSignClearance[slot] = clearance;
}

void SetBack(DesignRecord& design, int32_t width, int32_t height, int32_t clearance) {
  design.BackSignWidth = width;
  design.BackSignDepth = height;
  design.BackSignClearance = clearance;
  design.NumBackSigns = 1;
}

TEST(PanelLayout, BackPanelHiddenBehindFrontIsDropped) {
  DesignState state = StateWithRoad();
  SetFront(state.CurrentDesign, 1, 3000, 1500, 0);
  state.CurrentDesign.NumFrontSigns = 1;
  SetBack(state.CurrentDesign, 1500, 1000, 500);

  LayoutPanels(state);

  EXPECT_EQ(state.PanelArea, 4);  // 4.5 rounds to the even 4
  EXPECT_FLOAT_EQ(state.PanelCentroidHeight, kRoad + 750.0F);
  EXPECT_EQ(state.WidestSignWidth, 3000);
  EXPECT_EQ(state.SmallestSignWidth, 1500);
  EXPECT_EQ(state.SignTopLevel, kRoad + 1500);
  EXPECT_EQ(state.SignPanelHeight, 1500);
  EXPECT_EQ(state.PanelLevel[0], kRoad);
  EXPECT_EQ(state.PanelSize[0][0], 1500);
  EXPECT_EQ(state.PanelSize[0][1], 3000);
}

TEST(PanelLayout, TouchingPanelsAreTwoPiecesWithAreaRoundedPerPiece) {
  DesignState state = StateWithRoad();
  SetFront(state.CurrentDesign, 1, 1200, 900, 0);
  SetFront(state.CurrentDesign, 2, 2400, 1200, 0);
  state.CurrentDesign.NumFrontSigns = 2;

  LayoutPanels(state);

  EXPECT_EQ(state.PanelArea, 4);  // 1.08 -> 1, then 2.88 + 1 -> 4
  EXPECT_FLOAT_EQ(state.PanelCentroidHeight, kRoad + 975.0F);
  EXPECT_EQ(state.WidestSignWidth, 2400);
  EXPECT_EQ(state.SmallestSignWidth, 1200);
  EXPECT_EQ(state.SignTopLevel, kRoad + 2100);
  EXPECT_EQ(state.PanelLevel[1], kRoad + 900);
}

TEST(PanelLayout, SinglePanel) {
  DesignState state = StateWithRoad();
  SetFront(state.CurrentDesign, 1, 1800, 1100, 300);
  state.CurrentDesign.NumFrontSigns = 1;

  LayoutPanels(state);

  EXPECT_EQ(state.PanelArea, 2);  // 1.98
  EXPECT_FLOAT_EQ(state.PanelCentroidHeight, kRoad + 300 + 550.0F);
  EXPECT_EQ(state.WidestSignWidth, 1800);
  EXPECT_EQ(state.SmallestSignWidth, 1800);
  EXPECT_EQ(state.SignTopLevel, kRoad + 300 + 1100);
  EXPECT_EQ(state.SignPanelHeight, 1400);
}

TEST(PanelLayout, SmallPanelsRoundToNothingEachTime) {
  DesignState state = StateWithRoad();
  SetFront(state.CurrentDesign, 1, 800, 500, 0);  // 0.4 m2
  state.CurrentDesign.NumFrontSigns = 1;
  LayoutPanels(state);
  EXPECT_EQ(state.PanelArea, 0);

  SetFront(state.CurrentDesign, 2, 800, 500, 0);
  state.CurrentDesign.NumFrontSigns = 2;
  LayoutPanels(state);
  EXPECT_EQ(state.PanelArea, 0);  // not 1: each piece is rounded as it is added
}

TEST(PanelLayout, BackPanelOnly) {
  DesignState state = StateWithRoad();
  SetBack(state.CurrentDesign, 1500, 1000, 400);

  LayoutPanels(state);

  EXPECT_EQ(state.PanelLevel[0], kRoad + 400);
  EXPECT_EQ(state.PanelSize[0][0], 1000);
  EXPECT_EQ(state.PanelSize[0][1], 1500);
  EXPECT_EQ(state.SignTopLevel, kRoad + 1400);
  EXPECT_EQ(state.SignPanelHeight, 1400);
  EXPECT_EQ(state.PanelArea, 2);  // 1.5 rounds to the even 2
  EXPECT_FLOAT_EQ(state.PanelCentroidHeight, kRoad + 900.0F);
}

TEST(PanelLayout, NarrowUpperPanelIsCutAtTheTopOfTheLowerOne) {
  DesignState state = StateWithRoad();
  SetFront(state.CurrentDesign, 1, 2000, 1000, 0);
  state.CurrentDesign.NumFrontSigns = 1;
  SetBack(state.CurrentDesign, 1000, 1000, 500);

  LayoutPanels(state);

  EXPECT_EQ(state.PanelLevel[1], kRoad + 1000);
  EXPECT_EQ(state.PanelSize[1][0], 500);
  EXPECT_EQ(state.PanelArea, 2);  // 2 + 0.5: the overlap counts once
  EXPECT_FLOAT_EQ(state.PanelCentroidHeight, kRoad + 875.0F);
  EXPECT_EQ(state.SignTopLevel, kRoad + 1500);
}

TEST(PanelLayout, WiderBackPanelAtTheSameLevelHidesTheFrontPanel) {
  DesignState state = StateWithRoad();
  SetFront(state.CurrentDesign, 1, 1000, 1000, 0);
  state.CurrentDesign.NumFrontSigns = 1;
  SetBack(state.CurrentDesign, 2000, 1500, 0);

  LayoutPanels(state);

  // Only the back panel is a piece: the centroid is its mid-height alone.
  EXPECT_EQ(state.PanelArea, 3);
  EXPECT_FLOAT_EQ(state.PanelCentroidHeight, kRoad + 750.0F);
}

TEST(PanelLayout, EqualLevelsFollowTheExchangeSort) {
  // Two front panels at the same level and a lower back panel. The exchange
  // sort puts the taller front panel first, so the shorter one lies behind it
  // and is dropped; a stable sort would split the taller one into two pieces
  // (area 1, centroid +1833).
  DesignState state = StateWithRoad();
  SetFront(state.CurrentDesign, 1, 1000, 500, 1500);
  SetFront(state.CurrentDesign, 2, 1000, 1500, -500);
  state.CurrentDesign.NumFrontSigns = 2;
  SetBack(state.CurrentDesign, 500, 1500, 1000);

  LayoutPanels(state);

  EXPECT_EQ(state.PanelArea, 2);  // 0.25 -> 0, then 1.5 -> 2
  EXPECT_FLOAT_EQ(state.PanelCentroidHeight, kRoad + 1750.0F);
}

TEST(PanelLayout, EmptyMiddleSlotStillAddsAPieceOfHeightZero) {
  DesignState state = StateWithRoad();
  SetFront(state.CurrentDesign, 1, 1000, 1000, 0);
  SetFront(state.CurrentDesign, 3, 1000, 1000, 200);  // not used: the count is 2
  state.CurrentDesign.NumFrontSigns = 2;
  state.CurrentDesign.FrontSignClearance[2] = 100;

  LayoutPanels(state);

  EXPECT_EQ(state.SmallestSignWidth, 0);
  EXPECT_EQ(state.WidestSignWidth, 1000);
  EXPECT_EQ(state.PanelArea, 1);
  // Mid-heights +500 and +1100 (the empty entry's level).
  EXPECT_FLOAT_EQ(state.PanelCentroidHeight, kRoad + 800.0F);
  EXPECT_EQ(state.SignTopLevel, kRoad + 1100);
}

TEST(PanelLayout, ZeroHeightWiderEntryAtTheSameLevelDoesNotStallTheWalk) {
  // A wider entry of no height sorted after a panel at the same level would
  // trim the panel to itself again and again.
  DesignState state = StateWithRoad();
  SetFront(state.CurrentDesign, 1, 1000, 1000, 0);
  state.CurrentDesign.NumFrontSigns = 1;
  SetBack(state.CurrentDesign, 2000, 0, 0);

  LayoutPanels(state);

  EXPECT_EQ(state.PanelArea, 1);
  EXPECT_FLOAT_EQ(state.PanelCentroidHeight, kRoad + 500.0F);
  EXPECT_EQ(state.WidestSignWidth, 2000);
}

TEST(PanelLayout, NoPanelsChangesNothing) {
  DesignState state = StateWithRoad();
  state.PanelArea = 7;
  state.WidestSignWidth = 1234;
  state.PanelCentroidHeight = 99.0F;

  LayoutPanels(state);

  EXPECT_EQ(state.PanelArea, 7);
  EXPECT_EQ(state.WidestSignWidth, 1234);
  EXPECT_FLOAT_EQ(state.PanelCentroidHeight, 99.0F);
}

TEST(PanelLayout, CentroidSumIsHeldInSinglePrecision) {
  // Mid-heights near 2^24 lose their odd halves in a float running sum.
  DesignState state;
  state.CurrentDesign.RoadHeight = 16777216;
  SetFront(state.CurrentDesign, 1, 1000, 1, 0);
  SetFront(state.CurrentDesign, 2, 1000, 1, 0);
  state.CurrentDesign.NumFrontSigns = 2;

  LayoutPanels(state);

  // Exactly the mean is 16777217; as a float the first mid-height 16777216.5
  // becomes 16777216 and the sum 33554433.5 becomes 33554432.
  EXPECT_EQ(state.PanelCentroidHeight, 16777216.0F);
}

}  // namespace
}  // namespace engine
