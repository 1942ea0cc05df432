// Saved, reloaded and compared: a set of varied designs comes back as the
// same design with the same results; a save that fails part-way leaves the
// stored design as it was.

#include "store_test_support.h"

namespace storetest {
namespace {

struct Variant {
    const char *name;
    void (*shape)(engine::DesignState &);
};

void Plain(engine::DesignState &) {}

void NotesAndBackPanel(engine::DesignState &s)
{
    engine::DesignRecord &d = s.CurrentDesign;
    d.Notes = "Bolt to the existing footing.\r\nCheck the services first; it's near a 50% grade";
    d.NumFrontSigns = 2;
    d.FrontSignWidth[1] = 1200;
    d.FrontSignDepth[1] = 900;
    d.FrontSignWidth[2] = 2400;
    d.FrontSignDepth[2] = 1200;
    d.FrontSignClearance[2] = 100;
    d.SignCode[2] = "R2-4";
    d.NumBackSigns = 1;
    d.BackSignWidth = 1800;
    d.BackSignDepth = 900;
    d.BackSignClearance = 200;
    d.SignCode[4] = "BACK";
    d.LegendClass[4] = 6;
    d.BkgndColour[4] = 10;
    d.SignOnLeft = 0;
    s.CurrentSupportType = engine::SupportRhs;
}

void ReferencePointThreePanels(engine::DesignState &s)
{
    engine::DesignRecord &d = s.CurrentDesign;
    d.RPSegLength = 3000;
    d.RPSegDeltaHeight = -250;
    d.RPReducedLevel = 10234;
    d.NumFrontSigns = 3;
    for (int i = 1; i <= 3; ++i) {
        d.FrontSignWidth[i] = 1500;
        d.FrontSignDepth[i] = 600;
        d.SignCode[i] = "P" + std::to_string(i);
        d.LegendColour[i] = 1;
        d.BkgndColour[i] = static_cast<int16_t>(i + 2);
    }
    d.SegBackLength[1] = 5000;
    d.SegBackHeight[1] = 120;
    d.WindRegion = 3;
    d.ExposedLocation = 1;
    d.SoilType = 2;
    s.CurrentSupportType = engine::SupportTruss;
    s.StiffenerLimit = {0, 50, 300, 500, 30, 90};
}

void ExtraPostsAndStruts(engine::DesignState &s)
{
    engine::DesignRecord &d = s.CurrentDesign;
    d.SupportStruts = engine::FlagTrue;
    d.FrontSignWidth[1] = 3600;
    d.CollisionRisk = 2;
    s.CurrentSupportType = engine::SupportStrut;
    engine::SupportDesign &strut = s.SupportDesigns[engine::SupportStrut];
    strut.PNO = 1;
    strut.FootingType = 2;
    strut.CurvedRoad = 1;
    strut.Curvature = 450;
    strut.RoadSpeed = 100;
    strut.Barrier = 1;
    strut.BarrierDistance = 2500;
    strut.AADT = 5999;
}

void VariableSpacing(engine::DesignState &s)
{
    engine::SupportDesign &chs = s.SupportDesigns[engine::SupportChs];
    chs.SpacingType = 1;
    chs.Spacing[1] = 1100;
    chs.FootingType = 2;
}

class RoundTripTest : public StoreTest {};

TEST_F(RoundTripTest, VariedDesignsComeBackTheSame)
{
    const Variant variants[] = {
        {"plain", Plain},
        {"notes and back panel", NotesAndBackPanel},
        {"reference point, three panels", ReferencePointThreePanels},
        {"extra posts and struts", ExtraPostsAndStruts},
        {"variable spacing", VariableSpacing},
    };
    int n = 0;
    for (const Variant &v : variants) {
        SCOPED_TRACE(v.name);
        const std::string pos = "RT" + std::to_string(++n);
        engine::DesignState original = SimpleDesign("ROUND", "TRIP", pos.c_str());
        v.shape(original);
        RunAsMainWindow(original);
        ASSERT_EQ(original.DesignOpen, engine::FlagTrue);
        const engine::SupportDesign &viewed =
            original.SupportDesigns[static_cast<std::size_t>(original.CurrentSupportType)];
        ASSERT_GT(viewed.NumPosts, 0);  // a design with results to compare
        ASSERT_FALSE(viewed.PostDimensions.IsBlank());
        save(original);

        // Loaded into a design that held something else before.
        engine::DesignState loaded = SimpleDesign("OTHER", "OPEN", "DESIGN");
        loaded.CurrentSupportType = 2;
        ASSERT_TRUE(database::LoadSignDesign(db(), loaded, database::CurrentDefaultValues(),
                                             database::KeyOf(original.CurrentDesign))
                        .ok());
        EXPECT_EQ(loaded.CurrentSupportType, original.CurrentSupportType);
        EXPECT_EQ(loaded.StiffenerLimit, original.StiffenerLimit);
        EXPECT_TRUE(loaded.CurrentDesign == original.CurrentDesign);
        for (int t = 1; t <= 4; ++t)
            EXPECT_TRUE(loaded.SupportDesigns[static_cast<std::size_t>(t)]
                        == original.SupportDesigns[static_cast<std::size_t>(t)])
                << "support kind " << t;
        EXPECT_EQ(loaded.DesignChanged, engine::FlagFalse);
        EXPECT_EQ(loaded.RedesignNeeded, engine::FlagFalse);

        // The storage dialog runs the design once more after a load.
        engine::RunDesign(loaded);
        engine::RunDesign(original);
        EXPECT_TRUE(loaded.SupportDesigns == original.SupportDesigns);
    }
}

class InterruptedSaveTest : public StoreTest {
protected:
    void failInsertsInto(const char *table)
    {
        exec(QStringLiteral("CREATE TRIGGER fail_%1 BEFORE INSERT ON %1 BEGIN SELECT RAISE(ABORT, 'disk trouble'); END")
                 .arg(table));
    }
};

TEST_F(InterruptedSaveTest, FailureLeavesTheStoredDesignIntact)
{
    engine::DesignState stored = SimpleDesign("J", "S", "P");
    NotesAndBackPanel(stored);
    RunAsMainWindow(stored);
    save(stored);
    exec("UPDATE PrintRecord SET DForm_Print_Status = 'Y', OFormSF_ReqNo = 'R-1'");

    for (const char *table : {"SignDesData", "PrintRecord", "SupDesData"}) {
        SCOPED_TRACE(table);
        failInsertsInto(table);
        engine::DesignState changed = stored;
        changed.CurrentDesign.Notes = "unsaved edit";
        changed.CurrentDesign.NumBackSigns = 0;
        changed.DesignChanged = engine::FlagTrue;
        messages.calls.clear();
        const database::StoreResult r =
            database::SaveSignDesign(db(), changed, database::KeyOf(changed.CurrentDesign));
        EXPECT_EQ(r.outcome, StoreOutcome::Failed);
        EXPECT_FALSE(r.sql.ok());
        ASSERT_EQ(messages.calls.size(), 1U);
        EXPECT_TRUE(messages.calls[0].text.contains("could not be saved"));
        EXPECT_TRUE(messages.calls[0].text.contains("disk trouble"));
        EXPECT_EQ(changed.DesignChanged, engine::FlagTrue);
        exec(QStringLiteral("DROP TRIGGER fail_%1").arg(table));

        // The earlier design, print history included, is still there and reads back whole.
        EXPECT_EQ(value("SELECT DForm_Print_Status FROM PrintRecord"), "Y");
        EXPECT_EQ(value("SELECT OFormSF_ReqNo FROM PrintRecord"), "R-1");
        EXPECT_EQ(count("SignDesData"), 3);
        const engine::DesignState reread = load(database::KeyOf(stored.CurrentDesign));
        EXPECT_TRUE(reread.CurrentDesign == stored.CurrentDesign);
    }

    // Save As to a new key that fails adds no job and no rows, and asks the
    // dialog not to reload from that key.
    failInsertsInto("LocDesData");
    const database::StoreResult r = database::SaveSignDesignAs(db(), stored, Key("NEWJOB", "S", "P"));
    EXPECT_EQ(r.outcome, StoreOutcome::Failed);
    EXPECT_EQ(database::SaveAsDeclined, 1);
    EXPECT_EQ(count("JOBS"), 1);
    EXPECT_EQ(count("LocDesData"), 1);
}

TEST_F(InterruptedSaveTest, DeleteAndRenameRollBackOnFailure)
{
    save(SimpleDesign("J", "S", "P1"));
    save(SimpleDesign("J", "S", "P2"));
    // A statement that fails after the first rows went: nothing is deleted.
    exec("CREATE TRIGGER no_print_delete BEFORE DELETE ON PrintRecord BEGIN SELECT RAISE(ABORT, 'locked'); END");
    database::StoreResult r = database::DeleteStoredSign(db(), database::LevelJob, Key("J", "", ""));
    EXPECT_EQ(r.outcome, StoreOutcome::Failed);
    EXPECT_EQ(count("JOBS"), 1);
    EXPECT_EQ(count("LocDesData"), 2);
    EXPECT_EQ(count("SignDesData"), 2);
    EXPECT_EQ(count("PrintRecord"), 2);
    exec("DROP TRIGGER no_print_delete");

    exec("CREATE TRIGGER no_sign_update BEFORE UPDATE ON SignDesData BEGIN SELECT RAISE(ABORT, 'locked'); END");
    r = database::RenameStoredSign(db(), database::LevelJob, Key("J", "", ""), Key("K", "", ""));
    EXPECT_EQ(r.outcome, StoreOutcome::Failed);
    EXPECT_EQ(value("SELECT COUNT(*) FROM LocDesData WHERE Job_Code = ?", {database::PadKey(QStringLiteral("J"))})
                  .toLongLong(),
              2);
    EXPECT_EQ(value("SELECT Job_Code FROM JOBS").toString().trimmed(), "J");
}

} // namespace
} // namespace storetest
