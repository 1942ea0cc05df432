#include "engine/strut_design.h"

#include <algorithm>
#include <cmath>
#include <optional>

#include "engine/design_messages.h"
#include "engine/design_tables.h"
#include "engine/ground_profile.h"
#include "engine/values.h"

namespace engine {

namespace {

// Height band 1..10 of a height in metres (2.0 to 7.0 m in steps of 0.5, edges
// going to the lower band), 0 outside; also used for chart B's panel rows.
int BandOf(double value, double start, int bands) {
  if (value >= start && value <= start + 0.5) return 1;
  for (int k = 2; k <= bands; ++k)
    if (value > start + 0.5 * (k - 1) && value <= start + 0.5 * k) return k;
  return 0;
}

// Bilinear reading of one chart grid. Row fraction steps are rowStep wide,
// column steps 0.5 m. A cell with a corner at 0 or below is passed over for
// the next row up, then the next column band, keeping the first fractions.
template <typename Chart>
float ReadChart(Chart chart, int row, int column, int lastRow, float rowFraction, double rowStep,
                float columnFraction) {
  const int firstRow = row;
  while (true) {
    const float c00 = chart(row, column);
    const float c01 = chart(row, column + 1);
    const float c10 = chart(row + 1, column);
    const float c11 = chart(row + 1, column + 1);
    if (c00 > 0 && c01 > 0 && c10 > 0 && c11 > 0) {
      const float s1 = static_cast<float>(c00 - (c00 - c10) * static_cast<double>(rowFraction) / rowStep);
      const float s2 = static_cast<float>(c01 - (c01 - c11) * static_cast<double>(rowFraction) / rowStep);
      return static_cast<float>(s1 - (s1 - s2) * static_cast<double>(columnFraction) / 0.5);
    }
    ++row;
    if (row == lastRow) {
      row = firstRow;
      ++column;
      if (column == kStrutChartColumns) return 0.0F;
    }
  }
}

// Fitting constants of the strut, by whether the section is the 65 mm member.
struct StrutFitting {
  int32_t postAllowance;
  int32_t reachAllowance;
  int32_t diagonalAllowance;
  int32_t bendRadius;
};
constexpr StrutFitting kFitting65{272, 105, 147, 362};
constexpr StrutFitting kFittingOther{242, 93, 112, 320};

}  // namespace

float MinSng(float a, float b) { return a < b ? a : b; }

float MemberCapacity(float eccentricity, float height, int16_t member, int16_t windCategory) {
  const int column = BandOf(height, 2.0, 10);
  const float columnFraction = static_cast<float>(height - (2.0 + 0.5 * (column - 1)));

  int row = 0;
  float rowFraction = 0.0F;
  if (eccentricity >= 0.1F && eccentricity <= 1.0F) {
    row = static_cast<int>(std::floor(10.0F * eccentricity));
    rowFraction = static_cast<float>(eccentricity - row / 10.0);
  }
  if (row < 1 || row >= kStrutChartARows || column < 1 || column >= kStrutChartColumns) return 0.0F;

  auto chart = [&](int r, int c) { return StrutChartA(r, c, windCategory, member); };
  return ReadChart(chart, row, column, kStrutChartARows, rowFraction, 0.1, columnFraction);
}

float MemberCapacity2(float height, float panelHeight, int32_t member, int32_t windCategory) {
  const int column = BandOf(height, 2.0, 10);
  const float columnFraction = static_cast<float>(height - (2.0 + 0.5 * (column - 1)));
  const int row = BandOf(panelHeight, 1.0, 6);
  const float rowFraction = static_cast<float>(panelHeight - (1.0 + 0.5 * (row - 1)));
  if (row < 1 || row >= kStrutChartBRows || column < 1 || column >= kStrutChartColumns) return 0.0F;

  auto chart = [&](int r, int c) { return StrutChartB(r, c, windCategory, member); };
  return ReadChart(chart, row, column, kStrutChartBRows, rowFraction, 0.5, columnFraction);
}

std::string CheckStrutEccentricity(SupportDesignArray& supports, int16_t numPosts, float highCentroid,
                                   float lowCentroid, int32_t panelArea, int16_t windCategory) {
  const float fall = (highCentroid - lowCentroid) / 1000.0F;
  const float eccentricity = static_cast<float>(static_cast<double>(fall) + 0.16);
  if (!(eccentricity >= 0.1F && eccentricity <= 1.0F)) {
    supports[SupportStrut].NoResultCode = ResultEccentricityTooLarge;
    return "X";
  }
  for (int16_t member = 1; member <= kStrutMembers; ++member) {
    const float capacity = MemberCapacity(eccentricity, highCentroid / 1000.0F, member, windCategory);
    const float carried = MinSng(28.0F, static_cast<float>(numPosts) * capacity / 12.0F);
    if (static_cast<double>(carried) >= static_cast<double>(panelArea)) return member == 1 ? "50 NB" : "65 NB";
  }
  return "X";
}

std::string ChooseStrut(const std::string& section, int32_t numPosts, float highCentroid, int32_t panelHeight,
                        int32_t panelWidth, int32_t windCategory) {
  int32_t member = 0;
  if (Contains(section, "50")) {
    member = 1;
  } else if (Contains(section, "65")) {
    member = 2;
  } else {
    return "X";
  }
  const float height = highCentroid / 1000.0F;
  const float panelHeightM = static_cast<float>(panelHeight) / 1000.0F;
  const float panelWidthM = static_cast<float>(panelWidth) / 1000.0F;
  auto carries = [&](int32_t m) {
    const float capacity = MemberCapacity2(height, panelHeightM, m, windCategory);
    return MinSng(12.0F, capacity * static_cast<float>(numPosts) / 24.0F) >= panelWidthM;
  };
  if (carries(member)) return member == 1 ? "50 NB" : "65 NB";
  if (member == 1 && carries(2)) return "65 NB";
  return "X";
}

int32_t FindStrutLength(DesignState& state, std::array<int32_t, 5>& footOffsets, int32_t postAllowance) {
  const DesignRecord& design = state.CurrentDesign;
  SupportDesign& strut = state.SupportDesigns[SupportStrut];
  const int kind = state.CurrentSupportType;
  if (kind < SupportChs || kind > SupportStrut) return 100000;
  const SupportDesign& support = state.SupportDesigns[static_cast<std::size_t>(kind)];

  int64_t frontHeight = 0;
  for (int i = 1; i <= design.NumFrontSigns && i <= 3; ++i)
    frontHeight += int64_t{design.FrontSignClearance[i]} + design.FrontSignDepth[i];

  int64_t best = 100000;
  int64_t bestFoot = 0;
  const int posts = std::min<int>(support.NumPosts, 4);
  const int64_t spacing = support.PostSpacing;
  const int64_t firstOffset = RoundHalfEven(
      static_cast<double>(int64_t{state.WidestSignWidth} - (posts - 1) * spacing) / 2.0 + design.DistFromKerb);

  for (int j = 1; j <= posts; ++j) {
    const int32_t x = ClampToInt32(firstOffset + (j - 1) * spacing);
    const std::optional<int32_t> nearGround = GroundLevelAt(design, x, 0);
    const std::optional<int32_t> farGround = GroundLevelAt(design, x, kAlongRoadDistance);
    const int64_t nearLevel = nearGround.value_or(0);
    const int64_t farLevel = farGround.value_or(0);
    const double gradient = static_cast<double>(farLevel - nearLevel) / kAlongRoadDistance;
    // A fall along the road of 1 in 1 or steeper never meets a 45-degree strut.
    if (!nearGround || !farGround || gradient <= -1.0) {
      strut.NoResultCode = ResultStrutLengthNotFound;
      return 0;
    }
    const int64_t top = RoundHalfEven(static_cast<double>(int64_t{support.PostLength[j]} + nearLevel -
                                                          support.NormFootingDep + 75 + 50) -
                                      static_cast<double>(frontHeight) / 2.0) -
                        postAllowance;
    const int64_t reach = RoundHalfEven(static_cast<double>(nearLevel - top) / (-1.0 - gradient));
    footOffsets[j] = ClampToInt32(top - reach);
    if (reach < best) {
      best = reach;
      bestFoot = top - reach;
    }
  }
  for (int i = 1; i <= 4; ++i) footOffsets[i] = ClampToInt32(bestFoot - footOffsets[i]);
  return ClampToInt32(best);
}

void ComputeStrutLengths(DesignState& state) {
  const int kind = state.CurrentSupportType;
  if (kind < SupportChs || kind > SupportStrut) return;
  const StrutFitting& fitting =
      Contains(state.SupportDesigns[static_cast<std::size_t>(kind)].PostDimensions.view(), "65") ? kFitting65
                                                                                                 : kFittingOther;
  const int64_t reach = FindStrutLength(state, state.StrutFootOffsets, fitting.postAllowance);
  const int64_t diagonal =
      RoundHalfEven(static_cast<double>(reach - fitting.reachAllowance) / 0.707106781 - fitting.diagonalAllowance);
  const int64_t bend = RoundHalfEven(fitting.bendRadius * 3.141592654 / 4.0);

  SupportDesign& support = state.SupportDesigns[static_cast<std::size_t>(kind)];
  const int posts = support.NumPosts;
  for (int j = 1; j <= 4; ++j) {
    if (j <= posts) {
      support.StrutStub[j] = ClampToInt32(state.StrutFootOffsets[j] + bend);
      support.StrutPost[j] = ClampToInt32(support.StrutStub[j] + diagonal);
    } else {
      support.StrutStub[j] = 0;
      support.StrutPost[j] = 0;
    }
  }
}

}  // namespace engine
