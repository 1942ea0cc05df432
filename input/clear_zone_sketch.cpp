#include "input/clear_zone_sketch.h"

#include <algorithm>
#include <cstddef>

#include "engine/clear_zone_entries.h"
#include "engine/ground_profile.h"
#include "engine/reference_lists.h"
#include "engine/values.h"

namespace input {

using namespace engine;

namespace {

constexpr std::size_t At(int index) { return static_cast<std::size_t>(index); }

constexpr double kMargin = 0.97;          // share of the frame the drawing fills
constexpr double kCarriagewayStub = 1000;  // mm of road drawn beside the roadside
constexpr double kPostFootLift = 20;       // twips the post line starts above the ground
constexpr double kPostTopDrop = 170;       // twips the post line stops below the post top
constexpr double kFaceAbovePost = 50;      // mm the top face stands above the drawn post top
constexpr double kBarrierWidth = 250;      // mm
constexpr double kBarrierHeight = 4 * kBarrierWidth;
constexpr double kBarOverhang = 100;       // twips the bar passes the edge on a left-hand sign
constexpr double kBeyondGap = 50;          // twips kept free before the bar on a left-hand sign
constexpr double kNarrowestBox = 5;        // twips

int32_t GroundAt(const DesignRecord& design, double offset) {
  return GroundLevelAt(design, ToInt32(offset), 0).value_or(0);
}

int32_t ColourOfBackground(int16_t index) {
  if (index < 0 || static_cast<std::size_t>(index) >= BackgroundColourValues.size())
    return BackgroundColourValues[0];
  return BackgroundColourValues[static_cast<std::size_t>(index)];
}

// Maps millimetres (offset from the carriageway edge, level above the road
// edge) to twips in the frame.
struct SketchMapping {
  double Scale = 1;
  double EdgeX = 0;   // the carriageway edge, Line1's inner end
  double RoadY = 0;   // level 0
  double Direction = -1;  // +1: the roadside runs to the left
  double X(double offset) const { return EdgeX - Direction * offset * Scale; }
  double Y(double level) const { return RoadY - level * Scale; }
};

}  // namespace

void ClearZoneSketch::HideAll() {
  Line1.Visible = false;
  for (auto& line : Line3) line.Visible = false;
  for (auto& line : Line2) line.Visible = false;
  for (auto& face : SFaces) face.Visible = false;
  Shape1.Visible = false;
  Shape4.Visible = false;
  Shape5.Visible = false;
  Label5.Visible = false;
}

ClearZoneSketch BuildClearZoneSketch(const DesignRecord& design, const SupportDesign& support,
                                     const ClearZoneSketchInput& input) {
  ClearZoneSketch sketch;
  const bool on_left = design.SignOnLeft != 0;

  // Segment 1 and the following ones up to 5 until the first of length 0.
  int segments = 1;
  while (segments < 5 && design.SegLength[At(segments + 1)] != 0) ++segments;
  double profile_length = 0;
  double level = 0;
  double lowest = 0;
  for (int k = 1; k <= segments; ++k) {
    profile_length += design.SegLength[At(k)];
    level += design.SegDeltaHeight[At(k)];
    lowest = std::min(lowest, level);
  }

  // Posts of the viewed kind, spread evenly under the widest sign.
  const int posts = std::clamp<int>(support.NumPosts, 0, 4);
  std::array<double, 5> post_offset{};
  std::array<double, 5> post_ground{};
  std::array<double, 5> post_top{};
  double highest = 0;
  for (int j = 1; j <= posts; ++j) {
    post_offset[At(j)] = design.DistFromKerb +
                         (input.WidestSignWidth - (posts - 1) * static_cast<double>(support.PostSpacing)) / 2 +
                         (j - 1) * static_cast<double>(support.PostSpacing);
    post_ground[At(j)] = GroundAt(design, post_offset[At(j)]);
    post_top[At(j)] = post_ground[At(j)] + support.PostLength[At(j)] - support.NormFootingDep;
    highest = std::max(highest, post_top[At(j)]);
  }

  // Scale: the drawing fills 97% of the frame in its tighter direction; an
  // empty extent leaves the choice to the other one.
  const double horizontal = profile_length + kCarriagewayStub;
  const double vertical = highest - lowest;
  const bool h_ok = horizontal > 0 && input.FrameWidth > 0;
  const bool v_ok = vertical > 0 && input.FrameHeight > 0;
  double scale = 1;
  if (h_ok && v_ok) {
    scale = std::min(kMargin * input.FrameWidth / horizontal, kMargin * input.FrameHeight / vertical);
  } else if (h_ok) {
    scale = kMargin * input.FrameWidth / horizontal;
  } else if (v_ok) {
    scale = kMargin * input.FrameHeight / vertical;
  }
  sketch.Scale = scale;

  // Centred in the frame; the stub lies on the side of the carriageway.
  const double side_margin = (input.FrameWidth - horizontal * scale) / 2;
  const double top_margin = (input.FrameHeight - vertical * scale) / 2;
  SketchMapping map;
  map.Scale = scale;
  map.RoadY = top_margin + highest * scale;
  map.Direction = on_left ? 1 : -1;
  const double stub_outer = on_left ? input.FrameWidth - side_margin : side_margin;
  map.EdgeX = stub_outer - map.Direction * kCarriagewayStub * scale;
  sketch.Line1 = {true, stub_outer, map.RoadY, map.EdgeX, map.RoadY, kSketchLineColour};

  // The slope as a chain of lines from the carriageway edge.
  double offset = 0;
  level = 0;
  for (int k = 1; k <= segments; ++k) {
    SketchLine& line = sketch.Line3[At(k - 1)];
    line.Visible = true;
    line.Colour = k == 3 ? kSketchMiddleSlopeColour : kSketchSlopeColour;
    line.X1 = map.X(offset);
    line.Y1 = map.Y(level);
    offset += design.SegLength[At(k)];
    level += design.SegDeltaHeight[At(k)];
    line.X2 = map.X(offset);
    line.Y2 = map.Y(level);
  }
  const double profile_end_x = map.X(offset);

  for (int j = 1; j <= posts; ++j) {
    const double x = map.X(post_offset[At(j)]);
    sketch.Line2[At(j - 1)] = {true, x, map.Y(post_ground[At(j)]) - kPostFootLift, x,
                               map.Y(post_top[At(j)]) + kPostTopDrop, kSketchLineColour};
  }

  // Sign faces: the front panels stacked from the bottom, then the back panel,
  // each at its own level; the highest top stands just above post 1.
  struct Face {
    int32_t width, depth;
    double bottom;
    int16_t colour;
  };
  std::array<Face, 4> faces{};
  int face_count = 0;
  double bottom = design.FrontSignClearance[1];
  const int fronts = std::clamp<int>(design.NumFrontSigns, 0, 3);
  for (int k = 1; k <= fronts; ++k) {
    if (k > 1) bottom += design.FrontSignDepth[At(k - 1)] + static_cast<double>(design.FrontSignClearance[At(k)]);
    faces[At(face_count++)] = {design.FrontSignWidth[At(k)], design.FrontSignDepth[At(k)], bottom,
                               design.BkgndColour[At(k)]};
  }
  if (design.NumBackSigns > 0) {
    faces[At(face_count++)] = {design.BackSignWidth, design.BackSignDepth,
                               static_cast<double>(design.BackSignClearance),
                               design.BkgndColour[At(kBackSlot)]};
  }
  double top_of_faces = 0;
  for (int i = 0; i < face_count; ++i)
    top_of_faces = i == 0 ? faces[0].bottom + faces[0].depth
                          : std::max(top_of_faces, faces[At(i)].bottom + faces[At(i)].depth);
  const double drawn_post_top = posts > 0 ? map.Y(post_top[1]) + kPostTopDrop : map.RoadY;
  const double faces_top_y = drawn_post_top - kFaceAbovePost * scale;
  const double faces_centre_x = map.X(design.DistFromKerb + input.WidestSignWidth / 2.0);
  for (int i = 0; i < face_count; ++i) {
    const Face& face = faces[At(i)];
    SketchBox& box = sketch.SFaces[At(i)];
    box.Visible = true;
    box.Width = face.width * scale;
    box.Height = face.depth * scale;
    box.Left = faces_centre_x - box.Width / 2;
    box.Top = faces_top_y + (top_of_faces - (face.bottom + face.depth)) * scale;
    box.Colour = ColourOfBackground(face.colour);
  }

  // Barrier: centred on its offset, standing on the ground there.
  {
    const double x = map.X(input.BarrierDistance);
    const double ground_y = map.Y(GroundAt(design, input.BarrierDistance));
    sketch.Shape1 = {input.Barrier, x - kBarrierWidth / 2 * scale, ground_y - kBarrierHeight * scale,
                     kBarrierWidth * scale, kBarrierHeight * scale, kSketchBarrierColour};
  }

  // Clear-zone bar from the carriageway edge, and the rest of the roadside.
  const double bar_length = input.ActualClearZone * scale;
  const double bar_top = input.FrameHeight - kSketchBarBottomGap - kSketchBarHeight;
  SketchBox& bar = sketch.Shape4;
  bar = {true, on_left ? map.EdgeX - bar_length + kBarOverhang : map.EdgeX, bar_top, bar_length,
         kSketchBarHeight, kSketchClearZoneColour};
  SketchBox& beyond = sketch.Shape5;
  beyond = {true, 0, bar_top, 0, kSketchBarHeight, kSketchBeyondColour};
  if (on_left) {
    const double outer = bar.Left;
    beyond.Width = outer - profile_end_x - kBeyondGap;
    if (beyond.Width <= 0) beyond.Width = kNarrowestBox;
    beyond.Left = outer - beyond.Width;
  } else {
    beyond.Left = bar.Left + bar.Width;
    beyond.Width = profile_end_x - beyond.Left;
    if (beyond.Width <= 0) beyond.Width = kNarrowestBox;
  }
  sketch.Label5 = {true, bar.Left, bar_top - kSketchLabelHeight, bar.Width, kSketchLabelHeight,
                   kSketchLineColour};
  sketch.Label5Text = ClearZoneMetres(input.ActualClearZone);
  return sketch;
}

}  // namespace input
