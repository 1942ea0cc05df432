#pragma once
// The outline of the sign as seen from the road: the panels stacked by level,
// with the parts that lie behind wider panels taken out, and the measures the
// structural steps read from it.

#include "engine/design_state.h"

namespace engine {

// Fills PanelLevel, PanelSize, WidestSignWidth, SmallestSignWidth,
// SignTopLevel, SignPanelHeight, PanelArea and PanelCentroidHeight of `state`
// from the panels of state.CurrentDesign. Changes nothing when the design has
// no panel.
void LayoutPanels(DesignState& state);

}  // namespace engine
