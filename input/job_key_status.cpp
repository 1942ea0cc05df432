#include "input/job_key_status.h"

#include "database/design_store.h"

namespace input {

std::array<QString, 4> JobStatusCaptions(int row)
{
    const QString jobExists = QStringLiteral("Job Exists");
    const QString sectionExists = QStringLiteral("Section Exists");
    const QString validNew = QStringLiteral("This is a valid new sign design");
    switch (row) {
    case 1:
        return {jobExists, sectionExists, QStringLiteral("Sign Position Current"),
                QStringLiteral("This is the current sign design")};
    case 3:
        return {jobExists, QStringLiteral("Section New"), QStringLiteral("Sign Position New"), validNew};
    case 4:
        return {jobExists, sectionExists, QStringLiteral("Sign Position New"), validNew};
    case 5:
        return {jobExists, sectionExists, QStringLiteral("Sign Position Exists"),
                QStringLiteral("This new design will overwrite an existing design")};
    default:
        return {QStringLiteral("Job New"), QStringLiteral("Section New"), QStringLiteral("Sign Position New"), validNew};
    }
}

namespace {

int ProbeRow(platform::SqlConnection *db, const engine::DesignRecord &w)
{
    if (!db)
        return 2;
    const QString job = QString::fromStdString(w.JobCode.str());
    const QString section = QString::fromStdString(w.JobSection.str());
    const QString pos = QString::fromStdString(w.SignPos.str());
    bool found = false;
    if (!database::IsJobStored(*db, job, found).ok() || !found)
        return 2;
    if (!database::IsJobSectionStored(*db, job, section, found).ok() || !found)
        return 3;
    if (!database::IsDesignStored(*db, {job, section, pos}, found).ok() || !found)
        return 4;
    return 5;
}

} // namespace

JobKeyStatus ProbeJobKeyStatus(platform::SqlConnection *db, const engine::DesignRecord &working,
                               const engine::DesignRecord &current)
{
    JobKeyStatus status;
    // All 15 characters, letter case counting.
    const bool isCurrent = working.JobCode == current.JobCode && working.JobSection == current.JobSection &&
                           working.SignPos == current.SignPos;
    status.row = isCurrent ? 1 : ProbeRow(db, working);
    status.captions = JobStatusCaptions(status.row);
    status.flashing = status.row == 5;
    return status;
}

} // namespace input
