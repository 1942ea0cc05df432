#include "probe_elevation.h"

#include <QFontMetrics>
#include <QGuiApplication>
#include <QJsonArray>
#include <QJsonDocument>
#include <QJsonObject>
#include <iostream>
#include <iterator>
#include <memory>
#include <optional>

#include "app/design_elevation_scene.h"
#include "app/result_panel.h"
#include "probe_json.h"

namespace probe {

namespace {

constexpr double kTwipsPerPixel = 15.0;

std::optional<long long> WholeNumber(const std::string& text, long long low, long long high) {
  try {
    std::size_t used = 0;
    const long long value = std::stoll(text, &used);
    if (used != text.size() || value < low || value > high) return std::nullopt;
    return value;
  } catch (const std::exception&) {
    return std::nullopt;
  }
}

QString Colour(int32_t value) {
  if (value == app::NoColour) return QStringLiteral("none");
  return QStringLiteral("&H") + QString::number(value, 16).toUpper().rightJustified(6, QLatin1Char('0'));
}

const char* ShapeName(app::SceneShape shape) {
  switch (shape) {
    case app::SceneShape::Rectangle: return "rectangle";
    case app::SceneShape::RoundedRectangle: return "rounded rectangle";
    case app::SceneShape::Line: return "line";
    case app::SceneShape::Text: return "text";
  }
  return "";
}

const char* FillName(app::SceneFill fill) {
  switch (fill) {
    case app::SceneFill::None: return "none";
    case app::SceneFill::Solid: return "solid";
    case app::SceneFill::UpwardDiagonal: return "upward diagonal";
    case app::SceneFill::DownwardDiagonal: return "downward diagonal";
  }
  return "";
}

QJsonArray LineArray(const app::SceneLine& line) { return {line.x1, line.y1, line.x2, line.y2}; }

QJsonObject ElementToJson(const app::SceneElement& e) {
  QJsonObject o;
  o.insert("element", QString::fromStdString(e.name));
  o.insert("index", e.index);
  o.insert("shape", ShapeName(e.shape));
  o.insert("shown", e.shown);
  if (e.shape == app::SceneShape::Line) {
    o.insert("line", LineArray(e.line));
  } else {
    o.insert("rect", QJsonObject{{"left", e.rect.left}, {"top", e.rect.top},
                                 {"width", e.rect.width}, {"height", e.rect.height}});
  }
  o.insert("pen", Colour(e.pen));
  o.insert("penPixels", e.penPixels);
  if (e.shape == app::SceneShape::Rectangle || e.shape == app::SceneShape::RoundedRectangle) {
    o.insert("fill", Colour(e.fill));
    o.insert("fillStyle", FillName(e.fillStyle));
  }
  if (e.shape == app::SceneShape::Text) {
    o.insert("text", QString::fromStdString(e.text));
    o.insert("align", e.align == app::SceneAlign::Right ? "right" : e.align == app::SceneAlign::Left ? "left" : "centre");
  }
  if (e.unitsWide > 0) {
    o.insert("units", QJsonArray{e.unitsWide, e.unitsHigh});
    QJsonArray lines;
    for (const app::SceneLine& line : e.unitLines) lines.append(LineArray(line));
    o.insert("unitLines", lines);
  }
  return o;
}

}  // namespace

int ElevationCommand(const Arguments& args, std::istream& in, std::ostream& out, std::ostream& err) {
  const std::optional<long long> width = args.size() >= 2 ? WholeNumber(args[0], 1, 1000000) : std::nullopt;
  const std::optional<long long> height = args.size() >= 2 ? WholeNumber(args[1], 1, 1000000) : std::nullopt;
  const std::optional<long long> kind = args.size() == 3 ? WholeNumber(args[2], 1, 4) : std::nullopt;
  if (!width || !height || args.size() > 3 || (args.size() == 3 && !kind)) {
    err << "design-probe: --elevation WIDTH HEIGHT [KIND]: twips above 0 and a support kind 1 to 4\n";
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
  if (kind) state.CurrentSupportType = static_cast<int16_t>(*kind);

  // The label's width comes from the font, as in the window.
  std::unique_ptr<QGuiApplication> application;
  if (!QGuiApplication::instance()) {
    if (qEnvironmentVariableIsEmpty("QT_QPA_PLATFORM")) qputenv("QT_QPA_PLATFORM", "offscreen");
    static int argc = 1;
    static char name[] = "design-probe";
    static char* argv[] = {name, nullptr};
    application = std::make_unique<QGuiApplication>(argc, argv);
  }
  const QFontMetrics metrics(QGuiApplication::font());
  const app::TextMeasure measure = [&metrics](const std::string& caption) {
    return app::TextExtent{
        static_cast<int32_t>(metrics.horizontalAdvance(QString::fromStdString(caption)) * kTwipsPerPixel),
        static_cast<int32_t>(metrics.height() * kTwipsPerPixel)};
  };

  // The window draws the view unless the viewed kind's first result reads "No Result".
  const bool drawn = app::SupportResultValues(state).values[0].trimmed() != QStringLiteral("No Result");
  const app::ElevationArea area{static_cast<int32_t>(*width), static_cast<int32_t>(*height), kTwipsPerPixel};
  const app::Scene scene = drawn ? app::DesignElevationScene(state, area, measure) : app::HiddenDesignElevation();

  QJsonArray elements;
  for (const app::SceneElement& element : scene) elements.append(ElementToJson(element));
  QJsonObject root;
  root.insert("Area", QJsonObject{{"Width", area.width}, {"Height", area.height}, {"TwipsPerPixel", kTwipsPerPixel}});
  root.insert("SupportType", app::ViewedSupportType(state));
  root.insert("Drawn", drawn);
  root.insert("Elements", elements);
  out << QJsonDocument(root).toJson(QJsonDocument::Indented).toStdString();
  return kExitOk;
}

}  // namespace probe
