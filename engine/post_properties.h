#pragma once
// What completes a support once its section is chosen: steel grade and footing
// sizes, whether it stands on a slip base, and each post's length and clearance
// on the terrain.

#include "engine/design_state.h"
#include "engine/ground_profile.h"

namespace engine {

// PostMatGrade, NormFootingDim, NormFootingDep, ScrewFootingDim and
// ScrewFootingDep of all four kinds from their sections and the soil type;
// code 8 on the truss kind when it has a screw footing.
void LookupSectionProperties(DesignState& state);

// SlipBaseReq of all four kinds from CollisionRisk and their sections.
void SetSlipBaseFlags(DesignState& state);

// Lowers DistFromKerb so that the widest panel ends within `profile`; when
// even 0 does not fit, sets DistFromKerb 0 and code 6 on all four kinds and
// returns false.
bool FitSignOnProfile(DesignState& state, const GroundProfile& profile);

// StubLength, PostLength[1..4] and PostClearance[1..4] of all four kinds,
// after FitSignOnProfile; when that fails the lengths stay as they were.
void ComputePostLevels(DesignState& state);

}  // namespace engine
