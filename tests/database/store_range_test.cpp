// Stored numbers against the range of the record field each one goes into.
// A database file can hold anything; loading refuses a value its field
// cannot hold (with a message, the open design and the file untouched) and
// takes every value the program's own save can write.

#include "store_test_support.h"

#include "database/design_rows.h"

#include <QRandomGenerator>
#include <algorithm>
#include <cstdint>
#include <limits>

namespace storetest {
namespace {

// The record field behind each stored number: 16 or 32 bits. A text column
// holds its number as text of at most 10 characters.
struct NumberColumn {
    const char *table;
    QString column;
    int bits;
    bool text = false;
};

// The values a test writes, as text where the column holds text. The least
// 32-bit value takes 11 characters; "&H80000000" is the same number in 10.
QVariant Stored(const NumberColumn &c, int64_t v)
{
    if (!c.text)
        return QVariant::fromValue<qlonglong>(v);
    if (v == INT32_MIN)
        return QStringLiteral("&H80000000");
    if (v == INT32_MIN - 1LL)
        return QStringLiteral("-2.15e9");
    return QString::number(v);
}

std::vector<NumberColumn> NumberColumns()
{
    std::vector<NumberColumn> c;
    auto add = [&](const char *table, const QString &column, int bits) { c.push_back({table, column, bits}); };
    auto numbered = [&](const char *table, const char *pattern, int first, int last, int bits) {
        for (int i = first; i <= last; ++i)
            add(table, QString::fromLatin1(pattern).arg(i), bits);
    };
    for (const char *column : {"Num_Posts", "PNO", "AOP", "Stiffener_Type", "No_Result_Code", "Warning_Code",
                               "Footing_Type", "Num_Struts", "Num_Spreader_Plates"})
        add("SupDesData", QLatin1String(column), 16);
    c.push_back({"SupDesData", QStringLiteral("Screw_Footing_Dim"), 32, true});
    for (const char *column : {"Post_Spacing", "Kerb_Post", "Post_2", "Post_3", "Post_4", "Stub_Length",
                               "Norm_Footing_Dep", "Screw_Footing_Dep", "Overhang",
                               "Strut_Spacing", "Minimum_Clearance", "Curved_Road", "Curvature", "Road_Speed",
                               "Barrier", "BarrierDistance", "AADT"})
        add("SupDesData", QLatin1String(column), 32);
    numbered("SupDesData", "Stiffener_Limit_%1", 1, 5, 32);
    numbered("SupDesData", "Clearance_Post%1", 1, 4, 32);
    numbered("SupDesData", "Strut_Post_%1", 1, 4, 32);
    numbered("SupDesData", "Strut_Stub_%1", 1, 4, 32);
    for (const char *column : {"Sign_Width", "Sign_Depth", "Sign_Clearance", "Stiffener_Spacing"})
        add("SignDesData", QLatin1String(column), 32);
    for (const char *column : {"Num_Brackets", "Num_Stiffeners"})
        add("SignDesData", QLatin1String(column), 16);
    for (const char *column :
         {"Wind_Region", "Exposed_Location", "Collision_Risk", "Soil_Type", "Sign_On_Left", "Support_Struts"})
        add("LocDesData", QLatin1String(column), 16);
    for (const char *column :
         {"Dist_From_Kerb", "RP_Seg_Length", "RP_Seg_Delta_Height", "RP_Reduced_Level", "Road_Height"})
        add("LocDesData", QLatin1String(column), 32);
    for (const char *pattern : {"Seg_Length_%1", "Seg_Delta_Height_%1", "Seg_Back_Length_%1", "Seg_Back_Height_%1"})
        numbered("LocDesData", pattern, 1, 6, 32);
    return c;
}

int64_t Lowest(int bits) { return bits == 16 ? INT16_MIN : INT32_MIN; }
int64_t Highest(int bits) { return bits == 16 ? INT16_MAX : INT32_MAX; }

class RangeTest : public StoreTest {
protected:
    using StoreTest::load;

    void SetUp() override
    {
        StoreTest::SetUp();
        // Hundreds of single-row changes follow; none needs to reach the disk.
        exec("PRAGMA synchronous = OFF");
        stored = SimpleDesign("JOB", "SECTION", "POS");
        RunAsMainWindow(stored);
        save(stored);
        key = database::KeyOf(stored.CurrentDesign);
        // The open design: another one, already run.
        open = SimpleDesign("OTHER", "", "");
        open.CurrentDesign.FrontSignWidth[1] = 1800;
        open.StiffenerLimit = {0, 10, 200, 400, 20, 90};
        open.CurrentSupportType = 2;
        RunAsMainWindow(open);
        messages.calls.clear();
    }

    void set(const NumberColumn &c, const QVariant &value)
    {
        QVariantList params{value};
        params << database::DesignKeyParams(key.JobCode, key.JobSection, key.SignPos);
        exec(QStringLiteral("UPDATE %1 SET %2 = ? WHERE %3")
                 .arg(QLatin1String(c.table), c.column, QLatin1String(database::DesignKeyCondition)),
             params);
    }
    QVariant get(const NumberColumn &c)
    {
        return value(QStringLiteral("SELECT %1 FROM %2 WHERE %3")
                         .arg(c.column, QLatin1String(c.table), QLatin1String(database::DesignKeyCondition)),
                     database::DesignKeyParams(key.JobCode, key.JobSection, key.SignPos));
    }
    // Every row of the design tables, to show that loading wrote nothing.
    platform::SqlRows everything()
    {
        platform::SqlRows all;
        for (const char *table : {"JOBS", "LocDesData", "SupDesData", "SignDesData", "PrintRecord"}) {
            const platform::SqlRows r = rows(QStringLiteral("SELECT * FROM %1 ORDER BY rowid").arg(table));
            all.insert(all.end(), r.begin(), r.end());
        }
        return all;
    }

    // Loads the stored design over the open one; true when it loaded. A
    // refusal must leave the open design as it was, write nothing and show
    // exactly one message, the one returned.
    bool load(database::StoreResult &result)
    {
        engine::DesignState state = open;
        const platform::SqlRows before = everything();
        messages.calls.clear();
        result = database::LoadSignDesign(db(), state, database::CurrentDefaultValues(), key);
        if (result.ok()) {
            EXPECT_TRUE(messages.calls.empty());
            return true;
        }
        EXPECT_EQ(result.outcome, StoreOutcome::Refused);
        EXPECT_EQ(state.CurrentDesign, open.CurrentDesign);
        EXPECT_EQ(state.SupportDesigns, open.SupportDesigns);
        EXPECT_EQ(state.StiffenerLimit, open.StiffenerLimit);
        EXPECT_EQ(state.CurrentSupportType, open.CurrentSupportType);
        EXPECT_EQ(state.DesignOpen, open.DesignOpen);
        EXPECT_EQ(everything(), before);
        EXPECT_EQ(messages.calls.size(), 1U);
        if (!messages.calls.empty()) {
            EXPECT_EQ(messages.calls[0].text, result.message);
            EXPECT_TRUE(messages.calls[0].title.endsWith(QStringLiteral("Mastra"))) << messages.calls[0].title.toStdString();
        }
        return false;
    }

    engine::DesignState stored;
    engine::DesignState open;
    StoredDesignKey key;
};

TEST_F(RangeTest, TheMessageNamesTheKeyAndTheColumn)
{
    set({"SupDesData", QStringLiteral("Kerb_Post"), 32}, QVariant::fromValue<qlonglong>(5000000000LL));
    database::StoreResult result;
    ASSERT_FALSE(load(result));
    EXPECT_EQ(result.message.toStdString(),
              "Stored design JOB / SECTION / POS: column Kerb_Post holds 5000000000, outside its range.");
}

TEST_F(RangeTest, EveryColumnRefusesOneBeyondItsField)
{
    for (const NumberColumn &c : NumberColumns()) {
        const QVariant original = get(c);
        for (const int64_t beyond : {Lowest(c.bits) - 1, Highest(c.bits) + 1}) {
            const QVariant stored = Stored(c, beyond);
            set(c, stored);
            database::StoreResult result;
            EXPECT_FALSE(load(result)) << c.column.toStdString() << " = " << beyond;
            EXPECT_TRUE(result.message.contains(QStringLiteral("column %1 holds %2,").arg(c.column, stored.toString())))
                << result.message.toStdString();
        }
        set(c, original);
        if (HasFailure())
            return;
    }
}

TEST_F(RangeTest, EveryColumnTakesTheEdgesOfItsField)
{
    for (const NumberColumn &c : NumberColumns()) {
        const QVariant original = get(c);
        for (const int64_t edge : {Lowest(c.bits), Highest(c.bits)}) {
            set(c, Stored(c, edge));
            database::StoreResult result;
            EXPECT_TRUE(load(result)) << c.column.toStdString() << " = " << edge << ": "
                                      << result.message.toStdString();
        }
        set(c, original);
        if (HasFailure())
            return;
    }
}

// Text and real values are read as loading reads numbers, then checked.
TEST_F(RangeTest, TextAndRealValuesAreCheckedAsTheyRead)
{
    const NumberColumn width{"SignDesData", QStringLiteral("Sign_Width"), 32};
    const NumberColumn posts{"SupDesData", QStringLiteral("Num_Posts"), 16};
    const NumberColumn level{"LocDesData", QStringLiteral("RP_Reduced_Level"), 32};
    const NumberColumn screw{"SupDesData", QStringLiteral("Screw_Footing_Dim"), 32, true};
    const struct {
        NumberColumn column;
        QVariant value;
        bool loads;
    } cases[] = {
        {width, QStringLiteral("5000000000"), false},
        {width, QStringLiteral("1e10"), false},
        {width, QStringLiteral("2147483647"), true},
        {width, QStringLiteral("abc"), false},  // no number at all
        {width, 1e30, false},
        {width, 2147483647.4, true},           // rounds to the largest value
        {posts, QStringLiteral("70000"), false},
        {posts, 32767.5, false},               // rounds to 32768
        {posts, -32768.5, true},               // rounds to -32768
        {level, 2147483647.0, true},
        {level, 2147483648.0, false},
        {level, -1e300, false},
        {screw, QStringLiteral(" 3e9"), false},
        {screw, QStringLiteral("-600 mm"), true},
    };
    for (const auto &c : cases) {
        const QVariant original = get(c.column);
        set(c.column, c.value);
        database::StoreResult result;
        EXPECT_EQ(load(result), c.loads) << c.column.column.toStdString() << " = " << c.value.toString().toStdString()
                                         << ": " << result.message.toStdString();
        set(c.column, original);
    }
}

// A panel row of an unknown place is skipped by loading, whatever it holds.
TEST_F(RangeTest, SkippedPanelRowsAreNotChecked)
{
    QVariantList params = database::DesignKeyParams(key.JobCode, key.JobSection, key.SignPos);
    params << QVariant::fromValue<qlonglong>(5000000000LL);
    exec("INSERT INTO SignDesData (Job_Code, Job_Section, Sign_Pos, Sign_Code, Sign_Place, Sign_Width) "
         "VALUES (?, ?, ?, 'OLD', 'XX', ?)",
         params);
    database::StoreResult result;
    EXPECT_TRUE(load(result)) << result.message.toStdString();
}

// The printing side reads the same rows; each row carries its fault.
TEST_F(RangeTest, RowsCarryTheirFault)
{
    set({"SupDesData", QStringLiteral("Overhang"), 32}, QVariant::fromValue<qlonglong>(-2147483649LL));
    set({"LocDesData", QStringLiteral("Wind_Region"), 16}, 40000);
    std::optional<database::SupportRow> support;
    std::vector<database::SignRow> signs;
    std::optional<database::LocationRow> location;
    ASSERT_TRUE(database::ReadSupportRow(db(), key, support).ok());
    ASSERT_TRUE(database::ReadSignRows(db(), key, signs).ok());
    ASSERT_TRUE(database::ReadLocationRow(db(), key, location).ok());
    ASSERT_TRUE(support && support->Fault && location && location->Fault);
    EXPECT_EQ(support->Fault->column, "Overhang");
    EXPECT_EQ(support->Fault->value, "-2147483649");
    EXPECT_EQ(location->Fault->column, "Wind_Region");
    ASSERT_EQ(signs.size(), 1U);
    EXPECT_FALSE(signs[0].Fault);
    const auto first = database::FirstFault(support, signs, location);
    ASSERT_TRUE(first);
    EXPECT_EQ(first->column, "Overhang");
}

// Whatever the program itself stores, it loads again: Long fields at their
// edges, also those kept in 16-bit columns, and Integer fields at theirs.
TEST_F(RangeTest, WhatTheProgramSavesLoads)
{
    engine::DesignState s = SimpleDesign("EDGES", "", "");
    const int32_t most = std::numeric_limits<int32_t>::max();
    const int32_t least = std::numeric_limits<int32_t>::min();
    engine::DesignRecord &d = s.CurrentDesign;
    d.RoadHeight = most;
    d.FrontSignWidth[1] = most;
    d.FrontSignDepth[1] = least;
    d.FrontSignClearance[1] = most;
    d.SegLength[1] = least;
    d.SegBackHeight[6] = most;
    d.RPReducedLevel = least;
    d.DistFromKerb = most;
    d.MinimumClearance = least;
    d.WindRegion = std::numeric_limits<int16_t>::min();
    d.SupportStruts = std::numeric_limits<int16_t>::max();
    engine::SupportDesign &t = s.SupportDesigns[1];
    t.PNO = std::numeric_limits<int16_t>::min();
    t.NumStruts = std::numeric_limits<int16_t>::max();
    t.Overhang = most;
    t.StiffenerSpacing[1] = least;
    t.ScrewFootingDim = -999999999;  // the least its 10-character column takes
    t.AADT = most;
    s.StiffenerLimit[1] = least;
    save(s);

    engine::DesignState back;
    engine::ResetDesignData(back, database::CurrentDefaultValues());
    const database::StoreResult r = database::ReadStoredDesign(db(), back, database::KeyOf(d));
    ASSERT_TRUE(r.ok()) << r.message.toStdString();
    EXPECT_EQ(back.CurrentDesign.RoadHeight, most);
    EXPECT_EQ(back.CurrentDesign.FrontSignDepth[1], least);
    EXPECT_EQ(back.CurrentDesign.SegLength[1], least);
    EXPECT_EQ(back.CurrentDesign.SegBackHeight[6], most);
    EXPECT_EQ(back.CurrentDesign.RPReducedLevel, least);
    EXPECT_EQ(back.CurrentDesign.MinimumClearance, least);
    EXPECT_EQ(back.CurrentDesign.WindRegion, std::numeric_limits<int16_t>::min());
    EXPECT_EQ(back.CurrentDesign.SupportStruts, std::numeric_limits<int16_t>::max());
    EXPECT_EQ(back.SupportDesigns[1].PNO, std::numeric_limits<int16_t>::min());
    EXPECT_EQ(back.SupportDesigns[1].NumStruts, std::numeric_limits<int16_t>::max());
    EXPECT_EQ(back.SupportDesigns[1].Overhang, most);
    EXPECT_EQ(back.SupportDesigns[1].StiffenerSpacing[1], least);
    EXPECT_EQ(back.SupportDesigns[1].ScrewFootingDim, -999999999);
    EXPECT_EQ(back.SupportDesigns[1].AADT, most);
    EXPECT_EQ(back.StiffenerLimit[1], least);

    // The whole load, design run included, takes it too.
    EXPECT_EQ(load(database::KeyOf(d)).CurrentDesign.RoadHeight, most);
}

// Random values in random columns, seeded: a design loads exactly when every
// value fits its field, and a refusal leaves everything as it was.
TEST_F(RangeTest, RandomStoredValues)
{
    const std::vector<NumberColumn> columns = NumberColumns();
    QRandomGenerator random(1209);
    auto pick = [&](int64_t lowest, int64_t highest) {
        return lowest + static_cast<int64_t>(random.generate64() % static_cast<uint64_t>(highest - lowest + 1));
    };
    int refused = 0;
    for (int n = 0; n < 300; ++n) {
        std::vector<std::pair<NumberColumn, QVariant>> originals;
        bool fits = true;
        const int changes = static_cast<int>(pick(1, 3));
        for (int k = 0; k < changes; ++k) {
            const NumberColumn &c = columns[static_cast<std::size_t>(pick(0, static_cast<int64_t>(columns.size()) - 1))];
            originals.emplace_back(c, get(c));
            int64_t v = 0;
            switch (pick(0, 3)) {
            case 0:
                v = pick(Lowest(c.bits), Highest(c.bits));
                break;
            case 1:
                v = pick(0, 1) ? Highest(c.bits) + pick(0, 1) : Lowest(c.bits) - pick(0, 1);
                break;
            case 2:
                v = pick(INT32_MIN - 10LL, INT32_MAX + 10LL);
                break;
            default:
                v = static_cast<int64_t>(random.generate64());
                break;
            }
            if (c.text)
                v = std::clamp<int64_t>(v, -999999999, 9999999999);
            set(c, pick(0, 3) == 0 ? QVariant(QString::number(v)) : QVariant::fromValue<qlonglong>(v));
        }
        // The last value written to each column counts.
        for (const auto &[c, original] : originals) {
            const int64_t now = get(c).toLongLong();
            if (now < Lowest(c.bits) || now > Highest(c.bits))
                fits = false;
        }
        database::StoreResult result;
        const bool loaded = load(result);
        EXPECT_EQ(loaded, fits) << "case " << n << ": " << result.message.toStdString();
        if (!loaded)
            ++refused;
        for (auto o = originals.rbegin(); o != originals.rend(); ++o)
            set(o->first, o->second);
        if (HasFailure())
            return;
    }
    EXPECT_GT(refused, 50);
}

} // namespace
} // namespace storetest
