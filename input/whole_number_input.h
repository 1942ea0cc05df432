#pragma once
// Whole-number entry shared by the stiffener spacing and default values
// dialogs: boxes that take digits only, the check made before a value is used
// or stored, and the messages of a failed check or a failed database call.

#include <QString>
#include <optional>

class QLineEdit;

namespace input {

// Largest value of the 16-bit integer columns the values are stored in.
inline constexpr int MaxStoredWhole = 32767;

// The box's text as a whole number from 0 to 32767: digits only, nothing
// else, not empty; none otherwise.
std::optional<int> StoredWholeNumber(const QString &text);

// Lets the box take digits only, typed or pasted (a paste holding anything
// else is refused whole).
void AcceptDigitsOnly(QLineEdit *box);

// "Invalid input value", a run of 78 blanks and the product name.
QString InvalidInputTitle();

// Shows an invalid-input message with the exclamation icon.
void ShowInvalidInput(const QString &text);

// Shows the database's own text with the exclamation icon under the
// dialog's caption.
void ShowDatabaseFailure(const QString &caption, const QString &databaseText);

} // namespace input
