#pragma once
// The loop every form's print job runs: each design read from its stored
// rows and laid out by the form, the device checked after it, the progress
// display moved on, and the document ended. The forms differ only in how they
// set up the first page and lay out a design.

#include "database/design_rows.h"
#include "platform/sql.h"
#include "print/page_surface.h"
#include "print/print_load.h"

#include <QString>
#include <cstddef>
#include <functional>
#include <vector>

namespace print {

struct PrintJobResult {
    bool ok = true;
    QString message;   // the failure, for the caller to show
    int designs = 0;   // designs printed
    int pages = 0;     // pages printed
};

// The failure messages of every print job, alike for every form, and their
// title.
QString PrintErrorTitle();
// A job stopped before its pages were out; all it wrote was taken back.
QString PrintJobFailedMessage(const QString &reason);
// The statements at the end of a job failed; `printed` when the pages had
// already reached the printer or file.
QString PrintStatusNotRecordedMessage(const QString &reason, bool printed);

// Prints the design of each key, in order, as one document on `surface`. No
// key: nothing is called, no document and no progress. Otherwise progress
// starts, `beginDocument` sets up the first page, and each design is loaded
// and handed with its index in `keys` to `printDesign`, with one progress
// update per design and the finish after the document ends. A read that
// fails ("The design JOB / SECTION / POS could not be read: ...") or a failed
// surface aborts the document (a partial PDF is removed) and returns the
// failure with no designs and no pages; the caller shows it and ends the
// progress display.
PrintJobResult PrintEachDesign(PageSurface &surface, platform::SqlConnection &db,
                               const std::vector<database::StoredDesignKey> &keys,
                               const std::function<void()> &beginDocument,
                               const std::function<void(std::size_t index, const PrintedDesign &design)> &printDesign);

} // namespace print
