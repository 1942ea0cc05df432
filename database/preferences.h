#pragma once
// The stiffener limits that start-up reads from table Preferences.

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

} // namespace database
