// Values the program never writes, put with sqlite3 into every stored column of
// a design: loading and the three print jobs (the probe's commands, in this
// process) refuse the design naming the column, or read the value as stored.

#include "database/expected_schema.h"
#include "platform/sql.h"
#include "tools/probe_orders.h"
#include "tools/probe_print.h"
#include "tools/probe_print_summary.h"
#include "tools/probe_store.h"

#include <gtest/gtest.h>

#include <QElapsedTimer>
#include <QFile>
#include <QJsonArray>
#include <QJsonDocument>
#include <QJsonObject>
#include <QProcess>
#include <QRegularExpression>
#include <QTemporaryDir>

#include <chrono>
#include <cstdio>
#include <cstdlib>
#include <future>
#include <sstream>
#include <thread>

namespace {

const probe::Arguments Key{"Brücke", "Süd", "P1"};

// Two front panels and a back panel; the sign columns go into the lower front panel.
const char *const Design = R"({
  "CurrentDesign": {"JobCode": "Brücke", "JobSection": "Süd", "SignPos": "P1",
    "NumFrontSigns": 2, "FrontSignWidth": [0, 2400, 2000], "FrontSignDepth": [0, 1200, 900],
    "FrontSignClearance": [0, 0, 100], "SignCode": [null, "G1-1", "G1-2", null, "B1"],
    "LegendClass": [0, 2, 2, 0, 2], "LegendColour": [0, 1, 1, 0, 1], "BkgndClass": [0, 1, 1, 0, 1],
    "BkgndColour": [0, 2, 6, 0, 1],
    "NumBackSigns": 1, "BackSignWidth": 1800, "BackSignDepth": 1500,
    "SegLength": [0, 2000, 4000], "SegDeltaHeight": [0, -500, 300], "RoadHeight": 2000, "DistFromKerb": 1500,
    "WindRegion": 2, "SoilType": 3, "CollisionRisk": 2, "SignOnLeft": -1,
    "Notes": "Straße gesperrt, Brücke über den Süd-Kanal"},
  "CurrentSupportType": 1
})";

// What a refusal says after "column C holds "; Read: the value is read.
const char *const Read = nullptr, *const NoValue = "no value",
                  *const NotANumber = "(abc|an empty text), not a number",
                  *const OutsideRange = "-?[0-9.e+E]+, outside its range";

// The outcome in a number column, one read from its leading number, and a size.
struct StoredValue {
    QString sql;
    const char *number, *numberText, *size;
};

const StoredValue Values[] = {
    {"NULL", NoValue, NoValue, NoValue},
    {"'abc'", NotANumber, NotANumber, Read},
    {"'1E300'", OutsideRange, OutsideRange, OutsideRange},
    {"'-1E300'", OutsideRange, OutsideRange, OutsideRange},
    {"2147483648", OutsideRange, OutsideRange, OutsideRange},
    {"-2147483649", OutsideRange, OutsideRange, OutsideRange},
    {"''", NotANumber, NotANumber, Read},
    {"-1", Read, Read, OutsideRange},
};

const char *Expected(const QString &column, const StoredValue &v)
{
    static const QStringList texts{"Sup_Name",   "Spacing_Type", "Post_Mat_Grade", "Slip_Base_Req", "Sign_Code",
                                   "Sign_Place", "Legend_Class", "Legend_Colour",  "Bkgnd_Class",   "Bkgnd_Colour"};
    static const QStringList sizes{"Post_Dimensions", "Post_Wall_Thickness", "Norm_Footing_Dim"};
    if (texts.contains(column))
        return v.sql == "NULL" ? NoValue : Read;
    if (sizes.contains(column))
        return v.size;
    return column == "Screw_Footing_Dim" ? v.numberText : v.number;
}

struct StoredColumn {
    QString table, column;
};

struct CommandRun {
    int exit = -1;
    QString out, err;
    qint64 ms = 0;
};

using CommandFunction = int (*)(const probe::Arguments &, std::istream &, std::ostream &, std::ostream &);

// The design's key follows the arguments of every command but --save, which
// reads `input`. One that never ends aborts with its name rather than hold the rest.
CommandRun RunProbe(CommandFunction command, probe::Arguments args, const std::string &what,
                    const std::string &input = {})
{
    if (input.empty())
        args.insert(args.end(), Key.begin(), Key.end());
    std::istringstream in(input);
    std::ostringstream out, err;
    std::promise<void> ended;
    std::thread watchdog([done = ended.get_future(), what] {
        if (done.wait_for(std::chrono::seconds(60)) == std::future_status::timeout) {
            std::fprintf(stderr, "still running after 60 s: %s\n", what.c_str());
            std::abort();
        }
    });
    QElapsedTimer clock;
    clock.start();
    CommandRun r{command(args, in, out, err), {}, {}, clock.elapsed()};
    ended.set_value();
    watchdog.join();
    r.out = QString::fromStdString(out.str());
    r.err = QString::fromStdString(err.str());
    return r;
}

// Every file of the tests, in memory-backed storage where there is some: each cell writes a few.
QTemporaryDir &Folder()
{
    static QTemporaryDir shm(QStringLiteral("/dev/shm/kelvora-XXXXXX")), tmp;
    return shm.isValid() ? shm : tmp;
}

// The design, saved once by the probe.
QString Base()
{
    static const QString base = [] {
        const QString file = Folder().filePath(QStringLiteral("base.mdb"));
        const CommandRun saved = RunProbe(probe::SaveCommand, {file.toStdString()}, "--save", Design);
        EXPECT_EQ(saved.exit, 0) << saved.err.toStdString();
        return file;
    }();
    return base;
}

// Runs statements with the sqlite3 client, CHECK constraints off as in a tool
// that has none; returns the client's error text.
QString Sqlite3(const QString &file, const QString &statements)
{
    QProcess p;
    p.start(QStringLiteral("sqlite3"), {file});
    EXPECT_TRUE(p.waitForStarted()) << "the sqlite3 client is needed";
    p.write(("PRAGMA ignore_check_constraints = ON;\n" + statements + "\n").toUtf8());
    p.closeWriteChannel();
    p.waitForFinished(30000);
    return QString::fromUtf8(p.readAllStandardError());
}

QString Update(const StoredColumn &c, const QString &value, const QString &schema = "main")
{
    return QStringLiteral("UPDATE %1.%2 SET %3 = %4%5;")
        .arg(schema, c.table, c.column, value,
             c.table == "SignDesData" ? QStringLiteral(" WHERE Sign_Place = 'FL'") : QString());
}

// One copy of the design per column, `value` written into each by one run of the client.
void WriteEverywhere(const std::vector<StoredColumn> &columns, const QString &value, int first,
                     std::vector<QString> &files)
{
    QString statements;
    for (const StoredColumn &c : columns) {
        files.push_back(Folder().filePath(QStringLiteral("cell%1.mdb").arg(first + int(files.size()))));
        ASSERT_TRUE(QFile::copy(Base(), files.back()));
        statements += QStringLiteral("ATTACH '%1' AS c;\n%2\nDETACH c;\n").arg(files.back(), Update(c, value, "c"));
    }
    // A column that takes no NULL (a panel row's key) is written after its
    // table is made again as a tool without that rule makes it.
    const QRegularExpression notNull(QStringLiteral("NOT NULL constraint failed: (\\w+)\\.(\\w+)"));
    for (const QString &line : Sqlite3(":memory:", statements).split('\n', Qt::SkipEmptyParts)) {
        const QRegularExpressionMatch m = notNull.match(line);
        ASSERT_TRUE(m.hasMatch()) << line.toStdString();
        for (std::size_t i = 0; i < columns.size(); ++i)
            if (columns[i].table == m.captured(1) && columns[i].column == m.captured(2)) {
                ASSERT_EQ(Sqlite3(files[i], QStringLiteral("CREATE TABLE Loose AS SELECT * FROM %1; DROP TABLE %1; "
                                                           "ALTER TABLE Loose RENAME TO %1; %2")
                                                .arg(columns[i].table, Update(columns[i], value))),
                          "");
            }
    }
}

// The print record's cells: key, DForm status and date, SForm status and date,
// three times order status, number and date, Selected, three ticks.
QStringList PrintRecord(const QString &file)
{
    platform::SqlStatus status;
    auto db = platform::SqlConnection::open(file, platform::SqlConnection::OpenMode::OpenExisting, status);
    platform::SqlRows rows;
    EXPECT_TRUE(db && db->select(QStringLiteral("SELECT * FROM PrintRecord"), {}, rows).ok());
    QStringList cells;
    for (const platform::SqlRow &row : rows)
        for (const QVariant &v : row)
            cells << v.toString();
    return cells;
}

TEST(StoredValuesNeverWritten, RefusedNamingTheColumnOrReadAsStored)
{
    // Every stored column of the three design tables but the key and Notes.
    std::vector<StoredColumn> columns;
    const auto tables = dbtest::expectedColumns();
    for (const QString table : {"SupDesData", "SignDesData", "LocDesData"})
        for (const QString &column : tables.at(table))
            if (!dbtest::key.contains(column) && column != "Notes")
                columns.push_back({table, column});
    ASSERT_EQ(columns.size(), 51U + 12U + 35U);
    QElapsedTimer whole;
    whole.start();
    const QStringList recordBefore = PrintRecord(Base());
    int cell = 0, refused = 0;
    for (const StoredValue &value : Values) {
        std::vector<QString> files;
        ASSERT_NO_FATAL_FAILURE(WriteEverywhere(columns, value.sql, cell, files));
        for (std::size_t i = 0; i < columns.size(); ++i, ++cell) {
            const StoredColumn &c = columns[i];
            const char *const expected = Expected(c.column, value);
            const std::string what = (c.table + "." + c.column + " = " + value.sql).toStdString();
            SCOPED_TRACE(what);
            const std::string path = files[i].toStdString(), pdf = path + ".pdf";
            const CommandRun load = RunProbe(probe::LoadCommand, {path}, what + " --load");
            const CommandRun forms = RunProbe(probe::PrintDesignFormsCommand, {path, pdf + "1"}, what + " --forms");
            const CommandRun summary = RunProbe(probe::PrintSummaryCommand, {path, pdf + "2"}, what + " --summary");
            const QStringList afterSummary = PrintRecord(files[i]);
            const CommandRun orders =
                RunProbe(probe::PrintOrdersCommand, {path, pdf + "3", "R1", "SF,SP,FT"}, what + " --orders");
            const QStringList afterOrders = PrintRecord(files[i]);
            for (const CommandRun *r : {&load, &forms, &summary, &orders}) {
                EXPECT_EQ(r->exit, expected == Read ? 0 : 3) << r->err.toStdString();
                EXPECT_LT(r->ms, 5000) << "a command ran " << r->ms << " ms";
            }
            for (const char *n : {"1", "2", "3"})
                EXPECT_EQ(QFile::exists(QString::fromStdString(pdf + n)), expected == Read) << "PDF " << n;

            if (expected == Read) {
                EXPECT_EQ(afterSummary.value(3), recordBefore.value(3)) << "the design forms stamp nothing";
                EXPECT_EQ(afterSummary.value(5), "Y") << "the summary form is stamped";
                EXPECT_EQ(afterSummary.value(16), "0") << "and its selection cleared";
                for (int reqNo : {8, 11, 14})
                    EXPECT_EQ(afterOrders.value(reqNo), "R1") << "the order forms are stamped";

                const QJsonObject state = QJsonDocument::fromJson(load.out.toUtf8()).object();
                const QJsonObject design = state.value("CurrentDesign").toObject();
                if (c.column == "Sup_Name") {
                    EXPECT_EQ(state.value("CurrentSupportType").toInt(), 1);
                }
                // A name no entry of its list names leaves the slot's reset
                // index; the class lists end in an entry that is the empty text.
                if (c.column.contains(QRegularExpression("^(Legend|Bkgnd)_C"))) {
                    const bool entry = value.sql == "''" && c.column.endsWith("Class");
                    EXPECT_EQ(design.value(QString(c.column).remove('_')).toArray().at(1).toInt(), entry ? 7 : 0);
                }
                // A number is itself (Seg_Length_3 is element 3 of SegLength); the
                // design run that ends the load moves the sign to where the slope carries it.
                if (c.table == "LocDesData" && value.sql == "-1" && c.column != "Dist_From_Kerb") {
                    const QRegularExpressionMatch m = QRegularExpression("^(.*?)(?:_([1-6]))?$").match(c.column);
                    const QJsonValue field = design.value(m.captured(1).remove('_'));
                    EXPECT_EQ((m.captured(2).isEmpty() ? field : field.toArray().at(m.captured(2).toInt())).toInt(), -1);
                }
            } else {
                ++refused;
                const QRegularExpression fault(QStringLiteral("column %1 holds %2\\.").arg(c.column, expected));
                for (const CommandRun *r : {&load, &forms, &summary, &orders}) {
                    EXPECT_TRUE(r->err.contains(r == &load ? "Stored design Brücke / Süd / P1: "
                                                           : "The design Brücke / Süd / P1 could not be read: "))
                        << r->err.toStdString();
                    EXPECT_TRUE(r->err.contains(fault)) << r->err.toStdString();
                    EXPECT_TRUE(r->out.isEmpty());
                }
                EXPECT_EQ(afterSummary.mid(3, 13), recordBefore.mid(3, 13)) << "no status";
                EXPECT_EQ(afterSummary.value(16), "-1") << "the selection kept";
                EXPECT_EQ(afterOrders.mid(3, 13), recordBefore.mid(3, 13)) << "no order status";
                EXPECT_EQ(afterOrders.mid(16), QStringList({"-1", "-1", "-1", "-1"})) << "the ticks kept";
            }
            QFile::remove(files[i]);
            if (HasFailure())
                return;
        }
    }
    std::printf("%d stored values: %d refused, in %lld ms\n", cell, refused, static_cast<long long>(whole.elapsed()));
}

// Files of schema versions 0 and 1 have no Notes column, which the upgrade
// adds without a value: their designs load and print, with no notes.
TEST(StoredValuesNeverWritten, DesignsOfSchemaVersionsZeroAndOneLoadAndPrint)
{
    QStringList location = dbtest::expectedColumns().at("LocDesData");
    location.removeAll("Notes");
    QString copyDesign = QStringLiteral("ATTACH '%1' AS b;\nINSERT INTO LocDesData SELECT %2 FROM b.LocDesData;\n")
                             .arg(Base(), location.join(", "));
    for (const char *table : {"JOBS", "SupDesData", "SignDesData", "PrintRecord"})
        copyDesign += QStringLiteral("INSERT INTO %1 SELECT * FROM b.%1;\n").arg(table);
    const QString version1 = QStringLiteral(
        "CREATE TABLE Version (\"Schema Version\" INTEGER);\nINSERT INTO Version VALUES (1);\n"
        "CREATE TABLE DefaultValues (ClearanceAboveRoadEdge INTEGER, DistanceFromCarriageway INTEGER, "
        "ClearZoneSpeed INTEGER, ClearZoneAADT INTEGER);\nINSERT INTO DefaultValues VALUES (1500, 1000, 60, 0);\n");
    for (int version : {0, 1}) {
        SCOPED_TRACE(version);
        const QString file = Folder().filePath(QStringLiteral("version%1.mdb").arg(version));
        const QString failed = Sqlite3(file, dbtest::version0Tables().join(";\n") + ";\n" + copyDesign +
                                                 (version == 1 ? version1 : QString()));
        ASSERT_TRUE(failed.isEmpty()) << failed.toStdString();

        const std::string path = file.toStdString(), pdf = path + ".pdf";
        const CommandRun load = RunProbe(probe::LoadCommand, {path}, "--load");
        ASSERT_EQ(load.exit, 0) << load.err.toStdString();
        const QJsonObject design =
            QJsonDocument::fromJson(load.out.toUtf8()).object().value("CurrentDesign").toObject();
        EXPECT_EQ(design.value("Notes").toString(), "");
        EXPECT_EQ(design.value("JobCode").toString().trimmed(), "Brücke");
        EXPECT_EQ(design.value("SegLength").toArray().at(2).toInt(), 4000);

        const CommandRun forms = RunProbe(probe::PrintDesignFormsCommand, {path, pdf + "1"}, "--forms");
        ASSERT_EQ(forms.exit, 0) << forms.err.toStdString();
        EXPECT_EQ(QJsonDocument::fromJson(forms.out.toUtf8()).object().value("pages").toInt(), 1) << "no notes page";
        for (const CommandRun &r : {RunProbe(probe::PrintSummaryCommand, {path, pdf + "2"}, "--summary"),
                                    RunProbe(probe::PrintOrdersCommand, {path, pdf + "3", "R1", "SF,SP,FT"}, "--orders")})
            EXPECT_EQ(r.exit, 0) << r.err.toStdString();
    }
}

}  // namespace
