#pragma once
// The page frame and the drawing primitives every printed page is made of.
//
// A job calls SetupPage once; each page begins with DrawPageFrame (border,
// grey header and footer bands with title, tag, version, date and page
// number), which insets PageFrame to the content area between the bands, and
// ends with RestorePageFrame. Layouts print with PrintWrapped and draw with
// DrawBox and DrawLine.

#include "print/page_surface.h"

#include <QString>
#include <cstdint>

namespace print {

struct BoxRec {
    int32_t Left = 0;
    int32_t Top = 0;
    int32_t Width = 0;
    int32_t Height = 0;
    int32_t DrawWidth = 0;
    int32_t FillStyle = FillSolid;
    int32_t FillColor = 0;
    bool operator==(const BoxRec &) const = default;
};

// The version the page footer shows.
inline constexpr const char *PrintedVersion = "2.1";
// The light grey of the header and footer bands.
inline constexpr int32_t BandColour = 0xE0E0E0;
// Radius of the corners of a rounded box.
inline constexpr int32_t CornerRadius = 40;

// Orientation 1 portrait (frame 2000 x 3000) or 2 landscape (3000 x 2000);
// any other value sets only the orientation.
void SetupPage(PageSurface &surface, int16_t orientation);

// Expects the full frame (Top 0). Leaves the font at size 12, not bold, and
// the frame inset to the content area: Top 100, Height reduced by 200.
void DrawPageFrame(PageSurface &surface, const QString &title, const QString &tag);
void RestorePageFrame(PageSurface &surface);

// The length of the longest start of `text` no wider than `room`, at least
// one character; for a text wider than `room`.
qsizetype FittingLength(PageSurface &surface, const QString &text, double room);

// Prints the text from (x, y), cut between characters at the frame's right
// edge into as many lines as it needs, each at x; the print position ends a
// line below the last piece. Every line takes at least one character, and
// where no room is left at all (x at or past the right edge) the text prints
// as one line. An empty text only moves the print position to (x, y).
void PrintWrapped(PageSurface &surface, int32_t x, int32_t y, const QString &text);

// A plain box (rounded 0) or one with corners of radius 40; fill style, fill
// colour and line width are restored, the print position is not.
void DrawBox(PageSurface &surface, const BoxRec &box, int16_t rounded);

// A line in the fore colour; line width and print position (rounded to whole
// units) are restored.
void DrawLine(PageSurface &surface, int32_t x1, int32_t y1, int32_t x2, int32_t y2, int32_t lineWidth);

// The page number as the header prints it: "Page", a blank and the number
// with its sign position ("Page  1").
QString PageText(int page);

// Rounds a page coordinate to a whole unit (halves to even).
int32_t Round(double value);

} // namespace print
