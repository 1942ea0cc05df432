#include "database/preferences.h"

#include "database/database_file.h"
#include "database/stored_values.h"

namespace database {

namespace {

// SELECT * so that the limits are taken by position, as stored; the first
// row in primary-key order is the one every reader and the writer use.
const QString selectFirstRow = QStringLiteral("SELECT * FROM Preferences ORDER BY Name LIMIT 1");

} // namespace

std::optional<std::array<int32_t, 5>> ReadStiffenerLimits(platform::SqlConnection &db)
{
    if (!db.hasTable(QStringLiteral("Preferences")))
        return std::nullopt;
    platform::SqlRows rows;
    if (!db.select(selectFirstRow, {}, rows).ok() || rows.empty())
        return std::nullopt;
    const platform::SqlRow &row = rows.front();
    if (row.size() < 5)
        return std::nullopt;
    std::array<int32_t, 5> limits{};
    for (size_t i = 0; i < limits.size(); ++i) {
        const std::optional<int32_t> v = StoredInt32(row[i]);
        if (!v)
            return std::nullopt;
        limits[i] = *v;
    }
    return limits;
}

std::optional<std::array<int32_t, 5>> ReadStiffenerLimits()
{
    platform::SqlConnection *db = CurrentDatabase();
    if (!db)
        return std::nullopt;
    return ReadStiffenerLimits(*db);
}

platform::SqlStatus ReadStoredStiffenerLimits(platform::SqlConnection &db, StoredStiffenerLimits &limits)
{
    platform::SqlRows rows;
    const platform::SqlStatus s = db.select(selectFirstRow, {}, rows);
    if (!s.ok())
        return s;
    StoredStiffenerLimits read;
    read.hasRow = !rows.empty();
    if (read.hasRow) {
        const platform::SqlRow &row = rows.front();
        for (size_t i = 0; i < read.values.size() && i < row.size(); ++i)
            read.values[i] = StoredInt16(row[i]);
    }
    limits = read;
    return {};
}

platform::SqlStatus WriteStiffenerLimits(platform::SqlConnection &db, const std::array<int16_t, 5> &limits)
{
    platform::SqlTransaction transaction(db, platform::SqlTransaction::Kind::Immediate);
    if (!transaction.status().ok())
        return transaction.status();
    platform::SqlRows rows;
    platform::SqlStatus s =
        db.select(QStringLiteral("SELECT Name FROM Preferences ORDER BY Name LIMIT 1"), {}, rows);
    if (!s.ok())
        return s;
    // Bound as int, so that each goes to SQLite as an integer.
    QVariantList params;
    for (const int16_t v : limits)
        params << QVariant(static_cast<int>(v));
    params << QString::fromLatin1(CustomStiffenerLimitsName);
    if (rows.empty()) {
        s = db.exec(QStringLiteral("INSERT INTO Preferences (Stiffener_Limit_1, Stiffener_Limit_2, Stiffener_Limit_3, "
                                   "Stiffener_Limit_4, Stiffener_Limit_5, Name) VALUES (?, ?, ?, ?, ?, ?)"),
                    params);
    } else {
        s = db.exec(QStringLiteral("UPDATE Preferences SET Stiffener_Limit_1 = ?, Stiffener_Limit_2 = ?, "
                                   "Stiffener_Limit_3 = ?, Stiffener_Limit_4 = ?, Stiffener_Limit_5 = ?, Name = ? "
                                   "WHERE Name = ?"),
                    params << rows.front().front());
    }
    if (!s.ok())
        return s;
    return transaction.commit();
}

} // namespace database
