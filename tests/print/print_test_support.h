#pragma once
// Shared set-up of the print tests: a real database file in a temporary
// folder, designs stored through the program's own save, and surfaces that
// record what is drawn.

#include "common/sample_designs.h"
#include "common/test_services.h"
#include "database/database_file.h"
#include "database/design_key.h"
#include "database/design_store.h"
#include "engine/design_state.h"
#include "print/page_surface.h"
#include "print/print_load.h"

#include <gtest/gtest.h>

#include <QTemporaryDir>

namespace printtest {

using database::StoredDesignKey;

inline StoredDesignKey Key(const char *job, const char *section, const char *pos)
{
    return {QString::fromUtf8(job), QString::fromUtf8(section), QString::fromUtf8(pos)};
}

// A recording surface with a fixed metric: 10 units a character, 40 a line.
struct FixedSurface : print::RecordingSurface {
    FixedSurface()
    {
        useFixedMetric(10, 40);
        Today = QDate(2026, 3, 7);
    }
};

class PrintDbTest : public ::testing::Test {
protected:
    void SetUp() override
    {
        ASSERT_TRUE(dir.isValid());
        database::CloseCurrentDatabase();
        database::CurrentDatabasePath = dir.filePath(QStringLiteral("print.mdb"));
        ASSERT_TRUE(database::OpenCurrentDatabase());
    }
    void TearDown() override
    {
        database::CloseCurrentDatabase();
        database::CurrentDatabasePath.clear();
    }
    platform::SqlConnection &db() { return *database::CurrentDatabase(); }

    // Stores a design under its own key with support kind `kind`.
    void save(const engine::DesignRecord &design, const engine::SupportDesign &support, int kind = 1)
    {
        engine::DesignState state;
        state.CurrentDesign = design;
        state.SupportDesigns[static_cast<std::size_t>(kind)] = support;
        state.CurrentSupportType = static_cast<int16_t>(kind);
        const database::StoreResult r = database::SaveSignDesign(db(), state, database::KeyOf(design));
        ASSERT_TRUE(r.ok()) << r.message.toStdString();
    }
    void exec(const QString &sql, const QVariantList &params = {})
    {
        const platform::SqlStatus s = db().exec(sql, params);
        ASSERT_TRUE(s.ok()) << sql.toStdString() << ": " << s.text().toStdString();
    }
    // Sets one column of a design's rows in one table.
    void setColumn(const StoredDesignKey &key, const char *table, const char *column, const QVariant &value,
                   const QString &extraCondition = {})
    {
        QVariantList p{value};
        p << database::DesignKeyParams(key.JobCode, key.JobSection, key.SignPos);
        exec(QStringLiteral("UPDATE %1 SET %2 = ? WHERE %3%4")
                 .arg(QLatin1String(table), QLatin1String(column), QLatin1String(database::DesignKeyCondition),
                      extraCondition),
             p);
    }
    print::PrintedDesign load(const StoredDesignKey &key)
    {
        print::PrintedDesign printed;
        const platform::SqlStatus s = print::LoadPrintDesign(db(), key, printed);
        EXPECT_TRUE(s.ok()) << s.text().toStdString();
        return printed;
    }

    QTemporaryDir dir;
    testing_support::RecordingMessages messages;
};

// A design with key, one front panel and a plain support.
inline engine::DesignRecord SampleDesign(const char *job, const char *section, const char *pos)
{
    engine::DesignRecord d;
    testing_support::FillSimpleSign(d);
    d.JobCode = job;
    d.JobSection = section;
    d.SignPos = pos;
    return d;
}

inline engine::SupportDesign SampleSupport()
{
    engine::SupportDesign s;
    s.NumPosts = 2;
    s.PostSpacing = 1200;
    s.PostLength = {0, 3500, 3500, 0, 0};
    s.PostClearance = {0, 1800, 1800, 0, 0};
    s.StubLength = 1000;
    s.PostDimensions = "76.1 NB";
    s.PostWallThickness = "3.2";
    s.PostMatGrade = "C350";
    s.FootingType = 1;
    s.NormFootingDim = "450";
    s.NormFootingDep = 1200;
    s.StiffenerType = 1;
    s.NumStiffeners = {0, 3, 0, 0, 0};
    s.StiffenerSpacing = {0, 400, 0, 0, 0};
    s.NumBrackets = {0, 6, 0, 0, 0};
    return s;
}

} // namespace printtest
