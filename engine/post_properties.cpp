#include "engine/post_properties.h"

#include <algorithm>
#include <string>
#include <string_view>

#include "engine/design_messages.h"
#include "engine/design_tables.h"
#include "engine/values.h"

namespace engine {

namespace {

// First position 1..last-1 of a section list holding `section`, else the
// list's last position: a section not in the list takes the largest size.
template <typename Names>
int SectionPosition(Names names, std::string_view section, int last) {
  for (int k = 1; k < last; ++k) {
    if (names(k) == section) return k;
  }
  return last;
}

void ClearSectionProperties(SupportDesign& support) {
  support.PostMatGrade.Clear();
  support.NormFootingDim.Clear();
  support.NormFootingDep = 0;
  support.ScrewFootingDim = 0;
  support.ScrewFootingDep = 0;
}

void LookupChs(SupportDesign& support, int soil) {
  const std::string section(Trim(support.PostDimensions.view()));
  if (section == "X") {
    ClearSectionProperties(support);
    return;
  }
  const int k = SectionPosition(ChsSectionNames, section, kChsSectionCount);
  support.PostMatGrade = "C350";
  support.NormFootingDim = CStrInteger(ChsFootingDiameter(k, soil));
  support.NormFootingDep = ChsFootingDepth(k, soil);
  support.ScrewFootingDim = ChsScrewDiameter(k, soil);
  support.ScrewFootingDep = ChsScrewDepth(k, soil);
  if (k > 5) support.PostMatGrade = "C250/C350";
}

void LookupRhs(SupportDesign& support, int soil) {
  const std::string section(Trim(support.PostDimensions.view()));
  if (section == "X") {
    ClearSectionProperties(support);
    return;
  }
  int k = SectionPosition(RhsSectionNames, section, kRhsSectionCount);
  // "125x75" is listed twice: wall 3 at position 3, wall 5 at position 4.
  if (k == 3 && Trim(support.PostWallThickness.view()) == "5") k = 4;
  support.PostMatGrade = "C450";
  support.NormFootingDim = CStrInteger(RhsFootingDiameter(k, soil));
  support.NormFootingDep = RhsFootingDepth(k, soil);
  support.ScrewFootingDim = RhsScrewDiameter(k, soil);
  support.ScrewFootingDep = RhsScrewDepth(k, soil);
  if (k > 4) support.PostMatGrade = "C350";
}

void LookupTruss(SupportDesign& support, int soil) {
  const std::string section(Trim(support.PostDimensions.view()));
  if (section == "X") {
    ClearSectionProperties(support);
    support.PostMatGrade = "X";
    return;
  }
  // Names only, first match: positions 5 and 6 repeat the names of 3 and 4,
  // so an unlisted section is the only way to position 6.
  const int k = SectionPosition(TrussSectionNames, section, kTrussSectionCount);
  support.PostMatGrade = "C350";
  support.NormFootingDim = TrussFootingSize(k, soil);
  support.NormFootingDep = TrussFootingDepth(k, soil);
  support.ScrewFootingDim = 0;
  support.ScrewFootingDep = 0;
}

bool SectionIs(const SupportDesign& support, std::string_view a, std::string_view b = {}) {
  const std::string_view section = Trim(support.PostDimensions.view());
  return section == a || (!b.empty() && section == b);
}

}  // namespace

void LookupSectionProperties(DesignState& state) {
  // Soil column 0 holds no data; anything outside 0..4 reads it too.
  int soil = state.CurrentDesign.SoilType;
  if (soil < 0 || soil > kSoilTypes) soil = 0;
  SupportDesignArray& supports = state.SupportDesigns;

  LookupChs(supports[SupportChs], soil);
  LookupChs(supports[SupportStrut], soil);
  LookupRhs(supports[SupportRhs], soil);
  LookupTruss(supports[SupportTruss], soil);
  if (supports[SupportTruss].FootingType == 2) supports[SupportTruss].NoResultCode = ResultTrussNormalFooting;
}

void SetSlipBaseFlags(DesignState& state) {
  SupportDesignArray& supports = state.SupportDesigns;
  const int16_t slipBase = state.CurrentDesign.CollisionRisk == 1 ? FlagFalse : FlagTrue;
  for (int t = 1; t <= 4; ++t) supports[static_cast<std::size_t>(t)].SlipBaseReq = slipBase;

  // The smallest sections never stand on a slip base.
  if (SectionIs(supports[SupportChs], "65 NB", "50 NB")) supports[SupportChs].SlipBaseReq = FlagFalse;
  if (SectionIs(supports[SupportRhs], "75x50")) supports[SupportRhs].SlipBaseReq = FlagFalse;
  if (SectionIs(supports[SupportStrut], "50 NB", "65 NB")) supports[SupportStrut].SlipBaseReq = FlagFalse;
}

bool FitSignOnProfile(DesignState& state, const GroundProfile& profile) {
  DesignRecord& design = state.CurrentDesign;
  const int64_t fit = profile.Length() - state.WidestSignWidth;
  if (design.DistFromKerb > fit) design.DistFromKerb = ClampToInt32(fit);
  if (design.DistFromKerb >= 0) return true;
  design.DistFromKerb = 0;
  for (int t = 1; t <= 4; ++t)
    state.SupportDesigns[static_cast<std::size_t>(t)].NoResultCode = ResultInsufficientTerrain;
  return false;
}

void ComputePostLevels(DesignState& state) {
  DesignRecord& design = state.CurrentDesign;
  const GroundProfile profile = BuildGroundProfile(design);
  if (!FitSignOnProfile(state, profile)) return;
  const int32_t widest = state.WidestSignWidth;

  for (int t = 1; t <= 4; ++t) {
    SupportDesign& support = state.SupportDesigns[static_cast<std::size_t>(t)];
    // The post arrays hold four posts.
    const int posts = std::clamp<int>(support.NumPosts, 0, 4);
    const long long spacing = support.PostSpacing;

    // A post on a rigid base in a concrete footing goes into the footing
    // itself; otherwise it stands on a stub and is measured from the ground.
    long long embedment = 0;
    if (support.SlipBaseReq == FlagFalse && t != SupportTruss && support.FootingType == 1) {
      support.StubLength = 0;
      embedment = support.NormFootingDep;
    } else if (support.FootingType == 1) {
      support.StubLength = ClampToInt32(int64_t{support.NormFootingDep} - 75);
    } else {
      support.StubLength = support.ScrewFootingDep;
    }

    for (int j = 1; j <= 4; ++j) {
      const std::size_t uj = static_cast<std::size_t>(j);
      if (j > posts) {
        support.PostLength[uj] = 0;
        support.PostClearance[uj] = 0;
        continue;
      }
      // Posts stand symmetrically about the middle of the widest panel.
      const long long offset = RoundHalfEven((widest - (posts - 1) * static_cast<double>(spacing)) / 2.0 +
                                             design.DistFromKerb + (j - 1) * static_cast<double>(spacing));
      const int m = profile.SegmentAt(ClampToInt32(offset));
      const std::size_t um = static_cast<std::size_t>(m);
      long long ground = 0;
      for (int k = 1; k < m; ++k) ground += design.SegDeltaHeight[static_cast<std::size_t>(k)];
      if (design.SegLength[um] != 0) {
        const double gradient = static_cast<double>(design.SegDeltaHeight[um]) / design.SegLength[um];
        ground += RoundHalfEven(gradient * static_cast<double>(offset - profile.Offset[um]));
      }
      const long long length = state.SignTopLevel + embedment - ground;
      support.PostLength[uj] = ClampToInt32(length);
      support.PostClearance[uj] = ClampToInt32(length - embedment - state.SignPanelHeight);
    }
  }
}

}  // namespace engine
