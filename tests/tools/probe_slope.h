#pragma once
// The design probe's slope diagram command: the picture of the "Roadside
// Slope" page for a design, as the scene the page paints.
//
//   design-probe --slope-diagram < design.json
//
// The input holds "CurrentDesign" and optionally "SlopeSegmentCount" (1..5;
// by default the segments up to the first zero length) and "Strutted"
// (true/false; by default the design's SupportStruts). Every element is
// printed with its control name, index, shown flag, geometry in twips of the
// 7215 x 3135 frame, colour (&HBBGGRR), width, style and caption.

#include "probe_commands.h"

namespace probe {

int SlopeDiagramCommand(const Arguments& args, std::istream& in, std::ostream& out, std::ostream& err);

}  // namespace probe
