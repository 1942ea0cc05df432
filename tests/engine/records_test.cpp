#include <gtest/gtest.h>

#include <string>

#include "engine/design_state.h"

namespace engine {
namespace {

// A design with every field set away from its reset value.
void FillDesign(DesignState& s) {
  DesignRecord& d = s.CurrentDesign;
  d.JobCode = "J1";
  d.JobSection = "S1";
  d.SignPos = "P1";
  for (int i = 0; i <= 4; ++i) {
    d.SignCode[i] = "R" + std::to_string(i);
    d.LegendClass[i] = 2;
    d.LegendColour[i] = 1;
    d.BkgndClass[i] = 3;
    d.BkgndColour[i] = 4;
  }
  d.RoadHeight = 2000;
  for (int i = 0; i <= 3; ++i) {
    d.FrontSignWidth[i] = 1000 + i;
    d.FrontSignDepth[i] = 500 + i;
    d.FrontSignClearance[i] = 100 + i;
  }
  d.NumFrontSigns = 2;
  d.BackSignWidth = 900;
  d.BackSignDepth = 600;
  d.BackSignClearance = 300;
  d.NumBackSigns = 1;
  d.RPSegLength = 4000;
  d.RPSegDeltaHeight = -250;
  d.RPReducedLevel = 12345;
  d.SignOnLeft = FlagFalse;
  d.DistFromKerb = 3000;
  for (int k = 0; k <= 6; ++k) {
    d.SegLength[k] = 1000;
    d.SegDeltaHeight[k] = 50;
    d.SegBackLength[k] = 2000;
    d.SegBackHeight[k] = 20;
  }
  d.SupportStruts = FlagTrue;
  d.WindRegion = 3;
  d.ExposedLocation = 1;
  d.CollisionRisk = 2;
  d.SoilType = 1;
  d.MaximumClearance = 2100;
  d.MinimumClearance = 1900;
  d.Notes = "notes";

  for (int t = 0; t <= 4; ++t) {
    SupportDesign& x = s.SupportDesigns[t];
    x.NumPosts = 2;
    x.PNO = 1;
    x.AOP = 3;
    x.PostSpacing = 1500;
    x.SpacingType = 1;
    x.Spacing = {1500, 1600, 1700};
    x.PostLength = {9, 4000, 4100, 4200, 4300};
    x.PostClearance = {8, 300, 310, 320, 330};
    x.StubLength = 700;
    x.PostDimensions = "100 NB";
    x.PostWallThickness = "3.6";
    x.PostMatGrade = "C350";
    x.SlipBaseReq = FlagTrue;
    x.FootingType = 2;
    x.NormFootingDim = "450";
    x.NormFootingDep = 900;
    x.ScrewFootingDim = 350;
    x.ScrewFootingDep = 1500;
    x.StiffenerType = 2;
    x.Overhang = 11;
    x.NumStruts = 2;
    x.StrutSpacing = 1200;
    x.NumSpreaderPlates = 3;
    x.NumBrackets = {7, 4, 4, 0, 2};
    x.NumStiffeners = {7, 2, 2, 0, 1};
    x.StiffenerSpacing = {7, 800, 800, 0, 600};
    x.NoResultCode = 5;
    x.WarningCode = 4;
    x.StrutPost = {7, 2500, 2600, 0, 0};
    x.StrutStub = {7, 500, 500, 0, 0};
    x.CurvedRoad = FlagTrue;
    x.Curvature = 250;
    x.RoadSpeed = 100;
    x.Barrier = FlagTrue;
    x.BarrierDistance = 4000;
    x.AADT = 5999;
  }
  s.CurrentSupportType = 3;
  s.DesignChanged = FlagTrue;
  s.RedesignNeeded = FlagTrue;
  s.DesignOpen = FlagTrue;
  s.PanelLevel = {1, 2, 3, 4, 5, 6};
  for (auto& e : s.PanelSize) e = {10, 20};
  s.WidestSignWidth = 3000;
  s.SmallestSignWidth = 1200;
  s.SignTopLevel = 4500;
  s.SignPanelHeight = 2500;
  s.PanelArea = 6;
  s.PanelCentroidHeight = 3000.5F;
}

DefaultValues SomeDefaults() {
  DefaultValues v;
  v.DefClearanceAboveRoadEdge = 1600;
  v.DefDistanceFromCarriageway = 1100;
  v.DefClearZoneSpeed = 80;
  v.DefClearZoneAADT = 751;
  return v;
}

TEST(ResetDesignData, ClearsTheDesignFieldsAndTakesTheDefaults) {
  DesignState s;
  FillDesign(s);
  ResetDesignData(s, SomeDefaults());
  const DesignRecord& d = s.CurrentDesign;

  EXPECT_EQ(d.JobCode.view(), std::string(15, ' '));
  EXPECT_EQ(d.JobSection.view(), std::string(15, ' '));
  EXPECT_EQ(d.SignPos.view(), std::string(15, ' '));
  for (int i = 0; i <= 4; ++i) {
    EXPECT_EQ(d.SignCode[i].view(), std::string(10, ' '));
    EXPECT_EQ(d.LegendClass[i], 0);
    EXPECT_EQ(d.LegendColour[i], 0);
    EXPECT_EQ(d.BkgndClass[i], 0);
    EXPECT_EQ(d.BkgndColour[i], 0);
  }
  EXPECT_EQ(d.RoadHeight, 1600);
  EXPECT_EQ(d.DistFromKerb, 1100);
  EXPECT_EQ(d.SignOnLeft, FlagTrue);
  for (int i = 1; i <= 3; ++i) {
    EXPECT_EQ(d.FrontSignWidth[i], 0);
    EXPECT_EQ(d.FrontSignDepth[i], 0);
    EXPECT_EQ(d.FrontSignClearance[i], 0);
  }
  EXPECT_EQ(d.NumFrontSigns, 0);
  EXPECT_EQ(d.BackSignWidth, 0);
  EXPECT_EQ(d.BackSignDepth, 0);
  EXPECT_EQ(d.BackSignClearance, 0);
  EXPECT_EQ(d.NumBackSigns, 0);
  for (int k = 1; k <= 6; ++k) {
    EXPECT_EQ(d.SegLength[k], 0);
    EXPECT_EQ(d.SegDeltaHeight[k], 0);
    EXPECT_EQ(d.SegBackLength[k], 0);
    EXPECT_EQ(d.SegBackHeight[k], 0);
  }
  EXPECT_EQ(d.SupportStruts, 0);
  EXPECT_EQ(d.WindRegion, 1);
  EXPECT_EQ(d.ExposedLocation, 0);
  EXPECT_EQ(d.CollisionRisk, 1);
  EXPECT_EQ(d.SoilType, 3);
  EXPECT_TRUE(d.Notes.empty());

  EXPECT_EQ(s.CurrentSupportType, 1);
  EXPECT_EQ(s.DesignChanged, FlagFalse);
  EXPECT_EQ(s.RedesignNeeded, FlagFalse);
  EXPECT_EQ(s.DesignOpen, FlagFalse);
  for (int e = 0; e <= 5; ++e) {
    EXPECT_EQ(s.PanelLevel[e], 0);
    EXPECT_EQ(s.PanelSize[e][0], 0);
    EXPECT_EQ(s.PanelSize[e][1], 0);
  }
  EXPECT_EQ(s.WidestSignWidth, 0);
  EXPECT_EQ(s.SmallestSignWidth, 0);
  EXPECT_EQ(s.SignTopLevel, 0);
  EXPECT_EQ(s.PanelArea, 0);
  EXPECT_EQ(s.PanelCentroidHeight, 0.0F);
}

TEST(ResetDesignData, KeepsReferencePointClearancesAndPanelHeight) {
  DesignState s;
  FillDesign(s);
  ResetDesignData(s, SomeDefaults());
  const DesignRecord& d = s.CurrentDesign;
  EXPECT_EQ(d.RPSegLength, 4000);
  EXPECT_EQ(d.RPSegDeltaHeight, -250);
  EXPECT_EQ(d.RPReducedLevel, 12345);
  EXPECT_EQ(d.MaximumClearance, 2100);
  EXPECT_EQ(d.MinimumClearance, 1900);
  EXPECT_EQ(s.SignPanelHeight, 2500);
  // Elements 0 outside the cleared ranges are left alone.
  EXPECT_EQ(d.FrontSignWidth[0], 1000);
  EXPECT_EQ(d.SegLength[0], 1000);
}

TEST(ResetDesignData, ResetsTheFourSupportsButKeepsPostClearance) {
  DesignState s;
  FillDesign(s);
  ResetDesignData(s, SomeDefaults());
  for (int t = 1; t <= 4; ++t) {
    SCOPED_TRACE(t);
    SupportDesign expected;
    expected.PostClearance = {8, 300, 310, 320, 330};
    expected.FootingType = 1;
    expected.Curvature = 100;
    expected.RoadSpeed = 80;
    expected.AADT = 751;
    EXPECT_EQ(s.SupportDesigns[t], expected);
    EXPECT_EQ(s.SupportDesigns[t].PostDimensions.view(), std::string(12, ' '));
    EXPECT_EQ(s.SupportDesigns[t].NormFootingDim.view(), std::string(8, ' '));
  }
  // Element 0 is not one of the four supports.
  EXPECT_EQ(s.SupportDesigns[0].NumPosts, 2);
}

TEST(ResetDesignData, ResetsTheArrayItIsGiven) {
  DesignState s;
  FillDesign(s);
  SupportDesignArray other = s.SupportDesigns;
  ResetDesignData(s, other, DefaultValues{});
  EXPECT_EQ(other[2].FootingType, 1);
  EXPECT_EQ(other[2].RoadSpeed, 60);
  EXPECT_EQ(other[2].AADT, 0);
  EXPECT_EQ(s.SupportDesigns[2].FootingType, 2);
  EXPECT_EQ(s.CurrentDesign.RoadHeight, 1500);
  EXPECT_EQ(s.CurrentDesign.DistFromKerb, 1000);
}

struct CompareCase {
  const char* name;
  void (*change)(DesignRecord&);
  bool redesign;
};

class CompareDesignRecordsTest : public ::testing::TestWithParam<CompareCase> {};

TEST_P(CompareDesignRecordsTest, OneDifferenceSetsItsFlags) {
  DesignState base;
  FillDesign(base);
  DesignRecord edited = base.CurrentDesign;
  GetParam().change(edited);
  int16_t changed = FlagFalse;
  int16_t redesign = FlagFalse;
  CompareDesignRecords(edited, base.CurrentDesign, changed, redesign);
  EXPECT_EQ(changed, FlagTrue);
  EXPECT_EQ(redesign, GetParam().redesign ? FlagTrue : FlagFalse);
}

const CompareCase kCompareCases[] = {
    {"JobCode", [](DesignRecord& d) { d.JobCode = "J2"; }, false},
    {"JobCodeCase", [](DesignRecord& d) { d.JobCode = "j1"; }, false},
    {"JobSection", [](DesignRecord& d) { d.JobSection = "S2"; }, false},
    {"SignPos", [](DesignRecord& d) { d.SignPos = "P2"; }, false},
    {"SignCode4", [](DesignRecord& d) { d.SignCode[4] = "Z"; }, false},
    {"RoadHeight", [](DesignRecord& d) { d.RoadHeight += 1; }, false},
    {"FrontSignWidth1", [](DesignRecord& d) { d.FrontSignWidth[1] += 1; }, true},
    {"FrontSignDepth3", [](DesignRecord& d) { d.FrontSignDepth[3] += 1; }, true},
    {"FrontSignClearance2", [](DesignRecord& d) { d.FrontSignClearance[2] += 1; }, true},
    {"NumFrontSigns", [](DesignRecord& d) { d.NumFrontSigns = 3; }, true},
    {"BackSignWidth", [](DesignRecord& d) { d.BackSignWidth += 1; }, true},
    {"BackSignDepth", [](DesignRecord& d) { d.BackSignDepth += 1; }, true},
    {"BackSignClearance", [](DesignRecord& d) { d.BackSignClearance += 1; }, true},
    {"NumBackSigns", [](DesignRecord& d) { d.NumBackSigns = 0; }, true},
    {"RPSegLength", [](DesignRecord& d) { d.RPSegLength += 1; }, false},
    {"RPSegDeltaHeight", [](DesignRecord& d) { d.RPSegDeltaHeight += 1; }, false},
    {"RPReducedLevel", [](DesignRecord& d) { d.RPReducedLevel += 1; }, false},
    {"SignOnLeft", [](DesignRecord& d) { d.SignOnLeft = FlagTrue; }, false},
    {"DistFromKerb", [](DesignRecord& d) { d.DistFromKerb += 1; }, false},
    {"SegLength1", [](DesignRecord& d) { d.SegLength[1] += 1; }, true},
    {"SegDeltaHeight5", [](DesignRecord& d) { d.SegDeltaHeight[5] += 1; }, true},
    {"SegBackLength3", [](DesignRecord& d) { d.SegBackLength[3] += 1; }, true},
    {"SegBackHeight6", [](DesignRecord& d) { d.SegBackHeight[6] += 1; }, true},
    {"SupportStruts", [](DesignRecord& d) { d.SupportStruts = FlagFalse; }, true},
    {"WindRegion", [](DesignRecord& d) { d.WindRegion = 4; }, true},
    {"ExposedLocation", [](DesignRecord& d) { d.ExposedLocation = 0; }, true},
    {"CollisionRisk", [](DesignRecord& d) { d.CollisionRisk = 1; }, false},
    {"SoilType", [](DesignRecord& d) { d.SoilType = 4; }, false},
    {"LegendClass1", [](DesignRecord& d) { d.LegendClass[1] = 0; }, false},
    {"LegendColour2", [](DesignRecord& d) { d.LegendColour[2] = 0; }, false},
    {"BkgndClass3", [](DesignRecord& d) { d.BkgndClass[3] = 0; }, false},
    {"BkgndColour4", [](DesignRecord& d) { d.BkgndColour[4] = 0; }, false},
    {"Notes", [](DesignRecord& d) { d.Notes += " "; }, false},
};

INSTANTIATE_TEST_SUITE_P(EveryComparedField, CompareDesignRecordsTest, ::testing::ValuesIn(kCompareCases),
                         [](const auto& info) { return std::string(info.param.name); });

TEST(CompareDesignRecords, ElementZeroAndClearancesAreNotCompared) {
  DesignState base;
  FillDesign(base);
  DesignRecord edited = base.CurrentDesign;
  edited.SignCode[0] = "other";
  edited.FrontSignWidth[0] += 1;
  edited.FrontSignDepth[0] += 1;
  edited.FrontSignClearance[0] += 1;
  edited.SegLength[0] += 1;
  edited.SegDeltaHeight[0] += 1;
  edited.SegBackLength[0] += 1;
  edited.SegBackHeight[0] += 1;
  edited.LegendClass[0] = 6;
  edited.LegendColour[0] = 2;
  edited.BkgndClass[0] = 6;
  edited.BkgndColour[0] = 9;
  edited.MaximumClearance += 1;
  edited.MinimumClearance -= 1;
  int16_t changed = FlagFalse;
  int16_t redesign = FlagFalse;
  CompareDesignRecords(edited, base.CurrentDesign, changed, redesign);
  EXPECT_EQ(changed, FlagFalse);
  EXPECT_EQ(redesign, FlagFalse);
}

TEST(CompareDesignRecords, NeverClearsAFlag) {
  DesignState base;
  FillDesign(base);
  int16_t changed = FlagTrue;
  int16_t redesign = FlagTrue;
  CompareDesignRecords(base.CurrentDesign, base.CurrentDesign, changed, redesign);
  EXPECT_EQ(changed, FlagTrue);
  EXPECT_EQ(redesign, FlagTrue);

  // A descriptive change leaves an already raised redesign flag raised.
  DesignRecord edited = base.CurrentDesign;
  edited.SoilType = 2;
  CompareDesignRecords(edited, base.CurrentDesign, changed, redesign);
  EXPECT_EQ(redesign, FlagTrue);
}

TEST(CopyDesignRecord, CopiesComparedFieldsAndKeepsTheRest) {
  DesignState a;
  FillDesign(a);
  DesignState b;
  ResetDesignData(b, DefaultValues{});
  b.CurrentDesign.MaximumClearance = 77;
  b.CurrentDesign.MinimumClearance = 66;
  b.CurrentDesign.SignCode[0] = "keep";
  b.CurrentDesign.SegLength[0] = 5;

  CopyDesignRecord(a.CurrentDesign, b.CurrentDesign);

  // The copy compares equal to its source...
  int16_t changed = FlagFalse;
  int16_t redesign = FlagFalse;
  CompareDesignRecords(b.CurrentDesign, a.CurrentDesign, changed, redesign);
  EXPECT_EQ(changed, FlagFalse);
  EXPECT_EQ(b.CurrentDesign.Notes, "notes");
  EXPECT_EQ(b.CurrentDesign.SegBackHeight[6], 20);
  EXPECT_EQ(b.CurrentDesign.RPReducedLevel, 12345);
  // ...while the uncompared values stay the destination's.
  EXPECT_EQ(b.CurrentDesign.MaximumClearance, 77);
  EXPECT_EQ(b.CurrentDesign.MinimumClearance, 66);
  EXPECT_EQ(b.CurrentDesign.SignCode[0].Trimmed(), "keep");
  EXPECT_EQ(b.CurrentDesign.SegLength[0], 5);
  EXPECT_EQ(b.CurrentDesign.LegendClass[0], 0);
}

TEST(CopySupportDesigns, FromAFreshArrayKeepsTheDestinationsUncopiedFields) {
  DesignState filled;
  FillDesign(filled);
  const SupportDesignArray fresh{};
  SupportDesignArray destination = filled.SupportDesigns;

  CopySupportDesigns(fresh, destination);

  for (int t = 1; t <= 4; ++t) {
    SCOPED_TRACE(t);
    const SupportDesign& d = destination[t];
    EXPECT_EQ(d.FootingType, 2);
    EXPECT_EQ(d.PostClearance, (std::array<int32_t, 5>{8, 300, 310, 320, 330}));
    EXPECT_EQ(d.Overhang, 11);
    EXPECT_EQ(d.NumStruts, 2);
    EXPECT_EQ(d.StrutSpacing, 1200);
    EXPECT_EQ(d.NumSpreaderPlates, 3);
    // Element 0 of the per-post and per-slot arrays is not copied.
    EXPECT_EQ(d.PostLength[0], 9);
    EXPECT_EQ(d.NumBrackets[0], 7);
    EXPECT_EQ(d.NumStiffeners[0], 7);
    EXPECT_EQ(d.StiffenerSpacing[0], 7);
    EXPECT_EQ(d.StrutPost[0], 7);
    EXPECT_EQ(d.StrutStub[0], 7);

    // Everything else now holds the fresh values.
    SupportDesign expected{};
    expected.FootingType = d.FootingType;
    expected.PostClearance = d.PostClearance;
    expected.Overhang = d.Overhang;
    expected.NumStruts = d.NumStruts;
    expected.StrutSpacing = d.StrutSpacing;
    expected.NumSpreaderPlates = d.NumSpreaderPlates;
    expected.PostLength[0] = 9;
    expected.NumBrackets[0] = 7;
    expected.NumStiffeners[0] = 7;
    expected.StiffenerSpacing[0] = 7;
    expected.StrutPost[0] = 7;
    expected.StrutStub[0] = 7;
    EXPECT_EQ(d, expected);
  }
  // Element 0 of the support array is outside the four kinds.
  EXPECT_EQ(destination[0].NumPosts, 2);
}

TEST(CopySupportDesigns, CopiesAllThreeSpacingCandidates) {
  SupportDesignArray source{};
  source[3].Spacing = {1, 2, 3};
  source[3].PostLength = {5, 6, 7, 8, 9};
  SupportDesignArray destination{};
  CopySupportDesigns(source, destination);
  EXPECT_EQ(destination[3].Spacing, (std::array<int32_t, 3>{1, 2, 3}));
  EXPECT_EQ(destination[3].PostLength, (std::array<int32_t, 5>{0, 6, 7, 8, 9}));
}

}  // namespace
}  // namespace engine
