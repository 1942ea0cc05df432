// Typing, pasting and leaving the sign panel boxes; the side that starts
// higher; the panel count options against the counted panels.

#include "panels_test_support.h"

#include "common/key_character_cases.h"
#include "input/panel_entry.h"

#include <QFocusEvent>
#include <QMimeData>


using input::OptionArray;
using input_testing::PanelsTest;

namespace {

const QString kOverLimit = QStringLiteral("Input value cannot be bigger than 32767. Please try again");

} // namespace

TEST(PanelEntryRules, KindsAndVerdicts)
{
    using input::EntryVerdict;
    using input::PanelBoxKind;
    for (int i : {0, 1, 2, 3, 4, 5, 9, 10, 11, 12, 13})
        EXPECT_EQ(input::Text1Kind(i), PanelBoxKind::Number) << i;
    for (int i : {6, 7, 8})
        EXPECT_EQ(input::Text1Kind(i), PanelBoxKind::SignNumber) << i;
    EXPECT_EQ(input::Text2Kind(2), PanelBoxKind::SignNumber);
    for (int i : {0, 1, 3})
        EXPECT_EQ(input::Text2Kind(i), PanelBoxKind::Number) << i;

    struct Case {
        PanelBoxKind kind;
        const char *inserted, *wouldBe;
        EntryVerdict verdict;
    };
    const Case cases[] = {
        {PanelBoxKind::Number, "7", "32767", EntryVerdict::Pass},
        {PanelBoxKind::Number, "0", "327670", EntryVerdict::RefuseOverLimit},
        {PanelBoxKind::Number, "8", "32768", EntryVerdict::RefuseOverLimit},
        {PanelBoxKind::Number, "5", "0000032765", EntryVerdict::Pass},
        {PanelBoxKind::Number, "-", "-5", EntryVerdict::Refuse},
        {PanelBoxKind::Number, ".", "5.", EntryVerdict::Refuse},
        {PanelBoxKind::Number, " ", "5 ", EntryVerdict::Refuse},
        {PanelBoxKind::Number, "99999", "99999", EntryVerdict::RefuseOverLimit},
        {PanelBoxKind::Number, "1a", "1a", EntryVerdict::Refuse},
        {PanelBoxKind::SignNumber, "G", "G1-", EntryVerdict::Pass},
        {PanelBoxKind::SignNumber, "-", "G-", EntryVerdict::Refuse},
        {PanelBoxKind::SignNumber, " ", "G ", EntryVerdict::Refuse},
        {PanelBoxKind::SignNumber, "K", "ABCDEFGHIJK", EntryVerdict::Refuse},
        {PanelBoxKind::SignNumber, "\xc3\xa9", "\xc3\xa9", EntryVerdict::Refuse},
        {PanelBoxKind::SignNumber, "ABCDEFGHIJ", "ABCDEFGHIJ", EntryVerdict::Pass},
        // Characters, not UTF-16 units: five "🚧" (two units each) and five letters are ten.
        {PanelBoxKind::SignNumber, "E", "🚧🚧🚧🚧🚧ABCDE", EntryVerdict::Pass},
        {PanelBoxKind::SignNumber, "F", "🚧🚧🚧🚧🚧ABCDEF", EntryVerdict::Refuse},
    };
    for (const Case &c : cases)
        EXPECT_EQ(input::CheckPanelEntry(c.kind, QString::fromUtf8(c.inserted), QString::fromUtf8(c.wouldBe)),
                  c.verdict)
            << c.inserted << " -> " << c.wouldBe;
}

TEST_F(PanelsTest, DigitsUpToTheLimitThenTheMessage)
{
    showDesign(input_testing::sampleDesign());
    toSignPanels();
    QLineEdit *box = form->Text1(0);
    box->clear();
    type(box, "32767");
    EXPECT_EQ(box->text(), "32767");
    EXPECT_TRUE(messages.calls.empty());
    type(box, "0");
    EXPECT_EQ(box->text(), "32767");
    ASSERT_EQ(messages.calls.size(), 1u);
    EXPECT_EQ(messages.calls[0].text, kOverLimit);
    EXPECT_EQ(messages.calls[0].title, "Invalid input value" + QString(38, ' ') + "Mastra");
    EXPECT_EQ(messages.calls[0].title.size(), 63);
    EXPECT_EQ(messages.calls[0].icon, platform::MessageIcon::Exclamation);

    // A selection is replaced by the typed digit.
    box->setText("3276");
    box->selectAll();
    type(box, "9");
    EXPECT_EQ(box->text(), "9");
    EXPECT_EQ(messages.calls.size(), 1u);
}

TEST_F(PanelsTest, SignsPointsAndBlanksAreIgnoredSilently)
{
    showDesign(input_testing::sampleDesign());
    toSignPanels();
    for (int i : {0, 3, 9, 12, 13}) {
        QLineEdit *box = form->Text1(i);
        box->setText("12");
        box->setCursorPosition(2);
        type(box, "-. a");
        EXPECT_EQ(box->text(), "12") << i;
    }
    form->Text2(3)->setText("5");
    form->Text2(3)->setCursorPosition(1);
    type(form->Text2(3), "-x");
    EXPECT_EQ(form->Text2(3)->text(), "5");

    QLineEdit *sign = form->Text1(6);
    sign->setText("G1");
    sign->setCursorPosition(2);
    type(sign, "- _b7");
    EXPECT_EQ(sign->text(), "G1b7");
    EXPECT_TRUE(messages.calls.empty());
}

TEST_F(PanelsTest, TenCharacterSignNumberRefusesAnEleventhUnlessSelected)
{
    showDesign(input_testing::sampleDesign());
    toSignPanels();
    QLineEdit *sign = form->Text1(6);
    sign->setText("ABCDEFGHIJ");
    sign->setCursorPosition(10);
    type(sign, "K");
    EXPECT_EQ(sign->text(), "ABCDEFGHIJ");
    sign->setSelection(9, 1);
    type(sign, "K");
    EXPECT_EQ(sign->text(), "ABCDEFGHIK");
    // Keys without text and Backspace pass.
    sign->setCursorPosition(10);
    QTest::keyClick(sign, Qt::Key_Backspace);
    QTest::keyClick(sign, Qt::Key_Left);
    EXPECT_EQ(sign->text(), "ABCDEFGHI");
    EXPECT_EQ(sign->cursorPosition(), 8);
    EXPECT_TRUE(messages.calls.empty());
}

TEST_F(PanelsTest, PastedTextIsTestedAsIfTyped)
{
    showDesign(input_testing::sampleDesign());
    toSignPanels();
    QLineEdit *width = form->Text1(3);
    width->clear();
    pasteInto(width, "abc");
    EXPECT_EQ(width->text(), "");
    EXPECT_TRUE(messages.calls.empty());
    pasteInto(width, "99999");
    EXPECT_EQ(width->text(), "");
    ASSERT_EQ(messages.calls.size(), 1u);
    EXPECT_EQ(messages.calls[0].text, kOverLimit);
    pasteInto(width, "1200");
    EXPECT_EQ(width->text(), "1200");

    QLineEdit *sign = form->Text1(6);
    sign->clear();
    pasteInto(sign, "AB 1");
    EXPECT_EQ(sign->text(), "");
    pasteInto(sign, "ABCDEFGHIJKLMNOPQRST");
    EXPECT_EQ(sign->text(), "");
    pasteInto(sign, "AB1");
    EXPECT_EQ(sign->text(), "AB1");
    EXPECT_EQ(messages.calls.size(), 1u);
}

TEST_F(PanelsTest, InputMethodTextIsTested)
{
    showDesign(input_testing::sampleDesign());
    toSignPanels();
    QLineEdit *box = form->Text1(4);
    box->setText("15");
    box->setCursorPosition(2);
    QInputMethodEvent letters;
    letters.setCommitString("x");
    QApplication::sendEvent(box, &letters);
    EXPECT_EQ(box->text(), "15");
    QInputMethodEvent digits;
    digits.setCommitString("00");
    QApplication::sendEvent(box, &digits);
    EXPECT_EQ(box->text(), "1500");
}

TEST_F(PanelsTest, FocusSelectsTheWholeText)
{
    showActive(input_testing::sampleDesign());
    toSignPanels();
    form->SSIndexTab3()->setCurrentIndex(0);
    form->Text1(12)->setFocus(Qt::TabFocusReason);
    form->Text1(13)->setText("2500");
    form->Text1(13)->setFocus(Qt::OtherFocusReason);
    QApplication::processEvents();
    EXPECT_EQ(form->Text1(13)->selectedText(), "2500");
}

TEST_F(PanelsTest, ClearanceMinimumOnLeavingTheBox)
{
    showActive(input_testing::sampleDesign());
    toSignPanels();
    form->SSIndexTab3()->setCurrentIndex(0);
    QApplication::processEvents();
    const QString minimum = "The minimum value of Sign Panel Height is 1000.  The value you entered is replaced "
                            "with the minimum value of 1000. ";
    struct Case {
        const char *text;
        bool message;
        const char *after;
    };
    const Case cases[] = {{"999", true, "1000"}, {"1000", false, "1000"}, {"", true, "1000"}, {"2500", false, "2500"}};
    for (const Case &c : cases) {
        messages.calls.clear();
        form->Text1(12)->setFocus(Qt::MouseFocusReason);
        form->Text1(12)->setText(c.text);
        form->Text1(13)->setFocus(Qt::MouseFocusReason);  // a click into another box
        EXPECT_EQ(form->Text1(12)->text(), c.after) << c.text;
        ASSERT_EQ(messages.calls.size(), c.message ? 1u : 0u) << c.text;
        if (c.message) {
            EXPECT_EQ(messages.calls[0].text, minimum);
            EXPECT_EQ(messages.calls[0].title, "Invalid input value");
        }
        EXPECT_EQ(working().RoadHeight, form->Text1(12)->text().toInt());
    }

    // The form's own message box taking the focus is no leaving of the box.
    messages.calls.clear();
    form->Text1(12)->setFocus(Qt::MouseFocusReason);
    form->Text1(12)->setText("999");
    QFocusEvent toMessage(QEvent::FocusOut, Qt::ActiveWindowFocusReason);
    QApplication::sendEvent(form->Text1(12), &toMessage);
    EXPECT_TRUE(messages.calls.empty());
    EXPECT_EQ(form->Text1(12)->text(), "999");

    // The distance box has no minimum.
    form->Text1(13)->setFocus(Qt::MouseFocusReason);
    messages.calls.clear();
    form->Text1(13)->setText("0");
    form->Text1(0)->setFocus(Qt::MouseFocusReason);
    EXPECT_EQ(form->Text1(13)->text(), "0");
}

TEST_F(PanelsTest, WhichSignStartsHigher)
{
    showDesign(input_testing::sampleDesign());
    toSignPanels();
    click(OptionArray::Option3D3, 1);  // a back panel: the separations are in use
    form->Text1(9)->setText("300");
    click(OptionArray::Option3D7, 1);
    EXPECT_EQ(form->Text1(9)->text(), "0");
    EXPECT_FALSE(form->Text1(9)->isEnabled());
    EXPECT_FALSE(form->Label1(0)->isEnabled());
    EXPECT_TRUE(form->Text2(3)->isEnabled());
    EXPECT_TRUE(form->Label1(1)->isEnabled());
    form->Text2(3)->setText("400");
    click(OptionArray::Option3D7, 0);
    EXPECT_EQ(form->Text2(3)->text(), "0");
    EXPECT_FALSE(form->Text2(3)->isEnabled());
    EXPECT_TRUE(form->Text1(9)->isEnabled());
    form->Option3D7_Click(5);  // any other index: nothing
    EXPECT_TRUE(form->Text1(9)->isEnabled());
}

TEST_F(PanelsTest, CountOptionsAgainstCountedPanels)
{
    showDesign(input_testing::sampleDesign());
    toSignPanels();
    click(OptionArray::Option3D2, 2);
    EXPECT_EQ(vars().FrontSignCount, 2);
    EXPECT_EQ(working().NumFrontSigns, 1);  // the second panel has no sizes yet
    form->Text1(1)->setText("1000");
    form->Text1(4)->setText("500");
    EXPECT_EQ(working().NumFrontSigns, 2);
    // The view follows: two front shapes.
    const input::SignLayoutScene &scene = panels->layoutView()->scene();
    EXPECT_TRUE(scene.shapes[0].shown);
    EXPECT_TRUE(scene.shapes[1].shown);
    EXPECT_EQ(scene.labels[1].caption, "US");
}

// The form made larger and smaller again: the panel 2000 x 1500 fills the
// layout view at each size, as it would after a change of a panel value.
TEST_F(PanelsTest, LayoutViewFollowsResize)
{
    showDesign(input_testing::sampleDesign());
    toSignPanels();
    QApplication::processEvents();
    input::SignLayoutView *view = panels->layoutView();
    const QSize original = form->size();
    const QSize steps[] = {{400, 300}, {400, 0}, {0, 300}, {0, 0}};
    const QSize originalView = view->size();
    for (const QSize &grow : steps) {
        form->resize(original + grow);
        QApplication::processEvents();
        const input::SignLayoutScene &scene = view->scene();
        const input::LayoutSize frame = view->sizeInTwips();
        const double fits = std::min((frame.height - 240) / 1500, (frame.width - 120) / 2000);
        EXPECT_FLOAT_EQ(scene.scale, static_cast<float>(fits)) << grow.width() << " x " << grow.height();
        EXPECT_NEAR(scene.shapes[0].width, fits * 2000, 0.5);
        EXPECT_NEAR(scene.shapes[0].height, fits * 1500, 0.5);
        // Centred in the view's new width.
        EXPECT_NEAR(scene.shapes[0].left + scene.shapes[0].width / 2, frame.width / 2, 1);
        // The frame follows the form.
        EXPECT_EQ(view->width() > originalView.width(), grow.width() > 0);
        EXPECT_EQ(view->height() > originalView.height(), grow.height() > 0);
    }
}

namespace {

// A stored sign number typed, selected over or pasted into: the box holds 10
// characters as the store counts them (code points; a combining mark is one).
struct SignNumberCase {
    bool back;                     // the back sign's box, else front sign 1
    const char *stored;
    int selectFrom, selectLength;  // UTF-16; none: the caret at the end
    bool paste;
    const char *keys, *shown;
};
const SignNumberCase SignNumberCases[] = {
    {false, "🚧🚧🚧🚧🚧", 0, 0, false, "ABCDEFG", "🚧🚧🚧🚧🚧ABCDE"},
    {true, "🚧🚧🚧🚧🚧", 0, 0, false, "12345678", "🚧🚧🚧🚧🚧12345"},
    {false, "🚧🚧🚧🚧🚧🚧🚧🚧🚧🚧", 18, 2, false, "K", "🚧🚧🚧🚧🚧🚧🚧🚧🚧K"},
    {false, "🚧🚧🚧🚧🚧ABCDE", 0, 4, false, "XYZ", "XY🚧🚧🚧ABCDE"},
    {false, "🚧🚧🚧🚧🚧", 0, 0, true, "ABCDE", "🚧🚧🚧🚧🚧ABCDE"},
    {true, "🚧🚧🚧🚧🚧", 0, 0, true, "ABCDEF", "🚧🚧🚧🚧🚧"},
    {false, "Su\xcc\x88" "d", 0, 0, false, "1234567", "Su\xcc\x88" "d123456"},
    {false, "Stra\xc3\x9f" "e", 0, 0, false, "12345", "Stra\xc3\x9f" "e1234"},
    // Bytes that are no UTF-8 are stored as U+FFFD, one character each.
    {false, "\xff\xfe" "A", 0, 0, false, "BCDEFGHIJ", "\xef\xbf\xbd\xef\xbf\xbd" "ABCDEFGH"},
};

void PrintTo(const SignNumberCase &c, std::ostream *os) { *os << c.stored << " + " << c.keys; }

class SignNumberCountsCharacters : public PanelsTest, public ::testing::WithParamInterface<SignNumberCase> {};

} // namespace

TEST_P(SignNumberCountsCharacters, AsTheStoreDoes)
{
    const SignNumberCase &c = GetParam();
    engine::DesignRecord d = input_testing::sampleDesign();
    const size_t slot = c.back ? static_cast<size_t>(engine::kBackSlot) : 1;
    if (c.back) {
        d.NumBackSigns = 1;
        d.BackSignWidth = 1000;
        d.BackSignDepth = 500;
    }
    d.SignCode[slot] = std::string_view(c.stored);
    showDesign(d);
    toSignPanels();
    QLineEdit *sign = c.back ? form->Text2(2) : form->Text1(6);
    if (c.selectLength > 0)
        sign->setSelection(c.selectFrom, c.selectLength);
    else
        sign->setCursorPosition(static_cast<int>(sign->text().size()));
    if (c.paste)
        pasteInto(sign, c.keys);
    else
        type(sign, c.keys);
    EXPECT_EQ(sign->text(), QString::fromUtf8(c.shown));
    EXPECT_EQ(working().SignCode[slot].view(), testing_support::PaddedToCharacters(c.shown, 10));
    EXPECT_TRUE(messages.calls.empty());
}

INSTANTIATE_TEST_SUITE_P(StoredSignNumbers, SignNumberCountsCharacters, ::testing::ValuesIn(SignNumberCases));
