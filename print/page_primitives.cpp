#include "print/page_primitives.h"

#include "engine/values.h"

#include <numbers>

namespace print {

int32_t Round(double value)
{
    return engine::ToInt32(value);
}

QString PageText(int page)
{
    return QStringLiteral("Page ") + QString::fromStdString(engine::StrInteger(page));
}

void SetupPage(PageSurface &s, int16_t orientation)
{
    s.Orientation = orientation;
    if (orientation == Portrait)
        s.PageFrame = {0, 0, 2000, 3000};
    else if (orientation == Landscape)
        s.PageFrame = {0, 0, 3000, 2000};
}

void DrawPageFrame(PageSurface &s, const QString &title, const QString &tag)
{
    const PageFrameRec f = s.PageFrame;
    DrawBox(s, {f.Left, f.Top, f.Width, f.Height, 3, FillTransparent, BandColour}, 0);
    DrawBox(s, {f.Left, f.Top, f.Width, 100, 3, FillSolid, BandColour}, 0);
    DrawBox(s, {f.Left, f.Height - 100, f.Width, 100, 3, FillSolid, BandColour}, 0);

    const QString fontName = s.Font.Name;
    s.Font.Name = QStringLiteral("Arial");
    s.Font.Size = 18;
    s.Font.Bold = true;
    PrintWrapped(s, Round(f.Left + (f.Width - s.TextWidth(title)) / 2.0), f.Top, title);

    s.Font.Bold = false;
    s.Font.Size = 16;
    PrintWrapped(s, f.Left + 1, Round(f.Height - s.TextHeight(tag) - 10), tag);
    const QString version = QStringLiteral("Version ") + QLatin1String(PrintedVersion);
    PrintWrapped(s, Round(f.Left + f.Width - s.TextWidth(version) - 1), Round(f.Height - s.TextHeight(version) - 10),
                 version);

    s.Font.Size = 12;
    PrintWrapped(s, f.Left + 1, f.Top, s.Today.toString(QStringLiteral("dd/MM/yyyy")));
    const QString page = PageText(s.Page());
    PrintWrapped(s, Round(f.Left + f.Width - s.TextWidth(page) - 1), f.Top, page);

    s.PageFrame.Top = 100;
    s.PageFrame.Height -= 200;
    s.Font.Name = fontName;
}

void RestorePageFrame(PageSurface &s)
{
    s.PageFrame.Top -= 100;
    s.PageFrame.Height += 200;
}

qsizetype FittingLength(PageSurface &s, const QString &text, double room)
{
    qsizetype fits = 1;
    qsizetype tooWide = text.size();
    while (tooWide - fits > 1) {
        const qsizetype mid = (fits + tooWide) / 2;
        if (s.TextWidth(text.left(mid)) > room)
            tooWide = mid;
        else
            fits = mid;
    }
    return fits;
}

void PrintWrapped(PageSurface &s, int32_t x, int32_t y, const QString &text)
{
    s.CurrentX = x;
    s.CurrentY = y;
    const double available = static_cast<double>(s.PageFrame.Left) + s.PageFrame.Width - x;
    if (available <= 0) {
        if (!text.isEmpty())
            s.Print(text);
        return;
    }
    qsizetype at = 0;
    while (at < text.size()) {
        const QString rest = text.mid(at);
        qsizetype take = rest.size();
        if (s.TextWidth(rest) > available)
            take = FittingLength(s, rest, available);
        s.CurrentX = x;
        s.Print(rest.left(take));
        at += take;
    }
}

void DrawBox(PageSurface &s, const BoxRec &b, int16_t rounded)
{
    const int32_t fillStyle = s.FillStyle;
    const int32_t fillColour = s.FillColor;
    const int32_t drawWidth = s.DrawWidth;
    s.FillStyle = b.FillStyle;
    s.FillColor = b.FillColor;
    s.DrawWidth = b.DrawWidth;

    const double L = b.Left, T = b.Top, W = b.Width, H = b.Height;
    if (rounded == 0) {
        s.Box(L, T, L + W, T + H);
    } else {
        constexpr double r = CornerRadius;
        constexpr double pi = std::numbers::pi;
        const int32_t fill = b.FillColor;
        // The inside: five boxes and four sectors in the fill colour.
        s.Box(L + r, T + r, L + W - r, T + H - r, fill);
        s.Box(L, T + r, L + r, T + H - r, fill);
        s.Box(L + W - r, T + r, L + W, T + H - r, fill);
        s.Box(L + r, T, L + W - r, T + r, fill);
        s.Box(L + r, T + H - r, L + W - r, T + H, fill);
        s.Circle(L + r, T + r, r, pi / 2, pi, true, fill);
        s.Circle(L + W - r, T + r, r, 0.1, pi / 2, true, fill);
        s.Circle(L + r, T + H - r, r, pi, pi / 2, true, fill);
        s.Circle(L + W - r, T + H - r, r, 3 * pi / 2, 2 * pi, true, fill);
        // The outline in the fore colour; the horizontal edges stand the
        // line width outside the box.
        s.Line(L, T + r, L, T + H - r);
        s.Line(L + W, T + r, L + W, T + H - r);
        s.Line(L + r, T - b.DrawWidth, L + W - r, T - b.DrawWidth);
        s.Line(L + r, T + H + b.DrawWidth, L + W - r, T + H + b.DrawWidth);
        s.Circle(L + r, T + r, r, pi / 2, pi, false, s.ForeColor);
        s.Circle(L + W - r, T + r, r, 0, pi / 2, false, s.ForeColor);
        s.Circle(L + r, T + H - r, r, pi, 3 * pi / 2, false, s.ForeColor);
        s.Circle(L + W - r, T + H - r, r, 3 * pi / 2, 2 * pi, false, s.ForeColor);
    }

    s.FillStyle = fillStyle;
    s.FillColor = fillColour;
    s.DrawWidth = drawWidth;
}

void DrawLine(PageSurface &s, int32_t x1, int32_t y1, int32_t x2, int32_t y2, int32_t lineWidth)
{
    const int32_t drawWidth = s.DrawWidth;
    const int32_t x = Round(s.CurrentX);
    const int32_t y = Round(s.CurrentY);
    s.DrawWidth = lineWidth;
    s.Line(x1, y1, x2, y2);
    s.DrawWidth = drawWidth;
    s.CurrentX = x;
    s.CurrentY = y;
}

} // namespace print
