// The main window's layout: the geometry model in twips at explicit sizes,
// the resize handling on a real window, and the 3-D view switched on and off
// through its buttons.

#include "app_test_support.h"

#include "app/main_window.h"
#include "app/main_window_layout.h"
#include "app/scene_view.h"
#include "app/view3d.h"
#include "app/view3d_scene.h"
#include "common/test_services.h"
#include "engine/design_run.h"
#include "platform/widgets/twips.h"

#include <QAction>
#include <QApplication>
#include <QGroupBox>
#include <QLabel>
#include <QMenuBar>
#include <QPushButton>
#include <QElapsedTimer>

#include <gtest/gtest.h>

using app::Form5;
using app::LayoutMainWindow;
using app::MainWindowMetrics;
using app_testing::FakeStorage;

// The window system's way in for a key: the shortcut map is tried first, as
// for a key the engineer types (exported by QtGui for test drivers).
Q_GUI_EXPORT bool qt_sendShortcutOverrideEvent(QObject *o, ulong timestamp, int k, Qt::KeyboardModifiers mods,
                                               const QString &text = QString(), bool autorep = false,
                                               ushort count = 1);

namespace {

void pressCtrlO(QWidget *window)
{
    qt_sendShortcutOverrideEvent(window, 0, Qt::Key_O, Qt::ControlModifier, QStringLiteral("o"));
    QApplication::processEvents();
}

bool waitActive(QWidget *window)
{
    QElapsedTimer timer;
    timer.start();
    while (!window->isActiveWindow() && timer.elapsed() < 2000)
        QApplication::processEvents();
    return window->isActiveWindow();
}

float right(const app::TwipsRect &r) { return r.left + r.width; }
float bottom(const app::TwipsRect &r) { return r.top + r.height; }

} // namespace

TEST(MainWindowLayoutModel, MinimumFrameSize)
{
    struct Case {
        float width, height, setWidth, setHeight;
    };
    for (const Case c : {Case{9599, 6372, 9696, 6372}, Case{9600, 6371, 9600, 7116}, Case{9600, 6372, 9600, 6372},
                         Case{2000, 1000, 9696, 7116}, Case{20000, 15000, 20000, 15000}}) {
        const app::FrameSize size = app::ApplyMinimumFrameSize(c.width, c.height);
        EXPECT_EQ(size.width, c.setWidth) << c.width;
        EXPECT_EQ(size.height, c.setHeight) << c.height;
    }
}

TEST(MainWindowLayoutModel, SupportButtonsRoundHalfToEven)
{
    const MainWindowMetrics m;  // elevation 5520 from the pane's left
    struct Case {
        float rowWidth, button;
    };
    for (const Case c : {Case{4002, 1000}, Case{4006, 1002}, Case{4000, 1000}, Case{4003, 1001}}) {
        const float clientWidth = c.rowWidth + m.panel3D8Left + 120 + 240;
        const app::MainWindowLayout l = LayoutMainWindow(m, clientWidth, 8000);
        ASSERT_EQ(l.panel3D6.width, c.rowWidth);
        for (size_t i = 0; i < 4; ++i) {
            EXPECT_EQ(l.command3D1[i].width, c.button) << c.rowWidth;
            EXPECT_EQ(l.command3D1[i].left, static_cast<float>(i) * c.button) << c.rowWidth;
        }
    }
}

TEST(MainWindowLayoutModel, JobKeyRowSpansThePaneWithThreeEqualFields)
{
    MainWindowMetrics m;
    m.label4Width = {1000, 1100, 1300};
    for (const float width : {9696.0F, 12001.0F, 30000.0F}) {
        const app::MainWindowLayout l = LayoutMainWindow(m, width, 8000);
        // s = 1060 + 1160 + 1360 + 480.
        EXPECT_EQ(l.keyCaptionSum, 4060);
        EXPECT_EQ(l.label4[0].left, l.panel3D3.left);
        for (size_t i = 0; i < 3; ++i) {
            EXPECT_EQ(l.panel3D4[i].width, l.keyFieldWidth);
            EXPECT_EQ(l.panel3D4[i].left, l.label4[i].left + m.label4Width[i] + 60);
            if (i > 0) {
                EXPECT_EQ(l.label4[i].left, right(l.panel3D4[i - 1]) + 240);
            }
        }
        EXPECT_NEAR(right(l.panel3D4[2]), right(l.panel3D3), 2) << width;
    }
}

TEST(MainWindowLayoutModel, ElevationGrowsWithTheWindowWhileTheMarginsStay)
{
    const MainWindowMetrics m;
    const app::MainWindowLayout small = LayoutMainWindow(m, 9600, 6000);
    const app::MainWindowLayout large = LayoutMainWindow(m, 18000, 12000);
    EXPECT_EQ(large.panel3D8.width - small.panel3D8.width, 8400);
    EXPECT_EQ(large.panel3D8.height - small.panel3D8.height, 6000);
    for (const app::MainWindowLayout &l : {small, large}) {
        EXPECT_EQ(l.panel3D1.width - right(l.panel3D3), 120);
        EXPECT_EQ(l.panel3D3.width - right(l.panel3D8), 120);
        EXPECT_EQ(l.panel3D1.height - bottom(l.panel3D2), 60);
        EXPECT_EQ(l.panel3D2.top - bottom(l.panel3D3), 60);
        EXPECT_EQ(l.panel3D3.height - bottom(l.panel3D7), 120);
        EXPECT_EQ(l.panel3D6.width, l.panel3D8.width);
        EXPECT_EQ(l.panel3D7.width, l.panel3D8.width);
        EXPECT_EQ(l.line2X2, l.panel3D7.width);
        EXPECT_EQ(l.text1.left, 10);
        EXPECT_EQ(l.text1.width, l.panel3D7.width - 20);
        EXPECT_EQ(l.text1.top, m.line2Y1 + 10);
        EXPECT_EQ(l.panel3D8.height, l.panel3D3.height - m.panel3D7Height - m.panel3D6Height - 480);
        for (float top : l.panel3D5Top)
            EXPECT_EQ(top, m.label3Top + m.label3Height + 120);
    }
}

namespace {

struct ShownWindow : ::testing::Test {
    engine::DesignState state;
    FakeStorage storage;
    std::unique_ptr<Form5> window;
    testing_support::RecordingMessages messages;
    double tpp = 15;

    void SetUp() override
    {
        engine::ResetDesignData(state, engine::DefaultValues{});
        window = std::make_unique<Form5>(state, storage.services(state));
        window->FormLoad();
        window->resize(900, 640);
        window->show();
        QApplication::processEvents();
        tpp = platform::TwipsPerPixel(*window);
    }

    void openDesign()
    {
        engine::DesignRecord design = app_testing::sampleDesign();
        design.SupportStruts = engine::FlagTrue;
        engine::CompareDesignRecords(design, state.CurrentDesign, state.DesignChanged, state.RedesignNeeded);
        engine::CopyDesignRecord(design, state.CurrentDesign);
        window->FormActivate();
        state.DesignChanged = engine::FlagFalse;
    }

    void resizeTo(int width, int height)
    {
        window->resize(width, height);
        QApplication::processEvents();
    }

    QWidget *part(const char *name) const { return window->findChild<QWidget *>(QString::fromLatin1(name)); }
};

} // namespace

TEST_F(ShownWindow, NarrowOrLowFramesGrowToTheSetSize)
{
    struct Case {
        int width, height, expectWidth, expectHeight;
    };
    // 640 px is 9600 twips and stays; 639 px grows to 9696 twips, whole pixels up.
    for (const Case c : {Case{639, 500, 647, 500}, Case{640, 500, 640, 500}, Case{700, 424, 700, 475},
                         Case{700, 425, 700, 425}}) {
        // Sizes are of the outer frame.
        const int frameWidth = window->frameGeometry().width() - window->width();
        const int frameHeight = window->frameGeometry().height() - window->height();
        resizeTo(c.width - frameWidth, c.height - frameHeight);
        EXPECT_EQ(window->frameGeometry().width(), c.expectWidth) << c.width;
        EXPECT_EQ(window->frameGeometry().height(), c.expectHeight) << c.height;
    }
}

TEST_F(ShownWindow, PartsFollowTheModelAtTheClientSize)
{
    resizeTo(1000, 700);
    const QWidget *client = window->centralWidget();
    const app::MainWindowLayout l = LayoutMainWindow(app::MeasureMainWindowMetrics(*window),
                                                     static_cast<float>(client->width() * tpp),
                                                     static_cast<float>(client->height() * tpp));
    const auto pixels = [this](float twips) { return qRound(twips / tpp); };
    EXPECT_EQ(window->designViewArea()->geometry(),
              QRect(pixels(l.panel3D8.left), pixels(l.panel3D8.top), pixels(l.panel3D8.width), pixels(l.panel3D8.height)));
    EXPECT_EQ(window->statusGauge()->geometry().bottom() + 1, client->height() - 4);
    EXPECT_EQ(window->supportButton(3)->x(), 3 * window->supportButton(0)->width());
    EXPECT_EQ(window->jobKeyField(0)->width(), window->jobKeyField(2)->width());
    // The slots sit under the "Panels and Stiffeners" heading.
    const QWidget *heading = part("Label3_3");
    EXPECT_GT(window->signSlot(0)->y(), heading->mapTo(window->resultsPane(), QPoint(0, heading->height())).y());
    // A wider window: a wider elevation, the same right margin.
    const int margin = window->resultsPane()->width() - window->designViewArea()->geometry().right();
    const int before = window->designViewArea()->width();
    resizeTo(1200, 800);
    EXPECT_EQ(window->designViewArea()->width() - before, 200);
    EXPECT_EQ(window->resultsPane()->width() - window->designViewArea()->geometry().right(), margin);
}

TEST_F(ShownWindow, NoDesignTheResultsPaneStaysHidden)
{
    resizeTo(1100, 760);
    EXPECT_TRUE(window->resultsPane()->isHidden());
    EXPECT_EQ(window->designViewArea()->width(), qRound((1100 * tpp - 240 - app::MeasureMainWindowMetrics(*window).panel3D8Left - 120) / tpp));
}

TEST_F(ShownWindow, MinimisedUntouchedRestoredLaidOutAndRefreshed)
{
    openDesign();
    int drawn = 0;
    window->setDesignViewHooks({[&] { ++drawn; }, {}, {}});
    const QRect before = window->designViewArea()->geometry();
    window->setWindowState(Qt::WindowMinimized);
    ASSERT_TRUE(window->isMinimized());
    drawn = 0;
    resizeTo(1150, 720);
    app::FormResize(*window);
    EXPECT_EQ(window->designViewArea()->geometry(), before);
    EXPECT_EQ(drawn, 0);
    // The results pane was hidden meanwhile; restoring refreshes and shows it.
    window->resultsPane()->hide();
    window->setWindowState(Qt::WindowNoState);
    QApplication::processEvents();
    EXPECT_GT(drawn, 0);
    EXPECT_FALSE(window->resultsPane()->isHidden());
    EXPECT_NE(window->designViewArea()->geometry(), before);
}

TEST_F(ShownWindow, View3DHidesTheMenusAndBackRestoresThem)
{
    openDesign();
    window->supportButton(3)->click();
    ASSERT_EQ(state.CurrentSupportType, 4);
    ASSERT_FALSE(window->view3DHolder()->isHidden());
    app::View3D &view = *window->view3D();
    QAction *fileMenu = window->findChild<QMenu *>("menuFile")->menuAction();
    window->activateWindow();
    ASSERT_TRUE(waitActive(window.get()));

    // Ctrl+O opens the storage dialog while the normal window shows.
    pressCtrlO(window.get());
    ASSERT_EQ(storage.modes.size(), 1U);

    const int menuHeight = window->menuBar()->height();
    const QSize clientBefore = window->centralWidget()->size();
    window->view3DButton()->click();
    QApplication::processEvents();
    EXPECT_TRUE(view.isShown());
    EXPECT_FALSE(view.backPanel()->isHidden());
    EXPECT_TRUE(window->findChild<QWidget *>("Panel3D1")->isHidden());
    EXPECT_FALSE(window->view3DHolder()->isVisible());
    EXPECT_FALSE(fileMenu->isVisible());
    EXPECT_FALSE(window->findChild<QAction *>("menuFileItem_1")->isEnabled());
    pressCtrlO(window.get());
    EXPECT_EQ(storage.modes.size(), 1U);
    // The picture shows the design: posts and panel in the view's panel.
    EXPECT_GT(view.sceneView()->scene().size(), 0U);
    const app::SceneElement *post = app::FindElement(view.scene(), app::View3DPosts, 0);
    ASSERT_NE(post, nullptr);
    EXPECT_TRUE(post->shown);
    // With the menus gone the client area, and the view with it, grows.
    ASSERT_GT(menuHeight, 0);
    EXPECT_GT(window->centralWidget()->height(), clientBefore.height());
    EXPECT_NEAR(view.panel()->width(), 0.99 * window->centralWidget()->width(), 1);

    // The picture follows a resize.
    const app::Scene small = view.scene();
    resizeTo(1200, 820);
    EXPECT_NEAR(view.panel()->width(), 0.99 * window->centralWidget()->width(), 1);
    EXPECT_NEAR(view.panel()->height(), 0.99 * window->centralWidget()->height(), 1);
    EXPECT_NE(view.scene(), small);
    const app::SceneElement *block = app::FindElement(view.scene(), app::View3DBlock, 0);
    EXPECT_NEAR(block->line.x1, qRound(0.04 * 0.99 * window->centralWidget()->width() * tpp), 20);
    EXPECT_EQ(view.backPanel()->geometry().right() + 1,
              qRound((window->centralWidget()->width() * tpp - 280) / tpp));

    view.backButton()->click();
    QApplication::processEvents();
    EXPECT_FALSE(view.isShown());
    EXPECT_TRUE(view.backPanel()->isHidden());
    EXPECT_FALSE(window->findChild<QWidget *>("Panel3D1")->isHidden());
    EXPECT_FALSE(window->view3DHolder()->isHidden());
    EXPECT_FALSE(window->resultsPane()->isHidden());
    EXPECT_TRUE(fileMenu->isVisible());
    EXPECT_TRUE(window->findChild<QAction *>("menuFileItem_1")->isEnabled());
    pressCtrlO(window.get());
    EXPECT_EQ(storage.modes.size(), 2U);
}

TEST(HiddenMenus, OnlyTheNamedMenusHideAndOnlyTheirEnabledActionsComeBack)
{
    QMenuBar bar;
    QMenu *file = bar.addMenu("File");
    file->setObjectName("menuFile");
    QAction *open = file->addAction("Open");
    QAction *greyed = file->addAction("Greyed");
    greyed->setEnabled(false);
    QMenu *print = bar.addMenu("Print");
    print->setObjectName("menuPrint");
    QAction *form = print->addAction("Design Form");
    app::HiddenMenus hidden = app::HideMenus(bar, {"menuFile", "menuEdit"});
    EXPECT_FALSE(file->menuAction()->isVisible());
    EXPECT_FALSE(open->isEnabled());
    EXPECT_TRUE(print->menuAction()->isVisible());
    EXPECT_TRUE(form->isEnabled());
    app::RestoreMenus(hidden);
    EXPECT_TRUE(file->menuAction()->isVisible());
    EXPECT_TRUE(open->isEnabled());
    EXPECT_FALSE(greyed->isEnabled());
}
