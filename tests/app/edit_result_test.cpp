// The edit-result dialog over the real main window and engine: page set-up
// and bounds, the scroll bars, spin button, footing options and entries, and
// the ways it closes.

#include "app_test_support.h"

#include "app/edit_result_dialog.h"
#include "app/main_window.h"
#include "common/test_services.h"
#include "engine/design_run.h"
#include "engine/design_state.h"

#include <QApplication>
#include <QClipboard>
#include <QLabel>
#include <QLineEdit>
#include <QPushButton>
#include <QRadioButton>
#include <QScreen>
#include <QScrollBar>
#include <QToolButton>
#include <QtTest/QTest>

#include <gtest/gtest.h>

#include <algorithm>
#include <array>
#include <string>

using app::EditResultDialog;
using app::Form5;
using app_testing::FakeStorage;

namespace {

struct EditFixture : ::testing::Test {
    engine::DesignState state;
    FakeStorage storage;
    testing_support::RecordingMessages messages;
    std::unique_ptr<Form5> window;

    void SetUp() override
    {
        engine::ResetDesignData(state, engine::DefaultValues{});
        window = std::make_unique<Form5>(state, storage.services(state));
        window->FormLoad();
        open(app_testing::sampleDesign());
    }
    void open(const engine::DesignRecord &design)
    {
        engine::CopyDesignRecord(design, state.CurrentDesign);
        window->FormActivate();
        state.DesignChanged = 0;
    }
    engine::SupportDesign &viewed() { return state.SupportDesigns[static_cast<size_t>(state.CurrentSupportType)]; }
    EditResultDialog &adjust(int page)
    {
        window->AdjustResult(page);
        return *window->editResultDialog();
    }
    QStringList rows() const
    {
        QStringList values;
        for (int row = 0; row < 16; ++row)
            values << window->resultValue(row)->text();
        return values;
    }
    // Replaces an entry's text as typed keys do.
    static void retype(QLineEdit *entry, const QString &keys)
    {
        entry->selectAll();
        QTest::keyClick(entry, Qt::Key_Delete);
        QTest::keyClicks(entry, keys);
    }
};

struct SpacingBounds {
    int posts;
    int widest;
    int region;
    int stiffenerType;
    int standard;
    int wide;
    int spacing;  // in use when the page opens
    long long min;
    long long max;
    int small;
    int large;
    int start;
};

} // namespace

TEST_F(EditFixture, SpacingPageBoundsStepsAndStart)
{
    const std::vector<SpacingBounds> table{
        {1, 600, 1, 1, 0, 0, 0, 0, 0, 1, 1, 0},                   // one post: 0/0 and 1/1
        {2, 3400, 1, 1, 2100, 0, 2050, 2000, 2100, 50, 100, 2050},  // range 100
        {2, 3400, 1, 1, 2099, 0, 2050, 2000, 2099, 5, 10, 2050},    // range 99
        {2, 3400, 1, 1, 2010, 0, 1900, 2000, 2010, 5, 10, 2000},    // range 10, below Min
        {2, 3400, 1, 1, 2009, 0, 2500, 2000, 2009, 1, 1, 2009},     // range 9, above Max
        {2, 3400, 1, 1, 1500, 2100, 2100, 2000, 2100, 50, 100, 2100},  // the wide candidate is larger
        {3, 3405, 3, 1, 1300, 0, 1200, 1150, 1300, 50, 100, 1200},  // 1152.5 -> 1152 -> 1150
        {2, 6000, 1, 1, 3000, 3500, 3000, 4600, 3500, 1, 1, 4600},  // wide sign, two posts: Min > Max
        {2, 4000, 4, 2, 3000, 0, 3000, 2400, 3000, 50, 100, 3000},  // region D, stiffener type 2: 800
    };
    for (const SpacingBounds &row : table) {
        SCOPED_TRACE(row.widest * 10 + row.posts);
        engine::SupportDesign &s = viewed();
        s.NumPosts = static_cast<int16_t>(row.posts);
        s.StiffenerType = static_cast<int16_t>(row.stiffenerType);
        s.Spacing[0] = row.standard;
        s.Spacing[2] = row.wide;
        s.PostSpacing = row.spacing;
        state.WidestSignWidth = row.widest;
        state.CurrentDesign.WindRegion = static_cast<int16_t>(row.region);
        EditResultDialog &d = adjust(1);
        EXPECT_EQ(d.windowTitle(), "Adjust Post Spacing");
        EXPECT_EQ(d.scroll(3).min(), row.min);
        EXPECT_EQ(d.scroll(3).max(), row.max);
        EXPECT_EQ(d.scroll(3).bar()->singleStep(), row.small);
        EXPECT_EQ(d.scroll(3).bar()->pageStep(), row.large);
        EXPECT_EQ(d.scroll(3).value(), row.start);
        EXPECT_EQ(d.scroll(3).bar()->invertedAppearance(), row.min > row.max);
        EXPECT_EQ(d.valueLabel(2)->text(), QString::number(row.spacing));
        EXPECT_EQ(d.entry(3)->text(), QString::number(row.spacing));
        EXPECT_TRUE(d.okButton()->isEnabled());
        // Set-up writes nothing into the design.
        EXPECT_EQ(viewed().PostSpacing, row.spacing);
        EXPECT_EQ(state.DesignChanged, 0);
        d.hide();
    }
}

TEST(EditResultRules, StartValueAndSteps)
{
    EXPECT_EQ(app::ScrollStartValue(800, 1000, 5000), 1000);
    EXPECT_EQ(app::ScrollStartValue(6000, 1000, 5000), 5000);
    EXPECT_EQ(app::ScrollStartValue(1500, 1000, 5000), 1500);
    EXPECT_EQ(app::ScrollStartValue(4000, 4600, 3500), 4600);  // below Min comes first
    const std::vector<std::array<long long, 4>> steps{
        {0, 100, 50, 100}, {0, 99, 5, 10}, {0, 10, 5, 10}, {0, 9, 1, 1}, {0, 0, 1, 1}, {4600, 3500, 1, 1}};
    for (const auto &row : steps) {
        const app::ScrollSteps s = app::ScrollStepsFor(row[0], row[1]);
        EXPECT_EQ(s.small, row[2]) << row[0] << ".." << row[1];
        EXPECT_EQ(s.large, row[3]) << row[0] << ".." << row[1];
    }
}

TEST_F(EditFixture, ClearanceOutsideTheBarIsClampedOnlyOnTheBarAndCancelWritesItBack)
{
    for (int stored : {800, 6000}) {
        SCOPED_TRACE(stored);
        state.CurrentDesign.RoadHeight = stored;
        EditResultDialog &d = adjust(2);
        EXPECT_EQ(d.windowTitle(), "Adjust Clearance above Road Edge");
        EXPECT_EQ(d.valueLabel(4)->text(), QString::number(stored));
        EXPECT_EQ(d.entry(5)->text(), QString::number(stored));
        EXPECT_EQ(d.scroll(5).value(), stored < 1000 ? 1000 : 5000);
        EXPECT_EQ(d.scroll(5).bar()->singleStep(), 50);
        EXPECT_EQ(d.scroll(5).bar()->pageStep(), 100);
        EXPECT_EQ(state.CurrentDesign.RoadHeight, stored);

        // A step re-runs, shows the new value and refreshes the window.
        d.scroll(5).bar()->triggerAction(QAbstractSlider::SliderPageStepAdd);
        const int moved = stored < 1000 ? 1100 : 5000;
        if (stored < 1000) {
            EXPECT_EQ(state.CurrentDesign.RoadHeight, moved);
            EXPECT_EQ(d.entry(5)->text(), QString::number(moved));
            EXPECT_EQ(window->resultValue(2)->text(), QString::number(moved));
        }
        // Dragging the thumb re-runs at every movement, before it is let go.
        QScrollBar *bar = d.scroll(5).bar();
        bar->setSliderDown(true);
        bar->setSliderPosition(2000);
        EXPECT_EQ(state.CurrentDesign.RoadHeight, 2000);
        bar->setSliderPosition(2050);
        EXPECT_EQ(state.CurrentDesign.RoadHeight, 2050);
        EXPECT_EQ(window->resultValue(2)->text(), "2050");
        bar->setSliderDown(false);
        d.cancelButton()->click();
        EXPECT_FALSE(d.isVisible());
        EXPECT_EQ(state.CurrentDesign.RoadHeight, stored);
        EXPECT_EQ(window->resultValue(2)->text(), QString::number(stored));
        EXPECT_EQ(state.DesignChanged, 0);
    }
}

TEST_F(EditFixture, SpinAtFourOneAndNoAddedPostChangesNothingButReRuns)
{
    EditResultDialog &d = adjust(0);
    const int posts = viewed().NumPosts;
    EXPECT_EQ(d.windowTitle(), "Adjust Number of Posts");
    EXPECT_EQ(d.valueLabel(0)->text(), QString::number(posts));
    ASSERT_EQ(viewed().PNO, 0);

    // No added post: down changes nothing, yet the design runs and the window refreshes.
    viewed().PostLength[1] = -7;
    window->resultValue(0)->setText("stale");
    d.spinDownButton()->click();
    EXPECT_EQ(viewed().PNO, 0);
    EXPECT_NE(viewed().PostLength[1], -7);
    EXPECT_EQ(window->resultValue(0)->text(), QString::number(posts));

    // Up adds a post; the label follows the run.
    d.spinUpButton()->click();
    EXPECT_EQ(viewed().PNO, 1);
    EXPECT_EQ(viewed().SpacingType, 0);
    EXPECT_EQ(d.valueLabel(1)->text(), QString::number(viewed().NumPosts));
    EXPECT_EQ(window->resultValue(0)->text(), QString::number(viewed().NumPosts));
    EXPECT_EQ(d.valueLabel(0)->text(), QString::number(posts));

    // At four posts up does nothing; at one down does nothing.
    viewed().NumPosts = 4;
    const int16_t added = viewed().PNO;
    d.spinUpButton()->click();
    EXPECT_EQ(viewed().PNO, added);
    viewed().NumPosts = 1;
    d.spinDownButton()->click();
    EXPECT_EQ(viewed().PNO, added);
    EXPECT_TRUE(d.spinUpButton()->autoRepeat());
}

TEST_F(EditFixture, SegmentsNoLongerThanTheSignSendTheEngineerToTheSignDetails)
{
    engine::DesignRecord design = app_testing::sampleDesign();
    design.SegLength[1] = 2400;  // exactly the sign width
    open(design);
    ASSERT_EQ(state.WidestSignWidth, 2400);
    EditResultDialog &d = adjust(3);
    ASSERT_EQ(messages.calls.size(), 1u);
    EXPECT_EQ(messages.calls[0].text, "The total length of road segments is shorter than sign width. Please go back to "
                                      "Sign Details window and either increase segments lengths or decrease sign width");
    EXPECT_EQ(messages.calls[0].title, "Error: Invalid computation         Mastra");
    EXPECT_EQ(messages.calls[0].icon, platform::MessageIcon::Exclamation);
    ASSERT_FALSE(storage.signDetails.isNull());
    EXPECT_TRUE(storage.signDetails->isVisible());  // modeless
    EXPECT_TRUE(storage.shown.empty());             // not through a modal showing
    EXPECT_EQ(d.windowTitle(), "Adjust Distance from Carriageway");
}

TEST_F(EditFixture, SegmentsBeyondSixteenBitsGiveTheFullRange)
{
    engine::DesignRecord design = app_testing::sampleDesign();
    for (size_t k = 1; k <= 6; ++k)
        design.SegLength[k] = 6000;
    open(design);
    EditResultDialog &d = adjust(3);
    EXPECT_TRUE(messages.calls.empty());
    EXPECT_EQ(d.scroll(7).min(), 0);
    EXPECT_EQ(d.scroll(7).max(), 36000 - state.WidestSignWidth);
    EXPECT_EQ(d.scroll(7).value(), state.CurrentDesign.DistFromKerb);

    EXPECT_GT(d.scroll(7).max(), 32767);
    // A typed distance within the range is taken; the run may lower it, and
    // the entry and the bar follow the design.
    retype(d.entry(7), "33000");
    EXPECT_TRUE(d.okButton()->isEnabled());
    EXPECT_LE(state.CurrentDesign.DistFromKerb, 33000);
    EXPECT_EQ(d.scroll(7).value(), state.CurrentDesign.DistFromKerb);
    EXPECT_EQ(d.entry(7)->text(), QString::number(state.CurrentDesign.DistFromKerb));
}

// Stored segments whose total passes the bar's int: the bar holds what it
// can, a typed distance reaches the design, and OK leaves the design as the
// dialog shows it. A saved value beyond the bar's end starts the bar there;
// typing that end applies it too.
TEST_F(EditFixture, BarBoundsHoldTheTypedDistance)
{
    struct Case {
        std::array<int32_t, 6> segments;
        int32_t saved;
        QString typed;
    };
    const int32_t big = 1 << 30;  // four of them make 2^32
    const std::vector<Case> cases = {
        {{big, big, big, big, 0, 0}, 1000, "5000"},
        {{big, big, big, big, 0, 0}, 1000, "999999999"},
        {{big, big, big, 0, 0, 0}, 1000, "5000"},
        {{INT32_MAX, INT32_MAX, INT32_MAX, INT32_MAX, INT32_MAX, INT32_MAX}, 1000, "123456"},
    };
    for (const Case &c : cases) {
        SCOPED_TRACE(c.typed.toStdString() + " on segments from " + std::to_string(c.segments[0]));
        engine::DesignRecord design = app_testing::sampleDesign();
        for (size_t k = 1; k <= 6; ++k)
            design.SegLength[k] = c.segments[k - 1];
        design.DistFromKerb = c.saved;
        open(design);
        const int32_t before = state.CurrentDesign.DistFromKerb;
        EditResultDialog &d = adjust(3);
        ASSERT_TRUE(messages.calls.empty());
        QScrollBar *bar = d.scroll(7).bar();
        EXPECT_EQ(bar->minimum(), 0);
        EXPECT_EQ(static_cast<long long>(bar->maximum()), std::min<long long>(d.scroll(7).max(), INT32_MAX));
        const QString &typed = c.typed;
        retype(d.entry(7), typed);
        EXPECT_TRUE(d.okButton()->isEnabled());
        // Applied: the run may lower it, and the entry and the bar follow.
        EXPECT_NE(state.CurrentDesign.DistFromKerb, before);
        EXPECT_LE(state.CurrentDesign.DistFromKerb, typed.toLongLong());
        EXPECT_EQ(d.entry(7)->text(), QString::number(state.CurrentDesign.DistFromKerb));
        EXPECT_EQ(bar->value(), state.CurrentDesign.DistFromKerb);
        const int32_t shown = state.CurrentDesign.DistFromKerb;
        d.okButton()->click();
        EXPECT_FALSE(d.isVisible());
        EXPECT_NE(state.DesignChanged, 0);
        EXPECT_EQ(state.CurrentDesign.DistFromKerb, shown);
    }

    engine::DesignRecord high = app_testing::sampleDesign();
    high.RoadHeight = 6000;
    open(high);
    ASSERT_EQ(state.CurrentDesign.RoadHeight, 6000);
    EditResultDialog &d = adjust(2);
    EXPECT_EQ(d.scroll(5).value(), 5000);
    retype(d.entry(5), "5000");
    EXPECT_TRUE(d.okButton()->isEnabled());
    EXPECT_EQ(state.CurrentDesign.RoadHeight, 5000);
    EXPECT_EQ(d.entry(5)->text(), "5000");
    d.okButton()->click();
    EXPECT_EQ(state.CurrentDesign.RoadHeight, 5000);
}

TEST_F(EditFixture, EntriesTakeDigitsOnlyAndOutOfRangeOrEmptyDisablesOk)
{
    EditResultDialog &d = adjust(2);
    QLineEdit *entry = d.entry(5);
    retype(entry, "12a");
    EXPECT_EQ(entry->text(), "12");
    EXPECT_FALSE(d.okButton()->isEnabled());
    retype(entry, "99999");
    EXPECT_FALSE(d.okButton()->isEnabled());
    entry->selectAll();
    QTest::keyClick(entry, Qt::Key_Backspace);
    EXPECT_EQ(entry->text(), "");
    EXPECT_FALSE(d.okButton()->isEnabled());
    QTest::keyClicks(entry, "2345");
    EXPECT_TRUE(d.okButton()->isEnabled());
    EXPECT_EQ(state.CurrentDesign.RoadHeight, 2345);
    EXPECT_EQ(d.scroll(5).value(), 2345);
    // Navigation and Delete keys work.
    QTest::keyClick(entry, Qt::Key_Home);
    QTest::keyClick(entry, Qt::Key_Delete);
    EXPECT_EQ(entry->text(), "345");
    QTest::keyClick(entry, Qt::Key_End);
    QTest::keyClick(entry, Qt::Key_0);
    EXPECT_EQ(entry->text(), "3450");
    EXPECT_EQ(state.CurrentDesign.RoadHeight, 3450);
    // Enter presses OK.
    QTest::keyClick(entry, Qt::Key_Return);
    EXPECT_FALSE(d.isVisible());
    EXPECT_NE(state.DesignChanged, 0);
    EXPECT_EQ(state.CurrentDesign.RoadHeight, 3450);
}

TEST_F(EditFixture, LeavingAnInvalidEntryKeepsTheFocusUnlessCancelTakesIt)
{
    window->show();
    ASSERT_TRUE(app_testing::waitUntilActive(window.get()));
    EditResultDialog &d = adjust(2);
    ASSERT_TRUE(app_testing::waitUntilActive(&d));
    QLineEdit *entry = d.entry(5);
    entry->setFocus();
    retype(entry, "12");
    d.scroll(5).bar()->setFocus();
    QCoreApplication::processEvents();
    EXPECT_EQ(QApplication::focusWidget(), entry);
    // Empty counts as invalid too.
    entry->clear();
    d.okButton()->setFocus();
    QCoreApplication::processEvents();
    EXPECT_EQ(QApplication::focusWidget(), entry);
    d.cancelButton()->setFocus();
    QCoreApplication::processEvents();
    EXPECT_EQ(QApplication::focusWidget(), d.cancelButton());
    // A valid number is taken on leaving.
    entry->setFocus();
    QTest::keyClicks(entry, "1800");
    d.scroll(5).bar()->setFocus();
    QCoreApplication::processEvents();
    EXPECT_EQ(QApplication::focusWidget(), d.scroll(5).bar());
    EXPECT_EQ(state.CurrentDesign.RoadHeight, 1800);
}

TEST_F(EditFixture, CancelRestoresTheMainWindowsRowsAndEverySpacingField)
{
    const QStringList before = rows();
    const engine::SupportDesign saved = viewed();
    EditResultDialog &d = adjust(1);
    ASSERT_LT(d.scroll(3).min(), d.scroll(3).max());
    d.scroll(3).bar()->setValue(static_cast<int>(d.scroll(3).min()));
    d.scroll(3).bar()->triggerAction(QAbstractSlider::SliderSingleStepAdd);
    EXPECT_EQ(viewed().SpacingType, 1);
    EXPECT_EQ(viewed().Spacing[1], d.scroll(3).value());
    EXPECT_NE(rows(), before);
    QTest::keyClick(&d, Qt::Key_Escape);
    EXPECT_FALSE(d.isVisible());
    EXPECT_EQ(rows(), before);
    EXPECT_EQ(viewed().Spacing[1], saved.Spacing[1]);
    EXPECT_EQ(viewed().SpacingType, saved.SpacingType);
    EXPECT_EQ(viewed().PostSpacing, saved.PostSpacing);
    // The next activation brings nothing of the cancelled change back.
    window->FormActivate();
    EXPECT_EQ(rows(), before);

    // Posts added by spinning go too, and the close box cancels as well.
    EditResultDialog &posts = adjust(0);
    posts.spinUpButton()->click();
    ASSERT_NE(rows(), before);
    posts.close();
    EXPECT_EQ(viewed().PNO, saved.PNO);
    EXPECT_EQ(rows(), before);
}

TEST_F(EditFixture, StandardSpacingAndFootingOptions)
{
    EditResultDialog &d = adjust(1);
    d.scroll(3).bar()->setValue(static_cast<int>(d.scroll(3).min()));
    ASSERT_EQ(viewed().SpacingType, 1);
    d.standardButton()->click();
    EXPECT_EQ(viewed().SpacingType, 0);
    EXPECT_EQ(viewed().PostSpacing, viewed().Spacing[0]);
    EXPECT_EQ(d.entry(3)->text(), QString::number(viewed().PostSpacing));
    d.okButton()->click();

    EditResultDialog &f = adjust(4);
    EXPECT_EQ(f.windowTitle(), "Change Footing Type");
    EXPECT_EQ(f.valueLabel(8)->text(), "Normal");
    EXPECT_TRUE(f.footingOption(0)->isChecked());
    f.footingOption(1)->click();
    EXPECT_EQ(viewed().FootingType, 2);
    EXPECT_EQ(f.valueLabel(9)->text(), "Screw");
    EXPECT_EQ(f.valueLabel(8)->text(), "Normal");
    f.cancelButton()->click();
    EXPECT_EQ(viewed().FootingType, 1);
}

TEST_F(EditFixture, OkIsEnabledOnEveryNewPageEvenAfterACancelledInvalidEntry)
{
    EditResultDialog &d = adjust(1);
    retype(d.entry(3), "5");
    ASSERT_FALSE(d.okButton()->isEnabled());
    d.cancelButton()->click();
    adjust(0);
    EXPECT_TRUE(d.okButton()->isEnabled());
    d.okButton()->click();
    EXPECT_NE(state.DesignChanged, 0);
}

TEST_F(EditFixture, AClickOnTheMainWindowActsAsOk)
{
    window->show();
    ASSERT_TRUE(app_testing::waitUntilActive(window.get()));
    EditResultDialog &d = adjust(2);
    ASSERT_TRUE(app_testing::waitUntilActive(&d));
    retype(d.entry(5), "12");  // invalid: OK disabled, the design keeps its last valid value
    ASSERT_FALSE(d.okButton()->isEnabled());
    const int32_t kept = state.CurrentDesign.RoadHeight;
    window->activateWindow();
    ASSERT_TRUE(app_testing::waitUntilActive(window.get()));
    EXPECT_FALSE(d.isVisible());
    EXPECT_NE(state.DesignChanged, 0);
    EXPECT_EQ(state.CurrentDesign.RoadHeight, kept);
}

TEST_F(EditFixture, PlacedOnceAQuarterOfTheFreeWidthFromTheLeft)
{
    EditResultDialog &d = adjust(0);
    const QRect screen = d.screen()->geometry();
    EXPECT_EQ(d.x(), screen.x() + (screen.width() - d.width()) / 4);
    EXPECT_EQ(d.y(), screen.y() + (screen.height() - d.height()) / 2);
    d.move(10, 10);
    d.cancelButton()->click();
    adjust(1);
    EXPECT_EQ(d.pos(), QPoint(10, 10));
}

TEST_F(EditFixture, ItsOwnMessageBoxDoesNotCloseIt)
{
    window->show();
    ASSERT_TRUE(app_testing::waitUntilActive(window.get()));
    EditResultDialog &d = adjust(2);
    ASSERT_TRUE(app_testing::waitUntilActive(&d));
    QDialog own(&d);
    own.show();
    ASSERT_TRUE(app_testing::waitUntilActive(&own));
    EXPECT_TRUE(d.isVisible());
    EXPECT_EQ(state.DesignChanged, 0);
    own.hide();
    // Another window of the program does.
    QDialog other(window.get());
    other.show();
    ASSERT_TRUE(app_testing::waitUntilActive(&other));
    EXPECT_FALSE(d.isVisible());
    EXPECT_NE(state.DesignChanged, 0);
}

TEST_F(EditFixture, PastedTextMustBeDigitsToo)
{
    EditResultDialog &d = adjust(2);
    QLineEdit *entry = d.entry(5);
    entry->selectAll();
    QApplication::clipboard()->setText(QStringLiteral("2x00"));
    entry->paste();
    EXPECT_EQ(entry->text(), "1500");  // refused: the old text stays
    QApplication::clipboard()->setText(QStringLiteral("2600"));
    entry->selectAll();
    entry->paste();
    EXPECT_EQ(entry->text(), "2600");
    EXPECT_EQ(state.CurrentDesign.RoadHeight, 2600);
    EXPECT_TRUE(d.okButton()->isEnabled());
}

namespace {

struct KeysAtEveryShowing : EditFixture {
    // The "..." beside the page's row clicked over the active main window
    // (offscreen the activation must be asked); the dialog comes up active.
    EditResultDialog &click(int page)
    {
        window->activateWindow();
        EXPECT_TRUE(app_testing::waitUntilActive(window.get()));
        QTest::mouseClick(window->adjustButton(page), Qt::LeftButton);
        EditResultDialog *d = window->editResultDialog();
        EXPECT_TRUE(d && app_testing::waitUntilActive(d));
        return *d;
    }
    int adjusted(int page)
    {
        const int values[] = {viewed().NumPosts, viewed().PostSpacing, state.CurrentDesign.RoadHeight,
                              state.CurrentDesign.DistFromKerb, viewed().FootingType};
        return values[page];
    }
    // What the engineer does on the page at once, keys going to the focus;
    // returns the value it should leave. On the spacing page `typed` becomes
    // the end of the range the spacing is not at.
    int change(EditResultDialog &d, int page, int typed)
    {
        if (page == 1)
            typed = static_cast<int>(adjusted(1) == d.scroll(3).min() ? d.scroll(3).max() : d.scroll(3).min());
        if (page == 0) {
            QTest::mouseClick(d.spinUpButton(), Qt::LeftButton);
            return adjusted(0);
        }
        if (page == 4) {
            const int other = viewed().FootingType == 1 ? 1 : 0;
            QTest::mouseClick(d.footingOption(other), Qt::LeftButton);
            return other + 1;
        }
        if (QWidget *focus = QApplication::focusWidget())
            QTest::keyClicks(focus, QString::number(typed));
        return typed;
    }
    static void key(Qt::Key k)
    {
        QWidget *focus = QApplication::focusWidget();
        ASSERT_NE(focus, nullptr);
        QTest::keyClick(focus, k);
    }
};

} // namespace

// Each way of ending a showing, then a new showing typed into at once and
// confirmed with Enter, on every page: the keys reach the page's entry (OK
// where there is none) and Enter presses OK.
TEST_F(KeysAtEveryShowing, EntryTakesKeysAtEveryShowingWhicheverWayTheLastEnded)
{
    const struct {
        const char *name;
        void (*close)(EditResultDialog &);
        bool keeps;  // the adjustment stays
    } closings[] = {
        {"OK clicked", [](EditResultDialog &d) { QTest::mouseClick(d.okButton(), Qt::LeftButton); }, true},
        {"Cancel clicked", [](EditResultDialog &d) { QTest::mouseClick(d.cancelButton(), Qt::LeftButton); }, false},
        {"Enter", [](EditResultDialog &) { key(Qt::Key_Return); }, true},
        {"Esc", [](EditResultDialog &) { key(Qt::Key_Escape); }, false},
        {"close box", [](EditResultDialog &d) { d.close(); }, false},
    };
    window->show();
    ASSERT_TRUE(app_testing::waitUntilActive(window.get()));
    for (int page = 0; page <= 4; ++page) {
        for (const auto &c : closings) {
            SCOPED_TRACE(std::string(c.name) + " on page " + std::to_string(page));
            for (auto &support : state.SupportDesigns) {
                support.PNO = 0;
                support.FootingType = 1;
            }
            open(app_testing::sampleDesign());
            EditResultDialog &d = click(page);
            const int before = adjusted(page);
            const int changed = change(d, page, 1200);
            ASSERT_NE(changed, before);
            EXPECT_EQ(adjusted(page), changed);
            c.close(d);
            ASSERT_FALSE(d.isVisible());
            EXPECT_EQ(adjusted(page), c.keeps ? changed : before);

            state.DesignChanged = 0;
            click(page);
            QWidget *expected = page >= 1 && page <= 3 ? static_cast<QWidget *>(d.entry(2 * page + 1)) : d.okButton();
            EXPECT_EQ(QApplication::focusWidget(), expected);
            const int wanted = change(d, page, 1300);
            EXPECT_NE(wanted, c.keeps ? changed : before);
            key(Qt::Key_Return);
            EXPECT_FALSE(d.isVisible());
            EXPECT_EQ(adjusted(page), wanted);
            EXPECT_NE(state.DesignChanged, 0);
        }
    }
}

// Enter waits while OK is disabled by an out-of-range entry, and presses it
// once the entry is valid again; Esc still cancels.
TEST_F(KeysAtEveryShowing, EntryTakesKeysAtEveryShowingEnterWaitsForAValidNumber)
{
    window->show();
    ASSERT_TRUE(app_testing::waitUntilActive(window.get()));
    for (const bool escape : {false, true}) {
        SCOPED_TRACE(escape ? "Esc" : "Enter");
        open(app_testing::sampleDesign());
        EditResultDialog &d = click(2);
        QTest::keyClicks(QApplication::focusWidget(), "5");
        ASSERT_FALSE(d.okButton()->isEnabled());
        key(Qt::Key_Return);
        EXPECT_TRUE(d.isVisible());
        EXPECT_EQ(state.CurrentDesign.RoadHeight, 1500);
        EXPECT_EQ(state.DesignChanged, 0);
        QTest::keyClicks(QApplication::focusWidget(), "000");
        EXPECT_TRUE(d.okButton()->isEnabled());
        key(escape ? Qt::Key_Escape : Qt::Key_Return);
        EXPECT_FALSE(d.isVisible());
        EXPECT_EQ(state.CurrentDesign.RoadHeight, escape ? 1500 : 5000);
        EXPECT_EQ(state.DesignChanged != 0, !escape);
    }
}
