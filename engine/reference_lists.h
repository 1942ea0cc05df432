#pragma once
// The fixed vocabularies of the program: sign classes and colours, support
// and footing type names. The design records hold indexes into these lists;
// the database holds the texts. They are constant data, complete from program
// start whatever database is (or is not) open, so there is nothing to build.
//
// Colours are 32-bit values laid out 00BBGGRR (red in the lowest byte).

#include <array>
#include <cstdint>
#include <string_view>

namespace engine {

inline constexpr std::array<std::string_view, 8> LegendClassNames{
    "Various", "1A", "1", "1W", "2A", "2", "CAL", ""};
inline constexpr std::array<std::string_view, 8> BackgroundClassNames{
    "Various", "1A", "1", "1W", "2A", "2", "CAL", ""};

inline constexpr std::array<std::string_view, 11> BackgroundColourNames{
    "Various", "White", "Green Std", "Emerald", "Yellow", "Red",
    "Blue", "Brown", "Fluoro Red", "Fluoro Org", "Fluoro Yel"};
inline constexpr std::array<int32_t, 11> BackgroundColourValues{
    12632256, 16777215, 16384, 32768, 65535, 255, 16711680, 64, 8421631, 33023, 8454143};

inline constexpr std::array<std::string_view, 3> LegendColourNames{"Various", "White", "Black CAL"};
inline constexpr std::array<int32_t, 3> LegendColourValues{12632256, 16777215, 0};

inline constexpr std::array<std::string_view, 5> SupportTypeNames{
    "", "CHS Steel", "RHS Steel", "Truss Steel", "Strut Steel"};

inline constexpr std::array<std::string_view, 3> FootingTypeNames{"", "Normal", "Screw"};

// Red, green and blue parts of a colour value.
constexpr int ColourRed(int32_t colour) { return colour & 0xFF; }
constexpr int ColourGreen(int32_t colour) { return (colour >> 8) & 0xFF; }
constexpr int ColourBlue(int32_t colour) { return (colour >> 16) & 0xFF; }

// Index of `text` in a list (first match, exact characters), or -1.
template <std::size_t N>
constexpr int IndexInList(const std::array<std::string_view, N>& list, std::string_view text) {
  for (std::size_t i = 0; i < N; ++i)
    if (list[i] == text) return static_cast<int>(i);
  return -1;
}

}  // namespace engine
