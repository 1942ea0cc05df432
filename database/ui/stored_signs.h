#pragma once
// Reading the stored keys and the job list for the storage and job
// management dialogs. Key parts are handed back exactly as stored (with their
// padding), so that what a caller passes back selects the same rows.

#include "database/design_key.h"  // WithoutTrailingBlanks
#include "database/design_rows.h"
#include "platform/sql.h"

#include <QString>
#include <vector>

namespace database {

// Whether two keys hold exactly the same parts.
bool SameKey(const StoredDesignKey &a, const StoredDesignKey &b);

// Every stored design (SupDesData row) whose job is active, once each, with
// its key parts exactly as stored (padding included), in
// key order: case-blind first, so that "abc" sorts beside "ABC", then exact,
// so that equal parts always stand together.
platform::SqlStatus ReadActiveStoredSigns(platform::SqlConnection &db, std::vector<StoredDesignKey> &keys);

// Every stored design (SupDesData row), whatever its job's state, in the
// same order and form as ReadActiveStoredSigns.
platform::SqlStatus ReadAllStoredSigns(platform::SqlConnection &db, std::vector<StoredDesignKey> &keys);

struct JobRow {
    QString jobCode;  // as stored
    bool active = false;
};

// Every JOBS row in job code order.
platform::SqlStatus ReadJobs(platform::SqlConnection &db, std::vector<JobRow> &jobs);

// Writes JOBS.Active ("Y" or "N") of the job whose code equals jobCode
// exactly (as ReadJobs gave it). Fails when no such job is stored.
platform::SqlStatus SetJobActive(platform::SqlConnection &db, const QString &jobCode, bool active);

} // namespace database
