#pragma once
// The summary form: a landscape table with one block of lines per selected
// design (a line per sign panel, the site, support, post-length and footing
// results on the first line), grouped under a bold job and section line.

#include "print/design_form.h"

#include <array>
#include <cstdint>

namespace print {

inline constexpr int SummaryColumns = 27;

// Left edges of columns 1..27 (element 0 unused) across the frame's width,
// each edge rounded (halves to even) before the next width is added.
using SummaryColumnEdges = std::array<int32_t, SummaryColumns + 1>;
SummaryColumnEdges SummaryColumnX(const PageFrameRec &frame);

// Prints the summary form of each key, in order, as one landscape document.
// No key: no page and no progress. A page is begun before a design whose
// block (with its group line) would pass the bottom of the content area, so
// a block is never split and never runs into the footer band. On a failure
// (a read, the device) the document is aborted and the failure returned.
PrintJobResult PrintSummaryForms(PageSurface &surface, platform::SqlConnection &db,
                                 const std::vector<database::StoredDesignKey> &keys);

// The heading block from the top of the content area; the print position is
// left under heading line 3.
void PrintSummaryHeader(PageSurface &surface, const SummaryColumnEdges &x);

// The block of one loaded design, after the job and section line when
// `newGroup`; the print position is left just below the block.
void PrintSummaryRow(PageSurface &surface, const SummaryColumnEdges &x, const PrintedDesign &design, bool newGroup);

// Where the block of a design printed from the print position would end.
int32_t SummaryBlockBottom(PageSurface &surface, const PrintedDesign &design, bool newGroup);

} // namespace print
