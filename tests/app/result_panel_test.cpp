// The result column and the warnings box text of the viewed support kind.

#include "app/result_panel.h"
#include "engine/design_state.h"

#include <gtest/gtest.h>

using app::SupportResultValues;
using app::WarningsAndErrorsText;

namespace {

const QString CrLf = QStringLiteral("\r\n");

// A found CHS design with two posts on normal footings.
engine::DesignState foundDesign()
{
    engine::DesignState state;
    state.CurrentSupportType = 1;
    state.CurrentDesign.RoadHeight = 1500;
    state.CurrentDesign.DistFromKerb = 1000;
    state.CurrentDesign.NumFrontSigns = 1;
    engine::SupportDesign &s = state.SupportDesigns[1];
    s.NumPosts = 2;
    s.PostSpacing = 1800;
    s.SpacingType = 0;
    s.PostLength = {0, 3900, 4100, 0, 0};
    s.PostClearance = {0, 1500, 1500, 0, 0};
    s.StubLength = 0;
    s.PostDimensions = "100 NB";
    s.PostWallThickness = "4.0";
    s.PostMatGrade = "C350";
    s.SlipBaseReq = 0;
    s.FootingType = 1;
    s.NormFootingDim = " 450";
    s.NormFootingDep = 1200;
    s.StiffenerType = 1;
    return state;
}

} // namespace

TEST(ResultPanel, FoundDesignFillsEveryRowWithItsFormat)
{
    const auto texts = SupportResultValues(foundDesign());
    const std::array<QString, 16> expected{
        "2", "1800, Standard", "1500", "1000", "3900", "4100", "0", "0",
        "0", "100 NB", "4.0", "C350", "450", "1200", "No", "Type 1"};
    EXPECT_EQ(texts.values, expected);
    EXPECT_TRUE(texts.footingCaptionsSet);
    EXPECT_EQ(texts.footingSizeCaption, "Diameter of Hole");
    EXPECT_EQ(texts.footingDepthCaption, "Depth of Hole");
}

TEST(ResultPanel, ScrewFootingVariableSpacingSlipBaseAndNegativeNumbers)
{
    auto state = foundDesign();
    engine::SupportDesign &s = state.SupportDesigns[1];
    s.SpacingType = 1;
    s.FootingType = 2;  // every type other than 1 is the screw footing
    s.ScrewFootingDim = 300;
    s.ScrewFootingDep = 2500;
    s.SlipBaseReq = -1;
    s.StiffenerType = 2;
    s.StubLength = -250;
    const auto texts = SupportResultValues(state);
    EXPECT_EQ(texts.values[1], "1800, Variable");
    EXPECT_EQ(texts.values[8], "-250");
    EXPECT_EQ(texts.values[12], "300");
    EXPECT_EQ(texts.values[13], "2500");
    EXPECT_EQ(texts.values[14], "Yes");
    EXPECT_EQ(texts.values[15], "Type 2");
    EXPECT_EQ(texts.footingSizeCaption, "Diameter of Screw");
    EXPECT_EQ(texts.footingDepthCaption, "Length of Screw");
}

TEST(ResultPanel, TheViewedKindDecides)
{
    auto state = foundDesign();
    state.CurrentSupportType = 2;  // RHS holds nothing
    const auto texts = SupportResultValues(state);
    for (const QString &value : texts.values)
        EXPECT_TRUE(value.isEmpty());
}

TEST(ResultPanel, NoDesignIsBlankAndAResultCodeShowsNoResult)
{
    engine::DesignState empty;
    const auto blank = SupportResultValues(empty);
    for (const QString &value : blank.values)
        EXPECT_TRUE(value.isEmpty());
    EXPECT_FALSE(blank.footingCaptionsSet);
    EXPECT_TRUE(WarningsAndErrorsText(empty.SupportDesigns[1], 1).isEmpty());

    for (int code : {1, 9, 12, 13, 99}) {
        auto state = foundDesign();
        state.SupportDesigns[1].NoResultCode = static_cast<int16_t>(code);
        const auto texts = SupportResultValues(state);
        EXPECT_EQ(texts.values[0], "No Result") << code;
        for (size_t row = 1; row < texts.values.size(); ++row)
            EXPECT_TRUE(texts.values[row].isEmpty()) << code << " row " << row;
        EXPECT_FALSE(texts.footingCaptionsSet);
    }
}

TEST(WarningsText, ResultCodesGiveTheirMessageAndNothingElse)
{
    engine::SupportDesign s;
    s.NumPosts = 1;
    s.PostClearance[1] = 100;  // would fail the clearance check if it ran
    s.WarningCode = 12;
    s.NoResultCode = 5;
    EXPECT_EQ(WarningsAndErrorsText(s, 1),
              "Sign Panel Height > 4 * Clearance height." + CrLf
                  + "A Slip Base Design is not possible for this situation!" + CrLf);
    s.NoResultCode = 6;
    EXPECT_EQ(WarningsAndErrorsText(s, 4), "Insufficient Terrain Information has been defined." + CrLf);
    for (int code : {9, -1, 13})
    {
        s.NoResultCode = static_cast<int16_t>(code);
        EXPECT_TRUE(WarningsAndErrorsText(s, 1).isEmpty()) << code;
    }
}

TEST(WarningsText, TrussClearanceLimitIsInclusive)
{
    engine::SupportDesign s;
    s.NumPosts = 1;
    s.PostClearance[1] = 3250;
    EXPECT_TRUE(WarningsAndErrorsText(s, 3).isEmpty());
    s.PostClearance[1] = 3251;
    EXPECT_EQ(WarningsAndErrorsText(s, 3), "Post 1 Clearance is 3251 and needs to be less than 3250" + CrLf);
    // Other kinds allow up to 10000.
    EXPECT_TRUE(WarningsAndErrorsText(s, 1).isEmpty());
    s.PostClearance[1] = 10001;
    EXPECT_EQ(WarningsAndErrorsText(s, 2), "Post 1 Clearance is 10001 and needs to be less than 10000" + CrLf);
}

TEST(WarningsText, SlipBaseExampleListsNewestLineFirst)
{
    engine::SupportDesign s;
    s.NumPosts = 2;
    s.SlipBaseReq = -1;
    s.PostClearance = {0, 2200, 2199, 0, 0};
    s.WarningCode = 12;
    EXPECT_EQ(WarningsAndErrorsText(s, 1),
              "Post Spacing must be greater than 1500 mm for Slip Base Supports (where practical)" + CrLf
                  + "Post Spacing is too wide for the Smallest Signs Width" + CrLf
                  + "Post 2 Clearance is 2199 and needs to be at least 2200" + CrLf);
}

TEST(WarningsText, ClearanceLinesRunFromTheHighestPostDown)
{
    engine::SupportDesign s;
    s.NumPosts = 3;
    s.PostClearance = {0, 1200, 1600, 1499, 0};
    EXPECT_EQ(WarningsAndErrorsText(s, 1),
              "Post 3 Clearance is 1499 and needs to be at least 1500" + CrLf
                  + "Post 1 Clearance is 1200 and needs to be at least 1500" + CrLf);
    // A stored post count above four reads posts 1 to 4 only.
    s.NumPosts = 9;
    s.PostClearance = {0, 1500, 1500, 1500, 1400};
    EXPECT_EQ(WarningsAndErrorsText(s, 1), "Post 4 Clearance is 1400 and needs to be at least 1500" + CrLf);
}

TEST(WarningsText, BitsWithoutTextGiveAnEmptyBox)
{
    engine::SupportDesign s;
    for (int bits : {1, 2, 16, 32, 64, 1 + 2 + 16 + 32 + 64}) {
        s.WarningCode = static_cast<int16_t>(bits);
        EXPECT_TRUE(WarningsAndErrorsText(s, 1).isEmpty()) << bits;
    }
    s.WarningCode = 64 + 8;
    EXPECT_EQ(WarningsAndErrorsText(s, 1), "Post Spacing is too wide for the Smallest Signs Width" + CrLf);
}
