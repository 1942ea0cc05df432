#include "engine/design_messages.h"

#include <array>

namespace engine {

namespace {

using Lines = std::vector<std::string_view>;

// Indexed by result code 0..12.
const std::array<Lines, 13>& ResultTexts() {
  static const std::array<Lines, 13> texts = {
      Lines{},  // 0: a design was found
      Lines{"Sign is too wide to be handled by this program!"},
      Lines{"Post Section Size was unable to be increased to handle Exposed location!"},
      Lines{"A combination of Large Sign Area and/or High Clearance Height has resulted in no solution "
            "being found for the stated Wind Region and Exposure settings!"},
      Lines{"Post Section Size was unable to be increased to handle Slip Base requirements!"},
      Lines{"Sign Panel Height > 4 * Clearance height.",
            "A Slip Base Design is not possible for this situation!"},
      Lines{"Insufficient Terrain Information has been defined."},
      Lines{"Only 1 Front Sign is allowed for Truss Designs!"},
      Lines{"Only Normal Concrete Footings are allowed for Truss Designs!"},
      Lines{},  // 9: not assigned
      Lines{"Structural Design Data is not presently available for this Support.",
            "Please contact Norvane, Halvery for Information."},
      Lines{"Could Not Find Strut Length."},
      Lines{"Design Eccentricity too Large (Difference between Tallest and Shortest Posts)."},
  };
  return texts;
}

}  // namespace

const std::vector<std::string_view>& ResultCodeLines(int code) {
  static const Lines none;
  const auto& texts = ResultTexts();
  if (code < 0 || code >= static_cast<int>(texts.size())) return none;
  return texts[static_cast<std::size_t>(code)];
}

std::string_view WarningBitText(int bit) {
  switch (bit) {
    case WarnSpacingTooWide:
      return "Post Spacing is too wide for the Smallest Signs Width";
    case WarnSlipBaseSpacing:
      return "Post Spacing must be greater than 1500 mm for Slip Base Supports (where practical)";
    default:
      return {};
  }
}

std::vector<std::string_view> WarningLines(int warningBits) {
  std::vector<std::string_view> lines;
  for (int bit : {WarnSpacingTooWide, WarnSlipBaseSpacing})
    if ((warningBits & bit) != 0) lines.push_back(WarningBitText(bit));
  return lines;
}

std::vector<std::string_view> DesignMessageLines(int resultCode, int warningBits) {
  if (resultCode != ResultOk) return ResultCodeLines(resultCode);
  return WarningLines(warningBits);
}

}  // namespace engine
