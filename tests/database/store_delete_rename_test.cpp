// Deleting and renaming stored jobs, job sections and sign positions, and
// keys holding quote and pattern characters beside similar keys.

#include "store_test_support.h"

namespace storetest {
namespace {

using Call = testing_support::RecordingProgress::Call;
using database::LevelJob;
using database::LevelJobSection;
using database::LevelSignPosition;

class DeleteRenameTest : public StoreTest {
protected:
    void store(const char *job, const char *section, const char *pos) { save(SimpleDesign(job, section, pos)); }
    long long jobRows(const char *job)
    {
        return value("SELECT COUNT(*) FROM JOBS WHERE Job_Code = ?", {database::PadKey(QString::fromUtf8(job))})
            .toLongLong();
    }
    // Rows of the key in all five tables: 1 JOBS row shared, 4 rows of its own.
    long long allRows(const char *job, const char *section, const char *pos)
    {
        return jobRows(job) + designRows(Key(job, section, pos));
    }
};

TEST_F(DeleteRenameTest, DeletingTheOnlySignPositionRemovesTheJob)
{
    store("J", "S", "P");
    store("K", "S", "P");
    progress.calls.clear();
    ASSERT_TRUE(database::DeleteStoredSign(db(), LevelSignPosition, Key("J", "S", "P")).ok());
    EXPECT_EQ(allRows("J", "S", "P"), 0);
    EXPECT_EQ(allRows("K", "S", "P"), 5);
    EXPECT_EQ(progress.calls, (std::vector<Call>{{80, 2}}));
}

TEST_F(DeleteRenameTest, DeletingASectionKeepsTheJobWhenAnotherRemains)
{
    store("J", "S1", "P1");
    store("J", "S1", "P2");
    store("J", "S2", "P1");
    ASSERT_TRUE(database::DeleteStoredSign(db(), LevelJobSection, Key("J", "S1", "")).ok());
    EXPECT_EQ(designRows(Key("J", "S1", "P1")), 0);
    EXPECT_EQ(designRows(Key("J", "S1", "P2")), 0);
    EXPECT_EQ(designRows(Key("J", "S2", "P1")), 4);
    EXPECT_EQ(jobRows("J"), 1);
    ASSERT_TRUE(database::DeleteStoredSign(db(), LevelJobSection, Key("J", "S2", "")).ok());
    EXPECT_EQ(jobRows("J"), 0);
}

TEST_F(DeleteRenameTest, DeletingAJobRemovesAllItsRows)
{
    store("J", "S1", "P1");
    store("J", "S2", "P2");
    store("J2", "S1", "P1");
    ASSERT_TRUE(database::DeleteStoredSign(db(), LevelJob, Key("J", "", "")).ok());
    EXPECT_EQ(count("JOBS"), 1);
    EXPECT_EQ(count("LocDesData"), 1);
    EXPECT_EQ(count("SupDesData"), 1);
    EXPECT_EQ(count("SignDesData"), 1);
    EXPECT_EQ(count("PrintRecord"), 1);
    // Deleting what is not stored deletes nothing and says so.
    const database::StoreResult none = database::DeleteStoredSign(db(), LevelJob, Key("NONE", "", ""));
    EXPECT_EQ(none.outcome, StoreOutcome::Refused);
    ASSERT_EQ(messages.calls.size(), 1U);
    EXPECT_EQ(messages.calls[0].text,
              QStringLiteral("The job \"NONE\" to be deleted is not stored. Nothing has been deleted."));
    EXPECT_EQ(count("JOBS"), 1);
    EXPECT_EQ(count("SignDesData"), 1);
}

TEST_F(DeleteRenameTest, RenamingAJobFollowsThroughAllFiveTables)
{
    store("OLD", "S1", "P1");
    store("OLD", "S2", "P2");
    exec("UPDATE JOBS SET Active = 'N'");
    ASSERT_TRUE(database::RenameStoredSign(db(), LevelJob, Key("OLD", "", ""), Key("NEW", "", "")).ok());
    EXPECT_EQ(jobRows("OLD"), 0);
    EXPECT_EQ(allRows("NEW", "S1", "P1"), 5);
    EXPECT_EQ(allRows("NEW", "S2", "P2"), 5);
    for (const char *t : {"LocDesData", "SupDesData", "SignDesData", "PrintRecord"})
        EXPECT_EQ(value(QStringLiteral("SELECT COUNT(*) FROM %1 WHERE Job_Code = ?").arg(t),
                        {database::PadKey(QStringLiteral("OLD"))})
                      .toLongLong(),
                  0)
            << t;
    EXPECT_EQ(value("SELECT Active FROM JOBS"), "N");  // the job keeps its flag
}

TEST_F(DeleteRenameTest, RenamingASectionAndASignPosition)
{
    store("J", "S1", "P1");
    store("J", "S1", "P2");
    store("J", "S2", "P1");
    ASSERT_TRUE(database::RenameStoredSign(db(), LevelJobSection, Key("J", "S1", ""), Key("J", "S9", "")).ok());
    EXPECT_EQ(designRows(Key("J", "S9", "P1")), 4);
    EXPECT_EQ(designRows(Key("J", "S9", "P2")), 4);
    EXPECT_EQ(designRows(Key("J", "S2", "P1")), 4);
    ASSERT_TRUE(
        database::RenameStoredSign(db(), LevelSignPosition, Key("J", "S9", "P2"), Key("J", "S9", "P7")).ok());
    EXPECT_EQ(designRows(Key("J", "S9", "P7")), 4);
    EXPECT_EQ(designRows(Key("J", "S9", "P2")), 0);
    EXPECT_EQ(count("LocDesData"), 3);
    // The reloaded design carries its new key.
    const engine::DesignState loaded = load(Key("J", "S9", "P7"));
    EXPECT_EQ(loaded.CurrentDesign.SignPos.Trimmed(), "P7");
    EXPECT_EQ(loaded.CurrentDesign.JobSection.Trimmed(), "S9");
}

TEST_F(DeleteRenameTest, RenameToAnExistingNameIsRefused)
{
    store("A", "S1", "P1");
    store("A", "S1", "P2");
    store("A", "S2", "P1");
    store("B", "S1", "P1");
    const long long before = count("LocDesData") + count("JOBS");
    struct Case {
        int level;
        StoredDesignKey from, to;
    };
    const Case cases[] = {
        {LevelJob, Key("A", "", ""), Key("B", "", "")},
        {LevelJob, Key("A", "", ""), Key("b", "", "")},  // stored names ignore letter case
        {LevelJobSection, Key("A", "S1", ""), Key("A", "S2", "")},
        {LevelSignPosition, Key("A", "S1", "P1"), Key("A", "S1", "P2")},
    };
    for (const Case &c : cases) {
        messages.calls.clear();
        const database::StoreResult r = database::RenameStoredSign(db(), c.level, c.from, c.to);
        EXPECT_EQ(r.outcome, StoreOutcome::Refused) << c.level;
        ASSERT_EQ(messages.calls.size(), 1U);
        EXPECT_TRUE(messages.calls[0].text.contains("already stored")) << messages.calls[0].text.toStdString();
    }
    EXPECT_EQ(count("LocDesData") + count("JOBS"), before);
    EXPECT_EQ(designRows(Key("A", "S1", "P1")), 4);
    EXPECT_EQ(designRows(Key("B", "S1", "P1")), 4);
}

TEST_F(DeleteRenameTest, RenameOfAVanishedSourceIsRefused)
{
    store("A", "S1", "P1");
    for (int level : {1, 2, 3}) {
        messages.calls.clear();
        const database::StoreResult r =
            database::RenameStoredSign(db(), level, Key("GONE", "GONE", "GONE"), Key("N", "N", "N"));
        EXPECT_EQ(r.outcome, StoreOutcome::Refused) << level;
        ASSERT_EQ(messages.calls.size(), 1U);
        EXPECT_TRUE(messages.calls[0].text.contains("no longer stored"));
    }
    EXPECT_EQ(count("JOBS"), 1);
    EXPECT_EQ(designRows(Key("A", "S1", "P1")), 4);
}

TEST_F(DeleteRenameTest, RenameOnlyChangingLetterCase)
{
    store("abc", "S", "P");
    ASSERT_TRUE(database::RenameStoredSign(db(), LevelJob, Key("abc", "", ""), Key("ABC", "", "")).ok());
    for (const char *t : {"JOBS", "LocDesData", "SupDesData", "SignDesData", "PrintRecord"})
        EXPECT_EQ(value(QStringLiteral("SELECT Job_Code FROM %1").arg(t)).toString().trimmed(), "ABC") << t;
    ASSERT_TRUE(database::RenameStoredSign(db(), LevelSignPosition, Key("ABC", "S", "P"), Key("ABC", "S", "p")).ok());
    for (const char *t : {"LocDesData", "SupDesData", "SignDesData", "PrintRecord"})
        EXPECT_EQ(value(QStringLiteral("SELECT Sign_Pos FROM %1").arg(t)).toString().trimmed(), "p") << t;
    // The same name again changes nothing and is no error.
    EXPECT_TRUE(database::RenameStoredSign(db(), LevelJob, Key("ABC", "", ""), Key("ABC", "", "")).ok());
    EXPECT_TRUE(messages.calls.empty());
}

// Keys with characters that mean something to SQL text or to pattern
// matching, stored beside keys they would match as patterns.
TEST_F(DeleteRenameTest, SpecialCharactersTouchOnlyTheirOwnKey)
{
    const char *specials[] = {"O'Brien", "50%", "A_C", "A*C", "A\\C", "[A]#"};
    const char *neighbours[] = {"O", "50", "ABC", "AXC", "A", "A"};
    for (std::size_t i = 0; i < std::size(specials); ++i) {
        SCOPED_TRACE(specials[i]);
        database::CloseCurrentDatabase();
        database::CurrentDatabasePath = dir.filePath(QStringLiteral("keys%1.mdb").arg(i));
        ASSERT_TRUE(database::OpenCurrentDatabase());
        const char *s = specials[i];
        const char *n = neighbours[i];
        engine::DesignState special = SimpleDesign(s, s, s);
        special.CurrentDesign.Notes = "special";
        save(special);
        store(n, n, n);
        store(s, n, s);
        store(n, s, n);
        store("x", "x", "x");

        const engine::DesignState loaded = load(Key(s, s, s));
        EXPECT_EQ(loaded.CurrentDesign.Notes, "special");
        EXPECT_EQ(loaded.CurrentDesign.JobCode.Trimmed(), s);

        ASSERT_TRUE(database::RenameStoredSign(db(), LevelSignPosition, Key(s, s, s), Key(s, s, "moved")).ok());
        EXPECT_EQ(designRows(Key(s, s, "moved")), 4);
        EXPECT_EQ(designRows(Key(s, n, s)), 4);
        ASSERT_TRUE(database::DeleteStoredSign(db(), LevelSignPosition, Key(s, s, "moved")).ok());
        EXPECT_EQ(count("LocDesData"), 4);
        ASSERT_TRUE(database::DeleteStoredSign(db(), LevelJobSection, Key(n, s, "")).ok());
        EXPECT_EQ(designRows(Key(n, n, n)), 4);
        EXPECT_EQ(count("LocDesData"), 3);
        ASSERT_TRUE(database::RenameStoredSign(db(), LevelJob, Key(s, "", ""), Key("renamed", "", "")).ok());
        EXPECT_EQ(designRows(Key("renamed", n, s)), 4);
        EXPECT_EQ(designRows(Key(n, n, n)), 4);
        ASSERT_TRUE(database::DeleteStoredSign(db(), LevelJob, Key(n, "", "")).ok());
        EXPECT_EQ(count("JOBS"), 2);  // "renamed" and "x"
        EXPECT_EQ(designRows(Key("x", "x", "x")), 4);
        EXPECT_TRUE(messages.calls.empty());
    }
}

} // namespace
} // namespace storetest
