// Opening, creating and compacting the database file, as the engineer meets
// it: the files on disk, the message shown, and whether a database is open.

#include "db_test_support.h"

#include "database/default_values.h"
#include "database/reference_lists.h"
#include "engine/reference_lists.h"

#include <QCoreApplication>
#include <QFileInfo>
#include <sys/wait.h>
#include <unistd.h>

using namespace dbtest;
using platform::SqlConnection;

namespace {

class DatabaseFile : public DatabaseFileTest {
protected:
    void expectOpenFailure(int code, const QString &text)
    {
        EXPECT_EQ(database::CurrentDatabase(), nullptr);
        ASSERT_EQ(messages.calls.size(), 1u);
        const platform::MessageRequest &m = messages.calls[0];
        EXPECT_EQ(m.text, QStringLiteral("Error during open : %1\r\r%2").arg(code).arg(text));
        EXPECT_TRUE(m.title.isEmpty());
        EXPECT_EQ(m.buttons, platform::MessageButtons::Ok);
        EXPECT_EQ(m.icon, platform::MessageIcon::None);
    }
};

TEST_F(DatabaseFile, PathNamingNoFileCreatesAndOpensIt)
{
    ASSERT_FALSE(QFileInfo::exists(path()));
    EXPECT_TRUE(openCurrent(path()));
    ASSERT_NE(database::CurrentDatabase(), nullptr);
    EXPECT_EQ(database::CurrentDatabase()->path(), path());
    EXPECT_TRUE(QFileInfo(path()).size() > 0);
    EXPECT_TRUE(messages.calls.empty());
    // The open connection enforces the relations.
    EXPECT_FALSE(database::CurrentDatabase()
                     ->exec("INSERT INTO LocDesData (Job_Code, Job_Section, Sign_Pos) VALUES ('X', 'Y', 'Z')")
                     .ok());
}

TEST_F(DatabaseFile, FolderThatDoesNotExistIsReportedAndNothingIsCreated)
{
    const QString missing = dir.filePath("no such folder/orlen.mdb");
    EXPECT_FALSE(openCurrent(missing));
    expectOpenFailure(platform::SqliteCantOpen, "unable to open database file");
    EXPECT_FALSE(QFileInfo::exists(dir.filePath("no such folder")));
}

TEST_F(DatabaseFile, EmptyPathIsReportedNotOpenedAsATemporaryDatabase)
{
    EXPECT_FALSE(openCurrent(QString()));
    expectOpenFailure(platform::SqliteCantOpen, "unable to open database file");
}

TEST_F(DatabaseFile, FileThatIsNotADatabaseIsRefusedAtOpenAndLeftAlone)
{
    {
        QFile f(path());
        ASSERT_TRUE(f.open(QIODevice::WriteOnly));
        f.write(QByteArray("This is a letter, not a database.\n").repeated(200));
    }
    const QByteArray before = fileHash(path());
    EXPECT_FALSE(openCurrent(path()));
    expectOpenFailure(platform::SqliteNotADatabase, "file is not a database");
    EXPECT_EQ(fileHash(path()), before);
    EXPECT_EQ(filesIn(dir.path()), QStringList{"orlen.mdb"});
}

TEST_F(DatabaseFile, FileLockedByAnotherProgramIsReportedAndOpensOnceReleased)
{
    createThroughProgram(path());
    {
        auto other = outside(path());
        ASSERT_TRUE(other->exec("BEGIN EXCLUSIVE").ok());
        EXPECT_FALSE(openCurrent(path()));
        expectOpenFailure(platform::SqliteBusy, "database is locked");
        ASSERT_TRUE(other->exec("ROLLBACK").ok());
    }
    messages.calls.clear();
    {
        // A writer that has only reserved the file still stops the open,
        // which may have to write.
        auto other = outside(path());
        ASSERT_TRUE(other->exec("BEGIN IMMEDIATE").ok());
        EXPECT_FALSE(openCurrent(path()));
        expectOpenFailure(platform::SqliteBusy, "database is locked");
    }
    messages.calls.clear();
    EXPECT_TRUE(openCurrent(path()));
    EXPECT_TRUE(messages.calls.empty());
}

// Opening a file the user may not write. Root may write any file, so as root
// the open runs in a child process that has given up its privileges.
TEST_F(DatabaseFile, ReadOnlyFileIsReportedAndLeftAlone)
{
    createThroughProgram(path());
    ASSERT_TRUE(QFile::setPermissions(path(), QFile::ReadOwner | QFile::ReadGroup | QFile::ReadOther));
    const QByteArray before = fileHash(path());

    if (geteuid() != 0) {
        EXPECT_FALSE(openCurrent(path()));
        expectOpenFailure(platform::SqliteReadOnly, "attempt to write a readonly database");
    } else {
        ASSERT_TRUE(QFile::setPermissions(dir.path(), QFile::ReadOwner | QFile::WriteOwner | QFile::ExeOwner |
                                                          QFile::ReadOther | QFile::ExeOther));
        const pid_t child = fork();
        ASSERT_GE(child, 0);
        if (child == 0) {
            int result = 10;
            if (setgid(65534) == 0 && setuid(65534) == 0) {
                testing_support::RecordingMessages childMessages;
                database::CurrentDatabasePath = path();
                const bool opened = database::OpenCurrentDatabase();
                const bool reported = childMessages.calls.size() == 1 &&
                                      childMessages.calls[0].text ==
                                          "Error during open : 8\r\rattempt to write a readonly database";
                result = opened ? 1 : (reported ? 0 : 2);
                database::CloseCurrentDatabase();
            }
            _exit(result);
        }
        int status = 0;
        ASSERT_EQ(waitpid(child, &status, 0), child);
        ASSERT_TRUE(WIFEXITED(status));
        EXPECT_EQ(WEXITSTATUS(status), 0) << "1: opened, 2: wrong message, 10: could not drop privileges";
    }
    EXPECT_EQ(fileHash(path()), before);
    EXPECT_EQ(filesIn(dir.path()), QStringList{"orlen.mdb"});
    QFile::setPermissions(path(), QFile::ReadOwner | QFile::WriteOwner);
}

TEST_F(DatabaseFile, SwitchingFilesReplacesTheDefaultValuesAndAFailedOpenKeepsThem)
{
    createThroughProgram(path("a.mdb"));
    runSql(path("a.mdb"), {"UPDATE DefaultValues SET ClearanceAboveRoadEdge = 2000, ClearZoneAADT = 6001"});
    ASSERT_TRUE(openCurrent(path("a.mdb")));
    EXPECT_EQ(database::DefClearanceAboveRoadEdge, 2000);
    EXPECT_EQ(database::DefClearZoneAADT, 6001);

    ASSERT_TRUE(openCurrent(path("b.mdb")));
    EXPECT_EQ(database::DefClearanceAboveRoadEdge, 1500);
    EXPECT_EQ(database::DefClearZoneAADT, 0);
    EXPECT_EQ(database::CurrentDatabase()->path(), path("b.mdb"));

    EXPECT_FALSE(openCurrent(dir.filePath("missing/c.mdb")));
    EXPECT_EQ(database::DefClearanceAboveRoadEdge, 1500);
    EXPECT_EQ(database::DefDistanceFromCarriageway, 1000);
    EXPECT_EQ(database::DefClearZoneSpeed, 60);
}

TEST_F(DatabaseFile, CompactionKeepsEveryRowShrinksTheFileAndLeavesNoScratchFile)
{
    ASSERT_TRUE(openCurrent(path()));
    SqlConnection &c = *database::CurrentDatabase();
    ASSERT_TRUE(c.exec("BEGIN").ok());
    for (int j = 0; j < 200; ++j) {
        const QString job = QStringLiteral("JOB%1").arg(j);
        ASSERT_TRUE(c.exec("INSERT INTO JOBS VALUES (?, 'Y')", {job}).ok());
        ASSERT_TRUE(c.exec("INSERT INTO LocDesData (Job_Code, Job_Section, Sign_Pos, Notes) VALUES (?, 'S', 'P', ?)",
                           {job, QString(2000, QLatin1Char('n'))}).ok());
    }
    ASSERT_TRUE(c.exec("DELETE FROM JOBS WHERE Job_Code > 'JOB1'").ok());
    ASSERT_TRUE(c.exec("COMMIT").ok());
    const int jobsLeft = scalar(c, "SELECT count(*) FROM JOBS").toInt();
    ASSERT_EQ(jobsLeft, 2);  // JOB0 and JOB1
    const QString schemaBefore = scalar(c, "SELECT group_concat(sql, ';') FROM sqlite_master").toString();
    const qint64 sizeBefore = QFileInfo(path()).size();

    const platform::SqlStatus s = database::CompactCurrentDatabase();
    EXPECT_TRUE(s.ok()) << s.text().toStdString();
    EXPECT_EQ(database::CurrentDatabase(), nullptr);
    EXPECT_EQ(database::CurrentDatabasePath, path());
    EXPECT_LT(QFileInfo(path()).size(), sizeBefore);
    EXPECT_EQ(filesIn(dir.path()), QStringList{"orlen.mdb"});

    auto after = outside(path());
    EXPECT_EQ(scalar(*after, "SELECT group_concat(sql, ';') FROM sqlite_master").toString(), schemaBefore);
    EXPECT_EQ(rowsOf(*after, "SELECT Job_Code FROM JOBS ORDER BY 1"), (platform::SqlRows{{"JOB0"}, {"JOB1"}}));
    EXPECT_EQ(scalar(*after, "SELECT count(*) FROM LocDesData").toInt(), jobsLeft);
    EXPECT_EQ(scalar(*after, "SELECT sum(length(Notes)) FROM LocDesData").toInt(), jobsLeft * 2000);
    EXPECT_EQ(sqliteCli(path(), "PRAGMA integrity_check;"), "ok");
}

TEST_F(DatabaseFile, FailedCompactionLeavesTheFileIntactAndSaysSo)
{
    ASSERT_TRUE(openCurrent(path()));
    ASSERT_TRUE(database::CurrentDatabase()->exec("INSERT INTO JOBS VALUES ('J1', 'Y')").ok());
    const QByteArray before = fileHash(path());

    // Another program reading the file keeps it from being rewritten.
    auto reader = outside(path());
    ASSERT_TRUE(reader->exec("BEGIN").ok());
    ASSERT_EQ(scalar(*reader, "SELECT count(*) FROM JOBS").toInt(), 1);

    const platform::SqlStatus s = database::CompactCurrentDatabase();
    EXPECT_FALSE(s.ok());
    EXPECT_EQ(s.code(), platform::SqliteBusy);
    EXPECT_EQ(database::CurrentDatabase(), nullptr);
    ASSERT_TRUE(reader->exec("ROLLBACK").ok());
    reader.reset();

    EXPECT_EQ(fileHash(path()), before);
    EXPECT_EQ(filesIn(dir.path()), QStringList{"orlen.mdb"});
    ASSERT_TRUE(openCurrent(path()));
    // The open pads the key to 15 characters, as the program stores keys.
    EXPECT_EQ(scalar(*database::CurrentDatabase(), "SELECT Job_Code FROM JOBS").toString(), "J1             ");
}

TEST_F(DatabaseFile, CompactionWithoutAnOpenDatabaseFails)
{
    const platform::SqlStatus s = database::CompactCurrentDatabase();
    EXPECT_FALSE(s.ok());
    EXPECT_EQ(s.code(), platform::SqliteMisuse);
}

TEST_F(DatabaseFile, DefaultPathIsOrlenInTheWritableProgramFolder)
{
    const QString p = database::DefaultDatabasePath();
    EXPECT_EQ(QFileInfo(p).fileName(), "orlen.mdb");
    if (QFileInfo(QCoreApplication::applicationDirPath()).isWritable()) {
        EXPECT_EQ(QFileInfo(p).absolutePath(), QFileInfo(QCoreApplication::applicationDirPath()).absoluteFilePath());
    }
    EXPECT_TRUE(QFileInfo(QFileInfo(p).absolutePath()).isDir());
}

TEST_F(DatabaseFile, ReferenceListsAreCompleteWhetherOrNotTheDatabaseOpens)
{
    database::CurrentDatabasePath = dir.filePath("missing/orlen.mdb");
    database::InitReferenceLists();
    EXPECT_EQ(database::CurrentDatabase(), nullptr);
    EXPECT_EQ(messages.calls.size(), 1u);
    EXPECT_EQ(engine::SupportTypeNames[4], "Strut Steel");
    EXPECT_EQ(engine::LegendClassNames[7], "");

    database::CurrentDatabasePath = path();
    database::InitReferenceLists();
    EXPECT_NE(database::CurrentDatabase(), nullptr);
    EXPECT_EQ(messages.calls.size(), 1u);
}

} // namespace
