#include "database/default_values.h"

#include "database/database_file.h"
#include "database/stored_values.h"

namespace database {

using platform::SqlConnection;
using platform::SqlRow;
using platform::SqlRows;
using platform::SqlStatus;

int16_t DefClearanceAboveRoadEdge = 0;
int16_t DefDistanceFromCarriageway = 0;
int16_t DefClearZoneSpeed = 0;
int16_t DefClearZoneAADT = 0;

namespace {

const QString selectFirstRow = QStringLiteral(
    "SELECT rowid, ClearanceAboveRoadEdge, DistanceFromCarriageway, ClearZoneSpeed, ClearZoneAADT "
    "FROM DefaultValues ORDER BY rowid LIMIT 1");

} // namespace

SqlStatus ReadDefaultValues(SqlConnection &db, DefaultValueSet &values)
{
    SqlRows rows;
    SqlStatus s = db.select(selectFirstRow, {}, rows);
    if (!s.ok())
        return s;
    const DefaultValueSet fresh;
    if (rows.empty()) {
        s = WriteDefaultValues(db, fresh);
        values = fresh;
        return s;
    }
    const SqlRow &r = rows.front();
    values.clearanceAboveRoadEdge = StoredInt16(r[1]).value_or(fresh.clearanceAboveRoadEdge);
    values.distanceFromCarriageway = StoredInt16(r[2]).value_or(fresh.distanceFromCarriageway);
    values.clearZoneSpeed = StoredInt16(r[3]).value_or(fresh.clearZoneSpeed);
    values.clearZoneAADT = StoredInt16(r[4]).value_or(fresh.clearZoneAADT);
    return {};
}

SqlStatus WriteDefaultValues(SqlConnection &db, const DefaultValueSet &values)
{
    SqlRows rows;
    SqlStatus s = db.select(selectFirstRow, {}, rows);
    if (!s.ok())
        return s;
    const QVariantList params{values.clearanceAboveRoadEdge, values.distanceFromCarriageway, values.clearZoneSpeed,
                              values.clearZoneAADT};
    if (rows.empty())
        return db.exec(QStringLiteral("INSERT INTO DefaultValues (ClearanceAboveRoadEdge, DistanceFromCarriageway, "
                                      "ClearZoneSpeed, ClearZoneAADT) VALUES (?, ?, ?, ?)"),
                       params);
    return db.exec(QStringLiteral("UPDATE DefaultValues SET ClearanceAboveRoadEdge = ?, DistanceFromCarriageway = ?, "
                                  "ClearZoneSpeed = ?, ClearZoneAADT = ? WHERE rowid = ?"),
                   params + QVariantList{rows.front().front()});
}

void HoldDefaultValues(const DefaultValueSet &values)
{
    DefClearanceAboveRoadEdge = values.clearanceAboveRoadEdge;
    DefDistanceFromCarriageway = values.distanceFromCarriageway;
    DefClearZoneSpeed = values.clearZoneSpeed;
    DefClearZoneAADT = values.clearZoneAADT;
}

SqlStatus LoadDefaultValues()
{
    SqlConnection *db = CurrentDatabase();
    if (!db)
        return SqlStatus::failure(platform::SqliteMisuse, QStringLiteral("no database is open"));
    DefaultValueSet values;
    SqlStatus s = ReadDefaultValues(*db, values);
    if (s.ok())
        HoldDefaultValues(values);
    return s;
}

SqlStatus SaveDefaultValues()
{
    SqlConnection *db = CurrentDatabase();
    if (!db)
        return SqlStatus::failure(platform::SqliteMisuse, QStringLiteral("no database is open"));
    return WriteDefaultValues(*db, {DefClearanceAboveRoadEdge, DefDistanceFromCarriageway, DefClearZoneSpeed,
                                    DefClearZoneAADT});
}

engine::DefaultValues CurrentDefaultValues()
{
    engine::DefaultValues values;
    values.DefClearanceAboveRoadEdge = DefClearanceAboveRoadEdge;
    values.DefDistanceFromCarriageway = DefDistanceFromCarriageway;
    values.DefClearZoneSpeed = DefClearZoneSpeed;
    values.DefClearZoneAADT = DefClearZoneAADT;
    return values;
}

} // namespace database
