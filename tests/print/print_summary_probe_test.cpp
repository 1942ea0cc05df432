// The summary form printed through the design probe's stamped print step into
// a real PDF, read back with the poppler tools, and the print status read
// back from the database file.

#include "database/design_key.h"
#include "platform/sql.h"
#include "print/print_selection.h"

#include <gtest/gtest.h>

#include <QDate>
#include <QFile>
#include <QFileInfo>
#include <QJsonDocument>
#include <QJsonObject>
#include <QProcess>
#include <QRegularExpression>
#include <QTemporaryDir>

namespace {

struct ProbeRun {
    int exitCode = -1;
    QByteArray out;
    QString err;
};

ProbeRun Start(const QString &program, const QStringList &args, const QByteArray &input = {})
{
    QProcess p;
    p.start(program, args);
    p.write(input);
    p.closeWriteChannel();
    p.waitForFinished(60000);
    ProbeRun r;
    r.exitCode = p.exitStatus() == QProcess::NormalExit ? p.exitCode() : -1;
    r.out = p.readAllStandardOutput();
    r.err = QString::fromUtf8(p.readAllStandardError());
    return r;
}

QString Probe() { return QStringLiteral(KELVORA_BINARY_DIR "/tests/tools/design-probe"); }

QByteArray Design(const char *job, const char *section, const char *pos, int fronts)
{
    return QStringLiteral(R"({"CurrentDesign": {"JobCode": "%1", "JobSection": "%2", "SignPos": "%3",
      "NumFrontSigns": %4, "FrontSignWidth": [0, 2400, 2000, 1800], "FrontSignDepth": [0, 1200, 900, 600],
      "FrontSignClearance": [0, 0, 100, 100], "SignCode": [null, "G1-1", "G1-2", "G1-3", "B1"],
      "NumBackSigns": 1, "BackSignWidth": 1800, "BackSignDepth": 1500,
      "SegLength": [0, 3000], "SegDeltaHeight": [0, 200], "RoadHeight": 1500, "DistFromKerb": 1000,
      "WindRegion": 1, "SoilType": 2, "CollisionRisk": 1}, "CurrentSupportType": 1})")
        .arg(job, section, pos)
        .arg(fronts)
        .toUtf8();
}

class SummaryProbeTest : public ::testing::Test {
protected:
    void SetUp() override
    {
        if (!QFileInfo(Probe()).isExecutable())
            FAIL() << "design-probe is not built at " << Probe().toStdString();
        ASSERT_TRUE(dir.isValid());
        file = dir.filePath("summary.mdb");
        for (const QByteArray &d : {Design("J100", "North", "P1", 3), Design("J100", "South", "P2", 1),
                                    Design("J100", "North", "P0", 2), Design("J200", "East", "P3", 1)}) {
            const ProbeRun saved = Start(Probe(), {"--save", file}, d);
            ASSERT_EQ(saved.exitCode, 0) << saved.err.toStdString();
        }
        platform::SqlStatus status;
        db = platform::SqlConnection::open(file, platform::SqlConnection::OpenMode::OpenExisting, status);
        ASSERT_TRUE(db) << status.text().toStdString();
        ASSERT_TRUE(db->exec("UPDATE JOBS SET Active = 'N' WHERE Job_Code = ?", {database::PadKey("J200")}).ok());
    }
    void TearDown() override { db.reset(); }
    QString value(const char *section, const char *pos, const char *column)
    {
        platform::SqlRows rows;
        EXPECT_TRUE(db->select(QStringLiteral("SELECT %1 FROM PrintRecord WHERE Job_Section = ? AND Sign_Pos = ?")
                                   .arg(column),
                               {database::PadKey(section), database::PadKey(pos)}, rows)
                        .ok());
        return rows.empty() ? QStringLiteral("<none>") : rows[0][0].toString();
    }
    QTemporaryDir dir;
    QString file;
    std::unique_ptr<platform::SqlConnection> db;
};

TEST_F(SummaryProbeTest, SelectedKeysPrintedStampedAndCleared)
{
    const QString pdf = dir.filePath("summary.pdf");
    const ProbeRun run = Start(Probe(), {"--print-summary", file, pdf, "J100", "South", "P2", "J200", "East", "P3", "J100",
                                    "North", "P1", "J100", "North", "P0"});
    ASSERT_EQ(run.exitCode, 0) << run.err.toStdString();
    const QJsonObject json = QJsonDocument::fromJson(run.out).object();
    EXPECT_EQ(json.value("designs").toInt(), 3) << "the inactive job's design is passed over";
    EXPECT_EQ(json.value("pages").toInt(), 1);

    const ProbeRun info = Start("pdfinfo", {pdf});
    ASSERT_EQ(info.exitCode, 0);
    const QRegularExpressionMatch size =
        QRegularExpression("Page size:\\s+([0-9.]+) x ([0-9.]+)").match(QString::fromUtf8(info.out));
    ASSERT_TRUE(size.hasMatch()) << info.out.toStdString();
    EXPECT_GT(size.captured(1).toDouble(), size.captured(2).toDouble()) << "landscape";

    const ProbeRun text = Start("pdftotext", {"-layout", pdf, "-"});
    ASSERT_EQ(text.exitCode, 0);
    const QString all = QString::fromUtf8(text.out);
    EXPECT_TRUE(all.contains("Kelvora - Summary Form"));
    EXPECT_TRUE(all.contains("Support Length Details"));
    EXPECT_EQ(all.count("Job : J100"), 2) << "one group line per section";
    EXPECT_FALSE(all.contains("J200"));
    // Key order: North before South, P0 before P1.
    const qsizetype p0 = all.indexOf(QRegularExpression("\\bP0\\b"));
    const qsizetype p1 = all.indexOf(QRegularExpression("\\bP1\\b"));
    const qsizetype p2 = all.indexOf(QRegularExpression("\\bP2\\b"));
    ASSERT_GE(p0, 0);
    EXPECT_LT(p0, p1);
    EXPECT_LT(p1, p2);
    EXPECT_TRUE(all.contains("Ft Mid"));
    EXPECT_TRUE(all.contains("Bk Sign"));

    const QString today = print::StampDate(QDate::currentDate());
    for (const auto &[section, pos] : {std::pair{"North", "P0"}, {"North", "P1"}, {"South", "P2"}}) {
        EXPECT_EQ(value(section, pos, "SForm_Print_Status"), "Y") << pos;
        EXPECT_EQ(value(section, pos, "SForm_Date"), today) << pos;
        EXPECT_EQ(value(section, pos, "DForm_Print_Status"), "N") << pos;
        EXPECT_EQ(value(section, pos, "Selected"), "0") << pos;
    }
    EXPECT_EQ(value("East", "P3", "SForm_Print_Status"), "N");
    EXPECT_EQ(value("East", "P3", "Selected"), "0");
}

TEST_F(SummaryProbeTest, AKeyNotStoredChangesNothing)
{
    ASSERT_TRUE(db->exec("UPDATE PrintRecord SET Selected = -1 WHERE Sign_Pos = ?", {database::PadKey("P2")}).ok());
    const QString pdf = dir.filePath("none.pdf");
    const ProbeRun run = Start(Probe(), {"--print-summary", file, pdf, "J100", "North", "P1", "J100", "West", "P9"});
    EXPECT_EQ(run.exitCode, 3);
    EXPECT_TRUE(run.err.contains("no design is stored")) << run.err.toStdString();
    EXPECT_FALSE(QFile::exists(pdf));
    EXPECT_EQ(value("South", "P2", "Selected"), "-1");
    EXPECT_EQ(value("North", "P1", "Selected"), "0");
    EXPECT_EQ(value("North", "P1", "SForm_Print_Status"), "N");
    EXPECT_NE(Start(Probe(), {"--print-summary", file, pdf}).exitCode, 0);
}

TEST_F(SummaryProbeTest, AFailedJobLeavesTheStampsAndKeepsTheSelection)
{
    const QString pdf = dir.filePath("no/such/folder/summary.pdf");
    const ProbeRun run = Start(Probe(), {"--print-summary", file, pdf, "J100", "North", "P1"});
    EXPECT_NE(run.exitCode, 0);
    EXPECT_TRUE(run.err.contains("The print job failed")) << run.err.toStdString();
    EXPECT_TRUE(run.out.isEmpty());
    EXPECT_FALSE(QFile::exists(pdf));
    EXPECT_EQ(value("North", "P1", "SForm_Print_Status"), "N");
    EXPECT_EQ(value("North", "P1", "Selected"), "-1");
}

} // namespace
