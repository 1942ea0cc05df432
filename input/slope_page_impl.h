#pragma once
// The "Roadside Slope" page of the sign details form: the segment tabs, the
// seven segment boxes with their key filters and minimums, the terrain and
// entry-mode options, the entry frame's arrangement and the slope diagram.
// It holds no values of its own: every page is rebuilt from the form's
// counts, options and working copy.

#include "input/slope_diagram_scene.h"
#include "input/slope_entry_layout.h"
#include "input/slope_page.h"

#include <QObject>
#include <QString>
#include <array>
#include <optional>

class QKeyEvent;
class QLineEdit;

namespace input {

class Form1;
class SlopeDiagramView;

// The text of a gradient: "0" over a zero length, else h / L x 100 with up
// to 15 significant digits, "." as the decimal point.
QString GradientText(long long height, long long length);

// What a box would hold after an edit, judged as typed: refused or not, and
// the message (with its title) a refusal shows, if any.
struct EntryVerdict {
    bool accepted = true;
    QString message;
    QString title;
};
enum class EntryKind { Length, Height, Gradient };
EntryKind KindOfBox(int index);
// `riseLength` is the length the gradient applies to (gradients only).
EntryVerdict JudgeEntry(EntryKind kind, const QString &wouldBe, double riseLength);
// What a removal (Backspace, Delete, cut) leaves: only the rise a gradient
// makes is held to the height range; the rules for typed characters do not
// apply, so a computed gradient of many decimals can be shortened.
EntryVerdict JudgeRemoval(EntryKind kind, const QString &left, double riseLength);

// The segment checks over a working copy.
// Sum of SegLength(1..segmentCount); the count is clamped to 0..6.
long long UsedSegmentsLength(const engine::DesignRecord &design, int segmentCount);
// Widest chosen panel: front slots 1..frontCount, the back panel when chosen.
int32_t WidestChosenPanel(const engine::DesignRecord &design, int frontCount, bool backChosen);

class SlopePageImpl final : public QObject, public SlopePage {
    Q_OBJECT
public:
    explicit SlopePageImpl(Form1 &form);

    void UpdateSegmentTabs() override;
    void SSIndexTab2_Click(int previous) override;
    void Option3D4_Click(int index) override;
    void Option3D5_Click(int index) override;
    void Option3D6_Click(int index) override;
    void Option3D8_Click(int index) override;
    void Option3D1_Click(int index) override;
    void Option3D9_Click(int index) override;
    void Text3_Change(int index) override;
    void DrawSlopeDiagram() override;
    bool SegmentsCoverSigns() override;
    bool SegmentsTotalWithinLimit() override;

    void LayoutSegmentInputs(bool longitudinalOnly);
    void ShowSlopeLabels(bool show);

    const SlopeEntryArrangement &arrangement() const { return arrangement_; }
    const SlopeDiagramScene &diagram() const { return scene_; }
    SlopeDiagramView *diagramView() const { return view_; }

protected:
    bool eventFilter(QObject *watched, QEvent *event) override;

private:
    bool Text3_KeyPress(int index, QKeyEvent *event);
    void Text3_LostFocus(int index);
    void Text3_Edited(int index, const QString &text);
    void refuse(const EntryVerdict &verdict);
    void applyArrangement();
    void showContentForTab(int tab);
    bool referencePoint() const;
    bool strutted() const;
    bool checked(int array, int index) const;
    QLineEdit *box(int index) const;
    void setBox(int index, const QString &text);

    Form1 &form_;
    SlopeDiagramView *view_ = nullptr;
    SlopeEntryArrangement arrangement_;
    SlopeDiagramScene scene_;
    bool loading_ = false;  // a page load is writing the boxes
    std::array<QString, 7> shownText_{};                 // each box's text before the latest edit
    std::array<std::optional<QString>, 7> keyApproved_{};  // the text a let-through key makes
};

} // namespace input
