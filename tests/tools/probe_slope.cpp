#include "probe_slope.h"

#include <QJsonArray>
#include <QJsonDocument>
#include <QJsonObject>
#include <iostream>
#include <iterator>

#include "input/slope_diagram_scene.h"
#include "probe_json.h"

namespace probe {
namespace {

QString Colour(uint32_t bgr) {
  return QStringLiteral("&H") + QString::number(bgr, 16).toUpper().rightJustified(6, QLatin1Char('0'));
}

const char* StyleName(input::DiagramStyle style) { return style == input::DiagramStyle::Dot ? "dot" : "solid"; }

QJsonObject ShapeJson(const char* name, const input::DiagramShape& s) {
  return {{"element", name},
          {"shown", s.shown},
          {"rect", QJsonObject{{"left", s.left}, {"top", s.top}, {"width", s.width}, {"height", s.height}}},
          {"border", Colour(s.borderColour)},
          {"borderStyle", StyleName(s.borderStyle)},
          {"fill", s.filled ? Colour(s.fillColour) : QStringLiteral("none")}};
}

template <std::size_t N>
void AppendLines(QJsonArray& out, const char* name, const std::array<input::DiagramLine, N>& lines) {
  for (std::size_t i = 0; i < N; ++i) {
    const input::DiagramLine& l = lines[i];
    out.append(QJsonObject{{"element", name},
                           {"index", static_cast<int>(i)},
                           {"shown", l.shown},
                           {"line", QJsonArray{l.x1, l.y1, l.x2, l.y2}},
                           {"colour", Colour(l.colour)},
                           {"width", l.width},
                           {"style", StyleName(l.style)}});
  }
}

void AppendLabels(QJsonArray& out, const char* name, const std::array<input::DiagramLabel, 6>& labels) {
  for (std::size_t i = 0; i < labels.size(); ++i) {
    const input::DiagramLabel& l = labels[i];
    out.append(QJsonObject{{"element", name},
                           {"index", static_cast<int>(i)},
                           {"shown", l.shown},
                           {"rect", QJsonObject{{"left", l.left}, {"top", l.top}, {"width", l.width}, {"height", l.height}}},
                           {"caption", QString::fromStdString(l.caption)},
                           {"colour", Colour(l.colour)}});
  }
}

}  // namespace

int SlopeDiagramCommand(const Arguments& args, std::istream& in, std::ostream& out, std::ostream& err) {
  if (!args.empty()) {
    err << "design-probe: --slope-diagram takes no arguments; the design comes on standard input\n";
    return kExitUsage;
  }
  const std::string text{std::istreambuf_iterator<char>(in), std::istreambuf_iterator<char>()};
  engine::DesignRecord design;
  int count = 0;
  bool strutted = false;
  try {
    QJsonParseError parseError;
    const QJsonDocument document = QJsonDocument::fromJson(QByteArray::fromStdString(text), &parseError);
    if (parseError.error != QJsonParseError::NoError || !document.isObject())
      throw InputError("the input must be one JSON object");
    const QJsonObject root = document.object();
    for (const QString& key : root.keys())
      if (key != "CurrentDesign" && key != "SlopeSegmentCount" && key != "Strutted")
        throw InputError("unknown field " + key.toStdString());
    if (root.contains("CurrentDesign")) {
      if (!root.value("CurrentDesign").isObject()) throw InputError("CurrentDesign: expected an object");
      ApplyDesignRecord(root.value("CurrentDesign").toObject(), design, "CurrentDesign");
    }
    // By default the segments run up to the first zero length, as the form counts them.
    count = 5;
    for (int k = 1; k <= 5; ++k)
      if (design.SegLength[static_cast<std::size_t>(k)] == 0) {
        count = std::max(k - 1, 1);
        break;
      }
    if (root.contains("SlopeSegmentCount"))
      count = static_cast<int>(ReadWholeNumber(root.value("SlopeSegmentCount"), 1, 5, "SlopeSegmentCount"));
    strutted = design.SupportStruts != 0;
    if (root.contains("Strutted")) {
      if (!root.value("Strutted").isBool()) throw InputError("Strutted: expected true or false");
      strutted = root.value("Strutted").toBool();
    }
  } catch (const InputError& error) {
    err << "design-probe: " << error.what() << '\n';
    return kExitBadInput;
  }

  const input::SlopeDiagramScene scene = input::DrawSlopeDiagram(design, count, strutted);
  QJsonArray elements;
  elements.append(ShapeJson("Shape6", scene.Shape6));
  elements.append(ShapeJson("Shape7", scene.Shape7));
  elements.append(ShapeJson("Shape4", scene.Shape4));
  elements.append(ShapeJson("Shape8", scene.Shape8));
  AppendLines(elements, "Line6", scene.Line6);
  AppendLines(elements, "Line9", scene.Line9);
  AppendLines(elements, "Line7", scene.Line7);
  AppendLines(elements, "Line8", scene.Line8);
  AppendLines(elements, "Line13", scene.Line13);
  AppendLabels(elements, "Label7", scene.Label7);
  AppendLabels(elements, "Label9", scene.Label9);
  QJsonObject root{{"Frame", QJsonObject{{"Width", scene.frameWidth}, {"Height", scene.frameHeight}}},
                   {"SlopeSegmentCount", count},
                   {"Strutted", strutted},
                   {"Scale", static_cast<double>(scene.scale)},
                   {"Top", static_cast<double>(scene.top)},
                   {"Bottom", static_cast<double>(scene.bottom)},
                   {"Elements", elements}};
  out << QJsonDocument(root).toJson(QJsonDocument::Indented).toStdString();
  return kExitOk;
}

}  // namespace probe
