#pragma once
// The sign pop-up of the main window: a small panel over the results pane
// with the sign code, size, stiffeners and brackets of one sign slot for the
// viewed support kind, opened below (or, when the pane is too low, above) the
// sign button the mouse is on.

#include <QFrame>
#include <QString>
#include <array>

class QLabel;

namespace engine {
struct DesignState;
}

namespace app {

// The pop-up's size in twips.
inline constexpr int SignPopupWidth = 1575;
inline constexpr int SignPopupHeight = 1935;
// The gap between the pop-up and its button, in twips.
inline constexpr int SignPopupGap = 120;

// The six lines for sign slot `slot` (1 to 3 the front panels from the bottom,
// 4 the back sign), whatever the slot's button shows.
std::array<QString, 6> SignPopupLines(const engine::DesignState &state, int slot);

// Where the pop-up goes, in twips of the results pane.
struct SignPopupGeometry {
    double headingTop = 0;     // the "Panels and Stiffeners" heading
    double headingHeight = 0;
    double buttonLeft = 0;     // the sign button the mouse is on
    double buttonTop = 0;
    double buttonHeight = 0;
    double paneHeight = 0;     // the results pane
    double popupHeight = SignPopupHeight;
};
struct SignPopupPlace {
    double left = 0;
    double top = 0;
    bool below = true;
};
// Below the button when the pane is at least as high as the heading's bottom,
// two gaps, the button and the pop-up; above it otherwise.
SignPopupPlace PlaceSignPopup(const SignPopupGeometry &geometry);

class SignPopup final : public QFrame {
    Q_OBJECT
public:
    // A child of the results pane, hidden until a sign button is touched.
    SignPopup(const engine::DesignState &state, QWidget *resultsPane);

    // Fills the lines of sign button `button` (0 to 3), places the pop-up by
    // that button and shows it above the pane's rows.
    void showFor(int button, const QWidget *signButton, const QWidget *heading);
    QLabel *line(int index) const { return lines_[static_cast<size_t>(index)]; }

private:
    const engine::DesignState &state_;
    std::array<QLabel *, 6> lines_{};
};

} // namespace app
