// The main window as the engineer sees it: captions, the support kind
// buttons, the refresh cycle on activation and the ways out of the program.

#include "app_test_support.h"

#include "app/main_window.h"
#include "app/warnings_box.h"
#include "common/test_services.h"
#include "engine/design_run.h"
#include "engine/design_state.h"

#include <QCoreApplication>
#include <QGroupBox>
#include <QKeyEvent>
#include <QLabel>
#include <QPushButton>

#include <gtest/gtest.h>

using app::Form5;
using app_testing::FakeStorage;
using platform::MessageAnswer;

namespace {

struct WindowFixture : ::testing::Test {
    engine::DesignState state;
    FakeStorage storage;
    std::unique_ptr<Form5> window;
    testing_support::RecordingMessages messages;

    void SetUp() override
    {
        engine::ResetDesignData(state, engine::DefaultValues{});
        window = std::make_unique<Form5>(state, storage.services(state));
        window->FormLoad();
    }

    // Puts a design in place as a confirmed input dialog does.
    void enter(const engine::DesignRecord &edited)
    {
        engine::CompareDesignRecords(edited, state.CurrentDesign, state.DesignChanged, state.RedesignNeeded);
        engine::CopyDesignRecord(edited, state.CurrentDesign);
    }

    // Everything the window shows of the viewed kind.
    QStringList shown() const
    {
        QStringList values;
        for (int row = 0; row < 16; ++row)
            values << window->resultValue(row)->text();
        for (int i = 0; i < 3; ++i)
            values << window->jobKeyField(i)->text();
        for (int i = 0; i < 4; ++i)
            values << window->signSlot(i)->text() + (window->signSlot(i)->isHidden() ? "/hidden" : "/shown");
        values << window->warningsBox()->warningsText();
        return values;
    }
};

} // namespace

TEST_F(WindowFixture, CaptionsAfterLoad)
{
    EXPECT_EQ(window->windowTitle(), "Kelvora");
    const QStringList expected{"CHS Steel", "RHS Steel", "Truss Steel", "Strut Steel"};
    for (int i = 0; i < 4; ++i)
        EXPECT_EQ(window->supportButton(i)->text(), expected[i]);
    EXPECT_TRUE(window->isSupportButtonMarked(0));
    EXPECT_FALSE(window->isSupportButtonMarked(1));
    EXPECT_EQ(window->findChild<QLabel *>("Label3_1")->text(), "Depth");
    EXPECT_TRUE(window->resultsPane()->isHidden());
    EXPECT_EQ(state.CurrentSupportType, 1);
    // With a database open the storage dialog is not shown.
    EXPECT_TRUE(storage.modes.empty());
}

TEST_F(WindowFixture, ActivationWithNoDesignBlanksTheKeyAndHidesTheResults)
{
    state.CurrentDesign.JobCode = "LEFTOVER";
    window->UpdateForm();
    EXPECT_EQ(window->jobKeyField(0)->text(), "LEFTOVER");
    window->resultsPane()->show();

    window->FormActivate();
    EXPECT_EQ(state.DesignOpen, 0);
    EXPECT_TRUE(window->resultsPane()->isHidden());
    for (int i = 0; i < 3; ++i)
        EXPECT_TRUE(window->jobKeyField(i)->text().isEmpty());
}

TEST_F(WindowFixture, ActivationRunsTheDesignAndShowsTheViewedKind)
{
    enter(app_testing::sampleDesign());
    window->FormActivate();
    ASSERT_NE(state.DesignOpen, 0);
    EXPECT_FALSE(window->resultsPane()->isHidden());
    const auto &chs = state.SupportDesigns[1];
    EXPECT_EQ(window->resultValue(0)->text(), QString::number(chs.NumPosts));
    EXPECT_EQ(window->resultValue(9)->text(), QString::fromStdString(chs.PostDimensions.Trimmed()));
    EXPECT_EQ(window->jobKeyField(0)->text(), "J100");
    EXPECT_EQ(window->jobKeyField(2)->text(), "P1");
    EXPECT_EQ(window->signSlot(0)->text(), "Front Sign ");
    EXPECT_FALSE(window->signSlot(0)->isHidden());
    EXPECT_TRUE(window->signSlot(1)->isHidden());
    EXPECT_TRUE(window->signSlot(3)->isHidden());
    EXPECT_EQ(window->resultValue(0)->palette().color(QPalette::Window), QColor(0xFF, 0xFF, 0xFF));
}

TEST_F(WindowFixture, TheWindowsOwnActivationRunsTheCycle)
{
    enter(app_testing::sampleDesign());
    QEvent activate(QEvent::WindowActivate);
    QCoreApplication::sendEvent(window.get(), &activate);
    EXPECT_NE(state.DesignOpen, 0);
    EXPECT_FALSE(window->resultsPane()->isHidden());
    EXPECT_EQ(window->jobKeyField(0)->text(), "J100");
}

TEST_F(WindowFixture, TwoActivationsInARowShowTheSameValues)
{
    enter(app_testing::sampleDesign());
    window->supportButton(2)->click();
    window->FormActivate();
    const QStringList first = shown();
    const auto records = state.SupportDesigns;
    window->FormActivate();
    EXPECT_EQ(shown(), first);
    EXPECT_EQ(state.SupportDesigns, records);
    EXPECT_EQ(state.CurrentSupportType, 3);
    EXPECT_TRUE(window->isSupportButtonMarked(2));
}

TEST_F(WindowFixture, ExtraPostsSurviveANotesChangeAndGoWithASignWidthChange)
{
    enter(app_testing::sampleDesign());
    window->FormActivate();
    const int basePosts = state.SupportDesigns[1].NumPosts;
    // The engineer asked for one post more on the CHS support.
    state.SupportDesigns[1].PNO = 1;
    window->FormActivate();
    ASSERT_EQ(state.SupportDesigns[1].NoResultCode, 0);
    ASSERT_EQ(state.SupportDesigns[1].NumPosts, basePosts + 1);

    engine::DesignRecord edited = state.CurrentDesign;
    edited.Notes = "other notes";
    enter(edited);
    ASSERT_NE(state.DesignChanged, 0);
    ASSERT_EQ(state.RedesignNeeded, 0);
    window->FormActivate();
    EXPECT_EQ(state.SupportDesigns[1].PNO, 1);
    EXPECT_EQ(window->resultValue(0)->text(), QString::number(basePosts + 1));

    edited.FrontSignWidth[1] = 2600;
    enter(edited);
    ASSERT_NE(state.RedesignNeeded, 0);
    window->FormActivate();
    EXPECT_EQ(state.SupportDesigns[1].PNO, 0);
    EXPECT_EQ(state.RedesignNeeded, 0);
    EXPECT_EQ(window->resultValue(0)->text(), QString::number(state.SupportDesigns[1].NumPosts));
    EXPECT_EQ(state.SupportDesigns[1].NumPosts, basePosts);
}

TEST_F(WindowFixture, StrutButtonViewsKindFourAndOffersView3D)
{
    enter(app_testing::sampleDesign());
    window->FormActivate();
    ASSERT_EQ(state.SupportDesigns[4].NoResultCode, 0);
    EXPECT_TRUE(window->view3DHolder()->isHidden());
    window->supportButton(3)->click();
    EXPECT_EQ(state.CurrentSupportType, 4);
    EXPECT_FALSE(window->view3DHolder()->isHidden());
    EXPECT_EQ(window->view3DButton()->text(), "View 3D");
    EXPECT_TRUE(window->isSupportButtonMarked(3));
    for (int other = 0; other < 3; ++other)
        EXPECT_FALSE(window->isSupportButtonMarked(other));

    // Without terrain information there is nothing to view in 3D.
    state.SupportDesigns[4].NoResultCode = 6;
    window->supportButton(3)->click();
    EXPECT_TRUE(window->view3DHolder()->isHidden());
    EXPECT_EQ(window->resultValue(0)->text(), "No Result");
    EXPECT_EQ(window->warningsBox()->warningsText(), "Insufficient Terrain Information has been defined.\r\n");
    state.SupportDesigns[4].NoResultCode = 11;
    window->supportButton(3)->click();
    EXPECT_FALSE(window->view3DHolder()->isHidden());
    window->supportButton(0)->click();
    EXPECT_TRUE(window->view3DHolder()->isHidden());
}

TEST_F(WindowFixture, PressingAButtonMarksItAtOnce)
{
    QEvent enterEvent(QEvent::Enter);
    QCoreApplication::sendEvent(window->supportButton(1), &enterEvent);
    EXPECT_EQ(window->statusGauge()->caption(), "Select Structural Options");

    window->supportButton(2)->pressed();
    EXPECT_TRUE(window->isSupportButtonMarked(2));
    EXPECT_FALSE(window->isSupportButtonMarked(0));
    EXPECT_EQ(state.CurrentSupportType, 1);
}

TEST_F(WindowFixture, TheKeyShowsAsTyped)
{
    engine::DesignRecord design = app_testing::sampleDesign();
    design.JobCode = "A&B";
    design.JobSection = " R&&D ";
    design.SignPos = "Brücke 3";
    enter(design);
    window->FormActivate();
    QLabel *field = window->jobKeyField(0);
    EXPECT_EQ(field->text(), "A&B");
    EXPECT_EQ(window->jobKeyField(1)->text(), "R&&D");
    EXPECT_EQ(window->jobKeyField(2)->text(), QString::fromUtf8("Brücke 3"));
    // A plain-text label without a buddy draws the ampersand; with a buddy
    // it would become an access key.
    EXPECT_EQ(field->textFormat(), Qt::PlainText);
    EXPECT_EQ(field->buddy(), nullptr);
}

TEST_F(WindowFixture, FailedKindShowsNoResultOnGreyWithItsMessage)
{
    int drawn = 0, hidden = 0;
    window->setDesignViewHooks({[&] { ++drawn; }, [&] { ++hidden; }, {}});
    enter(app_testing::sampleDesign());
    window->FormActivate();
    EXPECT_GT(drawn, 0);
    EXPECT_EQ(hidden, 0);
    drawn = 0;
    state.SupportDesigns[1] = engine::SupportDesign{};
    state.SupportDesigns[1].NoResultCode = 1;
    window->UpdateForm();
    EXPECT_EQ(window->resultValue(0)->text(), "No Result");
    EXPECT_EQ(window->resultValue(0)->palette().color(QPalette::Window), QColor(0xC0, 0xC0, 0xC0));
    EXPECT_TRUE(window->resultValue(1)->text().isEmpty());
    EXPECT_EQ(window->warningsBox()->warningsText(), "Sign is too wide to be handled by this program!\r\n");
    // No elevation for a kind without a design.
    EXPECT_EQ(drawn, 0);
    EXPECT_EQ(hidden, 1);
    // A found design afterwards brings the white background back.
    window->FormActivate();
    EXPECT_EQ(window->resultValue(0)->palette().color(QPalette::Window), QColor(0xFF, 0xFF, 0xFF));
}

TEST_F(WindowFixture, SignSlotCaptionsFollowThePanelCounts)
{
    engine::DesignRecord design = app_testing::sampleDesign();
    design.NumFrontSigns = 3;
    design.FrontSignWidth = {0, 2400, 2400, 2400};
    design.FrontSignDepth = {0, 600, 600, 600};
    design.NumBackSigns = 1;
    design.BackSignWidth = 2000;
    design.BackSignDepth = 600;
    enter(design);
    window->FormActivate();
    const QStringList captions{"Front Lower ", "Front Middle ", "Front Upper ", "Back Sign "};
    for (int i = 0; i < 4; ++i) {
        EXPECT_EQ(window->signSlot(i)->text(), captions[i]);
        EXPECT_FALSE(window->signSlot(i)->isHidden()) << i;
    }
    state.CurrentDesign.NumFrontSigns = 2;
    state.CurrentDesign.NumBackSigns = 0;
    window->UpdateForm();
    EXPECT_EQ(window->signSlot(0)->text(), "Front Lower ");
    EXPECT_EQ(window->signSlot(1)->text(), "Front Upper ");
    EXPECT_TRUE(window->signSlot(2)->text().isEmpty());
    EXPECT_TRUE(window->signSlot(2)->isHidden());
    EXPECT_TRUE(window->signSlot(3)->isHidden());
}

TEST_F(WindowFixture, WarningsBoxKeepsItsTextAgainstTyping)
{
    enter(app_testing::sampleDesign());
    window->FormActivate();
    app::WarningsBox *box = window->warningsBox();
    box->setWarningsText("Line one\r\nLine two\r\n");
    EXPECT_EQ(box->toPlainText(), "Line one\nLine two");
    QKeyEvent key(QEvent::KeyPress, Qt::Key_A, Qt::NoModifier, "a");
    QCoreApplication::sendEvent(box, &key);
    QKeyEvent del(QEvent::KeyPress, Qt::Key_Backspace, Qt::NoModifier);
    QCoreApplication::sendEvent(box, &del);
    EXPECT_EQ(box->warningsText(), "Line one\r\nLine two\r\n");
    EXPECT_EQ(box->toPlainText(), "Line one\nLine two");
    EXPECT_TRUE(box->isReadOnly());
}

// ---- Ways out -------------------------------------------------------------

TEST_F(WindowFixture, ClosingWithUnsavedChangesAsksAndCancelKeepsRunning)
{
    enter(app_testing::sampleDesign());
    window->FormActivate();
    ASSERT_NE(state.DesignChanged, 0);
    messages.script({MessageAnswer::Cancel});
    EXPECT_FALSE(window->close());
    ASSERT_EQ(messages.calls.size(), 1u);
    EXPECT_EQ(messages.calls[0].text, "Do you wish to save changes to current Structural Design?");
    EXPECT_EQ(messages.calls[0].title, "Warning");
    EXPECT_EQ(messages.calls[0].buttons, platform::MessageButtons::YesNoCancel);
    EXPECT_EQ(messages.calls[0].icon, platform::MessageIcon::Question);
    EXPECT_EQ(messages.calls[0].defaultButton, 1);
    EXPECT_EQ(storage.silentSaves, 0);
    EXPECT_EQ(storage.settingWrites, 0);
    EXPECT_NE(state.DesignChanged, 0);
}

TEST_F(WindowFixture, ClosingWithYesSavesSilentlyAndRemembersTheDatabase)
{
    enter(app_testing::sampleDesign());
    window->FormActivate();
    messages.script({MessageAnswer::Yes});
    EXPECT_TRUE(window->close());
    EXPECT_EQ(storage.silentSaves, 1);
    EXPECT_TRUE(storage.modes.empty());  // no window shown for the save
    EXPECT_EQ(storage.settingWrites, 1);
}

TEST_F(WindowFixture, ClosingWithNoDiscardsAndAFailedSaveKeepsRunning)
{
    enter(app_testing::sampleDesign());
    window->FormActivate();
    messages.script({MessageAnswer::No});
    EXPECT_TRUE(window->close());
    EXPECT_EQ(storage.silentSaves, 0);
    EXPECT_EQ(storage.settingWrites, 1);

    // A save that fails must not end the run as if the design were stored.
    storage.saveSucceeds = false;
    messages.script({MessageAnswer::Yes});
    EXPECT_FALSE(window->close());
    EXPECT_EQ(storage.silentSaves, 1);
    EXPECT_EQ(storage.settingWrites, 1);
}

TEST_F(WindowFixture, ClosingWithoutChangesAsksNothing)
{
    EXPECT_TRUE(window->close());
    EXPECT_TRUE(messages.calls.empty());
    EXPECT_EQ(storage.settingWrites, 1);
}

TEST_F(WindowFixture, FileExitAsksTheSameQuestionAndWritesTheSetting)
{
    testing_support::RecordingExit exits;
    enter(app_testing::sampleDesign());
    window->FormActivate();

    messages.script({MessageAnswer::Cancel});
    window->FileExit();
    EXPECT_TRUE(exits.exits.empty());
    EXPECT_EQ(storage.settingWrites, 0);

    messages.script({MessageAnswer::Yes});
    window->FileExit();
    EXPECT_EQ(storage.silentSaves, 1);
    EXPECT_EQ(storage.settingWrites, 1);
    ASSERT_EQ(exits.exits.size(), 1u);
    EXPECT_EQ(exits.exits[0], 0);
    EXPECT_EQ(state.DesignChanged, 0);
    EXPECT_EQ(messages.calls.size(), 2u);
}

TEST_F(WindowFixture, FileExitWithNoEndsWithoutSaving)
{
    testing_support::RecordingExit exits;
    enter(app_testing::sampleDesign());
    window->FormActivate();
    messages.script({MessageAnswer::No});
    window->FileExit();
    EXPECT_EQ(storage.silentSaves, 0);
    EXPECT_EQ(storage.settingWrites, 1);
    EXPECT_EQ(exits.exits.size(), 1u);
    EXPECT_EQ(state.DesignOpen, 0);
    EXPECT_TRUE(window->resultsPane()->isHidden());
}

TEST_F(WindowFixture, FileOpenAsksFirstThenShowsTheStorageDialog)
{
    window->FileOpen();
    EXPECT_EQ(storage.modes, std::vector<int>{0});
    EXPECT_TRUE(messages.calls.empty());

    storage.modes.clear();
    enter(app_testing::sampleDesign());
    messages.script({MessageAnswer::Cancel});
    window->FileOpen();
    EXPECT_TRUE(storage.modes.empty());

    messages.script({MessageAnswer::Yes});
    window->FileOpen();
    EXPECT_EQ(storage.modes, (std::vector<int>{1, 0}));
}

TEST(WindowLoad, NoDatabaseLeadsToTheStorageDialogAndKeepsWhatItLoads)
{
    engine::DesignState state;
    FakeStorage storage;
    storage.databaseOpen = false;
    // The engineer picks a file and loads a design through the dialog.
    storage.onShow = [&](int mode) {
        if (mode != 0)
            return;
        storage.databaseOpen = true;
        engine::CopyDesignRecord(app_testing::sampleDesign(), state.CurrentDesign);
        engine::RunDesign(state);
    };
    Form5 window(state, storage.services(state));
    window.FormLoad();
    EXPECT_EQ(storage.modes, std::vector<int>{0});
    window.FormActivate();
    EXPECT_NE(state.DesignOpen, 0);
    EXPECT_EQ(window.jobKeyField(0)->text(), "J100");
    EXPECT_FALSE(window.resultsPane()->isHidden());
}

TEST(WindowLoad, NoDatabaseAndNothingLoadedTakesTheDefaultsOfTheChosenFile)
{
    engine::DesignState state;
    FakeStorage storage;
    storage.databaseOpen = false;
    // No file yet: the store has no default values to give.
    engine::DefaultValues current{0, 0, 0, 0};
    // The engineer picks a file whose defaults differ, then cancels the load.
    storage.onShow = [&](int mode) {
        if (mode != 0)
            return;
        storage.databaseOpen = true;
        current = engine::DefaultValues{2100, 1700, 80, 1000};
    };
    app::MainWindowServices services = storage.services(state);
    services.defaultValues = [&current] { return current; };
    Form5 window(state, services);
    window.FormLoad();
    ASSERT_EQ(storage.modes, std::vector<int>{0});
    EXPECT_EQ(state.DesignOpen, 0);
    EXPECT_EQ(state.CurrentDesign.RoadHeight, 2100);
    EXPECT_EQ(state.CurrentDesign.DistFromKerb, 1700);
    for (int kind = 1; kind <= 4; ++kind) {
        EXPECT_EQ(state.SupportDesigns[static_cast<size_t>(kind)].RoadSpeed, 80) << kind;
        EXPECT_EQ(state.SupportDesigns[static_cast<size_t>(kind)].AADT, 1000) << kind;
    }
    EXPECT_EQ(state.CurrentSupportType, 1);
    EXPECT_TRUE(window.resultsPane()->isHidden());
}
