// Order forms printed through the design probe into a real PDF on a database
// filled by the probe's save, read back with pdftotext.

#include "platform/sql.h"

#include <gtest/gtest.h>

#include <QFile>
#include <QFileInfo>
#include <QJsonDocument>
#include <QJsonObject>
#include <QProcess>
#include <QTemporaryDir>

namespace {

struct ToolRun {
    int exitCode = -1;
    QByteArray out;
    QString err;
};

ToolRun Start(const QString &program, const QStringList &args, const QByteArray &input = {})
{
    QProcess p;
    p.start(program, args);
    p.write(input);
    p.closeWriteChannel();
    p.waitForFinished(60000);
    ToolRun r;
    r.exitCode = p.exitStatus() == QProcess::NormalExit ? p.exitCode() : -1;
    r.out = p.readAllStandardOutput();
    r.err = QString::fromUtf8(p.readAllStandardError());
    return r;
}

QString ProbePath() { return QStringLiteral(KELVORA_BINARY_DIR "/tests/tools/design-probe"); }

const QByteArray ThreePanels = R"({
  "CurrentDesign": {"JobCode": "J200", "JobSection": "East", "SignPos": "P1",
    "NumFrontSigns": 3, "FrontSignWidth": [0, 1200, 600, 2400], "FrontSignDepth": [0, 900, 600, 1500],
    "FrontSignClearance": [0, 0, 100, 100], "SignCode": [null, "G1-1", "G1-2", "G1-3"],
    "SegLength": [0, 3000], "SegDeltaHeight": [0, 200], "RoadHeight": 1500, "DistFromKerb": 1000,
    "WindRegion": 1, "SoilType": 2, "CollisionRisk": 1},
  "CurrentSupportType": 1
})";

const QByteArray OnePanel = R"({
  "CurrentDesign": {"JobCode": "J200", "JobSection": "East", "SignPos": "P2",
    "NumFrontSigns": 1, "FrontSignWidth": [0, 1500], "FrontSignDepth": [0, 1000], "SignCode": [null, "R1-1"],
    "SegLength": [0, 3000], "SegDeltaHeight": [0, 200], "RoadHeight": 1500, "DistFromKerb": 1000,
    "WindRegion": 1, "SoilType": 2, "CollisionRisk": 1},
  "CurrentSupportType": 2
})";

class OrderProbeTest : public ::testing::Test {
protected:
    void SetUp() override
    {
        if (!QFileInfo(ProbePath()).isExecutable())
            FAIL() << "design-probe is not built at " << ProbePath().toStdString();
        ASSERT_TRUE(dir.isValid());
        file = dir.filePath("orders.mdb");
        for (const QByteArray &design : {ThreePanels, OnePanel}) {
            const ToolRun saved = Start(ProbePath(), {"--save", file}, design);
            ASSERT_EQ(saved.exitCode, 0) << saved.err.toStdString();
        }
    }
    QString column(const char *name, const char *pos)
    {
        platform::SqlStatus status;
        auto db = platform::SqlConnection::open(file, platform::SqlConnection::OpenMode::OpenExisting, status);
        EXPECT_TRUE(db);
        platform::SqlRows rows;
        EXPECT_TRUE(db->select(QStringLiteral("SELECT %1 FROM PrintRecord WHERE Sign_Pos = ?").arg(name),
                               {QString(pos).leftJustified(15)}, rows)
                        .ok());
        return rows.empty() ? QString() : rows[0][0].toString();
    }
    QTemporaryDir dir;
    QString file;
};

TEST_F(OrderProbeTest, PrintsTheTickedKindsUnderTheNumber)
{
    const QString pdf = dir.filePath("orders.pdf");
    const ToolRun run = Start(ProbePath(), {"--print-orders", file, pdf, "Q-'17", "SF", "J200", "East", "P1",
                                            "SP,FT", "J200", "East", "P2"});
    ASSERT_EQ(run.exitCode, 0) << run.err.toStdString();
    const QJsonObject json = QJsonDocument::fromJson(run.out).object();
    EXPECT_EQ(json.value("designs").toInt(), 2);
    EXPECT_EQ(json.value("pages").toInt(), 1);
    const ToolRun text = Start("pdftotext", {pdf, "-"});
    ASSERT_EQ(text.exitCode, 0);
    const QString all = QString::fromUtf8(text.out);
    EXPECT_TRUE(all.contains("Requisition Number : Q-'17")) << all.toStdString();
    EXPECT_TRUE(all.contains("Kelvora - Order Form"));
    for (const char *t : {"J200", "East", "P1", "P2", "1.08", ".36", "3.6", "Front Middle", "RHS Steel"})
        EXPECT_TRUE(all.contains(t)) << t;
    // Stamped per ticked kind only; every flag cleared.
    EXPECT_EQ(column("OFormSF_ReqNo", "P1"), "Q-'17");
    EXPECT_EQ(column("OFormSF_Print_Status", "P1"), "Y");
    EXPECT_EQ(column("OFormSP_ReqNo", "P1"), "-");
    EXPECT_EQ(column("OFormSP_ReqNo", "P2"), "Q-'17");
    EXPECT_EQ(column("OFormFT_Print_Status", "P2"), "Y");
    EXPECT_EQ(column("OFormSF_Print_Status", "P2"), "N");
    EXPECT_EQ(column("Selected", "P1"), "0");
    EXPECT_EQ(column("OFormFT_Sel", "P2"), "0");
}

TEST_F(OrderProbeTest, RefusalsChangeNothing)
{
    const QString pdf = dir.filePath("refused.pdf");
    const ToolRun blank = Start(ProbePath(), {"--print-orders", file, pdf, "  ", "SF", "J200", "East", "P1"});
    EXPECT_EQ(blank.exitCode, 2);
    EXPECT_TRUE(blank.err.contains("Please enter a Requsisition Number before printing")) << blank.err.toStdString();
    const ToolRun longer =
        Start(ProbePath(), {"--print-orders", file, pdf, QString(16, 'N'), "SF", "J200", "East", "P1"});
    EXPECT_EQ(longer.exitCode, 2);
    const ToolRun missing = Start(ProbePath(), {"--print-orders", file, pdf, "R1", "SF", "J200", "East", "P1", "SP",
                                                "J200", "West", "P9"});
    EXPECT_EQ(missing.exitCode, 3);
    EXPECT_TRUE(missing.err.contains("no design is stored")) << missing.err.toStdString();
    EXPECT_EQ(column("Selected", "P1"), "0");
    EXPECT_EQ(column("OFormSF_Sel", "P1"), "0");
    // A job that cannot write its file leaves the stamps as they were.
    const ToolRun failed =
        Start(ProbePath(), {"--print-orders", file, dir.filePath("no/folder/x.pdf"), "R1", "SF", "J200", "East", "P1"});
    EXPECT_NE(failed.exitCode, 0);
    EXPECT_EQ(column("OFormSF_ReqNo", "P1"), "-");
    EXPECT_EQ(column("OFormSF_Print_Status", "P1"), "N");
    EXPECT_FALSE(QFile::exists(pdf));
}

} // namespace
