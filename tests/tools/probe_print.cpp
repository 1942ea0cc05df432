#include "probe_print.h"

#include <iostream>
#include <memory>
#include <optional>

#include "print/design_form.h"
#include "print/printer_surface.h"
#include "probe_orders.h"
#include "probe_print_job.h"
#include "probe_print_summary.h"
#include "probe_store.h"

namespace probe {

namespace {

constexpr std::string_view kPrintUsage = "design-probe --print-design-forms FILE OUT.pdf [JOB SECTION POS]...";

int Print(const Arguments& args, std::ostream& out, std::ostream& err) {
  platform::SqlConnection* const db = OpenDatabaseFile(args[0], true, err);
  if (!db) return kExitStoreFailed;

  std::vector<database::StoredDesignKey> keys;
  if (args.size() == 2) {
    const platform::SqlStatus selected = print::SelectedDesignKeys(*db, keys);
    if (!selected.ok()) {
      err << "design-probe: " << selected.text().toStdString() << '\n';
      return kExitStoreFailed;
    }
  }
  for (std::size_t i = 2; i + 2 < args.size(); i += 3) {
    const std::optional<database::StoredDesignKey> key = StoredKeyAt(*db, args, i, err);
    if (!key) return kExitStoreFailed;
    keys.push_back(*key);
  }

  const QString pdf = QString::fromLocal8Bit(args[1]);
  const std::unique_ptr<print::PrinterSurface> surface = print::PrinterSurface::ForPdf(pdf);
  return ReportPrintJob(print::PrintDesignForms(*surface, *db, keys), pdf, out, err);
}

}  // namespace

int PrintDesignFormsCommand(const Arguments& args, std::istream&, std::ostream& out, std::ostream& err) {
  return RunPrintCommand(args.size() >= 2 && (args.size() - 2) % 3 == 0, kPrintUsage, ProbeMessages::OnErrorStream,
                         err, [&] { return Print(args, out, err); });
}

const std::vector<Command>& PrintCommands() {
  static const std::vector<Command> commands = {
      {"--print-design-forms",
       "design-probe --print-design-forms FILE OUT.pdf [JOB SECTION POS]...   print design forms to a PDF",
       PrintDesignFormsCommand},
      {"--print-summary", "design-probe --print-summary FILE OUT.pdf JOB SECTION POS...   summary form to a PDF, stamped", PrintSummaryCommand},
      {"--print-orders",
       "design-probe --print-orders FILE OUT.pdf REQNO KINDS JOB SECTION POS [KINDS JOB SECTION POS]...   "
       "tick and print order forms to a PDF",
       PrintOrdersCommand},
  };
  return commands;
}

}  // namespace probe
