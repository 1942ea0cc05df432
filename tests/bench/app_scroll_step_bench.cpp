// One step of the edit-result dialog's scroll bar, as the engineer drags the
// clearance or spacing: the write, the design run of all four kinds with the
// retries, the dialog's own display and the main window's full refresh.

#include <benchmark/benchmark.h>

#include "app/edit_result_dialog.h"
#include "app/main_window.h"
#include "engine/design_run.h"
#include "engine/design_state.h"

#include <QApplication>
#include <QScrollBar>

namespace {

engine::DesignRecord OnePanel()
{
    engine::DesignRecord d;
    d.JobCode = "BENCH";
    d.RoadHeight = 1500;
    d.DistFromKerb = 1000;
    d.SignOnLeft = -1;
    d.NumFrontSigns = 1;
    d.FrontSignWidth[1] = 2400;
    d.FrontSignDepth[1] = 1200;
    d.SegLength[1] = 2000;
    d.SegDeltaHeight[1] = -500;
    d.SegLength[2] = 6000;
    d.WindRegion = 2;
    d.CollisionRisk = 1;
    d.SoilType = 3;
    return d;
}

void ScrollStep(benchmark::State &bench, int page)
{
    engine::DesignState state;
    engine::ResetDesignData(state, engine::DefaultValues{});
    app::Form5 window(state, app::MainWindowServices{});
    window.FormLoad();
    engine::CopyDesignRecord(OnePanel(), state.CurrentDesign);
    window.FormActivate();
    window.AdjustResult(page);
    app::EditResultDialog &dialog = *window.editResultDialog();
    QScrollBar *bar = dialog.scroll(2 * page + 1).bar();
    bar->setValue(bar->minimum());
    bool up = true;
    for (auto _ : bench) {
        // Back and forth by one small step: every iteration is a change.
        bar->triggerAction(up ? QAbstractSlider::SliderSingleStepAdd : QAbstractSlider::SliderSingleStepSub);
        up = !up;
    }
    bench.SetLabel(page == 1 ? "post spacing" : "clearance above road edge");
}

void BM_ScrollStepSpacing(benchmark::State &state) { ScrollStep(state, 1); }
void BM_ScrollStepClearance(benchmark::State &state) { ScrollStep(state, 2); }
BENCHMARK(BM_ScrollStepSpacing)->Unit(benchmark::kMicrosecond);
BENCHMARK(BM_ScrollStepClearance)->Unit(benchmark::kMicrosecond);

} // namespace

int main(int argc, char **argv)
{
    qputenv("QT_QPA_PLATFORM", "offscreen");
    QApplication application(argc, argv);
    benchmark::Initialize(&argc, argv);
    benchmark::RunSpecifiedBenchmarks();
    benchmark::Shutdown();
    return 0;
}
