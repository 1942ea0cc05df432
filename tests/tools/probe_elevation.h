#pragma once
// The design probe's elevation command: the main window's design view of a
// design, as the scene the window paints, without a window.
//
//   design-probe --elevation WIDTH HEIGHT [KIND] < design.json
//
// WIDTH and HEIGHT are the drawing area in twips (15 twips a pixel); KIND
// (1 to 4) views that support kind instead of the input's CurrentSupportType.
// The design runs as the main window runs it. Every element is printed with
// its control name, index, shown flag, rectangle or end points in twips and
// its colours (&HBBGGRR); a kind without a result prints every element hidden.

#include "probe_commands.h"

namespace probe {

int ElevationCommand(const Arguments& args, std::istream& in, std::ostream& out, std::ostream& err);

}  // namespace probe
