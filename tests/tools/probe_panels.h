#pragma once
// The design probe's sign details commands.
//
//   design-probe --key-status FILE JOB SECTION POS [OPENJOB OPENSECTION OPENPOS]
//     the four status lines for the key against the design database FILE
//     (the open design's key, when given, is compared first), then
//     "flashing: yes" or "flashing: no".
//   design-probe --layout-view WIDTH HEIGHT < design.json
//     the sign layout view of the design's panels in a frame of WIDTH x
//     HEIGHT twips, as JSON.

#include "probe_commands.h"

namespace probe {

int KeyStatusCommand(const Arguments& args, std::istream& in, std::ostream& out, std::ostream& err);
int LayoutViewCommand(const Arguments& args, std::istream& in, std::ostream& out, std::ostream& err);

}  // namespace probe
