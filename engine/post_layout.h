#pragma once
// How many posts each support kind gets, with the stiffener type that goes
// with the count, and how far apart the posts stand.

#include <cstdint>

#include "engine/design_state.h"

namespace engine {

// Warning bits of SupportDesign.WarningCode, added by PlacePosts.
inline constexpr int16_t WarnSpacingTooWide = 8;
inline constexpr int16_t WarnSlipBaseSpacing = 4;

// Wind category 1..4: WindRegion + ExposedLocation, at most 4.
int16_t WindCategory(const DesignRecord& design);

// NumPosts (base count + PNO) and StiffenerType of all four kinds from
// WidestSignWidth; NumPosts 0, StiffenerType 0 and code 1 on all four when no
// count carries the sign. PNO is left as it is.
void SelectPostCount(DesignState& state);

// Spacing[0] and Spacing[2], PostSpacing and warning bits 8 and 4 of all four
// kinds. Reads NumPosts, SpacingType, Spacing[1], SlipBaseReq (as the last
// SetSlipBaseFlags left it), WidestSignWidth and SmallestSignWidth.
void PlacePosts(DesignState& state);

// A spacing brought to a multiple of 5 mm: remainders 1 and 2 round down, 3 and
// 4 up; a negative value that is not a multiple of 5 gives 0.
long long Round5(long long value);

}  // namespace engine
