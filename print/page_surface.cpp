#include "print/page_surface.h"

#include <QFont>
#include <QFontMetricsF>
#include <QHash>
#include <QImage>
#include <QStringList>
#include <algorithm>
#include <cmath>
#include <memory>
#include <numbers>

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

PageMapping MapPage(double printableWidthMm, double printableHeightMm, int16_t orientation)
{
    const double spanX = orientation == Landscape ? 3100.0 : 2100.0;
    const double spanY = orientation == Landscape ? 2100.0 : 3100.0;
    PageMapping m;
    m.mmPerUnit = std::min(printableWidthMm / spanX, printableHeightMm / spanY);
    m.originXmm = (printableWidthMm - m.mmPerUnit * spanX) / 2.0 + 50.0 * m.mmPerUnit;
    m.originYmm = (printableHeightMm - m.mmPerUnit * spanY) / 2.0 + 50.0 * m.mmPerUnit;
    return m;
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

bool PageSurface::ensurePage()
{
    if (failed() || ended_)
        return false;
    if (!pageOpen_) {
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
    if (ensurePage())
        box(std::min(x1, x2), std::min(y1, y2), std::max(x1, x2), std::max(y1, y2), DrawWidth, colour, FillStyle,
            FillColor);
    CurrentX = x2;
    CurrentY = y2;
}

void PageSurface::Circle(double cx, double cy, double radius, double start, double end, bool sector, int32_t colour)
{
    const double full = 2.0 * std::numbers::pi;
    double span = std::fmod(end - start, full);
    if (span <= 0)
        span += full;
    if (ensurePage())
        arc(cx, cy, radius, start, span, sector, DrawWidth, colour, FillStyle, FillColor);
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
