#pragma once
// The sign details entry form: the design key, the roadside slope and the sign
// panels on three pages, edited in a private working copy of the open design.
// OK compares the copy with the open design, sets the change flags and copies
// it back; OK and Cancel hide the form, which stays loaded for the run.
//
// Controls carry their array names and indexes as object names ("Text1_12",
// "Option3D4_0"); the accessors below give them to the page helpers and tests.

#include "engine/design_record.h"

#include <QDialog>
#include <array>
#include <cstdint>
#include <memory>

class QAbstractButton;
class QButtonGroup;
class QComboBox;
class QFrame;
class QGroupBox;
class QLabel;
class QLineEdit;
class QPushButton;
class QRadioButton;
class QTabBar;
class QTabWidget;
class QTimer;
class QWindow;

namespace database {
class DesignBrowser;
}
namespace engine {
struct DesignState;
}

namespace input {

class PanelsPage;
class SlopePage;

// The form-level variables, in one place.
struct Form1Variables {
    int16_t FrontSignCount = 0;     // front panels chosen, 0..3
    int16_t BackSignCount = 0;      // back panels chosen, 0..1
    int16_t SlopeSegmentCount = 0;  // slope segments in use, 1..5
    bool ReloadPending = false;     // the next activation copies the open design in afresh
    bool Filling = false;           // activation is writing the working copy into the controls
    bool DirectoryPicking = false;  // a directory pick is writing the key boxes
    bool JustActivated = false;     // set by every activation, cleared by the main page handler
    engine::DesignRecord WorkingDesign;
};

// The option button arrays of the form.
enum class OptionArray {
    Option3D1,  // cross-section rise: "Height", "% Gradient"
    Option3D2,  // "Number of Front Signs": "None", "1", "2", "3"
    Option3D3,  // "Number of Back Signs": "None", "1"
    Option3D4,  // "No. of Slope segments": "1" to "5"
    Option3D5,  // side of the carriageway: "Left", "Right"
    Option3D6,  // "Define a reference point?": "Yes", "No"
    Option3D7,  // "Front Sign Starts Higher", "Back Sign Starts Higher"
    Option3D8,  // "Strutted Sign?": "Yes", "No"
    Option3D9,  // longitudinal rise: "Height", "% Gradient "
};
inline constexpr int OptionArrayCount = 9;

// Main pages of SSIndexTab1.
enum MainPage { JobDetailsPage = 0, RoadsideSlopePage = 1, SignPanelsPage = 2 };

class Form1 final : public QDialog {
    Q_OBJECT
public:
    // Builds the form and runs its load (lists filled, reload pending,
    // centred). The page helpers start as the plain ones of this library.
    Form1(engine::DesignState &state, QWidget *parent = nullptr);
    ~Form1() override;

    // Replace the page helpers (the form owns them).
    void setPanelsPage(std::unique_ptr<PanelsPage> page);
    SlopePage &slopePage() { return *slope_; }
    PanelsPage &panelsPage() { return *panels_; }

    engine::DesignState &designState() { return state_; }
    Form1Variables &variables() { return vars_; }
    engine::DesignRecord &WorkingDesign() { return vars_.WorkingDesign; }

    // The open design was replaced (a new design, a load): the next
    // activation copies it in afresh, also while the form stays shown.
    void requestReload();

    // The lifecycle handlers. Form_Activate runs on every showing and when
    // the engineer comes back from another window of the program.
    void Form_Load();
    void Form_Activate();

    // Reads the boxes into the working copy, recounts the panels and enables
    // OK when the sign data are complete; the one writer of OK's state.
    bool CheckSignDataComplete();
    // The buttons: 0 Cancel, 1 OK, 2 Next, 3 Previous.
    void Command1_Click(int index);
    // Rebuilds the sign panel tabs from the two panel counts.
    void UpdateSignTabs();

    // Handlers of the form's own controls.
    void Option3D2_Click(int index);
    void Option3D3_Click(int index);
    void Option3D7_Click(int index);
    void Text1_Change(int index);
    void Text2_Change(int index);
    void Text4_Change(int index);
    void SSIndexTab3_Click(int previous);

    // Shows one of the form's own messages (exclamation icon, OK); its window
    // coming and going is no return from another window of the program.
    void showFormMessage(const QString &text, const QString &title);

    // Selects option `index` of an array from code: checked with its signals
    // blocked, then its click handler runs once, also when it was checked.
    void selectOption(OptionArray array, int index);
    // Makes a main or slope page current from code without running its handler.
    void setMainPage(int page);
    void setSlopeTab(int tab);

    // Controls by their array names.
    QLineEdit *Text1(int index) const { return text1_.at(static_cast<size_t>(index)); }
    QLineEdit *Text2(int index) const { return text2_.at(static_cast<size_t>(index)); }
    QLineEdit *Text3(int index) const { return text3_.at(static_cast<size_t>(index)); }
    QLineEdit *Text4(int index) const { return text4_.at(static_cast<size_t>(index)); }
    QComboBox *Combo1(int index) const { return combo1_.at(static_cast<size_t>(index)); }
    QComboBox *Combo2(int index) const { return combo2_.at(static_cast<size_t>(index)); }
    QComboBox *Combo5(int index) const { return combo5_.at(static_cast<size_t>(index)); }
    QComboBox *Combo6(int index) const { return combo6_.at(static_cast<size_t>(index)); }
    QComboBox *Combo3() const { return combo3_; }
    QComboBox *Combo4() const { return combo4_; }
    QComboBox *Combo7() const { return combo7_; }
    QComboBox *Combo8() const { return combo8_; }
    QButtonGroup *options(OptionArray array) const { return groups_.at(static_cast<size_t>(array)); }
    QRadioButton *option(OptionArray array, int index) const;
    QPushButton *Command1(int index) const { return command1_.at(static_cast<size_t>(index)); }
    QTabWidget *SSIndexTab1() const { return tab1_; }
    QTabBar *SSIndexTab2() const { return tab2_; }
    QTabWidget *SSIndexTab3() const { return tab3_; }
    QGroupBox *Frame3D2(int index) const { return frame3d2_.at(static_cast<size_t>(index)); }
    QFrame *Panel3D2(int index) const { return panel3d2_.at(static_cast<size_t>(index)); }
    QFrame *Panel3D8(int index) const { return panel3d8_.at(static_cast<size_t>(index)); }
    QLabel *Label1(int index) const;
    QLabel *Label3(int index) const { return label3_.at(static_cast<size_t>(index)); }
    QGroupBox *Frame3D7() const { return frame3d7_; }
    QGroupBox *Frame3D12() const { return frame3d12_; }
    QGroupBox *Frame3D13() const { return frame3d13_; }
    database::DesignBrowser *Outline1() const { return outline1_; }
    QTimer *Timer1() const { return timer1_; }

protected:
    bool event(QEvent *event) override;
    void showEvent(QShowEvent *event) override;
    void hideEvent(QHideEvent *event) override;
    void closeEvent(QCloseEvent *event) override;
    void reject() override;

private:
    void buildForm();
    QWidget *buildJobPage();
    QWidget *buildSlopePage();
    QWidget *buildSignPage();
    QWidget *buildSignSlotPage(int slot);
    QWidget *buildSeparationPage();
    QButtonGroup *newOptionArray(OptionArray array, const QStringList &captions, QWidget *parent);
    void connectHandlers();
    void runOptionHandler(OptionArray array, int index);
    void comboChanged(int16_t &field, bool colour, int position);
    void fillFromWorkingCopy();
    void noteFocusWindow(QWindow *window);

    engine::DesignState &state_;
    Form1Variables vars_;
    std::unique_ptr<SlopePage> slope_;
    std::unique_ptr<PanelsPage> panels_;

    std::array<QLineEdit *, 14> text1_{};
    std::array<QLineEdit *, 4> text2_{};
    std::array<QLineEdit *, 7> text3_{};
    std::array<QLineEdit *, 3> text4_{};
    std::array<QComboBox *, 3> combo1_{}, combo2_{}, combo5_{}, combo6_{};
    QComboBox *combo3_ = nullptr, *combo4_ = nullptr, *combo7_ = nullptr, *combo8_ = nullptr;
    std::array<QButtonGroup *, OptionArrayCount> groups_{};
    std::array<QPushButton *, 4> command1_{};
    QTabWidget *tab1_ = nullptr;
    QTabBar *tab2_ = nullptr;
    QTabWidget *tab3_ = nullptr;
    std::array<QGroupBox *, 5> frame3d2_{};
    std::array<QFrame *, 3> panel3d2_{};
    std::array<QFrame *, 6> panel3d8_{};
    std::array<QLabel *, 29> label1_{};
    std::array<QLabel *, 4> label3_{};
    QGroupBox *frame3d7_ = nullptr, *frame3d12_ = nullptr, *frame3d13_ = nullptr;
    database::DesignBrowser *outline1_ = nullptr;
    QTimer *timer1_ = nullptr;

    int mainPage_ = 0;   // the page SSIndexTab1 showed last
    int slopeTab_ = 0;
    int signTab_ = 0;
    bool settingPage_ = false;
    bool activating_ = false;
    // Activation bookkeeping: a showing activates at once; a window
    // activation runs it again only on a return from another window of the
    // program (not from the form's own message boxes or another application).
    bool lastFocusOther_ = false;  // the last window focused before this one was another of the program's
    bool selfFocused_ = false;
    int messageDepth_ = 0;
};

} // namespace input
