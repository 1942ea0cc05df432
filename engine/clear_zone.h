#pragma once
// The clear zone: the width beside the carriageway, measured from its edge,
// that should be free of rigid obstacles such as sign supports. A base width
// read by speed and mean roadside slope, adjusted for the traffic volume,
// multiplied by a curve factor on a curved road and capped at a barrier.
// Results are whole millimetres; two negative codes say why there is none.
// Nothing here is stored with a design and nothing in the design run uses it.

#include <array>
#include <cstdint>

#include "engine/design_record.h"

namespace engine {

// The road is curved and the curve is too sharp for the speed (or outside the
// radii the table knows).
inline constexpr int32_t ClearZoneCurveTooSharp = -1;
// The roadside both falls and rises: no single mean slope describes it.
inline constexpr int32_t ClearZoneTooComplex = -2;

// The tables are constant data, so there is nothing to fill before a
// calculation. Rows and columns count from 1 (element 0 unused); the speed
// column is 1 for 60 km/h up to 6 for 110 km/h in steps of 10.
inline constexpr int kClearZoneSpeeds = 6;
inline constexpr int kClearZoneRows = 12;
using ClearZoneRow = std::array<double, kClearZoneSpeeds + 1>;

// Mean slope keys, rise over run (negative: ground falling away from the road).
inline constexpr std::array<double, kClearZoneRows + 1> ClearZoneSlopeKeys{
    0, -0.3333, -0.3099, -0.2821, -0.25, -0.2, -0.1667, -0.125, -0.1, 0, 0.05, 0.1667, 0.3333};

// Base clear zone in metres by slope key row and speed column.
inline constexpr std::array<ClearZoneRow, kClearZoneRows + 1> BaseClearZoneTable{{
    {},
    {0, 6, 11, 17, 25, 30, 30},
    {0, 5.5, 9, 13, 17, 21.5, 23},
    {0, 5.5, 8, 11, 13.5, 16.5, 18},
    {0, 5.5, 7, 9, 11, 12.5, 14},
    {0, 5, 6, 7, 9, 11, 12},
    {0, 5, 5.5, 6, 8, 10, 11},
    {0, 4.5, 5, 6, 7.5, 9, 10.5},
    {0, 4.5, 5, 6, 7.5, 9, 10},
    {0, 4.5, 5, 6, 7.5, 9, 9.5},
    {0, 4.5, 5, 6, 7.5, 9, 9.5},
    {0, 4.5, 5, 6, 7, 7.5, 8.5},
    {0, 4.5, 4.5, 5, 5.5, 6, 6.5},
}};

// Traffic classes 1..4 (over 6000, 1500 to 6000, 750 to 1499, 0 to 749
// vehicles a day); element 0 is "no class" for a negative volume.
inline constexpr std::array<double, 5> AadtClassFactor{0, 1, 0.98, 0.78, 0.6};
inline constexpr std::array<double, 5> AadtClassOffset{0, 0, 0.52, 0.36, 0.48};

// Curve radius keys in metres.
inline constexpr std::array<double, kClearZoneRows + 1> CurveRadiusKeys{
    0, 100, 150, 200, 250, 300, 350, 400, 450, 500, 600, 700, 900};

// Curve factor by radius key row and speed column; 0: too sharp for the speed.
inline constexpr std::array<ClearZoneRow, kClearZoneRows + 1> CurveFactorTable{{
    {},
    {0, 1.5, 0, 0, 0, 0, 0},
    {0, 1.4, 1.5, 0, 0, 0, 0},
    {0, 1.3, 1.4, 1.5, 0, 0, 0},
    {0, 1.3, 1.3, 1.4, 1.5, 0, 0},
    {0, 1.2, 1.3, 1.4, 1.5, 1.5, 0},
    {0, 1.2, 1.2, 1.3, 1.4, 1.5, 0},
    {0, 1.2, 1.2, 1.3, 1.3, 1.4, 0},
    {0, 1.2, 1.2, 1.3, 1.3, 1.4, 1.5},
    {0, 1.1, 1.2, 1.2, 1.3, 1.3, 1.4},
    {0, 1.1, 1.2, 1.2, 1.2, 1.3, 1.4},
    {0, 1.1, 1.1, 1.2, 1.2, 1.2, 1.3},
    {0, 1.1, 1.1, 1.1, 1.2, 1.2, 1.2},
}};

// The smallest base an interpolated slope gives, in metres.
inline constexpr double kMinimumInterpolatedBase = 4.667;

// Traffic class 1..4 of a volume in vehicles a day; 0 for a negative volume.
int AadtClass(int32_t aadt);

// Speed column 1..6 of 60, 70, ..., 110 km/h; 0 for any other speed.
int ClearZoneSpeedColumn(int32_t speed);

// Curve factor of a radius (m) at a speed (km/h), interpolated between radius
// keys; 0 when the curve is too sharp, the radius lies outside 100..900 m or
// the speed has no column.
double CurveFactor(int32_t radius, int32_t speed);

// Base clear zone in metres of a mean slope at a speed; 0 for a speed without
// a column. An interpolated base is at least 4.667, a slope equal to a key
// takes the row as it stands.
double BaseClearZone(double mean_slope, int32_t speed);

// Clear zone (mm) for the roadside profile of `record`: segment 1 and the
// following segments up to 5 until the first of length 0. `limit` is the
// barrier distance (mm), or -1 without a barrier. Returns 0 for a speed below
// 1, ClearZoneCurveTooSharp or ClearZoneTooComplex.
int32_t ComputeClearZone(const DesignRecord& record, int32_t radius, int32_t speed, int32_t aadt,
                         int32_t limit, bool curved);

// Clear zone (mm) for level terrain: the same calculation with a mean slope of
// 0 and no limit. Returns 0 for a speed below 1 or ClearZoneCurveTooSharp.
int32_t LevelTerrainClearZone(const DesignRecord& record, int32_t radius, int32_t speed,
                              int32_t aadt, bool curved);

}  // namespace engine
