#include "engine/design_run.h"

#include "engine/design_messages.h"
#include "engine/panel_layout.h"
#include "engine/post_design.h"
#include "engine/post_layout.h"
#include "engine/post_properties.h"
#include "engine/stiffeners.h"
#include "engine/strut_design.h"
#include "engine/values.h"

namespace engine {

namespace {

constexpr int16_t kMostPosts = 4;

}  // namespace

void RunDesign(DesignState& state) {
  for (int t = 1; t <= 4; ++t) {
    state.SupportDesigns[t].NoResultCode = ResultOk;
    state.SupportDesigns[t].WarningCode = 0;
  }
  const DesignRecord& design = state.CurrentDesign;
  if (design.NumFrontSigns <= 0 && design.NumBackSigns <= 0) {
    state.DesignOpen = FlagFalse;
    return;
  }

  LayoutPanels(state);
  SelectPostCount(state);
  // Without a clearance above the road edge the posts cannot be placed; their
  // fields keep the values of the last run that could.
  if (design.RoadHeight > 0) {
    PlacePosts(state);
    DesignPosts(state);
    LookupSectionProperties(state);
    SetSlipBaseFlags(state);
    ComputePostLevels(state);
  }
  CountPanelFixings(state);
  ComputeTotals(state);
  ComputeStrutLengths(state);
  state.DesignOpen = FlagTrue;
}

void RedesignWithMorePosts(DesignState& state) {
  for (int t = 1; t <= 4; ++t) {
    SupportDesign& support = state.SupportDesigns[t];
    // RunDesign rewrites the records, so the conditions are read afresh.
    while (support.NoResultCode > 0 && support.NumPosts > 0 && support.NumPosts < kMostPosts) {
      ++support.PNO;
      RunDesign(state);
    }
    if (support.NoResultCode > 0 && support.PNO > 0) support.PNO = 0;
  }
  RunDesign(state);
}

void CountValidSigns(DesignRecord& record) {
  record.NumFrontSigns = 0;
  record.NumBackSigns = 0;
  for (int i = 1; i <= 3; ++i)
    if (record.FrontSignWidth[i] > 0 && record.FrontSignDepth[i] > 0) ++record.NumFrontSigns;
  if (record.BackSignDepth > 0 && record.BackSignWidth > 0) record.NumBackSigns = 1;
}

void ComputeTotals(DesignState& state) {
  for (int t = 1; t <= 4; ++t) {
    SupportDesign& support = state.SupportDesigns[t];
    for (int i = 1; i <= 4; ++i)
      support.NumBrackets[i] = ClampToInt16(int64_t{support.NumStiffeners[i]} * support.NumPosts);
  }
}

}  // namespace engine
