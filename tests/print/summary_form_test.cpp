// The summary form read back from the recording surface in page units.

#include "print_test_support.h"

#include "print/page_primitives.h"
#include "print/summary_form.h"

#include <algorithm>
#include <map>

namespace printtest {
namespace {

using Call = testing_support::RecordingProgress::Call;
using Kind = print::RecordingSurface::Kind;

TEST(SummaryColumns, EdgesOfTheFullLandscapeFrame)
{
    const print::SummaryColumnEdges x = print::SummaryColumnX({0, 0, 3000, 2000});
    const std::vector<int32_t> expected{0,    167,  278,  389,  500,  611,  722,  833,  944,
                                        1018, 1092, 1203, 1314, 1481, 1555, 1666, 1777, 1888,
                                        2036, 2110, 2221, 2332, 2443, 2554, 2665, 2776, 2887};
    EXPECT_EQ(std::vector<int32_t>(x.begin() + 1, x.end()), expected);
}

class SummaryTest : public PrintDbTest {
protected:
    print::PrintJobResult print(print::RecordingSurface &s, const std::vector<StoredDesignKey> &keys)
    {
        return print::PrintSummaryForms(s, db(), keys);
    }
    testing_support::RecordingProgress progress;
};

// Texts of one page in one font size, with their y.
std::vector<const print::RecordingSurface::Item *> TextsOfSize(const print::RecordingSurface &s, double size,
                                                                int page = 0)
{
    std::vector<const print::RecordingSurface::Item *> out;
    for (const auto &item : s.items)
        if (item.kind == Kind::Text && item.font.Size == size && (page == 0 || item.page == page))
            out.push_back(&item);
    return out;
}

// Column 1: a blank and the sign position as stored.
QString Pos(const char *pos)
{
    return QStringLiteral(" ") + database::PadKey(pos);
}

int Count(const print::RecordingSurface &s, const QString &prefix, int page)
{
    int n = 0;
    for (const auto &item : s.items)
        if (item.kind == Kind::Text && item.page == page && item.text.startsWith(prefix))
            ++n;
    return n;
}

TEST_F(SummaryTest, OneGroupLinePerSectionAndTheHeadings)
{
    save(SampleDesign("A", "S", "P1"), SampleSupport());
    save(SampleDesign("A", "S", "P2"), SampleSupport());
    save(SampleDesign("A", "T", "P1"), SampleSupport());
    FixedSurface s;
    const auto r = print(s, {Key("A", "S", "P1"), Key("A", "S", "P2"), Key("A", "T", "P1")});
    ASSERT_TRUE(r.ok) << r.message.toStdString();
    EXPECT_EQ(r.pages, 1);
    EXPECT_EQ(s.Orientation, print::Landscape);
    EXPECT_EQ(Count(s, " Job : ", 1), 2);
    ASSERT_TRUE(s.findText(" Job : A              "));
    ASSERT_TRUE(s.findText(" Section : T              "));
    EXPECT_TRUE(s.findText(" Job : A              ")->font.Bold);
    EXPECT_TRUE(s.findText("Kelvora - Summary Form"));
    for (const char *heading : {" Position", " Sign Details", " Stiffener Details", " Support Details",
                                " Support Length Details", " Stub", " Footing Details", " Separa-", "  tion",
                                " crgway", " Height", " Bracket", " Post 4", " Grade", " Base", " Depth"})
        EXPECT_TRUE(s.findText(heading)) << heading;
    EXPECT_EQ(s.findText(" Position")->font.Size, 7);
    // The grey heading box over lines 1 to 3 of the heading block.
    bool grey = false;
    for (const auto *box : s.ofKind(Kind::Box))
        grey = grey || (box->fillColour == 0xF0F0F0 && box->fillStyle == print::FillSolid);
    EXPECT_TRUE(grey);
    // First line of the first block: the position as stored, values per column.
    const auto *pos = s.findText(Pos("P1"));
    ASSERT_TRUE(pos);
    EXPECT_EQ(pos->font.Size, 6);
    const print::SummaryColumnEdges x = print::SummaryColumnX({0, 0, 3000, 2000});
    EXPECT_EQ(pos->x1, x[1]);
    std::map<int, QString> first;
    for (const auto &item : s.items)
        if (item.kind == Kind::Text && item.y1 == pos->y1)
            for (int col = 1; col <= 27; ++col)
                if (item.x1 == x[static_cast<std::size_t>(col)])
                    first[col] = item.text;
    EXPECT_EQ(first[2], " G1-1");
    EXPECT_EQ(first[3], " 2000");
    EXPECT_EQ(first[4], " 1500");
    EXPECT_EQ(first[5], " Ft Sign");
    EXPECT_EQ(first[8], " 1500");
    EXPECT_EQ(first[10], " 3");
    EXPECT_EQ(first[12], " 6");
    EXPECT_EQ(first[14], " 2");
    EXPECT_EQ(first[16], " 76.1 NB");
    EXPECT_EQ(first[19], " Rigid");
    EXPECT_EQ(first[20], " 3500");
    EXPECT_EQ(first[25], " Normal");
    EXPECT_EQ(first[26], " 450");
    EXPECT_EQ(first[27], " 1200");
}

TEST_F(SummaryTest, PanelLinesBackSignAloneAndFourLines)
{
    engine::DesignRecord back = SampleDesign("A", "S", "BK");
    back.NumFrontSigns = 0;
    back.NumBackSigns = 1;
    back.BackSignWidth = 900;
    back.BackSignDepth = 600;
    back.SignCode[4] = "R2-1";
    save(back, SampleSupport());
    engine::DesignRecord four = SampleDesign("A", "S", "FOUR");
    four.NumFrontSigns = 3;
    for (int slot = 1; slot <= 3; ++slot) {
        four.FrontSignWidth[static_cast<std::size_t>(slot)] = 1000 * slot;
        four.FrontSignDepth[static_cast<std::size_t>(slot)] = 500;
        four.SignCode[static_cast<std::size_t>(slot)] = QStringLiteral("F%1").arg(slot).toStdString();
    }
    four.NumBackSigns = 1;
    four.BackSignWidth = 700;
    four.BackSignDepth = 400;
    four.SignCode[4] = "B1";
    engine::SupportDesign screw = SampleSupport();
    screw.FootingType = 2;
    screw.ScrewFootingDim = 300;
    screw.ScrewFootingDep = 1600;
    screw.SlipBaseReq = 1;
    save(four, screw);
    FixedSurface s;
    ASSERT_TRUE(print(s, {Key("A", "S", "BK"), Key("A", "S", "FOUR")}).ok);

    const auto *bkPos = s.findText(Pos("BK"));
    ASSERT_TRUE(bkPos);
    const auto *bk = s.findText(" Bk Sign");
    ASSERT_TRUE(bk);
    EXPECT_EQ(bk->y1, bkPos->y1) << "the back sign takes line 1";
    EXPECT_TRUE(s.findText(" R2-1"));
    EXPECT_EQ(s.findText(" R2-1")->y1, bkPos->y1);

    const auto *fourPos = s.findText(Pos("FOUR"));
    ASSERT_TRUE(fourPos);
    std::vector<double> ys;
    for (const char *label : {" Ft Lower", " Ft Mid", " Ft Upper"}) {
        ASSERT_TRUE(s.findText(label)) << label;
        ys.push_back(s.findText(label)->y1);
    }
    // The second " Bk Sign" belongs to FOUR.
    std::vector<const print::RecordingSurface::Item *> backs;
    for (const auto &item : s.items)
        if (item.kind == Kind::Text && item.text == " Bk Sign")
            backs.push_back(&item);
    ASSERT_EQ(backs.size(), 2u);
    ys.push_back(backs[1]->y1);
    EXPECT_EQ(ys[0], fourPos->y1);
    for (std::size_t i = 1; i < ys.size(); ++i)
        EXPECT_EQ(ys[i] - ys[i - 1], 40) << "one line apart";
    EXPECT_EQ(s.findText(" B1")->y1, ys[3]);
    EXPECT_EQ(s.findText(" 3000")->y1, ys[2]) << "slot 3 on the upper line";
    EXPECT_TRUE(s.findText(" Screw"));
    EXPECT_TRUE(s.findText(" Slip"));
    EXPECT_TRUE(s.findText(" 300"));
    EXPECT_TRUE(s.findText(" 1600"));
    // Only the first design opens the group.
    EXPECT_EQ(Count(s, " Job : ", 1), 1);
}

// Three blocks, the middle one of a design without panels, measured as the
// PDF prints them: each design's texts lie between the rule above its block
// and the rule under it, and no rule runs through a line of text.
TEST_F(SummaryTest, ADesignWithoutPanelsKeepsABlockOfItsOwn)
{
    save(SampleDesign("A", "S", "P1"), SampleSupport());
    engine::DesignRecord bare = SampleDesign("A", "S", "P2");
    bare.NumFrontSigns = 0;
    bare.NumBackSigns = 0;
    bare.DistFromKerb = 2750;
    save(bare, SampleSupport());
    engine::DesignRecord two = SampleDesign("A", "S", "P3");
    two.NumFrontSigns = 2;
    two.FrontSignWidth[2] = 1800;
    two.FrontSignDepth[2] = 900;
    two.SignCode[2] = "G9-9";
    save(two, SampleSupport());
    print::RecordingSurface s;
    ASSERT_TRUE(print(s, {Key("A", "S", "P1"), Key("A", "S", "P2"), Key("A", "S", "P3")}).ok);

    // The full-width rules of the blocks: the group rule, then one under each block.
    std::vector<double> rules;
    for (const auto *line : s.ofKind(Kind::Line))
        if (line->y1 == line->y2 && line->width == 2 && line->x1 == s.PageFrame.Left &&
            line->x2 == s.PageFrame.Left + s.PageFrame.Width)
            rules.push_back(line->y1);
    std::vector<std::vector<const print::RecordingSurface::Item *>> blocks;
    for (const auto &item : s.items) {
        if (item.kind != Kind::Text || item.font.Size != 6 || item.text.startsWith(" Job : ") ||
            item.text.startsWith(" Section : "))
            continue;
        if (item.text == Pos("P1") || item.text == Pos("P2") || item.text == Pos("P3"))
            blocks.emplace_back();
        ASSERT_FALSE(blocks.empty()) << item.text.toStdString();
        blocks.back().push_back(&item);
    }
    ASSERT_EQ(blocks.size(), 3u);
    ASSERT_EQ(rules.size(), 4u) << "the group rule and one rule under each block";
    s.Font.Size = 6;
    const double height = s.TextHeight(QStringLiteral("A"));
    EXPECT_EQ(blocks[1].front()->text, Pos("P2"));
    EXPECT_TRUE(std::any_of(blocks[1].begin(), blocks[1].end(), [](auto *t) { return t->text == " 2750"; }));
    for (std::size_t b = 0; b < blocks.size(); ++b) {
        EXPECT_GT(rules[b + 1], rules[b]) << "block " << b + 1 << " takes room";
        for (const auto *t : blocks[b]) {
            EXPECT_GE(t->y1, rules[b]) << t->text.toStdString() << " in block " << b + 1;
            EXPECT_LE(t->y1 + height, rules[b + 1]) << t->text.toStdString() << " in block " << b + 1;
        }
    }
    for (const auto *line : s.ofKind(Kind::Line))
        for (const auto &block : blocks)
            for (const auto *t : block)
                if (line->y1 == line->y2 && t->x1 >= line->x1 && t->x1 < line->x2) {
                    EXPECT_FALSE(line->y1 > t->y1 && line->y1 < t->y1 + height)
                        << "a rule at y " << line->y1 << " through " << t->text.toStdString() << " at y " << t->y1;
                }
}

TEST_F(SummaryTest, BlocksNeverRunPastTheContentBottom)
{
    std::vector<StoredDesignKey> keys;
    for (int i = 0; i < 30; ++i) {
        const QByteArray section = QStringLiteral("S%1").arg(i / 4).toUtf8();
        const QByteArray pos = QStringLiteral("P%1").arg(i, 2, 10, QLatin1Char('0')).toUtf8();
        engine::DesignRecord d = SampleDesign("J", section.constData(), pos.constData());
        d.NumFrontSigns = 3;
        for (int slot = 1; slot <= 3; ++slot) {
            d.FrontSignWidth[static_cast<std::size_t>(slot)] = 1000;
            d.FrontSignDepth[static_cast<std::size_t>(slot)] = 500;
            d.SignCode[static_cast<std::size_t>(slot)] = QStringLiteral("F%1").arg(slot).toStdString();
        }
        d.NumBackSigns = 1;
        d.BackSignWidth = 500;
        d.BackSignDepth = 500;
        d.SignCode[4] = "B";
        save(d, SampleSupport());
        keys.push_back(Key("J", section.constData(), pos.constData()));
    }
    FixedSurface s;
    const auto r = print(s, keys);
    ASSERT_TRUE(r.ok);
    ASSERT_GE(r.pages, 2);
    const int contentBottom = 1900;  // the landscape frame less its bands
    for (int page = 1; page <= r.pages; ++page) {
        for (const auto *item : TextsOfSize(s, 6, page))
            EXPECT_LE(item->y1 + 40, contentBottom) << item->text.toStdString() << " on page " << page;
        EXPECT_GE(Count(s, " Job : ", page), 1) << "the first block of page " << page << " opens a group";
        EXPECT_EQ(Count(s, " Position", page), 1) << "headings on page " << page;
        // The first block of every page follows its group line.
        const auto texts = TextsOfSize(s, 6, page);
        ASSERT_FALSE(texts.empty());
        EXPECT_TRUE(texts.front()->text.startsWith(" Job : ")) << texts.front()->text.toStdString();
    }
    for (const auto &item : s.items) {
        if (item.kind == Kind::Line && item.width == 2) {
            EXPECT_LE(std::max(item.y1, item.y2), contentBottom);
        }
    }
    // Every design printed once.
    int positions = 0;
    for (const auto &item : s.items)
        positions += item.kind == Kind::Text && item.text.startsWith(" P") && item.text.size() == 16 ? 1 : 0;
    EXPECT_EQ(positions, 30);
}

TEST_F(SummaryTest, ProgressForEightDesigns)
{
    std::vector<StoredDesignKey> keys;
    for (int i = 1; i <= 8; ++i) {
        const QByteArray pos = QStringLiteral("P%1").arg(i).toUtf8();
        save(SampleDesign("A", "S", pos.constData()), SampleSupport());
        keys.push_back(Key("A", "S", pos.constData()));
    }
    progress.calls.clear();
    FixedSurface s;
    ASSERT_TRUE(print(s, keys).ok);
    EXPECT_EQ(progress.calls, (std::vector<Call>{{0, 1},
                                                 {12, 2},
                                                 {25, 2},
                                                 {38, 2},
                                                 {50, 2},
                                                 {62, 2},
                                                 {75, 2},
                                                 {88, 2},
                                                 {100, 2},
                                                 {100, 3}}));
    EXPECT_TRUE(s.ended);
}

TEST_F(SummaryTest, NoKeyNoPageNoProgress)
{
    FixedSurface s;
    const auto r = print(s, {});
    EXPECT_TRUE(r.ok);
    EXPECT_TRUE(s.items.empty());
    EXPECT_TRUE(progress.calls.empty());
    EXPECT_FALSE(s.ended);
}

} // namespace
} // namespace printtest
