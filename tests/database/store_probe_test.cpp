// The design probe's store commands end to end: a design saved, loaded,
// renamed and deleted in a database file through the command line.

#include <gtest/gtest.h>

#include <QFile>
#include <QFileInfo>
#include <QJsonDocument>
#include <QJsonObject>
#include <QProcess>
#include <QTemporaryDir>

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

} // namespace
