#include <gtest/gtest.h>

#include "design_fixture.h"
#include "engine/design_messages.h"
#include "engine/design_run.h"

namespace engine {
namespace {

using fixture::NewDesign;
using fixture::OnePanelDesign;
using fixture::Section;
using fixture::Wall;

void MainWindowCycle(DesignState& state) {
  RunDesign(state);
  RedesignWithMorePosts(state);
}

TEST(RunDesign, NoPanelsLeavesEverythingButTheCodes) {
  DesignState state = OnePanelDesign(2000, 1500);
  RunDesign(state);
  ASSERT_EQ(state.DesignOpen, FlagTrue);
  state.SupportDesigns[SupportChs].NoResultCode = 3;
  state.SupportDesigns[SupportRhs].WarningCode = 8;
  state.CurrentDesign.NumFrontSigns = 0;
  DesignState before = state;
  RunDesign(state);
  EXPECT_EQ(state.DesignOpen, FlagFalse);
  for (int t = 1; t <= 4; ++t) {
    EXPECT_EQ(state.SupportDesigns[t].NoResultCode, 0);
    EXPECT_EQ(state.SupportDesigns[t].WarningCode, 0);
    before.SupportDesigns[t].NoResultCode = 0;
    before.SupportDesigns[t].WarningCode = 0;
  }
  EXPECT_EQ(state.SupportDesigns, before.SupportDesigns);
  EXPECT_EQ(state.CurrentDesign, before.CurrentDesign);
  EXPECT_EQ(state.PanelArea, before.PanelArea);
}

TEST(RunDesign, NoClearanceSkipsThePostSteps) {
  DesignState state = OnePanelDesign(2000, 1500);
  RunDesign(state);
  const SupportDesignArray first = state.SupportDesigns;
  // A new panel: layout, count and stiffeners follow; sections and lengths stay.
  state.CurrentDesign.RoadHeight = 0;
  state.CurrentDesign.FrontSignWidth[1] = 3000;
  state.CurrentDesign.FrontSignDepth[1] = 900;
  RunDesign(state);
  EXPECT_EQ(state.DesignOpen, FlagTrue);
  EXPECT_EQ(state.WidestSignWidth, 3000);
  const SupportDesign& chs = state.SupportDesigns[SupportChs];
  EXPECT_EQ(chs.NumPosts, 2);
  EXPECT_EQ(chs.StiffenerType, 2);  // 3000 is beyond (2 posts, type 1)
  EXPECT_EQ(chs.PostSpacing, first[SupportChs].PostSpacing);
  EXPECT_EQ(chs.PostDimensions, first[SupportChs].PostDimensions);
  EXPECT_EQ(chs.PostLength, first[SupportChs].PostLength);
  EXPECT_EQ(chs.NormFootingDep, first[SupportChs].NormFootingDep);
  EXPECT_EQ(chs.NumStiffeners[1], 3);
  EXPECT_EQ(chs.NumBrackets[1], 6);
}

TEST(RedesignWithMorePosts, AKindThatNeedsOneMorePostKeepsIt) {
  // A 1300 x 3000 panel 9 m up: one post carries no CHS, RHS or truss section
  // (row 10); two do. The strut reads nothing at that height and gets its base
  // count back.
  DesignState state = OnePanelDesign(1300, 3000);
  state.CurrentDesign.RoadHeight = 9000;
  RunDesign(state);
  ASSERT_EQ(state.SupportDesigns[SupportChs].NumPosts, 1);
  ASSERT_EQ(state.SupportDesigns[SupportChs].NoResultCode, 3);
  RedesignWithMorePosts(state);
  for (int t : {SupportChs, SupportRhs, SupportTruss}) {
    SCOPED_TRACE(t);
    EXPECT_EQ(state.SupportDesigns[t].PNO, 1);
    EXPECT_EQ(state.SupportDesigns[t].NumPosts, 2);
    EXPECT_EQ(state.SupportDesigns[t].NoResultCode, 0);
  }
  EXPECT_EQ(Section(state.SupportDesigns[SupportChs]), "100 NB");
  const SupportDesign& strut = state.SupportDesigns[SupportStrut];
  EXPECT_EQ(strut.PNO, 0);
  EXPECT_EQ(strut.NumPosts, 1);
  EXPECT_EQ(strut.NoResultCode, 3);
}

TEST(RedesignWithMorePosts, ASignTooWideIsNotRetried) {
  DesignState state = OnePanelDesign(10000, 1000, 20000);
  state.SupportDesigns[SupportRhs].PNO = 2;
  MainWindowCycle(state);
  for (int t = 1; t <= 4; ++t) {
    SCOPED_TRACE(t);
    EXPECT_EQ(state.SupportDesigns[t].NumPosts, 0);
    EXPECT_EQ(state.SupportDesigns[t].PNO, 0);
    EXPECT_EQ(state.SupportDesigns[t].StiffenerType, 0);
  }
  EXPECT_EQ(state.SupportDesigns[SupportChs].NoResultCode, 1);
  EXPECT_EQ(state.SupportDesigns[SupportRhs].NoResultCode, 1);
  EXPECT_EQ(state.SupportDesigns[SupportTruss].NoResultCode, 1);
  // The strut kind is designed whatever its post count; no section replaces code 1.
  EXPECT_EQ(state.SupportDesigns[SupportStrut].NoResultCode, 3);
}

TEST(RedesignWithMorePosts, AKindThatAlwaysFailsGetsItsBaseCountBack) {
  // Two front panels: the truss fails with every count.
  DesignState state = OnePanelDesign(2000, 1500);
  state.CurrentDesign.NumFrontSigns = 2;
  state.CurrentDesign.FrontSignWidth[2] = 2000;
  state.CurrentDesign.FrontSignDepth[2] = 500;
  MainWindowCycle(state);
  EXPECT_EQ(state.SupportDesigns[SupportTruss].PNO, 0);
  EXPECT_EQ(state.SupportDesigns[SupportTruss].NumPosts, 2);
  EXPECT_EQ(state.SupportDesigns[SupportTruss].NoResultCode, 7);
  EXPECT_EQ(state.SupportDesigns[SupportChs].PNO, 0);
}

TEST(CountValidSigns, CountsFilledPanels) {
  DesignRecord record;
  record.NumFrontSigns = 3;
  record.NumBackSigns = 1;
  record.FrontSignWidth[1] = 100;
  record.FrontSignDepth[1] = 100;
  record.FrontSignWidth[2] = 100;  // no height: not a panel
  record.FrontSignWidth[3] = 100;
  record.FrontSignDepth[3] = 100;
  record.BackSignDepth = 500;
  CountValidSigns(record);
  EXPECT_EQ(record.NumFrontSigns, 2);
  EXPECT_EQ(record.NumBackSigns, 0);
  record.BackSignWidth = 1;
  CountValidSigns(record);
  EXPECT_EQ(record.NumBackSigns, 1);
}

TEST(ComputeTotals, BracketsAreStiffenersTimesPosts) {
  DesignState state = NewDesign();
  state.SupportDesigns[1].NumPosts = 3;
  state.SupportDesigns[1].NumStiffeners = {9, 4, 2, 0, 5};
  state.SupportDesigns[2].NumPosts = 0;
  state.SupportDesigns[2].NumStiffeners = {0, 4, 4, 4, 4};
  ComputeTotals(state);
  EXPECT_EQ(state.SupportDesigns[1].NumBrackets, (std::array<int16_t, 5>{0, 12, 6, 0, 15}));
  EXPECT_EQ(state.SupportDesigns[2].NumBrackets, (std::array<int16_t, 5>{0, 0, 0, 0, 0}));
}

// The single-panel design worked by hand from the design rules.
TEST(DesignCycle, OnePanelOnAFallingSlope) {
  DesignState state = OnePanelDesign(2000, 1500);
  DesignRecord& d = state.CurrentDesign;
  d.SegLength[1] = 2000;
  d.SegDeltaHeight[1] = -500;
  d.SegLength[2] = 4000;
  MainWindowCycle(state);

  for (int t = 1; t <= 4; ++t) {
    EXPECT_EQ(state.SupportDesigns[t].NoResultCode, 0) << "kind " << t;
    EXPECT_EQ(state.SupportDesigns[t].NumPosts, 2);
    EXPECT_EQ(state.SupportDesigns[t].PostSpacing, 1200);
    EXPECT_EQ(state.SupportDesigns[t].NumStiffeners[1], 4);
    EXPECT_EQ(state.SupportDesigns[t].StiffenerSpacing[1], 450);
    EXPECT_EQ(state.SupportDesigns[t].NumBrackets[1], 8);
  }
  EXPECT_EQ(d.MaximumClearance, 2000);
  EXPECT_EQ(d.MinimumClearance, 1750);
  const SupportDesign& chs = state.SupportDesigns[SupportChs];
  EXPECT_EQ(Section(chs), "50 NB");
  EXPECT_EQ(Wall(chs), "2.9");
  EXPECT_EQ(chs.PostLength, (std::array<int32_t, 5>{0, 4100, 4250, 0, 0}));
  EXPECT_EQ(chs.PostClearance, (std::array<int32_t, 5>{0, 1850, 2000, 0, 0}));
  // Struts of the viewed kind: reach 2483 from post 1; post 2's foot 150 lower.
  EXPECT_EQ(chs.StrutStub, (std::array<int32_t, 5>{0, 251, 401, 0, 0}));
  EXPECT_EQ(chs.StrutPost, (std::array<int32_t, 5>{0, 3519, 3669, 0, 0}));
  EXPECT_EQ(Section(state.SupportDesigns[SupportRhs]), "75x50");
  EXPECT_EQ(Section(state.SupportDesigns[SupportTruss]), "65NB s=750");
  EXPECT_EQ(state.SupportDesigns[SupportTruss].StubLength, 1525);
  EXPECT_EQ(Section(state.SupportDesigns[SupportStrut]), "50 NB");
}

TEST(DesignMessages, CodesAndBitsHaveTheirTexts) {
  EXPECT_TRUE(ResultCodeLines(0).empty());
  EXPECT_TRUE(ResultCodeLines(9).empty());
  EXPECT_TRUE(ResultCodeLines(13).empty());
  EXPECT_TRUE(ResultCodeLines(-1).empty());
  ASSERT_EQ(ResultCodeLines(5).size(), 2U);
  EXPECT_EQ(ResultCodeLines(5)[0], "Sign Panel Height > 4 * Clearance height.");
  EXPECT_EQ(ResultCodeLines(10)[1], "Please contact Norvane, Halvery for Information.");
  EXPECT_EQ(ResultCodeLines(6), std::vector<std::string_view>{"Insufficient Terrain Information has been defined."});
  for (int code : {1, 2, 3, 4, 6, 7, 8, 11, 12}) EXPECT_EQ(ResultCodeLines(code).size(), 1U) << code;

  EXPECT_TRUE(WarningLines(0).empty());
  const auto both = WarningLines(12);
  ASSERT_EQ(both.size(), 2U);
  EXPECT_EQ(both[0], "Post Spacing is too wide for the Smallest Signs Width");
  EXPECT_EQ(both[1], "Post Spacing must be greater than 1500 mm for Slip Base Supports (where practical)");
  // Warnings show only with a design.
  EXPECT_EQ(DesignMessageLines(3, 8), ResultCodeLines(3));
  EXPECT_EQ(DesignMessageLines(0, 4), WarningLines(4));
}

}  // namespace
}  // namespace engine
