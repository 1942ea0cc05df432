#pragma once
// The strutted support ("Strut Steel"): its section choice from the two strut
// capacity charts, and the cut lengths of its struts from the terrain.

#include <array>
#include <cstdint>
#include <string>

#include "engine/design_state.h"

namespace engine {

// Tests the design eccentricity (Hc - Hl in mm, plus 0.16 m) and makes a first
// choice of "50 NB" or "65 NB" from chart A; "X" when none serves. An
// eccentricity outside 0.1..1.0 m sets code 12 on the strut record.
std::string CheckStrutEccentricity(SupportDesignArray& supports, int16_t numPosts, float highCentroid,
                                   float lowCentroid, int32_t panelArea, int16_t windCategory);

// Confirms or raises the first choice from chart B for the lowest panel's
// height and width (mm). Never lowers "65 NB" to "50 NB"; "X" stays "X".
std::string ChooseStrut(const std::string& section, int32_t numPosts, float highCentroid,
                        int32_t panelHeight, int32_t panelWidth, int32_t windCategory);

// Chart A at an eccentricity and a height (metres), bilinear, moving to the
// next cell without zero corners; 0 when nothing can be read.
float MemberCapacity(float eccentricity, float height, int16_t member, int16_t windCategory);

// Chart B at a height and a panel height (metres), read the same way.
float MemberCapacity2(float height, float panelHeight, int32_t member, int32_t windCategory);

float MinSng(float a, float b);

// The shortest horizontal reach (mm) of a 45-degree strut from the posts of
// the viewed kind down to the ground; fills footOffsets[1..4] with each post's
// foot level relative to the best one. 0 with code 11 on the strut record when
// the terrain does not reach a post or falls 1 in 1 or steeper along the road.
int32_t FindStrutLength(DesignState& state, std::array<int32_t, 5>& footOffsets, int32_t postAllowance);

// StrutPost and StrutStub of the viewed kind's posts, from FindStrutLength.
void ComputeStrutLengths(DesignState& state);

}  // namespace engine
