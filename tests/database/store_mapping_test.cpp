// Every stored column against the record field it belongs to, by name, with
// a distinct value in each, so that two fields swapped on the way in (or out)
// cannot hide behind a round trip that swaps them back.

#include "store_test_support.h"

#include <map>

namespace storetest {
namespace {

using ColumnMap = std::map<QString, QVariant>;

class MappingTest : public StoreTest {
protected:
    // One row of a table for the key, every column by name.
    ColumnMap rowOf(const char *table, const StoredDesignKey &key, const QString &extra = QString())
    {
        auto st = db().prepare(QStringLiteral("SELECT * FROM %1 WHERE %2%3")
                                   .arg(QLatin1String(table), QLatin1String(database::DesignKeyCondition), extra));
        database::BindDesignKey(st, key.JobCode, key.JobSection, key.SignPos);
        EXPECT_TRUE(st.exec().ok());
        ColumnMap out;
        if (st.next())
            for (int c = 0; c < st.columnCount(); ++c)
                out[st.columnName(c)] = st.value(c);
        return out;
    }
    static void expectColumns(const ColumnMap &row, const ColumnMap &expected, const char *table)
    {
        ASSERT_FALSE(row.empty()) << table;
        for (const auto &[column, value] : expected) {
            ASSERT_TRUE(row.count(column)) << table << "." << column.toStdString();
            EXPECT_EQ(row.at(column).toString(), value.toString()) << table << "." << column.toStdString();
        }
    }
    // Inserts a row of named columns.
    void insert(const char *table, const ColumnMap &values)
    {
        QStringList columns, marks;
        QVariantList params;
        for (const auto &[column, value] : values) {
            columns << column;
            marks << QStringLiteral("?");
            params << value;
        }
        exec(QStringLiteral("INSERT INTO %1 (%2) VALUES (%3)")
                 .arg(QLatin1String(table), columns.join(QStringLiteral(", ")), marks.join(QStringLiteral(", "))),
             params);
    }
};

const StoredDesignKey K = Key("MAP", "EVERY", "COLUMN");

ColumnMap keyColumns()
{
    return {{"Job_Code", database::PadKey(K.JobCode)},
            {"Job_Section", database::PadKey(K.JobSection)},
            {"Sign_Pos", database::PadKey(K.SignPos)}};
}

TEST_F(MappingTest, SavingWritesEachFieldIntoItsOwnColumn)
{
    engine::DesignState s = NewDesign("MAP", "EVERY", "COLUMN");
    engine::DesignRecord &d = s.CurrentDesign;
    d.WindRegion = 2;
    d.ExposedLocation = 1;
    d.CollisionRisk = 2;
    d.SoilType = 4;
    for (int k = 1; k <= 6; ++k) {
        d.SegLength[k] = 100 + k;
        d.SegDeltaHeight[k] = 200 + k;
        d.SegBackLength[k] = 40000 + k;
        d.SegBackHeight[k] = 50000 + k;
    }
    d.SignOnLeft = engine::FlagTrue;
    d.DistFromKerb = 3001;
    d.RPSegLength = 3002;
    d.RPSegDeltaHeight = 3003;
    d.RPReducedLevel = 3004;
    d.RoadHeight = 3005;
    d.SupportStruts = engine::FlagTrue;
    d.MinimumClearance = 3006;
    d.MaximumClearance = 3007;
    d.Notes = "notes";
    d.NumFrontSigns = 2;
    d.NumBackSigns = 1;
    for (int slot : {1, 2, 4}) {
        d.SignCode[slot] = "C" + std::to_string(slot);
        d.LegendClass[slot] = static_cast<int16_t>(slot);      // 1A, 1, -, 2A
        d.LegendColour[slot] = static_cast<int16_t>(slot % 3);  // White, Black CAL, -, White
        d.BkgndClass[slot] = static_cast<int16_t>(slot + 1);   // 1, 1W, -, 2
        d.BkgndColour[slot] = static_cast<int16_t>(slot + 5);  // Blue, Brown, -, Fluoro Org
    }
    for (int slot : {1, 2}) {
        d.FrontSignWidth[slot] = 1000 + 10 * slot;
        d.FrontSignDepth[slot] = 1001 + 10 * slot;
        d.FrontSignClearance[slot] = 1002 + 10 * slot;
    }
    d.BackSignWidth = 1040;
    d.BackSignDepth = 1041;
    d.BackSignClearance = 1042;

    s.CurrentSupportType = engine::SupportStrut;
    s.StiffenerLimit = {0, 11, 12, 13, 14, 15};
    engine::SupportDesign &t = s.SupportDesigns[engine::SupportStrut];
    t.NumPosts = 2;
    t.PNO = 1;
    t.AOP = 3;
    t.PostSpacing = 1701;
    t.SpacingType = 2;
    for (int p = 1; p <= 4; ++p) {
        t.PostLength[p] = 2100 + p;
        t.PostClearance[p] = 2800 + p;
        t.StrutPost[p] = 60000 + p;
        t.StrutStub[p] = 70000 + p;
    }
    t.StubLength = 2200;
    t.PostDimensions = "DIM";
    t.PostWallThickness = "WALL";
    t.PostMatGrade = "GRADE";
    t.SlipBaseReq = 5;
    t.NormFootingDim = "NFD";
    t.NormFootingDep = 2300;
    t.ScrewFootingDim = 2400;
    t.ScrewFootingDep = 2500;
    t.StiffenerType = 2;
    t.NoResultCode = 7;
    t.WarningCode = 12;
    t.FootingType = 2;
    t.Overhang = 2600;
    t.NumStruts = 3;
    t.StrutSpacing = 2700;
    t.NumSpreaderPlates = 4;
    t.CurvedRoad = 1;
    t.Curvature = 450;
    t.RoadSpeed = 80;
    t.Barrier = 1;
    t.BarrierDistance = 2900;
    t.AADT = 1449;
    for (int slot : {1, 2, 4}) {
        t.NumBrackets[slot] = static_cast<int16_t>(20 + slot);
        t.NumStiffeners[slot] = static_cast<int16_t>(30 + slot);
        t.StiffenerSpacing[slot] = 400 + slot;
    }
    save(s);

    ColumnMap loc = keyColumns();
    loc.insert({{"Notes", "notes"}, {"Wind_Region", 2}, {"Exposed_Location", 1}, {"Collision_Risk", 2},
                {"Soil_Type", 4}, {"Sign_On_Left", -1}, {"Dist_From_Kerb", 3001}, {"RP_Seg_Length", 3002},
                {"RP_Seg_Delta_Height", 3003}, {"RP_Reduced_Level", 3004.0}, {"Road_Height", 3005},
                {"Support_Struts", -1}});
    for (int k = 1; k <= 6; ++k) {
        loc[QStringLiteral("Seg_Length_%1").arg(k)] = 100 + k;
        loc[QStringLiteral("Seg_Delta_Height_%1").arg(k)] = 200 + k;
        loc[QStringLiteral("Seg_Back_Length_%1").arg(k)] = 40000 + k;
        loc[QStringLiteral("Seg_Back_Height_%1").arg(k)] = 50000 + k;
    }
    expectColumns(rowOf("LocDesData", K), loc, "LocDesData");

    ColumnMap sup = keyColumns();
    sup.insert({{"Sup_Name", "Strut Steel"},
                {"Num_Posts", 2},
                {"PNO", 1},
                {"AOP", 3},
                {"Post_Spacing", 1701},
                {"Spacing_Type", "Variable"},
                {"Stub_Length", 2200},
                {"Post_Dimensions", "DIM         "},
                {"Post_Wall_Thickness", "WALL    "},
                {"Post_Mat_Grade", "GRADE     "},
                {"Slip_Base_Req", "Y"},
                {"Norm_Footing_Dim", "NFD     "},
                {"Norm_Footing_Dep", 2300},
                {"Screw_Footing_Dim", " 2400"},
                {"Screw_Footing_Dep", 2500},
                {"Stiffener_Type", 2},
                {"No_Result_Code", 7},
                {"Warning_Code", 12},
                {"Footing_Type", 2},
                {"Overhang", 2600},
                {"Num_Struts", 3},
                {"Strut_Spacing", 2700},
                {"Num_Spreader_Plates", 4},
                {"Minimum_Clearance", 3006},
                {"Curved_Road", 1},
                {"Curvature", 450},
                {"Road_Speed", 80},
                {"Barrier", 1},
                {"BarrierDistance", 2900},
                {"AADT", 1449}});
    const char *lengths[] = {"Kerb_Post", "Post_2", "Post_3", "Post_4"};
    for (int p = 1; p <= 4; ++p) {
        sup[QLatin1String(lengths[p - 1])] = 2100 + p;
        sup[QStringLiteral("Clearance_Post%1").arg(p)] = 2800 + p;
        sup[QStringLiteral("Strut_Post_%1").arg(p)] = 60000 + p;
        sup[QStringLiteral("Strut_Stub_%1").arg(p)] = 70000 + p;
    }
    for (int i = 1; i <= 5; ++i)
        sup[QStringLiteral("Stiffener_Limit_%1").arg(i)] = 10 + i;
    expectColumns(rowOf("SupDesData", K), sup, "SupDesData");

    struct Sign {
        const char *place;
        const char *code;
        int width, depth, clearance;
        const char *legendClass, *legendColour, *bkgndClass, *bkgndColour;
        int slot;
    };
    const Sign signs[] = {
        {"FL", "C1        ", 1010, 1011, 1012, "1A", "White", "1", "Blue", 1},
        {"FU", "C2        ", 1020, 1021, 1022, "1", "Black CAL", "1W", "Brown", 2},
        {"BS", "C4        ", 1040, 1041, 1042, "2A", "White", "2", "Fluoro Org", 4},
    };
    for (const Sign &g : signs) {
        ColumnMap sign = keyColumns();
        sign.insert({{"Sign_Code", g.code},
                     {"Sign_Place", g.place},
                     {"Sign_Width", g.width},
                     {"Sign_Depth", g.depth},
                     {"Sign_Clearance", g.clearance},
                     {"Legend_Class", g.legendClass},
                     {"Legend_Colour", g.legendColour},
                     {"Bkgnd_Class", g.bkgndClass},
                     {"Bkgnd_Colour", g.bkgndColour},
                     {"Num_Brackets", 20 + g.slot},
                     {"Num_Stiffeners", 30 + g.slot},
                     {"Stiffener_Spacing", 400 + g.slot}});
        expectColumns(rowOf("SignDesData", K, QStringLiteral(" AND Sign_Place = '%1'").arg(QLatin1String(g.place))),
                      sign, g.place);
    }
}

TEST_F(MappingTest, LoadingReadsEachColumnIntoItsOwnField)
{
    insert("JOBS", {{"Job_Code", database::PadKey(K.JobCode)}, {"Active", "Y"}});
    ColumnMap loc = keyColumns();
    loc.insert({{"Notes", "notes"}, {"Wind_Region", 2}, {"Exposed_Location", 1}, {"Collision_Risk", 2},
                {"Soil_Type", 4}, {"Sign_On_Left", -1}, {"Dist_From_Kerb", 3001}, {"RP_Seg_Length", 3002},
                {"RP_Seg_Delta_Height", 3003}, {"RP_Reduced_Level", 3004.5}, {"Road_Height", 3005},
                {"Support_Struts", -1}});
    for (int k = 1; k <= 6; ++k) {
        loc[QStringLiteral("Seg_Length_%1").arg(k)] = 100 + k;
        loc[QStringLiteral("Seg_Delta_Height_%1").arg(k)] = 200 + k;
        loc[QStringLiteral("Seg_Back_Length_%1").arg(k)] = 40000 + k;
        loc[QStringLiteral("Seg_Back_Height_%1").arg(k)] = 50000 + k;
    }
    insert("LocDesData", loc);

    ColumnMap sup = keyColumns();
    sup.insert({{"Sup_Name", "RHS Steel"},
                {"Num_Posts", 2},
                {"PNO", 1},
                {"AOP", 3},
                {"Post_Spacing", 1701},
                {"Spacing_Type", "Variable"},
                {"Stub_Length", 2200},
                {"Post_Dimensions", "DIM"},
                {"Post_Wall_Thickness", "WALL"},
                {"Post_Mat_Grade", "GRADE"},
                {"Slip_Base_Req", "Y"},
                {"Norm_Footing_Dim", "NFD"},
                {"Norm_Footing_Dep", 2300},
                {"Screw_Footing_Dim", " 2400.5"},
                {"Screw_Footing_Dep", 2500},
                {"Stiffener_Type", 2},
                {"No_Result_Code", 7},
                {"Warning_Code", 12},
                {"Footing_Type", 2},
                {"Overhang", 2600},
                {"Num_Struts", 3},
                {"Strut_Spacing", 2700},
                {"Num_Spreader_Plates", 4},
                {"Minimum_Clearance", 3006},
                {"Curved_Road", 1},
                {"Curvature", 450},
                {"Road_Speed", 80},
                {"Barrier", 1},
                {"BarrierDistance", 2900},
                {"AADT", 1449}});
    const char *lengths[] = {"Kerb_Post", "Post_2", "Post_3", "Post_4"};
    for (int p = 1; p <= 4; ++p) {
        sup[QLatin1String(lengths[p - 1])] = 2100 + p;
        sup[QStringLiteral("Clearance_Post%1").arg(p)] = 2800 + p;
        sup[QStringLiteral("Strut_Post_%1").arg(p)] = 60000 + p;
        sup[QStringLiteral("Strut_Stub_%1").arg(p)] = 70000 + p;
    }
    for (int i = 1; i <= 5; ++i)
        sup[QStringLiteral("Stiffener_Limit_%1").arg(i)] = 10 + i;
    insert("SupDesData", sup);

    // Three fronts and a back, the upper one written first.
    const struct {
        const char *place, *code;
        int base;
        const char *legendClass, *legendColour, *bkgndClass, *bkgndColour;
    } signs[] = {
        {"FU", "C3", 1030, "1W", "White", "2", "Fluoro Red"},
        {"FL", "C1", 1010, "1A", "White", "1", "Blue"},
        {"FM", "C2", 1020, "1", "Black CAL", "1W", "Brown"},
        {"BS", "C4", 1040, "CAL", "Various", "Various", "Fluoro Yel"},
    };
    for (const auto &g : signs) {
        ColumnMap sign = keyColumns();
        sign.insert({{"Sign_Code", g.code},
                     {"Sign_Place", g.place},
                     {"Sign_Width", g.base},
                     {"Sign_Depth", g.base + 1},
                     {"Sign_Clearance", g.base + 2},
                     {"Legend_Class", g.legendClass},
                     {"Legend_Colour", g.legendColour},
                     {"Bkgnd_Class", g.bkgndClass},
                     {"Bkgnd_Colour", g.bkgndColour},
                     {"Num_Brackets", g.base + 3},
                     {"Num_Stiffeners", g.base + 4},
                     {"Stiffener_Spacing", g.base + 5}});
        insert("SignDesData", sign);
    }

    engine::DesignState s;
    engine::ResetDesignData(s, database::CurrentDefaultValues());
    s.CurrentDesign.MaximumClearance = 9999;
    ASSERT_TRUE(database::ReadStoredDesign(db(), s, K).ok());

    const engine::DesignRecord &d = s.CurrentDesign;
    EXPECT_EQ(d.JobCode.str(), "MAP            ");
    EXPECT_EQ(d.JobSection.str(), "EVERY          ");
    EXPECT_EQ(d.SignPos.str(), "COLUMN         ");
    EXPECT_EQ(d.Notes, "notes");
    EXPECT_EQ(d.WindRegion, 2);
    EXPECT_EQ(d.ExposedLocation, 1);
    EXPECT_EQ(d.CollisionRisk, 2);
    EXPECT_EQ(d.SoilType, 4);
    for (int k = 1; k <= 6; ++k) {
        EXPECT_EQ(d.SegLength[k], 100 + k);
        EXPECT_EQ(d.SegDeltaHeight[k], 200 + k);
        EXPECT_EQ(d.SegBackLength[k], 40000 + k);
        EXPECT_EQ(d.SegBackHeight[k], 50000 + k);
    }
    EXPECT_EQ(d.SignOnLeft, -1);
    EXPECT_EQ(d.DistFromKerb, 3001);
    EXPECT_EQ(d.RPSegLength, 3002);
    EXPECT_EQ(d.RPSegDeltaHeight, 3003);
    EXPECT_EQ(d.RPReducedLevel, 3004);  // the half goes to the even neighbour
    EXPECT_EQ(d.RoadHeight, 3005);
    EXPECT_EQ(d.SupportStruts, -1);
    EXPECT_EQ(d.MinimumClearance, 3006);
    EXPECT_EQ(d.MaximumClearance, 9999);  // not stored: kept

    EXPECT_EQ(d.NumFrontSigns, 3);
    EXPECT_EQ(d.NumBackSigns, 1);
    for (int slot = 1; slot <= 3; ++slot) {
        EXPECT_EQ(d.SignCode[slot].Trimmed(), "C" + std::to_string(slot));
        EXPECT_EQ(d.FrontSignWidth[slot], 1000 + 10 * slot);
        EXPECT_EQ(d.FrontSignDepth[slot], 1001 + 10 * slot);
        EXPECT_EQ(d.FrontSignClearance[slot], 1002 + 10 * slot);
    }
    EXPECT_EQ(d.SignCode[4].Trimmed(), "C4");
    EXPECT_EQ(d.BackSignWidth, 1040);
    EXPECT_EQ(d.BackSignDepth, 1041);
    EXPECT_EQ(d.BackSignClearance, 1042);
    EXPECT_EQ(d.LegendClass, (std::array<int16_t, 5>{0, 1, 2, 3, 6}));
    EXPECT_EQ(d.LegendColour, (std::array<int16_t, 5>{0, 1, 2, 1, 0}));
    EXPECT_EQ(d.BkgndClass, (std::array<int16_t, 5>{0, 2, 3, 5, 0}));
    EXPECT_EQ(d.BkgndColour, (std::array<int16_t, 5>{0, 6, 7, 8, 10}));

    EXPECT_EQ(s.CurrentSupportType, engine::SupportRhs);
    EXPECT_EQ(s.StiffenerLimit, (std::array<int32_t, 6>{0, 11, 12, 13, 14, 15}));
    const engine::SupportDesign &t = s.SupportDesigns[engine::SupportRhs];
    EXPECT_EQ(t.NumPosts, 2);
    EXPECT_EQ(t.PNO, 1);
    EXPECT_EQ(t.AOP, 3);
    EXPECT_EQ(t.PostSpacing, 1701);
    EXPECT_EQ(t.SpacingType, 1);
    EXPECT_EQ(t.Spacing[1], 1701);
    for (int p = 1; p <= 4; ++p) {
        EXPECT_EQ(t.PostLength[p], 2100 + p);
        EXPECT_EQ(t.PostClearance[p], 2800 + p);
        EXPECT_EQ(t.StrutPost[p], 60000 + p);
        EXPECT_EQ(t.StrutStub[p], 70000 + p);
    }
    EXPECT_EQ(t.StubLength, 2200);
    EXPECT_EQ(t.PostDimensions.str(), "DIM         ");
    EXPECT_EQ(t.PostWallThickness.str(), "WALL    ");
    EXPECT_EQ(t.PostMatGrade.str(), "GRADE     ");
    EXPECT_EQ(t.SlipBaseReq, -1);
    EXPECT_EQ(t.NormFootingDim.str(), "NFD     ");
    EXPECT_EQ(t.NormFootingDep, 2300);
    EXPECT_EQ(t.ScrewFootingDim, 2400);  // 2400.5: the half goes to the even neighbour
    EXPECT_EQ(t.ScrewFootingDep, 2500);
    EXPECT_EQ(t.StiffenerType, 2);
    EXPECT_EQ(t.NoResultCode, 7);
    EXPECT_EQ(t.WarningCode, 12);
    EXPECT_EQ(t.FootingType, 2);
    EXPECT_EQ(t.Overhang, 2600);
    EXPECT_EQ(t.NumStruts, 3);
    EXPECT_EQ(t.StrutSpacing, 2700);
    EXPECT_EQ(t.NumSpreaderPlates, 4);
    EXPECT_EQ(t.CurvedRoad, 1);
    EXPECT_EQ(t.Curvature, 450);
    EXPECT_EQ(t.RoadSpeed, 80);
    EXPECT_EQ(t.Barrier, 1);
    EXPECT_EQ(t.BarrierDistance, 2900);
    EXPECT_EQ(t.AADT, 1449);
    for (int slot = 1; slot <= 4; ++slot) {
        const int base = 1000 + 10 * slot;
        EXPECT_EQ(t.NumBrackets[slot], base + 3) << slot;
        EXPECT_EQ(t.NumStiffeners[slot], base + 4) << slot;
        EXPECT_EQ(t.StiffenerSpacing[slot], base + 5) << slot;
    }
    // The other kinds keep their reset values.
    EXPECT_EQ(s.SupportDesigns[engine::SupportChs].NumPosts, 0);
    EXPECT_EQ(s.SupportDesigns[engine::SupportChs].NumBrackets[1], 0);
}

} // namespace
} // namespace storetest
