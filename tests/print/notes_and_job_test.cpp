// Notes pages, the design form print job and its selection, on recordings and
// real PDF files.

#include "print/design_form.h"
#include "print/notes_page.h"
#include "print/page_primitives.h"
#include "print/printer_surface.h"
#include "print_test_support.h"

#include <gtest/gtest.h>

#include <QDir>
#include <QFile>
#include <QFileInfo>
#include <QImage>
#include <QPrinterInfo>
#include <QProcess>
#include <QRegularExpression>

#include <unistd.h>

#include "platform/settings.h"

namespace printtest {
namespace {

using Kind = print::RecordingSurface::Kind;
using Call = testing_support::RecordingProgress::Call;

struct LinesCase {
    const char *name;
    QString notes;
    std::vector<QString> lines;
};

void PrintTo(const LinesCase &c, std::ostream *os) { *os << c.name; }

class NotesLinesCase : public ::testing::TestWithParam<LinesCase> {};

TEST_P(NotesLinesCase, SplitsAtLineFeeds)
{
    EXPECT_EQ(print::NotesLines(GetParam().notes), GetParam().lines);
}

INSTANTIATE_TEST_SUITE_P(
    Notes, NotesLinesCase,
    ::testing::Values(LinesCase{"Empty", "", {}},
                      LinesCase{"ThreeLinesNoFinalEnd", "one\r\ntwo\r\nthree", {"one", "two", "three"}},
                      LinesCase{"FinalEnd", "one\r\ntwo\r\n", {"one", "two"}},
                      LinesCase{"BlankLine", "one\r\n\r\ntwo", {"one", "", "two"}},
                      // A line feed alone loses nothing; two give an empty line.
                      LinesCase{"LineFeedOnly", "ab\ncd", {"ab", "cd"}},
                      LinesCase{"TwoLineFeeds", "ab\n\ncd", {"ab", "", "cd"}},
                      LinesCase{"LeadingLineFeed", "\nx", {"", "x"}},
                      LinesCase{"CarriageReturnInside", "a\rb\r\nc", {"a\rb", "c"}}),
    [](const auto &info) { return std::string(info.param.name); });

print::PrintedDesign WithNotes(const QString &notes)
{
    print::PrintedDesign p;
    p.PrintDesign = SampleDesign("J", "S", "P");
    p.PrintDesign.Notes = notes.toStdString();
    return p;
}

TEST(NotesPage, NoNotesNoPage)
{
    FixedSurface s;
    print::SetupPage(s, 1);
    print::PrintNotesPage(s, WithNotes(""));
    EXPECT_TRUE(s.items.empty());
    EXPECT_EQ(s.Page(), 1);
}

TEST(NotesPage, ThreeLinesOnePageThenABreak)
{
    FixedSurface s;
    print::SetupPage(s, 1);
    print::PrintNotesPage(s, WithNotes("first\r\nsecond\r\nthird"));
    EXPECT_TRUE(s.findText("Kelvora - Notes"));
    EXPECT_TRUE(s.findText(" Job : J              "));
    const auto &first = *s.findText("first");
    const auto &third = *s.findText("third");
    EXPECT_EQ(first.x1, 10);  // the frame's left plus the width of "i"
    EXPECT_EQ(third.y1 - first.y1, 80);
    EXPECT_EQ(first.font.Size, 12);
    EXPECT_EQ(s.items.back().kind, Kind::PageBreak);
    EXPECT_EQ(s.Page(), 2);
    EXPECT_EQ(s.PagesPrinted(), 1);
    EXPECT_EQ(s.PageFrame, (print::PageFrameRec{0, 0, 2000, 3000}));
    // The first line starts on the rule under the banner.
    const auto lines = s.ofKind(Kind::Line);
    ASSERT_FALSE(lines.empty());
    EXPECT_EQ(first.y1, lines.back()->y1);
}

TEST(NotesPage, BlankLinesCloseUp)
{
    FixedSurface s;
    print::SetupPage(s, 1);
    print::PrintNotesPage(s, WithNotes("a\r\n\r\n\r\nb\n\nc"));
    EXPECT_EQ(s.findText("b")->y1 - s.findText("a")->y1, 40);
    EXPECT_EQ(s.findText("c")->y1 - s.findText("b")->y1, 40);
}

TEST(NotesPage, LongNotesContinueOnNumberedPages)
{
    FixedSurface s;
    print::SetupPage(s, 1);
    // A page before the notes, as the design form has.
    print::DrawPageFrame(s, "Kelvora - Design Form", "Mastra");
    print::RestorePageFrame(s);
    s.NewPage();
    QString notes;
    for (int i = 1; i <= 100; ++i)
        notes += QStringLiteral("line %1\r\n").arg(i);
    print::PrintNotesPage(s, WithNotes(notes));
    EXPECT_TRUE(s.findText("Page  2"));
    EXPECT_TRUE(s.findText("Page  3"));
    EXPECT_FALSE(s.findText("Page  4"));
    EXPECT_EQ(s.PagesPrinted(), 3);
    EXPECT_EQ(s.findText("line 1")->page, 2);
    EXPECT_EQ(s.findText("line 100")->page, 3);
    // Every line above the lower limit of its page.
    for (const auto *t : s.ofKind(Kind::Text)) {
        if (t->text.startsWith("line ")) {
            EXPECT_LT(t->y1, 100 + 2800 - 40);
        }
    }
    EXPECT_EQ(s.texts(3).count("Kelvora - Notes"), 1);
}

// ---------------------------------------------------------------------------

class PrintJobTest : public PrintDbTest {
protected:
    void storeThree()
    {
        engine::DesignRecord a = SampleDesign("A", "S", "P");
        a.Notes = "a note\r\nsecond line";
        save(a, SampleSupport());
        save(SampleDesign("B", "S", "P"), SampleSupport());
        save(SampleDesign("C", "S", "P"), SampleSupport(), 3);
    }
    testing_support::RecordingProgress progress;
};

TEST_F(PrintJobTest, ProgressPerDesignThenFinish)
{
    storeThree();
    progress.calls.clear();  // saving reports progress too
    FixedSurface s;
    const print::PrintJobResult r =
        print::PrintDesignForms(s, db(), {Key("C", "S", "P"), Key("A", "S", "P"), Key("B", "S", "P")});
    ASSERT_TRUE(r.ok) << r.message.toStdString();
    EXPECT_EQ(r.designs, 3);
    EXPECT_EQ(r.pages, 4);  // A has a notes page
    EXPECT_EQ(progress.calls, (std::vector<Call>{{0, 1}, {33, 2}, {67, 2}, {100, 2}, {100, 3}}));
    EXPECT_TRUE(s.ended);
    // In the order given, each design on its own page, no empty last page.
    EXPECT_EQ(s.findText(" Job : C              ")->page, 1);
    EXPECT_EQ(s.findText(" Job : A              ")->page, 2);
    EXPECT_EQ(s.findText("a note")->page, 3);
    EXPECT_EQ(s.findText(" Truss Steel Design Details")->page, 1);
    EXPECT_EQ(s.pagesBegun, (std::vector<int>{1, 2, 3, 4}));
}

TEST_F(PrintJobTest, NoKeysNoDocumentNoProgress)
{
    FixedSurface s;
    const print::PrintJobResult r = print::PrintDesignForms(s, db(), {});
    EXPECT_TRUE(r.ok);
    EXPECT_EQ(r.pages, 0);
    EXPECT_TRUE(progress.calls.empty());
    EXPECT_TRUE(s.items.empty());
    EXPECT_FALSE(s.ended);
}

TEST_F(PrintJobTest, SelectedKeysOfActiveJobsInKeyOrder)
{
    storeThree();
    save(SampleDesign("A", "R", "P"), SampleSupport());
    save(SampleDesign("D", "S", "P"), SampleSupport());
    exec("UPDATE PrintRecord SET Selected = -1");
    exec("UPDATE PrintRecord SET Selected = 0 WHERE Job_Code = ?", {database::PadKey("B")});
    exec("UPDATE PrintRecord SET Selected = 1 WHERE Job_Code = ?", {database::PadKey("C")});
    exec("UPDATE JOBS SET Active = 'N' WHERE Job_Code = ?", {database::PadKey("D")});
    std::vector<StoredDesignKey> keys;
    ASSERT_TRUE(print::SelectedDesignKeys(db(), keys).ok());
    QStringList got;
    for (const auto &k : keys)
        got << (k.JobCode.trimmed() + "/" + k.JobSection.trimmed() + "/" + k.SignPos.trimmed());
    EXPECT_EQ(got, (QStringList{"A/R/P", "A/S/P", "C/S/P"}));
    EXPECT_EQ(keys[0].JobCode, database::PadKey("A"));

    exec("UPDATE PrintRecord SET Selected = 0");
    ASSERT_TRUE(print::SelectedDesignKeys(db(), keys).ok());
    EXPECT_TRUE(keys.empty());
}

// Drops a table when the first design is done, so that the second read fails.
class FailingAfterFirst final : public platform::ProgressDisplay {
public:
    explicit FailingAfterFirst(platform::SqlConnection &db) : db_(db) { platform::setProgressDisplay(this); }
    ~FailingAfterFirst() override { platform::setProgressDisplay(nullptr); }
    void showProgress(int percent, int mode) override
    {
        calls.push_back({percent, mode});
        if (mode == platform::ProgressUpdate && calls.size() == 2) {
            db_.exec("PRAGMA foreign_keys = OFF");
            db_.exec("DROP TABLE SignDesData");
        }
    }
    std::vector<Call> calls;

private:
    platform::SqlConnection &db_;
};

TEST_F(PrintJobTest, AReadFailingOnTheSecondDesignLeavesNoPdf)
{
    storeThree();
    const QString pdf = dir.filePath("forms.pdf");
    FailingAfterFirst failing(db());
    const auto surface = print::PrinterSurface::ForPdf(pdf);
    const print::PrintJobResult r = print::PrintDesignForms(*surface, db(), {Key("A", "S", "P"), Key("B", "S", "P")});
    EXPECT_FALSE(r.ok);
    EXPECT_TRUE(r.message.contains("B / S / P")) << r.message.toStdString();
    EXPECT_FALSE(QFile::exists(pdf));
    // No finish: the caller ends the progress display.
    EXPECT_EQ(failing.calls, (std::vector<Call>{{0, 1}, {50, 2}}));
}

TEST_F(PrintJobTest, AnUnwritableFileFailsTheJob)
{
    storeThree();
    const QString pdf = dir.filePath("missing/folder/forms.pdf");
    const auto surface = print::PrinterSurface::ForPdf(pdf);
    const print::PrintJobResult r = print::PrintDesignForms(*surface, db(), {Key("A", "S", "P")});
    EXPECT_FALSE(r.ok);
    EXPECT_TRUE(r.message.contains("could not be written")) << r.message.toStdString();
    EXPECT_FALSE(QFile::exists(pdf));
}

// Where a PDF job writes: a file named by the caller (the probe's print
// commands), the file chosen in "Print Setup", or the PDF folder when no
// printer is configured.
enum class PdfTarget { Named, PrintSetupFile, NoPrinter };

// Opens a design form job of `kind` that is to write `path`.
print::PrintTarget OpenPdfTarget(PdfTarget kind, const QString &path)
{
    if (kind == PdfTarget::Named) {
        print::PrintTarget named;
        named.surface = print::PrinterSurface::ForPdf(path);
        named.pdfPath = path;
        return named;
    }
    if (kind == PdfTarget::PrintSetupFile)
        print::JobPrinter().setOutputFileName(path);
    else
        platform::SaveSetting(platform::PrintPdfFolderKey, QFileInfo(path).path());
    return print::OpenPrintTarget(QStringLiteral("Design Forms"));
}

// Lists the output folder at each design's progress step, and drops a table
// of the design store after the first design when asked to.
class WatchingFolder final : public platform::ProgressDisplay {
public:
    WatchingFolder(platform::SqlConnection &db, const QString &folder, bool fail)
        : db_(db), folder_(folder), fail_(fail)
    {
        platform::setProgressDisplay(this);
    }
    ~WatchingFolder() override { platform::setProgressDisplay(nullptr); }
    void showProgress(int, int mode) override
    {
        if (mode != platform::ProgressUpdate)
            return;
        listings.push_back(Listing(folder_));
        if (fail_ && listings.size() == 1) {
            db_.exec("PRAGMA foreign_keys = OFF");
            db_.exec("DROP TABLE SignDesData");
        }
    }
    static QStringList Listing(const QString &folder)
    {
        return QDir(folder).entryList(QDir::Files | QDir::Hidden | QDir::NoDotAndDotDot, QDir::Name);
    }
    // While the pages were written the final name was not yet a new file:
    // beside what was there `before`, one hidden part file named after
    // `finalName`, whole or (`cut`) cut short at whole letters.
    void expectOnePartFile(const QStringList &before, const QString &finalName, bool cut) const
    {
        ASSERT_FALSE(listings.empty());
        const QRegularExpression part("^\\.(.+)\\.[a-z0-9]{6}\\.part$");
        for (const QStringList &during : listings) {
            ASSERT_EQ(during.size(), before.size() + 1) << during.join(" | ").toStdString();
            const QStringList parts = during.filter(part);
            ASSERT_EQ(parts.size(), 1) << during.join(" | ").toStdString();
            // A letter cut in two would come back as U+FFFD, which the name does not start with.
            const QString stem = part.match(parts[0]).captured(1);
            EXPECT_TRUE(cut ? finalName.startsWith(stem) : stem == finalName) << parts[0].toStdString();
        }
    }
    std::vector<QStringList> listings;

private:
    platform::SqlConnection &db_;
    QString folder_;
    bool fail_;
};

class PdfJobTest : public PrintJobTest {
protected:
    void TearDown() override
    {
        print::JobPrinter().setOutputFileName(QString());
        platform::SaveSetting(platform::PrintPdfFolderKey, QString());
        PrintJobTest::TearDown();
    }
};

struct PdfJobCase {
    const char *name;
    PdfTarget target;
    bool fails;     // the second design cannot be read
    bool existing;  // a file of the final name is there before the job
};

void PrintTo(const PdfJobCase &c, std::ostream *os) { *os << c.name; }

class PdfJobFile : public PdfJobTest, public ::testing::WithParamInterface<PdfJobCase> {};

TEST_P(PdfJobFile, TakesItsNameOnlyWhenTheDocumentEndedWell)
{
    const PdfJobCase c = GetParam();
    if (c.target == PdfTarget::NoPrinter && !QPrinterInfo::defaultPrinter().isNull())
        GTEST_SKIP() << "a printer is configured here";
    storeThree();
    QTemporaryDir out;
    ASSERT_TRUE(out.isValid());
    const QString named = out.filePath(QStringLiteral("Übersicht Straße 3.pdf"));
    const QByteArray old = "an earlier job's pages";
    if (c.existing) {
        QFile earlier(named);
        ASSERT_TRUE(earlier.open(QIODevice::WriteOnly));
        earlier.write(old);
    }
    const print::PrintTarget target = OpenPdfTarget(c.target, named);
    ASSERT_TRUE(target.surface);
    const QString finalName = QFileInfo(target.pdfPath).fileName();
    ASSERT_TRUE(target.pdfPath.startsWith(out.path())) << target.pdfPath.toStdString();

    testing_support::RecordingMessages messages;
    print::PrintJobResult r;
    {
        WatchingFolder watch(db(), out.path(), c.fails);
        r = print::PrintDesignForms(*target.surface, db(), {Key("A", "S", "P"), Key("B", "S", "P"), Key("C", "S", "P")});
        const QStringList before = c.existing ? QStringList{finalName} : QStringList{};
        watch.expectOnePartFile(before, finalName, false);
    }
    if (r.ok)
        print::TellPrintedFile(target);

    const QStringList after = WatchingFolder::Listing(out.path());
    QFile file(target.pdfPath);
    if (c.fails) {
        EXPECT_FALSE(r.ok);
        EXPECT_EQ(after, c.existing ? QStringList{finalName} : QStringList{})
            << "no part file left, an earlier file untouched";
        EXPECT_TRUE(messages.calls.empty());
        if (c.existing) {
            ASSERT_TRUE(file.open(QIODevice::ReadOnly));
            EXPECT_EQ(file.readAll(), old);
        }
    } else {
        ASSERT_TRUE(r.ok) << r.message.toStdString();
        EXPECT_EQ(after, QStringList{finalName}) << "exactly the finished file";
        ASSERT_TRUE(file.open(QIODevice::ReadOnly));
        const QByteArray bytes = file.readAll();
        EXPECT_TRUE(bytes.startsWith("%PDF"));
        EXPECT_TRUE(bytes.trimmed().endsWith("%%EOF")) << "a complete document";
        ASSERT_EQ(messages.calls.size(), 1u);
        EXPECT_EQ(messages.calls[0].text, print::PrintedFileMessage(target));
    }
    if (c.target == PdfTarget::PrintSetupFile) {
        EXPECT_EQ(print::JobPrinter().outputFileName(), named) << "the printer keeps the file chosen in Print Setup";
    }
}

INSTANTIATE_TEST_SUITE_P(
    Jobs, PdfJobFile,
    ::testing::Values(PdfJobCase{"NamedFinished", PdfTarget::Named, false, false},
                      PdfJobCase{"NamedFailsPartWay", PdfTarget::Named, true, false},
                      PdfJobCase{"NamedReplacesAnEarlierFile", PdfTarget::Named, false, true},
                      PdfJobCase{"NamedFailureKeepsAnEarlierFile", PdfTarget::Named, true, true},
                      PdfJobCase{"PrintSetupFileFinished", PdfTarget::PrintSetupFile, false, false},
                      PdfJobCase{"PrintSetupFileFailureKeepsAnEarlierFile", PdfTarget::PrintSetupFile, true, true},
                      PdfJobCase{"NoPrinterFinished", PdfTarget::NoPrinter, false, false},
                      PdfJobCase{"NoPrinterFailsPartWay", PdfTarget::NoPrinter, true, false}),
    [](const auto &info) { return std::string(info.param.name); });

// Long names the folder takes, chosen in "Print Setup" or of two- and
// four-byte letters: the longer hidden part file must fit too, cut at whole letters.
struct LongNameCase {
    const char *name;
    QString fileName;
    qsizetype bytes;  // of the file name, as the folder holds it; it takes 255
    PdfTarget target;
};

void PrintTo(const LongNameCase &c, std::ostream *os) { *os << c.name; }

class LongPdfName : public PdfJobTest, public ::testing::WithParamInterface<LongNameCase> {};

TEST_P(LongPdfName, PrintsUnderItsNameWithAPartFileTheFolderTakes)
{
    const LongNameCase c = GetParam();
    QTemporaryDir out;
    ASSERT_TRUE(out.isValid());
    if (const long limit = ::pathconf(QFile::encodeName(out.path()).constData(), _PC_NAME_MAX); limit != 255)
        GTEST_SKIP() << "the folder takes names of " << limit << " bytes";
    ASSERT_EQ(QFile::encodeName(c.fileName).size(), c.bytes);
    storeThree();
    const QString path = out.filePath(c.fileName);
    const print::PrintTarget target = OpenPdfTarget(c.target, path);
    ASSERT_TRUE(target.surface);
    WatchingFolder watch(db(), out.path(), false);
    const auto r = print::PrintDesignForms(*target.surface, db(), {Key("A", "S", "P"), Key("B", "S", "P")});
    const QStringList after = WatchingFolder::Listing(out.path());
    if (c.bytes > 255) {
        EXPECT_FALSE(r.ok);
        EXPECT_EQ(r.message, "The printed pages could not be written to " + path);
        EXPECT_TRUE(after.isEmpty()) << after.join(" | ").toStdString();
        return;
    }
    ASSERT_TRUE(r.ok) << r.message.toStdString();
    watch.expectOnePartFile({}, c.fileName, true);
    EXPECT_EQ(after, QStringList{c.fileName}) << "the finished file, no part file left";
}

INSTANTIATE_TEST_SUITE_P(
    Names, LongPdfName,
    ::testing::Values(
        LongNameCase{"Ascii244", QString(240, u'a') + ".pdf", 244, PdfTarget::Named},
        LongNameCase{"Umlauts248FromPrintSetup", QString(122, u'ü') + ".pdf", 248, PdfTarget::PrintSetupFile},
        // The part file's room ends inside the 121st "ü".
        LongNameCase{"OddUmlauts255", "x" + QString(125, u'ü') + ".pdf", 255, PdfTarget::Named},
        // The part file's room ends inside the 59th "🚧".
        LongNameCase{"FourByteLetters252FromPrintSetup", "Brücke" + QStringLiteral("🚧").repeated(60) + "2.pdf", 252,
                     PdfTarget::PrintSetupFile},
        LongNameCase{"Umlauts256BeyondTheFolder", QString(126, u'ü') + ".pdf", 256, PdfTarget::Named}),
    [](const auto &info) { return std::string(info.param.name); });

TEST_F(PrintJobTest, PdfHasOnePagePerDesignAndNotesPage)
{
    storeThree();
    const QString pdf = dir.filePath("forms.pdf");
    const auto surface = print::PrinterSurface::ForPdf(pdf);
    const print::PrintJobResult r = print::PrintDesignForms(*surface, db(), {Key("A", "S", "P"), Key("B", "S", "P")});
    ASSERT_TRUE(r.ok) << r.message.toStdString();
    EXPECT_EQ(r.pages, 3);
    QFile file(pdf);
    ASSERT_TRUE(file.open(QIODevice::ReadOnly));
    const QByteArray bytes = file.readAll();
    EXPECT_TRUE(bytes.startsWith("%PDF"));
    EXPECT_EQ(bytes.count("/Type /Page\n") + bytes.count("/Type /Page\r") + bytes.count("/Type /Page "), 3)
        << "pages counted in the file";
}

TEST(PrintTarget, PdfInTheConfiguredFolderWhenNoPrinter)
{
    if (!QPrinterInfo::defaultPrinter().isNull())
        GTEST_SKIP() << "a printer is configured here";
    QTemporaryDir folder;
    platform::SaveSetting(platform::PrintPdfFolderKey, folder.path());
    print::PrintTarget target = print::OpenPrintTarget("Design Forms");
    platform::SaveSetting(platform::PrintPdfFolderKey, QString());
    ASSERT_TRUE(target.surface);
    EXPECT_TRUE(target.pdfPath.startsWith(folder.path()));
    EXPECT_TRUE(target.pdfPath.endsWith(".pdf"));
    print::SetupPage(*target.surface, 1);
    print::DrawPageFrame(*target.surface, "Kelvora - Design Form", "Mastra");
    ASSERT_TRUE(target.surface->EndDoc());
    testing_support::RecordingMessages messages;
    print::TellPrintedFile(target);
    ASSERT_EQ(messages.calls.size(), 1u);
    EXPECT_EQ(messages.calls[0].text, print::PrintedFileMessage(target));
    EXPECT_TRUE(messages.calls[0].text.contains(QDir::toNativeSeparators(target.pdfPath)));
}

} // namespace
} // namespace printtest

namespace printtest {
namespace {

TEST(PrinterSurface, MeasuresAsTheRecordingDoes)
{
    QTemporaryDir folder;
    const auto pdf = print::PrinterSurface::ForPdf(folder.filePath("m.pdf"));
    print::RecordingSurface recording;
    EXPECT_DOUBLE_EQ(pdf->unitsPerPoint(), recording.unitsPerPoint());
    pdf->Font.Size = 8;
    recording.Font.Size = 8;
    EXPECT_DOUBLE_EQ(pdf->TextWidth(" Post Spacing is too wide"), recording.TextWidth(" Post Spacing is too wide"));
    // Nothing drawn: no file.
    EXPECT_TRUE(pdf->EndDoc());
    EXPECT_FALSE(QFile::exists(folder.filePath("m.pdf")));
}

TEST(PrinterSurface, LandscapePagesAreLandscape)
{
    QTemporaryDir folder;
    const QString path = folder.filePath("landscape.pdf");
    const auto pdf = print::PrinterSurface::ForPdf(path);
    print::SetupPage(*pdf, print::Landscape);
    print::DrawPageFrame(*pdf, "Kelvora - Summary Form", "Mastra");
    print::RestorePageFrame(*pdf);
    pdf->NewPage();
    ASSERT_TRUE(pdf->EndDoc());
    QProcess info;
    info.start("pdfinfo", {path});
    ASSERT_TRUE(info.waitForFinished(30000));
    const QString out = QString::fromUtf8(info.readAllStandardOutput());
    EXPECT_TRUE(out.contains(QRegularExpression("Pages:\\s+1\\n"))) << out.toStdString();
    EXPECT_TRUE(out.contains(QRegularExpression("Page size:\\s+842(\\.\\d+)? x 595"))) << out.toStdString();
}

} // namespace
} // namespace printtest

namespace printtest {
namespace {

// Pixels of a rendered page close to a colour.
int CountNear(const QImage &image, QColor colour, int tolerance)
{
    int n = 0;
    for (int y = 0; y < image.height(); ++y)
        for (int x = 0; x < image.width(); ++x) {
            const QColor c = image.pixelColor(x, y);
            if (std::abs(c.red() - colour.red()) <= tolerance && std::abs(c.green() - colour.green()) <= tolerance &&
                std::abs(c.blue() - colour.blue()) <= tolerance)
                ++n;
        }
    return n;
}

TEST(PrinterSurface, RenderedPageShowsFillsAndHatches)
{
    QTemporaryDir folder;
    const QString path = folder.filePath("form.pdf");
    const auto pdf = print::PrinterSurface::ForPdf(path);
    print::PrintedDesign p;
    p.PrintDesign = SampleDesign("J", "S", "P");
    p.PrintDesign.BkgndColour[1] = 4;  // yellow
    p.PrintDesign.MinimumClearance = 1500;
    p.PrintSupport = SampleSupport();
    p.PrintSupport.PostClearance[1] = 900;  // solid red
    p.PrintSupportName = "CHS Steel";
    print::SetupPage(*pdf, 1);
    print::PrintDesignFormPage(*pdf, p);
    ASSERT_TRUE(pdf->EndDoc());

    QProcess render;
    render.start("pdftoppm", {"-png", "-r", "60", "-singlefile", path, folder.filePath("page")});
    ASSERT_TRUE(render.waitForFinished(30000));
    QImage page(folder.filePath("page.png"));
    ASSERT_FALSE(page.isNull());
    page = page.convertToFormat(QImage::Format_RGB32);
    EXPECT_GT(CountNear(page, QColor(255, 255, 0), 30), 200) << "yellow panel";
    EXPECT_GT(CountNear(page, QColor(255, 0, 0), 60), 20) << "red post";
    EXPECT_GT(CountNear(page, QColor(0xF0, 0xFF, 0xFF), 4), 5000) << "elevation box";
    // Hatched posts and footings are lines, not a grey pattern brush.
    EXPECT_GT(CountNear(page, QColor(0x40, 0x40, 0x40), 40) + CountNear(page, QColor(0x80, 0x80, 0), 40), 5);
}

} // namespace
} // namespace printtest
