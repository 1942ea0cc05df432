#include "engine/post_design.h"

#include <algorithm>
#include <array>
#include <string>
#include <string_view>

#include "engine/design_messages.h"
#include "engine/design_tables.h"
#include "engine/ground_profile.h"
#include "engine/post_layout.h"
#include "engine/post_properties.h"
#include "engine/strut_design.h"
#include "engine/values.h"

namespace engine {

namespace {

constexpr double kCentroidDatum = 2100.0;
constexpr double kMomentDivisor = 28.0;
constexpr int32_t kSmallAreaLimit = 28;  // CHS and strut
constexpr int32_t kLargeAreaLimit = 40;  // RHS and truss
constexpr int32_t kTrussSpacingLimit = 2500;
constexpr int64_t kSlipBaseHeightFactor = 4;

// Design moment constants c1, c2 by wind category 1..4.
constexpr std::array<double, 5> kMomentC1{0.0, 300.0, 218.18, 133.93, 92.3};
constexpr std::array<double, 5> kMomentC2{0.0, 7.0, 9.9, 15.24, 22.5};

// Slip-base factor by support kind 1..4.
constexpr std::array<float, 5> kSlipBaseFactor{0.0F, 1.65F, 1.65F, 4.0F, 4.0F};

bool IsNoSection(const FixedText<12>& section) { return TrimmedEquals(section.view(), "X"); }

void SetNoSection(SupportDesign& support) {
  support.PostDimensions = "X";
  support.PostWallThickness.Clear();
}

double SegmentSlope(const DesignRecord& design, int k) {
  const int32_t length = design.SegLength[k];
  if (length == 0) return 0.0;  // only outside the data model (a first segment of no length)
  return static_cast<double>(design.SegDeltaHeight[k]) / length;
}

struct GroundRange {
  int64_t lowest = 0;
  int64_t highest = 0;
};

// The ground under the sign, sampled at its near edge, at each segment
// boundary strictly inside it and at its far edge; each sample is the previous
// rounded one plus the rise over the step, rounded again.
GroundRange SampleGroundUnderSign(const DesignRecord& design, const GroundProfile& profile, int32_t nearEdge,
                                  int64_t width) {
  const int64_t farEdge = nearEdge + width;
  int j = profile.SegmentAt(nearEdge);

  int64_t risen = 0;
  for (int k = 1; k < j; ++k) risen += design.SegDeltaHeight[k];
  int64_t y = RoundHalfEven(SegmentSlope(design, j) * static_cast<double>(nearEdge - profile.Offset[j]) +
                            static_cast<double>(risen));
  GroundRange range{y, y};
  int64_t p = nearEdge;
  while (p < farEdge) {
    if (profile.Offset[j + 1] < farEdge) {
      y = RoundHalfEven(static_cast<double>(y) +
                        SegmentSlope(design, j) * static_cast<double>(profile.Offset[j + 1] - p));
      ++j;
      p = profile.Offset[j];
    } else {
      y = RoundHalfEven(static_cast<double>(y) + SegmentSlope(design, j) * static_cast<double>(farEdge - p));
      p = farEdge;
    }
    range.lowest = std::min(range.lowest, y);
    range.highest = std::max(range.highest, y);
  }
  return range;
}

// Section row 1..31 whose threshold carries the moment, or 0 for none.
int FindSectionRow(float moment) {
  int i = 1;
  while (moment > PostLoadThresholds(i) && i < kSectionRows) ++i;
  if (moment <= PostLoadThresholds(i) && i < kSectionRows) return i;
  return 0;
}

std::string_view ChsWallFor(int position) {
  if (position <= 4) return "3.2";
  if (position == 5) return "3.6";
  return "5.0/3.5";
}

std::string_view RhsWallFor(int position) {
  if (position == 2) return "4";
  if (position == 3) return "3";
  return "5";
}

// First position in first..last of a section list holding `text`, or 0.
template <typename Names>
int FindPosition(Names names, std::string_view text, int first, int last) {
  for (int j = first; j <= last; ++j)
    if (names(j) == text) return j;
  return 0;
}

void NoLargerSection(SupportDesign& support) {
  support.PostDimensions = "X";
  support.NoResultCode = ResultExposedSectionLimit;
}

}  // namespace

void IncreasePostSection(SupportDesignArray& supports, int16_t kind) {
  if (kind < SupportChs || kind > SupportStrut) return;
  SupportDesign& support = supports[static_cast<std::size_t>(kind)];
  const std::string section(Trim(support.PostDimensions.view()));
  if (section == "X") return;

  switch (kind) {
    case SupportChs: {
      const int j = FindPosition(ChsSectionNames, section, 1, kChsSectionCount - 1);
      if (j == 0) {
        NoLargerSection(support);
        return;
      }
      support.PostDimensions = ChsSectionNames(j + 1);
      support.PostWallThickness = ChsWallFor(j + 1);
      return;
    }
    case SupportRhs: {
      int j = FindPosition(RhsSectionNames, section, 1, kRhsSectionCount - 1);
      if (j == 0) {
        NoLargerSection(support);
        return;
      }
      // "125x75" stands at two positions; the thick wall is the second one.
      if (j == 3 && TrimmedEquals(support.PostWallThickness.view(), "5")) j = 4;
      support.PostDimensions = RhsSectionNames(j + 1);
      support.PostWallThickness = RhsWallFor(j + 1);
      return;
    }
    case SupportTruss: {
      const bool wideSpacing = section.size() > 5 && section.substr(5) == "s=1000";
      const int start = wideSpacing ? 2 : 1;
      int j = 0;
      if (TrussSectionNames(start) == section) {
        j = start;
      } else if (TrussSectionNames(start + 2) == section) {
        j = start + 2;
      }
      if (j == 0) {
        NoLargerSection(support);
        return;
      }
      support.PostDimensions = TrussSectionNames(j + 2);
      support.PostWallThickness = (j + 2 <= 4) ? "3.2" : "4.8";
      return;
    }
    default: {  // strut
      if (Contains(section, "50")) {
        support.PostDimensions = "65 NB";
        support.PostWallThickness = "3.2";
      } else {
        support.NoResultCode = ResultExposedSectionLimit;
        SetNoSection(support);
      }
      return;
    }
  }
}

void DesignPosts(DesignState& state) {
  DesignRecord& design = state.CurrentDesign;
  SupportDesignArray& supports = state.SupportDesigns;
  const int64_t width = state.WidestSignWidth;

  // A slope profile that does not reach under the whole sign.
  const GroundProfile profile = BuildGroundProfile(design);
  if (!FitSignOnProfile(state, profile)) return;

  const GroundRange ground = SampleGroundUnderSign(design, profile, design.DistFromKerb, width);
  const float lowCentroid = static_cast<float>(state.PanelCentroidHeight - static_cast<double>(ground.highest));
  const float highCentroid = static_cast<float>(state.PanelCentroidHeight - static_cast<double>(ground.lowest));
  state.PanelCentroidHeight = highCentroid;

  // Clearances are worked in 64 bits: the input forms allow heights whose
  // sums leave the 16-bit range.
  const int64_t clearance = std::min(design.FrontSignClearance[1], design.BackSignClearance);
  design.MaximumClearance = ClampToInt32(int64_t{design.RoadHeight} + clearance - ground.lowest);
  design.MinimumClearance = ClampToInt32(int64_t{design.RoadHeight} + clearance - ground.highest);
  const int64_t maximumClearance = design.MaximumClearance;

  const int16_t category = WindCategory(design);
  float moment = 0.0F;
  if (category >= 1 && category <= 4) {
    moment = static_cast<float>(((static_cast<double>(highCentroid) - kCentroidDatum) / kMomentC1[category] +
                                 kMomentC2[category]) /
                                kMomentDivisor * state.PanelArea);
  }

  SupportDesign& chs = supports[SupportChs];
  SupportDesign& rhs = supports[SupportRhs];
  SupportDesign& truss = supports[SupportTruss];
  SupportDesign& strut = supports[SupportStrut];

  const int row = FindSectionRow(moment);
  if (row > 0) {
    if (state.PanelArea > kSmallAreaLimit) {
      SetNoSection(chs);
      SetNoSection(strut);
    } else {
      chs.PostDimensions = ChsPostTable(chs.NumPosts, row);
      chs.PostWallThickness = ChsPostWallTable(chs.NumPosts, row);

      std::string section = CheckStrutEccentricity(supports, strut.NumPosts, highCentroid, lowCentroid,
                                                   state.PanelArea, category);
      section = ChooseStrut(section, strut.NumPosts, highCentroid, state.PanelSize[0][0], state.PanelSize[0][1],
                            category);
      strut.PostDimensions = section;
      if (Contains(section, "50")) {
        strut.PostWallThickness = "2.9";
      } else if (Contains(section, "65")) {
        strut.PostWallThickness = "3.2";
      } else {
        strut.PostWallThickness.Clear();
      }
    }
    if (state.PanelArea > kLargeAreaLimit) {
      SetNoSection(rhs);
      SetNoSection(truss);
    } else {
      rhs.PostDimensions = RhsPostTable(rhs.NumPosts, row);
      rhs.PostWallThickness = RhsPostWallTable(rhs.NumPosts, row);
      truss.PostDimensions = TrussPostTable(truss.NumPosts, row);
      truss.PostWallThickness = TrussPostWallTable(truss.NumPosts, row);
    }
  } else {
    for (int t = 1; t <= 4; ++t) SetNoSection(supports[t]);
  }

  for (int t = 1; t <= 4; ++t) {
    SupportDesign& support = supports[t];
    if (!IsNoSection(support.PostDimensions)) continue;
    if (t == SupportStrut && (support.NoResultCode == ResultStrutLengthNotFound || support.NoResultCode == ResultEccentricityTooLarge)) continue;
    support.NoResultCode = ResultNoSolution;
  }

  // The truss chord spacing goes with the clearance.
  truss.PostDimensions = std::string(Trim(truss.PostDimensions.view())) +
                         (maximumClearance > kTrussSpacingLimit ? " s=1000" : " s=750");

  if (design.WindRegion == 4 && design.ExposedLocation == 1)
    for (int16_t t = 1; t <= 4; ++t) IncreasePostSection(supports, t);

  SetSlipBaseFlags(state);

  for (int t = 1; t <= 4; ++t) {
    SupportDesign& support = supports[t];
    if (support.SlipBaseReq != FlagFalse && support.NoResultCode == ResultOk &&
        int64_t{state.SignPanelHeight} > kSlipBaseHeightFactor * maximumClearance)
      support.NoResultCode = ResultSlipBaseNotPossible;
  }
  for (int16_t t = 1; t <= 4; ++t) {
    SupportDesign& support = supports[t];
    if (support.SlipBaseReq == FlagFalse || support.NoResultCode != ResultOk) continue;
    const float carried = static_cast<float>(maximumClearance) * kSlipBaseFactor[t];
    if (static_cast<double>(carried) < static_cast<double>(state.SignPanelHeight)) {
      IncreasePostSection(supports, t);
      if (support.NoResultCode == ResultExposedSectionLimit) support.NoResultCode = ResultSlipBaseSectionLimit;
    }
  }

  if (!(design.NumFrontSigns == 1 && design.NumBackSigns == 0)) truss.NoResultCode = ResultTrussOneFrontSign;
}

}  // namespace engine
