#include "engine/post_properties.h"

#include <gtest/gtest.h>

namespace engine {
namespace {

DesignState StateWithSections(int16_t soil) {
  DesignState state;
  state.CurrentDesign.SoilType = soil;
  state.CurrentDesign.CollisionRisk = 1;
  for (int t = 1; t <= 4; ++t) state.SupportDesigns[t].FootingType = 1;
  state.SupportDesigns[SupportChs].PostDimensions = "100 NB";
  state.SupportDesigns[SupportRhs].PostDimensions = "150x100";
  state.SupportDesigns[SupportTruss].PostDimensions = "65NB s=750";
  state.SupportDesigns[SupportStrut].PostDimensions = "50 NB";
  return state;
}

TEST(SectionProperties, ChsGradeAndFootings) {
  DesignState state = StateWithSections(3);
  LookupSectionProperties(state);
  const SupportDesign& chs = state.SupportDesigns[SupportChs];
  EXPECT_EQ(chs.PostMatGrade.Trimmed(), "C350");
  EXPECT_EQ(chs.NormFootingDim.Trimmed(), "450");
  EXPECT_EQ(chs.NormFootingDep, 1200);
  EXPECT_EQ(chs.ScrewFootingDim, 350);
  EXPECT_EQ(chs.ScrewFootingDep, 1500);

  state.SupportDesigns[SupportChs].PostDimensions = "125 NB";
  LookupSectionProperties(state);
  EXPECT_EQ(chs.PostMatGrade.Trimmed(), "C250/C350");
  EXPECT_EQ(chs.NormFootingDep, 1350);

  // The strut kind reads the CHS tables.
  const SupportDesign& strut = state.SupportDesigns[SupportStrut];
  EXPECT_EQ(strut.PostMatGrade.Trimmed(), "C350");
  EXPECT_EQ(strut.NormFootingDim.Trimmed(), "300");
  EXPECT_EQ(strut.NormFootingDep, 750);
}

TEST(SectionProperties, UnlistedSectionTakesTheLargestSize) {
  DesignState state = StateWithSections(1);
  state.SupportDesigns[SupportChs].PostDimensions = "";
  state.SupportDesigns[SupportRhs].PostDimensions = "300x300";
  LookupSectionProperties(state);
  EXPECT_EQ(state.SupportDesigns[SupportChs].NormFootingDim.Trimmed(), "600");  // "150 NB"
  EXPECT_EQ(state.SupportDesigns[SupportChs].PostMatGrade.Trimmed(), "C250/C350");
  EXPECT_EQ(state.SupportDesigns[SupportRhs].NormFootingDep, 1800);  // "200x100"
}

TEST(SectionProperties, NoSectionClearsTheFields) {
  DesignState state = StateWithSections(1);
  LookupSectionProperties(state);
  state.SupportDesigns[SupportChs].PostDimensions = "X";
  state.SupportDesigns[SupportTruss].PostDimensions = " X ";
  LookupSectionProperties(state);
  const SupportDesign& chs = state.SupportDesigns[SupportChs];
  EXPECT_TRUE(chs.PostMatGrade.IsBlank());
  EXPECT_TRUE(chs.NormFootingDim.IsBlank());
  EXPECT_EQ(chs.NormFootingDep, 0);
  EXPECT_EQ(chs.ScrewFootingDim, 0);
  EXPECT_EQ(chs.ScrewFootingDep, 0);
  const SupportDesign& truss = state.SupportDesigns[SupportTruss];
  EXPECT_EQ(truss.PostMatGrade.Trimmed(), "X");
  EXPECT_TRUE(truss.NormFootingDim.IsBlank());
  EXPECT_EQ(truss.NormFootingDep, 0);
}

TEST(SectionProperties, RhsDoubleListedSectionFollowsItsWall) {
  DesignState state = StateWithSections(1);
  SupportDesign& rhs = state.SupportDesigns[SupportRhs];
  rhs.PostDimensions = "125x75";
  rhs.PostWallThickness = "3";
  LookupSectionProperties(state);
  EXPECT_EQ(rhs.NormFootingDim.Trimmed(), "450");
  EXPECT_EQ(rhs.NormFootingDep, 1200);
  EXPECT_EQ(rhs.PostMatGrade.Trimmed(), "C450");

  rhs.PostWallThickness = "5";
  LookupSectionProperties(state);
  EXPECT_EQ(rhs.NormFootingDim.Trimmed(), "600");
  EXPECT_EQ(rhs.NormFootingDep, 1300);
  EXPECT_EQ(rhs.PostMatGrade.Trimmed(), "C450");

  rhs.PostDimensions = "150x100";
  LookupSectionProperties(state);
  EXPECT_EQ(rhs.PostMatGrade.Trimmed(), "C350");
}

TEST(SectionProperties, TrussFootingsByNameOnly) {
  DesignState state = StateWithSections(3);
  SupportDesign& truss = state.SupportDesigns[SupportTruss];
  truss.PostDimensions = "80NB s=750";
  truss.PostWallThickness = "4.8";
  LookupSectionProperties(state);
  EXPECT_EQ(truss.NormFootingDim.Trimmed(), "500x1200");
  EXPECT_EQ(truss.NormFootingDep, 1900);  // position 3, whatever the wall
  EXPECT_EQ(truss.PostMatGrade.Trimmed(), "C350");
  EXPECT_EQ(truss.ScrewFootingDim, 0);
  EXPECT_EQ(truss.ScrewFootingDep, 0);
  EXPECT_EQ(truss.NoResultCode, 0);

  // A truss without a section still carries its spacing suffix: position 6.
  truss.PostDimensions = "X s=1000";
  LookupSectionProperties(state);
  EXPECT_EQ(truss.NormFootingDim.Trimmed(), "500x1500");
  EXPECT_EQ(truss.NormFootingDep, 2000);
}

TEST(SectionProperties, TrussOnAScrewFootingGetsCodeEight) {
  DesignState state = StateWithSections(2);
  state.SupportDesigns[SupportTruss].FootingType = 2;
  state.SupportDesigns[SupportTruss].NoResultCode = 3;
  state.SupportDesigns[SupportChs].FootingType = 2;
  LookupSectionProperties(state);
  EXPECT_EQ(state.SupportDesigns[SupportTruss].NoResultCode, 8);
  EXPECT_EQ(state.SupportDesigns[SupportChs].NoResultCode, 0);
}

TEST(SectionProperties, SoilTypeZeroReadsNothing) {
  DesignState state = StateWithSections(0);
  LookupSectionProperties(state);
  EXPECT_EQ(state.SupportDesigns[SupportChs].NormFootingDim.Trimmed(), "0");
  EXPECT_EQ(state.SupportDesigns[SupportChs].NormFootingDep, 0);
  EXPECT_TRUE(state.SupportDesigns[SupportTruss].NormFootingDim.IsBlank());
}

TEST(SlipBase, SmallestSectionsNeverStandOnASlipBase) {
  DesignState state = StateWithSections(1);
  state.CurrentDesign.CollisionRisk = 2;
  state.SupportDesigns[SupportChs].PostDimensions = "65 NB";
  state.SupportDesigns[SupportRhs].PostDimensions = "100x50";
  state.SupportDesigns[SupportStrut].PostDimensions = "65 NB";
  SetSlipBaseFlags(state);
  EXPECT_EQ(state.SupportDesigns[SupportChs].SlipBaseReq, FlagFalse);
  EXPECT_EQ(state.SupportDesigns[SupportRhs].SlipBaseReq, FlagTrue);
  EXPECT_EQ(state.SupportDesigns[SupportTruss].SlipBaseReq, FlagTrue);
  EXPECT_EQ(state.SupportDesigns[SupportStrut].SlipBaseReq, FlagFalse);

  state.SupportDesigns[SupportRhs].PostDimensions = "75x50";
  state.SupportDesigns[SupportChs].PostDimensions = "80 NB";
  SetSlipBaseFlags(state);
  EXPECT_EQ(state.SupportDesigns[SupportRhs].SlipBaseReq, FlagFalse);
  EXPECT_EQ(state.SupportDesigns[SupportChs].SlipBaseReq, FlagTrue);

  state.CurrentDesign.CollisionRisk = 1;
  SetSlipBaseFlags(state);
  for (int t = 1; t <= 4; ++t) EXPECT_EQ(state.SupportDesigns[t].SlipBaseReq, FlagFalse);
}

// Segment 1: 2000 long rising 200; segment 2: 8000 long rising 800.
DesignState StateOnSlope() {
  DesignState state = StateWithSections(1);
  DesignRecord& design = state.CurrentDesign;
  design.SegLength[1] = 2000;
  design.SegDeltaHeight[1] = 200;
  design.SegLength[2] = 8000;
  design.SegDeltaHeight[2] = 800;
  design.DistFromKerb = 500;
  state.WidestSignWidth = 3000;
  state.SignTopLevel = 4000;
  state.SignPanelHeight = 2500;
  for (int t = 1; t <= 4; ++t) {
    state.SupportDesigns[t].NumPosts = 2;
    state.SupportDesigns[t].PostSpacing = 1000;
    state.SupportDesigns[t].NormFootingDep = 900;
    state.SupportDesigns[t].ScrewFootingDep = 1500;
  }
  return state;
}

TEST(PostLevels, RigidBaseInAConcreteFootingEmbedsThePost) {
  DesignState state = StateOnSlope();
  ComputePostLevels(state);
  // Posts at 1500 (ground 150) and 2500 (ground 200 + 50).
  const SupportDesign& chs = state.SupportDesigns[SupportChs];
  EXPECT_EQ(chs.StubLength, 0);
  EXPECT_EQ(chs.PostLength[1], 4000 + 900 - 150);
  EXPECT_EQ(chs.PostLength[2], 4000 + 900 - 250);
  EXPECT_EQ(chs.PostClearance[1], 4000 - 150 - 2500);
  EXPECT_EQ(chs.PostClearance[2], 4000 - 250 - 2500);
  EXPECT_EQ(chs.PostLength[3], 0);
  EXPECT_EQ(chs.PostClearance[4], 0);
  EXPECT_EQ(state.CurrentDesign.DistFromKerb, 500);

  // The truss stands on a stub even on a rigid base.
  const SupportDesign& truss = state.SupportDesigns[SupportTruss];
  EXPECT_EQ(truss.StubLength, 900 - 75);
  EXPECT_EQ(truss.PostLength[1], 4000 - 150);
}

TEST(PostLevels, SlipBaseAndScrewFootingStandOnStubs) {
  DesignState state = StateOnSlope();
  state.SupportDesigns[SupportChs].SlipBaseReq = FlagTrue;
  state.SupportDesigns[SupportRhs].FootingType = 2;
  ComputePostLevels(state);
  EXPECT_EQ(state.SupportDesigns[SupportChs].StubLength, 825);
  EXPECT_EQ(state.SupportDesigns[SupportChs].PostLength[1], 4000 - 150);
  EXPECT_EQ(state.SupportDesigns[SupportRhs].StubLength, 1500);
  EXPECT_EQ(state.SupportDesigns[SupportRhs].PostLength[2], 4000 - 250);
}

TEST(PostLevels, PostOnASegmentBoundaryTakesItsLevel) {
  DesignState state = StateOnSlope();
  state.CurrentDesign.DistFromKerb = 1000;  // posts at 2000 and 3000
  ComputePostLevels(state);
  EXPECT_EQ(state.SupportDesigns[SupportTruss].PostLength[1], 4000 - 200);
  EXPECT_EQ(state.SupportDesigns[SupportTruss].PostLength[2], 4000 - 300);
}

TEST(PostLevels, HalfMillimetreOffsetsRoundToEven) {
  DesignState state = StateOnSlope();
  state.WidestSignWidth = 3001;  // posts at 1500.5 -> 1500 and 2500.5 -> 2500
  state.CurrentDesign.SegDeltaHeight[1] = 2000;  // 1 mm per mm on segment 1
  ComputePostLevels(state);
  EXPECT_EQ(state.SupportDesigns[SupportTruss].PostLength[1], 4000 - 1500);
}

TEST(PostLevels, ShortProfileLowersTheDistanceFromTheCarriageway) {
  DesignState state = StateOnSlope();
  state.CurrentDesign.DistFromKerb = 8000;  // 10000 - 3000 = 7000 at most
  ComputePostLevels(state);
  EXPECT_EQ(state.CurrentDesign.DistFromKerb, 7000);
  EXPECT_EQ(state.SupportDesigns[SupportChs].NoResultCode, 0);
}

TEST(PostLevels, ProfileShorterThanTheSignGivesCodeSix) {
  DesignState state = StateOnSlope();
  state.SupportDesigns[SupportChs].PostLength[1] = 1234;
  state.WidestSignWidth = 10001;
  ComputePostLevels(state);
  EXPECT_EQ(state.CurrentDesign.DistFromKerb, 0);
  for (int t = 1; t <= 4; ++t) EXPECT_EQ(state.SupportDesigns[t].NoResultCode, 6);
  EXPECT_EQ(state.SupportDesigns[SupportChs].PostLength[1], 1234);

  // Exactly as long as the sign: designs at distance 0.
  state = StateOnSlope();
  state.WidestSignWidth = 10000;
  ComputePostLevels(state);
  EXPECT_EQ(state.CurrentDesign.DistFromKerb, 0);
  EXPECT_EQ(state.SupportDesigns[SupportChs].NoResultCode, 0);
}

TEST(PostLevels, PostCountsBeyondFourAreHeldToTheFourPosts) {
  DesignState state = StateOnSlope();
  state.SupportDesigns[SupportChs].NumPosts = 6;
  state.SupportDesigns[SupportChs].PostSpacing = 500;
  state.SupportDesigns[SupportRhs].NumPosts = 0;
  state.SupportDesigns[SupportRhs].PostLength[1] = 99;
  ComputePostLevels(state);
  EXPECT_GT(state.SupportDesigns[SupportChs].PostLength[4], 0);
  EXPECT_EQ(state.SupportDesigns[SupportRhs].PostLength[1], 0);
}

}  // namespace
}  // namespace engine
