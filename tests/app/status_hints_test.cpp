// Status hints and the sign pop-up, driven by mouse moves over the shown
// main window.

#include "app_test_support.h"

#include "app/design_view_widget.h"
#include "app/main_window.h"
#include "app/sign_popup.h"
#include "app/status_hints.h"
#include "common/test_services.h"
#include "engine/design_state.h"
#include "platform/widgets/twips.h"

#include <QBoxLayout>
#include <QGroupBox>
#include <QLabel>
#include <QMenuBar>
#include <QPushButton>
#include <QTest>

#include <gtest/gtest.h>

using app::Form5;

namespace {

// Two front panels and a back sign, so three sign buttons are shown.
engine::DesignRecord designWithBackSign()
{
    engine::DesignRecord d = app_testing::sampleDesign();
    d.NumFrontSigns = 2;
    d.FrontSignWidth[2] = 1800;
    d.FrontSignDepth[2] = 600;
    d.FrontSignClearance[2] = 100;
    d.NumBackSigns = 1;
    d.BackSignWidth = 2000;
    d.BackSignDepth = 900;
    d.SignCode[1] = "G9-1";
    d.SignCode[2] = "R2-4";
    d.SignCode[4] = "BACK-7";
    return d;
}

struct HintFixture : ::testing::Test {
    engine::DesignState state;
    app_testing::FakeStorage storage;
    std::unique_ptr<Form5> window;
    testing_support::RecordingMessages messages;
    app::StatusHints *hints = nullptr;

    void SetUp() override
    {
        engine::ResetDesignData(state, engine::DefaultValues{});
        window = std::make_unique<Form5>(state, storage.services(state));
        app::InstallDesignView(*window);
        hints = app::InstallStatusHints(*window);
        window->FormLoad();
        const engine::DesignRecord design = designWithBackSign();
        engine::CompareDesignRecords(design, state.CurrentDesign, state.DesignChanged, state.RedesignNeeded);
        engine::CopyDesignRecord(design, state.CurrentDesign);
        showAt(QSize(760, 560));
    }

    void TearDown() override { window->hide(); }

    void showAt(QSize size)
    {
        window->setGeometry(QRect(QPoint(0, 0), size));
        window->show();
        ASSERT_TRUE(QTest::qWaitForWindowExposed(window.get()));
        window->FormActivate();
        QCoreApplication::processEvents();
    }

    QString caption() const { return window->statusGauge()->caption(); }
    QWidget *popup() const { return hints->popup(); }
    QWidget *named(const QString &name) const
    {
        if (window->objectName() == name)
            return window.get();
        auto *widget = window->findChild<QWidget *>(name);
        if (!widget)
            ADD_FAILURE() << "no widget " << name.toStdString();
        return widget;
    }

    // A point of `target` where the area under the mouse is `target` itself:
    // not one of its children that has a row of its own, nor the pop-up.
    std::optional<QPoint> pointOn(QWidget *target) const
    {
        for (int y = 1; y < target->height() - 1; y += 2)
            for (int x = 1; x < target->width() - 1; x += 2) {
                QWidget *under = window->childAt(target->mapTo(window.get(), QPoint(x, y)));
                if (!under)
                    under = window.get();
                while (under && !app::HintForName(under->objectName()) && under != window.get())
                    under = under->parentWidget();
                if (under == target)
                    return QPoint(x, y);
            }
        return std::nullopt;
    }

    // Moves the mouse onto `target`; false when no part of it can be reached.
    bool moveOnto(QWidget *target)
    {
        const std::optional<QPoint> at = pointOn(target);
        if (!at)
            return false;
        // The cursor only moves (and reports) when it goes somewhere new: first
        // onto the empty end of the menu bar, which has no hint.
        QTest::mouseMove(window->menuBar(), QPoint(window->menuBar()->width() - 3, 3));
        QTest::mouseMove(target, *at);
        return true;
    }
};

} // namespace

TEST_F(HintFixture, EveryRowOfTheTable)
{
    // The support buttons fill their row; a strip above them leaves the row itself reachable.
    for (int i = 0; i < 4; ++i)
        window->supportButton(i)->setGeometry(window->supportButton(i)->geometry().adjusted(0, 4, 0, 0));
    QCoreApplication::processEvents();

    const QString title = QStringLiteral("Kelvora");
    const QString before = QStringLiteral("(before)");
    struct Row {
        const char *widget;
        QString status;  // empty: unchanged
        int popup;       // -1 hidden, 0 unchanged, 1 shown
    };
    const std::vector<Row> rows{
        {"Label2_0", title, -1},
        {"Label3_3", QString(), -1},
        {"Label4_1", title, 0},
        {"Label5_2", QString(), -1},
        {"Label8_3", QStringLiteral("Structural Design Data"), 0},
        {"Panel3D1", title, -1},
        {"Panel3D2", title, -1},
        {"Panel3D3", title, -1},
        {"Panel3D4_2", title, 0},
        {"Panel3D5_1", QStringLiteral("Sign Face and Stiffener Details"), 1},
        {"Panel3D6", QString(), -1},
        {"Panel3D7", QStringLiteral("Warnings and Errors Display"), 0},
        {"Panel3D8", QStringLiteral("Sign Structural Design View"), 0},
        {"Text1", QStringLiteral("Warnings and Errors Display"), 0},
        {"Command3D1_2", QStringLiteral("Select Structural Options"), 0},
        {"Command3D4_0", QStringLiteral("Press to Adjust Design Parameter"), 0},
    };
    ASSERT_EQ(rows.size(), app::StatusHintTable.size());
    for (const Row &row : rows) {
        SCOPED_TRACE(row.widget);
        QWidget *target = named(QString::fromLatin1(row.widget));
        ASSERT_TRUE(target);
        ASSERT_TRUE(app::HintForName(target->objectName()));
        for (const bool popupBefore : {false, true}) {
            // The pop-up's own lines are there only while it is open.
            if (!popupBefore && target->parentWidget() == popup())
                continue;
            // The pop-up open (by the back sign's button) or closed before the move.
            popup()->setVisible(popupBefore);
            if (popupBefore)
                popup()->move(window->signSlot(3)->mapTo(window->resultsPane(), QPoint(0, -popup()->height() - 8)));
            window->statusGauge()->setCaption(before);
            ASSERT_TRUE(moveOnto(target)) << row.widget;
            EXPECT_EQ(caption(), row.status.isEmpty() ? before : row.status);
            const bool expected = row.popup == 1 || (row.popup == 0 && popupBefore);
            EXPECT_EQ(popup()->isVisible(), expected) << "pop-up before: " << popupBefore;
        }
    }
}

TEST_F(HintFixture, FromAResultValueBackOntoThePane)
{
    ASSERT_TRUE(moveOnto(window->signSlot(0)));
    EXPECT_TRUE(popup()->isVisible());
    ASSERT_TRUE(moveOnto(window->resultValue(2)));
    EXPECT_TRUE(popup()->isVisible());
    EXPECT_EQ(caption(), "Structural Design Data");
    ASSERT_TRUE(moveOnto(window->resultsPane()));
    EXPECT_FALSE(popup()->isVisible());
    EXPECT_EQ(caption(), "Kelvora");
}

TEST_F(HintFixture, FromASignButtonOntoTheDesignView)
{
    ASSERT_TRUE(moveOnto(window->signSlot(1)));
    EXPECT_TRUE(popup()->isVisible());
    EXPECT_EQ(caption(), "Sign Face and Stiffener Details");
    ASSERT_TRUE(moveOnto(window->designViewArea()));
    EXPECT_TRUE(popup()->isVisible());
    EXPECT_EQ(caption(), "Sign Structural Design View");
}

TEST_F(HintFixture, MovingOntoThePopupClosesIt)
{
    for (const bool ontoALine : {true, false}) {
        ASSERT_TRUE(moveOnto(window->signSlot(0)));
        ASSERT_TRUE(popup()->isVisible());
        QWidget *target = ontoALine ? named(QStringLiteral("Label5_0")) : popup();
        ASSERT_TRUE(moveOnto(target)) << ontoALine;
        EXPECT_FALSE(popup()->isVisible()) << ontoALine;
        EXPECT_EQ(caption(), "Sign Face and Stiffener Details");
    }
}

TEST_F(HintFixture, PopupLinesOfAFrontSlotAndOfTheBackSign)
{
    const engine::SupportDesign &chs = state.SupportDesigns[1];
    ASSERT_EQ(chs.NoResultCode, 0);
    ASSERT_TRUE(moveOnto(window->signSlot(1)));
    const auto lines = [this] {
        QStringList texts;
        for (int i = 0; i < 6; ++i)
            texts << named(QStringLiteral("Label5_%1").arg(i))->property("text").toString();
        return texts;
    };
    EXPECT_EQ(lines(), (QStringList{"Sign : R2-4      ", "Width : 1800", "Height : 600",
                                    "Stiffeners : " + QString::number(chs.NumStiffeners[2]),
                                    "Stiff Spac : " + QString::number(chs.StiffenerSpacing[2]),
                                    "Brackets : " + QString::number(chs.NumBrackets[2])}));
    ASSERT_TRUE(moveOnto(window->signSlot(3)));
    EXPECT_EQ(lines(), (QStringList{"Sign : BACK-7    ", "Width : 2000", "Height : 900",
                                    "Stiffeners : " + QString::number(chs.NumStiffeners[4]),
                                    "Stiff Spac : " + QString::number(chs.StiffenerSpacing[4]),
                                    "Brackets : " + QString::number(chs.NumBrackets[4])}));
    // The viewed kind's values.
    window->supportButton(1)->click();
    const engine::SupportDesign &rhs = state.SupportDesigns[2];
    ASSERT_TRUE(moveOnto(window->signSlot(0)));
    EXPECT_EQ(lines()[0], "Sign : G9-1      ");
    EXPECT_EQ(lines()[3], "Stiffeners : " + QString::number(rhs.NumStiffeners[1]));
}

TEST(SignPopup, LinesOfASlotWithoutAPanel)
{
    engine::DesignState state;
    state.CurrentDesign.FrontSignWidth[3] = 700;
    state.SupportDesigns[1].NumBrackets[3] = 2;
    state.SupportDesigns[1].StiffenerSpacing[3] = -5;
    const auto lines = app::SignPopupLines(state, 3);
    EXPECT_EQ(lines[0], "Sign :           ");
    EXPECT_EQ(lines[1], "Width : 700");
    EXPECT_EQ(lines[2], "Height : 0");
    EXPECT_EQ(lines[4], "Stiff Spac : -5");
    EXPECT_EQ(lines[5], "Brackets : 2");
}

TEST(SignPopup, PlacedBelowWhenThePaneIsTallEnoughElseAbove)
{
    // Need = 3000 + 240 + 120 + 360 + 120 + 1935 = 5775.
    app::SignPopupGeometry g;
    g.headingTop = 3000;
    g.headingHeight = 240;
    g.buttonLeft = 450;
    g.buttonTop = 3600;
    g.buttonHeight = 360;
    const struct {
        double paneHeight;
        bool below;
        double top;
    } cases[] = {{5775, true, 4080}, {9000, true, 4080}, {5774, false, 1545}, {2000, false, 1545}};
    for (const auto &c : cases) {
        g.paneHeight = c.paneHeight;
        const app::SignPopupPlace place = app::PlaceSignPopup(g);
        EXPECT_EQ(place.below, c.below) << c.paneHeight;
        EXPECT_EQ(place.top, c.top) << c.paneHeight;
        EXPECT_EQ(place.left, 450);
    }
    // The button's place does not enter the choice.
    g.paneHeight = 5774;
    g.buttonTop = 100;
    EXPECT_FALSE(app::PlaceSignPopup(g).below);
}

TEST_F(HintFixture, PopupBelowInATallPaneAboveInALowOne)
{
    const double tppx = platform::TwipsPerPixel(*window);
    QWidget *pane = window->resultsPane();
    const auto twips = [tppx](int pixels) { return pixels * tppx; };
    for (const int height : {470, 560, 1000}) {
        SCOPED_TRACE(height);
        showAt(QSize(760, height));
        QWidget *heading = named(QStringLiteral("Label3_3"));
        for (const int slot : {0, 1, 3}) {
            QPushButton *button = window->signSlot(slot);
            ASSERT_TRUE(moveOnto(button));
            ASSERT_TRUE(popup()->isVisible());
            const QPoint buttonAt = button->mapTo(pane, QPoint(0, 0));
            const double need = twips(heading->mapTo(pane, QPoint(0, 0)).y() + heading->height()) + 120
                                + twips(button->height()) + 120 + 1935;
            const QRect placed = popup()->geometry();
            EXPECT_EQ(placed.left(), buttonAt.x());
            EXPECT_NEAR(twips(placed.width()), 1575, tppx);
            EXPECT_NEAR(twips(placed.height()), 1935, tppx);
            if (twips(pane->height()) >= need) {
                EXPECT_NEAR(twips(placed.top()), twips(buttonAt.y() + button->height()) + 120, tppx);
            } else {
                // Its bottom 120 twips above the button's top.
                EXPECT_NEAR(twips(placed.top() + placed.height()), twips(buttonAt.y()) - 120, tppx);
            }
            // Raised above the rows of the pane.
            EXPECT_EQ(pane->children().last(), popup());
        }
    }
    // One of the two sizes must have shown each placement.
    showAt(QSize(760, 1000));
    ASSERT_TRUE(moveOnto(window->signSlot(0)));
    EXPECT_GT(popup()->y(), window->signSlot(0)->mapTo(pane, QPoint(0, 0)).y());
    showAt(QSize(760, 470));
    ASSERT_TRUE(moveOnto(window->signSlot(0)));
    EXPECT_LT(popup()->y(), window->signSlot(0)->mapTo(pane, QPoint(0, 0)).y());
}

TEST_F(HintFixture, GaugeKeepsTheCaptionWhileItShowsProgress)
{
    platform::setProgressDisplay(&window->progressDisplay());
    ShowProgress(40, platform::ProgressStart);
    ASSERT_TRUE(moveOnto(window->designViewArea()));
    EXPECT_EQ(window->statusGauge()->fillStyle(), 1);
    ShowProgress(100, platform::ProgressFinish);
    EXPECT_EQ(caption(), "Sign Structural Design View");
    platform::setProgressDisplay(nullptr);
}
