// The design probe's clear-zone commands, against the hand-worked cases in
// tests/clear_zone_cases.

#include <gtest/gtest.h>

#include <QFile>
#include <QFileInfo>
#include <QJsonArray>
#include <QJsonDocument>
#include <QJsonObject>
#include <QProcess>

namespace {

struct ProbeRun {
    int exitCode = -1;
    QByteArray out;
    QString err;
};

QString ProbePath() { return QStringLiteral(KELVORA_BINARY_DIR "/tests/tools/design-probe"); }

ProbeRun Probe(const QStringList &args, const QByteArray &input)
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

QByteArray ReadCaseFile(const char *name)
{
    QFile file(QStringLiteral(KELVORA_SOURCE_DIR "/tests/clear_zone_cases/") + QLatin1String(name));
    EXPECT_TRUE(file.open(QIODevice::ReadOnly)) << name;
    return file.readAll();
}

class ClearZoneProbe : public ::testing::Test {
protected:
    void SetUp() override
    {
        if (!QFileInfo(ProbePath()).isExecutable())
            FAIL() << "design-probe is not built at " << ProbePath().toStdString();
    }
};

TEST_F(ClearZoneProbe, LinesGiveTheHandWorkedResults)
{
    const ProbeRun run = Probe({QStringLiteral("--clear-zone"), QStringLiteral("--lines")}, ReadCaseFile("input.jsonl"));
    ASSERT_EQ(run.exitCode, 0) << run.err.toStdString();
    const QList<QByteArray> got = run.out.trimmed().split('\n');
    const QList<QByteArray> expected = ReadCaseFile("expected.jsonl").trimmed().split('\n');
    ASSERT_EQ(got.size(), expected.size());
    for (qsizetype i = 0; i < got.size(); ++i)
        EXPECT_EQ(QJsonDocument::fromJson(got[i]), QJsonDocument::fromJson(expected[i])) << "line " << i + 1;
}

TEST_F(ClearZoneProbe, MalformedLineStopsWithAMessage)
{
    const std::vector<std::pair<QByteArray, QString>> cases = {
        {"{\"SegLength\": [0]}\n", "SegLength"},
        {"not json\n", "malformed JSON"},
        {"{\"SegLength\":[0,1,0,0,0,0,0],\"SegDeltaHeight\":[0,0,0,0,0,0,0],\"Radius\":0,\"Speed\":60,"
         "\"AADT\":0,\"Curved\":1,\"Limit\":-1}\n",
         "Curved"},
        {"{\"Speed\": 60, \"Colour\": 3}\n", "unknown field Colour"},
    };
    for (const auto &[line, message] : cases) {
        const ProbeRun run = Probe({QStringLiteral("--clear-zone"), QStringLiteral("--lines")}, line);
        EXPECT_NE(run.exitCode, 0) << line.toStdString();
        EXPECT_TRUE(run.err.contains(message)) << run.err.toStdString();
    }
}

TEST_F(ClearZoneProbe, DesignShowsBothFiguresAndTheSketch)
{
    const QByteArray design = R"({
      "CurrentDesign": {"RoadHeight": 1500, "DistFromKerb": 1000, "WindRegion": 1, "CollisionRisk": 1,
        "SoilType": 3, "NumFrontSigns": 1, "FrontSignWidth": [0, 2000], "FrontSignDepth": [0, 1500],
        "SegLength": [0, 4000], "SegDeltaHeight": [0, -1000]},
      "SupportDesigns": [null, {}, {}, {"RoadSpeed": 100, "AADT": 7000, "Barrier": -1, "BarrierDistance": 3000}],
      "CurrentSupportType": 3
    })";
    const ProbeRun run = Probe({QStringLiteral("--clear-zone"), QStringLiteral("8000"), QStringLiteral("4000")}, design);
    ASSERT_EQ(run.exitCode, 0) << run.err.toStdString();
    const QJsonObject out = QJsonDocument::fromJson(run.out).object();
    EXPECT_EQ(out.value("LevelTerrain").toInt(), 9000);
    EXPECT_EQ(out.value("ActualTerrain").toInt(), 3000);
    EXPECT_EQ(out.value("Label6").toString(), QStringLiteral("Clear zone for level terrain = 9m"));
    EXPECT_EQ(out.value("Label7").toString(), QStringLiteral("Clear zone for actual terrain = 3m"));
    EXPECT_FALSE(out.value("Warning").toBool());
    EXPECT_EQ(out.value("Entries").toObject().value("AADT").toInt(), 6001);
    const QJsonObject sketch = out.value("Sketch").toObject();
    EXPECT_EQ(out.value("Frame").toObject().value("Width").toDouble(), 8000);
    EXPECT_TRUE(sketch.value("Line1").toObject().value("Visible").toBool());
    EXPECT_EQ(sketch.value("Label5Text").toString(), QStringLiteral("3m"));
    // The bar is 3000 mm at the sketch's scale.
    EXPECT_NEAR(sketch.value("Shape4").toObject().value("Width").toDouble(),
                3000 * sketch.value("Scale").toDouble(), 1e-9);
    EXPECT_TRUE(sketch.value("Shape1").toObject().value("Visible").toBool());
}

TEST_F(ClearZoneProbe, BadFrameSizeIsRefused)
{
    const ProbeRun run = Probe({QStringLiteral("--clear-zone"), QStringLiteral("wide"), QStringLiteral("3000")}, "{}");
    EXPECT_NE(run.exitCode, 0);
    EXPECT_TRUE(run.err.contains(QStringLiteral("WIDTH"))) << run.err.toStdString();
}

} // namespace
