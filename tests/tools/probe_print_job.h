#pragma once
// What the probe's print commands share: the run around a command (a GUI
// application for the fonts, the messages, the database closed at the end),
// the keys checked against the store, and the JSON of the printed job. The
// database file is opened with OpenDatabaseFile (probe_store.h).

#include <QString>
#include <functional>
#include <iosfwd>
#include <optional>
#include <string>
#include <string_view>

#include "database/design_rows.h"
#include "platform/sql.h"
#include "print/print_job.h"
#include "probe_commands.h"

namespace probe {

enum class ProbeMessages { OnErrorStream, Silent };

// Arguments that do not fit: the usage on `err` and kExitUsage. Otherwise
// runs `run` with a GUI application when there is none (fonts need one; the
// offscreen platform needs no display), the program's messages on `err`
// unless silent, and closes the current database afterwards; returns what
// `run` returns.
int RunPrintCommand(bool argumentsFit, std::string_view usage, ProbeMessages messages, std::ostream& err,
                    const std::function<int()>& run);

// The key of the three arguments from `first` (JOB SECTION POS) when a design
// is stored under it; otherwise said on `err` and nothing.
std::optional<database::StoredDesignKey> StoredKeyAt(platform::SqlConnection& db, const Arguments& args,
                                                     std::size_t first, std::ostream& err);

// Writes {"designs", "pages", "file"} of a printed job to `out`; the file is
// the absolute PDF path, empty when no page was printed.
int WriteJobJson(std::ostream& out, int designs, int pages, const QString& pdf);

// A job printed to `pdf`: its JSON, or its failure on `err` and exit 3.
int ReportPrintJob(const print::PrintJobResult& result, const QString& pdf, std::ostream& out, std::ostream& err);

}  // namespace probe
