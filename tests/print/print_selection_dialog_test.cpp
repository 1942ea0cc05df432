// Form11 driven through its buttons and trees offscreen, on a real database.

#include "print_test_support.h"

#include "print/print_selection.h"
#include "print/printer_surface.h"
#include "print/ui/print_selection_dialog.h"

#include <QFile>
#include <QHeaderView>
#include <QPushButton>
#include <QTableWidget>
#include <QApplication>
#include <QTemporaryDir>
#include <QTest>
#include <QTimer>

namespace printtest {
namespace {

using Call = testing_support::RecordingProgress::Call;
using database::DesignBrowser;

class Form11Test : public PrintDbTest {
protected:
    void storeFour()
    {
        for (const auto &[job, section, pos] : std::vector<std::array<const char *, 3>>{
                 {"A", "S1", "P1"}, {"A", "S1", "P2"}, {"A", "S2", "P1"}, {"B", "S1", "P1"}})
            save(SampleDesign(job, section, pos), SampleSupport());
        progress.calls.clear();
    }
    // Opens the form as the Print menu does, but without blocking; with
    // `onJobPrinter` the job goes to the job printer as it does in the program.
    void open(int kind, bool onJobPrinter = false)
    {
        print::PrintSelectionServices services;
        services.repaintMainWindow = [this] { ++repaints; };
        if (!onJobPrinter)
            services.runJob = [this](platform::SqlConnection &c, const print::StampedPrintJob &job) {
                return print::RunStampedPrintJob(c, surface, job, QDate(2026, 3, 7));
            };
        services.showOrderForm = [this](QWidget *) { ++orderForms; };
        form = std::make_unique<print::Form11>(kind, services);
        form->show();
        QCoreApplication::processEvents();
    }
    QPushButton *button(const char *name) { return form->findChild<QPushButton *>(QLatin1String(name)); }
    void click(const char *name)
    {
        QPushButton *b = button(name);
        ASSERT_TRUE(b) << name;
        QTest::mouseClick(b, Qt::LeftButton);
    }
    QStringList flags()
    {
        platform::SqlRows rows;
        EXPECT_TRUE(db().select("SELECT Job_Code, Job_Section, Sign_Pos, Selected FROM PrintRecord "
                                "ORDER BY Job_Code, Job_Section, Sign_Pos",
                                {}, rows)
                        .ok());
        QStringList out;
        for (const auto &r : rows)
            out << QStringLiteral("%1/%2/%3=%4")
                       .arg(r[0].toString().trimmed(), r[1].toString().trimmed(), r[2].toString().trimmed(),
                            r[3].toString());
        return out;
    }
    QString value(const StoredDesignKey &key, const char *column)
    {
        platform::SqlRows rows;
        EXPECT_TRUE(db().select(QStringLiteral("SELECT %1 FROM PrintRecord WHERE %2")
                                    .arg(column, database::DesignKeyCondition),
                                database::DesignKeyParams(key.JobCode, key.JobSection, key.SignPos), rows)
                        .ok());
        return rows.empty() ? QStringLiteral("<none>") : rows[0][0].toString();
    }
    // The grid as text, rows of tab-joined cells.
    QStringList grid()
    {
        QTableWidget *g = form->Grid1();
        QStringList out;
        for (int r = 0; r < g->rowCount(); ++r) {
            QStringList cells;
            for (int c = 0; c < g->columnCount(); ++c)
                cells << (g->item(r, c) ? g->item(r, c)->text().trimmed() : QString());
            out << cells.join('\t');
        }
        return out;
    }
    QStringList headings()
    {
        QStringList out;
        for (int c = 0; c < form->Grid1()->columnCount(); ++c)
            out << form->Grid1()->horizontalHeaderItem(c)->text();
        return out;
    }
    // Makes an item current as a click does (the tree announces it).
    void choose(DesignBrowser *tree, const StoredDesignKey &key, int level)
    {
        QTreeWidgetItem *item = tree->findItem(key, level);
        ASSERT_TRUE(item) << key.JobCode.toStdString() << "/" << key.JobSection.toStdString() << " level " << level;
        tree->chooseItem(item);
    }

    FixedSurface surface;
    testing_support::RecordingProgress progress;
    std::unique_ptr<print::Form11> form;
    int repaints = 0;
    int orderForms = 0;
};

TEST_F(Form11Test, OpensCaptionedWithTheFirstJobCurrentAndTreesAsTheyShouldBe)
{
    storeFour();
    exec("UPDATE PrintRecord SET Selected = -1 WHERE Job_Code = ?", {database::PadKey("B")});
    open(0);
    EXPECT_EQ(form->windowTitle(), "Print Job Selection Form");
    for (const char *name : {"Command4_1", "Command4_0", "Command2", "Command1", "Command3_0", "Command3_1"})
        EXPECT_TRUE(button(name)) << name;
    EXPECT_EQ(button("Command4_1")->text(), "Add  >>>");
    EXPECT_EQ(button("Command4_0")->text(), "<<< Remove");
    ASSERT_EQ(form->Outline1()->topLevelItemCount(), 2);
    EXPECT_EQ(form->Outline1()->currentItem(), form->Outline1()->topLevelItem(0));
    EXPECT_FALSE(form->Outline1()->topLevelItem(0)->isExpanded()) << "made current without the click handling";
    EXPECT_TRUE(form->LeftFilter().JobCode.isEmpty());
    EXPECT_EQ(grid(), QStringList{"\t\t"}) << "one blank row";
    ASSERT_EQ(form->Outline2()->topLevelItemCount(), 1);
    QTreeWidgetItem *job = form->Outline2()->topLevelItem(0);
    EXPECT_TRUE(job->isExpanded());
    EXPECT_TRUE(job->child(0)->isExpanded());
    EXPECT_EQ(form->Outline2()->signPositionCount(), 1);
    EXPECT_EQ(headings(), (QStringList{"Sign Position", "Printed", "Date"}));
    EXPECT_EQ(form->Grid1()->columnWidth(0), 100);
}

TEST_F(Form11Test, AddRightAfterOpeningAddsTheFirstJob)
{
    storeFour();
    open(0);
    click("Command4_1");
    EXPECT_EQ(flags(), (QStringList{"A/S1/P1=-1", "A/S1/P2=-1", "A/S2/P1=-1", "B/S1/P1=0"}));
    EXPECT_EQ(form->Outline2()->signPositionCount(), 3);
    EXPECT_TRUE(messages.calls.empty());
}

struct LevelCase {
    int level;
    const char *job;
    const char *section;
    const char *pos;
    QStringList afterAdd;
    QStringList afterRemove;  // starting from every row selected
};

class Form11Levels : public Form11Test, public ::testing::WithParamInterface<LevelCase> {};

TEST_P(Form11Levels, AddAndRemoveChangeExactlyTheRowsOfTheCurrentItem)
{
    const LevelCase c = GetParam();
    storeFour();
    open(2);
    // Choose another item first, then make the target current: the key comes
    // from the current item at the press.
    choose(form->Outline1(), Key("B", "S1", "P1"), 3);
    choose(form->Outline1(), Key(c.job, c.section, c.pos), c.level);
    click("Command4_1");
    EXPECT_EQ(flags(), c.afterAdd);

    exec("UPDATE PrintRecord SET Selected = -1");
    ASSERT_TRUE(form->FillSelectedOutline());
    choose(form->Outline2(), Key("B", "S1", "P1"), 3);
    choose(form->Outline2(), Key(c.job, c.section, c.pos), c.level);
    click("Command4_0");
    EXPECT_EQ(flags(), c.afterRemove);
    EXPECT_EQ(form->Outline2()->signPositionCount(), 4 - static_cast<int>(c.afterRemove.filter("=0").size()));
    EXPECT_TRUE(messages.calls.empty());
}

INSTANTIATE_TEST_SUITE_P(
    Levels, Form11Levels,
    ::testing::Values(LevelCase{1, "A", "", "", {"A/S1/P1=-1", "A/S1/P2=-1", "A/S2/P1=-1", "B/S1/P1=0"},
                                {"A/S1/P1=0", "A/S1/P2=0", "A/S2/P1=0", "B/S1/P1=-1"}},
                      LevelCase{2, "A", "S1", "", {"A/S1/P1=-1", "A/S1/P2=-1", "A/S2/P1=0", "B/S1/P1=0"},
                                {"A/S1/P1=0", "A/S1/P2=0", "A/S2/P1=-1", "B/S1/P1=-1"}},
                      LevelCase{3, "A", "S1", "P2", {"A/S1/P1=0", "A/S1/P2=-1", "A/S2/P1=0", "B/S1/P1=0"},
                                {"A/S1/P1=-1", "A/S1/P2=0", "A/S2/P1=-1", "B/S1/P1=-1"}}));

TEST_F(Form11Test, ChoosingAJobOrSectionExpandsItAndFillsTheGrid)
{
    storeFour();
    save(SampleDesign("A", "S1", "P0"), SampleSupport());
    exec("UPDATE PrintRecord SET DForm_Date = NULL WHERE Sign_Pos = ?", {database::PadKey("P1")});
    exec("UPDATE PrintRecord SET Selected = -1 WHERE Sign_Pos = ?", {database::PadKey("P2")});
    open(0);
    const QString today = print::StampDate(QDate::currentDate());
    choose(form->Outline1(), Key("A", "S1", "P1"), 2);
    EXPECT_TRUE(form->Outline1()->findItem(Key("A", "S1", ""), 2)->isExpanded());
    EXPECT_EQ(form->LeftFilter().JobSection, database::PadKey("S1"));
    EXPECT_EQ(grid(), (QStringList{"P0\tN\t" + today, "P1\tN\t", "P2\tN\t" + today}));

    const QStringList before = grid();
    click("Command4_1");
    EXPECT_EQ(grid(), before) << "Add leaves the grid as it was";

    choose(form->Outline1(), Key("A", "", ""), 1);
    EXPECT_TRUE(form->Outline1()->findItem(Key("A", "", ""), 1)->isExpanded());
    EXPECT_EQ(grid(), QStringList{"\t\t"}) << "a job item: one blank row";

    choose(form->Outline1(), Key("A", "S1", "P2"), 3);
    EXPECT_EQ(grid(), QStringList{"P2\tN\t" + today});

    // The right side lists only the selected rows of the section.
    exec("UPDATE PrintRecord SET Selected = 0");
    exec("UPDATE PrintRecord SET Selected = -1 WHERE Sign_Pos = ?", {database::PadKey("P2")});
    ASSERT_TRUE(form->FillSelectedOutline());
    choose(form->Outline2(), Key("A", "S1", ""), 2);
    EXPECT_EQ(grid(), QStringList{"P2\tN\t" + today});
}

TEST_F(Form11Test, OrderFormColumnsShowRequisitions)
{
    storeFour();
    open(1);
    EXPECT_EQ(headings(), (QStringList{"Sign Position", "Face Req No", "Face Date", "Support Req No", "Support Date",
                                       "Fitting Req No", "Fitting Date"}));
    choose(form->Outline1(), Key("B", "S1", "P1"), 3);
    const QString today = print::StampDate(QDate::currentDate());
    EXPECT_EQ(grid(), QStringList{"P1\t-\t" + today + "\t-\t" + today + "\t-\t" + today});
}

TEST_F(Form11Test, AnEmptyDatabaseOpensEmpty)
{
    open(0);
    EXPECT_EQ(form->Outline1()->topLevelItemCount(), 0);
    EXPECT_EQ(form->Outline2()->topLevelItemCount(), 0);
    click("Command4_1");
    click("Command4_0");
    EXPECT_TRUE(messages.calls.empty());
    EXPECT_TRUE(form->isVisible());
}

TEST_F(Form11Test, CancelClearsEveryRowInactiveJobsToo)
{
    storeFour();
    exec("UPDATE PrintRecord SET Selected = -1");
    exec("UPDATE JOBS SET Active = 'N' WHERE Job_Code = ?", {database::PadKey("B")});
    open(0);
    click("Command1");
    EXPECT_FALSE(form->isVisible());
    EXPECT_EQ(form->result(), QDialog::Rejected);
    EXPECT_EQ(flags(), (QStringList{"A/S1/P1=0", "A/S1/P2=0", "A/S2/P1=0", "B/S1/P1=0"}));
}

TEST_F(Form11Test, EscapeActsAsCancel)
{
    storeFour();
    exec("UPDATE PrintRecord SET Selected = -1");
    open(2);
    QTest::keyClick(form.get(), Qt::Key_Escape);
    EXPECT_FALSE(form->isVisible());
    EXPECT_EQ(flags(), (QStringList{"A/S1/P1=0", "A/S1/P2=0", "A/S2/P1=0", "B/S1/P1=0"}));
}

TEST_F(Form11Test, ARefusedStatementGivesAMessageAndTheDialogStaysUsable)
{
    storeFour();
    open(0);
    exec("CREATE TRIGGER refuse BEFORE UPDATE OF Selected ON PrintRecord BEGIN "
         "SELECT RAISE(ABORT, 'the selection is locked'); END");
    click("Command4_1");
    ASSERT_EQ(messages.calls.size(), 1u);
    EXPECT_TRUE(messages.calls[0].text.contains("the selection is locked")) << messages.calls[0].text.toStdString();
    EXPECT_TRUE(form->isVisible());
    EXPECT_EQ(form->Outline2()->topLevelItemCount(), 0);
    exec("DROP TRIGGER refuse");
    click("Command4_1");
    EXPECT_EQ(form->Outline2()->signPositionCount(), 3);
    EXPECT_EQ(messages.calls.size(), 1u);
}

struct OkCase {
    int kind;
    const char *status;
    const char *date;
    const char *title;
};

class Form11Ok : public Form11Test, public ::testing::WithParamInterface<OkCase> {};

TEST_P(Form11Ok, PrintsStampsAndClearsTheSelection)
{
    const OkCase c = GetParam();
    storeFour();
    exec("UPDATE JOBS SET Active = 'N' WHERE Job_Code = ?", {database::PadKey("B")});
    exec("UPDATE PrintRecord SET Selected = -1 WHERE Job_Code = ?", {database::PadKey("B")});
    open(c.kind);
    choose(form->Outline1(), Key("A", "S1", ""), 2);
    click("Command4_1");
    click("Command2");
    EXPECT_FALSE(form->isVisible());
    EXPECT_EQ(form->result(), QDialog::Accepted);
    EXPECT_EQ(repaints, 1);
    EXPECT_TRUE(surface.findText(c.title));
    EXPECT_EQ(value(Key("A", "S1", "P1"), c.status), "Y");
    EXPECT_EQ(value(Key("A", "S1", "P2"), c.date), "07/03/2026");
    EXPECT_EQ(value(Key("A", "S2", "P1"), c.status), "N");
    EXPECT_EQ(value(Key("B", "S1", "P1"), c.status), "N");
    EXPECT_EQ(flags(), (QStringList{"A/S1/P1=0", "A/S1/P2=0", "A/S2/P1=0", "B/S1/P1=0"}));
    EXPECT_EQ(progress.calls, (std::vector<Call>{{0, 1}, {50, 2}, {100, 2}, {100, 3}}));
    EXPECT_TRUE(messages.calls.empty());
}

INSTANTIATE_TEST_SUITE_P(Kinds, Form11Ok,
                         ::testing::Values(OkCase{0, "DForm_Print_Status", "DForm_Date", "Kelvora - Design Form"},
                                           OkCase{2, "SForm_Print_Status", "SForm_Date", "Kelvora - Summary Form"}));

// A file changed by another tool: a post length no record field can hold
// stops the job as a failed read does, before any page of it is drawn.
class Form11OutOfRange : public Form11Test, public ::testing::WithParamInterface<OkCase> {};

TEST_P(Form11OutOfRange, StoredValueOutOfRangeIsToldAndNothingIsStamped)
{
    const OkCase c = GetParam();
    save(SampleDesign("Brücke", "Süd", "P1"), SampleSupport());
    save(SampleDesign("Brücke", "Süd", "P2"), SampleSupport());
    setColumn(Key("Brücke", "Süd", "P2"), "SupDesData", "Kerb_Post", 5000000000LL);
    open(c.kind);
    choose(form->Outline1(), Key("Brücke", "Süd", ""), 2);
    click("Command4_1");
    const QStringList selected = flags();
    ASSERT_EQ(selected, (QStringList{"Brücke/Süd/P1=-1", "Brücke/Süd/P2=-1"}));
    click("Command2");

    ASSERT_EQ(messages.calls.size(), 1u);
    EXPECT_EQ(messages.calls[0].text,
              QStringLiteral("The print job failed: The design Brücke / Süd / P2 could not be read: column Kerb_Post "
                             "holds 5000000000, outside its range.\n"
                             "No print status was recorded and the signs stay selected."));
    EXPECT_EQ(messages.calls[0].icon, platform::MessageIcon::Critical);
    for (const QString &text : surface.texts())
        EXPECT_FALSE(text.contains(QStringLiteral("2147483647"))) << text.toStdString();
    EXPECT_EQ(value(Key("Brücke", "Süd", "P1"), c.status), "N");
    EXPECT_EQ(value(Key("Brücke", "Süd", "P2"), c.status), "N");
    EXPECT_NE(value(Key("Brücke", "Süd", "P1"), c.date), "07/03/2026");  // the job's day
    EXPECT_EQ(flags(), selected);
}

INSTANTIATE_TEST_SUITE_P(Kinds, Form11OutOfRange,
                         ::testing::Values(OkCase{0, "DForm_Print_Status", "DForm_Date", "Kelvora - Design Form"},
                                           OkCase{2, "SForm_Print_Status", "SForm_Date", "Kelvora - Summary Form"}));

TEST_F(Form11Test, OkForOrderFormsShowsTheOrderFormAndWritesNothing)
{
    storeFour();
    open(1);
    click("Command4_1");
    const QStringList before = flags();
    click("Command2");
    EXPECT_EQ(orderForms, 1);
    EXPECT_EQ(flags(), before);
    EXPECT_TRUE(surface.items.empty());
    EXPECT_EQ(value(Key("A", "S1", "P1"), "DForm_Print_Status"), "N");
}

TEST_F(Form11Test, PrintSetupCancelledChangesNothing)
{
    storeFour();
    open(0);
    click("Command3_0");
    click("Command3_1");
    EXPECT_TRUE(form->isVisible());
    EXPECT_TRUE(messages.calls.empty());
    EXPECT_TRUE(surface.items.empty());
}

// A file chosen in "Print Setup" that holds an earlier job's pages: a job
// with no signs selected writes no page, so it must not be told as saved.
struct SetupFileCase {
    const char *name;
    bool signsSelected;
};

class Form11PrintSetupFile : public Form11Test, public ::testing::WithParamInterface<SetupFileCase> {
protected:
    void TearDown() override
    {
        print::JobPrinter().setOutputFileName(QString());
        Form11Test::TearDown();
    }
};

TEST_P(Form11PrintSetupFile, TellsOfTheFileOnlyWhenPagesWentToIt)
{
    const SetupFileCase c = GetParam();
    save(SampleDesign("Brücke", "Süd", "P1"), SampleSupport());
    QTemporaryDir out;
    ASSERT_TRUE(out.isValid());
    const QString named = out.filePath(QStringLiteral("Übersicht Straße.pdf"));
    const QByteArray old = "an earlier job's pages";
    {
        QFile earlier(named);
        ASSERT_TRUE(earlier.open(QIODevice::WriteOnly));
        earlier.write(old);
    }
    print::JobPrinter().setOutputFileName(named);
    open(0, true);
    if (c.signsSelected) {
        choose(form->Outline1(), Key("Brücke", "Süd", ""), 2);
        click("Command4_1");
    }
    click("Command2");

    QFile file(named);
    ASSERT_TRUE(file.open(QIODevice::ReadOnly));
    const QByteArray bytes = file.readAll();
    if (c.signsSelected) {
        EXPECT_TRUE(bytes.startsWith("%PDF"));
        ASSERT_EQ(messages.calls.size(), 1u);
        EXPECT_TRUE(messages.calls[0].text.contains(QStringLiteral("Übersicht Straße.pdf")))
            << messages.calls[0].text.toStdString();
    } else {
        EXPECT_EQ(bytes, old) << "nothing was written";
        EXPECT_TRUE(messages.calls.empty()) << messages.calls[0].text.toStdString();
    }
}

INSTANTIATE_TEST_SUITE_P(Jobs, Form11PrintSetupFile,
                         ::testing::Values(SetupFileCase{"NoSignsSelected", false},
                                           SetupFileCase{"SignsSelected", true}),
                         [](const auto &info) { return std::string(info.param.name); });

} // namespace
} // namespace printtest

namespace printtest {
namespace {

TEST_F(Form11Test, KeyboardMovesChooseItemsAsClicksDo)
{
    storeFour();
    open(0);
    form->Outline1()->setFocus();
    QTest::keyClick(form->Outline1(), Qt::Key_Down);
    EXPECT_EQ(form->LeftFilter().JobCode, database::PadKey("B"));
    EXPECT_TRUE(form->Outline1()->findItem(Key("B", "", ""), 1)->isExpanded());
    QTest::keyClick(form->Outline1(), Qt::Key_Down);
    EXPECT_EQ(form->LeftFilter().JobSection, database::PadKey("S1"));
    EXPECT_EQ(grid(), QStringList{"P1\tN\t" + print::StampDate(QDate::currentDate())});
    click("Command4_1");
    EXPECT_EQ(flags(), (QStringList{"A/S1/P1=0", "A/S1/P2=0", "A/S2/P1=0", "B/S1/P1=-1"}));
}

TEST_F(Form11Test, TheOrderFormsCancelClearsTheOrderSelection)
{
    storeFour();
    exec("UPDATE PrintRecord SET Selected = -1, OFormSF_Sel = -1, OFormSF_ReqNo = 'R7'");
    bool shown = false;
    QTimer::singleShot(0, [&] {
        QWidget *modal = QApplication::activeModalWidget();
        shown = modal && modal->windowTitle() == "Sign Order Form";
        if (modal)
            QTest::keyClick(modal, Qt::Key_Escape);
    });
    print::ShowOrderForm(nullptr, {});
    EXPECT_TRUE(shown);
    EXPECT_EQ(flags(), (QStringList{"A/S1/P1=0", "A/S1/P2=0", "A/S2/P1=0", "B/S1/P1=0"}));
    EXPECT_EQ(value(Key("A", "S1", "P1"), "OFormSF_Sel"), "0");
    EXPECT_EQ(value(Key("A", "S1", "P1"), "OFormSF_ReqNo"), "-");
}

} // namespace
} // namespace printtest

#include "platform/services.h"
#include "print/printer_surface.h"

#include <QPrinter>

namespace printtest {
namespace {

TEST_F(Form11Test, ReadFailuresAreToldAndTheDialogStaysUsable)
{
    storeFour();
    open(0);
    exec("PRAGMA foreign_keys = OFF");
    exec("ALTER TABLE PrintRecord RENAME TO PrintRecordAway");
    choose(form->Outline1(), Key("A", "S1", ""), 2);
    ASSERT_EQ(messages.calls.size(), 1u) << "the grid's read";
    EXPECT_EQ(grid(), QStringList{"\t\t"});
    EXPECT_FALSE(form->FillSelectedOutline());
    EXPECT_EQ(messages.calls.size(), 2u);
    EXPECT_EQ(form->Outline2()->topLevelItemCount(), 0);
    click("Command4_1");
    EXPECT_EQ(messages.calls.size(), 3u);
    EXPECT_TRUE(form->isVisible());

    exec("ALTER TABLE PrintRecordAway RENAME TO PrintRecord");
    click("Command4_1");
    EXPECT_EQ(messages.calls.size(), 3u);
    EXPECT_EQ(form->Outline2()->signPositionCount(), 2);
}

class RecordingPrinterSetup final : public platform::PrinterSetupService {
public:
    RecordingPrinterSetup() { platform::setPrinterSetup(this); }
    ~RecordingPrinterSetup() override { platform::setPrinterSetup(nullptr); }
    bool setUpPrinter(QPrinter &printer) override
    {
        printers.push_back(&printer);
        return false;
    }
    std::vector<QPrinter *> printers;
};

TEST_F(Form11Test, PrintSetupOffersTheJobPrinter)
{
    storeFour();
    RecordingPrinterSetup setup;
    open(0);
    click("Command3_0");
    ASSERT_EQ(setup.printers.size(), 1u);
    EXPECT_EQ(setup.printers[0], &print::JobPrinter());
    click("Command3_1");
    EXPECT_EQ(setup.printers.size(), 1u) << "Page Setup does nothing";
    EXPECT_TRUE(form->isVisible());
    EXPECT_TRUE(surface.items.empty()) << "no page";
}

} // namespace
} // namespace printtest
