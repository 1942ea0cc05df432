// The foundation strength guide: its four pages, the one "Selected" mark
// across them, and every OK, Cancel, Enter and Esc.

#include "guide_dialog_support.h"

#include "input/foundation_strength_guide.h"

#include <QGroupBox>
#include <QLabel>
#include <QPushButton>
#include <QRadioButton>
#include <QTabWidget>
#include <QTest>

#include <gtest/gtest.h>

namespace {

using input_testing::clickOption;

std::vector<int> marked(const input::Form6 &guide)
{
    std::vector<int> pages;
    for (int k = 0; k < 4; ++k)
        if (guide.selectedOption(k)->isChecked())
            pages.push_back(k);
    return pages;
}

QStringList labelTexts(const QGroupBox *frame)
{
    QStringList texts;
    for (const QLabel *label : frame->findChildren<QLabel *>())
        texts << label->text();
    return texts;
}

struct PageText {
    QString caption;
    QStringList field;
    QStringList figures;
};

TEST(FoundationStrengthGuide, EachPageHoldsItsTexts)
{
    const std::vector<PageText> pages{
        {"Clay Soil - Firm to Stiff",
         {"Effort is required to penetrate with thumb or remould with fingers"},
         {"Undrained Shear Strength, Cu = 75 kPa", "Elastic Modulus, E = 8,000 kPa",
          "Subgrade Reaction Modulus, k = 30 MN/m3"}},
        {"Clay Soil - Stiff to Hard",
         {"Only indented by thumb and not possible to remould in fingers without adding water"},
         {"Undrained Shear Strength, Cu = 150 kPa", "Elastic Modulus, E = 16,000 kPa",
          "Subgrade Reaction Modulus, k = 60 MN/m3"}},
        {"Sand - Loose to Medium Dense",
         {"No significant resistance to excavation with spade or penetration by crowbar"},
         {"Friction Angle = 35 degrees", "Elastic Modulus, E = 40,000 kPa",
          "Coefficient of Modulus Variation = 3 MNm3"}},
        {"Sand - Dense",
         {"Noticeable resistance to excavation with spade or little penetration by crowbar"},
         {"Friction Angle = 45 degrees", "Elastic Modulus, E = 80,000 kPa",
          "Coefficient of Modulus Variation = 9 MNm3"}},
    };
    input::Form6 guide(0);
    EXPECT_EQ(guide.windowTitle(), "Guide to Foundation Strength Options");
    ASSERT_EQ(guide.pages()->count(), 4);
    EXPECT_EQ(guide.pages()->currentIndex(), 0);
    guide.show();
    for (int k = 0; k < 4; ++k) {
        const PageText &expected = pages[static_cast<std::size_t>(k)];
        guide.pages()->setCurrentIndex(k);
        EXPECT_EQ(guide.pages()->tabText(k), expected.caption);
        EXPECT_EQ(guide.fieldFrame(k)->title(), "Field Identification");
        EXPECT_EQ(guide.scientificFrame(k)->title(), "Scientific Identification");
        EXPECT_EQ(labelTexts(guide.fieldFrame(k)), expected.field);
        EXPECT_EQ(labelTexts(guide.scientificFrame(k)), expected.figures);
        EXPECT_EQ(guide.selectedOption(k)->text(), "Selected");
        EXPECT_TRUE(guide.selectedOption(k)->isVisible());
        EXPECT_TRUE(guide.okButton(k)->isVisible());
        EXPECT_EQ(guide.okButton(k)->text(), "OK");
        EXPECT_EQ(guide.cancelButton(k)->text(), "Cancel");
    }
    guide.reject();
}

TEST(FoundationStrengthGuide, OpensWithTheSoilTypeMarkedOnItsPageOnly)
{
    const std::vector<std::pair<int, std::vector<int>>> cases{
        {3, {2}}, {1, {0}}, {4, {3}}, {0, {}}, {5, {}}};
    for (const auto &[soilType, pages] : cases) {
        input::Form6 guide(soilType);
        EXPECT_EQ(marked(guide), pages) << soilType;
        EXPECT_EQ(guide.chosenSoilType(), pages.empty() ? 0 : soilType);
    }
}

TEST(FoundationStrengthGuide, MarkingOnePageClearsTheOthers)
{
    input::Form6 guide(3);
    guide.show();
    guide.pages()->setCurrentIndex(3);
    clickOption(guide.selectedOption(3));
    EXPECT_EQ(marked(guide), std::vector<int>{3});
    guide.pages()->setCurrentIndex(0);
    clickOption(guide.selectedOption(0));
    EXPECT_EQ(marked(guide), std::vector<int>{0});
    // Clicking the mark again keeps it.
    clickOption(guide.selectedOption(0));
    EXPECT_EQ(marked(guide), std::vector<int>{0});
    guide.reject();
}

// Every page's OK hands the marked soil type back, from whichever page.
TEST(FoundationStrengthGuide, EveryOkHandsTheMarkBack)
{
    for (int okPage = 0; okPage < 4; ++okPage) {
        input::Form6 guide(3);
        guide.show();
        guide.pages()->setCurrentIndex(1);
        clickOption(guide.selectedOption(1));
        guide.pages()->setCurrentIndex(okPage);
        QTest::mouseClick(guide.okButton(okPage), Qt::LeftButton);
        EXPECT_FALSE(guide.isVisible()) << okPage;
        EXPECT_EQ(guide.result(), QDialog::Accepted) << okPage;
        EXPECT_EQ(guide.chosenSoilType(), 2) << okPage;
    }
}

TEST(FoundationStrengthGuide, EveryCancelOnlyCloses)
{
    for (int page = 0; page < 4; ++page) {
        input::Form6 guide(3);
        guide.show();
        guide.pages()->setCurrentIndex(page);
        QTest::mouseClick(guide.cancelButton(page), Qt::LeftButton);
        EXPECT_FALSE(guide.isVisible()) << page;
        EXPECT_EQ(guide.result(), QDialog::Rejected) << page;
    }
}

// Enter is OK and Esc is Cancel on every page, with the focus on the mark.
TEST(FoundationStrengthGuide, EnterAndEscOnEveryPage)
{
    const std::vector<std::pair<Qt::Key, QDialog::DialogCode>> keys{
        {Qt::Key_Return, QDialog::Accepted}, {Qt::Key_Enter, QDialog::Accepted}, {Qt::Key_Escape, QDialog::Rejected}};
    for (const auto &[key, result] : keys) {
        for (int page = 0; page < 4; ++page) {
            input::Form6 guide(1);
            guide.show();
            guide.pages()->setCurrentIndex(page);
            clickOption(guide.selectedOption(page));
            guide.selectedOption(page)->setFocus();
            input_testing::failOnStrayModal(&guide, &guide);
            QTest::keyClick(guide.selectedOption(page), key);
            EXPECT_FALSE(guide.isVisible()) << page;
            EXPECT_EQ(guide.result(), result) << page << " key " << key;
            EXPECT_EQ(guide.chosenSoilType(), page + 1);
        }
    }
}

TEST(FoundationStrengthGuide, HidesOnClosingAndStaysForItsCallerToDelete)
{
    QWidget owner;
    QPointer<input::Form6> guide = new input::Form6(2, &owner);
    guide->show();
    QTest::mouseClick(guide->okButton(0), Qt::LeftButton);
    ASSERT_TRUE(guide);
    EXPECT_FALSE(guide->isVisible());
    EXPECT_EQ(guide->chosenSoilType(), 2);
}

} // namespace
