// The design form page and its warnings, read back from a recording.

#include "print/design_form.h"
#include "print/page_primitives.h"
#include "print_test_support.h"

#include <gtest/gtest.h>

namespace printtest {
namespace {

using Kind = print::RecordingSurface::Kind;

// The text drawn with its top-left corner at (x, y), or "(none)".
QString TextAt(const print::RecordingSurface &s, double x, double y)
{
    for (const auto &item : s.items)
        if (item.kind == Kind::Text && item.x1 == x && item.y1 == y)
            return item.text;
    return QStringLiteral("(none)");
}

const print::RecordingSurface::Item &Found(const print::RecordingSurface &s, const QString &text)
{
    static const print::RecordingSurface::Item none;
    const auto *item = s.findText(text);
    EXPECT_TRUE(item) << text.toStdString();
    return item ? *item : none;
}

print::PrintedDesign Printed()
{
    print::PrintedDesign p;
    p.PrintDesign = SampleDesign("J1", "S1", "P1");
    p.PrintSupport = SampleSupport();
    p.PrintSupportName = "CHS Steel";
    return p;
}

// The sign face columns of a 2000-wide frame.
constexpr double X2 = 400, X3 = 800, X4 = 1200, X5 = 1600;

class DesignFormPage : public ::testing::Test {
protected:
    void print(const print::PrintedDesign &p)
    {
        print::SetupPage(s, 1);
        print::PrintDesignFormPage(s, p);
    }
    // The value printed at column x in the row labelled `label`.
    QString valueIn(const QString &label, double x) { return TextAt(s, x, Found(s, label).y1); }
    FixedSurface s;
};

TEST_F(DesignFormPage, FrameBannerAndSections)
{
    print(Printed());
    EXPECT_TRUE(s.findText("Kelvora - Design Form"));
    EXPECT_TRUE(s.findText("Mastra"));
    EXPECT_TRUE(s.findText("Page  1"));
    EXPECT_TRUE(s.findText(" Job : J1             "));
    EXPECT_EQ(Found(s, " Section : S1             ").x1, 667);
    EXPECT_EQ(Found(s, " Sign Pos : P1             ").x1, 1333);
    for (const char *heading : {" Location Details", " Slope Details", " Sign Face Details", " Sign Stiffener Details",
                                " CHS Steel Design Details", " Warnings, Errors and Suggestions"})
        EXPECT_EQ(Found(s, heading).font.Size, 12) << heading;
    EXPECT_EQ(Found(s, " Slope Details").x1, 1000);
    EXPECT_EQ(Found(s, " Slope Details").y1, Found(s, " Location Details").y1);
    EXPECT_TRUE(Found(s, " Support Details").font.Underline);
    EXPECT_EQ(Found(s, " Wind Region").font.Size, 8);
    EXPECT_EQ(valueIn(" Wind Region", 400), " Region A");
    EXPECT_EQ(valueIn(" Foundation Soil", 400), " Loose to Medium Dense Sand");
    EXPECT_EQ(valueIn(" Side of Road", 400), " Right");
    EXPECT_EQ(valueIn(" Road Height", 400), " 1500");
    EXPECT_FALSE(s.findText(" Ref Pt Reduced Level"));
    EXPECT_EQ(valueIn(" Spacing", 400), " 1200, Standard");
    EXPECT_EQ(valueIn(" Post Dimensions", 400), " 76.1 NB");
    EXPECT_EQ(valueIn(" Slip Base Required", 400), " No");
    EXPECT_EQ(valueIn(" Diameter of Hole", 400), " 450");
    EXPECT_EQ(valueIn(" Depth of Hole", 400), " 1200");
    // Rows follow one line apart.
    EXPECT_EQ(Found(s, " Exposed Terrain").y1 - Found(s, " Wind Region").y1, 40);
    // The elevation box: right of 2/5 of the width, bottom at 2800 - 400.
    bool box = false;
    for (const auto &item : s.items)
        if (item.kind == Kind::Box && item.fillColour == 0xFFFFF0) {
            box = true;
            EXPECT_EQ(item.x1, 800);
            EXPECT_EQ(item.x2, 2000);
            EXPECT_EQ(item.y1, Found(s, " CHS Steel Design Details").y1);
            EXPECT_EQ(item.y2, 2400);
        }
    EXPECT_TRUE(box);
    EXPECT_EQ(Found(s, " Warnings, Errors and Suggestions").y1, 2410);
    // The frame is restored for the next page.
    EXPECT_EQ(s.PageFrame, (print::PageFrameRec{0, 0, 2000, 3000}));
}

TEST_F(DesignFormPage, SignColumnsByPanelCount)
{
    struct Case {
        int fronts;
        int backs;
        std::vector<std::pair<const char *, double>> headings;
    };
    const Case cases[] = {
        {1, 0, {{" Front Sign", X2}}},
        {2, 1, {{" Front Lower", X2}, {" Front Upper", X3}, {" Back Sign", X5}}},
        {0, 0, {{" Front Lower", X2}, {" Front Middle", X3}, {" Front Upper", X4}}},
        {3, 0, {{" Front Lower", X2}, {" Front Middle", X3}, {" Front Upper", X4}}},
    };
    for (const Case &c : cases) {
        SCOPED_TRACE(c.fronts);
        s = FixedSurface();
        print::PrintedDesign p = Printed();
        p.PrintDesign.NumFrontSigns = static_cast<int16_t>(c.fronts);
        p.PrintDesign.NumBackSigns = static_cast<int16_t>(c.backs);
        p.PrintDesign.FrontSignWidth = {0, 2000, 1700, 1500};
        p.PrintDesign.SignCode[2] = "UP";
        p.PrintDesign.BackSignWidth = 900;
        print(p);
        for (const auto &[heading, x] : c.headings) {
            EXPECT_EQ(Found(s, heading).x1, x) << heading;
            EXPECT_TRUE(Found(s, heading).font.Underline);
        }
        EXPECT_EQ(s.findText(" Back Sign") != nullptr, c.backs == 1);
        // Values: slot k under column k + 1, the back under the fifth.
        EXPECT_EQ(valueIn(" Sign Width", X2), c.fronts >= 1 ? " 2000" : "(none)");
        EXPECT_EQ(valueIn(" Sign Width", X3), c.fronts >= 2 ? " 1700" : "(none)");
        EXPECT_EQ(valueIn(" Sign Code", X3), c.fronts >= 2 ? " UP" : "(none)");
        EXPECT_EQ(valueIn(" Sign Width", X5), c.backs ? " 900" : "(none)");
    }
}

TEST_F(DesignFormPage, SignAndStiffenerValues)
{
    print::PrintedDesign p = Printed();
    p.PrintDesign.LegendClass[1] = 9;  // outside its list: no value
    print(p);
    EXPECT_EQ(valueIn(" Sign Code", X2), " G1-1");
    EXPECT_EQ(valueIn(" Sign Depth", X2), " 1500");
    EXPECT_EQ(valueIn(" Legend Class", X2), "(none)");
    EXPECT_EQ(valueIn(" Legend Colour", X2), " Black CAL");
    EXPECT_EQ(valueIn(" Background Class", X2), " 1A");
    EXPECT_EQ(valueIn(" Background Colour", X2), " Green Std");
    EXPECT_EQ(valueIn(" Sign Separation", X2), " 0");
    EXPECT_EQ(valueIn(" Stiffener Type", X2), " 1");
    EXPECT_EQ(valueIn(" Number of Stiffeners", X2), " 3");
    EXPECT_EQ(valueIn(" Stiffener Spacing", X2), " 400");
    EXPECT_EQ(valueIn(" Number of Brackets", X2), " 6");
}

TEST_F(DesignFormPage, SlopeRowsSkipEmptySegments)
{
    print::PrintedDesign p = Printed();
    engine::DesignRecord &d = p.PrintDesign;
    d.SegLength = {0, 2000, 0, 3000, 0, 0, 0};
    d.SegDeltaHeight = {0, -250, 0, 400, 0, 0, 0};
    d.RPSegLength = 600;
    d.RPSegDeltaHeight = -30;
    d.RPReducedLevel = 105;
    print(p);
    const double s1 = 1000, s2 = 1333, s3 = 1667;
    EXPECT_EQ(Found(s, " Segment").x1, s1);
    EXPECT_EQ(Found(s, " Length").x1, s2);
    EXPECT_EQ(Found(s, " Height").x1, s3);
    const double ref = Found(s, " Ref Point").y1;
    EXPECT_EQ(TextAt(s, s2, ref), "  600");
    EXPECT_EQ(TextAt(s, s3, ref), " -30");
    EXPECT_EQ(TextAt(s, s1, ref + 40), "  1");
    EXPECT_EQ(TextAt(s, s2, ref + 40), "  2000");
    EXPECT_EQ(TextAt(s, s3, ref + 40), " -250");
    EXPECT_EQ(TextAt(s, s1, ref + 80), "  3");
    EXPECT_FALSE(s.findText("  2"));
    EXPECT_EQ(valueIn(" Ref Pt Reduced Level", 400), " 105");
}

TEST_F(DesignFormPage, ScrewFootingRows)
{
    print::PrintedDesign p = Printed();
    p.PrintSupport.FootingType = 2;
    p.PrintSupport.ScrewFootingDim = 250;
    p.PrintSupport.ScrewFootingDep = 1800;
    print(p);
    EXPECT_FALSE(s.findText(" Diameter of Hole"));
    EXPECT_EQ(valueIn(" Diameter of Screw", 400), " 250");
    EXPECT_EQ(valueIn(" Length of Screw", 400), " 1800");
}

TEST_F(DesignFormPage, TwoLineErrorPrintsAsTwoLines)
{
    print::PrintedDesign p = Printed();
    p.PrintSupport.NoResultCode = 3;
    print(p);
    const auto &first = Found(s, " A combination of Large Sign Area and/or High Clearance Height has resulted in no "
                                 "solution being found");
    const auto &second = Found(s, " for the stated Wind Region and Exposure settings!");
    EXPECT_EQ(second.y1 - first.y1, 40);
    EXPECT_EQ(first.x1, 0);
    EXPECT_EQ(second.x1, 0);
}

TEST_F(DesignFormPage, ResultCodeNinePrintsOnlyTheHeading)
{
    print::PrintedDesign p = Printed();
    p.PrintSupport.NoResultCode = 9;
    print(p);
    const double heading = Found(s, " Warnings, Errors and Suggestions").y1;
    for (const auto &item : s.items)
        if (item.kind == Kind::Text && item.y1 > heading && item.y1 < 2900)  // above the footer band
            ADD_FAILURE() << "printed under the heading: " << item.text.toStdString();
}

TEST_F(DesignFormPage, ManyPostsStopAtFour)
{
    print::PrintedDesign p = Printed();
    p.PrintSupport.NumPosts = 7;
    p.PrintSupport.PostClearance = {0, 100, 100, 100, 100};
    print(p);
    EXPECT_EQ(valueIn(" Number", 400), " 7");
    EXPECT_TRUE(s.findText(" Post 4 Clearance is 100 and needs to be at least 1500"));
    EXPECT_FALSE(s.findText(" Post 5 Clearance is 0 and needs to be at least 1500"));
}

// The warnings block by result code, clearances and warning bits.
struct WarningCase {
    const char *name;
    int code;
    int bits;
    const char *support;
    int16_t slipBase;
    int32_t clearance;  // post 1; post 2 at 1800
    QStringList lines;
};

void PrintTo(const WarningCase &c, std::ostream *os) { *os << c.name; }

class Warnings : public ::testing::TestWithParam<WarningCase> {};

const QString TooWide = " Post Spacing is too wide for the Smallest Signs Width";
const QString SlipSpacing = " Post Spacing must be greater than 1500 mm for Slip Base Supports (where practical)";

TEST_P(Warnings, Lines)
{
    const WarningCase &c = GetParam();
    print::PrintedDesign p = Printed();
    p.PrintSupport.NoResultCode = static_cast<int16_t>(c.code);
    p.PrintSupport.WarningCode = static_cast<int16_t>(c.bits);
    p.PrintSupport.SlipBaseReq = c.slipBase;
    p.PrintSupport.PostClearance[1] = c.clearance;
    p.PrintSupportName = c.support;
    EXPECT_EQ(print::DesignFormWarnings(p), c.lines);
}

INSTANTIATE_TEST_SUITE_P(
    DesignForm, Warnings,
    ::testing::Values(
        WarningCase{"TrussTooHigh", 0, 0, "Truss Steel", 0, 3300,
                    {" Post 1 Clearance is 3300 and needs to be less than 3250"}},
        WarningCase{"ChsHighIsFine", 0, 0, "CHS Steel", 0, 3300, {}},
        WarningCase{"SlipBaseTooLow", 0, 0, "CHS Steel", -1, 2000,
                    {" Post 1 Clearance is 2000 and needs to be at least 2200",
                     " Post 2 Clearance is 1800 and needs to be at least 2200"}},
        WarningCase{"NoSlipBase", 0, 0, "CHS Steel", 0, 1800, {}},
        WarningCase{"Bits12", 0, 12, "CHS Steel", 0, 1800, {TooWide, SlipSpacing}},
        WarningCase{"Bits76", 0, 76, "CHS Steel", 0, 1800, {TooWide, SlipSpacing}},
        WarningCase{"Bits3", 0, 3, "CHS Steel", 0, 1800, {}},
        WarningCase{"Bits4", 0, 4, "CHS Steel", 0, 1800, {SlipSpacing}},
        WarningCase{"BitsNegative", 0, -8, "CHS Steel", 0, 1800, {}},
        WarningCase{"Bits200", 0, 200, "CHS Steel", 0, 1800, {TooWide, SlipSpacing}},  // 200 - 64 - 32 - 16 - 8 = 80
        WarningCase{"Code1", 1, 12, "CHS Steel", 0, 0, {" Sign is too wide to be handled by this program!"}},
        WarningCase{"Code3", 3, 0, "CHS Steel", 0, 0,
                    {" A combination of Large Sign Area and/or High Clearance Height has resulted in no solution "
                     "being found\r for the stated Wind Region and Exposure settings!"}},
        WarningCase{"Code5", 5, 0, "CHS Steel", 0, 0,
                    {" Sign Panel Height > 4 * Clearance height.\r A Slip Base Design is not possible for this "
                     "situation!"}},
        WarningCase{"Code9", 9, 12, "CHS Steel", 0, 0, {}},
        WarningCase{"Code12", 12, 0, "CHS Steel", 0, 0,
                    {" Design Eccentricity too Large (Difference between Tallest and Shortest Posts)."}},
        WarningCase{"CodeNegative", -1, 0, "CHS Steel", 0, 0, {}},
        WarningCase{"Code13", 13, 0, "CHS Steel", 0, 0, {}}),
    [](const auto &info) { return std::string(info.param.name); });

TEST(DesignFormTexts, NumberAndNameForms)
{
    EXPECT_EQ(print::PlainNumber(1500), " 1500");
    EXPECT_EQ(print::PlainNumber(-250), " -250");
    EXPECT_EQ(print::SignedNumber(1500), "  1500");
    EXPECT_EQ(print::SignedNumber(-250), " -250");
    EXPECT_EQ(print::NameText("  CHS Steel  "), " CHS Steel");
}

TEST(DesignFormRealMetrics, LongValueWrapsAtTheFrameEdge)
{
    print::RecordingSurface s;
    print::SetupPage(s, 1);
    print::PrintedDesign p = Printed();
    p.PrintDesign.SignCode[1] = "WWWWWWWWWW";
    p.PrintSupport.PostMatGrade = "WWWWWWWWWW";
    print::PrintDesignFormPage(s, p);
    // Every text starts inside the frame and no text line is empty.
    for (const auto &item : s.items)
        if (item.kind == Kind::Text) {
            EXPECT_GE(item.x1, 0);
            EXPECT_LT(item.x1, 2000);
            EXPECT_FALSE(item.text.isEmpty());
        }
    EXPECT_TRUE(s.findText("Kelvora - Design Form"));
}

} // namespace
} // namespace printtest
