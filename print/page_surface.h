#pragma once
// The printed page as the page layouts see it: a surface in page units with
// the operations of a printer object (print position, font, text measurement,
// lines, boxes, circles and sectors, fill style, pages), and the page frame
// that every layout measures from.
//
// Page units: the printable area is 2100 x 3100 units from -50 in portrait,
// 3100 x 2100 in landscape, fitted into the device's printable area with one
// uniform scale and centred. x grows to the right, y downwards. Text is at its
// true point size, its top-left corner at the print position. Angles are in
// radians, anticlockwise, pi/2 pointing up the page. Line widths (DrawWidth)
// are in 1/300 inch. Colours are &HBBGGRR values.
//
// Pages start at their first drawing: a page break on a page where nothing
// was drawn does nothing, so a job ending with a break has no empty last page.
//
// Hatched fills are made here, on every surface alike: lines about 1 mm
// apart, laid only over the part of the shape that lies on the page. A shape
// far larger than the page (a design size beyond reason) so costs no more
// than one that covers the page.
//
// Two surfaces: PrinterSurface (printer_surface.h) paints on a QPrinter, the
// system printer or a PDF file; RecordingSurface lists what was drawn. Both
// measure text through MeasureText, so layouts are identical on either.

#include <QDate>
#include <QFont>
#include <QLineF>
#include <QPolygonF>
#include <QRectF>
#include <QSizeF>
#include <QString>
#include <QStringList>
#include <cstdint>
#include <vector>

namespace print {

// Fill styles of boxes and closed sectors.
enum FillStyle : int32_t {
    FillSolid = 0,
    FillTransparent = 1,
    FillUpwardDiagonal = 4,    // hatch lines rising to the right
    FillDownwardDiagonal = 5,  // hatch lines falling to the right
};

inline constexpr int16_t Portrait = 1;
inline constexpr int16_t Landscape = 2;

struct PrintFont {
    QString Name = QStringLiteral("Arial");
    double Size = 12.0;  // points
    bool Bold = false;
    bool Italic = false;
    bool Underline = false;
    bool operator==(const PrintFont &) const = default;
};

// The frame record all page layouts measure from (see page_primitives.h).
struct PageFrameRec {
    int32_t Left = 0;
    int32_t Top = 0;
    int32_t Width = 0;
    int32_t Height = 0;
    bool operator==(const PageFrameRec &) const = default;
};

// The Qt font of a print font: unhinted, so that its widths scale with size.
QFont ToQFont(const PrintFont &font);

// Width and line step of one line of text, in points, measured unhinted at
// one fixed resolution whatever the device.
QSizeF MeasureText(const PrintFont &font, const QString &line);

// How page units map to a printable area of the given size in millimetres
// (the drawing area, PageDrawingArea, centred in it as large as it fits):
// millimetres per unit (uniform) and the unit origin's offset from the
// area's top-left corner.
struct PageMapping {
    double mmPerUnit = 0.0;
    double originXmm = 0.0;  // where x = 0 lies
    double originYmm = 0.0;  // where y = 0 lies
    double unitsPerPoint() const { return mmPerUnit > 0 ? (25.4 / 72.0) / mmPerUnit : 0.0; }
};
PageMapping MapPage(double printableWidthMm, double printableHeightMm, int16_t orientation);

// The page's drawing area in page units: the printable area, from -50 to
// 2050 across and -50 to 3050 down in portrait (3100 x 2100 in landscape).
QRectF PageDrawingArea(int16_t orientation);

// Cuts `line` to the part of it inside `rect` (edges included); false when
// no part of it is.
bool ClipLineToRect(QLineF &line, const QRectF &rect);

// The lines of a hatched fill style (2 horizontal, 3 vertical, 4 upward and
// 5 downward diagonal, 6 and 7 the crossed pairs) over a closed polygon:
// `step` apart, placed from the shape's own corner so that the pattern does
// not move with the page, and cut to the part of the shape inside `area`.
// None for the solid, transparent or an unknown style.
std::vector<QLineF> HatchLines(const QPolygonF &shape, int32_t fillStyle, double step, const QRectF &area);

// The printable area of an A4 sheet less 5 mm margins, as the PDF output has it.
inline constexpr double A4PrintableWidthMm = 200.0;
inline constexpr double A4PrintableHeightMm = 287.0;

class PageSurface {
public:
    virtual ~PageSurface() = default;

    // Printer-object state; read and written by the layouts.
    int16_t Orientation = Portrait;
    double CurrentX = 0.0;
    double CurrentY = 0.0;
    PrintFont Font;
    int32_t DrawWidth = 1;
    int32_t FillStyle = FillTransparent;
    int32_t FillColor = 0;
    int32_t ForeColor = 0;
    // The frame record; only SetupPage, DrawPageFrame and RestorePageFrame write it.
    PageFrameRec PageFrame;
    // The date the page header shows.
    QDate Today = QDate::currentDate();

    // The number of the page the next drawing lands on, 1 for the first.
    int Page() const { return page_; }
    // Pages begun so far (drawn on).
    int PagesPrinted() const { return pagesPrinted_; }

    // Prints the text at the print position, then moves the position to the
    // start of the next line; a carriage return (or line feed) inside the text
    // starts a new line.
    void Print(const QString &text);
    // Extent of a text in the current font, in page units: the longest line's
    // width; the line step times the number of lines.
    double TextWidth(const QString &text) const;
    double TextHeight(const QString &text) const;

    // A straight line in the fore colour (or the given colour) and DrawWidth;
    // the print position moves to the second point.
    void Line(double x1, double y1, double x2, double y2);
    void Line(double x1, double y1, double x2, double y2, int32_t colour);
    // A box with the two corners, outlined in the fore colour (or the given
    // colour), its inside filled by FillStyle in FillColor.
    void Box(double x1, double y1, double x2, double y2);
    void Box(double x1, double y1, double x2, double y2, int32_t colour);
    // An arc from start to end (anticlockwise), or with `sector` a closed
    // sector filled by FillStyle in FillColor, outlined in the given colour.
    void Circle(double cx, double cy, double radius, double start, double end, bool sector, int32_t colour);

    // Ends the current page when something was drawn on it.
    void NewPage();
    // Ends the document. Returns false when the device failed.
    bool EndDoc();
    // Drops the document: nothing is printed and a partial file is removed.
    void Abort();

    // A device failure (for example a file that cannot be written); drawing
    // after it does nothing.
    bool failed() const { return !failure_.isEmpty(); }
    const QString &failure() const { return failure_; }

    // Page units per point of type.
    double unitsPerPoint() const { return unitsPerPoint_; }

    // The drawing area of the page being drawn (or of the next one); fills
    // cover only what lies in it.
    QRectF DrawingArea() const;
    // The distance between hatch lines, in page units: 1 mm.
    double HatchStep() const;

    // A fixed metric instead of the fonts: every character `charWidth` units
    // wide and every line `lineStep` units high (for arithmetic in tests).
    void useFixedMetric(double charWidth, double lineStep);

protected:
    explicit PageSurface(double unitsPerPoint) : unitsPerPoint_(unitsPerPoint) {}

    // Device operations, in page units. beginPage is called before the first
    // drawing of each page; endDocument once at the end.
    virtual void beginPage(int page, int16_t orientation) = 0;
    virtual void text(double x, double y, const QString &line, const PrintFont &font, int32_t colour) = 0;
    virtual void line(double x1, double y1, double x2, double y2, int32_t width, int32_t colour) = 0;
    virtual void box(double left, double top, double right, double bottom, int32_t width, int32_t colour,
                     int32_t fillStyle, int32_t fillColour) = 0;
    virtual void arc(double cx, double cy, double radius, double start, double span, bool sector, int32_t width,
                     int32_t colour, int32_t fillStyle, int32_t fillColour) = 0;
    // The hatch of a box or sector, drawn just before it (which then fills
    // only a solid style): thin lines in the fill colour, on the page.
    virtual void hatch(const std::vector<QLineF> &lines, int32_t colour) = 0;
    virtual void pageBreak(int page) = 0;
    virtual bool endDocument(bool abort) = 0;

    void setFailure(const QString &text) { failure_ = text; }
    void setUnitsPerPoint(double value) { unitsPerPoint_ = value; }

private:
    bool ensurePage();
    QSizeF measure(const QString &line) const;
    void hatchFill(const QPolygonF &shape);

    double unitsPerPoint_;
    int page_ = 1;
    int pagesPrinted_ = 0;
    int16_t pageOrientation_ = Portrait;
    bool pageOpen_ = false;
    bool ended_ = false;
    QString failure_;
    double fixedCharWidth_ = 0.0;
    double fixedLineStep_ = 0.0;
};

// Splits a text into its lines at carriage returns and line feeds (a CR LF
// pair is one break).
std::vector<QString> TextLines(const QString &text);

// A surface that records what is drawn, page by page.
class RecordingSurface : public PageSurface {
public:
    // A Hatch item is one line of a hatched fill, listed before its box or
    // sector.
    enum class Kind { Text, Line, Box, Arc, Sector, Hatch, PageBreak };
    struct Item {
        Kind kind = Kind::Text;
        int page = 0;
        double x1 = 0, y1 = 0, x2 = 0, y2 = 0;  // text: position; box: corners; arc: centre in x1,y1
        double radius = 0, start = 0, span = 0;
        QString text;
        PrintFont font;
        int32_t width = 0;
        int32_t colour = 0;
        int32_t fillStyle = FillTransparent;
        int32_t fillColour = 0;
    };

    // Measures as the PDF output does (A4 less 5 mm margins).
    RecordingSurface();

    std::vector<Item> items;
    std::vector<int> pagesBegun;
    bool ended = false;
    bool aborted = false;

    // The texts drawn, in order (optionally on one page only).
    QStringList texts(int page = 0) const;
    // The first text item equal to `text`, or null.
    const Item *findText(const QString &text) const;
    std::vector<const Item *> ofKind(Kind kind) const;

protected:
    void beginPage(int page, int16_t orientation) override;
    void text(double x, double y, const QString &line, const PrintFont &font, int32_t colour) override;
    void line(double x1, double y1, double x2, double y2, int32_t width, int32_t colour) override;
    void box(double left, double top, double right, double bottom, int32_t width, int32_t colour,
             int32_t fillStyle, int32_t fillColour) override;
    void arc(double cx, double cy, double radius, double start, double span, bool sector, int32_t width,
             int32_t colour, int32_t fillStyle, int32_t fillColour) override;
    void hatch(const std::vector<QLineF> &lines, int32_t colour) override;
    void pageBreak(int page) override;
    bool endDocument(bool abort) override;

private:
    int currentPage_ = 0;
};

} // namespace print
