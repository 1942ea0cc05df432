#include <gtest/gtest.h>

#include "engine/reference_lists.h"

namespace engine {
namespace {

TEST(ReferenceLists, ClassListsHoldEightEntriesEndingWithTheEmptyText) {
  ASSERT_EQ(LegendClassNames.size(), 8U);
  ASSERT_EQ(BackgroundClassNames.size(), 8U);
  const char* expected[] = {"Various", "1A", "1", "1W", "2A", "2", "CAL", ""};
  for (std::size_t i = 0; i < 8; ++i) {
    EXPECT_EQ(LegendClassNames[i], expected[i]) << i;
    EXPECT_EQ(BackgroundClassNames[i], expected[i]) << i;
  }
}

TEST(ReferenceLists, TypeNamesStartWithTheEmptyText) {
  ASSERT_EQ(SupportTypeNames.size(), 5U);
  EXPECT_EQ(SupportTypeNames[0], "");
  EXPECT_EQ(SupportTypeNames[1], "CHS Steel");
  EXPECT_EQ(SupportTypeNames[2], "RHS Steel");
  EXPECT_EQ(SupportTypeNames[3], "Truss Steel");
  EXPECT_EQ(SupportTypeNames[4], "Strut Steel");
  ASSERT_EQ(FootingTypeNames.size(), 3U);
  EXPECT_EQ(FootingTypeNames[0], "");
  EXPECT_EQ(FootingTypeNames[1], "Normal");
  EXPECT_EQ(FootingTypeNames[2], "Screw");
}

struct Colour {
  const char* name;
  int32_t value;
  int red, green, blue;
};

TEST(ReferenceLists, BackgroundColoursByNameValueAndParts) {
  const Colour expected[] = {
      {"Various", 12632256, 192, 192, 192}, {"White", 16777215, 255, 255, 255},
      {"Green Std", 16384, 0, 64, 0},       {"Emerald", 32768, 0, 128, 0},
      {"Yellow", 65535, 255, 255, 0},       {"Red", 255, 255, 0, 0},
      {"Blue", 16711680, 0, 0, 255},        {"Brown", 64, 64, 0, 0},
      {"Fluoro Red", 8421631, 255, 128, 128}, {"Fluoro Org", 33023, 255, 128, 0},
      {"Fluoro Yel", 8454143, 255, 255, 128},
  };
  ASSERT_EQ(BackgroundColourNames.size(), 11U);
  ASSERT_EQ(BackgroundColourValues.size(), 11U);
  for (std::size_t i = 0; i < 11; ++i) {
    SCOPED_TRACE(i);
    EXPECT_EQ(BackgroundColourNames[i], expected[i].name);
    EXPECT_EQ(BackgroundColourValues[i], expected[i].value);
    EXPECT_EQ(ColourRed(BackgroundColourValues[i]), expected[i].red);
    EXPECT_EQ(ColourGreen(BackgroundColourValues[i]), expected[i].green);
    EXPECT_EQ(ColourBlue(BackgroundColourValues[i]), expected[i].blue);
  }
}

TEST(ReferenceLists, LegendColours) {
  ASSERT_EQ(LegendColourNames.size(), 3U);
  EXPECT_EQ(LegendColourNames[0], "Various");
  EXPECT_EQ(LegendColourValues[0], 12632256);
  EXPECT_EQ(LegendColourNames[1], "White");
  EXPECT_EQ(LegendColourValues[1], 16777215);
  EXPECT_EQ(LegendColourNames[2], "Black CAL");
  EXPECT_EQ(LegendColourValues[2], 0);
}

TEST(ReferenceLists, IndexOfAStoredTextFindsTheFirstMatch) {
  EXPECT_EQ(IndexInList(BackgroundColourNames, "Fluoro Org"), 9);
  EXPECT_EQ(IndexInList(LegendClassNames, "Various"), 0);
  EXPECT_EQ(IndexInList(LegendClassNames, ""), 7);
  EXPECT_EQ(IndexInList(LegendClassNames, "cal"), -1);
  EXPECT_EQ(IndexInList(SupportTypeNames, "Strut Steel"), 4);
}

}  // namespace
}  // namespace engine
