#include "engine/ground_profile.h"

#include <gtest/gtest.h>

namespace engine {
namespace {

// Segment 1: 2000 long rising 200; segment 2: 3000 long falling 300. Along the
// road: point 1 rises 100 (taken as it stands), point 2 rises 50 over 1000.
DesignRecord TwoSegmentSlope() {
  DesignRecord design;
  design.SegLength[1] = 2000;
  design.SegDeltaHeight[1] = 200;
  design.SegLength[2] = 3000;
  design.SegDeltaHeight[2] = -300;
  design.SegBackHeight[1] = 100;
  design.SegBackLength[1] = 1000;
  design.SegBackHeight[2] = 50;
  design.SegBackLength[2] = 1000;
  return design;
}

TEST(GroundProfile, EndsBeforeTheFirstEmptySegmentFromSegmentTwo) {
  DesignRecord design = TwoSegmentSlope();
  design.SegLength[4] = 900;  // after the gap at 3: not part of the profile
  const GroundProfile profile = BuildGroundProfile(design);
  EXPECT_EQ(profile.SegmentCount, 2);
  EXPECT_EQ(profile.Offset[2], 2000);
  EXPECT_EQ(profile.Length(), 5000);
  EXPECT_EQ(profile.SegmentAt(1999), 1);
  EXPECT_EQ(profile.SegmentAt(2000), 2);
  EXPECT_EQ(profile.SegmentAt(-50), 1);
}

TEST(GroundProfile, SixthSegmentIsIgnored) {
  DesignRecord design;
  for (int k = 1; k <= 6; ++k) design.SegLength[k] = 1000;
  const GroundProfile profile = BuildGroundProfile(design);
  EXPECT_EQ(profile.SegmentCount, 5);
  EXPECT_EQ(profile.Length(), 5000);
  EXPECT_FALSE(GroundLevelAt(design, 5001, 0).has_value());
}

TEST(GroundProfile, CrossSectionLevelAtTheRoadLine) {
  const DesignRecord design = TwoSegmentSlope();
  EXPECT_EQ(GroundLevelAt(design, 1000, 0), 100);
  EXPECT_EQ(GroundLevelAt(design, 2000, 0), 200);
  EXPECT_EQ(GroundLevelAt(design, 3500, 0), 50);
}

TEST(GroundProfile, AlongRoadLevelOfPointOneIsNotScaled) {
  const DesignRecord design = TwoSegmentSlope();
  // At the road edge the along-road level is point 1's stored rise, 100, not
  // 100 x 10000 / 1000.
  EXPECT_EQ(GroundLevelAt(design, 0, 10000), 100);
  // Point 2: 200 + 50 x 10000 / 1000 = 700.
  EXPECT_EQ(GroundLevelAt(design, 2000, 10000), 700);
  // Halfway along segment 1: 100 + (100 + 300 - 100) x 5000 / 10000.
  EXPECT_EQ(GroundLevelAt(design, 1000, 10000), 400);
  EXPECT_EQ(GroundLevelAt(design, 1000, 5000), 250);
}

TEST(GroundProfile, FoundOnlyWithinTheProfileAndAlongRoadRange) {
  const DesignRecord design = TwoSegmentSlope();
  EXPECT_EQ(GroundLevelAt(design, 5000, 0), -100);
  EXPECT_FALSE(GroundLevelAt(design, 5001, 0).has_value());
  EXPECT_FALSE(GroundLevelAt(design, 1000, 10001).has_value());
  EXPECT_FALSE(GroundLevelAt(design, 1000, -1).has_value());
  EXPECT_TRUE(GroundLevelAt(design, 1000, 10000).has_value());
}

TEST(GroundProfile, OffsetBeforeTheRoadEdgeExtendsSegmentOne) {
  const DesignRecord design = TwoSegmentSlope();
  EXPECT_EQ(GroundLevelAt(design, -1000, 0), -100);
}

TEST(GroundProfile, HalfMillimetresRoundToEven) {
  DesignRecord design;
  design.SegLength[1] = 4000;
  design.SegDeltaHeight[1] = 2;
  EXPECT_EQ(GroundLevelAt(design, 1000, 0), 0);  // 0.5
  EXPECT_EQ(GroundLevelAt(design, 3000, 0), 2);  // 1.5
}

TEST(GroundProfile, AlongRoadLevelIsRoundedAsAWhole) {
  DesignRecord design;
  design.SegLength[1] = 1000;
  design.SegDeltaHeight[1] = 1;
  design.SegBackLength[2] = 20000;
  design.SegBackHeight[2] = 1;
  // Point 2 along the road: 1 + 1 x 10000 / 20000 = 1.5, which rounds to 2
  // (rounding the half alone to 0 would give 1).
  EXPECT_EQ(GroundLevelAt(design, 1000, 10000), 2);
}

TEST(GroundProfile, EmptyAlongRoadLengthCountsAsOne) {
  DesignRecord design;
  design.SegLength[1] = 1000;
  design.SegBackHeight[2] = 3;  // over a length of 0, taken as 1
  EXPECT_EQ(GroundLevelAt(design, 1000, 10000), 30000);
}

TEST(GroundProfile, EmptyProfileDoesNotDivideByZero) {
  const DesignRecord design;
  EXPECT_EQ(GroundLevelAt(design, 0, 0), 0);
  EXPECT_FALSE(GroundLevelAt(design, 1, 0).has_value());
}

}  // namespace
}  // namespace engine
