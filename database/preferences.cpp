#include "database/preferences.h"

#include "database/database_file.h"
#include "database/stored_values.h"

namespace database {

std::optional<std::array<int32_t, 5>> ReadStiffenerLimits(platform::SqlConnection &db)
{
    if (!db.hasTable(QStringLiteral("Preferences")))
        return std::nullopt;
    platform::SqlRows rows;
    // SELECT * so that the limits are taken by position, as stored.
    if (!db.select(QStringLiteral("SELECT * FROM Preferences ORDER BY Name LIMIT 1"), {}, rows).ok() || rows.empty())
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

} // namespace database
