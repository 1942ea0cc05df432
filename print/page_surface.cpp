#include "print/page_surface.h"

#include <QFont>
#include <QFontMetricsF>
#include <QHash>
#include <QImage>
#include <QPainterPath>
#include <QStringList>
#include <algorithm>
#include <cmath>
#include <memory>
#include <numbers>
#include <utility>

namespace print {

namespace {

// Text is measured at this resolution on every surface, so that a layout
// wraps the same on paper, in a PDF and in a recording.
constexpr double MeasureDpi = 1200.0;

} // namespace

QFont ToQFont(const PrintFont &f)
{
    QFont font(f.Name);
    font.setPointSizeF(f.Size > 0 ? f.Size : 1.0);
    font.setBold(f.Bold);
    font.setItalic(f.Italic);
    font.setUnderline(f.Underline);
    font.setHintingPreference(QFont::PreferNoHinting);
    font.setKerning(true);
    return font;
}

namespace {

const QFontMetricsF &MetricsFor(const PrintFont &f)
{
    static QImage device = [] {
        QImage image(1, 1, QImage::Format_ARGB32);
        const int dotsPerMeter = static_cast<int>(std::lround(MeasureDpi / 0.0254));
        image.setDotsPerMeterX(dotsPerMeter);
        image.setDotsPerMeterY(dotsPerMeter);
        return image;
    }();
    static QHash<QString, std::shared_ptr<QFontMetricsF>> cache;
    const QString key = f.Name + QLatin1Char('|') + QString::number(f.Size) + (f.Bold ? u'B' : u'-') +
                        (f.Italic ? u'I' : u'-') + (f.Underline ? u'U' : u'-');
    auto it = cache.find(key);
    if (it == cache.end())
        it = cache.insert(key, std::make_shared<QFontMetricsF>(ToQFont(f), &device));
    return *it.value();
}

} // namespace

QSizeF MeasureText(const PrintFont &font, const QString &line)
{
    const QFontMetricsF &m = MetricsFor(font);
    const double toPoints = 72.0 / MeasureDpi;
    return {m.horizontalAdvance(line) * toPoints, m.lineSpacing() * toPoints};
}

QRectF PageDrawingArea(int16_t orientation)
{
    return orientation == Landscape ? QRectF(-50, -50, 3100, 2100) : QRectF(-50, -50, 2100, 3100);
}

PageMapping MapPage(double printableWidthMm, double printableHeightMm, int16_t orientation)
{
    // The drawing area fills the printable area as far as its shape allows,
    // centred.
    const QRectF area = PageDrawingArea(orientation);
    PageMapping m;
    m.mmPerUnit = std::min(printableWidthMm / area.width(), printableHeightMm / area.height());
    m.originXmm = (printableWidthMm - m.mmPerUnit * area.width()) / 2.0 - area.left() * m.mmPerUnit;
    m.originYmm = (printableHeightMm - m.mmPerUnit * area.height()) / 2.0 - area.top() * m.mmPerUnit;
    return m;
}

bool ClipLineToRect(QLineF &line, const QRectF &rect)
{
    // Liang-Barsky: the line as p1 + t (p2 - p1), t from 0 to 1, narrowed
    // by each edge in turn.
    const double dx = line.dx();
    const double dy = line.dy();
    double t0 = 0.0;
    double t1 = 1.0;
    const double p[4] = {-dx, dx, -dy, dy};
    const double q[4] = {line.x1() - rect.left(), rect.right() - line.x1(), line.y1() - rect.top(),
                         rect.bottom() - line.y1()};
    for (int i = 0; i < 4; ++i) {
        if (p[i] == 0.0) {
            if (q[i] < 0.0)
                return false;  // parallel to the edge and outside it
            continue;
        }
        const double t = q[i] / p[i];
        if (p[i] < 0.0)
            t0 = std::max(t0, t);
        else
            t1 = std::min(t1, t);
        if (t0 > t1)
            return false;
    }
    const QPointF start = line.p1();
    line = QLineF(start + QPointF(dx, dy) * t0, start + QPointF(dx, dy) * t1);
    return true;
}

namespace {

// The part of a polygon inside a rectangle (Sutherland-Hodgman, one edge
// at a time); its points may run along the rectangle's edges.
QPolygonF ClipPolygonToRect(const QPolygonF &shape, const QRectF &rect)
{
    QPolygonF out = shape;
    for (int edge = 0; edge < 4 && !out.isEmpty(); ++edge) {
        // How far a point lies inside the edge; negative outside.
        auto inside = [&](const QPointF &pt) {
            switch (edge) {
            case 0: return pt.x() - rect.left();
            case 1: return rect.right() - pt.x();
            case 2: return pt.y() - rect.top();
            default: return rect.bottom() - pt.y();
            }
        };
        const QPolygonF in = std::exchange(out, QPolygonF());
        for (qsizetype i = 0; i < in.size(); ++i) {
            const QPointF a = in[i];
            const QPointF b = in[(i + 1) % in.size()];
            const double da = inside(a);
            const double db = inside(b);
            if (da >= 0)
                out << a;
            if ((da >= 0) != (db >= 0))
                out << a + (b - a) * (da / (da - db));
        }
    }
    return out;
}

} // namespace

std::vector<QLineF> HatchLines(const QPolygonF &shape, int32_t fillStyle, double step, const QRectF &area)
{
    // Each family of lines is n.x * x + n.y * y = c for c a whole number of
    // steps from the shape's corner where c is least.
    std::vector<QPointF> families;
    if (fillStyle == 2 || fillStyle == 6)
        families.emplace_back(0, 1);  // horizontal
    if (fillStyle == 3 || fillStyle == 6)
        families.emplace_back(1, 0);  // vertical
    if (fillStyle == FillUpwardDiagonal || fillStyle == 7)
        families.emplace_back(1, 1);
    if (fillStyle == FillDownwardDiagonal || fillStyle == 7)
        families.emplace_back(1, -1);
    std::vector<QLineF> lines;
    if (families.empty() || !(step > 0) || shape.size() < 3)
        return lines;
    // Only the part on the page is hatched, so the number of lines is held
    // to what the page can show whatever the shape's size.
    const QPolygonF visible = ClipPolygonToRect(shape, area);
    if (visible.size() < 3)
        return lines;
    const QRectF bounds = shape.boundingRect();
    std::vector<QPointF> crossings;
    for (const QPointF n : families) {
        auto value = [&](const QPointF &pt) { return n.x() * pt.x() + n.y() * pt.y(); };
        const double c0 = std::min({value(bounds.topLeft()), value(bounds.topRight()), value(bounds.bottomLeft()),
                                    value(bounds.bottomRight())});
        double low = value(visible.first());
        double high = low;
        for (const QPointF &pt : visible) {
            low = std::min(low, value(pt));
            high = std::max(high, value(pt));
        }
        const QPointF along(-n.y(), n.x());
        for (double k = std::ceil((low - c0) / step); c0 + k * step <= high; ++k) {
            const double c = c0 + k * step;
            crossings.clear();
            for (qsizetype i = 0; i < visible.size(); ++i) {
                const QPointF a = visible[i];
                const QPointF b = visible[(i + 1) % visible.size()];
                const double fa = value(a) - c;
                const double fb = value(b) - c;
                if ((fa < 0) != (fb < 0))
                    crossings.push_back(a + (b - a) * (fa / (fa - fb)));
            }
            std::sort(crossings.begin(), crossings.end(), [&](const QPointF &p, const QPointF &q) {
                return QPointF::dotProduct(p, along) < QPointF::dotProduct(q, along);
            });
            for (std::size_t i = 0; i + 1 < crossings.size(); i += 2)
                if (crossings[i] != crossings[i + 1])
                    lines.emplace_back(crossings[i], crossings[i + 1]);
        }
    }
    return lines;
}

std::vector<QString> TextLines(const QString &text)
{
    std::vector<QString> lines;
    QString current;
    for (qsizetype i = 0; i < text.size(); ++i) {
        const QChar c = text[i];
        if (c == u'\r' || c == u'\n') {
            lines.push_back(current);
            current.clear();
            if (c == u'\r' && i + 1 < text.size() && text[i + 1] == u'\n')
                ++i;
        } else {
            current += c;
        }
    }
    lines.push_back(current);
    return lines;
}

// ---------------------------------------------------------------------------

void PageSurface::useFixedMetric(double charWidth, double lineStep)
{
    fixedCharWidth_ = charWidth;
    fixedLineStep_ = lineStep;
}

QSizeF PageSurface::measure(const QString &line) const
{
    if (fixedLineStep_ > 0)
        return {fixedCharWidth_ * static_cast<double>(line.size()), fixedLineStep_};
    const QSizeF points = MeasureText(Font, line);
    return points * unitsPerPoint_;
}

double PageSurface::TextWidth(const QString &text) const
{
    double widest = 0.0;
    for (const QString &line : TextLines(text))
        widest = std::max(widest, measure(line).width());
    return widest;
}

double PageSurface::TextHeight(const QString &text) const
{
    return measure(QString()).height() * static_cast<double>(TextLines(text).size());
}

QRectF PageSurface::DrawingArea() const
{
    return PageDrawingArea(pageOpen_ ? pageOrientation_ : Orientation);
}

double PageSurface::HatchStep() const
{
    return unitsPerPoint_ * 72.0 / 25.4;
}

void PageSurface::hatchFill(const QPolygonF &shape)
{
    const std::vector<QLineF> lines = HatchLines(shape, FillStyle, HatchStep(), DrawingArea());
    if (!lines.empty())
        hatch(lines, FillColor);
}

bool PageSurface::ensurePage()
{
    if (failed() || ended_)
        return false;
    if (!pageOpen_) {
        pageOrientation_ = Orientation;
        beginPage(page_, Orientation);
        if (failed())
            return false;
        pageOpen_ = true;
        ++pagesPrinted_;
    }
    return true;
}

void PageSurface::Print(const QString &text)
{
    const double x = CurrentX;
    const double step = measure(QString()).height();
    for (const QString &line : TextLines(text)) {
        if (!line.isEmpty() && ensurePage())
            this->text(x, CurrentY, line, Font, ForeColor);
        CurrentY += step;
    }
    CurrentX = x;
}

void PageSurface::Line(double x1, double y1, double x2, double y2)
{
    Line(x1, y1, x2, y2, ForeColor);
}

void PageSurface::Line(double x1, double y1, double x2, double y2, int32_t colour)
{
    if (ensurePage())
        line(x1, y1, x2, y2, DrawWidth, colour);
    CurrentX = x2;
    CurrentY = y2;
}

void PageSurface::Box(double x1, double y1, double x2, double y2)
{
    Box(x1, y1, x2, y2, ForeColor);
}

void PageSurface::Box(double x1, double y1, double x2, double y2, int32_t colour)
{
    if (ensurePage()) {
        const QRectF r(QPointF(std::min(x1, x2), std::min(y1, y2)), QPointF(std::max(x1, x2), std::max(y1, y2)));
        hatchFill(QPolygonF(r));
        box(r.left(), r.top(), r.right(), r.bottom(), DrawWidth, colour, FillStyle, FillColor);
    }
    CurrentX = x2;
    CurrentY = y2;
}

void PageSurface::Circle(double cx, double cy, double radius, double start, double end, bool sector, int32_t colour)
{
    const double full = 2.0 * std::numbers::pi;
    double span = std::fmod(end - start, full);
    if (span <= 0)
        span += full;
    if (ensurePage()) {
        const QRectF bounds(cx - radius, cy - radius, 2 * radius, 2 * radius);
        if (sector && FillStyle != FillSolid && FillStyle != FillTransparent && bounds.intersects(DrawingArea())) {
            QPainterPath path(QPointF(cx, cy));
            path.arcTo(bounds, start * 180.0 / std::numbers::pi, span * 180.0 / std::numbers::pi);
            path.closeSubpath();
            hatchFill(path.toFillPolygon());
        }
        arc(cx, cy, radius, start, span, sector, DrawWidth, colour, FillStyle, FillColor);
    }
    CurrentX = cx;
    CurrentY = cy;
}

void PageSurface::NewPage()
{
    if (!pageOpen_ || failed() || ended_)
        return;
    pageBreak(page_);
    pageOpen_ = false;
    ++page_;
}

bool PageSurface::EndDoc()
{
    if (ended_)
        return !failed();
    ended_ = true;
    const bool ok = endDocument(false);
    return ok && !failed();
}

void PageSurface::Abort()
{
    if (ended_)
        return;
    ended_ = true;
    endDocument(true);
}

// ---------------------------------------------------------------------------

RecordingSurface::RecordingSurface()
    : PageSurface(MapPage(A4PrintableWidthMm, A4PrintableHeightMm, Portrait).unitsPerPoint())
{
}

void RecordingSurface::beginPage(int page, int16_t)
{
    currentPage_ = page;
    pagesBegun.push_back(page);
}

void RecordingSurface::text(double x, double y, const QString &line, const PrintFont &font, int32_t colour)
{
    Item item;
    item.kind = Kind::Text;
    item.page = currentPage_;
    item.x1 = x;
    item.y1 = y;
    item.text = line;
    item.font = font;
    item.colour = colour;
    items.push_back(item);
}

void RecordingSurface::line(double x1, double y1, double x2, double y2, int32_t width, int32_t colour)
{
    Item item;
    item.kind = Kind::Line;
    item.page = currentPage_;
    item.x1 = x1;
    item.y1 = y1;
    item.x2 = x2;
    item.y2 = y2;
    item.width = width;
    item.colour = colour;
    items.push_back(item);
}

void RecordingSurface::box(double left, double top, double right, double bottom, int32_t width, int32_t colour,
                           int32_t fillStyle, int32_t fillColour)
{
    Item item;
    item.kind = Kind::Box;
    item.page = currentPage_;
    item.x1 = left;
    item.y1 = top;
    item.x2 = right;
    item.y2 = bottom;
    item.width = width;
    item.colour = colour;
    item.fillStyle = fillStyle;
    item.fillColour = fillColour;
    items.push_back(item);
}

void RecordingSurface::arc(double cx, double cy, double radius, double start, double span, bool sector,
                           int32_t width, int32_t colour, int32_t fillStyle, int32_t fillColour)
{
    Item item;
    item.kind = sector ? Kind::Sector : Kind::Arc;
    item.page = currentPage_;
    item.x1 = cx;
    item.y1 = cy;
    item.radius = radius;
    item.start = start;
    item.span = span;
    item.width = width;
    item.colour = colour;
    item.fillStyle = fillStyle;
    item.fillColour = fillColour;
    items.push_back(item);
}

void RecordingSurface::hatch(const std::vector<QLineF> &lines, int32_t colour)
{
    for (const QLineF &l : lines) {
        Item item;
        item.kind = Kind::Hatch;
        item.page = currentPage_;
        item.x1 = l.x1();
        item.y1 = l.y1();
        item.x2 = l.x2();
        item.y2 = l.y2();
        item.width = 1;
        item.colour = colour;
        items.push_back(item);
    }
}

void RecordingSurface::pageBreak(int page)
{
    Item item;
    item.kind = Kind::PageBreak;
    item.page = page;
    items.push_back(item);
}

bool RecordingSurface::endDocument(bool abort)
{
    ended = !abort;
    aborted = abort;
    return true;
}

QStringList RecordingSurface::texts(int page) const
{
    QStringList out;
    for (const Item &item : items)
        if (item.kind == Kind::Text && (page == 0 || item.page == page))
            out << item.text;
    return out;
}

const RecordingSurface::Item *RecordingSurface::findText(const QString &text) const
{
    for (const Item &item : items)
        if (item.kind == Kind::Text && item.text == text)
            return &item;
    return nullptr;
}

std::vector<const RecordingSurface::Item *> RecordingSurface::ofKind(Kind kind) const
{
    std::vector<const Item *> out;
    for (const Item &item : items)
        if (item.kind == kind)
            out.push_back(&item);
    return out;
}

} // namespace print
