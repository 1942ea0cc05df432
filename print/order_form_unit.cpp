#include "print/order_form_unit.h"

#include "database/design_key.h"
#include "platform/services.h"

namespace print {

const char *const NoRequisitionMessage = "Please enter a Requsisition Number before printing";

namespace {

struct KindColumns {
    const char *status;
    const char *reqNo;
    const char *date;
    const char *tick;
};
constexpr std::array<KindColumns, OrderKindCount> Columns{{
    {"OFormSF_Print_Status", "OFormSF_ReqNo", "OFormSF_Date", "OFormSF_Sel"},
    {"OFormSP_Print_Status", "OFormSP_ReqNo", "OFormSP_Date", "OFormSP_Sel"},
    {"OFormFT_Print_Status", "OFormFT_ReqNo", "OFormFT_Date", "OFormFT_Sel"},
}};

QVariantList KeyParams(const database::StoredDesignKey &key)
{
    return database::DesignKeyParams(key.JobCode, key.JobSection, key.SignPos);
}

} // namespace

platform::SqlStatus SaveOrderTicks(platform::SqlConnection &db, const database::StoredDesignKey &key,
                                   const std::array<bool, OrderKindCount> &ticks)
{
    QVariantList params;
    for (bool t : ticks)
        params << (t ? -1 : 0);
    params << KeyParams(key);
    return db.exec(QStringLiteral("UPDATE PrintRecord SET OFormSF_Sel = ?, OFormSP_Sel = ?, OFormFT_Sel = ? WHERE ") +
                       QLatin1String(database::DesignKeyCondition),
                   params);
}

platform::SqlStatus StampOrderRows(platform::SqlConnection &db, const std::vector<OrderFormRow> &rows,
                                   const QString &reqNo, const QDate &date)
{
    const QString day = date.toString(QStringLiteral("dd/MM/yyyy"));
    for (const OrderFormRow &row : rows)
        for (int k = 0; k < OrderKindCount; ++k) {
            if (row.Ticks[static_cast<std::size_t>(k)] == 0)
                continue;
            const KindColumns &c = Columns[static_cast<std::size_t>(k)];
            QVariantList params{reqNo, day};
            params << KeyParams(row.Key);
            const platform::SqlStatus s =
                db.exec(QStringLiteral("UPDATE PrintRecord SET %1 = 'Y', %2 = ?, %3 = ? WHERE %4")
                            .arg(QLatin1String(c.status), QLatin1String(c.reqNo), QLatin1String(c.date),
                                 QLatin1String(database::DesignKeyCondition)),
                        params);
            if (!s.ok())
                return s;
        }
    return {};
}

platform::SqlStatus ClearPrintFlags(platform::SqlConnection &db)
{
    return db.exec(
        QStringLiteral("UPDATE PrintRecord SET Selected = 0, OFormSF_Sel = 0, OFormSP_Sel = 0, OFormFT_Sel = 0"));
}

platform::SqlStatus ResetUnprintedOrders(platform::SqlConnection &db)
{
    platform::SqlTransaction transaction(db);
    if (!transaction.status().ok())
        return transaction.status();
    for (const KindColumns &c : Columns) {
        const platform::SqlStatus s = db.exec(QStringLiteral("UPDATE PrintRecord SET %1 = '-' WHERE %2 = 'N'")
                                                  .arg(QLatin1String(c.reqNo), QLatin1String(c.status)));
        if (!s.ok())
            return s;
    }
    const platform::SqlStatus cleared = ClearPrintFlags(db);
    if (!cleared.ok())
        return cleared;
    return transaction.commit();
}

PrintJobResult RunOrderPrintUnit(platform::SqlConnection &db, const OrderSurfaceFactory &open, const QString &reqNo,
                                 const QDate &date)
{
    PrintJobResult result;
    auto fail = [&](const QString &message) {
        ShowProgress(100, platform::ProgressFinish);
        result.ok = false;
        result.message = message;
        return result;
    };
    auto failBeforePages = [&](const QString &reason) { return fail(PrintJobFailedMessage(reason)); };
    platform::SqlTransaction transaction(db);
    if (!transaction.status().ok())
        return failBeforePages(transaction.status().text());
    std::vector<OrderFormRow> rows;
    platform::SqlStatus s = SelectedOrderRows(db, rows);
    if (s.ok())
        s = StampOrderRows(db, rows, reqNo, date);
    // The requisition number is read back after the stamps.
    if (s.ok())
        s = SelectedOrderRows(db, rows);
    if (!s.ok())
        return failBeforePages(s.text());
    if (!rows.empty()) {
        const std::unique_ptr<PageSurface> surface = open();
        if (!surface)
            return failBeforePages(QStringLiteral("No printer or file is available for the order form."));
        result = PrintOrderForms(*surface, db, rows);
        if (!result.ok)
            return failBeforePages(result.message);
    }
    s = ClearPrintFlags(db);
    if (s.ok())
        s = transaction.commit();
    // The document is out by now and cannot be called back.
    if (!s.ok())
        return fail(PrintStatusNotRecordedMessage(s.text(), result.pages > 0));
    return result;
}

} // namespace print
