#include "engine/ground_profile.h"

#include "engine/values.h"

namespace engine {

int GroundProfile::SegmentAt(int32_t x) const {
  int m = 1;
  for (int k = 2; k <= SegmentCount; ++k) {
    if (Offset[static_cast<std::size_t>(k)] <= x) m = k;
  }
  return m;
}

GroundProfile BuildGroundProfile(const DesignRecord& design) {
  GroundProfile profile;
  profile.SegmentCount = 1;
  for (int k = 2; k <= 5; ++k) {
    if (design.SegLength[static_cast<std::size_t>(k)] == 0) break;
    profile.SegmentCount = k;
  }
  profile.Offset[1] = 0;
  for (int k = 2; k <= profile.SegmentCount + 1; ++k) {
    profile.Offset[static_cast<std::size_t>(k)] =
        profile.Offset[static_cast<std::size_t>(k) - 1] + design.SegLength[static_cast<std::size_t>(k) - 1];
  }
  return profile;
}

std::optional<int32_t> GroundLevelAt(const DesignRecord& design, int32_t x, int32_t t) {
  const GroundProfile profile = BuildGroundProfile(design);
  const int n = profile.SegmentCount;

  // Cross-section level Y and along-road level Z of points 1..n+1. Point 1's
  // along-road level is the stored rise itself, not scaled to the along-road
  // distance as the other points' are.
  std::array<int64_t, 7> y{};
  std::array<int64_t, 7> z{};
  z[1] = design.SegBackHeight[1];
  for (int k = 2; k <= n + 1; ++k) {
    const std::size_t uk = static_cast<std::size_t>(k);
    y[uk] = y[uk - 1] + design.SegDeltaHeight[uk - 1];
    const int32_t backLength = design.SegBackLength[uk] == 0 ? 1 : design.SegBackLength[uk];
    // The level as a whole is rounded: with halves going to the even
    // neighbour, rounding the rise alone could differ by 1 mm.
    z[uk] = RoundHalfEven(static_cast<double>(y[uk]) +
                          static_cast<double>(design.SegBackHeight[uk]) * kAlongRoadDistance / backLength);
  }

  int j = 0;
  for (int k = 2; k <= n + 1; ++k) {
    if (profile.Offset[static_cast<std::size_t>(k)] >= x) {
      j = k - 1;
      break;
    }
  }
  if (j == 0) return std::nullopt;
  if (t < 0 || t > kAlongRoadDistance) return std::nullopt;

  const std::size_t uj = static_cast<std::size_t>(j);
  const double d = static_cast<double>(x) - profile.Offset[uj];
  const int32_t length = design.SegLength[uj];
  const auto along = [&](const std::array<int64_t, 7>& level) -> double {
    if (length == 0) return static_cast<double>(level[uj]);
    return static_cast<double>(level[uj]) + static_cast<double>(level[uj + 1] - level[uj]) * d / length;
  };
  const long long a = RoundHalfEven(along(y));
  const long long b = RoundHalfEven(along(z)) - a;
  return ClampToInt32(RoundHalfEven(static_cast<double>(a) + static_cast<double>(b) * t / kAlongRoadDistance));
}

}  // namespace engine
