#pragma once
// The post section of all four support kinds: the clearance under the sign,
// the design moment and its section row, and the rules that raise a section
// or reject a design (result codes 2 to 7).

#include <cstdint>

#include "engine/design_state.h"

namespace engine {

// Chooses PostDimensions and PostWallThickness of every kind and sets
// MaximumClearance and MinimumClearance. Lowers DistFromKerb when the slope
// profile is short; replaces PanelCentroidHeight by its height above the
// lowest ground under the sign.
void DesignPosts(DesignState& state);

// Moves the section of one kind (1..4) one size up its list and sets the wall
// that goes with it; code 2 and section "X" when there is no larger size.
// Any other kind does nothing.
void IncreasePostSection(SupportDesignArray& supports, int16_t kind);

}  // namespace engine
