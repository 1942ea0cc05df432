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
// one text. Parents and children are padded alike, so relations hold. Where
// padding would make two stored keys one, the file is left as it was.
struct KeyPadding {
    QString table;
    QString sets;       // each key column padded
    QString condition;  // some key column is short
};

std::vector<KeyPadding> keyPaddings()
{
    static const char *const keyParts[] = {"Job_Code", "Job_Section", "Sign_Pos"};
    const QString blanks(DesignKeyLength, QLatin1Char(' '));
    std::vector<KeyPadding> paddings;
    for (const TableDef &t : SchemaTables()) {
        QStringList sets, shortParts;
        for (const ColumnDef &c : t.columns) {
            for (const char *part : keyParts) {
                if (qstrcmp(c.name, part) != 0)
                    continue;
                const QString column = QStringLiteral("\"%1\"").arg(QLatin1String(part));
                sets << QStringLiteral("%1 = %1 || substr('%2', 1, %3 - length(%1))")
                            .arg(column, blanks)
                            .arg(DesignKeyLength);
                shortParts << QStringLiteral("length(%1) < %2").arg(column).arg(DesignKeyLength);
            }
        }
        if (!sets.isEmpty())
            paddings.push_back({QStringLiteral("\"%1\"").arg(QLatin1String(t.name)), sets.join(QStringLiteral(", ")),
                                shortParts.join(QStringLiteral(" OR "))});
    }
    return paddings;
}

SqlStatus padStoredKeys(SqlConnection &db)
{
    static const std::vector<KeyPadding> paddings = keyPaddings();
    // Every design row's key is that of a row of JOBS and of LocDesData (the
    // relations hold once the schema is current), so when those two hold no
    // short key, no table does; a large file is then not read through.
    bool anyShort = false;
    for (const KeyPadding &p : paddings) {
        if (p.table != QLatin1String("\"JOBS\"") && p.table != QLatin1String("\"LocDesData\""))
            continue;
        platform::SqlRows rows;
        SqlStatus s = db.select(QStringLiteral("SELECT 1 FROM %1 WHERE %2 LIMIT 1").arg(p.table, p.condition), {}, rows);
        if (!s.ok())
            return s;
        anyShort = anyShort || !rows.empty();
    }
    if (!anyShort)
        return {};

    SqlStatus s = db.exec(QStringLiteral("SAVEPOINT pad_keys"));
    if (!s.ok())
        return s;
    for (const KeyPadding &p : paddings) {
        s = db.exec(QStringLiteral("UPDATE %1 SET %2 WHERE %3").arg(p.table, p.sets, p.condition));
        if (!s.ok())
            break;
    }
    if (!s.ok() && s.code() == platform::SqliteConstraint)
        s = db.exec(QStringLiteral("ROLLBACK TO pad_keys"));
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
