#pragma once
// What completes a support once its section is chosen: steel grade and footing
// sizes, whether it stands on a slip base, and each post's length and clearance
// on the terrain.

#include "engine/design_state.h"

namespace engine {

// PostMatGrade, NormFootingDim, NormFootingDep, ScrewFootingDim and
// ScrewFootingDep of all four kinds from their sections and the soil type;
// code 8 on the truss kind when it has a screw footing.
void LookupSectionProperties(DesignState& state);

// SlipBaseReq of all four kinds from CollisionRisk and their sections.
void SetSlipBaseFlags(DesignState& state);

// StubLength, PostLength[1..4] and PostClearance[1..4] of all four kinds.
// Lowers DistFromKerb when the profile is shorter than the sign; when even 0
// does not fit, sets DistFromKerb 0 and code 6 on all four kinds and leaves the
// lengths as they were.
void ComputePostLevels(DesignState& state);

}  // namespace engine
