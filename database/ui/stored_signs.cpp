#include "database/ui/stored_signs.h"

namespace database {

bool SameKey(const StoredDesignKey &a, const StoredDesignKey &b)
{
    return a.JobCode == b.JobCode && a.JobSection == b.JobSection && a.SignPos == b.SignPos;
}

platform::SqlStatus ReadActiveStoredSigns(platform::SqlConnection &db, std::vector<StoredDesignKey> &keys)
{
    keys.clear();
    platform::SqlRows rows;
    const platform::SqlStatus status = db.select(
        QStringLiteral("SELECT s.Job_Code, s.Job_Section, s.Sign_Pos FROM SupDesData s "
                       "INNER JOIN JOBS j ON s.Job_Code = j.Job_Code WHERE j.Active = ? "
                       "ORDER BY s.Job_Code COLLATE NOCASE, s.Job_Code COLLATE BINARY, "
                       "s.Job_Section COLLATE NOCASE, s.Job_Section COLLATE BINARY, "
                       "s.Sign_Pos COLLATE NOCASE, s.Sign_Pos COLLATE BINARY"),
        {QStringLiteral("Y")}, rows);
    if (!status)
        return status;
    keys.reserve(rows.size());
    for (const auto &row : rows)
        keys.push_back({row[0].toString(), row[1].toString(), row[2].toString()});
    return status;
}

platform::SqlStatus ReadAllStoredSigns(platform::SqlConnection &db, std::vector<StoredDesignKey> &keys)
{
    keys.clear();
    platform::SqlRows rows;
    const platform::SqlStatus status = db.select(
        QStringLiteral("SELECT Job_Code, Job_Section, Sign_Pos FROM SupDesData "
                       "ORDER BY Job_Code COLLATE NOCASE, Job_Code COLLATE BINARY, "
                       "Job_Section COLLATE NOCASE, Job_Section COLLATE BINARY, "
                       "Sign_Pos COLLATE NOCASE, Sign_Pos COLLATE BINARY"),
        {}, rows);
    if (!status)
        return status;
    keys.reserve(rows.size());
    for (const auto &row : rows)
        keys.push_back({row[0].toString(), row[1].toString(), row[2].toString()});
    return status;
}

platform::SqlStatus ReadJobs(platform::SqlConnection &db, std::vector<JobRow> &jobs)
{
    jobs.clear();
    platform::SqlRows rows;
    const platform::SqlStatus status = db.select(
        QStringLiteral("SELECT Job_Code, Active FROM JOBS ORDER BY Job_Code COLLATE NOCASE, Job_Code COLLATE BINARY"), {},
        rows);
    if (!status)
        return status;
    jobs.reserve(rows.size());
    for (const auto &row : rows)
        jobs.push_back({row[0].toString(), row[1].toString() == QStringLiteral("Y")});
    return status;
}

platform::SqlStatus SetJobActive(platform::SqlConnection &db, const QString &jobCode, bool active)
{
    platform::SqlStatus status = db.exec(QStringLiteral("UPDATE JOBS SET Active = ? WHERE Job_Code = ?"),
                                         {active ? QStringLiteral("Y") : QStringLiteral("N"), jobCode});
    if (status && db.lastRowsAffected() != 1)
        return platform::SqlStatus::failure(platform::SqliteError,
                                            QStringLiteral("The job \"%1\" is no longer stored.").arg(jobCode.trimmed()));
    return status;
}

} // namespace database
