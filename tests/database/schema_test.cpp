// The file format: what a new file holds, what reopening and upgrading do to
// old files, and the relations and checks that the stored designs rely on.

#include "db_test_support.h"
#include "expected_schema.h"

#include "database/default_values.h"
#include "database/design_key.h"
#include "database/schema.h"

using namespace dbtest;
using platform::SqlConnection;

namespace {

class SchemaTest : public DatabaseFileTest {
protected:
    // Relations as (child table, parent table, columns, on update, on delete).
    static QStringList relationsOf(SqlConnection &c)
    {
        QStringList out;
        for (const char *table : {"SignDesData", "SupDesData", "JOBS", "LocDesData", "Preferences", "PrintRecord",
                                  "Version", "DefaultValues"}) {
            std::map<int, QStringList> byId;
            for (const auto &r : rowsOf(c, QStringLiteral("SELECT id, \"table\", \"from\", \"to\", on_update, on_delete "
                                                          "FROM pragma_foreign_key_list(?) ORDER BY id, seq"),
                                        {QString::fromLatin1(table)})) {
                QStringList &entry = byId[r[0].toInt()];
                if (entry.isEmpty())
                    entry << QString::fromLatin1(table) << r[1].toString() << QString() << r[4].toString()
                          << r[5].toString();
                entry[2] += (entry[2].isEmpty() ? QString() : QStringLiteral(";")) + r[2].toString() +
                            QStringLiteral("=") + r[3].toString();
            }
            for (const auto &[id, entry] : byId)
                out << entry.join(QLatin1Char('|'));
        }
        out.sort();
        return out;
    }

    static QStringList expectedRelations()
    {
        const QString k = QStringLiteral("Job_Code=Job_Code;Job_Section=Job_Section;Sign_Pos=Sign_Pos");
        QStringList l{QStringLiteral("LocDesData|JOBS|Job_Code=Job_Code|CASCADE|CASCADE"),
                      QStringLiteral("SupDesData|LocDesData|%1|CASCADE|CASCADE").arg(k),
                      QStringLiteral("SignDesData|SupDesData|%1|CASCADE|CASCADE").arg(k),
                      QStringLiteral("PrintRecord|SupDesData|%1|CASCADE|CASCADE").arg(k)};
        l.sort();
        return l;
    }

    static QString schemaText(SqlConnection &c)
    {
        QStringList l;
        for (const auto &r : rowsOf(c, QStringLiteral("SELECT type, name, sql FROM sqlite_master ORDER BY name")))
            l << r[0].toString() + QLatin1Char(' ') + r[1].toString() + QLatin1Char(' ') + r[2].toString();
        return l.join(QLatin1Char('\n'));
    }

    static int count(SqlConnection &c, const QString &table)
    {
        return scalar(c, QStringLiteral("SELECT count(*) FROM \"%1\"").arg(table)).toInt();
    }

    // Version-1 file: the base tables with the four relations, Version and
    // DefaultValues, written in plain SQL.
    void buildVersion1File(const QString &file, const QVariant &versionValue)
    {
        const QString cascade = QStringLiteral(" ON UPDATE CASCADE ON DELETE CASCADE");
        const QString keyList = QStringLiteral("Job_Code, Job_Section, Sign_Pos");
        runSql(file, {plainCreate("JOBS", {"Job_Code"}),
                      plainCreate("LocDesData", key, false,
                                  QStringLiteral("FOREIGN KEY (Job_Code) REFERENCES JOBS (Job_Code)") + cascade),
                      plainCreate("SupDesData", key, false,
                                  QStringLiteral("FOREIGN KEY (%1) REFERENCES LocDesData (%1)").arg(keyList) + cascade),
                      plainCreate("SignDesData", key + QStringList{"Sign_Code"}, false,
                                  QStringLiteral("FOREIGN KEY (%1) REFERENCES SupDesData (%1)").arg(keyList) + cascade),
                      plainCreate("PrintRecord", key, false,
                                  QStringLiteral("FOREIGN KEY (%1) REFERENCES SupDesData (%1)").arg(keyList) + cascade),
                      plainCreate("Preferences", {"Name"}),
                      QStringLiteral("CREATE TABLE Version (\"Schema Version\" INTEGER)"),
                      QStringLiteral("CREATE TABLE DefaultValues (ClearanceAboveRoadEdge INTEGER, "
                                     "DistanceFromCarriageway INTEGER, ClearZoneSpeed INTEGER, ClearZoneAADT INTEGER)"),
                      QStringLiteral("INSERT INTO DefaultValues VALUES (1800, 2500, 80, 1501)")});
        auto c = outside(file);
        ASSERT_TRUE(c->exec(QStringLiteral("INSERT INTO Version VALUES (?)"), {versionValue}).ok());
        for (const QString &sql : designRows("J1", "S1", "P1"))
            ASSERT_TRUE(c->exec(sql).ok()) << sql.toStdString();
    }
};

TEST_F(SchemaTest, NewFileHasEveryTableColumnRelationAndFirstRows)
{
    ASSERT_TRUE(openCurrent(path()));
    EXPECT_TRUE(messages.calls.empty());
    SqlConnection &c = *database::CurrentDatabase();

    const auto expected = expectedColumns();
    QStringList tables;
    for (const auto &r : rowsOf(c, QStringLiteral("SELECT name FROM sqlite_master WHERE type = 'table' ORDER BY rowid")))
        tables << r[0].toString();
    EXPECT_EQ(tables, (QStringList{"SignDesData", "SupDesData", "JOBS", "LocDesData", "Preferences", "PrintRecord",
                                   "Version", "DefaultValues"}));
    for (const auto &[table, columns] : expected)
        EXPECT_EQ(c.columnNames(table), columns) << table.toStdString();
    EXPECT_EQ(c.columnNames("SignDesData").size(), 15);
    EXPECT_EQ(c.columnNames("SupDesData").size(), 54);
    EXPECT_EQ(c.columnNames("LocDesData").size(), 39);
    EXPECT_EQ(c.columnNames("PrintRecord").size(), 20);

    // Primary keys carry their names; the columns are those of the index.
    const QString signSql = scalar(c, "SELECT sql FROM sqlite_master WHERE name = 'SignDesData'").toString();
    EXPECT_TRUE(signSql.contains(
        "CONSTRAINT \"SignDesDataIndex\" PRIMARY KEY (\"Job_Code\", \"Job_Section\", \"Sign_Pos\", \"Sign_Code\")"));
    for (const char *t : {"SupDesData", "JOBS", "LocDesData", "Preferences", "PrintRecord"}) {
        const QString sql = scalar(c, "SELECT sql FROM sqlite_master WHERE name = ?", {QString::fromLatin1(t)}).toString();
        EXPECT_TRUE(sql.contains(QStringLiteral("CONSTRAINT \"%1Index\" PRIMARY KEY").arg(QString::fromLatin1(t))))
            << sql.toStdString();
    }
    EXPECT_EQ(relationsOf(c), expectedRelations());
    // Each relation is named after its foreign table.
    for (const char *t : {"LocDesData", "SupDesData", "SignDesData", "PrintRecord"}) {
        const QString sql = scalar(c, "SELECT sql FROM sqlite_master WHERE name = ?", {QString::fromLatin1(t)}).toString();
        EXPECT_TRUE(sql.contains(QStringLiteral("CONSTRAINT \"%1\" FOREIGN KEY").arg(QString::fromLatin1(t))))
            << sql.toStdString();
    }

    EXPECT_EQ(count(c, "Version"), 1);
    EXPECT_EQ(scalar(c, "SELECT \"Schema Version\" FROM Version").toInt(), 2);
    const auto defaults = rowsOf(c, "SELECT * FROM DefaultValues");
    ASSERT_EQ(defaults.size(), 1u);
    EXPECT_EQ(defaults[0], (platform::SqlRow{1500, 1000, 60, 0}));
    EXPECT_EQ(c.exec("PRAGMA foreign_keys").ok(), true);
    EXPECT_EQ(scalar(c, "PRAGMA foreign_keys").toInt(), 1);
}

TEST_F(SchemaTest, FileIsReadableByTheSqliteCommandLineClient)
{
    createThroughProgram(path());
    int exitCode = -1;
    EXPECT_EQ(sqliteCli(path(), ".tables", &exitCode).split(QRegularExpression("\\s+")).size(), 8);
    EXPECT_EQ(exitCode, 0);
    EXPECT_EQ(sqliteCli(path(), "SELECT \"Schema Version\" FROM Version;"), "2");
    EXPECT_EQ(sqliteCli(path(), "SELECT * FROM DefaultValues;"), "1500|1000|60|0");
    EXPECT_EQ(sqliteCli(path(), "SELECT name FROM pragma_table_info('LocDesData') WHERE cid = 38;"), "Notes");
    EXPECT_EQ(sqliteCli(path(), "PRAGMA integrity_check;"), "ok");
}

TEST_F(SchemaTest, ReopeningAFileOfTheCurrentVersionChangesNothing)
{
    createThroughProgram(path());
    QString before;
    {
        auto c = outside(path());
        ASSERT_TRUE(c->exec("UPDATE DefaultValues SET ClearZoneSpeed = 100").ok());
        before = schemaText(*c);
    }
    ASSERT_TRUE(openCurrent(path()));
    SqlConnection &c = *database::CurrentDatabase();
    EXPECT_EQ(schemaText(c), before);
    EXPECT_EQ(count(c, "Version"), 1);
    EXPECT_EQ(count(c, "DefaultValues"), 1);
    EXPECT_EQ(database::DefClearZoneSpeed, 100);
}

TEST_F(SchemaTest, Version0FileGetsNewTablesOnlyTheFourRelationsAndNotes)
{
    // An old file with a relation of another name and kind (no cascade), and
    // an extra index: both go at the upgrade.
    QStringList sql = version0Tables(QStringLiteral("CONSTRAINT OldLink FOREIGN KEY (Job_Code) REFERENCES JOBS (Job_Code)"));
    sql << QStringLiteral("CREATE INDEX OldJobIndex ON LocDesData (Wind_Region)");
    sql << designRows("J1", "S1", "P1") << designRows("J1", "S1", "P2") << designRows("J2", "S1", "P1");
    sql << QStringLiteral("INSERT INTO Preferences VALUES (5, 200, 400, 20, 90, 'Stiffener Limits')");
    runSql(path(), sql);

    ASSERT_TRUE(openCurrent(path())) << (messages.calls.empty() ? "" : messages.calls[0].text.toStdString());
    SqlConnection &c = *database::CurrentDatabase();
    EXPECT_EQ(relationsOf(c), expectedRelations());
    EXPECT_EQ(scalar(c, "SELECT count(*) FROM sqlite_master WHERE name = 'OldJobIndex'").toInt(), 0);
    EXPECT_EQ(c.columnNames("LocDesData"), expectedColumns().at("LocDesData"));
    EXPECT_EQ(scalar(c, "SELECT \"Schema Version\" FROM Version").toInt(), 2);
    EXPECT_EQ(count(c, "Version"), 1);
    EXPECT_EQ(rowsOf(c, "SELECT * FROM DefaultValues"), (platform::SqlRows{{1500, 1000, 60, 0}}));

    // Every row survives with its values.
    EXPECT_EQ(count(c, "JOBS"), 2);
    EXPECT_EQ(count(c, "LocDesData"), 3);
    EXPECT_EQ(count(c, "SupDesData"), 3);
    EXPECT_EQ(count(c, "SignDesData"), 6);
    EXPECT_EQ(count(c, "PrintRecord"), 3);
    EXPECT_EQ(rowsOf(c, "SELECT Stiffener_Limit_1, Name FROM Preferences"), (platform::SqlRows{{5, "Stiffener Limits"}}));
    // The keys are padded to 15 characters, as the program stores and matches them.
    EXPECT_EQ(scalar(c, "SELECT group_concat(DISTINCT length(Job_Code) || length(Job_Section) || length(Sign_Pos)) "
                        "FROM SignDesData").toString(),
              "151515");
    EXPECT_EQ(scalar(c, "SELECT RP_Reduced_Level FROM LocDesData WHERE Sign_Pos = 'P2             '").toDouble(), 12.5);
    EXPECT_TRUE(scalar(c, "SELECT Notes FROM LocDesData WHERE Sign_Pos = 'P2             '").isNull());

    // The new relations work: deleting the job takes its design rows along.
    ASSERT_TRUE(c.exec("DELETE FROM JOBS WHERE Job_Code = 'J1             '").ok());
    EXPECT_EQ(count(c, "SignDesData"), 2);
    EXPECT_EQ(count(c, "PrintRecord"), 1);
}

TEST_F(SchemaTest, FailedUpgradeRollsBackAndLeavesTheFileAsItWas)
{
    // A location row whose job does not exist breaks the new relations.
    QStringList sql = version0Tables();
    sql << designRows("J1", "S1", "P1") << QStringLiteral("DELETE FROM JOBS");
    runSql(path(), sql);
    const QByteArray before = fileHash(path());
    database::DefClearZoneSpeed = 77;

    EXPECT_FALSE(openCurrent(path()));
    EXPECT_EQ(database::CurrentDatabase(), nullptr);
    ASSERT_EQ(messages.calls.size(), 1u);
    EXPECT_TRUE(messages.calls[0].text.startsWith("Error during open : 19\r\r")) << messages.calls[0].text.toStdString();
    EXPECT_TRUE(messages.calls[0].text.contains("LocDesData"));
    EXPECT_EQ(fileHash(path()), before);
    EXPECT_EQ(filesIn(dir.path()), QStringList{"orlen.mdb"});
    EXPECT_EQ(database::DefClearZoneSpeed, 77);  // a failed open keeps the values it had
    auto c = outside(path());
    EXPECT_FALSE(c->hasTable("Version"));
}

TEST_F(SchemaTest, RelationsAreCheckedWhenTheOpenUpgradesNotAtEveryOpen)
{
    // A current file: the open leaves its rows to the relations already in
    // force and does not read the whole file, so a row that another program
    // slipped in with foreign keys off does not stop it.
    createThroughProgram(path());
    runSql(path(), {"INSERT INTO LocDesData (Job_Code, Job_Section, Sign_Pos) VALUES ('NOJOB', 'S', 'P')"});
    EXPECT_TRUE(openCurrent(path()));
    EXPECT_TRUE(messages.calls.empty());
    database::CloseCurrentDatabase();

    // A version-1 file with such a row is upgraded, checked and refused.
    const QString old = path(QStringLiteral("old.mdb"));
    buildVersion1File(old, 1);
    runSql(old, {"INSERT INTO LocDesData (Job_Code, Job_Section, Sign_Pos) VALUES ('NOJOB', 'S', 'P')"});
    const QByteArray before = fileHash(old);
    EXPECT_FALSE(openCurrent(old));
    EXPECT_EQ(database::CurrentDatabase(), nullptr);
    ASSERT_EQ(messages.calls.size(), 1u);
    EXPECT_TRUE(messages.calls[0].text.startsWith("Error during open : 19\r\r")) << messages.calls[0].text.toStdString();
    EXPECT_EQ(fileHash(old), before);
}

TEST_F(SchemaTest, Version1FileGetsOnlyTheNotesColumn)
{
    buildVersion1File(path(), 1);
    QString before;
    {
        auto c = outside(path());
        before = scalar(*c, "SELECT sql FROM sqlite_master WHERE name = 'SupDesData'").toString();
    }
    ASSERT_TRUE(openCurrent(path())) << (messages.calls.empty() ? "" : messages.calls[0].text.toStdString());
    SqlConnection &c = *database::CurrentDatabase();
    EXPECT_EQ(c.columnNames("LocDesData"), expectedColumns().at("LocDesData"));
    EXPECT_EQ(scalar(c, "SELECT sql FROM sqlite_master WHERE name = 'SupDesData'").toString(), before);
    EXPECT_EQ(rowsOf(c, "SELECT \"Schema Version\" FROM Version"), (platform::SqlRows{{2}}));
    EXPECT_EQ(count(c, "SignDesData"), 2);
    EXPECT_EQ(database::DefClearanceAboveRoadEdge, 1800);
    EXPECT_EQ(database::DefDistanceFromCarriageway, 2500);
    EXPECT_EQ(database::DefClearZoneSpeed, 80);
    EXPECT_EQ(database::DefClearZoneAADT, 1501);
    // Notes accepts the empty text.
    EXPECT_TRUE(c.exec("UPDATE LocDesData SET Notes = ''").ok());
}

TEST_F(SchemaTest, UnreadableVersionRowIsTakenAsAnOldFileNotAFailure)
{
    buildVersion1File(path(), QVariant());  // NULL
    ASSERT_TRUE(openCurrent(path()));
    EXPECT_EQ(database::CurrentDatabase()->columnNames("LocDesData").size(), 39);
    EXPECT_EQ(scalar(*database::CurrentDatabase(), "SELECT \"Schema Version\" FROM Version").toInt(), 2);
    database::CloseCurrentDatabase();

    // Text in a file that already has Notes: the version-2 step adds nothing.
    runSql(path(), {"UPDATE Version SET \"Schema Version\" = 'two'"});
    ASSERT_TRUE(openCurrent(path()));
    EXPECT_EQ(database::CurrentDatabase()->columnNames("LocDesData").size(), 39);
    EXPECT_EQ(scalar(*database::CurrentDatabase(), "SELECT \"Schema Version\" FROM Version").toInt(), 2);
    database::CloseCurrentDatabase();

    // An empty Version table gets its row.
    runSql(path(), {"DELETE FROM Version"});
    ASSERT_TRUE(openCurrent(path()));
    EXPECT_EQ(rowsOf(*database::CurrentDatabase(), "SELECT \"Schema Version\" FROM Version"), (platform::SqlRows{{2}}));
    EXPECT_TRUE(messages.calls.empty());
}

TEST_F(SchemaTest, Version3FileIsLeftAlone)
{
    // A later program's file: no Notes column, a table of its own.
    buildVersion1File(path(), 3);
    runSql(path(), {"CREATE TABLE Later (x)", "DELETE FROM DefaultValues"});
    QString before;
    {
        auto c = outside(path());
        before = schemaText(*c);
    }
    ASSERT_TRUE(openCurrent(path()));
    SqlConnection &c = *database::CurrentDatabase();
    EXPECT_EQ(schemaText(c), before);
    EXPECT_EQ(scalar(c, "SELECT \"Schema Version\" FROM Version").toInt(), 3);
    // Only the DefaultValues row may be added.
    EXPECT_EQ(rowsOf(c, "SELECT * FROM DefaultValues"), (platform::SqlRows{{1500, 1000, 60, 0}}));
}

TEST_F(SchemaTest, CascadesCarryKeyChangesAndDeletionsDown)
{
    ASSERT_TRUE(openCurrent(path()));
    SqlConnection &c = *database::CurrentDatabase();
    for (const QString &sql : designRows("J1", "S1", "P1") + designRows("J1", "S2", "P1") + designRows("J2", "S1", "P1"))
        ASSERT_TRUE(c.exec(sql).ok()) << sql.toStdString();

    // A new job code follows through to every row of the job.
    ASSERT_TRUE(c.exec("UPDATE JOBS SET Job_Code = 'J9' WHERE Job_Code = 'J1'").ok());
    for (const char *t : {"LocDesData", "SupDesData", "PrintRecord"})
        EXPECT_EQ(scalar(c, QStringLiteral("SELECT count(*) FROM %1 WHERE Job_Code = 'J9'").arg(QString::fromLatin1(t)))
                      .toInt(), 2) << t;
    EXPECT_EQ(scalar(c, "SELECT count(*) FROM SignDesData WHERE Job_Code = 'J9'").toInt(), 4);
    EXPECT_EQ(scalar(c, "SELECT count(*) FROM SignDesData WHERE Job_Code = 'J1'").toInt(), 0);

    // A new section or position on the location row follows through below it.
    ASSERT_TRUE(c.exec("UPDATE LocDesData SET Job_Section = 'S7', Sign_Pos = 'P7' "
                       "WHERE Job_Code = 'J9' AND Job_Section = 'S2'").ok());
    EXPECT_EQ(scalar(c, "SELECT count(*) FROM SignDesData WHERE Job_Section = 'S7' AND Sign_Pos = 'P7'").toInt(), 2);
    EXPECT_EQ(scalar(c, "SELECT count(*) FROM PrintRecord WHERE Job_Section = 'S7' AND Sign_Pos = 'P7'").toInt(), 1);

    // Deleting a job deletes all its design rows, and only those.
    ASSERT_TRUE(c.exec("DELETE FROM JOBS WHERE Job_Code = 'J9'").ok());
    EXPECT_EQ(count(c, "LocDesData"), 1);
    EXPECT_EQ(count(c, "SupDesData"), 1);
    EXPECT_EQ(count(c, "SignDesData"), 2);
    EXPECT_EQ(count(c, "PrintRecord"), 1);
}

TEST_F(SchemaTest, RelationsKeysAndTextChecksRefuseBadRows)
{
    ASSERT_TRUE(openCurrent(path()));
    SqlConnection &c = *database::CurrentDatabase();
    for (const QString &sql : designRows("J1", "S1", "P1"))
        ASSERT_TRUE(c.exec(sql).ok());
    const auto refused = [&](const QString &sql) {
        platform::SqlStatus s = c.exec(sql);
        EXPECT_FALSE(s.ok()) << sql.toStdString();
        EXPECT_EQ(s.code(), platform::SqliteConstraint) << sql.toStdString();
    };
    refused("INSERT INTO LocDesData (Job_Code, Job_Section, Sign_Pos) VALUES ('NOJOB', 'S1', 'P1')");
    refused("INSERT INTO SupDesData (Job_Code, Job_Section, Sign_Pos) VALUES ('J1', 'S1', 'P2')");
    refused("INSERT INTO SupDesData (Job_Code, Job_Section, Sign_Pos) VALUES ('J1', 'S1', 'P1')");
    refused("INSERT INTO PrintRecord (Job_Code, Job_Section, Sign_Pos) VALUES ('J1', 'S1', 'P1')");
    refused("INSERT INTO SignDesData (Job_Code, Job_Section, Sign_Pos, Sign_Code) VALUES ('J1', 'S1', 'P2', 'X')");
    refused("INSERT INTO SignDesData (Job_Code, Job_Section, Sign_Pos, Sign_Code) VALUES ('J1', 'S1', 'P1', 'G1-1')");
    // Key columns compare without regard to case, as the stored designs expect.
    refused("INSERT INTO SignDesData (Job_Code, Job_Section, Sign_Pos, Sign_Code) VALUES ('j1', 's1', 'p1', 'g1-1')");
    refused("INSERT INTO JOBS (Job_Code, Active) VALUES ('J2', '')");
    refused("INSERT INTO JOBS (Job_Code, Active) VALUES ('', 'Y')");
    refused("INSERT INTO JOBS (Job_Code, Active) VALUES (NULL, 'Y')");
    refused("INSERT INTO JOBS (Job_Code, Active) VALUES ('0123456789ABCDEF', 'Y')");  // 16 characters
    refused("UPDATE SupDesData SET Spacing_Type = ''");
    refused("UPDATE PrintRecord SET OFormSF_ReqNo = ''");
    EXPECT_TRUE(c.exec("INSERT INTO JOBS (Job_Code, Active) VALUES ('0123456789ABCDE', NULL)").ok());
}

TEST_F(SchemaTest, PaddedKeyWithPatternCharactersMatchesOnlyItself)
{
    ASSERT_TRUE(openCurrent(path()));
    SqlConnection &c = *database::CurrentDatabase();
    const QStringList codes{"A'B", "A%", "A_", "A*", "A\\", "AB", "AXB", "A", "A%B", "A''B", "A\\B"};
    for (const QString &code : codes)
        ASSERT_TRUE(c.exec("INSERT INTO JOBS (Job_Code, Active) VALUES (?, 'Y')", {database::PadKey(code)}).ok());
    for (const QString &code : codes) {
        const auto rows = rowsOf(c, QStringLiteral("SELECT Job_Code FROM JOBS WHERE %1").arg(database::JobKeyCondition),
                                 {database::PadKey(code)});
        ASSERT_EQ(rows.size(), 1u) << code.toStdString();
        EXPECT_EQ(rows[0][0].toString(), database::PadKey(code));
    }
    EXPECT_EQ(database::PadKey("A'B").size(), 15);
    EXPECT_EQ(database::PadKey("0123456789ABCDEFG"), "0123456789ABCDE");

    // The three-part condition over a whole design key.
    ASSERT_TRUE(c.exec("INSERT INTO LocDesData (Job_Code, Job_Section, Sign_Pos) VALUES (?, ?, ?)",
                       database::DesignKeyParams("A%", "S_1", "P*1")).ok());
    ASSERT_TRUE(c.exec("INSERT INTO LocDesData (Job_Code, Job_Section, Sign_Pos) VALUES (?, ?, ?)",
                       database::DesignKeyParams("A%", "SX1", "P*1")).ok());
    auto st = c.prepare(QStringLiteral("SELECT Job_Section FROM LocDesData WHERE %1").arg(database::DesignKeyCondition));
    database::BindDesignKey(st, "A%", "S_1", "P*1");
    ASSERT_TRUE(st.exec().ok());
    ASSERT_TRUE(st.next());
    EXPECT_EQ(st.value(0).toString(), database::PadKey("S_1"));
    EXPECT_FALSE(st.next());
}

} // namespace
