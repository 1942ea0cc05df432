// The slope page's two checks of the segment lengths, and its options
// recording the engineer's choice, through the form.

#include "form_test_support.h"

#include "input/slope_page.h"
#include "input/slope_page_impl.h"

using input::OptionArray;
using input_testing::FormTest;

namespace {

struct TotalCase {
    std::array<int32_t, 7> lengths;
    int count;
    bool withinLimit;
};

class SegmentTotal : public FormTest, public ::testing::WithParamInterface<TotalCase> {};

} // namespace

TEST_P(SegmentTotal, StaysBelow32768)
{
    const TotalCase c = GetParam();
    showDesign(input_testing::sampleDesign());
    working().SegLength = c.lengths;
    vars().SlopeSegmentCount = static_cast<int16_t>(c.count);
    EXPECT_EQ(form->slopePage().SegmentsTotalWithinLimit(), c.withinLimit);
}

INSTANTIATE_TEST_SUITE_P(Lengths, SegmentTotal,
                         ::testing::Values(TotalCase{{0, 7000, 7000, 7000, 7000, 7000, 0}, 5, false},
                                           TotalCase{{0, 8000, 8000, 8000, 8767, 0, 0}, 4, true},
                                           TotalCase{{0, 8000, 8000, 8000, 8768, 0, 0}, 4, false},
                                           // Only the used segments count.
                                           TotalCase{{0, 7000, 7000, 7000, 7000, 7000, 0}, 4, true},
                                           TotalCase{{0, 1000, 0, 0, 0, 0, 0}, 0, false}));

TEST_F(FormTest, SegmentsCoverTheWidestChosenPanel)
{
    showDesign(input_testing::sampleDesign());  // 2000 + 4000 mm of slope, a 2000 mm panel
    input::SlopePage &slope = form->slopePage();
    EXPECT_TRUE(slope.SegmentsCoverSigns());
    // A wider back panel counts only when chosen.
    working().BackSignWidth = 6001;
    EXPECT_TRUE(slope.SegmentsCoverSigns());
    option(OptionArray::Option3D3, 1)->setChecked(true);
    EXPECT_FALSE(slope.SegmentsCoverSigns());
    working().BackSignWidth = 6000;
    EXPECT_TRUE(slope.SegmentsCoverSigns());
    // One segment chosen: 2000 mm.
    click(OptionArray::Option3D4, 0);
    EXPECT_FALSE(slope.SegmentsCoverSigns());
    working().BackSignWidth = 0;
    EXPECT_TRUE(slope.SegmentsCoverSigns());
}

TEST_F(FormTest, TerrainOptionsRecordTheChoice)
{
    showDesign(input_testing::sampleDesign());
    click(OptionArray::Option3D4, 4);
    EXPECT_EQ(vars().SlopeSegmentCount, 5);
    click(OptionArray::Option3D5, 1);
    EXPECT_EQ(working().SignOnLeft, engine::FlagFalse);
    click(OptionArray::Option3D5, 0);
    EXPECT_EQ(working().SignOnLeft, engine::FlagTrue);
    click(OptionArray::Option3D8, 0);
    EXPECT_EQ(working().SupportStruts, engine::FlagTrue);
    click(OptionArray::Option3D8, 1);
    EXPECT_EQ(working().SupportStruts, engine::FlagFalse);
}

TEST_F(FormTest, SelectingFromCodeRunsTheHandlerOnceAlsoWhenAlreadyChosen)
{
    showDesign(input_testing::sampleDesign());
    click(OptionArray::Option3D2, 1);
    const int draws = calls.layoutDraws;
    form->selectOption(OptionArray::Option3D2, 1);
    EXPECT_EQ(calls.layoutDraws, draws + 1);
    form->selectOption(OptionArray::Option3D2, 3);
    EXPECT_EQ(calls.layoutDraws, draws + 2);
    EXPECT_TRUE(option(OptionArray::Option3D2, 3)->isChecked());
    EXPECT_FALSE(option(OptionArray::Option3D2, 1)->isChecked());
    EXPECT_EQ(vars().FrontSignCount, 3);
}
