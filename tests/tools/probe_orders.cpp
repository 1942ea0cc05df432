#include "probe_orders.h"

#include <QDate>
#include <iostream>
#include <memory>
#include <optional>

#include "database/design_key.h"
#include "print/order_form_unit.h"
#include "print/printer_surface.h"
#include "probe_print_job.h"
#include "probe_store.h"

namespace probe {

namespace {

constexpr std::string_view kUsage =
    "design-probe --print-orders FILE OUT.pdf REQNO KINDS JOB SECTION POS [KINDS JOB SECTION POS]...";

struct Ticked {
  std::size_t keyArg = 0;  // JOB SECTION POS start here in the arguments
  std::array<bool, print::OrderKindCount> kinds{};
  database::StoredDesignKey key;  // padded, once found stored
};

bool ParseKinds(const std::string& text, std::array<bool, print::OrderKindCount>& kinds) {
  for (const QString& part : QString::fromLocal8Bit(text).split(',')) {
    const QString kind = part.trimmed().toUpper();
    if (kind == "SF") kinds[print::OrderSignFace] = true;
    else if (kind == "SP") kinds[print::OrderSupports] = true;
    else if (kind == "FT") kinds[print::OrderFittings] = true;
    else return false;
  }
  return true;
}

int Run(const Arguments& args, std::ostream& out, std::ostream& err) {
  const QString pdf = QString::fromLocal8Bit(args[1]);
  const QString reqNo = QString::fromLocal8Bit(args[2]).trimmed();
  if (reqNo.isEmpty()) {
    err << "design-probe: " << print::NoRequisitionMessage << '\n';
    return kExitBadInput;
  }
  if (reqNo.size() > print::RequisitionLength) {
    err << "design-probe: the requisition number is longer than " << print::RequisitionLength << " characters\n";
    return kExitBadInput;
  }
  std::vector<Ticked> ticked;
  for (std::size_t i = 3; i + 3 < args.size(); i += 4) {
    Ticked t;
    if (!ParseKinds(args[i], t.kinds)) {
      err << "design-probe: KINDS is a comma list of SF, SP and FT, not " << args[i] << '\n';
      return kExitBadInput;
    }
    t.keyArg = i + 1;
    ticked.push_back(t);
  }
  platform::SqlConnection* const found = OpenDatabaseFile(args[0], true, err);
  if (!found) return kExitStoreFailed;
  platform::SqlConnection& db = *found;

  for (Ticked& t : ticked) {
    const std::optional<database::StoredDesignKey> key = StoredKeyAt(db, args, t.keyArg, err);
    if (!key) return kExitStoreFailed;
    t.key = {database::PadKey(key->JobCode), database::PadKey(key->JobSection), database::PadKey(key->SignPos)};
  }

  // Exactly these rows selected and ticked, as the two dialogs leave them.
  {
    platform::SqlTransaction transaction(db);
    platform::SqlStatus s = print::ClearPrintFlags(db);
    for (const Ticked& t : ticked) {
      if (!s.ok()) break;
      s = db.exec(QStringLiteral("UPDATE PrintRecord SET Selected = -1 WHERE ") +
                      QLatin1String(database::DesignKeyCondition),
                  database::DesignKeyParams(t.key.JobCode, t.key.JobSection, t.key.SignPos));
      if (s.ok()) s = print::SaveOrderTicks(db, t.key, t.kinds);
    }
    if (s.ok()) s = transaction.commit();
    if (!s.ok()) {
      err << "design-probe: " << s.text().toStdString() << '\n';
      return kExitStoreFailed;
    }
  }

  return ReportPrintJob(
      print::RunOrderPrintUnit(
          db, [&pdf] { return std::unique_ptr<print::PageSurface>(print::PrinterSurface::ForPdf(pdf)); }, reqNo,
          QDate::currentDate()),
      pdf, out, err);
}

}  // namespace

int PrintOrdersCommand(const Arguments& args, std::istream&, std::ostream& out, std::ostream& err) {
  // The order form's own messages stay unshown; its failure is said from the result.
  return RunPrintCommand(args.size() >= 7 && (args.size() - 3) % 4 == 0, kUsage, ProbeMessages::Silent, err,
                         [&] { return Run(args, out, err); });
}

}  // namespace probe
