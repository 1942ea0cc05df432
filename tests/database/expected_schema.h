#pragma once
// The file format written out independently of the program's own table
// definitions: the tests compare the program's files against it and build
// old-version files from it with plain SQL.

#include <QString>
#include <QStringList>
#include <map>

namespace dbtest {

inline QStringList numbered(const QString &stem, int from, int to)
{
    QStringList l;
    for (int i = from; i <= to; ++i)
        l << stem + QString::number(i);
    return l;
}

inline QStringList alternating(const QString &a, const QString &b)
{
    QStringList l;
    for (int i = 1; i <= 6; ++i)
        l << a + QString::number(i) << b + QString::number(i);
    return l;
}

inline const QStringList key{"Job_Code", "Job_Section", "Sign_Pos"};

// Columns of each table at schema version 2, in order.
inline std::map<QString, QStringList> expectedColumns()
{
    std::map<QString, QStringList> t;
    t["SignDesData"] = key + QStringList{"Sign_Code", "Sign_Place", "Sign_Width", "Sign_Depth", "Sign_Clearance",
                                         "Legend_Class", "Legend_Colour", "Bkgnd_Class", "Bkgnd_Colour",
                                         "Num_Brackets", "Num_Stiffeners", "Stiffener_Spacing"};
    t["SupDesData"] = key + QStringList{"Sup_Name", "Num_Posts", "PNO", "AOP", "Post_Spacing", "Spacing_Type",
                                        "Kerb_Post", "Post_2", "Post_3", "Post_4", "Stub_Length", "Post_Dimensions",
                                        "Post_Wall_Thickness", "Post_Mat_Grade", "Slip_Base_Req", "Norm_Footing_Dim",
                                        "Norm_Footing_Dep", "Screw_Footing_Dim", "Screw_Footing_Dep",
                                        "Stiffener_Type", "No_Result_Code", "Warning_Code"} +
                      numbered("Stiffener_Limit_", 1, 5) +
                      QStringList{"Footing_Type", "Overhang", "Num_Struts", "Strut_Spacing", "Num_Spreader_Plates"} +
                      numbered("Clearance_Post", 1, 4) + QStringList{"Minimum_Clearance"} +
                      numbered("Strut_Post_", 1, 4) + numbered("Strut_Stub_", 1, 4) +
                      QStringList{"Curved_Road", "Curvature", "Road_Speed", "Barrier", "BarrierDistance", "AADT"};
    t["JOBS"] = {"Job_Code", "Active"};
    t["LocDesData"] = key + QStringList{"Wind_Region", "Exposed_Location", "Collision_Risk", "Soil_Type"} +
                      alternating("Seg_Length_", "Seg_Delta_Height_") +
                      QStringList{"Sign_On_Left", "Dist_From_Kerb", "RP_Seg_Length", "RP_Seg_Delta_Height",
                                  "RP_Reduced_Level", "Road_Height"} +
                      alternating("Seg_Back_Length_", "Seg_Back_Height_") + QStringList{"Support_Struts", "Notes"};
    t["Preferences"] = numbered("Stiffener_Limit_", 1, 5) + QStringList{"Name"};
    t["PrintRecord"] = key + QStringList{"DForm_Print_Status", "DForm_Date", "SForm_Print_Status", "SForm_Date",
                                         "OFormSF_Print_Status", "OFormSF_ReqNo", "OFormSF_Date",
                                         "OFormSP_Print_Status", "OFormSP_ReqNo", "OFormSP_Date",
                                         "OFormFT_Print_Status", "OFormFT_ReqNo", "OFormFT_Date", "Selected",
                                         "OFormSF_Sel", "OFormSP_Sel", "OFormFT_Sel"};
    t["Version"] = {"Schema Version"};
    t["DefaultValues"] = {"ClearanceAboveRoadEdge", "DistanceFromCarriageway", "ClearZoneSpeed", "ClearZoneAADT"};
    return t;
}

// Plain CREATE TABLE of a base table as an older program wrote it: untyped
// columns, the primary key, and whatever extra clause the test adds.
inline QString plainCreate(const QString &table, const QStringList &primaryKey, bool withNotes = false,
                           const QString &extra = QString())
{
    QStringList cols = expectedColumns().at(table);
    if (!withNotes)
        cols.removeAll(QStringLiteral("Notes"));
    QStringList quotedCols;
    for (const QString &c : cols)
        quotedCols << QLatin1Char('"') + c + QLatin1Char('"');
    QString sql = QStringLiteral("CREATE TABLE \"%1\" (%2, PRIMARY KEY (%3)").arg(table, quotedCols.join(", "),
                                                                               primaryKey.join(", "));
    if (!extra.isEmpty())
        sql += QStringLiteral(", ") + extra;
    return sql + QLatin1Char(')');
}

// The six base tables of a version-0 file.
inline QStringList version0Tables(const QString &extraOnPrintRecord = QString())
{
    return {plainCreate("SignDesData", key + QStringList{"Sign_Code"}),
            plainCreate("SupDesData", key),
            plainCreate("JOBS", {"Job_Code"}),
            plainCreate("LocDesData", key),
            plainCreate("Preferences", {"Name"}),
            plainCreate("PrintRecord", key, false, extraOnPrintRecord)};
}

// One stored design: a job, its location, support, two signs and print record.
inline QStringList designRows(const QString &job, const QString &section, const QString &pos)
{
    const QString k = QStringLiteral("'%1', '%2', '%3'").arg(job, section, pos);
    return {QStringLiteral("INSERT OR IGNORE INTO JOBS (Job_Code, Active) VALUES ('%1', 'Y')").arg(job),
            QStringLiteral("INSERT INTO LocDesData (Job_Code, Job_Section, Sign_Pos, Wind_Region, Road_Height, "
                           "RP_Reduced_Level) VALUES (%1, 2, 1500, 12.5)").arg(k),
            QStringLiteral("INSERT INTO SupDesData (Job_Code, Job_Section, Sign_Pos, Sup_Name, Num_Posts, AADT) "
                           "VALUES (%1, 'CHS Steel', 2, 6002)").arg(k),
            QStringLiteral("INSERT INTO SignDesData (Job_Code, Job_Section, Sign_Pos, Sign_Code, Sign_Place, "
                           "Sign_Width) VALUES (%1, 'G1-1', 'FL', 1200)").arg(k),
            QStringLiteral("INSERT INTO SignDesData (Job_Code, Job_Section, Sign_Pos, Sign_Code, Sign_Place, "
                           "Sign_Width) VALUES (%1, 'G1-2', 'FU', 900)").arg(k),
            QStringLiteral("INSERT INTO PrintRecord (Job_Code, Job_Section, Sign_Pos, DForm_Print_Status, Selected) "
                           "VALUES (%1, 'N', 0)").arg(k)};
}

} // namespace dbtest
