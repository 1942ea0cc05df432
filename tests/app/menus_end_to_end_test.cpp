// The program run through its menus only, on a database the design probe
// filled: open a stored design, adjust posts and spacing, save, save as,
// rename, delete, and exit with the save question.

#include "app_test_support.h"
#include "probe_database.h"

#include "app/edit_result_dialog.h"
#include "app/main_menus.h"
#include "app/main_window.h"
#include "app/startup.h"
#include "common/temp_settings.h"
#include "common/test_services.h"
#include "database/database_file.h"
#include "database/design_key.h"
#include "database/design_store.h"
#include "database/ui/design_browser.h"
#include "database/ui/storage_dialog.h"
#include "database_ui/ui_test_support.h"
#include "platform/settings.h"

#include <QAction>
#include <QLabel>
#include <QLineEdit>
#include <QPushButton>
#include <QScrollBar>
#include <QTemporaryDir>
#include <QTimer>
#include <QToolButton>

#include <gtest/gtest.h>

using database::StorageDialog;
using database::StoredDesignKey;

namespace {

const StoredDesignKey Demo{QStringLiteral("DEMO"), QStringLiteral("NORTH"), QStringLiteral("CH 1.200")};
const StoredDesignKey Copy{QStringLiteral("DEMO"), QStringLiteral("NORTH"), QStringLiteral("CH 2.400")};
const StoredDesignKey Renamed{QStringLiteral("DEMO"), QStringLiteral("NORTH"), QStringLiteral("CH 9.000")};

// What the engineer does in the next modal storage dialog; a dialog the
// action did not close is cancelled so the run never waits.
void inNextStorageDialog(std::function<void(StorageDialog &)> work)
{
    QTimer::singleShot(0, [work] {
        auto *dialog = qobject_cast<StorageDialog *>(QApplication::activeModalWidget());
        ASSERT_NE(dialog, nullptr);
        work(*dialog);
        if (dialog->isVisible())
            dialog->reject();
    });
}

// Whether a design is stored under key (its location and support rows).
bool stored(const StoredDesignKey &key)
{
    for (const char *table : {"LocDesData", "SupDesData"}) {
        platform::SqlRows rows;
        const platform::SqlStatus status = database::CurrentDatabase()->select(
            QStringLiteral("SELECT COUNT(*) FROM %1 WHERE %2").arg(QLatin1String(table), database::DesignKeyCondition),
            database::DesignKeyParams(key.JobCode, key.JobSection, key.SignPos), rows);
        if (!status.ok() || rows.empty() || rows.front().front().toInt() != 1)
            return false;
    }
    return true;
}

} // namespace

TEST(MenusEndToEnd, OpenAdjustSaveSaveAsRenameDeleteAndExit)
{
    testing_support::RecordingMessages messages;
    testing_support::RecordingExit exits;
    QTemporaryDir folder;
    const QString path = folder.filePath(QStringLiteral("menus.mdb"));
    app_testing::fillWithProbe(path);
    testing_support::clearSettings();
    platform::SaveSetting(QString::fromLatin1(platform::CurrentDatabaseKey), path);

    const auto program = app::Main();
    app::Form5 &window = *program->mainWindow;
    engine::DesignState &state = program->state;
    app::MainMenus &menus = window.menus();
    EXPECT_FALSE(menus.fileItem(3)->isEnabled());

    EXPECT_TRUE(stored(Demo));
    EXPECT_FALSE(stored(Copy));

    // File, Open: the stored design.
    inNextStorageDialog([](StorageDialog &d) {
        uitest::click(d.browser(), d.browser()->findItem(Demo, database::SignPositionLevel));
        d.actionButton(database::LoadMode)->click();
    });
    menus.fileItem(1)->trigger();
    ASSERT_NE(state.DesignOpen, 0);
    EXPECT_EQ(window.jobKeyField(2)->text(), "CH 1.200");
    EXPECT_TRUE(menus.fileItem(3)->isEnabled());
    const int basePosts = state.SupportDesigns[1].NumPosts;

    // One more post, then a wider spacing.
    window.adjustButton(0)->click();
    app::EditResultDialog &edit = *window.editResultDialog();
    edit.spinUpButton()->click();
    edit.okButton()->click();
    EXPECT_EQ(state.SupportDesigns[1].NumPosts, basePosts + 1);
    EXPECT_EQ(window.resultValue(0)->text(), QString::number(basePosts + 1));
    window.adjustButton(1)->click();
    ASSERT_LT(edit.scroll(3).min(), edit.scroll(3).max());
    edit.scroll(3).bar()->setValue(static_cast<int>(edit.scroll(3).max()));
    const int32_t spacing = state.SupportDesigns[1].PostSpacing;
    edit.okButton()->click();
    EXPECT_NE(state.DesignChanged, 0);

    // File, Save: stored under its own key, nothing left to ask about.
    menus.fileItem(3)->trigger();
    EXPECT_EQ(state.DesignChanged, 0);
    {
        engine::DesignState reread;
        ASSERT_TRUE(database::LoadSignDesign(*database::CurrentDatabase(), reread, engine::DefaultValues{}, Demo).ok());
        EXPECT_EQ(reread.SupportDesigns[1].NumPosts, basePosts + 1);
        EXPECT_EQ(reread.SupportDesigns[1].PostSpacing, spacing);
    }

    // File, Save As: modeless, still open after the command; its save
    // refreshes the window with the new key.
    menus.fileItem(4)->trigger();
    StorageDialog *saveAs = window.saveAsDialog();
    ASSERT_NE(saveAs, nullptr);
    EXPECT_TRUE(saveAs->isVisible());
    EXPECT_FALSE(saveAs->isModal());
    saveAs->keyBox(0)->setText(Copy.JobCode);
    saveAs->keyBox(1)->setText(Copy.JobSection);
    saveAs->keyBox(2)->setText(Copy.SignPos);
    saveAs->actionButton(database::SaveAsMode)->click();
    EXPECT_FALSE(saveAs->isVisible());
    EXPECT_EQ(window.jobKeyField(2)->text(), "CH 2.400");
    EXPECT_TRUE(stored(Copy));

    // Save As again: the same dialog; the next command's storage step hides it.
    menus.fileItem(4)->trigger();
    EXPECT_EQ(window.saveAsDialog(), saveAs);
    EXPECT_TRUE(saveAs->isVisible());

    // File, Rename: the copy gets another sign position.
    inNextStorageDialog([](StorageDialog &d) {
        uitest::click(d.browser(), d.browser()->findItem(Copy, database::SignPositionLevel));
        d.keyBox(2)->setText(Renamed.SignPos);
        d.actionButton(database::RenameMode)->click();
    });
    menus.fileItem(5)->trigger();
    EXPECT_FALSE(saveAs->isVisible());
    EXPECT_TRUE(stored(Renamed));
    EXPECT_FALSE(stored(Copy));

    // File, Delete: the original goes, after the question.
    inNextStorageDialog([&messages](StorageDialog &d) {
        uitest::click(d.browser(), d.browser()->findItem(Demo, database::SignPositionLevel));
        messages.script({platform::MessageAnswer::Ok});
        d.actionButton(database::DeleteMode)->click();
    });
    menus.fileItem(6)->trigger();
    EXPECT_FALSE(stored(Demo));
    EXPECT_TRUE(stored(Renamed));

    // A last adjustment, then File, Exit: the question, No, and the end.
    window.adjustButton(2)->click();
    edit.scroll(5).bar()->triggerAction(QAbstractSlider::SliderPageStepAdd);
    const size_t asked = messages.calls.size();
    messages.script({platform::MessageAnswer::No});
    menus.fileItem(10)->trigger();
    ASSERT_EQ(messages.calls.size(), asked + 1);
    EXPECT_EQ(messages.calls.back().text, "Do you wish to save changes to current Structural Design?");
    EXPECT_EQ(exits.exits, std::vector<int>{0});
    EXPECT_FALSE(edit.isVisible());
    EXPECT_FALSE(window.isVisible());

    database::CloseCurrentDatabase();
    testing_support::clearSettings();
}
