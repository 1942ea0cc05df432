// Loading a stored design: rows written by hand (as an older program or
// another tool might leave them) read back into the open design.

#include "store_test_support.h"

#include "database/design_rows.h"

namespace storetest {
namespace {

using Call = testing_support::RecordingProgress::Call;

const StoredDesignKey K = Key("JOB", "SEC", "POS");

class LoadTest : public StoreTest {
protected:
    QVariantList keyParams() { return database::DesignKeyParams(K.JobCode, K.JobSection, K.SignPos); }

    // The parent rows of K as the program's own save leaves them, without
    // sign rows; the support kind named `supName`.
    void storeParents(const QString &supName = QStringLiteral("CHS Steel"))
    {
        save(SimpleDesign("JOB", "SEC", "POS"));
        exec("DELETE FROM SignDesData");
        setColumn("SupDesData", "Sup_Name", supName);
    }
    // A sign row with every column given: names that mean "Various" unless
    // a legend colour is told.
    void storeSign(const QString &code, const QString &place, int width,
                   const QString &legendColour = QStringLiteral("Various"))
    {
        QVariantList p = keyParams();
        p << code << place << width << legendColour;
        exec("INSERT INTO SignDesData (Job_Code, Job_Section, Sign_Pos, Sign_Code, Sign_Place, Sign_Width, "
             "Legend_Colour, Sign_Depth, Sign_Clearance, Legend_Class, Bkgnd_Class, Bkgnd_Colour, Num_Brackets, "
             "Num_Stiffeners, Stiffener_Spacing) VALUES (?, ?, ?, ?, ?, ?, ?, 900, 0, 'Various', 'Various', "
             "'Various', 2, 0, 0)",
             p);
    }
    void setColumn(const char *table, const char *column, const QVariant &v)
    {
        QVariantList p{v};
        p << keyParams();
        exec(QStringLiteral("UPDATE %1 SET %2 = ? WHERE %3").arg(table, column, database::DesignKeyCondition), p);
    }
    // Only the reading, so that the design run leaves the read values alone.
    engine::DesignState read()
    {
        engine::DesignState s;
        engine::ResetDesignData(s, database::CurrentDefaultValues());
        const database::StoreResult r = database::ReadStoredDesign(db(), s, K);
        EXPECT_TRUE(r.ok()) << r.message.toStdString();
        return s;
    }
};

TEST_F(LoadTest, PlacesGiveCountsAndSlots)
{
    storeParents();
    storeSign("U", "FU", 300);  // before FM: still slot 3, the counts come first
    storeSign("L", "FL", 100);
    storeSign("M", "FM", 200);
    storeSign("B", "BS", 400);
    const engine::DesignState s = read();
    const engine::DesignRecord &d = s.CurrentDesign;
    EXPECT_EQ(d.NumFrontSigns, 3);
    EXPECT_EQ(d.NumBackSigns, 1);
    EXPECT_EQ(d.FrontSignWidth[1], 100);
    EXPECT_EQ(d.FrontSignWidth[2], 200);
    EXPECT_EQ(d.FrontSignWidth[3], 300);
    EXPECT_EQ(d.BackSignWidth, 400);
    EXPECT_EQ(d.SignCode[3].Trimmed(), "U");
    EXPECT_EQ(d.JobCode.str(), "JOB            ");
}

TEST_F(LoadTest, LowerAndUpperGiveTwoPanels)
{
    storeParents();
    storeSign("L", "FL", 100);
    storeSign("U", "FU", 300);
    const engine::DesignState s = read();
    EXPECT_EQ(s.CurrentDesign.NumFrontSigns, 2);
    EXPECT_EQ(s.CurrentDesign.FrontSignWidth[2], 300);
    EXPECT_EQ(s.CurrentDesign.SignCode[2].Trimmed(), "U");
}

TEST_F(LoadTest, BackPanelAlone)
{
    storeParents();
    storeSign("B", "BS", 900);
    const engine::DesignState s = read();
    EXPECT_EQ(s.CurrentDesign.NumFrontSigns, 0);
    EXPECT_EQ(s.CurrentDesign.NumBackSigns, 1);
    EXPECT_EQ(s.CurrentDesign.BackSignWidth, 900);
    EXPECT_EQ(s.CurrentDesign.SignCode[4].Trimmed(), "B");
    EXPECT_EQ(s.CurrentDesign.FrontSignWidth[1], 0);
}

TEST_F(LoadTest, LowerAloneCountsNoPanelButFillsSlotOne)
{
    storeParents();
    storeSign("L", "FL", 100);
    const engine::DesignState s = read();
    EXPECT_EQ(s.CurrentDesign.NumFrontSigns, 0);
    EXPECT_EQ(s.CurrentDesign.FrontSignWidth[1], 100);
}

TEST_F(LoadTest, UnknownPlaceIsSkipped)
{
    storeParents();
    storeSign("S", "FS", 100);
    storeSign("X", "ZZ", 999);
    storeSign("Y", "fs", 888);  // letter case counts
    const engine::DesignState s = read();
    EXPECT_EQ(s.CurrentDesign.NumFrontSigns, 1);
    EXPECT_EQ(s.CurrentDesign.FrontSignWidth[1], 100);
    for (int i = 0; i <= 4; ++i) {
        EXPECT_NE(s.CurrentDesign.SignCode[static_cast<std::size_t>(i)].Trimmed(), "X");
        EXPECT_NE(s.CurrentDesign.SignCode[static_cast<std::size_t>(i)].Trimmed(), "Y");
    }
}

TEST_F(LoadTest, SupportNameChoosesTheKind)
{
    storeParents(QStringLiteral("Truss Steel"));
    setColumn("SupDesData", "Num_Posts", 3);
    setColumn("SupDesData", "Footing_Type", 2);
    storeSign("S", "FS", 100);
    setColumn("SignDesData", "Num_Brackets", 6);
    const engine::DesignState s = read();
    EXPECT_EQ(s.CurrentSupportType, 3);
    EXPECT_EQ(s.SupportDesigns[3].NumPosts, 3);
    EXPECT_EQ(s.SupportDesigns[3].FootingType, 2);
    EXPECT_EQ(s.SupportDesigns[3].NumBrackets[1], 6);
    EXPECT_EQ(s.SupportDesigns[1].NumPosts, 0);
    EXPECT_EQ(s.SupportDesigns[1].FootingType, 1);
}

TEST_F(LoadTest, UnknownSupportNameGoesToTheFirstKind)
{
    storeParents(QStringLiteral("truss steel"));
    setColumn("SupDesData", "Num_Posts", 2);
    const engine::DesignState s = read();
    EXPECT_EQ(s.CurrentSupportType, 1);
    EXPECT_EQ(s.SupportDesigns[1].NumPosts, 2);
}

TEST_F(LoadTest, TextConversions)
{
    storeParents();
    setColumn("SupDesData", "Post_Spacing", 1500);
    setColumn("SupDesData", "Spacing_Type", "Variable");
    setColumn("SupDesData", "Slip_Base_Req", "y");
    setColumn("SupDesData", "Screw_Footing_Dim", " 450");
    setColumn("SupDesData", "Post_Dimensions", "125x75x5 long text");
    engine::DesignState s = read();
    const engine::SupportDesign &chs = s.SupportDesigns[1];
    EXPECT_EQ(chs.SpacingType, 1);
    EXPECT_EQ(chs.Spacing[1], 1500);
    EXPECT_EQ(chs.SlipBaseReq, 0);
    EXPECT_EQ(chs.ScrewFootingDim, 450);
    EXPECT_EQ(chs.PostDimensions.str(), "125x75x5 lon");

    setColumn("SupDesData", "Spacing_Type", "Standard");
    setColumn("SupDesData", "Slip_Base_Req", "Y");
    s = read();
    EXPECT_EQ(s.SupportDesigns[1].SpacingType, 0);
    EXPECT_EQ(s.SupportDesigns[1].Spacing[1], 0);
    EXPECT_EQ(s.SupportDesigns[1].SlipBaseReq, -1);
}

TEST_F(LoadTest, NamesAreLookedUpExactly)
{
    storeParents();
    storeSign("S", "FS", 100, QStringLiteral("Black CAL"));
    storeSign("B", "BS", 100, QStringLiteral("black cal"));
    setColumn("SignDesData", "Bkgnd_Class", "Various");
    const engine::DesignState s = read();
    EXPECT_EQ(s.CurrentDesign.LegendColour[1], 2);
    EXPECT_EQ(s.CurrentDesign.LegendColour[4], 0);
    EXPECT_EQ(s.CurrentDesign.BkgndClass[1], 0);
}

TEST_F(LoadTest, ReducedLevelRoundsHalvesToEven)
{
    storeParents();
    const std::pair<double, int> cases[] = {{2.5, 2}, {3.5, 4}, {-1.5, -2}, {12.4, 12}};
    for (const auto &[stored, expected] : cases) {
        setColumn("LocDesData", "RP_Reduced_Level", stored);
        EXPECT_EQ(read().CurrentDesign.RPReducedLevel, expected) << stored;
    }
}

// Rows stored before the notes came hold no notes: they load with none.
TEST_F(LoadTest, NullNotesReadAsTheEmptyText)
{
    storeParents();
    storeSign("S", "FS", 100);
    setColumn("LocDesData", "Notes", QVariant());
    const engine::DesignState s = read();
    EXPECT_EQ(s.CurrentDesign.Notes, "");
    EXPECT_EQ(load(K).CurrentDesign.NumFrontSigns, 1);
}

// A number stored as text, or as a real, reads as the number; text that is
// no number is refused (StoredValuesNeverWritten).
TEST_F(LoadTest, NumbersStoredAsTextOrRealRead)
{
    storeParents();
    setColumn("SupDesData", "Num_Posts", "2");
    setColumn("SupDesData", "Stub_Length", " 750 ");
    setColumn("SupDesData", "Post_Spacing", 1234.5);
    const engine::DesignState s = read();
    EXPECT_EQ(s.SupportDesigns[1].NumPosts, 2);
    EXPECT_EQ(s.SupportDesigns[1].StubLength, 750);
    EXPECT_EQ(s.SupportDesigns[1].PostSpacing, 1234);
}

// A key with no stored rows names no design: the load is refused with a
// message instead of putting an empty design in place of the open one.
TEST_F(LoadTest, NoRowsAreRefusedAndTheOpenDesignStays)
{
    engine::DesignState s = SimpleDesign();
    s.StiffenerLimit = {0, 10, 20, 30, 40, 50};
    RunAsMainWindow(s);
    const engine::DesignState before = s;
    const database::StoreResult r = database::LoadSignDesign(db(), s, database::CurrentDefaultValues(), K);
    EXPECT_EQ(r.outcome, StoreOutcome::Refused);
    ASSERT_EQ(messages.calls.size(), 1U);
    EXPECT_EQ(messages.calls[0].text, r.message);
    EXPECT_TRUE(r.message.startsWith(QStringLiteral("No design is stored under "))) << r.message.toStdString();
    EXPECT_EQ(s.CurrentDesign, before.CurrentDesign);
    EXPECT_EQ(s.SupportDesigns, before.SupportDesigns);
    EXPECT_EQ(s.StiffenerLimit, before.StiffenerLimit);
    EXPECT_EQ(s.DesignOpen, engine::FlagTrue);
    EXPECT_EQ(progress.calls, (std::vector<Call>{{35, 2}, {75, 2}}));
}

TEST_F(LoadTest, StoredLimitsReplaceTheLimitsInForce)
{
    engine::DesignState s = SimpleDesign();
    s.StiffenerLimit = {0, 55, 255, 455, 35, 105};
    save(s);
    engine::DesignState other;
    ASSERT_TRUE(database::LoadSignDesign(db(), other, database::CurrentDefaultValues(), database::KeyOf(s.CurrentDesign))
                    .ok());
    EXPECT_EQ(other.StiffenerLimit, s.StiffenerLimit);
    EXPECT_EQ(progress.calls, (std::vector<Call>{{10, 2}, {35, 2}, {75, 2}, {35, 2}, {75, 2}}));
}

TEST_F(LoadTest, SixthSegmentLoadsAndTheDesignRuns)
{
    engine::DesignState s = SimpleDesign();
    s.CurrentDesign.SegLength[3] = 1000;
    s.CurrentDesign.SegLength[4] = 1000;
    s.CurrentDesign.SegLength[5] = 1000;
    s.CurrentDesign.SegLength[6] = 1500;
    s.CurrentDesign.SegDeltaHeight[6] = -800;
    save(s);
    const engine::DesignState loaded = load(database::KeyOf(s.CurrentDesign));
    EXPECT_EQ(loaded.CurrentDesign.SegLength[6], 1500);
    EXPECT_EQ(loaded.CurrentDesign.SegDeltaHeight[6], -800);
    EXPECT_EQ(loaded.DesignOpen, engine::FlagTrue);
    // The design itself takes no notice of the sixth segment.
    engine::DesignState fiveSegments = s;
    fiveSegments.CurrentDesign.SegLength[6] = 0;
    fiveSegments.CurrentDesign.SegDeltaHeight[6] = 0;
    RunAsMainWindow(fiveSegments);
    EXPECT_TRUE(loaded.SupportDesigns == fiveSegments.SupportDesigns);
}

TEST_F(LoadTest, UnreadableRowsLeaveTheOpenDesignAlone)
{
    engine::DesignState s = SimpleDesign();
    RunAsMainWindow(s);
    save(s);
    const engine::DesignState before = s;
    exec("DROP TABLE SignDesData");
    const database::StoreResult r =
        database::LoadSignDesign(db(), s, database::CurrentDefaultValues(), database::KeyOf(s.CurrentDesign));
    EXPECT_EQ(r.outcome, StoreOutcome::Failed);
    EXPECT_EQ(messages.calls.size(), 1U);
    EXPECT_EQ(s.CurrentDesign, before.CurrentDesign);
    EXPECT_EQ(s.SupportDesigns, before.SupportDesigns);
}

} // namespace
} // namespace storetest
