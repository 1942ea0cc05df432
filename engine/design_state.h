#pragma once
// The open design: the records, the flags that travel with them and the work
// values of the design run. The program owns one DesignState and passes it to
// the engine functions; tests and tools may hold as many as they like.

#include <array>
#include <cstdint>

#include "engine/design_record.h"

namespace engine {

// The store's default values for a new design (the database fills them when a
// file opens; these initial values are those of a new file).
struct DefaultValues {
  int32_t DefClearanceAboveRoadEdge = 1500;
  int32_t DefDistanceFromCarriageway = 1000;
  int32_t DefClearZoneSpeed = 60;
  int32_t DefClearZoneAADT = 0;
};

struct DesignState {
  DesignRecord CurrentDesign;
  SupportDesignArray SupportDesigns{};   // elements 1..4 by SupportType
  int16_t CurrentSupportType = 1;
  int16_t DesignChanged = FlagFalse;
  int16_t RedesignNeeded = FlagFalse;
  int16_t DesignOpen = FlagFalse;

  // Work values of the panel layout, read by the later design steps.
  std::array<int32_t, 6> PanelLevel{};                 // entries 0..5
  std::array<std::array<int32_t, 2>, 6> PanelSize{};   // [entry][0 height, 1 width]
  int32_t WidestSignWidth = 0;
  int32_t SmallestSignWidth = 0;
  int32_t SignTopLevel = 0;
  int32_t SignPanelHeight = 0;
  int32_t PanelArea = 0;                               // whole square metres
  float PanelCentroidHeight = 0.0F;

  // Strut foot levels by post 1..4, relative to the post with the shortest
  // strut reach; filled by FindStrutLength and kept from one run to the next.
  std::array<int32_t, 5> StrutFootOffsets{};

  // Stiffener limits 1..5 (element 0 unused): spacing increment, minimum and
  // maximum spacing, minimum and maximum distance from the sign edge. Set by
  // LoadDesignTables, the stiffener spacing dialog and loading a stored design.
  std::array<int32_t, 6> StiffenerLimit{0, 50, 250, 450, 25, 100};
};

// Clears the design fields of state.CurrentDesign and elements 1..4 of
// `supports` for a new design, taking defaults from `defaults`. The reference
// point, MaximumClearance, MinimumClearance and every PostClearance are kept.
void ResetDesignData(DesignState& state, SupportDesignArray& supports, const DefaultValues& defaults);
// The usual call: resets state.SupportDesigns.
void ResetDesignData(DesignState& state, const DefaultValues& defaults);

// Sets `changed` (and, for design-relevant fields, `redesign`) to FlagTrue when
// `edited` differs from `current`; never sets either back to false. Callers
// pass state.DesignChanged and state.RedesignNeeded.
void CompareDesignRecords(const DesignRecord& edited, const DesignRecord& current, int16_t& changed,
                          int16_t& redesign);

// Copies every compared field and element: all but element 0 of the arrays,
// MaximumClearance and MinimumClearance, which keep the destination's values.
void CopyDesignRecord(const DesignRecord& source, DesignRecord& destination);

// For t = 1..4 copies the result and clear-zone fields of source[t] to
// destination[t]; FootingType, PostClearance, Overhang, NumStruts,
// StrutSpacing, NumSpreaderPlates and element 0 of the per-post and per-slot
// arrays keep the destination's values.
void CopySupportDesigns(const SupportDesignArray& source, SupportDesignArray& destination);

}  // namespace engine
