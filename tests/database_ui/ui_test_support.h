#pragma once
// Shared set-up of the storage and job management dialog tests: a fresh
// database file opened through the program, the scripted services, designs
// to store, and mouse clicks on the browser as the engineer makes them.

#include "common/sample_designs.h"
#include "common/test_services.h"
#include "database/database_file.h"
#include "database/default_values.h"
#include "database/design_key.h"
#include "database/design_store.h"
#include "database/ui/design_browser.h"
#include "engine/design_run.h"
#include "engine/design_state.h"
#include "platform/sql.h"

#include <gtest/gtest.h>

#include <QApplication>
#include <QMouseEvent>
#include <QTemporaryDir>
#include <QTreeWidgetItem>

namespace uitest {

using database::StoredDesignKey;

inline StoredDesignKey Key(const char *job, const char *section, const char *pos)
{
    return {QString::fromUtf8(job), QString::fromUtf8(section), QString::fromUtf8(pos)};
}

// One front panel 2000 x 1500, region A, rigid base, soil 3, under a key.
inline engine::DesignState SimpleDesign(const char *job, const char *section, const char *pos, int width = 2000)
{
    engine::DesignState s;
    engine::ResetDesignData(s, database::CurrentDefaultValues());
    s.CurrentDesign.JobCode = job;
    s.CurrentDesign.JobSection = section;
    s.CurrentDesign.SignPos = pos;
    testing_support::FillSimpleSign(s.CurrentDesign, width);
    engine::RunDesign(s);
    engine::RedesignWithMorePosts(s);
    return s;
}

class DialogTest : public ::testing::Test {
protected:
    void SetUp() override
    {
        ASSERT_TRUE(dir.isValid());
        database::CloseCurrentDatabase();
        database::CurrentDatabasePath = dir.filePath(QStringLiteral("designs.mdb"));
        ASSERT_TRUE(database::OpenCurrentDatabase());
        database::SaveAsDeclined = 0;
    }
    void TearDown() override
    {
        database::CloseCurrentDatabase();
        database::CurrentDatabasePath.clear();
    }

    platform::SqlConnection &db() { return *database::CurrentDatabase(); }

    QVariant value(const QString &sql, const QVariantList &params = {})
    {
        platform::SqlRows out;
        const platform::SqlStatus s = db().select(sql, params, out);
        EXPECT_TRUE(s.ok()) << sql.toStdString() << ": " << s.text().toStdString();
        return out.empty() || out.front().empty() ? QVariant() : out.front().front();
    }
    void exec(const QString &sql, const QVariantList &params = {})
    {
        const platform::SqlStatus s = db().exec(sql, params);
        ASSERT_TRUE(s.ok()) << sql.toStdString() << ": " << s.text().toStdString();
    }
    long long count(const QString &table) { return value(QStringLiteral("SELECT COUNT(*) FROM ") + table).toLongLong(); }
    // Rows of a table under a key, the parts padded as stored.
    long long rowsOfKey(const QString &table, const StoredDesignKey &key)
    {
        return value(QStringLiteral("SELECT COUNT(*) FROM %1 WHERE %2").arg(table, database::DesignKeyCondition),
                     database::DesignKeyParams(key.JobCode, key.JobSection, key.SignPos))
            .toLongLong();
    }
    bool stored(const StoredDesignKey &key)
    {
        return rowsOfKey(QStringLiteral("LocDesData"), key) == 1 && rowsOfKey(QStringLiteral("SupDesData"), key) == 1;
    }
    long long jobRows(const char *job)
    {
        return value(QStringLiteral("SELECT COUNT(*) FROM JOBS WHERE Job_Code = ?"),
                     {database::PadKey(QString::fromUtf8(job))})
            .toLongLong();
    }

    // JOBS.Active of a job.
    QString active(const QString &job)
    {
        return value(QStringLiteral("SELECT Active FROM JOBS WHERE Job_Code = ?"), {database::PadKey(job)}).toString();
    }

    void store(const char *job, const char *section, const char *pos, int width = 2000)
    {
        const engine::DesignState s = SimpleDesign(job, section, pos, width);
        const database::StoreResult r = database::SaveSignDesign(db(), s, database::KeyOf(s.CurrentDesign));
        ASSERT_TRUE(r.ok()) << r.message.toStdString();
    }

    QTemporaryDir dir;
    testing_support::RecordingMessages messages;
    testing_support::ScriptedFileChooser files;
    testing_support::RecordingExit exits;
    testing_support::RecordingProgress progress;
};

// Mouse events on a visible browser item, as the engineer's hand makes them.
inline void sendMouse(QWidget *target, QEvent::Type type, const QPoint &pos)
{
    const QPointF local(pos);
    const QPointF global(target->mapToGlobal(pos));
    QMouseEvent event(type, local, global, Qt::LeftButton,
                      type == QEvent::MouseButtonRelease ? Qt::NoButton : Qt::LeftButton, Qt::NoModifier);
    QApplication::sendEvent(target, &event);
}

inline QPoint itemPoint(database::DesignBrowser *browser, QTreeWidgetItem *item)
{
    for (QTreeWidgetItem *p = item->parent(); p; p = p->parent())
        p->setExpanded(true);
    browser->scrollToItem(item);
    return browser->visualItemRect(item).center();
}

inline void click(database::DesignBrowser *browser, QTreeWidgetItem *item)
{
    ASSERT_NE(item, nullptr);
    const QPoint at = itemPoint(browser, item);
    ASSERT_FALSE(browser->visualItemRect(item).isEmpty());
    sendMouse(browser->viewport(), QEvent::MouseButtonPress, at);
    sendMouse(browser->viewport(), QEvent::MouseButtonRelease, at);
}

inline void doubleClick(database::DesignBrowser *browser, QTreeWidgetItem *item)
{
    ASSERT_NE(item, nullptr);
    const QPoint at = itemPoint(browser, item);
    sendMouse(browser->viewport(), QEvent::MouseButtonPress, at);
    sendMouse(browser->viewport(), QEvent::MouseButtonRelease, at);
    sendMouse(browser->viewport(), QEvent::MouseButtonDblClick, at);
    sendMouse(browser->viewport(), QEvent::MouseButtonRelease, at);
}

} // namespace uitest
