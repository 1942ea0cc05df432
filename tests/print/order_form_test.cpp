// The order form job on recordings: slot use and page breaks, the rows of
// each section, value formats, the requisition line, progress and failures.

#include "print/order_form.h"
#include "print/page_primitives.h"
#include "print/printer_surface.h"
#include "print_test_support.h"

#include <gtest/gtest.h>

#include <QFile>
#include <map>

namespace printtest {
namespace {

using Kind = print::RecordingSurface::Kind;
using Call = testing_support::RecordingProgress::Call;

// Left edge of slot k (1 to 10) on the landscape frame; the first column of
// a design stands 5 further in.
constexpr int SlotX(int k) { return 440 + (k - 1) * 256; }

// A design with `front` front panels and optionally a back panel.
engine::DesignRecord Panels(const char *job, const char *section, const char *pos, int front, bool back = false)
{
    engine::DesignRecord d = SampleDesign(job, section, pos);
    d.NumFrontSigns = static_cast<int16_t>(front);
    const int widths[4] = {0, 1200, 600, 2400};
    const int depths[4] = {0, 900, 600, 1500};
    for (int i = 1; i <= 3; ++i) {
        const bool used = i <= front;
        d.FrontSignWidth[static_cast<std::size_t>(i)] = used ? widths[i] : 0;
        d.FrontSignDepth[static_cast<std::size_t>(i)] = used ? depths[i] : 0;
        d.FrontSignClearance[static_cast<std::size_t>(i)] = used ? 100 : 0;
        d.SignCode[static_cast<std::size_t>(i)] = used ? ("F" + std::to_string(i)) : "";
        d.LegendClass[static_cast<std::size_t>(i)] = 1;
        d.LegendColour[static_cast<std::size_t>(i)] = 1;
        d.BkgndClass[static_cast<std::size_t>(i)] = 1;
        d.BkgndColour[static_cast<std::size_t>(i)] = 1;
    }
    d.NumBackSigns = back ? 1 : 0;
    if (back) {
        d.BackSignWidth = 800;
        d.BackSignDepth = 500;
        d.BackSignClearance = 200;
        d.SignCode[4] = "B1";
        d.LegendClass[4] = 1;
        d.LegendColour[4] = 1;
        d.BkgndClass[4] = 1;
        d.BkgndColour[4] = 1;
    }
    return d;
}

// Texts drawn at one x on one page, by y.
std::map<int, QString> Column(const print::RecordingSurface &s, int page, double x)
{
    std::map<int, QString> out;
    for (const auto &item : s.items)
        if (item.kind == Kind::Text && item.page == page && item.x1 == x)
            out[print::Round(item.y1)] = item.text;
    return out;
}

// The y of every row label (the texts of the label column below the
// requisition line).
std::vector<int> LabelRows(const print::RecordingSurface &s, int page)
{
    std::vector<int> ys;
    for (const auto &[y, text] : Column(s, page, 0))
        if (y > 100 && !text.startsWith(" Requisition"))
            ys.push_back(y);
    return ys;
}

class OrderFormTest : public PrintDbTest {
protected:
    // Stores the design and ticks it for printing with the given kinds.
    void order(const engine::DesignRecord &d, int SF, int SP, int FT,
               const engine::SupportDesign &support = SampleSupport(), const QString &reqNo = "R-1")
    {
        save(d, support);
        const StoredDesignKey key = database::KeyOf(d);
        setColumn(key, "PrintRecord", "Selected", -1);
        setColumn(key, "PrintRecord", "OFormSF_Sel", SF);
        setColumn(key, "PrintRecord", "OFormSP_Sel", SP);
        setColumn(key, "PrintRecord", "OFormFT_Sel", FT);
        for (const char *column : {"OFormSF_ReqNo", "OFormSP_ReqNo", "OFormFT_ReqNo"})
            setColumn(key, "PrintRecord", column, reqNo + "-" + QString::fromLatin1(column).mid(5, 2));
    }
    std::vector<print::OrderFormRow> rows()
    {
        std::vector<print::OrderFormRow> r;
        const platform::SqlStatus st = print::SelectedOrderRows(db(), r);
        EXPECT_TRUE(st.ok()) << st.text().toStdString();
        return r;
    }
    print::PrintJobResult run(print::PageSurface &s)
    {
        progress.calls.clear();
        return print::PrintOrderForms(s, db(), rows());
    }
    testing_support::RecordingProgress progress;
};

TEST_F(OrderFormTest, PanelsWithFacesFillSlotsAndBreakWhenTheyDoNotFit)
{
    order(Panels("A", "S", "1", 3), -1, 0, 0);
    order(Panels("A", "S", "2", 2, true), -1, 0, 0);
    order(Panels("A", "S", "3", 3), -1, 0, 0);
    order(Panels("A", "S", "4", 2), -1, 0, 0);
    FixedSurface s;
    const print::PrintJobResult r = run(s);
    ASSERT_TRUE(r.ok) << r.message.toStdString();
    EXPECT_EQ(r.pages, 2);
    EXPECT_EQ(s.pagesBegun, (std::vector<int>{1, 2}));
    // Design 1 in slots 1-3, design 2 (two fronts and a back) in 4-6,
    // design 3 in 7-9; design 4 needs two with one left: page 2, slots 1-2.
    const int keyY = Column(s, 1, SlotX(1) + 5).begin()->first;  // the blank on the requisition line
    EXPECT_EQ(keyY, 100);
    struct Expect {
        int page;
        double x;
        const char *code;
        const char *layout;
    };
    for (const Expect &e : {Expect{1, SlotX(1) + 5, " F1", " Front Lower"}, Expect{1, SlotX(2), " F2", " Front Middle"},
                            Expect{1, SlotX(3), " F3", " Front Upper"}, Expect{1, SlotX(4) + 5, " F1", " Front Lower"},
                            Expect{1, SlotX(5), " F2", " Front Upper"}, Expect{1, SlotX(6), " B1", " Back Sign"},
                            Expect{1, SlotX(7) + 5, " F1", " Front Lower"}, Expect{1, SlotX(9), " F3", " Front Upper"},
                            Expect{2, SlotX(1) + 5, " F1", " Front Lower"}, Expect{2, SlotX(2), " F2", " Front Upper"}}) {
        QStringList texts;
        for (const auto &[y, t] : Column(s, e.page, e.x))
            texts << t;
        EXPECT_TRUE(texts.contains(e.code)) << e.page << " " << e.x;
        EXPECT_TRUE(texts.contains(e.layout)) << e.page << " " << e.x;
    }
    EXPECT_TRUE(Column(s, 1, SlotX(10)).empty());
    EXPECT_TRUE(Column(s, 2, SlotX(3)).empty());
    EXPECT_EQ(s.findText(" A              ")->page, 1);
    // The key of design 4 heads its first column on page 2.
    EXPECT_EQ(Column(s, 2, SlotX(1) + 5).count(print::Round(s.findText(" 4              ")->y1)), 1u);
    EXPECT_EQ(s.findText(" 4              ")->page, 2);
}

TEST_F(OrderFormTest, ElevenSupportDesignsTakeOneSlotEachThenAPageBreak)
{
    for (int i = 1; i <= 11; ++i)
        order(Panels("A", "S", QString("P%1").arg(i, 2, 10, QChar('0')).toLatin1().constData(), 3), 0, -1, 0);
    FixedSurface s;
    ASSERT_TRUE(run(s).ok);
    for (int i = 1; i <= 10; ++i) {
        const auto *key = s.findText(QString(" P%1").arg(i, 2, 10, QChar('0')).leftJustified(16));
        ASSERT_NE(key, nullptr) << i;
        EXPECT_EQ(key->page, 1);
        EXPECT_EQ(key->x1, SlotX(i) + 5);
    }
    const auto *last = s.findText(QString(" P11").leftJustified(16));
    ASSERT_NE(last, nullptr);
    EXPECT_EQ(last->page, 2);
    EXPECT_EQ(last->x1, SlotX(1) + 5);
    // Without sign faces no panel value prints.
    EXPECT_EQ(s.findText(" F1"), nullptr);
}

TEST_F(OrderFormTest, FourPanelsForSupportsOnlyFitTheLastSlot)
{
    for (int i = 1; i <= 9; ++i)
        order(Panels("A", "S", QString("P%1").arg(i).toLatin1().constData(), 1), 0, -1, 0);
    order(Panels("A", "S", "Q", 3, true), 0, -1, 0);
    FixedSurface s;
    const print::PrintJobResult r = run(s);
    ASSERT_TRUE(r.ok);
    EXPECT_EQ(r.pages, 1);
    const auto *key = s.findText(QString(" Q").leftJustified(16));
    ASSERT_NE(key, nullptr);
    EXPECT_EQ(key->page, 1);
    EXPECT_EQ(key->x1, SlotX(10) + 5);
}

TEST_F(OrderFormTest, SupportRowsAndStubRowsByStubLength)
{
    engine::SupportDesign noStub = SampleSupport();
    noStub.StubLength = 0;
    noStub.SlipBaseReq = -1;
    engine::SupportDesign stub = SampleSupport();
    stub.StubLength = 200;
    order(Panels("A", "S", "1", 1), 0, -1, 0, noStub);
    order(Panels("A", "S", "2", 1), 0, -1, 0, stub);
    FixedSurface s;
    ASSERT_TRUE(run(s).ok);
    auto texts = [&](int slot) {
        QStringList out;
        for (const auto &[y, t] : Column(s, 1, SlotX(slot) + 5))
            out << t;
        return out;
    };
    const QString name = " CHS Steel";  // Sup_Name as stored
    const QStringList support{" 2", " 76.1 NB", " 3.2", " C350", " 3500", " 3500", " 0", " 0"};
    // Requisition blank, three keys, blank headings and rows in order.
    QStringList first = texts(1);
    QStringList expectFirst{" ", " A              ", " S              ", " 1              ", " "};
    expectFirst << QStringList(9, " ") << " " << QStringList(3, " ");  // sign faces and stiffeners blank
    expectFirst << " " << name << support << " Slip" << " ";            // supports, overhang blank
    expectFirst << " " << QStringList(6, " ");                          // no stub
    expectFirst << " " << QStringList(2, " ");                          // no fittings
    EXPECT_EQ(first, expectFirst);
    QStringList second = texts(2);
    QStringList stubRows{" ", name, " 2", " 76.1 NB", " 3.2", " C350", " 200"};
    ASSERT_EQ(second.size(), expectFirst.size());
    EXPECT_EQ(second.mid(30, 7), stubRows);
    EXPECT_EQ(second.at(28), " Rigid");
}

TEST_F(OrderFormTest, FittingsOnlyPrintTheBracketSumAndPostSection)
{
    engine::SupportDesign sup = SampleSupport();
    sup.NumBrackets = {0, 4, 4, 0, 2};  // two front panels and the back panel
    order(Panels("A", "S", "1", 2, true), 0, 0, -1, sup);
    FixedSurface s;
    ASSERT_TRUE(run(s).ok);
    QStringList texts;
    for (const auto &[y, t] : Column(s, 1, SlotX(1) + 5))
        texts << t;
    ASSERT_EQ(texts.size(), 40);
    EXPECT_EQ(texts.mid(37), (QStringList{" ", " 10", " 76.1 NB"}));
    // Everything between the keys and the fittings is blank.
    for (int i = 4; i < 37; ++i)
        EXPECT_EQ(texts.at(i), " ") << i;
    EXPECT_TRUE(Column(s, 1, SlotX(2)).empty());
}

TEST_F(OrderFormTest, PanelValuesAndAreasPerColumn)
{
    order(Panels("A", "S", "1", 3), -1, 0, 0);
    FixedSurface s;
    ASSERT_TRUE(run(s).ok);
    QStringList c1, c2, c3;
    for (const auto &[y, t] : Column(s, 1, SlotX(1) + 5))
        c1 << t;
    for (const auto &[y, t] : Column(s, 1, SlotX(2)))
        c2 << t;
    for (const auto &[y, t] : Column(s, 1, SlotX(3)))
        c3 << t;
    EXPECT_EQ(c1.mid(5, 9), (QStringList{" F1", " Front Lower", " 1200", " 900", " 1.08", " 1A", " White",
                                         " 1A", " White"}));
    EXPECT_EQ(c2.mid(0, 9), (QStringList{" F2", " Front Middle", " 600", " 600", " .36", " 1A", " White",
                                         " 1A", " White"}));
    EXPECT_EQ(c3.at(4), " 3.6");
    // Stiffeners per panel: type, count and spacing of the panel's slot.
    EXPECT_EQ(c1.mid(15, 3), (QStringList{" 1", " 3", " 400"}));
    EXPECT_EQ(c2.mid(9, 3), (QStringList{" 1", " 0", " 0"}));
}

struct AreaCase {
    int width, depth;
    const char *text;
};

class OrderAreaCase : public ::testing::TestWithParam<AreaCase> {};

TEST_P(OrderAreaCase, FifteenDigitsNoLeadingZeroNoTrailingZeros)
{
    EXPECT_EQ(print::OrderAreaText(GetParam().width, GetParam().depth), QString::fromLatin1(GetParam().text));
}

INSTANTIATE_TEST_SUITE_P(Areas, OrderAreaCase,
                         ::testing::Values(AreaCase{1200, 900, "1.08"}, AreaCase{600, 600, ".36"},
                                           AreaCase{2400, 1500, "3.6"}, AreaCase{1000, 1000, "1"},
                                           AreaCase{0, 900, "0"}, AreaCase{333, 333, ".110889"}));

TEST_F(OrderFormTest, ProgressForEightDesignsHalvesToEven)
{
    for (int i = 1; i <= 8; ++i)
        order(Panels("A", "S", QString("P%1").arg(i).toLatin1().constData(), 1), 0, -1, 0);
    FixedSurface s;
    ASSERT_TRUE(run(s).ok);
    EXPECT_EQ(progress.calls, (std::vector<Call>{{0, 1}, {12, 2}, {25, 2}, {38, 2}, {50, 2}, {62, 2}, {75, 2}, {88, 2},
                                                 {100, 2}, {100, 3}}));
}

TEST_F(OrderFormTest, SlotWidthAndGridLines)
{
    FixedSurface s;
    print::SetupPage(s, print::Landscape);
    int32_t slotWidth = 0;
    EXPECT_EQ(print::PrintOrderFormHeader(s, "X", slotWidth), 10);
    EXPECT_EQ(slotWidth, 256);
    std::vector<double> xs;
    double top = 0, bottom = 0;
    for (const auto *line : s.ofKind(Kind::Line))
        if (line->x1 == line->x2 && line->x1 > 440) {
            xs.push_back(line->x1);
            top = line->y1;
            bottom = line->y2;
        }
    EXPECT_EQ(xs, (std::vector<double>{696, 952, 1208, 1464, 1720, 1976, 2232, 2488, 2744}));
    // From the table top to the last section line; the grey column runs on
    // to the bottom of the content area.
    const auto boxes = s.ofKind(Kind::Box);
    const auto grey = std::find_if(boxes.begin(), boxes.end(), [](const auto *b) { return b->x2 == 440; });
    ASSERT_NE(grey, boxes.end());
    EXPECT_EQ((*grey)->y1, top);
    EXPECT_EQ((*grey)->y2, 1900);
    EXPECT_LT(bottom, 1900);
    double lastRule = 0;
    for (const auto *line : s.ofKind(Kind::Line))
        if (line->y1 == line->y2 && line->x1 == 0 && line->x2 == 3000)
            lastRule = std::max(lastRule, line->y1);
    EXPECT_EQ(bottom, lastRule);
    // Labels: three bold italic keys, bold headings, plain labels, Arial 9.
    const auto *job = s.findText(" Job Code");
    ASSERT_NE(job, nullptr);
    EXPECT_TRUE(job->font.Bold && job->font.Italic);
    EXPECT_EQ(job->font.Size, 9);
    EXPECT_TRUE(s.findText(" Fitting Details")->font.Bold);
    EXPECT_FALSE(s.findText(" Overhang")->font.Bold);
    EXPECT_EQ(LabelRows(s, 1).size(), 39u);
    EXPECT_NE(s.findText("Kelvora - Order Form"), nullptr);
    EXPECT_NE(s.findText("Mastra"), nullptr);
}

TEST_F(OrderFormTest, RequisitionLineOnEveryPageFromTheFirstRowsFirstTickedKind)
{
    for (int i = 1; i <= 11; ++i) {
        const bool first = i == 1;
        order(Panels("A", "S", QString("P%1").arg(i, 2, 10, QChar('0')).toLatin1().constData(), 1), 0, -1,
              first ? -1 : 0, SampleSupport(), first ? "Q'7" : "OTHER");
    }
    FixedSurface s;
    ASSERT_TRUE(run(s).ok);
    int pages = 0;
    for (const auto &item : s.items)
        if (item.kind == Kind::Text && item.text == " Requisition Number : Q'7-SP") {
            ++pages;
            EXPECT_TRUE(item.font.Bold);
            EXPECT_EQ(item.page, pages);
        }
    EXPECT_EQ(pages, 2);
}

TEST(OrderRequisition, FirstTickedKindOfTheFirstRow)
{
    print::OrderFormRow a;
    a.ReqNos = {"sf", "sp", "ft"};
    print::OrderFormRow b = a;
    b.ReqNos = {"x", "y", "z"};
    b.Ticks = {-1, -1, -1};
    EXPECT_EQ(print::OrderRequisitionNumber({}), "");
    a.Ticks = {1, -1, -1};  // any non-zero value is ticked
    EXPECT_EQ(print::OrderRequisitionNumber({a, b}), "sf");
    a.Ticks = {0, -1, -1};
    EXPECT_EQ(print::OrderRequisitionNumber({a, b}), "sp");
    a.Ticks = {0, 0, -1};
    EXPECT_EQ(print::OrderRequisitionNumber({a, b}), "ft");
}

TEST_F(OrderFormTest, RowsAreSelectedTickedRowsOfActiveJobsInKeyOrder)
{
    order(Panels("B", "S", "1", 1), 0, 1, 0);  // non-zero counts as ticked
    order(Panels("A", "T", "1", 1), -1, 0, 0);
    order(Panels("A", "S", "2", 1), 0, 0, -1);
    order(Panels("A", "S", "3", 1), 0, 0, 0);   // nothing ticked
    order(Panels("C", "S", "1", 1), -1, 0, 0);  // inactive job
    order(Panels("D", "S", "1", 1), -1, 0, 0);  // not selected
    exec("UPDATE JOBS SET Active = 'N' WHERE Job_Code = ?", {database::PadKey("C")});
    setColumn(Key("D", "S", "1"), "PrintRecord", "Selected", 0);
    QStringList got;
    for (const auto &r : rows())
        got << (r.Key.JobCode.trimmed() + "/" + r.Key.JobSection.trimmed() + "/" + r.Key.SignPos.trimmed() +
                QString(":%1%2%3").arg(r.SF()).arg(r.SP()).arg(r.FT()));
    EXPECT_EQ(got, (QStringList{"A/S/2:00-1", "A/T/1:-100", "B/S/1:010"}));
}

TEST_F(OrderFormTest, NoRowNoPageNoProgress)
{
    order(Panels("A", "S", "1", 1), 0, 0, 0);
    FixedSurface s;
    const print::PrintJobResult r = run(s);
    EXPECT_TRUE(r.ok);
    EXPECT_TRUE(s.items.empty());
    EXPECT_FALSE(s.ended);
    EXPECT_TRUE(progress.calls.empty());
}

// A design without panels and sign faces ticked takes one slot, its sign
// face lines blank; a key too wide for the last slot stays on one line. In
// both the rows stay level with their labels.
TEST_F(OrderFormTest, NoPanelDesignAndLongKeyInLastSlotStayLevelWithLabels)
{
    engine::DesignRecord none = Panels("A", "S", "01", 0);
    order(none, -1, -1, -1);
    for (int i = 2; i <= 9; ++i)
        order(Panels("A", "S", QString("%1").arg(i, 2, 10, QChar('0')).toLatin1().constData(), 1), 0, -1, 0);
    order(Panels("A", "S", "ZZZZZZZZZZZZZZZ", 1), 0, -1, -1);
    struct Wide : FixedSurface {
        Wide() { useFixedMetric(20, 40); }  // 16 characters are 320 units: wider than a slot
    } s;
    ASSERT_TRUE(run(s).ok);
    EXPECT_EQ(s.pagesBegun, (std::vector<int>{1}));
    const std::vector<int> labels = LabelRows(s, 1);
    ASSERT_EQ(labels.size(), 39u);
    for (double x : {double(SlotX(1) + 5), double(SlotX(2) + 5), double(SlotX(10) + 5)}) {
        std::vector<int> ys;
        for (const auto &[y, t] : Column(s, 1, x))
            if (y > 100)
                ys.push_back(y);
        EXPECT_EQ(ys, labels) << x;
    }
    // The no-panel design took slot 1 only; its sign face lines are blank.
    const auto *key = s.findText(" 02" + QString(13, ' '));
    ASSERT_NE(key, nullptr);
    EXPECT_EQ(key->x1, SlotX(2) + 5);
    // The long key is cut at the frame's edge, on one line.
    const auto slot10 = Column(s, 1, SlotX(10) + 5);
    int keyLines = 0;
    for (const auto &[y, t] : slot10)
        if (t.startsWith(" ZZZ")) {
            ++keyLines;
            EXPECT_LE(t.size() * 20, 3000 - (SlotX(10) + 5));
        }
    EXPECT_EQ(keyLines, 1);
}

// Fails the device when page 2 begins.
struct FailingOnPage2 : FixedSurface {
    void beginPage(int page, int16_t orientation) override
    {
        if (page == 2)
            setFailure(QStringLiteral("the printer stopped"));
        else
            FixedSurface::beginPage(page, orientation);
    }
};

TEST_F(OrderFormTest, ADeviceFailingOnPage2AbortsTheDocument)
{
    for (int i = 1; i <= 11; ++i)
        order(Panels("A", "S", QString("P%1").arg(i, 2, 10, QChar('0')).toLatin1().constData(), 1), 0, -1, 0);
    FailingOnPage2 s;
    const print::PrintJobResult r = run(s);
    EXPECT_FALSE(r.ok);
    EXPECT_EQ(r.message, "the printer stopped");
    EXPECT_TRUE(s.aborted);
    EXPECT_EQ(progress.calls.back(), (Call{91, 2}));  // the caller finishes it
}

TEST_F(OrderFormTest, PdfOfThreeDesigns)
{
    engine::SupportDesign stub = SampleSupport();
    stub.StubLength = 200;
    order(Panels("A", "S", "1", 3), -1, 0, 0);
    order(Panels("A", "S", "2", 1), 0, -1, 0, stub);
    order(Panels("A", "S", "3", 1), 0, 0, -1);
    const QString pdf = dir.filePath("orders.pdf");
    const auto surface = print::PrinterSurface::ForPdf(pdf);
    const print::PrintJobResult r = run(*surface);
    ASSERT_TRUE(r.ok) << r.message.toStdString();
    EXPECT_EQ(r.pages, 1);
    QFile file(pdf);
    ASSERT_TRUE(file.open(QIODevice::ReadOnly));
    EXPECT_TRUE(file.readAll().startsWith("%PDF"));
    if (qEnvironmentVariableIsSet("KELVORA_KEEP_ORDER_PDF"))
        QFile::copy(pdf, qEnvironmentVariable("KELVORA_KEEP_ORDER_PDF"));
}

} // namespace
} // namespace printtest
