#pragma once
// Form4, "Wind Region Map of Australia": the map of the wind regions, zoomed
// with the mouse, the legend of the four regions and a choice of region that
// OK hands back to the roadside environment dialog. Made for one showing.

#include "input/wind_map_picture.h"
#include "input/wind_map_zoom.h"

#include <QColor>
#include <QDialog>
#include <QFrame>

#include <array>

class QButtonGroup;
class QPushButton;
class QRadioButton;

namespace input {

// The map viewport: clips the picture, paints it stretched to the zoom's
// picture rectangle and feeds the zoom the mouse, in twips.
class WindMapView : public QWidget {
    Q_OBJECT
public:
    WindMapView(MapZoom zoom, MapPicture picture, QWidget *parent = nullptr);

    const MapZoom &zoom() const { return zoom_; }
    const MapPicture &picture() const { return picture_; }
    double twipsPerPixel() const;

protected:
    void paintEvent(QPaintEvent *event) override;
    void mousePressEvent(QMouseEvent *event) override;
    void mouseDoubleClickEvent(QMouseEvent *event) override;
    void mouseReleaseEvent(QMouseEvent *event) override;

private:
    QPointF imagePoint(const QPointF &pixels) const;

    MapZoom zoom_;
    MapPicture picture_;
};

// A region's colour swatch; a click chooses the region, the chosen one is
// marked with a heavy frame.
class RegionSwatch : public QFrame {
    Q_OBJECT
public:
    RegionSwatch(QColor colour, QWidget *parent = nullptr);
    QColor colour() const { return colour_; }
    bool isMarked() const { return marked_; }
    void setMarked(bool marked);

signals:
    void clicked();

protected:
    void paintEvent(QPaintEvent *event) override;
    void mouseReleaseEvent(QMouseEvent *event) override;

private:
    QColor colour_;
    bool marked_ = false;
};

class Form4 : public QDialog {
    Q_OBJECT
public:
    // The map frame's size in twips; the viewport is this less the inset.
    static constexpr int32_t MapFrameWidth = 9975;
    static constexpr int32_t MapFrameHeight = 6735;

    // Opens with `windRegion` (1..4) chosen, none for any other value; the
    // owner's map is looked for in `mapFolder`.
    Form4(int windRegion, const QString &mapFolder, QWidget *parent = nullptr);

    // The chosen region, 1..4, or 0 when none is chosen.
    int chosenRegion() const;

    QRadioButton *regionOption(int i) const { return Option3D1[static_cast<std::size_t>(i)]; }
    RegionSwatch *swatch(int i) const { return Panel3D5[static_cast<std::size_t>(i)]; }
    WindMapView *mapView() const { return Picture1; }
    QPushButton *okButton() const { return okButton_; }
    QPushButton *cancelButton() const { return cancelButton_; }

private:
    void markSwatch(int index);

    WindMapView *Picture1 = nullptr;
    QButtonGroup *regions_ = nullptr;
    std::array<QRadioButton *, 4> Option3D1{};
    std::array<RegionSwatch *, 4> Panel3D5{};
    QPushButton *okButton_ = nullptr;
    QPushButton *cancelButton_ = nullptr;
};

} // namespace input
