#include "probe_print_summary.h"

#include <memory>
#include <optional>

#include "print/print_selection.h"
#include "print/printer_surface.h"
#include "print/stamped_print_job.h"
#include "probe_print_job.h"
#include "probe_store.h"

namespace probe {

namespace {

constexpr std::string_view kUsage =
    "design-probe --print-summary FILE OUT.pdf JOB SECTION POS [JOB SECTION POS]...";

int PrintSummary(const Arguments& args, std::ostream& out, std::ostream& err) {
  platform::SqlConnection* const db = OpenDatabaseFile(args[0], true, err);
  if (!db) return kExitStoreFailed;

  // Every key is checked before anything is written.
  std::vector<database::StoredDesignKey> keys;
  for (std::size_t i = 2; i + 2 < args.size(); i += 3) {
    const std::optional<database::StoredDesignKey> key = StoredKeyAt(*db, args, i, err);
    if (!key) return kExitStoreFailed;
    keys.push_back(*key);
  }

  platform::SqlStatus selected = print::ClearAllSelected(*db);
  for (std::size_t i = 0; selected.ok() && i < keys.size(); ++i)
    selected = print::MarkSignsSelected(*db, 3, keys[i]);
  if (!selected.ok()) {
    err << "design-probe: " << selected.text().toStdString() << '\n';
    return kExitStoreFailed;
  }

  const QString pdf = QString::fromLocal8Bit(args[1]);
  const std::unique_ptr<print::PrinterSurface> surface = print::PrinterSurface::ForPdf(pdf);
  const print::StampedJobResult result = print::RunStampedPrintJob(*db, *surface, print::SummaryFormPrintJob());
  if (!result.ok) return kExitStoreFailed;  // the message went to standard error
  return WriteJobJson(out, result.designs, result.pages, pdf);
}

}  // namespace

int PrintSummaryCommand(const Arguments& args, std::istream&, std::ostream& out, std::ostream& err) {
  return RunPrintCommand(args.size() >= 5 && (args.size() - 2) % 3 == 0, kUsage, ProbeMessages::OnErrorStream, err,
                         [&] { return PrintSummary(args, out, err); });
}

}  // namespace probe
