#include "probe_panels.h"

#include "probe_json.h"

#include "engine/design_state.h"
#include "input/job_key_status.h"
#include "input/sign_layout_scene.h"
#include "platform/sql.h"

#include <QFontMetrics>
#include <QGuiApplication>
#include <QJsonArray>
#include <QJsonDocument>
#include <QJsonObject>
#include <iterator>
#include <memory>
#include <optional>

namespace probe {

int KeyStatusCommand(const Arguments& args, std::istream&, std::ostream& out, std::ostream& err) {
  if (args.size() != 4 && args.size() != 7) {
    err << "design-probe: --key-status FILE JOB SECTION POS [OPENJOB OPENSECTION OPENPOS]\n";
    return kExitUsage;
  }
  platform::SqlStatus status;
  const auto db = platform::SqlConnection::open(QString::fromStdString(args[0]),
                                                platform::SqlConnection::OpenMode::OpenExisting, status);
  if (!db) {
    err << "design-probe: " << status.text().toStdString() << '\n';
    return kExitBadInput;
  }
  engine::DesignRecord working;
  working.JobCode = args[1];
  working.JobSection = args[2];
  working.SignPos = args[3];
  engine::DesignRecord open;
  if (args.size() == 7) {
    open.JobCode = args[4];
    open.JobSection = args[5];
    open.SignPos = args[6];
  }
  const input::JobKeyStatus key = input::ProbeJobKeyStatus(db.get(), working, open);
  for (const QString& line : key.captions) out << line.toStdString() << '\n';
  out << "flashing: " << (key.flashing ? "yes" : "no") << '\n';
  return kExitOk;
}

namespace {

constexpr double kPanelTwipsPerPixel = 15.0;

std::optional<double> Twips(const std::string& text) {
  try {
    std::size_t used = 0;
    const double v = std::stod(text, &used);
    if (used != text.size() || v <= 0) return std::nullopt;
    return v;
  } catch (...) {
    return std::nullopt;
  }
}

}  // namespace

int LayoutViewCommand(const Arguments& args, std::istream& in, std::ostream& out, std::ostream& err) {
  const std::optional<double> width = args.size() == 2 ? Twips(args[0]) : std::nullopt;
  const std::optional<double> height = args.size() == 2 ? Twips(args[1]) : std::nullopt;
  if (!width || !height) {
    err << "design-probe: --layout-view WIDTH HEIGHT: twips above 0\n";
    return kExitUsage;
  }
  const std::string text{std::istreambuf_iterator<char>(in), std::istreambuf_iterator<char>()};
  engine::DesignState state;
  try {
    state = RunDesignText(text);
  } catch (const InputError& error) {
    err << "design-probe: " << error.what() << '\n';
    return kExitBadInput;
  }
  // Label sizes come from the font, as in the form.
  std::unique_ptr<QGuiApplication> application;
  if (!QGuiApplication::instance()) {
    if (qEnvironmentVariableIsEmpty("QT_QPA_PLATFORM")) qputenv("QT_QPA_PLATFORM", "offscreen");
    static int argc = 1;
    static char name[] = "design-probe";
    static char* argv[] = {name, nullptr};
    application = std::make_unique<QGuiApplication>(argc, argv);
  }
  const QFontMetrics metrics(QGuiApplication::font());
  std::array<input::LayoutSize, 4> sizes{};
  input::SignLayoutScene scene = input::BuildSignLayoutScene(state.CurrentDesign, *width, *height, sizes);
  for (std::size_t i = 0; i < 4; ++i)
    sizes[i] = {metrics.horizontalAdvance(scene.labels[i].caption) * kPanelTwipsPerPixel, metrics.height() * kPanelTwipsPerPixel};
  scene = input::BuildSignLayoutScene(state.CurrentDesign, *width, *height, sizes);

  QJsonObject json;
  json.insert("Scale", static_cast<double>(scene.scale));
  json.insert("LeftOrigin", static_cast<double>(scene.leftOrigin));
  json.insert("TopOrigin", static_cast<double>(scene.topOrigin));
  QJsonArray shapes;
  for (const auto& s : scene.shapes)
    shapes.append(QJsonObject{{"Shown", s.shown}, {"Left", s.left}, {"Top", s.top}, {"Width", s.width},
                              {"Height", s.height}, {"Fill", s.fill}});
  QJsonArray labels;
  for (const auto& l : scene.labels)
    labels.append(QJsonObject{{"Shown", l.shown}, {"Caption", l.caption}, {"Left", l.left}, {"Top", l.top},
                              {"Colour", l.colour}});
  json.insert("Shape3", shapes);
  json.insert("Label2", labels);
  out << QJsonDocument(json).toJson(QJsonDocument::Indented).toStdString();
  return kExitOk;
}

}  // namespace probe
