// The stiffener search against the plain search it replaces, which tries
// every count from 2 and every edge distance in turn: the two must agree for
// any height and limits, also where the plain search runs long.

#include <gtest/gtest.h>

#include <algorithm>
#include <chrono>
#include <cstdint>
#include <limits>
#include <random>
#include <utility>

#include "engine/stiffeners.h"
#include "engine/values.h"

namespace engine {
namespace {

using Result = std::pair<int, int64_t>;

// Count and spacing by trying each count and each edge distance.
Result PlainSearch(int32_t height, const std::array<int32_t, 6>& limit) {
  const int64_t increment = ClampToInt16(limit[1]);
  const int64_t minSpacing = limit[2];
  const int64_t maxSpacing = limit[3];
  const int64_t minEdge = ClampToInt16(limit[4]);
  const int64_t maxEdge = ClampToInt16(limit[5]);
  if (height == 0 || height - 2 * minEdge < minSpacing) return {0, 0};
  for (int64_t count = 2; count <= std::numeric_limits<int16_t>::max(); ++count) {
    bool more = false;
    for (int64_t edge = minEdge; edge <= maxEdge; edge += 5) {
      const int64_t spacing = (height - 2 * edge) / (count - 1);
      if (spacing >= minSpacing && spacing <= maxSpacing)
        return {static_cast<int>(count), increment > 0 ? spacing / increment * increment : spacing};
      if (minSpacing <= maxSpacing) {
        if (spacing > 0 && spacing > maxSpacing && maxSpacing >= 0) more = true;
        if (spacing < 0 && spacing < minSpacing && minSpacing <= 0) more = true;
      }
    }
    if (!more) break;
  }
  return {0, 0};
}

Result Search(int32_t height, const std::array<int32_t, 6>& limit) {
  DesignState state;
  state.StiffenerLimit = limit;
  state.CurrentDesign.NumFrontSigns = 1;
  state.CurrentDesign.FrontSignWidth[1] = 2000;  // wide enough to take stiffeners
  state.CurrentDesign.FrontSignDepth[1] = height;
  CountPanelFixings(state);
  return {state.SupportDesigns[1].NumStiffeners[1], state.SupportDesigns[1].StiffenerSpacing[1]};
}

TEST(StiffenerSearch, AgreesWithThePlainSearch) {
  std::mt19937_64 random(42);
  auto pick = [&](int64_t lowest, int64_t highest) {
    return lowest + static_cast<int64_t>(random() % static_cast<uint64_t>(highest - lowest + 1));
  };
  int found = 0;
  for (int n = 0; n < 20000; ++n) {
    // Small ranges, so that the plain search stays quick, with both signs.
    const auto height = static_cast<int32_t>(pick(-20000, 20000));
    std::array<int32_t, 6> limit{};
    limit[1] = static_cast<int32_t>(pick(-20, 60));
    limit[2] = static_cast<int32_t>(pick(-3000, 3000));
    limit[3] = static_cast<int32_t>(pick(-3000, 3000));
    limit[4] = static_cast<int32_t>(pick(-500, 500));
    limit[5] = static_cast<int32_t>(pick(-500, 1000));
    if (pick(0, 3) == 0) limit[3] = limit[2] + static_cast<int32_t>(pick(0, 3));  // narrow spacing windows
    const Result expected = PlainSearch(height, limit);
    ASSERT_EQ(Search(height, limit), expected)
        << "height " << height << " limits " << limit[1] << " " << limit[2] << " " << limit[3] << " " << limit[4]
        << " " << limit[5];
    if (expected.first > 0) ++found;
  }
  EXPECT_GT(found, 2000);
}

// Limits that keep the plain search going to the last count for every edge:
// a tall panel, a spacing of at most 1 mm, edges over the whole 16-bit range.
TEST(StiffenerSearch, FarLimitsEndAtOnce) {
  const std::array<int32_t, 6> limit{0, 1, 0, 1, -32768, 32767};
  const auto start = std::chrono::steady_clock::now();
  const Result r = Search(std::numeric_limits<int32_t>::max(), limit);
  const auto elapsed = std::chrono::steady_clock::now() - start;
  EXPECT_EQ(r, Result(0, 0));
  EXPECT_LT(elapsed, std::chrono::seconds(1));
  // A spacing the counts can reach: the plain search's answer.
  const std::array<int32_t, 6> reachable{0, 1, 60000, 70000, -32768, 32767};
  EXPECT_EQ(Search(std::numeric_limits<int32_t>::max(), reachable), Result(30678, 70000));
}

}  // namespace
}  // namespace engine
