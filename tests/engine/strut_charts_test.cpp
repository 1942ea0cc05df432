#include <gtest/gtest.h>

#include <array>
#include <cmath>
#include <optional>
#include <utility>
#include <vector>

#include "engine/design_tables.h"

namespace engine {
namespace {

using Span = std::optional<std::pair<int, int>>;  // first..last non-zero column of a row
constexpr Span kNone = std::nullopt;
constexpr Span kAll = std::pair<int, int>{1, 11};
constexpr Span Cols(int first, int last) { return std::pair<int, int>{first, last}; }

struct Grid {
  char chart;
  int category;
  int member;
  std::vector<Span> rows;
};

// The known non-zero cells of every grid.
const std::vector<Grid>& Grids() {
  static const std::vector<Grid> grids = {
      {'A', 1, 1, {kNone, Cols(6, 11), Cols(5, 11), Cols(3, 11), kAll, kAll, kAll, kAll, kAll, kAll}},
      {'A', 2, 1, {kNone, Cols(4, 11), kAll, kAll, kAll, kAll, kAll, kAll, kAll, kAll}},
      {'A', 3, 1, {Cols(3, 6), kAll, kAll, kAll, kAll, kAll, kAll, kAll, kAll, kAll}},
      {'A', 4, 1, {Cols(1, 6), kAll, kAll, kAll, kAll, kAll, kAll, kAll, kAll, kAll}},
      {'A', 1, 2, {kNone, kNone, kNone, Cols(10, 11), Cols(8, 11), Cols(6, 11), Cols(3, 11), kAll, kAll, kAll}},
      {'A', 2, 2, {kNone, Cols(9, 11), Cols(7, 11), Cols(5, 11), kAll, kAll, kAll, kAll, kAll, kAll}},
      {'A', 3, 2, {kNone, Cols(5, 11), kAll, kAll, kAll, kAll, kAll, kAll, kAll, kAll}},
      {'A', 4, 2, {Cols(5, 7), kAll, kAll, kAll, kAll, kAll, kAll, kAll, kAll, kAll}},
      {'B', 1, 1, {kNone, Cols(8, 10), Cols(5, 11), kAll, kAll, kAll, kAll}},
      {'B', 2, 1, {kNone, Cols(6, 10), kAll, kAll, kAll, kAll, kAll}},
      {'B', 3, 1, {kNone, Cols(2, 10), kAll, kAll, kAll, kAll, kAll}},
      {'B', 4, 1, {Cols(4, 8), Cols(1, 10), kAll, kAll, kAll, kAll, kAll}},
      {'B', 1, 2, {kNone, kNone, Cols(11, 11), Cols(9, 11), Cols(5, 11), kAll, kAll}},
      {'B', 2, 2, {kNone, Cols(11, 11), Cols(8, 11), Cols(4, 11), kAll, kAll, kAll}},
      {'B', 3, 2, {kNone, Cols(8, 11), Cols(4, 11), kAll, kAll, kAll, kAll}},
      {'B', 4, 2, {Cols(9, 10), Cols(5, 11), kAll, kAll, kAll, kAll, kAll}},
  };
  return grids;
}

float Cell(char chart, int row, int column, int category, int member) {
  return chart == 'A' ? StrutChartA(row, column, category, member) : StrutChartB(row, column, category, member);
}

TEST(StrutCharts, SixteenGridsCoverEveryCategoryAndMember) {
  int a = 0;
  int b = 0;
  for (const Grid& g : Grids()) {
    ASSERT_EQ(g.rows.size(), static_cast<std::size_t>(g.chart == 'A' ? kStrutChartARows : kStrutChartBRows));
    (g.chart == 'A' ? a : b) += static_cast<int>(g.rows.size()) * kStrutChartColumns;
  }
  EXPECT_EQ(a, 880);
  EXPECT_EQ(b, 616);
}

TEST(StrutCharts, ZeroPatternRangeAndHalfSteps) {
  for (const Grid& g : Grids()) {
    for (int row = 1; row <= static_cast<int>(g.rows.size()); ++row) {
      const Span& span = g.rows[static_cast<std::size_t>(row - 1)];
      for (int column = 1; column <= kStrutChartColumns; ++column) {
        SCOPED_TRACE(testing::Message() << g.chart << " category " << g.category << " member " << g.member
                                        << " row " << row << " column " << column);
        const float v = Cell(g.chart, row, column, g.category, g.member);
        const bool set = span && column >= span->first && column <= span->second;
        if (!set) {
          EXPECT_EQ(v, 0.0F);
          continue;
        }
        EXPECT_GE(v, 8.5F);
        EXPECT_LE(v, 145.0F);
        EXPECT_EQ(std::fmod(v * 2.0F, 1.0F), 0.0F);
      }
    }
  }
}

TEST(StrutCharts, NoValueRisesAlongARowOrDownAColumn) {
  for (const Grid& g : Grids()) {
    const int rows = static_cast<int>(g.rows.size());
    for (int row = 1; row <= rows; ++row)
      for (int column = 1; column <= kStrutChartColumns; ++column) {
        const float v = Cell(g.chart, row, column, g.category, g.member);
        if (v == 0.0F) continue;
        SCOPED_TRACE(testing::Message() << g.chart << " category " << g.category << " member " << g.member
                                        << " row " << row << " column " << column);
        // Every non-zero cell further right or further down, zeros aside.
        for (int c = column + 1; c <= kStrutChartColumns; ++c) {
          const float right = Cell(g.chart, row, c, g.category, g.member);
          if (right != 0.0F) {
            EXPECT_LE(right, v);
          }
        }
        for (int r = row + 1; r <= rows; ++r) {
          const float below = Cell(g.chart, r, column, g.category, g.member);
          if (below != 0.0F) {
            EXPECT_LE(below, v);
          }
        }
      }
  }
}

TEST(StrutCharts, IndexZeroAndOutsideIndexesReadZero) {
  for (int category = 0; category <= 5; ++category)
    for (int member = 0; member <= 3; ++member)
      for (int row = 0; row <= 11; ++row)
        for (int column = 0; column <= 12; ++column) {
          const bool insideA = category >= 1 && category <= 4 && member >= 1 && member <= 2 && row >= 1 &&
                               row <= kStrutChartARows && column >= 1 && column <= kStrutChartColumns;
          const bool insideB = insideA && row <= kStrutChartBRows;
          if (!insideA) {
            EXPECT_EQ(StrutChartA(row, column, category, member), 0.0F);
          }
          if (!insideB) {
            EXPECT_EQ(StrutChartB(row, column, category, member), 0.0F);
          }
        }
}

void ExpectRow(char chart, int category, int member, int row, const std::array<float, 11>& values) {
  for (int column = 1; column <= kStrutChartColumns; ++column)
    EXPECT_EQ(Cell(chart, row, column, category, member), values[static_cast<std::size_t>(column - 1)])
        << chart << " category " << category << " member " << member << " row " << row << " column " << column;
}

TEST(StrutCharts, KnownGridOfChartA) {
  EXPECT_EQ(StrutChartA(5, 5, 1, 1), 97.0F);
  const std::array<std::array<float, 11>, 10> grid{{
      {0, 0, 0, 0, 0, 0, 0, 0, 0, 0, 0},
      {0, 0, 0, 0, 0, 145, 125, 109, 96, 85, 76},
      {0, 0, 0, 0, 132, 123.5F, 110, 97, 86.5F, 77, 69},
      {0, 0, 132, 122.5F, 113.5F, 104.5F, 96, 88.5F, 79, 71, 64},
      {121, 116, 110, 104, 97, 91, 84.5F, 78.5F, 72.5F, 66, 60},
      {102, 99, 95, 90, 85, 80, 75.5F, 70.5F, 65.5F, 61.5F, 56.5F},
      {89, 86, 83, 79.5F, 75.5F, 72, 68, 64, 60, 56.5F, 53},
      {78, 76, 74, 71, 68, 65, 61.5F, 58, 55, 52, 49},
      {70, 68, 66, 64, 62, 59, 56.5F, 54, 51, 48, 46},
      {63, 62, 60, 58.5F, 56, 54, 52, 50, 47.5F, 45, 43},
  }};
  for (int row = 1; row <= 10; ++row) ExpectRow('A', 1, 1, row, grid[static_cast<std::size_t>(row - 1)]);
}

TEST(StrutCharts, KnownGridOfChartB) {
  EXPECT_EQ(StrutChartB(4, 1, 1, 1), 132.0F);
  const std::array<std::array<float, 11>, 7> grid{{
      {0, 0, 0, 0, 0, 0, 0, 0, 0, 0, 0},
      {0, 0, 0, 0, 0, 0, 0, 139, 122, 108, 0},
      {0, 0, 0, 0, 140, 125, 109, 96, 85.5F, 76, 69},
      {132, 127.5F, 118, 108, 99, 90, 81, 72, 64, 57, 51.5F},
      {97, 91.5F, 85.5F, 80, 74, 68, 62, 56, 50.5F, 45.5F, 40.5F},
      {73.5F, 70, 65.5F, 61, 57, 53, 49, 45, 40.5F, 37, 33},
      {56.5F, 54, 51, 48, 45, 42, 39, 36, 33.5F, 30.5F, 28},
  }};
  for (int row = 1; row <= 7; ++row) ExpectRow('B', 1, 1, row, grid[static_cast<std::size_t>(row - 1)]);
}

TEST(StrutCharts, KnownRowsOfOtherGrids) {
  ExpectRow('A', 1, 2, 10, {104, 103, 101, 99, 96, 93, 90, 87, 84, 80, 77});
  ExpectRow('A', 4, 1, 1, {130, 111, 93, 76, 63, 53, 0, 0, 0, 0, 0});
  ExpectRow('A', 4, 1, 10, {19.5F, 19.5F, 19, 18.5F, 18, 17, 16.5F, 16, 15, 14.5F, 14});
  ExpectRow('A', 4, 2, 1, {0, 0, 0, 0, 122, 103.5F, 89, 0, 0, 0, 0});
  ExpectRow('B', 4, 1, 7, {17, 16.5F, 15.5F, 14.5F, 14, 13, 12, 11, 10, 9.5F, 8.5F});
  ExpectRow('B', 4, 2, 1, {0, 0, 0, 0, 0, 0, 0, 0, 129, 114, 0});
}

// Higher wind categories carry less; the larger member carries more. The
// estimated grids must keep that order wherever both cells apply.
TEST(StrutCharts, EstimatesKeepTheOrderOfCategoriesAndMembers) {
  for (char chart : {'A', 'B'}) {
    const int rows = chart == 'A' ? kStrutChartARows : kStrutChartBRows;
    for (int row = 1; row <= rows; ++row)
      for (int column = 1; column <= kStrutChartColumns; ++column)
        for (int member = 1; member <= 2; ++member)
          for (int category = 2; category <= 4; ++category) {
            const float lower = Cell(chart, row, column, category - 1, member);
            const float higher = Cell(chart, row, column, category, member);
            if (lower != 0.0F && higher != 0.0F && lower < 145.0F) {
              EXPECT_LE(higher, lower) << chart << " " << row << " " << column << " " << category << " " << member;
            }
          }
  }
}

}  // namespace
}  // namespace engine
