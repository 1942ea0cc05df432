#pragma once
// The default values dialog: the four values every new design starts from,
// kept in table DefaultValues of the open database.

#include <QDialog>
#include <array>

class QComboBox;
class QLineEdit;
class QPushButton;

namespace input {

// DefaultValues, "Change Default Values". Loading reads the table into the
// database's globals and shows them; Ok writes the globals and the table and
// closes only when the write succeeded. The open design is left alone: the
// values reach a design when it is next reset.
class DefaultValues final : public QDialog {
    Q_OBJECT
public:
    explicit DefaultValues(QWidget *parent = nullptr);

    // Text1(0) clearance, Text1(1) distance; Combo1(0) speed, Combo1(1) traffic.
    QLineEdit *box(int index) const { return boxes_[static_cast<size_t>(index)]; }
    QComboBox *list(int index) const { return lists_[static_cast<size_t>(index)]; }
    QPushButton *okButton() const { return ok_; }
    QPushButton *cancelButton() const { return cancel_; }

    void Ok();

private:
    std::array<QLineEdit *, 2> boxes_{};
    std::array<QComboBox *, 2> lists_{};
    QPushButton *ok_ = nullptr;
    QPushButton *cancel_ = nullptr;
};

// Makes the dialog, shows it modally over `parent` and deletes it.
void ShowDefaultValuesDialog(QWidget *parent);

// The message of a box that fails the check at Ok.
extern const char *const DefaultValueInputMessage;

} // namespace input
