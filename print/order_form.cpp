#include "print/order_form.h"

#include "engine/reference_lists.h"
#include "engine/values.h"
#include "print/page_primitives.h"

#include <algorithm>
#include <functional>
#include <initializer_list>

namespace print {

namespace {

constexpr int32_t RuleWidth = 3;
constexpr int32_t LabelColour = 0xF0F0F0;
constexpr int MaxPanelColumns = 4;

QString Q(const std::string &text)
{
    return QString::fromStdString(text);
}

// Blank and the trimmed name at a list index; nothing outside the list.
template <std::size_t N>
QString ListName(const std::array<std::string_view, N> &list, int index)
{
    if (index < 0 || index >= static_cast<int>(N))
        return {};
    const std::string_view name = list[static_cast<std::size_t>(index)];
    return NameText(QString::fromUtf8(name.data(), static_cast<qsizetype>(name.size())));
}

int32_t PrintY(const PageSurface &s)
{
    return Round(s.CurrentY);
}

// Prints a cell on one line: a text that would run past the frame's right
// edge is cut there, so that every row of the slot columns advances one line
// and stays level with its label.
void Cell(PageSurface &s, int32_t x, int32_t y, const QString &text)
{
    const double room = static_cast<double>(s.PageFrame.Left) + s.PageFrame.Width - x;
    QString shown = text;
    if (room > 0 && s.TextWidth(shown) > room)
        shown = shown.left(FittingLength(s, shown, room));
    PrintWrapped(s, x, y, shown);
}

// One row: cells at one y; the next row starts one line below, also where a
// cell is empty (a list index outside its list prints nothing).
int32_t Row(PageSurface &s, int32_t y, const std::vector<std::pair<int32_t, QString>> &cells)
{
    for (const auto &[x, text] : cells)
        Cell(s, x, y, text);
    s.CurrentY = y + s.TextHeight(QStringLiteral(" "));
    return PrintY(s);
}

int32_t BoldBlank(PageSurface &s, int32_t x, int32_t y)
{
    s.Font.Bold = true;
    const int32_t next = Row(s, y, {{x, QStringLiteral(" ")}});
    s.Font.Bold = false;
    return next;
}

// A section of `rows` value rows under a heading line: the values when
// `printed`, else as many blank lines in the first column.
int32_t Section(PageSurface &s, int32_t x, int32_t y, int rows, bool printed,
                const std::function<std::vector<std::pair<int32_t, QString>>(int)> &row)
{
    y = BoldBlank(s, x, y) + 10;
    for (int r = 0; r < rows; ++r)
        y = Row(s, y, printed ? row(r) : std::vector<std::pair<int32_t, QString>>{{x, QStringLiteral(" ")}});
    return y;
}

int32_t SectionHeading(PageSurface &s, int32_t L, int32_t W, int32_t y, const char *heading,
                       std::initializer_list<const char *> labels)
{
    s.Font.Bold = true;
    PrintWrapped(s, L, y, QString::fromLatin1(heading));
    y = PrintY(s);
    s.Font.Bold = false;
    y += 10;
    for (const char *label : labels) {
        PrintWrapped(s, L, y, QString::fromLatin1(label));
        y = PrintY(s);
    }
    y += 10;
    DrawLine(s, L, y, L + W, y, RuleWidth);
    return y;
}

// The printed places of the panel columns, front panels from the bottom then
// the back panel.
QString PanelPlace(int front, int column, bool back)
{
    if (back)
        return QStringLiteral(" Back Sign");
    if (front == 1)
        return QStringLiteral(" Front Sign");
    if (column == 1)
        return QStringLiteral(" Front Lower");
    if (column == front)
        return QStringLiteral(" Front Upper");
    return QStringLiteral(" Front Middle");
}

} // namespace

// ---------------------------------------------------------------------------

platform::SqlStatus SelectedOrderRows(platform::SqlConnection &db, std::vector<OrderFormRow> &rows)
{
    platform::SqlRows found;
    // Flags are tested non-zero: the dialogs write -1 for true.
    const platform::SqlStatus status = db.select(
        QStringLiteral("SELECT PrintRecord.Job_Code, PrintRecord.Job_Section, PrintRecord.Sign_Pos, "
                       "OFormSF_Sel, OFormSP_Sel, OFormFT_Sel, OFormSF_ReqNo, OFormSP_ReqNo, OFormFT_ReqNo "
                       "FROM PrintRecord INNER JOIN JOBS ON PrintRecord.Job_Code = JOBS.Job_Code "
                       "WHERE JOBS.Active = 'Y' AND PrintRecord.Selected <> 0 "
                       "AND (OFormSF_Sel <> 0 OR OFormSP_Sel <> 0 OR OFormFT_Sel <> 0) "
                       "ORDER BY PrintRecord.Job_Code, PrintRecord.Job_Section, PrintRecord.Sign_Pos"),
        {}, found);
    if (!status.ok())
        return status;
    rows.clear();
    for (const platform::SqlRow &r : found) {
        OrderFormRow row;
        row.Key = {r[0].toString(), r[1].toString(), r[2].toString()};
        for (int k = 0; k < OrderKindCount; ++k) {
            row.Ticks[static_cast<std::size_t>(k)] = r[static_cast<std::size_t>(3 + k)].toInt();
            row.ReqNos[static_cast<std::size_t>(k)] = r[static_cast<std::size_t>(6 + k)].toString();
        }
        rows.push_back(row);
    }
    return status;
}

QString OrderRequisitionNumber(const std::vector<OrderFormRow> &rows)
{
    if (rows.empty())
        return {};
    const OrderFormRow &first = rows.front();
    if (first.SF() != 0)
        return first.ReqNos[OrderSignFace];
    if (first.SP() != 0)
        return first.ReqNos[OrderSupports];
    return first.ReqNos[OrderFittings];
}

QString OrderAreaText(int32_t widthMm, int32_t depthMm)
{
    return Q(engine::CStr((widthMm / 1000.0) * (depthMm / 1000.0)));
}

int OrderPanelCount(const engine::DesignRecord &d)
{
    return std::clamp<int>(d.NumFrontSigns, 0, 3) + std::clamp<int>(d.NumBackSigns, 0, 1);
}

int PrintOrderFormHeader(PageSurface &s, const QString &reqNo, int32_t &slotWidth)
{
    s.Font.Name = QStringLiteral("Arial");
    DrawPageFrame(s, QStringLiteral("Kelvora - Order Form"), QStringLiteral("Mastra"));
    s.Font.Size = 9;
    const int32_t L = s.PageFrame.Left;
    const int32_t T = s.PageFrame.Top;
    const int32_t W = s.PageFrame.Width;
    const int32_t H = s.PageFrame.Height;

    // The requisition band and its line.
    DrawBox(s, {L, T, W, Round(s.TextHeight(QStringLiteral("A")) + 10), RuleWidth, FillSolid, LabelColour}, 0);
    s.Font.Bold = true;
    PrintWrapped(s, L, 100, QStringLiteral(" Requisition Number : ") + reqNo);
    s.Font.Bold = false;
    int32_t y = PrintY(s) + 20;
    DrawLine(s, L, y, L + W, y, RuleWidth);
    s.CurrentY = y;

    // The grey label column runs to the bottom of the content area.
    DrawBox(s, {L, y, OrderLabelWidth, T + H - y, RuleWidth, FillSolid, LabelColour}, 0);
    const int32_t tableTop = y;

    s.Font.Bold = true;
    s.Font.Italic = true;
    for (const char *label : {" Job Code", " Job Section", " Sign Position"}) {
        PrintWrapped(s, L, y, QString::fromLatin1(label));
        y = PrintY(s);
    }
    y += 10;
    DrawLine(s, L, y, L + W, y, RuleWidth);
    s.Font.Italic = false;
    s.Font.Bold = false;

    y = SectionHeading(s, L, W, y, " Sign Face Details",
                       {" Sign Code", " Sign Layout", " Width", " Depth", " Area", " Legend Class", " Legend Colour",
                        " Background Class", " Background Colour"});
    y = SectionHeading(s, L, W, y, " Stiffener Details", {" Type", " Number", " Spacing"});
    y = SectionHeading(s, L, W, y, " Support Details",
                       {" Type", " Number", " Dimension", " Wall Thickness", " Material Grade", " Kerb Post Length",
                        " Post 2 Length", " Post 3 Length", " Post 4 Length", " Base Type", " Overhang"});
    y = SectionHeading(s, L, W, y, " Stub Details",
                       {" Type", " Number", " Dimension", " Wall Thickness", " Material Grade", " Stub Length"});
    y = SectionHeading(s, L, W, y, " Fitting Details", {" Number", " Dimension"});

    slotWidth = Round((W - OrderLabelWidth) / 10.0);
    for (int k = 1; k <= 9; ++k) {
        const int32_t x = k * slotWidth + L + OrderLabelWidth;
        DrawLine(s, x, tableTop, x, y, RuleWidth);
    }
    return OrderSlotsPerPage;
}

int PrintOrderColumns(PageSurface &s, const PrintedDesign &design, int slotsLeft, int32_t slotWidth, int SF, int SP,
                      int FT)
{
    const engine::DesignRecord &d = design.PrintDesign;
    const engine::SupportDesign &sup = design.PrintSupport;
    const int32_t L = s.PageFrame.Left;
    const int32_t W = s.PageFrame.Width;

    std::array<int32_t, MaxPanelColumns + 1> columnX{};
    columnX[1] = L + W - slotsLeft * slotWidth;
    for (int c = 2; c <= MaxPanelColumns; ++c)
        columnX[static_cast<std::size_t>(c)] = columnX[static_cast<std::size_t>(c - 1)] + slotWidth;
    columnX[1] += 5;
    const int32_t x1 = columnX[1];

    // A design without panels takes one column with its sign face lines
    // blank, as when sign faces are not ordered.
    const int front = std::clamp<int>(d.NumFrontSigns, 0, 3);
    const bool back = d.NumBackSigns != 0;
    const int panels = OrderPanelCount(d);
    const bool faces = SF != 0 && panels > 0;

    // The columns of the panels: front slots 1..front, then the back panel.
    struct Panel {
        int32_t x;
        int slot;
        int column;
    };
    std::vector<Panel> panelColumns;
    for (int i = 1; i <= front; ++i)
        panelColumns.push_back({columnX[static_cast<std::size_t>(i)], i, i});
    if (back)
        panelColumns.push_back({columnX[static_cast<std::size_t>(front + 1)], 4, front + 1});

    // The requisition line, to find the table's top as the page did.
    BoldBlank(s, x1, 100);
    const int32_t tableTop = PrintY(s) + 20;
    int32_t y = tableTop;
    s.CurrentY = y;

    // Key rows: the full fixed fields, trailing blanks kept.
    for (const std::string &part : {d.JobCode.str(), d.JobSection.str(), d.SignPos.str()})
        y = Row(s, y, {{x1, QStringLiteral(" ") + Q(part)}});
    y += 10;

    auto perPanel = [&](const std::function<QString(const Panel &)> &value) {
        std::vector<std::pair<int32_t, QString>> cells;
        for (const Panel &p : panelColumns)
            cells.emplace_back(p.x, value(p));
        return cells;
    };
    auto width = [&](const Panel &p) {
        return p.slot == 4 ? d.BackSignWidth : d.FrontSignWidth[static_cast<std::size_t>(p.slot)];
    };
    auto depth = [&](const Panel &p) {
        return p.slot == 4 ? d.BackSignDepth : d.FrontSignDepth[static_cast<std::size_t>(p.slot)];
    };
    auto at = [](const Panel &p) { return static_cast<std::size_t>(p.slot); };

    y = Section(s, x1, y, 9, faces, [&](int r) {
        return perPanel([&](const Panel &p) -> QString {
            switch (r) {
            case 0: return NameText(Q(d.SignCode[at(p)].str()));
            case 1: return PanelPlace(front, p.column, p.slot == 4);
            case 2: return PlainNumber(width(p));
            case 3: return PlainNumber(depth(p));
            case 4: return QStringLiteral(" ") + OrderAreaText(width(p), depth(p));
            case 5: return ListName(engine::LegendClassNames, d.LegendClass[at(p)]);
            case 6: return ListName(engine::LegendColourNames, d.LegendColour[at(p)]);
            case 7: return ListName(engine::BackgroundClassNames, d.BkgndClass[at(p)]);
            default: return ListName(engine::BackgroundColourNames, d.BkgndColour[at(p)]);
            }
        });
    });
    y += 10;
    y = Section(s, x1, y, 3, faces, [&](int r) {
        return perPanel([&](const Panel &p) -> QString {
            switch (r) {
            case 0: return PlainNumber(sup.StiffenerType);
            case 1: return PlainNumber(sup.NumStiffeners[at(p)]);
            default: return PlainNumber(sup.StiffenerSpacing[at(p)]);
            }
        });
    });
    y = PrintY(s) + 10;

    // Supports and stubs share the support's type and section.
    const QString supportName = QStringLiteral(" ") + design.PrintSupportName;
    auto first = [&](const QString &text) { return std::vector<std::pair<int32_t, QString>>{{x1, text}}; };
    auto supportRow = [&](int r) {
        switch (r) {
        case 0: return first(supportName);
        case 1: return first(PlainNumber(sup.NumPosts));
        case 2: return first(NameText(Q(sup.PostDimensions.str())));
        case 3: return first(NameText(Q(sup.PostWallThickness.str())));
        default: return first(NameText(Q(sup.PostMatGrade.str())));
        }
    };
    constexpr int SupportRows = 5;
    y = Section(s, x1, y, 11, SP != 0, [&](int r) {
        if (r < SupportRows)
            return supportRow(r);
        switch (r) {
        case 5: case 6: case 7: case 8:
            return first(PlainNumber(sup.PostLength[static_cast<std::size_t>(r - 4)]));
        case 9: return first(sup.SlipBaseReq != 0 ? QStringLiteral(" Slip") : QStringLiteral(" Rigid"));
        default: return first(QStringLiteral(" "));  // the overhang is never ordered
        }
    });
    y = PrintY(s) + 10;

    y = Section(s, x1, y, 6, SP != 0 && sup.StubLength > 0, [&](int r) {
        return r < SupportRows ? supportRow(r) : first(PlainNumber(sup.StubLength));
    });
    y = PrintY(s) + 10;

    y = Section(s, x1, y, 2, FT != 0, [&](int r) {
        if (r == 0) {
            // The bracket counts summed as 16-bit values.
            const auto brackets = static_cast<int16_t>(sup.NumBrackets[1] + sup.NumBrackets[2] + sup.NumBrackets[3] +
                                                       sup.NumBrackets[4]);
            return first(PlainNumber(brackets));
        }
        return first(NameText(Q(sup.PostDimensions.str())));
    });
    y = PrintY(s) + 10;

    DrawLine(s, x1, tableTop, x1, y, RuleWidth);
    return faces ? slotsLeft - panels : slotsLeft - 1;
}

PrintJobResult PrintOrderForms(PageSurface &s, platform::SqlConnection &db, const std::vector<OrderFormRow> &rows)
{
    std::vector<database::StoredDesignKey> keys;
    keys.reserve(rows.size());
    for (const OrderFormRow &row : rows)
        keys.push_back(row.Key);
    const QString reqNo = OrderRequisitionNumber(rows);
    int32_t slotWidth = 0;
    int slotsLeft = 0;
    return PrintEachDesign(
        s, db, keys,
        [&] {
            SetupPage(s, Landscape);
            slotsLeft = PrintOrderFormHeader(s, reqNo, slotWidth);
        },
        [&](std::size_t index, const PrintedDesign &design) {
            const OrderFormRow &row = rows[index];
            if ((OrderPanelCount(design.PrintDesign) > slotsLeft && row.SF() != 0) || slotsLeft <= 0) {
                RestorePageFrame(s);
                s.NewPage();
                slotsLeft = PrintOrderFormHeader(s, reqNo, slotWidth);
            }
            slotsLeft = PrintOrderColumns(s, design, slotsLeft, slotWidth, row.SF(), row.SP(), row.FT());
        });
}

} // namespace print
