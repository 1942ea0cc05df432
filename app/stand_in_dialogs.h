#pragma once
// Dialogs of the Edit and Print menus whose real forms are not in the
// program yet: an empty modal dialog with the form's caption, so every menu
// item opens, closes and re-runs the design as it will with the real form.

class QString;
class QWidget;

namespace app {

// Shows an empty dialog titled `caption` modally over `parent` and unloads it.
void ShowStandInDialog(const QString &caption, QWidget *parent);

// The print job selection stand-in: "Print Job Selection Form", naming the
// kind of print job it was asked for (0 design forms, 1 order forms, 2
// summary form).
void ShowPrintSelectionStandIn(int printFormType, QWidget *parent);

} // namespace app
