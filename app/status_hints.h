#pragma once
// The main window explains itself: moving the mouse over one of its areas
// writes what the area is into the status bar, and moving over a sign button
// opens the sign pop-up, which other areas close again. One table says what
// each area does; an application event filter looks up the innermost widget
// under the mouse that has a row.

#include <QObject>
#include <QString>
#include <array>
#include <string_view>

class QWidget;

namespace app {

class Form5;
class SignPopup;

enum class HintStatus { Unchanged, Title, Text };
enum class HintPopup { Unchanged, Hidden, Shown };

struct StatusHint {
    std::string_view control;  // object name, without the element suffix "_n"
    HintStatus status;
    std::string_view text;     // for HintStatus::Text
    HintPopup popup;
};

inline constexpr std::array<StatusHint, 16> StatusHintTable{{
    {"Label2", HintStatus::Title, "", HintPopup::Hidden},
    {"Label3", HintStatus::Unchanged, "", HintPopup::Hidden},
    {"Label4", HintStatus::Title, "", HintPopup::Unchanged},
    {"Label5", HintStatus::Unchanged, "", HintPopup::Hidden},
    {"Label8", HintStatus::Text, "Structural Design Data", HintPopup::Unchanged},
    {"Panel3D1", HintStatus::Title, "", HintPopup::Hidden},
    {"Panel3D2", HintStatus::Title, "", HintPopup::Hidden},
    {"Panel3D3", HintStatus::Title, "", HintPopup::Hidden},
    {"Panel3D4", HintStatus::Title, "", HintPopup::Unchanged},
    {"Panel3D5", HintStatus::Text, "Sign Face and Stiffener Details", HintPopup::Shown},
    {"Panel3D6", HintStatus::Unchanged, "", HintPopup::Hidden},
    {"Panel3D7", HintStatus::Text, "Warnings and Errors Display", HintPopup::Unchanged},
    {"Panel3D8", HintStatus::Text, "Sign Structural Design View", HintPopup::Unchanged},
    {"Text1", HintStatus::Text, "Warnings and Errors Display", HintPopup::Unchanged},
    {"Command3D1", HintStatus::Text, "Select Structural Options", HintPopup::Unchanged},
    {"Command3D4", HintStatus::Text, "Press to Adjust Design Parameter", HintPopup::Unchanged},
}};

// The application's title, which the title rows write into the status bar.
inline constexpr std::string_view ApplicationTitle = "Kelvora";

// The row of a widget by its object name ("Panel3D5_2" is element 2 of
// "Panel3D5"; the pop-up panel itself counts as its lines), or nullptr.
// `element` receives the element number, -1 when the name has none.
const StatusHint *HintForName(const QString &objectName, int *element = nullptr);

// Watches every mouse move of the application and applies the row of the
// innermost widget under the mouse within `window`.
class StatusHints final : public QObject {
    Q_OBJECT
public:
    explicit StatusHints(Form5 &window);

    SignPopup *popup() const { return popup_; }

    // Applies the row of `widget` (or of the nearest parent with one).
    void hintFor(QWidget *widget);

protected:
    bool eventFilter(QObject *watched, QEvent *event) override;

private:
    Form5 &window_;
    SignPopup *popup_ = nullptr;
};

StatusHints *InstallStatusHints(Form5 &window);

} // namespace app
