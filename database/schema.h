#pragma once
// The format of the database file: eight tables, the primary keys, the four
// cascading relations and the schema versions with their build and upgrade
// steps.
//
// Versions: 0 has the six base tables and no table Version; 1 adds tables
// Version and DefaultValues and exactly the four relations; 2 adds column
// Notes of LocDesData. A version above 2 is left alone.
//
// The steps below run on a connection inside the caller's transaction, with
// foreign keys switched off (SQLite adds relations by rebuilding the tables,
// and dropping a table with foreign keys on would fire its cascades); the
// caller checks the relations (CheckForeignKeys) before it commits.

#include "platform/sql.h"

#include <QString>
#include <QStringList>
#include <vector>

namespace database {

inline constexpr int CurrentSchemaVersion = 2;

enum class ColumnType {
    Text,     // VARCHAR(size): no empty text, at most size characters, case-insensitive
    Integer,  // INTEGER, 16-bit values by convention
    Long,     // INTEGER, 32-bit values by convention
    Single,   // REAL
    Memo,     // TEXT, empty text allowed
};

struct ColumnDef {
    const char *name;
    ColumnType type;
    int size = 0;          // Text only
    int fromVersion = 0;   // the schema version that added the column
};

struct RelationDef {
    const char *name;          // named after the foreign (child) table
    const char *parentTable;
    QStringList columns;       // equally named on both sides
};

struct TableDef {
    const char *name;
    const char *primaryKeyName;   // empty for Version and DefaultValues
    QStringList primaryKey;
    std::vector<ColumnDef> columns;
    int fromVersion = 0;
};

// The eight tables in the order a new file receives them: SignDesData,
// SupDesData, JOBS, LocDesData, Preferences, PrintRecord, Version, DefaultValues.
const std::vector<TableDef> &SchemaTables();
const TableDef *FindTable(const QString &name);
// The four relations: LocDesData, SupDesData, SignDesData, PrintRecord.
const std::vector<RelationDef> &SchemaRelations();

// The CREATE TABLE statement of a table as it stands at a schema version,
// with or without the relations in which it is the foreign table.
QString CreateTableSql(const TableDef &table, int version, bool withRelations);

// Column "Schema Version" of table Version.
inline constexpr const char *SchemaVersionColumn = "Schema Version";

// The schema version of a file: 0 without table Version; the first row's
// value otherwise. A missing row or a value that is not a number reads as 1,
// so that the version-2 step (which adds only what is missing) runs again.
platform::SqlStatus ReadSchemaVersion(platform::SqlConnection &db, int &version);

// Steps of the build and upgrade.
// The six base tables (of version 1: without Notes), with or without the
// four relations.
platform::SqlStatus CreateDatabaseTables(platform::SqlConnection &db, bool withRelations = false);
platform::SqlStatus CreateVersionTable(platform::SqlConnection &db);
platform::SqlStatus CreateDefaultValuesTable(platform::SqlConnection &db);
// Replaces every relation of the six base tables by the four relations.
platform::SqlStatus CreateRelations(platform::SqlConnection &db);
platform::SqlStatus UpgradeSchemaToVersion1(platform::SqlConnection &db);
platform::SqlStatus UpgradeSchemaToVersion2(platform::SqlConnection &db);

// The whole road from whatever the file holds to the current version: base
// tables for a file without tables, then version 1, then version 2, and the
// Version row set to 2. A file at version 2 or above is not changed.
// *changed (when given) tells whether tables were created or upgraded, and so
// whether the relations need checking before commit.
platform::SqlStatus BringSchemaUpToDate(platform::SqlConnection &db, bool *changed = nullptr);

// Fails (SqliteConstraint) when any row breaks a relation.
platform::SqlStatus CheckForeignKeys(platform::SqlConnection &db);

} // namespace database
