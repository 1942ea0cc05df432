// The design run over records holding any value their fields can hold: a
// stored design is an ordinary SQLite file and may carry anything. Each run
// must end, and the results that are sums of record fields must be the exact
// sums, saturated into their 32-bit fields. Seeded, so a failure repeats.

#include <gtest/gtest.h>

#include <algorithm>
#include <cmath>
#include <cstdint>
#include <limits>
#include <random>
#include <string>

#include "design_fixture.h"
#include "engine/design_messages.h"
#include "engine/post_layout.h"
#include "engine/design_run.h"
#include "engine/design_state.h"

namespace engine {
namespace {

constexpr int64_t kInt32Min = std::numeric_limits<int32_t>::min();
constexpr int64_t kInt32Max = std::numeric_limits<int32_t>::max();

int64_t Saturated(int64_t value) { return std::clamp(value, kInt32Min, kInt32Max); }

// Values drawn from the whole range of a field, from its edges and the 16-bit
// edges, and from everyday sizes. `sane` percent of the values are everyday
// ones, so that designs with a few wild fields among ordinary ones reach the
// later design steps too.
class Values {
 public:
  explicit Values(uint64_t seed) : random_(seed) {}

  int sane = 0;

  int64_t Pick(int64_t lowest, int64_t highest) {
    return lowest + static_cast<int64_t>(random_() % static_cast<uint64_t>(highest - lowest + 1));
  }

  int32_t Long() {
    if (Pick(0, 99) < sane) return static_cast<int32_t>(Pick(0, 6000));
    static constexpr int64_t kEdges[] = {kInt32Min, kInt32Min + 1, -65536, -32769, -32768, -32767, -1, 0, 1,
                                         32766,     32767,         32768,  65535,  65536,  kInt32Max - 1, kInt32Max};
    switch (Pick(0, 3)) {
      case 0:
        return static_cast<int32_t>(Pick(kInt32Min, kInt32Max));
      case 1:
        return static_cast<int32_t>(kEdges[Pick(0, std::size(kEdges) - 1)]);
      case 2:
        return static_cast<int32_t>(Pick(-32768, 32767));
      default:
        return static_cast<int32_t>(Pick(0, 6000));
    }
  }

  int16_t Integer() {
    if (Pick(0, 99) < sane) return static_cast<int16_t>(Pick(1, 3));
    static constexpr int16_t kEdges[] = {-32768, -32767, -2, -1, 0, 1, 2, 3, 4, 5, 32766, 32767};
    switch (Pick(0, 2)) {
      case 0:
        return static_cast<int16_t>(Pick(-32768, 32767));
      case 1:
        return kEdges[Pick(0, std::size(kEdges) - 1)];
      default:
        return static_cast<int16_t>(Pick(-1, 4));
    }
  }

  template <std::size_t N>
  void Fill(std::array<int32_t, N>& values) {
    for (auto& v : values) v = Long();
  }
  template <std::size_t N>
  void Fill(std::array<int16_t, N>& values) {
    for (auto& v : values) v = Integer();
  }

 private:
  std::mt19937_64 random_;
};

void RandomDesign(Values& v, DesignRecord& d) {
  d.RoadHeight = v.Long();
  v.Fill(d.FrontSignWidth);
  v.Fill(d.FrontSignDepth);
  v.Fill(d.FrontSignClearance);
  d.NumFrontSigns = v.Integer();
  d.BackSignWidth = v.Long();
  d.BackSignDepth = v.Long();
  d.BackSignClearance = v.Long();
  d.NumBackSigns = v.Integer();
  d.RPSegLength = v.Long();
  d.RPSegDeltaHeight = v.Long();
  d.RPReducedLevel = v.Long();
  d.SignOnLeft = v.Integer();
  d.DistFromKerb = v.Long();
  v.Fill(d.SegLength);
  v.Fill(d.SegDeltaHeight);
  v.Fill(d.SegBackLength);
  v.Fill(d.SegBackHeight);
  d.SupportStruts = v.Integer();
  d.WindRegion = v.Integer();
  d.ExposedLocation = v.Integer();
  d.CollisionRisk = v.Integer();
  d.SoilType = v.Integer();
  v.Fill(d.LegendClass);
  v.Fill(d.LegendColour);
  v.Fill(d.BkgndClass);
  v.Fill(d.BkgndColour);
  d.MaximumClearance = v.Long();
  d.MinimumClearance = v.Long();
}

void RandomSupport(Values& v, SupportDesign& s) {
  s.NumPosts = v.Integer();
  s.PNO = v.Integer();
  s.AOP = v.Integer();
  s.PostSpacing = v.Long();
  s.SpacingType = v.Long();
  v.Fill(s.Spacing);
  v.Fill(s.PostLength);
  v.Fill(s.PostClearance);
  s.StubLength = v.Long();
  s.SlipBaseReq = v.Integer();
  s.FootingType = v.Integer();
  s.NormFootingDep = v.Long();
  s.ScrewFootingDim = v.Long();
  s.ScrewFootingDep = v.Long();
  s.StiffenerType = v.Integer();
  s.Overhang = v.Long();
  s.NumStruts = v.Integer();
  s.StrutSpacing = v.Long();
  s.NumSpreaderPlates = v.Integer();
  v.Fill(s.NumBrackets);
  v.Fill(s.NumStiffeners);
  v.Fill(s.StiffenerSpacing);
  s.NoResultCode = v.Integer();
  s.WarningCode = v.Integer();
  v.Fill(s.StrutPost);
  v.Fill(s.StrutStub);
  s.CurvedRoad = v.Long();
  s.Curvature = v.Long();
  s.RoadSpeed = v.Long();
  s.Barrier = v.Long();
  s.BarrierDistance = v.Long();
  s.AADT = v.Long();
}

DesignState RandomState(Values& v) {
  DesignState state = fixture::NewDesign();
  RandomDesign(v, state.CurrentDesign);
  for (int t = 1; t <= 4; ++t) RandomSupport(v, state.SupportDesigns[static_cast<std::size_t>(t)]);
  // Mostly a real kind, sometimes any 16-bit value.
  state.CurrentSupportType = v.Pick(0, 3) == 0 ? v.Integer() : static_cast<int16_t>(v.Pick(1, 4));
  for (std::size_t i = 1; i <= 5; ++i) state.StiffenerLimit[i] = v.Long();
  return state;
}

// What the run must leave, whatever it was given. `input` is the state before
// the run.
void CheckRun(const DesignState& input, const DesignState& state, const std::string& where) {
  const DesignRecord& d = input.CurrentDesign;
  const bool panels = d.NumFrontSigns > 0 || d.NumBackSigns > 0;
  EXPECT_EQ(state.DesignOpen, panels ? FlagTrue : FlagFalse) << where;
  if (!panels) return;

  // The top of the sign and the height of the panels: exact sums, saturated.
  const int fronts = std::clamp<int>(d.NumFrontSigns, 0, 3);
  const bool back = d.NumBackSigns > 0;
  int64_t frontTop = d.RoadHeight;
  for (int i = 1; i <= fronts; ++i) frontTop += int64_t{d.FrontSignClearance[i]} + d.FrontSignDepth[i];
  const int64_t backTop = back ? int64_t{d.RoadHeight} + d.BackSignClearance + d.BackSignDepth : 0;
  const int64_t backHeight = back ? backTop - d.RoadHeight : 0;
  EXPECT_EQ(state.SignTopLevel, Saturated(std::max(frontTop, backTop))) << where;
  EXPECT_EQ(state.SignPanelHeight, Saturated(std::max(frontTop - d.RoadHeight, backHeight))) << where;

  EXPECT_TRUE(std::isfinite(state.PanelCentroidHeight)) << where;
  for (int t = 1; t <= 4; ++t) {
    const SupportDesign& s = state.SupportDesigns[static_cast<std::size_t>(t)];
    const std::string kind = where + " kind " + std::to_string(t);
    EXPECT_GE(s.NoResultCode, 0) << kind;
    EXPECT_LE(s.NoResultCode, 12) << kind;
    EXPECT_EQ(s.WarningCode & ~(WarnSpacingTooWide | WarnSlipBaseSpacing), 0) << kind;
    for (int i = 1; i <= 4; ++i) {
      EXPECT_GE(s.NumStiffeners[i], 0) << kind;
      const int64_t brackets = int64_t{s.NumStiffeners[i]} * s.NumPosts;
      EXPECT_EQ(s.NumBrackets[i], std::clamp<int64_t>(brackets, -32768, 32767)) << kind;
    }
  }
}

// A few thousand designs with values anywhere in the fields' ranges, each run
// as the main window runs a changed design.
TEST(DesignRunFuzz, AnyFieldValuesEndWithResultsInRange) {
  Values values(20261209);
  int designed = 0;  // runs in which some kind found a design
  for (int n = 0; n < 8000; ++n) {
    static constexpr int kSane[] = {0, 50, 90, 97};
    values.sane = kSane[n % 4];
    const DesignState input = RandomState(values);
    DesignState state = input;
    RunDesign(state);
    RedesignWithMorePosts(state);
    CheckRun(input, state, "design " + std::to_string(n));
    if (HasFailure()) break;  // one design's report is enough
    for (int t = 1; t <= 4; ++t) {
      if (state.DesignOpen && state.SupportDesigns[static_cast<std::size_t>(t)].NoResultCode == ResultOk) {
        ++designed;
        break;
      }
    }
  }
  EXPECT_GT(designed, 1000);
}

// The same, the values all at the 16-bit edges and their neighbours.
TEST(DesignRunFuzz, SixteenBitEdges) {
  Values values(16);
  static constexpr int32_t kEdges[] = {-32769, -32768, -32767, -1, 0, 1, 32766, 32767, 32768};
  for (int n = 0; n < 1000; ++n) {
    DesignState input = RandomState(values);
    DesignRecord& d = input.CurrentDesign;
    auto edge = [&] { return kEdges[values.Pick(0, std::size(kEdges) - 1)]; };
    d.RoadHeight = edge();
    for (int i = 1; i <= 3; ++i) {
      d.FrontSignWidth[i] = edge();
      d.FrontSignDepth[i] = edge();
      d.FrontSignClearance[i] = edge();
    }
    d.BackSignWidth = edge();
    d.BackSignDepth = edge();
    d.BackSignClearance = edge();
    d.DistFromKerb = edge();
    for (int k = 1; k <= 6; ++k) {
      d.SegLength[k] = edge();
      d.SegDeltaHeight[k] = edge();
    }
    DesignState state = input;
    RunDesign(state);
    RedesignWithMorePosts(state);
    CheckRun(input, state, "design " + std::to_string(n));
    if (HasFailure()) break;
  }
}

// Every Long field of the design at its largest value: the panel sums leave
// 32 bits many times over and saturate.
TEST(DesignRunFuzz, LongFieldsAtTheirLargest) {
  DesignState input = fixture::NewDesign();
  DesignRecord& d = input.CurrentDesign;
  const int32_t most = std::numeric_limits<int32_t>::max();
  d.RoadHeight = most;
  for (int i = 1; i <= 3; ++i) d.FrontSignWidth[i] = d.FrontSignDepth[i] = d.FrontSignClearance[i] = most;
  d.BackSignWidth = d.BackSignDepth = d.BackSignClearance = most;
  d.NumFrontSigns = 3;
  d.NumBackSigns = 1;
  d.RPSegLength = d.RPSegDeltaHeight = d.RPReducedLevel = d.DistFromKerb = most;
  for (int k = 1; k <= 6; ++k) d.SegLength[k] = d.SegDeltaHeight[k] = d.SegBackLength[k] = d.SegBackHeight[k] = most;
  d.MaximumClearance = d.MinimumClearance = most;
  for (int t = 1; t <= 4; ++t) {
    SupportDesign& s = input.SupportDesigns[static_cast<std::size_t>(t)];
    s.PostSpacing = s.SpacingType = s.StubLength = s.NormFootingDep = s.ScrewFootingDim = most;
    s.ScrewFootingDep = s.StrutSpacing = s.CurvedRoad = s.Curvature = s.RoadSpeed = most;
    s.Barrier = s.BarrierDistance = s.AADT = most;
    s.Spacing = {most, most, most};
    s.PostLength.fill(most);
    s.PostClearance.fill(most);
    s.StrutPost.fill(most);
    s.StrutStub.fill(most);
  }
  for (std::size_t i = 1; i <= 5; ++i) input.StiffenerLimit[i] = most;

  DesignState state = input;
  RunDesign(state);
  RedesignWithMorePosts(state);
  CheckRun(input, state, "largest");
  EXPECT_EQ(state.SignTopLevel, most);
  EXPECT_EQ(state.SignPanelHeight, most);
  EXPECT_EQ(state.WidestSignWidth, most);
}

}  // namespace
}  // namespace engine
