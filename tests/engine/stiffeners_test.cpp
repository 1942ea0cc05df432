#include "engine/stiffeners.h"

#include <gtest/gtest.h>

#include <utility>

namespace engine {
namespace {

using Limits = std::array<int32_t, 6>;
constexpr Limits kStartUpLimits{0, 50, 250, 450, 25, 100};
constexpr Limits kStandardLimits{0, 5, 250, 500, 50, 150};

// The count and spacing one front panel gets, checked to be the same in all
// four support records.
std::pair<int, int> FrontPanel(int32_t width, int32_t height, const Limits& limits) {
  DesignState state;
  state.StiffenerLimit = limits;
  state.CurrentDesign.NumFrontSigns = 1;
  state.CurrentDesign.FrontSignWidth[1] = width;
  state.CurrentDesign.FrontSignDepth[1] = height;
  CountPanelFixings(state);
  for (int t = 2; t <= 4; ++t) {
    EXPECT_EQ(state.SupportDesigns[t].NumStiffeners[1], state.SupportDesigns[1].NumStiffeners[1]);
    EXPECT_EQ(state.SupportDesigns[t].StiffenerSpacing[1], state.SupportDesigns[1].StiffenerSpacing[1]);
  }
  return {state.SupportDesigns[1].NumStiffeners[1], state.SupportDesigns[1].StiffenerSpacing[1]};
}

using Result = std::pair<int, int>;

TEST(Stiffeners, StartUpLimits) {
  EXPECT_EQ(FrontPanel(1200, 900, kStartUpLimits), Result(3, 400));  // 425 rounded down
  EXPECT_EQ(FrontPanel(2000, 1500, kStartUpLimits), Result(4, 450));
  EXPECT_EQ(FrontPanel(2000, 300, kStartUpLimits), Result(2, 250));
  EXPECT_EQ(FrontPanel(2000, 290, kStartUpLimits), Result(0, 0));
}

TEST(Stiffeners, SmallPanelsTakeNone) {
  EXPECT_EQ(FrontPanel(950, 1000, kStartUpLimits), Result(0, 0));
  EXPECT_EQ(FrontPanel(951, 1000, kStartUpLimits), Result(3, 450));
  EXPECT_EQ(FrontPanel(950, 1001, kStartUpLimits), Result(3, 450));
}

TEST(Stiffeners, StandardLimits) {
  EXPECT_EQ(FrontPanel(2000, 1500, kStandardLimits), Result(4, 465));
  EXPECT_EQ(FrontPanel(2000, 300, kStandardLimits), Result(0, 0));
}

TEST(Stiffeners, EveryHeightFindsALayoutUnderTheOfferedLimits) {
  for (const Limits& limits : {kStartUpLimits, kStandardLimits}) {
    for (int32_t height = 1001; height <= 32767; height += 97) {
      const Result result = FrontPanel(2000, height, limits);
      EXPECT_GE(result.first, 2) << height;
      EXPECT_GT(result.second, 0) << height;
    }
  }
}

TEST(Stiffeners, EverySlotIsWrittenAndEmptySlotsAreCleared) {
  DesignState state;
  state.StiffenerLimit = kStartUpLimits;
  DesignRecord& design = state.CurrentDesign;
  design.NumFrontSigns = 2;
  design.FrontSignWidth = {0, 1200, 2000, 2000};
  design.FrontSignDepth = {0, 900, 1500, 1500};
  design.NumBackSigns = 1;
  design.BackSignWidth = 2000;
  design.BackSignDepth = 300;
  CountPanelFixings(state);
  for (int t = 1; t <= 4; ++t) {
    const SupportDesign& support = state.SupportDesigns[t];
    EXPECT_EQ(support.NumStiffeners, (std::array<int16_t, 5>{0, 3, 4, 0, 2}));
    EXPECT_EQ(support.StiffenerSpacing, (std::array<int32_t, 5>{0, 400, 450, 0, 250}));
  }

  // One front panel and no back panel: slots 2 to 4 go back to 0.
  design.NumFrontSigns = 1;
  design.NumBackSigns = 0;
  CountPanelFixings(state);
  for (int t = 1; t <= 4; ++t) {
    const SupportDesign& support = state.SupportDesigns[t];
    EXPECT_EQ(support.NumStiffeners, (std::array<int16_t, 5>{0, 3, 0, 0, 0}));
    EXPECT_EQ(support.StiffenerSpacing, (std::array<int32_t, 5>{0, 400, 0, 0, 0}));
  }
}

TEST(Stiffeners, LimitsThatAdmitNoSpacingEndTheSearchWithNone) {
  // Minimum spacing above the maximum.
  EXPECT_EQ(FrontPanel(2000, 1500, Limits{0, 50, 500, 250, 25, 100}), Result(0, 0));
  // Minimum edge distance above the maximum: no edge distance to try.
  EXPECT_EQ(FrontPanel(2000, 1500, Limits{0, 50, 250, 450, 100, 25}), Result(0, 0));
  // Negative spacing limits, which no positive spacing can meet.
  EXPECT_EQ(FrontPanel(2000, 1500, Limits{0, 50, -300, -100, 25, 100}), Result(0, 0));
  // Limits far beyond any panel.
  EXPECT_EQ(FrontPanel(2000, 1500, Limits{0, 50, 5000, 9000, 25, 100}), Result(0, 0));
  // A window no spacing lands in: 1450 / (n - 1) passes 1450, 725, 483, ...
  EXPECT_EQ(FrontPanel(2000, 1500, Limits{0, 50, 1000, 1400, 25, 25}), Result(0, 0));
}

TEST(Stiffeners, IncrementOfZeroOrLessLeavesTheSpacingUnrounded) {
  EXPECT_EQ(FrontPanel(1200, 900, Limits{0, 0, 250, 450, 25, 100}), Result(3, 425));
  EXPECT_EQ(FrontPanel(1200, 900, Limits{0, -50, 250, 450, 25, 100}), Result(3, 425));
}

TEST(Stiffeners, EdgeLimitsBeyondSixteenBitsAreHeldToThatRange) {
  // Edge distances run from -32768 in 5 mm steps; the first in the window is
  // 527 (1500 - 1054 = 446), rounded down to 400.
  EXPECT_EQ(FrontPanel(2000, 1500, Limits{0, 50, 250, 450, -100000, 100000}), Result(2, 400));
}

}  // namespace
}  // namespace engine
