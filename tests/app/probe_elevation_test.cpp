// The design probe's --elevation command: the same scene the window builds,
// printed element by element as JSON.

#include "elevation_designs.h"

#include "app/design_elevation_scene.h"
#include "engine/design_run.h"
#include "engine/design_state.h"

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

ProbeRun elevation(const QStringList &args, const QByteArray &input)
{
    QProcess probe;
    probe.start(app_testing::ProbePath(), QStringList{QStringLiteral("--elevation")} + args);
    probe.write(input);
    probe.closeWriteChannel();
    probe.waitForFinished(60000);
    ProbeRun run;
    run.exitCode = probe.exitStatus() == QProcess::NormalExit ? probe.exitCode() : -1;
    run.json = QJsonDocument::fromJson(probe.readAllStandardOutput()).object();
    return run;
}

const QJsonObject *findElement(const QJsonArray &elements, const char *name, int index, QJsonObject &holder)
{
    for (const QJsonValue &value : elements) {
        const QJsonObject e = value.toObject();
        if (e.value("element").toString() == QLatin1String(name) && e.value("index").toInt() == index) {
            holder = e;
            return &holder;
        }
    }
    return nullptr;
}

} // namespace

TEST(ProbeElevation, PrintsTheWindowsSceneForTheChosenKind)
{
    ASSERT_TRUE(QFileInfo(app_testing::ProbePath()).isExecutable()) << "design-probe is not built";
    const app_testing::ElevationDesign &design = app_testing::ElevationDesigns()[1];  // two RHS posts, slip base
    const ProbeRun run = elevation({"7200", "4800", "2"}, design.json);
    ASSERT_EQ(run.exitCode, 0);
    EXPECT_EQ(run.json.value("SupportType").toInt(), 2);
    EXPECT_TRUE(run.json.value("Drawn").toBool());
    EXPECT_EQ(run.json.value("Area").toObject().value("Width").toInt(), 7200);

    // The same design run in process gives the same elements (the label's
    // size comes from the probe's font and is left out).
    engine::DesignState state;
    engine::ResetDesignData(state, engine::DefaultValues{});
    // Only the fields the designs set; the probe reads the same JSON.
    const QJsonObject input = QJsonDocument::fromJson(design.json).object().value("CurrentDesign").toObject();
    state.CurrentDesign.NumFrontSigns = static_cast<int16_t>(input.value("NumFrontSigns").toInt());
    for (int i = 1; i <= 3; ++i) {
        state.CurrentDesign.FrontSignWidth[static_cast<size_t>(i)] = input.value("FrontSignWidth").toArray()[i].toInt();
        state.CurrentDesign.FrontSignDepth[static_cast<size_t>(i)] = input.value("FrontSignDepth").toArray()[i].toInt();
    }
    state.CurrentDesign.BkgndColour[1] = static_cast<int16_t>(input.value("BkgndColour").toArray()[1].toInt());
    for (int k = 1; k <= 6; ++k) {
        state.CurrentDesign.SegLength[static_cast<size_t>(k)] = input.value("SegLength").toArray()[k].toInt();
        state.CurrentDesign.SegDeltaHeight[static_cast<size_t>(k)] = input.value("SegDeltaHeight").toArray()[k].toInt();
    }
    state.CurrentDesign.RoadHeight = input.value("RoadHeight").toInt();
    state.CurrentDesign.DistFromKerb = input.value("DistFromKerb").toInt();
    state.CurrentDesign.SignOnLeft = static_cast<int16_t>(input.value("SignOnLeft").toInt());
    state.CurrentDesign.WindRegion = static_cast<int16_t>(input.value("WindRegion").toInt());
    state.CurrentDesign.ExposedLocation = static_cast<int16_t>(input.value("ExposedLocation").toInt());
    state.CurrentDesign.SoilType = static_cast<int16_t>(input.value("SoilType").toInt());
    state.CurrentDesign.CollisionRisk = static_cast<int16_t>(input.value("CollisionRisk").toInt());
    engine::RunDesign(state);
    engine::RedesignWithMorePosts(state);
    state.CurrentSupportType = 2;
    const app::Scene scene = app::DesignElevationScene(state, {7200, 4800, 15.0}, {});

    const QJsonArray elements = run.json.value("Elements").toArray();
    ASSERT_EQ(static_cast<size_t>(elements.size()), scene.size());
    for (const app::SceneElement &e : scene) {
        SCOPED_TRACE(e.name + " " + std::to_string(e.index));
        QJsonObject holder;
        const QJsonObject *printed = findElement(elements, e.name.c_str(), e.index, holder);
        ASSERT_TRUE(printed);
        EXPECT_EQ(printed->value("shown").toBool(), e.shown);
        if (e.shape == app::SceneShape::Line) {
            const QJsonArray line = printed->value("line").toArray();
            EXPECT_EQ(line[0].toInt(), e.line.x1);
            EXPECT_EQ(line[3].toInt(), e.line.y2);
        } else if (e.shape != app::SceneShape::Text) {
            const QJsonObject rect = printed->value("rect").toObject();
            EXPECT_EQ(rect.value("left").toInt(), e.rect.left);
            EXPECT_EQ(rect.value("top").toInt(), e.rect.top);
            EXPECT_EQ(rect.value("width").toInt(), e.rect.width);
            EXPECT_EQ(rect.value("height").toInt(), e.rect.height);
        }
    }
    // One post red (clearance under 2100 with the slip base), one grey.
    QJsonObject holder;
    EXPECT_EQ(findElement(elements, "Posts", 0, holder)->value("fill").toString(), "&H0000FF");
    EXPECT_EQ(findElement(elements, "Posts", 1, holder)->value("fill").toString(), "&H808080");
    EXPECT_EQ(findElement(elements, "Label1", 0, holder)->value("text").toString(),
              QString::number(state.CurrentDesign.MinimumClearance));
}

TEST(ProbeElevation, KindWithoutAResultPrintsEverythingHidden)
{
    ASSERT_TRUE(QFileInfo(app_testing::ProbePath()).isExecutable()) << "design-probe is not built";
    // The CHS-only design leaves the strut kind without a result.
    const ProbeRun run = elevation({"7200", "4800", "4"}, app_testing::ElevationDesigns()[0].json);
    ASSERT_EQ(run.exitCode, 0);
    EXPECT_FALSE(run.json.value("Drawn").toBool());
    const QJsonArray elements = run.json.value("Elements").toArray();
    EXPECT_EQ(static_cast<size_t>(elements.size()), app::HiddenDesignElevation().size());
    for (const QJsonValue &e : elements)
        EXPECT_FALSE(e.toObject().value("shown").toBool());
}

TEST(ProbeElevation, BadArgumentsAreAUsageError)
{
    ASSERT_TRUE(QFileInfo(app_testing::ProbePath()).isExecutable()) << "design-probe is not built";
    for (const QStringList &args : {QStringList{"7200"}, QStringList{"7200", "x"}, QStringList{"7200", "4800", "5"},
                                    QStringList{"0", "4800"}, QStringList{"7200", "4800", "1", "2"}})
        EXPECT_EQ(elevation(args, "{}").exitCode, 64) << args.join(' ').toStdString();
}
