#pragma once
// The design probe's clear-zone commands.
//
//   design-probe --clear-zone [WIDTH HEIGHT] < design.json
//     runs the design as the main window does, then shows the clear zone
//     window's reading of it: its entries, both figures, the texts it shows
//     and the roadside sketch for a frame of WIDTH x HEIGHT twips (default
//     6000 x 3000), as JSON.
//   design-probe --clear-zone --lines < cases.jsonl
//     one calculation per input line: {"SegLength": [7], "SegDeltaHeight": [7],
//     "Radius", "Speed", "AADT", "Curved", "Limit"} (element 0 of the arrays
//     unused, Limit -1 without a barrier) gives one output line
//     {"ActualTerrain", "LevelTerrain"}, the raw results, codes included.
//     A malformed line is a message and a non-zero exit.

#include "probe_commands.h"

namespace probe {

int ClearZoneCommand(const Arguments& args, std::istream& in, std::ostream& out, std::ostream& err);

}  // namespace probe
