#include "print/print_selection.h"

#include "database/design_key.h"

#include <QStringList>

namespace print {

namespace {

constexpr const char *KeyOrder =
    "ORDER BY p.Job_Code COLLATE NOCASE, p.Job_Code COLLATE BINARY, "
    "p.Job_Section COLLATE NOCASE, p.Job_Section COLLATE BINARY, "
    "p.Sign_Pos COLLATE NOCASE, p.Sign_Pos COLLATE BINARY";

// The condition and parameters that pick the rows under an item.
bool LevelCondition(int level, const database::StoredDesignKey &key, QString &condition, QVariantList &params)
{
    switch (level) {
    case 1:
        condition = QString::fromLatin1(database::JobKeyCondition);
        params = {database::PadKey(key.JobCode)};
        return true;
    case 2:
        condition = QStringLiteral("Job_Code = ? AND Job_Section = ?");
        params = {database::PadKey(key.JobCode), database::PadKey(key.JobSection)};
        return true;
    case 3:
        condition = QString::fromLatin1(database::DesignKeyCondition);
        params = database::DesignKeyParams(key.JobCode, key.JobSection, key.SignPos);
        return true;
    default:
        return false;
    }
}

} // namespace

bool IsTicked(const QVariant &value)
{
    bool ok = false;
    const long long n = value.toLongLong(&ok);
    return ok && n != 0;
}

QString StampDate(const QDate &day)
{
    return day.toString(QStringLiteral("dd/MM/yyyy"));
}

platform::SqlStatus ReadSelectedPrintKeys(platform::SqlConnection &db, std::vector<database::StoredDesignKey> &keys)
{
    keys.clear();
    platform::SqlRows rows;
    // The key is the table's primary key, so the join yields each row once.
    const platform::SqlStatus status =
        db.select(QStringLiteral("SELECT p.Job_Code, p.Job_Section, p.Sign_Pos FROM PrintRecord p "
                                 "INNER JOIN JOBS j ON p.Job_Code = j.Job_Code "
                                 "WHERE j.Active = ? AND p.Selected <> 0 ")
                      + QLatin1String(KeyOrder),
                  {QStringLiteral("Y")}, rows);
    if (!status.ok())
        return status;
    keys.reserve(rows.size());
    for (const platform::SqlRow &row : rows)
        keys.push_back({row[0].toString(), row[1].toString(), row[2].toString()});
    return status;
}

platform::SqlStatus SetPrintFlag(platform::SqlConnection &db, const char *column, bool ticked, int level,
                                 const database::StoredDesignKey &key)
{
    QString condition;
    QVariantList params;
    if (!LevelCondition(level, key, condition, params))
        return {};
    params.prepend(ticked ? FlagTicked : FlagClear);
    return db.exec(QStringLiteral("UPDATE PrintRecord SET %1 = ? WHERE %2").arg(QLatin1String(column), condition),
                   params);
}

platform::SqlStatus MarkSignsSelected(platform::SqlConnection &db, int level, const database::StoredDesignKey &key)
{
    return SetPrintFlag(db, SelectedColumn, true, level, key);
}

platform::SqlStatus ClearSignsSelected(platform::SqlConnection &db, int level, const database::StoredDesignKey &key)
{
    return SetPrintFlag(db, SelectedColumn, false, level, key);
}

platform::SqlStatus ClearFlagsEverywhere(platform::SqlConnection &db, const std::vector<const char *> &columns)
{
    if (columns.empty())
        return {};
    QStringList sets;
    QVariantList params;
    for (const char *column : columns) {
        sets << QStringLiteral("%1 = ?").arg(QLatin1String(column));
        params << FlagClear;
    }
    return db.exec(QStringLiteral("UPDATE PrintRecord SET ") + sets.join(QStringLiteral(", ")), params);
}

platform::SqlStatus ClearAllSelected(platform::SqlConnection &db)
{
    return ClearFlagsEverywhere(db, {SelectedColumn});
}

platform::SqlStatus CancelOrderSelection(platform::SqlConnection &db)
{
    for (const char *part : {"SF", "SP", "FT"}) {
        const platform::SqlStatus s = db.exec(
            QStringLiteral("UPDATE PrintRecord SET OForm%1_ReqNo = ? WHERE OForm%1_Print_Status = ?")
                .arg(QLatin1String(part)),
            {QStringLiteral("-"), QStringLiteral("N")});
        if (!s.ok())
            return s;
    }
    return ClearFlagsEverywhere(db, {SelectedColumn, OrderFaceSelColumn, OrderSupportSelColumn, OrderFittingSelColumn});
}

namespace {

platform::SqlStatus StampWhere(platform::SqlConnection &db, const std::vector<database::StoredDesignKey> &keys,
                               const QString &extraCondition, const std::vector<StampValue> &values)
{
    if (keys.empty() || values.empty())
        return {};
    QStringList sets;
    for (const StampValue &v : values)
        sets << v.first + QStringLiteral(" = ?");
    platform::SqlStatement statement =
        db.prepare(QStringLiteral("UPDATE PrintRecord SET %1 WHERE %2%3")
                       .arg(sets.join(QStringLiteral(", ")), QLatin1String(database::DesignKeyCondition),
                            extraCondition));
    if (!statement.status().ok())
        return statement.status();
    for (const database::StoredDesignKey &key : keys) {
        for (int i = 0; i < static_cast<int>(values.size()); ++i)
            statement.bindAt(i, values[static_cast<std::size_t>(i)].second);
        const int base = static_cast<int>(values.size());
        statement.bindAt(base, database::PadKey(key.JobCode));
        statement.bindAt(base + 1, database::PadKey(key.JobSection));
        statement.bindAt(base + 2, database::PadKey(key.SignPos));
        const platform::SqlStatus s = statement.exec();
        if (!s.ok())
            return s;
    }
    return {};
}

} // namespace

platform::SqlStatus StampRows(platform::SqlConnection &db, const std::vector<database::StoredDesignKey> &keys,
                              const std::vector<StampValue> &values)
{
    return StampWhere(db, keys, QString(), values);
}

platform::SqlStatus StampTickedRows(platform::SqlConnection &db, const std::vector<database::StoredDesignKey> &keys,
                                    const char *flagColumn, const std::vector<StampValue> &values)
{
    return StampWhere(db, keys, QStringLiteral(" AND %1 <> 0").arg(QLatin1String(flagColumn)), values);
}

std::vector<StampValue> DesignFormStamps(const QDate &day)
{
    return {{QStringLiteral("DForm_Print_Status"), QStringLiteral("Y")},
            {QStringLiteral("DForm_Date"), StampDate(day)}};
}

std::vector<StampValue> SummaryFormStamps(const QDate &day)
{
    return {{QStringLiteral("SForm_Print_Status"), QStringLiteral("Y")},
            {QStringLiteral("SForm_Date"), StampDate(day)}};
}

namespace {

QStringList StatusColumns(int printFormType)
{
    switch (printFormType) {
    case OrderFormKind:
        return {QStringLiteral("Sign_Pos"),      QStringLiteral("OFormSF_ReqNo"), QStringLiteral("OFormSF_Date"),
                QStringLiteral("OFormSP_ReqNo"), QStringLiteral("OFormSP_Date"),  QStringLiteral("OFormFT_ReqNo"),
                QStringLiteral("OFormFT_Date")};
    case SummaryFormKind:
        return {QStringLiteral("Sign_Pos"), QStringLiteral("SForm_Print_Status"), QStringLiteral("SForm_Date")};
    default:
        return {QStringLiteral("Sign_Pos"), QStringLiteral("DForm_Print_Status"), QStringLiteral("DForm_Date")};
    }
}

} // namespace

QStringList PrintStatusHeadings(int printFormType)
{
    if (printFormType == OrderFormKind)
        return {QStringLiteral("Sign Position"), QStringLiteral("Face Req No"),    QStringLiteral("Face Date"),
                QStringLiteral("Support Req No"), QStringLiteral("Support Date"), QStringLiteral("Fitting Req No"),
                QStringLiteral("Fitting Date")};
    return {QStringLiteral("Sign Position"), QStringLiteral("Printed"), QStringLiteral("Date")};
}

platform::SqlStatus ReadPrintStatus(platform::SqlConnection &db, int printFormType,
                                    const database::StoredDesignKey &key, bool selectedOnly,
                                    std::vector<PrintStatusRow> &rows)
{
    rows.clear();
    if (key.JobSection.isEmpty())
        return {};
    QString condition;
    QVariantList params;
    LevelCondition(key.SignPos.isEmpty() ? 2 : 3, key, condition, params);
    if (selectedOnly)
        condition += QStringLiteral(" AND Selected <> 0");
    const QStringList columns = StatusColumns(printFormType);
    platform::SqlRows found;
    const platform::SqlStatus status =
        db.select(QStringLiteral("SELECT %1 FROM PrintRecord WHERE %2 ORDER BY Sign_Pos")
                      .arg(columns.join(QStringLiteral(", ")), condition),
                  params, found);
    if (!status.ok())
        return status;
    for (const platform::SqlRow &row : found) {
        PrintStatusRow r;
        r.signPos = row[0].toString();
        for (const QVariant &v : row)
            r.cells << (v.isNull() ? QString() : v.toString());
        rows.push_back(std::move(r));
    }
    return status;
}

} // namespace print
