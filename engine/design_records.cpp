#include <cstddef>

#include "engine/design_state.h"

namespace engine {

namespace {

// True when any element from `first` to the end differs.
template <typename Array>
bool RangeDiffers(const Array& a, const Array& b, std::size_t first) {
  for (std::size_t i = first; i < a.size(); ++i)
    if (!(a[i] == b[i])) return true;
  return false;
}

template <typename Array>
void CopyRange(const Array& source, Array& destination, std::size_t first) {
  for (std::size_t i = first; i < source.size(); ++i) destination[i] = source[i];
}

void ResetSupport(SupportDesign& s, const DefaultValues& defaults) {
  const std::array<int32_t, 5> keptClearance = s.PostClearance;
  s = SupportDesign{};
  s.PostClearance = keptClearance;
  s.FootingType = 1;
  s.Curvature = 100;
  s.RoadSpeed = defaults.DefClearZoneSpeed;
  s.AADT = defaults.DefClearZoneAADT;
}

}  // namespace

void ResetDesignData(DesignState& state, SupportDesignArray& supports, const DefaultValues& defaults) {
  DesignRecord& d = state.CurrentDesign;
  state.DesignOpen = FlagFalse;

  for (int i = 1; i <= 3; ++i) {
    d.FrontSignClearance[i] = 0;
    d.FrontSignWidth[i] = 0;
    d.FrontSignDepth[i] = 0;
  }
  d.RoadHeight = defaults.DefClearanceAboveRoadEdge;
  d.SignOnLeft = FlagTrue;
  d.DistFromKerb = defaults.DefDistanceFromCarriageway;
  d.NumFrontSigns = 0;
  d.BackSignWidth = 0;
  d.BackSignDepth = 0;
  d.BackSignClearance = 0;
  d.NumBackSigns = 0;
  state.PanelCentroidHeight = 0.0F;
  state.PanelArea = 0;

  for (int k = 1; k <= 6; ++k) {
    d.SegLength[k] = 0;
    d.SegDeltaHeight[k] = 0;
    d.SegBackLength[k] = 0;
    d.SegBackHeight[k] = 0;
  }
  d.SupportStruts = 0;
  d.Notes.clear();
  d.WindRegion = 1;
  d.ExposedLocation = 0;
  d.CollisionRisk = 1;
  d.SoilType = 3;

  for (int t = 1; t <= 4; ++t) ResetSupport(supports[t], defaults);

  state.CurrentSupportType = 1;
  d.JobCode.Clear();
  d.JobSection.Clear();
  d.SignPos.Clear();
  for (int slot = 0; slot <= 4; ++slot) {
    d.SignCode[slot].Clear();
    d.LegendClass[slot] = 0;
    d.LegendColour[slot] = 0;
    d.BkgndClass[slot] = 0;
    d.BkgndColour[slot] = 0;
  }

  state.PanelLevel.fill(0);
  for (auto& entry : state.PanelSize) entry.fill(0);
  state.SignTopLevel = 0;
  state.WidestSignWidth = 0;
  state.SmallestSignWidth = 0;
  state.DesignChanged = FlagFalse;
  state.RedesignNeeded = FlagFalse;
}

void ResetDesignData(DesignState& state, const DefaultValues& defaults) {
  ResetDesignData(state, state.SupportDesigns, defaults);
}

void CompareDesignRecords(const DesignRecord& edited, const DesignRecord& current, int16_t& changed,
                          int16_t& redesign) {
  const DesignRecord& a = edited;
  const DesignRecord& b = current;

  // Differences that change the structure: the panels, the slope, struts and wind.
  const bool structural =
      RangeDiffers(a.FrontSignWidth, b.FrontSignWidth, 1) || RangeDiffers(a.FrontSignDepth, b.FrontSignDepth, 1) ||
      RangeDiffers(a.FrontSignClearance, b.FrontSignClearance, 1) || a.NumFrontSigns != b.NumFrontSigns ||
      a.BackSignWidth != b.BackSignWidth || a.BackSignDepth != b.BackSignDepth ||
      a.BackSignClearance != b.BackSignClearance || a.NumBackSigns != b.NumBackSigns ||
      RangeDiffers(a.SegLength, b.SegLength, 1) || RangeDiffers(a.SegDeltaHeight, b.SegDeltaHeight, 1) ||
      RangeDiffers(a.SegBackLength, b.SegBackLength, 1) || RangeDiffers(a.SegBackHeight, b.SegBackHeight, 1) ||
      a.SupportStruts != b.SupportStruts || a.WindRegion != b.WindRegion ||
      a.ExposedLocation != b.ExposedLocation;

  // Differences that only make the design unsaved.
  const bool descriptive =
      !(a.JobCode == b.JobCode) || !(a.JobSection == b.JobSection) || !(a.SignPos == b.SignPos) ||
      RangeDiffers(a.SignCode, b.SignCode, 1) || a.RoadHeight != b.RoadHeight ||
      a.RPSegLength != b.RPSegLength || a.RPSegDeltaHeight != b.RPSegDeltaHeight ||
      a.RPReducedLevel != b.RPReducedLevel || a.SignOnLeft != b.SignOnLeft || a.DistFromKerb != b.DistFromKerb ||
      a.CollisionRisk != b.CollisionRisk || a.SoilType != b.SoilType ||
      RangeDiffers(a.LegendClass, b.LegendClass, 1) || RangeDiffers(a.LegendColour, b.LegendColour, 1) ||
      RangeDiffers(a.BkgndClass, b.BkgndClass, 1) || RangeDiffers(a.BkgndColour, b.BkgndColour, 1) ||
      a.Notes != b.Notes;

  if (structural) {
    changed = FlagTrue;
    redesign = FlagTrue;
  } else if (descriptive) {
    changed = FlagTrue;
  }
}

void CopyDesignRecord(const DesignRecord& source, DesignRecord& destination) {
  const DesignRecord& s = source;
  DesignRecord& d = destination;
  d.JobCode = s.JobCode;
  d.JobSection = s.JobSection;
  d.SignPos = s.SignPos;
  CopyRange(s.SignCode, d.SignCode, 1);
  d.RoadHeight = s.RoadHeight;
  CopyRange(s.FrontSignWidth, d.FrontSignWidth, 1);
  CopyRange(s.FrontSignDepth, d.FrontSignDepth, 1);
  CopyRange(s.FrontSignClearance, d.FrontSignClearance, 1);
  d.NumFrontSigns = s.NumFrontSigns;
  d.BackSignWidth = s.BackSignWidth;
  d.BackSignDepth = s.BackSignDepth;
  d.BackSignClearance = s.BackSignClearance;
  d.NumBackSigns = s.NumBackSigns;
  d.RPSegLength = s.RPSegLength;
  d.RPSegDeltaHeight = s.RPSegDeltaHeight;
  d.RPReducedLevel = s.RPReducedLevel;
  d.SignOnLeft = s.SignOnLeft;
  d.DistFromKerb = s.DistFromKerb;
  CopyRange(s.SegLength, d.SegLength, 1);
  CopyRange(s.SegDeltaHeight, d.SegDeltaHeight, 1);
  CopyRange(s.SegBackLength, d.SegBackLength, 1);
  CopyRange(s.SegBackHeight, d.SegBackHeight, 1);
  d.SupportStruts = s.SupportStruts;
  d.WindRegion = s.WindRegion;
  d.ExposedLocation = s.ExposedLocation;
  d.CollisionRisk = s.CollisionRisk;
  d.SoilType = s.SoilType;
  CopyRange(s.LegendClass, d.LegendClass, 1);
  CopyRange(s.LegendColour, d.LegendColour, 1);
  CopyRange(s.BkgndClass, d.BkgndClass, 1);
  CopyRange(s.BkgndColour, d.BkgndColour, 1);
  d.Notes = s.Notes;
}

void CopySupportDesigns(const SupportDesignArray& source, SupportDesignArray& destination) {
  for (int t = 1; t <= 4; ++t) {
    const SupportDesign& s = source[t];
    SupportDesign& d = destination[t];
    d.NumPosts = s.NumPosts;
    d.PNO = s.PNO;
    d.AOP = s.AOP;
    d.PostSpacing = s.PostSpacing;
    d.SpacingType = s.SpacingType;
    d.Spacing = s.Spacing;
    CopyRange(s.PostLength, d.PostLength, 1);
    d.StubLength = s.StubLength;
    d.PostDimensions = s.PostDimensions;
    d.PostWallThickness = s.PostWallThickness;
    d.PostMatGrade = s.PostMatGrade;
    d.SlipBaseReq = s.SlipBaseReq;
    d.NormFootingDim = s.NormFootingDim;
    d.NormFootingDep = s.NormFootingDep;
    d.ScrewFootingDim = s.ScrewFootingDim;
    d.ScrewFootingDep = s.ScrewFootingDep;
    d.StiffenerType = s.StiffenerType;
    CopyRange(s.NumBrackets, d.NumBrackets, 1);
    CopyRange(s.NumStiffeners, d.NumStiffeners, 1);
    CopyRange(s.StiffenerSpacing, d.StiffenerSpacing, 1);
    d.NoResultCode = s.NoResultCode;
    d.WarningCode = s.WarningCode;
    CopyRange(s.StrutPost, d.StrutPost, 1);
    CopyRange(s.StrutStub, d.StrutStub, 1);
    d.CurvedRoad = s.CurvedRoad;
    d.Curvature = s.Curvature;
    d.RoadSpeed = s.RoadSpeed;
    d.Barrier = s.Barrier;
    d.BarrierDistance = s.BarrierDistance;
    d.AADT = s.AADT;
  }
}

}  // namespace engine
