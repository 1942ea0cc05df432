// The stiffener spacing, default values and notes dialogs over the main
// window: what each leaves for the window's next activation and for leaving
// the design.

#include "app_test_support.h"

#include "app/main_window.h"
#include "common/test_services.h"
#include "database/database_file.h"
#include "database/default_values.h"
#include "engine/design_run.h"
#include "input/default_values_dialog.h"
#include "input/input_test_support.h"
#include "input/notes_dialog.h"
#include "input/stiffener_spacing_dialog.h"

#include <QComboBox>
#include <QLineEdit>
#include <QPlainTextEdit>
#include <QPushButton>

#include <gtest/gtest.h>

using app::Form5;
using app_testing::FakeStorage;

namespace {

const QString SaveQuestion = QStringLiteral("Do you wish to save changes to current Structural Design?");

struct EditDialogsOverWindow : inputtest::DatabaseDialogTest {
    FakeStorage storage;
    std::unique_ptr<Form5> window;

    void SetUp() override
    {
        DatabaseDialogTest::SetUp();
        app::MainWindowServices services = storage.services(state);
        services.defaultValues = database::CurrentDefaultValues;
        engine::ResetDesignData(state, database::CurrentDefaultValues());
        window = std::make_unique<Form5>(state, services);
        window->FormLoad();
        // An opened design: nothing unsaved.
        engine::CopyDesignRecord(app_testing::sampleDesign(), state.CurrentDesign);
        window->FormActivate();
        state.DesignChanged = engine::FlagFalse;
        state.RedesignNeeded = engine::FlagFalse;
    }
    void TearDown() override
    {
        window.reset();
        DatabaseDialogTest::TearDown();
    }

    bool askedToSave() const
    {
        for (const platform::MessageRequest &m : messages.calls)
            if (m.text == SaveQuestion)
                return true;
        return false;
    }
};

TEST_F(EditDialogsOverWindow, ASmallerMaximumSpacingGivesATallPanelMoreStiffeners)
{
    state.CurrentDesign.FrontSignDepth[1] = 3000;
    state.StiffenerLimit = {0, 5, 250, 450, 25, 100};
    window->FormActivate();
    const auto &viewed = state.SupportDesigns[static_cast<size_t>(state.CurrentSupportType)];
    const int before = viewed.NumStiffeners[1];
    ASSERT_GT(before, 0);

    inputtest::whenModalShown([](QDialog *shown) {
        auto *form = qobject_cast<input::Form3 *>(shown);
        ASSERT_NE(form, nullptr);
        inputtest::clearByKeys(form->box(2));
        inputtest::type(form->box(2), QStringLiteral("300"));
        inputtest::key(form->box(2), Qt::Key_Return);
    });
    input::ShowStiffenerSpacingDialog(state, window.get());
    EXPECT_EQ(state.StiffenerLimit[3], 300);
    EXPECT_EQ(state.DesignChanged, engine::FlagTrue);

    window->FormActivate();
    EXPECT_GT(viewed.NumStiffeners[1], before);
    EXPECT_LE(viewed.StiffenerSpacing[1], 300);
}

TEST_F(EditDialogsOverWindow, ChangedNotesMakeLeavingTheDesignAskToSave)
{
    inputtest::whenModalShown([](QDialog *shown) {
        auto *notes = qobject_cast<input::Notes *>(shown);
        ASSERT_NE(notes, nullptr);
        EXPECT_EQ(notes->text()->toPlainText(), QStringLiteral("first notes"));
        notes->text()->moveCursor(QTextCursor::End);
        inputtest::key(notes->text(), Qt::Key_Return, Qt::NoModifier, QStringLiteral("\r"));
        inputtest::type(notes->text(), QStringLiteral("second"));
        notes->okButton()->click();
    });
    input::ShowNotesDialog(state, window.get());
    EXPECT_EQ(state.CurrentDesign.Notes, "first notes\r\nsecond");
    EXPECT_EQ(state.RedesignNeeded, engine::FlagFalse);

    messages.script({platform::MessageAnswer::No});
    window->FileOpen();
    EXPECT_TRUE(askedToSave());
}

TEST_F(EditDialogsOverWindow, UnchangedNotesLeaveNothingToSave)
{
    inputtest::whenModalShown([](QDialog *shown) { qobject_cast<input::Notes *>(shown)->okButton()->click(); });
    input::ShowNotesDialog(state, window.get());
    EXPECT_EQ(state.CurrentDesign.Notes, "first notes");
    EXPECT_EQ(state.DesignChanged, engine::FlagFalse);
    window->FileOpen();
    EXPECT_FALSE(askedToSave());
}

TEST_F(EditDialogsOverWindow, NewDefaultValuesWaitForTheNextReset)
{
    const engine::DesignState before = state;
    inputtest::whenModalShown([](QDialog *shown) {
        auto *d = qobject_cast<input::DefaultValues *>(shown);
        ASSERT_NE(d, nullptr);
        inputtest::clearByKeys(d->box(0));
        inputtest::type(d->box(0), QStringLiteral("2200"));
        inputtest::clearByKeys(d->box(1));
        inputtest::type(d->box(1), QStringLiteral("1300"));
        inputtest::key(d->list(0), Qt::Key_Down);
        inputtest::key(d->list(0), Qt::Key_Down);
        inputtest::key(d->list(1), Qt::Key_Down);
        d->okButton()->click();
    });
    input::ShowDefaultValuesDialog(window.get());
    window->FormActivate();
    EXPECT_EQ(state.CurrentDesign.RoadHeight, before.CurrentDesign.RoadHeight);
    EXPECT_EQ(state.CurrentDesign.DistFromKerb, before.CurrentDesign.DistFromKerb);
    EXPECT_EQ(state.DesignChanged, engine::FlagFalse);

    // The window's reset of a new design takes all four.
    window->FormLoad();
    EXPECT_EQ(state.CurrentDesign.RoadHeight, 2200);
    EXPECT_EQ(state.CurrentDesign.DistFromKerb, 1300);
    for (int kind = 1; kind <= 4; ++kind) {
        EXPECT_EQ(state.SupportDesigns[static_cast<size_t>(kind)].RoadSpeed, 80);
        EXPECT_EQ(state.SupportDesigns[static_cast<size_t>(kind)].AADT, 751);
    }
}

} // namespace
