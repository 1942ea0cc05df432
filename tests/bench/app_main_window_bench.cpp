// One refresh of the main window (Form5::UpdateForm) with the design view's
// scene rebuilt, on the sample designs of the design cycle benchmark; and the
// scene alone, and the refresh with the view painted.

#include <benchmark/benchmark.h>

#include <QApplication>

#include "app/design_elevation_scene.h"
#include "app/design_view_widget.h"
#include "app/main_window.h"
#include "engine/design_run.h"
#include "engine/design_state.h"

namespace {

// Three front panels and a back panel on a slip base over a three-segment
// slope, two posts with stubs: every kind of element is drawn.
engine::DesignState FullSign() {
  engine::DesignState state;
  engine::ResetDesignData(state, engine::DefaultValues{});
  engine::DesignRecord& d = state.CurrentDesign;
  d.NumFrontSigns = 3;
  d.FrontSignWidth = {0, 3600, 3000, 1800};
  d.FrontSignDepth = {0, 1200, 900, 600};
  d.FrontSignClearance = {0, 0, 100, 100};
  d.NumBackSigns = 1;
  d.BackSignWidth = 2400;
  d.BackSignDepth = 1500;
  d.BkgndColour = {0, 2, 1, 4, 6};
  d.RoadHeight = 1500;
  d.DistFromKerb = 2000;
  d.SegLength = {0, 1500, 2500, 3000, 0, 0, 0};
  d.SegDeltaHeight = {0, -300, -800, 200, 0, 0, 0};
  d.WindRegion = 2;
  d.CollisionRisk = 2;
  d.SoilType = 2;
  engine::RunDesign(state);
  engine::RedesignWithMorePosts(state);
  return state;
}

struct Window {
  engine::DesignState state = FullSign();
  app::Form5 form{state, app::MainWindowServices{}};
  app::DesignViewWidget* view = app::InstallDesignView(form);
  Window() { form.resize(1000, 700); }
};

void BM_ElevationScene(benchmark::State& run) {
  const engine::DesignState state = FullSign();
  const app::ElevationArea area{7200, 4800, 15.0};
  const app::TextMeasure measure = [](const std::string& text) {
    return app::TextExtent{static_cast<int32_t>(text.size()) * 100, 195};
  };
  for (auto _ : run) benchmark::DoNotOptimize(app::DesignElevationScene(state, area, measure));
}
BENCHMARK(BM_ElevationScene);

void BM_UpdateForm(benchmark::State& run) {
  Window window;
  for (auto _ : run) {
    window.form.UpdateForm();
    benchmark::DoNotOptimize(window.view->scene().size());
  }
  if (!window.view->isDrawn()) run.SkipWithError("the view was not drawn");
}
BENCHMARK(BM_UpdateForm)->Unit(benchmark::kMicrosecond);

void BM_UpdateFormAndPaint(benchmark::State& run) {
  Window window;
  window.form.show();
  QApplication::processEvents();
  for (auto _ : run) {
    window.form.UpdateForm();
    window.view->repaint();
  }
  window.form.hide();
}
BENCHMARK(BM_UpdateFormAndPaint)->Unit(benchmark::kMicrosecond);

}  // namespace

int main(int argc, char** argv) {
  if (qEnvironmentVariableIsEmpty("QT_QPA_PLATFORM")) qputenv("QT_QPA_PLATFORM", "offscreen");
  QApplication application(argc, argv);
  benchmark::Initialize(&argc, argv);
  benchmark::RunSpecifiedBenchmarks();
  benchmark::Shutdown();
  return 0;
}
