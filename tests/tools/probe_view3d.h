#pragma once
// design-probe --view3d WIDTH HEIGHT: the three-dimensional strut view of a
// design as numbers.

#include "probe_commands.h"

namespace probe {

// Reads one design as JSON from `in`, runs it as the main window does and
// writes the 3-D view's scene for a panel of WIDTH x HEIGHT twips as JSON:
// every element with its array name, index, shown flag and coordinates.
int View3DCommand(const Arguments& args, std::istream& in, std::ostream& out, std::ostream& err);

}  // namespace probe
