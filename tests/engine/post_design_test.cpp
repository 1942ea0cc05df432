#include <gtest/gtest.h>

#include "design_fixture.h"
#include "engine/design_run.h"
#include "engine/post_design.h"

namespace engine {
namespace {

using fixture::OnePanelDesign;
using fixture::Section;
using fixture::Wall;

SupportDesignArray WithSection(int16_t kind, const char* section, const char* wall) {
  SupportDesignArray supports{};
  supports[kind].PostDimensions = section;
  supports[kind].PostWallThickness = wall;
  return supports;
}

struct Step {
  int16_t kind;
  const char* section;
  const char* wall;
  const char* nextSection;
  const char* nextWall;
  int16_t code;
};

TEST(IncreasePostSection, StepsEachKindUpItsList) {
  const Step steps[] = {
      {SupportChs, "50 NB", "2.9", "65 NB", "3.2", 0},
      {SupportChs, "90 NB", "3.2", "100 NB", "3.6", 0},
      {SupportChs, "100 NB", "3.6", "125 NB", "5.0/3.5", 0},
      {SupportChs, "150 NB", "5.0/3.5", "X", "5.0/3.5", 2},  // the wall stays as it was
      {SupportChs, "", "", "X", "", 2},
      {SupportRhs, "75x50", "3", "100x50", "4", 0},
      {SupportRhs, "100x50", "4", "125x75", "3", 0},
      {SupportRhs, "125x75", "3", "125x75", "5", 0},
      {SupportRhs, "125x75", "5", "150x100", "5", 0},
      {SupportRhs, "200x100", "5", "X", "5", 2},
      {SupportTruss, "65NB s=750", "3.2", "80NB s=750", "3.2", 0},
      {SupportTruss, "65NB s=1000", "3.2", "80NB s=1000", "3.2", 0},
      {SupportTruss, "80NB s=750", "3.2", "80NB s=750", "4.8", 0},
      {SupportTruss, "80NB s=1000", "4.8", "80NB s=1000", "4.8", 0},
      {SupportTruss, "X s=750", "", "X", "", 2},
      {SupportStrut, "50 NB", "2.9", "65 NB", "3.2", 0},
      {SupportStrut, "65 NB", "3.2", "X", "", 2},
  };
  for (const Step& step : steps) {
    SCOPED_TRACE(std::string("kind ") + std::to_string(step.kind) + " " + step.section + "/" + step.wall);
    SupportDesignArray supports = WithSection(step.kind, step.section, step.wall);
    IncreasePostSection(supports, step.kind);
    EXPECT_EQ(Section(supports[step.kind]), step.nextSection);
    EXPECT_EQ(Wall(supports[step.kind]), step.nextWall);
    EXPECT_EQ(supports[step.kind].NoResultCode, step.code);
  }
}

TEST(IncreasePostSection, NoSectionAndUnknownKindsChangeNothing) {
  for (int16_t kind = 1; kind <= 4; ++kind) {
    SupportDesignArray supports = WithSection(kind, "X", "");
    supports[kind].NoResultCode = 3;
    IncreasePostSection(supports, kind);
    EXPECT_EQ(Section(supports[kind]), "X");
    EXPECT_EQ(supports[kind].NoResultCode, 3);
  }
  SupportDesignArray supports = WithSection(SupportChs, "50 NB", "2.9");
  const SupportDesignArray before = supports;
  IncreasePostSection(supports, 0);
  IncreasePostSection(supports, 5);
  EXPECT_EQ(supports, before);
}

// Runs a design and returns it; the profile is flat unless the test says so.
DesignState Designed(DesignState state) {
  RunDesign(state);
  return state;
}

TEST(DesignPosts, AProfileAsLongAsTheSignDesignsNormally) {
  DesignState state = Designed(OnePanelDesign(2000, 1500, 2000));
  EXPECT_EQ(state.CurrentDesign.DistFromKerb, 0);
  for (int t = 1; t <= 4; ++t) EXPECT_EQ(state.SupportDesigns[t].NoResultCode, 0) << "kind " << t;
  EXPECT_EQ(Section(state.SupportDesigns[SupportChs]), "50 NB");
}

TEST(DesignPosts, AProfileShorterThanTheSignGivesCode6AndKeepsTheSections) {
  DesignState state = Designed(OnePanelDesign(2000, 1500, 6000));
  const std::string chs = Section(state.SupportDesigns[SupportChs]);
  const int32_t clearance = state.CurrentDesign.MaximumClearance;
  state.CurrentDesign.SegLength[1] = 1999;
  state.CurrentDesign.RoadHeight = 3000;
  RunDesign(state);
  EXPECT_EQ(state.CurrentDesign.DistFromKerb, 0);
  for (int t = 1; t <= 4; ++t) EXPECT_EQ(state.SupportDesigns[t].NoResultCode, 6) << "kind " << t;
  EXPECT_EQ(Section(state.SupportDesigns[SupportChs]), chs);
  EXPECT_EQ(state.CurrentDesign.MaximumClearance, clearance);
}

TEST(DesignPosts, DistanceFromKerbIsLoweredToFitTheProfile) {
  DesignState state = OnePanelDesign(2000, 1500, 6000);
  state.CurrentDesign.DistFromKerb = 5000;
  RunDesign(state);
  EXPECT_EQ(state.CurrentDesign.DistFromKerb, 4000);
  EXPECT_EQ(state.SupportDesigns[SupportChs].NoResultCode, 0);
}

TEST(DesignPosts, ClearancesFollowTheGroundUnderTheSign) {
  DesignState state = OnePanelDesign(2000, 1500);
  DesignRecord& d = state.CurrentDesign;
  d.SegLength[1] = 2000;
  d.SegDeltaHeight[1] = -500;
  d.SegLength[2] = 4000;
  d.FrontSignClearance[1] = 300;
  d.BackSignClearance = 200;  // counts although there is no back panel
  RunDesign(state);
  // Ground -250 at the near edge (1000) and -500 from 2000 on.
  EXPECT_EQ(d.MaximumClearance, 1500 + 200 + 500);
  EXPECT_EQ(d.MinimumClearance, 1500 + 200 + 250);
  // The centroid is measured from the lowest ground.
  EXPECT_FLOAT_EQ(state.PanelCentroidHeight, 1500 + 300 + 750 + 500);
}

TEST(DesignPosts, NearEdgeOnASegmentBoundaryIsSampledOnce) {
  DesignState state = OnePanelDesign(1000, 1000);
  DesignRecord& d = state.CurrentDesign;
  d.SegLength[1] = 1000;
  d.SegDeltaHeight[1] = 400;
  d.SegLength[2] = 5000;
  d.SegDeltaHeight[2] = -1000;
  d.DistFromKerb = 1000;
  RunDesign(state);
  EXPECT_EQ(d.MinimumClearance, 1500 - 400);
  EXPECT_EQ(d.MaximumClearance, 1500 - 200);
}

// Sets the moment through the centroid height: region A, flat ground, 2 posts.
DesignState MomentDesign(int32_t panelArea, float centroid) {
  DesignState state = OnePanelDesign(2000, 1500);
  RunDesign(state);  // layout, post count and spacing
  state.PanelArea = panelArea;
  state.PanelCentroidHeight = centroid;
  DesignPosts(state);
  return state;
}

TEST(DesignPosts, AMomentOnAThresholdTakesThatRow) {
  // M = ((2625 - 2100) / 300 + 7) / 28 x 4 = 1.25, the threshold of row 3.
  EXPECT_EQ(Section(MomentDesign(4, 2625.0F).SupportDesigns[SupportChs]), "50 NB");
  EXPECT_EQ(Section(MomentDesign(4, 2626.0F).SupportDesigns[SupportChs]), "65 NB");
}

TEST(DesignPosts, AMomentAboveRow31HasNoSection) {
  // M = ((24000 - 2100) / 300 + 7) / 28 x 28 = 80, the threshold of row 31.
  DesignState state = OnePanelDesign(2000, 1500);
  RunDesign(state);
  state.SupportDesigns[SupportTruss].NumPosts = 3;
  state.PanelArea = 28;
  state.PanelCentroidHeight = 24000.0F;
  DesignPosts(state);
  EXPECT_EQ(Section(state.SupportDesigns[SupportTruss]), "80NB s=750");
  EXPECT_EQ(state.SupportDesigns[SupportTruss].NoResultCode, 0);

  DesignState above = MomentDesign(28, 24001.0F);
  for (int t = 1; t <= 4; ++t) {
    EXPECT_EQ(above.SupportDesigns[t].NoResultCode, 3) << "kind " << t;
    EXPECT_EQ(Wall(above.SupportDesigns[t]), "") << "kind " << t;
  }
  EXPECT_EQ(Section(above.SupportDesigns[SupportChs]), "X");
  EXPECT_EQ(Section(above.SupportDesigns[SupportStrut]), "X");
  EXPECT_EQ(Section(above.SupportDesigns[SupportTruss]), "X s=750");
}

TEST(DesignPosts, LargeAreasRuleOutSections) {
  // Small moments: only the area limits decide.
  DesignState area28 = MomentDesign(28, 1000.0F);
  EXPECT_NE(Section(area28.SupportDesigns[SupportChs]), "X");
  DesignState area29 = MomentDesign(29, 1000.0F);
  EXPECT_EQ(Section(area29.SupportDesigns[SupportChs]), "X");
  EXPECT_EQ(Section(area29.SupportDesigns[SupportStrut]), "X");
  EXPECT_EQ(area29.SupportDesigns[SupportStrut].NoResultCode, 3);
  EXPECT_EQ(Section(area29.SupportDesigns[SupportRhs]), "100x50");
  EXPECT_EQ(Section(area29.SupportDesigns[SupportTruss]), "65NB s=750");
  DesignState area41 = MomentDesign(41, 1000.0F);
  for (int t = 1; t <= 4; ++t) EXPECT_EQ(area41.SupportDesigns[t].NoResultCode, 3) << "kind " << t;
}

TEST(DesignPosts, AKindWithoutPostsGetsABlankSection) {
  DesignState state = OnePanelDesign(2000, 1500);
  RunDesign(state);
  state.SupportDesigns[SupportRhs].NumPosts = 0;
  state.SupportDesigns[SupportTruss].NumPosts = 0;
  DesignPosts(state);
  EXPECT_EQ(Section(state.SupportDesigns[SupportRhs]), "");
  EXPECT_EQ(state.SupportDesigns[SupportRhs].NoResultCode, 0);
  EXPECT_EQ(state.SupportDesigns[SupportTruss].PostDimensions.Trimmed(), " s=750");
}

TEST(DesignPosts, TrussSpacingFollowsTheClearance) {
  DesignState at2500 = OnePanelDesign(2000, 1500);
  at2500.CurrentDesign.RoadHeight = 2500;
  RunDesign(at2500);
  EXPECT_EQ(Section(at2500.SupportDesigns[SupportTruss]), "65NB s=750");
  DesignState at2501 = OnePanelDesign(2000, 1500);
  at2501.CurrentDesign.RoadHeight = 2501;
  RunDesign(at2501);
  EXPECT_EQ(Section(at2501.SupportDesigns[SupportTruss]), "65NB s=1000");
}

TEST(DesignPosts, ExposedRegionDStepsSectionsUp) {
  // Category 4, 3 posts, area 20 at the datum height: M = 22.5 / 28 x 20 = 16.07, row 16.
  DesignState state = OnePanelDesign(2000, 1500);
  state.CurrentDesign.WindRegion = 4;
  state.CurrentDesign.ExposedLocation = 1;
  RunDesign(state);
  for (int t = 1; t <= 4; ++t) state.SupportDesigns[t].NumPosts = 3;
  state.PanelArea = 20;
  state.PanelCentroidHeight = 2100.0F;
  DesignPosts(state);
  EXPECT_EQ(Section(state.SupportDesigns[SupportChs]), "X");  // "150 NB" has no larger size
  EXPECT_EQ(state.SupportDesigns[SupportChs].NoResultCode, 2);
  EXPECT_EQ(Section(state.SupportDesigns[SupportRhs]), "150x100");  // from "125x75" with wall "5"
  EXPECT_EQ(Wall(state.SupportDesigns[SupportRhs]), "5");
  EXPECT_EQ(Section(state.SupportDesigns[SupportTruss]), "80NB s=750");  // from "65NB s=750"
  EXPECT_EQ(state.SupportDesigns[SupportRhs].NoResultCode, 0);
}

TEST(DesignPosts, TrussNeedsExactlyOneFrontPanel) {
  DesignState two = OnePanelDesign(2000, 1500);
  two.CurrentDesign.NumFrontSigns = 2;
  two.CurrentDesign.FrontSignWidth[2] = 2000;
  two.CurrentDesign.FrontSignDepth[2] = 500;
  RunDesign(two);
  EXPECT_EQ(two.SupportDesigns[SupportTruss].NoResultCode, 7);
  EXPECT_EQ(Section(two.SupportDesigns[SupportTruss]), "65NB s=750");  // found, yet rejected

  DesignState withBack = OnePanelDesign(2000, 1500);
  withBack.CurrentDesign.NumBackSigns = 1;
  withBack.CurrentDesign.BackSignWidth = 1000;
  withBack.CurrentDesign.BackSignDepth = 1000;
  RunDesign(withBack);
  EXPECT_EQ(withBack.SupportDesigns[SupportTruss].NoResultCode, 7);
  EXPECT_EQ(withBack.SupportDesigns[SupportChs].NoResultCode, 0);
}

// Region D, a 2000 x 2100 panel on two posts over flat ground on a slip base:
// the moment selects row 7 ("80 NB", which takes a slip base) at these clearances.
DesignState SlipBaseDesign(int32_t clearance) {
  DesignState state = OnePanelDesign(2000, 2100);
  state.CurrentDesign.WindRegion = 4;
  state.CurrentDesign.CollisionRisk = 2;
  state.CurrentDesign.RoadHeight = clearance;
  RunDesign(state);
  return state;
}

TEST(DesignPosts, SlipBaseOverALowClearanceIsNotPossible) {
  // 4 x 525 equals the panel height: allowed; but 1.65 x 525 < 2100 raises CHS.
  DesignState at525 = SlipBaseDesign(525);
  ASSERT_EQ(at525.SupportDesigns[SupportChs].SlipBaseReq, FlagTrue);
  EXPECT_EQ(at525.SupportDesigns[SupportChs].NoResultCode, 0);
  EXPECT_EQ(Section(at525.SupportDesigns[SupportChs]), "90 NB");
  EXPECT_EQ(at525.SupportDesigns[SupportTruss].NoResultCode, 0);

  DesignState at524 = SlipBaseDesign(524);
  EXPECT_EQ(at524.SupportDesigns[SupportChs].NoResultCode, 5);
  EXPECT_EQ(at524.SupportDesigns[SupportTruss].NoResultCode, 5);
  // "75x50" never stands on a slip base.
  EXPECT_EQ(Section(at524.SupportDesigns[SupportRhs]), "75x50");
  EXPECT_EQ(at524.SupportDesigns[SupportRhs].NoResultCode, 0);
}

TEST(DesignPosts, SlipBaseRaisesTheSectionOrGivesCode4) {
  DesignState state = SlipBaseDesign(1000);
  EXPECT_EQ(Section(state.SupportDesigns[SupportChs]), "100 NB");  // "90 NB" raised one size
  EXPECT_EQ(state.SupportDesigns[SupportChs].NoResultCode, 0);

  // Three posts and an area of 20 at the datum height: row 16, CHS "150 NB".
  for (int t = 1; t <= 4; ++t) {
    state.SupportDesigns[t].NumPosts = 3;
    state.SupportDesigns[t].NoResultCode = 0;
  }
  state.PanelArea = 20;
  state.PanelCentroidHeight = 2100.0F;
  DesignPosts(state);
  EXPECT_EQ(Section(state.SupportDesigns[SupportChs]), "X");
  EXPECT_EQ(state.SupportDesigns[SupportChs].NoResultCode, 4);
}

TEST(DesignPosts, HighClearancesAreWorkedWithoutOverflow) {
  // 4 x 9000 leaves the 16-bit range; the slip base is still possible.
  DesignState state = OnePanelDesign(1000, 1000);
  state.CurrentDesign.RoadHeight = 9000;
  state.CurrentDesign.CollisionRisk = 2;
  RunDesign(state);
  EXPECT_EQ(state.CurrentDesign.MaximumClearance, 9000);
  EXPECT_EQ(state.SupportDesigns[SupportChs].SlipBaseReq, FlagTrue);
  EXPECT_EQ(state.SupportDesigns[SupportChs].NoResultCode, 0);

  // A clearance beyond 32767 mm keeps its value.
  DesignState tall = OnePanelDesign(1000, 1000);
  tall.CurrentDesign.RoadHeight = 32767;
  tall.CurrentDesign.FrontSignClearance[1] = 10000;
  tall.CurrentDesign.BackSignClearance = 10000;
  RunDesign(tall);
  EXPECT_EQ(tall.CurrentDesign.MaximumClearance, 42767);
  EXPECT_EQ(tall.CurrentDesign.MinimumClearance, 42767);
  EXPECT_EQ(Section(tall.SupportDesigns[SupportTruss]), "X s=1000");
}

}  // namespace
}  // namespace engine
