#pragma once
// The fields of the design records and work values by their names, in record
// order, so that the probe reads and writes every one of them the same way.
// `visit(name, field)` is called once per field with a reference to it.

#include "engine/design_state.h"

namespace probe {

template <typename Record, typename Visit>
void VisitDesignRecord(Record& r, Visit&& visit) {
  visit("JobCode", r.JobCode);
  visit("JobSection", r.JobSection);
  visit("SignPos", r.SignPos);
  visit("SignCode", r.SignCode);
  visit("RoadHeight", r.RoadHeight);
  visit("FrontSignWidth", r.FrontSignWidth);
  visit("FrontSignDepth", r.FrontSignDepth);
  visit("FrontSignClearance", r.FrontSignClearance);
  visit("NumFrontSigns", r.NumFrontSigns);
  visit("BackSignWidth", r.BackSignWidth);
  visit("BackSignDepth", r.BackSignDepth);
  visit("BackSignClearance", r.BackSignClearance);
  visit("NumBackSigns", r.NumBackSigns);
  visit("RPSegLength", r.RPSegLength);
  visit("RPSegDeltaHeight", r.RPSegDeltaHeight);
  visit("RPReducedLevel", r.RPReducedLevel);
  visit("SignOnLeft", r.SignOnLeft);
  visit("DistFromKerb", r.DistFromKerb);
  visit("SegLength", r.SegLength);
  visit("SegDeltaHeight", r.SegDeltaHeight);
  visit("SegBackLength", r.SegBackLength);
  visit("SegBackHeight", r.SegBackHeight);
  visit("SupportStruts", r.SupportStruts);
  visit("WindRegion", r.WindRegion);
  visit("ExposedLocation", r.ExposedLocation);
  visit("CollisionRisk", r.CollisionRisk);
  visit("SoilType", r.SoilType);
  visit("LegendClass", r.LegendClass);
  visit("LegendColour", r.LegendColour);
  visit("BkgndClass", r.BkgndClass);
  visit("BkgndColour", r.BkgndColour);
  visit("MaximumClearance", r.MaximumClearance);
  visit("MinimumClearance", r.MinimumClearance);
  visit("Notes", r.Notes);
}

template <typename Record, typename Visit>
void VisitSupportDesign(Record& r, Visit&& visit) {
  visit("NumPosts", r.NumPosts);
  visit("PNO", r.PNO);
  visit("AOP", r.AOP);
  visit("PostSpacing", r.PostSpacing);
  visit("SpacingType", r.SpacingType);
  visit("Spacing", r.Spacing);
  visit("PostLength", r.PostLength);
  visit("PostClearance", r.PostClearance);
  visit("StubLength", r.StubLength);
  visit("PostDimensions", r.PostDimensions);
  visit("PostWallThickness", r.PostWallThickness);
  visit("PostMatGrade", r.PostMatGrade);
  visit("SlipBaseReq", r.SlipBaseReq);
  visit("FootingType", r.FootingType);
  visit("NormFootingDim", r.NormFootingDim);
  visit("NormFootingDep", r.NormFootingDep);
  visit("ScrewFootingDim", r.ScrewFootingDim);
  visit("ScrewFootingDep", r.ScrewFootingDep);
  visit("StiffenerType", r.StiffenerType);
  visit("Overhang", r.Overhang);
  visit("NumStruts", r.NumStruts);
  visit("StrutSpacing", r.StrutSpacing);
  visit("NumSpreaderPlates", r.NumSpreaderPlates);
  visit("NumBrackets", r.NumBrackets);
  visit("NumStiffeners", r.NumStiffeners);
  visit("StiffenerSpacing", r.StiffenerSpacing);
  visit("NoResultCode", r.NoResultCode);
  visit("WarningCode", r.WarningCode);
  visit("StrutPost", r.StrutPost);
  visit("StrutStub", r.StrutStub);
  visit("CurvedRoad", r.CurvedRoad);
  visit("Curvature", r.Curvature);
  visit("RoadSpeed", r.RoadSpeed);
  visit("Barrier", r.Barrier);
  visit("BarrierDistance", r.BarrierDistance);
  visit("AADT", r.AADT);
}

// The engine work values that travel with the open design.
template <typename State, typename Visit>
void VisitWorkValues(State& s, Visit&& visit) {
  visit("PanelLevel", s.PanelLevel);
  visit("PanelSize", s.PanelSize);
  visit("WidestSignWidth", s.WidestSignWidth);
  visit("SmallestSignWidth", s.SmallestSignWidth);
  visit("SignTopLevel", s.SignTopLevel);
  visit("SignPanelHeight", s.SignPanelHeight);
  visit("PanelArea", s.PanelArea);
  visit("PanelCentroidHeight", s.PanelCentroidHeight);
  visit("StrutFootOffsets", s.StrutFootOffsets);
}

template <typename Defaults, typename Visit>
void VisitDefaultValues(Defaults& d, Visit&& visit) {
  visit("DefClearanceAboveRoadEdge", d.DefClearanceAboveRoadEdge);
  visit("DefDistanceFromCarriageway", d.DefDistanceFromCarriageway);
  visit("DefClearZoneSpeed", d.DefClearZoneSpeed);
  visit("DefClearZoneAADT", d.DefClearZoneAADT);
}

}  // namespace probe
