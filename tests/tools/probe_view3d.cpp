#include "probe_view3d.h"

#include <QJsonArray>
#include <QJsonDocument>
#include <QJsonObject>
#include <charconv>
#include <iostream>
#include <iterator>

#include "app/view3d_scene.h"
#include "probe_json.h"

namespace probe {

namespace {

bool ReadTwips(const std::string& text, int& value) {
  const auto [end, error] = std::from_chars(text.data(), text.data() + text.size(), value);
  return error == std::errc() && end == text.data() + text.size() && value > 0;
}

QJsonObject ElementToJson(const app::SceneElement& element) {
  QJsonObject out;
  out.insert("element", QString::fromStdString(element.name));
  out.insert("index", element.index);
  out.insert("shown", element.shown);
  if (element.shape == app::SceneShape::Line) {
    out.insert("x1", element.line.x1);
    out.insert("y1", element.line.y1);
    out.insert("x2", element.line.x2);
    out.insert("y2", element.line.y2);
  } else {
    out.insert("left", element.rect.left);
    out.insert("top", element.rect.top);
    out.insert("width", element.rect.width);
    out.insert("height", element.rect.height);
    out.insert("fill", element.fill);
  }
  return out;
}

}  // namespace

int View3DCommand(const Arguments& args, std::istream& in, std::ostream& out, std::ostream& err) {
  int width = 0;
  int height = 0;
  if (args.size() != 2 || !ReadTwips(args[0], width) || !ReadTwips(args[1], height)) {
    err << "design-probe: usage: design-probe --view3d WIDTH HEIGHT < design.json (twips, above 0)\n";
    return kExitUsage;
  }
  const std::string text{std::istreambuf_iterator<char>(in), std::istreambuf_iterator<char>()};
  try {
    const engine::DesignState state = RunDesignText(text);
    app::Scene scene = app::InitialView3DScene();
    app::View3DWork work;
    app::DrawView3D(state, width, height, scene, &work);
    QJsonArray elements;
    for (const app::SceneElement& element : scene) elements.append(ElementToJson(element));
    QJsonObject root;
    root.insert("Width", width);
    root.insert("Height", height);
    root.insert("Scale", work.scale);
    root.insert("StrutReach", work.strutReach);
    root.insert("Elements", elements);
    out << QJsonDocument(root).toJson(QJsonDocument::Indented).toStdString();
    return kExitOk;
  } catch (const InputError& error) {
    err << "design-probe: " << error.what() << '\n';
    return kExitBadInput;
  }
}

}  // namespace probe
