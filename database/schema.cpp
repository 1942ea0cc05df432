#include "database/schema.h"

namespace database {

using platform::SqlConnection;
using platform::SqlRow;
using platform::SqlRows;
using platform::SqlStatus;

namespace {

QString quoted(const QString &identifier)
{
    QString s = identifier;
    s.replace(QLatin1Char('"'), QStringLiteral("\"\""));
    return QLatin1Char('"') + s + QLatin1Char('"');
}

QString quotedList(const QStringList &names)
{
    QStringList q;
    for (const QString &n : names)
        q << quoted(n);
    return q.join(QStringLiteral(", "));
}

ColumnDef text(const char *name, int size) { return {name, ColumnType::Text, size, 0}; }
ColumnDef integer(const char *name) { return {name, ColumnType::Integer, 0, 0}; }
ColumnDef longInt(const char *name) { return {name, ColumnType::Long, 0, 0}; }

const QStringList designKey{QStringLiteral("Job_Code"), QStringLiteral("Job_Section"), QStringLiteral("Sign_Pos")};

std::vector<ColumnDef> keyColumns()
{
    return {text("Job_Code", 15), text("Job_Section", 15), text("Sign_Pos", 15)};
}

std::vector<TableDef> buildTables()
{
    std::vector<TableDef> tables;

    {
        TableDef t{"SignDesData", "SignDesDataIndex", designKey + QStringList{QStringLiteral("Sign_Code")}, keyColumns(), 0};
        t.columns.insert(t.columns.end(),
                         {text("Sign_Code", 10), text("Sign_Place", 2), integer("Sign_Width"), integer("Sign_Depth"),
                          integer("Sign_Clearance"), text("Legend_Class", 8), text("Legend_Colour", 15),
                          text("Bkgnd_Class", 8), text("Bkgnd_Colour", 15), integer("Num_Brackets"),
                          integer("Num_Stiffeners"), integer("Stiffener_Spacing")});
        tables.push_back(std::move(t));
    }
    {
        TableDef t{"SupDesData", "SupDesDataIndex", designKey, keyColumns(), 0};
        t.columns.insert(t.columns.end(),
                         {text("Sup_Name", 15), integer("Num_Posts"), integer("PNO"), integer("AOP"),
                          integer("Post_Spacing"), text("Spacing_Type", 8), integer("Kerb_Post"), integer("Post_2"),
                          integer("Post_3"), integer("Post_4"), integer("Stub_Length"), text("Post_Dimensions", 20),
                          text("Post_Wall_Thickness", 10), text("Post_Mat_Grade", 20), text("Slip_Base_Req", 1),
                          text("Norm_Footing_Dim", 10), integer("Norm_Footing_Dep"), text("Screw_Footing_Dim", 10),
                          integer("Screw_Footing_Dep"), integer("Stiffener_Type"), integer("No_Result_Code"),
                          integer("Warning_Code"), integer("Stiffener_Limit_1"), integer("Stiffener_Limit_2"),
                          integer("Stiffener_Limit_3"), integer("Stiffener_Limit_4"), integer("Stiffener_Limit_5"),
                          integer("Footing_Type"), integer("Overhang"), integer("Num_Struts"), integer("Strut_Spacing"),
                          integer("Num_Spreader_Plates"), integer("Clearance_Post1"), integer("Clearance_Post2"),
                          integer("Clearance_Post3"), integer("Clearance_Post4"), integer("Minimum_Clearance"),
                          longInt("Strut_Post_1"), longInt("Strut_Post_2"), longInt("Strut_Post_3"),
                          longInt("Strut_Post_4"), longInt("Strut_Stub_1"), longInt("Strut_Stub_2"),
                          longInt("Strut_Stub_3"), longInt("Strut_Stub_4"), longInt("Curved_Road"),
                          longInt("Curvature"), longInt("Road_Speed"), longInt("Barrier"), longInt("BarrierDistance"),
                          longInt("AADT")});
        tables.push_back(std::move(t));
    }
    tables.push_back(TableDef{"JOBS", "JOBSIndex", {QStringLiteral("Job_Code")}, {text("Job_Code", 15), text("Active", 1)}, 0});
    {
        TableDef t{"LocDesData", "LocDesDataIndex", designKey, keyColumns(), 0};
        t.columns.insert(t.columns.end(), {integer("Wind_Region"), integer("Exposed_Location"),
                                           integer("Collision_Risk"), integer("Soil_Type"),
                                           integer("Seg_Length_1"), integer("Seg_Delta_Height_1"),
                                           integer("Seg_Length_2"), integer("Seg_Delta_Height_2"),
                                           integer("Seg_Length_3"), integer("Seg_Delta_Height_3"),
                                           integer("Seg_Length_4"), integer("Seg_Delta_Height_4"),
                                           integer("Seg_Length_5"), integer("Seg_Delta_Height_5"),
                                           integer("Seg_Length_6"), integer("Seg_Delta_Height_6"),
                                           integer("Sign_On_Left"), integer("Dist_From_Kerb"),
                                           integer("RP_Seg_Length"), integer("RP_Seg_Delta_Height"),
                                           {"RP_Reduced_Level", ColumnType::Single, 0, 0}, integer("Road_Height"),
                                           longInt("Seg_Back_Length_1"), longInt("Seg_Back_Height_1"),
                                           longInt("Seg_Back_Length_2"), longInt("Seg_Back_Height_2"),
                                           longInt("Seg_Back_Length_3"), longInt("Seg_Back_Height_3"),
                                           longInt("Seg_Back_Length_4"), longInt("Seg_Back_Height_4"),
                                           longInt("Seg_Back_Length_5"), longInt("Seg_Back_Height_5"),
                                           longInt("Seg_Back_Length_6"), longInt("Seg_Back_Height_6"),
                                           integer("Support_Struts"), {"Notes", ColumnType::Memo, 0, 2}});
        tables.push_back(std::move(t));
    }
    tables.push_back(TableDef{"Preferences", "PreferencesIndex", {QStringLiteral("Name")},
                              {integer("Stiffener_Limit_1"), integer("Stiffener_Limit_2"), integer("Stiffener_Limit_3"),
                               integer("Stiffener_Limit_4"), integer("Stiffener_Limit_5"), text("Name", 30)},
                              0});
    {
        TableDef t{"PrintRecord", "PrintRecordIndex", designKey, keyColumns(), 0};
        t.columns.insert(t.columns.end(),
                         {text("DForm_Print_Status", 1), text("DForm_Date", 12), text("SForm_Print_Status", 1),
                          text("SForm_Date", 12), text("OFormSF_Print_Status", 1), text("OFormSF_ReqNo", 15),
                          text("OFormSF_Date", 12), text("OFormSP_Print_Status", 1), text("OFormSP_ReqNo", 15),
                          text("OFormSP_Date", 12), text("OFormFT_Print_Status", 1), text("OFormFT_ReqNo", 15),
                          text("OFormFT_Date", 12), integer("Selected"), integer("OFormSF_Sel"),
                          integer("OFormSP_Sel"), integer("OFormFT_Sel")});
        tables.push_back(std::move(t));
    }
    tables.push_back(TableDef{"Version", "", {}, {integer(SchemaVersionColumn)}, 1});
    tables.push_back(TableDef{"DefaultValues", "", {},
                              {integer("ClearanceAboveRoadEdge"), integer("DistanceFromCarriageway"),
                               integer("ClearZoneSpeed"), integer("ClearZoneAADT")},
                              1});
    return tables;
}

// The base tables: the six of version 0.
bool isBaseTable(const TableDef &t) { return t.fromVersion == 0; }

QString columnSql(const ColumnDef &c, bool inKey)
{
    const QString name = quoted(QString::fromLatin1(c.name));
    QString sql = name;
    switch (c.type) {
    case ColumnType::Text:
        sql += QStringLiteral(" VARCHAR(%1)").arg(c.size);
        if (inKey)
            sql += QStringLiteral(" NOT NULL");
        sql += QStringLiteral(" COLLATE NOCASE CHECK (length(%1) BETWEEN 1 AND %2)").arg(name).arg(c.size);
        break;
    case ColumnType::Integer:
    case ColumnType::Long:
        sql += QStringLiteral(" INTEGER");
        break;
    case ColumnType::Single:
        sql += QStringLiteral(" REAL");
        break;
    case ColumnType::Memo:
        sql += QStringLiteral(" TEXT");
        break;
    }
    return sql;
}

} // namespace

const std::vector<TableDef> &SchemaTables()
{
    static const std::vector<TableDef> tables = buildTables();
    return tables;
}

const TableDef *FindTable(const QString &name)
{
    for (const TableDef &t : SchemaTables())
        if (name.compare(QString::fromLatin1(t.name), Qt::CaseInsensitive) == 0)
            return &t;
    return nullptr;
}

const std::vector<RelationDef> &SchemaRelations()
{
    static const std::vector<RelationDef> relations{
        {"LocDesData", "JOBS", {QStringLiteral("Job_Code")}},
        {"SupDesData", "LocDesData", designKey},
        {"SignDesData", "SupDesData", designKey},
        {"PrintRecord", "SupDesData", designKey},
    };
    return relations;
}

namespace {

QString createTableSqlNamed(const TableDef &table, const QString &name, int version, bool withRelations)
{
    QStringList parts;
    for (const ColumnDef &c : table.columns)
        if (c.fromVersion <= version)
            parts << columnSql(c, table.primaryKey.contains(QString::fromLatin1(c.name)));
    if (!table.primaryKey.isEmpty())
        parts << QStringLiteral("CONSTRAINT %1 PRIMARY KEY (%2)")
                     .arg(quoted(QString::fromLatin1(table.primaryKeyName)), quotedList(table.primaryKey));
    if (withRelations) {
        for (const RelationDef &r : SchemaRelations()) {
            if (QLatin1String(r.name) != QLatin1String(table.name))
                continue;
            parts << QStringLiteral("CONSTRAINT %1 FOREIGN KEY (%2) REFERENCES %3 (%2) ON UPDATE CASCADE ON DELETE CASCADE")
                         .arg(quoted(QString::fromLatin1(r.name)), quotedList(r.columns),
                              quoted(QString::fromLatin1(r.parentTable)));
        }
    }
    return QStringLiteral("CREATE TABLE %1 (\n  %2\n)").arg(quoted(name), parts.join(QStringLiteral(",\n  ")));
}

} // namespace

QString CreateTableSql(const TableDef &table, int version, bool withRelations)
{
    return createTableSqlNamed(table, QString::fromLatin1(table.name), version, withRelations);
}

SqlStatus ReadSchemaVersion(SqlConnection &db, int &version)
{
    version = 0;
    if (!db.hasTable(QStringLiteral("Version")))
        return {};
    SqlRows rows;
    SqlStatus s = db.select(QStringLiteral("SELECT %1 FROM \"Version\" ORDER BY rowid LIMIT 1").arg(quoted(QString::fromLatin1(SchemaVersionColumn))),
                            {}, rows);
    if (!s.ok())
        return s;
    version = 1;
    if (rows.empty())
        return {};
    const QVariant &v = rows.front().front();
    bool numeric = false;
    const double d = v.isNull() ? 0.0 : v.toString().trimmed().toDouble(&numeric);
    if (numeric && d >= 1.0 && d < 1.0e6)
        version = static_cast<int>(d);
    return {};
}

SqlStatus CreateDatabaseTables(SqlConnection &db, bool withRelations)
{
    for (const TableDef &t : SchemaTables()) {
        if (!isBaseTable(t))
            continue;
        SqlStatus s = db.exec(CreateTableSql(t, 1, withRelations));
        if (!s.ok())
            return s;
    }
    return {};
}

SqlStatus CreateVersionTable(SqlConnection &db)
{
    return db.exec(CreateTableSql(*FindTable(QStringLiteral("Version")), 1, false));
}

SqlStatus CreateDefaultValuesTable(SqlConnection &db)
{
    return db.exec(CreateTableSql(*FindTable(QStringLiteral("DefaultValues")), 1, false));
}

SqlStatus CreateRelations(SqlConnection &db)
{
    // SQLite keeps a table's relations in its definition, so every base table
    // is rebuilt: whatever relations (and extra indexes) it had are dropped,
    // and the child tables receive the four relations. Rows are copied by
    // column name. Parents come first so the relations name existing tables.
    static const char *const order[] = {"JOBS", "LocDesData", "SupDesData", "SignDesData", "PrintRecord", "Preferences"};
    for (const char *name : order) {
        const TableDef &t = *FindTable(QString::fromLatin1(name));
        const QString table = QString::fromLatin1(t.name);
        const QString scratch = table + QStringLiteral("_rebuild");
        const QStringList existing = db.columnNames(table);
        QStringList columns;
        for (const ColumnDef &c : t.columns) {
            // Columns of a later version than 1 are added by their own step;
            // they are kept when the file already has them.
            const QString column = QString::fromLatin1(c.name);
            if (c.fromVersion <= 1 || existing.contains(column, Qt::CaseInsensitive))
                columns << column;
        }
        const int version = static_cast<size_t>(columns.size()) == t.columns.size() ? CurrentSchemaVersion : 1;
        SqlStatus s = db.exec(createTableSqlNamed(t, scratch, version, true));
        if (s.ok())
            s = db.exec(QStringLiteral("INSERT INTO %1 (%2) SELECT %2 FROM %3")
                            .arg(quoted(scratch), quotedList(columns), quoted(table)));
        if (s.ok())
            s = db.exec(QStringLiteral("DROP TABLE %1").arg(quoted(table)));
        if (s.ok())
            s = db.exec(QStringLiteral("ALTER TABLE %1 RENAME TO %2").arg(quoted(scratch), quoted(table)));
        if (!s.ok())
            return s;
    }
    return {};
}

SqlStatus UpgradeSchemaToVersion1(SqlConnection &db)
{
    SqlStatus s;
    if (!db.hasTable(QStringLiteral("Version")))
        s = CreateVersionTable(db);
    if (s.ok() && !db.hasTable(QStringLiteral("DefaultValues")))
        s = CreateDefaultValuesTable(db);
    if (s.ok())
        s = CreateRelations(db);
    return s;
}

SqlStatus UpgradeSchemaToVersion2(SqlConnection &db)
{
    if (db.columnNames(QStringLiteral("LocDesData")).contains(QStringLiteral("Notes"), Qt::CaseInsensitive))
        return {};
    return db.exec(QStringLiteral("ALTER TABLE \"LocDesData\" ADD COLUMN \"Notes\" TEXT"));
}

SqlStatus BringSchemaUpToDate(SqlConnection &db, bool *changed)
{
    if (changed)
        *changed = false;
    SqlRows rows;
    SqlStatus s = db.select(QStringLiteral("SELECT count(*) FROM sqlite_master WHERE type = 'table'"), {}, rows);
    if (!s.ok())
        return s;
    const bool empty = rows.front().front().toInt() == 0;
    int version = 0;
    if (empty) {
        // A new file takes the road of a version-0 file, except that its
        // tables receive their relations when they are made, which spares
        // rebuilding them and keeps them in their listed order.
        s = CreateDatabaseTables(db, true);
        if (s.ok())
            s = CreateVersionTable(db);
        if (s.ok())
            s = CreateDefaultValuesTable(db);
        if (!s.ok())
            return s;
        version = 1;
    } else {
        s = ReadSchemaVersion(db, version);
        if (!s.ok())
            return s;
    }
    if (version >= CurrentSchemaVersion) {
        // A row that says 2 or more is left as it is.
        return {};
    }
    if (changed)
        *changed = true;
    if (version == 0) {
        s = UpgradeSchemaToVersion1(db);
        if (!s.ok())
            return s;
    }
    s = UpgradeSchemaToVersion2(db);
    if (!s.ok())
        return s;
    // One row, "Schema Version" = 2, whatever the table held before.
    rows.clear();
    s = db.select(QStringLiteral("SELECT rowid FROM \"Version\" ORDER BY rowid LIMIT 1"), {}, rows);
    if (!s.ok())
        return s;
    const QString column = quoted(QString::fromLatin1(SchemaVersionColumn));
    if (rows.empty())
        return db.exec(QStringLiteral("INSERT INTO \"Version\" (%1) VALUES (?)").arg(column), {CurrentSchemaVersion});
    return db.exec(QStringLiteral("UPDATE \"Version\" SET %1 = ? WHERE rowid = ?").arg(column),
                   {CurrentSchemaVersion, rows.front().front()});
}

SqlStatus CheckForeignKeys(SqlConnection &db)
{
    SqlRows rows;
    SqlStatus s = db.select(QStringLiteral("PRAGMA foreign_key_check"), {}, rows);
    if (!s.ok())
        return s;
    if (rows.empty())
        return {};
    const SqlRow &r = rows.front();
    return SqlStatus::failure(platform::SqliteConstraint,
                              QStringLiteral("FOREIGN KEY constraint failed: a row of %1 has no row in %2 (%3 such rows)")
                                  .arg(r.at(0).toString(), r.at(2).toString())
                                  .arg(rows.size()));
}

} // namespace database
