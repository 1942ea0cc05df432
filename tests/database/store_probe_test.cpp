// The design probe's store commands end to end: a design saved, loaded,
// renamed and deleted in a database file through the command line.

#include <gtest/gtest.h>

#include <QFile>
#include <QFileInfo>
#include <QJsonArray>
#include <QJsonDocument>
#include <QJsonObject>
#include <QProcess>
#include <QTemporaryDir>

#include "common/key_character_cases.h"

namespace {

struct ProbeRun {
    int exitCode = -1;
    QByteArray out;
    QString err;
};

QString ProbePath() { return QStringLiteral(KELVORA_BINARY_DIR "/tests/tools/design-probe"); }

ProbeRun Probe(const QStringList &args, const QByteArray &input = {})
{
    QProcess p;
    p.start(ProbePath(), args);
    p.write(input);
    p.closeWriteChannel();
    p.waitForFinished(60000);
    ProbeRun r;
    r.exitCode = p.exitStatus() == QProcess::NormalExit ? p.exitCode() : -1;
    r.out = p.readAllStandardOutput();
    r.err = QString::fromUtf8(p.readAllStandardError());
    return r;
}

class ProbeStoreTest : public ::testing::Test {
protected:
    void SetUp() override
    {
        if (!QFileInfo(ProbePath()).isExecutable())
            FAIL() << "design-probe is not built at " << ProbePath().toStdString();
        ASSERT_TRUE(dir.isValid());
        file = dir.filePath(QStringLiteral("probe.mdb"));
    }
    QTemporaryDir dir;
    QString file;
};

const QByteArray Design = R"({
  "CurrentDesign": {"JobCode": "O'Brien 50%", "JobSection": "A_C", "SignPos": "P\\1",
                    "NumFrontSigns": 1, "FrontSignWidth": [0, 2000], "FrontSignDepth": [0, 1500],
                    "SegLength": [0, 2000, 4000], "SegDeltaHeight": [0, -500], "RoadHeight": 1500,
                    "SignCode": [null, "G1-1"], "Notes": "by the bridge"},
  "CurrentSupportType": 3
})";

TEST_F(ProbeStoreTest, SaveLoadRenameDelete)
{
    const ProbeRun saved = Probe({"--save", file}, Design);
    ASSERT_EQ(saved.exitCode, 0) << saved.err.toStdString();
    const QJsonObject before = QJsonDocument::fromJson(saved.out).object();

    const ProbeRun loaded = Probe({"--load", file, "O'Brien 50%", "A_C", "P\\1"});
    ASSERT_EQ(loaded.exitCode, 0) << loaded.err.toStdString();
    const QJsonObject after = QJsonDocument::fromJson(loaded.out).object();
    EXPECT_EQ(after.value("CurrentDesign"), before.value("CurrentDesign"));
    EXPECT_EQ(after.value("SupportDesigns"), before.value("SupportDesigns"));
    EXPECT_EQ(after.value("CurrentSupportType").toInt(), 3);

    // Pattern characters are plain characters: "O'Brien%" names nothing.
    EXPECT_EQ(Probe({"--load", file, "O'Brien%", "A_C", "P\\1"}).exitCode, 3);

    const ProbeRun renamed = Probe({"--rename", file, "3", "O'Brien 50%", "A_C", "P\\1", "", "", "P2"});
    ASSERT_EQ(renamed.exitCode, 0) << renamed.err.toStdString();
    EXPECT_EQ(Probe({"--load", file, "O'Brien 50%", "A_C", "P\\1"}).exitCode, 3);
    const ProbeRun moved = Probe({"--load", file, "O'Brien 50%", "A_C", "P2"});
    ASSERT_EQ(moved.exitCode, 0);
    EXPECT_EQ(QJsonDocument::fromJson(moved.out).object().value("CurrentDesign").toObject().value("SignPos"),
              "P2             ");

    // Renaming a source that is gone is refused with a message.
    const ProbeRun again = Probe({"--rename", file, "3", "O'Brien 50%", "A_C", "P\\1", "", "", "P3"});
    EXPECT_EQ(again.exitCode, 3);
    EXPECT_TRUE(again.err.contains("no longer stored")) << again.err.toStdString();

    const ProbeRun deleted = Probe({"--delete", file, "1", "O'Brien 50%", "", ""});
    ASSERT_EQ(deleted.exitCode, 0) << deleted.err.toStdString();
    EXPECT_EQ(Probe({"--load", file, "O'Brien 50%", "A_C", "P2"}).exitCode, 3);
}

TEST_F(ProbeStoreTest, FailuresAreMessagesAndNonZeroExits)
{
    // Two blank sign numbers: refused before anything is written.
    const ProbeRun dup = Probe({"--save", file},
                               R"({"CurrentDesign": {"JobCode": "J", "NumFrontSigns": 2,
                                   "FrontSignWidth": [0, 900, 900], "FrontSignDepth": [0, 600, 600]}})");
    EXPECT_EQ(dup.exitCode, 3);
    EXPECT_TRUE(dup.err.contains("sign number")) << dup.err.toStdString();
    EXPECT_TRUE(dup.out.isEmpty());

    const ProbeRun missing = Probe({"--load", dir.filePath("none.mdb"), "J", "S", "P"});
    EXPECT_NE(missing.exitCode, 0);
    EXPECT_FALSE(QFileInfo::exists(dir.filePath("none.mdb")));

    EXPECT_NE(Probe({"--delete", file, "4", "J", "S", "P"}).exitCode, 0);
    EXPECT_NE(Probe({"--rename", file, "1", "J"}).exitCode, 0);
    EXPECT_NE(Probe({"--save", file}, "not json").exitCode, 0);
}

// A stored file changed by another tool: a number beyond its field's range is
// a message and a non-zero exit, never a crash or a narrowed value.
TEST_F(ProbeStoreTest, ValuesBeyondTheirFieldsAreRefusedOnLoad)
{
    const ProbeRun saved = Probe({"--save", file}, Design);
    ASSERT_EQ(saved.exitCode, 0) << saved.err.toStdString();
    const struct {
        const char *sql;
        const char *message;
    } cases[] = {
        {"UPDATE SupDesData SET Kerb_Post = 5000000000",
         "Stored design O'Brien 50% / A_C / P\\1: column Kerb_Post holds 5000000000, outside its range."},
        {"UPDATE SupDesData SET Kerb_Post = 0, Num_Posts = 70000", "column Num_Posts holds 70000, outside its range."},
    };
    for (const auto &c : cases) {
        QProcess sqlite;
        sqlite.start(QStringLiteral("sqlite3"), {file, QString::fromLatin1(c.sql)});
        ASSERT_TRUE(sqlite.waitForFinished(30000)) << "the sqlite3 client is needed here (make install)";
        ASSERT_EQ(sqlite.exitCode(), 0) << sqlite.readAllStandardError().toStdString();

        const ProbeRun loaded = Probe({"--load", file, "O'Brien 50%", "A_C", "P\\1"});
        EXPECT_EQ(loaded.exitCode, 3) << c.sql;
        EXPECT_TRUE(loaded.err.contains(QString::fromLatin1(c.message))) << loaded.err.toStdString();
        EXPECT_TRUE(loaded.out.isEmpty());
    }
}

// A design with every Long field at its largest runs, stores and loads again.
TEST_F(ProbeStoreTest, LongFieldsAtTheirLargestRoundTrip)
{
    QFile input(QStringLiteral(KELVORA_SOURCE_DIR "/tests/cases/long_fields_at_their_largest/input.json"));
    ASSERT_TRUE(input.open(QIODevice::ReadOnly));
    const ProbeRun saved = Probe({"--save", file}, input.readAll());
    ASSERT_EQ(saved.exitCode, 0) << saved.err.toStdString();
    const ProbeRun loaded = Probe({"--load", file, "LARGEST", "LONG", "FIELDS"});
    ASSERT_EQ(loaded.exitCode, 0) << loaded.err.toStdString();
    const QJsonObject design = QJsonDocument::fromJson(loaded.out).object().value("CurrentDesign").toObject();
    EXPECT_EQ(design.value("RoadHeight").toDouble(), 2147483647.0);
    EXPECT_EQ(design.value("BackSignDepth").toDouble(), 2147483647.0);
}

QString Sqlite(const QString &file, const QString &sql)
{
    QProcess sqlite;
    sqlite.start(QStringLiteral("sqlite3"), {file, sql});
    if (!sqlite.waitForFinished(30000) || sqlite.exitCode() != 0)
        ADD_FAILURE() << "sqlite3 " << sql.toStdString() << ": " << sqlite.readAllStandardError().toStdString()
                      << " (the sqlite3 client is needed here)";
    return QString::fromUtf8(sqlite.readAllStandardOutput());
}

// A file changed by another tool so that the relations no longer reach every
// table of a design: a delete or rename changes no row of any table and says
// why, with the database's own text where it gives one.
TEST_F(ProbeStoreTest, DamagedFileDeleteAndRenameChangeNothing)
{
    const char *dropSupport = "DROP TABLE SupDesData";
    const char *looseRecords = "CREATE TABLE Loose AS SELECT * FROM PrintRecord; DROP TABLE PrintRecord; "
                               "ALTER TABLE Loose RENAME TO PrintRecord";
    const struct {
        const char *damage;
        QStringList command;
        const char *told;
    } cases[] = {
        {dropSupport, {"--delete", "3", "Brücke", "Süd", "P1"}, "no such table: SupDesData"},
        {dropSupport, {"--delete", "1", "Brücke", "", ""}, "no such table: SupDesData"},
        {dropSupport, {"--rename", "2", "Brücke", "Süd", "", "", "Nord", ""}, "no such table: SupDesData"},
        {looseRecords, {"--delete", "2", "Brücke", "Süd", ""}, "PrintRecord still holds rows of the design"},
        {looseRecords, {"--rename", "1", "Brücke", "", "", "Straße", "", ""}, "PrintRecord still holds rows"},
        {looseRecords, {"--rename", "3", "Brücke", "Süd", "P1", "", "", "P7"}, "PrintRecord still holds rows"},
    };
    for (const auto &c : cases) {
        SCOPED_TRACE(c.command.join(' ').toStdString());
        QFile::remove(file);
        for (const char *pos : {"P1", "P2"}) {
            QByteArray design = Design;
            design.replace("O'Brien 50%", "Brücke").replace("A_C", "Süd").replace("P\\\\1", pos);
            const ProbeRun saved = Probe({"--save", file}, design);
            ASSERT_EQ(saved.exitCode, 0) << saved.err.toStdString();
        }
        Sqlite(file, QString::fromLatin1(c.damage));
        const QString before = Sqlite(file, QStringLiteral(".dump"));
        ASSERT_TRUE(before.contains(QStringLiteral("Brücke"))) << before.toStdString();

        QStringList args = c.command;
        args.insert(1, file);
        const ProbeRun run = Probe(args);
        EXPECT_EQ(run.exitCode, 3);
        const char *what = c.command[0] == "--delete" ? "could not be deleted" : "could not be renamed";
        EXPECT_TRUE(run.err.contains(QLatin1String(what))) << run.err.toStdString();
        EXPECT_TRUE(run.err.contains(QString::fromUtf8(c.told))) << run.err.toStdString();
        EXPECT_EQ(Sqlite(file, QStringLiteral(".dump")), before);
    }
}

// The client's answer without its closing line feed (an empty answer stays empty).
QString SqliteValue(const QString &file, const QString &sql)
{
    QString out = Sqlite(file, sql);
    if (out.endsWith(QLatin1Char('\n')))
        out.chop(1);
    return out;
}

// A one-panel design under a key, its sign number `code`.
QByteArray KeyedDesign(const QString &job, const QString &section, const QString &pos, const QString &code)
{
    QJsonObject design{{"JobCode", job},
                       {"JobSection", section},
                       {"SignPos", pos},
                       {"NumFrontSigns", 1},
                       {"FrontSignWidth", QJsonArray{0, 2000}},
                       {"FrontSignDepth", QJsonArray{0, 1500}},
                       {"SegLength", QJsonArray{0, 6000}},
                       {"RoadHeight", 1500},
                       {"SignCode", QJsonArray{QJsonValue(), code}}};
    return QJsonDocument(QJsonObject{{"CurrentDesign", design}}).toJson();
}

QJsonObject LoadedDesign(const ProbeRun &run)
{
    return QJsonDocument::fromJson(run.out).object().value("CurrentDesign").toObject();
}

class KeyCharactersProbe : public ProbeStoreTest,
                           public ::testing::WithParamInterface<testing_support::KeyCharacterCase> {};

// What the probe stores of a text that reaches the record without the form.
TEST_P(KeyCharactersProbe, SavedAndLoadedAsWholeCharacters)
{
    const auto &c = GetParam();
    const QString typed = QString::fromUtf8(c.typed);
    const QString key = QString::fromStdString(testing_support::PaddedToCharacters(c.asKey, 15));
    const QString code = QString::fromStdString(testing_support::PaddedToCharacters(c.asCode, 10));
    const ProbeRun saved = Probe({"--save", file}, KeyedDesign(typed, typed, typed, typed));
    ASSERT_EQ(saved.exitCode, 0) << saved.err.toStdString();
    EXPECT_EQ(SqliteValue(file, QStringLiteral("SELECT Job_Code || '|' || Sign_Code || '|' || length(Job_Section) || "
                                               "'|' || length(Sign_Code) FROM SignDesData")),
              key + QLatin1Char('|') + code + QStringLiteral("|15|10"));

    const ProbeRun loaded = Probe({"--load", file, typed, typed, typed});
    ASSERT_EQ(loaded.exitCode, 0) << loaded.err.toStdString();
    const QJsonObject design = LoadedDesign(loaded);
    EXPECT_EQ(design.value("JobCode").toString(), key);
    EXPECT_EQ(design.value("SignPos").toString(), key);
    EXPECT_EQ(design.value("SignCode").toArray().at(1).toString(), code);
    EXPECT_EQ(design, LoadedDesign(saved));
}

INSTANTIATE_TEST_SUITE_P(KeyCharacters, KeyCharactersProbe, ::testing::ValuesIn(testing_support::KeyCharacterCases()),
                         [](const auto &info) { return testing_support::CaseName(info.param); });

// Keys written before key parts were padded by characters: "Brücke" padded
// to 15 bytes, a key with a character beyond 16 bits padded to 15 UTF-16
// units, a key another program stored without padding. A key typed again
// loads, saves (replacing, not adding) and deletes them.
TEST_F(ProbeStoreTest, KeyCharactersOldKeysStillLoadSaveAndDelete)
{
    const struct {
        const char *job;
        int blanks;  // trailing blanks the old rows hold
    } cases[] = {{"Brücke", 8}, {"🚧A", 12}, {"ÄÖÜ-ÄÖÜ", 0}};
    for (const auto &c : cases) {
        SCOPED_TRACE(c.job);
        QFile::remove(file);
        const QString job = QString::fromUtf8(c.job);
        const QByteArray design = KeyedDesign(job, QStringLiteral("S1"), QStringLiteral("P1"),
                                              QString::fromUtf8("Straße-12"));
        ASSERT_EQ(Probe({"--save", file}, design).exitCode, 0);
        const QString old = QStringLiteral("'%1%2'").arg(job, QString(c.blanks, QLatin1Char(' ')));
        for (const char *table : {"JOBS", "LocDesData", "SupDesData", "SignDesData", "PrintRecord"})
            Sqlite(file, QStringLiteral("UPDATE %1 SET Job_Code = %2").arg(QLatin1String(table), old));
        // Sign numbers were padded to 10 bytes: 9 characters here.
        Sqlite(file, QString::fromUtf8("UPDATE SignDesData SET Sign_Code = 'Straße-12'"));
        ASSERT_EQ(SqliteValue(file, QStringLiteral("SELECT Job_Code FROM LocDesData")), old.mid(1).chopped(1));

        const ProbeRun loaded = Probe({"--load", file, job, "S1", "P1"});
        ASSERT_EQ(loaded.exitCode, 0) << loaded.err.toStdString();
        const QJsonObject read = LoadedDesign(loaded);
        EXPECT_EQ(read.value("JobCode").toString().toStdString(),
                  testing_support::PaddedToCharacters(c.job, 15));
        EXPECT_EQ(read.value("SignCode").toArray().at(1).toString(), QString::fromUtf8("Straße-12 "));

        ASSERT_EQ(Probe({"--save", file}, design).exitCode, 0);
        EXPECT_EQ(SqliteValue(file, QStringLiteral("SELECT count(*) FROM LocDesData")), "1");
        EXPECT_EQ(SqliteValue(file, QStringLiteral("SELECT count(*) FROM JOBS")), "1");
        EXPECT_EQ(SqliteValue(file, QStringLiteral("SELECT group_concat(DISTINCT length(Job_Code)) FROM (SELECT "
                                                   "Job_Code FROM JOBS UNION ALL SELECT Job_Code FROM SignDesData)")),
                  "15");
        EXPECT_EQ(SqliteValue(file, QStringLiteral("PRAGMA foreign_key_check")), "");

        ASSERT_EQ(Probe({"--delete", file, "3", job, "S1", "P1"}).exitCode, 0);
        EXPECT_EQ(SqliteValue(file, QStringLiteral("SELECT count(*) FROM SupDesData")), "0");
    }
}

// Two stored keys that differ only in their trailing blanks would become one
// when padded: the file is left as it is and still opens.
TEST_F(ProbeStoreTest, KeyCharactersKeysThatWouldMergeStayAsTheyAre)
{
    ASSERT_EQ(Probe({"--save", file}, KeyedDesign("X", "S1", "P1", "A1")).exitCode, 0);
    for (const char *table : {"JOBS", "LocDesData", "SupDesData", "SignDesData", "PrintRecord"})
        Sqlite(file, QStringLiteral("CREATE TEMP TABLE c AS SELECT * FROM %1; UPDATE c SET Job_Code = 'X '; "
                                    "INSERT INTO %1 SELECT * FROM c")
                         .arg(QLatin1String(table)));
    const ProbeRun loaded = Probe({"--load", file, "X", "S1", "P1"});
    ASSERT_EQ(loaded.exitCode, 0) << loaded.err.toStdString();
    EXPECT_EQ(SqliteValue(file, QStringLiteral("SELECT group_concat(n) FROM (SELECT length(Job_Code) AS n FROM JOBS "
                                               "ORDER BY n)")),
              "2,15");
}

// Key parts stored unpadded, with another client's copy of J1 / S1 / P1 that
// differs only in trailing blanks (and case): opening pads every other key in
// all five tables and leaves the two; a command naming them is refused.
TEST_F(ProbeStoreTest, KeyPaddingClashPadsTheOtherKeysAndRefusesTheClashingOnes)
{
    const auto P = [](const char *part) { return QString::fromUtf8(part).leftJustified(15, QLatin1Char(' ')); };
    const QString brucke = P("Brücke") + "|" + P("Süd") + "|" + P("P1"), j2 = P("J2") + "|" + P("S1") + "|" + P("P1");
    const struct {
        const char *column, *partner;  // where and how the other client's J1 / S1 / P1 differs
        QStringList keys;              // every table's keys once the file is open
    } cases[] = {
        {"Job_Code", "J1 ", {brucke, "J1 |S1|P1", "J1|S1|P1", j2}},
        {"Job_Code", "j1 ", {brucke, "J1|S1|P1", j2, "j1 |S1|P1"}},
        {"Job_Section", "s1 ", {brucke, P("J1") + "|S1|P1", P("J1") + "|s1 |P1", j2}},
    };
    const struct {
        QStringList command;
        const char *told;
    } refused[] = {
        {{"--load", "J1", "S1", "P1"}, "No design is stored under J1 / S1 / P1."},
        {{"--delete", "3", "J1", "S1", "P1"}, "The sign position \"J1 / S1 / P1\" to be deleted is not stored."},
        {{"--delete", "2", "J1", "S1", ""}, "The job section \"J1 / S1\" to be deleted is not stored."},
        {{"--rename", "3", "J1", "S1", "P1", "", "", "P9"}, "\"P1\" to be renamed is no longer stored."},
        {{"--rename", "3", "J1", "S1", "P1", "", "", "P1"}, "\"P1\" to be renamed is no longer stored."},
    };
    const QString keyText = QStringLiteral("Job_Code || '|' || Job_Section || '|' || Sign_Pos");
    for (const auto &c : cases) {
        SCOPED_TRACE(c.partner);
        QFile::remove(file);
        for (const QString job : {"J1", "J2", "Brücke"})
            ASSERT_EQ(Probe({"--save", file}, KeyedDesign(job, job == "Brücke" ? "Süd" : "S1", "P1", "A1")).exitCode,
                      0);
        for (const QString table : {"JOBS", "LocDesData", "SupDesData", "SignDesData", "PrintRecord"}) {
            const bool jobs = table == "JOBS";
            Sqlite(file, "UPDATE " + table + " SET Job_Code = rtrim(Job_Code)" +
                             (jobs ? "" : ", Job_Section = rtrim(Job_Section), Sign_Pos = rtrim(Sign_Pos)"));
            if (!jobs || qstrcmp(c.column, "Job_Code") == 0)
                Sqlite(file, QStringLiteral("CREATE TEMP TABLE c AS SELECT * FROM %1 WHERE Job_Code = 'J1'; "
                                            "UPDATE c SET %2 = '%3'; INSERT INTO %1 SELECT * FROM c")
                                 .arg(table, QLatin1String(c.column), QLatin1String(c.partner)));
        }

        const ProbeRun j2run = Probe({"--load", file, "J2", "S1", "P1"});
        ASSERT_EQ(j2run.exitCode, 0) << j2run.err.toStdString();
        EXPECT_EQ(LoadedDesign(j2run).value("SignCode").toArray().at(1).toString(), P("A1").left(10));
        // Parents and children carry the same keys; no location twice.
        for (const char *table : {"LocDesData", "SupDesData", "SignDesData", "PrintRecord"})
            EXPECT_EQ(SqliteValue(file, QStringLiteral("SELECT %1 %2 FROM %3 ORDER BY 1")
                                            .arg(qstrcmp(table, "LocDesData") ? "DISTINCT" : "", keyText, table)),
                      c.keys.join('\n'))
                << table;
        EXPECT_EQ(SqliteValue(file, "SELECT group_concat(Job_Code, '|') FROM (SELECT Job_Code FROM JOBS ORDER BY 1)"),
                  SqliteValue(file, "SELECT group_concat(Job_Code, '|') FROM (SELECT DISTINCT Job_Code FROM "
                                    "LocDesData ORDER BY 1)"));
        EXPECT_EQ(SqliteValue(file, QStringLiteral("PRAGMA foreign_key_check")), "");

        const QString before = Sqlite(file, QStringLiteral(".dump"));
        for (const auto &r : refused) {
            SCOPED_TRACE(r.command.join(' ').toStdString());
            QStringList args = r.command;
            args.insert(1, file);
            const ProbeRun run = Probe(args);
            EXPECT_EQ(run.exitCode, 3);
            EXPECT_TRUE(run.err.contains(QString::fromUtf8(r.told))) << run.err.toStdString();
            EXPECT_EQ(Sqlite(file, QStringLiteral(".dump")), before);
        }

        // The padded keys are found again as typed.
        ASSERT_EQ(Probe({"--rename", file, "1", "J2", "", "", "Straße", "", ""}).exitCode, 0);
        EXPECT_EQ(Probe({"--load", file, "Straße", "S1", "P1"}).exitCode, 0);
        EXPECT_EQ(Probe({"--delete", file, "3", "Brücke", "Süd", "P1"}).exitCode, 0);
        EXPECT_EQ(SqliteValue(file, "SELECT (SELECT count(*) FROM JOBS) || '|' || (SELECT count(*) FROM SignDesData) "
                                    "|| '|' || (SELECT count(*) FROM PrintRecord)"),
                  qstrcmp(c.column, "Job_Code") == 0 ? "3|3|3" : "2|3|3");
    }
}

} // namespace
