// The sign details form as the program holds it: loaded hidden for the run by
// the main window, and told to copy the open design in afresh whenever the
// window replaces that design.

#include "app_test_support.h"

#include "app/hidden_forms.h"
#include "app/main_window.h"
#include "common/test_services.h"
#include "engine/design_state.h"
#include "input/sign_details_form.h"

#include <QApplication>
#include <QLabel>
#include <QPushButton>
#include <QTimer>
#include <QLineEdit>
#include <gtest/gtest.h>

namespace {

struct SignDetailsWiring : ::testing::Test {
    engine::DesignState state;
    app_testing::FakeStorage storage;
    std::unique_ptr<app::Form5> window;
    app::HiddenForms forms;
    testing_support::RecordingMessages messages;

    void SetUp() override
    {
        engine::ResetDesignData(state, engine::DefaultValues{});
        app::MainWindowServices services = storage.services(state);
        // As start-up wires it: the window asks the loaded form to reload.
        services.requestSignDetailsReload = [this] {
            if (form())
                form()->requestReload();
        };
        window = std::make_unique<app::Form5>(state, services);
        window->FormLoad();
        app::LoadSignDetailsForm(forms, state, window.get());
    }
    input::Form1 *form() { return qobject_cast<input::Form1 *>(forms.signDetails.data()); }

    // The form left open modeless with an edit in progress.
    void editModeless()
    {
        engine::CopyDesignRecord(app_testing::sampleDesign(), state.CurrentDesign);
        form()->show();
        QApplication::processEvents();
        form()->Text4(2)->setText(QStringLiteral("EDITED"));
        ASSERT_FALSE(form()->variables().ReloadPending);
    }
};

} // namespace

TEST_F(SignDetailsWiring, TheFormIsLoadedHiddenOnceForTheRun)
{
    ASSERT_NE(form(), nullptr);
    EXPECT_FALSE(form()->isVisible());
    EXPECT_EQ(form()->parent(), window.get());
    EXPECT_EQ(form()->windowTitle(), "Sign Details Entry Form");
    input::Form1 *first = form();
    app::LoadSignDetailsForm(forms, state, window.get());
    EXPECT_EQ(form(), first);
}

TEST_F(SignDetailsWiring, ALoadedDesignReplacesTheFormsWorkingCopy)
{
    editModeless();
    engine::DesignRecord loaded = app_testing::sampleDesign();
    loaded.SignPos = "LOADED";
    storage.onShow = [&](int mode) {
        if (mode == 0)
            engine::CopyDesignRecord(loaded, state.CurrentDesign);
    };
    window->FileOpen();
    EXPECT_TRUE(form()->variables().ReloadPending);
    form()->hide();
    form()->show();
    QApplication::processEvents();
    EXPECT_EQ(form()->Text4(2)->text(), "LOADED");
    form()->hide();
}

TEST_F(SignDetailsWiring, ANewDesignReplacesTheFormsWorkingCopy)
{
    editModeless();
    // File, Open with a changed design saved first: the design is reset.
    state.DesignChanged = engine::FlagTrue;
    state.DesignOpen = engine::FlagTrue;
    messages.script({platform::MessageAnswer::Yes});
    window->FileOpen();
    EXPECT_TRUE(form()->variables().ReloadPending);
    form()->hide();
    form()->show();
    QApplication::processEvents();
    EXPECT_TRUE(form()->Text4(2)->text().isEmpty());
    form()->hide();
}

// What Edit, Sign Details will do: the form shown modally over the window
// with the loaded design; the engineer changes the sign position and a width
// and presses OK; the window's next activation shows the new key.
TEST_F(SignDetailsWiring, AnAcceptedFormChangesWhatTheWindowShows)
{
    engine::DesignRecord stored = app_testing::sampleDesign();
    stored.SignCode[1] = "G9-1";
    storage.onShow = [&](int mode) {
        if (mode == 0)
            engine::CopyDesignRecord(stored, state.CurrentDesign);
    };
    window->FileOpen();
    window->FormActivate();
    ASSERT_EQ(window->jobKeyField(2)->text(), "P1");

    QTimer::singleShot(100, form(), [this] {
        EXPECT_EQ(form()->Text4(2)->text(), "P1");
        form()->Text4(2)->setText(QStringLiteral("P9"));
        form()->Text1(0)->setText(QStringLiteral("2100"));
        form()->Command1(1)->click();
        if (form()->isVisible())
            form()->Command1(0)->click();  // refused: end the showing
    });
    EXPECT_EQ(form()->exec(), QDialog::Accepted);
    EXPECT_EQ(state.DesignChanged, engine::FlagTrue);
    EXPECT_EQ(state.RedesignNeeded, engine::FlagTrue);
    EXPECT_EQ(state.CurrentDesign.FrontSignWidth[1], 2100);
    window->FormActivate();
    EXPECT_EQ(window->jobKeyField(2)->text(), "P9");
}
