#pragma once
// Paints a slope diagram scene: the shown shapes, lines and numbers, placed
// from twips through the one twips/pixel helper.

#include "input/slope_diagram_scene.h"

#include <QWidget>

namespace input {

class SlopeDiagramView final : public QWidget {
    Q_OBJECT
public:
    explicit SlopeDiagramView(QWidget *parent = nullptr);
    void setScene(SlopeDiagramScene scene);
    const SlopeDiagramScene &scene() const { return scene_; }

protected:
    void paintEvent(QPaintEvent *event) override;

private:
    SlopeDiagramScene scene_;
};

// A &HBBGGRR colour as Qt's.
QColor ColourFromBgr(uint32_t bgr);

} // namespace input
