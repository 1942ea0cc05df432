#include "engine/stiffeners.h"

#include <cstdint>
#include <limits>

#include "engine/values.h"

namespace engine {

namespace {

// The limits as the search reads them. The increment and the edge distances
// are 16-bit values; one beyond that range is taken as the nearest 16-bit
// value. The search itself works in wider integers.
struct Limits {
  int32_t Increment = 0;
  int32_t MinSpacing = 0;
  int32_t MaxSpacing = 0;
  int32_t MinEdge = 0;
  int32_t MaxEdge = 0;
};

struct Layout {
  int16_t Count = 0;
  int32_t Spacing = 0;
};

// Edge distances step by a fixed 5 mm, whatever the spacing increment.
constexpr int32_t kEdgeStep = 5;

// The first count n = 2, 3, ... and edge distance e (rising from the minimum
// in 5 mm steps) whose spacing (H - 2e) / (n - 1) lies within the limits.
// For each e the spacing shrinks toward 0 as n grows, so once no e can still
// reach the limits no larger count can succeed and the search gives up; so it
// does too when the count would no longer fit its 16-bit field.
//
// The spacing never rises as e rises, so for one count the edges that give a
// spacing within the limits are one run: the first edge not above the maximum
// starts it, if it is not below the minimum. Counts whose spacings all lie
// above the maximum (or all below the minimum) are passed over in one step.
// The result is that of trying every count and edge in turn, which for limits
// far outside the usual ones would take minutes.
Layout SearchLayout(int32_t height, const Limits& limits) {
  const int64_t lowest = limits.MinSpacing;
  const int64_t highest = limits.MaxSpacing;
  if (lowest > highest || limits.MinEdge > limits.MaxEdge) return {};
  const int64_t edges = (int64_t{limits.MaxEdge} - limits.MinEdge) / kEdgeStep + 1;
  const int64_t widestSpan = height - 2 * int64_t{limits.MinEdge};
  const auto span = [&](int64_t edge) { return widestSpan - 2 * kEdgeStep * edge; };
  const int64_t narrowestSpan = span(edges - 1);
  const int64_t mostGaps = std::numeric_limits<int16_t>::max() - 1;

  for (int64_t gaps = 1; gaps <= mostGaps;) {  // gaps = count - 1
    if (narrowestSpan / gaps > highest) {
      if (highest < 0) return {};
      gaps = narrowestSpan / (highest + 1) + 1;  // first count whose narrowest spacing is not above
      continue;
    }
    if (widestSpan / gaps < lowest) {
      if (lowest > 0) return {};
      gaps = -widestSpan / (1 - lowest) + 1;  // first count whose widest spacing is not below
      continue;
    }
    int64_t first = 0;
    int64_t last = edges - 1;  // its spacing is not above the maximum
    while (first < last) {
      const int64_t middle = first + (last - first) / 2;
      if (span(middle) / gaps <= highest) {
        last = middle;
      } else {
        first = middle + 1;
      }
    }
    const int64_t spacing = span(first) / gaps;
    if (spacing >= lowest) return {static_cast<int16_t>(gaps + 1), ClampToInt32(spacing)};
    const int64_t widest = widestSpan / gaps;
    const int64_t narrowest = narrowestSpan / gaps;
    const bool largerCountMaySucceed =
        (widest > 0 && widest > highest && highest >= 0) || (narrowest < 0 && narrowest < lowest && lowest <= 0);
    if (!largerCountMaySucceed) break;
    ++gaps;
  }
  return {};
}

Layout LayoutFor(bool present, int32_t width, int32_t height, const Limits& limits) {
  const int32_t h = present ? height : 0;
  const bool small = present && width < 951 && h <= 1000;
  if (small || h == 0 || static_cast<int64_t>(h) - 2 * static_cast<int64_t>(limits.MinEdge) < limits.MinSpacing) {
    return {};
  }
  Layout layout = SearchLayout(h, limits);
  // Rounded down to the increment; the result may fall below the minimum.
  // An increment of 0 or less leaves the spacing as found.
  if (layout.Count > 0 && limits.Increment > 0) {
    layout.Spacing = (layout.Spacing / limits.Increment) * limits.Increment;
  }
  return layout;
}

}  // namespace

void CountPanelFixings(DesignState& state) {
  const DesignRecord& design = state.CurrentDesign;
  const Limits limits{ClampToInt16(state.StiffenerLimit[1]), state.StiffenerLimit[2], state.StiffenerLimit[3],
                      ClampToInt16(state.StiffenerLimit[4]), ClampToInt16(state.StiffenerLimit[5])};

  for (int slot = 1; slot <= 4; ++slot) {
    const std::size_t us = static_cast<std::size_t>(slot);
    Layout layout;
    if (slot == kBackSlot) {
      layout = LayoutFor(design.NumBackSigns != 0, design.BackSignWidth, design.BackSignDepth, limits);
    } else {
      layout = LayoutFor(design.NumFrontSigns >= slot, design.FrontSignWidth[us], design.FrontSignDepth[us], limits);
    }
    for (int t = 1; t <= 4; ++t) {
      SupportDesign& support = state.SupportDesigns[static_cast<std::size_t>(t)];
      support.NumStiffeners[us] = layout.Count;
      support.StiffenerSpacing[us] = layout.Spacing;
    }
  }
}

}  // namespace engine
