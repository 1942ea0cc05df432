#include <gtest/gtest.h>

#include "engine/design_state.h"
#include "engine/strut_design.h"

namespace engine {
namespace {

TEST(MemberCapacity, InterpolatesInsideCellsWithoutZeroCorners) {
  EXPECT_NEAR(MemberCapacity(0.55F, 4.25F, 1, 1), 88.25F, 1e-3F);
  EXPECT_NEAR(MemberCapacity(0.16F, 2.75F, 1, 1), 103.4F, 1e-3F);
}

TEST(MemberCapacity, CellCornersReadExactValues) {
  EXPECT_NEAR(MemberCapacity(0.5F, 4.0F, 1, 1), 97.0F, 1e-3F);
  // A height on a band edge belongs to the lower band with a fraction of 0.5.
  EXPECT_NEAR(MemberCapacity(0.5F, 2.5F, 1, 1), 116.0F, 1e-3F);
}

TEST(MemberCapacity, ReadsNothingOutsideTheChart) {
  EXPECT_EQ(MemberCapacity(0.55F, 1.9F, 1, 1), 0.0F);
  EXPECT_EQ(MemberCapacity(0.55F, 7.1F, 1, 1), 0.0F);
  EXPECT_EQ(MemberCapacity(0.05F, 4.0F, 1, 1), 0.0F);
  // Row 10 has no row below it to interpolate with.
  EXPECT_EQ(MemberCapacity(1.0F, 4.0F, 1, 1), 0.0F);
}

TEST(MemberCapacity, AGridWithoutUsableCellsReadsNothing) {
  // Wind category 0 holds only zeros: the search passes every cell and stops.
  EXPECT_EQ(MemberCapacity(0.5F, 4.0F, 1, 0), 0.0F);
  EXPECT_EQ(MemberCapacity2(4.0F, 2.0F, 1, 0), 0.0F);
}

TEST(MemberCapacity2, InterpolatesInsideCellsWithoutZeroCorners) {
  EXPECT_NEAR(MemberCapacity2(2.0F, 1.0F, 1, 1), 132.0F, 1e-3F);
  EXPECT_NEAR(MemberCapacity2(6.75F, 1.25F, 1, 1), 63.375F, 1e-3F);
  EXPECT_NEAR(MemberCapacity2(4.25F, 2.5F, 1, 1), 94.5F, 1e-3F);
}

TEST(ChooseStrut, TriesTheLargerMemberForAPanelTooWideForTheSmaller) {
  // Find heights where the 65 mm member carries a wider panel than the 50 mm one.
  auto carried = [](float height, float panelHeight, int member) {
    return MinSng(12.0F, MemberCapacity2(height, panelHeight, member, 1) * 2.0F / 24.0F);
  };
  float height = 0.0F;
  float panelHeight = 0.0F;
  for (float h = 2.0F; h <= 7.0F && height == 0.0F; h += 0.25F)
    for (float p = 1.0F; p <= 4.0F && height == 0.0F; p += 0.25F)
      if (carried(h, p, 2) > carried(h, p, 1) + 0.01F) {
        height = h;
        panelHeight = p;
      }
  ASSERT_GT(height, 0.0F);
  const auto widthBetween = static_cast<int32_t>((carried(height, panelHeight, 1) + 0.005F) * 1000.0F);
  const auto widthBeyond = static_cast<int32_t>(carried(height, panelHeight, 2) * 1000.0F) + 1;
  const float centroid = height * 1000.0F;
  const auto panel = static_cast<int32_t>(panelHeight * 1000.0F);
  EXPECT_EQ(ChooseStrut("50 NB", 2, centroid, panel, widthBetween, 1), "65 NB");
  EXPECT_EQ(ChooseStrut("50 NB", 2, centroid, panel, widthBeyond, 1), "X");
}

TEST(MemberCapacity2, ReadsNothingOutsideTheChart) {
  EXPECT_EQ(MemberCapacity2(1.9F, 2.0F, 1, 1), 0.0F);
  EXPECT_EQ(MemberCapacity2(7.1F, 2.0F, 1, 1), 0.0F);
  EXPECT_EQ(MemberCapacity2(4.0F, 0.9F, 1, 1), 0.0F);
  EXPECT_EQ(MemberCapacity2(4.0F, 4.1F, 1, 1), 0.0F);
}

TEST(MinSng, GivesTheSmaller) {
  EXPECT_EQ(MinSng(3.0F, 4.0F), 3.0F);
  EXPECT_EQ(MinSng(4.0F, 3.0F), 3.0F);
  EXPECT_EQ(MinSng(-1.0F, -1.0F), -1.0F);
}

TEST(CheckStrutEccentricity, ChoosesTheSmallerMemberThatCarriesTheArea) {
  SupportDesignArray supports{};
  // e = 0.39 + 0.16 = 0.55 m, chart A reads 88.25, 2 x 88.25 / 12 = 14.7.
  EXPECT_EQ(CheckStrutEccentricity(supports, 2, 4250.0F, 3860.0F, 14, 1), "50 NB");
  EXPECT_EQ(CheckStrutEccentricity(supports, 2, 4250.0F, 3860.0F, 15, 1), "65 NB");
  EXPECT_EQ(supports[SupportStrut].NoResultCode, 0);
}

TEST(CheckStrutEccentricity, LimitsTheEccentricity) {
  SupportDesignArray supports{};
  // 840 mm of fall gives e = 1.0: allowed, but chart A reads nothing there.
  EXPECT_EQ(CheckStrutEccentricity(supports, 2, 4840.0F, 4000.0F, 1, 1), "X");
  EXPECT_EQ(supports[SupportStrut].NoResultCode, 0);
  EXPECT_EQ(CheckStrutEccentricity(supports, 2, 4840.0F, 4000.0F, 0, 1), "50 NB");

  EXPECT_EQ(CheckStrutEccentricity(supports, 2, 4841.0F, 4000.0F, 0, 1), "X");
  EXPECT_EQ(supports[SupportStrut].NoResultCode, 12);
  EXPECT_EQ(supports[SupportChs].NoResultCode, 0);
}

TEST(ChooseStrut, ConfirmsRaisesOrRejects) {
  // Chart B at 4.25 m and a 2500 mm panel reads 94.5 for member 1: v = 7.875 m.
  EXPECT_EQ(ChooseStrut("50 NB", 2, 4250.0F, 2500, 7875, 1), "50 NB");
  EXPECT_EQ(ChooseStrut("50 NB", 2, 4250.0F, 2500, 12001, 1), "X");
  // A first choice of 65 NB is never lowered, and fails outright when too small.
  EXPECT_EQ(ChooseStrut("65 NB", 2, 4250.0F, 2500, 1000, 1), "65 NB");
  EXPECT_EQ(ChooseStrut("65 NB", 2, 4250.0F, 900, 1000, 1), "X");
  EXPECT_EQ(ChooseStrut("X", 2, 4250.0F, 2500, 1000, 1), "X");
}

// A state with one front panel w x h over a flat profile, the viewed kind
// holding `posts` posts.
DesignState FlatStrutState(int16_t posts, int32_t spacing) {
  DesignState state;
  ResetDesignData(state, DefaultValues{});
  DesignRecord& d = state.CurrentDesign;
  d.NumFrontSigns = 1;
  d.FrontSignWidth[1] = 2000;
  d.FrontSignDepth[1] = 1000;
  d.SegLength[1] = 6000;
  d.DistFromKerb = 1000;
  state.WidestSignWidth = 2000;
  SupportDesign& viewed = state.SupportDesigns[SupportStrut];
  state.CurrentSupportType = SupportStrut;
  viewed.NumPosts = posts;
  viewed.PostSpacing = spacing;
  return state;
}

TEST(ComputeStrutLengths, CutsFromTheReach) {
  DesignState state = FlatStrutState(1, 0);
  SupportDesign& viewed = state.SupportDesigns[SupportStrut];
  viewed.PostDimensions = "65 NB";
  // Strut top = 1647 - 0 + 125 - 500 - 272 = 1000 above flat ground: reach 1 m.
  viewed.PostLength[1] = 1647;
  viewed.StrutPost[2] = 99;
  ComputeStrutLengths(state);
  EXPECT_EQ(viewed.StrutStub[1], 284);          // bend of the 65 mm strut
  EXPECT_EQ(viewed.StrutPost[1], 284 + 1119);   // (1000 - 105) / cos 45 - 147
  EXPECT_EQ(viewed.StrutPost[2], 0);
  EXPECT_EQ(viewed.NoResultCode, 0);

  viewed.PostDimensions = "50 NB";
  viewed.PostLength[1] = 1647 - 272 + 242;  // the same reach with the smaller allowance
  ComputeStrutLengths(state);
  EXPECT_EQ(viewed.StrutStub[1], 251);
  EXPECT_EQ(viewed.StrutPost[1], 251 + 1171);  // (1000 - 93) / cos 45 - 112
}

TEST(FindStrutLength, TheShortestReachIsTheReference) {
  DesignState state = FlatStrutState(2, 1000);
  SupportDesign& viewed = state.SupportDesigns[SupportStrut];
  viewed.PostLength[1] = 3000;
  viewed.PostLength[2] = 3000;
  std::array<int32_t, 5> offsets{0, 7, 7, 7, 7};
  EXPECT_EQ(FindStrutLength(state, offsets, 242), 3000 + 125 - 500 - 242);
  EXPECT_EQ(offsets[1], 0);
  EXPECT_EQ(offsets[2], 0);

  // A longer second post reaches further; its foot lies lower by the difference.
  viewed.PostLength[2] = 3100;
  EXPECT_EQ(FindStrutLength(state, offsets, 242), 3000 + 125 - 500 - 242);
  EXPECT_EQ(offsets[1], 0);
  EXPECT_EQ(offsets[2], 0);  // 45 degrees: the extra height is all reach
  viewed.PostLength[1] = 3100;
  viewed.PostLength[2] = 3000;
  EXPECT_EQ(FindStrutLength(state, offsets, 242), 3000 + 125 - 500 - 242);
}

TEST(FindStrutLength, SlopingGroundMovesTheFeet) {
  DesignState state = FlatStrutState(2, 1000);
  DesignRecord& d = state.CurrentDesign;
  // Ground falling 1 in 4 across the roadside: posts at 1500 and 2500.
  d.SegDeltaHeight[1] = -1500;
  SupportDesign& viewed = state.SupportDesigns[SupportStrut];
  viewed.PostLength[1] = 3000;
  viewed.PostLength[2] = 3000;
  std::array<int32_t, 5> offsets{};
  // Post 1: ground -375, top 3000 - 375 + 125 - 500 - 242 = 2008, reach 2383.
  // Post 2: ground -625, top 1758, reach 2383 too: the first post stays.
  EXPECT_EQ(FindStrutLength(state, offsets, 242), 2383);
  EXPECT_EQ(offsets[1], 0);
  EXPECT_EQ(offsets[2], -375 - (-625));
}

TEST(FindStrutLength, PostOffTheProfileGivesCode11) {
  DesignState state = FlatStrutState(2, 1000);
  state.CurrentDesign.DistFromKerb = 5500;  // posts at 6000 (the end) and 7000
  std::array<int32_t, 5> offsets{};
  EXPECT_EQ(FindStrutLength(state, offsets, 242), 0);
  EXPECT_EQ(state.SupportDesigns[SupportStrut].NoResultCode, 11);

  state.SupportDesigns[SupportStrut].NoResultCode = 0;
  state.CurrentDesign.DistFromKerb = 4500;  // the second post at the very end
  EXPECT_NE(FindStrutLength(state, offsets, 242), 0);
  EXPECT_EQ(state.SupportDesigns[SupportStrut].NoResultCode, 0);
}

TEST(FindStrutLength, GroundFallingOneInOneAlongTheRoadGivesCode11) {
  DesignState state = FlatStrutState(1, 0);
  state.CurrentSupportType = SupportChs;
  state.SupportDesigns[SupportChs].NumPosts = 1;
  state.SupportDesigns[SupportChs].PostLength[1] = 3000;
  DesignRecord& d = state.CurrentDesign;
  // The along-road level of the first point is taken as it stands, that of
  // the profile's end scaled to 10000 mm.
  d.SegBackHeight[1] = -10000;
  d.SegBackHeight[2] = -10000;
  d.SegBackLength[2] = 10000;
  std::array<int32_t, 5> offsets{};
  EXPECT_EQ(FindStrutLength(state, offsets, 242), 0);
  EXPECT_EQ(state.SupportDesigns[SupportStrut].NoResultCode, 11);
  EXPECT_EQ(state.SupportDesigns[SupportChs].NoResultCode, 0);

  state.SupportDesigns[SupportStrut].NoResultCode = 0;
  d.SegBackHeight[1] = -20000;
  d.SegBackHeight[2] = -20000;
  EXPECT_EQ(FindStrutLength(state, offsets, 242), 0);
  EXPECT_EQ(state.SupportDesigns[SupportStrut].NoResultCode, 11);

  // A gentler fall meets the ground further out.
  state.SupportDesigns[SupportStrut].NoResultCode = 0;
  d.SegBackHeight[1] = -5000;
  d.SegBackHeight[2] = -5000;
  EXPECT_EQ(FindStrutLength(state, offsets, 242), 2 * (3000 + 125 - 500 - 242));
  EXPECT_EQ(state.SupportDesigns[SupportStrut].NoResultCode, 0);
}

TEST(ComputeStrutLengths, NoPostsGiveNoLengths) {
  DesignState state = FlatStrutState(0, 0);
  SupportDesign& viewed = state.SupportDesigns[SupportStrut];
  viewed.StrutPost = {0, 5, 5, 5, 5};
  viewed.StrutStub = {0, 5, 5, 5, 5};
  std::array<int32_t, 5> offsets{};
  EXPECT_EQ(FindStrutLength(state, offsets, 242), 100000);
  ComputeStrutLengths(state);
  for (int j = 1; j <= 4; ++j) {
    EXPECT_EQ(viewed.StrutPost[j], 0);
    EXPECT_EQ(viewed.StrutStub[j], 0);
  }
}

}  // namespace
}  // namespace engine
