#include "print/stamped_print_job.h"

#include "platform/services.h"
#include "print/summary_form.h"

#include <utility>

namespace print {

namespace {

StampedJobResult Fail(PageSurface &surface, StampedJobResult result, const QString &reason)
{
    surface.Abort();
    result.ok = false;
    result.designs = 0;
    result.pages = 0;
    result.message = PrintJobFailedMessage(reason);
    ShowProgress(0, platform::ProgressFinish);
    platform::showMessage(result.message, PrintErrorTitle(), platform::MessageButtons::Ok,
                          platform::MessageIcon::Critical);
    return result;
}

// The job of one form: its stamps of the day on the printed rows, its
// print, the selection cleared.
StampedPrintJob FormPrintJob(std::vector<StampValue> (*stamps)(const QDate &day),
                             decltype(StampedPrintJob::print) print)
{
    StampedPrintJob job;
    job.stamp = [stamps](platform::SqlConnection &db, const std::vector<database::StoredDesignKey> &keys,
                         const QDate &day) { return StampRows(db, keys, stamps(day)); };
    job.print = std::move(print);
    return job;
}

} // namespace

StampedJobResult RunStampedPrintJob(platform::SqlConnection &db, PageSurface &surface, const StampedPrintJob &job,
                                    const QDate &day)
{
    StampedJobResult result;
    platform::SqlTransaction transaction(db, platform::SqlTransaction::Kind::Immediate);
    if (!transaction.status().ok())
        return Fail(surface, result, transaction.status().text());

    platform::SqlStatus s = ReadSelectedPrintKeys(db, result.keys);
    if (!s.ok())
        return Fail(surface, result, s.text());
    if (job.stamp) {
        s = job.stamp(db, result.keys, day);
        if (!s.ok())
            return Fail(surface, result, s.text());
    }
    // Cleared before the pages: the job prints the keys it was given, and
    // only the commit is left to fail once the document is out.
    s = ClearFlagsEverywhere(db, job.clearFlags);
    if (!s.ok())
        return Fail(surface, result, s.text());
    if (job.print) {
        const PrintJobResult printed = job.print(surface, db, result.keys);
        if (!printed.ok)
            return Fail(surface, result, printed.message);
        result.designs = printed.designs;
        result.pages = printed.pages;
    }
    s = transaction.commit();
    if (!s.ok()) {
        // The document is complete and cannot be called back.
        result.ok = false;
        result.printedNotRecorded = result.pages > 0;
        result.message = PrintStatusNotRecordedMessage(s.text(), result.printedNotRecorded);
        ShowProgress(0, platform::ProgressFinish);
        platform::showMessage(result.message, PrintErrorTitle(), platform::MessageButtons::Ok,
                              platform::MessageIcon::Critical);
    }
    return result;
}

StampedPrintJob DesignFormPrintJob()
{
    return FormPrintJob(DesignFormStamps, PrintDesignForms);
}

StampedPrintJob SummaryFormPrintJob()
{
    return FormPrintJob(SummaryFormStamps, PrintSummaryForms);
}

StampedPrintJob PrintJobOfKind(int printFormType)
{
    return printFormType == SummaryFormKind ? SummaryFormPrintJob() : DesignFormPrintJob();
}

} // namespace print
