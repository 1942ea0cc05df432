// The clear zone window's reaction to one step of the radius bar: the radius
// check and Recalculate, which composes the road plan at the window's picture
// size, works out both figures and rebuilds the roadside sketch. Also the
// parts on their own: the road plan picture and the two figures.

#include "widget_bench_main.h"

#include <QCheckBox>

#include "engine/clear_zone.h"
#include "input/clear_zone_sketch.h"
#include "input/clear_zone_window.h"
#include "input/road_plan_picture.h"

namespace {

engine::DesignState CurvedDesign()
{
    engine::DesignState state;
    auto &d = state.CurrentDesign;
    d.SegLength[1] = 4000;
    d.SegDeltaHeight[1] = -1000;
    d.SegLength[2] = 3000;
    d.NumFrontSigns = 1;
    d.FrontSignWidth[1] = 2000;
    d.FrontSignDepth[1] = 1500;
    d.DistFromKerb = 1000;
    state.WidestSignWidth = 2000;
    for (std::size_t t = 1; t <= 4; ++t) {
        auto &s = state.SupportDesigns[t];
        s.NumPosts = 1;
        s.PostLength[1] = 4500;
        s.NormFootingDep = 900;
        s.RoadSpeed = 60;
        s.AADT = 7000;
        s.CurvedRoad = engine::FlagTrue;
        s.Curvature = 400;
    }
    return state;
}

void RadiusBarStep(benchmark::State &bench)
{
    engine::DesignState state = CurvedDesign();
    input::ClearZoneWindow window(state);
    window.show();
    int direction = 1;
    for (auto _ : bench) {
        // Up and down between 400 and 401 m so every step changes the radius.
        window.radiusBar()->triggerAction(direction > 0 ? QAbstractSlider::SliderSingleStepSub
                                                        : QAbstractSlider::SliderSingleStepAdd);
        direction = -direction;
    }
    bench.counters["radius"] = window.checkedRadius();
}
BENCHMARK(RadiusBarStep)->Unit(benchmark::kMicrosecond);

void RoadPlanPicture(benchmark::State &bench)
{
    const QColor back(240, 240, 240);
    for (auto _ : bench)
        benchmark::DoNotOptimize(input::DrawRoadPlan(100, 140, true, 400, back));
}
BENCHMARK(RoadPlanPicture)->Unit(benchmark::kMicrosecond);

void BothFigures(benchmark::State &bench)
{
    const engine::DesignState state = CurvedDesign();
    for (auto _ : bench) {
        benchmark::DoNotOptimize(engine::ComputeClearZone(state.CurrentDesign, 400, 60, 7000, -1, true));
        benchmark::DoNotOptimize(engine::LevelTerrainClearZone(state.CurrentDesign, 400, 60, 7000, true));
    }
}
BENCHMARK(BothFigures);

} // namespace

int main(int argc, char **argv)
{
    bench_support::RunWidgetBenchmarks(argc, argv);
    return 0;
}
