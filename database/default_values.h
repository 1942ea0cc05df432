#pragma once
// The four values every new design starts from. They belong to the database
// file (one row of table DefaultValues) and are held here while it is open.

#include "engine/design_state.h"
#include "platform/sql.h"

#include <cstdint>

namespace database {

// 0 until the first file opens; a failed open leaves them as they were.
extern int16_t DefClearanceAboveRoadEdge;   // mm
extern int16_t DefDistanceFromCarriageway;  // mm
extern int16_t DefClearZoneSpeed;           // km/h
extern int16_t DefClearZoneAADT;            // traffic class by its lower bound: 0, 751, 1501, 6001

// The values of a new row.
inline constexpr int16_t NewClearanceAboveRoadEdge = 1500;
inline constexpr int16_t NewDistanceFromCarriageway = 1000;
inline constexpr int16_t NewClearZoneSpeed = 60;
inline constexpr int16_t NewClearZoneAADT = 0;

struct DefaultValueSet {
    int16_t clearanceAboveRoadEdge = NewClearanceAboveRoadEdge;
    int16_t distanceFromCarriageway = NewDistanceFromCarriageway;
    int16_t clearZoneSpeed = NewClearZoneSpeed;
    int16_t clearZoneAADT = NewClearZoneAADT;
    bool operator==(const DefaultValueSet &) const = default;
};

// Reads the first row of DefaultValues, adding the row 1500, 1000, 60, 0
// first when the table is empty. A value that is NULL, not a number or out
// of the 16-bit range reads as its new-row value.
platform::SqlStatus ReadDefaultValues(platform::SqlConnection &db, DefaultValueSet &values);
// Writes the first row (adding it when the table is empty); further rows stay.
platform::SqlStatus WriteDefaultValues(platform::SqlConnection &db, const DefaultValueSet &values);

// Sets the four globals, as an open does with the values it read.
void HoldDefaultValues(const DefaultValueSet &values);

// On the current database: the globals from the first row, and back.
// Fail with SqliteMisuse when no database is open.
platform::SqlStatus LoadDefaultValues();
platform::SqlStatus SaveDefaultValues();

// The four globals as the engine takes them (ResetDesignData).
engine::DefaultValues CurrentDefaultValues();

} // namespace database
