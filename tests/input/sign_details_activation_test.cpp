// The sign details form as loaded and as each showing fills it from the open
// design; re-activation from another window keeps the engineer's work.

#include "form_test_support.h"

#include <QDialog>
#include <QGroupBox>
#include <QKeyEvent>
#include <QLabel>
#include <QTabBar>
#include <QTimer>
#include <QWindow>

using input::OptionArray;
using input_testing::FormTest;

namespace {

QStringList entries(const QComboBox *combo)
{
    QStringList texts;
    for (int i = 0; i < combo->count(); ++i)
        texts << combo->itemText(i);
    return texts;
}

} // namespace

TEST_F(FormTest, LoadedFormHasItsPagesListsAndButtons)
{
    EXPECT_EQ(form->windowTitle(), "Sign Details Entry Form");
    EXPECT_FALSE(form->isVisible());
    EXPECT_TRUE(vars().ReloadPending);

    const QTabWidget *pages = form->SSIndexTab1();
    ASSERT_EQ(pages->count(), 3);
    EXPECT_EQ(pages->tabText(0), "Job Details");
    EXPECT_EQ(pages->tabText(1), "Roadside Slope");
    EXPECT_EQ(pages->tabText(2), "Sign Panels");
    ASSERT_EQ(form->SSIndexTab2()->count(), 8);
    EXPECT_EQ(form->SSIndexTab2()->tabText(0), "Terrain Details");
    EXPECT_EQ(form->SSIndexTab2()->tabText(1), "Reference Point");
    EXPECT_EQ(form->SSIndexTab2()->tabText(6), "Segment 5");
    EXPECT_EQ(form->SSIndexTab2()->tabText(7), "Point");
    EXPECT_EQ(form->SSIndexTab3()->tabText(0), "General Details");

    const QStringList buttons{"Cancel", "OK", "Next >>>", "<<< Previous"};
    for (int i = 0; i < 4; ++i) {
        EXPECT_EQ(form->Command1(i)->text(), buttons[i]);
        EXPECT_FALSE(form->Command1(i)->autoDefault()) << i;
        EXPECT_EQ(form->Command1(i)->objectName(), QStringLiteral("Command1_%1").arg(i));
    }
    EXPECT_EQ(form->Text1(12)->objectName(), "Text1_12");
    EXPECT_EQ(option(OptionArray::Option3D4, 4)->text(), "5");
    EXPECT_EQ(option(OptionArray::Option3D9, 1)->text(), "% Gradient ");
    EXPECT_EQ(option(OptionArray::Option3D7, 1)->text(), "Back Sign Starts Higher");
    EXPECT_EQ(form->Frame3D13()->title(), "Slope Segment Details");
    EXPECT_EQ(form->Frame3D7()->title(), "Sign Layout View");
    EXPECT_EQ(form->Label1(28)->text(), "Vertical Separation Middle to Upper");
    EXPECT_FALSE(form->Timer1()->isActive());
    EXPECT_EQ(form->Timer1()->interval(), 500);

    // Positions are the stored indexes; the empty last class is not offered.
    const QStringList classes{"Various", "1A", "1", "1W", "2A", "2", "CAL"};
    const QStringList legendColours{"Various", "White", "Black CAL"};
    for (int i = 0; i < 3; ++i) {
        EXPECT_EQ(entries(form->Combo1(i)), classes);
        EXPECT_EQ(entries(form->Combo2(i)), classes);
        EXPECT_EQ(entries(form->Combo5(i)), legendColours);
        EXPECT_EQ(form->Combo6(i)->count(), 11);
        EXPECT_EQ(form->Combo6(i)->itemText(1), "White");
    }
    EXPECT_EQ(entries(form->Combo3()), classes);
    EXPECT_EQ(entries(form->Combo4()), classes);
    EXPECT_EQ(entries(form->Combo7()), legendColours);
    EXPECT_EQ(form->Combo8()->itemText(10), "Fluoro Yel");
}

TEST_F(FormTest, ResetDesignShowsAnEmptyFormOnJobDetails)
{
    engine::DefaultValues defaults;
    defaults.DefClearanceAboveRoadEdge = 1800;
    defaults.DefDistanceFromCarriageway = 2500;
    engine::ResetDesignData(state, defaults);
    show();

    EXPECT_FALSE(vars().ReloadPending);
    EXPECT_FALSE(vars().Filling);
    EXPECT_TRUE(vars().JustActivated);
    EXPECT_EQ(form->SSIndexTab1()->currentIndex(), input::JobDetailsPage);
    for (int i = 0; i < 3; ++i)
        EXPECT_TRUE(form->Text4(i)->text().isEmpty());
    EXPECT_EQ(form->Text1(12)->text(), "1800");
    EXPECT_EQ(form->Text1(13)->text(), "2500");
    for (int i = 0; i <= 8; ++i)
        EXPECT_TRUE(form->Text1(i)->text().isEmpty()) << i;
    EXPECT_EQ(vars().FrontSignCount, 0);
    EXPECT_EQ(vars().BackSignCount, 0);
    for (int p = 1; p <= 5; ++p) {
        EXPECT_FALSE(form->SSIndexTab3()->isTabEnabled(p)) << p;
        EXPECT_TRUE(form->SSIndexTab3()->tabText(p).isEmpty()) << p;
    }
    EXPECT_FALSE(form->Command1(1)->isEnabled());
    EXPECT_EQ(calls.directoryFills, 1);
    // The page handler ran for page 0 (entered from page 1) at the reload.
    ASSERT_FALSE(calls.mainPageClicks.empty());
    EXPECT_EQ(calls.mainPageClicks.front(), 1);
}

TEST_F(FormTest, ShowingFillsTheBoxesFromTheOpenDesign)
{
    engine::DesignRecord d = input_testing::sampleDesign();
    d.NumFrontSigns = 2;
    d.FrontSignWidth[2] = 1800;
    d.FrontSignDepth[2] = 600;
    d.FrontSignClearance[2] = 100;
    d.SignCode[2] = "R2-4      ";
    d.FrontSignWidth[3] = 999;  // beyond the count: not shown
    d.SignCode[3] = "X9";
    d.RoadHeight = -20;
    d.SupportStruts = engine::FlagTrue;
    d.SignOnLeft = engine::FlagFalse;
    showDesign(d);

    EXPECT_EQ(form->Text4(0)->text(), "J100");
    EXPECT_EQ(form->Text4(1)->text(), "S1");
    EXPECT_EQ(form->Text4(2)->text(), "P1");
    EXPECT_EQ(form->Text1(12)->text(), "-20");
    EXPECT_EQ(form->Text1(0)->text(), "2000");
    EXPECT_EQ(form->Text1(3)->text(), "1500");
    EXPECT_EQ(form->Text1(6)->text(), "G1-1");
    EXPECT_EQ(form->Text1(1)->text(), "1800");
    EXPECT_EQ(form->Text1(4)->text(), "600");
    EXPECT_EQ(form->Text1(10)->text(), "100");
    EXPECT_EQ(form->Text1(7)->text(), "R2-4");  // padding not shown
    EXPECT_TRUE(form->Text1(2)->text().isEmpty());
    EXPECT_TRUE(form->Text1(5)->text().isEmpty());
    EXPECT_TRUE(form->Text1(8)->text().isEmpty());
    EXPECT_EQ(form->Text1(11)->text(), "0");
    EXPECT_EQ(vars().FrontSignCount, 2);
    EXPECT_EQ(checkedOption(OptionArray::Option3D8), 0);
    EXPECT_EQ(checkedOption(OptionArray::Option3D5), 1);
    EXPECT_EQ(checkedOption(OptionArray::Option3D6), 1);
    EXPECT_EQ(checkedOption(OptionArray::Option3D1), 0);
    EXPECT_EQ(checkedOption(OptionArray::Option3D9), 0);
    EXPECT_EQ(form->Combo1(0)->currentIndex(), 2);
    EXPECT_EQ(form->Combo6(0)->currentIndex(), 2);
    EXPECT_EQ(working().SignOnLeft, engine::FlagFalse);
    EXPECT_EQ(working().SupportStruts, engine::FlagTrue);
}

// Stored sign numbers as each of the four panels' boxes shows them: the
// blanks around a number are left out; the key boxes keep a leading blank.
struct ShownCodeCase {
    const char *stored;
    const char *shown;     // in a sign number box
    const char *keyShown;  // in the job code box
};

class SignCodesShownTrimmed : public FormTest, public ::testing::WithParamInterface<ShownCodeCase> {};

TEST_P(SignCodesShownTrimmed, AtBothEnds)
{
    const ShownCodeCase c = GetParam();
    engine::DesignRecord d = input_testing::sampleDesign();
    d.NumFrontSigns = 3;
    d.NumBackSigns = 1;
    for (size_t k = 2; k <= 3; ++k) {
        d.FrontSignWidth[k] = 1000;
        d.FrontSignDepth[k] = 500;
    }
    d.BackSignWidth = 1000;
    d.BackSignDepth = 500;
    for (size_t k = 1; k <= 4; ++k)
        d.SignCode[k] = c.stored;
    d.JobCode = c.stored;
    showDesign(d);

    for (QLineEdit *box : {form->Text1(6), form->Text1(7), form->Text1(8), form->Text2(2)})
        EXPECT_EQ(box->text().toStdString(), c.shown);
    // The key part keeps what it was typed with; only its padding goes.
    EXPECT_EQ(form->Text4(0)->text().toStdString(), c.keyShown);
}

INSTANTIATE_TEST_SUITE_P(Codes, SignCodesShownTrimmed,
                         ::testing::Values(ShownCodeCase{" A1", "A1", " A1"},
                                           ShownCodeCase{"  R2-4  ", "R2-4", "  R2-4"},
                                           ShownCodeCase{" Straße ", "Straße", " Straße"},
                                           ShownCodeCase{"G1-1", "G1-1", "G1-1"}));

struct SeparationCase {
    int frontClearance;
    int backClearance;
    int higherOption;  // Option3D7 selected
    const char *frontBox;
    const char *backBox;
};

class SeparationShown : public FormTest, public ::testing::WithParamInterface<SeparationCase> {};

TEST_P(SeparationShown, ByWhichSignStartsHigher)
{
    const SeparationCase c = GetParam();
    engine::DesignRecord d = input_testing::sampleDesign();
    d.NumBackSigns = 1;
    d.BackSignWidth = 1000;
    d.BackSignDepth = 500;
    d.SignCode[4] = "B1";
    d.FrontSignClearance[1] = c.frontClearance;
    d.BackSignClearance = c.backClearance;
    showDesign(d);
    EXPECT_EQ(checkedOption(OptionArray::Option3D7), c.higherOption);
    EXPECT_EQ(form->Text1(9)->text(), c.frontBox);
    EXPECT_EQ(form->Text2(3)->text(), c.backBox);
    EXPECT_EQ(form->Text1(9)->isEnabledTo(form->Panel3D2(2)), c.higherOption == 0);
    EXPECT_EQ(form->Text2(3)->isEnabledTo(form->Panel3D2(2)), c.higherOption == 1);
}

INSTANTIATE_TEST_SUITE_P(FrontOrBack, SeparationShown,
                         ::testing::Values(SeparationCase{0, 250, 1, "0", "250"},
                                           SeparationCase{300, 0, 0, "300", "0"}));

struct SegmentCase {
    std::array<int32_t, 7> lengths;
    int shown;
};

class SegmentCountShown : public FormTest, public ::testing::WithParamInterface<SegmentCase> {};

TEST_P(SegmentCountShown, UpToTheFirstZeroLength)
{
    const SegmentCase c = GetParam();
    engine::DesignRecord d = input_testing::sampleDesign();
    d.SegLength = c.lengths;
    showDesign(d);
    EXPECT_EQ(vars().SlopeSegmentCount, c.shown);
    EXPECT_EQ(checkedOption(OptionArray::Option3D4), c.shown - 1);
    // The load changes no length, the sixth included.
    EXPECT_EQ(working().SegLength, c.lengths);
}

INSTANTIATE_TEST_SUITE_P(
    Lengths, SegmentCountShown,
    ::testing::Values(SegmentCase{{0, 0, 4000, 0, 0, 0, 0}, 1}, SegmentCase{{0, 1000, 0, 0, 0, 0, 0}, 1},
                      SegmentCase{{0, 1000, 2000, 3000, 0, 5000, 0}, 3},
                      SegmentCase{{0, 1000, 1000, 1000, 1000, 1000, 0}, 5},
                      // Every length non-zero: five segments, the sixth length kept as stored.
                      SegmentCase{{0, 1000, 1000, 1000, 1000, 1000, 1000}, 5}));

TEST_F(FormTest, BackLegendColourAboveThreeShowsAndStoresWhite)
{
    engine::DesignRecord d = input_testing::sampleDesign();
    d.LegendColour[4] = 7;
    showDesign(d);
    EXPECT_EQ(form->Combo7()->currentIndex(), 1);
    EXPECT_EQ(working().LegendColour[4], 1);
}

TEST_F(FormTest, StoredIndexesOutsideTheListsShowNoSelectionAndStay)
{
    engine::DesignRecord d = input_testing::sampleDesign();
    d.LegendColour[4] = 3;  // passes the back colour guard, lies outside the list
    d.BkgndColour[1] = 11;
    d.LegendClass[2] = 7;   // the empty class, not offered
    d.BkgndClass[3] = -2;
    showDesign(d);
    EXPECT_EQ(form->Combo7()->currentIndex(), -1);
    EXPECT_EQ(form->Combo6(0)->currentIndex(), -1);
    EXPECT_EQ(form->Combo1(1)->currentIndex(), -1);
    EXPECT_EQ(form->Combo2(2)->currentIndex(), -1);
    EXPECT_EQ(working().LegendColour[4], 3);
    EXPECT_EQ(working().BkgndColour[1], 11);
    EXPECT_EQ(working().LegendClass[2], 7);
    EXPECT_EQ(working().BkgndClass[3], -2);
    // Until the engineer chooses.
    form->Combo6(0)->setCurrentIndex(4);
    EXPECT_EQ(working().BkgndColour[1], 4);
}

TEST_F(FormTest, CancelledEditsAreNotShownAgain)
{
    showDesign(input_testing::sampleDesign());
    form->Text1(0)->setText(QStringLiteral("2222"));
    click(OptionArray::Option3D5, 1);
    pressCancel();
    EXPECT_FALSE(form->isVisible());
    EXPECT_TRUE(vars().ReloadPending);
    EXPECT_EQ(state.CurrentDesign.FrontSignWidth[1], 2000);
    show();
    EXPECT_EQ(form->Text1(0)->text(), "2000");
    EXPECT_EQ(checkedOption(OptionArray::Option3D5), 0);
    EXPECT_EQ(working().FrontSignWidth[1], 2000);
}

TEST_F(FormTest, ModalShowingActivatesAndReturnsOnCancel)
{
    showDesign(input_testing::sampleDesign());
    pressCancel();
    // After the showing's own yield to the event loop, inside exec().
    QTimer::singleShot(100, form.get(), [this] {
        EXPECT_EQ(form->Text4(0)->text(), "J100");
        pressCancel();
    });
    EXPECT_EQ(form->exec(), QDialog::Rejected);
    EXPECT_EQ(calls.directoryFills, 2);
}

// The engineer leaves the modeless form for another window of the program
// and comes back: the activation refreshes the directory and re-checks, and
// keeps everything chosen and typed.
TEST_F(FormTest, ReturningFromAnotherWindowKeepsTheWork)
{
    showDesign(input_testing::sampleDesign());
    ASSERT_TRUE(input_testing::waitForActive(form.get()));
    click(OptionArray::Option3D5, 1);
    click(OptionArray::Option3D4, 2);
    click(OptionArray::Option3D6, 0);
    working().RPSegLength = 700;
    click(OptionArray::Option3D7, 1);
    form->Text2(3)->setText(QStringLiteral("450"));
    form->Text1(0)->setText(QStringLiteral("2100"));
    const int fills = calls.directoryFills;

    QWidget other;
    other.setWindowTitle(QStringLiteral("another window"));
    other.show();
    other.activateWindow();
    ASSERT_TRUE(input_testing::waitForActive(&other));
    form->activateWindow();
    ASSERT_TRUE(input_testing::waitForActive(form.get()));
    QApplication::processEvents();

    EXPECT_EQ(calls.directoryFills, fills + 1);
    EXPECT_EQ(checkedOption(OptionArray::Option3D5), 1);
    EXPECT_EQ(working().SignOnLeft, engine::FlagFalse);
    EXPECT_EQ(checkedOption(OptionArray::Option3D4), 2);
    EXPECT_EQ(vars().SlopeSegmentCount, 3);
    EXPECT_EQ(checkedOption(OptionArray::Option3D6), 0);
    EXPECT_EQ(working().RPSegLength, 700);
    EXPECT_EQ(form->Text2(3)->text(), "450");
    EXPECT_EQ(working().BackSignClearance, 450);
    EXPECT_EQ(form->Text1(0)->text(), "2100");
    EXPECT_EQ(working().FrontSignWidth[1], 2100);
    EXPECT_EQ(form->SSIndexTab1()->currentIndex(), input::JobDetailsPage);
}

namespace {

// A message service that puts up a real window of the form's, as the
// program's message boxes do, and closes it again.
class WindowedMessages final : public platform::MessageService {
public:
    platform::MessageAnswer show(const platform::MessageRequest &) override
    {
        QDialog box(QApplication::activeWindow());
        box.setWindowTitle(QStringLiteral("message"));
        box.show();
        box.activateWindow();
        EXPECT_TRUE(input_testing::waitForActive(&box));
        ++shown;
        return platform::MessageAnswer::Ok;
    }
    int shown = 0;
};

} // namespace

TEST_F(FormTest, ClosingTheFormsOwnMessageIsNoReturn)
{
    engine::DesignRecord d = input_testing::sampleDesign();
    d.SegLength[1] = 500;  // shorter than the panel: OK refuses with a message
    d.SegLength[2] = 0;
    showDesign(d);
    ASSERT_TRUE(input_testing::waitForActive(form.get()));
    click(OptionArray::Option3D5, 1);
    const int fills = calls.directoryFills;

    WindowedMessages windowed;
    platform::setMessageService(&windowed);
    pressOk();
    // The window system gives the focus back to the form.
    form->activateWindow();
    ASSERT_TRUE(input_testing::waitForActive(form.get()));
    QApplication::processEvents();
    platform::setMessageService(&messages);

    EXPECT_EQ(windowed.shown, 1);
    EXPECT_EQ(calls.directoryFills, fills);
    EXPECT_EQ(checkedOption(OptionArray::Option3D5), 1);
}

TEST_F(FormTest, AReloadRequestReplacesTheWorkingCopyAtTheNextActivation)
{
    showDesign(input_testing::sampleDesign());
    form->Text1(0)->setText(QStringLiteral("2100"));
    // The form stays open while the open design is replaced.
    engine::ResetDesignData(state, engine::DefaultValues{});
    form->requestReload();
    form->hide();
    show();
    EXPECT_TRUE(form->Text1(0)->text().isEmpty());
    EXPECT_TRUE(form->Text4(0)->text().isEmpty());
    EXPECT_EQ(form->SSIndexTab1()->currentIndex(), input::JobDetailsPage);
    // OK cannot bring the old design back.
    EXPECT_FALSE(form->Command1(1)->isEnabled());
}

TEST_F(FormTest, WithoutAReloadRequestAShowingKeepsEditsInProgress)
{
    showDesign(input_testing::sampleDesign());
    form->Text1(0)->setText(QStringLiteral("2100"));
    form->hide();  // hidden by no button of its own
    show();
    EXPECT_EQ(form->Text1(0)->text(), "2100");
    EXPECT_EQ(working().FrontSignWidth[1], 2100);
}

TEST_F(FormTest, KeyPartsKeepLeadingBlanksAndAnUntouchedOkChangesNothing)
{
    engine::DesignRecord d = input_testing::sampleDesign();
    d.JobCode = " J100";
    d.SignPos = "P 1";
    showDesign(d);
    EXPECT_EQ(form->Text4(0)->text(), " J100");
    EXPECT_EQ(form->Text4(2)->text(), "P 1");
    ASSERT_TRUE(form->Command1(1)->isEnabled());
    pressOk();
    EXPECT_FALSE(form->isVisible());
    EXPECT_EQ(state.CurrentDesign.JobCode.str(), " J100          ");
    EXPECT_EQ(state.DesignChanged, engine::FlagFalse);
    EXPECT_EQ(state.RedesignNeeded, engine::FlagFalse);
}

TEST_F(FormTest, EscapeAndTheCloseBoxAreCancel)
{
    showDesign(input_testing::sampleDesign());
    form->Text1(0)->setText(QStringLiteral("2100"));
    form->Text1(0)->setFocus();
    input_testing::keyClick(form->Text1(0), Qt::Key_Escape);
    EXPECT_FALSE(form->isVisible());
    EXPECT_TRUE(vars().ReloadPending);
    EXPECT_EQ(state.CurrentDesign.FrontSignWidth[1], 2000);

    show();
    form->Text1(0)->setText(QStringLiteral("2100"));
    form->close();
    EXPECT_FALSE(form->isVisible());
    EXPECT_TRUE(vars().ReloadPending);
    EXPECT_EQ(state.CurrentDesign.FrontSignWidth[1], 2000);
    EXPECT_EQ(state.DesignChanged, engine::FlagFalse);
}

TEST_F(FormTest, EnterInABoxPressesNothing)
{
    showDesign(input_testing::sampleDesign());
    ASSERT_TRUE(form->Command1(1)->isEnabled());
    for (QLineEdit *box : {form->Text4(0), form->Text1(12)}) {
        box->setFocus();
        input_testing::keyClick(box, Qt::Key_Return);
        input_testing::keyClick(box, Qt::Key_Enter);
    }
    EXPECT_TRUE(form->isVisible());
    EXPECT_TRUE(messages.calls.empty());
    EXPECT_EQ(state.DesignChanged, engine::FlagFalse);
}

TEST_F(FormTest, AnActivationDeliveredDuringTheYieldIsNotRunInside)
{
    // Queued before the showing, delivered by the activation's own yield.
    QTimer::singleShot(0, form.get(), [this] { form->Form_Activate(); });
    showDesign(input_testing::sampleDesign());
    EXPECT_EQ(calls.directoryFills, 1);
    EXPECT_EQ(form->Text4(0)->text(), "J100");
    EXPECT_FALSE(vars().Filling);
}
