#pragma once
// The plan of the road beside the clear zone figures: a black carriageway
// band 20 pixels wide with a yellow centre line, straight along the left side
// or bent to the curve radius, over 100 m of road from top to bottom.
// DrawRoadPlan composes the whole picture as an image; the widget holds the
// last image and copies it to the screen in one go, so a moving radius bar
// never shows a half-drawn picture.

#include <QColor>
#include <QImage>
#include <QWidget>

namespace input {

// Width of the carriageway band in pixels and the length of road shown.
inline constexpr int kRoadPlanBandPixels = 20;
inline constexpr double kRoadPlanMetres = 100.0;

// The picture at w x h pixels; `radius` (m) is used only when `curved`.
// Rows are composed from the circle through the left side at the middle row;
// pixels that fall outside the image are skipped. Below 1 x 1: a null image.
QImage DrawRoadPlan(int w, int h, bool curved, int radius, const QColor &background,
                    const QColor &centreLine = QColor(255, 255, 0));

// The carriageway's left edge, right edge and centre line in one row, as
// whole pixels (half to even).
struct RoadPlanRow {
    int x1 = 0;
    int x2 = 0;
    int xm = 0;
};
RoadPlanRow RoadPlanRowAt(int row, int w, int h, bool curved, int radius);

class RoadPlanPicture : public QWidget {
    Q_OBJECT
public:
    explicit RoadPlanPicture(QWidget *parent = nullptr);

    // Composes a new picture at the widget's size and repaints. The radius is
    // the last checked one, never text still being typed.
    void redraw(bool curved, int radius);

    const QImage &image() const { return image_; }
    int redrawCount() const { return redraws_; }

protected:
    void paintEvent(QPaintEvent *event) override;
    void resizeEvent(QResizeEvent *event) override;

private:
    QImage image_;
    bool curved_ = false;
    int radius_ = 100;
    int redraws_ = 0;
};

} // namespace input
