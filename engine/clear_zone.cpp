#include "engine/clear_zone.h"

#include <cstddef>

#include "engine/values.h"

namespace engine {
namespace {

constexpr std::size_t At(int index) { return static_cast<std::size_t>(index); }

// Radius band 1..11 of a radius in metres; 0 outside 100..900 (900 belongs to
// the last band, whose upper key it is).
int RadiusBand(int32_t radius) {
  if (radius < 100 || radius > 900) return 0;
  for (int band = kClearZoneRows - 1; band >= 1; --band) {
    if (radius >= CurveRadiusKeys[At(band)]) return band;
  }
  return 0;
}

// Base widened by the traffic class and the curve, in mm (not yet rounded).
double AdjustedClearZone(double base, int aadt_class, double curve_factor) {
  return (base * AadtClassFactor[At(aadt_class)] - AadtClassOffset[At(aadt_class)]) * curve_factor *
         1000.0;
}

// Steps shared by both figures: the speed, the traffic class and the curve.
struct ClearZoneStart {
  bool done = false;     // the result is already known
  int32_t result = 0;
  int aadt_class = 0;
  double curve_factor = 1.0;
};

ClearZoneStart StartClearZone(int32_t radius, int32_t speed, int32_t aadt, bool curved) {
  ClearZoneStart start;
  if (speed < 1) {
    start.done = true;
    return start;
  }
  start.aadt_class = AadtClass(aadt);
  if (curved) {
    start.curve_factor = CurveFactor(radius, speed);
    if (start.curve_factor <= 0) {
      start.done = true;
      start.result = ClearZoneCurveTooSharp;
    }
  }
  return start;
}

}  // namespace

int AadtClass(int32_t aadt) {
  if (aadt > 6000) return 1;
  if (aadt >= 1500) return 2;
  if (aadt >= 750) return 3;
  if (aadt >= 0) return 4;
  return 0;
}

int ClearZoneSpeedColumn(int32_t speed) {
  switch (speed) {
    case 60: return 1;
    case 70: return 2;
    case 80: return 3;
    case 90: return 4;
    case 100: return 5;
    case 110: return 6;
    default: return 0;
  }
}

double CurveFactor(int32_t radius, int32_t speed) {
  const int column = ClearZoneSpeedColumn(speed);
  const int band = RadiusBand(radius);
  if (column == 0 || band == 0) return 0.0;
  const double f = CurveFactorTable[At(band)][At(column)];
  if (f == 0.0) return 0.0;
  const double next = CurveFactorTable[At(band + 1)][At(column)];
  const double key = CurveRadiusKeys[At(band)];
  const double next_key = CurveRadiusKeys[At(band + 1)];
  return f + (static_cast<double>(radius) - key) * (next - f) / (next_key - key);
}

double BaseClearZone(double mean_slope, int32_t speed) {
  const int column = ClearZoneSpeedColumn(speed);
  if (column == 0) return 0.0;
  for (int row = 1; row <= kClearZoneRows; ++row) {
    const double key = ClearZoneSlopeKeys[At(row)];
    if (mean_slope > key) continue;
    const double value = BaseClearZoneTable[At(row)][At(column)];
    if (mean_slope == key) return value;
    // Below the first key the line runs from slope 0, value 0 (so a steeper
    // slope scales the first row).
    const double previous_key = row == 1 ? 0.0 : ClearZoneSlopeKeys[At(row - 1)];
    const double previous_value = row == 1 ? 0.0 : BaseClearZoneTable[At(row - 1)][At(column)];
    const double base =
        previous_value + (mean_slope - previous_key) * (value - previous_value) / (key - previous_key);
    return base < kMinimumInterpolatedBase ? kMinimumInterpolatedBase : base;
  }
  return kMinimumInterpolatedBase;
}

int32_t ComputeClearZone(const DesignRecord& record, int32_t radius, int32_t speed, int32_t aadt,
                         int32_t limit, bool curved) {
  const ClearZoneStart start = StartClearZone(radius, speed, aadt, curved);
  if (start.done) return start.result;

  // Segment 1, then the following ones up to 5 until the first of length 0.
  // A segment of length 0 (only segment 1 can be one here) has no slope and
  // adds nothing; sums are 64-bit, five stored lengths can pass 32 bits.
  int64_t run = 0;
  int64_t rise = 0;
  bool falling = false;
  bool rising = false;
  for (int k = 1; k <= 5; ++k) {
    const int32_t length = record.SegLength[At(k)];
    if (k > 1 && length == 0) break;
    if (length == 0) continue;
    const int32_t delta = record.SegDeltaHeight[At(k)];
    const double slope = static_cast<double>(delta) / static_cast<double>(length);
    run += length;
    if (slope == 0.0) continue;
    rise += delta;
    if (slope < 0.0) {
      if (rising) return ClearZoneTooComplex;
      falling = true;
    } else {
      if (falling) return ClearZoneTooComplex;
      rising = true;
    }
  }
  // No run at all (no slope entered): level terrain.
  const double mean_slope = run > 0 ? static_cast<double>(rise) / static_cast<double>(run) : 0.0;

  const double base = BaseClearZone(mean_slope, speed);
  const double clear_zone = AdjustedClearZone(base, start.aadt_class, start.curve_factor);
  // The limit is compared before rounding.
  if (limit >= 0 && clear_zone >= static_cast<double>(limit)) return limit;
  return ToInt32(clear_zone);
}

int32_t LevelTerrainClearZone(const DesignRecord& /*record*/, int32_t radius, int32_t speed,
                              int32_t aadt, bool curved) {
  const ClearZoneStart start = StartClearZone(radius, speed, aadt, curved);
  if (start.done) return start.result;
  return ToInt32(AdjustedClearZone(BaseClearZone(0.0, speed), start.aadt_class, start.curve_factor));
}

}  // namespace engine
