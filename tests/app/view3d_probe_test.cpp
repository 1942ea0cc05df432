// design-probe --view3d: the scene of a design's 3-D view as JSON, the same
// numbers the window paints.

#include "app/view3d_scene.h"
#include "engine/design_run.h"
#include "engine/design_state.h"

#include <QFileInfo>
#include <QJsonArray>
#include <QJsonDocument>
#include <QJsonObject>
#include <QProcess>

#include <gtest/gtest.h>

namespace {

QString ProbePath() { return QStringLiteral(KELVORA_BINARY_DIR "/tests/tools/design-probe"); }

struct ProbeRun {
    int exitCode = -1;
    QByteArray out;
};

ProbeRun Probe(const QStringList &args, const QByteArray &input)
{
    QProcess p;
    p.start(ProbePath(), args);
    p.write(input);
    p.closeWriteChannel();
    p.waitForFinished(60000);
    return {p.exitStatus() == QProcess::NormalExit ? p.exitCode() : -1, p.readAllStandardOutput()};
}

const char *const StruttedDesign = R"({
  "CurrentDesign": {
    "RoadHeight": 1500, "DistFromKerb": 1000, "SignOnLeft": -1, "SupportStruts": -1,
    "WindRegion": 1, "ExposedLocation": 0, "CollisionRisk": 1, "SoilType": 3,
    "NumFrontSigns": 1, "FrontSignWidth": [0, 3000], "FrontSignDepth": [0, 1500],
    "SegLength": [0, 2500, 3000], "SegDeltaHeight": [0, -400, 0],
    "SegBackLength": [0, 0, 10000], "SegBackHeight": [0, 0, 600]
  },
  "CurrentSupportType": 4
})";

} // namespace

TEST(View3DProbe, PrintsTheSceneTheWindowDraws)
{
    ASSERT_TRUE(QFileInfo(ProbePath()).isExecutable()) << ProbePath().toStdString();
    const ProbeRun run = Probe({"--view3d", "15000", "9000"}, StruttedDesign);
    ASSERT_EQ(run.exitCode, 0);
    const QJsonObject root = QJsonDocument::fromJson(run.out).object();
    EXPECT_EQ(root.value("Width").toInt(), 15000);

    // The same design run in process, as the main window runs it.
    engine::DesignState state;
    engine::ResetDesignData(state, engine::DefaultValues{});
    engine::DesignRecord &d = state.CurrentDesign;
    d.RoadHeight = 1500;
    d.DistFromKerb = 1000;
    d.SignOnLeft = engine::FlagTrue;
    d.SupportStruts = engine::FlagTrue;
    d.WindRegion = 1;
    d.CollisionRisk = 1;
    d.SoilType = 3;
    d.NumFrontSigns = 1;
    d.FrontSignWidth[1] = 3000;
    d.FrontSignDepth[1] = 1500;
    d.SegLength[1] = 2500;
    d.SegDeltaHeight[1] = -400;
    d.SegLength[2] = 3000;
    d.SegBackLength[2] = 10000;
    d.SegBackHeight[2] = 600;
    state.CurrentSupportType = 4;
    engine::RunDesign(state);
    engine::RedesignWithMorePosts(state);
    ASSERT_EQ(state.SupportDesigns[4].NoResultCode, 0);
    app::Scene scene = app::InitialView3DScene();
    app::DrawView3D(state, 15000, 9000, scene);

    const QJsonArray elements = root.value("Elements").toArray();
    ASSERT_EQ(elements.size(), static_cast<qsizetype>(scene.size()));
    int shown = 0;
    for (qsizetype i = 0; i < elements.size(); ++i) {
        const QJsonObject e = elements[i].toObject();
        const app::SceneElement &expected = scene[static_cast<size_t>(i)];
        EXPECT_EQ(e.value("element").toString().toStdString(), expected.name);
        EXPECT_EQ(e.value("index").toInt(), expected.index);
        EXPECT_EQ(e.value("shown").toBool(), expected.shown) << expected.name << ' ' << expected.index;
        if (expected.shape == app::SceneShape::Line) {
            EXPECT_EQ(e.value("x1").toInt(), expected.line.x1) << expected.name << ' ' << expected.index;
            EXPECT_EQ(e.value("y2").toInt(), expected.line.y2) << expected.name << ' ' << expected.index;
        } else {
            EXPECT_EQ(e.value("left").toInt(), expected.rect.left) << expected.name;
            EXPECT_EQ(e.value("height").toInt(), expected.rect.height) << expected.name;
        }
        shown += expected.shown ? 1 : 0;
    }
    // Block, road, two profile segments with their depth lines, two posts,
    // struts and stubs, one panel and its stiffeners.
    EXPECT_GE(shown, 12 + 4 + 4 + 6 + 6 + 1);
}

TEST(View3DProbe, SizesAreRequired)
{
    ASSERT_TRUE(QFileInfo(ProbePath()).isExecutable()) << ProbePath().toStdString();
    EXPECT_EQ(Probe({"--view3d", "15000"}, StruttedDesign).exitCode, 64);
    EXPECT_EQ(Probe({"--view3d", "15000", "tall"}, StruttedDesign).exitCode, 64);
    EXPECT_EQ(Probe({"--view3d", "15000", "9000"}, "{").exitCode, 2);
}
