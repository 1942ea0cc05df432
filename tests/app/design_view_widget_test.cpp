// The design view on the main window: the hooks the refresh calls, the scene
// it shows for each support kind, a new size, and the painter's pixels.

#include "app_test_support.h"

#include "app/design_elevation_scene.h"
#include "app/design_view_widget.h"
#include "app/main_window.h"
#include "app/scene_view.h"
#include "common/test_services.h"
#include "engine/design_state.h"

#include <QFrame>
#include <QImage>
#include <QPainter>
#include <QPushButton>
#include <QTest>

#include <gtest/gtest.h>

using app::Form5;

namespace {

struct ViewFixture : ::testing::Test {
    engine::DesignState state;
    app_testing::FakeStorage storage;
    std::unique_ptr<Form5> window;
    testing_support::RecordingMessages messages;
    app::DesignViewWidget *view = nullptr;

    void SetUp() override
    {
        engine::ResetDesignData(state, engine::DefaultValues{});
        window = std::make_unique<Form5>(state, storage.services(state));
        view = app::InstallDesignView(*window);
        window->FormLoad();
        window->resize(900, 640);
        const engine::DesignRecord design = app_testing::sampleDesign();
        engine::CompareDesignRecords(design, state.CurrentDesign, state.DesignChanged, state.RedesignNeeded);
        engine::CopyDesignRecord(design, state.CurrentDesign);
    }

    // The scene the view must show now, built afresh.
    app::Scene expected() const
    {
        return app::DesignElevationScene(state, view->elevationArea(),
                                         [this](const std::string &text) { return view->measureText(text); });
    }

    int shownCount(const char *name) const
    {
        int count = 0;
        for (const app::SceneElement &e : view->scene())
            count += e.name == name && e.shown ? 1 : 0;
        return count;
    }
};

} // namespace

TEST_F(ViewFixture, EachSupportKindShowsItsElevation)
{
    window->show();
    ASSERT_TRUE(QTest::qWaitForWindowExposed(window.get()));
    window->FormActivate();
    ASSERT_NE(state.DesignOpen, 0);
    for (int kind = 0; kind < 4; ++kind) {
        SCOPED_TRACE(kind);
        window->supportButton(kind)->click();
        const engine::SupportDesign &design = state.SupportDesigns[static_cast<size_t>(kind) + 1];
        ASSERT_EQ(design.NoResultCode, 0);
        EXPECT_TRUE(view->isDrawn());
        EXPECT_EQ(view->scene(), expected());
        EXPECT_EQ(shownCount("Posts"), design.NumPosts);
        EXPECT_EQ(shownCount("SFaces"), 1);
        EXPECT_EQ(shownCount("Label1"), 1);
    }
    // The view lies over the frame's contents, beneath the "View 3D" holder.
    EXPECT_EQ(view->geometry(), window->designViewArea()->contentsRect());
    const QObjectList &children = window->designViewArea()->children();
    EXPECT_LT(children.indexOf(view), children.indexOf(window->view3DHolder()));
}

TEST_F(ViewFixture, NoResultHidesTheView)
{
    window->FormActivate();
    ASSERT_TRUE(view->isDrawn());
    state.SupportDesigns[2].NoResultCode = 3;
    window->supportButton(1)->click();
    EXPECT_FALSE(view->isDrawn());
    EXPECT_EQ(view->scene(), app::HiddenDesignElevation());
    window->supportButton(0)->click();
    EXPECT_TRUE(view->isDrawn());
    EXPECT_GT(shownCount("Posts"), 0);
}

TEST_F(ViewFixture, TheViewChangesNoRecord)
{
    window->FormActivate();
    const engine::DesignRecord design = state.CurrentDesign;
    const auto supports = state.SupportDesigns;
    view->DrawDesignView();
    view->HideDesignView();
    view->DrawDesignView();
    EXPECT_EQ(state.CurrentDesign, design);
    EXPECT_EQ(state.SupportDesigns, supports);
}

TEST_F(ViewFixture, ANewSizeRescalesTheDrawing)
{
    window->show();
    ASSERT_TRUE(QTest::qWaitForWindowExposed(window.get()));
    window->FormActivate();
    const app::Scene before = view->scene();
    window->resize(1100, 800);
    QCoreApplication::processEvents();
    EXPECT_EQ(view->geometry(), window->designViewArea()->contentsRect());
    EXPECT_NE(view->scene(), before);
    EXPECT_EQ(view->scene(), expected());
    // Hidden, a new size re-runs the window's refresh, which draws it again.
    view->HideDesignView();
    window->resize(950, 700);
    QCoreApplication::processEvents();
    EXPECT_EQ(view->scene(), expected());
}

TEST(ScenePainter, PaintsFillsHatchesLinesAndScrewLines)
{
    // 15 twips a pixel: a 40 x 30 pixel picture.
    app::Scene scene;
    app::SceneElement solid;
    solid.name = "Posts";
    solid.shown = true;
    solid.rect = {150, 150, 150, 300};  // pixels 10..20 x 10..30
    solid.pen = 0;
    solid.fill = app::PostTooLowColour;
    solid.fillStyle = app::SceneFill::Solid;
    scene.push_back(solid);
    app::SceneElement hatch = solid;
    hatch.name = "Footings";
    hatch.rect = {375, 0, 150, 450};  // pixels 25..35 x 0..30
    hatch.pen = app::NoColour;
    hatch.fill = app::FootingColour;
    hatch.fillStyle = app::SceneFill::DownwardDiagonal;
    scene.push_back(hatch);
    app::SceneElement road;
    road.name = "Road";
    road.shape = app::SceneShape::Line;
    road.shown = true;
    road.line = {0, 75, 600, 75};  // pixel row 5
    road.pen = 0x000000;
    road.penPixels = 3.0;
    scene.push_back(road);
    app::SceneElement hidden = solid;
    hidden.shown = false;
    hidden.rect = {0, 300, 600, 150};
    scene.push_back(hidden);

    QImage image(40, 30, QImage::Format_ARGB32);
    image.fill(Qt::white);
    {
        QPainter painter(&image);
        app::PaintScene(painter, scene, 15.0, QFont());
    }
    // Solid red inside, a black outline at the edge.
    EXPECT_EQ(image.pixelColor(15, 20), QColor(255, 0, 0));
    EXPECT_EQ(image.pixelColor(10, 20), QColor(0, 0, 0));
    // The hatch leaves white between orange strokes.
    int orange = 0;
    int white = 0;
    for (int x = 26; x < 34; ++x)
        for (int y = 12; y < 28; ++y) {
            const QColor c = image.pixelColor(x, y);
            orange += c == app::SceneColour(app::FootingColour) ? 1 : 0;
            white += c == QColor(Qt::white) ? 1 : 0;
        }
    EXPECT_GT(orange, 10);
    EXPECT_GT(white, 10);
    // The road three pixels wide, around row 5.
    EXPECT_EQ(image.pixelColor(5, 4), QColor(0, 0, 0));
    EXPECT_EQ(image.pixelColor(5, 6), QColor(0, 0, 0));
    EXPECT_EQ(image.pixelColor(5, 8), QColor(Qt::white));
    // A hidden element paints nothing.
    EXPECT_EQ(image.pixelColor(3, 25), QColor(Qt::white));
    EXPECT_EQ(app::SceneColour(0x0080FF), QColor(255, 128, 0));
}

TEST(ScenePainter, ScrewLinesAreDrawnInTheBoxsUnits)
{
    app::SceneElement screw;
    screw.name = "Screw";
    screw.shown = true;
    screw.rect = {0, 0, 480, 600};  // 32 x 40 pixels
    screw.pen = app::NoColour;
    screw.fill = app::ScrewColour;
    screw.fillStyle = app::SceneFill::Solid;
    screw.unitsWide = 480;
    screw.unitsHigh = 600;
    app::Scene scene{screw};
    const auto paint = [&scene] {
        QImage image(32, 40, QImage::Format_ARGB32);
        image.fill(Qt::white);
        QPainter painter(&image);
        app::PaintScene(painter, scene, 15.0, QFont());
        return image;
    };
    const QImage plain = paint();
    EXPECT_EQ(plain.pixelColor(16, 38), QColor(0xC0, 0xC0, 0xC0));
    scene[0].pen = 0;
    scene[0].unitLines = {{240, 0, 240, 600}};  // down the middle
    const QImage lined = paint();
    EXPECT_LT(lined.pixelColor(16, 20).lightness(), 0x90);
    EXPECT_EQ(lined.pixelColor(4, 20), QColor(0xC0, 0xC0, 0xC0));
}
