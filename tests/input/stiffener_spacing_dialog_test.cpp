// The stiffener spacing dialog driven through its boxes, spin arrows, buttons
// and keys, on a real database file.

#include "input_test_support.h"

#include "database/preferences.h"
#include "engine/design_tables.h"
#include "input/stiffener_spacing_dialog.h"
#include "input/whole_number_input.h"

#include <QLineEdit>
#include <QPushButton>
#include <QToolButton>

namespace {

using input::Form3;
using inputtest::key;

std::array<QString, 5> boxTexts(const Form3 &dialog)
{
    std::array<QString, 5> texts;
    for (int i = 0; i < 5; ++i)
        texts[static_cast<size_t>(i)] = dialog.box(i)->text();
    return texts;
}

std::array<QString, 5> texts(const char *a, const char *b, const char *c, const char *d, const char *e)
{
    return {QString::fromLatin1(a), QString::fromLatin1(b), QString::fromLatin1(c), QString::fromLatin1(d),
            QString::fromLatin1(e)};
}

class StiffenerSpacingTest : public inputtest::DatabaseDialogTest {
protected:
    void SetUp() override
    {
        DatabaseDialogTest::SetUp();
        state.StiffenerLimit = {0, 50, 300, 600, 40, 120};
        dialog = std::make_unique<Form3>(state);
        dialog->show();
    }

    // The Preferences rows as stored: five limits and the name.
    platform::SqlRows preferences() { return rows(QStringLiteral("SELECT * FROM Preferences ORDER BY Name")); }

    void setBox(int index, const QString &text)
    {
        QLineEdit *box = dialog->box(index);
        inputtest::clearByKeys(box);
        inputtest::type(box, text);
    }

    std::unique_ptr<Form3> dialog;
};

TEST_F(StiffenerSpacingTest, ShowsTheLimitsInForceWithTheOfferedIncrement)
{
    EXPECT_EQ(dialog->windowTitle(), QStringLiteral("Stiffener Spacing"));
    EXPECT_EQ(boxTexts(*dialog), texts("5", "300", "600", "40", "120"));
    const std::array<const char *, 6> captions{"Use ES-126-1999 Setting", "Use Custom Setting",
                                               "Save Current as Custom Setting", nullptr, "Cancel", "OK"};
    for (int i = 0; i < 6; ++i) {
        if (!captions[static_cast<size_t>(i)]) {
            EXPECT_EQ(dialog->command(i), nullptr);
            continue;
        }
        EXPECT_EQ(dialog->command(i)->text(), QString::fromLatin1(captions[static_cast<size_t>(i)]));
    }
    EXPECT_TRUE(dialog->command(5)->isDefault());
}

TEST_F(StiffenerSpacingTest, EnterTakesTheBoxesAndStoresTheOfferedIncrement)
{
    setBox(2, QStringLiteral("550"));
    key(dialog->box(2), Qt::Key_Return);
    EXPECT_EQ(dialog->result(), QDialog::Accepted);
    EXPECT_FALSE(dialog->isVisible());
    EXPECT_EQ(state.StiffenerLimit, (std::array<int32_t, 6>{0, 5, 300, 550, 40, 120}));
    EXPECT_TRUE(messages.calls.empty());
    EXPECT_TRUE(preferences().empty()) << "OK does not write the table";
}

TEST_F(StiffenerSpacingTest, OkWithoutAChangeMarksTheDesignChangedOnly)
{
    state.DesignChanged = engine::FlagFalse;
    state.RedesignNeeded = engine::FlagFalse;
    dialog->command(5)->click();
    EXPECT_EQ(state.DesignChanged, engine::FlagTrue);
    EXPECT_EQ(state.RedesignNeeded, engine::FlagFalse);
}

TEST_F(StiffenerSpacingTest, CancelEscapeAndCloseBoxAfterTheStandardSettingChangeNothing)
{
    const std::array<std::function<void()>, 3> ways{
        [&] { dialog->command(4)->click(); },
        [&] { key(dialog->box(1), Qt::Key_Escape); },
        [&] { dialog->close(); },
    };
    for (const auto &leave : ways) {
        dialog->show();
        dialog->command(0)->click();
        EXPECT_EQ(boxTexts(*dialog), texts("5", "250", "500", "50", "150"));
        leave();
        EXPECT_FALSE(dialog->isVisible());
        EXPECT_EQ(dialog->result(), QDialog::Rejected);
        EXPECT_EQ(state.StiffenerLimit, (std::array<int32_t, 6>{0, 50, 300, 600, 40, 120}));
        EXPECT_EQ(state.DesignChanged, engine::FlagFalse);
    }
}

TEST_F(StiffenerSpacingTest, EveryShowingStartsFromTheLimitsInForce)
{
    dialog->command(0)->click();
    dialog->command(4)->click();
    dialog->show();
    EXPECT_EQ(boxTexts(*dialog), texts("5", "300", "600", "40", "120"));
}

TEST_F(StiffenerSpacingTest, CustomSettingOnAnEmptyTableOffersAndKeepsTheFirstSet)
{
    dialog->command(1)->click();
    EXPECT_EQ(boxTexts(*dialog), texts("5", "250", "450", "25", "100"));
    const platform::SqlRows stored = preferences();
    ASSERT_EQ(stored.size(), 1u);
    EXPECT_EQ(stored[0], (platform::SqlRow{5, 250, 450, 25, 100, QStringLiteral("Stiffener Limits")}));
    EXPECT_EQ(value(QStringLiteral("SELECT typeof(Stiffener_Limit_3) FROM Preferences")), QStringLiteral("integer"));
    EXPECT_EQ(state.StiffenerLimit[1], 50) << "only OK changes the limits";
}

TEST_F(StiffenerSpacingTest, CustomSettingShowsTheStoredSetAndUnreadableValuesAsEmptyBoxes)
{
    exec(QStringLiteral("INSERT INTO Preferences VALUES (10, 200, 'wide', 30, NULL, 'Stiffener Limits')"));
    dialog->command(1)->click();
    EXPECT_EQ(boxTexts(*dialog), texts("10", "200", "", "30", ""));
    dialog->command(5)->click();
    ASSERT_EQ(messages.calls.size(), 1u);
    EXPECT_TRUE(dialog->isVisible());
    EXPECT_EQ(state.StiffenerLimit[3], 600);
}

TEST_F(StiffenerSpacingTest, SavingTwiceLeavesOneRowWithTheSecondSet)
{
    dialog->command(2)->click();
    setBox(1, QStringLiteral("275"));
    dialog->command(2)->click();
    const platform::SqlRows stored = preferences();
    ASSERT_EQ(stored.size(), 1u);
    EXPECT_EQ(stored[0], (platform::SqlRow{5, 275, 600, 40, 120, QStringLiteral("Stiffener Limits")}));
    EXPECT_TRUE(messages.calls.empty());
}

TEST_F(StiffenerSpacingTest, ASavedSetIsWhatStartUpLoads)
{
    setBox(0, QStringLiteral("10"));
    setBox(4, QStringLiteral("140"));
    dialog->command(2)->click();
    const auto read = database::ReadStiffenerLimits();
    ASSERT_TRUE(read.has_value());
    EXPECT_EQ(*read, (std::array<int32_t, 5>{10, 300, 600, 40, 140}));
    engine::DesignState next;
    engine::LoadDesignTables(next, read);
    EXPECT_EQ(next.StiffenerLimit, (std::array<int32_t, 6>{0, 10, 300, 600, 40, 140}));
}

TEST_F(StiffenerSpacingTest, SaveEditsTheFirstRowAndNamesIt)
{
    // Another program left a row under another name; it is the first the
    // readers take, so it is the one written.
    exec(QStringLiteral("INSERT INTO Preferences VALUES (1, 2, 3, 4, 5, 'Older limits')"));
    dialog->command(2)->click();
    const platform::SqlRows stored = preferences();
    ASSERT_EQ(stored.size(), 1u);
    EXPECT_EQ(stored[0], (platform::SqlRow{5, 300, 600, 40, 120, QStringLiteral("Stiffener Limits")}));
}

TEST_F(StiffenerSpacingTest, SpinArrowsKeepEachPairInOrder)
{
    // Minimum spacing at 5 does not go lower.
    setBox(1, QStringLiteral("5"));
    dialog->spinDown(1)->click();
    EXPECT_EQ(dialog->box(1)->text(), QStringLiteral("5"));
    // Maximum spacing at 1000 does not go higher.
    setBox(2, QStringLiteral("1000"));
    dialog->spinUp(2)->click();
    EXPECT_EQ(dialog->box(2)->text(), QStringLiteral("1000"));
    // A minimum five below its maximum rises to it, then no further.
    setBox(3, QStringLiteral("115"));
    dialog->spinUp(3)->click();
    EXPECT_EQ(dialog->box(3)->text(), QStringLiteral("120"));
    dialog->spinUp(3)->click();
    EXPECT_EQ(dialog->box(3)->text(), QStringLiteral("120"));
    // The increment's arrows do nothing.
    dialog->spinUp(0)->click();
    dialog->spinDown(0)->click();
    EXPECT_EQ(dialog->box(0)->text(), QStringLiteral("5"));
    EXPECT_TRUE(dialog->spinUp(1)->autoRepeat());
}

struct SpinCase {
    int box;
    bool up;
    std::array<std::optional<int>, 5> boxes;
    std::optional<int> expected;
};

TEST(StiffenerSpin, FollowsTheRulesOfEachBox)
{
    const std::optional<int> none;
    const std::vector<SpinCase> cases{
        // minimum spacing (1), partner 2
        {1, false, {5, 10, 100, 25, 100}, 5},
        {1, false, {5, 5, 100, 25, 100}, none},
        {1, false, {5, 105, 100, 25, 100}, none},   // above its maximum: no lower either
        {1, true, {5, 95, 100, 25, 100}, 100},
        {1, true, {5, 96, 100, 25, 100}, none},
        // maximum spacing (2), partner 1
        {2, true, {5, 250, 995, 25, 100}, 1000},
        {2, true, {5, 250, 996, 25, 100}, none},
        {2, false, {5, 250, 255, 25, 100}, 250},
        {2, false, {5, 250, 254, 25, 100}, none},
        {2, false, {5, 0, 9, 25, 100}, none},       // not below 10
        // the edge pair behaves alike
        {3, true, {5, 250, 450, 95, 100}, 100},
        {4, false, {5, 250, 450, 25, 30}, 25},
        // the increment never spins; an unreadable box or partner refuses
        {0, true, {5, 250, 450, 25, 100}, none},
        {1, true, {5, 250, none, 25, 100}, none},
        {4, true, {5, 250, 450, 25, none}, none},
    };
    for (const SpinCase &c : cases)
        EXPECT_EQ(input::StiffenerSpin(c.box, c.up, c.boxes), c.expected)
            << "box " << c.box << (c.up ? " up" : " down");
}

TEST_F(StiffenerSpacingTest, BoxesTakeDigitsOnlyTypedOrPasted)
{
    setBox(1, QStringLiteral("2a7b5"));
    EXPECT_EQ(dialog->box(1)->text(), QStringLiteral("275"));
    inputtest::clearByKeys(dialog->box(1));
    inputtest::paste(dialog->box(1), QStringLiteral("12a"));
    EXPECT_EQ(dialog->box(1)->text(), QString());
    inputtest::paste(dialog->box(1), QStringLiteral("260"));
    EXPECT_EQ(dialog->box(1)->text(), QStringLiteral("260"));
}

// A box that fails the check: OK and Save tell the engineer and change
// nothing, and the arrows of the box and its partner do nothing.
struct BadBox {
    int box;
    const char *text;
    bool pasted;
};

TEST_F(StiffenerSpacingTest, BadBoxesAreRefusedAtOkSaveAndSpin)
{
    const std::vector<BadBox> bad{{1, "", false}, {2, "40000", false}, {3, "12a", true}, {0, "0", false}};
    for (const BadBox &b : bad) {
        SCOPED_TRACE(b.text);
        messages.calls.clear();
        dialog->show();
        if (b.pasted) {
            inputtest::clearByKeys(dialog->box(b.box));
            inputtest::paste(dialog->box(b.box), QString::fromLatin1(b.text));
        } else {
            setBox(b.box, QString::fromLatin1(b.text));
        }
        dialog->command(2)->click();
        dialog->command(5)->click();
        ASSERT_EQ(messages.calls.size(), 2u);
        for (const platform::MessageRequest &m : messages.calls) {
            EXPECT_EQ(m.text, QString::fromLatin1(input::StiffenerInputMessage));
            EXPECT_EQ(m.title, QStringLiteral("Invalid input value") + QString(78, QLatin1Char(' ')) + "Mastra");
            EXPECT_EQ(m.icon, platform::MessageIcon::Exclamation);
        }
        EXPECT_TRUE(dialog->isVisible());
        EXPECT_TRUE(preferences().empty());
        EXPECT_EQ(state.StiffenerLimit, (std::array<int32_t, 6>{0, 50, 300, 600, 40, 120}));
        EXPECT_EQ(state.DesignChanged, engine::FlagFalse);
        if (b.box > 0) {
            const int partner = b.box % 2 == 1 ? b.box + 1 : b.box - 1;
            const QString before = dialog->box(partner)->text();
            dialog->spinUp(partner)->click();
            dialog->spinDown(partner)->click();
            EXPECT_EQ(dialog->box(partner)->text(), before);
        }
        dialog->command(4)->click();
    }
}

TEST_F(StiffenerSpacingTest, DatabaseFailuresAreShownAndChangeNothing)
{
    exec(QStringLiteral("DROP TABLE Preferences"));
    dialog->command(1)->click();
    dialog->command(2)->click();
    ASSERT_EQ(messages.calls.size(), 2u);
    for (const platform::MessageRequest &m : messages.calls) {
        EXPECT_TRUE(m.text.contains(QStringLiteral("Preferences"))) << m.text.toStdString();
        EXPECT_EQ(m.icon, platform::MessageIcon::Exclamation);
        EXPECT_TRUE(m.title.startsWith(QStringLiteral("Stiffener Spacing")));
    }
    EXPECT_EQ(boxTexts(*dialog), texts("5", "300", "600", "40", "120"));
    EXPECT_EQ(state.StiffenerLimit, (std::array<int32_t, 6>{0, 50, 300, 600, 40, 120}));
}

TEST_F(StiffenerSpacingTest, AFirstCustomSetThatCannotBeKeptIsNotOffered)
{
    exec(QStringLiteral("PRAGMA query_only = ON"));
    dialog->command(1)->click();
    exec(QStringLiteral("PRAGMA query_only = OFF"));
    ASSERT_EQ(messages.calls.size(), 1u);
    EXPECT_EQ(messages.calls[0].icon, platform::MessageIcon::Exclamation);
    EXPECT_EQ(boxTexts(*dialog), texts("5", "300", "600", "40", "120"));
    EXPECT_TRUE(preferences().empty());
}

TEST_F(StiffenerSpacingTest, AFailedWriteLeavesTheStoredSetAsItWas)
{
    exec(QStringLiteral("INSERT INTO Preferences VALUES (5, 250, 450, 25, 100, 'Stiffener Limits')"));
    exec(QStringLiteral("PRAGMA query_only = ON"));
    dialog->command(2)->click();
    exec(QStringLiteral("PRAGMA query_only = OFF"));
    ASSERT_EQ(messages.calls.size(), 1u);
    EXPECT_EQ(preferences()[0], (platform::SqlRow{5, 250, 450, 25, 100, QStringLiteral("Stiffener Limits")}));
}

TEST_F(StiffenerSpacingTest, TheEntryPointShowsTheDialogModally)
{
    dialog.reset();
    inputtest::whenModalShown([](QDialog *shown) {
        auto *form = qobject_cast<Form3 *>(shown);
        ASSERT_NE(form, nullptr);
        inputtest::expectCentred(form);
        form->spinDown(2)->click();
        form->command(5)->click();
    });
    input::ShowStiffenerSpacingDialog(state, nullptr);
    EXPECT_EQ(state.StiffenerLimit, (std::array<int32_t, 6>{0, 5, 300, 595, 40, 120}));
}

} // namespace
