#pragma once
// The design probe's order form command: stored designs ticked for order
// forms and printed through the order form's print unit to a PDF, offscreen.
//
//   design-probe --print-orders FILE OUT.pdf REQNO KINDS JOB SECTION POS [KINDS JOB SECTION POS]...
//
// KINDS is a comma list of SF, SP and FT. Exactly the given keys are selected
// and ticked with their kinds, then printed under REQNO, which is stamped with
// today's date. Prints {"designs", "pages", "file"} as JSON. A blank REQNO:
// the dialog's warning and exit 2; one over 15 characters or an unknown kind:
// exit 2; a key not stored: exit 3 with nothing changed; a failed job: exit 3,
// stamps unchanged and no OUT file.

#include "probe_commands.h"

namespace probe {

int PrintOrdersCommand(const Arguments& args, std::istream& in, std::ostream& out, std::ostream& err);

}  // namespace probe
