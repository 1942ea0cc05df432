#include "probe_commands.h"

#include <QByteArray>
#include <QJsonArray>
#include <QJsonDocument>
#include <QJsonObject>
#include <QJsonParseError>
#include <cstdint>
#include <iostream>
#include <iterator>
#include <utility>

#include "engine/design_run.h"
#include "engine/design_state.h"
#include "engine/design_tables.h"
#include "probe_clear_zone.h"
#include "probe_elevation.h"
#include "probe_panels.h"
#include "probe_json.h"
#include "probe_view3d.h"
#include "probe_slope.h"

namespace probe {

namespace {

enum class RunKind { RunDesign, RedesignWithMorePosts, MainWindow };

struct Request {
  engine::DesignState state;
  RunKind run = RunKind::MainWindow;
};

QJsonObject ReadObject(const QJsonObject& parent, const char* key) {
  const QJsonValue value = parent.value(key);
  if (!value.isObject()) throw InputError(std::string(key) + ": expected an object");
  return value.toObject();
}

Request ParseRequest(const QByteArray& text) {
  QJsonParseError parseError;
  const QJsonDocument document = QJsonDocument::fromJson(text, &parseError);
  if (parseError.error != QJsonParseError::NoError)
    throw InputError("malformed JSON at offset " + std::to_string(parseError.offset) + ": " +
                     parseError.errorString().toStdString());
  if (!document.isObject()) throw InputError("the input must be one JSON object");
  const QJsonObject root = document.object();

  static const QStringList known = {"StiffenerLimit", "Defaults", "CurrentDesign", "SupportDesigns",
                                    "CurrentSupportType", "Run"};
  for (const QString& key : root.keys())
    if (!known.contains(key)) throw InputError("unknown field " + key.toStdString());

  Request request;
  engine::DesignState& state = request.state;

  engine::DefaultValues defaults;
  if (root.contains("Defaults")) ApplyDefaultValues(ReadObject(root, "Defaults"), defaults, "Defaults");
  engine::ResetDesignData(state, defaults);

  if (root.contains("StiffenerLimit")) {
    const QJsonValue value = root.value("StiffenerLimit");
    if (!value.isArray() || value.toArray().size() != 5)
      throw InputError("StiffenerLimit: expected an array of 5 numbers");
    const QJsonArray limits = value.toArray();
    for (int i = 0; i < 5; ++i)
      state.StiffenerLimit[static_cast<std::size_t>(i) + 1] = static_cast<int32_t>(
          ReadWholeNumber(limits[i], INT32_MIN, INT32_MAX, "StiffenerLimit[" + QString::number(i) + "]"));
  }
  if (root.contains("CurrentDesign"))
    ApplyDesignRecord(ReadObject(root, "CurrentDesign"), state.CurrentDesign, "CurrentDesign");
  if (root.contains("SupportDesigns")) {
    const QJsonValue value = root.value("SupportDesigns");
    if (!value.isArray() || value.toArray().size() > 5)
      throw InputError("SupportDesigns: expected an array of at most 5 elements (element 0 null)");
    const QJsonArray supports = value.toArray();
    for (qsizetype t = 0; t < supports.size(); ++t) {
      const QString where = "SupportDesigns[" + QString::number(t) + "]";
      if (supports[t].isNull()) continue;
      if (t == 0 || !supports[t].isObject())
        throw InputError((where + ": expected " + (t == 0 ? "null" : "an object or null")).toStdString());
      ApplySupportDesign(supports[t].toObject(), state.SupportDesigns[static_cast<std::size_t>(t)], where);
    }
  }
  if (root.contains("CurrentSupportType"))
    state.CurrentSupportType =
        static_cast<int16_t>(ReadWholeNumber(root.value("CurrentSupportType"), 1, 4, "CurrentSupportType"));
  if (root.contains("Run")) {
    const QString run = root.value("Run").toString();
    if (run == "RunDesign") {
      request.run = RunKind::RunDesign;
    } else if (run == "RedesignWithMorePosts") {
      request.run = RunKind::RedesignWithMorePosts;
    } else if (run == "MainWindow") {
      request.run = RunKind::MainWindow;
    } else {
      throw InputError("Run: expected \"RunDesign\", \"RedesignWithMorePosts\" or \"MainWindow\"");
    }
  }
  return request;
}

void Execute(Request& request) {
  switch (request.run) {
    case RunKind::RunDesign:
      engine::RunDesign(request.state);
      break;
    case RunKind::RedesignWithMorePosts:
      engine::RedesignWithMorePosts(request.state);
      break;
    case RunKind::MainWindow:
      engine::RunDesign(request.state);
      engine::RedesignWithMorePosts(request.state);
      break;
  }
}

// One chart as a JSON object, one grid row per line so the grids can be read.
template <typename Read>
void WriteChart(std::ostream& out, const char* name, int rows, Read read, bool last) {
  out << "  \"" << name << "\": {\n";
  for (int category = 1; category <= engine::kWindCategories; ++category) {
    for (int member = 1; member <= engine::kStrutMembers; ++member) {
      out << "    \"" << category << ',' << member << "\": [\n";
      for (int row = 1; row <= rows; ++row) {
        out << "      [";
        for (int column = 1; column <= engine::kStrutChartColumns; ++column)
          out << (column > 1 ? ", " : "")
              << QString::number(static_cast<double>(read(row, column, category, member)), 'g', 9).toStdString();
        out << (row < rows ? "],\n" : "]\n");
      }
      const bool lastGrid = category == engine::kWindCategories && member == engine::kStrutMembers;
      out << (lastGrid ? "    ]\n" : "    ],\n");
    }
  }
  out << (last ? "  }\n" : "  },\n");
}

}  // namespace

engine::DesignState RunDesignText(const std::string& text) {
  Request request = ParseRequest(QByteArray::fromStdString(text));
  Execute(request);
  return std::move(request.state);
}

QJsonObject StateToJson(const engine::DesignState& state) {
  QJsonArray supports;
  supports.append(QJsonValue::Null);
  for (int t = 1; t <= 4; ++t) supports.append(SupportDesignToJson(state.SupportDesigns[t]));
  QJsonObject out;
  out.insert("CurrentDesign", DesignRecordToJson(state.CurrentDesign));
  out.insert("SupportDesigns", supports);
  out.insert("DesignOpen", state.DesignOpen);
  out.insert("Work", WorkValuesToJson(state));
  return out;
}

int RunDesignCommand(const Arguments&, std::istream& in, std::ostream& out, std::ostream& err) {
  const std::string text{std::istreambuf_iterator<char>(in), std::istreambuf_iterator<char>()};
  try {
    const engine::DesignState state = RunDesignText(text);
    out << QJsonDocument(StateToJson(state)).toJson(QJsonDocument::Indented).toStdString();
    return kExitOk;
  } catch (const InputError& error) {
    err << "design-probe: " << error.what() << '\n';
    return kExitBadInput;
  }
}

int PrintChartsCommand(const Arguments&, std::istream&, std::ostream& out, std::ostream&) {
  out << "{\n";
  WriteChart(out, "StrutChartA", engine::kStrutChartARows, engine::StrutChartA, false);
  WriteChart(out, "StrutChartB", engine::kStrutChartBRows, engine::StrutChartB, true);
  out << "}\n";
  return kExitOk;
}

const std::vector<Command>& Commands() {
  static const std::vector<Command> commands = {
      {"", "design-probe < design.json     run a design and print the results", RunDesignCommand},
      {"--charts", "design-probe --charts          print the strut capacity charts", PrintChartsCommand},
      {"--clear-zone", "design-probe --clear-zone [W H] | --lines   clear-zone figures and sketch", ClearZoneCommand},
      {"--elevation", "design-probe --elevation WIDTH HEIGHT [KIND] < design.json   print the design view", ElevationCommand},
      {"--view3d", "design-probe --view3d WIDTH HEIGHT < design.json   print the 3-D view's scene (twips)", View3DCommand},
      {"--slope-diagram", "design-probe --slope-diagram < design.json   print the slope diagram scene", SlopeDiagramCommand},
      {"--key-status", "design-probe --key-status FILE JOB SECTION POS [OPENJOB OPENSECTION OPENPOS]   key status", KeyStatusCommand},
      {"--layout-view", "design-probe --layout-view WIDTH HEIGHT < design.json   print the sign layout view", LayoutViewCommand},
  };
  return commands;
}

}  // namespace probe
