#pragma once
// The design probe's print command: stored designs printed as design forms
// (with their notes pages) to a PDF file, offscreen, without a display.
//
//   design-probe --print-design-forms FILE OUT.pdf [JOB SECTION POS]...
//
// With keys, those designs in that order (repeats allowed); without, the
// designs selected for printing. Prints {"designs", "pages", "file"} as JSON.
// A key not stored, a failure or an OUT that cannot be written: a message on
// standard error, exit 3 and no OUT file.

#include "probe_commands.h"

#include <vector>

namespace probe {

int PrintDesignFormsCommand(const Arguments& args, std::istream& in, std::ostream& out, std::ostream& err);

const std::vector<Command>& PrintCommands();

}  // namespace probe
