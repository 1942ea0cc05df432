#include "print/print_job.h"

#include "platform/services.h"
#include "print/page_primitives.h"

namespace print {

QString PrintErrorTitle()
{
    return platform::MessageTitle(QStringLiteral("Print Error"));
}

QString PrintJobFailedMessage(const QString &reason)
{
    return QStringLiteral("The print job failed: %1\n"
                          "No print status was recorded and the signs stay selected.")
        .arg(reason);
}

QString PrintStatusNotRecordedMessage(const QString &reason, bool printed)
{
    return printed ? QStringLiteral("The pages were printed, but their print status could not be recorded: %1")
                         .arg(reason)
                   : QStringLiteral("The print status could not be recorded: %1").arg(reason);
}

PrintJobResult PrintEachDesign(PageSurface &s, platform::SqlConnection &db,
                               const std::vector<database::StoredDesignKey> &keys,
                               const std::function<void()> &beginDocument,
                               const std::function<void(std::size_t index, const PrintedDesign &design)> &printDesign)
{
    PrintJobResult result;
    if (keys.empty())
        return result;
    auto fail = [&](const QString &message) {
        s.Abort();
        result.ok = false;
        result.message = message;
        result.designs = 0;
        result.pages = 0;
        return result;
    };
    ShowProgress(0, platform::ProgressStart);
    beginDocument();
    const int count = static_cast<int>(keys.size());
    for (int i = 1; i <= count; ++i) {
        const std::size_t index = static_cast<std::size_t>(i - 1);
        const database::StoredDesignKey &key = keys[index];
        PrintedDesign design;
        const platform::SqlStatus read = LoadPrintDesign(db, key, design);
        if (!read.ok())
            return fail(QStringLiteral("The design %1 / %2 / %3 could not be read: %4")
                            .arg(key.JobCode.trimmed(), key.JobSection.trimmed(), key.SignPos.trimmed(),
                                 read.text()));
        printDesign(index, design);
        if (s.failed())
            return fail(s.failure());
        ++result.designs;
        ShowProgress(Round(i * 100.0 / count), platform::ProgressUpdate);
    }
    if (!s.EndDoc())
        return fail(s.failure());
    result.pages = s.PagesPrinted();
    ShowProgress(100, platform::ProgressFinish);
    return result;
}

} // namespace print
