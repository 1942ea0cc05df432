#pragma once
// What saving the working copy under its key would do: the four status lines
// of "Job Details" and whether the status heading flashes. The open design's
// key is compared exactly; stored designs are probed in LocDesData with the
// padded parts bound and matched with `=` (case-blind columns), as a save
// matches them, so the status tells what a save will do for any key text.

#include "engine/design_record.h"

#include <QString>
#include <array>

namespace platform {
class SqlConnection;
}

namespace input {

struct JobKeyStatus {
    int row = 2;  // 1 current design, 2 job new, 3 section new, 4 position new, 5 overwrite
    std::array<QString, 4> captions;
    bool flashing = false;
};

// The captions of one row of the status table (1..5).
std::array<QString, 4> JobStatusCaptions(int row);

// The status of `working`'s key. Without a database (or on a failed probe)
// nothing counts as stored.
JobKeyStatus ProbeJobKeyStatus(platform::SqlConnection *db, const engine::DesignRecord &working,
                               const engine::DesignRecord &current);

} // namespace input
