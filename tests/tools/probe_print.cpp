#include "probe_print.h"

#include <QFile>
#include <QFileInfo>
#include <QGuiApplication>
#include <QJsonDocument>
#include <QJsonObject>
#include <iostream>
#include <memory>

#include "database/database_file.h"
#include "database/design_store.h"
#include "platform/services.h"
#include "print/design_form.h"
#include "print/printer_surface.h"
#include "probe_print_summary.h"
#include "probe_orders.h"
#include "probe_store.h"

namespace probe {

namespace {

constexpr std::string_view kPrintUsage = "design-probe --print-design-forms FILE OUT.pdf [JOB SECTION POS]...";

// Fonts need a GUI application; the offscreen platform needs no display.
std::unique_ptr<QGuiApplication> GuiApplicationIfNone() {
  static int argc = 1;
  static char name[] = "design-probe";
  static char* argv[] = {name, nullptr};
  if (QCoreApplication::instance()) return nullptr;
  qputenv("QT_QPA_PLATFORM", "offscreen");
  return std::make_unique<QGuiApplication>(argc, argv);
}

class ErrorMessages final : public platform::MessageService {
 public:
  explicit ErrorMessages(std::ostream& err) : err_(err) { platform::setMessageService(this); }
  ~ErrorMessages() override { platform::setMessageService(nullptr); }
  platform::MessageAnswer show(const platform::MessageRequest& request) override {
    err_ << "design-probe: " << request.text.toStdString() << '\n';
    return platform::defaultAnswer(request);
  }

 private:
  std::ostream& err_;
};

int Print(const Arguments& args, std::ostream& out, std::ostream& err) {
  const QString file = QString::fromLocal8Bit(args[0]);
  const QString pdf = QString::fromLocal8Bit(args[1]);
  if (!QFileInfo(file).isFile()) {
    err << "design-probe: no database file " << args[0] << '\n';
    return kExitStoreFailed;
  }
  database::CurrentDatabasePath = file;
  if (!database::OpenCurrentDatabase()) return kExitStoreFailed;
  platform::SqlConnection& db = *database::CurrentDatabase();

  std::vector<database::StoredDesignKey> keys;
  if (args.size() == 2) {
    const platform::SqlStatus selected = print::SelectedDesignKeys(db, keys);
    if (!selected.ok()) {
      err << "design-probe: " << selected.text().toStdString() << '\n';
      return kExitStoreFailed;
    }
  }
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

  const std::unique_ptr<print::PrinterSurface> surface = print::PrinterSurface::ForPdf(pdf);
  const print::PrintJobResult result = print::PrintDesignForms(*surface, db, keys);
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

int PrintDesignFormsCommand(const Arguments& args, std::istream&, std::ostream& out, std::ostream& err) {
  if (args.size() < 2 || (args.size() - 2) % 3 != 0) {
    err << "design-probe: usage: " << kPrintUsage << '\n';
    return kExitUsage;
  }
  const std::unique_ptr<QGuiApplication> app = GuiApplicationIfNone();
  ErrorMessages messages(err);
  const int status = Print(args, out, err);
  database::CloseCurrentDatabase();
  return status;
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
