#pragma once

// The design run: one pass of the design steps over the open design for all
// four support kinds, and the retry that adds posts to the kinds that failed.
// A design that cannot be found is a result code on the kind, never an error.

#include "engine/design_state.h"

namespace engine {

// One design pass over state.CurrentDesign into state.SupportDesigns[1..4].
// Clears every result code and warning first; sets DesignOpen.
void RunDesign(DesignState& state);

// For each kind in turn, adds posts one at a time (up to four) while the kind
// fails, then gives failing kinds their extra posts back; ends with RunDesign.
void RedesignWithMorePosts(DesignState& state);

// Recounts NumFrontSigns and NumBackSigns of the record from its panel sizes.
void CountValidSigns(DesignRecord& record);

// Brackets of each sign slot = stiffeners x posts, for all four kinds.
void ComputeTotals(DesignState& state);

}  // namespace engine
