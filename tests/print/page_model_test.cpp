// The page model: frame record, header and footer texts, wrapped printing,
// boxes and lines, measured on a recording surface.

#include "print/page_primitives.h"

#include <gtest/gtest.h>

#include <cmath>
#include <numbers>

namespace {

using print::PageFrameRec;
using print::RecordingSurface;
using Kind = RecordingSurface::Kind;

// A surface with a fixed metric: 10 units a character, 40 units a line.
struct FixedSurface : RecordingSurface {
    FixedSurface()
    {
        useFixedMetric(10, 40);
        Today = QDate(2026, 3, 7);
    }
};

TEST(PageFrame, FollowsEachOperationInBothOrientations)
{
    struct Case {
        int16_t orientation;
        PageFrameRec setup, framed;
    };
    for (const Case &c : {Case{1, {0, 0, 2000, 3000}, {0, 100, 2000, 2800}},
                          Case{2, {0, 0, 3000, 2000}, {0, 100, 3000, 1800}}}) {
        FixedSurface s;
        s.PageFrame = {7, 7, 7, 7};
        print::SetupPage(s, c.orientation);
        EXPECT_EQ(s.PageFrame, c.setup);
        EXPECT_EQ(s.Orientation, c.orientation);
        print::DrawPageFrame(s, "T", "Mastra");
        EXPECT_EQ(s.PageFrame, c.framed);
        print::RestorePageFrame(s);
        EXPECT_EQ(s.PageFrame, c.setup);
    }
    FixedSurface other;
    other.PageFrame = {1, 2, 3, 4};
    print::SetupPage(other, 3);
    EXPECT_EQ(other.PageFrame, (PageFrameRec{1, 2, 3, 4}));
    EXPECT_EQ(other.Orientation, 3);
}

TEST(PageFrame, HeaderAndFooterTextsInPlace)
{
    FixedSurface s;
    s.Font.Name = "Courier";
    print::SetupPage(s, 1);
    print::DrawPageFrame(s, "Kelvora - Design Form", "Mastra");

    // Border, header band, footer band.
    const auto boxes = s.ofKind(Kind::Box);
    ASSERT_EQ(boxes.size(), 3u);
    EXPECT_EQ(boxes[0]->fillStyle, print::FillTransparent);
    EXPECT_EQ(boxes[1]->fillStyle, print::FillSolid);
    EXPECT_EQ(boxes[1]->fillColour, 0xE0E0E0);
    EXPECT_EQ(boxes[2]->y1, 2900);
    EXPECT_EQ(boxes[2]->y2, 3000);
    EXPECT_EQ(boxes[0]->width, 3);

    const auto *title = s.findText("Kelvora - Design Form");
    ASSERT_TRUE(title);
    EXPECT_EQ(title->x1, (2000 - 210) / 2);  // 21 characters centred
    EXPECT_EQ(title->y1, 0);
    EXPECT_EQ(title->font.Size, 18);
    EXPECT_TRUE(title->font.Bold);
    EXPECT_EQ(title->font.Name, "Arial");

    const auto *tag = s.findText("Mastra");
    ASSERT_TRUE(tag);
    EXPECT_EQ(tag->x1, 1);
    EXPECT_EQ(tag->y1, 3000 - 40 - 10);
    EXPECT_FALSE(tag->font.Bold);
    EXPECT_EQ(tag->font.Size, 16);

    const auto *version = s.findText("Version 2.1");
    ASSERT_TRUE(version);
    EXPECT_EQ(version->x1, 2000 - 110 - 1);
    EXPECT_EQ(version->y1, 2950);

    const auto *date = s.findText("07/03/2026");
    ASSERT_TRUE(date);
    EXPECT_EQ(date->x1, 1);
    EXPECT_EQ(date->font.Size, 12);

    const auto *page = s.findText("Page  1");
    ASSERT_TRUE(page);
    EXPECT_EQ(page->x1, 2000 - 70 - 1);
    EXPECT_EQ(page->y1, 0);

    // The font name comes back; size 12, not bold, stays.
    EXPECT_EQ(s.Font.Name, "Courier");
    EXPECT_EQ(s.Font.Size, 12);
    EXPECT_FALSE(s.Font.Bold);
}

TEST(PageFrame, PageNumberCountsPagesDrawnOn)
{
    FixedSurface s;
    print::SetupPage(s, 1);
    for (int page = 1; page <= 12; ++page) {
        print::DrawPageFrame(s, "T", "Mastra");
        print::RestorePageFrame(s);
        s.NewPage();
        s.NewPage();  // a break on an empty page does nothing
    }
    EXPECT_TRUE(s.findText("Page  1"));
    EXPECT_TRUE(s.findText("Page  12"));
    EXPECT_FALSE(s.findText("Page  13"));
    EXPECT_EQ(s.Page(), 13);
    EXPECT_EQ(s.PagesPrinted(), 12);
    EXPECT_EQ(print::PageText(12), "Page  12");
    EXPECT_EQ(s.ofKind(Kind::PageBreak).size(), 12u);
}

TEST(PageFrame, RealMetricsCentreTheTitle)
{
    RecordingSurface s;
    print::SetupPage(s, 1);
    print::DrawPageFrame(s, "Kelvora - Design Form", "Mastra");
    const auto *title = s.findText("Kelvora - Design Form");
    ASSERT_TRUE(title);
    s.Font.Size = 18;
    s.Font.Bold = true;
    s.Font.Name = "Arial";
    const double width = s.TextWidth("Kelvora - Design Form");
    EXPECT_GT(width, 300);  // 18 point bold, some 13 cm... at least 3 cm
    EXPECT_LT(width, 1200);
    EXPECT_NEAR(title->x1 + width / 2, 1000, 1);
}

struct WrapCase {
    const char *name;
    int x;
    QString text;
    QStringList lines;
    double endY;
};

void PrintTo(const WrapCase &c, std::ostream *os) { *os << c.name; }

class PrintWrappedCase : public ::testing::TestWithParam<WrapCase> {};

TEST_P(PrintWrappedCase, CutsAtTheRightEdge)
{
    const WrapCase &c = GetParam();
    FixedSurface s;
    print::SetupPage(s, 1);  // right edge at 2000
    print::PrintWrapped(s, c.x, 500, c.text);
    EXPECT_EQ(s.texts(), c.lines);
    for (const auto *t : s.ofKind(Kind::Text))
        EXPECT_EQ(t->x1, c.x);
    EXPECT_EQ(s.CurrentY, c.endY);
}

INSTANTIATE_TEST_SUITE_P(
    Wrap, PrintWrappedCase,
    ::testing::Values(
        // 30 characters of 10 units in 200 units: 20 and 10.
        WrapCase{"Cut", 1800, "abcdefghijklmnopqrstuvwxyz0123", {"abcdefghijklmnopqrst", "uvwxyz0123"}, 580},
        // Exactly as wide as the room: printed whole.
        WrapCase{"ExactFit", 1800, "abcdefghijklmnopqrst", {"abcdefghijklmnopqrst"}, 540},
        WrapCase{"Empty", 1800, "", {}, 500},
        // Blanks at a cut stay with their piece.
        WrapCase{"Blanks", 1950, "abcd efgh", {"abcd ", "efgh"}, 580},
        // A carriage return: two lines, measured by the longest.
        WrapCase{"CarriageReturn", 1800, "short\rlonger line", {"short", "longer line"}, 580},
        // Less room than one character: one character a line.
        WrapCase{"OneCharacterRoom", 1995, "abc", {"a", "b", "c"}, 620},
        // No room at all: the text as one line.
        WrapCase{"NoRoom", 2000, "abc", {"abc"}, 540},
        WrapCase{"PastTheEdge", 2400, "abcdef", {"abcdef"}, 540}),
    [](const auto &info) { return std::string(info.param.name); });

TEST(DrawBox, PlainBoxRestoresFillAndWidth)
{
    FixedSurface s;
    s.FillStyle = 1;
    s.FillColor = 0x123456;
    s.DrawWidth = 7;
    s.CurrentX = 5;
    s.CurrentY = 6;
    print::DrawBox(s, {100, 200, 300, 400, 2, 0, 0xFF}, 0);
    const auto boxes = s.ofKind(Kind::Box);
    ASSERT_EQ(boxes.size(), 1u);
    EXPECT_EQ(boxes[0]->x1, 100);
    EXPECT_EQ(boxes[0]->y1, 200);
    EXPECT_EQ(boxes[0]->x2, 400);
    EXPECT_EQ(boxes[0]->y2, 600);
    EXPECT_EQ(boxes[0]->width, 2);
    EXPECT_EQ(boxes[0]->fillStyle, 0);
    EXPECT_EQ(boxes[0]->fillColour, 0xFF);
    EXPECT_EQ(s.FillStyle, 1);
    EXPECT_EQ(s.FillColor, 0x123456);
    EXPECT_EQ(s.DrawWidth, 7);
    // The print position is left at the box's far corner.
    EXPECT_EQ(s.CurrentX, 400);
    EXPECT_EQ(s.CurrentY, 600);
}

TEST(DrawBox, RoundedBoxIsFiveBoxesFourSectorsFourEdgesFourArcs)
{
    constexpr double pi = std::numbers::pi;
    FixedSurface s;
    s.ForeColor = 0x010203;
    print::DrawBox(s, {100, 200, 300, 400, 2, 0, 0xFF}, 1);
    const auto boxes = s.ofKind(Kind::Box);
    ASSERT_EQ(boxes.size(), 5u);
    struct R {
        double l, t, r, b;
    };
    const R expected[] = {{140, 240, 360, 560}, {100, 240, 140, 560}, {360, 240, 400, 560},
                          {140, 200, 360, 240}, {140, 560, 360, 600}};
    for (int i = 0; i < 5; ++i) {
        EXPECT_EQ(boxes[i]->x1, expected[i].l) << i;
        EXPECT_EQ(boxes[i]->y1, expected[i].t) << i;
        EXPECT_EQ(boxes[i]->x2, expected[i].r) << i;
        EXPECT_EQ(boxes[i]->y2, expected[i].b) << i;
        EXPECT_EQ(boxes[i]->colour, 0xFF) << i;  // outlined in the fill colour
        EXPECT_EQ(boxes[i]->fillColour, 0xFF) << i;
    }
    const auto sectors = s.ofKind(Kind::Sector);
    ASSERT_EQ(sectors.size(), 4u);
    struct S {
        double cx, cy, start, span;
    };
    const S sectorsExpected[] = {{140, 240, pi / 2, pi / 2}, {360, 240, 0.1, pi / 2 - 0.1},
                                 {140, 560, pi, 3 * pi / 2}, {360, 560, 3 * pi / 2, pi / 2}};
    for (int i = 0; i < 4; ++i) {
        EXPECT_EQ(sectors[i]->x1, sectorsExpected[i].cx) << i;
        EXPECT_EQ(sectors[i]->y1, sectorsExpected[i].cy) << i;
        EXPECT_EQ(sectors[i]->radius, 40) << i;
        EXPECT_NEAR(sectors[i]->start, sectorsExpected[i].start, 1e-9) << i;
        EXPECT_NEAR(sectors[i]->span, sectorsExpected[i].span, 1e-9) << i;
        EXPECT_EQ(sectors[i]->fillStyle, 0) << i;
    }
    const auto lines = s.ofKind(Kind::Line);
    ASSERT_EQ(lines.size(), 4u);
    // Vertical edges on the box; horizontal ones the line width outside it.
    EXPECT_EQ(lines[0]->x1, 100);
    EXPECT_EQ(lines[0]->y1, 240);
    EXPECT_EQ(lines[0]->y2, 560);
    EXPECT_EQ(lines[1]->x1, 400);
    EXPECT_EQ(lines[2]->y1, 198);
    EXPECT_EQ(lines[2]->x1, 140);
    EXPECT_EQ(lines[2]->x2, 360);
    EXPECT_EQ(lines[3]->y1, 602);
    for (const auto *l : lines)
        EXPECT_EQ(l->colour, 0x010203);
    const auto arcs = s.ofKind(Kind::Arc);
    ASSERT_EQ(arcs.size(), 4u);
    for (const auto *a : arcs) {
        EXPECT_NEAR(a->span, pi / 2, 1e-9);
        EXPECT_EQ(a->colour, 0x010203);
    }
    EXPECT_NEAR(arcs[1]->start, 0, 1e-9);
    EXPECT_NEAR(arcs[2]->start, pi, 1e-9);
}

TEST(DrawLine, RestoresWidthAndRoundedPosition)
{
    FixedSurface s;
    s.DrawWidth = 5;
    s.CurrentX = 10.4;
    s.CurrentY = 20.6;
    print::DrawLine(s, 1, 2, 3, 4, 9);
    const auto lines = s.ofKind(Kind::Line);
    ASSERT_EQ(lines.size(), 1u);
    EXPECT_EQ(lines[0]->width, 9);
    EXPECT_EQ(lines[0]->x2, 3);
    EXPECT_EQ(lines[0]->y2, 4);
    EXPECT_EQ(s.DrawWidth, 5);
    EXPECT_EQ(s.CurrentX, 10);
    EXPECT_EQ(s.CurrentY, 21);
}

TEST(PageSurface, PrintAndMeasureByLines)
{
    FixedSurface s;
    EXPECT_EQ(s.TextWidth("ab\rabcd"), 40);
    EXPECT_EQ(s.TextHeight("ab\rabcd"), 80);
    EXPECT_EQ(s.TextHeight(""), 40);
    s.CurrentX = 30;
    s.CurrentY = 50;
    s.Print("one\rtwo");
    ASSERT_EQ(s.texts(), (QStringList{"one", "two"}));
    EXPECT_EQ(s.ofKind(Kind::Text)[1]->x1, 30);
    EXPECT_EQ(s.ofKind(Kind::Text)[1]->y1, 90);
    EXPECT_EQ(s.CurrentY, 130);
}

TEST(PageSurface, RealMetricScalesWithPointSize)
{
    RecordingSurface s;
    s.Font.Size = 12;
    const double w12 = s.TextWidth("Mastra");
    const double h12 = s.TextHeight("Mastra");
    s.Font.Size = 24;
    EXPECT_NEAR(s.TextWidth("Mastra"), 2 * w12, 0.02 * w12);
    EXPECT_NEAR(s.TextHeight("Mastra"), 2 * h12, 0.02 * h12);
    // A 12 point line is a little over 12 points high: 12 x 3.8 units.
    EXPECT_GT(h12, 12 * s.unitsPerPoint());
    EXPECT_LT(h12, 1.4 * 12 * s.unitsPerPoint());
}

TEST(PageMapping, FitsTheFrameUniformlyAndCentred)
{
    const print::PageMapping portrait = print::MapPage(200, 287, 1);
    EXPECT_NEAR(portrait.mmPerUnit, 287.0 / 3100, 1e-12);
    EXPECT_NEAR(portrait.originXmm - 50 * portrait.mmPerUnit, (200 - 2100 * portrait.mmPerUnit) / 2, 1e-9);
    EXPECT_NEAR(portrait.originYmm, 50 * portrait.mmPerUnit, 1e-9);
    const print::PageMapping landscape = print::MapPage(287, 200, 2);
    EXPECT_NEAR(landscape.mmPerUnit, portrait.mmPerUnit, 1e-12);
}

} // namespace
