#pragma once
// A file of many stored designs for the list measurements and tests: one
// designed sign stored under jobs x sections x positions keys. The design is
// saved once through the store; its rows are then copied under the other keys
// in one transaction, as a save under each key would store them, in a
// fraction of the time. Header only, so that the benchmarks can use it
// without the test library.

#include "database/design_key.h"
#include "database/design_rows.h"
#include "database/design_store.h"
#include "database/schema.h"
#include "engine/design_state.h"
#include "platform/sql.h"

#include <QString>
#include <QStringList>
#include <string>

namespace testing_support {

// The key parts of design number `job`, `section`, `position` (from 1). The
// job codes hold non-ASCII letters, as road names do.
inline std::string ManyJobCode(int job) { return "Straße " + std::to_string(1000 + job).substr(1); }
inline std::string ManySection(int section) { return "Abschnitt " + std::to_string(100 + section).substr(1); }
inline std::string ManyPosition(int position) { return "CH " + std::to_string(10000 + position).substr(1); }

namespace detail {

// Copies the rows of `table` under the template key to every key of the
// temporary table ManyKeys, in one statement. The key columns take the new
// parts; a table keyed by job alone (JOBS) takes each new job code once.
inline platform::SqlStatus CopyRows(platform::SqlConnection &db, const QString &table,
                                    const database::StoredDesignKey &from)
{
    platform::SqlRows columns;
    platform::SqlStatus s = db.select(QStringLiteral("SELECT name FROM pragma_table_info(?)"), {table}, columns);
    if (!s)
        return s;
    QStringList names;
    QStringList values;
    bool wholeKey = false;
    for (const auto &row : columns) {
        const QString name = row.at(0).toString();
        const bool keyPart = name == QLatin1String("Job_Code") || name == QLatin1String("Job_Section") ||
                             name == QLatin1String("Sign_Pos");
        wholeKey = wholeKey || name == QLatin1String("Sign_Pos");
        names << QStringLiteral("\"%1\"").arg(name);
        values << (keyPart ? QStringLiteral("k.") : QStringLiteral("t.")) + names.back();
    }
    QString sql = QStringLiteral("INSERT INTO \"%1\" (%2) SELECT %3 FROM \"%1\" t, %4 k WHERE t.Job_Code = ?")
                      .arg(table, names.join(QLatin1Char(',')), values.join(QLatin1Char(',')),
                           wholeKey ? QStringLiteral("temp.ManyKeys")
                                    : QStringLiteral("(SELECT DISTINCT Job_Code FROM temp.ManyKeys WHERE Job_Code <> ?)"));
    QVariantList params;
    if (wholeKey) {
        sql += QStringLiteral(" AND t.Job_Section = ? AND t.Sign_Pos = ?");
        params << from.JobCode << from.JobSection << from.SignPos;
    } else {
        params << from.JobCode << from.JobCode;
    }
    return db.exec(sql, params);
}

} // namespace detail

// Stores `design` under every key (the first key through the store). Returns
// the first failure's text, empty when every design was stored.
inline QString StoreManyDesigns(platform::SqlConnection &db, engine::DesignState design, int jobs, int sections,
                                int positions)
{
    auto &d = design.CurrentDesign;
    d.JobCode = ManyJobCode(1);
    d.JobSection = ManySection(1);
    d.SignPos = ManyPosition(1);
    const database::StoreResult saved = database::SaveSignDesign(db, design, database::KeyOf(d));
    if (!saved.ok())
        return saved.message.isEmpty() ? QStringLiteral("design not stored") : saved.message;
    // The parts as stored (the record's fields are padded by bytes, the
    // stored parts by characters).
    const database::StoredDesignKey first{database::PadKey(ManyJobCode(1)), database::PadKey(ManySection(1)),
                                          database::PadKey(ManyPosition(1))};

    platform::SqlTransaction transaction(db, platform::SqlTransaction::Kind::Immediate);
    platform::SqlStatus s = transaction.status();
    if (s)
        s = db.exec(QStringLiteral("CREATE TEMP TABLE ManyKeys (Job_Code TEXT, Job_Section TEXT, Sign_Pos TEXT)"), {});
    for (int j = 1; j <= jobs && s; ++j)
        for (int k = 1; k <= sections && s; ++k)
            for (int p = 1; p <= positions && s; ++p)
                if (j > 1 || k > 1 || p > 1)
                    s = db.exec(QStringLiteral("INSERT INTO temp.ManyKeys VALUES (?, ?, ?)"),
                                {database::PadKey(ManyJobCode(j)), database::PadKey(ManySection(k)),
                                 database::PadKey(ManyPosition(p))});
    // Parents before children: every relation's child follows its parent.
    if (s)
        s = detail::CopyRows(db, QStringLiteral("JOBS"), first);
    for (const database::RelationDef &relation : database::SchemaRelations())
        if (s)
            s = detail::CopyRows(db, QString::fromLatin1(relation.name), first);
    if (s)
        s = db.exec(QStringLiteral("DROP TABLE temp.ManyKeys"), {});
    if (s)
        s = transaction.commit();
    if (s)
        return {};
    return s.text().isEmpty() ? QStringLiteral("SQLite code %1").arg(s.code()) : s.text();
}

} // namespace testing_support
