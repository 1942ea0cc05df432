// Design forms printed through the design probe into a real PDF, read back
// with the poppler tools as an outside reader would.

#include "platform/sql.h"

#include <gtest/gtest.h>

#include <QDir>
#include <QElapsedTimer>
#include <QFile>
#include <QFileInfo>
#include <QJsonDocument>
#include <QJsonObject>
#include <QProcess>
#include <QRegularExpression>
#include <QTemporaryDir>
#include <QThread>

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

const QByteArray WithNotes = R"({
  "CurrentDesign": {"JobCode": "J100", "JobSection": "North", "SignPos": "P1",
    "NumFrontSigns": 2, "FrontSignWidth": [0, 2400, 2000], "FrontSignDepth": [0, 1200, 900],
    "FrontSignClearance": [0, 0, 100], "SignCode": [null, "G1-1", "G1-2", null, "B1"],
    "NumBackSigns": 1, "BackSignWidth": 1800, "BackSignDepth": 1500, "BkgndColour": [0, 2, 6, 0, 1],
    "SegLength": [0, 2000, 4000], "SegDeltaHeight": [0, -500, 300], "RoadHeight": 2000, "DistFromKerb": 1500,
    "WindRegion": 2, "SoilType": 3, "CollisionRisk": 2, "SignOnLeft": -1,
    "Notes": "Footing near a culvert\r\nCheck services before digging"},
  "CurrentSupportType": 1
})";

const QByteArray Plain = R"({
  "CurrentDesign": {"JobCode": "J100", "JobSection": "South", "SignPos": "P2",
    "NumFrontSigns": 1, "FrontSignWidth": [0, 1500], "FrontSignDepth": [0, 1000], "SignCode": [null, "R1-1"],
    "SegLength": [0, 3000], "SegDeltaHeight": [0, 200], "RoadHeight": 1500, "DistFromKerb": 1000,
    "WindRegion": 1, "SoilType": 2, "CollisionRisk": 1},
  "CurrentSupportType": 2
})";

class PrintProbeTest : public ::testing::Test {
protected:
    void SetUp() override
    {
        if (!QFileInfo(ProbePath()).isExecutable())
            FAIL() << "design-probe is not built at " << ProbePath().toStdString();
        ASSERT_TRUE(dir.isValid());
        file = dir.filePath("forms.mdb");
        for (const QByteArray &design : {WithNotes, Plain}) {
            const ToolRun saved = Start(ProbePath(), {"--save", file}, design);
            ASSERT_EQ(saved.exitCode, 0) << saved.err.toStdString();
        }
    }
    QTemporaryDir dir;
    QString file;
};

TEST_F(PrintProbeTest, TwoDesignsToPdf)
{
    const QString pdf = dir.filePath("forms.pdf");
    const ToolRun run = Start(ProbePath(), {"--print-design-forms", file, pdf, "J100", "North", "P1", "J100", "South",
                                        "P2"});
    ASSERT_EQ(run.exitCode, 0) << run.err.toStdString();
    const QJsonObject json = QJsonDocument::fromJson(run.out).object();
    EXPECT_EQ(json.value("designs").toInt(), 2);
    EXPECT_EQ(json.value("pages").toInt(), 3);
    EXPECT_EQ(json.value("file").toString(), QFileInfo(pdf).absoluteFilePath());

    // Three pages: the first design, its notes, the second design; no empty last page.
    const ToolRun info = Start("pdfinfo", {pdf});
    ASSERT_EQ(info.exitCode, 0) << info.err.toStdString();
    EXPECT_TRUE(QString::fromUtf8(info.out).contains(QRegularExpression("Pages:\\s+3\\n")))
        << info.out.toStdString();
    EXPECT_TRUE(QString::fromUtf8(info.out).contains("A4"));

    const ToolRun text = Start("pdftotext", {"-layout", pdf, "-"});
    ASSERT_EQ(text.exitCode, 0);
    const QString all = QString::fromUtf8(text.out);
    const QStringList pages = all.split(QChar('\f'));
    ASSERT_GE(pages.size(), 3);
    EXPECT_TRUE(pages[0].contains("Kelvora - Design Form"));
    EXPECT_TRUE(pages[0].contains("Page 1"));  // the layout collapses the two blanks
    EXPECT_TRUE(pages[0].contains("Section : North"));
    EXPECT_TRUE(pages[0].contains("CHS Steel Design Details"));
    EXPECT_TRUE(pages[0].contains("Front Upper"));
    EXPECT_TRUE(pages[0].contains("Back Sign"));
    EXPECT_TRUE(pages[0].contains("Version 2.1"));
    EXPECT_TRUE(pages[1].contains("Kelvora - Notes"));
    EXPECT_TRUE(pages[1].contains("Footing near a culvert"));
    EXPECT_TRUE(pages[1].contains("Check services before digging"));
    EXPECT_TRUE(pages[2].contains("RHS Steel Design Details"));
    EXPECT_TRUE(pages[2].contains("Section : South"));
    EXPECT_TRUE(pages[2].contains("Page 3"));

    // "Arial" resolves to the metric-compatible Liberation Sans, embedded.
    const ToolRun fonts = Start("pdffonts", {pdf});
    ASSERT_EQ(fonts.exitCode, 0);
    EXPECT_TRUE(fonts.out.contains("LiberationSans")) << fonts.out.toStdString();
    EXPECT_TRUE(fonts.out.contains("LiberationSans-Bold")) << fonts.out.toStdString();
}

TEST_F(PrintProbeTest, KeysInOrderWithRepeatsOrTheSelection)
{
    const QString pdf = dir.filePath("again.pdf");
    const ToolRun run = Start(ProbePath(), {"--print-design-forms", file, pdf, "J100", "South", "P2", "J100", "South",
                                        "P2"});
    ASSERT_EQ(run.exitCode, 0) << run.err.toStdString();
    EXPECT_EQ(QJsonDocument::fromJson(run.out).object().value("pages").toInt(), 2);

    // Without keys: the selected designs; none is selected after saving.
    const QString none = dir.filePath("none.pdf");
    const ToolRun empty = Start(ProbePath(), {"--print-design-forms", file, none});
    ASSERT_EQ(empty.exitCode, 0) << empty.err.toStdString();
    EXPECT_EQ(QJsonDocument::fromJson(empty.out).object().value("designs").toInt(), 0);
    EXPECT_FALSE(QFile::exists(none));

    {
        platform::SqlStatus status;
        auto db = platform::SqlConnection::open(file, platform::SqlConnection::OpenMode::OpenExisting, status);
        ASSERT_TRUE(db);
        ASSERT_TRUE(db->exec("UPDATE PrintRecord SET Selected = -1 WHERE Job_Section = 'South          '").ok());
    }
    const QString selected = dir.filePath("selected.pdf");
    const ToolRun chosen = Start(ProbePath(), {"--print-design-forms", file, selected});
    ASSERT_EQ(chosen.exitCode, 0) << chosen.err.toStdString();
    EXPECT_EQ(QJsonDocument::fromJson(chosen.out).object().value("designs").toInt(), 1);
    const ToolRun text = Start("pdftotext", {selected, "-"});
    EXPECT_TRUE(text.out.contains("South"));
    EXPECT_FALSE(text.out.contains("North"));
}

TEST_F(PrintProbeTest, FailuresLeaveNoFile)
{
    const QString pdf = dir.filePath("fail.pdf");
    const ToolRun missing = Start(ProbePath(), {"--print-design-forms", file, pdf, "J100", "North", "P1", "J100",
                                            "West", "P9"});
    EXPECT_EQ(missing.exitCode, 3);
    EXPECT_TRUE(missing.err.contains("no design is stored")) << missing.err.toStdString();
    EXPECT_FALSE(QFile::exists(pdf));

    const QString unwritable = dir.filePath("no/such/folder/out.pdf");
    const ToolRun denied = Start(ProbePath(), {"--print-design-forms", file, unwritable, "J100", "North", "P1"});
    EXPECT_EQ(denied.exitCode, 3);
    EXPECT_TRUE(denied.err.contains("could not be written")) << denied.err.toStdString();
    EXPECT_TRUE(denied.out.isEmpty());

    EXPECT_EQ(Start(ProbePath(), {"--print-design-forms", dir.filePath("none.mdb"), pdf}).exitCode, 3);
    EXPECT_FALSE(QFile::exists(dir.filePath("none.mdb")));
    EXPECT_NE(Start(ProbePath(), {"--print-design-forms", file, pdf, "J100"}).exitCode, 0);
}

// A file changed by another tool: a post length no record field can hold.
// Every print command refuses it as loading does, prints no page of it and
// leaves the print status and the selection as they were.
TEST_F(PrintProbeTest, StoredValueOutOfRangeStopsEveryPrintJob)
{
    const auto sql = [this](const QString &statement) {
        const ToolRun run = Start("sqlite3", {file, statement});
        EXPECT_EQ(run.exitCode, 0) << statement.toStdString() << ": " << run.err.toStdString() << " (the sqlite3 client is needed)";
        return QString::fromUtf8(run.out);
    };
    sql("UPDATE SupDesData SET Kerb_Post = 5000000000 WHERE Job_Section = 'North          '");
    const char *stamps = "SELECT DForm_Print_Status, DForm_Date, SForm_Print_Status, SForm_Date, "
                         "OFormSF_Print_Status, OFormSF_ReqNo, OFormSP_Print_Status, OFormFT_Print_Status "
                         "FROM PrintRecord ORDER BY Job_Section";
    const QString stampsBefore = sql(stamps);
    const struct {
        QStringList args;      // after FILE OUT.pdf
        const char *selected;  // the selection flags that must stay set, or none
    } cases[] = {
        {{"J100", "South", "P2", "J100", "North", "P1"}, nullptr},
        {{"J100", "South", "P2", "J100", "North", "P1"}, "Selected"},
        {{"R1", "SF,SP,FT", "J100", "North", "P1"}, "Selected <> 0 AND OFormSF_Sel <> 0 AND OFormFT_Sel"},
    };
    const char *commands[] = {"--print-design-forms", "--print-summary", "--print-orders"};
    for (std::size_t i = 0; i < std::size(cases); ++i) {
        SCOPED_TRACE(commands[i]);
        const QString pdf = dir.filePath(QStringLiteral("refused%1.pdf").arg(i));
        const ToolRun run = Start(ProbePath(), QStringList{commands[i], file, pdf} + cases[i].args);
        EXPECT_EQ(run.exitCode, 3);
        EXPECT_TRUE(run.err.contains("The design J100 / North / P1 could not be read: column Kerb_Post holds "
                                     "5000000000, outside its range."))
            << run.err.toStdString();
        EXPECT_TRUE(run.out.isEmpty());
        if (QFile::exists(pdf)) {
            EXPECT_FALSE(Start("pdftotext", {pdf, "-"}).out.contains("2147483647"));
        }
        EXPECT_FALSE(QFile::exists(pdf));
        EXPECT_EQ(sql(stamps), stampsBefore);
        if (cases[i].selected) {
            EXPECT_EQ(sql(QStringLiteral("SELECT count(*) FROM PrintRecord WHERE Job_Section = 'North          ' "
                                         "AND %1 <> 0")
                              .arg(QLatin1String(cases[i].selected)))
                          .trimmed(),
                      "1");
        }
    }
}

// A job killed part-way (power cut, kill -9) cannot clean up after itself; it
// leaves at most its hidden part file, never a broken PDF under the name.
TEST_F(PrintProbeTest, AJobKilledPartWayLeavesNoFileOfItsName)
{
    QTemporaryDir out;
    ASSERT_TRUE(out.isValid());
    const QString pdf = out.filePath("forms.pdf");
    QStringList args{"--print-design-forms", file, pdf};
    for (int i = 0; i < 400; ++i)
        args << "J100" << "North" << "P1";
    QProcess p;
    p.start(ProbePath(), args);
    ASSERT_TRUE(p.waitForStarted());
    auto listing = [&] { return QDir(out.path()).entryList(QDir::Files | QDir::Hidden | QDir::NoDotAndDotDot); };
    QElapsedTimer clock;
    clock.start();
    while (listing().isEmpty() && p.state() == QProcess::Running && clock.elapsed() < 60000)
        QThread::msleep(1);
    const QStringList during = listing();
    p.kill();
    ASSERT_TRUE(p.waitForFinished(30000));
    ASSERT_EQ(p.exitStatus(), QProcess::CrashExit) << "the job was killed while it ran";
    ASSERT_EQ(during.size(), 1) << QString::fromUtf8(p.readAllStandardError()).toStdString();
    EXPECT_TRUE(during[0].startsWith(".forms.pdf.") && during[0].endsWith(".part")) << during[0].toStdString();
    EXPECT_FALSE(QFile::exists(pdf));
    EXPECT_EQ(listing(), during);
}

} // namespace
