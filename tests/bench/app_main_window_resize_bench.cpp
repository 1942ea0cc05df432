// One resize of the main window with a strutted design open: the layout, the
// full refresh of the viewed kind and the 3-D view's scene; and the layout and
// the scene alone. Runs offscreen.

#include <benchmark/benchmark.h>

#include "app/main_window.h"
#include "app/main_window_layout.h"
#include "app/view3d_scene.h"
#include "engine/design_run.h"
#include "engine/design_state.h"

#include <QApplication>

namespace {

engine::DesignRecord Strutted() {
  engine::DesignRecord d;
  d.JobCode = "BENCH";
  d.JobSection = "S1";
  d.SignPos = "P1";
  d.RoadHeight = 1500;
  d.DistFromKerb = 1000;
  d.SignOnLeft = engine::FlagTrue;
  d.NumFrontSigns = 1;
  d.FrontSignWidth[1] = 3000;
  d.FrontSignDepth[1] = 1500;
  d.SegLength[1] = 2500;
  d.SegDeltaHeight[1] = -400;
  d.SegLength[2] = 3000;
  d.SegBackLength[2] = 10000;
  d.SegBackHeight[2] = 600;
  d.WindRegion = 1;
  d.CollisionRisk = 1;
  d.SoilType = 3;
  d.SupportStruts = engine::FlagTrue;
  return d;
}

struct OpenWindow {
  engine::DesignState state;
  app::Form5 window;
  OpenWindow() : window(state, app::MainWindowServices{}) {
    engine::ResetDesignData(state, engine::DefaultValues{});
    engine::CopyDesignRecord(Strutted(), state.CurrentDesign);
    state.DesignOpen = engine::FlagTrue;
    window.show();
    window.FormActivate();
    window.SelectSupportType(3);
    QApplication::processEvents();
  }
};

void BM_ResizeWithDesignOpen(benchmark::State& bench) {
  OpenWindow open;
  // Counts the refreshes, to show each resize ran the whole handling.
  int refreshes = 0;
  open.window.setDesignViewHooks({[&refreshes] { ++refreshes; }, {}, {}});
  bool wide = false;
  for (auto _ : bench) {
    wide = !wide;
    open.window.resize(wide ? 1200 : 1000, wide ? 800 : 700);
    QApplication::processEvents();  // the resize event runs FormResize; the window repaints
  }
  bench.counters["refreshes_per_resize"] = static_cast<double>(refreshes) / static_cast<double>(bench.iterations());
}
BENCHMARK(BM_ResizeWithDesignOpen)->Unit(benchmark::kMicrosecond);

void BM_LayoutOnly(benchmark::State& bench) {
  OpenWindow open;
  for (auto _ : bench) app::ApplyMainWindowLayout(open.window);
}
BENCHMARK(BM_LayoutOnly)->Unit(benchmark::kMicrosecond);

void BM_View3DSceneOnly(benchmark::State& bench) {
  OpenWindow open;
  app::Scene scene = app::InitialView3DScene();
  for (auto _ : bench) {
    app::DrawView3D(open.state, 14850, 10395, scene);
    benchmark::DoNotOptimize(scene.data());
  }
}
BENCHMARK(BM_View3DSceneOnly)->Unit(benchmark::kMicrosecond);

}  // namespace

int main(int argc, char** argv) {
  if (qEnvironmentVariableIsEmpty("QT_QPA_PLATFORM")) qputenv("QT_QPA_PLATFORM", "offscreen");
  QApplication application(argc, argv);
  benchmark::Initialize(&argc, argv);
  benchmark::RunSpecifiedBenchmarks();
  benchmark::Shutdown();
  return 0;
}
