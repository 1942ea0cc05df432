#include "probe_print_job.h"

#include <QFileInfo>
#include <QGuiApplication>
#include <QJsonDocument>
#include <QJsonObject>
#include <memory>
#include <ostream>

#include "database/database_file.h"
#include "database/design_store.h"
#include "probe_messages.h"
#include "probe_store.h"

namespace probe {

namespace {

std::unique_ptr<QGuiApplication> GuiApplicationIfNone() {
  static int argc = 1;
  static char name[] = "design-probe";
  static char* argv[] = {name, nullptr};
  if (QCoreApplication::instance()) return nullptr;
  qputenv("QT_QPA_PLATFORM", "offscreen");
  return std::make_unique<QGuiApplication>(argc, argv);
}

}  // namespace

int RunPrintCommand(bool argumentsFit, std::string_view usage, ProbeMessages messages, std::ostream& err,
                    const std::function<int()>& run) {
  if (!argumentsFit) {
    err << "design-probe: usage: " << usage << '\n';
    return kExitUsage;
  }
  const std::unique_ptr<QGuiApplication> app = GuiApplicationIfNone();
  std::optional<ErrorStreamMessages> shown;
  if (messages == ProbeMessages::OnErrorStream) shown.emplace(err);
  const int status = run();
  database::CloseCurrentDatabase();
  return status;
}

platform::SqlConnection* OpenDatabaseFile(const std::string& file, std::ostream& err) {
  const QString path = QString::fromLocal8Bit(file);
  if (!QFileInfo(path).isFile()) {
    err << "design-probe: no database file " << file << '\n';
    return nullptr;
  }
  database::CurrentDatabasePath = path;
  if (!database::OpenCurrentDatabase()) return nullptr;
  return database::CurrentDatabase();
}

std::optional<database::StoredDesignKey> StoredKeyAt(platform::SqlConnection& db, const Arguments& args,
                                                     std::size_t first, std::ostream& err) {
  const database::StoredDesignKey key{QString::fromLocal8Bit(args[first]), QString::fromLocal8Bit(args[first + 1]),
                                      QString::fromLocal8Bit(args[first + 2])};
  bool stored = false;
  const platform::SqlStatus checked = database::IsDesignStored(db, key, stored);
  if (!checked.ok() || !stored) {
    err << "design-probe: no design is stored under " << args[first] << " / " << args[first + 1] << " / "
        << args[first + 2] << '\n';
    return std::nullopt;
  }
  return key;
}

int WriteJobJson(std::ostream& out, int designs, int pages, const QString& pdf) {
  QJsonObject json;
  json.insert("designs", designs);
  json.insert("pages", pages);
  json.insert("file", pages > 0 ? QFileInfo(pdf).absoluteFilePath() : QString());
  out << QJsonDocument(json).toJson(QJsonDocument::Indented).toStdString();
  return kExitOk;
}

int ReportPrintJob(const print::PrintJobResult& result, const QString& pdf, std::ostream& out, std::ostream& err) {
  if (!result.ok) {
    err << "design-probe: " << result.message.toStdString() << '\n';
    return kExitStoreFailed;
  }
  return WriteJobJson(out, result.designs, result.pages, pdf);
}

}  // namespace probe
