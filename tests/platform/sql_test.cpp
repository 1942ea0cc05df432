// The SQLite layer: opening, parameters, transactions and error values.

#include "platform/sql.h"

#include <gtest/gtest.h>

#include <QFile>
#include <QFileInfo>
#include <QSqlDatabase>
#include <QTemporaryDir>

using namespace platform;

namespace {

class Sql : public ::testing::Test {
protected:
    std::unique_ptr<SqlConnection> open(const QString &name,
                                        SqlConnection::OpenMode mode = SqlConnection::OpenMode::CreateOrOpen)
    {
        SqlStatus status;
        auto c = SqlConnection::open(dir.filePath(name), mode, status);
        EXPECT_TRUE(status.ok()) << status.code() << " " << status.text().toStdString();
        return c;
    }
    QTemporaryDir dir;
};

TEST_F(Sql, OpenExistingNeverCreatesAFile)
{
    SqlStatus status;
    auto c = SqlConnection::open(dir.filePath("none.db"), SqlConnection::OpenMode::OpenExisting, status);
    EXPECT_EQ(c, nullptr);
    EXPECT_EQ(status.code(), SqliteCantOpen);
    EXPECT_FALSE(QFileInfo::exists(dir.filePath("none.db")));

    // Characters that mean something in a URI are part of the name only.
    const QString odd = QStringLiteral("a%20b?mode=ro#x.db");
    ASSERT_TRUE(open(odd));
    auto again = open(odd, SqlConnection::OpenMode::OpenExisting);
    ASSERT_TRUE(again);
    EXPECT_TRUE(again->exec("CREATE TABLE t (x)").ok());
    EXPECT_FALSE(QFileInfo::exists(dir.filePath("a b")));
}

TEST_F(Sql, EachConnectionHasForeignKeysOnAndItsOwnNameRemovedOnClose)
{
    const int namesBefore = QSqlDatabase::connectionNames().size();
    auto a = open("f.db");
    auto b = open("f.db", SqlConnection::OpenMode::OpenExisting);
    ASSERT_TRUE(a && b);
    EXPECT_EQ(QSqlDatabase::connectionNames().size(), namesBefore + 2);
    SqlRows rows;
    ASSERT_TRUE(b->select("PRAGMA foreign_keys", {}, rows).ok());
    EXPECT_EQ(rows.at(0).at(0).toInt(), 1);
    ASSERT_TRUE(a->exec("CREATE TABLE p (k TEXT PRIMARY KEY)").ok());
    ASSERT_TRUE(a->exec("CREATE TABLE c (k TEXT REFERENCES p (k) ON DELETE CASCADE)").ok());
    EXPECT_EQ(b->exec("INSERT INTO c VALUES ('x')").code(), SqliteConstraint);
    a.reset();
    b.reset();
    EXPECT_EQ(QSqlDatabase::connectionNames().size(), namesBefore);
}

TEST_F(Sql, BoundTextIsStoredAsItStands)
{
    auto c = open("p.db");
    ASSERT_TRUE(c->exec("CREATE TABLE t (a TEXT, b INTEGER)").ok());
    const QString nasty = QStringLiteral("x'); DROP TABLE t; --");
    ASSERT_TRUE(c->exec("INSERT INTO t VALUES (?, ?)", {nasty, QVariant()}).ok());
    EXPECT_EQ(c->lastRowsAffected(), 1);

    SqlStatement st = c->prepare("SELECT a, b FROM t WHERE a = ?");
    ASSERT_TRUE(st.status().ok());
    st.bind(nasty);
    ASSERT_TRUE(st.exec().ok());
    ASSERT_TRUE(st.next());
    EXPECT_EQ(st.value(0).toString(), nasty);
    EXPECT_TRUE(st.value("b").isNull());
    EXPECT_EQ(st.columnName(1), "b");
    EXPECT_FALSE(st.next());
    EXPECT_TRUE(st.status().ok());
}

TEST_F(Sql, TransactionRollsBackUnlessCommitted)
{
    auto c = open("t.db");
    ASSERT_TRUE(c->exec("CREATE TABLE t (x)").ok());
    {
        SqlTransaction tx(*c);
        ASSERT_TRUE(tx.status().ok());
        ASSERT_TRUE(c->exec("INSERT INTO t VALUES (1)").ok());
    }
    {
        SqlTransaction tx(*c, SqlTransaction::Kind::Immediate);
        ASSERT_TRUE(c->exec("INSERT INTO t VALUES (2)").ok());
        EXPECT_TRUE(tx.commit().ok());
        EXPECT_FALSE(tx.active());
    }
    SqlRows rows;
    ASSERT_TRUE(c->select("SELECT x FROM t", {}, rows).ok());
    ASSERT_EQ(rows.size(), 1u);
    EXPECT_EQ(rows[0][0].toInt(), 2);
}

TEST_F(Sql, FailuresCarrySqliteCodesAndTexts)
{
    auto c = open("e.db");
    SqlStatus s = c->exec("SELEC nothing");
    EXPECT_EQ(s.code(), SqliteError);
    EXPECT_TRUE(s.text().contains("syntax error")) << s.text().toStdString();

    ASSERT_TRUE(c->exec("CREATE TABLE u (k TEXT PRIMARY KEY, v TEXT CHECK (v <> ''))").ok());
    ASSERT_TRUE(c->exec("INSERT INTO u VALUES ('a', 'b')").ok());
    // Extended codes (primary key, check) reduce to the primary code.
    EXPECT_EQ(c->exec("INSERT INTO u VALUES ('a', 'c')").code(), SqliteConstraint);
    EXPECT_EQ(c->exec("INSERT INTO u VALUES ('b', '')").code(), SqliteConstraint);

    SqlStatement bad = c->prepare("SELECT * FROM missing_table");
    EXPECT_FALSE(bad.status().ok());
    EXPECT_TRUE(bad.status().text().contains("missing_table"));
}

TEST_F(Sql, OpenRefusesFilesThatAreNotDatabasesOrAreLocked)
{
    {
        QFile f(dir.filePath("text.db"));
        ASSERT_TRUE(f.open(QIODevice::WriteOnly));
        f.write(QByteArray(4096, 'x'));
    }
    SqlStatus status;
    EXPECT_EQ(SqlConnection::open(dir.filePath("text.db"), SqlConnection::OpenMode::OpenExisting, status), nullptr);
    EXPECT_EQ(status.code(), SqliteNotADatabase);

    auto holder = open("l.db");
    ASSERT_TRUE(holder->exec("CREATE TABLE t (x)").ok());
    ASSERT_TRUE(holder->exec("BEGIN EXCLUSIVE").ok());
    EXPECT_EQ(SqlConnection::open(dir.filePath("l.db"), SqlConnection::OpenMode::OpenExisting, status), nullptr);
    EXPECT_EQ(status.code(), SqliteBusy);
    EXPECT_EQ(status.text(), "database is locked");
}

} // namespace
