#pragma once
// The stiffener spacing dialog: the five stiffener limits of the open design,
// the standard set and the custom set kept in table Preferences.

#include <QDialog>
#include <array>
#include <optional>

class QLineEdit;
class QPushButton;
class QToolButton;

namespace engine {
struct DesignState;
}

namespace input {

// The new value of box `box` (0..4) after a press of its spin button, or none
// when the press is refused. Each press moves by 5; a minimum (boxes 1 and 3)
// stays between 5 and its maximum, a maximum (boxes 2 and 4) between its
// minimum and 1000; box 0 never spins. `boxes` are the five values as read
// (none for a box that does not hold a valid whole number); a press with the
// box or its partner unreadable is refused.
std::optional<int> StiffenerSpin(int box, bool up, const std::array<std::optional<int>, 5> &boxes);

// Form3, "Stiffener Spacing". OK sets StiffenerLimit 1..5 from the boxes and
// marks the design changed; Cancel and the close box only hide it. The custom
// set buttons work on the current database.
class Form3 final : public QDialog {
    Q_OBJECT
public:
    explicit Form3(engine::DesignState &state, QWidget *parent = nullptr);

    QLineEdit *box(int index) const { return boxes_[static_cast<size_t>(index)]; }
    QToolButton *spinUp(int index) const { return spinUp_[static_cast<size_t>(index)]; }
    QToolButton *spinDown(int index) const { return spinDown_[static_cast<size_t>(index)]; }
    // Command1 by its index: 0, 1, 2, 4, 5 (there is no 3).
    QPushButton *command(int index) const;

    // The handlers of the buttons.
    void UseStandardSetting();
    void UseCustomSetting();
    void SaveCustomSetting();
    void Ok();
    void SpinDown(int index);
    void SpinUp(int index);

protected:
    // Every showing starts from the limits in force.
    void showEvent(QShowEvent *event) override;

private:
    void fillBoxes(const std::array<QString, 5> &texts);
    std::array<std::optional<int>, 5> readBoxes() const;
    // All five boxes as valid limits, or none after telling the engineer.
    std::optional<std::array<int16_t, 5>> checkedBoxes() const;
    void spin(int index, bool up);
    bool writeCustomSet(const std::array<int16_t, 5> &values);

    engine::DesignState &state_;
    std::array<QLineEdit *, 5> boxes_{};
    std::array<QToolButton *, 5> spinUp_{};
    std::array<QToolButton *, 5> spinDown_{};
    std::array<QPushButton *, 6> commands_{};
};

// Makes the dialog, shows it modally over `parent` and deletes it.
void ShowStiffenerSpacingDialog(engine::DesignState &state, QWidget *parent);

// The message of a box that fails the check at OK or Save.
extern const char *const StiffenerInputMessage;

} // namespace input
