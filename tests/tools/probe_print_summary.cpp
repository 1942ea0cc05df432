#include "probe_print_summary.h"

#include <QFileInfo>
#include <QGuiApplication>
#include <QJsonDocument>
#include <QJsonObject>
#include <memory>

#include "database/database_file.h"
#include "database/design_store.h"
#include "platform/services.h"
#include "print/print_selection.h"
#include "print/printer_surface.h"
#include "print/stamped_print_job.h"
#include "probe_store.h"

namespace probe {

namespace {

constexpr std::string_view kUsage =
    "design-probe --print-summary FILE OUT.pdf JOB SECTION POS [JOB SECTION POS]...";

class StderrMessages final : public platform::MessageService {
 public:
  explicit StderrMessages(std::ostream& err) : err_(err) { platform::setMessageService(this); }
  ~StderrMessages() override { platform::setMessageService(nullptr); }
  platform::MessageAnswer show(const platform::MessageRequest& request) override {
    err_ << "design-probe: " << request.text.toStdString() << '\n';
    return platform::defaultAnswer(request);
  }

 private:
  std::ostream& err_;
};

int PrintSummary(const Arguments& args, std::ostream& out, std::ostream& err) {
  const QString file = QString::fromLocal8Bit(args[0]);
  const QString pdf = QString::fromLocal8Bit(args[1]);
  if (!QFileInfo(file).isFile()) {
    err << "design-probe: no database file " << args[0] << '\n';
    return kExitStoreFailed;
  }
  database::CurrentDatabasePath = file;
  if (!database::OpenCurrentDatabase()) return kExitStoreFailed;
  platform::SqlConnection& db = *database::CurrentDatabase();

  // Every key is checked before anything is written.
  std::vector<database::StoredDesignKey> keys;
  for (std::size_t i = 2; i + 2 < args.size(); i += 3) {
    const database::StoredDesignKey key{QString::fromLocal8Bit(args[i]), QString::fromLocal8Bit(args[i + 1]),
                                        QString::fromLocal8Bit(args[i + 2])};
    bool stored = false;
    const platform::SqlStatus checked = database::IsDesignStored(db, key, stored);
    if (!checked.ok() || !stored) {
      err << "design-probe: no design is stored under " << args[i] << " / " << args[i + 1] << " / "
          << args[i + 2] << '\n';
      return kExitStoreFailed;
    }
    keys.push_back(key);
  }

  platform::SqlStatus selected = print::ClearAllSelected(db);
  for (std::size_t i = 0; selected.ok() && i < keys.size(); ++i)
    selected = print::MarkSignsSelected(db, 3, keys[i]);
  if (!selected.ok()) {
    err << "design-probe: " << selected.text().toStdString() << '\n';
    return kExitStoreFailed;
  }

  const std::unique_ptr<print::PrinterSurface> surface = print::PrinterSurface::ForPdf(pdf);
  const print::StampedJobResult result = print::RunStampedPrintJob(db, *surface, print::SummaryFormPrintJob());
  if (!result.ok) return kExitStoreFailed;  // the message went to standard error
  QJsonObject json;
  json.insert("designs", result.designs);
  json.insert("pages", result.pages);
  json.insert("file", result.pages > 0 ? QFileInfo(pdf).absoluteFilePath() : QString());
  out << QJsonDocument(json).toJson(QJsonDocument::Indented).toStdString();
  return kExitOk;
}

}  // namespace

int PrintSummaryCommand(const Arguments& args, std::istream&, std::ostream& out, std::ostream& err) {
  if (args.size() < 5 || (args.size() - 2) % 3 != 0) {
    err << "design-probe: usage: " << kUsage << '\n';
    return kExitUsage;
  }
  // Fonts need a GUI application; the offscreen platform needs no display.
  static int argc = 1;
  static char name[] = "design-probe";
  static char* argv[] = {name, nullptr};
  std::unique_ptr<QGuiApplication> app;
  if (!QCoreApplication::instance()) {
    qputenv("QT_QPA_PLATFORM", "offscreen");
    app = std::make_unique<QGuiApplication>(argc, argv);
  }
  StderrMessages messages(err);
  const int status = PrintSummary(args, out, err);
  database::CloseCurrentDatabase();
  return status;
}

}  // namespace probe
