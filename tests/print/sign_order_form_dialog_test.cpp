// The sign order form dialog driven offscreen through its buttons, ticks,
// outline and scroll bar, printing through the order-form unit onto a
// recording.

#include "database/ui/design_browser.h"
#include "print/order_form_unit.h"
#include "print/ui/sign_order_form_dialog.h"
#include "print_test_support.h"

#include <gtest/gtest.h>

#include <QApplication>
#include <QCheckBox>
#include <QLabel>
#include <QLineEdit>
#include <QPushButton>
#include <QScrollBar>
#include <QTest>

namespace printtest {
namespace {

using Call = testing_support::RecordingProgress::Call;

// A recording whose items outlive the job that drew them.
struct KeptSurface : FixedSurface {
    explicit KeptSurface(std::vector<Item> *out, int failOnPage) : out_(out), failOnPage_(failOnPage) {}
    ~KeptSurface() override { *out_ = items; }
    void beginPage(int page, int16_t orientation) override
    {
        if (page == failOnPage_)
            setFailure(QStringLiteral("The printer stopped on page 2."));
        else
            FixedSurface::beginPage(page, orientation);
    }
    std::vector<Item> *out_;
    int failOnPage_;
};

class SignOrderFormTest : public PrintDbTest {
protected:
    void store(const char *job, const char *section, const char *pos, bool selected = true)
    {
        save(SampleDesign(job, section, pos), SampleSupport());
        if (selected)
            setColumn(Key(job, section, pos), "PrintRecord", "Selected", -1);
    }
    std::unique_ptr<print::Form10> open()
    {
        print::SignOrderServices services;
        services.printOrders = [this](const QString &reqNo) {
            ++jobs;
            return print::RunOrderPrintUnit(
                db(), [this] { return std::make_unique<KeptSurface>(&printed, failOnPage); }, reqNo,
                QDate(2026, 3, 7));
        };
        services.repaintMainWindow = [this] { ++repaints; };
        services.printerSetup = [this](QWidget *) { ++setups; };
        auto dialog = std::make_unique<print::Form10>(db(), services);
        dialog->show();
        return dialog;
    }
    void pick(print::Form10 &d, const char *job, const char *section = "", const char *pos = "")
    {
        const int level = *pos ? database::SignPositionLevel : *section ? database::SectionLevel : database::JobLevel;
        QTreeWidgetItem *item = d.outline()->findItem(Key(job, section, pos), level);
        ASSERT_NE(item, nullptr) << job << "/" << section << "/" << pos;
        d.outline()->chooseItem(item);
    }
    QStringList shownRows(const print::Form10 &d)
    {
        QStringList out;
        for (int s = 0; s < print::OrderSlotCount; ++s)
            if (d.slotLabel(s)->isVisible())
                out << d.slotLabel(s)->text();
        return out;
    }
    QVariant stored(const char *job, const char *section, const char *pos, const char *column)
    {
        platform::SqlRows rows;
        QVariantList p = database::DesignKeyParams(database::PadKey(job), database::PadKey(section),
                                                   database::PadKey(pos));
        EXPECT_TRUE(db().select(QStringLiteral("SELECT %1 FROM PrintRecord WHERE %2")
                                    .arg(QLatin1String(column), QLatin1String(database::DesignKeyCondition)),
                                p, rows)
                        .ok());
        return rows.empty() ? QVariant() : rows[0][0];
    }
    int flagsSet()
    {
        platform::SqlRows rows;
        EXPECT_TRUE(db().select("SELECT COUNT(*) FROM PrintRecord WHERE Selected <> 0 OR OFormSF_Sel <> 0 OR "
                                "OFormSP_Sel <> 0 OR OFormFT_Sel <> 0",
                                {}, rows)
                        .ok());
        return rows[0][0].toInt();
    }

    std::vector<print::RecordingSurface::Item> printed;
    int failOnPage = 0;
    int jobs = 0;
    int repaints = 0;
    int setups = 0;
    testing_support::RecordingProgress progress;
};

TEST_F(SignOrderFormTest, OpensWithoutRowsAndAJobPickOnlyExpands)
{
    store("J", "S", "1");
    store("J", "S", "2");
    store("K", "S", "1", false);  // not selected: not listed
    auto d = open();
    EXPECT_EQ(d->windowTitle(), "Sign Order Form");
    EXPECT_EQ(d->outline()->signPositionCount(), 2);
    EXPECT_EQ(d->OrderRowCount(), 0);
    EXPECT_FALSE(d->scrollBar()->isVisible());
    EXPECT_TRUE(shownRows(*d).isEmpty());
    for (int c = 1; c <= 3; ++c)
        EXPECT_EQ(d->selectAllButton(c)->text(), "Select All");
    pick(*d, "J");
    EXPECT_TRUE(d->outline()->findItem(Key("J", "", ""), database::JobLevel)->isExpanded());
    EXPECT_EQ(d->OrderRowCount(), 0);
    EXPECT_TRUE(shownRows(*d).isEmpty());
}

TEST_F(SignOrderFormTest, SectionRowsSortedAndASignPositionAlone)
{
    for (const char *pos : {"C", "A", "B"})
        store("J", "S", pos);
    store("J", "T", "A");
    auto d = open();
    pick(*d, "J", "S");
    EXPECT_TRUE(d->outline()->findItem(Key("J", "S", ""), database::SectionLevel)->isExpanded());
    EXPECT_EQ(shownRows(*d), (QStringList{"A", "B", "C"}));
    pick(*d, "J", "S", "B");
    EXPECT_EQ(shownRows(*d), (QStringList{"B"}));
}

TEST_F(SignOrderFormTest, ScrollBarFromNineRows)
{
    for (int i = 1; i <= 8; ++i)
        store("J", "N", QString("P%1").arg(i).toLatin1().constData());
    store("J", "E", "P1");
    for (int i = 10; i <= 21; ++i)
        store("J", "T", QString("P%1").arg(i).toLatin1().constData());
    auto d = open();
    pick(*d, "J", "N");
    EXPECT_EQ(d->OrderRowCount(), 8);
    EXPECT_FALSE(d->scrollBar()->isVisible());
    pick(*d, "J", "E");
    EXPECT_EQ(d->OrderRowCount(), 1);
    pick(*d, "J", "T");
    EXPECT_EQ(d->OrderRowCount(), 12);
    ASSERT_TRUE(d->scrollBar()->isVisible());
    EXPECT_EQ(d->scrollBar()->minimum(), 1);
    EXPECT_EQ(d->scrollBar()->maximum(), 5);
    EXPECT_EQ(d->scrollBar()->value(), 1);
    EXPECT_EQ(shownRows(*d).size(), 10);
    d->scrollBar()->setValue(5);  // the last position shows the last 8 rows
    EXPECT_EQ(d->OrderTopRow(), 5);
    EXPECT_EQ(shownRows(*d).size(), 8);
    EXPECT_EQ(shownRows(*d).last(), "P21");
    pick(*d, "J");
    EXPECT_FALSE(d->scrollBar()->isVisible());
    EXPECT_TRUE(shownRows(*d).isEmpty());
}

TEST_F(SignOrderFormTest, NineRowsGiveTheRangeOneToTwo)
{
    for (int i = 1; i <= 9; ++i)
        store("J", "S", QString("P%1").arg(i).toLatin1().constData());
    auto d = open();
    pick(*d, "J", "S");
    ASSERT_TRUE(d->scrollBar()->isVisible());
    EXPECT_EQ(d->scrollBar()->minimum(), 1);
    EXPECT_EQ(d->scrollBar()->maximum(), 2);
    EXPECT_EQ(shownRows(*d).size(), 9);
}

TEST_F(SignOrderFormTest, CaptionsShowTheEnteredNumberWhenTicked)
{
    store("J", "S", "1");
    store("J", "S", "2");
    setColumn(Key("J", "S", "2"), "PrintRecord", "OFormSP_ReqNo", "OLD-7");
    auto d = open();
    pick(*d, "J", "S");
    EXPECT_EQ(d->tick(2, 1)->text(), "OLD-7");
    EXPECT_EQ(d->tick(1, 0)->text(), "-");
    QTest::keyClicks(d->requisitionBox(), "  R100 ");
    EXPECT_EQ(d->EnteredReqNo(), "R100");
    d->tick(2, 1)->click();
    EXPECT_TRUE(d->OrderTick(2, 2));
    EXPECT_EQ(d->tick(2, 1)->text(), "R100");
    // Typing leaves the captions until the next tick, scroll, Select All or pick.
    QTest::keyClicks(d->requisitionBox(), "X");
    EXPECT_EQ(d->tick(2, 1)->text(), "R100");
    d->tick(2, 1)->click();
    EXPECT_FALSE(d->OrderTick(2, 2));
    EXPECT_EQ(d->tick(2, 1)->text(), "OLD-7");
    d->tick(1, 0)->click();
    EXPECT_EQ(d->tick(1, 0)->text(), "R100 X");
    // The entry holds at most 15 characters.
    d->requisitionBox()->setText(QString(20, 'N'));
    EXPECT_EQ(d->EnteredReqNo().size(), 15);
}

TEST_F(SignOrderFormTest, SelectAllTwiceOnColumnTwoTouchesOnlyThatColumnAndStoresNothing)
{
    for (int i = 1; i <= 11; ++i)
        store("J", "S", QString("P%1").arg(i, 2, 10, QChar('0')).toLatin1().constData());
    auto d = open();
    pick(*d, "J", "S");
    QTest::mouseClick(d->selectAllButton(2), Qt::LeftButton);
    EXPECT_EQ(d->selectAllButton(2)->text(), "Deselect All");
    for (int r = 1; r <= 11; ++r) {  // rows scrolled out of sight too
        EXPECT_TRUE(d->OrderTick(2, r)) << r;
        EXPECT_FALSE(d->OrderTick(1, r)) << r;
        EXPECT_FALSE(d->OrderTick(3, r)) << r;
    }
    EXPECT_TRUE(d->tick(2, 9)->isChecked());
    EXPECT_EQ(stored("J", "S", "P11", "OFormSP_Sel").toInt(), 0);
    QTest::mouseClick(d->selectAllButton(2), Qt::LeftButton);
    EXPECT_EQ(d->selectAllButton(2)->text(), "Select All");
    for (int r = 1; r <= 11; ++r)
        EXPECT_FALSE(d->OrderTick(2, r)) << r;
    EXPECT_FALSE(d->tick(2, 0)->isChecked());
}

TEST_F(SignOrderFormTest, TicksSurviveMovingBetweenSections)
{
    store("J", "S", "1");
    store("J", "T", "1");
    auto d = open();
    pick(*d, "J", "S");
    d->tick(1, 0)->click();
    d->tick(3, 0)->click();
    pick(*d, "J", "T");  // the pick saves the ticks of S
    EXPECT_EQ(stored("J", "S", "1", "OFormSF_Sel").toInt(), -1);
    EXPECT_EQ(stored("J", "S", "1", "OFormFT_Sel").toInt(), -1);
    EXPECT_FALSE(d->tick(1, 0)->isChecked());
    pick(*d, "J", "S");
    EXPECT_TRUE(d->tick(1, 0)->isChecked());
    EXPECT_FALSE(d->tick(2, 0)->isChecked());
    EXPECT_TRUE(d->tick(3, 0)->isChecked());
}

TEST_F(SignOrderFormTest, ReactivationKeepsUnsavedTicksAndANewShowingReloads)
{
    store("J", "S", "1");
    auto d = open();
    pick(*d, "J", "S");
    d->tick(2, 0)->click();  // not yet saved
    QWidget other;
    other.show();
    QApplication::setActiveWindow(&other);
    QApplication::setActiveWindow(d.get());
    QEvent activate(QEvent::WindowActivate);
    QApplication::sendEvent(d.get(), &activate);
    EXPECT_TRUE(d->OrderTick(2, 1));
    EXPECT_TRUE(d->tick(2, 0)->isChecked());
    EXPECT_EQ(stored("J", "S", "1", "OFormSP_Sel").toInt(), 0);
    // Hidden and shown again: activation runs anew with the filters kept.
    d->hide();
    d->show();
    EXPECT_EQ(d->OrderRowCount(), 1);
    EXPECT_FALSE(d->OrderTick(2, 1));  // the unsaved tick was never stored
}

TEST_F(SignOrderFormTest, PrintWithABlankNumberWarnsAndWritesNothing)
{
    store("J", "S", "1");
    auto d = open();
    pick(*d, "J", "S");
    d->tick(1, 0)->click();
    QTest::keyClicks(d->requisitionBox(), "   ");
    QTest::mouseClick(d->printButton(), Qt::LeftButton);
    ASSERT_EQ(messages.calls.size(), 1u);
    EXPECT_EQ(messages.calls[0].text, "Please enter a Requsisition Number before printing");
    EXPECT_EQ(messages.calls[0].title, "Warning");
    EXPECT_EQ(messages.calls[0].icon, platform::MessageIcon::Exclamation);
    EXPECT_EQ(stored("J", "S", "1", "OFormSF_Sel").toInt(), 0);
    EXPECT_TRUE(d->isVisible());
    EXPECT_EQ(jobs, 0);
}

TEST_F(SignOrderFormTest, PrintStampsOnlyTickedKindsOfPrintedRowsAndClearsEveryFlag)
{
    store("J", "S", "1");
    store("J", "S", "2");
    store("J", "T", "1");
    store("K", "S", "1");  // selected, but its job is inactive
    exec("UPDATE JOBS SET Active = 'N' WHERE Job_Code = ?", {database::PadKey("K")});
    // A tick left on a row that is not selected must not be stamped.
    save(SampleDesign("J", "U", "1"), SampleSupport());
    setColumn(Key("J", "U", "1"), "PrintRecord", "OFormSF_Sel", -1);
    auto d = open();
    pick(*d, "J", "S");
    d->tick(1, 0)->click();  // J/S/1 sign face
    d->tick(2, 1)->click();  // J/S/2 supports
    pick(*d, "J", "T");
    d->tick(3, 0)->click();  // J/T/1 fittings
    QTest::keyClicks(d->requisitionBox(), "O'Brien 1");
    QTest::mouseClick(d->printButton(), Qt::LeftButton);
    EXPECT_TRUE(messages.calls.empty());
    EXPECT_FALSE(d->isVisible());
    EXPECT_EQ(repaints, 1);
    EXPECT_EQ(jobs, 1);

    struct Expect {
        const char *section, *pos, *kind;
        bool stamped;
    };
    for (const Expect &e : {Expect{"S", "1", "SF", true}, Expect{"S", "1", "SP", false}, Expect{"S", "1", "FT", false},
                            Expect{"S", "2", "SP", true}, Expect{"S", "2", "SF", false}, Expect{"T", "1", "FT", true},
                            Expect{"T", "1", "SF", false}, Expect{"U", "1", "SF", false}}) {
        const std::string prefix = std::string("OForm") + e.kind;
        EXPECT_EQ(stored("J", e.section, e.pos, (prefix + "_Print_Status").c_str()).toString(), e.stamped ? "Y" : "N")
            << e.section << e.pos << e.kind;
        EXPECT_EQ(stored("J", e.section, e.pos, (prefix + "_ReqNo").c_str()).toString(), e.stamped ? "O'Brien 1" : "-")
            << e.section << e.pos << e.kind;
        if (e.stamped) {
            EXPECT_EQ(stored("J", e.section, e.pos, (prefix + "_Date").c_str()).toString(), "07/03/2026");
        }
    }
    EXPECT_EQ(flagsSet(), 0);
    // The page carries the number as typed and the three designs.
    int requisitionLines = 0;
    for (const auto &item : printed)
        if (item.text == " Requisition Number : O'Brien 1")
            ++requisitionLines;
    EXPECT_EQ(requisitionLines, 1);
    EXPECT_EQ(progress.calls.back(), (Call{100, 3}));
}

TEST_F(SignOrderFormTest, CancelResetsUnprintedNumbersAndClearsFlags)
{
    store("J", "S", "1");
    store("J", "S", "2");
    exec("UPDATE PrintRecord SET OFormSF_Print_Status = 'Y', OFormSF_ReqNo = 'KEEP', OFormSP_ReqNo = 'DROP', "
         "OFormFT_Sel = -1 WHERE Sign_Pos = ?",
         {database::PadKey("1")});
    auto d = open();
    pick(*d, "J", "S");
    d->tick(2, 1)->click();  // unsaved: dropped
    QTest::mouseClick(d->cancelButton(), Qt::LeftButton);
    EXPECT_FALSE(d->isVisible());
    EXPECT_EQ(stored("J", "S", "1", "OFormSF_ReqNo").toString(), "KEEP");
    EXPECT_EQ(stored("J", "S", "1", "OFormSP_ReqNo").toString(), "-");
    EXPECT_EQ(stored("J", "S", "2", "OFormSP_Sel").toInt(), 0);
    EXPECT_EQ(flagsSet(), 0);
    EXPECT_EQ(jobs, 0);
}

TEST_F(SignOrderFormTest, EscapeActsAsCancel)
{
    store("J", "S", "1");
    auto d = open();
    pick(*d, "J", "S");
    d->tick(1, 0)->click();
    pick(*d, "J", "S");  // saved
    QTest::keyClick(d.get(), Qt::Key_Escape);
    EXPECT_FALSE(d->isVisible());
    EXPECT_EQ(flagsSet(), 0);
}

TEST_F(SignOrderFormTest, AFailingPrinterLeavesStampsAndKeepsTheSelectionForARetry)
{
    for (int i = 1; i <= 11; ++i)
        store("J", "S", QString("P%1").arg(i, 2, 10, QChar('0')).toLatin1().constData());
    failOnPage = 2;
    auto d = open();
    pick(*d, "J", "S");
    QTest::mouseClick(d->selectAllButton(2), Qt::LeftButton);
    QTest::keyClicks(d->requisitionBox(), "R9");
    QTest::mouseClick(d->printButton(), Qt::LeftButton);
    ASSERT_EQ(messages.calls.size(), 1u);
    EXPECT_EQ(messages.calls[0].text, "The print job failed: The printer stopped on page 2.\n"
                                      "No print status was recorded and the signs stay selected.");
    EXPECT_EQ(stored("J", "S", "P01", "OFormSP_Print_Status").toString(), "N");
    EXPECT_EQ(stored("J", "S", "P01", "OFormSP_ReqNo").toString(), "-");
    EXPECT_EQ(stored("J", "S", "P11", "OFormSP_Sel").toInt(), -1);
    EXPECT_EQ(stored("J", "S", "P11", "Selected").toInt(), -1);
    EXPECT_EQ(progress.calls.back(), (Call{100, 3}));
    EXPECT_TRUE(printed.empty() || printed.back().page == 1);
}

TEST_F(SignOrderFormTest, PrintSetupCallsTheServiceAndPageSetupDoesNothing)
{
    store("J", "S", "1");
    auto d = open();
    QTest::mouseClick(d->printSetupButton(), Qt::LeftButton);
    EXPECT_EQ(setups, 1);
    QTest::mouseClick(d->pageSetupButton(), Qt::LeftButton);
    EXPECT_TRUE(d->isVisible());
    EXPECT_TRUE(messages.calls.empty());
    if (qEnvironmentVariableIsSet("KELVORA_FORM10_SHOT")) {
        for (int i = 2; i <= 12; ++i)
            store("J", "S", QString("%1").arg(i).toLatin1().constData());
        d->hide();
        d->show();
        QTest::keyClicks(d->requisitionBox(), "REQ-2026-01");
        pick(*d, "J", "S");
        d->tick(1, 0)->click();
        d->tick(2, 2)->click();
        d->grab().save(qEnvironmentVariable("KELVORA_FORM10_SHOT"));
    }
}

} // namespace
} // namespace printtest
