// The menu bar and its commands as the engineer uses them: captions and
// shortcuts, the enabling rules, and the sequences of the File, Edit, Print
// and Help items over scripted storage and forms.

#include "app_test_support.h"

#include "app/about_box.h"
#include "app/edit_result_dialog.h"
#include "app/main_menus.h"
#include "app/main_window.h"
#include "app/warnings_box.h"
#include "common/test_services.h"
#include "engine/design_run.h"
#include "engine/design_state.h"

#include <QAction>
#include <QApplication>
#include <QGroupBox>
#include <QLabel>
#include <QLineEdit>
#include <QMenu>
#include <QMenuBar>
#include <QPushButton>
#include <QVBoxLayout>
#include <QtTest/QTest>

#include <gtest/gtest.h>

using app::Form5;
using app_testing::FakeStorage;
using platform::MessageAnswer;

namespace {

struct MenuFixture : ::testing::Test {
    engine::DesignState state;
    FakeStorage storage;
    testing_support::RecordingMessages messages;
    testing_support::RecordingExit exits;
    std::unique_ptr<Form5> window;

    void SetUp() override
    {
        engine::ResetDesignData(state, engine::DefaultValues{});
        window = std::make_unique<Form5>(state, storage.services(state));
        window->FormLoad();
    }

    void enter(const engine::DesignRecord &edited)
    {
        engine::CompareDesignRecords(edited, state.CurrentDesign, state.DesignChanged, state.RedesignNeeded);
        engine::CopyDesignRecord(edited, state.CurrentDesign);
    }
    // A design open and saved: nothing to ask about.
    void openSavedDesign()
    {
        enter(app_testing::sampleDesign());
        window->FormActivate();
        state.DesignChanged = 0;
    }
    // The window on screen and active, as the engineer has it.
    void showActive()
    {
        window->show();
        window->activateWindow();
        ASSERT_TRUE(app_testing::waitUntilActive(window.get()));
    }
    app::MainMenus &menus() { return window->menus(); }
};

struct ItemText {
    const char *caption;
    QKeySequence shortcut;
};

} // namespace

TEST_F(MenuFixture, CaptionsAndShortcutsOfEveryItem)
{
    const std::vector<ItemText> file{{"&New", QKeySequence("Ctrl+N")},   {"&Open", QKeySequence("Ctrl+O")},
                                     {"&Close", QKeySequence("Ctrl+C")}, {"&Save", QKeySequence("Ctrl+S")},
                                     {"&Save As", QKeySequence("Ctrl+A")}, {"&Rename", QKeySequence()},
                                     {"Delete", QKeySequence("Ctrl+B")}, {"", QKeySequence()},
                                     {"&Print", QKeySequence()},         {"", QKeySequence()},
                                     {"E&xit", QKeySequence("Ctrl+F4")}};
    for (int i = 0; i < 11; ++i) {
        SCOPED_TRACE(i);
        EXPECT_EQ(menus().fileItem(i)->text(), QString::fromUtf8(file[static_cast<size_t>(i)].caption));
        EXPECT_EQ(menus().fileItem(i)->shortcut(), file[static_cast<size_t>(i)].shortcut);
        EXPECT_EQ(menus().fileItem(i)->isSeparator(), i == 7 || i == 9);
    }
    EXPECT_EQ(menus().fileItem(8)->menu(), menus().printMenu());
    const std::vector<ItemText> print{{"&Design Form", QKeySequence("Ctrl+D")},
                                      {"O&rder Form", QKeySequence("Ctrl+R")},
                                      {"Su&mmary Form", QKeySequence("Ctrl+M")}};
    for (int i = 0; i < 3; ++i) {
        EXPECT_EQ(menus().printItem(i)->text(), QString::fromUtf8(print[static_cast<size_t>(i)].caption));
        EXPECT_EQ(menus().printItem(i)->shortcut(), print[static_cast<size_t>(i)].shortcut);
    }
    const std::vector<ItemText> edit{{"Sign Detai&ls", QKeySequence("Ctrl+L")},
                                     {"&Environment Conditions", QKeySequence("Ctrl+E")},
                                     {"Stiffener &Spacing", QKeySequence("Ctrl+T")},
                                     {"&Notes", QKeySequence()},
                                     {"Clear &Zone", QKeySequence("Ctrl+Z")},
                                     {"Default &Values", QKeySequence("Ctrl+V")}};
    for (int i = 0; i < 6; ++i) {
        EXPECT_EQ(menus().editItem(i)->text(), QString::fromUtf8(edit[static_cast<size_t>(i)].caption));
        EXPECT_EQ(menus().editItem(i)->shortcut(), edit[static_cast<size_t>(i)].shortcut);
    }
    EXPECT_EQ(menus().helpItem()->text(), "About &Kelvora (Mastra)");
    EXPECT_EQ(menus().helpItem()->shortcut(), QKeySequence("Ctrl+G"));
    EXPECT_EQ(menus().fileMenu()->title(), "&File");
    EXPECT_EQ(menus().editMenu()->title(), "&Edit");
    EXPECT_EQ(menus().helpMenu()->title(), "&Help");
    EXPECT_EQ(window->menuBar()->actions().size(), 3);
}

TEST_F(MenuFixture, EnablingFollowsTheOpenDesignAlsoAfterCtrlC)
{
    const auto enabled = [this] {
        QString marks;
        for (int i = 0; i < 11; ++i)
            marks += menus().fileItem(i)->isEnabled() ? '1' : '0';
        marks += ' ';
        for (int i = 0; i < 6; ++i)
            marks += menus().editItem(i)->isEnabled() ? '1' : '0';
        marks += ' ';
        for (int i = 0; i < 3; ++i)
            marks += menus().printItem(i)->isEnabled() ? '1' : '0';
        marks += menus().helpItem()->isEnabled() ? '1' : '0';
        return marks;
    };
    EXPECT_EQ(enabled(), "11000111111 000000 1111");
    openSavedDesign();
    EXPECT_EQ(enabled(), "11111111111 111111 1111");

    // Opening a menu sets its items from the flag as it is then.
    state.DesignOpen = 0;
    emit menus().editMenu()->aboutToShow();
    EXPECT_EQ(enabled(), "11000111111 000000 1111");
    state.DesignOpen = -1;
    emit menus().fileMenu()->aboutToShow();
    EXPECT_EQ(enabled(), "11111111111 111111 1111");

    // Ctrl+C with the focus in the read-only warnings box is Close, not Copy.
    showActive();
    window->warningsBox()->setFocus();
    QTest::keyClick(window->warningsBox(), Qt::Key_C, Qt::ControlModifier);
    EXPECT_EQ(state.DesignOpen, 0);
    EXPECT_TRUE(window->resultsPane()->isHidden());
    EXPECT_EQ(enabled(), "11000111111 000000 1111");
    EXPECT_TRUE(messages.calls.empty());
    // A disabled item's shortcut does nothing: Ctrl+S stores nothing.
    QTest::keyClick(window.get(), Qt::Key_S, Qt::ControlModifier);
    EXPECT_EQ(storage.silentSaves, 0);
}

TEST_F(MenuFixture, AMainWindowShortcutInAnotherDialogsTextBoxDoesNothing)
{
    openSavedDesign();
    showActive();
    QDialog other(window.get());
    auto *box = new QLineEdit(&other);
    (new QVBoxLayout(&other))->addWidget(box);
    other.show();
    other.activateWindow();
    ASSERT_TRUE(app_testing::waitUntilActive(&other));
    box->setFocus();
    QTest::keyClicks(box, QStringLiteral("abc"));
    QTest::keyClick(box, Qt::Key_A, Qt::ControlModifier);  // select all, not Save As
    QTest::keyClick(box, Qt::Key_C, Qt::ControlModifier);  // copy, not Close
    QTest::keyClick(box, Qt::Key_N, Qt::ControlModifier);  // nothing, not New
    EXPECT_NE(state.DesignOpen, 0);
    EXPECT_FALSE(window->resultsPane()->isHidden());
    EXPECT_TRUE(storage.shown.empty());
    EXPECT_EQ(window->saveAsDialog(), nullptr);
    EXPECT_EQ(box->selectedText(), "abc");
}

TEST_F(MenuFixture, NewWithoutChangesResetsAndShowsTheSignDetailsOnly)
{
    openSavedDesign();
    menus().fileItem(0)->trigger();
    EXPECT_TRUE(messages.calls.empty());
    EXPECT_EQ(storage.shown, std::vector<QString>{"Form1"});
    EXPECT_TRUE(storage.signDetails->hiddenBeforeShowing);
    EXPECT_EQ(storage.reloadRequests, 1);
    // No panel was entered: the design is gone and there is nothing to site.
    EXPECT_EQ(state.DesignOpen, 0);
    EXPECT_TRUE(state.CurrentDesign.JobCode.Trimmed().empty());
    EXPECT_TRUE(window->resultsPane()->isHidden());
}

TEST_F(MenuFixture, NewWithAPanelGoesOnToTheRoadsideFormAndKeepsBothLoaded)
{
    storage.onSignDetails = [this] { enter(app_testing::sampleDesign()); };
    menus().fileItem(0)->trigger();
    EXPECT_EQ(storage.shown, (std::vector<QString>{"Form1", "Form2"}));
    EXPECT_NE(state.DesignOpen, 0);
    EXPECT_FALSE(window->resultsPane()->isHidden());
    EXPECT_FALSE(storage.signDetails.isNull());
    EXPECT_FALSE(storage.roadside.isNull());
}

TEST_F(MenuFixture, NewAndOpenWithYesAndACancelledSaveKeepTheDesign)
{
    for (int item : {0, 1}) {
        SCOPED_TRACE(item);
        storage.modes.clear();
        storage.shown.clear();
        enter(app_testing::sampleDesign());
        window->FormActivate();
        ASSERT_NE(state.DesignChanged, 0);
        storage.saveSucceeds = false;  // the engineer cancels the storage dialog
        messages.script({MessageAnswer::Yes});
        menus().fileItem(item)->trigger();
        EXPECT_EQ(storage.modes, std::vector<int>{1});
        EXPECT_TRUE(storage.shown.empty());
        EXPECT_EQ(state.CurrentDesign.JobCode.Trimmed(), "J100");
        EXPECT_NE(state.DesignChanged, 0);
        EXPECT_NE(state.DesignOpen, 0);
        EXPECT_EQ(window->jobKeyField(0)->text(), "J100");
    }
    // Saved this time: New goes on.
    storage.saveSucceeds = true;
    messages.script({MessageAnswer::Yes});
    menus().fileItem(0)->trigger();
    EXPECT_EQ(storage.modes, (std::vector<int>{1, 1}));
    EXPECT_EQ(storage.shown, std::vector<QString>{"Form1"});
    EXPECT_EQ(state.DesignOpen, 0);
}

TEST_F(MenuFixture, OpenReloadsTheSignDetailsAfterTheLoad)
{
    storage.onShow = [this](int mode) {
        if (mode == 0) {
            enter(app_testing::sampleDesign());
            state.DesignChanged = 0;
        }
    };
    window->show();
    menus().fileItem(1)->trigger();
    EXPECT_EQ(storage.modes, std::vector<int>{0});
    EXPECT_EQ(storage.reloadRequests, 1);
    EXPECT_NE(state.DesignOpen, 0);
    EXPECT_EQ(window->jobKeyField(0)->text(), "J100");
}

TEST_F(MenuFixture, CloseAsksSavesAndStopsWhenTheSaveFails)
{
    enter(app_testing::sampleDesign());
    window->FormActivate();
    storage.saveSucceeds = false;
    messages.script({MessageAnswer::Yes});
    menus().fileItem(2)->trigger();
    ASSERT_EQ(messages.calls.size(), 1u);
    EXPECT_EQ(messages.calls[0].title, "Warning");
    EXPECT_EQ(messages.calls[0].text, "Do you wish to save changes to current Structural Design?");
    EXPECT_EQ(messages.calls[0].buttons, platform::MessageButtons::YesNoCancel);
    EXPECT_EQ(messages.calls[0].icon, platform::MessageIcon::Question);
    EXPECT_EQ(storage.silentSaves, 1);
    EXPECT_NE(state.DesignOpen, 0);
    EXPECT_FALSE(window->resultsPane()->isHidden());

    storage.saveSucceeds = true;
    messages.script({MessageAnswer::Yes});
    menus().fileItem(2)->trigger();
    EXPECT_EQ(storage.silentSaves, 2);
    EXPECT_EQ(state.DesignOpen, 0);
    EXPECT_TRUE(window->resultsPane()->isHidden());
    EXPECT_EQ(storage.reloadRequests, 1);
}

TEST_F(MenuFixture, CloseAndExitAcceptAnOpenEditResultSoThePromptComes)
{
    openSavedDesign();
    window->AdjustResult(2);
    ASSERT_TRUE(window->editResultDialog()->isVisible());
    messages.script({MessageAnswer::No});
    menus().fileItem(2)->trigger();
    EXPECT_FALSE(window->editResultDialog()->isVisible());
    ASSERT_EQ(messages.calls.size(), 1u);
    EXPECT_EQ(state.DesignOpen, 0);

    openSavedDesign();
    window->AdjustResult(0);
    messages.script({MessageAnswer::Cancel});
    menus().fileItem(10)->trigger();
    EXPECT_EQ(messages.calls.size(), 2u);
    EXPECT_TRUE(exits.exits.empty());
    EXPECT_NE(state.DesignChanged, 0);  // the accepted value counts as a change
}

TEST_F(MenuFixture, SaveOnlyWithADesignAndRenameDeleteShowTheirModes)
{
    menus().fileItem(3)->trigger();  // nothing open: nothing stored
    EXPECT_EQ(storage.silentSaves, 0);
    openSavedDesign();
    menus().fileItem(3)->trigger();
    EXPECT_EQ(storage.silentSaves, 1);
    menus().fileItem(5)->trigger();
    menus().fileItem(6)->trigger();
    EXPECT_EQ(storage.modes, (std::vector<int>{4, 2}));
}

TEST_F(MenuFixture, EditItemsUnloadTheirDialogsButKeepTheSignDetails)
{
    openSavedDesign();
    for (int i = 0; i < 6; ++i)
        menus().editItem(i)->trigger();
    EXPECT_EQ(storage.shown, (std::vector<QString>{"Form1", "Form2", "Stiffener Spacing", "Notes", "Clear Zone",
                                                  "Change Default Values"}));
    for (QWidget *parent : storage.parents)
        EXPECT_EQ(parent, window.get());
    EXPECT_FALSE(storage.signDetails.isNull());
    EXPECT_TRUE(storage.roadside.isNull());  // unloaded after use
    menus().editItem(1)->trigger();
    EXPECT_EQ(storage.roadsideLoads, 2);  // loaded again for the next showing
    EXPECT_TRUE(storage.roadside.isNull());
}

TEST_F(MenuFixture, PrintItemsHandOverTheirKind)
{
    for (int i = 0; i < 3; ++i)
        menus().printItem(i)->trigger();
    EXPECT_EQ(storage.shown, (std::vector<QString>{"Print 0", "Print 1", "Print 2"}));
    EXPECT_EQ(window->PrintFormType(), 2);
}

TEST_F(MenuFixture, AdjustButtonsOpenTheirPageAndHintOnHover)
{
    openSavedDesign();
    for (int i = 0; i < 5; ++i) {
        window->adjustButton(i)->click();
        EXPECT_EQ(window->DesignParameterIndex(), i);
        EXPECT_EQ(window->editResultDialog()->windowTitle(), app::EditResultDialog::PageCaptions[static_cast<size_t>(i)]);
        window->editResultDialog()->cancelValue();
    }
    QEvent enterEvent(QEvent::Enter);
    QCoreApplication::sendEvent(window->adjustButton(3), &enterEvent);
    EXPECT_EQ(window->statusGauge()->caption(), "Press to Adjust Design Parameter");
}
