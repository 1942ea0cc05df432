#include "engine/panel_layout.h"

#include <algorithm>
#include <cstdint>

#include "engine/values.h"

namespace engine {

namespace {

// One outline entry: a panel, or what is left of it, from `Level` up. Held
// in 64 bits: levels are sums of several 32-bit fields, and a stored design
// may carry any 32-bit value in each of them. The work values narrow them,
// saturating, when the walk is done.
struct Entry {
  int64_t Level = 0;
  int64_t Height = 0;
  int64_t Width = 0;
  int64_t Top() const { return Level + Height; }
};

// The exchange sort over entries first..last. Its order for equal levels is
// what the merge walk depends on, so no library sort may take its place.
void ExchangeSort(std::array<Entry, 6>& entries, int first, int last) {
  for (int a = first; a <= last - 1; ++a) {
    for (int b = a + 1; b <= last; ++b) {
      if (entries[static_cast<std::size_t>(a)].Level > entries[static_cast<std::size_t>(b)].Level) {
        std::swap(entries[static_cast<std::size_t>(a)], entries[static_cast<std::size_t>(b)]);
      }
    }
  }
}

// The running measures of the outline pieces.
struct PieceSums {
  float MidHeightSum = 0.0F;  // held in single precision after every addition
  int32_t Area = 0;           // whole square metres, rounded after every piece
  int Count = 0;

  void Add(int64_t level, int64_t height, int64_t width) {
    MidHeightSum = static_cast<float>(static_cast<double>(MidHeightSum) +
                                      (static_cast<double>(height) / 2.0 + static_cast<double>(level)));
    Area = ToInt32((static_cast<double>(width) / 1000.0) * (static_cast<double>(height) / 1000.0) + Area);
    ++Count;
  }
};

}  // namespace

void LayoutPanels(DesignState& state) {
  const DesignRecord& design = state.CurrentDesign;

  // Counts outside 0..3 and 0..1 would index past the panel arrays.
  const int fronts = std::clamp<int>(design.NumFrontSigns, 0, 3);
  const int backs = std::clamp<int>(design.NumBackSigns, 0, 1);
  if (fronts + backs == 0) return;
  int n = fronts + backs - 1;

  std::array<Entry, 6> entries{};
  for (int e = 4; e < 6; ++e) {
    entries[static_cast<std::size_t>(e)] = {state.PanelLevel[static_cast<std::size_t>(e)],
                                            state.PanelSize[static_cast<std::size_t>(e)][0],
                                            state.PanelSize[static_cast<std::size_t>(e)][1]};
  }

  const int64_t road = design.RoadHeight;
  if (fronts > 0) {
    for (int j = 0; j < fronts; ++j) {
      entries[static_cast<std::size_t>(j)].Height = design.FrontSignDepth[static_cast<std::size_t>(j) + 1];
      entries[static_cast<std::size_t>(j)].Width = design.FrontSignWidth[static_cast<std::size_t>(j) + 1];
    }
    entries[0].Level = road + design.FrontSignClearance[1];
    entries[1].Level = entries[0].Level + design.FrontSignDepth[1] + design.FrontSignClearance[2];
    entries[2].Level = entries[1].Level + design.FrontSignDepth[2] + design.FrontSignClearance[3];
  }
  if (backs > 0) {
    Entry& back = entries[static_cast<std::size_t>(fronts)];
    back.Height = design.BackSignDepth;
    back.Width = design.BackSignWidth;
    back.Level = road + design.BackSignClearance;
  }

  // Top of the sign, from the front stack and from the back panel.
  int64_t frontTop = road;
  for (int slot = 1; slot <= fronts; ++slot) {
    frontTop += int64_t{design.FrontSignClearance[static_cast<std::size_t>(slot)]} +
                design.FrontSignDepth[static_cast<std::size_t>(slot)];
  }
  const int64_t frontHeight = frontTop - road;
  const int64_t backTop = backs == 1 ? road + design.BackSignClearance + design.BackSignDepth : 0;
  const int64_t backHeight = backs == 1 ? backTop - road : 0;
  state.SignTopLevel = ClampToInt32(std::max(frontTop, backTop));
  state.SignPanelHeight = ClampToInt32(std::max(frontHeight, backHeight));

  // Widths over the entries as entered, before any sorting or merging.
  int64_t widest = 0;
  for (int e = 0; e <= n; ++e) widest = std::max(widest, entries[static_cast<std::size_t>(e)].Width);
  int64_t smallest = widest;
  for (int e = 0; e <= n; ++e) smallest = std::min(smallest, entries[static_cast<std::size_t>(e)].Width);
  state.WidestSignWidth = ClampToInt32(widest);
  state.SmallestSignWidth = ClampToInt32(smallest);

  ExchangeSort(entries, 0, n);

  // Merge walk: each step either emits the lowest entry's visible piece and
  // moves on, or trims or drops an entry and sorts the rest again.
  PieceSums sums;
  int i = 0;
  while (i <= n) {
    Entry& lower = entries[static_cast<std::size_t>(i)];
    if (i == n) {
      sums.Add(lower.Level, lower.Height, lower.Width);
      ++i;
      continue;
    }
    const int j = i + 1;
    Entry& upper = entries[static_cast<std::size_t>(j)];
    if (upper.Level >= lower.Top()) {
      sums.Add(lower.Level, lower.Height, lower.Width);
      ++i;
    } else if (upper.Width > lower.Width && upper.Top() <= lower.Level) {
      // A wider entry with no extent above the lower one's bottom (zero or
      // negative height at the same level) hides nothing. Trimming the lower
      // entry to it would leave that entry unchanged and the walk would never
      // end, so the upper entry is dropped.
      std::swap(entries[static_cast<std::size_t>(j)], entries[static_cast<std::size_t>(n)]);
      --n;
      if (n != i) ExchangeSort(entries, i, n);
    } else if (upper.Width > lower.Width) {
      if (upper.Level != lower.Level) sums.Add(lower.Level, upper.Level - lower.Level, lower.Width);
      if (upper.Top() >= lower.Top()) {
        ++i;  // the rest of the lower entry lies behind the upper one
      } else {
        const int64_t oldTop = lower.Top();
        lower.Level = upper.Top();
        lower.Height = oldTop - upper.Top();
        ExchangeSort(entries, i, n);
      }
    } else if (upper.Top() <= lower.Top()) {
      // Wholly behind the lower entry.
      std::swap(entries[static_cast<std::size_t>(j)], entries[static_cast<std::size_t>(n)]);
      --n;
      if (n != i) ExchangeSort(entries, i, n);
    } else {
      const int64_t lowerTop = lower.Top();
      upper.Height = upper.Top() - lowerTop;
      upper.Level = lowerTop;
      ExchangeSort(entries, i, n);
    }
  }

  for (std::size_t e = 0; e < entries.size(); ++e) {
    state.PanelLevel[e] = ClampToInt32(entries[e].Level);
    state.PanelSize[e][0] = ClampToInt32(entries[e].Height);
    state.PanelSize[e][1] = ClampToInt32(entries[e].Width);
  }
  state.PanelArea = sums.Area;
  state.PanelCentroidHeight = sums.MidHeightSum / static_cast<float>(sums.Count);
}

}  // namespace engine
