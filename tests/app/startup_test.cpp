// The program's start: the database it opens, the progress it shows on the
// main window's status bar, and what it does when the database cannot be opened.

#include "app/main_window.h"
#include "app/startup.h"
#include "common/temp_settings.h"
#include "common/test_services.h"
#include "database/database_file.h"
#include "platform/services.h"
#include "platform/settings.h"

#include <QApplication>
#include <algorithm>
#include <QDialog>
#include <QFileInfo>
#include <QTimer>
#include <QGroupBox>
#include <QGuiApplication>
#include <QPushButton>
#include <QStandardPaths>
#include <QTemporaryDir>
#include <QTest>

#include <gtest/gtest.h>

namespace {

// What the status bar showed after each progress call.
struct GaugeState {
    int percent;
    int mode;
    int fillStyle;
    int fillPercent;
    QColor textColour;
    bool windowWaitCursor;
    bool screenWaitCursor;
};

// Forwards progress to the main window's gauge and notes what it then shows.
class GaugeWatcher final : public platform::ProgressDisplay {
public:
    ~GaugeWatcher() override { platform::setProgressDisplay(nullptr); }
    void watch(app::Form5 &window)
    {
        window_ = &window;
        platform::setProgressDisplay(this);
    }
    void showProgress(int percent, int mode) override
    {
        window_->progressDisplay().showProgress(percent, mode);
        const app::StatusGauge *gauge = window_->statusGauge();
        const QCursor *screen = QGuiApplication::overrideCursor();
        states.push_back({percent, mode, gauge->fillStyle(), gauge->fillPercent(), gauge->textColour(),
                          window_->cursor().shape() == Qt::WaitCursor,
                          screen != nullptr && screen->shape() == Qt::WaitCursor});
    }
    std::vector<GaugeState> states;

private:
    app::Form5 *window_ = nullptr;
};

struct StartupFixture : ::testing::Test {
    QTemporaryDir folder;
    testing_support::RecordingMessages messages;
    GaugeWatcher gauge;

    void SetUp() override
    {
        testing_support::clearSettings();
        database::CloseCurrentDatabase();
    }
    void TearDown() override
    {
        database::CloseCurrentDatabase();
        testing_support::clearSettings();
    }
    QString defaultPath() const { return folder.filePath(QStringLiteral("orlen.mdb")); }
};

QString databaseSetting()
{
    return platform::GetSetting(QString::fromLatin1(platform::CurrentDatabaseKey), QStringLiteral("<none>"));
}

} // namespace

TEST_F(StartupFixture, FirstRunCreatesTheDefaultDatabaseWithoutAnyDialog)
{
    app::StartupOptions options;
    options.defaultDatabasePath = defaultPath();
    std::vector<int> storageModes;
    options.mainWindowCreated = [&](app::Form5 &window) {
        gauge.watch(window);
        auto services = window.services();
        const auto real = services.showStorageDialog;
        services.showStorageDialog = [&storageModes, real](int mode) {
            storageModes.push_back(mode);
            real(mode);
        };
        window.setServices(services);
    };
    const auto program = app::Main(options);

    EXPECT_TRUE(messages.calls.empty());
    EXPECT_TRUE(storageModes.empty());
    EXPECT_TRUE(QFileInfo::exists(defaultPath()));
    EXPECT_NE(database::CurrentDatabase(), nullptr);
    EXPECT_EQ(database::CurrentDatabasePath, defaultPath());
    app::Form5 &window = *program->mainWindow;
    EXPECT_TRUE(window.isVisible());
    EXPECT_EQ(window.windowTitle(), "Kelvora");
    EXPECT_EQ(window.supportButton(3)->text(), "Strut Steel");
    EXPECT_TRUE(window.resultsPane()->isHidden());
    EXPECT_EQ(program->state.DesignOpen, 0);

    // The two input forms are loaded and stay hidden.
    ASSERT_TRUE(program->hiddenForms.signDetails);
    ASSERT_TRUE(program->hiddenForms.roadsideEnvironment);
    EXPECT_FALSE(program->hiddenForms.signDetails->isVisible());
    EXPECT_FALSE(program->hiddenForms.roadsideEnvironment->isVisible());

    // Start-up ends with the normal pointer everywhere.
    EXPECT_EQ(QGuiApplication::overrideCursor(), nullptr);
    EXPECT_NE(window.cursor().shape(), Qt::WaitCursor);
    // The setting is written on the way out, not at start-up.
    EXPECT_EQ(databaseSetting(), "<none>");
    EXPECT_TRUE(window.close());
    EXPECT_EQ(databaseSetting(), defaultPath());
}

TEST_F(StartupFixture, ProgressRunsThirtySixtyEightyHundredOnTheStatusBar)
{
    app::StartupOptions options;
    options.defaultDatabasePath = defaultPath();
    options.mainWindowCreated = [&](app::Form5 &window) { gauge.watch(window); };
    const auto program = app::Main(options);

    const QColor white(0xFF, 0xFF, 0xFF);
    const QColor black(0, 0, 0);
    ASSERT_EQ(gauge.states.size(), 4u);
    const auto &s = gauge.states;
    EXPECT_EQ(s[0].percent, 30);
    EXPECT_EQ(s[0].mode, platform::ProgressStart);
    EXPECT_EQ(s[1].percent, 60);
    EXPECT_EQ(s[1].mode, platform::ProgressUpdate);
    EXPECT_EQ(s[2].percent, 80);
    EXPECT_EQ(s[2].mode, platform::ProgressUpdate);
    EXPECT_EQ(s[3].percent, 100);
    EXPECT_EQ(s[3].mode, platform::ProgressFinish);
    for (size_t i = 0; i < 3; ++i) {
        EXPECT_EQ(s[i].fillStyle, 1) << i;
        EXPECT_EQ(s[i].fillPercent, s[i].percent) << i;
        EXPECT_EQ(s[i].textColour, white) << i;
        EXPECT_TRUE(s[i].windowWaitCursor) << i;
        EXPECT_TRUE(s[i].screenWaitCursor) << i;
    }
    EXPECT_EQ(s[3].fillStyle, 0);
    EXPECT_EQ(s[3].fillPercent, 100);
    EXPECT_EQ(s[3].textColour, black);
    EXPECT_FALSE(s[3].windowWaitCursor);
}

TEST_F(StartupFixture, ASettingIntoAMissingFolderReportsTheErrorThenOffersTheStorageDialog)
{
    const QString missing = folder.filePath(QStringLiteral("no such folder/designs.mdb"));
    platform::SaveSetting(QString::fromLatin1(platform::CurrentDatabaseKey), missing);

    app::StartupOptions options;
    options.defaultDatabasePath = defaultPath();
    std::vector<int> storageModes;
    size_t messagesBeforeDialog = 0;
    size_t progressBeforeDialog = 99;
    bool windowShownBeforeDialog = true;
    options.mainWindowCreated = [&](app::Form5 &window) {
        gauge.watch(window);
        auto services = window.services();
        services.showStorageDialog = [&](int mode) {
            storageModes.push_back(mode);
            messagesBeforeDialog = messages.calls.size();
            progressBeforeDialog = gauge.states.size();
            windowShownBeforeDialog = window.isVisible();
        };
        window.setServices(services);
    };
    const auto program = app::Main(options);

    ASSERT_FALSE(messages.calls.empty());
    EXPECT_TRUE(messages.calls[0].text.startsWith("Error during open : ")) << messages.calls[0].text.toStdString();
    EXPECT_EQ(storageModes, std::vector<int>{0});
    EXPECT_EQ(messagesBeforeDialog, 1u);
    EXPECT_EQ(progressBeforeDialog, 0u);  // the gauge starts only after the dialog
    EXPECT_FALSE(windowShownBeforeDialog);
    EXPECT_EQ(gauge.states.size(), 4u);
    EXPECT_EQ(database::CurrentDatabase(), nullptr);
    EXPECT_FALSE(QFileInfo::exists(defaultPath()));
    EXPECT_EQ(database::CurrentDatabasePath, missing);
    EXPECT_EQ(program->state.StiffenerLimit[1], 50);
}

TEST_F(StartupFixture, TheFileChosenThroughTheStorageDialogIsOpenedAndRemembered)
{
    platform::SaveSetting(QString::fromLatin1(platform::CurrentDatabaseKey),
                          folder.filePath(QStringLiteral("no such folder/designs.mdb")));
    const QString chosen = folder.filePath(QStringLiteral("chosen.mdb"));
    testing_support::ScriptedFileChooser chooser;
    chooser.script(chosen);
    testing_support::RecordingExit exits;

    // The engineer closes each dialog as it comes up: job management with
    // OK once a file is open, the storage dialog with Cancel.
    std::vector<QString> dialogsSeen;
    QTimer closer;
    closer.setInterval(20);
    QObject::connect(&closer, &QTimer::timeout, [&] {
        auto *dialog = qobject_cast<QDialog *>(QApplication::activeModalWidget());
        if (!dialog)
            return;
        dialogsSeen.push_back(dialog->metaObject()->className());
        if (dialogsSeen.size() > 10)
            dialog->reject();
        else if (QString(dialog->metaObject()->className()).contains("JobManagement"))
            dialog->accept();
        else
            dialog->reject();
    });
    closer.start();
    app::StartupOptions options;
    options.defaultDatabasePath = defaultPath();
    const auto program = app::Main(options);
    closer.stop();

    EXPECT_TRUE(exits.exits.empty());
    ASSERT_FALSE(messages.calls.empty());
    EXPECT_TRUE(messages.calls[0].text.startsWith("Error during open : "));
    EXPECT_EQ(chooser.calls.size(), 1u);
    const auto seen = [&](const char *name) {
        return std::any_of(dialogsSeen.begin(), dialogsSeen.end(), [name](const QString &c) { return c.contains(name); });
    };
    EXPECT_TRUE(seen("StorageDialog"));
    EXPECT_TRUE(seen("JobManagementDialog"));
    EXPECT_NE(database::CurrentDatabase(), nullptr);
    EXPECT_EQ(database::CurrentDatabasePath, chosen);
    EXPECT_TRUE(program->mainWindow->isVisible());
    EXPECT_TRUE(program->mainWindow->close());
    EXPECT_EQ(databaseSetting(), chosen);
}

TEST(StatusGauge, ProgressModesSetFillColourAndCursor)
{
    QWidget window;
    app::StatusGauge gauge(&window);
    app::StatusProgress progress(&gauge, &window);
    EXPECT_EQ(gauge.caption(), "Sign Structural Design");

    // An update before any start only sets the percentage.
    progress.showProgress(40, platform::ProgressUpdate);
    EXPECT_EQ(gauge.fillPercent(), 40);
    EXPECT_EQ(gauge.fillStyle(), 0);
    EXPECT_EQ(gauge.textColour(), QColor(Qt::black));
    EXPECT_FALSE(window.testAttribute(Qt::WA_SetCursor));

    // Unknown modes change nothing.
    progress.showProgress(70, 0);
    progress.showProgress(70, 4);
    EXPECT_EQ(gauge.fillPercent(), 40);

    progress.showProgress(0, platform::ProgressStart);
    EXPECT_EQ(gauge.fillStyle(), 1);
    EXPECT_EQ(gauge.fillPercent(), 0);
    EXPECT_EQ(gauge.textColour(), QColor(Qt::white));
    EXPECT_EQ(window.cursor().shape(), Qt::WaitCursor);

    // The percentage is kept as given, without clamping.
    progress.showProgress(130, platform::ProgressUpdate);
    EXPECT_EQ(gauge.fillPercent(), 130);
    EXPECT_EQ(gauge.fillStyle(), 1);

    progress.showProgress(100, platform::ProgressFinish);
    EXPECT_EQ(gauge.fillPercent(), 100);
    EXPECT_EQ(gauge.fillStyle(), 0);
    EXPECT_EQ(gauge.textColour(), QColor(Qt::black));
    EXPECT_EQ(window.cursor().shape(), Qt::ArrowCursor);
}

// What the gauge showed each time it was painted: its fill style and the
// percentage, or -1 when it painted its caption.
class GaugePaintRecorder final : public QObject {
public:
    explicit GaugePaintRecorder(app::StatusGauge *gauge) : gauge_(gauge) { gauge->installEventFilter(this); }
    bool eventFilter(QObject *watched, QEvent *event) override
    {
        if (watched == gauge_ && event->type() == QEvent::Paint)
            painted.push_back(gauge_->fillStyle() == 1 ? gauge_->fillPercent() : -1);
        return false;
    }
    // The painted states with repeats of one state run together.
    std::vector<int> shown() const
    {
        std::vector<int> states;
        for (int p : painted)
            if (states.empty() || states.back() != p)
                states.push_back(p);
        return states;
    }
    std::vector<int> painted;

private:
    app::StatusGauge *gauge_;
};

// A long job sets the gauge from a loop that does not return to the event
// loop: every value must reach the screen while the job runs.
TEST(StatusGauge, GaugePaintsEachValueWhileTheJobRuns)
{
    struct Case {
        const char *job;
        std::vector<std::pair<int, int>> steps;  // percent, mode
        std::vector<int> shown;  // fill percentages painted in turn, -1 the caption (finished)
    };
    const std::vector<Case> cases = {
        {"start-up",
         {{30, platform::ProgressStart}, {60, platform::ProgressUpdate}, {80, platform::ProgressUpdate},
          {100, platform::ProgressFinish}},
         {30, 60, 80, -1}},
        {"print job of three designs",
         {{0, platform::ProgressStart}, {33, platform::ProgressUpdate}, {66, platform::ProgressUpdate},
          {100, platform::ProgressUpdate}, {100, platform::ProgressFinish}},
         {0, 33, 66, 100, -1}},
    };
    for (const Case &c : cases) {
        SCOPED_TRACE(c.job);
        QWidget window;
        auto *gauge = new app::StatusGauge(&window);
        gauge->resize(400, gauge->sizeHint().height());
        window.resize(420, 60);
        app::StatusProgress progress(gauge, &window);
        window.show();
        ASSERT_TRUE(QTest::qWaitForWindowExposed(&window));
        QCoreApplication::processEvents();

        GaugePaintRecorder recorder(gauge);
        std::vector<std::size_t> paintsAfterStep;
        for (const auto &[percent, mode] : c.steps) {
            progress.showProgress(percent, mode);
            paintsAfterStep.push_back(recorder.painted.size());
        }
        EXPECT_EQ(recorder.shown(), c.shown);
        // Each call painted before it returned, not only the last one.
        EXPECT_GT(paintsAfterStep.front(), 0u);
        for (std::size_t i = 1; i < paintsAfterStep.size(); ++i)
            EXPECT_GT(paintsAfterStep[i], paintsAfterStep[i - 1]) << "step " << i;
    }
}

// Start-up shows 30, 60 and 80 while it loads the tables and the two forms.
TEST_F(StartupFixture, GaugePaintsStartUpProgressInTurn)
{
    app::StartupOptions options;
    options.defaultDatabasePath = defaultPath();
    std::unique_ptr<GaugePaintRecorder> recorder;
    options.mainWindowCreated = [&](app::Form5 &window) {
        recorder = std::make_unique<GaugePaintRecorder>(window.statusGauge());
    };
    const auto program = app::Main(options);
    ASSERT_TRUE(recorder);
    EXPECT_EQ(recorder->shown(), (std::vector<int>{-1, 30, 60, 80, -1}));
}

TEST(ProgramNames, DataFolderIsKelvoraUnderKelvora)
{
    const QString organisation = QCoreApplication::organizationName();
    const QString application = QCoreApplication::applicationName();
    app::SetProgramNames();
    EXPECT_EQ(QCoreApplication::organizationName(), "Kelvora");
    EXPECT_EQ(QCoreApplication::applicationName(), "Kelvora");
    const QString data = QStandardPaths::writableLocation(QStandardPaths::AppDataLocation);
    QCoreApplication::setOrganizationName(organisation);
    QCoreApplication::setApplicationName(application);
    EXPECT_TRUE(data.endsWith(QStringLiteral("/Kelvora/Kelvora"))) << data.toStdString();
}
