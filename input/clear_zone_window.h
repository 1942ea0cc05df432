#pragma once
// The "Clear Zone" window: the engineer enters the clear-zone data of the
// open design (speed, traffic, curve, barrier) and sees at once the clear
// zone for level terrain and for the design's roadside slope, a sketch of the
// roadside and a plan of the road. It works on copies of the design and
// writes the data back only through "Back to Main"; the close box discards
// the edits, and Esc does nothing.

#include <QDialog>
#include <QFrame>
#include <QScrollBar>
#include <array>
#include <cstdint>

#include "engine/clear_zone_entries.h"
#include "input/clear_zone_sketch.h"
#include "engine/design_state.h"

class QCheckBox;
class QComboBox;
class QKeyEvent;
class QLabel;
class QLineEdit;
class QPushButton;

namespace input {

class RoadPlanPicture;

// A scroll bar with a Min and a Max in either order, the Min end at the top
// or left (900 m at the top of the radius bar). Qt keeps only an ascending
// range, so a Min above Max is held negated: the bar runs from -Min to -Max
// and its arrows and pages still step from Min towards Max. Qt also reports
// every value change, those of its own range clamping included; here only
// the engineer's moves are reported (userChanged), so values and ranges set
// from code never reach the entry beside the bar.
class RangeScrollBar : public QScrollBar {
    Q_OBJECT
public:
    RangeScrollBar(Qt::Orientation orientation, int min, int max, int smallChange, int largeChange,
                   QWidget *parent = nullptr);

    int min() const { return min_; }
    int max() const { return max_; }
    int barValue() const { return sign_ * value(); }
    // Sets Min and Max from code; the value is kept where the new range allows.
    void setMinMax(int min, int max);
    // Sets the value from code, without a userChanged.
    void setBarValue(int value);

signals:
    void userChanged(int value);

private:
    int min_;
    int max_;
    int sign_ = 1;
    bool quiet_ = false;
};

// The painted sketch: draws a scene model given in twips.
class ClearZoneSketchView : public QFrame {
    Q_OBJECT
public:
    explicit ClearZoneSketchView(QWidget *parent = nullptr);
    void setSketch(const ClearZoneSketch &sketch);
    const ClearZoneSketch &sketch() const { return sketch_; }
    // The frame's size in twips.
    double widthTwips() const;
    double heightTwips() const;

protected:
    void paintEvent(QPaintEvent *event) override;

private:
    ClearZoneSketch sketch_;
};

class ClearZoneWindow : public QDialog {
    Q_OBJECT
public:
    // Takes its copies from `state` and initialises from the support kind in
    // view; the window then edits and shows support kind 1.
    explicit ClearZoneWindow(engine::DesignState &state, QWidget *parent = nullptr);
    ~ClearZoneWindow() override;

    // The controls, for the tests and the screenshot tool.
    QComboBox *speedCombo() const { return combo1_; }
    QComboBox *trafficCombo() const { return combo3_; }
    QCheckBox *curvedCheck() const { return check3D1_; }
    QCheckBox *barrierCheck() const { return check3D2_; }
    QLineEdit *radiusEntry() const { return text2_; }
    QLineEdit *barrierEntry() const { return text3_; }
    RangeScrollBar *radiusBar() const { return vScroll1_; }
    RangeScrollBar *barrierBar() const { return hScroll2_; }
    QPushButton *backButton() const { return command1_; }
    QLabel *levelLabel() const { return label6_; }
    QLabel *actualLabel() const { return label7_; }
    QLabel *warning() const { return text1_; }
    QWidget *radiusPanel() const { return panel3D5_; }
    QWidget *radiusBarPanel() const { return panel3D13_; }
    QWidget *barrierPanel() const { return panel3D11_; }
    QWidget *barrierBarPanel() const { return panel3D12_; }
    ClearZoneSketchView *sketchView() const { return frame3D2_; }
    RoadPlanPicture *roadPlan() const { return picture1_; }

    int32_t selectedSpeed() const { return selectedSpeed_; }
    int32_t selectedAadt() const { return selectedAadt_; }
    int64_t totalSlopeLength() const { return totalSlopeLength_; }
    int32_t checkedRadius() const { return radius_; }

    // Shows or hides the panels, redraws the road plan and shows both figures.
    void Recalculate();

protected:
    bool eventFilter(QObject *watched, QEvent *event) override;
    void keyPressEvent(QKeyEvent *event) override;
    void changeEvent(QEvent *event) override;

private:
    void buildControls();
    void initialise();
    void checkRadius();
    void checkBarrierDistance();
    void showClearZone(int32_t level, int32_t actual);
    void backToMain();

    engine::DesignState &state_;
    engine::DesignRecord workingDesign_;
    engine::SupportDesignArray workingSupports_{};
    engine::ClearZoneEntries opened_;   // the viewed kind's fields as stored
    int32_t selectedSpeed_ = 0;
    int32_t selectedAadt_ = 0;
    int64_t totalSlopeLength_ = 0;
    int32_t radius_ = 100;              // the last checked radius
    int32_t barrierDistance_ = 0;       // the last checked (or stored) distance
    bool radiusTyped_ = false;          // the entries hold text not yet checked
    bool barrierTyped_ = false;
    bool initialised_ = false;

    QComboBox *combo1_ = nullptr;
    QComboBox *combo3_ = nullptr;
    QCheckBox *check3D1_ = nullptr;
    QCheckBox *check3D2_ = nullptr;
    QLineEdit *text2_ = nullptr;
    QLineEdit *text3_ = nullptr;
    RangeScrollBar *vScroll1_ = nullptr;
    RangeScrollBar *hScroll2_ = nullptr;
    QPushButton *command1_ = nullptr;
    QLabel *label6_ = nullptr;
    QLabel *label7_ = nullptr;
    QLabel *text1_ = nullptr;
    QWidget *panel3D3_ = nullptr;
    QWidget *panel3D5_ = nullptr;
    QWidget *panel3D13_ = nullptr;
    QWidget *panel3D11_ = nullptr;
    QWidget *panel3D12_ = nullptr;
    QWidget *panel3D21_ = nullptr;
    QWidget *panel3D22_ = nullptr;
    ClearZoneSketchView *frame3D2_ = nullptr;
    RoadPlanPicture *picture1_ = nullptr;
};

// Edit, Clear Zone: makes the window, shows it modally and deletes it.
void ShowClearZoneWindow(engine::DesignState &state, QWidget *parent);

} // namespace input
