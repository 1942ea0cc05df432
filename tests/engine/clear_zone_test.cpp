#include "engine/clear_zone.h"

#include <gtest/gtest.h>

#include <climits>
#include <cstdint>
#include <string>
#include <utility>
#include <vector>

namespace engine {
namespace {

// One roadside segment: length and rise in mm.
using Segment = std::pair<int32_t, int32_t>;

DesignRecord WithSegments(const std::vector<Segment>& segments) {
  DesignRecord record;
  std::size_t k = 1;
  for (const auto& [length, rise] : segments) {
    record.SegLength[k] = length;
    record.SegDeltaHeight[k] = rise;
    ++k;
  }
  return record;
}

constexpr int32_t kNoLimit = -1;
constexpr int32_t kOver6000 = 6002;

struct ClearZoneCase {
  std::string name;
  std::vector<Segment> segments;
  int32_t radius;
  int32_t speed;
  int32_t aadt;
  int32_t limit;
  bool curved;
  int32_t actual;  // ComputeClearZone
  int32_t level;   // LevelTerrainClearZone
};

// Both figures of a whole calculation, one row per situation.
const std::vector<ClearZoneCase>& ClearZoneCases() {
  static const std::vector<ClearZoneCase> cases = {
      {"LevelAt100", {{10000, 0}}, 0, 100, kOver6000, kNoLimit, false, 9000, 9000},
      {"LevelAt100Class3", {{10000, 0}}, 0, 100, 1449, kNoLimit, false, 6660, 6660},
      {"LevelAt100Class2", {{10000, 0}}, 0, 100, 5999, kNoLimit, false, 8300, 8300},
      {"LevelAt100Class4", {{10000, 0}}, 0, 100, 749, kNoLimit, false, 4920, 4920},
      {"NegativeAadtHasNoClass", {{10000, 0}}, 0, 100, -1, kNoLimit, false, 0, 0},
      {"Falling22PerCent", {{10000, -2200}}, 0, 100, kOver6000, kNoLimit, false, 11600, 9000},
      {"Falling22PerCentBarrier", {{10000, -2200}}, 0, 100, kOver6000, 5000, false, 5000, 9000},
      {"BarrierBeyondClearZone", {{10000, -2200}}, 0, 100, kOver6000, 20000, false, 11600, 9000},
      {"BarrierAtZero", {{10000, -2200}}, 0, 100, kOver6000, 0, false, 0, 9000},
      {"Rising1PerCentRaised", {{10000, 100}}, 0, 60, kOver6000, kNoLimit, false, 4667, 4500},
      {"FlatAt60", {{10000, 0}}, 0, 60, kOver6000, kNoLimit, false, 4500, 4500},
      {"Rising40PerCent", {{1000, 400}}, 0, 80, kOver6000, kNoLimit, false, 4667, 6000},
      {"Falling50PerCentAt60", {{1000, -500}}, 0, 60, kOver6000, kNoLimit, false, 9001, 4500},
      {"MeanOverTwoFallingSegments", {{2000, -500}, {2000, -380}}, 0, 100, kOver6000, kNoLimit,
       false, 11600, 9000},
      {"SpeedZero", {{10000, -2200}}, 0, 0, kOver6000, kNoLimit, false, 0, 0},
      {"SpeedWithoutColumn", {{10000, -2200}}, 0, 65, kOver6000, kNoLimit, false, 0, 0},
      {"SpeedZeroBeforeCurve", {{10000, 0}}, 950, 0, kOver6000, kNoLimit, true, 0, 0},
      {"CurvedLevel175At60", {{10000, 0}}, 175, 60, kOver6000, kNoLimit, true, 6075, 6075},
      {"CurveTooSharp300At110", {{10000, 0}}, 300, 110, kOver6000, kNoLimit, true,
       ClearZoneCurveTooSharp, ClearZoneCurveTooSharp},
      {"CurveBeyondTable", {{10000, 0}}, 950, 60, kOver6000, kNoLimit, true,
       ClearZoneCurveTooSharp, ClearZoneCurveTooSharp},
      {"CurveTooSharpBeforeProfile", {{4000, -1000}, {4000, 1000}}, 300, 110, kOver6000, kNoLimit,
       true, ClearZoneCurveTooSharp, ClearZoneCurveTooSharp},
      {"StraightIgnoresRadius", {{10000, 0}}, 50, 100, kOver6000, kNoLimit, false, 9000, 9000},
      {"FallingThenRising", {{4000, -1000}, {4000, 1000}}, 0, 100, kOver6000, kNoLimit, false,
       ClearZoneTooComplex, 9000},
      {"RisingThenFalling", {{4000, 1000}, {4000, -1000}}, 0, 100, kOver6000, kNoLimit, false,
       ClearZoneTooComplex, 9000},
      {"FallingFlatRising", {{4000, -1000}, {3000, 0}, {4000, 1000}}, 0, 100, kOver6000, kNoLimit,
       false, ClearZoneTooComplex, 9000},
      {"SixthSegmentIgnored",
       {{1000, 0}, {1000, 0}, {1000, 0}, {1000, 0}, {1000, 0}, {1000, 50000}}, 0, 100, kOver6000,
       kNoLimit, false, 9000, 9000},
      {"GapEndsProfile", {{10000, -2200}, {0, 0}, {1000, 5000}}, 0, 100, kOver6000, kNoLimit,
       false, 11600, 9000},
      // A first segment of length 0 has no slope: level terrain, still capped.
      {"EmptyFirstSegment", {{0, 0}}, 0, 100, kOver6000, kNoLimit, false, 9000, 9000},
      {"EmptyFirstSegmentWithRise", {{0, -700}}, 0, 100, kOver6000, kNoLimit, false, 9000, 9000},
      {"EmptyFirstSegmentCapped", {{0, -700}}, 0, 100, kOver6000, 3000, false, 3000, 9000},
      {"EmptyFirstSegmentThenSlope", {{0, -700}, {10000, -2200}}, 0, 100, kOver6000, kNoLimit,
       false, 11600, 9000},
      // A stored cliff extrapolates far beyond the table: the result saturates.
      {"CliffSaturates", {{1, -2000000000}}, 0, 100, kOver6000, kNoLimit, false, INT32_MAX, 9000},
  };
  return cases;
}

class ClearZoneTable : public testing::TestWithParam<ClearZoneCase> {};

TEST_P(ClearZoneTable, BothFigures) {
  const ClearZoneCase& c = GetParam();
  const DesignRecord record = WithSegments(c.segments);
  EXPECT_EQ(ComputeClearZone(record, c.radius, c.speed, c.aadt, c.limit, c.curved), c.actual);
  EXPECT_EQ(LevelTerrainClearZone(record, c.radius, c.speed, c.aadt, c.curved), c.level);
}

INSTANTIATE_TEST_SUITE_P(Cases, ClearZoneTable, testing::ValuesIn(ClearZoneCases()),
                         [](const testing::TestParamInfo<ClearZoneCase>& info) {
                           return info.param.name;
                         });

struct CurveFactorCase {
  int32_t radius;
  int32_t speed;
  double factor;
};

TEST(ClearZone, CurveFactorByRadiusAndSpeed) {
  const std::vector<CurveFactorCase> cases = {
      {175, 60, 1.35},  {100, 60, 1.5},  {149, 60, 1.402}, {900, 60, 1.1}, {700, 60, 1.1},
      {800, 90, 1.2},   {99, 60, 0.0},   {901, 60, 0.0},   {950, 60, 0.0}, {300, 110, 0.0},
      {449, 110, 0.0},  {450, 110, 1.5}, {475, 110, 1.45}, {150, 70, 1.5}, {149, 70, 0.0},
      {200, 65, 0.0},   {200, 0, 0.0},   {-200, 60, 0.0},
  };
  for (const CurveFactorCase& c : cases) {
    EXPECT_NEAR(CurveFactor(c.radius, c.speed), c.factor, 1e-12)
        << c.radius << " m at " << c.speed << " km/h";
  }
}

struct BaseCase {
  double slope;
  int32_t speed;
  double base;
};

TEST(ClearZone, BaseBySlopeAndSpeed) {
  const std::vector<BaseCase> cases = {
      {-0.22, 100, 11.6},     {0.0, 60, 4.5},         {0.01, 60, 4.667},
      {-0.3333, 100, 30.0},   {0.3333, 110, 6.5},     {-0.5, 60, 6 * 0.5 / 0.3333},
      {-0.1, 110, 10.0},      {-0.05, 110, 9.75},     {0.1, 60, 4.667},
      {-0.2, 65, 0.0},        {-0.2, 0, 0.0},         {-0.1, 60, 4.5},
  };
  for (const BaseCase& c : cases) {
    EXPECT_NEAR(BaseClearZone(c.slope, c.speed), c.base, 1e-9) << c.slope << " at " << c.speed;
  }
  EXPECT_NEAR(BaseClearZone(-0.5, 60), 9.0009, 1e-4);
}

TEST(ClearZone, SteepRisingSlopeGivesTheRaisedBaseAtEverySpeed) {
  for (int32_t speed = 60; speed <= 110; speed += 10) {
    EXPECT_DOUBLE_EQ(BaseClearZone(0.4, speed), 4.667) << speed;
    EXPECT_EQ(ComputeClearZone(WithSegments({{1000, 400}}), 0, speed, kOver6000, kNoLimit, false),
              4667)
        << speed;
  }
}

TEST(ClearZone, TrafficClassesByVolume) {
  const std::vector<std::pair<int32_t, int>> cases = {
      {-1, 0},   {0, 4},    {749, 4},  {750, 3},  {751, 3},  {1449, 3}, {1499, 3},
      {1500, 2}, {5999, 2}, {6000, 2}, {6001, 1}, {6002, 1}, {INT32_MIN, 0}};
  for (const auto& [aadt, klass] : cases) EXPECT_EQ(AadtClass(aadt), klass) << aadt;
}

TEST(ClearZone, ACalculationChangesNothingAndRepeats) {
  const DesignRecord record = WithSegments({{10000, -2200}});
  const DesignRecord before = record;
  const int32_t first = ComputeClearZone(record, 0, 100, kOver6000, kNoLimit, false);
  EXPECT_EQ(ComputeClearZone(record, 0, 100, kOver6000, kNoLimit, false), first);
  EXPECT_EQ(record, before);
}

}  // namespace
}  // namespace engine
