// The input dialogs reached through the real program's menus: the program
// started as the engineer starts it, on a database the design probe filled,
// every dialog the real one, answered through its own buttons and keys.

#include "app_test_support.h"
#include "probe_database.h"

#include "app/design_view_widget.h"
#include "app/main_menus.h"
#include "app/main_window.h"
#include "app/startup.h"
#include "common/temp_settings.h"
#include "common/test_services.h"
#include "database/database_file.h"
#include "database/default_values.h"
#include "database/design_key.h"
#include "database/design_store.h"
#include "database/ui/design_browser.h"
#include "database/ui/storage_dialog.h"
#include "database_ui/ui_test_support.h"
#include "input/clear_zone_window.h"
#include "input/default_values_dialog.h"
#include "input/input_test_support.h"
#include "input/notes_dialog.h"
#include "input/roadside_environment_dialog.h"
#include "input/stiffener_spacing_dialog.h"
#include "platform/settings.h"

#include <QAction>
#include <QCheckBox>
#include <QComboBox>
#include <QGroupBox>
#include <QDeadlineTimer>
#include <QDir>
#include <QLabel>
#include <QLineEdit>
#include <QMenu>
#include <QMenuBar>
#include <QPlainTextEdit>
#include <QPushButton>
#include <QRadioButton>
#include <QScreen>
#include <QTemporaryDir>
#include <QTimer>
#include <QtTest/QTest>

#include <gtest/gtest.h>

using database::StorageDialog;
using database::StoredDesignKey;

namespace {

const StoredDesignKey Demo{QStringLiteral("DEMO"), QStringLiteral("NORTH"), QStringLiteral("CH 1.200")};
const StoredDesignKey Tall{QStringLiteral("DEMO"), QStringLiteral("NORTH"), QStringLiteral("CH 3.000")};
const QString SaveQuestion = QStringLiteral("Do you wish to save changes to current Structural Design?");
const QString SignDetailsCaption = QStringLiteral("Sign Details Entry Form");

// One 2000 x 3000 panel: tall enough to need stiffeners.
const char *const TallDesignJson = R"({"CurrentDesign": {"JobCode": "DEMO", "JobSection": "NORTH",
    "SignPos": "CH 3.000", "NumFrontSigns": 1, "FrontSignWidth": [0, 2000, 0, 0],
    "FrontSignDepth": [0, 3000, 0, 0], "SegLength": [0, 6000, 0, 0, 0, 0, 0]}})";

// Runs `act` on the next modal window of type T (with `caption`, when
// given) once it is the program's active modal window. A window `act` leaves
// open, and one that never comes, fail the test; the command then returns.
template <typename T>
void whenModal(std::function<void(T &)> act, const QString &caption = {},
               QDeadlineTimer deadline = QDeadlineTimer(20000))
{
    QTimer::singleShot(10, [act, caption, deadline] {
        QWidget *modal = QApplication::activeModalWidget();
        auto *shown = qobject_cast<T *>(modal);
        if (shown && (caption.isEmpty() || shown->windowTitle() == caption)) {
            QPointer<T> alive(shown);
            act(*shown);
            if (alive && alive->isVisible()) {
                ADD_FAILURE() << "left open: " << alive->windowTitle().toStdString();
                alive->reject();
            }
            return;
        }
        if (deadline.hasExpired()) {
            ADD_FAILURE() << "not shown: " << T::staticMetaObject.className() << " " << caption.toStdString();
            if (auto *dialog = qobject_cast<QDialog *>(modal))
                dialog->reject();
            return;
        }
        whenModal<T>(act, caption, deadline);
    });
}

struct ProgramMenus : ::testing::Test {
    testing_support::RecordingMessages messages;
    QTemporaryDir folder;
    std::unique_ptr<app::Program> program;

    void SetUp() override
    {
        ASSERT_TRUE(folder.isValid());
        const QString path = folder.filePath(QStringLiteral("menus.mdb"));
        app_testing::fillWithProbe(path);
        app_testing::fillWithProbe(path, TallDesignJson);
        testing_support::clearSettings();
        platform::SaveSetting(QString::fromLatin1(platform::CurrentDatabaseKey), path);
        program = app::Main();
    }
    void TearDown() override
    {
        program.reset();
        database::CloseCurrentDatabase();
        testing_support::clearSettings();
    }

    app::Form5 &window() { return *program->mainWindow; }
    engine::DesignState &state() { return program->state; }
    app::MainMenus &menus() { return window().menus(); }
    QAction *editItem(int index) { return menus().editItem(index); }

    // File, Open: the stored design `key`, through the storage dialog.
    void open(const StoredDesignKey &key)
    {
        whenModal<StorageDialog>([key](StorageDialog &d) {
            uitest::click(d.browser(), d.browser()->findItem(key, database::SignPositionLevel));
            d.actionButton(database::LoadMode)->click();
        });
        menus().fileItem(1)->trigger();
        ASSERT_EQ(window().jobKeyField(2)->text(), key.SignPos);
        ASSERT_NE(state().DesignOpen, 0);
        ASSERT_EQ(state().DesignChanged, 0);
    }

    // The design as stored under `key`.
    engine::DesignState stored(const StoredDesignKey &key)
    {
        engine::DesignState reread;
        EXPECT_TRUE(
            database::LoadSignDesign(*database::CurrentDatabase(), reread, engine::DefaultValues{}, key).ok());
        return reread;
    }

    int saveQuestions() const
    {
        return static_cast<int>(std::count_if(messages.calls.begin(), messages.calls.end(),
                                              [](const platform::MessageRequest &m) { return m.text == SaveQuestion; }));
    }
};

void clickOption(QAbstractButton *option)
{
    QTest::mouseClick(option, Qt::LeftButton, {}, QPoint(8, option->height() / 2));
}

// Picks combo item `index` with the keys, as the engineer does.
void choose(QComboBox *combo, int index)
{
    inputtest::key(combo, Qt::Key_Home);
    for (int i = 0; i < index; ++i)
        inputtest::key(combo, Qt::Key_Down);
    ASSERT_EQ(combo->currentIndex(), index);
}

} // namespace

// File, New ends in the roadside environment form once the sign details
// form gave the design a panel; Edit, Environment Conditions shows the form
// modally, unloads it, and loads it afresh for the next showing.
TEST_F(ProgramMenus, NewDesignAndEnvironmentConditionsShowTheRoadsideForm)
{
    open(Demo);
    QPointer<QWidget> loaded = program->hiddenForms.roadsideEnvironment;
    ASSERT_TRUE(loaded);

    // File, New: the sign details form on a reset design; a panel entered
    // there, then the roadside form shows the reset site values.
    bool roadsideShown = false;
    whenModal<QDialog>(
        [this, &roadsideShown](QDialog &signDetails) {
            EXPECT_TRUE(state().CurrentDesign.JobCode.Trimmed().empty());
            state().CurrentDesign.NumFrontSigns = 1;
            state().CurrentDesign.FrontSignWidth[1] = 1200;
            state().CurrentDesign.FrontSignDepth[1] = 900;
            state().CurrentDesign.SegLength[1] = 5000;
            whenModal<input::Form2>([this, &roadsideShown](input::Form2 &form) {
                roadsideShown = true;
                EXPECT_EQ(&form, program->hiddenForms.roadsideEnvironment.data());
                EXPECT_EQ(form.windowTitle(), QStringLiteral("Roadside Environment"));
                EXPECT_TRUE(form.regionOption(0)->isChecked());
                EXPECT_FALSE(form.exposedCheck()->isChecked());
                EXPECT_TRUE(form.baseOption(0)->isChecked());
                EXPECT_TRUE(form.soilOption(2)->isChecked());  // "Loose to Medium Dense"
                clickOption(form.regionOption(1));
                form.okButton()->click();
            });
            signDetails.accept();
        },
        SignDetailsCaption);
    menus().fileItem(0)->trigger();
    EXPECT_TRUE(roadsideShown);
    EXPECT_EQ(saveQuestions(), 0);
    EXPECT_NE(state().DesignOpen, 0);
    EXPECT_EQ(state().CurrentDesign.WindRegion, 2);
    EXPECT_TRUE(loaded) << "File, New keeps the loaded form";
    // The window shows the new design's elevation.
    const auto *view = window().findChild<app::DesignViewWidget *>();
    ASSERT_NE(view, nullptr);
    EXPECT_TRUE(view->isDrawn());
    EXPECT_TRUE(window().resultsPane()->isVisible());

    // Edit, Environment Conditions by its shortcut: region C, OK.
    window().activateWindow();
    ASSERT_TRUE(app_testing::waitUntilActive(&window(), 15000));
    whenModal<input::Form2>([](input::Form2 &form) {
        EXPECT_TRUE(form.regionOption(1)->isChecked());
        clickOption(form.regionOption(2));
        clickOption(form.baseOption(1));
        form.okButton()->click();
    });
    QTest::keyClick(&window(), Qt::Key_E, Qt::ControlModifier);
    EXPECT_EQ(state().CurrentDesign.WindRegion, 3);
    EXPECT_EQ(state().CurrentDesign.CollisionRisk, 2);
    EXPECT_NE(state().DesignChanged, 0);
    EXPECT_FALSE(loaded) << "unloaded after the Edit menu showed it";
    EXPECT_FALSE(program->hiddenForms.roadsideEnvironment);

    // The next showing loads the form again, from the current design;
    // Cancel leaves the design.
    const int32_t soil = state().CurrentDesign.SoilType;
    whenModal<input::Form2>([](input::Form2 &form) {
        EXPECT_TRUE(form.regionOption(2)->isChecked());
        EXPECT_TRUE(form.baseOption(1)->isChecked());
        clickOption(form.soilOption(3));
        form.cancelButton()->click();
    });
    editItem(1)->trigger();
    EXPECT_EQ(state().CurrentDesign.WindRegion, 3);
    EXPECT_EQ(state().CurrentDesign.SoilType, soil);
    EXPECT_FALSE(program->hiddenForms.roadsideEnvironment);

    // Without a panel, File, New stops after the sign details form.
    messages.script({platform::MessageAnswer::No});
    whenModal<QDialog>([](QDialog &signDetails) { signDetails.accept(); }, SignDetailsCaption);
    menus().fileItem(0)->trigger();
    EXPECT_EQ(saveQuestions(), 1);
    EXPECT_EQ(state().DesignOpen, 0);
    EXPECT_FALSE(program->hiddenForms.roadsideEnvironment) << "no roadside form loaded, none shown";
}

// Edit, Clear Zone: the real window; its data kept through File, Save,
// File, Close and File, Open.
TEST_F(ProgramMenus, ClearZoneDataSurvivesSaveAndLoad)
{
    open(Demo);
    // Viewing kind 3: the window edits kind 1 and leaves the main window on it.
    window().supportButton(2)->click();
    ASSERT_TRUE(window().isSupportButtonMarked(2));
    int32_t speed = 0;
    int32_t aadt = 0;
    whenModal<input::ClearZoneWindow>([&speed, &aadt](input::ClearZoneWindow &w) {
        EXPECT_EQ(w.windowTitle(), QStringLiteral("Clear Zone"));
        choose(w.speedCombo(), 4);
        choose(w.trafficCombo(), 2);
        QTest::mouseClick(w.barrierCheck(), Qt::LeftButton, {}, QPoint(8, w.barrierCheck()->height() / 2));
        speed = w.selectedSpeed();
        aadt = w.selectedAadt();
        w.backButton()->click();
    });
    editItem(4)->trigger();
    ASSERT_EQ(speed, 100);
    ASSERT_GT(aadt, 750);
    EXPECT_NE(state().DesignChanged, 0);
    for (int kind = 1; kind <= 4; ++kind) {
        EXPECT_EQ(state().SupportDesigns[static_cast<size_t>(kind)].RoadSpeed, speed);
        EXPECT_EQ(state().SupportDesigns[static_cast<size_t>(kind)].AADT, aadt);
        EXPECT_NE(state().SupportDesigns[static_cast<size_t>(kind)].Barrier, 0);
    }
    const int32_t barrierDistance = state().SupportDesigns[1].BarrierDistance;
    EXPECT_EQ(state().CurrentSupportType, 1);
    EXPECT_TRUE(window().isSupportButtonMarked(0));
    EXPECT_FALSE(window().isSupportButtonMarked(2));

    menus().fileItem(3)->trigger();  // Save
    EXPECT_EQ(state().DesignChanged, 0);
    menus().fileItem(2)->trigger();  // Close
    EXPECT_EQ(saveQuestions(), 0);
    EXPECT_EQ(state().SupportDesigns[1].RoadSpeed, database::CurrentDefaultValues().DefClearZoneSpeed);

    open(Demo);
    const engine::SupportDesign &kind1 = state().SupportDesigns[1];
    EXPECT_EQ(kind1.RoadSpeed, speed);
    EXPECT_EQ(kind1.AADT, aadt);
    EXPECT_NE(kind1.Barrier, 0);
    EXPECT_EQ(kind1.BarrierDistance, barrierDistance);

    // The window opens again with what came back.
    whenModal<input::ClearZoneWindow>([](input::ClearZoneWindow &w) {
        EXPECT_EQ(w.speedCombo()->currentIndex(), 4);
        EXPECT_EQ(w.trafficCombo()->currentIndex(), 2);
        EXPECT_TRUE(w.barrierCheck()->isChecked());
        w.reject();
    });
    editItem(4)->trigger();
    EXPECT_EQ(state().DesignChanged, 0);
}

// Edit, Stiffener Spacing: a smaller maximum spacing, OK, and the window's
// re-run gives the tall panel more stiffeners.
TEST_F(ProgramMenus, StiffenerSpacingReachesTheRerun)
{
    open(Tall);
    const engine::SupportDesign &viewed = state().SupportDesigns[static_cast<size_t>(state().CurrentSupportType)];
    const int before = viewed.NumStiffeners[1];
    ASSERT_GT(before, 0);
    ASSERT_GT(state().StiffenerLimit[3], 300);

    whenModal<input::Form3>([](input::Form3 &form) {
        EXPECT_EQ(form.windowTitle(), QStringLiteral("Stiffener Spacing"));
        inputtest::clearByKeys(form.box(2));
        inputtest::type(form.box(2), QStringLiteral("300"));
        inputtest::key(form.box(2), Qt::Key_Return);
    });
    editItem(2)->trigger();
    EXPECT_EQ(state().StiffenerLimit[3], 300);
    EXPECT_NE(state().DesignChanged, 0);
    EXPECT_GT(viewed.NumStiffeners[1], before);
    EXPECT_LE(viewed.StiffenerSpacing[1], 300);
    EXPECT_EQ(window().resultsPane()->isVisible(), true);
}

// Edit, Notes: a changed text is an unsaved change, so File, Close asks;
// Yes stores the notes with CR LF.
TEST_F(ProgramMenus, ChangedNotesMakeCloseAskAndSaveThem)
{
    open(Demo);
    whenModal<input::Notes>([](input::Notes &notes) {
        EXPECT_EQ(notes.windowTitle(), QStringLiteral("Notes"));
        notes.text()->moveCursor(QTextCursor::End);
        inputtest::type(notes.text(), QStringLiteral("Kerb"));
        inputtest::key(notes.text(), Qt::Key_Return, Qt::NoModifier, QStringLiteral("\r"));
        inputtest::type(notes.text(), QStringLiteral("moved"));
        notes.okButton()->click();
    });
    editItem(3)->trigger();
    EXPECT_EQ(state().CurrentDesign.Notes, "Kerb\r\nmoved");
    EXPECT_NE(state().DesignChanged, 0);
    EXPECT_EQ(state().RedesignNeeded, 0);

    messages.script({platform::MessageAnswer::Yes});
    menus().fileItem(2)->trigger();
    EXPECT_EQ(saveQuestions(), 1);
    EXPECT_EQ(state().DesignOpen, 0);
    EXPECT_EQ(stored(Demo).CurrentDesign.Notes, "Kerb\r\nmoved");

    // Unchanged notes leave nothing to ask about.
    open(Demo);
    whenModal<input::Notes>([](input::Notes &notes) {
        EXPECT_EQ(notes.text()->toPlainText(), QStringLiteral("Kerb\nmoved"));
        notes.okButton()->click();
    });
    editItem(3)->trigger();
    EXPECT_EQ(state().DesignChanged, 0);
    menus().fileItem(2)->trigger();
    EXPECT_EQ(saveQuestions(), 1);
}

// Edit, Default Values: the open design keeps its values; File, New starts
// from the new ones, and so does the next run of the program.
TEST_F(ProgramMenus, DefaultValuesReachTheNextNewDesign)
{
    open(Demo);
    const engine::DesignRecord opened = state().CurrentDesign;
    whenModal<input::DefaultValues>([](input::DefaultValues &d) {
        EXPECT_EQ(d.windowTitle(), QStringLiteral("Change Default Values"));
        inputtest::clearByKeys(d.box(0));
        inputtest::type(d.box(0), QStringLiteral("2200"));
        inputtest::clearByKeys(d.box(1));
        inputtest::type(d.box(1), QStringLiteral("1300"));
        inputtest::key(d.list(0), Qt::Key_Down);
        inputtest::key(d.list(0), Qt::Key_Down);
        inputtest::key(d.list(1), Qt::Key_Down);
        d.okButton()->click();
    });
    editItem(5)->trigger();
    EXPECT_EQ(state().CurrentDesign.RoadHeight, opened.RoadHeight);
    EXPECT_EQ(state().CurrentDesign.DistFromKerb, opened.DistFromKerb);
    EXPECT_EQ(state().DesignChanged, 0);

    const auto expectNewDefaults = [this] {
        EXPECT_EQ(state().CurrentDesign.RoadHeight, 2200);
        EXPECT_EQ(state().CurrentDesign.DistFromKerb, 1300);
        for (int kind = 1; kind <= 4; ++kind) {
            EXPECT_EQ(state().SupportDesigns[static_cast<size_t>(kind)].RoadSpeed, 80);
            EXPECT_EQ(state().SupportDesigns[static_cast<size_t>(kind)].AADT, 751);
        }
    };
    // Seen from inside the sign details form that File, New shows.
    bool signDetailsShown = false;
    whenModal<QDialog>(
        [&](QDialog &signDetails) {
            signDetailsShown = true;
            expectNewDefaults();
            signDetails.accept();
        },
        SignDetailsCaption);
    menus().fileItem(0)->trigger();
    EXPECT_TRUE(signDetailsShown);

    // A new run of the program reads them from the database.
    program.reset();
    database::CloseCurrentDatabase();
    program = app::Main();
    expectNewDefaults();
}

// Pictures of the real program through its menus, for looking at by eye. Run
// by hand on a display (for example under xvfb-run), not by ctest:
//   app_tests --gtest_filter='ProgramMenus.*Screens*' --gtest_also_run_disabled_tests
// KELVORA_SCREENS names the folder of the pictures (/tmp by default).
TEST_F(ProgramMenus, DISABLED_ScreensOfTheEditMenuDialogs)
{
    const auto shoot = [](const QString &name) {
        for (int i = 0; i < 10; ++i)
            QTest::qWait(30);
        QString folder = qEnvironmentVariable("KELVORA_SCREENS");
        if (folder.isEmpty())
            folder = QStringLiteral("/tmp");
        const QString file = QDir(folder).filePath(name);
        EXPECT_TRUE(QGuiApplication::primaryScreen()->grabWindow(0).save(file));
        std::printf("picture: %s\n", qPrintable(file));
    };
    open(Demo);
    shoot(QStringLiteral("kelvora-menus-main.png"));
    window().menuBar()->setActiveAction(menus().editMenu()->menuAction());
    shoot(QStringLiteral("kelvora-menus-edit.png"));
    menus().editMenu()->close();

    whenModal<input::Form2>([&](input::Form2 &form) {
        shoot(QStringLiteral("kelvora-menus-environment.png"));
        form.cancelButton()->click();
    });
    editItem(1)->trigger();
    whenModal<input::ClearZoneWindow>([&](input::ClearZoneWindow &w) {
        shoot(QStringLiteral("kelvora-menus-clear-zone.png"));
        w.backButton()->click();
    });
    editItem(4)->trigger();
    whenModal<input::Notes>([&](input::Notes &notes) {
        inputtest::type(notes.text(), QStringLiteral("Kerb moved"));
        shoot(QStringLiteral("kelvora-menus-notes.png"));
        notes.okButton()->click();
    });
    editItem(3)->trigger();
    whenModal<input::Form3>([&](input::Form3 &form) {
        shoot(QStringLiteral("kelvora-menus-stiffeners.png"));
        form.reject();
    });
    editItem(2)->trigger();
    whenModal<input::DefaultValues>([&](input::DefaultValues &d) {
        shoot(QStringLiteral("kelvora-menus-defaults.png"));
        d.reject();
    });
    editItem(5)->trigger();
    shoot(QStringLiteral("kelvora-menus-after.png"));
}
