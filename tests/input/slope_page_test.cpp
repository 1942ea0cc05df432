// The "Roadside Slope" page driven as the engineer drives it: its tab bar,
// terrain options and keys, with the messages answered by the recorder.

#include "form_test_support.h"

#include "input/slope_entry_layout.h"
#include "input/slope_page_impl.h"

#include <QClipboard>
#include <QGroupBox>
#include <QLabel>
#include <QTabBar>
#include <QTest>

using input::OptionArray;
using input_testing::FormTest;

namespace {

const QString TitleA = QStringLiteral("Invalid input value") + QString(38, QLatin1Char(' ')) + "Mastra";
const QString TitleB = QStringLiteral("Input value out of range") + QString(46, QLatin1Char(' ')) + "Mastra";
const QString TooBig = "Input value cannot be bigger than 32767. Please try again";
const QString TooSmall = "Input value cannot be smaller than -32767. Please try again";

class SlopePageTest : public FormTest {
protected:
    // The open design with `count` segments, shown on the slope page.
    void open(engine::DesignRecord design)
    {
        showDesign(design);
        form->setMainPage(input::RoadsideSlopePage);
        QApplication::processEvents();
    }
    QTabBar *tabs() { return form->SSIndexTab2(); }
    void chooseTab(int p)
    {
        QTest::mouseClick(tabs(), Qt::LeftButton, {}, tabs()->tabRect(p).center());
        QApplication::processEvents();
    }
    QLineEdit *box(int i) { return form->Text3(i); }
    input::SlopePageImpl &page() { return dynamic_cast<input::SlopePageImpl &>(form->slopePage()); }
    // Types `keys` into box i at the end of its text.
    void type(int i, const QString &keys)
    {
        box(i)->setCursorPosition(static_cast<int>(box(i)->text().size()));
        for (QChar c : keys)
            QTest::keyClick(box(i), c.toLatin1());
    }
    void expectMessage(const QString &text, const QString &title)
    {
        ASSERT_FALSE(messages.calls.empty());
        EXPECT_EQ(messages.calls.back().text, text);
        EXPECT_EQ(messages.calls.back().title, title);
        EXPECT_EQ(messages.calls.back().icon, platform::MessageIcon::Exclamation);
    }
    QString widgetVisible(const char *name)
    {
        QWidget *w = form->Frame3D12()->findChild<QWidget *>(QLatin1String(name));
        return w && w->isVisibleTo(form->Frame3D12()) ? "shown" : "hidden";
    }
    int topTwips(QWidget *w) { return w->y() * 15; }
};

engine::DesignRecord Segments(std::initializer_list<std::pair<int32_t, int32_t>> segments)
{
    engine::DesignRecord d = input_testing::sampleDesign();
    d.SegLength.fill(0);
    d.SegDeltaHeight.fill(0);
    int k = 1;
    for (const auto &[length, rise] : segments) {
        d.SegLength[static_cast<size_t>(k)] = length;
        d.SegDeltaHeight[static_cast<size_t>(k)] = rise;
        ++k;
    }
    return d;
}

engine::DesignRecord ThreeStrutted()
{
    engine::DesignRecord d = Segments({{2000, 500}, {3000, -1000}, {1000, 0}});
    d.SupportStruts = engine::FlagTrue;
    d.SegBackHeight[1] = 100;
    d.SegBackHeight[2] = 50;
    d.SegBackHeight[3] = -100;
    d.SegBackLength[1] = d.SegBackLength[2] = d.SegBackLength[3] = 1000;
    return d;
}

struct TabsCase {
    bool referencePoint, strutted;
    int n;
};

class SegmentTabs : public SlopePageTest, public ::testing::WithParamInterface<TabsCase> {};

} // namespace

TEST_P(SegmentTabs, CaptionsAndEnabledPagesFollowTheChoices)
{
    const TabsCase c = GetParam();
    open(input_testing::sampleDesign());
    click(OptionArray::Option3D8, c.strutted ? 0 : 1);
    click(OptionArray::Option3D6, c.referencePoint ? 0 : 1);
    click(OptionArray::Option3D4, c.n - 1);
    for (int p = 1; p <= 7; ++p) {
        QString caption;
        bool enabled = false;
        if (c.referencePoint) {
            enabled = p <= c.n + 1;
            caption = p == 1 ? "Reference Point" : enabled ? QStringLiteral("Segment%1").arg(p - 1) : "-";
        } else if (c.strutted) {
            enabled = p <= c.n + 1 && p <= 6;
            caption = p <= c.n ? QStringLiteral("Segment%1").arg(p)
                      : p == c.n + 1 ? QStringLiteral("Point %1").arg(p)
                                     : tabs()->tabText(p);  // kept as it was
        } else {
            enabled = p <= c.n;
            caption = enabled ? QStringLiteral("Segment%1").arg(p) : "-";
        }
        EXPECT_EQ(tabs()->tabText(p), caption) << p;
        EXPECT_EQ(tabs()->isTabEnabled(p), enabled) << p;
    }
    EXPECT_FALSE(tabs()->isTabEnabled(7));
}

INSTANTIATE_TEST_SUITE_P(AllCounts, SegmentTabs, ::testing::ValuesIn([] {
                             std::vector<TabsCase> cases;
                             for (int n = 1; n <= 5; ++n)
                                 for (auto [rp, strut] : {std::pair{true, false}, {false, true}, {false, false}})
                                     cases.push_back({rp, strut, n});
                             return cases;
                         }()));

TEST_F(SlopePageTest, StruttedFiveSegmentsLeavesPageSevenOff)
{
    open(ThreeStrutted());
    click(OptionArray::Option3D4, 4);
    EXPECT_EQ(tabs()->tabText(6), "Point 6");
    EXPECT_TRUE(tabs()->isTabEnabled(6));
    EXPECT_FALSE(tabs()->isTabEnabled(7));
    chooseTab(3);
    chooseTab(7);
    EXPECT_EQ(tabs()->currentIndex(), 3);
}

TEST_F(SlopePageTest, StruttedEndPointPageIsLongitudinalOnly)
{
    open(ThreeStrutted());
    EXPECT_EQ(tabs()->tabText(4), "Point 4");
    working().SegBackLength[4] = 800;
    working().SegBackHeight[4] = 40;
    chooseTab(4);
    EXPECT_EQ(box(4)->text(), "800");
    EXPECT_EQ(box(5)->text(), "40");
    EXPECT_EQ(box(6)->text(), "5");
    EXPECT_EQ(box(0)->text(), "0");
    EXPECT_EQ(box(2)->text(), "0");
    EXPECT_EQ(form->Frame3D12()->title(), "Enter longitudinal segment details");
    EXPECT_EQ(page().arrangement().frameHeight, 1572);
    EXPECT_EQ(form->Frame3D12()->height(), qRound(1572 / 15.0));
    EXPECT_EQ(topTwips(box(4)), 720);
    EXPECT_EQ(widgetVisible("Text3_0"), "hidden");
    EXPECT_EQ(widgetVisible("Text3_4"), "shown");
    EXPECT_EQ(widgetVisible("Label6"), "hidden");

    // A segment page: both groups in a frame 3000 high.
    chooseTab(2);
    EXPECT_EQ(form->Frame3D12()->title(), "Enter cross section segment details");
    EXPECT_EQ(form->Frame3D12()->height() * 15, 3000);
    EXPECT_EQ(topTwips(box(4)), 2280);
    EXPECT_EQ(topTwips(box(0)), 720);
    EXPECT_EQ(box(0)->text(), "3000");
    EXPECT_EQ(box(1)->text(), "-1000");
    EXPECT_EQ(box(2)->text(), "-33.3333333333333");
    EXPECT_EQ(box(4)->text(), "1000");
    EXPECT_EQ(box(5)->text(), "50");
    EXPECT_EQ(box(6)->text(), "5");
    EXPECT_EQ(widgetVisible("Text3_5"), "shown");
    EXPECT_EQ(widgetVisible("Text3_3"), "hidden");
}

TEST_F(SlopePageTest, NotStruttedAfterTheEndPointPageShowsTheCrossSection)
{
    open(ThreeStrutted());
    chooseTab(4);
    form->setMainPage(input::JobDetailsPage);
    form->setMainPage(input::RoadsideSlopePage);
    tabs()->setCurrentIndex(0);
    click(OptionArray::Option3D8, 1);
    chooseTab(1);
    EXPECT_EQ(form->Frame3D12()->title(), "Enter cross section segment details");
    EXPECT_EQ(form->Frame3D12()->height() * 15, 1500);
    EXPECT_EQ(widgetVisible("Text3_0"), "shown");
    EXPECT_EQ(widgetVisible("Text3_1"), "shown");
    EXPECT_EQ(widgetVisible("Label4_0"), "shown");
    // The longitudinal rows lie below the frame's edge.
    EXPECT_EQ(widgetVisible("Text3_4"), "hidden");
    EXPECT_EQ(widgetVisible("Option3D9_0"), "hidden");
    EXPECT_EQ(box(0)->text(), "2000");
}

TEST_F(SlopePageTest, ReferencePointAndSegmentPagesLoadTheirOwnItems)
{
    engine::DesignRecord d = ThreeStrutted();
    d.RPSegLength = 1500;
    d.RPSegDeltaHeight = 300;
    d.RPReducedLevel = 42;
    d.SupportStruts = engine::FlagFalse;
    d.SegBackLength.fill(0);
    d.SegBackHeight.fill(0);
    open(d);
    EXPECT_EQ(tabs()->tabText(1), "Reference Point");
    EXPECT_EQ(tabs()->tabText(3), "Segment2");
    click(OptionArray::Option3D8, 0);
    working().SegBackLength[2] = 2000;
    working().SegBackHeight[2] = 100;
    chooseTab(1);
    EXPECT_EQ(box(0)->text(), "1500");
    EXPECT_EQ(box(1)->text(), "300");
    EXPECT_EQ(box(2)->text(), "20");
    EXPECT_EQ(box(3)->text(), "42");
    EXPECT_EQ(widgetVisible("Text3_3"), "shown");
    EXPECT_EQ(widgetVisible("Label8"), "shown");
    EXPECT_EQ(widgetVisible("Text3_4"), "hidden");
    // Page 3 holds segment 2 and its point.
    chooseTab(3);
    EXPECT_EQ(box(0)->text(), "3000");
    EXPECT_EQ(box(4)->text(), "2000");
    EXPECT_EQ(box(5)->text(), "100");
    EXPECT_EQ(box(6)->text(), "5");
    EXPECT_EQ(widgetVisible("Text3_3"), "hidden");
    EXPECT_EQ(widgetVisible("Text3_4"), "shown");
    // The reduced level typed on its page is stored there.
    chooseTab(1);
    box(3)->setText("57");
    EXPECT_EQ(working().RPReducedLevel, 57);
    click(OptionArray::Option3D6, 1);
    EXPECT_EQ(working().RPSegLength, 0);
    EXPECT_EQ(working().RPSegDeltaHeight, 0);
    EXPECT_EQ(working().RPReducedLevel, 0);
}

TEST_F(SlopePageTest, ChoosingAPageStoresNothing)
{
    engine::DesignRecord d = ThreeStrutted();
    d.SegBackLength[1] = 5000;
    d.SegBackHeight[1] = 1000;
    d.SegBackLength[2] = 1000;
    d.SegBackHeight[2] = 100;
    open(d);
    const engine::DesignRecord before = working();
    chooseTab(1);
    chooseTab(2);
    chooseTab(3);
    chooseTab(4);
    chooseTab(1);
    EXPECT_EQ(working().SegBackHeight, before.SegBackHeight);
    EXPECT_EQ(working().SegBackLength, before.SegBackLength);
    EXPECT_EQ(working().SegLength, before.SegLength);
    EXPECT_EQ(working().SegDeltaHeight, before.SegDeltaHeight);
}

TEST_F(SlopePageTest, HeightAndGradientStayConsistent)
{
    open(Segments({{2000, 0}, {4000, 0}}));
    chooseTab(1);
    box(0)->setText("1000");
    box(1)->setText("333");
    EXPECT_EQ(box(2)->text(), "33.3");
    box(0)->setText("3000");
    box(1)->setText("1000");
    EXPECT_EQ(box(2)->text(), "33.3333333333333");
    EXPECT_EQ(working().SegLength[1], 3000);
    EXPECT_EQ(working().SegDeltaHeight[1], 1000);

    click(OptionArray::Option3D1, 1);
    EXPECT_FALSE(box(1)->isEnabled());
    EXPECT_TRUE(box(2)->isEnabled());
    box(0)->setText("1000");
    box(2)->setText("12.5");
    EXPECT_EQ(working().SegDeltaHeight[1], 125);
    EXPECT_EQ(box(1)->text(), "125");
    // Emptying the length makes the gradient "0", which stores a rise of 0.
    box(0)->setText("");
    EXPECT_EQ(box(2)->text(), "0");
    EXPECT_EQ(working().SegDeltaHeight[1], 0);
}

TEST_F(SlopePageTest, StrutLimitsKeepTheLongitudinalSlopeWithinAFifth)
{
    open(ThreeStrutted());
    chooseTab(1);
    box(4)->setText("1234");
    box(5)->setText("300");
    EXPECT_EQ(box(5)->text(), "246.8");
    EXPECT_EQ(working().SegBackHeight[1], 247);
    box(4)->setText("1000");
    box(5)->setText("-300");
    EXPECT_EQ(box(5)->text(), "-200");
    EXPECT_EQ(working().SegBackHeight[1], -200);
    box(4)->setText("");
    EXPECT_EQ(box(5)->text(), "0");
    EXPECT_EQ(working().SegBackHeight[1], 0);

    click(OptionArray::Option3D9, 1);
    box(4)->setText("1000");
    box(6)->setText("25");
    EXPECT_EQ(box(6)->text(), "20");
    EXPECT_EQ(working().SegBackHeight[1], 200);
    box(6)->setText("-");
    EXPECT_EQ(box(6)->text(), "0");
    EXPECT_EQ(working().SegBackHeight[1], 0);
}

TEST_F(SlopePageTest, GradientKeys)
{
    open(Segments({{2000, 0}, {4000, 0}}));
    chooseTab(1);
    click(OptionArray::Option3D1, 1);
    box(2)->clear();
    type(2, ".");
    EXPECT_EQ(box(2)->text(), "0.");
    box(2)->clear();
    type(2, "-.");
    EXPECT_EQ(box(2)->text(), "-0.");
    box(2)->clear();
    type(2, "3.");
    EXPECT_EQ(box(2)->text(), "3.");
    EXPECT_TRUE(messages.calls.empty());
    type(2, "x.");
    EXPECT_EQ(box(2)->text(), "3.");

    box(2)->setText("12.34");
    type(2, "5");
    EXPECT_EQ(box(2)->text(), "12.34");
    expectMessage("Accuracy of up to 1/100(%) is supported for Gradient(%) input value", TitleB);
    for (const char *start : {"999", "-999"}) {
        box(2)->setText(start);
        type(2, "1");
        EXPECT_EQ(box(2)->text(), start);
        expectMessage("Valid range of Gradient(%) input value is between +/-999.99", TitleB);
    }
    // A fourth whole digit in front of the point is refused too.
    box(2)->setText("5.");
    box(2)->setCursorPosition(0);
    for (char c : {'9', '9', '9'})
        QTest::keyClick(box(2), c);
    EXPECT_EQ(box(2)->text(), "995.");
    expectMessage("Valid range of Gradient(%) input value is between +/-999.99", TitleB);
    // Backspace is held to the rise only: taking the point out of 999.5
    // leaves 9995, a rise of 199900 mm over 2000 mm.
    messages.calls.clear();
    box(2)->setText("999.5");
    box(2)->setCursorPosition(4);
    QTest::keyClick(box(2), Qt::Key_Backspace);
    EXPECT_EQ(box(2)->text(), "999.5");
    expectMessage(TooBig, TitleA);
    QTest::keyClick(box(2), Qt::Key_End);
    QTest::keyClick(box(2), Qt::Key_Backspace);
    EXPECT_EQ(box(2)->text(), "999.");
}

TEST_F(SlopePageTest, GradientRiseStaysWithinTheHeightRange)
{
    open(Segments({{2000, 0}, {4000, 0}}));
    chooseTab(1);
    click(OptionArray::Option3D1, 1);
    box(0)->setText("10000");
    box(2)->clear();
    type(2, "327");
    EXPECT_EQ(box(2)->text(), "327");
    EXPECT_EQ(working().SegDeltaHeight[1], 32700);
    type(2, ".7");
    EXPECT_EQ(box(2)->text(), "327.");
    expectMessage(TooBig, TitleA);
    box(2)->clear();
    type(2, "-400");
    EXPECT_EQ(box(2)->text(), "-40");
    expectMessage(TooSmall, TitleA);
}

// Backspace or Delete taking the point out of a gradient on a 32767 mm
// segment leaves a text judged as a typed one: a rise past +/-32767 is
// refused with its message, one within stays.
TEST_F(SlopePageTest, RiseLimitHoldsOnBackspaceAndDelete)
{
    struct Case {
        const char *start;
        int cursor;
        Qt::Key key;
        const char *left;   // the box's text after the key
        int32_t rise;       // the stored rise after the key
        const QString *message;
    };
    const QString none;
    const std::vector<Case> cases = {
        {"10.6", 3, Qt::Key_Backspace, "10.6", 3473, &TooBig},
        {"-50.5", 3, Qt::Key_Delete, "-50.5", -16547, &TooSmall},
        {"-10.6", 4, Qt::Key_Backspace, "-10.6", -3473, &TooSmall},
        {"1.5", 1, Qt::Key_Delete, "15", 4915, &none},
        {"-9.9", 3, Qt::Key_Backspace, "-99", -32439, &none},
        {"10.6", 4, Qt::Key_Backspace, "10.", 3277, &none},
    };
    open(Segments({{32767, 0}, {4000, 0}}));
    chooseTab(1);
    click(OptionArray::Option3D1, 1);
    for (const Case &c : cases) {
        box(2)->setText(c.start);
        messages.calls.clear();
        box(2)->setCursorPosition(c.cursor);
        QTest::keyClick(box(2), c.key);
        EXPECT_EQ(box(2)->text(), c.left) << c.start;
        EXPECT_EQ(working().SegDeltaHeight[1], c.rise) << c.start;
        if (c.message->isEmpty()) {
            EXPECT_TRUE(messages.calls.empty()) << c.start;
        } else {
            expectMessage(*c.message, TitleA);
        }
    }
}

namespace {

// A gradient the page computed from a stored length and rise, shown in the
// gradient box of its entry mode, then shortened or typed into.
enum class Edit { Backspace, Delete, CtrlBackspace, Cut, Type, Paste };
enum class Shown { None, TooBig, TooSmall, Accuracy };

struct BackspaceCase {
    const char *name;
    bool longitudinal;      // the back slope box of a strutted design
    int32_t length, rise;   // stored; the box shows the gradient of the two
    const char *shown;
    Edit edit;
    int at, selected;       // caret, or the start and length of a selection
    const char *keys;       // typed or pasted (Type, Paste)
    const char *left;       // the box's text afterwards
    int32_t stored;         // the rise stored afterwards, shown in the height box
    Shown message;
};

constexpr auto BS = Edit::Backspace;
constexpr auto DEL = Edit::Delete;

const BackspaceCase BackspaceCases[] = {
    // Many decimals: every place may be taken out; only a rise past the
    // height range is refused.
    {"ManyAtTheEnd", false, 3000, 1000, "33.3333333333333", BS, 16, 0, "", "33.333333333333", 1000, Shown::None},
    {"ManyInTheMiddle", false, 3000, 1000, "33.3333333333333", BS, 5, 0, "", "33.333333333333", 1000, Shown::None},
    {"ManyDeleteAtTheStart", false, 3000, 1000, "33.3333333333333", DEL, 0, 0, "", "3.3333333333333", 100,
     Shown::None},
    {"ManyDeleteInTheMiddle", false, 3000, 1000, "33.3333333333333", DEL, 6, 0, "", "33.333333333333", 1000,
     Shown::None},
    {"ManyDeleteAtTheEnd", false, 3000, 1000, "33.3333333333333", DEL, 16, 0, "", "33.3333333333333", 1000,
     Shown::None},
    {"ManyBackspaceAtTheStart", false, 3000, 1000, "33.3333333333333", BS, 0, 0, "", "33.3333333333333", 1000,
     Shown::None},
    {"ManyDeleteThePoint", false, 3000, 1000, "33.3333333333333", DEL, 2, 0, "", "33.3333333333333", 1000,
     Shown::TooBig},
    {"ManySelection", false, 3000, 1000, "33.3333333333333", BS, 3, 4, "", "33.333333333", 1000, Shown::None},
    {"ManySelectionDeleted", false, 3000, 1000, "33.3333333333333", DEL, 0, 3, "", "33.3333333333333", 1000,
     Shown::TooBig},
    {"ManyWordBack", false, 3000, 1000, "33.3333333333333", Edit::CtrlBackspace, 16, 0, "", "33.", 990, Shown::None},
    {"ManyCut", false, 3000, 1000, "33.3333333333333", Edit::Cut, 10, 6, "", "33.3333333", 1000, Shown::None},
    {"ManyCutThePoint", false, 3000, 1000, "33.3333333333333", Edit::Cut, 2, 1, "", "33.3333333333333", 1000,
     Shown::TooBig},
    {"ManyFalling", false, 3000, -1000, "-33.3333333333333", BS, 17, 0, "", "-33.333333333333", -1000, Shown::None},
    {"ManyFallingSignDeleted", false, 3000, -1000, "-33.3333333333333", DEL, 0, 0, "", "33.3333333333333", 1000,
     Shown::None},
    {"ManyFallingPointOut", false, 3000, -1000, "-33.3333333333333", BS, 4, 0, "", "-33.3333333333333", -1000,
     Shown::TooSmall},
    // Few decimals, four whole digits: a steep short segment.
    {"FewAtTheEnd", false, 500, 32767, "6553.4", BS, 6, 0, "", "6553.", 32765, Shown::None},
    {"FewDeleteAtTheStart", false, 500, 32767, "6553.4", DEL, 0, 0, "", "553.4", 2767, Shown::None},
    {"FewInTheMiddle", false, 500, 32767, "6553.4", DEL, 1, 0, "", "653.4", 3267, Shown::None},
    {"FewWordBack", false, 500, 32767, "6553.4", Edit::CtrlBackspace, 6, 0, "", "6553.", 32765, Shown::None},
    {"FewWordBackThePoint", false, 500, 32767, "6553.4", Edit::CtrlBackspace, 5, 0, "", "6553.4", 32767,
     Shown::TooBig},
    {"FewPointOut", false, 500, 32767, "6553.4", BS, 5, 0, "", "6553.4", 32767, Shown::TooBig},
    {"FewFallingPointOut", false, 500, -32767, "-6553.4", BS, 6, 0, "", "-6553.4", -32767, Shown::TooSmall},
    {"FewFallingAtTheEnd", false, 500, -32767, "-6553.4", BS, 7, 0, "", "-6553.", -32765, Shown::None},
    {"OneDecimalPointOut", false, 2000, 250, "12.5", DEL, 2, 0, "", "125", 2500, Shown::None},
    {"WholeAtTheEnd", false, 1000, 500, "50", BS, 2, 0, "", "5", 50, Shown::None},
    // Typed and pasted characters are still judged by every rule.
    {"ManyTyped", false, 3000, 1000, "33.3333333333333", Edit::Type, 16, 0, "3", "33.3333333333333", 1000,
     Shown::Accuracy},
    {"ManyPasted", false, 3000, 1000, "33.3333333333333", Edit::Paste, 16, 0, "0", "33.3333333333333", 1000,
     Shown::Accuracy},
    {"OneDecimalTyped", false, 2000, 250, "12.5", Edit::Type, 4, 0, "7", "12.57", 251, Shown::None},
    // The back slope of a strutted design, held to 20 % once stored.
    {"BackManyAtTheEnd", true, 3000, 100, "3.33333333333333", BS, 16, 0, "", "3.3333333333333", 100, Shown::None},
    {"BackManyDeleteAtTheStart", true, 3000, 100, "3.33333333333333", DEL, 0, 0, "", ".33333333333333", 10,
     Shown::None},
    {"BackManyPointOut", true, 3000, 100, "3.33333333333333", DEL, 1, 0, "", "3.33333333333333", 100,
     Shown::TooBig},
    {"BackSteepAtTheEnd", true, 32767, 6553, "19.998779259621", BS, 15, 0, "", "19.99877925962", 6553, Shown::None},
    {"BackSteepPointOut", true, 32767, 6553, "19.998779259621", BS, 3, 0, "", "19.998779259621", 6553,
     Shown::TooBig},
    {"BackCut", true, 3000, 100, "3.33333333333333", Edit::Cut, 4, 12, "", "3.33", 100, Shown::None},
    {"BackPointOutWithinTheRange", true, 800, 100, "12.5", DEL, 2, 0, "", "20", 160, Shown::None},
    {"BackTyped", true, 3000, 100, "3.33333333333333", Edit::Type, 16, 0, "3", "3.33333333333333", 100,
     Shown::Accuracy},
};

void PrintTo(const BackspaceCase &c, std::ostream *os) { *os << c.name; }

class GradientBackspace : public SlopePageTest, public ::testing::WithParamInterface<BackspaceCase> {};

} // namespace

TEST_P(GradientBackspace, OnlyTheRiseLimitRefusesTakingOut)
{
    const BackspaceCase c = GetParam();
    const int gradientBox = c.longitudinal ? 6 : 2;
    engine::DesignRecord d = Segments({{c.longitudinal ? 2000 : c.length, c.longitudinal ? 0 : c.rise}, {4000, 0}});
    if (c.longitudinal) {
        d.SupportStruts = engine::FlagTrue;
        d.SegBackLength[1] = c.length;
        d.SegBackHeight[1] = c.rise;
    }
    open(d);
    chooseTab(1);
    click(c.longitudinal ? OptionArray::Option3D9 : OptionArray::Option3D1, 1);
    QLineEdit *gradient = box(gradientBox);
    ASSERT_TRUE(gradient->isEnabled());
    ASSERT_EQ(gradient->text(), c.shown);
    messages.calls.clear();

    if (c.selected > 0)
        gradient->setSelection(c.at, c.selected);
    else
        gradient->setCursorPosition(c.at);
    switch (c.edit) {
    case Edit::Backspace: QTest::keyClick(gradient, Qt::Key_Backspace); break;
    case Edit::Delete: QTest::keyClick(gradient, Qt::Key_Delete); break;
    case Edit::CtrlBackspace: QTest::keyClick(gradient, Qt::Key_Backspace, Qt::ControlModifier); break;
    case Edit::Cut: QTest::keyClick(gradient, Qt::Key_X, Qt::ControlModifier); break;
    case Edit::Type: QTest::keyClicks(gradient, c.keys); break;
    case Edit::Paste:
        QApplication::clipboard()->setText(c.keys);
        QTest::keyClick(gradient, Qt::Key_V, Qt::ControlModifier);
        break;
    }

    EXPECT_EQ(gradient->text(), c.left) << gradient->text().toStdString();
    EXPECT_EQ(c.longitudinal ? working().SegBackHeight[1] : working().SegDeltaHeight[1], c.stored);
    EXPECT_EQ(box(c.longitudinal ? 5 : 1)->text(), QString::number(c.stored));
    switch (c.message) {
    case Shown::None: EXPECT_TRUE(messages.calls.empty()); break;
    case Shown::TooBig: expectMessage(TooBig, TitleA); break;
    case Shown::TooSmall: expectMessage(TooSmall, TitleA); break;
    case Shown::Accuracy:
        expectMessage("Accuracy of up to 1/100(%) is supported for Gradient(%) input value", TitleB);
        break;
    }
    EXPECT_LE(messages.calls.size(), 1u);
}

INSTANTIATE_TEST_SUITE_P(ShownGradients, GradientBackspace, ::testing::ValuesIn(BackspaceCases),
                         [](const auto &info) { return std::string(info.param.name); });

TEST_F(SlopePageTest, HeightAndLengthKeys)
{
    open(Segments({{2000, 0}, {4000, 0}}));
    chooseTab(1);
    box(1)->clear();
    type(1, "-32767");
    EXPECT_EQ(box(1)->text(), "-32767");
    box(1)->setText("-3276");
    type(1, "8");
    EXPECT_EQ(box(1)->text(), "-3276");
    expectMessage(TooSmall, TitleA);
    box(1)->setText("3276");
    type(1, "7");
    EXPECT_EQ(box(1)->text(), "32767");
    box(1)->setText("3276");
    type(1, "8");
    EXPECT_EQ(box(1)->text(), "3276");
    expectMessage(TooBig, TitleA);
    // A digit in front of the sign, a second sign, a letter: refused silently.
    messages.calls.clear();
    box(1)->setText("-5");
    box(1)->setCursorPosition(0);
    QTest::keyClick(box(1), '7');
    QTest::keyClick(box(1), '-');
    type(1, "a");
    EXPECT_EQ(box(1)->text(), "-5");
    EXPECT_TRUE(messages.calls.empty());

    box(0)->setText("3276");
    type(0, "8");
    EXPECT_EQ(box(0)->text(), "3276");
    expectMessage(TooBig, TitleA);
    type(0, "-");
    EXPECT_EQ(box(0)->text(), "3276");
}

TEST_F(SlopePageTest, PastedTextIsJudgedAsIfTyped)
{
    open(Segments({{2000, 0}, {4000, 0}}));
    chooseTab(1);
    box(0)->selectAll();
    box(0)->insert("99999");
    EXPECT_EQ(box(0)->text(), "2000");
    EXPECT_EQ(working().SegLength[1], 2000);
    expectMessage(TooBig, TitleA);
    messages.calls.clear();
    box(0)->selectAll();
    box(0)->insert("1e9");
    EXPECT_EQ(box(0)->text(), "2000");
    EXPECT_TRUE(messages.calls.empty());
    box(0)->selectAll();
    box(0)->insert("2500");
    EXPECT_EQ(working().SegLength[1], 2500);
}

TEST_F(SlopePageTest, ShortLengthIsRaisedToTheMinimumOnLeaving)
{
    open(Segments({{2000, 0}, {4000, 0}}));
    ASSERT_TRUE(input_testing::waitForActive(form.get()));
    chooseTab(1);
    box(0)->setFocus();
    QApplication::processEvents();
    box(0)->setText("");
    box(1)->setFocus(Qt::TabFocusReason);
    QApplication::processEvents();
    expectMessage("Segment Length must be bigger than 500. Please try again", TitleA);
    EXPECT_EQ(box(0)->text(), "500");
    EXPECT_EQ(working().SegLength[1], 500);
    EXPECT_TRUE(box(0)->hasFocus());

    // Leaving for the tab bar acts on the segment being left.
    box(0)->setText("300");
    messages.calls.clear();
    chooseTab(2);
    expectMessage("Segment Length must be bigger than 500. Please try again", TitleA);
    EXPECT_EQ(working().SegLength[1], 500);
    EXPECT_EQ(working().SegLength[2], 4000);
}

TEST_F(SlopePageTest, SegmentCountClearsTheUnusedSegments)
{
    engine::DesignRecord d = ThreeStrutted();
    for (int k = 1; k <= 6; ++k) {
        d.SegLength[static_cast<size_t>(k)] = k <= 5 ? 1000 : 0;
        d.SegBackLength[static_cast<size_t>(k)] = 1000;
        d.SegBackHeight[static_cast<size_t>(k)] = 10;
    }
    open(d);
    click(OptionArray::Option3D4, 1);
    EXPECT_EQ(vars().SlopeSegmentCount, 2);
    for (int k = 1; k <= 6; ++k) {
        EXPECT_EQ(working().SegLength[static_cast<size_t>(k)], k <= 2 ? 1000 : 0) << k;
        EXPECT_EQ(working().SegBackLength[static_cast<size_t>(k)], k <= 3 ? 1000 : 0) << k;
        EXPECT_EQ(working().SegBackHeight[static_cast<size_t>(k)], k <= 3 ? 10 : 0) << k;
    }
    // Not strutted clears every point; strutted again brings nothing back.
    click(OptionArray::Option3D8, 1);
    click(OptionArray::Option3D8, 0);
    EXPECT_EQ(working().SegBackLength[1], 0);
    EXPECT_EQ(working().SegBackHeight[2], 0);
}

TEST_F(SlopePageTest, TotalChecksAtTheirEdges)
{
    open(Segments({{16383, 0}, {16384, 0}}));
    EXPECT_TRUE(form->slopePage().SegmentsTotalWithinLimit());
    working().SegLength[2] = 16385;
    EXPECT_FALSE(form->slopePage().SegmentsTotalWithinLimit());
    working().SegLength[1] = 1000;
    working().SegLength[2] = 1000;
    working().FrontSignWidth[1] = 2000;
    EXPECT_TRUE(form->slopePage().SegmentsCoverSigns());
    working().FrontSignWidth[1] = 2001;
    EXPECT_FALSE(form->slopePage().SegmentsCoverSigns());
}

TEST_F(SlopePageTest, DiagramFollowsTheBoxesAndTheSide)
{
    open(ThreeStrutted());
    const input::SlopeDiagramScene &s = page().diagram();
    EXPECT_FLOAT_EQ(s.scale, 0.5808f);
    EXPECT_DOUBLE_EQ(s.Line7[0].x1, 5526);
    click(OptionArray::Option3D5, 1);
    EXPECT_DOUBLE_EQ(page().diagram().Line7[0].x1, 7212 - 5526);
    chooseTab(1);
    box(1)->setText("0");
    EXPECT_DOUBLE_EQ(page().diagram().Line7[0].y2, page().diagram().Line7[0].y1);
    EXPECT_EQ(form->Frame3D13()->width() * 15, 7215);
}

TEST(SlopeEntryLayout, ArrangementsInTwips)
{
    const auto find = [](const std::vector<input::EntryPlacement> &all, const std::string &name) {
        for (const auto &p : all)
            if (p.name == name)
                return p;
        return input::EntryPlacement{};
    };
    const auto up = input::SlopeEntryPlacements({true, false, false, true, 1572});
    EXPECT_EQ(find(up, "Text3_4").top, 720);
    EXPECT_EQ(find(up, "Option3D9_0").top, 400);
    EXPECT_EQ(find(up, "Label5_6").top, 1080);
    EXPECT_FALSE(find(up, "Text3_0").shown);
    const auto full = input::SlopeEntryPlacements({false, true, false, true, 3000});
    EXPECT_EQ(find(full, "Text3_4").top, 2280);
    EXPECT_EQ(find(full, "Label4_1").top, 2010);
    EXPECT_EQ(find(full, "Option3D9_1").top, 1980);
    EXPECT_EQ(find(full, "Text3_6").left, 3240);
    EXPECT_TRUE(find(full, "Label5_7").shown);
    const auto low = input::SlopeEntryPlacements({false, true, false, true, 1500});
    EXPECT_FALSE(find(low, "Text3_4").shown);
    EXPECT_TRUE(find(low, "Text3_2").shown);
}

// Pictures of the slope page for a person to look at: three strutted
// segments on the left and on the right, and the end-point page. Run by hand
// (--gtest_also_run_disabled_tests), into KELVORA_SHOT_FOLDER or /tmp.
TEST_F(SlopePageTest, DISABLED_Screenshots)
{
    const QString folder = qEnvironmentVariable("KELVORA_SHOT_FOLDER", QStringLiteral("/tmp"));
    open(ThreeStrutted());
    const auto shoot = [&](const QString &name) {
        QApplication::processEvents();
        form->grab().save(folder + QStringLiteral("/slope-%1.png").arg(name));
    };
    chooseTab(2);
    shoot("left");
    tabs()->setCurrentIndex(0);
    click(OptionArray::Option3D5, 1);
    chooseTab(2);
    shoot("right");
    chooseTab(4);
    shoot("end-point");
    SUCCEED();
}
