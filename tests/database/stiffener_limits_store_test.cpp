// The custom stiffener limits in table Preferences: the reader that tells
// "no row" from unreadable values, and the writer of whole numbers.

#include "db_test_support.h"

#include "database/preferences.h"

namespace {

using database::StoredStiffenerLimits;
using dbtest::rowsOf;

class StiffenerLimitsStoreTest : public dbtest::DatabaseFileTest {
protected:
    void SetUp() override
    {
        DatabaseFileTest::SetUp();
        ASSERT_TRUE(openCurrent(path()));
    }
    platform::SqlConnection &db() { return *database::CurrentDatabase(); }
    void exec(const QString &sql) { ASSERT_TRUE(db().exec(sql).ok()) << sql.toStdString(); }
};

TEST_F(StiffenerLimitsStoreTest, AnEmptyTableReadsAsNoRow)
{
    StoredStiffenerLimits read;
    read.hasRow = true;
    ASSERT_TRUE(database::ReadStoredStiffenerLimits(db(), read).ok());
    EXPECT_FALSE(read.hasRow);
    for (const auto &v : read.values)
        EXPECT_FALSE(v.has_value());
}

TEST_F(StiffenerLimitsStoreTest, EachUnreadableValueReadsAsNone)
{
    exec(QStringLiteral("INSERT INTO Preferences VALUES (5, ' 260 ', 'x', 40000, NULL, 'Stiffener Limits')"));
    StoredStiffenerLimits read;
    ASSERT_TRUE(database::ReadStoredStiffenerLimits(db(), read).ok());
    EXPECT_TRUE(read.hasRow);
    const std::array<std::optional<int16_t>, 5> expected{5, 260, std::nullopt, std::nullopt, std::nullopt};
    EXPECT_EQ(read.values, expected);
}

TEST_F(StiffenerLimitsStoreTest, TheFirstRowInNameOrderIsReadAndWritten)
{
    exec(QStringLiteral("INSERT INTO Preferences VALUES (9, 9, 9, 9, 9, 'Z set')"));
    exec(QStringLiteral("INSERT INTO Preferences VALUES (1, 2, 3, 4, 5, 'A set')"));
    StoredStiffenerLimits read;
    ASSERT_TRUE(database::ReadStoredStiffenerLimits(db(), read).ok());
    EXPECT_EQ(read.values[4], std::optional<int16_t>(5));

    ASSERT_TRUE(database::WriteStiffenerLimits(db(), {10, 300, 500, 30, 90}).ok());
    const platform::SqlRows rows =
        rowsOf(db(), QStringLiteral("SELECT Stiffener_Limit_1, Stiffener_Limit_5, Name FROM Preferences ORDER BY Name"));
    ASSERT_EQ(rows.size(), 2u);
    EXPECT_EQ(rows[0], (platform::SqlRow{10, 90, QStringLiteral("Stiffener Limits")}));
    EXPECT_EQ(rows[1], (platform::SqlRow{9, 9, QStringLiteral("Z set")}));
    ASSERT_TRUE(database::ReadStiffenerLimits().has_value());
    EXPECT_EQ(*database::ReadStiffenerLimits(), (std::array<int32_t, 5>{10, 300, 500, 30, 90}));
}

TEST_F(StiffenerLimitsStoreTest, WritesWholeNumbersNeverText)
{
    ASSERT_TRUE(database::WriteStiffenerLimits(db(), {5, 250, 450, 25, 32767}).ok());
    const platform::SqlRows types = rowsOf(
        db(), QStringLiteral("SELECT typeof(Stiffener_Limit_1), typeof(Stiffener_Limit_2), typeof(Stiffener_Limit_3), "
                             "typeof(Stiffener_Limit_4), typeof(Stiffener_Limit_5) FROM Preferences"));
    ASSERT_EQ(types.size(), 1u);
    for (const QVariant &t : types[0])
        EXPECT_EQ(t.toString(), QStringLiteral("integer"));
    EXPECT_EQ(dbtest::scalar(db(), QStringLiteral("SELECT Stiffener_Limit_5 FROM Preferences")).toInt(), 32767);
}

TEST_F(StiffenerLimitsStoreTest, AFailedWriteChangesNothing)
{
    exec(QStringLiteral("INSERT INTO Preferences VALUES (1, 2, 3, 4, 5, 'Stiffener Limits')"));
    // A second program holds the write lock.
    auto other = dbtest::outside(path());
    ASSERT_TRUE(other);
    ASSERT_TRUE(other->exec(QStringLiteral("BEGIN IMMEDIATE")).ok());
    const platform::SqlStatus s = database::WriteStiffenerLimits(db(), {10, 300, 500, 30, 90});
    EXPECT_FALSE(s.ok());
    EXPECT_FALSE(s.text().isEmpty());
    ASSERT_TRUE(other->exec(QStringLiteral("ROLLBACK")).ok());
    EXPECT_EQ(rowsOf(db(), QStringLiteral("SELECT * FROM Preferences")),
              (platform::SqlRows{{1, 2, 3, 4, 5, QStringLiteral("Stiffener Limits")}}));
}

} // namespace
