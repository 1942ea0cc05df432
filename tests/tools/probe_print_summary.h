#pragma once
// The design probe's summary form command: the given stored designs selected
// for printing and printed as the summary form through the same stamped
// print step as the print job selection form, into a PDF, offscreen.
//
//   design-probe --print-summary FILE OUT.pdf JOB SECTION POS [JOB SECTION POS]...
//
// Exactly those keys are selected (designs of inactive jobs are passed over
// by the job, as in the program); the printed rows get the summary status
// "Y" and today's date, and the selection is cleared. Prints {"designs",
// "pages", "file"} as JSON. A key not stored: exit 3 with nothing changed. A
// failed job: exit 3, no status written, the selection kept, no OUT file.

#include "probe_commands.h"

namespace probe {

int PrintSummaryCommand(const Arguments& args, std::istream& in, std::ostream& out, std::ostream& err);

}  // namespace probe
