#pragma once
// Storage of the two strut capacity charts; read them through StrutChartA and
// StrutChartB (engine/design_tables.h).

#include <array>

namespace engine {

// [row 0..rows][column 0..11]
using StrutChartAGrid = std::array<std::array<float, 12>, 11>;
using StrutChartBGrid = std::array<std::array<float, 12>, 8>;
// [wind category 0..4][member 0..2]
using StrutChartAData = std::array<std::array<StrutChartAGrid, 3>, 5>;
using StrutChartBData = std::array<std::array<StrutChartBGrid, 3>, 5>;

extern const StrutChartAData kStrutChartA;
extern const StrutChartBData kStrutChartB;

}  // namespace engine
