#pragma once
// The texts of the per-kind result codes and warning bits. The main window's
// warnings box and the printed design form both take their texts from here.

#include <cstdint>
#include <string_view>
#include <vector>

#include "engine/post_layout.h"

namespace engine {

// DesignResultCode: the NoResultCode of each SupportDesign. 0 means a design
// was found; any other value is the reason there is none.
inline constexpr int16_t ResultOk = 0;
inline constexpr int16_t ResultSignTooWide = 1;
inline constexpr int16_t ResultExposedSectionLimit = 2;
inline constexpr int16_t ResultNoSolution = 3;
inline constexpr int16_t ResultSlipBaseSectionLimit = 4;
inline constexpr int16_t ResultSlipBaseNotPossible = 5;
inline constexpr int16_t ResultInsufficientTerrain = 6;
inline constexpr int16_t ResultTrussOneFrontSign = 7;
inline constexpr int16_t ResultTrussNormalFooting = 8;
inline constexpr int16_t ResultNoDesignData = 10;
inline constexpr int16_t ResultStrutLengthNotFound = 11;
inline constexpr int16_t ResultEccentricityTooLarge = 12;

// DesignWarningBits (the WarningCode of each SupportDesign, a sum of bits) are
// WarnSpacingTooWide (8) and WarnSlipBaseSpacing (4), from post_layout.h.

// The lines shown for a result code; empty for 0, for 9 and for any code
// without a text. Codes 5 and 10 have two lines.
const std::vector<std::string_view>& ResultCodeLines(int code);

// The text of one warning bit (4 or 8); empty for any other value.
std::string_view WarningBitText(int bit);

// The texts of the bits set in `warningBits`, bit 8 first, then bit 4.
std::vector<std::string_view> WarningLines(int warningBits);

// What a kind's warnings box shows: the result code's lines when the code is
// not 0, else the lines of its warning bits.
std::vector<std::string_view> DesignMessageLines(int resultCode, int warningBits);

}  // namespace engine
