// Tools run by hand, not by ctest (disabled tests; run with
// --gtest_filter='ManualTools.*' --gtest_also_run_disabled_tests):
// - the time from start-up to the main window shown, with a database of
//   10,000 stored designs (KELVORA_BIG_DATABASE names where it is kept, so it
//   is built only once);
// - a picture of the main window after loading a stored design
//   (KELVORA_SCREENSHOT names the file, /tmp/kelvora-main-window.png by default);
// - pictures of the design elevation of each sample design and support kind,
//   and of the sign pop-up (KELVORA_SCREENSHOT_DIR names the folder, /tmp by
//   default; the designs are stored with the design probe).
// - pictures of the sign details form's three pages and its sign tabs with
//   three front panels and a back panel (KELVORA_SCREENSHOT_DIR names the
//   folder, /tmp by default).
// - pictures of the 3-D view of stored strutted designs and of the main window
//   at its minimum size and maximised: KELVORA_SHOT_DATABASE names a database
//   (e.g. written with design-probe --save), KELVORA_SHOT_KEYS the designs as
//   "JOB/SECTION/POS;..."; without them a strutted sample is stored and shot.
//   KELVORA_SHOT_FOLDER names where the pictures go (/tmp by default).

#include "app_test_support.h"
#include "elevation_designs.h"

#include "app/main_window.h"
#include "app/startup.h"
#include "app/view3d.h"
#include "app/warnings_box.h"
#include "common/temp_settings.h"
#include "common/test_services.h"
#include "database/database_file.h"
#include "database/design_store.h"
#include "engine/design_run.h"
#include "input/sign_details_form.h"
#include "platform/settings.h"

#include <QApplication>
#include <QButtonGroup>
#include <QRadioButton>
#include <QTabWidget>
#include <QElapsedTimer>
#include <QFileInfo>
#include <QLabel>
#include <QPixmap>
#include <QScreen>
#include <QProcess>
#include <QPushButton>
#include <QTest>
#include <QTemporaryDir>

#include <cstdio>
#include <gtest/gtest.h>

namespace {

// Opens (creating) the database at path as the current one.
bool openDatabase(const QString &path)
{
    database::CloseCurrentDatabase();
    database::CurrentDatabasePath = path;
    return database::OpenCurrentDatabase();
}

// Stores `count` designs made from the sample, each under its own key.
void storeDesigns(int count)
{
    engine::DesignState state;
    engine::ResetDesignData(state, engine::DefaultValues{});
    engine::CopyDesignRecord(app_testing::sampleDesign(), state.CurrentDesign);
    engine::RunDesign(state);
    platform::SqlConnection &db = *database::CurrentDatabase();
    // Building the file is not what is measured; skip the waits for the disk.
    ASSERT_TRUE(db.exec(QStringLiteral("PRAGMA synchronous = OFF")).ok());
    for (int i = 0; i < count; ++i) {
        const database::StoredDesignKey key{QStringLiteral("JOB%1").arg(i / 100, 4, 10, QLatin1Char('0')),
                                            QStringLiteral("SEC%1").arg((i / 10) % 10),
                                            QStringLiteral("POS%1").arg(i % 10)};
        state.CurrentDesign.FrontSignWidth[1] = 2000 + (i % 40) * 25;
        const database::StoreResult result = database::SaveSignDesign(db, state, key);
        ASSERT_TRUE(result.ok()) << result.message.toStdString();
    }
}

int storedDesignCount()
{
    platform::SqlRows rows;
    database::CurrentDatabase()->select(QStringLiteral("SELECT COUNT(*) FROM LocDesData"), {}, rows);
    return rows.empty() ? -1 : rows[0][0].toInt();
}

} // namespace

TEST(ManualTools, DISABLED_StartUpWithTenThousandStoredDesigns)
{
    testing_support::RecordingMessages messages;
    QTemporaryDir folder;
    QString path = qEnvironmentVariable("KELVORA_BIG_DATABASE");
    if (path.isEmpty())
        path = folder.filePath(QStringLiteral("big.mdb"));
    const bool build = !QFileInfo::exists(path);
    ASSERT_TRUE(openDatabase(path));
    if (build)
        storeDesigns(10000);
    ASSERT_EQ(storedDesignCount(), 10000);
    database::CloseCurrentDatabase();

    testing_support::clearSettings();
    platform::SaveSetting(QString::fromLatin1(platform::CurrentDatabaseKey), path);
    QElapsedTimer timer;
    timer.start();
    const auto program = app::Main();
    QApplication::processEvents();
    const qint64 elapsed = timer.elapsed();
    std::printf("start-up to main window shown: %lld ms (%d stored designs)\n", static_cast<long long>(elapsed),
                storedDesignCount());
    EXPECT_TRUE(program->mainWindow->isVisible());
    EXPECT_TRUE(messages.calls.empty());
    program->mainWindow->hide();
    database::CloseCurrentDatabase();
    testing_support::clearSettings();
}

TEST(ManualTools, DISABLED_ScreenshotAfterLoadingAStoredDesign)
{
    testing_support::RecordingMessages messages;
    QTemporaryDir folder;
    const QString path = folder.filePath(QStringLiteral("shot.mdb"));
    ASSERT_TRUE(openDatabase(path));

    // A stored design that shows warnings: the sign sits too low over the road edge.
    {
        engine::DesignState state;
        engine::ResetDesignData(state, engine::DefaultValues{});
        engine::DesignRecord design = app_testing::sampleDesign();
        design.JobCode = "M&R 2026";
        design.JobSection = "Hwy 7 North";
        design.SignPos = "CH 12.450";
        design.RoadHeight = 1200;
        design.NumFrontSigns = 2;
        design.FrontSignWidth[2] = 1800;
        design.FrontSignDepth[2] = 600;
        design.FrontSignClearance[2] = 100;
        design.NumBackSigns = 1;
        design.BackSignWidth = 1800;
        design.BackSignDepth = 900;
        design.SignCode[1] = "G9-1";
        design.SignCode[2] = "R2-4";
        design.SignCode[4] = "G9-1B";
        engine::CopyDesignRecord(design, state.CurrentDesign);
        engine::RunDesign(state);
        const database::StoreResult saved =
            database::SaveSignDesign(*database::CurrentDatabase(), state, database::KeyOf(state.CurrentDesign));
        ASSERT_TRUE(saved.ok()) << saved.message.toStdString();
    }
    database::CloseCurrentDatabase();

    testing_support::clearSettings();
    platform::SaveSetting(QString::fromLatin1(platform::CurrentDatabaseKey), path);
    const auto program = app::Main();
    app::Form5 &window = *program->mainWindow;
    engine::DesignState &state = program->state;
    const database::StoreResult loaded =
        database::LoadSignDesign(*database::CurrentDatabase(), state, engine::DefaultValues{},
                                 {QStringLiteral("M&R 2026"), QStringLiteral("Hwy 7 North"), QStringLiteral("CH 12.450")});
    ASSERT_TRUE(loaded.ok()) << loaded.message.toStdString();
    window.FormActivate();
    QApplication::processEvents();
    EXPECT_EQ(window.jobKeyField(0)->text(), "M&R 2026");
    EXPECT_FALSE(window.warningsBox()->warningsText().isEmpty());

    QString shot = qEnvironmentVariable("KELVORA_SCREENSHOT");
    if (shot.isEmpty())
        shot = QStringLiteral("/tmp/kelvora-main-window.png");
    EXPECT_TRUE(window.grab().save(shot));
    std::printf("main window picture: %s\n", qPrintable(shot));
    // The gauge part way through a task, beside the picture.
    ShowProgress(45, platform::ProgressStart);
    QString gaugeShot = shot;
    gaugeShot.replace(QStringLiteral(".png"), QStringLiteral("-gauge.png"));
    EXPECT_TRUE(window.statusGauge()->grab().save(gaugeShot));
    ShowProgress(100, platform::ProgressFinish);
    window.hide();
    database::CloseCurrentDatabase();
    testing_support::clearSettings();
}

TEST(ManualTools, DISABLED_ScreenshotsOfTheElevation)
{
    testing_support::RecordingMessages messages;
    QTemporaryDir folder;
    const QString path = folder.filePath(QStringLiteral("elevations.mdb"));
    for (const app_testing::ElevationDesign &design : app_testing::ElevationDesigns()) {
        QProcess probe;
        probe.start(app_testing::ProbePath(), {QStringLiteral("--save"), path});
        probe.write(design.json);
        probe.closeWriteChannel();
        ASSERT_TRUE(probe.waitForFinished(60000));
        ASSERT_EQ(probe.exitCode(), 0) << probe.readAllStandardError().toStdString();
    }

    testing_support::clearSettings();
    platform::SaveSetting(QString::fromLatin1(platform::CurrentDatabaseKey), path);
    const auto program = app::Main();
    app::Form5 &window = *program->mainWindow;
    engine::DesignState &state = program->state;
    window.resize(1000, 700);
    QString dir = qEnvironmentVariable("KELVORA_SCREENSHOT_DIR");
    if (dir.isEmpty())
        dir = QStringLiteral("/tmp");
    const auto shoot = [&](QWidget *widget, const QString &name) {
        QApplication::processEvents();
        const QString file = dir + QStringLiteral("/kelvora-elevation-") + name + QStringLiteral(".png");
        EXPECT_TRUE(widget->grab().save(file));
        std::printf("%s\n", qPrintable(file));
    };
    for (const app_testing::ElevationDesign &design : app_testing::ElevationDesigns()) {
        const database::StoredDesignKey key{design.key[0], design.key[1], design.key[2]};
        const database::StoreResult loaded =
            database::LoadSignDesign(*database::CurrentDatabase(), state, engine::DefaultValues{}, key);
        ASSERT_TRUE(loaded.ok()) << loaded.message.toStdString();
        window.FormActivate();
        for (int kind = 1; kind <= 4; ++kind) {
            window.supportButton(kind - 1)->click();
            shoot(window.designViewArea(), QStringLiteral("%1-kind%2").arg(design.name).arg(kind));
        }
        window.supportButton(design.viewedKind - 1)->click();
        shoot(&window, design.name + QStringLiteral("-window"));
    }
    // The pop-up of the last design's first sign button.
    QTest::mouseMove(window.statusGauge(), QPoint(3, 3));
    QTest::mouseMove(window.signSlot(0), QPoint(5, 5));
    shoot(&window, QStringLiteral("popup"));
    EXPECT_TRUE(messages.calls.empty());
    window.hide();
    database::CloseCurrentDatabase();
    testing_support::clearSettings();
}

TEST(ManualTools, DISABLED_ScreenshotsOfTheSignDetailsForm)
{
    testing_support::RecordingMessages messages;
    engine::DesignState state;
    engine::ResetDesignData(state, engine::DefaultValues{});
    engine::DesignRecord design = app_testing::sampleDesign();
    design.JobCode = "M&R 2026";
    design.JobSection = "Hwy 7 North";
    design.SignPos = "CH 12.450";
    design.NumFrontSigns = 3;
    design.SignCode[1] = "G9-1";
    for (size_t k = 2; k <= 3; ++k) {
        design.FrontSignWidth[k] = 2400;
        design.FrontSignDepth[k] = 600;
        design.FrontSignClearance[k] = 100;
    }
    design.SignCode[2] = "R2-4";
    design.SignCode[3] = "G1-2";
    design.NumBackSigns = 1;
    design.BackSignWidth = 1800;
    design.BackSignDepth = 900;
    design.BackSignClearance = 200;
    design.SignCode[4] = "G9-1B";
    design.BkgndColour[2] = 1;
    design.SegLength[2] = 3000;
    design.SegLength[3] = 2500;
    engine::CopyDesignRecord(design, state.CurrentDesign);

    input::Form1 form(state);
    form.show();
    QApplication::processEvents();
    QString folder = qEnvironmentVariable("KELVORA_SCREENSHOT_DIR");
    if (folder.isEmpty())
        folder = QStringLiteral("/tmp");
    const auto shoot = [&](const QString &name) {
        QApplication::processEvents();
        const QString path = folder + QStringLiteral("/kelvora-sign-details-") + name + QStringLiteral(".png");
        EXPECT_TRUE(form.grab().save(path));
        std::printf("sign details form picture: %s\n", qPrintable(path));
    };
    shoot(QStringLiteral("job"));
    form.SSIndexTab1()->setCurrentIndex(1);
    shoot(QStringLiteral("slope"));
    form.SSIndexTab1()->setCurrentIndex(2);
    // The panel counts as the engineer chooses them.
    form.option(input::OptionArray::Option3D2, 3)->click();
    form.option(input::OptionArray::Option3D3, 1)->click();
    shoot(QStringLiteral("panels"));
    form.SSIndexTab3()->setCurrentIndex(2);
    shoot(QStringLiteral("middle-sign"));
    form.SSIndexTab3()->setCurrentIndex(5);
    shoot(QStringLiteral("separations"));
    form.hide();
}

TEST(ManualTools, DISABLED_ScreenshotsOfThe3DViewAndTheWindowSizes)
{
    testing_support::RecordingMessages messages;
    QTemporaryDir folder;
    QString path = qEnvironmentVariable("KELVORA_SHOT_DATABASE");
    QStringList keys = qEnvironmentVariable("KELVORA_SHOT_KEYS").split(QLatin1Char(';'), Qt::SkipEmptyParts);
    if (path.isEmpty() || keys.isEmpty()) {
        path = folder.filePath(QStringLiteral("view3d.mdb"));
        ASSERT_TRUE(openDatabase(path));
        engine::DesignState state;
        engine::ResetDesignData(state, engine::DefaultValues{});
        engine::DesignRecord design = app_testing::sampleDesign();
        design.SupportStruts = engine::FlagTrue;
        design.SignCode[1] = "G9-1";
        design.SegLength[2] = 3000;
        design.SegDeltaHeight[1] = -400;
        design.SegBackLength[2] = 10000;
        design.SegBackHeight[2] = 600;
        engine::CopyDesignRecord(design, state.CurrentDesign);
        engine::RunDesign(state);
        const database::StoreResult saved =
            database::SaveSignDesign(*database::CurrentDatabase(), state, database::KeyOf(state.CurrentDesign));
        ASSERT_TRUE(saved.ok()) << saved.message.toStdString();
        database::CloseCurrentDatabase();
        keys = {QStringLiteral("J100/S1/P1")};
    }
    QString out = qEnvironmentVariable("KELVORA_SHOT_FOLDER");
    if (out.isEmpty())
        out = QStringLiteral("/tmp");

    testing_support::clearSettings();
    platform::SaveSetting(QString::fromLatin1(platform::CurrentDatabaseKey), path);
    const auto program = app::Main();
    app::Form5 &window = *program->mainWindow;
    engine::DesignState &state = program->state;
    window.resize(1100, 760);
    QApplication::processEvents();
    for (qsizetype i = 0; i < keys.size(); ++i) {
        const QStringList key = keys[i].split(QLatin1Char('/'));
        ASSERT_EQ(key.size(), 3) << keys[i].toStdString();
        const database::StoreResult loaded =
            database::LoadSignDesign(*database::CurrentDatabase(), state, engine::DefaultValues{}, {key[0], key[1], key[2]});
        ASSERT_TRUE(loaded.ok()) << loaded.message.toStdString();
        window.FormActivate();
        window.supportButton(3)->click();
        QApplication::processEvents();
        ASSERT_FALSE(window.view3DHolder()->isHidden()) << "no strutted design for " << keys[i].toStdString();
        window.view3DButton()->click();
        QApplication::processEvents();
        const QString shot = QStringLiteral("%1/kelvora-view3d-%2.png").arg(out).arg(i + 1);
        EXPECT_TRUE(window.grab().save(shot));
        std::printf("3-D view of %s: %s\n", qPrintable(keys[i]), qPrintable(shot));
        window.view3D()->backButton()->click();
        QApplication::processEvents();
    }
    // The window at its minimum size and maximised, the last design open.
    window.resize(200, 200);
    QApplication::processEvents();
    const QString smallest = out + QStringLiteral("/kelvora-main-minimum.png");
    EXPECT_TRUE(window.grab().save(smallest));
    std::printf("minimum size %dx%d: %s\n", window.frameGeometry().width(), window.frameGeometry().height(),
                qPrintable(smallest));
    const QSize before = window.size();
    window.showMaximized();
    QApplication::processEvents();
    // Without a window manager (a bare Xvfb) nothing maximises: take the screen.
    if (window.size() == before && window.screen())
        window.setGeometry(window.screen()->availableGeometry());
    QApplication::processEvents();
    const QString largest = out + QStringLiteral("/kelvora-main-maximised.png");
    EXPECT_TRUE(window.grab().save(largest));
    std::printf("maximised %dx%d: %s\n", window.width(), window.height(), qPrintable(largest));
    window.hide();
    database::CloseCurrentDatabase();
    testing_support::clearSettings();
}
