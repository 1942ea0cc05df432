#pragma once
// Designs shared by the store, dialog and main window tests.

#include "engine/design_record.h"

namespace testing_support {

// One front panel (2000 x 1500 unless told) on a falling slope, region A,
// rigid base, soil 3: a design every support kind can carry.
inline void FillSimpleSign(engine::DesignRecord &d, int width = 2000)
{
    d.NumFrontSigns = 1;
    d.FrontSignWidth[1] = width;
    d.FrontSignDepth[1] = 1500;
    d.SignCode[1] = "G1-1";
    d.LegendClass[1] = 2;
    d.LegendColour[1] = 2;
    d.BkgndClass[1] = 1;
    d.BkgndColour[1] = 2;
    d.RoadHeight = 1500;
    d.DistFromKerb = 1000;
    d.SegLength[1] = 2000;
    d.SegDeltaHeight[1] = -500;
    d.SegLength[2] = 4000;
    d.WindRegion = 1;
    d.SoilType = 3;
    d.CollisionRisk = 1;
}

} // namespace testing_support
