// Loading stored designs for printing, from real database files.

#include "print_test_support.h"

namespace printtest {
namespace {

class PrintLoadTest : public PrintDbTest {};

TEST_F(PrintLoadTest, ReadsTheStoredDesignAsStored)
{
    engine::DesignRecord d = SampleDesign("J1", "S1", "P1");
    d.NumFrontSigns = 2;
    d.FrontSignWidth[2] = 1500;
    d.FrontSignDepth[2] = 600;
    d.FrontSignClearance[2] = 100;
    d.SignCode[2] = "G2";
    d.NumBackSigns = 1;
    d.BackSignWidth = 1800;
    d.BackSignDepth = 700;
    d.SignCode[4] = "B";
    d.BkgndColour[4] = 6;
    d.RPSegLength = 500;
    d.RPReducedLevel = 12;
    d.Notes = "note";
    engine::SupportDesign s = SampleSupport();
    s.NoResultCode = 3;
    s.WarningCode = 12;
    s.ScrewFootingDim = 250;
    save(d, s, 3);
    d.MinimumClearance = 1700;
    setColumn(Key("J1", "S1", "P1"), "SupDesData", "Minimum_Clearance", 1700);

    const print::PrintedDesign p = load(Key("J1", "S1", "P1"));
    EXPECT_EQ(p.PrintSupportName, "Truss Steel");
    EXPECT_EQ(p.PrintDesign.JobCode.str(), "J1             ");
    EXPECT_EQ(p.PrintDesign.NumFrontSigns, 2);
    EXPECT_EQ(p.PrintDesign.NumBackSigns, 1);
    EXPECT_EQ(p.PrintDesign.FrontSignWidth[2], 1500);
    EXPECT_EQ(p.PrintDesign.FrontSignClearance[2], 100);
    EXPECT_EQ(p.PrintDesign.BackSignWidth, 1800);
    EXPECT_EQ(p.PrintDesign.BkgndColour[4], 6);
    EXPECT_EQ(p.PrintDesign.SignCode[2].Trimmed(), "G2");
    EXPECT_EQ(p.PrintDesign.Notes, "note");
    EXPECT_EQ(p.PrintDesign.RPReducedLevel, 12);
    EXPECT_EQ(p.PrintDesign.MinimumClearance, 1700);
    EXPECT_EQ(p.PrintDesign.SegLength[2], 4000);
    EXPECT_EQ(p.PrintSupport.NumPosts, 2);
    EXPECT_EQ(p.PrintSupport.NoResultCode, 3);
    EXPECT_EQ(p.PrintSupport.WarningCode, 12);
    EXPECT_EQ(p.PrintSupport.PostLength[1], 3500);
    EXPECT_EQ(p.PrintSupport.PostClearance[2], 1800);
    EXPECT_EQ(p.PrintSupport.NormFootingDim.Trimmed(), "450");
    EXPECT_EQ(p.PrintSupport.ScrewFootingDim, 250);
    EXPECT_EQ(p.PrintSupport.NumStiffeners[1], 3);
}

TEST_F(PrintLoadTest, PlacesGiveCountsAndSlots)
{
    const StoredDesignKey k = Key("J", "S", "P");
    save(SampleDesign("J", "S", "P"), SampleSupport());
    struct Case {
        QStringList places;
        int fronts, backs;
        std::vector<int> slotWidths;  // width of slot 1..4 after load
    };
    const Case cases[] = {
        {{"FL", "FU"}, 2, 0, {100, 200, 0, 0}},
        {{"FL", "FM", "FU"}, 3, 0, {100, 200, 300, 0}},  // FM in slot 2, FU in slot 3
        {{"FS"}, 1, 0, {100, 0, 0, 0}},
        {{"FL", "BS"}, 0, 1, {100, 0, 0, 200}},  // FL alone counts no panel, yet fills slot 1
    };
    for (const Case &c : cases) {
        exec("DELETE FROM SignDesData");
        int width = 100;
        int n = 0;
        for (const QString &place : c.places) {
            QVariantList p = database::DesignKeyParams(k.JobCode, k.JobSection, k.SignPos);
            p << QStringLiteral("C%1").arg(++n) << place << width;
            exec("INSERT INTO SignDesData (Job_Code, Job_Section, Sign_Pos, Sign_Code, Sign_Place, Sign_Width, "
                 "Sign_Depth, Sign_Clearance, Legend_Class, Legend_Colour, Bkgnd_Class, Bkgnd_Colour, Num_Brackets, "
                 "Num_Stiffeners, Stiffener_Spacing) "
                 "VALUES (?, ?, ?, ?, ?, ?, 600, 0, '1', 'Black CAL', '1', 'White', 2, 0, 0)",
                 p);
            width += 100;
        }
        const print::PrintedDesign d = load(k);
        EXPECT_EQ(d.PrintDesign.NumFrontSigns, c.fronts) << c.places.join(',').toStdString();
        EXPECT_EQ(d.PrintDesign.NumBackSigns, c.backs) << c.places.join(',').toStdString();
        for (int slot = 1; slot <= 3; ++slot)
            EXPECT_EQ(d.PrintDesign.FrontSignWidth[slot], c.slotWidths[slot - 1]) << slot;
        EXPECT_EQ(d.PrintDesign.BackSignWidth, c.slotWidths[3]);
    }
}

TEST_F(PrintLoadTest, StoredTextsConvertExactly)
{
    const StoredDesignKey k = Key("J", "S", "P");
    save(SampleDesign("J", "S", "P"), SampleSupport());
    struct Case {
        const char *table, *column;
        QVariant value;
        std::function<void(const print::PrintedDesign &)> check;
    };
    const std::vector<Case> cases = {
        {"SupDesData", "Spacing_Type", "standard",
         [](const print::PrintedDesign &p) {
             EXPECT_EQ(p.PrintSupport.SpacingType, 1);
             EXPECT_EQ(p.PrintSupport.Spacing[1], 1200);
         }},
        {"SupDesData", "Spacing_Type", "Standard",
         [](const print::PrintedDesign &p) {
             EXPECT_EQ(p.PrintSupport.SpacingType, 0);
             EXPECT_EQ(p.PrintSupport.Spacing[1], 0);
         }},
        {"SupDesData", "Slip_Base_Req", "y", [](const auto &p) { EXPECT_EQ(p.PrintSupport.SlipBaseReq, 0); }},
        {"SupDesData", "Slip_Base_Req", "Y", [](const auto &p) { EXPECT_EQ(p.PrintSupport.SlipBaseReq, -1); }},
        {"SupDesData", "Screw_Footing_Dim", " 250", [](const auto &p) { EXPECT_EQ(p.PrintSupport.ScrewFootingDim, 250); }},
        {"SupDesData", "Screw_Footing_Dim", "300 mm", [](const auto &p) { EXPECT_EQ(p.PrintSupport.ScrewFootingDim, 300); }},
        {"SupDesData", "Sup_Name", "Strut Steel", [](const auto &p) { EXPECT_EQ(p.PrintSupportName, "Strut Steel"); }},
        // A name differing in case or by a trailing blank matches nothing: the
        // empty copy's index 0 stays.
        {"SignDesData", "Legend_Class", "1w", [](const auto &p) { EXPECT_EQ(p.PrintDesign.LegendClass[1], 0); }},
        {"SignDesData", "Legend_Class", "1W ", [](const auto &p) { EXPECT_EQ(p.PrintDesign.LegendClass[1], 0); }},
        {"SignDesData", "Legend_Class", "1W", [](const auto &p) { EXPECT_EQ(p.PrintDesign.LegendClass[1], 3); }},
        {"LocDesData", "Notes", QVariant(), [](const auto &p) { EXPECT_EQ(p.PrintDesign.Notes, ""); }},
        {"LocDesData", "RP_Reduced_Level", 12.5, [](const auto &p) { EXPECT_EQ(p.PrintDesign.RPReducedLevel, 12); }},
        {"LocDesData", "RP_Reduced_Level", 13.5, [](const auto &p) { EXPECT_EQ(p.PrintDesign.RPReducedLevel, 14); }},
    };
    for (const Case &c : cases) {
        SCOPED_TRACE(std::string(c.column) + " = " + c.value.toString().toStdString());
        setColumn(k, c.table, c.column, c.value);
        c.check(load(k));
    }
}

TEST_F(PrintLoadTest, EachLoadStartsEmpty)
{
    // A: two fronts and a back, notes, variable spacing, colour names.
    engine::DesignRecord a = SampleDesign("A", "S", "P");
    a.NumFrontSigns = 2;
    a.FrontSignWidth[2] = 3000;
    a.FrontSignDepth[2] = 500;
    a.SignCode[2] = "A2";
    a.NumBackSigns = 1;
    a.BackSignWidth = 4000;
    a.BackSignDepth = 800;
    a.SignCode[4] = "AB";
    a.BkgndColour[1] = 5;
    a.Notes = "notes of A";
    engine::SupportDesign as = SampleSupport();
    as.SpacingType = 1;
    as.NumPosts = 3;
    as.PostLength[3] = 4000;
    save(a, as, 2);
    // B: one front, no notes, and a colour name that matches no entry.
    engine::DesignRecord b = SampleDesign("B", "S", "P");
    b.BkgndColour[1] = 3;
    save(b, SampleSupport(), 1);
    setColumn(Key("B", "S", "P"), "SignDesData", "Bkgnd_Colour", "Mauve");

    print::PrintedDesign alone;
    ASSERT_TRUE(print::LoadPrintDesign(db(), Key("B", "S", "P"), alone).ok());
    print::PrintedDesign reused;
    ASSERT_TRUE(print::LoadPrintDesign(db(), Key("A", "S", "P"), reused).ok());
    ASSERT_EQ(reused.PrintDesign.BackSignWidth, 4000);
    ASSERT_TRUE(print::LoadPrintDesign(db(), Key("B", "S", "P"), reused).ok());
    EXPECT_EQ(reused.PrintDesign, alone.PrintDesign);
    EXPECT_EQ(reused.PrintSupport, alone.PrintSupport);
    EXPECT_EQ(reused.PrintSupportName, alone.PrintSupportName);
    EXPECT_EQ(alone.PrintDesign.BackSignWidth, 0);
    EXPECT_EQ(alone.PrintDesign.BkgndColour[1], 0);
    EXPECT_EQ(alone.PrintDesign.Notes, "");
    EXPECT_EQ(alone.PrintSupport.PostLength[3], 0);

    // A key with no rows at all prints as that key, empty.
    ASSERT_TRUE(print::LoadPrintDesign(db(), Key("Z", "S", "P"), reused).ok());
    EXPECT_EQ(reused.PrintDesign.JobCode.Trimmed(), "Z");
    EXPECT_EQ(reused.PrintDesign.NumFrontSigns, 0);
    EXPECT_EQ(reused.PrintSupportName, "");
}

TEST_F(PrintLoadTest, QuotesAndPatternCharactersAreJustCharacters)
{
    save(SampleDesign("O'Brien", "50%", "P_1"), SampleSupport());
    save(SampleDesign("OXBrien", "50 and more", "PX1"), SampleSupport());
    const print::PrintedDesign quoted = load(Key("O'Brien", "50%", "P_1"));
    EXPECT_EQ(quoted.PrintDesign.NumFrontSigns, 1);
    EXPECT_EQ(quoted.PrintDesign.JobCode.Trimmed(), "O'Brien");
    EXPECT_EQ(quoted.PrintSupportName, "CHS Steel");
    // Patterns match nothing but themselves.
    const print::PrintedDesign pattern = load(Key("O_Brien", "50%", "P%"));
    EXPECT_EQ(pattern.PrintDesign.NumFrontSigns, 0);
    EXPECT_EQ(pattern.PrintSupportName, "");
}

TEST_F(PrintLoadTest, AFailingReadReturnsItsStatus)
{
    save(SampleDesign("J", "S", "P"), SampleSupport());
    exec("PRAGMA foreign_keys = OFF");
    exec("DROP TABLE SignDesData");
    print::PrintedDesign p;
    const platform::SqlStatus s = print::LoadPrintDesign(db(), Key("J", "S", "P"), p);
    EXPECT_FALSE(s.ok());
    EXPECT_FALSE(s.text().isEmpty());
}

} // namespace
} // namespace printtest
