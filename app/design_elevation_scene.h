#pragma once
// The design elevation of the main window as a scene: the sign panels seen
// face-on, the posts, stubs, base plates and footings (or the screw symbol),
// the roadside slope profile, the road and the minimum clearance dimension of
// the viewed support kind, scaled into the design view area. Nothing here
// touches a widget or changes a record; the view rebuilds the whole scene on
// every refresh.

#include "app/scene.h"

#include <functional>
#include <string>
#include <string_view>

namespace engine {
struct DesignState;
}

namespace app {

// The size of a text in twips as the view's font sets it.
struct TextExtent {
    int32_t width = 0;
    int32_t height = 0;
};
using TextMeasure = std::function<TextExtent(const std::string &)>;

// The drawing area: the contents of the design view frame, in twips, and the
// screen's twips per pixel (1440 / logical DPI).
struct ElevationArea {
    int32_t width = 0;
    int32_t height = 0;
    double twipsPerPixel = 15.0;
};

// Every element of the view, in painting order, all hidden (HideDesignView).
Scene HiddenDesignElevation();

// The whole view of the viewed support kind (DrawDesignView). Call it only
// when that kind has a result; otherwise the view is HiddenDesignElevation().
Scene DesignElevationScene(const engine::DesignState &state, const ElevationArea &area, const TextMeasure &measure);

// The number a section or footing designation starts with: digits and one
// decimal point, blanks skipped, up to the first other character; 0 when
// there is none ("100 NB" 100, "65NB s=1000" 65, "125x75" 125). Unlike Val it
// reads no sign, exponent or "&H" prefix.
float LeadingNumber(std::string_view text);

// The fill of a sign panel of background colour index `index`; an index
// outside the colour list fills with its first colour (grey).
int32_t SignFaceColour(int index);

// The fixed colours of the view (&HBBGGRR).
inline constexpr int32_t PostTooLowColour = 0x0000FF;
inline constexpr int32_t PostColour = 0x808080;
inline constexpr int32_t StubColour = 0x404040;
inline constexpr int32_t PlateColour = 0xFF0000;
inline constexpr int32_t FootingColour = 0x0080FF;
inline constexpr int32_t ScrewColour = 0xC0C0C0;
inline constexpr int32_t SlopeColour = 0x00FF00;
inline constexpr int32_t DimensionColour = 0xFF0000;

// The lowest clearance of a post that is not drawn red, with and without a slip base.
inline constexpr int32_t SlipBaseClearanceLimit = 2100;
inline constexpr int32_t RigidBaseClearanceLimit = 1500;

} // namespace app
