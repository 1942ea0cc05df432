#include "engine/post_layout.h"

#include <algorithm>

#include "engine/design_messages.h"
#include "engine/design_tables.h"
#include "engine/values.h"

namespace engine {

int16_t WindCategory(const DesignRecord& design) {
  const int category = design.WindRegion + design.ExposedLocation;
  return ClampToInt16(std::min(category, kWindCategories));
}

void SelectPostCount(DesignState& state) {
  // Below 1 the table holds nothing, so every lookup reads 0.
  const int category = std::max<int>(WindCategory(state.CurrentDesign), 0);
  const int32_t widest = state.WidestSignWidth;

  int posts = 0;
  int stiffenerType = 0;
  for (int p = 1; p <= kMaxPosts && posts == 0; ++p) {
    for (int k = 1; k <= kStiffenerTypes; ++k) {
      if (widest <= MaxSignWidthTable(category, p, k)) {
        posts = p;
        stiffenerType = k;
        break;
      }
    }
  }

  for (int t = 1; t <= 4; ++t) {
    SupportDesign& support = state.SupportDesigns[static_cast<std::size_t>(t)];
    if (posts == 0) {
      support.StiffenerType = 0;
      support.NumPosts = 0;
      support.NoResultCode = ResultSignTooWide;
      continue;
    }
    support.StiffenerType = static_cast<int16_t>(stiffenerType);
    support.NumPosts = ClampToInt16(support.PNO + posts);
    if (support.PNO > 0) {
      // The table stops at four posts; a larger count is read as four.
      const int lookup = std::min(support.PNO + posts, kMaxPosts);
      support.StiffenerType = widest <= MaxSignWidthTable(category, lookup, 1) ? 1 : 2;
    }
  }
}

namespace {

// The spacing for a share of the widest panel, as a whole millimetre value
// brought to 5 mm.
int32_t SpacingFor(double share, int32_t widest) {
  return ClampToInt32(Round5(RoundHalfEven(share * widest)));
}

}  // namespace

void PlacePosts(DesignState& state) {
  const int32_t widest = state.WidestSignWidth;
  for (int t = 1; t <= 4; ++t) {
    SupportDesign& support = state.SupportDesigns[static_cast<std::size_t>(t)];
    switch (support.NumPosts) {
      case 0:
      case 1:
        support.Spacing[0] = 0;
        support.Spacing[2] = 0;
        break;
      case 2:
        support.Spacing[0] = SpacingFor(0.6, widest);
        support.Spacing[2] = SpacingFor(0.8, widest);
        break;
      case 3:
        support.Spacing[0] = SpacingFor(0.35, widest);
        support.Spacing[2] = 0;
        break;
      case 4:
        support.Spacing[0] = SpacingFor(0.25, widest);
        support.Spacing[2] = 0;
        break;
      default:
        break;
    }

    const int32_t type = std::clamp<int32_t>(support.SpacingType, 0, 2);
    support.PostSpacing = support.Spacing[static_cast<std::size_t>(type)];

    const int posts = support.NumPosts;
    if (posts >= 2 && posts <= 4 &&
        static_cast<long long>(posts - 1) * support.PostSpacing + 200 > state.SmallestSignWidth) {
      support.WarningCode = static_cast<int16_t>(support.WarningCode + WarnSpacingTooWide);
    }
    if (posts > 1 && support.PostSpacing < 1500 && support.SlipBaseReq != FlagFalse) {
      support.WarningCode = static_cast<int16_t>(support.WarningCode + WarnSlipBaseSpacing);
    }
  }
}

long long Round5(long long value) {
  const long long remainder = value % 5;
  const long long base = value - remainder;
  if (remainder < 0) return 0;
  if (remainder <= 2) return base;
  return base + 5;
}

}  // namespace engine
