#pragma once
// The design probe's store commands: a design saved to, loaded from, deleted
// from or renamed in a database file, without the user interface.
//
//   design-probe --save FILE < design.json
//   design-probe --load FILE JOB SECTION POS
//   design-probe --delete FILE LEVEL JOB SECTION POS
//   design-probe --rename FILE LEVEL JOB SECTION POS NEWJOB NEWSECTION NEWPOS
//
// Key parts are taken as given (the store pads them to 15 characters); LEVEL
// is 1 job, 2 job section, 3 sign position. --save and --load print the usual
// output JSON. Any failure is a message on standard error and a non-zero exit.

#include "probe_commands.h"

#include <vector>

namespace probe {

// The store refused or failed, or the database file could not be opened.
inline constexpr int kExitStoreFailed = 3;

int SaveCommand(const Arguments& args, std::istream& in, std::ostream& out, std::ostream& err);
int LoadCommand(const Arguments& args, std::istream& in, std::ostream& out, std::ostream& err);
int DeleteCommand(const Arguments& args, std::istream& in, std::ostream& out, std::ostream& err);
int RenameCommand(const Arguments& args, std::istream& in, std::ostream& out, std::ostream& err);

// The four commands, for the probe's dispatcher and usage text.
const std::vector<Command>& StoreCommands();

}  // namespace probe
