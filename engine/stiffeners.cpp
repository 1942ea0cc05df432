#include "engine/stiffeners.h"

#include <cstdint>
#include <limits>

#include "engine/vb.h"

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
Layout SearchLayout(int32_t height, const Limits& limits) {
  for (int64_t count = 2; count <= std::numeric_limits<int16_t>::max(); ++count) {
    bool largerCountMaySucceed = false;
    for (int64_t edge = limits.MinEdge; edge <= limits.MaxEdge; edge += kEdgeStep) {
      const int64_t span = height - 2 * edge;
      const int64_t spacing = span / (count - 1);
      if (spacing >= limits.MinSpacing && spacing <= limits.MaxSpacing) {
        return {static_cast<int16_t>(count), ClampToInt32(spacing)};
      }
      if (limits.MinSpacing <= limits.MaxSpacing) {
        if (spacing > 0 && spacing > limits.MaxSpacing && limits.MaxSpacing >= 0) largerCountMaySucceed = true;
        if (spacing < 0 && spacing < limits.MinSpacing && limits.MinSpacing <= 0) largerCountMaySucceed = true;
      }
    }
    if (!largerCountMaySucceed) break;
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
