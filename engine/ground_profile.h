#pragma once
// The terrain beside the road, formed by the roadside slope segments of a
// design: segment k runs from offset X(k) to X(k+1) and rises SegDeltaHeight(k).
// Levels are millimetres above the road edge, offsets millimetres from it.

#include <array>
#include <cstdint>
#include <optional>

#include "engine/design_record.h"

namespace engine {

// Along-road distance (mm) at which the along-road levels are given.
inline constexpr int32_t kAlongRoadDistance = 10000;

struct GroundProfile {
  // n: segments 1..n form the profile (1..5). The profile ends before the
  // first zero-length segment from segment 2 on; a sixth segment is ignored.
  int SegmentCount = 1;
  // Offset[k] = X(k) for k = 1..n+1; Offset[1] = 0, Offset[n+1] the length.
  // 64-bit: the sum of five segment lengths may leave the 32-bit range.
  std::array<int64_t, 7> Offset{};

  int64_t Length() const { return Offset[static_cast<std::size_t>(SegmentCount) + 1]; }
  // The segment m (1..n) holding offset x: the highest with X(m) <= x; 1 for
  // an offset before the road edge.
  int SegmentAt(int32_t x) const;
};

GroundProfile BuildGroundProfile(const DesignRecord& design);

// Ground level (mm) at offset x from the road edge and distance t along the
// road (0..10000). No value when x lies beyond the profile's end or t is
// outside 0..10000. An offset below 0 lies on segment 1 extended backwards.
std::optional<int32_t> GroundLevelAt(const DesignRecord& design, int32_t x, int32_t t);

}  // namespace engine
