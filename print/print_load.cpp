#include "print/print_load.h"

namespace print {

platform::SqlStatus LoadPrintDesign(platform::SqlConnection &db, const database::StoredDesignKey &key,
                                    PrintedDesign &printed)
{
    printed = PrintedDesign{};
    engine::DesignRecord &design = printed.PrintDesign;
    engine::SupportDesign &support = printed.PrintSupport;

    std::optional<database::SupportRow> supportRow;
    platform::SqlStatus status = database::ReadSupportRow(db, key, supportRow);
    if (!status.ok())
        return status;
    std::vector<database::SignRow> signRows;
    status = database::ReadSignRows(db, key, signRows);
    if (!status.ok())
        return status;
    std::optional<database::LocationRow> locationRow;
    status = database::ReadLocationRow(db, key, locationRow);
    if (!status.ok())
        return status;
    // A stored number its record field cannot hold would print as a figure
    // nobody designed: the read fails, as loading the design does.
    if (const auto fault = database::FirstFault(supportRow, signRows, locationRow))
        return platform::SqlStatus::failure(platform::SqliteError, database::StoredValueFaultText(*fault));

    if (supportRow) {
        printed.PrintSupportName = supportRow->SupName.value_or(QString());
        database::ApplySupportRow(*supportRow, support, design);
    }
    database::ApplySignRows(signRows, key, design, support);
    if (locationRow)
        database::ApplyLocationRow(*locationRow, design);

    // The key printed is the key asked for, whatever rows were found.
    design.JobCode = key.JobCode.toStdString();
    design.JobSection = key.JobSection.toStdString();
    design.SignPos = key.SignPos.toStdString();
    return status;
}

} // namespace print
