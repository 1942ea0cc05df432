#pragma once
// The three-dimensional strut view as a scene: a block of ground between the
// road cross-section at the sign and one 10 000 mm further along the road, the
// road strip, the slope profile on both faces, the front sign panels with their
// stiffeners, the posts and one strut per post back to a stub on the ground.
// All coordinates are twips in the view panel (x right, y down). Building the
// scene reads the design and changes nothing in it.

#include "app/scene.h"

#include <array>
#include <cstdint>

namespace engine {
struct DesignState;
}

namespace app {

// The element arrays of the view, in painting order.
inline constexpr const char *View3DBlock = "Line3";        // 12 ground block edges, dotted
inline constexpr const char *View3DRoad = "Line4";         // 4 road strip edges
inline constexpr const char *View3DDepthBase = "Line5";    // 6 depth lines on the block's base, dashed
inline constexpr const char *View3DDepthGround = "Line7";  // 6 depth lines on the ground
inline constexpr const char *View3DBackSlopes = "BSlopes"; // 5 profile lines on the back face
inline constexpr const char *View3DFrontSlopes = "FSlopes";// 5 profile lines on the front face
inline constexpr const char *View3DPosts = "Line9";        // 4 posts
inline constexpr const char *View3DStruts = "Line12";      // 4 struts
inline constexpr const char *View3DStubs = "Line13";       // 4 strut stubs
inline constexpr const char *View3DFaces = "S3DFaces";     // 4 front panels, lowest first
inline constexpr const char *View3DStiffeners = "Line11";  // stiffeners over all panels

// Stiffener lines the view starts with; more are added when a design has more.
inline constexpr int View3DInitialStiffenerLines = 40;

// The view's background, on which the white road strip and white panels show.
inline constexpr int32_t View3DBackground = 0xD8D0C8;

// The view before its first drawing: every element at its design-time look, hidden.
Scene InitialView3DScene();

// The working values of one drawing, kept for the checks without a display.
struct View3DWork {
    std::array<int32_t, 8> segmentStarts{};       // 1..7
    int segments = 0;                             // N
    std::array<int32_t, 7> backLevelSteps{};      // 1..6
    int32_t lo = 0;
    int32_t hi = 0;
    double scale = 0.0;                           // twips a millimetre
    std::array<int32_t, 5> stubHeights{};         // posts 1..4
    int32_t strutReach = 0;                       // D, mm along the road
};

// Redraws `scene` for the viewed support kind of `state` in a panel of
// width x height twips. A section containing "X" hides the picture; a design
// with no height or width to show leaves the scene as it was.
void DrawView3D(const engine::DesignState &state, double width, double height, Scene &scene,
                View3DWork *work = nullptr);

} // namespace app
