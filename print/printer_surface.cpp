#include "print/printer_surface.h"

#include "engine/reference_lists.h"
#include "platform/services.h"
#include "platform/settings.h"

#include <QDateTime>
#include <QDir>
#include <QFile>
#include <QFileInfo>
#include <QPageLayout>
#include <QPageSize>
#include <QPainterPath>
#include <QPrinterInfo>
#include <QRandomGenerator>
#include <QStandardPaths>
#include <algorithm>
#include <cmath>
#include <filesystem>
#include <numbers>
#include <system_error>
#include <utility>

#if defined(Q_OS_UNIX)
#include <unistd.h>
#endif

namespace print {

namespace {

QColor ToColour(int32_t value)
{
    return QColor(engine::ColourRed(value), engine::ColourGreen(value), engine::ColourBlue(value));
}

// The longest file name, in bytes, the folder of `path` takes.
qsizetype NameLimit(const QString &path)
{
    qsizetype limit = 255;
#if defined(Q_OS_UNIX)
    const long max = ::pathconf(QFile::encodeName(QFileInfo(path).absolutePath()).constData(), _PC_NAME_MAX);
    if (max > 0)
        limit = static_cast<qsizetype>(max);
#endif
    return limit;
}

// A hidden name beside `path` that no file has yet: ".<file name>.<random>.part",
// the file name cut short by whole characters where the part file's name
// would pass the folder's limit. Empty when the file's own name passes it.
QString PartFileName(const QString &path)
{
    const QFileInfo info(path);
    const qsizetype limit = NameLimit(path);
    if (QFile::encodeName(info.fileName()).size() > limit)
        return {};
    static constexpr char Letters[] = "abcdefghijklmnopqrstuvwxyz0123456789";
    static constexpr qsizetype RandomLength = 6;
    // The leading dot, then ".<random>.part" after the name.
    const qsizetype room = limit - 1 - (1 + RandomLength + 5);
    QString stem = info.fileName();
    while (!stem.isEmpty() && QFile::encodeName(stem).size() > room) {
        // A letter outside the basic plane is two UTF-16 units: both go.
        stem.chop(stem.size() > 1 && stem.back().isLowSurrogate() && stem[stem.size() - 2].isHighSurrogate() ? 2
                                                                                                                 : 1);
    }
    QString name;
    do {
        QString random;
        for (qsizetype i = 0; i < RandomLength; ++i)
            random += QLatin1Char(Letters[QRandomGenerator::global()->bounded(int(sizeof Letters) - 1)]);
        name = info.dir().filePath(QStringLiteral(".") + stem + QStringLiteral(".") + random +
                                   QStringLiteral(".part"));
    } while (QFileInfo::exists(name));
    return name;
}

double PrinterUnitsPerPoint(const QPrinter &printer)
{
    const QRectF area = printer.pageLayout().paintRect(QPageLayout::Millimeter);
    const auto orientation = printer.pageLayout().orientation() == QPageLayout::Landscape ? Landscape : Portrait;
    return MapPage(area.width(), area.height(), orientation).unitsPerPoint();
}

} // namespace

PrinterSurface::PrinterSurface(QPrinter &printer) : PrinterSurface(nullptr, printer) {}

PrinterSurface::PrinterSurface(std::unique_ptr<QPrinter> owned, QPrinter &printer)
    : PageSurface(PrinterUnitsPerPoint(printer)), owned_(std::move(owned)), printer_(printer)
{
}

std::unique_ptr<PrinterSurface> PrinterSurface::ForPdf(const QString &path)
{
    auto printer = std::make_unique<QPrinter>(QPrinter::HighResolution);
    printer->setOutputFormat(QPrinter::PdfFormat);
    printer->setOutputFileName(path);
    printer->setPageLayout(QPageLayout(QPageSize(QPageSize::A4), QPageLayout::Portrait, QMarginsF(5, 5, 5, 5),
                                       QPageLayout::Millimeter));
    printer->setCreator(QStringLiteral("Kelvora"));
    QPrinter &ref = *printer;
    return std::unique_ptr<PrinterSurface>(new PrinterSurface(std::move(printer), ref));
}

PrinterSurface::~PrinterSurface()
{
    // A document that was never ended is not a finished job.
    if (painter_.isActive())
        painter_.end();
    closePartFile(false);
}

QString PrinterSurface::pdfPath() const
{
    if (!partPath_.isEmpty())
        return finalPath_;
    return printer_.outputFormat() == QPrinter::PdfFormat ? printer_.outputFileName() : QString();
}

bool PrinterSurface::closePartFile(bool keep)
{
    if (partPath_.isEmpty())
        return true;
    printer_.setOutputFileName(finalPath_);
    const QString part = std::exchange(partPath_, QString());
    const QString target = std::exchange(finalPath_, QString());
    if (keep) {
        // Replaces a file of that name in one step.
        std::error_code error;
        std::filesystem::rename(QFileInfo(part).filesystemFilePath(), QFileInfo(target).filesystemFilePath(), error);
        if (!error)
            return true;
    }
    QFile::remove(part);
    return !keep;
}

void PrinterSurface::beginPage(int, int16_t orientation)
{
    const auto wanted = orientation == Landscape ? QPageLayout::Landscape : QPageLayout::Portrait;
    if (printer_.pageLayout().orientation() != wanted)
        printer_.setPageOrientation(wanted);
    if (!begun_) {
        const QString file = pdfPath();
        bool started = true;
        if (!file.isEmpty()) {
            const QString part = PartFileName(file);
            // A name the folder cannot hold is not written at all.
            started = !part.isEmpty();
            if (started) {
                finalPath_ = file;
                partPath_ = part;
                printer_.setOutputFileName(partPath_);
            }
        }
        if (!started || !painter_.begin(&printer_)) {
            closePartFile(false);
            setFailure(file.isEmpty() ? QStringLiteral("The printer could not be started.")
                                      : QStringLiteral("The printed pages could not be written to ") + file);
            return;
        }
        begun_ = true;
    } else if (!printer_.newPage()) {
        setFailure(QStringLiteral("The printer refused a new page."));
        return;
    }
    dpi_ = printer_.resolution();
    const QRectF area = printer_.pageLayout().paintRect(QPageLayout::Millimeter);
    const PageMapping m = MapPage(area.width(), area.height(), orientation);
    const double pxPerMm = dpi_ / 25.4;
    pxPerUnit_ = m.mmPerUnit * pxPerMm;
    originX_ = m.originXmm * pxPerMm;
    originY_ = m.originYmm * pxPerMm;
    const QRectF units = PageDrawingArea(orientation);
    deviceArea_ = QRectF(device(units.left(), units.top()), device(units.right(), units.bottom()));
    painter_.setRenderHint(QPainter::Antialiasing, true);
}

QPointF PrinterSurface::device(double x, double y) const
{
    return {originX_ + x * pxPerUnit_, originY_ + y * pxPerUnit_};
}

double PrinterSurface::penWidth(int32_t width) const
{
    return std::max<int32_t>(width, 1) * dpi_ / 300.0;
}

void PrinterSurface::text(double x, double y, const QString &line, const PrintFont &font, int32_t colour)
{
    painter_.setFont(ToQFont(font));
    painter_.setPen(ToColour(colour));
    const QPointF at = device(x, y);
    painter_.drawText(QRectF(at, QSizeF(1e6, 1e6)), Qt::AlignLeft | Qt::AlignTop | Qt::TextSingleLine, line);
}

void PrinterSurface::line(double x1, double y1, double x2, double y2, int32_t width, int32_t colour)
{
    const double pen = penWidth(width);
    QLineF l(device(x1, y1), device(x2, y2));
    if (!ClipLineToRect(l, pageArea(pen)))
        return;  // wholly off the page
    painter_.setPen(QPen(ToColour(colour), pen, Qt::SolidLine, Qt::RoundCap, Qt::RoundJoin));
    painter_.drawLine(l);
}

namespace {

// Whether `inner` lies wholly inside `outer` (a box of no width included).
bool Within(const QRectF &inner, const QRectF &outer)
{
    return inner.left() >= outer.left() && inner.right() <= outer.right() && inner.top() >= outer.top() &&
           inner.bottom() <= outer.bottom();
}

} // namespace

QRectF PrinterSurface::pageArea(double margin) const
{
    return deviceArea_.adjusted(-margin, -margin, margin, margin);
}

// Only a solid style fills here, and only over the part of the shape on the
// page; hatched styles arrive as lines (hatch), made for the page alone.
void PrinterSurface::fillPath(const QPainterPath &path, int32_t fillStyle, int32_t fillColour)
{
    if (fillStyle != FillSolid)
        return;
    if (Within(path.boundingRect(), deviceArea_)) {
        painter_.fillPath(path, ToColour(fillColour));
        return;
    }
    QPainterPath page;
    page.addRect(deviceArea_);
    painter_.fillPath(path.intersected(page), ToColour(fillColour));
}

// Qt's pattern brushes are sized in device pixels and print as grey, so
// hatches are thin lines.
void PrinterSurface::hatch(const std::vector<QLineF> &lines, int32_t colour)
{
    QVector<QLineF> mapped;
    mapped.reserve(static_cast<qsizetype>(lines.size()));
    for (const QLineF &l : lines)
        mapped.append(QLineF(device(l.x1(), l.y1()), device(l.x2(), l.y2())));
    painter_.setPen(QPen(ToColour(colour), dpi_ / 300.0, Qt::SolidLine, Qt::FlatCap));
    painter_.drawLines(mapped);
}

void PrinterSurface::box(double left, double top, double right, double bottom, int32_t width, int32_t colour,
                         int32_t fillStyle, int32_t fillColour)
{
    const QRectF r(device(left, top), device(right, bottom));
    QPainterPath path;
    path.addRect(r);
    fillPath(path, fillStyle, fillColour);
    painter_.setBrush(Qt::NoBrush);
    const double pen = penWidth(width);
    painter_.setPen(QPen(ToColour(colour), pen, Qt::SolidLine, Qt::SquareCap, Qt::MiterJoin));
    const QRectF page = pageArea(pen);
    if (Within(r, page)) {
        painter_.drawRect(r);
        return;
    }
    // A box reaching off the page: the edges as far as they show.
    for (QLineF edge : {QLineF(r.topLeft(), r.topRight()), QLineF(r.topRight(), r.bottomRight()),
                        QLineF(r.bottomRight(), r.bottomLeft()), QLineF(r.bottomLeft(), r.topLeft())})
        if (ClipLineToRect(edge, page))
            painter_.drawLine(edge);
}

void PrinterSurface::arc(double cx, double cy, double radius, double start, double span, bool sector,
                         int32_t width, int32_t colour, int32_t fillStyle, int32_t fillColour)
{
    const QPointF c = device(cx, cy);
    const double r = radius * pxPerUnit_;
    const QRectF bounds(c.x() - r, c.y() - r, 2 * r, 2 * r);
    const double pen = penWidth(width);
    if (!bounds.adjusted(-pen, -pen, pen, pen).intersects(pageArea(pen)))
        return;  // wholly off the page
    const double startDeg = start * 180.0 / std::numbers::pi;
    const double spanDeg = span * 180.0 / std::numbers::pi;
    QPainterPath path;
    if (sector) {
        path.moveTo(c);
        path.arcTo(bounds, startDeg, spanDeg);
        path.closeSubpath();
        fillPath(path, fillStyle, fillColour);
    } else {
        path.arcMoveTo(bounds, startDeg);
        path.arcTo(bounds, startDeg, spanDeg);
    }
    painter_.setBrush(Qt::NoBrush);
    painter_.setPen(QPen(ToColour(colour), pen, Qt::SolidLine, Qt::FlatCap, Qt::RoundJoin));
    painter_.drawPath(path);
}

void PrinterSurface::pageBreak(int)
{
    // The next page begins at its first drawing.
}

bool PrinterSurface::endDocument(bool abort)
{
    const QString file = pdfPath();
    if (!begun_)
        return true;  // nothing was drawn: no document
    if (abort)
        printer_.abort();
    const bool ended = painter_.end();
    begun_ = false;
    if (abort) {
        closePartFile(false);
        return true;
    }
    if (!ended) {
        closePartFile(false);
        setFailure(QStringLiteral("The printed pages could not be completed."));
        return false;
    }
    if (!closePartFile(true)) {
        setFailure(QStringLiteral("The printed pages could not be written to ") + file);
        return false;
    }
    return true;
}

// ---------------------------------------------------------------------------

QPrinter &JobPrinter()
{
    static QPrinter *printer = [] {
        const QPrinterInfo info = QPrinterInfo::defaultPrinter();
        // Lives to the end of the run, like the printer object it stands for.
        return info.isNull() ? new QPrinter(QPrinter::HighResolution) : new QPrinter(info, QPrinter::HighResolution);
    }();
    return *printer;
}

PrintTarget OpenPrintTarget(const QString &documentName)
{
    PrintTarget target;
    QPrinter &printer = JobPrinter();
    const bool toFile = !printer.outputFileName().isEmpty();
    if (toFile || !printer.printerName().isEmpty()) {
        printer.setDocName(documentName);
        target.surface = std::make_unique<PrinterSurface>(printer);
        if (toFile)
            target.pdfPath = printer.outputFileName();
        return target;
    }
    QString folder = platform::GetSetting(QString::fromLatin1(platform::PrintPdfFolderKey));
    if (folder.isEmpty())
        folder = QStandardPaths::writableLocation(QStandardPaths::DocumentsLocation);
    QDir().mkpath(folder);
    const QString stamp = QDateTime::currentDateTime().toString(QStringLiteral("yyyy-MM-dd hh-mm-ss"));
    target.pdfPath = QDir(folder).filePath(documentName + QStringLiteral(" ") + stamp + QStringLiteral(".pdf"));
    target.surface = PrinterSurface::ForPdf(target.pdfPath);
    target.noPrinter = true;
    return target;
}

QString PrintedFileMessage(const PrintTarget &target)
{
    const QString saved = QStringLiteral("The pages were saved to ") + QDir::toNativeSeparators(target.pdfPath);
    return target.noPrinter ? QStringLiteral("No printer is configured. ") + saved : saved;
}

void TellPrintedFile(const PrintTarget &target)
{
    if (target.pdfPath.isEmpty() || !QFile::exists(target.pdfPath))
        return;
    platform::showMessage(PrintedFileMessage(target), platform::MessageTitle(QStringLiteral("Print")),
                          platform::MessageButtons::Ok, platform::MessageIcon::Information);
}

} // namespace print
