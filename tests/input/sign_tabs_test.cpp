// The sign panel tabs follow the chosen panel counts; the class and colour
// lists store their positions.

#include "form_test_support.h"

#include <QGroupBox>
#include <QLabel>

using input::OptionArray;
using input_testing::FormTest;

namespace {

struct TabsCase {
    int front;
    int back;
    std::array<const char *, 5> captions;  // pages 1..5, "" = off
    std::array<bool, 3> separationPanels;  // Panel3D2(0..2) shown (when page 5 is on)
};

class SignTabs : public FormTest, public ::testing::WithParamInterface<TabsCase> {};

} // namespace

TEST_P(SignTabs, FollowTheCounts)
{
    const TabsCase c = GetParam();
    showDesign(input_testing::sampleDesign());
    click(OptionArray::Option3D2, c.front);
    click(OptionArray::Option3D3, c.back);
    EXPECT_EQ(vars().FrontSignCount, c.front);
    EXPECT_EQ(vars().BackSignCount, c.back);
    const QTabWidget *tabs = form->SSIndexTab3();
    EXPECT_EQ(tabs->tabText(0), "General Details");
    EXPECT_TRUE(tabs->isTabEnabled(0));
    for (int p = 1; p <= 5; ++p) {
        const QString caption = QString::fromUtf8(c.captions[static_cast<size_t>(p - 1)]);
        EXPECT_EQ(tabs->tabText(p), caption) << p;
        EXPECT_EQ(tabs->isTabEnabled(p), !caption.isEmpty()) << p;
        EXPECT_EQ(form->Frame3D2(p - 1)->isHidden(), caption.isEmpty()) << p;
    }
    if (!form->Frame3D2(4)->isHidden()) {
        for (int i = 0; i < 3; ++i)
            EXPECT_EQ(!form->Panel3D2(i)->isHidden(), c.separationPanels[static_cast<size_t>(i)]) << i;
    }
}

INSTANTIATE_TEST_SUITE_P(
    Counts, SignTabs,
    ::testing::Values(
        TabsCase{0, 0, {"", "", "", "", ""}, {}},
        TabsCase{1, 0, {"Front Sign", "", "", "", ""}, {}},
        TabsCase{2, 0, {"Lower Sign", "Upper Sign", "", "", "Separation Details"}, {false, true, false}},
        TabsCase{3, 0, {"Lower Sign", "Middle Sign", "Upper Sign", "", "Separation Details"}, {true, true, false}},
        TabsCase{0, 1, {"", "", "", "Back Sign", ""}, {}},
        TabsCase{1, 1, {"Front Sign", "", "", "Back Sign", "Separation Details"}, {false, false, true}},
        TabsCase{2, 1, {"Lower Sign", "Upper Sign", "", "Back Sign", "Separation Details"}, {false, true, true}},
        TabsCase{3, 1,
                 {"Lower Sign", "Middle Sign", "Upper Sign", "Back Sign", "Separation Details"},
                 {true, true, true}}));

TEST_F(FormTest, ThreeToTwoToThreeFrontPanelsRelabelsAndKeepsTheValues)
{
    showDesign(input_testing::sampleDesign());
    click(OptionArray::Option3D2, 3);
    for (int i = 0; i <= 11; ++i)
        form->Text1(i)->setText(QString::number(1000 + i));
    click(OptionArray::Option3D2, 2);
    EXPECT_EQ(form->Label1(20)->text(), "Vertical Separation Lower to Upper");
    EXPECT_TRUE(form->Panel3D2(0)->isHidden());
    EXPECT_FALSE(form->SSIndexTab3()->isTabEnabled(3));
    EXPECT_TRUE(form->SSIndexTab3()->tabText(3).isEmpty());
    click(OptionArray::Option3D2, 3);
    EXPECT_EQ(form->Label1(20)->text(), "Vertical Separation Lower to Middle");
    EXPECT_EQ(form->Label1(28)->text(), "Vertical Separation Middle to Upper");
    EXPECT_FALSE(form->Panel3D2(0)->isHidden());
    for (int i = 0; i <= 11; ++i)
        EXPECT_EQ(form->Text1(i)->text(), QString::number(1000 + i)) << i;
    EXPECT_EQ(working().FrontSignWidth[3], 1002);
    EXPECT_EQ(working().FrontSignClearance[3], 1011);
}

TEST_F(FormTest, EveryListIsAListOnlyAndStoresItsPosition)
{
    showDesign(input_testing::sampleDesign());
    struct Binding {
        QComboBox *combo;
        int16_t *field;
        bool colour;
    };
    engine::DesignRecord &w = working();
    std::vector<Binding> bindings;
    for (int i = 0; i < 3; ++i) {
        const size_t slot = static_cast<size_t>(i + 1);
        bindings.push_back({form->Combo1(i), &w.LegendClass[slot], false});
        bindings.push_back({form->Combo2(i), &w.BkgndClass[slot], false});
        bindings.push_back({form->Combo5(i), &w.LegendColour[slot], true});
        bindings.push_back({form->Combo6(i), &w.BkgndColour[slot], true});
    }
    bindings.push_back({form->Combo3(), &w.LegendClass[4], false});
    bindings.push_back({form->Combo4(), &w.BkgndClass[4], false});
    bindings.push_back({form->Combo7(), &w.LegendColour[4], true});
    bindings.push_back({form->Combo8(), &w.BkgndColour[4], true});
    ASSERT_EQ(bindings.size(), 16U);
    for (const Binding &b : bindings) {
        EXPECT_FALSE(b.combo->isEditable()) << b.combo->objectName().toStdString();
        const int last = b.combo->count() - 1;
        const int chosen = b.combo->currentIndex() == last ? last - 1 : last;
        const int draws = calls.layoutDraws;
        b.combo->setCurrentIndex(chosen);
        EXPECT_EQ(*b.field, chosen) << b.combo->objectName().toStdString();
        EXPECT_EQ(calls.layoutDraws, draws + (b.colour ? 1 : 0)) << b.combo->objectName().toStdString();
        // Nothing chosen stores nothing.
        b.combo->setCurrentIndex(-1);
        EXPECT_EQ(*b.field, chosen);
    }
}

TEST_F(FormTest, WhiteForTheMiddleBackgroundStoresOneAndRedraws)
{
    showDesign(input_testing::sampleDesign());
    click(OptionArray::Option3D2, 2);
    const int draws = calls.layoutDraws;
    QComboBox *combo = form->Combo6(1);
    ASSERT_EQ(combo->itemText(1), "White");
    combo->setCurrentIndex(1);
    EXPECT_EQ(working().BkgndColour[2], 1);
    EXPECT_EQ(calls.layoutDraws, draws + 1);
    EXPECT_EQ(working().BkgndColour[1], 2);  // the lower panel's stays
}
