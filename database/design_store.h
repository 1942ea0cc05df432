#pragma once
// Storing the open design: save, save under another key, load, delete and
// rename stored designs.
//
// Every operation is one transaction: it either completes or leaves the
// database exactly as it was. Key parts only ever reach SQL as bound
// parameters, cut or blank-padded to 15 characters and matched with `=`.
// A failure or refusal is shown to the engineer here, through the message
// service, and returned; callers must not show it again, and must not treat
// the open design as saved (DesignChanged stays as it was).

#include "database/design_rows.h"
#include "engine/design_state.h"
#include "platform/sql.h"

#include <QString>

namespace database {

enum class StoreOutcome {
    Done,      // the operation completed
    Declined,  // Save As: the engineer chose not to replace the stored design
    Refused,   // checked before writing or loading; nothing was changed
    Failed,    // the database refused a statement; everything was rolled back
};

struct StoreResult {
    StoreOutcome outcome = StoreOutcome::Done;
    QString message;           // what the engineer was shown (Refused, Failed)
    platform::SqlStatus sql;   // the database's own status (Failed)
    bool ok() const { return outcome == StoreOutcome::Done; }
};

// 1 when the last SaveSignDesignAs stored nothing: the engineer declined to
// replace a stored design, or the save was refused or failed (so that a
// caller that only looks at this flag never reloads from a key that holds
// nothing new); 0 when it stored the design.
extern int SaveAsDeclined;

// Levels of DeleteStoredSign and RenameStoredSign.
enum StoreLevel { LevelJob = 1, LevelJobSection = 2, LevelSignPosition = 3 };

// Deletes a whole job (1), a job section (2) or a sign position (3); the rows
// below follow by the cascading relations. A job left without any location
// row loses its JOBS row. Reports ShowProgress(80, 2). Any other level only
// does the last two steps. Refused, with a message and nothing deleted, when
// nothing is stored at that level under the key (levels 1 to 3).
// Failed, with nothing deleted, when a table of the design is missing or
// still holds rows of what was deleted (the cascade did not reach it).
[[nodiscard]] StoreResult DeleteStoredSign(platform::SqlConnection &db, int Level, const StoredDesignKey &key);

// Renames the job (1), the job section (2) or the sign position (3) named by
// oldName to the part of newName at that level; the rows below follow by the
// cascading updates. Refused, with a message and nothing changed, when the
// source is no longer stored or the new name is already in use there.
// A name equal to the old one of a stored source changes nothing and is not
// an error.
// Failed, with nothing renamed, when a table of the design is missing or
// still holds rows under the old name.
[[nodiscard]] StoreResult RenameStoredSign(platform::SqlConnection &db, int Level, const StoredDesignKey &oldName,
                                           const StoredDesignKey &newName);

// Stores the open design under key (callers pass the design's own key),
// replacing a stored design of that key without asking. What is stored:
// CurrentDesign, the stiffener limits in force and the support kind being
// viewed (CurrentSupportType) with a fresh print record. Reports
// ShowProgress 80 (when a stored design is replaced), 10, 35, 75 in mode 2.
// Refused before writing when two stored panels share a sign number or the
// viewed support kind is not 1..4. Does not change the state.
[[nodiscard]] StoreResult SaveSignDesign(platform::SqlConnection &db, const engine::DesignState &state,
                                         const StoredDesignKey &key);

// As SaveSignDesign for a key typed by the engineer; when a design is stored
// under it, asks first whether to replace it (No: Declined, nothing changed).
// Reports ShowProgress 80 (when replacing), 10, 25, 35, 50, 75 in mode 2.
// Sets SaveAsDeclined.
[[nodiscard]] StoreResult SaveSignDesignAs(platform::SqlConnection &db, const engine::DesignState &state,
                                           const StoredDesignKey &key);

// The question SaveSignDesignAs asks before replacing a stored design.
extern const char *const ReplaceDesignQuestion;
extern const char *const ReplaceDesignTitle;

// Makes the design stored under key the open design: resets the state with
// `defaults`, reads the support, sign and location rows into it (the support
// kind, the stiffener limits and the key from the stored rows), then runs the
// design for the four kinds (RunDesign, RedesignWithMorePosts). Reports
// ShowProgress(35, 2) and (75, 2). A key with no stored rows is refused with
// a message. When the rows cannot be read the open design is left untouched
// and the failure is returned; so is it, Refused with a message naming the
// key and the column, when a stored number lies outside the range of the
// record field it goes into.
[[nodiscard]] StoreResult LoadSignDesign(platform::SqlConnection &db, engine::DesignState &state,
                                         const engine::DefaultValues &defaults, const StoredDesignKey &key);

// The reading part of LoadSignDesign without the reset and the design run:
// the stored rows of key placed into a state as they are (refused, as a
// load is, when the key has no stored rows).
[[nodiscard]] StoreResult ReadStoredDesign(platform::SqlConnection &db, engine::DesignState &state,
                                           const StoredDesignKey &key);

// Whether a design is stored under key (its location row exists).
[[nodiscard]] platform::SqlStatus IsDesignStored(platform::SqlConnection &db, const StoredDesignKey &key,
                                                 bool &stored);
// Whether LocDesData holds a design of the job, and of the job section, the
// parts matched as IsDesignStored matches them.
[[nodiscard]] platform::SqlStatus IsJobStored(platform::SqlConnection &db, const QString &jobCode, bool &stored);
[[nodiscard]] platform::SqlStatus IsJobSectionStored(platform::SqlConnection &db, const QString &jobCode,
                                                     const QString &jobSection, bool &stored);

} // namespace database
