#pragma once
// "Edit Result": adjusts one result of the viewed support kind (posts,
// spacing, clearance above road edge, distance from carriageway, footing
// type) directly in the open design. Every change re-runs the design of all
// four kinds and refreshes the main window; OK keeps the result, Cancel puts
// back what the page started with. Modeless, made once by the main window;
// it accepts its value whenever another window of the program becomes active.

#include "engine/design_state.h"

#include <QDialog>
#include <array>
#include <functional>
#include <memory>

class QLabel;
class QLineEdit;
class QPushButton;
class QRadioButton;
class QScrollBar;
class QStackedWidget;
class QToolButton;
class QWindow;

namespace app {

// The page's scroll bounds as computed, Min possibly above Max (a wide sign on
// few posts). The bar under it runs from the smaller to the larger end and is
// reversed when Min > Max, so Min always sits at the left.
class BoundedScrollBar {
public:
    explicit BoundedScrollBar(QScrollBar *bar) : bar_(bar) {}
    void setBounds(long long min, long long max);
    long long min() const { return min_; }
    long long max() const { return max_; }
    // The entry check: at least Min and at most Max (nothing passes when
    // Min > Max), and within the ends the bar holds.
    bool accepts(long long value) const;
    int value() const;
    // Moves the bar; a value beyond the bar's ends shows at the nearest end.
    void setValue(long long value);
    QScrollBar *bar() const { return bar_; }

private:
    QScrollBar *bar_;
    long long min_ = 0;
    long long max_ = 32767;
};

// Where a page's bar starts: Min below Min, Max above Max, else the saved value.
long long ScrollStartValue(long long saved, long long min, long long max);
// Single and page steps by the range Max - Min: 100 and more 50/100, 10 to 99
// 5/10, below 10 (a negative range too) 1/1.
struct ScrollSteps {
    int small;
    int large;
};
ScrollSteps ScrollStepsFor(long long min, long long max);

class EditResultDialog final : public QDialog {
    Q_OBJECT
public:
    struct Hooks {
        std::function<void()> refresh;          // the main window's full refresh
        std::function<void()> showSignDetails;  // the sign details form, modeless
    };

    // Page captions by DesignParameterIndex.
    static const std::array<QString, 5> PageCaptions;

    EditResultDialog(engine::DesignState &state, Hooks hooks, QWidget *parent = nullptr);

    // Shows the dialog on page `designParameterIndex` (0..4) and sets the
    // page up from the current values.
    void showPage(int designParameterIndex);
    // OK: the design keeps the adjusted value, DesignChanged is set and the
    // dialog hides. Also what the main window's ways out and the activation
    // of another of the program's windows call, whatever OK's state.
    void acceptValue();
    // Cancel: the values of the set-up come back, re-run and refreshed.
    void cancelValue();

    int DesignParameterIndex() const { return page_; }
    // Controls by their index (labels 0..9; entries and bars 3, 5, 7).
    QLabel *valueLabel(int index) const { return labels_.at(static_cast<size_t>(index)); }
    QLineEdit *entry(int index) const { return entries_.at(static_cast<size_t>(index)); }
    BoundedScrollBar &scroll(int index) { return *bars_.at(static_cast<size_t>(index)); }
    QPushButton *okButton() const { return ok_; }
    QPushButton *cancelButton() const { return cancel_; }
    QPushButton *standardButton() const { return standard_; }
    QToolButton *spinUpButton() const { return spinUp_; }
    QToolButton *spinDownButton() const { return spinDown_; }
    QRadioButton *footingOption(int index) const { return footing_.at(static_cast<size_t>(index)); }
    QStackedWidget *pages() const { return stack_; }

public slots:
    void reject() override;

protected:
    bool eventFilter(QObject *watched, QEvent *event) override;

private:
    // What Cancel puts back: the adjustable fields of every page.
    struct Snapshot {
        int kind = 1;
        int32_t postSpacing = 0;
        int32_t userSpacing = 0;
        int32_t spacingType = 0;
        int16_t footingType = 0;
        std::array<int16_t, 5> extraPosts{};
        int32_t roadHeight = 0;
        int32_t distFromKerb = 0;
    };

    QWidget *buildPosts();
    QWidget *buildScrollPage(int index, bool withStandard);
    QWidget *buildFooting();
    void place();
    void setUp();
    // Where the keys go when a page is shown: its entry, or OK.
    void takeKeys();
    void setUpScroll(int index, long long saved, long long min, long long max);
    engine::SupportDesign &viewed();
    void rerun();
    void refresh();
    void setEntryText(int index, long long value);

    void onScroll(int index);
    void onSpin(bool up);
    void onFooting(int index);
    void onStandard();
    void onEntryChanged(int index);
    void onEntryLeft(int index);
    // The design value page entry `index` edits.
    long long shownDesignValue(int index);
    void onFocusWindowChanged(QWindow *window);

    engine::DesignState &state_;
    Hooks hooks_;
    int page_ = 0;
    bool settingUp_ = false;
    bool ownMessage_ = false;
    bool placed_ = false;
    std::array<long long, 8> savedValue_{};
    Snapshot snapshot_;

    QStackedWidget *stack_ = nullptr;
    std::array<QLabel *, 10> labels_{};
    std::array<QLineEdit *, 8> entries_{};
    std::array<std::unique_ptr<BoundedScrollBar>, 8> bars_;
    QPushButton *ok_ = nullptr;
    QPushButton *cancel_ = nullptr;
    QPushButton *standard_ = nullptr;
    QToolButton *spinUp_ = nullptr;
    QToolButton *spinDown_ = nullptr;
    std::array<QRadioButton *, 2> footing_{};
};

using Form12 = EditResultDialog;

} // namespace app
