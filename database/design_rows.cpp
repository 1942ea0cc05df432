#include "database/design_rows.h"

#include "database/design_key.h"
#include "database/stored_values.h"
#include "engine/design_tables.h"
#include "engine/reference_lists.h"
#include "engine/values.h"

#include <QHash>
#include <algorithm>
#include <cmath>
#include <cstdint>

namespace database {
namespace {

using engine::ClampToInt16;
using engine::ClampToInt32;

// Numbered columns, read and written by the same names; element k - 1 is the
// column of field index k.
constexpr const char *PostLengthColumns[] = {"Kerb_Post", "Post_2", "Post_3", "Post_4"};
constexpr const char *StiffenerLimitColumns[] = {"Stiffener_Limit_1", "Stiffener_Limit_2", "Stiffener_Limit_3",
                                                 "Stiffener_Limit_4", "Stiffener_Limit_5"};
constexpr const char *ClearancePostColumns[] = {"Clearance_Post1", "Clearance_Post2", "Clearance_Post3",
                                                "Clearance_Post4"};
constexpr const char *StrutPostColumns[] = {"Strut_Post_1", "Strut_Post_2", "Strut_Post_3", "Strut_Post_4"};
constexpr const char *StrutStubColumns[] = {"Strut_Stub_1", "Strut_Stub_2", "Strut_Stub_3", "Strut_Stub_4"};
constexpr const char *SegLengthColumns[] = {"Seg_Length_1", "Seg_Length_2", "Seg_Length_3",
                                            "Seg_Length_4", "Seg_Length_5", "Seg_Length_6"};
constexpr const char *SegDeltaHeightColumns[] = {"Seg_Delta_Height_1", "Seg_Delta_Height_2", "Seg_Delta_Height_3",
                                                 "Seg_Delta_Height_4", "Seg_Delta_Height_5", "Seg_Delta_Height_6"};
constexpr const char *SegBackLengthColumns[] = {"Seg_Back_Length_1", "Seg_Back_Length_2", "Seg_Back_Length_3",
                                                "Seg_Back_Length_4", "Seg_Back_Length_5", "Seg_Back_Length_6"};
constexpr const char *SegBackHeightColumns[] = {"Seg_Back_Height_1", "Seg_Back_Height_2", "Seg_Back_Height_3",
                                                "Seg_Back_Height_4", "Seg_Back_Height_5", "Seg_Back_Height_6"};

// One result row by column name; a column the table lacks reads as NULL.
class NamedRow {
public:
    explicit NamedRow(const platform::SqlStatement &st)
    {
        for (int c = 0; c < st.columnCount(); ++c)
            values_.insert(st.columnName(c), st.value(c));
    }
    QVariant get(const char *column) const { return values_.value(QString::fromLatin1(column)); }

private:
    QHash<QString, QVariant> values_;
};

// The characters the fixed-length fields of the size texts keep.
constexpr qsizetype PostDimensionsWidth = decltype(engine::SupportDesign::PostDimensions)::Length;
constexpr qsizetype PostWallThicknessWidth = decltype(engine::SupportDesign::PostWallThickness)::Length;
constexpr qsizetype NormFootingDimWidth = decltype(engine::SupportDesign::NormFootingDim)::Length;

// The largest size in the design tables for each size text: what a design
// can be given, "X" and the blank text (no section, no footing) reading as 0.
struct LargestSizes {
    double post = 0.0;
    double wall = 0.0;
    double footing = 0.0;
};

const LargestSizes &Largest()
{
    static const LargestSizes sizes = [] {
        LargestSizes l;
        const auto size = [](std::string_view text) { return engine::Val(text); };
        for (int posts = 1; posts <= engine::kMaxPosts; ++posts) {
            for (int row = 1; row <= engine::kSectionRows; ++row) {
                l.post = std::max({l.post, size(engine::ChsPostTable(posts, row)),
                                   size(engine::RhsPostTable(posts, row)), size(engine::TrussPostTable(posts, row))});
                l.wall = std::max({l.wall, size(engine::ChsPostWallTable(posts, row)),
                                   size(engine::RhsPostWallTable(posts, row)),
                                   size(engine::TrussPostWallTable(posts, row))});
            }
        }
        for (int p = 1; p <= engine::kChsSectionCount; ++p)
            l.post = std::max(l.post, size(engine::ChsSectionNames(p)));
        for (int p = 1; p <= engine::kRhsSectionCount; ++p)
            l.post = std::max(l.post, size(engine::RhsSectionNames(p)));
        for (int p = 1; p <= engine::kTrussSectionCount; ++p)
            l.post = std::max(l.post, size(engine::TrussSectionNames(p)));
        for (int soil = 1; soil <= engine::kSoilTypes; ++soil) {
            for (int p = 1; p <= engine::kChsSectionCount; ++p)
                l.footing = std::max(l.footing, static_cast<double>(engine::ChsFootingDiameter(p, soil)));
            for (int p = 1; p <= engine::kRhsSectionCount; ++p)
                l.footing = std::max(l.footing, static_cast<double>(engine::RhsFootingDiameter(p, soil)));
            for (int p = 1; p <= engine::kTrussSectionCount; ++p)
                l.footing = std::max(l.footing, size(engine::TrussFootingSize(p, soil)));
        }
        return l;
    }();
    return sizes;
}

// A row read into the fields of the records: each value checked against what
// the field it goes into can hold. The first value the design could not have
// is kept as the row's fault; the reading goes on with a neutral value.
class FieldReader {
public:
    using Kind = StoredValueFault::Kind;

    FieldReader(const NamedRow &row, std::optional<StoredValueFault> &fault) : row_(row), fault_(fault) {}

    int64_t int16(const char *column) const { return whole(column, INT16_MIN, INT16_MAX); }
    int64_t int32(const char *column) const { return whole(column, INT32_MIN, INT32_MAX); }
    // A real column that loading rounds into a 32-bit field.
    double real32(const char *column) const
    {
        const std::optional<double> v = number(column);
        if (v)
            checked(column, engine::RoundHalfEven(*v), INT32_MIN, INT32_MAX);
        return v.value_or(0.0);
    }
    // A text column whose leading number loading reads into a 32-bit field:
    // a text that does not start with a number holds none.
    QString numberText32(const char *column) const
    {
        const std::optional<QString> text = present(column);
        if (!text)
            return QString();
        if (const std::optional<double> v = StoredLeadingNumber(*text))
            checked(column, engine::RoundHalfEven(*v), INT32_MIN, INT32_MAX);
        else
            fail(column, Kind::NotANumber);
        return *text;
    }
    // A size as text ("125x75", "500x1200", "X"): the size it states, as the
    // drawings read it from the first `width` characters the record keeps,
    // lies between 0 and the largest size of the design tables.
    QString sizeText(const char *column, qsizetype width, double largest) const
    {
        const std::optional<QString> text = present(column);
        if (!text)
            return QString();
        const double size = engine::Val(text->left(width).toStdString());
        if (!(size >= 0.0 && size <= largest))
            fail(column, Kind::OutsideRange);
        return *text;
    }
    // Any text, names and codes included.
    std::optional<QString> text(const char *column) const { return present(column); }
    // NULL is the empty text here.
    QString notes(const char *column) const
    {
        const QVariant v = row_.get(column);
        return v.isNull() ? QString() : v.toString();
    }

private:
    // The value of a column, or none after noting a NULL.
    std::optional<QString> present(const char *column) const
    {
        const QVariant v = row_.get(column);
        if (v.isNull()) {
            fail(column, Kind::NoValue);
            return std::nullopt;
        }
        return v.toString();
    }
    // The number a number column holds (integers, reals and texts wholly a
    // number), or none after noting what it holds instead.
    std::optional<double> number(const char *column) const
    {
        const QVariant v = row_.get(column);
        if (v.isNull()) {
            fail(column, Kind::NoValue);
            return std::nullopt;
        }
        const std::optional<double> d = StoredNumber(v);
        if (!d)
            fail(column, Kind::NotANumber);
        return d;
    }
    int64_t whole(const char *column, int64_t lowest, int64_t highest) const
    {
        const std::optional<double> d = number(column);
        if (!d)
            return 0;
        // Integers as stored; a real or a text to the nearest whole number.
        const QVariant v = row_.get(column);
        const bool integer = v.typeId() == QMetaType::LongLong || v.typeId() == QMetaType::Int;
        return checked(column, integer ? v.toLongLong() : engine::RoundHalfEven(*d), lowest, highest);
    }
    int64_t checked(const char *column, int64_t value, int64_t lowest, int64_t highest) const
    {
        if (value < lowest || value > highest)
            fail(column, Kind::OutsideRange);
        return value;
    }
    void fail(const char *column, Kind kind) const
    {
        if (!fault_)
            fault_ = StoredValueFault{QString::fromLatin1(column), row_.get(column).toString(), kind};
    }

    const NamedRow &row_;
    std::optional<StoredValueFault> &fault_;
};

// Runs a SELECT * of one design table for the key and hands each row to read.
template <typename Read>
platform::SqlStatus SelectKeyRows(platform::SqlConnection &db, const char *table, const StoredDesignKey &key,
                                  Read read)
{
    platform::SqlStatement st = db.prepare(QStringLiteral("SELECT * FROM %1 WHERE %2 ORDER BY rowid")
                                               .arg(QLatin1String(table), QLatin1String(DesignKeyCondition)));
    if (!st.status().ok())
        return st.status();
    BindDesignKey(st, key.JobCode, key.JobSection, key.SignPos);
    platform::SqlStatus status = st.exec();
    if (!status.ok())
        return status;
    while (st.next()) {
        if (!read(NamedRow(st)))
            break;
    }
    return st.status();
}

std::string FromDbText(const QString &text) { return text.toStdString(); }

template <std::size_t N>
QString FixedToDb(const engine::FixedText<N> &text)
{
    return ToDbText(text.view());
}

} // namespace

QString ToDbText(std::string_view text)
{
    return QString::fromUtf8(text.data(), static_cast<qsizetype>(text.size()));
}

StoredDesignKey KeyOf(const engine::DesignRecord &design)
{
    return {FixedToDb(design.JobCode), FixedToDb(design.JobSection), FixedToDb(design.SignPos)};
}

// ---------------------------------------------------------------------------

platform::SqlStatus ReadSupportRow(platform::SqlConnection &db, const StoredDesignKey &key,
                                   std::optional<SupportRow> &out)
{
    std::optional<SupportRow> found;
    const platform::SqlStatus status = SelectKeyRows(db, "SupDesData", key, [&](const NamedRow &named) {
        SupportRow row;
        const FieldReader r(named, row.Fault);
        row.SupName = r.text("Sup_Name");
        row.NumPosts = r.int16("Num_Posts");
        row.PNO = r.int16("PNO");
        row.AOP = r.int16("AOP");
        row.PostSpacing = r.int32("Post_Spacing");
        row.SpacingType = r.text("Spacing_Type").value_or(QString());
        for (int p = 1; p <= 4; ++p)
            row.PostLength[p] = r.int32(PostLengthColumns[p - 1]);
        row.StubLength = r.int32("Stub_Length");
        row.PostDimensions = r.sizeText("Post_Dimensions", PostDimensionsWidth, Largest().post);
        row.PostWallThickness = r.sizeText("Post_Wall_Thickness", PostWallThicknessWidth, Largest().wall);
        row.PostMatGrade = r.text("Post_Mat_Grade").value_or(QString());
        row.SlipBaseReq = r.text("Slip_Base_Req").value_or(QString());
        row.NormFootingDim = r.sizeText("Norm_Footing_Dim", NormFootingDimWidth, Largest().footing);
        row.NormFootingDep = r.int32("Norm_Footing_Dep");
        row.ScrewFootingDim = r.numberText32("Screw_Footing_Dim");
        row.ScrewFootingDep = r.int32("Screw_Footing_Dep");
        row.StiffenerType = r.int16("Stiffener_Type");
        row.NoResultCode = r.int16("No_Result_Code");
        row.WarningCode = r.int16("Warning_Code");
        for (int i = 1; i <= 5; ++i)
            row.StiffenerLimit[i] = r.int32(StiffenerLimitColumns[i - 1]);
        row.FootingType = r.int16("Footing_Type");
        row.Overhang = r.int32("Overhang");
        row.NumStruts = r.int16("Num_Struts");
        row.StrutSpacing = r.int32("Strut_Spacing");
        row.NumSpreaderPlates = r.int16("Num_Spreader_Plates");
        for (int p = 1; p <= 4; ++p) {
            row.PostClearance[p] = r.int32(ClearancePostColumns[p - 1]);
            row.StrutPost[p] = r.int32(StrutPostColumns[p - 1]);
            row.StrutStub[p] = r.int32(StrutStubColumns[p - 1]);
        }
        row.MinimumClearance = r.int32("Minimum_Clearance");
        row.CurvedRoad = r.int32("Curved_Road");
        row.Curvature = r.int32("Curvature");
        row.RoadSpeed = r.int32("Road_Speed");
        row.Barrier = r.int32("Barrier");
        row.BarrierDistance = r.int32("BarrierDistance");
        row.AADT = r.int32("AADT");
        found = std::move(row);
        return false;  // the first row only
    });
    if (status.ok())
        out = std::move(found);
    return status;
}

platform::SqlStatus ReadSignRows(platform::SqlConnection &db, const StoredDesignKey &key,
                                 std::vector<SignRow> &out)
{
    std::vector<SignRow> rows;
    const platform::SqlStatus status = SelectKeyRows(db, "SignDesData", key, [&](const NamedRow &named) {
        SignRow row;
        const FieldReader r(named, row.Fault);
        row.SignCode = r.text("Sign_Code").value_or(QString());
        row.SignPlace = r.text("Sign_Place");
        row.SignWidth = r.int32("Sign_Width");
        row.SignDepth = r.int32("Sign_Depth");
        row.SignClearance = r.int32("Sign_Clearance");
        row.LegendClass = r.text("Legend_Class");
        row.LegendColour = r.text("Legend_Colour");
        row.BkgndClass = r.text("Bkgnd_Class");
        row.BkgndColour = r.text("Bkgnd_Colour");
        row.NumBrackets = r.int16("Num_Brackets");
        row.NumStiffeners = r.int16("Num_Stiffeners");
        row.StiffenerSpacing = r.int32("Stiffener_Spacing");
        rows.push_back(std::move(row));
        return true;
    });
    if (status.ok())
        out = std::move(rows);
    return status;
}

platform::SqlStatus ReadLocationRow(platform::SqlConnection &db, const StoredDesignKey &key,
                                    std::optional<LocationRow> &out)
{
    std::optional<LocationRow> found;
    const platform::SqlStatus status = SelectKeyRows(db, "LocDesData", key, [&](const NamedRow &named) {
        LocationRow row;
        const FieldReader r(named, row.Fault);
        row.Notes = r.notes("Notes");
        row.WindRegion = r.int16("Wind_Region");
        row.ExposedLocation = r.int16("Exposed_Location");
        row.CollisionRisk = r.int16("Collision_Risk");
        row.SoilType = r.int16("Soil_Type");
        for (int k = 1; k <= 6; ++k) {
            row.SegLength[k] = r.int32(SegLengthColumns[k - 1]);
            row.SegDeltaHeight[k] = r.int32(SegDeltaHeightColumns[k - 1]);
            row.SegBackLength[k] = r.int32(SegBackLengthColumns[k - 1]);
            row.SegBackHeight[k] = r.int32(SegBackHeightColumns[k - 1]);
        }
        row.SignOnLeft = r.int16("Sign_On_Left");
        row.DistFromKerb = r.int32("Dist_From_Kerb");
        row.RPSegLength = r.int32("RP_Seg_Length");
        row.RPSegDeltaHeight = r.int32("RP_Seg_Delta_Height");
        row.RPReducedLevel = r.real32("RP_Reduced_Level");
        row.RoadHeight = r.int32("Road_Height");
        row.SupportStruts = r.int16("Support_Struts");
        found = std::move(row);
        return false;
    });
    if (status.ok())
        out = std::move(found);
    return status;
}

std::optional<StoredValueFault> FirstFault(const std::optional<SupportRow> &support, const std::vector<SignRow> &signs,
                                           const std::optional<LocationRow> &location)
{
    if (support && support->Fault)
        return support->Fault;
    for (const SignRow &row : signs)
        if (row.Fault && (PlaceCode(row.SignPlace) != 0 || !row.SignPlace))
            return row.Fault;
    if (location && location->Fault)
        return location->Fault;
    return std::nullopt;
}

QString StoredValueFaultMessage(const StoredDesignKey &key, const StoredValueFault &fault)
{
    return QStringLiteral("Stored design %1 / %2 / %3: %4")
        .arg(ShownKeyPart(key.JobCode), ShownKeyPart(key.JobSection), ShownKeyPart(key.SignPos),
             StoredValueFaultText(fault));
}

QString StoredValueFaultText(const StoredValueFault &fault)
{
    // A text of any length may stand where a number belongs; the message
    // shows its start.
    constexpr qsizetype shown = 40;
    QString value = fault.value;
    if (value.size() > shown)
        value = value.left(shown) + QStringLiteral("...");
    switch (fault.kind) {
    case StoredValueFault::Kind::NoValue:
        return QStringLiteral("column %1 holds no value.").arg(fault.column);
    case StoredValueFault::Kind::NotANumber:
        if (value.isEmpty())
            return QStringLiteral("column %1 holds an empty text, not a number.").arg(fault.column);
        return QStringLiteral("column %1 holds %2, not a number.").arg(fault.column, value);
    case StoredValueFault::Kind::OutsideRange:
        break;
    }
    return QStringLiteral("column %1 holds %2, outside its range.").arg(fault.column, value);
}

// ---------------------------------------------------------------------------

QString SpacingTypeText(int64_t spacingType)
{
    return spacingType == 0 ? QStringLiteral("Standard") : QStringLiteral("Variable");
}

bool IsStandardSpacing(const QString &text) { return text == QLatin1String("Standard"); }

QString FlagText(int64_t flag) { return flag == 0 ? QStringLiteral("N") : QStringLiteral("Y"); }

int16_t FlagFromText(const QString &text) { return text == QLatin1String("Y") ? engine::FlagTrue : engine::FlagFalse; }

QString ScrewFootingDimText(int64_t value) { return ToDbText(engine::StrInteger(value)); }

int32_t ScrewFootingDimFromText(const QString &text)
{
    const double v = engine::Val(text.toStdString());
    if (!std::isfinite(v))
        return 0;
    return engine::ToInt32(v);
}

int32_t ReducedLevelFromStored(double value)
{
    if (!std::isfinite(value))
        return 0;
    return engine::ToInt32(value);
}

QString SignPlaceForSlot(int slot, int numFrontSigns)
{
    switch (slot) {
    case 1:
        return numFrontSigns == 1 ? QStringLiteral("FS") : QStringLiteral("FL");
    case 2:
        return numFrontSigns == 2 ? QStringLiteral("FU") : QStringLiteral("FM");
    case 3:
        return QStringLiteral("FU");
    case engine::kBackSlot:
        return QStringLiteral("BS");
    default:
        return QString();
    }
}

int PlaceCode(const std::optional<QString> &place)
{
    if (!place)
        return 0;
    static const QString codes[] = {QStringLiteral("FS"), QStringLiteral("FU"), QStringLiteral("FM"),
                                    QStringLiteral("FL"), QStringLiteral("BS")};
    for (int i = 0; i < 5; ++i)
        if (*place == codes[i])
            return i + 1;
    return 0;
}

std::array<int16_t, 6> PlacesPresent(const std::vector<SignRow> &rows)
{
    std::array<int16_t, 6> present{};
    for (const SignRow &row : rows) {
        const int code = PlaceCode(row.SignPlace);
        if (code != 0)
            present[static_cast<std::size_t>(code)] = 1;
    }
    return present;
}

int16_t FrontSignsFromPlaces(const std::array<int16_t, 6> &present)
{
    if (present[3] != 0)
        return 3;
    if (present[2] != 0)
        return 2;
    if (present[1] != 0)
        return 1;
    return 0;
}

int16_t BackSignsFromPlaces(const std::array<int16_t, 6> &present) { return present[5] != 0 ? 1 : 0; }

int SlotForPlace(const std::optional<QString> &place, int numFrontSigns)
{
    switch (PlaceCode(place)) {
    case 1:  // FS
        return 1;
    case 2:  // FU
        return numFrontSigns == 2 ? 2 : 3;
    case 3:  // FM
        return 2;
    case 4:  // FL
        return 1;
    case 5:  // BS
        return engine::kBackSlot;
    default:
        return 0;
    }
}

// ---------------------------------------------------------------------------

void ApplySupportRow(const SupportRow &row, engine::SupportDesign &s, engine::DesignRecord &design)
{
    s.NumPosts = ClampToInt16(row.NumPosts);
    s.PNO = ClampToInt16(row.PNO);
    s.AOP = ClampToInt16(row.AOP);
    s.PostSpacing = ClampToInt32(row.PostSpacing);
    if (IsStandardSpacing(row.SpacingType)) {
        s.SpacingType = 0;
    } else {
        s.SpacingType = 1;
        s.Spacing[1] = s.PostSpacing;
    }
    for (int p = 1; p <= 4; ++p)
        s.PostLength[p] = ClampToInt32(row.PostLength[p]);
    s.StubLength = ClampToInt32(row.StubLength);
    s.PostDimensions = FromDbText(row.PostDimensions);
    s.PostWallThickness = FromDbText(row.PostWallThickness);
    s.PostMatGrade = FromDbText(row.PostMatGrade);
    s.SlipBaseReq = FlagFromText(row.SlipBaseReq);
    s.NormFootingDim = FromDbText(row.NormFootingDim);
    s.NormFootingDep = ClampToInt32(row.NormFootingDep);
    s.ScrewFootingDim = ScrewFootingDimFromText(row.ScrewFootingDim);
    s.ScrewFootingDep = ClampToInt32(row.ScrewFootingDep);
    s.StiffenerType = ClampToInt16(row.StiffenerType);
    s.NoResultCode = ClampToInt16(row.NoResultCode);
    s.WarningCode = ClampToInt16(row.WarningCode);
    s.FootingType = ClampToInt16(row.FootingType);
    s.Overhang = ClampToInt32(row.Overhang);
    s.NumStruts = ClampToInt16(row.NumStruts);
    s.StrutSpacing = ClampToInt32(row.StrutSpacing);
    s.NumSpreaderPlates = ClampToInt16(row.NumSpreaderPlates);
    for (int p = 1; p <= 4; ++p)
        s.PostClearance[p] = ClampToInt32(row.PostClearance[p]);
    design.MinimumClearance = ClampToInt32(row.MinimumClearance);
    for (int p = 1; p <= 4; ++p) {
        s.StrutPost[p] = ClampToInt32(row.StrutPost[p]);
        s.StrutStub[p] = ClampToInt32(row.StrutStub[p]);
    }
    s.CurvedRoad = ClampToInt32(row.CurvedRoad);
    s.Curvature = ClampToInt32(row.Curvature);
    s.RoadSpeed = ClampToInt32(row.RoadSpeed);
    s.Barrier = ClampToInt32(row.Barrier);
    s.BarrierDistance = ClampToInt32(row.BarrierDistance);
    s.AADT = ClampToInt32(row.AADT);
}

int16_t SupportTypeOf(const SupportRow &row, int16_t current)
{
    return LookupName(engine::SupportTypeNames, row.SupName, current, 1);
}

void ApplyStiffenerLimits(const SupportRow &row, std::array<int32_t, 6> &limits)
{
    for (int i = 1; i <= 5; ++i)
        limits[static_cast<std::size_t>(i)] = ClampToInt32(row.StiffenerLimit[static_cast<std::size_t>(i)]);
}

void ApplySignRows(const std::vector<SignRow> &rows, const StoredDesignKey &key, engine::DesignRecord &d,
                   engine::SupportDesign &s)
{
    if (rows.empty())
        return;
    d.JobCode = FromDbText(key.JobCode);
    d.JobSection = FromDbText(key.JobSection);
    d.SignPos = FromDbText(key.SignPos);
    const std::array<int16_t, 6> present = PlacesPresent(rows);
    d.NumFrontSigns = FrontSignsFromPlaces(present);
    d.NumBackSigns = BackSignsFromPlaces(present);
    for (const SignRow &row : rows) {
        const int slot = SlotForPlace(row.SignPlace, d.NumFrontSigns);
        if (slot == 0)
            continue;
        const auto i = static_cast<std::size_t>(slot);
        d.SignCode[i] = FromDbText(row.SignCode);
        if (slot == engine::kBackSlot) {
            d.BackSignWidth = ClampToInt32(row.SignWidth);
            d.BackSignDepth = ClampToInt32(row.SignDepth);
            d.BackSignClearance = ClampToInt32(row.SignClearance);
        } else {
            d.FrontSignWidth[i] = ClampToInt32(row.SignWidth);
            d.FrontSignDepth[i] = ClampToInt32(row.SignDepth);
            d.FrontSignClearance[i] = ClampToInt32(row.SignClearance);
        }
        s.NumBrackets[i] = ClampToInt16(row.NumBrackets);
        s.NumStiffeners[i] = ClampToInt16(row.NumStiffeners);
        s.StiffenerSpacing[i] = ClampToInt32(row.StiffenerSpacing);
        d.LegendClass[i] = LookupName(engine::LegendClassNames, row.LegendClass, d.LegendClass[i]);
        d.LegendColour[i] = LookupName(engine::LegendColourNames, row.LegendColour, d.LegendColour[i]);
        d.BkgndClass[i] = LookupName(engine::BackgroundClassNames, row.BkgndClass, d.BkgndClass[i]);
        d.BkgndColour[i] = LookupName(engine::BackgroundColourNames, row.BkgndColour, d.BkgndColour[i]);
    }
}

void ApplyLocationRow(const LocationRow &row, engine::DesignRecord &d)
{
    d.Notes = FromDbText(row.Notes);
    d.WindRegion = ClampToInt16(row.WindRegion);
    d.ExposedLocation = ClampToInt16(row.ExposedLocation);
    d.CollisionRisk = ClampToInt16(row.CollisionRisk);
    d.SoilType = ClampToInt16(row.SoilType);
    for (int k = 1; k <= 6; ++k) {
        d.SegLength[k] = ClampToInt32(row.SegLength[k]);
        d.SegDeltaHeight[k] = ClampToInt32(row.SegDeltaHeight[k]);
    }
    d.SignOnLeft = ClampToInt16(row.SignOnLeft);
    d.DistFromKerb = ClampToInt32(row.DistFromKerb);
    d.RPSegLength = ClampToInt32(row.RPSegLength);
    d.RPSegDeltaHeight = ClampToInt32(row.RPSegDeltaHeight);
    d.RPReducedLevel = ReducedLevelFromStored(row.RPReducedLevel);
    d.RoadHeight = ClampToInt32(row.RoadHeight);
    for (int k = 1; k <= 6; ++k)
        d.SegBackLength[k] = ClampToInt32(row.SegBackLength[k]);
    for (int k = 1; k <= 6; ++k)
        d.SegBackHeight[k] = ClampToInt32(row.SegBackHeight[k]);
    d.SupportStruts = ClampToInt16(row.SupportStruts);
}

// ---------------------------------------------------------------------------

namespace {

void AddKey(ColumnValues &c, const StoredDesignKey &key)
{
    c.add("Job_Code", PadKey(key.JobCode));
    c.add("Job_Section", PadKey(key.JobSection));
    c.add("Sign_Pos", PadKey(key.SignPos));
}

QVariant Int(int64_t v) { return QVariant::fromValue<qlonglong>(v); }

} // namespace

ColumnValues LocationColumns(const StoredDesignKey &key, const engine::DesignRecord &d)
{
    ColumnValues c;
    AddKey(c, key);
    c.add("Notes", ToDbText(d.Notes));
    c.add("Wind_Region", Int(d.WindRegion));
    c.add("Exposed_Location", Int(d.ExposedLocation));
    c.add("Collision_Risk", Int(d.CollisionRisk));
    c.add("Soil_Type", Int(d.SoilType));
    for (int k = 1; k <= 6; ++k) {
        c.add(SegLengthColumns[k - 1], Int(d.SegLength[k]));
        c.add(SegDeltaHeightColumns[k - 1], Int(d.SegDeltaHeight[k]));
    }
    c.add("Sign_On_Left", Int(d.SignOnLeft));
    c.add("Dist_From_Kerb", Int(d.DistFromKerb));
    c.add("RP_Seg_Length", Int(d.RPSegLength));
    c.add("RP_Seg_Delta_Height", Int(d.RPSegDeltaHeight));
    // A double holds every 32-bit value exactly.
    c.add("RP_Reduced_Level", QVariant(static_cast<double>(d.RPReducedLevel)));
    c.add("Road_Height", Int(d.RoadHeight));
    for (int k = 1; k <= 6; ++k)
        c.add(SegBackLengthColumns[k - 1], Int(d.SegBackLength[k]));
    for (int k = 1; k <= 6; ++k)
        c.add(SegBackHeightColumns[k - 1], Int(d.SegBackHeight[k]));
    c.add("Support_Struts", Int(d.SupportStruts));
    return c;
}

ColumnValues SupportColumns(const StoredDesignKey &key, const engine::DesignRecord &d,
                            const engine::SupportDesign &s, int supportType,
                            const std::array<int32_t, 6> &stiffenerLimit)
{
    ColumnValues c;
    AddKey(c, key);
    c.add("Sup_Name", ListText(engine::SupportTypeNames, supportType));
    c.add("Num_Posts", Int(s.NumPosts));
    c.add("PNO", Int(s.PNO));
    c.add("AOP", Int(s.AOP));
    c.add("Post_Spacing", Int(s.PostSpacing));
    c.add("Spacing_Type", SpacingTypeText(s.SpacingType));
    for (int p = 1; p <= 4; ++p)
        c.add(PostLengthColumns[p - 1], Int(s.PostLength[p]));
    c.add("Stub_Length", Int(s.StubLength));
    c.add("Post_Dimensions", FixedToDb(s.PostDimensions));
    c.add("Post_Wall_Thickness", FixedToDb(s.PostWallThickness));
    c.add("Post_Mat_Grade", FixedToDb(s.PostMatGrade));
    c.add("Slip_Base_Req", FlagText(s.SlipBaseReq));
    c.add("Norm_Footing_Dim", FixedToDb(s.NormFootingDim));
    c.add("Norm_Footing_Dep", Int(s.NormFootingDep));
    c.add("Screw_Footing_Dim", ScrewFootingDimText(s.ScrewFootingDim));
    c.add("Screw_Footing_Dep", Int(s.ScrewFootingDep));
    c.add("Stiffener_Type", Int(s.StiffenerType));
    c.add("No_Result_Code", Int(s.NoResultCode));
    c.add("Warning_Code", Int(s.WarningCode));
    for (int i = 1; i <= 5; ++i)
        c.add(StiffenerLimitColumns[i - 1], Int(stiffenerLimit[static_cast<std::size_t>(i)]));
    c.add("Footing_Type", Int(s.FootingType));
    c.add("Overhang", Int(s.Overhang));
    c.add("Num_Struts", Int(s.NumStruts));
    c.add("Strut_Spacing", Int(s.StrutSpacing));
    c.add("Num_Spreader_Plates", Int(s.NumSpreaderPlates));
    for (int p = 1; p <= 4; ++p)
        c.add(ClearancePostColumns[p - 1], Int(s.PostClearance[p]));
    c.add("Minimum_Clearance", Int(d.MinimumClearance));
    for (int p = 1; p <= 4; ++p)
        c.add(StrutPostColumns[p - 1], Int(s.StrutPost[p]));
    for (int p = 1; p <= 4; ++p)
        c.add(StrutStubColumns[p - 1], Int(s.StrutStub[p]));
    c.add("Curved_Road", Int(s.CurvedRoad));
    c.add("Curvature", Int(s.Curvature));
    c.add("Road_Speed", Int(s.RoadSpeed));
    c.add("Barrier", Int(s.Barrier));
    c.add("BarrierDistance", Int(s.BarrierDistance));
    c.add("AADT", Int(s.AADT));
    return c;
}

ColumnValues SignColumns(const StoredDesignKey &key, const engine::DesignRecord &d, const engine::SupportDesign &s,
                         int slot)
{
    const auto i = static_cast<std::size_t>(slot);
    const bool back = slot == engine::kBackSlot;
    ColumnValues c;
    AddKey(c, key);
    c.add("Sign_Code", FixedToDb(d.SignCode[i]));
    c.add("Sign_Place", SignPlaceForSlot(slot, d.NumFrontSigns));
    c.add("Sign_Width", Int(back ? d.BackSignWidth : d.FrontSignWidth[i]));
    c.add("Sign_Depth", Int(back ? d.BackSignDepth : d.FrontSignDepth[i]));
    c.add("Sign_Clearance", Int(back ? d.BackSignClearance : d.FrontSignClearance[i]));
    c.add("Legend_Class", ListText(engine::LegendClassNames, d.LegendClass[i]));
    c.add("Legend_Colour", ListText(engine::LegendColourNames, d.LegendColour[i]));
    c.add("Bkgnd_Class", ListText(engine::BackgroundClassNames, d.BkgndClass[i]));
    c.add("Bkgnd_Colour", ListText(engine::BackgroundColourNames, d.BkgndColour[i]));
    c.add("Num_Brackets", Int(s.NumBrackets[i]));
    c.add("Num_Stiffeners", Int(s.NumStiffeners[i]));
    c.add("Stiffener_Spacing", Int(s.StiffenerSpacing[i]));
    return c;
}

ColumnValues PrintRecordColumns(const StoredDesignKey &key, const QString &date)
{
    ColumnValues c;
    AddKey(c, key);
    const QString no = QStringLiteral("N");
    const QString none = QStringLiteral("-");
    c.add("DForm_Print_Status", no);
    c.add("DForm_Date", date);
    c.add("SForm_Print_Status", no);
    c.add("SForm_Date", date);
    c.add("OFormSF_Print_Status", no);
    c.add("OFormSF_ReqNo", none);
    c.add("OFormSF_Date", date);
    c.add("OFormSP_Print_Status", no);
    c.add("OFormSP_ReqNo", none);
    c.add("OFormSP_Date", date);
    c.add("OFormFT_Print_Status", no);
    c.add("OFormFT_ReqNo", none);
    c.add("OFormFT_Date", date);
    c.add("Selected", Int(0));
    c.add("OFormSF_Sel", Int(0));
    c.add("OFormSP_Sel", Int(0));
    c.add("OFormFT_Sel", Int(0));
    return c;
}

std::vector<int> StoredSlots(const engine::DesignRecord &d)
{
    std::vector<int> storedSlots;
    const int fronts = d.NumFrontSigns < 0 ? 0 : (d.NumFrontSigns > 3 ? 3 : d.NumFrontSigns);
    for (int i = 1; i <= fronts; ++i)
        storedSlots.push_back(i);
    if (d.NumBackSigns != 0)
        storedSlots.push_back(engine::kBackSlot);
    return storedSlots;
}

} // namespace database
