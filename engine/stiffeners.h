#pragma once
// The stiffeners of each sign panel: how many, and how far apart over the
// panel's height. The layout depends only on the panel, so all four support
// kinds carry the same values.

#include "engine/design_state.h"

namespace engine {

// NumStiffeners[1..4] and StiffenerSpacing[1..4] of all four kinds, from the
// panels of state.CurrentDesign and state.StiffenerLimit. A slot without a
// panel, or whose panel takes no stiffeners, gets 0 and 0.
void CountPanelFixings(DesignState& state);

}  // namespace engine
