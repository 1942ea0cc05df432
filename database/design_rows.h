#pragma once
// The rows of one stored design, table by table, and the conversions between
// them and the design records. Written once for everything that reads stored
// designs: loading the open design (design_store.h) and printing, which reads
// the same rows into its own copies without resetting or re-running anything.
//
// Reading checks every value against what the design could hold: the file is
// an ordinary SQLite file that other tools may have written. A NULL (but in
// Notes, which reads as the empty text), a text that is no number in a
// number column, a number its record field cannot hold and a size text
// stating a size no design table has are not read as some other value: each
// row keeps the first such value as its Fault, and loading refuses a design
// with one. A name that matches no list entry is no fault: it leaves the
// target index as it was. Numbers are held at full width until they are
// placed into a record field.

#include "engine/design_record.h"
#include "platform/sql.h"

#include <QString>
#include <array>
#include <cstdint>
#include <optional>
#include <vector>

namespace database {

// The three key parts of a stored design, as the caller holds them; they are
// cut or blank-padded to 15 characters (PadKey) on the way into SQL.
struct StoredDesignKey {
    QString JobCode;
    QString JobSection;
    QString SignPos;
};

// The key of a design record, as its fixed-length fields hold it.
StoredDesignKey KeyOf(const engine::DesignRecord &design);

// A stored value the design could not have: the column, the value as stored
// and what is wrong with it.
struct StoredValueFault {
    enum class Kind {
        OutsideRange,  // a number (or size) beyond what its field can hold
        NoValue,       // NULL
        NotANumber,    // a text, or the empty text, where a number belongs
    };
    QString column;
    QString value;
    Kind kind = Kind::OutsideRange;
};

// ---------------------------------------------------------------------------
// Row images. Array members are indexed like the record fields they feed
// (element 0 unused).

// SupDesData.
struct SupportRow {
    std::optional<QString> SupName;
    int64_t NumPosts = 0;
    int64_t PNO = 0;
    int64_t AOP = 0;
    int64_t PostSpacing = 0;
    QString SpacingType;
    std::array<int64_t, 5> PostLength{};     // Kerb_Post, Post_2 .. Post_4
    int64_t StubLength = 0;
    QString PostDimensions;
    QString PostWallThickness;
    QString PostMatGrade;
    QString SlipBaseReq;
    QString NormFootingDim;
    int64_t NormFootingDep = 0;
    QString ScrewFootingDim;
    int64_t ScrewFootingDep = 0;
    int64_t StiffenerType = 0;
    int64_t NoResultCode = 0;
    int64_t WarningCode = 0;
    std::array<int64_t, 6> StiffenerLimit{};  // Stiffener_Limit_1 .. _5
    int64_t FootingType = 0;
    int64_t Overhang = 0;
    int64_t NumStruts = 0;
    int64_t StrutSpacing = 0;
    int64_t NumSpreaderPlates = 0;
    std::array<int64_t, 5> PostClearance{};  // Clearance_Post1 .. 4
    int64_t MinimumClearance = 0;
    std::array<int64_t, 5> StrutPost{};
    std::array<int64_t, 5> StrutStub{};
    int64_t CurvedRoad = 0;
    int64_t Curvature = 0;
    int64_t RoadSpeed = 0;
    int64_t Barrier = 0;
    int64_t BarrierDistance = 0;
    int64_t AADT = 0;
    std::optional<StoredValueFault> Fault;
};

// SignDesData, one per panel.
struct SignRow {
    QString SignCode;
    std::optional<QString> SignPlace;
    int64_t SignWidth = 0;
    int64_t SignDepth = 0;
    int64_t SignClearance = 0;
    std::optional<QString> LegendClass;
    std::optional<QString> LegendColour;
    std::optional<QString> BkgndClass;
    std::optional<QString> BkgndColour;
    int64_t NumBrackets = 0;
    int64_t NumStiffeners = 0;
    int64_t StiffenerSpacing = 0;
    std::optional<StoredValueFault> Fault;
};

// LocDesData.
struct LocationRow {
    QString Notes;                            // NULL reads as the empty text
    int64_t WindRegion = 0;
    int64_t ExposedLocation = 0;
    int64_t CollisionRisk = 0;
    int64_t SoilType = 0;
    std::array<int64_t, 7> SegLength{};
    std::array<int64_t, 7> SegDeltaHeight{};
    int64_t SignOnLeft = 0;
    int64_t DistFromKerb = 0;
    int64_t RPSegLength = 0;
    int64_t RPSegDeltaHeight = 0;
    double RPReducedLevel = 0.0;
    int64_t RoadHeight = 0;
    std::array<int64_t, 7> SegBackLength{};
    std::array<int64_t, 7> SegBackHeight{};
    int64_t SupportStruts = 0;
    std::optional<StoredValueFault> Fault;
};

// ---------------------------------------------------------------------------
// Readers: the rows stored under a key, matched with `=` on the padded key.
// The first row by insertion order where the table should hold at most one.
// A failing query returns its status and leaves the output untouched.

platform::SqlStatus ReadSupportRow(platform::SqlConnection &db, const StoredDesignKey &key,
                                   std::optional<SupportRow> &row);
platform::SqlStatus ReadSignRows(platform::SqlConnection &db, const StoredDesignKey &key,
                                 std::vector<SignRow> &rows);
platform::SqlStatus ReadLocationRow(platform::SqlConnection &db, const StoredDesignKey &key,
                                    std::optional<LocationRow> &row);

// The first fault among the rows in the order they are read (support, signs,
// location). Sign rows of an unknown place are left out, as loading skips them;
// a NULL place is no unknown place but a fault of its own.
std::optional<StoredValueFault> FirstFault(const std::optional<SupportRow> &support, const std::vector<SignRow> &signs,
                                           const std::optional<LocationRow> &location);
// What the engineer is told of a fault: "Stored design JOB / SECTION / POS:
// column Kerb_Post holds 5000000000, outside its range."
QString StoredValueFaultMessage(const StoredDesignKey &key, const StoredValueFault &fault);
// The same without the key: "column Kerb_Post holds 5000000000, outside its
// range.", "column Kerb_Post holds no value.", "column Kerb_Post holds abc,
// not a number."
QString StoredValueFaultText(const StoredValueFault &fault);

// ---------------------------------------------------------------------------
// Value conversions shared by saving and loading.

// "Standard" for 0, "Variable" for anything else; only "Standard" reads as 0.
QString SpacingTypeText(int64_t spacingType);
bool IsStandardSpacing(const QString &text);
// "Y" for any non-zero flag, "N" for 0; only "Y" reads as true (-1).
QString FlagText(int64_t flag);
int16_t FlagFromText(const QString &text);
// The screw footing diameter as text: " 600", " 0", "-5".
QString ScrewFootingDimText(int64_t value);
// The number at the start of the text, to the nearest whole number (halves
// to even); 0 when there is none.
int32_t ScrewFootingDimFromText(const QString &text);
// A stored reduced level to the nearest whole number, halves to even.
int32_t ReducedLevelFromStored(double value);
// The list entry at index, or the empty text outside the list.
template <std::size_t N>
QString ListText(const std::array<std::string_view, N> &list, int index)
{
    if (index < 0 || static_cast<std::size_t>(index) >= N)
        return QString();
    return QString::fromUtf8(list[static_cast<std::size_t>(index)].data(),
                             static_cast<qsizetype>(list[static_cast<std::size_t>(index)].size()));
}
// The index of the first entry equal to the name (exact), searching from
// `first`; `current` when there is no name or no entry equals it.
template <std::size_t N>
int16_t LookupName(const std::array<std::string_view, N> &list, const std::optional<QString> &name,
                   int16_t current, std::size_t first = 0)
{
    if (!name)
        return current;
    const std::string text = name->toStdString();
    for (std::size_t i = first; i < N; ++i)
        if (list[i] == text)
            return static_cast<int16_t>(i);
    return current;
}

// Sign places: "FS" the only front panel, "FL" lower, "FM" middle, "FU"
// upper, "BS" the back panel.
// The place stored for a sign slot (1..4) of a design with numFrontSigns
// front panels.
QString SignPlaceForSlot(int slot, int numFrontSigns);
// Which of "FS", "FU", "FM", "FL", "BS" (1..5) a place is; 0 for any other.
int PlaceCode(const std::optional<QString> &place);
// The presence flags 1..5 of the place codes among the rows.
std::array<int16_t, 6> PlacesPresent(const std::vector<SignRow> &rows);
// NumFrontSigns and NumBackSigns that the present places give.
int16_t FrontSignsFromPlaces(const std::array<int16_t, 6> &present);
int16_t BackSignsFromPlaces(const std::array<int16_t, 6> &present);
// The slot a place goes to, given the front panel count; 0 for a place that
// is none of the five (such a row is skipped).
int SlotForPlace(const std::optional<QString> &place, int numFrontSigns);

// ---------------------------------------------------------------------------
// Placing rows into records: the loading side of the mapping. Each writes
// exactly the fields its table feeds.

// The support columns into `support`, MinimumClearance into `design`; the
// stored support kind and stiffener limits are separate steps (SupportTypeOf,
// stiffener limits by the caller) since printing uses neither.
void ApplySupportRow(const SupportRow &row, engine::SupportDesign &support, engine::DesignRecord &design);
// CurrentSupportType from Sup_Name: 1 to 4 by name, `current` otherwise.
int16_t SupportTypeOf(const SupportRow &row, int16_t current);
// The stiffener limits 1..5 of the row into `limits`.
void ApplyStiffenerLimits(const SupportRow &row, std::array<int32_t, 6> &limits);
// The panels: counts from the places present, then each row into its slot.
// The key is set from `key` when there is at least one row (as loading does);
// rows with an unknown place are skipped.
void ApplySignRows(const std::vector<SignRow> &rows, const StoredDesignKey &key, engine::DesignRecord &design,
                   engine::SupportDesign &support);
// The site and terrain columns into `design`.
void ApplyLocationRow(const LocationRow &row, engine::DesignRecord &design);

// ---------------------------------------------------------------------------
// The saving side: the column values of each table, in column order, key
// columns first. Column names are constants; values go in as bound parameters.

struct ColumnValues {
    std::vector<const char *> columns;
    QVariantList values;
    void add(const char *column, const QVariant &value)
    {
        columns.push_back(column);
        values.push_back(value);
    }
};

ColumnValues LocationColumns(const StoredDesignKey &key, const engine::DesignRecord &design);
ColumnValues SupportColumns(const StoredDesignKey &key, const engine::DesignRecord &design,
                            const engine::SupportDesign &support, int supportType,
                            const std::array<int32_t, 6> &stiffenerLimit);
// The row of sign slot 1..4.
ColumnValues SignColumns(const StoredDesignKey &key, const engine::DesignRecord &design,
                         const engine::SupportDesign &support, int slot);
// A fresh print record dated `date` ("dd/mm/yyyy").
ColumnValues PrintRecordColumns(const StoredDesignKey &key, const QString &date);
// The sign slots a design stores, in writing order: fronts 1..NumFrontSigns,
// then 4 when it has a back panel.
std::vector<int> StoredSlots(const engine::DesignRecord &design);

// Text conversions between the records (UTF-8) and the database.
QString ToDbText(std::string_view text);

} // namespace database
