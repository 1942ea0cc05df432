#pragma once
// Designs for the engine tests: a fresh state with the defaults of a new
// database, and the few inputs a test is about.

#include <cstdint>
#include <string>

#include "engine/design_state.h"
#include "engine/values.h"

namespace engine::fixture {

inline DesignState NewDesign() {
  DesignState state;
  ResetDesignData(state, DefaultValues{});
  return state;
}

// One front panel w x h at the datum over a flat profile of the given length.
inline DesignState OnePanelDesign(int32_t width, int32_t height, int32_t profileLength = 6000) {
  DesignState state = NewDesign();
  DesignRecord& d = state.CurrentDesign;
  d.NumFrontSigns = 1;
  d.FrontSignWidth[1] = width;
  d.FrontSignDepth[1] = height;
  d.SegLength[1] = profileLength;
  return state;
}

inline std::string Section(const SupportDesign& support) { return std::string(Trim(support.PostDimensions.view())); }
inline std::string Wall(const SupportDesign& support) { return std::string(Trim(support.PostWallThickness.view())); }

}  // namespace engine::fixture
