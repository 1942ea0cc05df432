#pragma once
// Shared set-up of the design store tests: a fresh database file opened
// through the program, recording message and progress services, and a few
// designs to store.

#include "common/sample_designs.h"
#include "common/test_services.h"
#include "database/database_file.h"
#include "db_test_support.h"
#include "database/default_values.h"
#include "database/design_key.h"
#include "database/design_store.h"
#include "engine/design_run.h"
#include "engine/design_state.h"
#include "platform/sql.h"

#include <gtest/gtest.h>

#include <QTemporaryDir>

namespace storetest {

using database::StoredDesignKey;
using database::StoreOutcome;

class StoreTest : public ::testing::Test {
protected:
    void SetUp() override
    {
        ASSERT_TRUE(dir.isValid());
        database::CloseCurrentDatabase();
        database::CurrentDatabasePath = dir.filePath(QStringLiteral("store.mdb"));
        ASSERT_TRUE(database::OpenCurrentDatabase());
        ASSERT_NE(database::CurrentDatabase(), nullptr);
        database::SaveAsDeclined = 0;
    }
    void TearDown() override
    {
        database::CloseCurrentDatabase();
        database::CurrentDatabasePath.clear();
    }

    platform::SqlConnection &db() { return *database::CurrentDatabase(); }

    // Every row of a query, as lists of values.
    platform::SqlRows rows(const QString &sql, const QVariantList &params = {})
    {
        return dbtest::rowsOf(db(), sql, params);
    }
    QVariant value(const QString &sql, const QVariantList &params = {}) { return dbtest::scalar(db(), sql, params); }
    long long count(const QString &table)
    {
        return value(QStringLiteral("SELECT COUNT(*) FROM ") + table).toLongLong();
    }
    void exec(const QString &sql, const QVariantList &params = {})
    {
        const platform::SqlStatus s = db().exec(sql, params);
        ASSERT_TRUE(s.ok()) << sql.toStdString() << ": " << s.text().toStdString();
    }
    // Rows of a table for a key, counted with the key padded as stored.
    long long rowsOfKey(const QString &table, const StoredDesignKey &key)
    {
        return value(QStringLiteral("SELECT COUNT(*) FROM %1 WHERE %2").arg(table, database::DesignKeyCondition),
                     database::DesignKeyParams(key.JobCode, key.JobSection, key.SignPos))
            .toLongLong();
    }
    long long designRows(const StoredDesignKey &key)
    {
        long long n = 0;
        for (const char *t : {"LocDesData", "SupDesData", "SignDesData", "PrintRecord"})
            n += rowsOfKey(QString::fromLatin1(t), key);
        return n;
    }

    void save(const engine::DesignState &state)
    {
        const database::StoreResult r = database::SaveSignDesign(db(), state, database::KeyOf(state.CurrentDesign));
        ASSERT_TRUE(r.ok()) << r.message.toStdString();
    }
    engine::DesignState load(const StoredDesignKey &key)
    {
        engine::DesignState state;
        const database::StoreResult r =
            database::LoadSignDesign(db(), state, database::CurrentDefaultValues(), key);
        EXPECT_TRUE(r.ok()) << r.message.toStdString();
        return state;
    }

    QTemporaryDir dir;
    testing_support::RecordingMessages messages;
    testing_support::RecordingProgress progress;
};

// A fresh design as the main window starts one, with the key set.
inline engine::DesignState NewDesign(const char *job, const char *section, const char *pos)
{
    engine::DesignState s;
    engine::ResetDesignData(s, database::CurrentDefaultValues());
    s.CurrentDesign.JobCode = job;
    s.CurrentDesign.JobSection = section;
    s.CurrentDesign.SignPos = pos;
    return s;
}

// One front panel 2000 x 1500 on a slope, region A, rigid base, soil 3: a
// design every support kind can carry.
inline engine::DesignState SimpleDesign(const char *job = "J1", const char *section = "S1", const char *pos = "P1")
{
    engine::DesignState s = NewDesign(job, section, pos);
    testing_support::FillSimpleSign(s.CurrentDesign);
    return s;
}

// The design run as the main window does it.
inline void RunAsMainWindow(engine::DesignState &s)
{
    engine::RunDesign(s);
    engine::RedesignWithMorePosts(s);
}

inline StoredDesignKey Key(const char *job, const char *section, const char *pos)
{
    return {QString::fromUtf8(job), QString::fromUtf8(section), QString::fromUtf8(pos)};
}

} // namespace storetest
