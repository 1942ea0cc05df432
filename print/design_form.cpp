#include "print/design_form.h"

#include "engine/design_messages.h"
#include "engine/reference_lists.h"
#include "engine/values.h"
#include "print/design_elevation.h"
#include "print/notes_page.h"
#include "print/print_selection.h"
#include "print/page_primitives.h"

#include <algorithm>
#include <initializer_list>
#include <utility>

namespace print {

namespace {

constexpr int32_t RuleWidth = 3;
constexpr int32_t BannerColour = 0xF0F0F0;
constexpr int32_t ElevationBoxColour = 0xFFFFF0;

QString Q(std::string_view text)
{
    return QString::fromUtf8(text.data(), static_cast<qsizetype>(text.size()));
}

// A fixed text chosen by a code; nothing for a code outside the list.
QString Chosen(int code, std::initializer_list<const char *> texts)
{
    if (code < 0 || code >= static_cast<int>(texts.size()))
        return {};
    return QString::fromLatin1(*(texts.begin() + code));
}

// The name at a list index; nothing outside the list.
template <std::size_t N>
QString ListName(const std::array<std::string_view, N> &list, int index)
{
    if (index < 0 || index >= static_cast<int>(N))
        return {};
    return NameText(Q(list[static_cast<std::size_t>(index)]));
}

int32_t PrintY(const PageSurface &s)
{
    return Round(s.CurrentY);
}

// Prints the cells of one row at one y; the next row starts below the
// lowest line any of them reached.
void Row(PageSurface &s, int32_t y, std::initializer_list<std::pair<int32_t, QString>> cells)
{
    int32_t next = y;
    for (const auto &[x, text] : cells) {
        if (text.isEmpty())
            continue;
        PrintWrapped(s, x, y, text);
        next = std::max(next, PrintY(s));
    }
    s.CurrentY = next;
}

void Heading(PageSurface &s, int32_t x, int32_t y, const QString &text)
{
    s.Font.Size = 12;
    s.Font.Bold = true;
    PrintWrapped(s, x, y, text);
}

void DoubleRule(PageSurface &s, const PageFrameRec &f)
{
    const int32_t y = PrintY(s) + 10;
    DrawLine(s, f.Left, y, f.Left + f.Width, y, RuleWidth);
    DrawLine(s, f.Left, y + 10, f.Left + f.Width, y + 10, RuleWidth);
    s.CurrentY = y + 10;
}

// The five sign columns: detail, three fronts, back.
std::array<int32_t, 6> SignColumns(const PageFrameRec &f)
{
    std::array<int32_t, 6> x{};
    x[1] = f.Left;
    for (int k = 2; k <= 5; ++k)
        x[k] = Round(x[k - 1] + f.Width / 5.0);
    return x;
}

void SignHeaderRow(PageSurface &s, const std::array<int32_t, 6> &x, int numFront, bool back)
{
    s.Font.Size = 8;
    s.Font.Underline = true;
    const int32_t y = PrintY(s) + 20;
    QString c2, c3, c4;
    if (numFront == 1) {
        c2 = QStringLiteral(" Front Sign");
    } else if (numFront == 2) {
        c2 = QStringLiteral(" Front Lower");
        c3 = QStringLiteral(" Front Upper");
    } else {
        c2 = QStringLiteral(" Front Lower");
        c3 = QStringLiteral(" Front Middle");
        c4 = QStringLiteral(" Front Upper");
    }
    Row(s, y, {{x[1], QStringLiteral(" Detail")}, {x[2], c2}, {x[3], c3}, {x[4], c4},
               {x[5], back ? QStringLiteral(" Back Sign") : QString()}});
    s.Font.Bold = false;
    s.Font.Underline = false;
}

// One sign row: the label and the value of each printed slot.
template <typename Value>
void SignRow(PageSurface &s, const std::array<int32_t, 6> &x, int numFront, bool back, const QString &label,
             Value value)
{
    const int32_t y = PrintY(s);
    int32_t next = y;
    auto cell = [&](int32_t at, const QString &text) {
        if (text.isEmpty())
            return;
        PrintWrapped(s, at, y, text);
        next = std::max(next, PrintY(s));
    };
    cell(x[1], label);
    for (int k = 1; k <= numFront; ++k)
        cell(x[k + 1], value(k));
    if (back)
        cell(x[5], value(engine::kBackSlot));
    s.CurrentY = next;
}

QString CodeText(const engine::DesignRecord &d, int slot)
{
    return NameText(QString::fromStdString(d.SignCode[static_cast<std::size_t>(slot)].str()));
}

} // namespace

QString PlainNumber(long long value)
{
    return QStringLiteral(" ") + QString::fromStdString(engine::CStrInteger(value));
}

QString SignedNumber(long long value)
{
    return QStringLiteral(" ") + QString::fromStdString(engine::StrInteger(value));
}

QString NameText(const QString &text)
{
    return QStringLiteral(" ") + Q(engine::Trim(text.toStdString()));
}

// ---------------------------------------------------------------------------

platform::SqlStatus SelectedDesignKeys(platform::SqlConnection &db, std::vector<database::StoredDesignKey> &keys)
{
    return ReadSelectedPrintKeys(db, keys);
}

void PrintJobBanner(PageSurface &s, const PrintedDesign &design)
{
    const engine::DesignRecord &d = design.PrintDesign;
    const int32_t L = s.PageFrame.Left;
    const int32_t T = s.PageFrame.Top;
    const int32_t W = s.PageFrame.Width;
    s.Font.Size = 12;
    DrawBox(s, {L, T, W, Round(s.TextHeight(QStringLiteral("A")) + 10), RuleWidth, FillSolid, BannerColour}, 0);
    const int32_t third = Round(L + W / 3.0);
    const int32_t twoThirds = Round(L + 2.0 * W / 3.0);
    PrintWrapped(s, L, 100, QStringLiteral(" Job : ") + QString::fromStdString(d.JobCode.str()));
    PrintWrapped(s, third, 100, QStringLiteral(" Section : ") + QString::fromStdString(d.JobSection.str()));
    PrintWrapped(s, twoThirds, 100, QStringLiteral(" Sign Pos : ") + QString::fromStdString(d.SignPos.str()));
    s.Font.Bold = false;
    const int32_t y = engine::ToInt16(s.CurrentY) + 10;
    DrawLine(s, third, y, third, 100, RuleWidth);
    DrawLine(s, twoThirds, y, twoThirds, 100, RuleWidth);
    DrawLine(s, L, y + 10, L + W, y + 10, RuleWidth);
    s.CurrentY = y + 10;
}

QStringList DesignFormWarnings(const PrintedDesign &design)
{
    const engine::SupportDesign &sup = design.PrintSupport;
    QStringList out;
    const int code = sup.NoResultCode;
    if (code == engine::ResultOk) {
        const int32_t minimum = sup.SlipBaseReq != 0 ? 2200 : 1500;
        const int32_t maximum = design.PrintSupportName == Q(engine::SupportTypeNames[engine::SupportTruss]) ? 3250
                                                                                                               : 10000;
        const int posts = std::clamp<int>(sup.NumPosts, 0, 4);
        for (int j = 1; j <= posts; ++j) {
            const int32_t c = sup.PostClearance[j];
            const QString head = QStringLiteral(" Post %1 Clearance is %2").arg(j).arg(c);
            if (c < minimum)
                out << head + QStringLiteral(" and needs to be at least %1").arg(minimum);
            if (c > maximum)
                out << head + QStringLiteral(" and needs to be less than %1").arg(maximum);
        }
        // Bits 64, 32 and 16 have no text and are taken off first, so a
        // stored value of any size reads the same as the program wrote it.
        int w = sup.WarningCode;
        for (int bit : {64, 32, 16})
            if (w >= bit)
                w -= bit;
        if (w >= 8) {
            w -= 8;
            out << QStringLiteral(" ") + Q(engine::WarningBitText(8));
        }
        if (w >= 4)
            out << QStringLiteral(" ") + Q(engine::WarningBitText(4));
        return out;
    }
    std::vector<QString> lines;
    for (std::string_view line : engine::ResultCodeLines(code))
        lines.push_back(Q(line));
    // The form breaks the no-solution text in two.
    if (code == engine::ResultNoSolution && lines.size() == 1) {
        const QString cut = QStringLiteral("being found");
        const qsizetype at = lines[0].indexOf(cut);
        if (at >= 0) {
            const QString whole = lines[0];
            lines = {whole.left(at + cut.size()), whole.mid(at + cut.size()).trimmed()};
        }
    }
    if (lines.empty())
        return out;
    QString entry;
    for (std::size_t i = 0; i < lines.size(); ++i)
        entry += (i ? QStringLiteral("\r ") : QStringLiteral(" ")) + lines[i];
    out << entry;
    return out;
}

void PrintDesignFormPage(PageSurface &s, const PrintedDesign &design)
{
    const engine::DesignRecord &d = design.PrintDesign;
    const engine::SupportDesign &sup = design.PrintSupport;
    const int numFront = std::clamp<int>(d.NumFrontSigns, 0, 3);
    const bool back = d.NumBackSigns == 1;

    s.Font.Name = QStringLiteral("Arial");
    DrawPageFrame(s, QStringLiteral("Kelvora - Design Form"), QStringLiteral("Mastra"));
    PrintJobBanner(s, design);
    const PageFrameRec f = s.PageFrame;
    const int32_t L = f.Left;
    const int32_t W = f.Width;
    const int32_t H = f.Height;
    const int32_t valueX = Round(L + W / 5.0);

    // Location details, left half.
    const int32_t y0 = PrintY(s);
    Heading(s, L, y0, QStringLiteral(" Location Details"));
    s.CurrentY = PrintY(s) + 20;
    s.Font.Bold = false;
    s.Font.Size = 8;
    auto labelled = [&](const char *label, const QString &value) {
        Row(s, PrintY(s), {{L, QString::fromLatin1(label)}, {valueX, value}});
    };
    labelled(" Wind Region", Chosen(d.WindRegion, {" None", " Region A", " Region B", " Region C", " Region D"}));
    labelled(" Exposed Terrain", Chosen(d.ExposedLocation, {" No", " Yes"}));
    labelled(" Risk Category", Chosen(d.CollisionRisk, {" None", " Low Impact Risk", " High Impact Risk"}));
    labelled(" Foundation Soil", Chosen(d.SoilType, {" None", " Firm to Stiff Clay Soil", " Very Stiff Clay Soil",
                                                     " Loose to Medium Dense Sand", " Dense Sand"}));
    labelled(" Side of Road", d.SignOnLeft != 0 ? QStringLiteral(" Left") : QStringLiteral(" Right"));
    labelled(" Distance from carriageway", PlainNumber(d.DistFromKerb));
    labelled(" Road Height", PlainNumber(d.RoadHeight));
    if (d.RPSegLength > 0)
        labelled(" Ref Pt Reduced Level", PlainNumber(d.RPReducedLevel));
    const int32_t yLoc = PrintY(s);

    // Slope details, right half.
    const double s1 = L + W / 2.0;
    const double s2 = s1 + W / 6.0;
    const double s3 = s2 + W / 6.0;
    Heading(s, Round(s1), y0, QStringLiteral(" Slope Details"));
    s.Font.Size = 8;
    s.Font.Underline = true;
    Row(s, PrintY(s) + 20, {{Round(s1), QStringLiteral(" Segment")}, {Round(s2), QStringLiteral(" Length")},
                            {Round(s3), QStringLiteral(" Height")}});
    s.Font.Bold = false;
    s.Font.Underline = false;
    if (d.RPSegLength > 0)
        Row(s, PrintY(s), {{Round(s1), QStringLiteral(" Ref Point")}, {Round(s2), SignedNumber(d.RPSegLength)},
                           {Round(s3), SignedNumber(d.RPSegDeltaHeight)}});
    for (int k = 1; k <= 6; ++k)
        if (d.SegLength[k] > 0)
            Row(s, PrintY(s), {{Round(s1), SignedNumber(k)}, {Round(s2), SignedNumber(d.SegLength[k])},
                               {Round(s3), SignedNumber(d.SegDeltaHeight[k])}});

    const int32_t y1 = std::max(yLoc, PrintY(s)) + 10;
    DrawLine(s, L, y1, L + W, y1, RuleWidth);
    DrawLine(s, L, y1 + 10, L + W, y1 + 10, RuleWidth);
    DrawLine(s, Round(L + W / 2.0), y1, Round(L + W / 2.0), y0, RuleWidth);
    s.CurrentY = y1 + 10;

    // Sign faces.
    Heading(s, L, PrintY(s), QStringLiteral(" Sign Face Details"));
    std::array<int32_t, 6> x = SignColumns(f);
    SignHeaderRow(s, x, numFront, back);
    auto slotNumber = [&](int slot, const std::array<int32_t, 4> &front, int32_t backValue) {
        return PlainNumber(slot == engine::kBackSlot ? backValue : front[static_cast<std::size_t>(slot)]);
    };
    auto index = [](const std::array<int16_t, 5> &values, int slot) {
        return static_cast<int>(values[static_cast<std::size_t>(slot)]);
    };
    SignRow(s, x, numFront, back, QStringLiteral(" Sign Code"), [&](int slot) { return CodeText(d, slot); });
    SignRow(s, x, numFront, back, QStringLiteral(" Sign Width"),
            [&](int slot) { return slotNumber(slot, d.FrontSignWidth, d.BackSignWidth); });
    SignRow(s, x, numFront, back, QStringLiteral(" Sign Depth"),
            [&](int slot) { return slotNumber(slot, d.FrontSignDepth, d.BackSignDepth); });
    SignRow(s, x, numFront, back, QStringLiteral(" Legend Class"),
            [&](int slot) { return ListName(engine::LegendClassNames, index(d.LegendClass, slot)); });
    SignRow(s, x, numFront, back, QStringLiteral(" Legend Colour"),
            [&](int slot) { return ListName(engine::LegendColourNames, index(d.LegendColour, slot)); });
    SignRow(s, x, numFront, back, QStringLiteral(" Background Class"),
            [&](int slot) { return ListName(engine::BackgroundClassNames, index(d.BkgndClass, slot)); });
    SignRow(s, x, numFront, back, QStringLiteral(" Background Colour"),
            [&](int slot) { return ListName(engine::BackgroundColourNames, index(d.BkgndColour, slot)); });
    SignRow(s, x, numFront, back, QStringLiteral(" Sign Separation"),
            [&](int slot) { return slotNumber(slot, d.FrontSignClearance, d.BackSignClearance); });
    DoubleRule(s, f);

    // Stiffeners.
    Heading(s, L, PrintY(s), QStringLiteral(" Sign Stiffener Details"));
    x = SignColumns(f);
    SignHeaderRow(s, x, numFront, back);
    auto slotValue = [](const auto &values, int slot) { return PlainNumber(values[static_cast<std::size_t>(slot)]); };
    SignRow(s, x, numFront, back, QStringLiteral(" Stiffener Type"),
            [&](int) { return PlainNumber(sup.StiffenerType); });
    SignRow(s, x, numFront, back, QStringLiteral(" Number of Stiffeners"),
            [&](int slot) { return slotValue(sup.NumStiffeners, slot); });
    SignRow(s, x, numFront, back, QStringLiteral(" Stiffener Spacing"),
            [&](int slot) { return slotValue(sup.StiffenerSpacing, slot); });
    SignRow(s, x, numFront, back, QStringLiteral(" Number of Brackets"),
            [&](int slot) { return slotValue(sup.NumBrackets, slot); });
    DoubleRule(s, f);

    // The stored support design.
    const int32_t yD = PrintY(s);
    Heading(s, L, yD, NameText(design.PrintSupportName) + QStringLiteral(" Design Details"));
    s.Font.Size = 8;
    s.Font.Underline = true;
    PrintWrapped(s, L, PrintY(s) + 20, QStringLiteral(" Support Details"));
    s.Font.Bold = false;
    s.Font.Underline = false;
    labelled(" Number", PlainNumber(sup.NumPosts));
    labelled(" Spacing", PlainNumber(sup.PostSpacing) +
                             (sup.SpacingType == 0 ? QStringLiteral(", Standard") : QStringLiteral(", Variable")));
    labelled(" Kerb Post Length", PlainNumber(sup.PostLength[1]));
    labelled(" Post 2 Length", PlainNumber(sup.PostLength[2]));
    labelled(" Post 3 Length", PlainNumber(sup.PostLength[3]));
    labelled(" Post 4 Length", PlainNumber(sup.PostLength[4]));
    labelled(" Stub Length", PlainNumber(sup.StubLength));
    labelled(" Post Dimensions", NameText(QString::fromStdString(sup.PostDimensions.str())));
    labelled(" Post Wall Thickness", NameText(QString::fromStdString(sup.PostWallThickness.str())));
    labelled(" Post Grade", NameText(QString::fromStdString(sup.PostMatGrade.str())));
    labelled(" Slip Base Required", sup.SlipBaseReq != 0 ? QStringLiteral(" Yes") : QStringLiteral(" No"));
    s.Font.Bold = true;
    s.Font.Underline = true;
    PrintWrapped(s, L, PrintY(s) + 20, QStringLiteral(" Footing Details"));
    s.Font.Bold = false;
    s.Font.Underline = false;
    if (sup.FootingType == 1) {
        labelled(" Diameter of Hole", NameText(QString::fromStdString(sup.NormFootingDim.str())));
        labelled(" Depth of Hole", PlainNumber(sup.NormFootingDep));
    } else {
        labelled(" Diameter of Screw", PlainNumber(sup.ScrewFootingDim));
        labelled(" Length of Screw", PlainNumber(sup.ScrewFootingDep));
    }

    // The elevation box in the right-hand column.
    BoxRec box;
    box.Left = Round(L + 2.0 * W / 5.0);
    box.Top = yD;
    box.Width = W - box.Left;
    box.Height = H - yD - 400;
    box.DrawWidth = RuleWidth;
    box.FillStyle = FillSolid;
    box.FillColor = ElevationBoxColour;
    DrawBox(s, box, 0);
    const int32_t yB = box.Top + box.Height;
    DrawLine(s, L, yB, box.Left, yB, RuleWidth);
    DrawLine(s, L, yB + 10, L + W, yB + 10, RuleWidth);

    // Warnings, errors and suggestions.
    Heading(s, L, yB + 10, QStringLiteral(" Warnings, Errors and Suggestions"));
    s.Font.Bold = false;
    s.Font.Size = 8;
    int32_t y = PrintY(s) + 20;
    for (const QString &entry : DesignFormWarnings(design)) {
        PrintWrapped(s, L, y, entry);
        y = PrintY(s);
    }

    DrawDesignElevation(s, box, design);
    RestorePageFrame(s);
}

// ---------------------------------------------------------------------------

PrintJobResult PrintDesignForms(PageSurface &s, platform::SqlConnection &db,
                                const std::vector<database::StoredDesignKey> &keys)
{
    return PrintEachDesign(
        s, db, keys, [&] { SetupPage(s, Portrait); },
        [&](std::size_t, const PrintedDesign &design) {
            PrintDesignFormPage(s, design);
            s.NewPage();
            PrintNotesPage(s, design);
        });
}

} // namespace print
