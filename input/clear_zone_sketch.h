#pragma once
// The roadside sketch of the clear zone window: the carriageway stub, the
// slope segments, the posts, the sign faces, the barrier and the clear-zone
// bar, as a plain scene in twips inside the sketch frame (y grows downwards).
// A thin widget paints it; tests and the design probe read it as numbers.

#include <array>
#include <cstdint>
#include <string>

#include "engine/design_record.h"

namespace input {

// Colours are 00BBGGRR values, as in engine/reference_lists.h.
inline constexpr int32_t kSketchSlopeColour = 0x00FF00;
inline constexpr int32_t kSketchMiddleSlopeColour = 0x00C000;  // segment 3 stands out
inline constexpr int32_t kSketchLineColour = 0x000000;
inline constexpr int32_t kSketchBarrierColour = 0x808080;
inline constexpr int32_t kSketchClearZoneColour = 0x0000FF;
inline constexpr int32_t kSketchBeyondColour = 0xC0C0C0;

// Height of the clear-zone bar and its label, and their distance from the
// bottom of the frame (twips).
inline constexpr double kSketchBarHeight = 90.0;
inline constexpr double kSketchBarBottomGap = 60.0;
inline constexpr double kSketchLabelHeight = 240.0;

struct SketchLine {
  bool Visible = false;
  double X1 = 0, Y1 = 0, X2 = 0, Y2 = 0;
  int32_t Colour = kSketchLineColour;
};

struct SketchBox {
  bool Visible = false;
  double Left = 0, Top = 0, Width = 0, Height = 0;
  int32_t Colour = kSketchLineColour;  // the fill
};

struct ClearZoneSketch {
  double Scale = 0;                      // twips per mm
  SketchLine Line1;                      // carriageway stub, at level 0
  std::array<SketchLine, 5> Line3{};     // slope segments 1..5
  std::array<SketchLine, 4> Line2{};     // posts 1..4
  std::array<SketchBox, 4> SFaces{};     // front faces from the bottom, then the back face
  SketchBox Shape1;                      // barrier
  SketchBox Shape4;                      // clear-zone bar
  SketchBox Shape5;                      // the roadside beyond the clear zone
  SketchBox Label5;                      // the clear-zone figure, over the bar
  std::string Label5Text;

  // Every element hidden: no clear zone can be drawn.
  void HideAll();
};

// Inputs beyond the design record and the support design of the viewed kind.
struct ClearZoneSketchInput {
  int32_t WidestSignWidth = 0;    // of the panel layout
  int32_t ActualClearZone = 0;    // mm, 0 or more
  bool Barrier = false;
  int32_t BarrierDistance = 0;    // mm from the carriageway edge
  double FrameWidth = 0;          // twips
  double FrameHeight = 0;
};

ClearZoneSketch BuildClearZoneSketch(const engine::DesignRecord& design, const engine::SupportDesign& support,
                                     const ClearZoneSketchInput& input);

}  // namespace input
