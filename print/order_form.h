#pragma once
// The order form: one landscape document listing, under one requisition
// number, the sign faces, supports and fittings to order for the designs the
// engineer ticked. Every page has a grey label column naming each row and ten
// slot columns to its right; each design fills the next free slots, one per
// sign panel when its sign faces are ordered, otherwise one.

#include "database/design_rows.h"
#include "platform/sql.h"
#include "print/design_form.h"
#include "print/page_surface.h"
#include "print/print_load.h"

#include <QString>
#include <array>
#include <cstdint>
#include <vector>

namespace print {

// Order kinds, in the order the form and the dialog handle them.
enum OrderKind { OrderSignFace = 0, OrderSupports = 1, OrderFittings = 2 };
inline constexpr int OrderKindCount = 3;

// One design to print on the order form: its key and, per kind (sign face,
// supports, fittings), its tick as stored (non-zero = ticked) and the
// requisition number stored for that kind.
struct OrderFormRow {
    database::StoredDesignKey Key;
    std::array<int, OrderKindCount> Ticks{};
    std::array<QString, OrderKindCount> ReqNos{};

    int SF() const { return Ticks[OrderSignFace]; }
    int SP() const { return Ticks[OrderSupports]; }
    int FT() const { return Ticks[OrderFittings]; }
    bool anyTicked() const { return SF() != 0 || SP() != 0 || FT() != 0; }
};

// The rows the order form prints: PrintRecord rows marked Selected of jobs
// whose Active is "Y", with at least one kind ticked, each once, in key order.
platform::SqlStatus SelectedOrderRows(platform::SqlConnection &db, std::vector<OrderFormRow> &rows);

// The number that heads every page: the first row's number of its first
// ticked kind (sign face, supports, fittings); empty without rows.
QString OrderRequisitionNumber(const std::vector<OrderFormRow> &rows);

// Width of the grey label column, in page units.
inline constexpr int32_t OrderLabelWidth = 440;
// Slot columns on a fresh page.
inline constexpr int OrderSlotsPerPage = 10;

// Draws the fixed part of one page (frame, requisition band and line, label
// column with every row label, section lines, slot grid), sets `slotWidth`
// and returns the slots of a fresh page (10).
int PrintOrderFormHeader(PageSurface &surface, const QString &reqNo, int32_t &slotWidth);

// Prints the loaded design into the next free slot columns and returns the
// slots left after it. A flag is ticked when non-zero.
int PrintOrderColumns(PageSurface &surface, const PrintedDesign &design, int slotsLeft, int32_t slotWidth, int SF,
                      int SP, int FT);

// The panel columns a design takes with its sign faces ticked: its front
// panels and its back panel (0 for a design without panels).
int OrderPanelCount(const engine::DesignRecord &design);

// Prints the order form of the rows, in the given order, as one document on
// `surface`, with progress (start, one update per design, finish). No row: no
// document and no progress. On a failure (a read, the device) the document
// is aborted, a partial PDF removed and the failure returned; the caller
// shows it and ends the progress display.
PrintJobResult PrintOrderForms(PageSurface &surface, platform::SqlConnection &db,
                               const std::vector<OrderFormRow> &rows);

// An area in square metres as the form prints it: up to 15 significant
// digits, "." as the point, no zero before it, no trailing zeros ("1.08", ".36").
QString OrderAreaText(int32_t widthMm, int32_t depthMm);

} // namespace print
