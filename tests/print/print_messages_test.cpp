// What the engineer is told after each print job, driven from the Print
// menu's step as the engineer does it: the print job selection form, and for
// order forms the sign order form it opens, with the job printer and the PDF
// folder of the program (no recording surface).

#include "print_test_support.h"

#include "platform/settings.h"
#include "print/printer_surface.h"
#include "print/ui/print_selection_dialog.h"
#include "print/ui/sign_order_form_dialog.h"

#include <QApplication>
#include <QCheckBox>
#include <QDir>
#include <QKeyEvent>
#include <QLineEdit>
#include <QPrinter>
#include <QPrinterInfo>
#include <QPushButton>
#include <QTest>
#include <QTimer>

#include <functional>
#include <memory>

namespace printtest {
namespace {

// Runs `step` on the dialog of type T once it is shown modally.
template <class T>
void WhenShown(std::function<void(T &)> step)
{
    auto attempt = std::make_shared<std::function<void(int)>>();
    *attempt = [step = std::move(step), self = std::weak_ptr(attempt)](int left) {
        if (auto *dialog = qobject_cast<T *>(QApplication::activeModalWidget())) {
            step(*dialog);
            return;
        }
        if (left > 0) {
            if (auto next = self.lock())
                QTimer::singleShot(20, [next, left] { (*next)(left - 1); });
        } else if (QWidget *stuck = QApplication::activeModalWidget()) {
            stuck->close();  // never leave the run waiting on a dialog
        }
    };
    QTimer::singleShot(0, [attempt] { (*attempt)(200); });
}

// Types `text` into `box` a key at a time, letters beyond ASCII too.
void TypeInto(QWidget *box, const QString &text)
{
    for (const QChar c : text) {
        QKeyEvent press(QEvent::KeyPress, 0, Qt::NoModifier, QString(c));
        QApplication::sendEvent(box, &press);
    }
}

// "Print Setup" as the engineer answers it: print to a file.
class PrintToFileSetup final : public platform::PrinterSetupService {
public:
    explicit PrintToFileSetup(QString file) : file_(std::move(file)) { platform::setPrinterSetup(this); }
    ~PrintToFileSetup() override { platform::setPrinterSetup(nullptr); }
    bool setUpPrinter(QPrinter &printer) override
    {
        ++shown;
        printer.setOutputFileName(file_);
        return true;
    }
    int shown = 0;

private:
    QString file_;
};

// Once the job has begun, inside its transaction: a PrintRecord row with no
// design, which the database refuses only at the commit.
class RowRefusedAtCommit final : public platform::ProgressDisplay {
public:
    explicit RowRefusedAtCommit(platform::SqlConnection &db) : db_(db) { platform::setProgressDisplay(this); }
    ~RowRefusedAtCommit() override { platform::setProgressDisplay(nullptr); }
    void showProgress(int, int mode) override
    {
        if (mode != platform::ProgressStart || done_)
            return;
        done_ = true;
        db_.exec("PRAGMA defer_foreign_keys = ON");
        db_.exec("INSERT INTO PrintRecord (Job_Code, Job_Section, Sign_Pos) VALUES ('X', 'X', 'X')");
    }

private:
    platform::SqlConnection &db_;
    bool done_ = false;
};

enum class Outcome { PrintedToPdfFolder, PrintedToChosenFile, ReadFails, StatusNotRecorded };

struct MessageCase {
    const char *name;
    int kind;  // 0 design forms, 1 order forms, 2 summary form
    Outcome outcome;
    const char *title;
    const char *text;  // "%1": the PDF's path
    platform::MessageIcon icon;
};

void PrintTo(const MessageCase &c, std::ostream *os)
{
    *os << c.name;
}

class PrintMessages : public PrintDbTest, public ::testing::WithParamInterface<MessageCase> {
protected:
    void TearDown() override
    {
        print::JobPrinter().setOutputFileName(QString());
        platform::SaveSetting(platform::PrintPdfFolderKey, QString());
        PrintDbTest::TearDown();
    }
    int selectedRows()
    {
        platform::SqlRows rows;
        EXPECT_TRUE(db().select("SELECT COUNT(*) FROM PrintRecord WHERE Selected <> 0", {}, rows).ok());
        return rows.empty() ? -1 : rows[0][0].toInt();
    }
};

const char *const Mastra = "                  Mastra";  // 18 blanks
const char *const ReadFailure = "The print job failed: The design Brücke / Süd / P2 could not be read: column "
                                "Kerb_Post holds 5000000000, outside its range.\n"
                                "No print status was recorded and the signs stay selected.";
const char *const NotRecorded =
    "The pages were printed, but their print status could not be recorded: FOREIGN KEY constraint failed";

TEST_P(PrintMessages, SayWhatHappened)
{
    const MessageCase c = GetParam();
    const bool toPdfFolder = c.outcome == Outcome::PrintedToPdfFolder;
    if (toPdfFolder && !QPrinterInfo::defaultPrinter().isNull())
        GTEST_SKIP() << "a printer is configured here";
    save(SampleDesign("Brücke", "Süd", "P1"), SampleSupport());
    save(SampleDesign("Brücke", "Süd", "P2"), SampleSupport());
    save(SampleDesign("Straße", "Nord", "P1"), SampleSupport());
    if (c.outcome == Outcome::ReadFails)
        setColumn(Key("Brücke", "Süd", "P2"), "SupDesData", "Kerb_Post", 5000000000LL);
    const QString pdfFolder = dir.filePath(QStringLiteral("Ausdrucke Süd"));
    platform::SaveSetting(platform::PrintPdfFolderKey, pdfFolder);
    const QString chosen = dir.filePath(QStringLiteral("Brücke Süd.pdf"));
    PrintToFileSetup setup(chosen);
    std::unique_ptr<RowRefusedAtCommit> refusing;
    if (c.outcome == Outcome::StatusNotRecorded)
        refusing = std::make_unique<RowRefusedAtCommit>(db());

    // The engineer picks the section, adds it and presses OK; for a file the
    // engineer has answered "Print Setup" first, in the dialog that prints.
    const bool chooseFile = !toPdfFolder;
    auto chooseSection = [](database::DesignBrowser &tree) {
        if (QTreeWidgetItem *item = tree.findItem(Key("Brücke", "Süd", ""), database::SectionLevel))
            tree.chooseItem(item);
    };
    int selectedBeforePrint = -1;
    WhenShown<print::Form11>([&](print::Form11 &form) {
        if (chooseFile && c.kind != print::OrderFormKind)
            QTest::mouseClick(form.findChild<QPushButton *>("Command3_0"), Qt::LeftButton);
        chooseSection(*form.Outline1());
        QTest::mouseClick(form.findChild<QPushButton *>("Command4_1"), Qt::LeftButton);
        selectedBeforePrint = selectedRows();
        if (c.kind == print::OrderFormKind)
            WhenShown<print::Form10>([&](print::Form10 &orders) {
                if (chooseFile)
                    QTest::mouseClick(orders.printSetupButton(), Qt::LeftButton);
                chooseSection(*orders.outline());
                QTest::mouseClick(orders.selectAllButton(1), Qt::LeftButton);
                TypeInto(orders.requisitionBox(), QStringLiteral("Süd-7"));
                QTest::mouseClick(orders.printButton(), Qt::LeftButton);
            });
        QTest::mouseClick(form.findChild<QPushButton *>("Command2"), Qt::LeftButton);
    });
    messages.calls.clear();
    print::ShowPrintSelection(c.kind, nullptr);
    ASSERT_EQ(selectedBeforePrint, 2);
    EXPECT_EQ(setup.shown, chooseFile ? 1 : 0);

    const QStringList pdfs = QDir(pdfFolder).entryList({QStringLiteral("*.pdf")}, QDir::Files);
    QString pdf = chosen;
    if (toPdfFolder) {
        ASSERT_EQ(pdfs.size(), 1);
        pdf = QDir(pdfFolder).filePath(pdfs[0]);
    } else {
        EXPECT_TRUE(pdfs.isEmpty());
    }
    EXPECT_EQ(QFile::exists(pdf), c.outcome != Outcome::ReadFails) << pdf.toStdString();

    ASSERT_EQ(messages.calls.size(), 1u);
    const platform::MessageRequest &told = messages.calls[0];
    EXPECT_EQ(told.title, QString::fromUtf8(c.title) + Mastra);
    EXPECT_EQ(told.text, QString::fromUtf8(c.text).replace("%1", QDir::toNativeSeparators(pdf)));
    EXPECT_EQ(told.icon, c.icon);
    EXPECT_EQ(told.buttons, platform::MessageButtons::Ok);
    // A failure keeps the selection, as the message says.
    EXPECT_EQ(selectedRows(), c.icon == platform::MessageIcon::Critical ? 2 : 0);
}

constexpr auto Info = platform::MessageIcon::Information;
constexpr auto Critical = platform::MessageIcon::Critical;
constexpr const char *NoPrinter = "No printer is configured. The pages were saved to %1";
constexpr const char *Saved = "The pages were saved to %1";

INSTANTIATE_TEST_SUITE_P(
    Jobs, PrintMessages,
    ::testing::Values(
        MessageCase{"DesignFormsToThePdfFolder", 0, Outcome::PrintedToPdfFolder, "Print", NoPrinter, Info},
        MessageCase{"DesignFormsToAChosenFile", 0, Outcome::PrintedToChosenFile, "Print", Saved, Info},
        MessageCase{"DesignFormsReadFails", 0, Outcome::ReadFails, "Print Error", ReadFailure, Critical},
        MessageCase{"DesignFormsNotRecorded", 0, Outcome::StatusNotRecorded, "Print Error", NotRecorded, Critical},
        MessageCase{"OrderFormToThePdfFolder", 1, Outcome::PrintedToPdfFolder, "Print", NoPrinter, Info},
        MessageCase{"OrderFormToAChosenFile", 1, Outcome::PrintedToChosenFile, "Print", Saved, Info},
        MessageCase{"OrderFormReadFails", 1, Outcome::ReadFails, "Print Error", ReadFailure, Critical},
        MessageCase{"OrderFormNotRecorded", 1, Outcome::StatusNotRecorded, "Print Error", NotRecorded, Critical},
        MessageCase{"SummaryFormToThePdfFolder", 2, Outcome::PrintedToPdfFolder, "Print", NoPrinter, Info},
        MessageCase{"SummaryFormToAChosenFile", 2, Outcome::PrintedToChosenFile, "Print", Saved, Info},
        MessageCase{"SummaryFormReadFails", 2, Outcome::ReadFails, "Print Error", ReadFailure, Critical},
        MessageCase{"SummaryFormNotRecorded", 2, Outcome::StatusNotRecorded, "Print Error", NotRecorded,
                    Critical}),
    [](const auto &info) { return std::string(info.param.name); });

} // namespace
} // namespace printtest
