#pragma once
// The design form: the printed record of one stored design (location and
// slope, sign faces, stiffeners, the stored support design, the elevation,
// warnings and errors), and the print job that prints it for each selected
// design, each followed by its notes pages.

#include "database/design_rows.h"
#include "print/page_surface.h"
#include "print/print_job.h"
#include "print/print_load.h"
#include "platform/sql.h"

#include <QString>
#include <QStringList>
#include <vector>

namespace print {

// The keys of the designs chosen for the next job (ReadSelectedPrintKeys,
// print_selection.h).
platform::SqlStatus SelectedDesignKeys(platform::SqlConnection &db, std::vector<database::StoredDesignKey> &keys);

// Prints the design form and notes pages of each key, in the given order, as
// one document on `surface`, reporting progress (start, one update per
// design, finish). No key: no document and no progress. On any failure (a
// read, the device) the document is aborted, a partial PDF removed, and the
// failure returned; the caller shows it and ends the progress display.
PrintJobResult PrintDesignForms(PageSurface &surface, platform::SqlConnection &db,
                                const std::vector<database::StoredDesignKey> &keys);

// The key banner at the top of the content area; the print position is left
// on the rule under it.
void PrintJobBanner(PageSurface &surface, const PrintedDesign &design);

// One design form page of the loaded design, framed and restored.
void PrintDesignFormPage(PageSurface &surface, const PrintedDesign &design);

// The entries of the warnings block, each with its leading blank; an entry of
// two lines holds a carriage return between them.
QStringList DesignFormWarnings(const PrintedDesign &design);

// Plain number (" 1500"), signed number ("  1500", " -250") and name (blank
// and the trimmed text) as the form prints them.
QString PlainNumber(long long value);
QString SignedNumber(long long value);
QString NameText(const QString &text);

} // namespace print
