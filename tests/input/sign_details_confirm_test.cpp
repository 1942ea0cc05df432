// Completeness of the sign data, OK and its two refusals, and the change
// flags an accepted OK leaves on the open design.

#include "form_test_support.h"

#include <optional>

using input::OptionArray;
using input_testing::FormTest;

namespace {

struct Panel {
    const char *width;
    const char *height;
    const char *code;
};

struct CompletenessCase {
    const char *name;
    std::vector<Panel> front;
    std::optional<Panel> back;
    const char *clearance;
    bool complete;
};

class Completeness : public FormTest, public ::testing::WithParamInterface<CompletenessCase> {};

} // namespace

TEST_P(Completeness, DecidesWhetherOkCanBePressed)
{
    const CompletenessCase c = GetParam();
    show();  // a reset design: no key, no panels
    form->Text4(0)->setText(QStringLiteral("J1"));
    form->Text4(1)->setText(QStringLiteral("S1"));
    form->Text4(2)->setText(QStringLiteral("P1"));
    click(OptionArray::Option3D2, static_cast<int>(c.front.size()));
    click(OptionArray::Option3D3, c.back ? 1 : 0);
    form->Text1(12)->setText(QString::fromUtf8(c.clearance));
    for (size_t i = 0; i < c.front.size(); ++i) {
        const int k = static_cast<int>(i) + 1;
        form->Text1(k - 1)->setText(QString::fromUtf8(c.front[i].width));
        form->Text1(k + 2)->setText(QString::fromUtf8(c.front[i].height));
        form->Text1(k + 5)->setText(QString::fromUtf8(c.front[i].code));
    }
    if (c.back) {
        form->Text2(0)->setText(QString::fromUtf8(c.back->width));
        form->Text2(1)->setText(QString::fromUtf8(c.back->height));
        form->Text2(2)->setText(QString::fromUtf8(c.back->code));
    }
    EXPECT_EQ(form->Command1(1)->isEnabled(), c.complete) << c.name;
}

INSTANTIATE_TEST_SUITE_P(
    Panels, Completeness,
    ::testing::Values(
        CompletenessCase{"one front panel", {{"1200", "900", "A1"}}, std::nullopt, "1500", true},
        CompletenessCase{"blank sign number", {{"1200", "900", ""}}, std::nullopt, "1500", false},
        CompletenessCase{"sign number of blanks", {{"1200", "900", "   "}}, std::nullopt, "1500", false},
        CompletenessCase{"equal once padded", {{"1200", "900", "A1"}, {"1200", "900", "A1 "}}, std::nullopt, "1500",
                         false},
        CompletenessCase{"case counts", {{"1200", "900", "A1"}, {"1200", "900", "a1"}}, std::nullopt, "1500", true},
        CompletenessCase{"leading blank counts", {{"1200", "900", "A1"}, {"1200", "900", " A1"}}, std::nullopt,
                         "1500", true},
        CompletenessCase{"front and back alike", {{"1200", "900", "A1"}}, Panel{"1000", "500", "A1"}, "1500", false},
        CompletenessCase{"middle of three has no height",
                         {{"1200", "900", "A1"}, {"1200", "0", "A2"}, {"1200", "900", "A3"}}, std::nullopt, "1500",
                         false},
        CompletenessCase{"three complete", {{"1200", "900", "A1"}, {"1200", "600", "A2"}, {"1200", "900", "A3"}},
                         std::nullopt, "1500", true},
        CompletenessCase{"no clearance", {{"1200", "900", "A1"}}, std::nullopt, "", false},
        CompletenessCase{"no panel", {}, std::nullopt, "1500", false},
        CompletenessCase{"back panel only", {}, Panel{"1000", "500", "B1"}, "1500", true},
        CompletenessCase{"width rounds to nothing", {{"0.4", "900", "A1"}}, std::nullopt, "1500", false}));

TEST_F(FormTest, FewerFrontPanelsClearTheSizesButKeepTheSignNumber)
{
    engine::DesignRecord d = input_testing::sampleDesign();
    d.NumFrontSigns = 3;
    d.SegLength[2] = 8000;
    for (size_t k = 2; k <= 3; ++k) {
        d.FrontSignWidth[k] = 1500;
        d.FrontSignDepth[k] = 500;
        d.FrontSignClearance[k] = 100;
    }
    d.SignCode[2] = "M2";
    d.SignCode[3] = "U3";
    d.LegendClass[3] = 4;
    showDesign(d);
    click(OptionArray::Option3D2, 3);
    ASSERT_TRUE(form->Command1(1)->isEnabled());
    click(OptionArray::Option3D2, 2);
    EXPECT_EQ(working().FrontSignWidth[3], 0);
    EXPECT_EQ(working().FrontSignDepth[3], 0);
    EXPECT_EQ(working().FrontSignClearance[3], 0);
    EXPECT_EQ(working().NumFrontSigns, 2);
    pressOk();
    EXPECT_FALSE(form->isVisible());
    EXPECT_EQ(state.CurrentDesign.NumFrontSigns, 2);
    EXPECT_EQ(state.CurrentDesign.FrontSignWidth[3], 0);
    EXPECT_EQ(state.CurrentDesign.SignCode[3].Trimmed(), "U3");
    EXPECT_EQ(state.CurrentDesign.LegendClass[3], 4);
}

TEST_F(FormTest, BackSeparationIsReadWithoutABackPanel)
{
    showDesign(input_testing::sampleDesign());
    click(OptionArray::Option3D7, 1);
    form->Text2(3)->setText(QStringLiteral("300"));
    EXPECT_EQ(vars().BackSignCount, 0);
    EXPECT_EQ(working().BackSignClearance, 300);
    EXPECT_EQ(form->Text1(9)->text(), "0");
}

TEST_F(FormTest, SegmentsShorterThanTheWidestPanelAreRefused)
{
    // Two segments, 2000 + 4000 mm.
    showDesign(input_testing::sampleDesign());
    form->Text1(0)->setText(QStringLiteral("6001"));
    ASSERT_TRUE(form->Command1(1)->isEnabled());
    const size_t pageClicks = calls.mainPageClicks.size();
    pressOk();
    ASSERT_EQ(messages.calls.size(), 1U);
    EXPECT_EQ(messages.calls[0].text,
              "The total segments length is smaller than the width of some signs. Please adjust their values");
    EXPECT_EQ(messages.calls[0].title, QStringLiteral("Invalid input value") + QString(78, QLatin1Char(' ')) + "Mastra");
    EXPECT_EQ(messages.calls[0].icon, platform::MessageIcon::Exclamation);
    EXPECT_EQ(messages.calls[0].buttons, platform::MessageButtons::Ok);
    EXPECT_TRUE(form->isVisible());
    EXPECT_EQ(form->SSIndexTab1()->currentIndex(), input::SignPanelsPage);
    // The page was made current without its handler.
    EXPECT_EQ(calls.mainPageClicks.size(), pageClicks);
    EXPECT_EQ(state.CurrentDesign.FrontSignWidth[1], 2000);
    EXPECT_EQ(state.DesignChanged, engine::FlagFalse);

    form->Text1(0)->setText(QStringLiteral("6000"));
    pressOk();
    EXPECT_EQ(messages.calls.size(), 1U);
    EXPECT_FALSE(form->isVisible());
    EXPECT_EQ(state.CurrentDesign.FrontSignWidth[1], 6000);
}

TEST_F(FormTest, OkWithAnEmptiedKeyPartIsRefused)
{
    showDesign(input_testing::sampleDesign());
    ASSERT_TRUE(form->Command1(1)->isEnabled());
    // The key boxes do not run the check: OK stays enabled.
    form->Text4(1)->setText(QStringLiteral("  "));
    EXPECT_TRUE(form->Command1(1)->isEnabled());
    pressOk();
    ASSERT_EQ(messages.calls.size(), 1U);
    EXPECT_EQ(messages.calls[0].text, "Insufficient Sign Data has been entered!\nPlease complete before continuing.");
    EXPECT_EQ(messages.calls[0].title, "Dovrane Program Warning");
    EXPECT_EQ(messages.calls[0].icon, platform::MessageIcon::Exclamation);
    EXPECT_EQ(messages.calls[0].buttons, platform::MessageButtons::Ok);
    EXPECT_TRUE(form->isVisible());
    EXPECT_FALSE(form->Command1(1)->isEnabled());
    EXPECT_EQ(state.CurrentDesign.JobSection.Trimmed(), "S1");
}

struct ChangeCase {
    const char *name;
    void (*edit)(input::Form1 &);
    int16_t changed;
    int16_t redesign;
};

class ChangeFlags : public FormTest, public ::testing::WithParamInterface<ChangeCase> {};

TEST_P(ChangeFlags, FollowWhatOkCopiesBack)
{
    const ChangeCase c = GetParam();
    engine::DesignRecord d = input_testing::sampleDesign();
    state.CurrentDesign.MinimumClearance = 777;
    state.CurrentDesign.MaximumClearance = 2777;
    showDesign(d);
    c.edit(*form);
    pressOk();
    EXPECT_FALSE(form->isVisible()) << c.name;
    EXPECT_TRUE(vars().ReloadPending);
    EXPECT_EQ(state.DesignChanged, c.changed) << c.name;
    EXPECT_EQ(state.RedesignNeeded, c.redesign) << c.name;
    EXPECT_EQ(state.CurrentDesign.MinimumClearance, 777);
    EXPECT_EQ(state.CurrentDesign.MaximumClearance, 2777);
}

INSTANTIATE_TEST_SUITE_P(
    Edits, ChangeFlags,
    ::testing::Values(
        ChangeCase{"nothing", [](input::Form1 &) {}, engine::FlagFalse, engine::FlagFalse},
        ChangeCase{"legend class", [](input::Form1 &f) { f.Combo1(0)->setCurrentIndex(5); }, engine::FlagTrue,
                   engine::FlagFalse},
        ChangeCase{"background colour", [](input::Form1 &f) { f.Combo6(0)->setCurrentIndex(1); }, engine::FlagTrue,
                   engine::FlagFalse},
        ChangeCase{"width", [](input::Form1 &f) { f.Text1(0)->setText(QStringLiteral("2100")); }, engine::FlagTrue,
                   engine::FlagTrue}));

TEST_F(FormTest, AcceptedOkCopiesTheWorkingCopyBack)
{
    showDesign(input_testing::sampleDesign());
    form->Text4(2)->setText(QStringLiteral("P2"));
    form->Text1(12)->setText(QStringLiteral("1750"));
    click(OptionArray::Option3D5, 1);
    pressOk();
    EXPECT_EQ(state.CurrentDesign.SignPos.Trimmed(), "P2");
    EXPECT_EQ(state.CurrentDesign.RoadHeight, 1750);
    EXPECT_EQ(state.CurrentDesign.SignOnLeft, engine::FlagFalse);
    EXPECT_EQ(state.DesignChanged, engine::FlagTrue);
    EXPECT_TRUE(messages.calls.empty());
}

TEST_F(FormTest, NextAndPreviousMoveOnePageAndRunThePageHandler)
{
    showDesign(input_testing::sampleDesign());
    calls.mainPageClicks.clear();
    form->Command1(2)->click();
    EXPECT_EQ(form->SSIndexTab1()->currentIndex(), input::RoadsideSlopePage);
    form->Command1(2)->click();
    EXPECT_EQ(form->SSIndexTab1()->currentIndex(), input::SignPanelsPage);
    // The recording page handler enables no button; the key left "<<<
    // Previous" disabled on "Job Details", where the real handler would
    // have enabled it on entering the slope page.
    form->Command1(3)->setEnabled(true);
    form->Command1(3)->click();
    EXPECT_EQ(form->SSIndexTab1()->currentIndex(), input::RoadsideSlopePage);
    EXPECT_EQ(calls.mainPageClicks, (std::vector<int>{0, 1, 2}));
    // The engineer's own choice of a page runs it too.
    form->SSIndexTab1()->tabBar()->setCurrentIndex(0);
    EXPECT_EQ(calls.mainPageClicks.back(), 1);
}
