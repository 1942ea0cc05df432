// The main window's design cycle: RunDesign then RedesignWithMorePosts over
// all four support kinds, on a few representative designs. Each iteration
// starts from the same entered design, as after an edit.

#include <benchmark/benchmark.h>

#include "engine/design_run.h"
#include "engine/design_state.h"

namespace {

using engine::DesignState;

DesignState Entered(void (*fill)(engine::DesignRecord&)) {
  DesignState state;
  engine::ResetDesignData(state, engine::DefaultValues{});
  fill(state.CurrentDesign);
  return state;
}

// One panel over a falling slope: every kind designed at the first pass.
void OnePanel(engine::DesignRecord& d) {
  d.NumFrontSigns = 1;
  d.FrontSignWidth[1] = 2000;
  d.FrontSignDepth[1] = 1500;
  d.SegLength[1] = 2000;
  d.SegDeltaHeight[1] = -500;
  d.SegLength[2] = 4000;
}

// Two front panels: the truss and the strut fail with every post count, so
// both are retried up to four posts (five extra runs).
void TwoPanels(engine::DesignRecord& d) {
  d.NumFrontSigns = 2;
  d.FrontSignWidth[1] = 1200;
  d.FrontSignDepth[1] = 900;
  d.FrontSignWidth[2] = 2400;
  d.FrontSignDepth[2] = 1200;
  d.SegLength[1] = 6000;
}

// Exposed region D: the CHS section needs one more post.
void ExposedRegionD(engine::DesignRecord& d) {
  d.NumFrontSigns = 1;
  d.FrontSignWidth[1] = 3000;
  d.FrontSignDepth[1] = 3000;
  d.SegLength[1] = 6000;
  d.WindRegion = 4;
  d.ExposedLocation = 1;
}

// Three panels and a back panel on a slip base over a three-segment slope.
void FullSign(engine::DesignRecord& d) {
  d.NumFrontSigns = 3;
  d.FrontSignWidth = {0, 3600, 3000, 1800};
  d.FrontSignDepth = {0, 1200, 900, 600};
  d.FrontSignClearance = {0, 0, 100, 100};
  d.NumBackSigns = 1;
  d.BackSignWidth = 2400;
  d.BackSignDepth = 1500;
  d.BackSignClearance = 300;
  d.SegLength = {0, 1500, 2500, 4000, 0, 0, 0};
  d.SegDeltaHeight = {0, -300, 400, 0, 0, 0, 0};
  d.CollisionRisk = 2;
  d.WindRegion = 2;
}

void MainWindowCycle(benchmark::State& bench, void (*fill)(engine::DesignRecord&)) {
  const DesignState entered = Entered(fill);
  for (auto _ : bench) {
    DesignState state = entered;
    engine::RunDesign(state);
    engine::RedesignWithMorePosts(state);
    benchmark::DoNotOptimize(state.SupportDesigns);
  }
}

BENCHMARK_CAPTURE(MainWindowCycle, OnePanel, OnePanel);
BENCHMARK_CAPTURE(MainWindowCycle, TwoPanelsWithRetries, TwoPanels);
BENCHMARK_CAPTURE(MainWindowCycle, ExposedRegionDOneMorePost, ExposedRegionD);
BENCHMARK_CAPTURE(MainWindowCycle, ThreePanelsAndBackOnSlipBase, FullSign);

}  // namespace

BENCHMARK_MAIN();
