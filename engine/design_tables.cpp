#include "engine/design_tables.h"

#include <cstddef>

namespace engine {

namespace {

template <typename T, std::size_t N>
T At(const std::array<T, N>& a, int i) {
  if (i < 1 || static_cast<std::size_t>(i) >= N) return T{};
  return a[static_cast<std::size_t>(i)];
}

template <typename T, std::size_t N, std::size_t M>
T At(const std::array<std::array<T, M>, N>& a, int i, int j) {
  if (i < 1 || static_cast<std::size_t>(i) >= N) return T{};
  return At(a[static_cast<std::size_t>(i)], j);
}

// ---- Largest sign width ------------------------------------------------------

// [stiffener type][posts][wind category]
constexpr std::array<std::array<std::array<int32_t, 5>, 5>, 3> kMaxSignWidth{{
    {},
    {{{}, {0, 1320, 1200, 1020, 900}, {0, 2900, 2900, 2900, 2900}, {0, 4700, 4700, 3700, 3000},
      {0, 5500, 5500, 4400, 3600}}},
    {{{}, {0, 1800, 1800, 1800, 1600}, {0, 5600, 5600, 4750, 4000}, {0, 8000, 8000, 6300, 5300},
      {0, 9600, 9600, 7600, 6400}}},
}};

// [wind region][stiffener type]
constexpr std::array<std::array<int32_t, 3>, 5> kPostEdgeDistances{{
    {}, {0, 700, 1200}, {0, 700, 1200}, {0, 550, 950}, {0, 450, 800}}};

constexpr std::array<float, 33> kPostLoadThresholds{
    0.0F,
    0.6F,  1.1F,  1.25F,  1.4F,  1.5F,  2.05F, 2.75F, 3.05F,
    4.15F, 5.7F,  8.4F,   11.57F, 12.5F, 14.6F, 15.62F, 16.45F,
    17.7F, 17.85F, 18.5F, 22.3F, 23.3F, 26.6F, 33.5F, 37.5F,
    39.0F, 45.0F, 52.0F,  53.2F, 56.0F, 74.4F, 80.0F, 115.0F};

// ---- Post section tables -----------------------------------------------------

// A run of section rows sharing one content: section and wall for 1 to 4 posts.
struct SectionRun {
  int first;
  int last;
  std::array<std::string_view, 8> cells;  // section 1, wall 1, section 2, wall 2, ...
};

// [posts][row] of sections (column 0) or walls (column 1).
using PostTable = std::array<std::array<std::array<std::string_view, 33>, 5>, 2>;

template <std::size_t R>
constexpr PostTable Expand(const std::array<SectionRun, R>& runs) {
  PostTable table{};
  for (const SectionRun& run : runs)
    for (int row = run.first; row <= run.last; ++row)
      for (int posts = 1; posts <= 4; ++posts) {
        table[0][posts][row] = run.cells[static_cast<std::size_t>(2 * (posts - 1))];
        table[1][posts][row] = run.cells[static_cast<std::size_t>(2 * (posts - 1) + 1)];
      }
  return table;
}

constexpr std::array<SectionRun, 22> kChsRuns{{
    {1, 1, {"50 NB", "2.9", "50 NB", "2.9", "50 NB", "2.9", "65 NB", "3.2"}},
    {2, 2, {"65 NB", "3.2", "50 NB", "2.9", "50 NB", "2.9", "65 NB", "3.2"}},
    {3, 3, {"80 NB", "3.2", "50 NB", "2.9", "50 NB", "2.9", "65 NB", "3.2"}},
    {4, 4, {"80 NB", "3.2", "65 NB", "3.2", "50 NB", "2.9", "65 NB", "3.2"}},
    {5, 5, {"80 NB", "3.2", "65 NB", "3.2", "50 NB", "2.9", "65 NB", "3.2"}},
    {6, 6, {"90 NB", "3.2", "65 NB", "3.2", "50 NB", "2.9", "65 NB", "3.2"}},
    {7, 7, {"100 NB", "3.6", "80 NB", "3.2", "65 NB", "3.2", "65 NB", "3.2"}},
    {8, 8, {"100 NB", "3.6", "80 NB", "3.2", "65 NB", "3.2", "65 NB", "3.2"}},
    {9, 9, {"125 NB", "5.0/3.5", "90 NB", "3.2", "80 NB", "3.2", "65 NB", "3.2"}},
    {10, 10, {"X", "X", "100 NB", "3.6", "90 NB", "3.2", "80 NB", "3.2"}},
    {11, 11, {"X", "X", "125 NB", "5.0/3.5", "100 NB", "3.6", "90 NB", "3.2"}},
    {12, 12, {"X", "X", "150 NB", "5.0/3.5", "125 NB", "5.0/3.5", "100 NB", "3.6"}},
    {13, 13, {"X", "X", "X", "X", "150 NB", "5.0/3.5", "125 NB", "5.0/3.5"}},
    {14, 14, {"X", "X", "X", "X", "150 NB", "5.0/3.5", "125 NB", "5.0/3.5"}},
    {15, 15, {"X", "X", "X", "X", "150 NB", "5.0/3.5", "125 NB", "5.0/3.5"}},
    {16, 16, {"X", "X", "X", "X", "150 NB", "5.0/3.5", "125 NB", "5.0/3.5"}},
    {17, 17, {"X", "X", "X", "X", "150 NB", "5.0/3.5", "150 NB", "5.0/3.5"}},
    {18, 18, {"X", "X", "X", "X", "X", "X", "150 NB", "5.0/3.5"}},
    {19, 19, {"X", "X", "X", "X", "X", "X", "150 NB", "5.0/3.5"}},
    {20, 20, {"X", "X", "X", "X", "X", "X", "150 NB", "5.0/3.5"}},
    {21, 21, {"X", "X", "X", "X", "X", "X", "150 NB", "5.0/3.5"}},
    {22, 32, {"X", "X", "X", "X", "X", "X", "X", "X"}},
}};

constexpr std::array<SectionRun, 27> kRhsRuns{{
    {1, 1, {"75x50", "3", "75x50", "3", "75x50", "3", "75x50", "3"}},
    {2, 2, {"75x50", "3", "75x50", "3", "75x50", "3", "75x50", "3"}},
    {3, 3, {"75x50", "3", "75x50", "3", "75x50", "3", "75x50", "3"}},
    {4, 4, {"75x50", "3", "75x50", "3", "75x50", "3", "75x50", "3"}},
    {5, 5, {"100x50", "4", "75x50", "3", "75x50", "3", "75x50", "3"}},
    {6, 6, {"100x50", "4", "75x50", "3", "75x50", "3", "75x50", "3"}},
    {7, 7, {"100x50", "4", "75x50", "3", "75x50", "3", "75x50", "3"}},
    {8, 8, {"X", "X", "100x50", "4", "75x50", "3", "75x50", "3"}},
    {9, 9, {"X", "X", "100x50", "4", "75x50", "3", "75x50", "3"}},
    {10, 10, {"X", "X", "100x50", "4", "100x50", "4", "75x50", "3"}},
    {11, 11, {"X", "X", "125x75", "3", "100x50", "4", "100x50", "4"}},
    {12, 12, {"X", "X", "125x75", "5", "125x75", "3", "100x50", "4"}},
    {13, 13, {"X", "X", "150x100", "5", "125x75", "5", "125x75", "3"}},
    {14, 14, {"X", "X", "150x100", "5", "125x75", "5", "125x75", "3"}},
    {15, 15, {"X", "X", "200x100", "5", "125x75", "5", "125x75", "3"}},
    {16, 16, {"X", "X", "200x100", "5", "125x75", "5", "125x75", "5"}},
    {17, 17, {"X", "X", "200x100", "5", "125x75", "5", "125x75", "5"}},
    {18, 18, {"X", "X", "200x100", "5", "125x75", "5", "125x75", "5"}},
    {19, 19, {"X", "X", "200x100", "5", "150x100", "5", "125x75", "5"}},
    {20, 20, {"X", "X", "200x100", "5", "150x100", "5", "125x75", "5"}},
    {21, 21, {"X", "X", "X", "X", "200x100", "5", "125x75", "5"}},
    {22, 22, {"X", "X", "X", "X", "200x100", "5", "200x100", "5"}},
    {23, 23, {"X", "X", "X", "X", "200x100", "5", "200x100", "5"}},
    {24, 24, {"X", "X", "X", "X", "X", "X", "200x100", "5"}},
    {25, 25, {"X", "X", "X", "X", "X", "X", "200x100", "5"}},
    {26, 26, {"X", "X", "X", "X", "X", "X", "200x100", "5"}},
    {27, 32, {"X", "X", "X", "X", "X", "X", "X", "X"}},
}};

constexpr std::array<SectionRun, 9> kTrussRuns{{
    {1, 22, {"X", "X", "65NB", "3.2", "65NB", "3.2", "65NB", "3.2"}},
    {23, 24, {"X", "X", "80NB", "3.2", "65NB", "3.2", "65NB", "3.2"}},
    {25, 25, {"X", "X", "80NB", "4.8", "65NB", "3.2", "65NB", "3.2"}},
    {26, 27, {"X", "X", "80NB", "4.8", "80NB", "3.2", "65NB", "3.2"}},
    {28, 28, {"X", "X", "80NB", "4.8", "80NB", "3.2", "80NB", "3.2"}},
    {29, 29, {"X", "X", "X", "X", "80NB", "3.2", "80NB", "3.2"}},
    {30, 30, {"X", "X", "X", "X", "80NB", "4.8", "80NB", "3.2"}},
    {31, 31, {"X", "X", "X", "X", "80NB", "4.8", "80NB", "4.8"}},
    {32, 32, {"X", "X", "X", "X", "80NB", "X", "80NB", "4.8"}},
}};

constexpr PostTable kChsPost = Expand(kChsRuns);
constexpr PostTable kRhsPost = Expand(kRhsRuns);
constexpr PostTable kTrussPost = Expand(kTrussRuns);

// ---- Section lists and footings ------------------------------------------------

constexpr std::array<std::string_view, 8> kChsSections{
    "", "50 NB", "65 NB", "80 NB", "90 NB", "100 NB", "125 NB", "150 NB"};
constexpr std::array<std::string_view, 7> kRhsSections{
    "", "75x50", "100x50", "125x75", "125x75", "150x100", "200x100"};
constexpr std::array<std::string_view, 7> kTrussSections{
    "", "65NB s=750", "65NB s=1000", "80NB s=750", "80NB s=1000", "80NB s=750", "80NB s=1000"};

// [position][soil type]
template <std::size_t Positions>
using FootingTable = std::array<std::array<int32_t, 5>, Positions + 1>;

constexpr FootingTable<7> kChsFootingDiameter{{
    {}, {0, 300, 300, 300, 300}, {0, 300, 300, 300, 300}, {0, 300, 300, 300, 300}, {0, 450, 300, 300, 300},
    {0, 450, 450, 450, 300}, {0, 450, 450, 450, 450}, {0, 600, 450, 450, 450}}};
constexpr FootingTable<7> kChsFootingDepth{{
    {}, {0, 450, 450, 750, 750}, {0, 700, 500, 1000, 800}, {0, 900, 600, 1100, 900},
    {0, 750, 750, 1200, 1000}, {0, 900, 700, 1200, 1200}, {0, 1200, 800, 1350, 1200},
    {0, 1300, 1100, 1600, 1300}}};
constexpr FootingTable<7> kChsScrewDiameter{{
    {}, {0, 200, 200, 200, 200}, {0, 250, 250, 250, 250}, {0, 300, 300, 300, 300}, {0, 300, 300, 300, 300},
    {0, 350, 350, 350, 350}, {0, 350, 350, 350, 350}, {0, 350, 350, 350, 350}}};
constexpr FootingTable<7> kChsScrewDepth{{
    {}, {0, 600, 600, 900, 600}, {0, 1000, 600, 1200, 1000}, {0, 1500, 1000, 1500, 1000},
    {0, 1500, 1000, 1500, 1000}, {0, 1500, 1000, 1500, 1000}, {0, 1800, 1500, 1500, 1500},
    {0, 2000, 1500, 2000, 1500}}};

constexpr FootingTable<6> kRhsFootingDiameter{{
    {}, {0, 300, 300, 300, 300}, {0, 450, 450, 450, 300}, {0, 450, 450, 450, 450}, {0, 600, 450, 450, 450},
    {0, 600, 600, 450, 450}, {0, 600, 600, 450, 450}}};
constexpr FootingTable<6> kRhsFootingDepth{{
    {}, {0, 900, 600, 1100, 900}, {0, 900, 700, 1200, 1200}, {0, 1200, 800, 1350, 1200},
    {0, 1300, 1100, 1600, 1300}, {0, 1500, 1000, 1700, 1400}, {0, 1800, 1300, 2000, 1700}}};
constexpr FootingTable<6> kRhsScrewDiameter{{
    {}, {0, 250, 250, 250, 250}, {0, 300, 300, 300, 300}, {0, 350, 350, 350, 350}, {0, 350, 350, 350, 350},
    {0, 350, 350, 350, 350}, {0, 350, 300, 350, 350}}};
constexpr FootingTable<6> kRhsScrewDepth{{
    {}, {0, 1000, 600, 1000, 1000}, {0, 1500, 1000, 1500, 1000}, {0, 1500, 1000, 1500, 1000},
    {0, 1500, 1500, 1500, 1500}, {0, 1800, 1500, 1800, 1500}, {0, 2000, 1500, 2000, 1500}}};

constexpr std::array<std::array<std::string_view, 5>, 7> kTrussFootingSize{{
    {},
    {"", "500x1200", "500x1200", "500x1200", "500x1200"},
    {"", "500x1500", "500x1500", "500x1500", "500x1500"},
    {"", "500x1200", "500x1200", "500x1200", "500x1200"},
    {"", "500x1500", "500x1500", "500x1500", "500x1500"},
    {"", "500x1200", "500x1200", "500x1200", "500x1200"},
    {"", "500x1500", "500x1500", "500x1500", "500x1500"},
}};
constexpr FootingTable<6> kTrussFootingDepth{{
    {}, {0, 1300, 1300, 1600, 1600}, {0, 1300, 1300, 1600, 1600}, {0, 1600, 1600, 1900, 1900},
    {0, 1600, 1600, 1900, 1900}, {0, 2000, 2000, 2000, 2000}, {0, 2000, 2000, 2000, 2000}}};

std::string_view PostCell(const PostTable& table, int column, int posts, int row) {
  return At(table[static_cast<std::size_t>(column)], posts, row);
}

}  // namespace

void LoadDesignTables(DesignState& state, const std::optional<std::array<int32_t, 5>>& preferencesRow) {
  std::array<int32_t, 5> limits = kDefaultStiffenerLimits;
  if (preferencesRow && (*preferencesRow)[0] > 0) limits = *preferencesRow;
  state.StiffenerLimit[0] = 0;
  for (std::size_t i = 0; i < limits.size(); ++i) state.StiffenerLimit[i + 1] = limits[i];
}

int32_t MaxSignWidthTable(int category, int posts, int stiffenerType) {
  if (stiffenerType < 1 || stiffenerType > kStiffenerTypes) return 0;
  return At(kMaxSignWidth[static_cast<std::size_t>(stiffenerType)], posts, category);
}

int32_t PostEdgeDistances(int windRegion, int stiffenerType) { return At(kPostEdgeDistances, windRegion, stiffenerType); }
float PostLoadThresholds(int row) { return At(kPostLoadThresholds, row); }

std::string_view ChsPostTable(int posts, int row) { return PostCell(kChsPost, 0, posts, row); }
std::string_view ChsPostWallTable(int posts, int row) { return PostCell(kChsPost, 1, posts, row); }
std::string_view RhsPostTable(int posts, int row) { return PostCell(kRhsPost, 0, posts, row); }
std::string_view RhsPostWallTable(int posts, int row) { return PostCell(kRhsPost, 1, posts, row); }
std::string_view TrussPostTable(int posts, int row) { return PostCell(kTrussPost, 0, posts, row); }
std::string_view TrussPostWallTable(int posts, int row) { return PostCell(kTrussPost, 1, posts, row); }

std::string_view ChsSectionNames(int position) { return At(kChsSections, position); }
std::string_view RhsSectionNames(int position) { return At(kRhsSections, position); }
std::string_view TrussSectionNames(int position) { return At(kTrussSections, position); }

int32_t ChsFootingDiameter(int position, int soilType) { return At(kChsFootingDiameter, position, soilType); }
int32_t ChsFootingDepth(int position, int soilType) { return At(kChsFootingDepth, position, soilType); }
int32_t ChsScrewDiameter(int position, int soilType) { return At(kChsScrewDiameter, position, soilType); }
int32_t ChsScrewDepth(int position, int soilType) { return At(kChsScrewDepth, position, soilType); }
int32_t RhsFootingDiameter(int position, int soilType) { return At(kRhsFootingDiameter, position, soilType); }
int32_t RhsFootingDepth(int position, int soilType) { return At(kRhsFootingDepth, position, soilType); }
int32_t RhsScrewDiameter(int position, int soilType) { return At(kRhsScrewDiameter, position, soilType); }
int32_t RhsScrewDepth(int position, int soilType) { return At(kRhsScrewDepth, position, soilType); }
std::string_view TrussFootingSize(int position, int soilType) { return At(kTrussFootingSize, position, soilType); }
int32_t TrussFootingDepth(int position, int soilType) { return At(kTrussFootingDepth, position, soilType); }

}  // namespace engine
