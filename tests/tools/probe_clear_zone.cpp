#include "probe_clear_zone.h"

#include <QByteArray>
#include <QJsonArray>
#include <QJsonDocument>
#include <QJsonObject>
#include <QJsonParseError>
#include <QStringList>
#include <cstdint>
#include <iostream>
#include <iterator>
#include <limits>
#include <string>

#include "engine/clear_zone.h"
#include "engine/clear_zone_entries.h"
#include "input/clear_zone_sketch.h"
#include "probe_json.h"

namespace probe {
namespace {

QJsonObject LineToJson(const input::SketchLine& line) {
  return {{"Visible", line.Visible}, {"X1", line.X1}, {"Y1", line.Y1},
          {"X2", line.X2},           {"Y2", line.Y2}, {"Colour", line.Colour}};
}

QJsonObject BoxToJson(const input::SketchBox& box) {
  return {{"Visible", box.Visible}, {"Left", box.Left},     {"Top", box.Top},
          {"Width", box.Width},     {"Height", box.Height}, {"Colour", box.Colour}};
}

template <typename Array, typename ToJson>
QJsonArray ArrayToJson(const Array& elements, ToJson to_json) {
  QJsonArray array;
  for (const auto& element : elements) array.append(to_json(element));
  return array;
}

QJsonObject SketchToJson(const input::ClearZoneSketch& sketch) {
  return {{"Scale", sketch.Scale},
          {"Line1", LineToJson(sketch.Line1)},
          {"Line3", ArrayToJson(sketch.Line3, LineToJson)},
          {"Line2", ArrayToJson(sketch.Line2, LineToJson)},
          {"SFaces", ArrayToJson(sketch.SFaces, BoxToJson)},
          {"Shape1", BoxToJson(sketch.Shape1)},
          {"Shape4", BoxToJson(sketch.Shape4)},
          {"Shape5", BoxToJson(sketch.Shape5)},
          {"Label5", BoxToJson(sketch.Label5)},
          {"Label5Text", QString::fromStdString(sketch.Label5Text)}};
}

double ReadFrameSize(const std::string& text, const char* what) {
  try {
    std::size_t used = 0;
    const double value = std::stod(text, &used);
    if (used == text.size() && value > 0) return value;
  } catch (const std::exception&) {
  }
  throw InputError(std::string(what) + ": expected a positive number of twips, got " + text);
}

int DesignClearZone(const Arguments& args, std::istream& in, std::ostream& out) {
  if (args.size() != 0 && args.size() != 2) throw InputError("expected WIDTH HEIGHT or nothing");
  const double width = args.empty() ? 6000 : ReadFrameSize(args[0], "WIDTH");
  const double height = args.empty() ? 3000 : ReadFrameSize(args[1], "HEIGHT");
  const std::string text{std::istreambuf_iterator<char>(in), std::istreambuf_iterator<char>()};
  const engine::DesignState state = RunDesignText(text);

  // The window reads the kind in view and then shows kind 1.
  const engine::SupportDesign& viewed = state.SupportDesigns[static_cast<std::size_t>(state.CurrentSupportType)];
  const engine::SupportDesign& shown = state.SupportDesigns[1];
  const engine::ClearZoneEntries entries = engine::InitialClearZoneEntries(viewed, state.CurrentDesign);
  const engine::ClearZoneFigures figures = engine::ComputeClearZoneFigures(state.CurrentDesign, entries);
  const engine::ClearZoneDisplay display = engine::DescribeClearZone(
      figures.LevelTerrain, figures.ActualTerrain, shown.NoResultCode == 0, entries.Barrier != 0);

  input::ClearZoneSketch sketch = input::BuildClearZoneSketch(
      state.CurrentDesign, shown,
      {state.WidestSignWidth, figures.ActualTerrain, entries.Barrier != 0, entries.BarrierDistance, width, height});
  if (!display.Sketch) sketch.HideAll();

  const QJsonObject result{
      {"Entries",
       QJsonObject{{"RoadSpeed", entries.RoadSpeed},
                   {"AADT", entries.AADT},
                   {"CurvedRoad", entries.CurvedRoad},
                   {"Curvature", entries.Curvature},
                   {"Barrier", entries.Barrier},
                   {"BarrierDistance", entries.BarrierDistance}}},
      {"LevelTerrain", figures.LevelTerrain},
      {"ActualTerrain", figures.ActualTerrain},
      {"Label6", QString::fromStdString(display.LevelText)},
      {"Label7", display.ActualText ? QJsonValue(QString::fromStdString(*display.ActualText)) : QJsonValue()},
      {"Warning", display.Warning},
      {"Frame", QJsonObject{{"Width", width}, {"Height", height}}},
      {"Sketch", SketchToJson(sketch)}};
  out << QJsonDocument(result).toJson(QJsonDocument::Indented).toStdString();
  return kExitOk;
}

int32_t ReadInt32(const QJsonObject& object, const char* key, const QString& where) {
  if (!object.contains(key)) throw InputError((where + ": missing " + key).toStdString());
  return static_cast<int32_t>(ReadWholeNumber(object.value(key), std::numeric_limits<int32_t>::min(),
                                              std::numeric_limits<int32_t>::max(), where + "." + key));
}

void ReadSegments(const QJsonObject& object, const char* key, std::array<int32_t, 7>& into, const QString& where) {
  const QJsonValue value = object.value(key);
  if (!value.isArray() || value.toArray().size() != 7)
    throw InputError((where + "." + key + ": expected an array of 7 numbers").toStdString());
  const QJsonArray array = value.toArray();
  for (qsizetype i = 0; i < 7; ++i)
    into[static_cast<std::size_t>(i)] =
        static_cast<int32_t>(ReadWholeNumber(array[i], std::numeric_limits<int32_t>::min(),
                                             std::numeric_limits<int32_t>::max(),
                                             where + "." + key + "[" + QString::number(i) + "]"));
}

QJsonObject CalculateLine(const QByteArray& line, const QString& where) {
  QJsonParseError parse_error;
  const QJsonDocument document = QJsonDocument::fromJson(line, &parse_error);
  if (parse_error.error != QJsonParseError::NoError)
    throw InputError((where + ": malformed JSON: " + parse_error.errorString()).toStdString());
  if (!document.isObject()) throw InputError((where + ": expected one JSON object").toStdString());
  const QJsonObject object = document.object();
  static const QStringList known = {"SegLength", "SegDeltaHeight", "Radius", "Speed", "AADT", "Curved", "Limit"};
  for (const QString& key : object.keys())
    if (!known.contains(key)) throw InputError((where + ": unknown field " + key).toStdString());

  engine::DesignRecord record;
  ReadSegments(object, "SegLength", record.SegLength, where);
  ReadSegments(object, "SegDeltaHeight", record.SegDeltaHeight, where);
  const int32_t radius = ReadInt32(object, "Radius", where);
  const int32_t speed = ReadInt32(object, "Speed", where);
  const int32_t aadt = ReadInt32(object, "AADT", where);
  const int32_t limit = ReadInt32(object, "Limit", where);
  if (!object.value("Curved").isBool()) throw InputError((where + ".Curved: expected true or false").toStdString());
  const bool curved = object.value("Curved").toBool();
  return {{"ActualTerrain", engine::ComputeClearZone(record, radius, speed, aadt, limit, curved)},
          {"LevelTerrain", engine::LevelTerrainClearZone(record, radius, speed, aadt, curved)}};
}

int ClearZoneLines(std::istream& in, std::ostream& out) {
  std::string line;
  int number = 0;
  while (std::getline(in, line)) {
    ++number;
    if (line.find_first_not_of(" \t\r") == std::string::npos) continue;
    const QJsonObject result = CalculateLine(QByteArray::fromStdString(line), "line " + QString::number(number));
    out << QJsonDocument(result).toJson(QJsonDocument::Compact).toStdString() << '\n';
  }
  return kExitOk;
}

}  // namespace

int ClearZoneCommand(const Arguments& args, std::istream& in, std::ostream& out, std::ostream& err) {
  try {
    if (!args.empty() && args[0] == "--lines") {
      if (args.size() != 1) throw InputError("--lines takes no further arguments");
      return ClearZoneLines(in, out);
    }
    return DesignClearZone(args, in, out);
  } catch (const InputError& error) {
    err << "design-probe: " << error.what() << '\n';
    return kExitBadInput;
  }
}

}  // namespace probe
