#pragma once
// Where the controls of the segment entry frame stand, in twips of the frame,
// for one arrangement of the "Roadside Slope" page: the cross-section rows
// above the longitudinal ones, or the longitudinal rows alone in their place.
// A control that would reach below the frame's height is not shown.

#include <string>
#include <vector>

namespace input {

struct SlopeEntryArrangement {
    bool longitudinalOnly = false;   // the longitudinal rows moved up
    bool crossSectionShown = true;   // the cross-section captions and boxes
    bool reducedLevelShown = false;  // the reduced level box, caption and unit
    bool longitudinalShown = true;   // the longitudinal rows (hidden on the reference point)
    int frameHeight = 3000;
};

struct EntryPlacement {
    std::string name;  // the control's object name ("Text3_4", "Label5_6", "Option3D9_1")
    int left = 0, top = 0, width = 0, height = 0;
    bool shown = true;
};

inline constexpr int SlopeEntryFrameWidth = 6120;

std::vector<EntryPlacement> SlopeEntryPlacements(const SlopeEntryArrangement &arrangement);

} // namespace input
