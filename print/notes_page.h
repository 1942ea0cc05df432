#pragma once
// The notes pages of a printed design: its notes, line by line, on as many
// framed pages with the key banner as they need. A design without notes gets
// no page.

#include "print/page_surface.h"
#include "print/print_load.h"

#include <QString>
#include <vector>

namespace print {

// The lines of stored notes: a line ends at a line feed, a carriage return
// just before it is dropped, nothing else is lost; a last line without an end
// is kept, an end at the very end adds no line.
std::vector<QString> NotesLines(const QString &notes);

// Prints the notes pages and leaves the surface on a fresh page.
void PrintNotesPage(PageSurface &surface, const PrintedDesign &design);

} // namespace print
