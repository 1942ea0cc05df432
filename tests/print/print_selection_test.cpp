// The print selection in PrintRecord, the status grid's rows and the stamped
// print unit, on a real database with designs stored by the program's save.

#include "print_test_support.h"

#include "print/print_selection.h"
#include "print/printer_surface.h"
#include "print/stamped_print_job.h"

#include <QFile>

namespace printtest {
namespace {

using Call = testing_support::RecordingProgress::Call;

class SelectionTest : public PrintDbTest {
protected:
    void SetUp() override
    {
        PrintDbTest::SetUp();
        for (const auto &[job, section, pos] : std::vector<std::array<const char *, 3>>{
                 {"A", "S1", "P1"}, {"A", "S1", "P2"}, {"A", "S2", "P1"}, {"B", "S1", "P1"}})
            save(SampleDesign(job, section, pos), SampleSupport());
        progress.calls.clear();
    }
    // Selected of every row, "job/section/pos=value", in key order.
    QStringList flags(const char *column = "Selected")
    {
        platform::SqlRows rows;
        EXPECT_TRUE(db().select(QStringLiteral("SELECT Job_Code, Job_Section, Sign_Pos, %1 FROM PrintRecord "
                                               "ORDER BY Job_Code, Job_Section, Sign_Pos")
                                    .arg(column),
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
    testing_support::RecordingProgress progress;
};

struct LevelCase {
    int level;
    bool mark;
    QStringList expected;
};

class SelectionLevels : public SelectionTest, public ::testing::WithParamInterface<LevelCase> {};

TEST_P(SelectionLevels, ChangeExactlyTheRowsOfTheItem)
{
    const LevelCase c = GetParam();
    if (!c.mark)
        exec("UPDATE PrintRecord SET Selected = -1");
    // Parts below the level are ignored whatever they hold.
    const StoredDesignKey key = Key("A", "S1", "P2");
    const platform::SqlStatus s = c.mark ? print::MarkSignsSelected(db(), c.level, key)
                                         : print::ClearSignsSelected(db(), c.level, key);
    ASSERT_TRUE(s.ok()) << s.text().toStdString();
    EXPECT_EQ(flags(), c.expected);
}

INSTANTIATE_TEST_SUITE_P(
    Levels, SelectionLevels,
    ::testing::Values(LevelCase{1, true, {"A/S1/P1=-1", "A/S1/P2=-1", "A/S2/P1=-1", "B/S1/P1=0"}},
                      LevelCase{2, true, {"A/S1/P1=-1", "A/S1/P2=-1", "A/S2/P1=0", "B/S1/P1=0"}},
                      LevelCase{3, true, {"A/S1/P1=0", "A/S1/P2=-1", "A/S2/P1=0", "B/S1/P1=0"}},
                      LevelCase{0, true, {"A/S1/P1=0", "A/S1/P2=0", "A/S2/P1=0", "B/S1/P1=0"}},
                      LevelCase{1, false, {"A/S1/P1=0", "A/S1/P2=0", "A/S2/P1=0", "B/S1/P1=-1"}},
                      LevelCase{2, false, {"A/S1/P1=0", "A/S1/P2=0", "A/S2/P1=-1", "B/S1/P1=-1"}},
                      LevelCase{3, false, {"A/S1/P1=-1", "A/S1/P2=0", "A/S2/P1=-1", "B/S1/P1=-1"}}));

TEST_F(SelectionTest, KeysWithQuotesAndPatternCharactersMatchOnlyThemselves)
{
    save(SampleDesign("A%", "S'1", "P_"), SampleSupport());
    ASSERT_TRUE(print::MarkSignsSelected(db(), 1, Key("A%", "", "")).ok());
    EXPECT_EQ(value(Key("A%", "S'1", "P_"), "Selected"), "-1");
    EXPECT_EQ(value(Key("A", "S1", "P1"), "Selected"), "0");
    ASSERT_TRUE(print::MarkSignsSelected(db(), 3, Key("A", "S1", "P_")).ok());
    EXPECT_EQ(value(Key("A", "S1", "P1"), "Selected"), "0");
}

TEST_F(SelectionTest, FlagsAreTickedWhenNonZero)
{
    EXPECT_TRUE(print::IsTicked(-1));
    EXPECT_TRUE(print::IsTicked(1));
    EXPECT_TRUE(print::IsTicked(QStringLiteral("-1")));
    EXPECT_FALSE(print::IsTicked(0));
    EXPECT_FALSE(print::IsTicked(QVariant()));
    EXPECT_EQ(print::StampDate(QDate(2026, 3, 7)), "07/03/2026");
}

TEST_F(SelectionTest, ReaderListsSelectedRowsOfActiveJobsInBrowserOrder)
{
    save(SampleDesign("a", "S3", "P1"), SampleSupport());
    exec("UPDATE PrintRecord SET Selected = -1");
    exec("UPDATE PrintRecord SET Selected = 1 WHERE Job_Code = ?", {database::PadKey("a")});
    exec("UPDATE JOBS SET Active = 'N' WHERE Job_Code = ?", {database::PadKey("B")});
    exec("UPDATE PrintRecord SET Selected = 0 WHERE Job_Section = ?", {database::PadKey("S2")});
    std::vector<StoredDesignKey> keys;
    ASSERT_TRUE(print::ReadSelectedPrintKeys(db(), keys).ok());
    QStringList got;
    for (const auto &k : keys)
        got << k.JobCode.trimmed() + "/" + k.JobSection.trimmed() + "/" + k.SignPos.trimmed();
    EXPECT_EQ(got, (QStringList{"A/S1/P1", "A/S1/P2", "a/S3/P1"}));
    EXPECT_EQ(keys[0].SignPos, database::PadKey("P1")) << "parts as stored";
}

TEST_F(SelectionTest, CancelClearsEveryRowInactiveJobsToo)
{
    exec("UPDATE PrintRecord SET Selected = -1, OFormSF_Sel = -1");
    exec("UPDATE JOBS SET Active = 'N' WHERE Job_Code = ?", {database::PadKey("B")});
    ASSERT_TRUE(print::ClearAllSelected(db()).ok());
    EXPECT_EQ(flags(), (QStringList{"A/S1/P1=0", "A/S1/P2=0", "A/S2/P1=0", "B/S1/P1=0"}));
    EXPECT_EQ(flags("OFormSF_Sel"), (QStringList{"A/S1/P1=-1", "A/S1/P2=-1", "A/S2/P1=-1", "B/S1/P1=-1"}));
}

TEST_F(SelectionTest, OrderCancelResetsUnprintedRequisitionsAndEveryFlag)
{
    exec("UPDATE PrintRecord SET Selected = -1, OFormSF_Sel = -1, OFormSP_Sel = -1, OFormFT_Sel = -1, "
         "OFormSF_ReqNo = 'R1', OFormSP_ReqNo = 'R2'");
    exec("UPDATE PrintRecord SET OFormSP_Print_Status = 'Y'");
    ASSERT_TRUE(print::CancelOrderSelection(db()).ok());
    EXPECT_EQ(value(Key("A", "S1", "P1"), "OFormSF_ReqNo"), "-");
    EXPECT_EQ(value(Key("A", "S1", "P1"), "OFormSP_ReqNo"), "R2");
    for (const char *column : {"Selected", "OFormSF_Sel", "OFormSP_Sel", "OFormFT_Sel"})
        EXPECT_EQ(flags(column), (QStringList{"A/S1/P1=0", "A/S1/P2=0", "A/S2/P1=0", "B/S1/P1=0"})) << column;
}

TEST_F(SelectionTest, StampsOnlyTheGivenKeys)
{
    ASSERT_TRUE(print::StampRows(db(), {Key("A", "S1", "P2"), Key("B", "S1", "P1")},
                                 print::SummaryFormStamps(QDate(2026, 1, 2)))
                    .ok());
    EXPECT_EQ(value(Key("A", "S1", "P2"), "SForm_Print_Status"), "Y");
    EXPECT_EQ(value(Key("A", "S1", "P2"), "SForm_Date"), "02/01/2026");
    EXPECT_EQ(value(Key("B", "S1", "P1"), "SForm_Print_Status"), "Y");
    EXPECT_EQ(value(Key("A", "S1", "P1"), "SForm_Print_Status"), "N");
    EXPECT_EQ(value(Key("A", "S1", "P2"), "DForm_Print_Status"), "N");
}

TEST_F(SelectionTest, StampsOnlyTickedRowsOfTheGivenKeys)
{
    exec("UPDATE PrintRecord SET OFormSP_Sel = -1 WHERE Sign_Pos = ?", {database::PadKey("P1")});
    ASSERT_TRUE(print::StampTickedRows(db(), {Key("A", "S1", "P1"), Key("A", "S1", "P2")}, print::OrderSupportSelColumn,
                                       {{"OFormSP_Print_Status", "Y"}, {"OFormSP_ReqNo", "R9"}})
                    .ok());
    EXPECT_EQ(value(Key("A", "S1", "P1"), "OFormSP_ReqNo"), "R9");
    EXPECT_EQ(value(Key("A", "S1", "P1"), "OFormSP_Print_Status"), "Y");
    EXPECT_EQ(value(Key("A", "S1", "P2"), "OFormSP_ReqNo"), "-") << "not ticked";
    EXPECT_EQ(value(Key("A", "S2", "P1"), "OFormSP_ReqNo"), "-") << "ticked but not printed";
}

// ---------------------------------------------------------------------------
// The status grid's rows.

TEST_F(SelectionTest, StatusRowsOfASectionInSignPositionOrder)
{
    save(SampleDesign("A", "S1", "P0"), SampleSupport());
    exec("UPDATE PrintRecord SET Selected = -1 WHERE Sign_Pos = ?", {database::PadKey("P2")});
    exec("UPDATE PrintRecord SET DForm_Date = NULL WHERE Sign_Pos = ?", {database::PadKey("P1")});
    const QString today = print::StampDate(QDate::currentDate());
    std::vector<print::PrintStatusRow> rows;
    ASSERT_TRUE(print::ReadPrintStatus(db(), 0, Key("A", "S1", ""), false, rows).ok());
    ASSERT_EQ(rows.size(), 3u);
    EXPECT_EQ(rows[0].cells, (QStringList{database::PadKey("P0"), "N", today}));
    EXPECT_EQ(rows[1].cells, (QStringList{database::PadKey("P1"), "N", ""})) << "Null shows empty";
    EXPECT_EQ(rows[2].signPos, database::PadKey("P2"));

    ASSERT_TRUE(print::ReadPrintStatus(db(), 0, Key("A", "S1", ""), true, rows).ok());
    ASSERT_EQ(rows.size(), 1u);
    EXPECT_EQ(rows[0].signPos, database::PadKey("P2"));

    ASSERT_TRUE(print::ReadPrintStatus(db(), 1, Key("A", "S1", "P0"), false, rows).ok());
    ASSERT_EQ(rows.size(), 1u);
    EXPECT_EQ(rows[0].cells, (QStringList{database::PadKey("P0"), "-", today, "-", today, "-", today}));

    ASSERT_TRUE(print::ReadPrintStatus(db(), 2, Key("A", "", ""), false, rows).ok());
    EXPECT_TRUE(rows.empty()) << "a job item lists nothing";
}

TEST_F(SelectionTest, HeadingsPerKind)
{
    EXPECT_EQ(print::PrintStatusHeadings(0), (QStringList{"Sign Position", "Printed", "Date"}));
    EXPECT_EQ(print::PrintStatusHeadings(2), (QStringList{"Sign Position", "Printed", "Date"}));
    EXPECT_EQ(print::PrintStatusHeadings(1),
              (QStringList{"Sign Position", "Face Req No", "Face Date", "Support Req No", "Support Date",
                           "Fitting Req No", "Fitting Date"}));
}

// ---------------------------------------------------------------------------
// The stamped print unit.

// A recording surface whose device fails when page 2 begins.
struct FailingOnPageTwo : FixedSurface {
    void beginPage(int page, int16_t orientation) override
    {
        if (page == 2)
            setFailure(QStringLiteral("The printer went away."));
        FixedSurface::beginPage(page, orientation);
    }
};

struct KindCase {
    int kind;
    const char *status;
    const char *date;
    const char *title;
};

class StampedJob : public SelectionTest, public ::testing::WithParamInterface<KindCase> {};

TEST_P(StampedJob, StampsExactlyThePrintedRowsAndClearsTheSelection)
{
    const KindCase c = GetParam();
    exec("UPDATE PrintRecord SET Selected = -1 WHERE Job_Section = ? OR Job_Code = ?",
         {database::PadKey("S1"), database::PadKey("B")});
    exec("UPDATE JOBS SET Active = 'N' WHERE Job_Code = ?", {database::PadKey("B")});
    exec(QStringLiteral("UPDATE PrintRecord SET %1 = '01/01/2020'").arg(c.date));
    FixedSurface s;
    const QDate day(2026, 3, 7);
    const print::StampedJobResult r = print::RunStampedPrintJob(db(), s, print::PrintJobOfKind(c.kind), day);
    ASSERT_TRUE(r.ok) << r.message.toStdString();
    EXPECT_EQ(r.designs, 2);
    EXPECT_TRUE(messages.calls.empty());
    EXPECT_TRUE(s.findText(c.title));
    for (const char *pos : {"P1", "P2"}) {
        EXPECT_EQ(value(Key("A", "S1", pos), c.status), "Y");
        EXPECT_EQ(value(Key("A", "S1", pos), c.date), "07/03/2026");
    }
    EXPECT_EQ(value(Key("A", "S2", "P1"), c.status), "N");
    EXPECT_EQ(value(Key("B", "S1", "P1"), c.status), "N") << "an inactive job's selected row is not printed";
    EXPECT_EQ(value(Key("B", "S1", "P1"), c.date), "01/01/2020");
    EXPECT_EQ(flags(), (QStringList{"A/S1/P1=0", "A/S1/P2=0", "A/S2/P1=0", "B/S1/P1=0"}));
    ASSERT_FALSE(progress.calls.empty());
    EXPECT_EQ(progress.calls.front(), (Call{0, 1}));
    EXPECT_EQ(progress.calls.back(), (Call{100, 3}));
}

TEST_P(StampedJob, ADeviceFailingOnPageTwoChangesNothing)
{
    const KindCase c = GetParam();
    // Enough designs to reach a second page on either form.
    for (int i = 0; i < 40; ++i)
        save(SampleDesign("C", "S", QStringLiteral("P%1").arg(i, 2, 10, QLatin1Char('0')).toUtf8().constData()),
             SampleSupport());
    exec("UPDATE PrintRecord SET Selected = -1 WHERE Job_Code = ?", {database::PadKey("C")});
    progress.calls.clear();
    FailingOnPageTwo s;
    const print::StampedJobResult r =
        print::RunStampedPrintJob(db(), s, print::PrintJobOfKind(c.kind), QDate(2026, 3, 7));
    EXPECT_FALSE(r.ok);
    EXPECT_TRUE(s.aborted);
    ASSERT_EQ(messages.calls.size(), 1u);
    EXPECT_TRUE(messages.calls[0].text.contains("The printer went away.")) << messages.calls[0].text.toStdString();
    EXPECT_EQ(messages.calls[0].icon, platform::MessageIcon::Critical);
    EXPECT_EQ(progress.calls.back(), (Call{0, 3}));
    EXPECT_EQ(value(Key("C", "S", "P00"), c.status), "N");
    EXPECT_EQ(value(Key("C", "S", "P00"), "Selected"), "-1") << "kept for a retry";
    EXPECT_EQ(value(Key("C", "S", "P39"), "Selected"), "-1");
}

INSTANTIATE_TEST_SUITE_P(Kinds, StampedJob,
                         ::testing::Values(KindCase{0, "DForm_Print_Status", "DForm_Date", "Kelvora - Design Form"},
                                           KindCase{2, "SForm_Print_Status", "SForm_Date",
                                                    "Kelvora - Summary Form"}));

TEST_F(SelectionTest, AFailedReadLeavesNoPdfAndNoStamp)
{
    exec("UPDATE PrintRecord SET Selected = -1");
    // A trigger that refuses the stamps makes the step fail before printing.
    exec("CREATE TRIGGER refuse BEFORE UPDATE OF SForm_Date ON PrintRecord BEGIN "
         "SELECT RAISE(ABORT, 'stamps refused'); END");
    const QString pdf = dir.filePath("summary.pdf");
    const auto surface = print::PrinterSurface::ForPdf(pdf);
    const print::StampedJobResult r = print::RunStampedPrintJob(db(), *surface, print::SummaryFormPrintJob());
    EXPECT_FALSE(r.ok);
    EXPECT_FALSE(QFile::exists(pdf));
    ASSERT_EQ(messages.calls.size(), 1u);
    EXPECT_TRUE(messages.calls[0].text.contains("stamps refused"));
    EXPECT_EQ(value(Key("A", "S1", "P1"), "SForm_Print_Status"), "N");
    EXPECT_EQ(value(Key("A", "S1", "P1"), "Selected"), "-1");
    EXPECT_EQ(progress.calls, (std::vector<Call>{{0, 3}}));
}

TEST_F(SelectionTest, ARefusedClearingPrintsNothing)
{
    exec("UPDATE PrintRecord SET Selected = -1");
    exec("CREATE TRIGGER refuse BEFORE UPDATE OF Selected ON PrintRecord WHEN NEW.Selected = 0 BEGIN "
         "SELECT RAISE(ABORT, 'clearing refused'); END");
    const QString pdf = dir.filePath("forms.pdf");
    const auto surface = print::PrinterSurface::ForPdf(pdf);
    const print::StampedJobResult r = print::RunStampedPrintJob(db(), *surface, print::DesignFormPrintJob());
    EXPECT_FALSE(r.ok);
    ASSERT_EQ(messages.calls.size(), 1u);
    EXPECT_TRUE(messages.calls[0].text.contains("clearing refused"));
    EXPECT_FALSE(QFile::exists(pdf));
    EXPECT_EQ(value(Key("A", "S1", "P1"), "DForm_Print_Status"), "N");
}

TEST_F(SelectionTest, NothingSelectedIsASuccessThatPrintsNothing)
{
    FixedSurface s;
    const print::StampedJobResult r = print::RunStampedPrintJob(db(), s, print::SummaryFormPrintJob());
    EXPECT_TRUE(r.ok);
    EXPECT_TRUE(s.items.empty());
    EXPECT_TRUE(messages.calls.empty());
    EXPECT_TRUE(progress.calls.empty());
}

} // namespace
} // namespace printtest

namespace printtest {
namespace {

TEST_F(SelectionTest, ACommitFailingAfterThePagesSaysTheyPrinted)
{
    exec("UPDATE PrintRecord SET Selected = -1 WHERE Job_Code = ?", {database::PadKey("A")});
    // A row without its design, checked only at the commit.
    exec("CREATE TRIGGER orphan AFTER UPDATE OF Selected ON PrintRecord WHEN NEW.Selected = 0 BEGIN "
         "INSERT OR IGNORE INTO PrintRecord (Job_Code, Job_Section, Sign_Pos) VALUES ('X', 'X', 'X'); END");
    exec("PRAGMA defer_foreign_keys = ON");
    FixedSurface s;
    const print::StampedJobResult r = print::RunStampedPrintJob(db(), s, print::SummaryFormPrintJob());
    EXPECT_FALSE(r.ok);
    EXPECT_TRUE(r.printedNotRecorded);
    EXPECT_TRUE(s.ended) << "the document is out";
    ASSERT_EQ(messages.calls.size(), 1u);
    EXPECT_TRUE(messages.calls[0].text.startsWith("The pages were printed, but their print status could not be "
                                                  "recorded"))
        << messages.calls[0].text.toStdString();
    EXPECT_EQ(value(Key("A", "S1", "P1"), "SForm_Print_Status"), "N");
    EXPECT_EQ(value(Key("A", "S1", "P1"), "Selected"), "-1");
    EXPECT_EQ(progress.calls.back(), (Call{0, 3}));
}

} // namespace
} // namespace printtest
