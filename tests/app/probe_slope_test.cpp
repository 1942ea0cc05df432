// The design probe's --slope-diagram command prints the slope page's picture.

#include "elevation_designs.h"

#include <QFileInfo>
#include <QJsonArray>
#include <QJsonDocument>
#include <QJsonObject>
#include <QProcess>
#include <gtest/gtest.h>

namespace {

struct ProbeRun {
    int exitCode = -1;
    QJsonObject json;
};

ProbeRun RunSlopeProbe(const QByteArray &input)
{
    QProcess probe;
    probe.start(app_testing::ProbePath(), QStringList{QStringLiteral("--slope-diagram")});
    probe.write(input);
    probe.closeWriteChannel();
    probe.waitForFinished(60000);
    ProbeRun run;
    run.exitCode = probe.exitStatus() == QProcess::NormalExit ? probe.exitCode() : -1;
    run.json = QJsonDocument::fromJson(probe.readAllStandardOutput()).object();
    return run;
}

QJsonObject Element(const QJsonObject &root, const QString &name, int index)
{
    for (const QJsonValue &v : root.value("Elements").toArray()) {
        const QJsonObject e = v.toObject();
        if (e.value("element").toString() == name && e.value("index").toInt(-1) == index)
            return e;
    }
    return {};
}

} // namespace

TEST(ProbeSlope, PrintsTheSceneOfAStruttedSlope)
{
    ASSERT_TRUE(QFileInfo(app_testing::ProbePath()).isExecutable()) << "design-probe is not built";
    const ProbeRun run = RunSlopeProbe(R"({"CurrentDesign":{"SegLength":[0,2000,3000,1000,0,0,0],
        "SegDeltaHeight":[0,500,-1000,0,0,0,0],"SegBackLength":[0,1000,1000,1000,0,0,0],
        "SegBackHeight":[0,100,50,-100,0,0,0],"SignOnLeft":-1},"Strutted":true})");
    ASSERT_EQ(run.exitCode, 0);
    EXPECT_EQ(run.json.value("SlopeSegmentCount").toInt(), 3);
    EXPECT_TRUE(run.json.value("Strutted").toBool());
    const QJsonObject link = Element(run.json, "Line13", 3);
    EXPECT_EQ(link.value("line").toArray(), (QJsonArray{2041, 2192, 3001, 1231}));
    EXPECT_EQ(link.value("colour").toString(), "&HC00000");
    EXPECT_EQ(link.value("style").toString(), "dot");
    EXPECT_TRUE(Element(run.json, "Label9", 3).value("shown").toBool());
    // One segment asked for: the rest is not drawn.
    const ProbeRun one = RunSlopeProbe(R"({"CurrentDesign":{"SegLength":[0,2000,3000,0,0,0,0]},"SlopeSegmentCount":1})");
    ASSERT_EQ(one.exitCode, 0);
    EXPECT_FALSE(Element(one.json, "Line7", 1).value("shown").toBool());
    EXPECT_FALSE(Element(one.json, "Label9", 0).value("shown").toBool());
    EXPECT_EQ(RunSlopeProbe(R"({"Nonsense":1})").exitCode, 2);
}
