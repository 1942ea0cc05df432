// Values the program never writes, put into a stored design with sqlite3 as
// another tool could: a NULL, text that is no number, numbers and sizes no
// field or design table holds, the empty text and -1, in every stored column
// of the three design tables. Loading (the storage dialog's load) and each of
// the three print jobs, run through the design probe's own commands in this
// process, either refuse the design naming the column (exit 3, no PDF, no
// stamp, the selection kept) or read the value as a stored design reads it.

#include "database/expected_schema.h"
#include "platform/sql.h"
#include "tools/probe_commands.h"
#include "tools/probe_print.h"
#include "tools/probe_print_summary.h"
#include "tools/probe_orders.h"
#include "tools/probe_store.h"

#include <gtest/gtest.h>

#include <QDir>
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

const char *const Job = "Brücke";
const char *const Section = "Süd";
const char *const Pos = "P1";

// Two front panels and a back panel; the lower front panel is the row that
// the sign columns are written into.
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

// How the stored design reads a column: its number, the number at the start
// of its text, the size its text states, or the text as it is.
enum class Holds { Number, NumberText, Size, Text };

Holds HoldsOf(const QString &column)
{
    static const QStringList texts{"Sup_Name",   "Spacing_Type", "Post_Mat_Grade", "Slip_Base_Req", "Sign_Code",
                                   "Sign_Place", "Legend_Class", "Legend_Colour",  "Bkgnd_Class",   "Bkgnd_Colour"};
    static const QStringList sizes{"Post_Dimensions", "Post_Wall_Thickness", "Norm_Footing_Dim"};
    if (texts.contains(column))
        return Holds::Text;
    if (sizes.contains(column))
        return Holds::Size;
    if (column == QLatin1String("Screw_Footing_Dim"))
        return Holds::NumberText;
    return Holds::Number;
}

struct StoredColumn {
    QString table;
    QString column;
};

// Every stored column of the three design tables but the key and Notes.
std::vector<StoredColumn> StoredColumns()
{
    std::vector<StoredColumn> all;
    const auto columns = dbtest::expectedColumns();
    for (const char *table : {"SupDesData", "SignDesData", "LocDesData"}) {
        for (const QString &column : columns.at(QString::fromLatin1(table)))
            if (!dbtest::key.contains(column) && column != QLatin1String("Notes"))
                all.push_back({QString::fromLatin1(table), column});
    }
    return all;
}

enum class Outcome { Read, NoValue, NotANumber, OutsideRange };

struct StoredValue {
    const char *sql;  // as written by sqlite3
    const char *name;
    Outcome number, numberText, size;  // a text column takes every value but NULL
};

const StoredValue Values[] = {
    {"NULL", "NULL", Outcome::NoValue, Outcome::NoValue, Outcome::NoValue},
    {"'abc'", "abc", Outcome::NotANumber, Outcome::NotANumber, Outcome::Read},
    {"'1E300'", "1E300", Outcome::OutsideRange, Outcome::OutsideRange, Outcome::OutsideRange},
    {"'-1E300'", "-1E300", Outcome::OutsideRange, Outcome::OutsideRange, Outcome::OutsideRange},
    {"2147483648", "2147483648", Outcome::OutsideRange, Outcome::OutsideRange, Outcome::OutsideRange},
    {"-2147483649", "-2147483649", Outcome::OutsideRange, Outcome::OutsideRange, Outcome::OutsideRange},
    {"''", "empty text", Outcome::NotANumber, Outcome::NotANumber, Outcome::Read},
    {"-1", "-1", Outcome::Read, Outcome::Read, Outcome::OutsideRange},
};

Outcome Expected(const StoredColumn &c, const StoredValue &v)
{
    switch (HoldsOf(c.column)) {
    case Holds::Number:
        return v.number;
    case Holds::NumberText:
        return v.numberText;
    case Holds::Size:
        return v.size;
    case Holds::Text:
        break;
    }
    return QLatin1String(v.sql) == QLatin1String("NULL") ? Outcome::NoValue : Outcome::Read;
}

// What a refusal says after "column C holds ".
QRegularExpression FaultText(const StoredColumn &c, Outcome o)
{
    const QString column = QRegularExpression::escape(c.column);
    switch (o) {
    case Outcome::NoValue:
        return QRegularExpression(QStringLiteral("column %1 holds no value\\.").arg(column));
    case Outcome::NotANumber:
        return QRegularExpression(QStringLiteral("column %1 holds (abc|an empty text), not a number\\.").arg(column));
    case Outcome::OutsideRange:
        return QRegularExpression(QStringLiteral("column %1 holds -?[0-9.e+E]+, outside its range\\.").arg(column));
    case Outcome::Read:
        break;
    }
    return QRegularExpression(QStringLiteral("$^"));
}

struct CommandRun {
    int exit = -1;
    QString out;
    QString err;
    qint64 ms = 0;
};

probe::Arguments With(probe::Arguments head, const probe::Arguments &tail)
{
    head.insert(head.end(), tail.begin(), tail.end());
    return head;
}

using CommandFunction = int (*)(const probe::Arguments &, std::istream &, std::ostream &, std::ostream &);

CommandRun RunProbe(CommandFunction command, const probe::Arguments &args, const std::string &what,
                    const std::string &input = {})
{
    std::istringstream in(input);
    std::ostringstream out;
    std::ostringstream err;
    CommandRun r;
    // A command that never ends would hold every test after it: the run is
    // ended with its name instead.
    std::promise<void> ended;
    std::thread watchdog([done = ended.get_future(), what] {
        if (done.wait_for(std::chrono::seconds(60)) == std::future_status::timeout) {
            std::fprintf(stderr, "still running after 60 s: %s\n", what.c_str());
            std::abort();
        }
    });
    QElapsedTimer clock;
    clock.start();
    r.exit = command(args, in, out, err);
    r.ms = clock.elapsed();
    ended.set_value();
    watchdog.join();
    r.out = QString::fromStdString(out.str());
    r.err = QString::fromStdString(err.str());
    return r;
}

class StoredValuesNeverWritten : public ::testing::Test {
protected:
    static void SetUpTestSuite()
    {
        // Every cell writes and syncs a few small files: memory-backed
        // storage where the system has it.
        const QDir memory(QStringLiteral("/dev/shm"));
        folder =
            memory.exists() ? new QTemporaryDir(memory.filePath(QStringLiteral("kelvora-XXXXXX"))) : new QTemporaryDir;
        if (!folder->isValid()) {
            delete folder;
            folder = new QTemporaryDir;
        }
        ASSERT_TRUE(folder->isValid());
        base = folder->filePath(QStringLiteral("base.mdb"));
        const CommandRun saved = RunProbe(probe::SaveCommand, {base.toStdString()}, "--save", Design);
        ASSERT_EQ(saved.exit, 0) << saved.err.toStdString();
    }
    static void TearDownTestSuite()
    {
        delete folder;
        folder = nullptr;
    }

    // Runs statements on a file with the sqlite3 client, CHECK constraints
    // off as in a file made by a tool that has none; the client's error text.
    static QString Sqlite3(const QString &file, const QString &statements)
    {
        QProcess p;
        p.start(QStringLiteral("sqlite3"), {file});
        EXPECT_TRUE(p.waitForStarted()) << "the sqlite3 client is needed";
        p.write(("PRAGMA ignore_check_constraints = ON;\n" + statements + "\n").toUtf8());
        p.closeWriteChannel();
        p.waitForFinished(30000);
        EXPECT_EQ(p.exitStatus(), QProcess::NormalExit);
        return QString::fromUtf8(p.readAllStandardError());
    }
    // The statement writing `value` into the design of a file attached as
    // `schema` (or the main one): the sign columns into its lower front panel.
    static QString Update(const StoredColumn &c, const char *value, const QString &schema = QStringLiteral("main"))
    {
        return QStringLiteral("UPDATE %1.%2 SET %3 = %4%5;")
            .arg(schema, c.table, c.column, QLatin1String(value),
                 c.table == QLatin1String("SignDesData") ? QStringLiteral(" WHERE Sign_Place = 'FL'") : QString());
    }
    // One copy of the stored design per column, `value` written into each
    // by one run of the client.
    static std::vector<QString> WriteEverywhere(const std::vector<StoredColumn> &columns, const StoredValue &value,
                                                int first)
    {
        std::vector<QString> files;
        QString statements;
        for (const StoredColumn &c : columns) {
            files.push_back(folder->filePath(QStringLiteral("cell%1.mdb").arg(first + static_cast<int>(files.size()))));
            EXPECT_TRUE(QFile::copy(base, files.back()));
            statements +=
                QStringLiteral("ATTACH '%1' AS c;\n%2\nDETACH c;\n").arg(files.back(), Update(c, value.sql, "c"));
        }
        const QString failed = Sqlite3(QStringLiteral(":memory:"), statements);
        // A column of this file that takes no NULL (the key of a panel row) is
        // written after its table is made as a tool without that rule makes
        // it.
        const QRegularExpression notNull(QStringLiteral("NOT NULL constraint failed: (\\w+)\\.(\\w+)"));
        for (QRegularExpressionMatchIterator m = notNull.globalMatch(failed); m.hasNext();) {
            const QRegularExpressionMatch match = m.next();
            for (std::size_t i = 0; i < columns.size(); ++i) {
                const StoredColumn &c = columns[i];
                if (c.table != match.captured(1) || c.column != match.captured(2))
                    continue;
                const QString again =
                    Sqlite3(files[i], QStringLiteral("CREATE TABLE Loose AS SELECT * FROM %1; "
                                                     "DROP TABLE %1; ALTER TABLE Loose RENAME TO %1; %2")
                                          .arg(c.table, Update(c, value.sql)));
                EXPECT_TRUE(again.isEmpty()) << again.toStdString();
            }
        }
        for (const QString &line : failed.split(QLatin1Char('\n'), Qt::SkipEmptyParts))
            EXPECT_TRUE(line.contains(notNull)) << line.toStdString();
        return files;
    }

    // The print status, the selection and the ticks of the design.
    static QStringList PrintRecord(const QString &file)
    {
        platform::SqlStatus status;
        auto db = platform::SqlConnection::open(file, platform::SqlConnection::OpenMode::OpenExisting, status);
        EXPECT_TRUE(db) << status.text().toStdString();
        if (!db)
            return {};
        platform::SqlRows rows;
        EXPECT_TRUE(db->select(QStringLiteral("SELECT * FROM PrintRecord"), {}, rows).ok());
        QStringList cells;
        for (const platform::SqlRow &row : rows)
            for (const QVariant &v : row)
                cells << v.toString();
        return cells;
    }

    static QTemporaryDir *folder;
    static QString base;
};

QTemporaryDir *StoredValuesNeverWritten::folder = nullptr;
QString StoredValuesNeverWritten::base;

TEST_F(StoredValuesNeverWritten, RefusedNamingTheColumnOrReadAsStored)
{
    const std::vector<StoredColumn> columns = StoredColumns();
    ASSERT_EQ(columns.size(), 51U + 12U + 35U);
    const std::string job = Job, section = Section, pos = Pos;
    const probe::Arguments key{job, section, pos};
    QElapsedTimer whole;
    whole.start();
    const QStringList recordBefore = PrintRecord(base);
    int cell = 0, refused = 0, read = 0;
    for (const StoredValue &value : Values) {
        const std::vector<QString> files = WriteEverywhere(columns, value, cell);
        ASSERT_EQ(files.size(), columns.size());
        for (std::size_t i = 0; i < columns.size(); ++i, ++cell) {
            const StoredColumn &c = columns[i];
            const QString &file = files[i];
            const Outcome expected = Expected(c, value);
            const std::string what = c.table.toStdString() + "." + c.column.toStdString() + " = " + value.name;
            SCOPED_TRACE(what);
            const std::string path = file.toStdString();
            const std::string pdf = (file + QStringLiteral(".pdf")).toStdString();
            const CommandRun load = RunProbe(probe::LoadCommand, With({path}, key), what + " --load");
            const CommandRun forms =
                RunProbe(probe::PrintDesignFormsCommand, With({path, pdf + "1"}, key), what + " --print-design-forms");
            const CommandRun summary =
                RunProbe(probe::PrintSummaryCommand, With({path, pdf + "2"}, key), what + " --print-summary");
            const QStringList afterSummary = PrintRecord(file);
            const CommandRun orders = RunProbe(
                probe::PrintOrdersCommand, With({path, pdf + "3", "R1", "SF,SP,FT"}, key), what + " --print-orders");
            const QStringList afterOrders = PrintRecord(file);

            for (const CommandRun *r : {&load, &forms, &summary, &orders})
                EXPECT_LT(r->ms, 5000) << "a command ran " << r->ms << " ms";

            if (expected == Outcome::Read) {
                ++read;
                for (const CommandRun *r : {&load, &forms, &summary, &orders})
                    EXPECT_EQ(r->exit, 0) << r->err.toStdString();
                for (const char *n : {"1", "2", "3"})
                    EXPECT_TRUE(QFile::exists(QString::fromStdString(pdf + n))) << n;
                // PrintRecord: key, DForm status and date, SForm status and
                // date, three times order status, number and date, Selected
                // and the three ticks. The design forms alone stamp nothing.
                EXPECT_EQ(afterSummary.value(3), recordBefore.value(3));
                EXPECT_EQ(afterSummary.value(5), "Y") << "the summary form is stamped";
                EXPECT_EQ(afterSummary.value(16), "0") << "and its selection cleared";
                for (int reqNo : {8, 11, 14})
                    EXPECT_EQ(afterOrders.value(reqNo), "R1") << "the order forms are stamped";
                // As loading reads the value: a name that is no entry of its
                // list leaves the slot's (reset) index; a number is itself.
                const QJsonObject state = QJsonDocument::fromJson(load.out.toUtf8()).object();
                const QJsonObject design = state.value("CurrentDesign").toObject();
                if (c.column == QLatin1String("Sup_Name")) {
                    EXPECT_EQ(state.value("CurrentSupportType").toInt(), 1);
                }
                for (const char *name : {"Legend_Class", "Legend_Colour", "Bkgnd_Class", "Bkgnd_Colour"}) {
                    if (c.column == QLatin1String(name)) {
                        // The class lists end in an entry that is the empty text.
                        const bool entry =
                            QLatin1String(value.sql) == QLatin1String("''") && c.column.endsWith("Class");
                        EXPECT_EQ(design.value(QString(c.column).remove('_')).toArray().at(1).toInt(), entry ? 7 : 0);
                    }
                }
                // (The design run that ends the load moves a sign the slope
                // cannot carry where it can: its distance is the run's.)
                if (c.table == QLatin1String("LocDesData") && QLatin1String(value.sql) == QLatin1String("-1") &&
                    c.column != QLatin1String("Dist_From_Kerb")) {
                    // Seg_Length_3 is element 3 of SegLength.
                    QString field = c.column;
                    int element = -1;
                    const QRegularExpressionMatch numbered = QRegularExpression("^(.*)_([1-6])$").match(field);
                    if (numbered.hasMatch()) {
                        field = numbered.captured(1);
                        element = numbered.captured(2).toInt();
                    }
                    field.remove('_');
                    const QJsonValue v = element < 0 ? design.value(field) : design.value(field).toArray().at(element);
                    EXPECT_EQ(v.toInt(), -1) << field.toStdString();
                }
            } else {
                ++refused;
                const QRegularExpression fault = FaultText(c, expected);
                EXPECT_EQ(load.exit, 3);
                EXPECT_TRUE(load.err.contains(QStringLiteral("Stored design Brücke / Süd / P1: ")))
                    << load.err.toStdString();
                EXPECT_TRUE(load.err.contains(fault)) << load.err.toStdString();
                EXPECT_TRUE(load.out.isEmpty());
                for (const CommandRun *r : {&forms, &summary, &orders}) {
                    EXPECT_EQ(r->exit, 3);
                    EXPECT_TRUE(r->err.contains(QStringLiteral("The design Brücke / Süd / P1 could not be read: ")))
                        << r->err.toStdString();
                    EXPECT_TRUE(r->err.contains(fault)) << r->err.toStdString();
                    EXPECT_TRUE(r->out.isEmpty());
                }
                for (const char *n : {"1", "2", "3"})
                    EXPECT_FALSE(QFile::exists(QString::fromStdString(pdf + n))) << n;
                // Nothing stamped; the summary's selection and the order
                // form's ticks are what the refused job found.
                EXPECT_EQ(afterSummary.mid(3, 13), recordBefore.mid(3, 13)) << "no status";
                EXPECT_EQ(afterSummary.value(16), "-1") << "the selection kept";
                EXPECT_EQ(afterOrders.mid(3, 13), recordBefore.mid(3, 13)) << "no order status";
                EXPECT_EQ(afterOrders.mid(16), QStringList({"-1", "-1", "-1", "-1"})) << "the ticks kept";
            }
            QFile::remove(file);
            if (HasFailure())
                return;
        }
    }
    EXPECT_EQ(read + refused, 784);
    std::printf("%d stored values: %d refused, %d read, in %lld ms\n", cell, refused, read,
                static_cast<long long>(whole.elapsed()));
}

// Files of schema versions 0 and 1 hold every column of a design but Notes,
// which the upgrade adds without a value: their designs load and print, with
// no notes.
TEST_F(StoredValuesNeverWritten, DesignsOfSchemaVersionsZeroAndOneLoadAndPrint)
{
    const auto columns = dbtest::expectedColumns();
    QStringList location = columns.at(QStringLiteral("LocDesData"));
    location.removeAll(QStringLiteral("Notes"));
    const QString copyDesign = QStringLiteral("ATTACH '%1' AS b;\n"
                                              "INSERT INTO JOBS SELECT * FROM b.JOBS;\n"
                                              "INSERT INTO LocDesData SELECT %2 FROM b.LocDesData;\n"
                                              "INSERT INTO SupDesData SELECT * FROM b.SupDesData;\n"
                                              "INSERT INTO SignDesData SELECT * FROM b.SignDesData;\n"
                                              "INSERT INTO PrintRecord SELECT * FROM b.PrintRecord;\n")
                                   .arg(base, location.join(QStringLiteral(", ")));
    const QString version1 = QStringLiteral(
        "CREATE TABLE Version (\"Schema Version\" INTEGER);\nINSERT INTO Version VALUES (1);\n"
        "CREATE TABLE DefaultValues (ClearanceAboveRoadEdge INTEGER, DistanceFromCarriageway INTEGER, "
        "ClearZoneSpeed INTEGER, ClearZoneAADT INTEGER);\nINSERT INTO DefaultValues VALUES (1500, 1000, 60, 0);\n");
    const std::string job = Job, section = Section, pos = Pos;
    const probe::Arguments key{job, section, pos};
    for (int version : {0, 1}) {
        SCOPED_TRACE(version);
        const QString file = folder->filePath(QStringLiteral("version%1.mdb").arg(version));
        const QString failed =
            Sqlite3(file, dbtest::version0Tables().join(QStringLiteral(";\n")) + QStringLiteral(";\n") + copyDesign +
                              (version == 1 ? version1 : QString()));
        ASSERT_TRUE(failed.isEmpty()) << failed.toStdString();

        const std::string path = file.toStdString();
        const std::string pdf = (file + QStringLiteral(".pdf")).toStdString();
        const CommandRun load = RunProbe(probe::LoadCommand, With({path}, key), "--load");
        ASSERT_EQ(load.exit, 0) << load.err.toStdString();
        const QJsonObject design =
            QJsonDocument::fromJson(load.out.toUtf8()).object().value("CurrentDesign").toObject();
        EXPECT_EQ(design.value("Notes").toString(), "");
        EXPECT_EQ(design.value("JobCode").toString().trimmed(), "Brücke");
        EXPECT_EQ(design.value("NumFrontSigns").toInt(), 2);
        EXPECT_EQ(design.value("SegLength").toArray().at(2).toInt(), 4000);

        const CommandRun forms =
            RunProbe(probe::PrintDesignFormsCommand, With({path, pdf}, key), "--print-design-forms");
        ASSERT_EQ(forms.exit, 0) << forms.err.toStdString();
        EXPECT_EQ(QJsonDocument::fromJson(forms.out.toUtf8()).object().value("pages").toInt(), 1) << "no notes page";
        const CommandRun summary =
            RunProbe(probe::PrintSummaryCommand, With({path, pdf + "2"}, key), "--print-summary");
        EXPECT_EQ(summary.exit, 0) << summary.err.toStdString();
        const CommandRun orders =
            RunProbe(probe::PrintOrdersCommand, With({path, pdf + "3", "R1", "SF,SP,FT"}, key), "--print-orders");
        EXPECT_EQ(orders.exit, 0) << orders.err.toStdString();
    }
}

}  // namespace
