#pragma once
// The page surface on a QPrinter: the system's default printer, or an A4 PDF
// file when no printer is configured (or when a caller asks for a file).

#include "print/page_surface.h"

#include <QPainter>
#include <QPrinter>
#include <memory>

namespace print {

class PrinterSurface final : public PageSurface {
public:
    // Paints on a printer the caller has set up; the surface does not own it.
    explicit PrinterSurface(QPrinter &printer);
    // An A4 PDF written to `path` (5 mm margins). A document with no drawing
    // leaves no file.
    //
    // Whenever the pages go to a PDF file (here, or a printer set to a file),
    // they are written to a hidden part file beside it, named
    // ".<file name>.<random>.part", which takes the file's name only when the
    // document has ended well: a job that fails, is aborted or is cut off
    // never leaves a broken PDF under the finished job's name, and a file
    // already there is replaced only by a complete one. Where the part file's
    // name would pass the folder's limit on names, the file name in it is cut
    // short by whole characters; a file name itself beyond the limit fails at
    // the first page.
    static std::unique_ptr<PrinterSurface> ForPdf(const QString &path);
    ~PrinterSurface() override;

    // The PDF file, or empty when printing to a printer.
    QString pdfPath() const;

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
    PrinterSurface(std::unique_ptr<QPrinter> owned, QPrinter &printer);
    QPointF device(double x, double y) const;
    double penWidth(int32_t width) const;
    void fillPath(const QPainterPath &path, int32_t fillStyle, int32_t fillColour);
    // The page's drawing area grown by `margin` device pixels on each side.
    QRectF pageArea(double margin) const;
    // Gives the printer back its file name after a document; with `keep`
    // the part file takes that name, else it is removed. False when the
    // part file could not be renamed.
    bool closePartFile(bool keep);

    std::unique_ptr<QPrinter> owned_;
    QPrinter &printer_;
    QPainter painter_;
    bool begun_ = false;
    double dpi_ = 1200.0;
    double pxPerUnit_ = 1.0;
    double originX_ = 0.0;
    double originY_ = 0.0;
    QRectF deviceArea_;  // the page's drawing area in device pixels
    QString finalPath_;  // while a part file is open
    QString partPath_;
};

// The printer of the print jobs for the rest of the run, as "Print Setup"
// left it: made from the default printer at first use (with no printer
// installed, a printer with no name). Settings chosen in "Print Setup" apply
// to every job that follows.
QPrinter &JobPrinter();

// Where a print job goes: the job printer when it names a printer (or a file
// chosen in "Print Setup"), else a new A4 PDF in the folder of setting PrintPdfFolder (the documents folder by
// default), named after the document and the time.
struct PrintTarget {
    std::unique_ptr<QPrinter> printer;
    std::unique_ptr<PrinterSurface> surface;
    QString pdfPath;  // empty for a printer
    // The PDF stands in for a printer: none is configured and no file was
    // chosen in "Print Setup".
    bool noPrinter = false;
};
PrintTarget OpenPrintTarget(const QString &documentName);

// After EndDoc: tells the engineer where a PDF went (nothing for a printer).
void TellPrintedFile(const PrintTarget &target);

// The message text that names the PDF file, saying why the pages went to a
// file only when no printer is configured.
QString PrintedFileMessage(const PrintTarget &target);

} // namespace print
