#include "engine/clear_zone_entries.h"

#include <charconv>
#include <cmath>
#include <cstddef>

#include "engine/clear_zone.h"
#include "engine/values.h"

namespace engine {

std::optional<int> SpeedItemFor(int32_t road_speed) {
  for (std::size_t item = 0; item < ClearZoneSpeedItems.size(); ++item)
    if (road_speed <= ClearZoneSpeedItems[item]) return static_cast<int>(item);
  return std::nullopt;
}

AadtChoice AadtChoiceFor(int32_t aadt) {
  if (aadt < 751) return {0, 749};
  if (aadt <= 1500) return {1, 1499};
  if (aadt <= 6000) return {2, 5999};
  return {3, 6001};
}

std::optional<double> ReadWholeText(std::string_view text) {
  std::string_view number = Trim(text);
  // from_chars takes a "-" but not a "+"; one "+" before the digits is fine.
  if (!number.empty() && number.front() == '+') {
    number.remove_prefix(1);
    if (!number.empty() && (number.front() == '+' || number.front() == '-')) return std::nullopt;
  }
  if (number.empty()) return std::nullopt;
  double value = 0;
  const char* end = number.data() + number.size();
  const auto [ptr, error] = std::from_chars(number.data(), end, value, std::chars_format::general);
  if (ptr != end) return std::nullopt;
  // A number beyond the range reads as Val reads it: beyond every limit.
  if (error == std::errc::result_out_of_range) return Val(number);
  if (error != std::errc() || !std::isfinite(value)) return std::nullopt;
  return value;
}

namespace {

int32_t Checked(std::string_view text, double low, double high, int32_t otherwise) {
  const std::optional<double> value = ReadWholeText(text);
  if (!value) return otherwise;
  if (*value < low) return ToInt32(low);
  if (*value > high) return ToInt32(high);
  return ToInt32(*value);
}

}  // namespace

int32_t CheckedRadius(std::string_view text) { return Checked(text, 100, 900, 100); }

int32_t CheckedBarrierDistance(std::string_view text, int64_t total_slope_length) {
  return Checked(text, 0, static_cast<double>(total_slope_length), 0);
}

int64_t TotalSlopeLength(const DesignRecord& design) {
  int64_t total = 0;
  for (std::size_t k = 1; k <= 6; ++k) total += design.SegLength[k];
  return total;
}

ClearZoneEntries InitialClearZoneEntries(const SupportDesign& support, const DesignRecord& design) {
  ClearZoneEntries entries;
  const std::optional<int> speed = SpeedItemFor(support.RoadSpeed);
  entries.RoadSpeed = speed ? ClearZoneSpeedItems[static_cast<std::size_t>(*speed)] : 0;
  entries.AADT = AadtChoiceFor(support.AADT).value;
  entries.CurvedRoad = support.CurvedRoad != 0 ? FlagTrue : FlagFalse;
  entries.Curvature = CheckedRadius(StrInteger(support.Curvature));
  entries.Barrier = support.Barrier != 0 ? FlagTrue : FlagFalse;
  entries.BarrierDistance =
      entries.Barrier != 0 ? CheckedBarrierDistance(StrInteger(support.BarrierDistance), TotalSlopeLength(design))
                           : support.BarrierDistance;
  return entries;
}

ClearZoneFigures ComputeClearZoneFigures(const DesignRecord& design, const ClearZoneEntries& entries) {
  const bool curved = entries.CurvedRoad != 0;
  ClearZoneFigures figures;
  figures.ActualTerrain = ComputeClearZone(design, entries.Curvature, entries.RoadSpeed, entries.AADT,
                                           entries.Barrier != 0 ? entries.BarrierDistance : -1, curved);
  figures.LevelTerrain = LevelTerrainClearZone(design, entries.Curvature, entries.RoadSpeed, entries.AADT, curved);
  return figures;
}

ClearZoneDisplay DescribeClearZone(int32_t level, int32_t actual, bool kind_has_design, bool barrier) {
  ClearZoneDisplay display;
  if (actual < 0) {
    // No figure: the reason instead, and no warning about a figure not shown.
    if (actual == ClearZoneCurveTooSharp) display.ActualText = kCurveTooSharpText;
    if (actual == ClearZoneTooComplex) display.ActualText = kTooComplexText;
  } else {
    display.Sketch = kind_has_design;
    display.BarrierBar = kind_has_design && barrier;
    display.ActualText = "Clear zone for actual terrain = " + ClearZoneMetres(actual);
    display.Warning = actual > 6000;
  }
  display.LevelText = level == ClearZoneCurveTooSharp ? std::string(kCurveTooSharpText)
                                                      : "Clear zone for level terrain = " + ClearZoneMetres(level);
  return display;
}

std::string ClearZoneMetres(int32_t millimetres) {
  char buffer[64];
  const auto result = std::to_chars(buffer, buffer + sizeof buffer, millimetres / 1000.0,
                                    std::chars_format::fixed);
  return std::string(buffer, result.ptr) + "m";
}

}  // namespace engine
