#include "probe_store.h"

#include <QCoreApplication>
#include <QFileInfo>
#include <QGuiApplication>
#include <QJsonArray>
#include <QJsonDocument>
#include <QJsonObject>
#include <iostream>
#include <iterator>
#include <memory>

#include "database/database_file.h"
#include "database/default_values.h"
#include "database/design_store.h"
#include "platform/services.h"
#include "probe_json.h"
#include "probe_messages.h"

namespace probe {

std::unique_ptr<QCoreApplication> ApplicationIfNone(ApplicationUse use) {
  static int argc = 1;
  static char name[] = "design-probe";
  static char* argv[] = {name, nullptr};
  if (QCoreApplication::instance()) return nullptr;
  if (use == ApplicationUse::Store) return std::make_unique<QCoreApplication>(argc, argv);
  qputenv("QT_QPA_PLATFORM", "offscreen");
  return std::make_unique<QGuiApplication>(argc, argv);
}

platform::SqlConnection* OpenDatabaseFile(const std::string& file, bool mustExist, std::ostream& err) {
  const QString path = QString::fromLocal8Bit(file);
  if (mustExist && !QFileInfo(path).isFile()) {
    err << "design-probe: no database file " << file << '\n';
    return nullptr;
  }
  database::CurrentDatabasePath = path;
  database::OpenCurrentDatabase();  // reports its own failure
  return database::CurrentDatabase();
}

database::StoredDesignKey KeyFrom(const Arguments& args, std::size_t first) {
  return {QString::fromLocal8Bit(args[first]), QString::fromLocal8Bit(args[first + 1]),
          QString::fromLocal8Bit(args[first + 2])};
}

int Usage(std::ostream& err, std::string_view usage) {
  err << "design-probe: usage: " << usage << '\n';
  return kExitUsage;
}

namespace {

// The current database for the length of one command.
class OpenDatabase {
 public:
  OpenDatabase(const std::string& file, bool mustExist, std::ostream& err) : messages_(err) {
    OpenDatabaseFile(file, mustExist, err);
  }
  ~OpenDatabase() { database::CloseCurrentDatabase(); }
  platform::SqlConnection* get() const { return database::CurrentDatabase(); }

 private:
  std::unique_ptr<QCoreApplication> app_ = ApplicationIfNone(ApplicationUse::Store);
  ErrorStreamMessages messages_;
};

bool ParseLevel(const std::string& text, int& level) {
  if (text == "1" || text == "2" || text == "3") {
    level = text[0] - '0';
    return true;
  }
  return false;
}

int Report(const database::StoreResult& result, std::ostream& err) {
  if (result.ok()) return kExitOk;
  // The store has shown its message already (on standard error); a declined
  // question has none.
  if (result.message.isEmpty()) err << "design-probe: nothing was stored\n";
  return kExitStoreFailed;
}

// The run's output with the two values a stored design also carries.
QJsonObject StateJson(const engine::DesignState& state) {
  QJsonArray limits;
  for (int32_t limit : state.StiffenerLimit) limits.append(limit);
  QJsonObject out = StateToJson(state);
  out.insert("CurrentSupportType", state.CurrentSupportType);
  out.insert("StiffenerLimit", limits);
  return out;
}

constexpr std::string_view kSaveUsage = "design-probe --save FILE < design.json";
constexpr std::string_view kLoadUsage = "design-probe --load FILE JOB SECTION POS";
constexpr std::string_view kDeleteUsage = "design-probe --delete FILE LEVEL JOB SECTION POS";
constexpr std::string_view kRenameUsage =
    "design-probe --rename FILE LEVEL JOB SECTION POS NEWJOB NEWSECTION NEWPOS";

}  // namespace

int SaveCommand(const Arguments& args, std::istream& in, std::ostream& out, std::ostream& err) {
  if (args.size() != 1) return Usage(err, kSaveUsage);
  const std::string text{std::istreambuf_iterator<char>(in), std::istreambuf_iterator<char>()};
  engine::DesignState state;
  try {
    state = RunDesignText(text);
  } catch (const InputError& error) {
    err << "design-probe: " << error.what() << '\n';
    return kExitBadInput;
  }
  OpenDatabase db(args[0], false, err);
  if (!db.get()) return kExitStoreFailed;
  const int status =
      Report(database::SaveSignDesign(*db.get(), state, database::KeyOf(state.CurrentDesign)), err);
  // The output of the ordinary run.
  if (status == kExitOk) out << QJsonDocument(StateToJson(state)).toJson(QJsonDocument::Indented).toStdString();
  return status;
}

int LoadCommand(const Arguments& args, std::istream&, std::ostream& out, std::ostream& err) {
  if (args.size() != 4) return Usage(err, kLoadUsage);
  OpenDatabase db(args[0], true, err);
  if (!db.get()) return kExitStoreFailed;
  // A key with no stored rows is refused by the store, with its message.
  engine::DesignState state;
  const int status =
      Report(database::LoadSignDesign(*db.get(), state, database::CurrentDefaultValues(), KeyFrom(args, 1)), err);
  if (status == kExitOk) out << QJsonDocument(StateJson(state)).toJson(QJsonDocument::Indented).toStdString();
  return status;
}

int DeleteCommand(const Arguments& args, std::istream&, std::ostream&, std::ostream& err) {
  int level = 0;
  if (args.size() != 5 || !ParseLevel(args[1], level)) return Usage(err, kDeleteUsage);
  OpenDatabase db(args[0], true, err);
  if (!db.get()) return kExitStoreFailed;
  return Report(database::DeleteStoredSign(*db.get(), level, KeyFrom(args, 2)), err);
}

int RenameCommand(const Arguments& args, std::istream&, std::ostream&, std::ostream& err) {
  int level = 0;
  if (args.size() != 8 || !ParseLevel(args[1], level)) return Usage(err, kRenameUsage);
  OpenDatabase db(args[0], true, err);
  if (!db.get()) return kExitStoreFailed;
  return Report(database::RenameStoredSign(*db.get(), level, KeyFrom(args, 2), KeyFrom(args, 5)), err);
}

const std::vector<Command>& StoreCommands() {
  static const std::vector<Command> commands = {
      {"--save", "design-probe --save FILE < design.json      run a design and store it under its key", SaveCommand},
      {"--load", "design-probe --load FILE JOB SECTION POS    load a stored design and print it", LoadCommand},
      {"--delete", "design-probe --delete FILE LEVEL JOB SECTION POS", DeleteCommand},
      {"--rename", "design-probe --rename FILE LEVEL JOB SECTION POS NEWJOB NEWSECTION NEWPOS", RenameCommand},
  };
  return commands;
}

}  // namespace probe
