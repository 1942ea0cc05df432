#pragma once
// The stiffener limits kept in table Preferences: start-up reads them, the
// stiffener spacing dialog reads and writes the custom set.

#include "platform/sql.h"

#include <array>
#include <cstdint>
#include <optional>

namespace database {

// The first five columns, by position, of the first row of Preferences in
// primary-key order, as 32-bit whole numbers. None when there is no row, no
// table, or any of the five is NULL, not a number or out of range; the
// caller then uses its fallback limits. Nothing is written to the table.
std::optional<std::array<int32_t, 5>> ReadStiffenerLimits(platform::SqlConnection &db);

// The same on the current database; none when no database is open.
std::optional<std::array<int32_t, 5>> ReadStiffenerLimits();

// The custom set as stored: whether there is a row at all, and each of its
// first five columns that reads as a 16-bit whole number (the columns are
// 16-bit integers; anything else another program left there reads as none).
struct StoredStiffenerLimits {
    bool hasRow = false;
    std::array<std::optional<int16_t>, 5> values{};
};

// Reads the first row as ReadStiffenerLimits does, telling "no row" from a
// row with unreadable values. A failed query is returned and `limits` is left
// as it was.
platform::SqlStatus ReadStoredStiffenerLimits(platform::SqlConnection &db, StoredStiffenerLimits &limits);

// The name of the custom set's row.
inline constexpr const char *CustomStiffenerLimitsName = "Stiffener Limits";

// Writes five whole numbers into the first row in the order the readers use
// (adding the row when the table is empty) and names it "Stiffener Limits",
// in one transaction: on failure the table is as it was.
platform::SqlStatus WriteStiffenerLimits(platform::SqlConnection &db, const std::array<int16_t, 5> &limits);

} // namespace database
