#pragma once
// The engineering tables of the design run, as constant data. Every table is
// read through a function taking the indexes in their documented order; index
// 0 of every axis, and any index outside a table, reads 0 or the empty text.

#include <array>
#include <cstdint>
#include <optional>
#include <string_view>

#include "engine/design_state.h"

namespace engine {

// ---- Stiffener limits -----------------------------------------------------

// Limits 1..5 used when the Preferences table has no usable first row.
inline constexpr std::array<int32_t, 5> kDefaultStiffenerLimits{50, 250, 450, 25, 100};

// Sets state.StiffenerLimit 1..5 from the first Preferences row the database
// read (its first five columns). No row, or a row the database could not read
// as five numbers (NULL, not a number, missing table), is passed as nullopt
// and gives the defaults. A row whose spacing increment is not above 0 would
// stall the stiffener search, so it also gives the defaults. The other tables
// are constant data and need no loading.
void LoadDesignTables(DesignState& state, const std::optional<std::array<int32_t, 5>>& preferencesRow);

// ---- Post count, spacing and section rows ------------------------------------

inline constexpr int kWindCategories = 4;
inline constexpr int kMaxPosts = 4;
inline constexpr int kStiffenerTypes = 2;
inline constexpr int kSectionRows = 32;

// Largest widest-panel width (mm) carried by wind category 1..4, posts 1..4,
// stiffener type 1..2.
int32_t MaxSignWidthTable(int category, int posts, int stiffenerType);
// Post edge distance (mm) by wind region 1..4 and stiffener type 1..2.
int32_t PostEdgeDistances(int windRegion, int stiffenerType);
// Upper design-moment limit of section row 1..32, ascending.
float PostLoadThresholds(int row);

// Post section and wall texts by number of posts 1..4 and section row 1..32;
// "X" in both means no section.
std::string_view ChsPostTable(int posts, int row);
std::string_view ChsPostWallTable(int posts, int row);
std::string_view RhsPostTable(int posts, int row);
std::string_view RhsPostWallTable(int posts, int row);
std::string_view TrussPostTable(int posts, int row);
std::string_view TrussPostWallTable(int posts, int row);

// ---- Section lists and footings -------------------------------------------

inline constexpr int kChsSectionCount = 7;
inline constexpr int kRhsSectionCount = 6;
inline constexpr int kTrussSectionCount = 6;
inline constexpr int kSoilTypes = 4;

// Section texts in order of increasing size, positions 1..count.
std::string_view ChsSectionNames(int position);
std::string_view RhsSectionNames(int position);
std::string_view TrussSectionNames(int position);

// Footings by section position and soil type 1..4, mm.
int32_t ChsFootingDiameter(int position, int soilType);
int32_t ChsFootingDepth(int position, int soilType);
int32_t ChsScrewDiameter(int position, int soilType);
int32_t ChsScrewDepth(int position, int soilType);
int32_t RhsFootingDiameter(int position, int soilType);
int32_t RhsFootingDepth(int position, int soilType);
int32_t RhsScrewDiameter(int position, int soilType);
int32_t RhsScrewDepth(int position, int soilType);
std::string_view TrussFootingSize(int position, int soilType);
int32_t TrussFootingDepth(int position, int soilType);

// ---- Strut capacity charts --------------------------------------------------

inline constexpr int kStrutChartARows = 10;    // eccentricity 0.1 .. 1.0 m
inline constexpr int kStrutChartBRows = 7;     // panel height 1.0 .. 4.0 m
inline constexpr int kStrutChartColumns = 11;  // height 2.0 .. 7.0 m
inline constexpr int kStrutMembers = 2;        // 1 "50 NB", 2 "65 NB"

// Chart A by row (eccentricity), column (height), wind category 1..4 and
// member 1..2; chart B by row (panel height), column, category and member.
// 0 marks a cell that does not apply.
float StrutChartA(int row, int column, int category, int member);
float StrutChartB(int row, int column, int category, int member);

}  // namespace engine
