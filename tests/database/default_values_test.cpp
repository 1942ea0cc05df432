// The default values of new designs kept in the file, and the stiffener
// limits read from table Preferences at start-up.

#include "db_test_support.h"

#include "database/default_values.h"
#include "database/preferences.h"

using namespace dbtest;
using platform::SqlRows;

namespace {

class DefaultValuesStore : public DatabaseFileTest {
protected:
    void SetUp() override
    {
        DatabaseFileTest::SetUp();
        createThroughProgram(path());
    }
    platform::SqlConnection &db() { return *database::CurrentDatabase(); }
    SqlRows defaultRows() { return rowsOf(db(), "SELECT * FROM DefaultValues ORDER BY rowid"); }
};

TEST_F(DefaultValuesStore, EmptyTableGetsTheFirstRowOnOpen)
{
    runSql(path(), {"DELETE FROM DefaultValues"});
    database::DefClearanceAboveRoadEdge = 1;
    ASSERT_TRUE(openCurrent(path()));
    EXPECT_EQ(defaultRows(), (SqlRows{{1500, 1000, 60, 0}}));
    EXPECT_EQ(database::DefClearanceAboveRoadEdge, 1500);
    EXPECT_EQ(database::DefDistanceFromCarriageway, 1000);
    EXPECT_EQ(database::DefClearZoneSpeed, 60);
    EXPECT_EQ(database::DefClearZoneAADT, 0);
}

TEST_F(DefaultValuesStore, SaveChangesOnlyTheFirstRowAndLoadReadsIt)
{
    runSql(path(), {"INSERT INTO DefaultValues VALUES (1, 2, 3, 4)"});
    ASSERT_TRUE(openCurrent(path()));
    database::DefClearanceAboveRoadEdge = 2100;
    database::DefDistanceFromCarriageway = 3000;
    database::DefClearZoneSpeed = 100;
    database::DefClearZoneAADT = 751;
    ASSERT_TRUE(database::SaveDefaultValues().ok());
    EXPECT_EQ(defaultRows(), (SqlRows{{2100, 3000, 100, 751}, {1, 2, 3, 4}}));

    database::DefClearZoneSpeed = 0;
    ASSERT_TRUE(database::LoadDefaultValues().ok());
    EXPECT_EQ(database::DefClearZoneSpeed, 100);

    // The engine takes the four values from here when it resets a design.
    const engine::DefaultValues v = database::CurrentDefaultValues();
    EXPECT_EQ(v.DefClearanceAboveRoadEdge, 2100);
    EXPECT_EQ(v.DefDistanceFromCarriageway, 3000);
    EXPECT_EQ(v.DefClearZoneSpeed, 100);
    EXPECT_EQ(v.DefClearZoneAADT, 751);
}

TEST_F(DefaultValuesStore, SaveIntoAnEmptyTableAddsTheRow)
{
    ASSERT_TRUE(openCurrent(path()));
    ASSERT_TRUE(db().exec("DELETE FROM DefaultValues").ok());
    database::DefClearanceAboveRoadEdge = 1700;
    ASSERT_TRUE(database::SaveDefaultValues().ok());
    EXPECT_EQ(defaultRows(), (SqlRows{{1700, 1000, 60, 0}}));
}

TEST_F(DefaultValuesStore, NullOrNonNumericValuesReadAsTheirDefaults)
{
    runSql(path(), {"UPDATE DefaultValues SET ClearanceAboveRoadEdge = NULL, DistanceFromCarriageway = 'far', "
                    "ClearZoneSpeed = ' 80 ', ClearZoneAADT = 99999"});
    ASSERT_TRUE(openCurrent(path()));
    EXPECT_TRUE(messages.calls.empty());
    EXPECT_EQ(database::DefClearanceAboveRoadEdge, 1500);
    EXPECT_EQ(database::DefDistanceFromCarriageway, 1000);
    EXPECT_EQ(database::DefClearZoneSpeed, 80);    // a number written as text is still a number
    EXPECT_EQ(database::DefClearZoneAADT, 0);      // beyond 16 bits
    // Reading leaves the row as it was.
    EXPECT_EQ(rowsOf(db(), "SELECT DistanceFromCarriageway FROM DefaultValues"), (SqlRows{{"far"}}));

    // Fractions round half to even, as any whole-number conversion here.
    ASSERT_TRUE(db().exec("UPDATE DefaultValues SET ClearZoneSpeed = 62.5, ClearanceAboveRoadEdge = 1501.5").ok());
    ASSERT_TRUE(database::LoadDefaultValues().ok());
    EXPECT_EQ(database::DefClearZoneSpeed, 62);
    EXPECT_EQ(database::DefClearanceAboveRoadEdge, 1502);
}

TEST_F(DefaultValuesStore, LoadAndSaveNeedAnOpenDatabase)
{
    EXPECT_EQ(database::LoadDefaultValues().code(), platform::SqliteMisuse);
    EXPECT_EQ(database::SaveDefaultValues().code(), platform::SqliteMisuse);
}

class StiffenerLimitsRead : public DefaultValuesStore {};

TEST_F(StiffenerLimitsRead, EmptyTableGivesNoLimitsAndAddsNoRow)
{
    ASSERT_TRUE(openCurrent(path()));
    EXPECT_FALSE(database::ReadStiffenerLimits().has_value());
    EXPECT_EQ(scalar(db(), "SELECT count(*) FROM Preferences").toInt(), 0);
}

TEST_F(StiffenerLimitsRead, FirstRowInKeyOrderIsReadByPosition)
{
    runSql(path(), {"INSERT INTO Preferences VALUES (10, 300, 500, 30, 110, 'Stiffener Limits')",
                    "INSERT INTO Preferences VALUES (5, 200, 400, 20, 90, 'Another Set')"});
    ASSERT_TRUE(openCurrent(path()));
    const auto limits = database::ReadStiffenerLimits();
    ASSERT_TRUE(limits.has_value());
    EXPECT_EQ(*limits, (std::array<int32_t, 5>{5, 200, 400, 20, 90}));
}

TEST_F(StiffenerLimitsRead, NullOrNonNumericLimitGivesNoLimits)
{
    runSql(path(), {"INSERT INTO Preferences VALUES (5, NULL, 400, 20, 90, 'Stiffener Limits')"});
    ASSERT_TRUE(openCurrent(path()));
    EXPECT_FALSE(database::ReadStiffenerLimits().has_value());
    ASSERT_TRUE(db().exec("UPDATE Preferences SET Stiffener_Limit_2 = 'wide'").ok());
    EXPECT_FALSE(database::ReadStiffenerLimits().has_value());
    ASSERT_TRUE(db().exec("UPDATE Preferences SET Stiffener_Limit_2 = '250'").ok());
    EXPECT_EQ(database::ReadStiffenerLimits(), (std::array<int32_t, 5>{5, 250, 400, 20, 90}));
    EXPECT_EQ(scalar(db(), "SELECT count(*) FROM Preferences").toInt(), 1);
}

TEST_F(StiffenerLimitsRead, MissingTableOrNoDatabaseGivesNoLimits)
{
    EXPECT_FALSE(database::ReadStiffenerLimits().has_value());
    runSql(path(), {"DROP TABLE Preferences"});
    auto c = outside(path());
    EXPECT_FALSE(database::ReadStiffenerLimits(*c).has_value());
}

} // namespace
