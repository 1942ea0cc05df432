#pragma once
// The order-form steps around the print job: the ticks of the listed rows
// written back, the stamps of a printed job (print status, requisition
// number, date) and the flags cleared afterwards. All statements bind their
// values; nothing typed is pasted into SQL.

#include "print/order_form.h"

#include <QDate>
#include <QString>
#include <functional>

namespace print {

// The requisition number holds at most this many characters (the width of
// the OForm*_ReqNo columns).
inline constexpr int RequisitionLength = 15;
// Print refuses to start without a requisition number.
extern const char *const NoRequisitionMessage;

// Writes the three order ticks of one row (-1 ticked, 0 not).
platform::SqlStatus SaveOrderTicks(platform::SqlConnection &db, const database::StoredDesignKey &key,
                                   const std::array<bool, OrderKindCount> &ticks);

// Stamps status "Y", the requisition number and the date ("dd/mm/yyyy") into
// each kind's columns of the rows that print it: only a row's ticked kinds.
platform::SqlStatus StampOrderRows(platform::SqlConnection &db, const std::vector<OrderFormRow> &rows,
                                   const QString &reqNo, const QDate &date);

// Clears Selected and the three order ticks on every row.
platform::SqlStatus ClearPrintFlags(platform::SqlConnection &db);

// Cancel's reset: the requisition number of every kind never printed
// (status "N") back to "-", and every flag cleared.
platform::SqlStatus ResetUnprintedOrders(platform::SqlConnection &db);

// The order-form print as one unit: in one transaction the rows to print are
// read, stamped, printed by PrintOrderForms on the surface `open` gives, and
// every flag is cleared. A failure rolls everything back (stamps, numbers,
// ticks and Selected stay as they were for a retry), drops the document and
// finishes the progress display; the result carries the message to show, in
// the words of the other print jobs (PrintJobFailedMessage, or
// PrintStatusNotRecordedMessage once the pages are out).
using OrderSurfaceFactory = std::function<std::unique_ptr<PageSurface>()>;
PrintJobResult RunOrderPrintUnit(platform::SqlConnection &db, const OrderSurfaceFactory &open, const QString &reqNo,
                                 const QDate &date);

} // namespace print
