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

#include <cstddef>
#include <iosfwd>
#include <memory>
#include <string>
#include <string_view>
#include <vector>

#include "database/design_rows.h"

class QCoreApplication;

namespace platform {
class SqlConnection;
}

namespace probe {

// The store refused or failed, or the database file could not be opened.
inline constexpr int kExitStoreFailed = 3;

// What the commands that use the store share (the print commands too).

enum class ApplicationUse { Store, Fonts };

// The application object a command needs, made when there is none, to be
// gone before the program's static objects are destroyed: the SQL driver is a
// plugin, which Qt loads only with one; fonts need a GUI application, here on
// the offscreen platform, which needs no display.
std::unique_ptr<QCoreApplication> ApplicationIfNone(ApplicationUse use);

// Opens `file` as the current database; null when it must exist and does not
// (said on `err`) or cannot be opened (the store reports that itself).
platform::SqlConnection* OpenDatabaseFile(const std::string& file, bool mustExist, std::ostream& err);

// The key of the three arguments from `first` (JOB SECTION POS), as given.
database::StoredDesignKey KeyFrom(const Arguments& args, std::size_t first);

// The usage on `err`; returns kExitUsage.
int Usage(std::ostream& err, std::string_view usage);

int SaveCommand(const Arguments& args, std::istream& in, std::ostream& out, std::ostream& err);
int LoadCommand(const Arguments& args, std::istream& in, std::ostream& out, std::ostream& err);
int DeleteCommand(const Arguments& args, std::istream& in, std::ostream& out, std::ostream& err);
int RenameCommand(const Arguments& args, std::istream& in, std::ostream& out, std::ostream& err);

// The four commands, for the probe's dispatcher and usage text.
const std::vector<Command>& StoreCommands();

}  // namespace probe
