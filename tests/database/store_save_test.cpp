// Saving the open design: the rows written, their conversions, replacing a
// stored design, the Save As question, refusals and progress.

#include "store_test_support.h"

#include "engine/reference_lists.h"

#include <QDate>

namespace storetest {
namespace {

using Call = testing_support::RecordingProgress::Call;

class SaveTest : public StoreTest {
protected:
    QStringList places(const StoredDesignKey &key)
    {
        QStringList out;
        for (const auto &r : rows(QStringLiteral("SELECT Sign_Place FROM SignDesData WHERE %1 ORDER BY rowid")
                                      .arg(database::DesignKeyCondition),
                                  database::DesignKeyParams(key.JobCode, key.JobSection, key.SignPos)))
            out << r[0].toString();
        return out;
    }
    void setPanels(engine::DesignState &s, int fronts, bool back)
    {
        engine::DesignRecord &d = s.CurrentDesign;
        d.NumFrontSigns = static_cast<int16_t>(fronts);
        d.NumBackSigns = back ? 1 : 0;
        for (int i = 1; i <= 3; ++i) {
            d.FrontSignWidth[i] = i <= fronts ? 1000 * i : 0;
            d.FrontSignDepth[i] = i <= fronts ? 500 : 0;
            d.SignCode[i] = "F" + std::to_string(i);
        }
        d.BackSignWidth = back ? 900 : 0;
        d.BackSignDepth = back ? 600 : 0;
        d.SignCode[4] = "B";
    }
};

TEST_F(SaveTest, SignPlacesFollowThePanelCount)
{
    struct Case {
        int fronts;
        bool back;
        QStringList expected;
    };
    const Case cases[] = {
        {1, false, {"FS"}},
        {2, true, {"FL", "FU", "BS"}},
        {3, false, {"FL", "FM", "FU"}},
        {3, true, {"FL", "FM", "FU", "BS"}},
        {0, true, {"BS"}},
        {0, false, {}},
    };
    int n = 0;
    for (const Case &c : cases) {
        const std::string pos = "P" + std::to_string(++n);
        engine::DesignState s = NewDesign("J", "S", pos.c_str());
        setPanels(s, c.fronts, c.back);
        save(s);
        const StoredDesignKey key = Key("J", "S", pos.c_str());
        EXPECT_EQ(places(key), c.expected) << "fronts " << c.fronts << " back " << c.back;
        // The other tables get their rows whatever the panels.
        EXPECT_EQ(rowsOfKey("LocDesData", key), 1);
        EXPECT_EQ(rowsOfKey("SupDesData", key), 1);
        EXPECT_EQ(rowsOfKey("PrintRecord", key), 1);
    }
}

TEST_F(SaveTest, SupportRowHoldsTheViewedKindWithItsConversions)
{
    engine::DesignState s = SimpleDesign();
    s.CurrentSupportType = engine::SupportRhs;
    engine::SupportDesign &rhs = s.SupportDesigns[2];
    rhs.SpacingType = 2;
    rhs.SlipBaseReq = 1;
    rhs.ScrewFootingDim = 600;
    rhs.PostDimensions = "75x50";
    rhs.PostSpacing = 1200;
    s.SupportDesigns[1].PostDimensions = "50 NB";  // another kind: not stored
    s.StiffenerLimit = {0, 60, 260, 460, 30, 110};
    save(s);

    const auto r = rows(QStringLiteral("SELECT Sup_Name, Spacing_Type, Slip_Base_Req, Screw_Footing_Dim, "
                                       "Post_Dimensions, Post_Spacing, Stiffener_Limit_1, Stiffener_Limit_5 "
                                       "FROM SupDesData"));
    ASSERT_EQ(r.size(), 1U);
    EXPECT_EQ(r[0][0].toString(), "RHS Steel");
    EXPECT_EQ(r[0][1].toString(), "Variable");
    EXPECT_EQ(r[0][2].toString(), "Y");
    EXPECT_EQ(r[0][3].toString(), " 600");
    EXPECT_EQ(r[0][4].toString(), "75x50       ");  // fixed text of 12, blanks kept
    EXPECT_EQ(r[0][5].toLongLong(), 1200);
    EXPECT_EQ(r[0][6].toLongLong(), 60);
    EXPECT_EQ(r[0][7].toLongLong(), 110);

    rhs.SpacingType = 0;
    rhs.SlipBaseReq = 0;
    rhs.ScrewFootingDim = 0;
    save(s);
    const auto again = rows(QStringLiteral("SELECT Spacing_Type, Slip_Base_Req, Screw_Footing_Dim FROM SupDesData"));
    ASSERT_EQ(again.size(), 1U);
    EXPECT_EQ(again[0][0].toString(), "Standard");
    EXPECT_EQ(again[0][1].toString(), "N");
    EXPECT_EQ(again[0][2].toString(), " 0");
}

TEST_F(SaveTest, SignAndLocationColumns)
{
    engine::DesignState s = SimpleDesign();
    s.CurrentDesign.LegendColour[1] = 2;
    s.CurrentDesign.BkgndColour[1] = 9;
    s.CurrentDesign.Notes = "fix to existing pole";
    s.CurrentDesign.RPReducedLevel = 12345;
    s.SupportDesigns[1].NumBrackets[1] = 8;
    save(s);
    const auto sign = rows(QStringLiteral("SELECT Sign_Code, Legend_Class, Legend_Colour, Bkgnd_Class, Bkgnd_Colour, "
                                          "Num_Brackets, Sign_Width FROM SignDesData"));
    ASSERT_EQ(sign.size(), 1U);
    EXPECT_EQ(sign[0][0].toString(), "G1-1      ");
    EXPECT_EQ(sign[0][1].toString(), "1");
    EXPECT_EQ(sign[0][2].toString(), "Black CAL");
    EXPECT_EQ(sign[0][3].toString(), "1A");
    EXPECT_EQ(sign[0][4].toString(), "Fluoro Org");
    EXPECT_EQ(sign[0][5].toLongLong(), 8);
    EXPECT_EQ(sign[0][6].toLongLong(), 2000);
    const auto loc = rows(QStringLiteral("SELECT Notes, RP_Reduced_Level, Job_Code FROM LocDesData"));
    ASSERT_EQ(loc.size(), 1U);
    EXPECT_EQ(loc[0][0].toString(), "fix to existing pole");
    EXPECT_DOUBLE_EQ(loc[0][1].toDouble(), 12345.0);
    EXPECT_EQ(loc[0][2].toString(), "J1             ");  // key padded to 15
}

TEST_F(SaveTest, ValuesAreStoredAtFullWidth)
{
    engine::DesignState s = SimpleDesign();
    s.CurrentDesign.SegBackLength[1] = 100000;
    s.CurrentDesign.DistFromKerb = 40000;
    s.SupportDesigns[1].PostSpacing = 70000;
    s.SupportDesigns[1].StrutPost[2] = -2000000;
    save(s);
    EXPECT_EQ(value("SELECT Dist_From_Kerb FROM LocDesData").toLongLong(), 40000);
    EXPECT_EQ(value("SELECT Seg_Back_Length_1 FROM LocDesData").toLongLong(), 100000);
    EXPECT_EQ(value("SELECT Post_Spacing FROM SupDesData").toLongLong(), 70000);
    EXPECT_EQ(value("SELECT Strut_Post_2 FROM SupDesData").toLongLong(), -2000000);
    const engine::DesignState loaded = load(database::KeyOf(s.CurrentDesign));
    EXPECT_EQ(loaded.CurrentDesign.SegBackLength[1], 100000);
}

TEST_F(SaveTest, ResavingResetsThePrintRecord)
{
    engine::DesignState s = SimpleDesign();
    save(s);
    exec("UPDATE PrintRecord SET DForm_Print_Status = 'Y', DForm_Date = '01/02/2003', OFormSF_ReqNo = 'R-77', "
         "Selected = -1, OFormFT_Sel = -1");
    save(s);
    const QString today = QDate::currentDate().toString(QStringLiteral("dd/MM/yyyy"));
    const auto r = rows(QStringLiteral(
        "SELECT DForm_Print_Status, SForm_Print_Status, OFormSF_Print_Status, OFormSP_Print_Status, "
        "OFormFT_Print_Status, OFormSF_ReqNo, OFormSP_ReqNo, OFormFT_ReqNo, DForm_Date, SForm_Date, OFormSF_Date, "
        "OFormSP_Date, OFormFT_Date, Selected, OFormSF_Sel, OFormSP_Sel, OFormFT_Sel FROM PrintRecord"));
    ASSERT_EQ(r.size(), 1U);
    for (int i = 0; i < 5; ++i)
        EXPECT_EQ(r[0][i].toString(), "N");
    for (int i = 5; i < 8; ++i)
        EXPECT_EQ(r[0][i].toString(), "-");
    for (int i = 8; i < 13; ++i)
        EXPECT_EQ(r[0][i].toString(), today);
    for (int i = 13; i < 17; ++i)
        EXPECT_EQ(r[0][i].toLongLong(), 0);
}

TEST_F(SaveTest, JobActivity)
{
    engine::DesignState only = SimpleDesign("ONLY", "S", "P");
    save(only);
    exec("UPDATE JOBS SET Active = 'N'");
    save(only);  // the only design of an inactive job: the job is active again
    EXPECT_EQ(value("SELECT Active FROM JOBS WHERE Job_Code = ?", {database::PadKey(QStringLiteral("ONLY"))}), "Y");

    engine::DesignState first = SimpleDesign("TWO", "S", "P1");
    engine::DesignState second = SimpleDesign("TWO", "S", "P2");
    save(first);
    save(second);
    exec("UPDATE JOBS SET Active = 'N' WHERE Job_Code = ?", {database::PadKey(QStringLiteral("TWO"))});
    save(first);  // another design keeps the job row and its flag
    EXPECT_EQ(value("SELECT Active FROM JOBS WHERE Job_Code = ?", {database::PadKey(QStringLiteral("TWO"))}), "N");
    EXPECT_EQ(count("JOBS"), 2);
}

TEST_F(SaveTest, SaveReplacesTheStoredDesignWithoutAsking)
{
    engine::DesignState s = SimpleDesign();
    setPanels(s, 3, true);
    save(s);
    setPanels(s, 1, false);
    save(s);
    EXPECT_TRUE(messages.calls.empty());
    EXPECT_EQ(places(database::KeyOf(s.CurrentDesign)), QStringList{"FS"});
    EXPECT_EQ(count("LocDesData"), 1);
}

TEST_F(SaveTest, DuplicateSignNumbersAreRefusedBeforeWriting)
{
    engine::DesignState s = SimpleDesign();
    save(s);
    const long long before = designRows(database::KeyOf(s.CurrentDesign));
    setPanels(s, 2, true);
    s.CurrentDesign.SignCode[1] = "A1";
    s.CurrentDesign.SignCode[4] = "a1";  // the stored keys ignore letter case
    s.DesignChanged = engine::FlagTrue;
    database::StoreResult r = database::SaveSignDesign(db(), s, database::KeyOf(s.CurrentDesign));
    EXPECT_EQ(r.outcome, StoreOutcome::Refused);
    ASSERT_EQ(messages.calls.size(), 1U);
    EXPECT_TRUE(messages.calls[0].text.contains("A1")) << messages.calls[0].text.toStdString();
    EXPECT_EQ(s.DesignChanged, engine::FlagTrue);
    // The stored design is the earlier one, untouched.
    EXPECT_EQ(designRows(database::KeyOf(s.CurrentDesign)), before);
    EXPECT_EQ(places(database::KeyOf(s.CurrentDesign)), QStringList{"FS"});

    // Blank sign numbers count as the same number too.
    s.CurrentDesign.SignCode[1] = "";
    s.CurrentDesign.SignCode[2] = "";
    s.CurrentDesign.SignCode[4] = "B";
    r = database::SaveSignDesignAs(db(), s, Key("NEW", "S", "P"));
    EXPECT_EQ(r.outcome, StoreOutcome::Refused);
    EXPECT_EQ(database::SaveAsDeclined, 1);
    EXPECT_EQ(count("LocDesData"), 1);
}

TEST_F(SaveTest, BlankClassIsRefusedBeforeWriting)
{
    engine::DesignState s = SimpleDesign();
    s.CurrentDesign.BkgndClass[1] = 7;  // the blank entry of the class list
    const database::StoreResult r = database::SaveSignDesign(db(), s, database::KeyOf(s.CurrentDesign));
    EXPECT_EQ(r.outcome, StoreOutcome::Refused);
    EXPECT_TRUE(r.message.contains("background class")) << r.message.toStdString();
    EXPECT_EQ(count("LocDesData"), 0);
    EXPECT_EQ(count("JOBS"), 0);
}

TEST_F(SaveTest, SaveAsAsksBeforeReplacing)
{
    engine::DesignState s = SimpleDesign("J", "S", "P");
    save(s);
    exec("UPDATE PrintRecord SET DForm_Print_Status = 'Y'");

    // A key that is not stored: no question.
    database::StoreResult r = database::SaveSignDesignAs(db(), s, Key("J", "S", "OTHER"));
    EXPECT_TRUE(r.ok());
    EXPECT_EQ(database::SaveAsDeclined, 0);
    EXPECT_TRUE(messages.calls.empty());
    EXPECT_EQ(count("LocDesData"), 2);

    // A stored key: the question; No (the default) changes nothing.
    s.CurrentDesign.Notes = "changed";
    r = database::SaveSignDesignAs(db(), s, Key("J", "S", "P"));
    EXPECT_EQ(r.outcome, StoreOutcome::Declined);
    EXPECT_EQ(database::SaveAsDeclined, 1);
    ASSERT_EQ(messages.calls.size(), 1U);
    const platform::MessageRequest &q = messages.calls[0];
    EXPECT_EQ(q.text, "Use the current Job, Section and SignPosition name entered and replace its details with "
                      "current details?");
    EXPECT_EQ(q.title, "Sign Storage Detail already exists                  Mastra");
    EXPECT_EQ(q.buttons, platform::MessageButtons::YesNo);
    EXPECT_EQ(q.icon, platform::MessageIcon::Question);
    EXPECT_EQ(q.defaultButton, 2);
    EXPECT_EQ(value("SELECT DForm_Print_Status FROM PrintRecord WHERE Sign_Pos = ?", {database::PadKey(QStringLiteral("P"))}),
              "Y");
    EXPECT_EQ(value("SELECT Notes FROM LocDesData WHERE Sign_Pos = ?", {database::PadKey(QStringLiteral("P"))}), "");

    // Yes replaces it.
    messages.script({platform::MessageAnswer::Yes});
    r = database::SaveSignDesignAs(db(), s, Key("J", "S", "P"));
    EXPECT_TRUE(r.ok());
    EXPECT_EQ(database::SaveAsDeclined, 0);
    EXPECT_EQ(value("SELECT Notes FROM LocDesData WHERE Sign_Pos = ?", {database::PadKey(QStringLiteral("P"))}),
              "changed");
    EXPECT_EQ(value("SELECT DForm_Print_Status FROM PrintRecord WHERE Sign_Pos = ?", {database::PadKey(QStringLiteral("P"))}),
              "N");
}

TEST_F(SaveTest, SaveAsKeyIsCutToFifteenCharacters)
{
    engine::DesignState s = SimpleDesign();
    const database::StoreResult r =
        database::SaveSignDesignAs(db(), s, Key("ABCDEFGHIJKLMNOPQ", "S", "P"));
    ASSERT_TRUE(r.ok());
    EXPECT_EQ(value("SELECT Job_Code FROM LocDesData"), "ABCDEFGHIJKLMNO");
    EXPECT_EQ(value("SELECT Job_Code FROM JOBS"), "ABCDEFGHIJKLMNO");
}

TEST_F(SaveTest, ProgressSequences)
{
    engine::DesignState s = SimpleDesign();
    save(s);  // a new key
    EXPECT_EQ(progress.calls, (std::vector<Call>{{10, 2}, {35, 2}, {75, 2}}));
    progress.calls.clear();
    save(s);  // the stored design is deleted first
    EXPECT_EQ(progress.calls, (std::vector<Call>{{80, 2}, {10, 2}, {35, 2}, {75, 2}}));

    progress.calls.clear();
    ASSERT_TRUE(database::SaveSignDesignAs(db(), s, Key("X", "Y", "Z")).ok());
    EXPECT_EQ(progress.calls, (std::vector<Call>{{10, 2}, {25, 2}, {35, 2}, {50, 2}, {75, 2}}));
    progress.calls.clear();
    messages.script({platform::MessageAnswer::Yes});
    ASSERT_TRUE(database::SaveSignDesignAs(db(), s, Key("X", "Y", "Z")).ok());
    EXPECT_EQ(progress.calls, (std::vector<Call>{{80, 2}, {10, 2}, {25, 2}, {35, 2}, {50, 2}, {75, 2}}));
    progress.calls.clear();
    ASSERT_EQ(database::SaveSignDesignAs(db(), s, Key("X", "Y", "Z")).outcome, StoreOutcome::Declined);
    EXPECT_TRUE(progress.calls.empty());
}

TEST_F(SaveTest, KeyOfFifteenBlanksIsStoredAsItComes)
{
    engine::DesignState s = SimpleDesign("", "", "");
    save(s);
    EXPECT_EQ(value("SELECT Job_Code FROM LocDesData"), QString(15, ' '));
    EXPECT_EQ(rowsOfKey("SupDesData", Key("", "", "")), 1);
}

} // namespace
} // namespace storetest
