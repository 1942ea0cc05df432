#pragma once
// The entries of the clear zone window as values: the speed and traffic
// choices a stored support design selects, and the checks that bring a typed
// radius or barrier distance into range. Kept apart from the window so the
// design probe and the tests reach the same rules.

#include <array>
#include <cstdint>
#include <optional>
#include <string>
#include <string_view>

#include "engine/design_record.h"

namespace engine {

// Speed items " 60km/h" .. " 110km/h" by list position 0..5.
inline constexpr std::array<int32_t, 6> ClearZoneSpeedItems{60, 70, 80, 90, 100, 110};
// Traffic values of the four items when the engineer chooses one.
inline constexpr std::array<int32_t, 4> ClearZoneAadtItems{749, 1449, 5999, 6002};

// The speed item a stored speed selects (up to 60 the first, 61 to 70 the
// second, ...); none above 110 km/h.
std::optional<int> SpeedItemFor(int32_t road_speed);

struct AadtChoice {
  int item;        // 0..3
  int32_t value;   // the traffic value kept until another item is chosen
};
// The traffic item a stored volume selects and the value it stands for:
// below 751: 749; 751 to 1500: 1499; 1501 to 6000: 5999; above: 6001.
AadtChoice AadtChoiceFor(int32_t aadt);

// A text that reads wholly as a decimal number: blanks around it allowed,
// "." as the decimal point whatever the locale, an exponent allowed; nothing
// for anything else (letters, an empty text, infinities). A number beyond the
// range reads as an infinity of its sign.
std::optional<double> ReadWholeText(std::string_view text);

// The radius check: a number brought into 100..900 m (compared before
// rounding, then rounded half to even); anything else gives 100.
int32_t CheckedRadius(std::string_view text);

// The barrier distance check: a number brought into 0..total_slope_length mm;
// anything else gives 0.
int32_t CheckedBarrierDistance(std::string_view text, int64_t total_slope_length);

// Sum of the six segment lengths in 64 bits, the upper bound of the barrier
// distance.
int64_t TotalSlopeLength(const DesignRecord& design);

// The values the window starts from for a stored support design, and those
// it writes back. Flags are 0 or -1.
struct ClearZoneEntries {
  int32_t RoadSpeed = 0;        // 0: no speed selected
  int32_t AADT = 0;
  int32_t CurvedRoad = 0;
  int32_t Curvature = 0;
  int32_t Barrier = 0;
  int32_t BarrierDistance = 0;
};

// The window's reading of a stored support design: the selected speed and
// traffic value, the radius after its check and the stored barrier (checked
// only when ticked, as the window checks it then).
ClearZoneEntries InitialClearZoneEntries(const SupportDesign& support, const DesignRecord& design);

// Both figures of those entries for a design (mm or a negative code).
struct ClearZoneFigures {
  int32_t LevelTerrain = 0;
  int32_t ActualTerrain = 0;
};
ClearZoneFigures ComputeClearZoneFigures(const DesignRecord& design, const ClearZoneEntries& entries);

// What the window shows for two figures.
struct ClearZoneDisplay {
  std::string LevelText;                  // the level-terrain line
  std::optional<std::string> ActualText;  // the actual-terrain line; none: keep the old one
  bool Warning = false;                   // the 6 m warning
  bool Sketch = false;                    // the roadside sketch is drawn
  bool BarrierBar = false;                // the barrier distance scroll bar is shown
};

inline constexpr const char* kCurveTooSharpText = "Curve too sharp for speed ";
inline constexpr const char* kTooComplexText = "Cross section data too complex to analyse";
inline constexpr const char* kSixMetreWarning =
    "Warning : It is generally undesirable to locate traffic signs greater than 6m laterally from the "
    "travelled path, due to legibility and performance considerations. Consider using frangible supports "
    "in order to locate the sign closer to the travelled path.";

// `kind_has_design`: the viewed support kind has a design (result code 0);
// without one there is nothing to sketch, but the figures still show.
ClearZoneDisplay DescribeClearZone(int32_t level, int32_t actual, bool kind_has_design, bool barrier);

// A clear zone in metres as the window writes it: the millimetres / 1000 in
// their shortest decimal form with a "." and a leading 0, then "m" (6660:
// "6.66m", 9000: "9m", 500: "0.5m").
std::string ClearZoneMetres(int32_t millimetres);

}  // namespace engine
