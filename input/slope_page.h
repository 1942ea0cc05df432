#pragma once
// What the sign details form asks of its "Roadside Slope" page: the segment
// tabs, the terrain and entry-mode options, the segment boxes, the slope
// diagram and the two checks of the segment lengths. The form owns one and
// calls it; the page reaches the form's controls and working copy through the
// form it was made for.

namespace input {

class SlopePage {
public:
    virtual ~SlopePage() = default;

    // Rebuilds the slope tabs for the segment count and reference point.
    virtual void UpdateSegmentTabs() = 0;
    // A slope tab was chosen; `previous` is the tab left.
    virtual void SSIndexTab2_Click(int previous) = 0;

    // The terrain options: number of segments, side of the carriageway,
    // reference point, strutted sign; and the two entry-mode options.
    virtual void Option3D4_Click(int index) = 0;
    virtual void Option3D5_Click(int index) = 0;
    virtual void Option3D6_Click(int index) = 0;
    virtual void Option3D8_Click(int index) = 0;
    virtual void Option3D1_Click(int index) = 0;
    virtual void Option3D9_Click(int index) = 0;

    // A segment box's text changed.
    virtual void Text3_Change(int index) = 0;
    virtual void DrawSlopeDiagram() = 0;

    // The used segments are at least as long as the widest chosen panel.
    virtual bool SegmentsCoverSigns() = 0;
    // The used segments add up to less than 32768 mm.
    virtual bool SegmentsTotalWithinLimit() = 0;
};

} // namespace input
