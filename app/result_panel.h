#pragma once
// The result column of the viewed support kind and the "Warnings and Errors"
// box. Both read only the viewed kind's SupportDesign and CurrentDesign.

#include <QString>
#include <array>

class QLabel;
class QWidget;

namespace engine {
struct DesignState;
struct SupportDesign;
}

namespace app {

class WarningsBox;

inline constexpr int ResultRowCount = 16;

// The controls ShowSupportResults writes: the sixteen values, the two
// footing captions whose text follows the footing type, and the four sign
// slot buttons (front slots 1 to 3 from the bottom, then the back slot).
struct ResultControls {
    std::array<QLabel *, ResultRowCount> values{};
    QLabel *footingSizeCaption = nullptr;   // "Diameter of Hole" / "Diameter of Screw"
    QLabel *footingDepthCaption = nullptr;  // "Depth of Hole" / "Length of Screw"
    std::array<QWidget *, 4> signSlots{};
};

// The sixteen values of a kind, as shown; all empty when the kind has no
// design, with "No Result" in the first row when it has a result code.
struct SupportResultTexts {
    std::array<QString, ResultRowCount> values;
    bool footingCaptionsSet = false;  // only a found design sets the captions
    QString footingSizeCaption;
    QString footingDepthCaption;
};

// The support kind the window shows: CurrentSupportType kept within 1..4.
int ViewedSupportType(const engine::DesignState &state);

SupportResultTexts SupportResultValues(const engine::DesignState &state);
void ShowSupportResults(const engine::DesignState &state, const ResultControls &controls);

// The text of the warnings box for support kind `supportType`: each line ends
// with CR LF and the newest line comes first.
QString WarningsAndErrorsText(const engine::SupportDesign &design, int supportType);
void ShowWarningsAndErrors(const engine::DesignState &state, WarningsBox &box);

} // namespace app
