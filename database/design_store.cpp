#include "database/design_store.h"

#include "database/design_key.h"
#include "engine/design_run.h"
#include "engine/reference_lists.h"
#include "platform/services.h"

#include <QDate>
#include <QStringList>

namespace database {

int SaveAsDeclined = 0;

const char *const ReplaceDesignQuestion =
    "Use the current Job, Section and SignPosition name entered and replace its details with current details?";
const char *const ReplaceDesignTitle = "Sign Storage Detail already exists                  Mastra";

namespace {

using platform::SqlStatus;

// Stored keys compare without regard to letter case: a rename that only
// changes the case finds its own rows under the new name, which is no clash.
bool SameIgnoringCase(const QString &a, const QString &b) { return a.compare(b, Qt::CaseInsensitive) == 0; }

StoreResult Refuse(const QString &message)
{
    platform::showMessage(message, platform::MessageTitle(QStringLiteral("Sign Storage")), platform::MessageButtons::Ok,
                          platform::MessageIcon::Exclamation);
    return {StoreOutcome::Refused, message, {}};
}

// The first `level` parts of a key, as the browser shows its path.
QString ShownKey(const StoredDesignKey &key, int level)
{
    const QString parts[3] = {ShownKeyPart(key.JobCode), ShownKeyPart(key.JobSection), ShownKeyPart(key.SignPos)};
    QStringList shown;
    for (int i = 0; i < level && i < 3; ++i)
        shown << parts[i];
    return shown.join(QStringLiteral(" / "));
}

StoreResult Fail(const QString &what, const SqlStatus &status)
{
    QString message = what;
    if (!status.text().isEmpty())
        message += QStringLiteral("\n\n") + status.text();
    platform::showMessage(message, platform::MessageTitle(QStringLiteral("Sign Storage Error")), platform::MessageButtons::Ok,
                          platform::MessageIcon::Critical);
    return {StoreOutcome::Failed, message, status};
}

// Commits the work of the steps, or reports the first failure (the
// transaction then rolls back).
StoreResult Commit(platform::SqlTransaction &transaction, const SqlStatus &steps, const QString &failed)
{
    if (!steps.ok())
        return Fail(failed, steps);
    const SqlStatus committed = transaction.commit();
    if (!committed.ok())
        return Fail(failed, committed);
    return {};
}

// Runs a statement and reports through `status`; does nothing once a step
// has failed, so a sequence of steps reads straight down.
struct Steps {
    platform::SqlConnection &db;
    SqlStatus status;

    void exec(const QString &sql, const QVariantList &params)
    {
        if (status.ok())
            status = db.exec(sql, params);
    }
    bool exists(const QString &sql, const QVariantList &params)
    {
        if (!status.ok())
            return false;
        platform::SqlRows rows;
        status = db.select(sql, params, rows);
        return status.ok() && !rows.empty();
    }
    void insert(const char *table, const ColumnValues &row)
    {
        if (!status.ok())
            return;
        QStringList columns;
        QStringList marks;
        for (const char *c : row.columns) {
            columns << QLatin1String(c);
            marks << QStringLiteral("?");
        }
        exec(QStringLiteral("INSERT INTO %1 (%2) VALUES (%3)")
                 .arg(QLatin1String(table), columns.join(QStringLiteral(", ")), marks.join(QStringLiteral(", "))),
             row.values);
    }
};

const QString LocationOfKey = QStringLiteral("SELECT 1 FROM LocDesData WHERE ") + QLatin1String(DesignKeyCondition);

// The rows of a job (level 1), a job section (2) or a sign position (3),
// bound with the first `level` padded key parts.
const char *const LevelSelection[] = {"", JobKeyCondition, "Job_Code = ? AND Job_Section = ?", DesignKeyCondition};
// What a level names, in the messages.
const char *const LevelName[] = {"", "job", "job section", "sign position"};

// The table whose rows name a level: JOBS a job, LocDesData a job section or
// a sign position; the rows below follow them by the cascading relations.
QLatin1String LevelTable(int level)
{
    return QLatin1String(level == LevelJob ? "JOBS" : "LocDesData");
}

// Fails the steps when a table of the design still holds a row of the
// selection after a delete or rename reached it through the cascading
// relations. A file whose table was dropped (the database's own text
// reports it) or rebuilt without its relation would otherwise lose or move
// only part of its designs, and the transaction is then rolled back.
void CheckNoRowsLeft(Steps &steps, int level, const QVariantList &params)
{
    for (const char *table : {"LocDesData", "SupDesData", "SignDesData", "PrintRecord"}) {
        const bool left = steps.exists(
            QStringLiteral("SELECT 1 FROM %1 WHERE %2 LIMIT 1").arg(QLatin1String(table), QLatin1String(LevelSelection[level])),
            params);
        if (left)
            steps.status = SqlStatus::failure(platform::SqliteConstraint,
                                              QStringLiteral("%1 still holds rows of the design: the relations of "
                                                             "the file do not reach that table.")
                                                  .arg(QLatin1String(table)));
        if (!steps.status.ok())
            return;
    }
}

// Whether the level's table holds a row of the selection bound with `params`.
bool StoredAtLevel(Steps &steps, int level, const QVariantList &params)
{
    return steps.exists(
        QStringLiteral("SELECT 1 FROM %1 WHERE %2 LIMIT 1").arg(LevelTable(level), QLatin1String(LevelSelection[level])),
        params);
}

// The delete steps, inside the caller's transaction.
void DeleteSteps(Steps &steps, int level, const StoredDesignKey &key)
{
    const QString job = PadKey(key.JobCode);
    const QString section = PadKey(key.JobSection);
    const QString pos = PadKey(key.SignPos);
    const QVariantList params = QVariantList{job, section, pos}.mid(0, level);
    switch (level) {
    case LevelJob:
        steps.exec(QStringLiteral("DELETE FROM JOBS WHERE Job_Code = ?"), params);
        break;
    case LevelJobSection:
    case LevelSignPosition:
        steps.exec(QStringLiteral("DELETE FROM LocDesData WHERE ") + QLatin1String(LevelSelection[level]), params);
        break;
    default:
        break;
    }
    if (level >= LevelJob && level <= LevelSignPosition)
        CheckNoRowsLeft(steps, level, params);
    if (!steps.status.ok())
        return;
    ShowProgress(80, platform::ProgressUpdate);
    // A job whose last location row went loses its JOBS row too.
    if (!steps.exists(QStringLiteral("SELECT 1 FROM LocDesData WHERE Job_Code = ? LIMIT 1"), {job})
        && steps.status.ok())
        steps.exec(QStringLiteral("DELETE FROM JOBS WHERE Job_Code = ?"), {job});
}

// The check made before anything is written: the viewed kind is a real kind
// and no two stored panels share a sign number (their rows would share a key).
std::optional<QString> SaveRefusal(const engine::DesignState &state)
{
    if (state.CurrentSupportType < 1 || state.CurrentSupportType > 4)
        return QStringLiteral("The design cannot be saved: no support kind is selected.");
    const std::vector<int> storedSlots = StoredSlots(state.CurrentDesign);
    for (std::size_t a = 0; a < storedSlots.size(); ++a) {
        for (std::size_t b = a + 1; b < storedSlots.size(); ++b) {
            const auto &codeA = state.CurrentDesign.SignCode[static_cast<std::size_t>(storedSlots[a])];
            const auto &codeB = state.CurrentDesign.SignCode[static_cast<std::size_t>(storedSlots[b])];
            if (SameIgnoringCase(ToDbText(codeA.view()), ToDbText(codeB.view()))) {
                if (codeA.IsBlank())
                    return QStringLiteral("The design cannot be saved: more than one sign panel has no sign "
                                          "number. Give each panel its own sign number, then save again.");
                return QStringLiteral("The design cannot be saved: more than one sign panel has the sign number "
                                      "\"%1\". Give each panel its own sign number, then save again.")
                    .arg(ToDbText(codeA.Trimmed()));
            }
        }
    }
    // Text columns take no empty text: a blank class or colour (or an index
    // outside its list) would be refused half-way through the save.
    for (int slot : storedSlots) {
        const auto i = static_cast<std::size_t>(slot);
        const engine::DesignRecord &d = state.CurrentDesign;
        const char *missing = nullptr;
        if (ListText(engine::LegendClassNames, d.LegendClass[i]).isEmpty())
            missing = "legend class";
        else if (ListText(engine::LegendColourNames, d.LegendColour[i]).isEmpty())
            missing = "legend colour";
        else if (ListText(engine::BackgroundClassNames, d.BkgndClass[i]).isEmpty())
            missing = "background class";
        else if (ListText(engine::BackgroundColourNames, d.BkgndColour[i]).isEmpty())
            missing = "background colour";
        if (missing)
            return QStringLiteral("The design cannot be saved: the %1 panel has no %2. Choose one, then save again.")
                .arg(slot == engine::kBackSlot ? QStringLiteral("back") : QStringLiteral("front %1").arg(slot),
                     QLatin1String(missing));
    }
    return std::nullopt;
}

enum class SaveVariant { Save, SaveAs };

StoreResult WriteDesign(platform::SqlConnection &db, const engine::DesignState &state, const StoredDesignKey &key,
                        SaveVariant variant)
{
    const bool saveAs = variant == SaveVariant::SaveAs;
    const engine::DesignRecord &design = state.CurrentDesign;
    const engine::SupportDesign &support = state.SupportDesigns[static_cast<std::size_t>(state.CurrentSupportType)];
    const QString failed = QStringLiteral("The design could not be saved. The stored design of this key has "
                                          "not been changed.");

    platform::SqlTransaction transaction(db, platform::SqlTransaction::Kind::Immediate);
    if (!transaction.status().ok())
        return Fail(failed, transaction.status());
    Steps steps{db, {}};
    if (steps.exists(LocationOfKey, DesignKeyParams(key.JobCode, key.JobSection, key.SignPos)))
        DeleteSteps(steps, LevelSignPosition, key);
    if (!steps.status.ok())
        return Fail(failed, steps.status);
    ShowProgress(10, platform::ProgressUpdate);

    const QString job = PadKey(key.JobCode);
    if (!steps.exists(QStringLiteral("SELECT 1 FROM JOBS WHERE Job_Code = ?"), {job}) && steps.status.ok())
        steps.exec(QStringLiteral("INSERT INTO JOBS (Job_Code, Active) VALUES (?, 'Y')"), {job});
    if (saveAs && steps.status.ok())
        ShowProgress(25, platform::ProgressUpdate);

    steps.insert("LocDesData", LocationColumns(key, design));
    if (steps.status.ok())
        ShowProgress(35, platform::ProgressUpdate);

    steps.insert("SupDesData",
                 SupportColumns(key, design, support, state.CurrentSupportType, state.StiffenerLimit));
    if (saveAs && steps.status.ok())
        ShowProgress(50, platform::ProgressUpdate);

    const QString today = QDate::currentDate().toString(QStringLiteral("dd/MM/yyyy"));
    auto writeSigns = [&] {
        for (int slot : StoredSlots(design))
            steps.insert("SignDesData", SignColumns(key, design, support, slot));
    };
    if (saveAs) {
        steps.insert("PrintRecord", PrintRecordColumns(key, today));
        if (steps.status.ok())
            ShowProgress(75, platform::ProgressUpdate);
        writeSigns();
    } else {
        writeSigns();
        if (steps.status.ok())
            ShowProgress(75, platform::ProgressUpdate);
        steps.insert("PrintRecord", PrintRecordColumns(key, today));
    }
    return Commit(transaction, steps.status, failed);
}

// All three tables of a key, read before the open design is touched.
struct StoredRows {
    std::optional<SupportRow> support;
    std::vector<SignRow> signs;
    std::optional<LocationRow> location;
};

SqlStatus ReadRows(platform::SqlConnection &db, const StoredDesignKey &key, StoredRows &rows, bool progress)
{
    SqlStatus status = ReadSupportRow(db, key, rows.support);
    if (!status.ok())
        return status;
    if (progress)
        ShowProgress(35, platform::ProgressUpdate);
    status = ReadSignRows(db, key, rows.signs);
    if (!status.ok())
        return status;
    if (progress)
        ShowProgress(75, platform::ProgressUpdate);
    return ReadLocationRow(db, key, rows.location);
}

void ApplyRows(const StoredRows &rows, const StoredDesignKey &key, engine::DesignState &state)
{
    if (rows.support) {
        state.CurrentSupportType = SupportTypeOf(*rows.support, state.CurrentSupportType);
        ApplySupportRow(*rows.support, state.SupportDesigns[static_cast<std::size_t>(state.CurrentSupportType)],
                        state.CurrentDesign);
        ApplyStiffenerLimits(*rows.support, state.StiffenerLimit);
    }
    // CurrentSupportType is 1..4 here: the lookup only yields 1..4, and
    // otherwise it keeps the caller's value, checked below.
    ApplySignRows(rows.signs, key, state.CurrentDesign,
                  state.SupportDesigns[static_cast<std::size_t>(state.CurrentSupportType)]);
    if (rows.location)
        ApplyLocationRow(*rows.location, state.CurrentDesign);
}

const QString LoadFailed = QStringLiteral("The stored design could not be read. The open design has not been changed.");

// A key that selects no row of any of the three tables names no design:
// loading it would put an empty design in place of the open one.
std::optional<QString> NothingStored(const StoredRows &rows, const StoredDesignKey &key)
{
    if (rows.support || !rows.signs.empty() || rows.location)
        return std::nullopt;
    return QStringLiteral("No design is stored under %1. The open design has not been changed.")
        .arg(ShownKey(key, LevelSignPosition));
}

} // namespace

platform::SqlStatus IsDesignStored(platform::SqlConnection &db, const StoredDesignKey &key, bool &stored)
{
    Steps steps{db, {}};
    stored = steps.exists(LocationOfKey, DesignKeyParams(key.JobCode, key.JobSection, key.SignPos));
    return steps.status;
}

platform::SqlStatus IsJobStored(platform::SqlConnection &db, const QString &jobCode, bool &stored)
{
    Steps steps{db, {}};
    stored = steps.exists(QStringLiteral("SELECT 1 FROM LocDesData WHERE Job_Code = ? LIMIT 1"), {PadKey(jobCode)});
    return steps.status;
}

platform::SqlStatus IsJobSectionStored(platform::SqlConnection &db, const QString &jobCode, const QString &jobSection,
                                       bool &stored)
{
    Steps steps{db, {}};
    stored = steps.exists(QStringLiteral("SELECT 1 FROM LocDesData WHERE Job_Code = ? AND Job_Section = ? LIMIT 1"),
                          {PadKey(jobCode), PadKey(jobSection)});
    return steps.status;
}

StoreResult DeleteStoredSign(platform::SqlConnection &db, int Level, const StoredDesignKey &key)
{
    const QString failed = QStringLiteral("The stored design could not be deleted. Nothing has been deleted.");
    platform::SqlTransaction transaction(db, platform::SqlTransaction::Kind::Immediate);
    if (!transaction.status().ok())
        return Fail(failed, transaction.status());
    Steps steps{db, {}};
    if (Level >= LevelJob && Level <= LevelSignPosition) {
        // Deleting what is not stored would delete nothing and say it did.
        const bool stored =
            StoredAtLevel(steps, Level, DesignKeyParams(key.JobCode, key.JobSection, key.SignPos).mid(0, Level));
        if (!steps.status.ok())
            return Fail(failed, steps.status);
        if (!stored)
            return Refuse(QStringLiteral("The %1 \"%2\" to be deleted is not stored. Nothing has been deleted.")
                              .arg(QLatin1String(LevelName[Level]), ShownKey(key, Level)));
    }
    DeleteSteps(steps, Level, key);
    return Commit(transaction, steps.status, failed);
}

StoreResult RenameStoredSign(platform::SqlConnection &db, int Level, const StoredDesignKey &oldName,
                             const StoredDesignKey &newName)
{
    if (Level < LevelJob || Level > LevelSignPosition)
        return {};
    const QString job = PadKey(oldName.JobCode);
    const QString section = PadKey(oldName.JobSection);
    const QString pos = PadKey(oldName.SignPos);
    const QString failed = QStringLiteral("The stored design could not be renamed. Nothing has been changed.");

    platform::SqlTransaction transaction(db, platform::SqlTransaction::Kind::Immediate);
    if (!transaction.status().ok())
        return Fail(failed, transaction.status());
    Steps steps{db, {}};

    static const char *const column[] = {"", "Job_Code", "Job_Section", "Sign_Pos"};
    const QString old = Level == LevelJob ? job : Level == LevelJobSection ? section : pos;
    const QString target = PadKey(Level == LevelJob          ? newName.JobCode
                                  : Level == LevelJobSection ? newName.JobSection
                                                             : newName.SignPos);
    const QVariantList source = QVariantList{job, section, pos}.mid(0, Level);
    QVariantList renamed = source;
    renamed[Level - 1] = target;
    const QLatin1String table = LevelTable(Level);
    const bool sourceStored = StoredAtLevel(steps, Level, source);
    const bool targetStored = sourceStored && !SameIgnoringCase(target, old) && StoredAtLevel(steps, Level, renamed);
    if (!steps.status.ok())
        return Fail(failed, steps.status);

    if (!sourceStored)
        return Refuse(QStringLiteral("The %1 \"%2\" to be renamed is no longer stored. Nothing has been renamed.")
                          .arg(QLatin1String(LevelName[Level]), old.trimmed()));
    if (targetStored)
        return Refuse(QStringLiteral("A %1 named \"%2\" is already stored there. Choose another name; nothing has "
                                     "been renamed.")
                          .arg(QLatin1String(LevelName[Level]), target.trimmed()));
    // The same name again changes nothing.
    if (target == old)
        return {};

    const QVariantList params = QVariantList{target} + source;
    steps.exec(QStringLiteral("UPDATE %1 SET %2 = ? WHERE %3")
                   .arg(table, QLatin1String(column[Level]), QLatin1String(LevelSelection[Level])),
               params);
    // The relations compare keys without regard to case, so a rename that only
    // changes the case does not cascade: the rows below are renamed here.
    if (SameIgnoringCase(target, old)) {
        for (const char *below : {"LocDesData", "SupDesData", "SignDesData", "PrintRecord"})
            steps.exec(QStringLiteral("UPDATE %1 SET %2 = ? WHERE %3")
                           .arg(QLatin1String(below), QLatin1String(column[Level]), QLatin1String(LevelSelection[Level])),
                       params);
    } else {
        CheckNoRowsLeft(steps, Level, source);
    }
    return Commit(transaction, steps.status, failed);
}

StoreResult SaveSignDesign(platform::SqlConnection &db, const engine::DesignState &state, const StoredDesignKey &key)
{
    if (const auto refusal = SaveRefusal(state))
        return Refuse(*refusal);
    return WriteDesign(db, state, key, SaveVariant::Save);
}

StoreResult SaveSignDesignAs(platform::SqlConnection &db, const engine::DesignState &state,
                             const StoredDesignKey &key)
{
    SaveAsDeclined = 0;
    if (const auto refusal = SaveRefusal(state)) {
        SaveAsDeclined = 1;
        return Refuse(*refusal);
    }
    bool stored = false;
    const SqlStatus checked = IsDesignStored(db, key, stored);
    if (!checked.ok()) {
        SaveAsDeclined = 1;
        return Fail(QStringLiteral("The design could not be saved. Nothing has been changed."), checked);
    }
    if (stored) {
        const platform::MessageAnswer answer =
            platform::showMessage(QString::fromLatin1(ReplaceDesignQuestion), QString::fromLatin1(ReplaceDesignTitle),
                                  platform::MessageButtons::YesNo, platform::MessageIcon::Question, 2);
        if (answer != platform::MessageAnswer::Yes) {
            SaveAsDeclined = 1;
            return {StoreOutcome::Declined, {}, {}};
        }
    }
    StoreResult result = WriteDesign(db, state, key, SaveVariant::SaveAs);
    if (!result.ok())
        SaveAsDeclined = 1;
    return result;
}

StoreResult ReadStoredDesign(platform::SqlConnection &db, engine::DesignState &state, const StoredDesignKey &key)
{
    StoredRows rows;
    const SqlStatus status = ReadRows(db, key, rows, false);
    if (!status.ok())
        return Fail(LoadFailed, status);
    if (const auto nothing = NothingStored(rows, key))
        return Refuse(*nothing);
    if (const auto fault = FirstFault(rows.support, rows.signs, rows.location))
        return Refuse(StoredValueFaultMessage(key, *fault));
    if (state.CurrentSupportType < 1 || state.CurrentSupportType > 4)
        state.CurrentSupportType = 1;
    ApplyRows(rows, key, state);
    return {};
}

StoreResult LoadSignDesign(platform::SqlConnection &db, engine::DesignState &state,
                           const engine::DefaultValues &defaults, const StoredDesignKey &key)
{
    StoredRows rows;
    const SqlStatus status = ReadRows(db, key, rows, true);
    if (!status.ok())
        return Fail(LoadFailed, status);
    // Nothing stored, or a value its record field cannot hold: refused
    // before the open design is touched.
    if (const auto nothing = NothingStored(rows, key))
        return Refuse(*nothing);
    if (const auto fault = FirstFault(rows.support, rows.signs, rows.location))
        return Refuse(StoredValueFaultMessage(key, *fault));
    engine::ResetDesignData(state, defaults);
    ApplyRows(rows, key, state);
    engine::RunDesign(state);
    engine::RedesignWithMorePosts(state);
    return {};
}

} // namespace database
