#pragma once
// The plain slope page the form is built with, before the full slope page
// takes its controls over: the options record the engineer's choice and the
// two segment checks work; the drawings and the page handler do nothing.

#include "input/slope_page.h"

#include "engine/design_record.h"

#include <cstdint>

namespace input {

class Form1;

class SlopePageStandIn final : public SlopePage {
public:
    explicit SlopePageStandIn(Form1 &form) : form_(form) {}

    void UpdateSegmentTabs() override {}
    void SSIndexTab2_Click(int) override {}
    void Option3D4_Click(int index) override;
    void Option3D5_Click(int index) override;
    void Option3D6_Click(int) override {}
    void Option3D8_Click(int index) override;
    void Option3D1_Click(int) override {}
    void Option3D9_Click(int) override {}
    void Text3_Change(int) override {}
    void DrawSlopeDiagram() override {}
    bool SegmentsCoverSigns() override;
    bool SegmentsTotalWithinLimit() override;

private:
    Form1 &form_;
};

// The segment checks over a working copy, shared with the full slope page.
// Sum of SegLength(1..segmentCount); the count is clamped to 0..6.
long long UsedSegmentsLength(const engine::DesignRecord &design, int segmentCount);
// Widest chosen panel: front slots 1..frontCount, the back panel when chosen.
int32_t WidestChosenPanel(const engine::DesignRecord &design, int frontCount, bool backChosen);

} // namespace input
