#include "print/design_elevation.h"

#include "engine/reference_lists.h"
#include "engine/values.h"

#include <algorithm>

namespace print {

namespace {

constexpr int32_t PostColour = 0x404040;
constexpr int32_t PostTooLowColour = 0xFF;
constexpr int32_t BackPanelColour = 0x8000;
constexpr int32_t StubColour = 0x808080;
constexpr int32_t FootingColour = 0x8080;
constexpr int32_t PlateColour = 0xFF0000;
constexpr int32_t ClearanceColour = 0xFF0000;

// The screw symbol on a 480 x 600 template.
constexpr int ScrewTemplate[8][4] = {
    {120, 0, 240, 600}, {360, 0, 240, 600}, {340, 60, 420, 120}, {420, 120, 60, 220},
    {60, 220, 180, 280}, {280, 360, 360, 420}, {360, 420, 120, 480}, {120, 480, 240, 540},
};

double LeadingNumber(const std::string &text)
{
    return engine::Val(text);
}

// Sizes and positions past the range of a page coordinate (a section of
// 1E300 mm is as wide as one can be) are held at its ends, not wrapped.
int32_t Twice(int32_t size)
{
    return engine::ClampToInt32(2 * int64_t{size});
}

int32_t Shifted(int32_t at, int32_t by)
{
    return engine::ClampToInt32(int64_t{at} + by);
}

enum class Edge { Right, Left, Bottom, Top };

// Clips one end or both of a line against one edge of the area.
void ClipLine(LineRec &l, Edge edge, int32_t e)
{
    const bool horizontalEdge = edge == Edge::Bottom || edge == Edge::Top;
    auto beyond = [&](int32_t x, int32_t y) {
        switch (edge) {
        case Edge::Right: return x > e;
        case Edge::Left: return x < e;
        case Edge::Bottom: return y > e;
        case Edge::Top: return y < e;
        }
        return false;
    };
    const bool first = beyond(l.X1, l.Y1);
    const bool second = beyond(l.X2, l.Y2);
    const double x1 = l.X1, y1 = l.Y1, x2 = l.X2, y2 = l.Y2;
    if (first && second) {
        if (horizontalEdge)
            l.Y1 = l.Y2 = e;
        else
            l.X1 = l.X2 = e;
    } else if (first) {
        if (horizontalEdge) {
            l.X1 = Round((x2 - x1) / (y2 - y1) * (e - y2) + x2);
            l.Y1 = e;
        } else {
            l.Y1 = Round((y2 - y1) / (x2 - x1) * (e - x2) + y2);
            l.X1 = e;
        }
    } else if (second) {
        if (horizontalEdge) {
            l.X2 = Round((x2 - x1) / (y2 - y1) * (e - y1) + x1);
            l.Y2 = e;
        } else {
            l.Y2 = Round((y2 - y1) / (x2 - x1) * (e - x1) + y1);
            l.X2 = e;
        }
    }
}

} // namespace

int32_t ElevationMinimumClearance(const engine::SupportDesign &support)
{
    return support.SlipBaseReq != 0 ? 2100 : 1500;
}

ElevationModel BuildDesignElevation(const PrintedDesign &printed, const BoxRec &a, const PageSurface &surface)
{
    const engine::DesignRecord &d = printed.PrintDesign;
    const engine::SupportDesign &sup = printed.PrintSupport;
    ElevationModel m;
    // Counts beyond the records' slots are held to them.
    const int nf = std::clamp<int>(d.NumFrontSigns, 0, 3);
    const bool nb = d.NumBackSigns == 1;
    const int np = std::clamp<int>(sup.NumPosts, 0, 4);
    m.fronts = nf;
    m.back = nb;
    m.posts = np;
    m.signOnLeft = d.SignOnLeft != 0;

    // Styles.
    for (int i = 0; i < 4; ++i) {
        m.PostBoxes[i] = {0, 0, 0, 0, 2, FillUpwardDiagonal, PostColour};
        m.StubBoxes[i] = {0, 0, 0, 0, 2, FillSolid, StubColour};
        m.FootingBoxes[i] = {0, 0, 0, 0, 2, FillDownwardDiagonal, FootingColour};
        m.PlateBoxes[i] = {0, 0, 0, 0, 2, FillSolid, PlateColour};
        m.ScrewFrames[i] = {0, 0, 0, 0, 2, FillSolid, 0};
    }
    for (int slot = 1; slot <= 3; ++slot) {
        const int colour = d.BkgndColour[static_cast<std::size_t>(slot)];
        BoxRec &b = m.PanelBoxes[static_cast<std::size_t>(slot - 1)];
        b = {0, 0, 0, 0, 2, FillTransparent, 0};
        if (colour >= 0 && colour < static_cast<int>(engine::BackgroundColourValues.size())) {
            b.FillStyle = FillSolid;
            b.FillColor = engine::BackgroundColourValues[static_cast<std::size_t>(colour)];
        }
    }
    m.PanelBoxes[3] = {0, 0, 0, 0, 2, FillDownwardDiagonal, BackPanelColour};
    for (int k = 0; k < 6; ++k)
        m.GroundLines[k] = {0, 0, 0, 0, 3, 0};
    for (LineRec &l : m.ClearanceLines)
        l = {0, 0, 0, 0, 2, ClearanceColour};
    m.RoadLine = {0, 0, 0, 0, 8, 0};

    // Extents in millimetres.
    int64_t frontStack = 0;
    for (int i = 1; i <= nf; ++i)
        frontStack += int64_t{d.FrontSignClearance[i]} + d.FrontSignDepth[i];
    const int64_t backStack = nb ? int64_t{d.BackSignDepth} + d.BackSignClearance : 0;
    int64_t w = std::max<int64_t>(0, d.BackSignWidth);
    for (int i = 1; i <= nf; ++i)
        w = std::max<int64_t>(w, d.FrontSignWidth[i]);
    int64_t lmax = 0;
    for (int j = 1; j <= np; ++j)
        lmax = std::max<int64_t>(lmax, sup.PostLength[j]);
    const int64_t h = lmax + 75 + (sup.StubLength > 0 ? sup.StubLength : 0) + 200;
    m.SignAreaWidth = engine::ClampToInt32(w);
    m.Height = engine::ClampToInt32(h);
    if (h <= 0 || w <= 0 || a.Width <= 0 || a.Height <= 0)
        return m;
    m.drawn = true;

    // Scale and origin.
    const float s = static_cast<float>(std::min(static_cast<double>(a.Height) / static_cast<double>(h),
                                                static_cast<double>(a.Width) / static_cast<double>(w)));
    const double sd = s;
    m.Scale = s;
    const int32_t x0 = Round((a.Width - sd * static_cast<double>(w)) / 2.0 + a.Left);
    const int32_t y0 = Round(sd * 100 + a.Top);
    m.X0 = x0;
    m.Y0 = y0;
    auto scaled = [&](double mm) { return Round(sd * mm); };

    // Panel sizes.
    for (int i = 1; i <= nf; ++i) {
        m.PanelBoxes[i - 1].Width = scaled(d.FrontSignWidth[i]);
        m.PanelBoxes[i - 1].Height = scaled(d.FrontSignDepth[i]);
    }
    if (nb) {
        m.PanelBoxes[3].Width = scaled(d.BackSignWidth);
        m.PanelBoxes[3].Height = scaled(d.BackSignDepth);
    }

    // Posts, stubs and footings.
    const int32_t minimum = ElevationMinimumClearance(sup);
    const double section = LeadingNumber(sup.PostDimensions.str());
    for (int j = 1; j <= np; ++j) {
        BoxRec &post = m.PostBoxes[j - 1];
        post.Height = scaled(sup.PostLength[j]);
        post.Width = scaled(section);
        if (sup.PostClearance[j] < minimum) {
            post.FillStyle = FillSolid;
            post.FillColor = PostTooLowColour;
        }
        BoxRec &stub = m.StubBoxes[j - 1];
        stub.Height = scaled(sup.StubLength);
        stub.Width = post.Width;
        BoxRec &footing = m.FootingBoxes[j - 1];
        if (sup.FootingType == 1) {
            footing.Height = scaled(sup.NormFootingDep);
            footing.Width = scaled(LeadingNumber(sup.NormFootingDim.str()));
        } else {
            footing.Height = scaled(sup.ScrewFootingDep);
            footing.Width = scaled(sup.ScrewFootingDim);
        }
    }

    // Post positions: post 1 nearest the road, the layout mirrored for a
    // sign on the left.
    const double spacing = sup.PostSpacing;
    const int32_t offset = Round((static_cast<double>(w) - (np - 1) * spacing) / 2.0);
    for (int j = 1; j <= np; ++j) {
        BoxRec &post = m.PostBoxes[j - 1];
        const double along = m.signOnLeft ? static_cast<double>(w) - offset - (j - 1) * spacing
                                          : (j - 1) * spacing + offset;
        post.Left = Round(sd * along + x0 - post.Width / 2.0);
        post.Top = Round(sd * 75 + y0);

        BoxRec &stub = m.StubBoxes[j - 1];
        BoxRec &footing = m.FootingBoxes[j - 1];
        if (sup.StubLength > 0) {
            stub.Top = post.Top + post.Height;
            stub.Left = post.Left;
            BoxRec &plate = m.PlateBoxes[j - 1];
            plate.Height = scaled(75);
            plate.Width = Twice(stub.Width);
            plate.Top = Round(stub.Top - sd * 100);
            plate.Left = Round(stub.Left - (static_cast<double>(plate.Width) - stub.Width) / 2.0);
            footing.Top = Round(sd * 75 + stub.Top + stub.Height - footing.Height);
        } else {
            footing.Top = Round(sd * 75 + post.Top + post.Height - footing.Height);
        }
        footing.Left = Round(post.Left - (static_cast<double>(footing.Width) - post.Width) / 2.0);
    }
    m.stubs = sup.StubLength > 0;
    m.footings = sup.FootingType == 1;

    // Panel positions: the higher stack starts at y0, each front panel hangs
    // below the one above it by the upper panel's clearance.
    BoxRec &backBox = m.PanelBoxes[3];
    if (frontStack > backStack) {
        if (nf > 0)
            m.PanelBoxes[nf - 1].Top = y0;
        backBox.Top = Round(sd * static_cast<double>(frontStack - backStack) + y0);
    } else {
        backBox.Top = y0;
        if (nf > 0)
            m.PanelBoxes[nf - 1].Top = Round(sd * static_cast<double>(backStack - frontStack) + y0);
    }
    for (int k = nf - 1; k >= 1; --k) {
        const BoxRec &above = m.PanelBoxes[k];
        m.PanelBoxes[k - 1].Top = Round(sd * d.FrontSignClearance[k + 1] + above.Top + above.Height);
    }
    for (int i = 1; i <= nf; ++i)
        m.PanelBoxes[i - 1].Left = Round((static_cast<double>(w) - d.FrontSignWidth[i]) / 2.0 * sd + x0);
    if (nb)
        backBox.Left = Round((static_cast<double>(w) - d.BackSignWidth) / 2.0 * sd + x0);

    // Screw footings take the lowest third of each stub.
    if (sup.FootingType == 2 && m.stubs) {
        m.screws = true;
        for (int j = 1; j <= np; ++j) {
            BoxRec &stub = m.StubBoxes[j - 1];
            BoxRec &frame = m.ScrewFrames[j - 1];
            frame.Height = stub.Height / 3;
            frame.Width = Twice(stub.Width);
            frame.Top = stub.Top + stub.Height - frame.Height;
            frame.Left = Round(stub.Left - (static_cast<double>(frame.Width) - stub.Width) / 2.0);
            stub.Height -= frame.Height;
            for (const auto &t : ScrewTemplate) {
                const float fx = static_cast<float>(frame.Width) / 480.0f;
                const float fy = static_cast<float>(frame.Height) / 600.0f;
                m.ScrewLines.push_back({frame.Left + t[0] * fx, frame.Top + t[1] * fy, frame.Left + t[2] * fx,
                                        frame.Top + t[3] * fy});
            }
        }
    }

    // Ground profile from the road edge, rising segments up the page.
    const int dir = m.signOnLeft ? -1 : 1;
    double startX = m.signOnLeft ? 2.0 * a.Left + a.Width - x0 : x0;
    double startY = 0;
    for (int k = 1; k <= 6; ++k) {
        LineRec &l = m.GroundLines[k - 1];
        l.X1 = Round(startX);
        l.Y1 = Round(startY);
        l.X2 = Round(sd * d.SegLength[k] * dir + l.X1);
        l.Y2 = Round(l.Y1 - sd * d.SegDeltaHeight[k]);
        startX = l.X2;
        startY = l.Y2;
        m.GroundDrawn[k - 1] = d.SegLength[k] != 0;
    }
    const int32_t dx = Round(sd * (-dir * static_cast<double>(d.DistFromKerb)));
    const int32_t dy =
        Round(sd * (static_cast<double>(d.RoadHeight) + static_cast<double>(std::max(frontStack, backStack))) + y0);
    for (int k = 0; k < 6; ++k) {
        LineRec &l = m.GroundLines[k];
        l.X1 = Shifted(l.X1, dx);
        l.X2 = Shifted(l.X2, dx);
        l.Y1 = Shifted(l.Y1, dy);
        l.Y2 = Shifted(l.Y2, dy);
        ClipLine(l, Edge::Right, a.Left + a.Width);
        ClipLine(l, Edge::Left, a.Left);
        ClipLine(l, Edge::Bottom, a.Top + a.Height);
        ClipLine(l, Edge::Top, a.Top);
    }
    const LineRec &first = m.GroundLines[0];
    m.RoadLine.X1 = m.signOnLeft ? a.Left + a.Width : a.Left;
    m.RoadLine.Y1 = first.Y1;
    m.RoadLine.X2 = first.X1;
    m.RoadLine.Y2 = first.Y1;

    // The minimum clearance dimension, on the side away from the road,
    // measured from the bottom of the lowest panel.
    m.Label.Text = QString::number(d.MinimumClearance).leftJustified(10, QLatin1Char(' '), true);
    m.Label.Width = Round(surface.TextWidth(m.Label.Text));
    m.Label.Height = Round(surface.TextHeight(m.Label.Text));
    const BoxRec &lowest = nf > 0 ? m.PanelBoxes[0] : backBox;
    const int32_t yA = nf > 0 || nb ? lowest.Top + lowest.Height : y0;
    const int32_t yB = Round(sd * d.MinimumClearance + yA);
    int32_t xA = 0;
    int32_t xV = 0;
    if (m.signOnLeft) {
        xA = x0 - 40;
        xV = xA + 10;
        m.Label.RightAlign = 1;
        m.Label.X = xA - m.Label.Width;
    } else {
        xA = Round(sd * static_cast<double>(w) + x0 + 10);
        xV = xA + 20;
        m.Label.RightAlign = 0;
        m.Label.X = xA + 30;
    }
    m.ClearanceLines[0] = {xA, yA, xA + 30, yA, 2, ClearanceColour};
    m.ClearanceLines[1] = {xA, yB, xA + 30, yB, 2, ClearanceColour};
    m.ClearanceLines[2] = {xV, yA, xV, yB, 2, ClearanceColour};
    m.Label.Y = Round((static_cast<double>(yB) + yA - m.Label.Height) / 2.0);
    return m;
}

void DrawElevationModel(PageSurface &s, const ElevationModel &m)
{
    if (!m.drawn)
        return;
    for (const ScrewLine &l : m.ScrewLines)
        s.Line(l.X1, l.Y1, l.X2, l.Y2);
    for (int j = 0; j < m.posts; ++j) {
        DrawBox(s, m.PostBoxes[j], 0);
        if (m.stubs) {
            DrawBox(s, m.StubBoxes[j], 0);
            DrawBox(s, m.PlateBoxes[j], 0);
        }
        if (m.footings)
            DrawBox(s, m.FootingBoxes[j], 0);
    }
    for (int i = 0; i < m.fronts; ++i)
        DrawBox(s, m.PanelBoxes[i], 1);
    if (m.back)
        DrawBox(s, m.PanelBoxes[3], 1);
    for (int k = 0; k < 6; ++k)
        if (m.GroundDrawn[k])
            DrawLineRec(s, m.GroundLines[k]);
    DrawLineRec(s, m.RoadLine);
    for (const LineRec &l : m.ClearanceLines)
        DrawLineRec(s, l);
    PrintLabelRec(s, m.Label);
}

void DrawDesignElevation(PageSurface &surface, const BoxRec &area, const PrintedDesign &design)
{
    DrawElevationModel(surface, BuildDesignElevation(design, area, surface));
}

void DrawLineRec(PageSurface &s, const LineRec &rec)
{
    const int32_t width = s.DrawWidth;
    const int32_t colour = s.ForeColor;
    const int32_t x = Round(s.CurrentX);
    const int32_t y = Round(s.CurrentY);
    s.DrawWidth = rec.DrawWidth;
    s.ForeColor = rec.ForeColor;
    s.Line(rec.X1, rec.Y1, rec.X2, rec.Y2, rec.ForeColor);
    s.DrawWidth = width;
    s.ForeColor = colour;
    s.CurrentX = x;
    s.CurrentY = y;
}

void PrintLabelRec(PageSurface &s, const LabelRec &rec)
{
    QString text = rec.Text;
    if (rec.RightAlign == 1)
        text = rec.Text.trimmed().rightJustified(10, QLatin1Char(' '));
    const int32_t x = Round(s.CurrentX);
    const int32_t y = Round(s.CurrentY);
    PrintWrapped(s, rec.X, rec.Y, text);
    s.CurrentX = x;
    s.CurrentY = y;
}

} // namespace print
