#include "engine/post_layout.h"

#include <gtest/gtest.h>

namespace engine {
namespace {

DesignState StateFor(int16_t region, int16_t exposed, int32_t widest) {
  DesignState state;
  state.CurrentDesign.WindRegion = region;
  state.CurrentDesign.ExposedLocation = exposed;
  state.WidestSignWidth = widest;
  state.SmallestSignWidth = widest;
  return state;
}

TEST(PostCount, CategoryThreeWideSignTakesTwoPostsOfStiffenerTypeTwo) {
  // Passes (1,1) 1020, (1,2) 1800 and (2,1) 2900; stops at (2,2) 4750.
  DesignState state = StateFor(3, 0, 4000);
  SelectPostCount(state);
  for (int t = 1; t <= 4; ++t) {
    EXPECT_EQ(state.SupportDesigns[t].NumPosts, 2);
    EXPECT_EQ(state.SupportDesigns[t].StiffenerType, 2);
    EXPECT_EQ(state.SupportDesigns[t].NoResultCode, 0);
  }

  // Exposed: category 4, where (2,2) holds exactly 4000.
  state = StateFor(3, 1, 4000);
  SelectPostCount(state);
  EXPECT_EQ(state.SupportDesigns[1].NumPosts, 2);
  EXPECT_EQ(state.SupportDesigns[1].StiffenerType, 2);
}

TEST(PostCount, WidthEqualToTheTableValueFits) {
  DesignState state = StateFor(1, 0, 1320);
  SelectPostCount(state);
  EXPECT_EQ(state.SupportDesigns[2].NumPosts, 1);
  EXPECT_EQ(state.SupportDesigns[2].StiffenerType, 1);

  state = StateFor(1, 0, 1321);  // fits only type 2 with one post
  SelectPostCount(state);
  EXPECT_EQ(state.SupportDesigns[2].NumPosts, 1);
  EXPECT_EQ(state.SupportDesigns[2].StiffenerType, 2);
}

TEST(PostCount, RegionDExposedIsCategoryFour) {
  EXPECT_EQ(WindCategory(StateFor(4, 1, 0).CurrentDesign), 4);
  EXPECT_EQ(WindCategory(StateFor(2, 1, 0).CurrentDesign), 3);
}

TEST(PostCount, ExtraPostsChooseTheStiffenerTypeForTheLargerCount) {
  // Category 3, 3000 wide: base pair (2, 2); with one extra post the type is
  // looked up for three posts (3700) and becomes 1.
  DesignState state = StateFor(3, 0, 3000);
  state.SupportDesigns[3].PNO = 1;
  SelectPostCount(state);
  EXPECT_EQ(state.SupportDesigns[3].NumPosts, 3);
  EXPECT_EQ(state.SupportDesigns[3].StiffenerType, 1);
  EXPECT_EQ(state.SupportDesigns[1].NumPosts, 2);
  EXPECT_EQ(state.SupportDesigns[1].StiffenerType, 2);

  // 4000 wide with one extra post: above 3700, so type 2 without a lookup.
  state = StateFor(3, 0, 4000);
  state.SupportDesigns[3].PNO = 1;
  SelectPostCount(state);
  EXPECT_EQ(state.SupportDesigns[3].StiffenerType, 2);
}

TEST(PostCount, ExtraPostsBeyondTheTableReadItsLastColumn) {
  DesignState state = StateFor(3, 0, 3000);
  state.SupportDesigns[1].PNO = 3;  // 2 + 3 posts: looked up as 4 (4400)
  SelectPostCount(state);
  EXPECT_EQ(state.SupportDesigns[1].NumPosts, 5);
  EXPECT_EQ(state.SupportDesigns[1].StiffenerType, 1);
}

TEST(PostCount, SignTooWideForEveryCountGivesCodeOneToAllKinds) {
  DesignState state = StateFor(1, 0, 9601);
  state.SupportDesigns[2].PNO = 2;
  state.SupportDesigns[2].NumPosts = 3;
  SelectPostCount(state);
  for (int t = 1; t <= 4; ++t) {
    EXPECT_EQ(state.SupportDesigns[t].NumPosts, 0);
    EXPECT_EQ(state.SupportDesigns[t].StiffenerType, 0);
    EXPECT_EQ(state.SupportDesigns[t].NoResultCode, 1);
  }
  EXPECT_EQ(state.SupportDesigns[2].PNO, 2);
}

TEST(PostSpacing, TwoPostsUnderAn805WideSign) {
  DesignState state = StateFor(1, 0, 805);
  state.SupportDesigns[1].NumPosts = 2;
  PlacePosts(state);
  EXPECT_EQ(state.SupportDesigns[1].Spacing[0], 485);  // 483
  EXPECT_EQ(state.SupportDesigns[1].Spacing[2], 645);  // 644
  EXPECT_EQ(state.SupportDesigns[1].PostSpacing, 485);
}

TEST(PostSpacing, CandidatesByPostCount) {
  DesignState state = StateFor(1, 0, 4000);
  const int16_t posts[] = {0, 1, 3, 4};
  for (int t = 1; t <= 4; ++t) {
    state.SupportDesigns[t].NumPosts = posts[t - 1];
    state.SupportDesigns[t].Spacing = {11, 22, 33};
  }
  PlacePosts(state);
  EXPECT_EQ(state.SupportDesigns[1].Spacing, (std::array<int32_t, 3>{0, 22, 0}));
  EXPECT_EQ(state.SupportDesigns[2].Spacing, (std::array<int32_t, 3>{0, 22, 0}));
  EXPECT_EQ(state.SupportDesigns[3].Spacing, (std::array<int32_t, 3>{1400, 22, 0}));
  EXPECT_EQ(state.SupportDesigns[4].Spacing, (std::array<int32_t, 3>{1000, 22, 0}));
}

TEST(PostSpacing, UnexpectedPostCountKeepsItsCandidates) {
  DesignState state = StateFor(1, 0, 4000);
  state.SupportDesigns[1].NumPosts = 5;
  state.SupportDesigns[1].Spacing = {700, 0, 900};
  PlacePosts(state);
  EXPECT_EQ(state.SupportDesigns[1].Spacing, (std::array<int32_t, 3>{700, 0, 900}));
  EXPECT_EQ(state.SupportDesigns[1].PostSpacing, 700);
  EXPECT_EQ(state.SupportDesigns[1].WarningCode, 0);
}

TEST(PostSpacing, EngineersSpacingIsUsedWhenChosen) {
  DesignState state = StateFor(1, 0, 4000);
  state.SupportDesigns[1].NumPosts = 2;
  state.SupportDesigns[1].SpacingType = 1;
  state.SupportDesigns[1].Spacing[1] = 1800;
  PlacePosts(state);
  EXPECT_EQ(state.SupportDesigns[1].PostSpacing, 1800);
  EXPECT_EQ(state.SupportDesigns[1].Spacing[0], 2400);
}

TEST(PostSpacing, SpacingTooWideForTheSmallestSign) {
  DesignState state = StateFor(1, 0, 4000);
  SupportDesign& support = state.SupportDesigns[1];
  support.NumPosts = 3;
  support.SpacingType = 1;
  support.Spacing[1] = 1000;

  state.SmallestSignWidth = 2100;  // 2 x 1000 + 200 = 2200 > 2100
  PlacePosts(state);
  EXPECT_EQ(support.WarningCode, WarnSpacingTooWide);

  support.WarningCode = 0;
  state.SmallestSignWidth = 2200;
  PlacePosts(state);
  EXPECT_EQ(support.WarningCode, 0);
}

TEST(PostSpacing, SlipBaseWarningReadsTheFlagAsItStands) {
  DesignState state = StateFor(1, 0, 2000);  // two posts at 1200
  for (int t = 1; t <= 4; ++t) state.SupportDesigns[t].NumPosts = 2;
  state.SupportDesigns[1].SlipBaseReq = FlagTrue;
  state.SupportDesigns[3].NumPosts = 1;
  state.SupportDesigns[3].SlipBaseReq = FlagTrue;
  PlacePosts(state);
  EXPECT_EQ(state.SupportDesigns[1].WarningCode, WarnSlipBaseSpacing);
  EXPECT_EQ(state.SupportDesigns[2].WarningCode, 0);
  EXPECT_EQ(state.SupportDesigns[3].WarningCode, 0);  // one post: no warning

  // Both bits together.
  state.SupportDesigns[1].WarningCode = 0;
  state.SmallestSignWidth = 1000;
  PlacePosts(state);
  EXPECT_EQ(state.SupportDesigns[1].WarningCode, WarnSpacingTooWide + WarnSlipBaseSpacing);
}

TEST(PostSpacing, Round5) {
  EXPECT_EQ(Round5(502), 500);
  EXPECT_EQ(Round5(503), 505);
  EXPECT_EQ(Round5(504), 505);
  EXPECT_EQ(Round5(500), 500);
  EXPECT_EQ(Round5(-10), -10);
  EXPECT_EQ(Round5(-7), 0);
  EXPECT_EQ(Round5(0), 0);
  EXPECT_EQ(Round5(40003), 40005);  // beyond 16 bits
}

TEST(PostSpacing, WideSignsDoNotOverflowTheProducts) {
  DesignState state = StateFor(1, 0, 60000);
  state.SupportDesigns[1].NumPosts = 2;
  PlacePosts(state);
  EXPECT_EQ(state.SupportDesigns[1].Spacing[0], 36000);
  EXPECT_EQ(state.SupportDesigns[1].Spacing[2], 48000);
}

}  // namespace
}  // namespace engine
