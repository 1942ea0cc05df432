#pragma once
// Shared set-up of the database tests: a temporary folder for the files, a
// recording message service, and helpers that look at a file as an outside
// client would (a separate connection, or the sqlite3 command-line tool).

#include "common/test_services.h"
#include "database/database_file.h"
#include "platform/sql.h"

#include <gtest/gtest.h>

#include <QCryptographicHash>
#include <QDir>
#include <QFile>
#include <QProcess>
#include <QTemporaryDir>
#include <memory>

namespace dbtest {

class DatabaseFileTest : public ::testing::Test {
protected:
    void SetUp() override
    {
        ASSERT_TRUE(dir.isValid());
        database::CloseCurrentDatabase();
        database::CurrentDatabasePath.clear();
    }
    void TearDown() override
    {
        database::CloseCurrentDatabase();
        database::CurrentDatabasePath.clear();
    }

    QString path(const QString &name = QStringLiteral("orlen.mdb")) const { return dir.filePath(name); }

    // Opens (creating) a file through the program and leaves it closed.
    void createThroughProgram(const QString &file)
    {
        database::CurrentDatabasePath = file;
        ASSERT_TRUE(database::OpenCurrentDatabase());
        database::CloseCurrentDatabase();
    }

    bool openCurrent(const QString &file)
    {
        database::CurrentDatabasePath = file;
        return database::OpenCurrentDatabase();
    }

    QTemporaryDir dir;
    testing_support::RecordingMessages messages;
};

// A second, independent connection to a file (another program's view).
inline std::unique_ptr<platform::SqlConnection> outside(
    const QString &file, platform::SqlConnection::OpenMode mode = platform::SqlConnection::OpenMode::OpenExisting)
{
    platform::SqlStatus status;
    auto c = platform::SqlConnection::open(file, mode, status);
    EXPECT_TRUE(status.ok()) << status.code() << " " << status.text().toStdString();
    return c;
}

// Runs plain SQL on a file through a raw connection with foreign keys as the
// file's author had them (off unless the SQL switches them on).
inline void runSql(const QString &file, const QStringList &statements)
{
    auto c = outside(file, platform::SqlConnection::OpenMode::CreateOrOpen);
    ASSERT_TRUE(c);
    ASSERT_TRUE(c->exec(QStringLiteral("PRAGMA foreign_keys = OFF")).ok());
    for (const QString &sql : statements) {
        platform::SqlStatus s = c->exec(sql);
        ASSERT_TRUE(s.ok()) << sql.toStdString() << ": " << s.text().toStdString();
    }
}

inline platform::SqlRows rowsOf(platform::SqlConnection &c, const QString &sql, const QVariantList &params = {})
{
    platform::SqlRows rows;
    platform::SqlStatus s = c.select(sql, params, rows);
    EXPECT_TRUE(s.ok()) << sql.toStdString() << ": " << s.text().toStdString();
    return rows;
}

inline QVariant scalar(platform::SqlConnection &c, const QString &sql, const QVariantList &params = {})
{
    platform::SqlRows rows = rowsOf(c, sql, params);
    return rows.empty() ? QVariant() : rows.front().front();
}

inline QByteArray fileHash(const QString &file)
{
    QFile f(file);
    if (!f.open(QIODevice::ReadOnly))
        return {};
    return QCryptographicHash::hash(f.readAll(), QCryptographicHash::Sha256);
}

// The files a folder holds, by name.
inline QStringList filesIn(const QString &folder)
{
    return QDir(folder).entryList(QDir::Files | QDir::Hidden | QDir::NoDotAndDotDot, QDir::Name);
}

// Output of the sqlite3 command-line client; exit code in *exitCode.
inline QString sqliteCli(const QString &file, const QString &sql, int *exitCode = nullptr)
{
    QProcess p;
    p.start(QStringLiteral("sqlite3"), {QStringLiteral("-batch"), file, sql});
    p.waitForFinished(30000);
    if (exitCode)
        *exitCode = p.exitStatus() == QProcess::NormalExit ? p.exitCode() : -1;
    return QString::fromUtf8(p.readAllStandardOutput()).trimmed();
}

} // namespace dbtest
