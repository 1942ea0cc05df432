#include "probe_print_job.h"

#include <QCoreApplication>
#include <QFileInfo>
#include <QJsonDocument>
#include <QJsonObject>
#include <memory>
#include <ostream>

#include "database/database_file.h"
#include "database/design_store.h"
#include "probe_messages.h"
#include "probe_store.h"

namespace probe {

int RunPrintCommand(bool argumentsFit, std::string_view usage, ProbeMessages messages, std::ostream& err,
                    const std::function<int()>& run) {
  if (!argumentsFit) return Usage(err, usage);
  const std::unique_ptr<QCoreApplication> app = ApplicationIfNone(ApplicationUse::Fonts);
  std::optional<ErrorStreamMessages> shown;
  if (messages == ProbeMessages::OnErrorStream) shown.emplace(err);
  const int status = run();
  database::CloseCurrentDatabase();
  return status;
}

std::optional<database::StoredDesignKey> StoredKeyAt(platform::SqlConnection& db, const Arguments& args,
                                                     std::size_t first, std::ostream& err) {
  const database::StoredDesignKey key = KeyFrom(args, first);
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
