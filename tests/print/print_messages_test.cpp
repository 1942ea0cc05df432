// What the engineer is told after each print job, driven through the print job
// selection form (and the sign order form it opens) to a file or the PDF folder.

#include "print_test_support.h"

#include "platform/settings.h"
#include "print/printer_surface.h"
#include "print/ui/print_selection_dialog.h"
#include "print/ui/sign_order_form_dialog.h"

#include <QApplication>
#include <QDir>
#include <QKeyEvent>
#include <QLineEdit>
#include <QPrinter>
#include <QPrinterInfo>
#include <QPushButton>
#include <QTest>
#include <QTimer>

#include <functional>
#include <optional>
#include <utility>

namespace printtest {
namespace {

// Runs `step` on the dialog of type T that the next call shows modally.
template <class T>
void WhenShown(std::function<void(T &)> step)
{
    QTimer::singleShot(0, [step = std::move(step)] {
        if (auto *dialog = qobject_cast<T *>(QApplication::activeModalWidget()))
            step(*dialog);
        else if (QWidget *other = QApplication::activeModalWidget())
            other->close();  // never leave the run waiting on a dialog
    });
}

// "Print Setup" answered with a file.
struct PrintToFileSetup final : platform::PrinterSetupService {
    explicit PrintToFileSetup(QString f) : file(std::move(f)) { platform::setPrinterSetup(this); }
    ~PrintToFileSetup() override { platform::setPrinterSetup(nullptr); }
    bool setUpPrinter(QPrinter &printer) override
    {
        ++shown;
        printer.setOutputFileName(file);
        return true;
    }
    QString file;
    int shown = 0;
};

// Once the job has begun, inside its transaction: a PrintRecord row with no
// design, which the database refuses only at the commit.
struct RowRefusedAtCommit final : platform::ProgressDisplay {
    explicit RowRefusedAtCommit(platform::SqlConnection &d) : db(d) { platform::setProgressDisplay(this); }
    ~RowRefusedAtCommit() override { platform::setProgressDisplay(nullptr); }
    void showProgress(int, int mode) override
    {
        if (mode == platform::ProgressStart && !std::exchange(done, true)) {
            db.exec("PRAGMA defer_foreign_keys = ON");
            db.exec("INSERT INTO PrintRecord (Job_Code, Job_Section, Sign_Pos) VALUES ('X', 'X', 'X')");
        }
    }
    platform::SqlConnection &db;
    bool done = false;
};

enum Outcome { ToPdfFolder, ToChosenFile, ReadFails, NotRecorded };
const struct {
    const char *name, *title, *text;  // "%1": the PDF's path
} Messages[] = {
    {"ToThePdfFolder", "Print", "No printer is configured. The pages were saved to %1"},
    {"ToAChosenFile", "Print", "The pages were saved to %1"},
    {"ReadFails", "Print Error",
     "The print job failed: The design Brücke / Süd / P2 could not be read: column Kerb_Post holds 5000000000, "
     "outside its range.\nNo print status was recorded and the signs stay selected."},
    {"NotRecorded", "Print Error",
     "The pages were printed, but their print status could not be recorded: FOREIGN KEY constraint failed"},
};

class PrintMessages : public PrintDbTest, public ::testing::WithParamInterface<std::tuple<int, int>> {
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

TEST_P(PrintMessages, SayWhatHappened)
{
    const auto [kind, outcome] = GetParam();
    if (outcome == ToPdfFolder && !QPrinterInfo::defaultPrinter().isNull())
        GTEST_SKIP() << "a printer is configured here";
    save(SampleDesign("Brücke", "Süd", "P1"), SampleSupport());
    save(SampleDesign("Brücke", "Süd", "P2"), SampleSupport());
    save(SampleDesign("Straße", "Nord", "P1"), SampleSupport());
    if (outcome == ReadFails)
        setColumn(Key("Brücke", "Süd", "P2"), "SupDesData", "Kerb_Post", 5000000000LL);
    const QString pdfFolder = dir.filePath(QStringLiteral("Ausdrucke Süd"));
    platform::SaveSetting(platform::PrintPdfFolderKey, pdfFolder);
    PrintToFileSetup setup(dir.filePath(QStringLiteral("Brücke Süd.pdf")));
    std::optional<RowRefusedAtCommit> refusing;
    if (outcome == NotRecorded)
        refusing.emplace(db());

    // Section chosen, added, OK; "Print Setup" answered first, in the dialog that prints.
    const bool chooseFile = outcome != ToPdfFolder;
    const auto chooseSection = [](database::DesignBrowser &tree) {
        if (QTreeWidgetItem *item = tree.findItem(Key("Brücke", "Süd", ""), database::SectionLevel))
            tree.chooseItem(item);
    };
    int selectedBeforePrint = -1;
    WhenShown<print::Form11>([&](print::Form11 &form) {
        if (chooseFile && kind != print::OrderFormKind)
            QTest::mouseClick(form.findChild<QPushButton *>("Command3_0"), Qt::LeftButton);
        chooseSection(*form.Outline1());
        QTest::mouseClick(form.findChild<QPushButton *>("Command4_1"), Qt::LeftButton);
        selectedBeforePrint = selectedRows();
        if (kind == print::OrderFormKind)
            WhenShown<print::Form10>([&](print::Form10 &orders) {
                if (chooseFile)
                    QTest::mouseClick(orders.printSetupButton(), Qt::LeftButton);
                chooseSection(*orders.outline());
                QTest::mouseClick(orders.selectAllButton(1), Qt::LeftButton);
                for (const QChar ch : QStringLiteral("Süd-7")) {
                    QKeyEvent press(QEvent::KeyPress, 0, Qt::NoModifier, QString(ch));
                    QApplication::sendEvent(orders.requisitionBox(), &press);
                }
                QTest::mouseClick(orders.printButton(), Qt::LeftButton);
            });
        QTest::mouseClick(form.findChild<QPushButton *>("Command2"), Qt::LeftButton);
    });
    messages.calls.clear();
    print::ShowPrintSelection(kind, nullptr);
    ASSERT_EQ(selectedBeforePrint, 2);
    EXPECT_EQ(setup.shown, chooseFile ? 1 : 0);

    const QStringList pdfs = QDir(pdfFolder).entryList({QStringLiteral("*.pdf")}, QDir::Files);
    ASSERT_EQ(pdfs.size(), chooseFile ? 0 : 1);
    const QString pdf = chooseFile ? setup.file : QDir(pdfFolder).filePath(pdfs[0]);
    EXPECT_EQ(QFile::exists(pdf), outcome != ReadFails) << pdf.toStdString();

    const bool failed = outcome >= ReadFails;
    ASSERT_EQ(messages.calls.size(), 1u);
    const platform::MessageRequest &told = messages.calls[0];
    EXPECT_EQ(told.title, platform::MessageTitle(Messages[outcome].title));
    EXPECT_EQ(told.text, QString::fromUtf8(Messages[outcome].text).replace("%1", QDir::toNativeSeparators(pdf)));
    EXPECT_EQ(told.icon, failed ? platform::MessageIcon::Critical : platform::MessageIcon::Information);
    EXPECT_EQ(told.buttons, platform::MessageButtons::Ok);
    EXPECT_EQ(selectedRows(), failed ? 2 : 0) << "a failure keeps the selection, as the message says";
}

std::string CaseName(const ::testing::TestParamInfo<std::tuple<int, int>> &info)
{
    static const char *const forms[] = {"DesignForms", "OrderForm", "SummaryForm"};
    return std::string(forms[std::get<0>(info.param)]) + Messages[std::get<1>(info.param)].name;
}

INSTANTIATE_TEST_SUITE_P(Jobs, PrintMessages, ::testing::Combine(::testing::Range(0, 3), ::testing::Range(0, 4)),
                         CaseName);

} // namespace
} // namespace printtest
