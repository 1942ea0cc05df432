// Manual tool, not run by ctest (run with --gtest_filter='ManualTools.*'
// --gtest_also_run_disabled_tests): pictures of the stiffener spacing,
// default values and notes dialogs as they open over a stored design's
// window, saved as PNG in KELVORA_SCREENSHOT_DIR (/tmp by default).

#include "app_test_support.h"

#include "common/test_services.h"
#include "database/database_file.h"
#include "input/default_values_dialog.h"
#include "input/input_test_support.h"
#include "input/notes_dialog.h"
#include "input/stiffener_spacing_dialog.h"

#include <QDir>
#include <QPixmap>

#include <cstdio>
#include <gtest/gtest.h>

namespace {

// Shows a dialog through its entry point, saves its picture and closes it.
void shoot(const QString &file, const std::function<void()> &show)
{
    QString folder = qEnvironmentVariable("KELVORA_SCREENSHOT_DIR");
    if (folder.isEmpty())
        folder = QStringLiteral("/tmp");
    const QString path = QDir(folder).filePath(file);
    inputtest::whenModalShown([path](QDialog *dialog) {
        QApplication::processEvents();
        EXPECT_TRUE(dialog->grab().save(path));
        std::printf("%s: %s\n", qPrintable(dialog->windowTitle()), qPrintable(path));
        dialog->reject();
    });
    show();
}

} // namespace

TEST(ManualTools, DISABLED_ScreenshotsOfTheEditDialogs)
{
    testing_support::RecordingMessages messages;
    QTemporaryDir folder;
    database::CloseCurrentDatabase();
    database::CurrentDatabasePath = folder.filePath(QStringLiteral("shots.mdb"));
    ASSERT_TRUE(database::OpenCurrentDatabase());
    engine::DesignState state;
    engine::ResetDesignData(state, engine::DefaultValues{});
    engine::CopyDesignRecord(app_testing::sampleDesign(), state.CurrentDesign);
    state.CurrentDesign.Notes = "Footing clear of the stormwater pit.\r\n"
                                "Services located by the council on 12/03/2026.\r\n"
                                "Check the sight line to the give-way sign before the footings are poured.";
    state.StiffenerLimit = {0, 50, 250, 450, 25, 100};

    shoot(QStringLiteral("kelvora-stiffener-spacing.png"), [&] { input::ShowStiffenerSpacingDialog(state, nullptr); });
    shoot(QStringLiteral("kelvora-default-values.png"), [] { input::ShowDefaultValuesDialog(nullptr); });
    shoot(QStringLiteral("kelvora-notes.png"), [&] { input::ShowNotesDialog(state, nullptr); });
    EXPECT_TRUE(messages.calls.empty());
    database::CloseCurrentDatabase();
    database::CurrentDatabasePath.clear();
}
