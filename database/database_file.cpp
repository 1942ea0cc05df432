#include "database/database_file.h"

#include "database/default_values.h"
#include "database/design_key.h"
#include "database/schema.h"
#include "platform/services.h"

#include <QCoreApplication>
#include <QDir>
#include <QFile>
#include <QFileInfo>
#include <QStandardPaths>
#include <memory>
#include <vector>

namespace database {

using platform::SqlConnection;
using platform::SqlStatus;

QString CurrentDatabasePath;

namespace {

std::unique_ptr<SqlConnection> currentConnection;

// How long a statement waits for a lock held by another program before the
// open or the compaction gives up and reports it.
constexpr int busyTimeoutMs = 250;

const QLatin1String defaultFileName("orlen.mdb");

// Removes a file this attempt created, with SQLite's journal beside it.
void removeCreatedFile(const QString &path)
{
    QFile::remove(path);
    QFile::remove(path + QStringLiteral("-journal"));
}

// Keys are matched exactly, blank-padded to 15 characters. Files written
// while the padding counted bytes or UTF-16 units, or by another program, can
// hold key parts with fewer trailing blanks; padding them here keeps a key
// typed again finding its design, and its rows, relations and new rows under
// one text.
//
// Two stored keys that differ only in trailing blanks (and letter case, as
// the key columns compare) would become one when padded: "J1" and "J1 " of
// two clients. Those, and only those, are left as they are; every other key
// is padded. The clashing keys are gathered from all tables before any row
// changes, and the decision is made per key, not per row: a job code is
// padded in all five tables or in none, a design's section and sign position
// in all four of its tables or in none (none when its job code clashes), so
// parents and children keep matching and no two rows of a table can meet
// under one key.
struct KeyPaddingPlan {
    QStringList shortKeyChecks;  // JOBS and LocDesData: is some key part short?
    QStringList gather;          // fill the two scratch tables of clashing keys
    QStringList updates;         // pad each table
    QStringList cleanUp;         // drop the scratch tables
};

const QLatin1String clashingJobs("temp.\"KeyPaddingClashingJobs\"");
const QLatin1String clashingDesigns("temp.\"KeyPaddingClashingDesigns\"");

// A key column padded to the key length.
QString paddedColumn(const QString &column)
{
    return QStringLiteral("%1 || substr('%2', 1, %3 - length(%1))")
        .arg(column, QString(DesignKeyLength, QLatin1Char(' ')))
        .arg(DesignKeyLength);
}

QString trimmedList(const QStringList &columns, bool collated)
{
    QStringList parts;
    for (const QString &c : columns)
        parts << (collated ? QStringLiteral("rtrim(%1) COLLATE NOCASE") : QStringLiteral("rtrim(%1)")).arg(c);
    return parts.join(QStringLiteral(", "));
}

// Fills `scratch` with the trimmed form of every key (the `columns` of all
// `tables`) that some other stored key shares: padding would merge them.
// UNION keeps each stored key once, compared as the key columns compare.
QString gatherClashes(const QString &scratch, const QStringList &columns, const QStringList &tables)
{
    QStringList selects;
    for (const QString &t : tables)
        selects << QStringLiteral("SELECT %1 FROM %2").arg(columns.join(QStringLiteral(", ")), t);
    return QStringLiteral("INSERT INTO %1 SELECT %2 FROM (%3) GROUP BY %4 HAVING count(*) > 1")
        .arg(scratch, trimmedList(columns, false), selects.join(QStringLiteral(" UNION ")), trimmedList(columns, true));
}

// True for a row whose key is among the clashing keys in `scratch`.
QString clashes(const QString &scratch, const QStringList &columns)
{
    const QString row = trimmedList(columns, true);
    return QStringLiteral("%1 IN (SELECT * FROM %2)")
        .arg(columns.size() == 1 ? row : QStringLiteral("(%1)").arg(row), scratch);
}

KeyPaddingPlan keyPaddingPlan()
{
    const QString job = QStringLiteral("\"Job_Code\"");
    const QStringList designParts{QStringLiteral("\"Job_Section\""), QStringLiteral("\"Sign_Pos\"")};
    const QStringList designKey = QStringList{job} + designParts;
    QStringList jobTables;
    QStringList designTables;
    for (const TableDef &t : SchemaTables()) {
        const QString table = QStringLiteral("\"%1\"").arg(QLatin1String(t.name));
        for (const ColumnDef &c : t.columns) {
            if (qstrcmp(c.name, "Job_Code") == 0)
                jobTables << table;
            if (qstrcmp(c.name, "Sign_Pos") == 0)
                designTables << table;
        }
    }

    KeyPaddingPlan plan;
    plan.gather << QStringLiteral("CREATE TEMP TABLE %1 (\"Job_Code\" TEXT COLLATE NOCASE)").arg(clashingJobs)
                << QStringLiteral("CREATE TEMP TABLE %1 (\"Job_Code\" TEXT COLLATE NOCASE, \"Job_Section\" TEXT "
                                  "COLLATE NOCASE, \"Sign_Pos\" TEXT COLLATE NOCASE)")
                       .arg(clashingDesigns)
                << gatherClashes(clashingJobs, {job}, jobTables)
                << gatherClashes(clashingDesigns, designKey, designTables);
    plan.cleanUp << QStringLiteral("DROP TABLE IF EXISTS %1").arg(clashingJobs)
                 << QStringLiteral("DROP TABLE IF EXISTS %1").arg(clashingDesigns);

    const QString jobClash = clashes(clashingJobs, {job});
    const QString designClash = QStringLiteral("%1 OR %2").arg(jobClash, clashes(clashingDesigns, designKey));
    const auto padUnless = [](const QString &column, const QString &clash) {
        return QStringLiteral("%1 = CASE WHEN %2 THEN %1 ELSE %3 END").arg(column, clash, paddedColumn(column));
    };
    const auto isShort = [](const QString &column) {
        return QStringLiteral("length(%1) < %2").arg(column).arg(DesignKeyLength);
    };
    for (const QString &table : jobTables) {
        QStringList sets{padUnless(job, jobClash)};
        QStringList shortParts{isShort(job)};
        if (designTables.contains(table)) {
            for (const QString &part : designParts) {
                sets << padUnless(part, designClash);
                shortParts << isShort(part);
            }
        }
        const QString condition = shortParts.join(QStringLiteral(" OR "));
        plan.updates << QStringLiteral("UPDATE %1 SET %2 WHERE %3")
                            .arg(table, sets.join(QStringLiteral(", ")), condition);
        if (table == QLatin1String("\"JOBS\"") || table == QLatin1String("\"LocDesData\""))
            plan.shortKeyChecks << QStringLiteral("SELECT 1 FROM %1 WHERE %2 LIMIT 1").arg(table, condition);
    }
    return plan;
}

SqlStatus padStoredKeys(SqlConnection &db)
{
    static const KeyPaddingPlan plan = keyPaddingPlan();
    // Every design row's key is that of a row of JOBS and of LocDesData (the
    // relations hold once the schema is current), so when those two hold no
    // short key, no table does; a large file is then not read through.
    bool anyShort = false;
    for (const QString &check : plan.shortKeyChecks) {
        platform::SqlRows rows;
        SqlStatus s = db.select(check, {}, rows);
        if (!s.ok())
            return s;
        anyShort = anyShort || !rows.empty();
    }
    if (!anyShort)
        return {};

    SqlStatus s = db.exec(QStringLiteral("SAVEPOINT pad_keys"));
    if (!s.ok())
        return s;
    for (const QString &sql : plan.gather + plan.updates) {
        s = db.exec(sql);
        if (!s.ok())
            break;
    }
    // Clashing keys are left out, so no padded key can meet another; should
    // a file still hold two that do, the keys stay as they were.
    if (!s.ok() && s.code() == platform::SqliteConstraint)
        s = db.exec(QStringLiteral("ROLLBACK TO pad_keys"));
    for (const QString &sql : plan.cleanUp) {
        if (s.ok())
            s = db.exec(sql);
    }
    const SqlStatus released = db.exec(QStringLiteral("RELEASE pad_keys"));
    return s.ok() ? released : s;
}

// Everything an open does on the file, in one transaction: build or upgrade
// the schema, pad stored keys, read (and if needed add) the default values,
// check relations.
SqlStatus prepareFile(SqlConnection &db, DefaultValueSet &values)
{
    // Foreign keys cannot be switched inside a transaction, and must be off
    // while tables are rebuilt; they are switched on again below.
    SqlStatus s = db.exec(QStringLiteral("PRAGMA foreign_keys = OFF"));
    if (!s.ok())
        return s;
    {
        // IMMEDIATE takes the write lock now, so a file that another program
        // holds locked, or that cannot be written, is refused here.
        platform::SqlTransaction transaction(db, platform::SqlTransaction::Kind::Immediate);
        s = transaction.status();
        bool schemaChanged = false;
        if (s.ok())
            s = BringSchemaUpToDate(db, &schemaChanged);
        if (s.ok())
            s = padStoredKeys(db);
        if (s.ok())
            s = ReadDefaultValues(db, values);
        // Rows can break the relations only where tables were just rebuilt
        // with foreign keys off; a file already current was written with them
        // on, and checking it whole would slow every open of a large file.
        if (s.ok() && schemaChanged)
            s = CheckForeignKeys(db);
        if (s.ok())
            s = transaction.commit();
        if (!s.ok())
            return s;
    }
    return db.enforceForeignKeys();
}

} // namespace

SqlConnection *CurrentDatabase()
{
    return currentConnection.get();
}

QString DefaultDatabasePath()
{
    const QString programFolder = QCoreApplication::applicationDirPath();
    const QFileInfo folder(programFolder);
    if (!programFolder.isEmpty() && folder.isDir() && folder.isWritable())
        return QDir(programFolder).filePath(defaultFileName);
    const QString dataFolder = QStandardPaths::writableLocation(QStandardPaths::AppDataLocation);
    QDir().mkpath(dataFolder);
    return QDir(dataFolder).filePath(defaultFileName);
}

QString OpenErrorMessage(const SqlStatus &status)
{
    return QStringLiteral("Error during open : ") + QString::number(status.code()) + QStringLiteral("\r\r") +
           status.text();
}

bool OpenCurrentDatabase()
{
    CloseCurrentDatabase();

    const QString path = CurrentDatabasePath;
    SqlStatus status;
    std::unique_ptr<SqlConnection> db;
    bool created = false;
    if (path.trimmed().isEmpty()) {
        // SQLite would open a private temporary database for an empty name.
        status = SqlStatus::failure(platform::SqliteCantOpen, QStringLiteral("unable to open database file"));
    } else if (QFileInfo::exists(path)) {
        db = SqlConnection::open(path, SqlConnection::OpenMode::OpenExisting, status, busyTimeoutMs);
    } else {
        db = SqlConnection::open(path, SqlConnection::OpenMode::CreateOrOpen, status, busyTimeoutMs);
        created = true;
    }

    DefaultValueSet values;
    if (db)
        status = prepareFile(*db, values);

    if (!status.ok()) {
        db.reset();
        if (created)
            removeCreatedFile(path);
        platform::showMessage(OpenErrorMessage(status), QString());
        return false;
    }

    currentConnection = std::move(db);
    HoldDefaultValues(values);
    return true;
}

SqlStatus CompactCurrentDatabase()
{
    if (!currentConnection)
        return SqlStatus::failure(platform::SqliteMisuse, QStringLiteral("no database is open"));
    // SQLite rebuilds the file in place through its rollback journal: the
    // original pages stay recoverable until the compacted copy is complete,
    // a failure leaves the file as it was, and no scratch file remains.
    SqlStatus s = currentConnection->exec(QStringLiteral("VACUUM"));
    currentConnection.reset();
    return s;
}

void CloseCurrentDatabase()
{
    currentConnection.reset();
}

} // namespace database
