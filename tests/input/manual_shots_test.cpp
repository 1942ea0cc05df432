// Pictures of the roadside environment dialog and its guides, taken by hand,
// not by ctest (disabled tests; run under a display, e.g.
//   xvfb-run -a build/tests/input_tests --gtest_filter='ManualShots.*' --gtest_also_run_disabled_tests
// ). KELVORA_SHOT_FOLDER names the folder for the PNG files, /tmp by default.

#include "guide_dialog_support.h"

#include "engine/design_state.h"
#include "input/foundation_strength_guide.h"
#include "input/roadside_environment_dialog.h"
#include "input/wind_region_map.h"

#include <QDir>
#include <QPixmap>
#include <QScreen>
#include <QTabWidget>
#include <QTemporaryDir>
#include <QTest>

#include <cstdio>

#include <gtest/gtest.h>

namespace {

QString shotPath(const char *name)
{
    QString folder = qEnvironmentVariable("KELVORA_SHOT_FOLDER");
    if (folder.isEmpty())
        folder = QDir::tempPath();
    return QDir(folder).filePath(QString::fromLatin1(name));
}

// The window as it is on screen, frame included where the display has one.
void shoot(QWidget &window, const char *name)
{
    window.raise();
    window.activateWindow();
    QTest::qWait(200);
    QPixmap picture;
    if (QScreen *screen = window.screen(); screen && qgetenv("QT_QPA_PLATFORM") != "offscreen")
        picture = screen->grabWindow(0, window.frameGeometry().x(), window.frameGeometry().y(),
                                     window.frameGeometry().width(), window.frameGeometry().height());
    if (picture.isNull())
        picture = window.grab();
    ASSERT_TRUE(picture.save(shotPath(name))) << name;
    std::printf("%s\n", qPrintable(shotPath(name)));
}

TEST(ManualShots, DISABLED_RoadsideEnvironmentPages)
{
    engine::DesignState state;
    engine::ResetDesignData(state, engine::DefaultValues{});
    state.CurrentDesign.WindRegion = 3;
    state.CurrentDesign.ExposedLocation = 1;
    input::Form2 form(state);
    form.show();
    const char *names[] = {"kelvora-form2-wind.png", "kelvora-form2-soil.png", "kelvora-form2-base.png"};
    for (int page = 0; page < 3; ++page) {
        form.pages()->setCurrentIndex(page);
        shoot(form, names[page]);
    }
    form.reject();
}

TEST(ManualShots, DISABLED_WindRegionMapLevels)
{
    QTemporaryDir noMap;
    input::Form4 map(3, qEnvironmentVariable("KELVORA_MAP_FOLDER", noMap.path()));
    map.show();
    shoot(map, "kelvora-form4-level0.png");
    QTest::mouseClick(map.mapView(), Qt::LeftButton, {}, QPoint(330, 150));
    QTest::mouseClick(map.mapView(), Qt::LeftButton, {}, QPoint(324, 216));
    EXPECT_EQ(map.mapView()->zoom().ZoomLevel, 2);
    shoot(map, "kelvora-form4-level2.png");
    map.reject();
}

TEST(ManualShots, DISABLED_FoundationStrengthGuidePage)
{
    input::Form6 guide(3);
    guide.show();
    guide.pages()->setCurrentIndex(2);
    shoot(guide, "kelvora-form6-page2.png");
    guide.reject();
}

} // namespace
