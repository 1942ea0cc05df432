#include "probe_orders.h"

#include <QDate>
#include <QFileInfo>
#include <QGuiApplication>
#include <QJsonDocument>
#include <QJsonObject>
#include <iostream>
#include <memory>

#include "database/database_file.h"
#include "database/design_key.h"
#include "database/design_store.h"
#include "print/order_form_unit.h"
#include "print/printer_surface.h"
#include "probe_store.h"

namespace probe {

namespace {

constexpr std::string_view kUsage =
    "design-probe --print-orders FILE OUT.pdf REQNO KINDS JOB SECTION POS [KINDS JOB SECTION POS]...";

std::unique_ptr<QGuiApplication> GuiApplicationIfNone() {
  static int argc = 1;
  static char name[] = "design-probe";
  static char* argv[] = {name, nullptr};
  if (QCoreApplication::instance()) return nullptr;
  qputenv("QT_QPA_PLATFORM", "offscreen");
  return std::make_unique<QGuiApplication>(argc, argv);
}

struct Ticked {
  database::StoredDesignKey key;
  std::array<bool, print::OrderKindCount> kinds{};
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
  const QString file = QString::fromLocal8Bit(args[0]);
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
    t.key = {QString::fromLocal8Bit(args[i + 1]), QString::fromLocal8Bit(args[i + 2]),
             QString::fromLocal8Bit(args[i + 3])};
    ticked.push_back(t);
  }
  if (!QFileInfo(file).isFile()) {
    err << "design-probe: no database file " << args[0] << '\n';
    return kExitStoreFailed;
  }
  database::CurrentDatabasePath = file;
  if (!database::OpenCurrentDatabase()) return kExitStoreFailed;
  platform::SqlConnection& db = *database::CurrentDatabase();

  for (Ticked& t : ticked) {
    bool stored = false;
    const platform::SqlStatus checked = database::IsDesignStored(db, t.key, stored);
    if (!checked.ok() || !stored) {
      err << "design-probe: no design is stored under " << t.key.JobCode.toStdString() << " / "
          << t.key.JobSection.toStdString() << " / " << t.key.SignPos.toStdString() << '\n';
      return kExitStoreFailed;
    }
    t.key = {database::PadKey(t.key.JobCode), database::PadKey(t.key.JobSection), database::PadKey(t.key.SignPos)};
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

  const print::PrintJobResult result = print::RunOrderPrintUnit(
      db, [&pdf] { return std::unique_ptr<print::PageSurface>(print::PrinterSurface::ForPdf(pdf)); }, reqNo,
      QDate::currentDate());
  if (!result.ok) {
    err << "design-probe: " << result.message.toStdString() << '\n';
    return kExitStoreFailed;
  }
  QJsonObject json;
  json.insert("designs", result.designs);
  json.insert("pages", result.pages);
  json.insert("file", result.pages > 0 ? QFileInfo(pdf).absoluteFilePath() : QString());
  out << QJsonDocument(json).toJson(QJsonDocument::Indented).toStdString();
  return kExitOk;
}

}  // namespace

int PrintOrdersCommand(const Arguments& args, std::istream&, std::ostream& out, std::ostream& err) {
  if (args.size() < 7 || (args.size() - 3) % 4 != 0) {
    err << "design-probe: usage: " << kUsage << '\n';
    return kExitUsage;
  }
  const std::unique_ptr<QGuiApplication> app = GuiApplicationIfNone();
  const int status = Run(args, out, err);
  database::CloseCurrentDatabase();
  return status;
}

}  // namespace probe
