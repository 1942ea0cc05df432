#include "print/notes_page.h"

#include "print/design_form.h"
#include "print/page_primitives.h"

namespace print {

std::vector<QString> NotesLines(const QString &notes)
{
    std::vector<QString> lines;
    qsizetype at = 0;
    while (at < notes.size()) {
        const qsizetype feed = notes.indexOf(QLatin1Char('\n'), at);
        if (feed < 0) {
            lines.push_back(notes.mid(at));
            break;
        }
        qsizetype end = feed;
        if (end > at && notes[end - 1] == QLatin1Char('\r'))
            --end;
        lines.push_back(notes.mid(at, end - at));
        at = feed + 1;
    }
    return lines;
}

void PrintNotesPage(PageSurface &s, const PrintedDesign &design)
{
    const std::vector<QString> lines = NotesLines(QString::fromStdString(design.PrintDesign.Notes));
    if (lines.empty())
        return;
    s.Font.Name = QStringLiteral("Arial");
    const int32_t x = Round(s.PageFrame.Left + s.TextWidth(QStringLiteral("i")));
    double limit = 0;
    double y = 0;
    for (std::size_t i = 0; i < lines.size(); ++i) {
        if (y >= limit) {
            DrawPageFrame(s, QStringLiteral("Kelvora - Notes"), QStringLiteral("Mastra"));
            PrintJobBanner(s, design);
            limit = Round(s.PageFrame.Top + s.PageFrame.Height - s.TextHeight(QStringLiteral("WJy")));
            y = Round(s.CurrentY);
        }
        PrintWrapped(s, x, Round(y), lines[i]);
        y = Round(s.CurrentY);
        if (y >= limit || i + 1 == lines.size()) {
            RestorePageFrame(s);
            s.NewPage();
        }
    }
}

} // namespace print
