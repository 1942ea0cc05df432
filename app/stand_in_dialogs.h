#pragma once
// The Print menu's dialog until the print job selection form is in the
// program: an empty modal dialog with the form's caption, so every Print item
// opens, closes and re-runs the design as it will with the real form.

class QString;
class QWidget;

namespace app {

// The print job selection stand-in: "Print Job Selection Form", naming the
// kind of print job it was asked for (0 design forms, 1 order forms, 2
// summary form).
void ShowPrintSelectionStandIn(int printFormType, QWidget *parent);

} // namespace app
