// The main page handler: which buttons and pages can be used on each page,
// the refusal of "Sign Panels" for too long a slope, and the panel count
// options brought into line once per activation.

#include "panels_test_support.h"

#include "platform/widgets/twips.h"

#include <QTabBar>
#include <QTest>

using input::OptionArray;
using input_testing::PanelsTest;

namespace {

void SetSegments(input::Form1 &form, std::initializer_list<int32_t> lengths)
{
    size_t k = 1;
    for (int32_t l : lengths)
        form.WorkingDesign().SegLength[k++] = l;
    form.variables().SlopeSegmentCount = static_cast<int16_t>(lengths.size());
}

} // namespace

TEST_F(PanelsTest, JobDetailsEnablesLaterPagesOnlyWithAKey)
{
    showDesign(input_testing::sampleDesign());
    QTabWidget *pages = form->SSIndexTab1();
    EXPECT_EQ(pages->currentIndex(), input::JobDetailsPage);
    // Filling the key boxes completed the key: the later pages open with it.
    EXPECT_TRUE(pages->isTabEnabled(1));
    EXPECT_TRUE(pages->isTabEnabled(2));
    EXPECT_TRUE(form->Command1(2)->isEnabled());
    EXPECT_FALSE(form->Command1(3)->isEnabled());

    form->Text4(2)->clear();
    EXPECT_FALSE(form->Command1(2)->isEnabled());
    EXPECT_TRUE(pages->isTabEnabled(1));  // an incomplete key changes "Next >>>" only
    panels->SSIndexTab1_Click(0);
    EXPECT_FALSE(pages->isTabEnabled(1));
    EXPECT_FALSE(pages->isTabEnabled(2));
    EXPECT_FALSE(form->Command1(2)->isEnabled());

    // A key of blanks counts as entered, on entering the page too.
    form->Text4(2)->setText("   ");
    EXPECT_TRUE(pages->isTabEnabled(1));
    panels->SSIndexTab1_Click(0);
    EXPECT_TRUE(pages->isTabEnabled(1));
    EXPECT_TRUE(pages->isTabEnabled(2));
    EXPECT_TRUE(form->Command1(2)->isEnabled());
}

// The key typed into the three boxes of a new design, character by
// character as the keyboard sends it.
struct KeyCase {
    const char *job;
    const char *section;
    const char *position;
};

class KeyCompletion : public PanelsTest, public ::testing::WithParamInterface<KeyCase> {
protected:
    void typeText(QLineEdit *box, const QString &text)
    {
        for (const QChar c : text)
            input_testing::keyClick(box, 0, QString(c));
    }
    void expectPages(bool next, bool later)
    {
        EXPECT_EQ(form->Command1(2)->isEnabled(), next);
        EXPECT_FALSE(form->Command1(3)->isEnabled());
        EXPECT_EQ(form->SSIndexTab1()->isTabEnabled(input::RoadsideSlopePage), later);
        EXPECT_EQ(form->SSIndexTab1()->isTabEnabled(input::SignPanelsPage), later);
    }
};

TEST_P(KeyCompletion, OpensTheLaterPagesAtOnce)
{
    const KeyCase c = GetParam();
    engine::DesignRecord blank = input_testing::sampleDesign();
    blank.JobCode = "";
    blank.JobSection = "";
    blank.SignPos = "";
    showActive(blank);
    QTabWidget *pages = form->SSIndexTab1();
    expectPages(false, false);

    typeText(form->Text4(0), QString::fromUtf8(c.job));
    typeText(form->Text4(1), QString::fromUtf8(c.section));
    expectPages(false, false);
    const QString position = QString::fromUtf8(c.position);
    typeText(form->Text4(2), position);
    expectPages(true, true);
    engine::FixedText<15> stored;
    stored = std::string(c.position);
    EXPECT_EQ(working().SignPos, stored);

    // The tab is open to the engineer's click, without a detour over
    // "<<< Previous".
    QTabBar *bar = pages->tabBar();
    QTest::mouseClick(bar, Qt::LeftButton, {}, bar->tabRect(input::RoadsideSlopePage).center());
    EXPECT_EQ(pages->currentIndex(), input::RoadsideSlopePage);
    EXPECT_TRUE(form->Command1(3)->isEnabled());
    QTest::mouseClick(bar, Qt::LeftButton, {}, bar->tabRect(input::JobDetailsPage).center());
    ASSERT_EQ(pages->currentIndex(), input::JobDetailsPage);

    // Taking the key apart again disables "Next >>>" only; the tabs follow
    // on the next entry of the page.
    form->Text4(2)->setFocus();
    form->Text4(2)->end(false);
    for (qsizetype i = 0; i < position.size(); ++i)
        input_testing::keyClick(form->Text4(2), Qt::Key_Backspace);
    ASSERT_TRUE(form->Text4(2)->text().isEmpty());
    expectPages(false, true);
    panels->SSIndexTab1_Click(input::RoadsideSlopePage);
    expectPages(false, false);
}

INSTANTIATE_TEST_SUITE_P(Keys, KeyCompletion,
                         ::testing::Values(KeyCase{"J100", "S1", "P1"},
                                           KeyCase{"Brücke-Nord", "Süd Ø", "Straße 7"},
                                           KeyCase{" ", "  ", "   "}));  // blanks count as typed

TEST_F(PanelsTest, NextAndPreviousWalkThePages)
{
    showDesign(input_testing::sampleDesign());
    const bool okBefore = form->Command1(1)->isEnabled();
    form->Command1(2)->click();
    EXPECT_EQ(form->SSIndexTab1()->currentIndex(), input::RoadsideSlopePage);
    EXPECT_TRUE(form->Command1(2)->isEnabled());
    EXPECT_TRUE(form->Command1(3)->isEnabled());
    form->Command1(2)->click();
    EXPECT_EQ(form->SSIndexTab1()->currentIndex(), input::SignPanelsPage);
    EXPECT_FALSE(form->Command1(2)->isEnabled());
    EXPECT_TRUE(form->Command1(3)->isEnabled());
    form->Command1(3)->click();
    form->Command1(3)->click();
    EXPECT_EQ(form->SSIndexTab1()->currentIndex(), input::JobDetailsPage);
    EXPECT_FALSE(form->Command1(3)->isEnabled());
    EXPECT_EQ(form->Command1(1)->isEnabled(), okBefore);  // OK untouched
    EXPECT_TRUE(messages.calls.empty());
}

TEST_F(PanelsTest, TooLongASlopeRefusesTheSignPanelsPage)
{
    showDesign(input_testing::sampleDesign());
    form->Command1(2)->click();  // Roadside Slope
    SetSegments(*form, {7000, 7000, 7000, 7000, 7000});
    form->SSIndexTab1()->setCurrentIndex(input::SignPanelsPage);  // the engineer's choice
    EXPECT_EQ(form->SSIndexTab1()->currentIndex(), input::RoadsideSlopePage);
    ASSERT_EQ(messages.calls.size(), 1u);
    EXPECT_EQ(messages.calls[0].text, "The total segments length cannot be bigger than 32767.  Please adjust some "
                                      "slope segment length.");
    EXPECT_EQ(messages.calls[0].title, "Invalid input" + QString(43, ' ') + "Mastra");
    EXPECT_EQ(messages.calls[0].icon, platform::MessageIcon::Exclamation);
    EXPECT_TRUE(form->Command1(2)->isEnabled());  // buttons as they were
    EXPECT_TRUE(form->Command1(3)->isEnabled());
    EXPECT_TRUE(vars().JustActivated);  // still pending

    SetSegments(*form, {7000, 7000, 7000, 7000, 4767});  // 32767 in all
    form->Command1(2)->click();
    EXPECT_EQ(form->SSIndexTab1()->currentIndex(), input::SignPanelsPage);
    EXPECT_EQ(messages.calls.size(), 1u);
    EXPECT_FALSE(vars().JustActivated);
}

TEST_F(PanelsTest, CountOptionsSyncOncePerActivation)
{
    engine::DesignRecord none = input_testing::sampleDesign();
    none.NumFrontSigns = 0;
    none.NumBackSigns = 0;
    showDesign(none);
    form->Command1(2)->click();
    form->Command1(2)->click();
    EXPECT_EQ(form->options(OptionArray::Option3D2)->checkedId(), 1);  // "1" front for no panels
    EXPECT_EQ(vars().FrontSignCount, 1);
    EXPECT_EQ(form->options(OptionArray::Option3D3)->checkedId(), 0);

    // The second entry selects nothing again.
    click(OptionArray::Option3D2, 3);
    form->Command1(3)->click();
    form->Command1(2)->click();
    EXPECT_EQ(form->options(OptionArray::Option3D2)->checkedId(), 3);
}

TEST_F(PanelsTest, SignTabsChangeNothingElse)
{
    showDesign(input_testing::sampleDesign());
    form->Command1(2)->click();
    form->Command1(2)->click();
    const bool next = form->Command1(2)->isEnabled();
    const bool ok = form->Command1(1)->isEnabled();
    const int page = form->SSIndexTab1()->currentIndex();
    form->SSIndexTab3()->setCurrentIndex(1);
    form->SSIndexTab3()->setCurrentIndex(0);
    EXPECT_EQ(form->Command1(2)->isEnabled(), next);
    EXPECT_EQ(form->Command1(1)->isEnabled(), ok);
    EXPECT_EQ(form->SSIndexTab1()->currentIndex(), page);
}

TEST_F(PanelsTest, ClickingTheViewOpensThePanelPages)
{
    engine::DesignRecord d = input_testing::sampleDesign();
    showDesign(d);
    form->Command1(2)->click();
    form->Command1(2)->click();
    click(OptionArray::Option3D2, 2);
    click(OptionArray::Option3D3, 1);
    form->Text1(1)->setText("1500");
    form->Text1(4)->setText("800");
    form->Text1(7)->setText("G2");
    form->Text2(0)->setText("3000");  // wider than the front panels
    form->Text2(1)->setText("1200");
    form->Text2(2)->setText("B1");
    QApplication::processEvents();
    input::SignLayoutView *view = panels->layoutView();
    const input::SignLayoutScene &scene = view->scene();
    ASSERT_TRUE(scene.shapes[3].shown);
    ASSERT_TRUE(scene.shapes[1].shown);
    const double tpp = platform::TwipsPerPixel(*view);
    const auto clickAt = [&](double x, double y) {
        QTest::mouseClick(view, Qt::LeftButton, {}, QPoint(static_cast<int>(x / tpp), static_cast<int>(y / tpp)));
    };
    // A point of the back panel outside the front panels opens "Back
    // Sign", page 4.
    QPointF backOnly(-1, -1);
    for (float y = 0; y < 6000 && backOnly.x() < 0; y += 60)
        for (float x = 0; x < 6000 && backOnly.x() < 0; x += 60)
            if (input::HitSignShape(scene, x, y) == 3 && input::HitSignLabel(scene, x, y) < 0)
                backOnly = QPointF(x + 30, y + 30);
    ASSERT_GE(backOnly.x(), 0);
    ASSERT_EQ(input::HitSignShape(scene, static_cast<float>(backOnly.x()), static_cast<float>(backOnly.y())), 3);
    form->SSIndexTab3()->setCurrentIndex(0);
    clickAt(backOnly.x(), backOnly.y());
    EXPECT_EQ(form->SSIndexTab3()->currentIndex(), 4);
    EXPECT_EQ(form->SSIndexTab3()->tabText(4), "Back Sign");
    // The upper front panel's label.
    const auto &label = scene.labels[1];
    QTest::mouseClick(view, Qt::RightButton, {},
                      QPoint(static_cast<int>((label.left + 30) / tpp), static_cast<int>((label.top + 30) / tpp)));
    EXPECT_EQ(form->SSIndexTab3()->currentIndex(), 2);
    // Outside every panel nothing changes.
    ASSERT_EQ(input::HitSignShape(scene, static_cast<float>(3 * tpp), static_cast<float>(3 * tpp)), -1);
    // (QTest takes a null point for the widget's centre.)
    clickAt(3 * tpp, 3 * tpp);
    EXPECT_EQ(form->SSIndexTab3()->currentIndex(), 2);
    panels->Label2_Click(3);
    EXPECT_EQ(form->SSIndexTab3()->currentIndex(), 4);
    panels->Label2_Click(0);
    EXPECT_EQ(form->SSIndexTab3()->currentIndex(), 1);
}
