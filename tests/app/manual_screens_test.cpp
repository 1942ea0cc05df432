// Pictures of the menus, the edit-result dialog beside the main window and
// the About box, for looking at by eye. Run by hand on a display (for
// example under Xvfb), not by ctest:
//   app_tests --gtest_filter='ManualScreens.*' --gtest_also_run_disabled_tests
// KELVORA_SCREENS names the folder of the pictures (/tmp by default).

#include "app_test_support.h"

#include "app/about_box.h"
#include "app/edit_result_dialog.h"
#include "app/main_menus.h"
#include "app/main_window.h"
#include "common/test_services.h"

#include <QAction>
#include <QApplication>
#include <QDir>
#include <QMenu>
#include <QMenuBar>
#include <QScreen>
#include <QScrollBar>
#include <QtTest/QTest>

#include <gtest/gtest.h>

namespace {

void settle()
{
    for (int i = 0; i < 10; ++i) {
        QApplication::processEvents();
        QTest::qWait(30);
    }
}

void shoot(const QString &name)
{
    settle();
    QString folder = qEnvironmentVariable("KELVORA_SCREENS");
    if (folder.isEmpty())
        folder = QStringLiteral("/tmp");
    const QString file = QDir(folder).filePath(name);
    EXPECT_TRUE(QGuiApplication::primaryScreen()->grabWindow(0).save(file));
    std::printf("picture: %s\n", qPrintable(file));
}

} // namespace

TEST(ManualScreens, DISABLED_MenusEditResultAndAbout)
{
    testing_support::RecordingMessages messages;
    engine::DesignState state;
    app_testing::FakeStorage storage;
    engine::ResetDesignData(state, engine::DefaultValues{});
    app::Form5 window(state, storage.services(state));
    window.FormLoad();
    engine::CopyDesignRecord(app_testing::sampleDesign(), state.CurrentDesign);
    window.resize(1000, 700);
    window.move(200, 40);
    window.show();
    window.FormActivate();
    settle();

    app::MainMenus &menus = window.menus();
    window.menuBar()->setActiveAction(menus.fileMenu()->menuAction());
    settle();
    menus.fileMenu()->setActiveAction(menus.fileItem(8));
    settle();
    shoot(QStringLiteral("kelvora-file-menu.png"));
    window.menuBar()->setActiveAction(menus.editMenu()->menuAction());
    shoot(QStringLiteral("kelvora-edit-menu.png"));
    menus.editMenu()->close();
    settle();

    window.AdjustResult(1);
    app::EditResultDialog &edit = *window.editResultDialog();
    edit.scroll(3).bar()->triggerAction(QAbstractSlider::SliderPageStepSub);
    shoot(QStringLiteral("kelvora-edit-result.png"));
    edit.cancelValue();

    menus.helpItem()->trigger();
    shoot(QStringLiteral("kelvora-about.png"));
    window.aboutBox()->close();
}
