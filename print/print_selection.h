#pragma once
// The print selection as the database holds it. The selection is never kept
// in memory: PrintRecord.Selected marks the designs chosen for the next print
// job, and OFormSF_Sel, OFormSP_Sel, OFormFT_Sel the order parts ticked for
// them. The flags are Integer columns written as -1 (ticked) and 0, and read
// as ticked when non-zero. Keys are always matched with `=` on bound, padded
// parameters.
//
// Print status stamps are "Y" and the day of printing as "dd/mm/yyyy"; a job
// takes its date once, so every row of one job carries the same day.

#include "database/design_rows.h"
#include "platform/sql.h"

#include <QDate>
#include <QString>
#include <QStringList>
#include <QVariant>
#include <utility>
#include <vector>

namespace print {

// The kind of print job, as the Print menu's item index.
enum PrintFormKind : int { DesignFormKind = 0, OrderFormKind = 1, SummaryFormKind = 2 };

// The Integer flag values.
inline constexpr int FlagTicked = -1;
inline constexpr int FlagClear = 0;

// The flag columns of PrintRecord.
inline constexpr const char *SelectedColumn = "Selected";
inline constexpr const char *OrderFaceSelColumn = "OFormSF_Sel";
inline constexpr const char *OrderSupportSelColumn = "OFormSP_Sel";
inline constexpr const char *OrderFittingSelColumn = "OFormFT_Sel";

// Whether a stored flag value is ticked: any non-zero number.
bool IsTicked(const QVariant &value);

// The date as the print status columns hold it: "dd/mm/yyyy".
QString StampDate(const QDate &day);

// The keys of the designs chosen for the next job: PrintRecord rows whose
// Selected is non-zero, of jobs whose Active is "Y", each once, key parts as
// stored, in the order of the stored-design browser (case-blind, then exact,
// by job, section and sign position).
platform::SqlStatus ReadSelectedPrintKeys(platform::SqlConnection &db,
                                          std::vector<database::StoredDesignKey> &keys);

// Sets one flag column on the rows under a browser item: level 1 every row of
// the job, 2 of the job's section, 3 the one design. Parts below the level
// are ignored. A level outside 1..3 changes nothing.
platform::SqlStatus SetPrintFlag(platform::SqlConnection &db, const char *column, bool ticked, int level,
                                 const database::StoredDesignKey &key);

// "Add  >>>" and "<<< Remove" of the print job selection dialog: Selected on
// the rows of the item at `level`.
platform::SqlStatus MarkSignsSelected(platform::SqlConnection &db, int level,
                                      const database::StoredDesignKey &key);
platform::SqlStatus ClearSignsSelected(platform::SqlConnection &db, int level,
                                       const database::StoredDesignKey &key);

// Sets the given flag columns to 0 on every PrintRecord row, inactive jobs'
// rows included.
platform::SqlStatus ClearFlagsEverywhere(platform::SqlConnection &db, const std::vector<const char *> &columns);

// Selected = 0 on every row: the print job selection dialog's Cancel.
platform::SqlStatus ClearAllSelected(platform::SqlConnection &db);

// The order form's Cancel: every requisition number of an order part not yet
// printed back to "-", then Selected and the three order flags cleared on
// every row.
platform::SqlStatus CancelOrderSelection(platform::SqlConnection &db);

// One column value a job stamps.
using StampValue = std::pair<QString, QVariant>;  // column, value

// Writes the values into the PrintRecord row of each key (and no other row).
platform::SqlStatus StampRows(platform::SqlConnection &db, const std::vector<database::StoredDesignKey> &keys,
                              const std::vector<StampValue> &values);

// The same, only into those rows of the keys whose flag column is ticked
// (an order part chosen for the order form).
platform::SqlStatus StampTickedRows(platform::SqlConnection &db, const std::vector<database::StoredDesignKey> &keys,
                                   const char *flagColumn, const std::vector<StampValue> &values);

// The status and date stamps of design forms and of the summary form.
std::vector<StampValue> DesignFormStamps(const QDate &day);
std::vector<StampValue> SummaryFormStamps(const QDate &day);

// One row's print status as the status grid shows it.
struct PrintStatusRow {
    QString signPos;  // as stored
    QStringList cells;  // the grid's columns, Null read as empty
};

// The grid's headings for a print kind.
QStringList PrintStatusHeadings(int printFormType);

// The PrintRecord rows of one job section (and one sign position when
// `key.SignPos` is not empty), only the Selected ones when `selectedOnly`,
// in Sign_Pos order, with the columns of PrintStatusHeadings. An empty
// section gives no row.
platform::SqlStatus ReadPrintStatus(platform::SqlConnection &db, int printFormType,
                                    const database::StoredDesignKey &key, bool selectedOnly,
                                    std::vector<PrintStatusRow> &rows);

} // namespace print
