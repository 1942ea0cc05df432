#include "print/summary_form.h"

#include "print/page_primitives.h"

#include <algorithm>

namespace print {

namespace {

constexpr int32_t RuleWidth = 2;
constexpr int32_t HeadingBoxColour = 0xF0F0F0;
constexpr int32_t Gap = 10;

QString Number(long long value)
{
    return QStringLiteral(" ") + QString::number(value);
}

template <std::size_t N>
QString Text(const engine::FixedText<N> &text)
{
    return QStringLiteral(" ") + QString::fromStdString(text.str()).trimmed();
}

template <std::size_t N>
QString AsStored(const engine::FixedText<N> &text)
{
    return QString::fromStdString(text.str());
}

int FrontCount(const engine::DesignRecord &d)
{
    return std::clamp<int>(d.NumFrontSigns, 0, 3);
}

int BackCount(const engine::DesignRecord &d)
{
    return std::clamp<int>(d.NumBackSigns, 0, 1);
}

// The line under the block: m of lines 1 to m - 1. A design without panels
// still prints its first line, so its block spans at least that line.
int BlockEndLine(const engine::DesignRecord &d)
{
    return std::max(FrontCount(d) + BackCount(d) + 1, 2);
}

// One panel line of a block: the slot it shows and its label.
struct PanelLine {
    int slot;  // 1..3 front, 4 back
    int line;  // 1..4
    QString label;
};

std::vector<PanelLine> PanelLines(const engine::DesignRecord &d)
{
    std::vector<PanelLine> lines;
    switch (FrontCount(d)) {
    case 1:
        lines.push_back({1, 1, QStringLiteral(" Ft Sign")});
        break;
    case 2:
        lines.push_back({1, 1, QStringLiteral(" Ft Lower")});
        lines.push_back({2, 2, QStringLiteral(" Ft Upper")});
        break;
    case 3:
        lines.push_back({1, 1, QStringLiteral(" Ft Lower")});
        lines.push_back({2, 2, QStringLiteral(" Ft Mid")});
        lines.push_back({3, 3, QStringLiteral(" Ft Upper")});
        break;
    default:
        break;
    }
    if (BackCount(d) == 1)
        lines.push_back({4, FrontCount(d) + 1, QStringLiteral(" Bk Sign")});
    return lines;
}

// The y of the block's lines 1..6 and of the group line, as PrintSummaryRow
// steps them from print position y.
struct BlockLayout {
    int32_t groupY = 0;
    int32_t groupRuleY = 0;
    std::array<int32_t, 7> rowY{};
};

BlockLayout LayOutBlock(PageSurface &s, double y, bool newGroup)
{
    BlockLayout b;
    const PrintFont saved = s.Font;
    s.Font.Name = QStringLiteral("Arial");
    s.Font.Size = 6;
    if (newGroup) {
        b.groupY = Round(y + Gap);
        s.Font.Bold = true;
        b.groupRuleY = Round(b.groupY + s.TextHeight(QStringLiteral("A"))) + Gap;
        s.Font.Bold = false;
        y = b.groupRuleY;
    }
    s.Font.Bold = false;
    b.rowY[1] = Round(y) + Gap;
    const double step = s.TextHeight(QStringLiteral("A"));
    for (int k = 2; k <= 6; ++k)
        b.rowY[static_cast<std::size_t>(k)] = Round(b.rowY[static_cast<std::size_t>(k - 1)] + step);
    s.Font = saved;
    return b;
}

} // namespace

SummaryColumnEdges SummaryColumnX(const PageFrameRec &frame)
{
    std::array<double, SummaryColumns + 1> weight{};
    weight.fill(1.0);
    weight[1] = 3.0 / 2.0;
    weight[9] = 2.0 / 3.0;
    weight[10] = 2.0 / 3.0;
    weight[13] = 3.0 / 2.0;
    weight[14] = 2.0 / 3.0;
    weight[18] = 4.0 / 3.0;
    weight[19] = 2.0 / 3.0;
    SummaryColumnEdges x{};
    x[1] = frame.Left;
    const double unit = static_cast<double>(frame.Width) / SummaryColumns;
    for (int i = 2; i <= SummaryColumns; ++i)
        x[static_cast<std::size_t>(i)] =
            Round(x[static_cast<std::size_t>(i - 1)] + weight[static_cast<std::size_t>(i - 1)] * unit);
    return x;
}

void PrintSummaryHeader(PageSurface &s, const SummaryColumnEdges &x)
{
    const PageFrameRec f = s.PageFrame;
    s.Font.Name = QStringLiteral("Arial");
    s.Font.Size = 7;
    s.Font.Bold = false;
    s.CurrentX = f.Left;
    s.CurrentY = f.Top;
    std::array<int32_t, 6> hy{};
    hy[1] = Round(s.CurrentY);
    for (int k = 2; k <= 5; ++k) {
        s.Print(QString());
        hy[static_cast<std::size_t>(k)] = Round(s.CurrentY);
    }
    DrawBox(s, {f.Left, hy[1], f.Width, hy[4] - hy[1], 3, FillSolid, HeadingBoxColour}, 0);
    for (int k = 2; k <= SummaryColumns; ++k)
        DrawLine(s, x[static_cast<std::size_t>(k)], hy[2], x[static_cast<std::size_t>(k)], hy[4], RuleWidth);
    DrawLine(s, x[3], hy[2], f.Left + f.Width, hy[2], RuleWidth);

    static const std::pair<int, const char *> groups[] = {
        {1, " Position"},          {2, " Sign"},           {3, " Sign Details"},
        {9, " Stiffener Details"}, {13, " Support Details"}, {20, " Support Length Details"},
        {24, " Stub"},             {25, " Footing Details"},
    };
    for (const auto &[col, text] : groups)
        PrintWrapped(s, x[static_cast<std::size_t>(col)], hy[1], QString::fromLatin1(text));
    for (int g : {2, 3, 9, 13, 20, 24, 25})
        DrawLine(s, x[static_cast<std::size_t>(g)], hy[1], x[static_cast<std::size_t>(g)], hy[2], RuleWidth);

    static const char *const line2[SummaryColumns] = {
        " Num",   " Code", " Width", " Depth",  " Layout", " Separa-", " Dist frm", " Road",   " Type",
        " Num",   " Spacing", " Bracket", " Type", " Num", " Spacing", " Dim",      " Wall",   " Grade",
        " Base",  " Post 1", " Post 2", " Post 3", " Post 4", " Length", " Type",   " Dim",    " Depth",
    };
    for (int col = 1; col <= SummaryColumns; ++col)
        PrintWrapped(s, x[static_cast<std::size_t>(col)], hy[2], QString::fromLatin1(line2[col - 1]));
    PrintWrapped(s, x[6], hy[3], QStringLiteral("  tion"));
    PrintWrapped(s, x[7], hy[3], QStringLiteral(" crgway"));
    PrintWrapped(s, x[8], hy[3], QStringLiteral(" Height"));
    s.CurrentY = hy[4];
}

int32_t SummaryBlockBottom(PageSurface &s, const PrintedDesign &design, bool newGroup)
{
    const BlockLayout b = LayOutBlock(s, s.CurrentY, newGroup);
    const int m = BlockEndLine(design.PrintDesign);
    return b.rowY[static_cast<std::size_t>(m)] + Gap;
}

void PrintSummaryRow(PageSurface &s, const SummaryColumnEdges &x, const PrintedDesign &design, bool newGroup)
{
    const engine::DesignRecord &d = design.PrintDesign;
    const engine::SupportDesign &sup = design.PrintSupport;
    const PageFrameRec f = s.PageFrame;
    const BlockLayout b = LayOutBlock(s, s.CurrentY, newGroup);
    s.Font.Name = QStringLiteral("Arial");
    s.Font.Size = 6;
    s.Font.Bold = false;
    if (newGroup) {
        s.Font.Bold = true;
        PrintWrapped(s, x[1], b.groupY, QStringLiteral(" Job : ") + AsStored(d.JobCode));
        PrintWrapped(s, x[3], b.groupY, QStringLiteral(" Section : ") + AsStored(d.JobSection));
        s.Font.Bold = false;
        DrawLine(s, f.Left, b.groupRuleY, f.Left + f.Width, b.groupRuleY, RuleWidth);
    }
    const auto &y = b.rowY;
    auto at = [&](int col, int line, const QString &text) {
        PrintWrapped(s, x[static_cast<std::size_t>(col)], y[static_cast<std::size_t>(line)], text);
    };
    const std::vector<PanelLine> panels = PanelLines(d);

    at(1, 1, QStringLiteral(" ") + AsStored(d.SignPos));
    for (const PanelLine &p : panels)
        at(5, p.line, p.label);
    for (const PanelLine &p : panels)
        at(2, p.line, Text(d.SignCode[static_cast<std::size_t>(p.slot)]));
    auto front = [](const std::array<int32_t, 4> &values, int slot) { return values[static_cast<std::size_t>(slot)]; };
    for (const PanelLine &p : panels)
        at(3, p.line, Number(p.slot == 4 ? d.BackSignWidth : front(d.FrontSignWidth, p.slot)));
    for (const PanelLine &p : panels)
        at(4, p.line, Number(p.slot == 4 ? d.BackSignDepth : front(d.FrontSignDepth, p.slot)));
    for (const PanelLine &p : panels)
        at(6, p.line, Number(p.slot == 4 ? d.BackSignClearance : front(d.FrontSignClearance, p.slot)));
    at(7, 1, Number(d.DistFromKerb));
    at(8, 1, Number(d.RoadHeight));
    for (const PanelLine &p : panels)
        at(9, p.line, Number(sup.StiffenerType));
    for (const PanelLine &p : panels)
        at(10, p.line, Number(sup.NumStiffeners[static_cast<std::size_t>(p.slot)]));
    for (const PanelLine &p : panels)
        at(11, p.line, Number(sup.StiffenerSpacing[static_cast<std::size_t>(p.slot)]));
    for (const PanelLine &p : panels)
        at(12, p.line, Number(sup.NumBrackets[static_cast<std::size_t>(p.slot)]));
    at(13, 1, QStringLiteral(" ") + design.PrintSupportName.trimmed());
    at(14, 1, Number(sup.NumPosts));
    at(15, 1, Number(sup.PostSpacing));
    at(16, 1, Text(sup.PostDimensions));
    at(17, 1, Text(sup.PostWallThickness));
    at(18, 1, Text(sup.PostMatGrade));
    at(19, 1, sup.SlipBaseReq != 0 ? QStringLiteral(" Slip") : QStringLiteral(" Rigid"));
    for (int post = 1; post <= 4; ++post)
        at(19 + post, 1, Number(sup.PostLength[static_cast<std::size_t>(post)]));
    at(24, 1, Number(sup.StubLength));
    const bool normal = sup.FootingType == 1;
    at(25, 1, normal ? QStringLiteral(" Normal") : QStringLiteral(" Screw"));
    at(26, 1, normal ? Text(sup.NormFootingDim) : Number(sup.ScrewFootingDim));
    at(27, 1, Number(normal ? sup.NormFootingDep : sup.ScrewFootingDep));

    const int m = BlockEndLine(d);
    const int32_t bottom = y[static_cast<std::size_t>(m)] + Gap;
    DrawLine(s, f.Left, bottom, f.Left + f.Width, bottom, RuleWidth);
    for (int k = 2; k <= SummaryColumns; ++k)
        DrawLine(s, x[static_cast<std::size_t>(k)], y[1] - Gap, x[static_cast<std::size_t>(k)], bottom, RuleWidth);
    s.CurrentY = bottom;
}

PrintJobResult PrintSummaryForms(PageSurface &s, platform::SqlConnection &db,
                                 const std::vector<database::StoredDesignKey> &keys)
{
    SetupPage(s, Landscape);
    const SummaryColumnEdges x = SummaryColumnX(s.PageFrame);
    const QString title = QStringLiteral("Kelvora - Summary Form");
    const QString tag = QStringLiteral("Mastra");
    bool newGroup = true;
    bool blockOnPage = false;
    database::StoredDesignKey previous;
    return PrintEachDesign(
        s, db, keys,
        [&] {
            DrawPageFrame(s, title, tag);
            PrintSummaryHeader(s, x);
        },
        [&](std::size_t index, const PrintedDesign &design) {
            const database::StoredDesignKey &key = keys[index];
            if (index == 0 || key.JobCode != previous.JobCode || key.JobSection != previous.JobSection)
                newGroup = true;
            // The whole block, group line included, must end inside the
            // content area; the first block of a page always prints there.
            const int32_t contentBottom = s.PageFrame.Top + s.PageFrame.Height;
            if (blockOnPage && SummaryBlockBottom(s, design, newGroup) > contentBottom) {
                s.NewPage();
                RestorePageFrame(s);
                DrawPageFrame(s, title, tag);
                PrintSummaryHeader(s, x);
                newGroup = true;
            }
            PrintSummaryRow(s, x, design, newGroup);
            blockOnPage = true;
            previous = key;
            newGroup = false;
        });
}

} // namespace print
