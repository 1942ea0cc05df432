#pragma once
// One print step as the print dialogs run it: the print status stamps, the
// print job and the clearing of the selection flags, all or nothing.
//
// Inside one transaction on the job's own connection: the selected keys are
// read (ReadSelectedPrintKeys), exactly those rows are stamped, the flags
// are cleared on every row, the job prints the keys onto the page surface
// (and so sees the new status), and the transaction commits. On any failure (a
// statement, the page surface, the commit) the transaction is rolled back,
// so no stamp is written and the selection is kept for a retry; a partial PDF
// is removed; the progress display is finished (0, mode 3) and the engineer
// told why. No selected row is a success that prints nothing.

#include "print/design_form.h"
#include "print/print_selection.h"

#include <QDate>
#include <functional>
#include <vector>

namespace print {

struct StampedPrintJob {
    // Writes the print status of the printed keys; `day` is the job's date.
    std::function<platform::SqlStatus(platform::SqlConnection &, const std::vector<database::StoredDesignKey> &,
                                      const QDate &day)>
        stamp;
    // Prints the keys, in order, as one document.
    std::function<PrintJobResult(PageSurface &, platform::SqlConnection &,
                                 const std::vector<database::StoredDesignKey> &)>
        print;
    // Flag columns set to 0 on every PrintRecord row once the pages printed.
    std::vector<const char *> clearFlags{SelectedColumn};
};

struct StampedJobResult {
    bool ok = true;
    QString message;         // the failure as the engineer was told it
    int designs = 0;         // designs printed
    int pages = 0;           // pages printed
    // The pages reached the device but the commit failed: the status was
    // not recorded.
    bool printedNotRecorded = false;
    std::vector<database::StoredDesignKey> keys;  // the keys the job printed
};

StampedJobResult RunStampedPrintJob(platform::SqlConnection &db, PageSurface &surface, const StampedPrintJob &job,
                                    const QDate &day = QDate::currentDate());

// The design form job: stamps DForm_Print_Status and DForm_Date, prints
// PrintDesignForms, clears Selected.
StampedPrintJob DesignFormPrintJob();
// The summary form job: stamps SForm_Print_Status and SForm_Date, prints
// PrintSummaryForms, clears Selected.
StampedPrintJob SummaryFormPrintJob();
// The job of a print kind (design or summary forms); order forms are printed
// from the sign order form dialog, which builds its own job.
StampedPrintJob PrintJobOfKind(int printFormType);

} // namespace print
