#include "common/temp_settings.h"
#include "common/test_services.h"
#include "platform/services.h"
#include "platform/settings.h"

#include <gtest/gtest.h>

using namespace platform;

TEST(Services, DefaultAnswerFollowsTheDefaultButton)
{
    EXPECT_EQ(defaultAnswer({"t", "x", MessageButtons::YesNo, MessageIcon::Question, 2}), MessageAnswer::No);
    EXPECT_EQ(defaultAnswer({"t", "x", MessageButtons::YesNoCancel, MessageIcon::Question, 3}), MessageAnswer::Cancel);
    EXPECT_EQ(defaultAnswer({"t", "x", MessageButtons::OkCancel, MessageIcon::None, 1}), MessageAnswer::Ok);
}

TEST(Services, RecordingMessagesAnswersFromItsScriptThenWithTheDefault)
{
    testing_support::RecordingMessages recorder;
    recorder.script({MessageAnswer::No});
    EXPECT_EQ(showMessage("first", "T", MessageButtons::YesNo), MessageAnswer::No);
    EXPECT_EQ(showMessage("second", "T", MessageButtons::YesNo, MessageIcon::None, 1), MessageAnswer::Yes);
    ASSERT_EQ(recorder.calls.size(), 2u);
    EXPECT_EQ(recorder.calls[1].text, "second");
}

TEST(Services, ShowProgressIgnoresUnknownModes)
{
    testing_support::RecordingProgress progress;
    ShowProgress(30, ProgressStart);
    ShowProgress(50, 7);
    ShowProgress(100, ProgressFinish);
    const std::vector<testing_support::RecordingProgress::Call> expected{{30, 1}, {100, 3}};
    EXPECT_EQ(progress.calls, expected);
}

TEST(Settings, PreferencesRoundTripInTheRedirectedStore)
{
    testing_support::clearSettings();
    EXPECT_EQ(GetSetting(CurrentDatabaseKey, "none"), "none");
    SaveSetting(CurrentDatabaseKey, "/tmp/x.mdb");
    EXPECT_EQ(GetSetting(CurrentDatabaseKey), "/tmp/x.mdb");
    testing_support::clearSettings();
}

namespace {
std::vector<int> hookOrder;
void firstHook() { hookOrder.push_back(1); }
void secondHook() { hookOrder.push_back(2); }
} // namespace

TEST(Services, BeforeExitHooksRunOnceNewestFirst)
{
    hookOrder.clear();
    addBeforeExitHook(firstHook);
    addBeforeExitHook(secondHook);
    runBeforeExitHooks();
    runBeforeExitHooks();
    EXPECT_EQ(hookOrder, (std::vector<int>{2, 1}));
}
