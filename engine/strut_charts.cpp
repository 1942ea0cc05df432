#include <cstddef>

#include "engine/design_tables.h"
#include "engine/strut_chart_data.h"

namespace engine {

namespace {

template <typename Data>
float ChartCell(const Data& data, int row, int column, int category, int member) {
  const auto inside = [](int index, std::size_t size) {
    return index >= 1 && static_cast<std::size_t>(index) < size;
  };
  if (!inside(category, data.size()) || !inside(member, data[0].size())) return 0.0F;
  const auto& grid = data[static_cast<std::size_t>(category)][static_cast<std::size_t>(member)];
  if (!inside(row, grid.size()) || !inside(column, grid[0].size())) return 0.0F;
  return grid[static_cast<std::size_t>(row)][static_cast<std::size_t>(column)];
}

}  // namespace

float StrutChartA(int row, int column, int category, int member) {
  return ChartCell(kStrutChartA, row, column, category, member);
}

float StrutChartB(int row, int column, int category, int member) {
  return ChartCell(kStrutChartB, row, column, category, member);
}

}  // namespace engine
