#pragma once
// Draws a scene (app/scene.h) on a widget: twips to pixels through the
// window's logical DPI, antialiased, pen widths in pixels, hatched fills in
// their colour over a transparent background and texts in the widget's font.

#include "app/scene.h"

#include <QColor>
#include <QWidget>

class QPainter;
class QFont;

namespace app {

// A colour value &HBBGGRR as a QColor.
QColor SceneColour(int32_t value);

// Paints the shown elements of `scene` in order; later elements cover earlier ones.
void PaintScene(QPainter &painter, const Scene &scene, double twipsPerPixel, const QFont &font);

// A widget that shows one scene; it takes no mouse events, so the area
// beneath it keeps its hints and clicks.
class SceneView : public QWidget {
    Q_OBJECT
public:
    explicit SceneView(QWidget *parent = nullptr);

    const Scene &scene() const { return scene_; }
    void setScene(Scene scene);

protected:
    void paintEvent(QPaintEvent *event) override;

private:
    Scene scene_;
};

} // namespace app
