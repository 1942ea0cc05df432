// The default values dialog driven through its boxes, lists and keys, on a
// real database file.

#include "input_test_support.h"

#include "database/default_values.h"
#include "input/default_values_dialog.h"

#include <QComboBox>
#include <QLineEdit>
#include <QPushButton>

namespace {

using input::DefaultValues;
using inputtest::key;

class DefaultValuesTest : public inputtest::DatabaseDialogTest {
protected:
    void open()
    {
        dialog = std::make_unique<DefaultValues>();
        dialog->show();
    }
    void setBox(int index, const QString &text)
    {
        inputtest::clearByKeys(dialog->box(index));
        inputtest::type(dialog->box(index), text);
    }
    // The stored row: clearance, distance, speed, traffic.
    platform::SqlRows stored()
    {
        return rows(QStringLiteral("SELECT ClearanceAboveRoadEdge, DistanceFromCarriageway, ClearZoneSpeed, "
                                   "ClearZoneAADT FROM DefaultValues"));
    }
    static database::DefaultValueSet globals()
    {
        return {database::DefClearanceAboveRoadEdge, database::DefDistanceFromCarriageway, database::DefClearZoneSpeed,
                database::DefClearZoneAADT};
    }

    std::unique_ptr<DefaultValues> dialog;
};

TEST_F(DefaultValuesTest, ANewDatabaseShowsTheNewRowValues)
{
    open();
    EXPECT_EQ(dialog->windowTitle(), QStringLiteral("Change Default Values"));
    EXPECT_EQ(dialog->box(0)->text(), QStringLiteral("1500"));
    EXPECT_EQ(dialog->box(1)->text(), QStringLiteral("1000"));
    EXPECT_EQ(dialog->list(0)->currentText(), QStringLiteral("60"));
    EXPECT_EQ(dialog->list(1)->currentText(), QStringLiteral("up to 750"));
    EXPECT_FALSE(dialog->list(0)->isEditable());
    EXPECT_FALSE(dialog->list(1)->isEditable());
    EXPECT_TRUE(dialog->okButton()->isDefault());
}

TEST_F(DefaultValuesTest, TheListsCarryTheirRowsAndStoredValues)
{
    open();
    struct Row {
        int list;
        const char *text;
        int data;
    };
    const std::vector<Row> expected{{0, "60", 60},       {0, "70", 70},          {0, "80", 80},
                                    {0, "90", 90},       {0, "100", 100},        {0, "110", 110},
                                    {1, "up to 750", 0}, {1, "751 - 1500", 751}, {1, "1501 - 6000", 1501},
                                    {1, "over 6000", 6001}};
    std::array<int, 2> seen{};
    for (const Row &r : expected) {
        const int at = seen[static_cast<size_t>(r.list)]++;
        EXPECT_EQ(dialog->list(r.list)->itemText(at), QString::fromLatin1(r.text));
        EXPECT_EQ(dialog->list(r.list)->itemData(at).toInt(), r.data);
    }
    EXPECT_EQ(dialog->list(0)->count(), 6);
    EXPECT_EQ(dialog->list(1)->count(), 4);
}

TEST_F(DefaultValuesTest, ChoosingATrafficClassAndEnterStoresItsLowerBound)
{
    open();
    key(dialog->list(1), Qt::Key_Down);
    key(dialog->list(1), Qt::Key_Down);
    EXPECT_EQ(dialog->list(1)->currentText(), QStringLiteral("1501 - 6000"));
    key(dialog->list(1), Qt::Key_Return);
    EXPECT_EQ(dialog->result(), QDialog::Accepted);
    EXPECT_EQ(database::DefClearZoneAADT, 1501);
    EXPECT_EQ(stored(), (platform::SqlRows{{1500, 1000, 60, 1501}}));
    EXPECT_TRUE(messages.calls.empty());
}

TEST_F(DefaultValuesTest, EditedBoxesAndSpeedAreStored)
{
    open();
    setBox(0, QStringLiteral("1800"));
    setBox(1, QStringLiteral("2500"));
    key(dialog->list(0), Qt::Key_End);
    dialog->okButton()->click();
    EXPECT_EQ(globals(), (database::DefaultValueSet{1800, 2500, 110, 0}));
    EXPECT_EQ(stored(), (platform::SqlRows{{1800, 2500, 110, 0}}));
}

TEST_F(DefaultValuesTest, CancelAndEscapeAfterEditsChangeNothing)
{
    for (const bool escape : {false, true}) {
        open();
        setBox(0, QStringLiteral("900"));
        key(dialog->list(0), Qt::Key_Down);
        key(dialog->list(1), Qt::Key_Down);
        if (escape)
            key(dialog->box(0), Qt::Key_Escape);
        else
            dialog->cancelButton()->click();
        EXPECT_EQ(dialog->result(), QDialog::Rejected);
        EXPECT_FALSE(dialog->isVisible());
        EXPECT_EQ(globals(), (database::DefaultValueSet{1500, 1000, 60, 0}));
        EXPECT_EQ(stored(), (platform::SqlRows{{1500, 1000, 60, 0}}));
    }
}

TEST_F(DefaultValuesTest, OpeningReadsTheTableAsItIsNow)
{
    exec(QStringLiteral("UPDATE DefaultValues SET ClearanceAboveRoadEdge = 2100, ClearZoneAADT = 6001"));
    open();
    EXPECT_EQ(dialog->box(0)->text(), QStringLiteral("2100"));
    EXPECT_EQ(dialog->list(1)->currentText(), QStringLiteral("over 6000"));
    EXPECT_EQ(database::DefClearanceAboveRoadEdge, 2100);
}

TEST_F(DefaultValuesTest, OpeningAddsTheRowToAnEmptyTable)
{
    exec(QStringLiteral("DELETE FROM DefaultValues"));
    open();
    EXPECT_EQ(stored(), (platform::SqlRows{{1500, 1000, 60, 0}}));
    EXPECT_EQ(dialog->box(0)->text(), QStringLiteral("1500"));
}

TEST_F(DefaultValuesTest, AFailedReadIsShownAndTheHeldValuesAreOffered)
{
    database::HoldDefaultValues({1600, 1100, 80, 751});
    exec(QStringLiteral("DROP TABLE DefaultValues"));
    open();
    ASSERT_EQ(messages.calls.size(), 1u);
    EXPECT_TRUE(messages.calls[0].text.contains(QStringLiteral("DefaultValues"))) << messages.calls[0].text.toStdString();
    EXPECT_EQ(messages.calls[0].icon, platform::MessageIcon::Exclamation);
    EXPECT_EQ(dialog->box(0)->text(), QStringLiteral("1600"));
    EXPECT_EQ(dialog->list(0)->currentText(), QStringLiteral("80"));
    EXPECT_EQ(dialog->list(1)->currentText(), QStringLiteral("751 - 1500"));
}

TEST_F(DefaultValuesTest, AStoredValueNoRowCarriesSelectsNothingAndIsKept)
{
    exec(QStringLiteral("UPDATE DefaultValues SET ClearZoneSpeed = 50, ClearZoneAADT = 300"));
    open();
    EXPECT_EQ(dialog->list(0)->currentIndex(), -1);
    EXPECT_EQ(dialog->list(1)->currentIndex(), -1);
    setBox(1, QStringLiteral("1200"));
    dialog->okButton()->click();
    EXPECT_EQ(dialog->result(), QDialog::Accepted);
    EXPECT_EQ(globals(), (database::DefaultValueSet{1500, 1200, 50, 300}));
    EXPECT_EQ(stored(), (platform::SqlRows{{1500, 1200, 50, 300}}));
}

TEST_F(DefaultValuesTest, ABoxWithoutAStoredWholeNumberIsRefusedAndTheDialogStays)
{
    struct Bad {
        int box;
        const char *text;
    };
    for (const Bad &b : {Bad{0, ""}, Bad{1, "40000"}, Bad{0, "99999999"}}) {
        SCOPED_TRACE(b.text);
        messages.calls.clear();
        open();
        setBox(b.box, QString::fromLatin1(b.text));
        key(dialog->list(1), Qt::Key_Down);
        dialog->okButton()->click();
        ASSERT_EQ(messages.calls.size(), 1u);
        EXPECT_EQ(messages.calls[0].text, QStringLiteral("Please enter a whole number from 0 to 32767."));
        EXPECT_EQ(messages.calls[0].title,
                  QStringLiteral("Invalid input value") + QString(78, QLatin1Char(' ')) + "Mastra");
        EXPECT_EQ(messages.calls[0].icon, platform::MessageIcon::Exclamation);
        EXPECT_TRUE(dialog->isVisible());
        EXPECT_EQ(globals(), (database::DefaultValueSet{1500, 1000, 60, 0}));
        EXPECT_EQ(stored(), (platform::SqlRows{{1500, 1000, 60, 0}}));
    }
}

TEST_F(DefaultValuesTest, BoxesTakeDigitsOnly)
{
    open();
    setBox(0, QStringLiteral("1x7-00"));
    EXPECT_EQ(dialog->box(0)->text(), QStringLiteral("1700"));
    inputtest::clearByKeys(dialog->box(0));
    inputtest::paste(dialog->box(0), QStringLiteral("-5"));
    EXPECT_EQ(dialog->box(0)->text(), QString());
}

TEST_F(DefaultValuesTest, AFailedWriteShowsTheDatabaseTextRestoresTheGlobalsAndStays)
{
    open();
    setBox(0, QStringLiteral("1700"));
    key(dialog->list(0), Qt::Key_Down);
    // The file refuses writes, as a read-only file would.
    exec(QStringLiteral("PRAGMA query_only = ON"));
    dialog->okButton()->click();
    exec(QStringLiteral("PRAGMA query_only = OFF"));
    ASSERT_EQ(messages.calls.size(), 1u);
    EXPECT_TRUE(messages.calls[0].text.contains(QStringLiteral("readonly"))) << messages.calls[0].text.toStdString();
    EXPECT_TRUE(messages.calls[0].title.startsWith(QStringLiteral("Change Default Values")));
    EXPECT_EQ(messages.calls[0].icon, platform::MessageIcon::Exclamation);
    EXPECT_TRUE(dialog->isVisible());
    EXPECT_EQ(globals(), (database::DefaultValueSet{1500, 1000, 60, 0}));
    EXPECT_EQ(stored(), (platform::SqlRows{{1500, 1000, 60, 0}}));
    // Once the file takes writes again, Ok goes through.
    dialog->okButton()->click();
    EXPECT_EQ(dialog->result(), QDialog::Accepted);
    EXPECT_EQ(stored(), (platform::SqlRows{{1700, 1000, 70, 0}}));
}

TEST_F(DefaultValuesTest, OkLeavesTheOpenDesignAndTheNextResetTakesTheValues)
{
    engine::ResetDesignData(state, database::CurrentDefaultValues());
    state.CurrentDesign.RoadHeight = 1750;
    const engine::DesignState before = state;
    inputtest::whenModalShown([this](QDialog *shown) {
        auto *d = qobject_cast<DefaultValues *>(shown);
        ASSERT_NE(d, nullptr);
        inputtest::expectCentred(d);
        inputtest::clearByKeys(d->box(0));
        inputtest::type(d->box(0), QStringLiteral("2000"));
        inputtest::clearByKeys(d->box(1));
        inputtest::type(d->box(1), QStringLiteral("3000"));
        key(d->list(0), Qt::Key_Down);
        key(d->list(1), Qt::Key_End);
        d->okButton()->click();
    });
    input::ShowDefaultValuesDialog(nullptr);
    EXPECT_EQ(state.CurrentDesign, before.CurrentDesign);
    EXPECT_EQ(state.SupportDesigns[1].RoadSpeed, before.SupportDesigns[1].RoadSpeed);

    engine::ResetDesignData(state, database::CurrentDefaultValues());
    EXPECT_EQ(state.CurrentDesign.RoadHeight, 2000);
    EXPECT_EQ(state.CurrentDesign.DistFromKerb, 3000);
    for (int kind = 1; kind <= 4; ++kind) {
        EXPECT_EQ(state.SupportDesigns[static_cast<size_t>(kind)].RoadSpeed, 70);
        EXPECT_EQ(state.SupportDesigns[static_cast<size_t>(kind)].AADT, 6001);
    }
}

} // namespace
