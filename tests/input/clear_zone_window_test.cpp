#include "input/clear_zone_window.h"

#include <gtest/gtest.h>

#include <QCheckBox>
#include <QComboBox>
#include <QLabel>
#include <QLineEdit>
#include <QPushButton>
#include <QApplication>
#include <QPointer>
#include <QTimer>
#include <QtTest/QTest>
#include <memory>

#include "clear_zone_test_support.h"
#include "common/test_services.h"
#include "input/clear_zone_sketch.h"
#include "input/road_plan_picture.h"

namespace {

using cztest::Leave;
using cztest::TypeAndLeave;
using input::ClearZoneWindow;
using platform::MessageIcon;

const QString kLevel9 = QStringLiteral("Clear zone for level terrain = 9m");

class ClearZoneWindowTest : public ::testing::Test {
protected:
    ClearZoneWindow &open()
    {
        window = std::make_unique<ClearZoneWindow>(state);
        window->show();
        return *window;
    }
    bool shown(const QWidget *w) const { return w->isVisibleTo(window.get()); }

    // A pick from the list with the keyboard: Home, then Down to the item.
    static void choose(QComboBox *combo, int index)
    {
        cztest::KeyClick(combo, Qt::Key_Home);
        for (int i = 0; i < index; ++i)
            cztest::KeyClick(combo, Qt::Key_Down);
        ASSERT_EQ(combo->currentIndex(), index);
    }

    testing_support::RecordingMessages messages;
    engine::DesignState state = cztest::SketchState();
    std::unique_ptr<ClearZoneWindow> window;
};

TEST_F(ClearZoneWindowTest, CaptionsAndItems)
{
    ClearZoneWindow &w = open();
    EXPECT_EQ(w.windowTitle(), QStringLiteral("Clear Zone"));
    const QStringList speeds = {" 60km/h", " 70km/h", " 80km/h", " 90km/h", " 100km/h", " 110km/h"};
    const QStringList traffic = {" up to 750 vehicles", " 751 - 1500 vehicles", " 1501 - 6000 vehicles",
                                 " over 6000 vehicles"};
    ASSERT_EQ(w.speedCombo()->count(), speeds.size());
    for (int i = 0; i < speeds.size(); ++i)
        EXPECT_EQ(w.speedCombo()->itemText(i), speeds[i]);
    ASSERT_EQ(w.trafficCombo()->count(), traffic.size());
    for (int i = 0; i < traffic.size(); ++i)
        EXPECT_EQ(w.trafficCombo()->itemText(i), traffic[i]);
    EXPECT_EQ(w.curvedCheck()->text(), QStringLiteral("Curved?"));
    EXPECT_EQ(w.barrierCheck()->text(), QStringLiteral("Barrier?"));
    EXPECT_EQ(w.backButton()->text(), QStringLiteral("Back to Main"));
    QStringList headings;
    for (const QLabel *label : w.findChildren<QLabel *>())
        headings << label->text();
    for (const char *heading : {" Speed Environment (km/h)", " Average Anual Daily Traffic (Vehicles)",
                                " Road Curvature (Radius (m))", " Barrier Distance (mm)"})
        EXPECT_TRUE(headings.contains(QString::fromLatin1(heading))) << heading;
}

TEST_F(ClearZoneWindowTest, OpensWithTheStoredValuesAndShowsBothFigures)
{
    ClearZoneWindow &w = open();
    EXPECT_EQ(w.speedCombo()->currentIndex(), 4);
    EXPECT_EQ(w.selectedSpeed(), 100);
    EXPECT_EQ(w.trafficCombo()->currentIndex(), 3);
    EXPECT_EQ(w.selectedAadt(), 6001);
    EXPECT_FALSE(w.curvedCheck()->isChecked());
    EXPECT_TRUE(w.barrierCheck()->isChecked());
    EXPECT_EQ(w.barrierEntry()->text(), QStringLiteral("3000"));
    EXPECT_EQ(w.radiusEntry()->text(), QStringLiteral("300"));
    EXPECT_EQ(w.radiusBar()->barValue(), 300);
    EXPECT_EQ(w.levelLabel()->text(), kLevel9);
    EXPECT_EQ(w.actualLabel()->text(), QStringLiteral("Clear zone for actual terrain = 3m"));
    EXPECT_FALSE(shown(w.warning()));
    EXPECT_FALSE(shown(w.radiusPanel()));
    EXPECT_FALSE(shown(w.radiusBarPanel()));
    EXPECT_TRUE(shown(w.barrierPanel()));
    EXPECT_TRUE(shown(w.barrierBarPanel()));
    EXPECT_TRUE(w.sketchView()->sketch().Shape1.Visible);
    EXPECT_EQ(w.sketchView()->sketch().Label5Text, "3m");
}

TEST_F(ClearZoneWindowTest, SketchIsTheSceneOfTheFrame)
{
    ClearZoneWindow &w = open();
    const input::ClearZoneSketchView *view = w.sketchView();
    const input::ClearZoneSketch expected = input::BuildClearZoneSketch(
        state.CurrentDesign, state.SupportDesigns[1],
        {2000, 3000, true, 3000, view->widthTwips(), view->heightTwips()});
    const input::ClearZoneSketch &s = view->sketch();
    EXPECT_DOUBLE_EQ(s.Scale, expected.Scale);
    EXPECT_DOUBLE_EQ(s.Line1.X1, expected.Line1.X1);
    EXPECT_DOUBLE_EQ(s.Line2[0].Y2, expected.Line2[0].Y2);
    EXPECT_DOUBLE_EQ(s.SFaces[0].Left, expected.SFaces[0].Left);
    EXPECT_DOUBLE_EQ(s.Shape4.Width, expected.Shape4.Width);
    // At 96 dots an inch the frame is the 6000 x 3000 twips of the form.
    if (view->logicalDpiX() == 96) {
        EXPECT_DOUBLE_EQ(view->widthTwips(), 6000);
        EXPECT_NEAR(s.Scale, 0.709756, 1e-6);
    }
}

TEST_F(ClearZoneWindowTest, OpeningSwitchesTheViewedKindToOneWithThatKindsValues)
{
    state.CurrentSupportType = 3;
    state.SupportDesigns[3].RoadSpeed = 80;
    state.SupportDesigns[3].AADT = 751;
    state.SupportDesigns[3].Barrier = engine::FlagFalse;
    ClearZoneWindow &w = open();
    EXPECT_EQ(state.CurrentSupportType, 1);
    EXPECT_EQ(w.speedCombo()->currentIndex(), 2);
    EXPECT_EQ(w.trafficCombo()->currentIndex(), 1);
    EXPECT_EQ(w.selectedAadt(), 1499);
    EXPECT_FALSE(w.barrierCheck()->isChecked());
}

TEST_F(ClearZoneWindowTest, StoredSpeedAbove110SelectsNoSpeed)
{
    for (auto &s : state.SupportDesigns)
        s.RoadSpeed = 120;
    ClearZoneWindow &w = open();
    EXPECT_EQ(w.speedCombo()->currentIndex(), -1);
    EXPECT_EQ(w.selectedSpeed(), 0);
    EXPECT_EQ(w.levelLabel()->text(), QStringLiteral("Clear zone for level terrain = 0m"));
    EXPECT_EQ(w.actualLabel()->text(), QStringLiteral("Clear zone for actual terrain = 0m"));
}

TEST_F(ClearZoneWindowTest, RadiusEntryIsBroughtIntoRange)
{
    ClearZoneWindow &w = open();
    cztest::KeyClick(w.curvedCheck(), Qt::Key_Space);
    ASSERT_TRUE(w.curvedCheck()->isChecked());
    EXPECT_TRUE(shown(w.radiusPanel()));
    EXPECT_TRUE(shown(w.radiusBarPanel()));
    const std::vector<std::pair<QString, QString>> cases = {
        {"abc", "100"}, {"1000", "900"}, {"99.5", "100"}, {"1e20", "900"}, {"250.5", "250"}, {" 450 ", "450"}};
    for (const auto &[typed, checked] : cases) {
        TypeAndLeave(w.radiusEntry(), typed);
        EXPECT_EQ(w.radiusEntry()->text(), checked) << typed.toStdString();
        EXPECT_EQ(w.radiusBar()->barValue(), checked.toInt()) << typed.toStdString();
    }
}

TEST_F(ClearZoneWindowTest, BarrierEntryIsBroughtIntoTheProfile)
{
    ClearZoneWindow &w = open();
    EXPECT_EQ(w.totalSlopeLength(), 4000);
    const std::vector<std::pair<QString, QString>> cases = {
        {"-5", "0"}, {"4500", "4000"}, {"x", "0"}, {"2500", "2500"}};
    for (const auto &[typed, checked] : cases) {
        TypeAndLeave(w.barrierEntry(), typed);
        EXPECT_EQ(w.barrierEntry()->text(), checked) << typed.toStdString();
        EXPECT_EQ(w.barrierBar()->barValue(), checked.toInt()) << typed.toStdString();
    }
    EXPECT_EQ(w.actualLabel()->text(), QStringLiteral("Clear zone for actual terrain = 2.5m"));
}

TEST_F(ClearZoneWindowTest, EightyOnLevelGroundIsSixMetresWithoutWarning)
{
    state = cztest::LevelState();
    state.SupportDesigns[1].AADT = 6002;
    ClearZoneWindow &w = open();
    choose(w.speedCombo(), 2);
    EXPECT_EQ(w.selectedSpeed(), 80);
    EXPECT_EQ(w.actualLabel()->text(), QStringLiteral("Clear zone for actual terrain = 6m"));
    EXPECT_FALSE(shown(w.warning()));
}

TEST_F(ClearZoneWindowTest, NinetyWithABarrierAt6001ShowsTheWarning)
{
    state = cztest::LevelState();
    state.SupportDesigns[1].AADT = 6002;
    ClearZoneWindow &w = open();
    choose(w.speedCombo(), 3);
    cztest::KeyClick(w.barrierCheck(), Qt::Key_Space);
    TypeAndLeave(w.barrierEntry(), QStringLiteral("6001"));
    EXPECT_EQ(w.actualLabel()->text(), QStringLiteral("Clear zone for actual terrain = 6.001m"));
    EXPECT_EQ(w.levelLabel()->text(), QStringLiteral("Clear zone for level terrain = 7.5m"));
    ASSERT_TRUE(shown(w.warning()));
    EXPECT_TRUE(w.warning()->text().startsWith(
        QStringLiteral("Warning : It is generally undesirable to locate traffic signs greater than 6m")));
}

TEST_F(ClearZoneWindowTest, TrafficPickGivesTheItemsValue)
{
    state = cztest::LevelState();
    ClearZoneWindow &w = open();
    EXPECT_EQ(w.levelLabel()->text(), QStringLiteral("Clear zone for level terrain = 2.22m"));
    const std::vector<std::pair<int, int>> picks = {{1, 1449}, {3, 6002}, {2, 5999}, {0, 749}};
    for (const auto &[item, value] : picks) {
        choose(w.trafficCombo(), item);
        EXPECT_EQ(w.selectedAadt(), value) << item;
    }
}

TEST_F(ClearZoneWindowTest, BarsRunFromMinToMaxWhicheverWayRound)
{
    state.CurrentDesign.SignOnLeft = engine::FlagTrue;
    ClearZoneWindow &w = open();
    input::RangeScrollBar *radius = w.radiusBar();
    EXPECT_EQ(radius->min(), 900);
    EXPECT_EQ(radius->max(), 0);
    input::RangeScrollBar *barrier = w.barrierBar();
    EXPECT_EQ(barrier->min(), 4000);
    EXPECT_EQ(barrier->max(), 0);
    EXPECT_EQ(barrier->singleStep(), 500);
    EXPECT_EQ(barrier->pageStep(), 1000);
    // The Min end is the left end: the slider's leftmost position is 4000 mm.
    EXPECT_EQ(barrier->minimum(), -4000);

    // A step towards Max lowers both values; the entries follow the bars.
    barrier->triggerAction(QAbstractSlider::SliderSingleStepAdd);
    EXPECT_EQ(barrier->barValue(), 2500);
    EXPECT_EQ(w.barrierEntry()->text(), QStringLiteral("2500"));
    barrier->triggerAction(QAbstractSlider::SliderPageStepSub);
    EXPECT_EQ(w.barrierEntry()->text(), QStringLiteral("3500"));
    barrier->triggerAction(QAbstractSlider::SliderToMinimum);
    EXPECT_EQ(w.barrierEntry()->text(), QStringLiteral("4000"));

    cztest::KeyClick(w.curvedCheck(), Qt::Key_Space);
    radius->triggerAction(QAbstractSlider::SliderSingleStepAdd);
    EXPECT_EQ(w.radiusEntry()->text(), QStringLiteral("299"));
    radius->triggerAction(QAbstractSlider::SliderPageStepSub);
    EXPECT_EQ(w.radiusEntry()->text(), QStringLiteral("349"));
    // Towards 0, the check raises what the bar yields to 100.
    radius->triggerAction(QAbstractSlider::SliderToMaximum);
    EXPECT_EQ(w.radiusEntry()->text(), QStringLiteral("100"));
    EXPECT_EQ(radius->barValue(), 100);
}

TEST_F(ClearZoneWindowTest, SignOnTheRightHasTheBarrierBarFromZero)
{
    ClearZoneWindow &w = open();
    EXPECT_EQ(w.barrierBar()->min(), 0);
    EXPECT_EQ(w.barrierBar()->max(), 4000);
    w.barrierBar()->triggerAction(QAbstractSlider::SliderSingleStepAdd);
    EXPECT_EQ(w.barrierEntry()->text(), QStringLiteral("3500"));
}

TEST_F(ClearZoneWindowTest, BarrierEntryAsksForTheScrollBar)
{
    ClearZoneWindow &w = open();
    cztest::MouseClick(w.barrierEntry());
    ASSERT_EQ(messages.calls.size(), 1u);
    EXPECT_EQ(messages.calls[0].text, QStringLiteral("Please use scrollbar provided next."));
    EXPECT_EQ(messages.calls[0].title, QStringLiteral("Mastra"));
    EXPECT_EQ(messages.calls[0].icon, MessageIcon::Exclamation);

    w.barrierEntry()->setCursorPosition(4);
    cztest::KeyClick(w.barrierEntry(), Qt::Key_5, QStringLiteral("5"));
    ASSERT_EQ(messages.calls.size(), 2u);
    EXPECT_EQ(messages.calls[1].text, QStringLiteral("Please use scrollbar provided."));
    EXPECT_EQ(messages.calls[1].title, QStringLiteral("Mastra"));
    EXPECT_EQ(messages.calls[1].icon, MessageIcon::Exclamation);
    // The key still goes in.
    EXPECT_EQ(w.barrierEntry()->text(), QStringLiteral("30005"));
    // A key that types nothing asks nothing.
    cztest::KeyClick(w.barrierEntry(), Qt::Key_Left);
    EXPECT_EQ(messages.calls.size(), 2u);
}

TEST_F(ClearZoneWindowTest, CurveTooSharpNamesTheReasonForBothFigures)
{
    ClearZoneWindow &w = open();
    cztest::KeyClick(w.curvedCheck(), Qt::Key_Space);
    TypeAndLeave(w.radiusEntry(), QStringLiteral("150"));
    EXPECT_EQ(w.levelLabel()->text(), QStringLiteral("Curve too sharp for speed "));
    EXPECT_EQ(w.actualLabel()->text(), QStringLiteral("Curve too sharp for speed "));
    EXPECT_FALSE(w.sketchView()->sketch().Line1.Visible);
    EXPECT_FALSE(w.sketchView()->sketch().Shape4.Visible);
    EXPECT_FALSE(shown(w.barrierBarPanel()));
    EXPECT_FALSE(shown(w.warning()));
}

TEST_F(ClearZoneWindowTest, RisingAndFallingProfileIsTooComplex)
{
    state.CurrentDesign.SegLength[2] = 3000;
    state.CurrentDesign.SegDeltaHeight[2] = 500;
    ClearZoneWindow &w = open();
    EXPECT_EQ(w.actualLabel()->text(), QStringLiteral("Cross section data too complex to analyse"));
    EXPECT_EQ(w.levelLabel()->text(), kLevel9);
    EXPECT_FALSE(w.sketchView()->sketch().SFaces[0].Visible);
}

TEST_F(ClearZoneWindowTest, WarningHidesWhileNoFigureIsShown)
{
    state.SupportDesigns[1].Barrier = engine::FlagFalse;
    ClearZoneWindow &w = open();
    EXPECT_EQ(w.actualLabel()->text(), QStringLiteral("Clear zone for actual terrain = 12.5m"));
    EXPECT_TRUE(shown(w.warning()));
    cztest::KeyClick(w.curvedCheck(), Qt::Key_Space);
    TypeAndLeave(w.radiusEntry(), QStringLiteral("100"));
    EXPECT_FALSE(shown(w.warning()));
}

TEST_F(ClearZoneWindowTest, KindWithoutADesignStillShowsItsFigure)
{
    state.SupportDesigns[1].NoResultCode = 3;
    state.SupportDesigns[1].Barrier = engine::FlagFalse;
    ClearZoneWindow &w = open();
    EXPECT_EQ(w.actualLabel()->text(), QStringLiteral("Clear zone for actual terrain = 12.5m"));
    EXPECT_TRUE(shown(w.warning()));
    EXPECT_FALSE(w.sketchView()->sketch().Line1.Visible);
    choose(w.speedCombo(), 0);
    EXPECT_EQ(w.actualLabel()->text(), QStringLiteral("Clear zone for actual terrain = 5.5m"));
    EXPECT_FALSE(w.sketchView()->sketch().Shape4.Visible);
    cztest::KeyClick(w.barrierCheck(), Qt::Key_Space);
    EXPECT_FALSE(shown(w.barrierBarPanel()));
}

TEST_F(ClearZoneWindowTest, StoredBarrierBeyondTheDesignedBarFitsTheProfile)
{
    state.CurrentDesign.SegLength[1] = 25000;
    state.CurrentDesign.SegDeltaHeight[1] = 0;
    for (auto &s : state.SupportDesigns)
        s.BarrierDistance = 30000;
    for (const bool left : {false, true}) {
        state.CurrentDesign.SignOnLeft = left ? engine::FlagTrue : engine::FlagFalse;
        ClearZoneWindow &w = open();
        EXPECT_EQ(w.barrierEntry()->text(), QStringLiteral("25000")) << left;
        EXPECT_EQ(w.barrierBar()->barValue(), 25000) << left;
        EXPECT_EQ(left ? w.barrierBar()->min() : w.barrierBar()->max(), 25000) << left;
        EXPECT_EQ(w.actualLabel()->text(), QStringLiteral("Clear zone for actual terrain = 9m")) << left;
    }
}

TEST_F(ClearZoneWindowTest, RangeOrValueSetFromCodeNeverChangesTheEntry)
{
    ClearZoneWindow &w = open();
    w.barrierBar()->setMinMax(5000, 0);
    w.barrierBar()->setBarValue(1000);
    w.radiusBar()->setMinMax(900, 400);
    EXPECT_EQ(w.barrierEntry()->text(), QStringLiteral("3000"));
    EXPECT_EQ(w.radiusEntry()->text(), QStringLiteral("300"));
}

TEST_F(ClearZoneWindowTest, BackToMainWritesTheViewedKindsValuesIntoEveryKind)
{
    state.CurrentSupportType = 2;
    state.SupportDesigns[2].RoadSpeed = 90;
    state.SupportDesigns[2].BarrierDistance = 2000;
    state.SupportDesigns[1].RoadSpeed = 60;  // kind 1 holds reset values
    state.SupportDesigns[1].Barrier = engine::FlagFalse;
    ClearZoneWindow &w = open();
    EXPECT_EQ(w.selectedSpeed(), 90);
    cztest::KeyClick(w.curvedCheck(), Qt::Key_Space);
    TypeAndLeave(w.radiusEntry(), QStringLiteral("450"));
    cztest::MouseClick(w.backButton());
    EXPECT_EQ(w.result(), QDialog::Accepted);
    for (std::size_t t = 1; t <= 4; ++t) {
        const engine::SupportDesign &s = state.SupportDesigns[t];
        EXPECT_EQ(s.RoadSpeed, 90) << t;
        EXPECT_EQ(s.AADT, 6001) << t;
        EXPECT_EQ(s.CurvedRoad, engine::FlagTrue) << t;
        EXPECT_EQ(s.Curvature, 450) << t;
        EXPECT_EQ(s.Barrier, engine::FlagTrue) << t;
        EXPECT_EQ(s.BarrierDistance, 2000) << t;
    }
    EXPECT_EQ(state.CurrentSupportType, 1);
}

TEST_F(ClearZoneWindowTest, BackToMainChecksAnEntryStillBeingTyped)
{
    ClearZoneWindow &w = open();
    cztest::KeyClick(w.curvedCheck(), Qt::Key_Space);
    w.radiusEntry()->selectAll();
    cztest::KeyClicks(w.radiusEntry(), QStringLiteral("2000"));
    w.barrierEntry()->selectAll();
    cztest::KeyClicks(w.barrierEntry(), QStringLiteral("-70"));
    w.backButton()->click();
    EXPECT_EQ(state.SupportDesigns[1].Curvature, 900);
    EXPECT_EQ(state.SupportDesigns[1].BarrierDistance, 0);
}

TEST_F(ClearZoneWindowTest, StoredAadt751IsWrittenBackAs1499)
{
    for (auto &s : state.SupportDesigns)
        s.AADT = 751;
    ClearZoneWindow &w = open();
    EXPECT_EQ(w.trafficCombo()->currentText(), QStringLiteral(" 751 - 1500 vehicles"));
    w.backButton()->click();
    EXPECT_EQ(state.SupportDesigns[1].AADT, 1499);
    EXPECT_EQ(state.DesignChanged, engine::FlagTrue);
}

TEST_F(ClearZoneWindowTest, DesignChangedOnlyWhenAWrittenValueDiffers)
{
    struct Case {
        const char *name;
        void (*edit)(ClearZoneWindow &);
        bool changed;
    };
    const std::vector<Case> cases = {
        {"nothing", [](ClearZoneWindow &) {}, false},
        {"speed", [](ClearZoneWindow &w) { choose(w.speedCombo(), 1); }, true},
        {"same speed again", [](ClearZoneWindow &w) { choose(w.speedCombo(), 4); }, false},
        {"traffic", [](ClearZoneWindow &w) { choose(w.trafficCombo(), 0); }, true},
        {"curve", [](ClearZoneWindow &w) { cztest::KeyClick(w.curvedCheck(), Qt::Key_Space); }, true},
        {"radius", [](ClearZoneWindow &w) { TypeAndLeave(w.radiusEntry(), QStringLiteral("400")); }, true},
        {"barrier", [](ClearZoneWindow &w) { cztest::KeyClick(w.barrierCheck(), Qt::Key_Space); }, true},
        {"distance", [](ClearZoneWindow &w) { TypeAndLeave(w.barrierEntry(), QStringLiteral("10")); }, true},
    };
    for (const Case &c : cases) {
        state = cztest::SketchState();
        // Flags stored as 1 rather than -1 are the same flags.
        for (auto &s : state.SupportDesigns)
            s.Barrier = 1;
        state.SupportDesigns[1].AADT = 6001;
        ClearZoneWindow &w = open();
        c.edit(w);
        w.backButton()->click();
        EXPECT_EQ(state.DesignChanged != 0, c.changed) << c.name;
        EXPECT_EQ(state.RedesignNeeded, engine::FlagFalse) << c.name;
    }
}

TEST_F(ClearZoneWindowTest, CloseBoxKeepsEverythingButTheViewedKind)
{
    state.CurrentSupportType = 4;
    const engine::DesignState before = state;
    ClearZoneWindow &w = open();
    choose(w.speedCombo(), 0);
    cztest::KeyClick(w.curvedCheck(), Qt::Key_Space);
    TypeAndLeave(w.barrierEntry(), QStringLiteral("100"));
    w.close();
    EXPECT_EQ(w.result(), QDialog::Rejected);
    EXPECT_EQ(state.SupportDesigns, before.SupportDesigns);
    EXPECT_EQ(state.CurrentDesign, before.CurrentDesign);
    EXPECT_EQ(state.DesignChanged, before.DesignChanged);
    EXPECT_EQ(state.CurrentSupportType, 1);
}

// Esc leaves the window open with its entries, Tab and Shift+Tab move on
// without a message, a digit in the barrier distance still asks for the scroll bar.
TEST_F(ClearZoneWindowTest, ClearZoneKeysEscTabAndShiftTabInEveryBox)
{
    const struct {
        Qt::Key key;
        Qt::KeyboardModifiers modifiers;
        bool movesFocus;
    } keys[] = {{Qt::Key_Escape, {}, false}, {Qt::Key_Tab, {}, true}, {Qt::Key_Backtab, Qt::ShiftModifier, true},
                {Qt::Key_7, {}, false}};
    for (int b = 0; b < 6; ++b) {
        for (const auto &k : keys) {
            SCOPED_TRACE(::testing::Message() << "box " << b << ", key " << k.key);
            state = cztest::SketchState();
            for (auto &s : state.SupportDesigns)
                s.CurvedRoad = engine::FlagTrue;  // the radius box enabled
            const engine::DesignState before = state;
            ClearZoneWindow &w = open();
            QApplication::setActiveWindow(&w);
            ASSERT_TRUE(QTest::qWaitForWindowActive(&w));
            choose(w.speedCombo(), 0);  // an entry made in the window
            QWidget *const boxes[] = {w.speedCombo(),  w.trafficCombo(), w.curvedCheck(),
                                      w.radiusEntry(), w.barrierCheck(), w.barrierEntry()};
            boxes[b]->setFocus(Qt::OtherFocusReason);
            ASSERT_EQ(QApplication::focusWidget(), boxes[b]);
            messages.calls.clear();

            QTest::keyClick(boxes[b], k.key, k.modifiers);
            EXPECT_TRUE(w.isVisible());
            EXPECT_EQ(state.SupportDesigns, before.SupportDesigns);
            EXPECT_EQ(w.selectedSpeed(), 60);
            QWidget *now = QApplication::focusWidget();
            EXPECT_EQ(now != boxes[b], k.movesFocus);
            EXPECT_TRUE(now && w.isAncestorOf(now));
            const bool asked = k.key == Qt::Key_7 && b == 5;
            ASSERT_EQ(messages.calls.size(), asked ? 1u : 0u);
            if (asked) {
                EXPECT_EQ(messages.calls[0].text, QStringLiteral("Please use scrollbar provided."));
            }

            QTest::mouseClick(w.backButton(), Qt::LeftButton);
            EXPECT_EQ(w.result(), QDialog::Accepted);
            EXPECT_EQ(state.SupportDesigns[1].RoadSpeed, 60);
            EXPECT_EQ(state.SupportDesigns[1].AADT, 6001);
        }
    }
}

TEST_F(ClearZoneWindowTest, RoadPlanUsesTheLastCheckedRadius)
{
    ClearZoneWindow &w = open();
    cztest::KeyClick(w.curvedCheck(), Qt::Key_Space);
    TypeAndLeave(w.radiusEntry(), QStringLiteral("120"));
    const QImage checked = w.roadPlan()->image();
    // Typing a radius that would make the arcs undefined, then a redraw.
    w.radiusEntry()->selectAll();
    cztest::KeyClicks(w.radiusEntry(), QStringLiteral("20"));
    w.Recalculate();
    EXPECT_EQ(w.roadPlan()->image(), checked);
    w.radiusEntry()->selectAll();
    cztest::KeyClicks(w.radiusEntry(), QStringLiteral("-abc"));
    w.Recalculate();
    EXPECT_EQ(w.roadPlan()->image(), checked);
    const QSize size = w.roadPlan()->size();
    const QColor background = w.roadPlan()->parentWidget()->palette().color(QPalette::Window);
    EXPECT_EQ(checked, input::DrawRoadPlan(size.width(), size.height(), true, 120, background));
}

TEST_F(ClearZoneWindowTest, EveryRecalculationRedrawsTheRoadPlan)
{
    ClearZoneWindow &w = open();
    const int before = w.roadPlan()->redrawCount();
    choose(w.speedCombo(), 1);
    w.radiusBar()->triggerAction(QAbstractSlider::SliderSingleStepSub);
    EXPECT_GE(w.roadPlan()->redrawCount(), before + 2);
    EXPECT_FALSE(w.roadPlan()->image().isNull());
}

TEST_F(ClearZoneWindowTest, ShowClearZoneWindowRunsModallyAndDeletesTheWindow)
{
    QPointer<ClearZoneWindow> seen;
    QTimer::singleShot(0, [&] {
        for (QWidget *top : QApplication::topLevelWidgets())
            if (auto *w = qobject_cast<ClearZoneWindow *>(top); w && w->isVisible()) {
                seen = w;
                EXPECT_TRUE(w->isModal());
                choose(w->speedCombo(), 0);
                w->backButton()->click();
            }
    });
    input::ShowClearZoneWindow(state, nullptr);
    EXPECT_EQ(state.SupportDesigns[1].RoadSpeed, 60);
    EXPECT_TRUE(seen.isNull());
}

} // namespace
