#pragma once
// Loading a stored design for printing. Printing never uses the open design:
// each printed design is read from its stored rows into a copy of its own,
// with the stored result code, warnings, post lengths and clearances as they
// were saved; nothing is reset in the open design and no design is run.

#include "database/design_rows.h"
#include "engine/design_record.h"
#include "platform/sql.h"

#include <QString>

namespace print {

// The print copy of one stored design.
struct PrintedDesign {
    engine::DesignRecord PrintDesign;
    engine::SupportDesign PrintSupport;
    QString PrintSupportName;  // Sup_Name as stored, e.g. "CHS Steel"
};

// Reads the design stored under `key` into `printed`. Every load starts from
// an empty copy, so nothing of an earlier design carries over; the key fields
// are always the key asked for. Rows are matched with `=` on the padded key.
// A failed read returns its status, and so does a stored number outside the
// range of the record field it goes into (its text names the column and the
// value); `printed` is then unusable.
platform::SqlStatus LoadPrintDesign(platform::SqlConnection &db, const database::StoredDesignKey &key,
                                    PrintedDesign &printed);

} // namespace print
