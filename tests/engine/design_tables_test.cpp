#include <gtest/gtest.h>

#include <string>

#include "engine/design_tables.h"

namespace engine {
namespace {

TEST(LoadDesignTables, NoPreferencesRowGivesTheDefaultLimits) {
  DesignState s;
  s.StiffenerLimit = {9, 9, 9, 9, 9, 9};
  LoadDesignTables(s, std::nullopt);
  EXPECT_EQ(s.StiffenerLimit, (std::array<int32_t, 6>{0, 50, 250, 450, 25, 100}));
}

TEST(LoadDesignTables, ARowGivesItsFiveLimits) {
  DesignState s;
  LoadDesignTables(s, std::array<int32_t, 5>{5, 300, 600, 50, 150});
  EXPECT_EQ(s.StiffenerLimit, (std::array<int32_t, 6>{0, 5, 300, 600, 50, 150}));
}

TEST(LoadDesignTables, ARowWithoutAPositiveIncrementGivesTheDefaults) {
  // A NULL read as 0 must not leave a zero increment for the stiffener search.
  DesignState s;
  LoadDesignTables(s, std::array<int32_t, 5>{0, 300, 600, 50, 150});
  EXPECT_EQ(s.StiffenerLimit, (std::array<int32_t, 6>{0, 50, 250, 450, 25, 100}));
  LoadDesignTables(s, std::array<int32_t, 5>{-5, 300, 600, 50, 150});
  EXPECT_EQ(s.StiffenerLimit[1], 50);
}

TEST(MaxSignWidthTable, QuotedValues) {
  for (int category = 1; category <= 4; ++category) EXPECT_EQ(MaxSignWidthTable(category, 2, 1), 2900);
  EXPECT_EQ(MaxSignWidthTable(1, 1, 1), 1320);
  EXPECT_EQ(MaxSignWidthTable(4, 1, 1), 900);
  EXPECT_EQ(MaxSignWidthTable(3, 2, 2), 4750);
  EXPECT_EQ(MaxSignWidthTable(4, 4, 2), 6400);
  EXPECT_EQ(MaxSignWidthTable(0, 2, 1), 0);
  EXPECT_EQ(MaxSignWidthTable(1, 5, 1), 0);
  EXPECT_EQ(MaxSignWidthTable(1, 1, 3), 0);
}

TEST(MaxSignWidthTable, WiderWithMorePostsAndTheSecondStiffenerType) {
  for (int c = 1; c <= 4; ++c)
    for (int p = 1; p <= 4; ++p) {
      if (p > 1) {
        EXPECT_GT(MaxSignWidthTable(c, p, 1), MaxSignWidthTable(c, p - 1, 1));
      }
      EXPECT_GT(MaxSignWidthTable(c, p, 2), MaxSignWidthTable(c, p, 1));
      if (c > 1) {
        EXPECT_LE(MaxSignWidthTable(c, p, 2), MaxSignWidthTable(c - 1, p, 2));
      }
    }
}

TEST(PostEdgeDistances, QuotedValues) {
  EXPECT_EQ(PostEdgeDistances(1, 1), 700);
  EXPECT_EQ(PostEdgeDistances(2, 2), 1200);
  EXPECT_EQ(PostEdgeDistances(3, 1), 550);
  EXPECT_EQ(PostEdgeDistances(4, 2), 800);
  EXPECT_EQ(PostEdgeDistances(0, 1), 0);
}

TEST(PostLoadThresholds, AscendingToOneHundredAndFifteen) {
  EXPECT_FLOAT_EQ(PostLoadThresholds(1), 0.6F);
  EXPECT_FLOAT_EQ(PostLoadThresholds(12), 11.57F);
  EXPECT_FLOAT_EQ(PostLoadThresholds(31), 80.0F);
  EXPECT_FLOAT_EQ(PostLoadThresholds(32), 115.0F);
  EXPECT_EQ(PostLoadThresholds(0), 0.0F);
  for (int row = 2; row <= kSectionRows; ++row) EXPECT_GT(PostLoadThresholds(row), PostLoadThresholds(row - 1));
}

TEST(PostTables, SingleNoSectionRowsAndEmptyRows) {
  EXPECT_EQ(ChsPostTable(1, 9), "125 NB");
  EXPECT_EQ(ChsPostWallTable(1, 9), "5.0/3.5");
  EXPECT_EQ(RhsPostTable(1, 7), "100x50");
  for (int row = 10; row <= kSectionRows; ++row) EXPECT_EQ(ChsPostTable(1, row), "X") << row;
  for (int row = 8; row <= kSectionRows; ++row) EXPECT_EQ(RhsPostTable(1, row), "X") << row;
  for (int posts = 1; posts <= 4; ++posts) {
    for (int row = 22; row <= kSectionRows; ++row) {
      EXPECT_EQ(ChsPostTable(posts, row), "X");
      EXPECT_EQ(ChsPostWallTable(posts, row), "X");
    }
    for (int row = 27; row <= kSectionRows; ++row) {
      EXPECT_EQ(RhsPostTable(posts, row), "X");
      EXPECT_EQ(RhsPostWallTable(posts, row), "X");
    }
  }
  for (int row = 1; row <= kSectionRows; ++row) {
    EXPECT_EQ(TrussPostTable(1, row), "X");
    EXPECT_EQ(TrussPostWallTable(1, row), "X");
  }
}

TEST(PostTables, QuotedCells) {
  EXPECT_EQ(ChsPostTable(4, 1), "65 NB");
  EXPECT_EQ(ChsPostWallTable(4, 1), "3.2");
  EXPECT_EQ(ChsPostTable(3, 17), "150 NB");
  EXPECT_EQ(ChsPostTable(3, 18), "X");
  EXPECT_EQ(ChsPostTable(4, 21), "150 NB");
  EXPECT_EQ(RhsPostTable(2, 11), "125x75");
  EXPECT_EQ(RhsPostWallTable(2, 11), "3");
  EXPECT_EQ(RhsPostWallTable(2, 12), "5");
  EXPECT_EQ(RhsPostTable(4, 26), "200x100");
  EXPECT_EQ(TrussPostTable(2, 22), "65NB");
  EXPECT_EQ(TrussPostTable(2, 23), "80NB");
  EXPECT_EQ(TrussPostWallTable(2, 25), "4.8");
  EXPECT_EQ(TrussPostTable(2, 29), "X");
  EXPECT_EQ(TrussPostTable(3, 32), "80NB");
  EXPECT_EQ(TrussPostWallTable(3, 32), "X");
  EXPECT_EQ(TrussPostWallTable(4, 32), "4.8");
  EXPECT_EQ(ChsPostTable(0, 1), "");
  EXPECT_EQ(ChsPostTable(1, 33), "");
}

// Every section named by a post table is in its section list, so the footing
// lookup by position always finds a row.
TEST(PostTables, EverySectionIsInItsList) {
  for (int posts = 1; posts <= 4; ++posts)
    for (int row = 1; row <= kSectionRows; ++row) {
      const std::string_view chs = ChsPostTable(posts, row);
      if (chs != "X") {
        bool found = false;
        for (int p = 1; p <= kChsSectionCount; ++p) found = found || ChsSectionNames(p) == chs;
        EXPECT_TRUE(found) << chs;
      }
      const std::string_view rhs = RhsPostTable(posts, row);
      if (rhs != "X") {
        bool found = false;
        for (int p = 1; p <= kRhsSectionCount; ++p) found = found || RhsSectionNames(p) == rhs;
        EXPECT_TRUE(found) << rhs;
      }
    }
}

TEST(SectionLists, RepeatedTextsFirstMatch) {
  EXPECT_EQ(RhsSectionNames(3), "125x75");
  EXPECT_EQ(RhsSectionNames(4), "125x75");
  EXPECT_EQ(TrussSectionNames(3), "80NB s=750");
  EXPECT_EQ(TrussSectionNames(5), "80NB s=750");
  EXPECT_EQ(TrussSectionNames(4), "80NB s=1000");
  EXPECT_EQ(TrussSectionNames(6), "80NB s=1000");
  EXPECT_EQ(ChsSectionNames(1), "50 NB");
  EXPECT_EQ(ChsSectionNames(7), "150 NB");
  EXPECT_EQ(RhsSectionNames(7), "");
  EXPECT_EQ(TrussSectionNames(0), "");
}

TEST(FootingTables, QuotedValues) {
  EXPECT_EQ(RhsScrewDiameter(6, 2), 300);
  EXPECT_EQ(RhsScrewDiameter(6, 1), 350);
  EXPECT_EQ(RhsScrewDiameter(6, 3), 350);
  EXPECT_EQ(RhsScrewDiameter(6, 4), 350);
  EXPECT_EQ(ChsFootingDiameter(7, 1), 600);
  EXPECT_EQ(ChsFootingDepth(7, 3), 1600);
  EXPECT_EQ(ChsScrewDiameter(1, 4), 200);
  EXPECT_EQ(ChsScrewDepth(1, 3), 900);
  EXPECT_EQ(RhsFootingDiameter(4, 1), 600);
  EXPECT_EQ(RhsFootingDepth(6, 3), 2000);
  EXPECT_EQ(RhsScrewDepth(1, 2), 600);
  EXPECT_EQ(TrussFootingDepth(1, 3), 1600);
  EXPECT_EQ(TrussFootingDepth(6, 1), 2000);
  EXPECT_EQ(ChsFootingDiameter(8, 1), 0);
  EXPECT_EQ(ChsFootingDiameter(1, 5), 0);
}

TEST(FootingTables, TrussFootingSizeFollowsTheSpacing) {
  for (int position = 1; position <= kTrussSectionCount; ++position)
    for (int soil = 1; soil <= kSoilTypes; ++soil) {
      const std::string name(TrussSectionNames(position));
      const bool wide = name.ends_with(" s=1000");
      EXPECT_EQ(TrussFootingSize(position, soil), wide ? "500x1500" : "500x1200") << position << " " << soil;
    }
}

TEST(FootingTables, EveryUsedCellIsSet) {
  for (int soil = 1; soil <= kSoilTypes; ++soil) {
    for (int p = 1; p <= kChsSectionCount; ++p) {
      EXPECT_GT(ChsFootingDiameter(p, soil), 0);
      EXPECT_GT(ChsFootingDepth(p, soil), 0);
      EXPECT_GT(ChsScrewDiameter(p, soil), 0);
      EXPECT_GT(ChsScrewDepth(p, soil), 0);
    }
    for (int p = 1; p <= kRhsSectionCount; ++p) {
      EXPECT_GT(RhsFootingDiameter(p, soil), 0);
      EXPECT_GT(RhsFootingDepth(p, soil), 0);
      EXPECT_GT(RhsScrewDiameter(p, soil), 0);
      EXPECT_GT(RhsScrewDepth(p, soil), 0);
    }
    for (int p = 1; p <= kTrussSectionCount; ++p) EXPECT_GT(TrussFootingDepth(p, soil), 0);
  }
}

}  // namespace
}  // namespace engine
