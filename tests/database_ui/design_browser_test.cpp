// The stored-design browser: what it lists, in which order, the key parts its
// items carry, and how clicks and double clicks are announced.

#include "ui_test_support.h"

#include "common/many_designs.h"
#include "database/ui/design_browser.h"

#include <vector>

namespace uitest {
namespace {

using database::DesignBrowser;

QStringList childTexts(QTreeWidgetItem *item)
{
    QStringList texts;
    for (int i = 0; i < item->childCount(); ++i)
        texts << item->child(i)->text(0);
    return texts;
}

QStringList topTexts(const DesignBrowser &browser)
{
    QStringList texts;
    for (int i = 0; i < browser.topLevelItemCount(); ++i)
        texts << browser.topLevelItem(i)->text(0);
    return texts;
}

class BrowserTest : public DialogTest {
protected:
    void SetUp() override
    {
        DialogTest::SetUp();
        browser.resize(320, 480);
    }
    DesignBrowser browser;
};

TEST_F(BrowserTest, NoStoredDesignsOrOnlyInactiveJobsGiveAnEmptyTree)
{
    ASSERT_TRUE(browser.FillStoredSignsOutline().ok());
    EXPECT_EQ(browser.topLevelItemCount(), 0);

    store("J1", "S1", "P1");
    store("J2", "S1", "P1");
    exec(QStringLiteral("UPDATE JOBS SET Active = 'N'"));
    ASSERT_TRUE(browser.FillStoredSignsOutline().ok());
    EXPECT_EQ(browser.topLevelItemCount(), 0);
    EXPECT_EQ(browser.signPositionCount(), 0);
}

TEST_F(BrowserTest, NoDatabaseGivesAnEmptyTree)
{
    store("J1", "S1", "P1");
    database::CloseCurrentDatabase();
    EXPECT_TRUE(browser.FillStoredSignsOutline().ok());
    EXPECT_EQ(browser.topLevelItemCount(), 0);
}

TEST_F(BrowserTest, JobsSectionsAndSignPositionsAreSortedAndGrouped)
{
    // Stored out of order, with names shared between jobs and sections.
    store("J2", "S1", "P1");
    store("J1", "S2", "P1");
    store("J1", "S1", "P2");
    store("J1", "S1", "P1");
    store("J3", "S1", "P1");
    store("a1", "S1", "P1");
    exec(QStringLiteral("UPDATE JOBS SET Active = 'N' WHERE Job_Code = ?"), {database::PadKey(QStringLiteral("J3"))});

    ASSERT_TRUE(browser.FillStoredSignsOutline().ok());
    EXPECT_EQ(topTexts(browser), (QStringList{"a1", "J1", "J2"}));
    QTreeWidgetItem *j1 = browser.topLevelItem(1);
    EXPECT_EQ(childTexts(j1), (QStringList{"S1", "S2"}));
    EXPECT_EQ(childTexts(j1->child(0)), (QStringList{"P1", "P2"}));
    EXPECT_EQ(childTexts(j1->child(1)), (QStringList{"P1"}));
    // The same section name under two jobs: one section item under each.
    EXPECT_EQ(childTexts(browser.topLevelItem(2)), (QStringList{"S1"}));
    EXPECT_EQ(browser.signPositionCount(), 5);
    // Items start collapsed.
    EXPECT_FALSE(j1->isExpanded());
    EXPECT_FALSE(j1->child(0)->isExpanded());
}

TEST_F(BrowserTest, ItemsCarryTheirExactKeyPartsAndLevel)
{
    // A backslash in a key part: the path text shows it, the key is intact.
    store("A\\B", "S\\1", "P1");
    ASSERT_TRUE(browser.FillStoredSignsOutline().ok());
    QTreeWidgetItem *job = browser.topLevelItem(0);
    QTreeWidgetItem *section = job->child(0);
    QTreeWidgetItem *leaf = section->child(0);

    EXPECT_EQ(DesignBrowser::level(job), database::JobLevel);
    EXPECT_EQ(DesignBrowser::level(section), database::SectionLevel);
    EXPECT_EQ(DesignBrowser::level(leaf), database::SignPositionLevel);
    EXPECT_EQ(DesignBrowser::key(leaf).JobCode, database::PadKey(QStringLiteral("A\\B")));
    EXPECT_EQ(DesignBrowser::key(leaf).JobSection, database::PadKey(QStringLiteral("S\\1")));
    EXPECT_EQ(DesignBrowser::key(leaf).SignPos, database::PadKey(QStringLiteral("P1")));
    EXPECT_EQ(DesignBrowser::key(section).SignPos, QString());
    EXPECT_EQ(DesignBrowser::key(job).JobSection, QString());
    EXPECT_EQ(DesignBrowser::fullPath(leaf), QStringLiteral("A\\B\\S\\1\\P1"));
    EXPECT_EQ(DesignBrowser::fullPath(section), QStringLiteral("A\\B\\S\\1"));
    EXPECT_EQ(DesignBrowser::fullPath(job), QStringLiteral("A\\B"));
    EXPECT_EQ(leaf->data(0, database::JobCodeRole).toString().size(), 15);

    // The key read from the item finds the stored design.
    bool isStored = false;
    ASSERT_TRUE(database::IsDesignStored(db(), DesignBrowser::key(leaf), isStored).ok());
    EXPECT_TRUE(isStored);
    EXPECT_EQ(browser.findItem(Key("A\\B", "S\\1", "P1"), database::SignPositionLevel), leaf);
}

TEST_F(BrowserTest, AClickAnnouncesTheItemOnceAndADoubleClickActivatesSignPositions)
{
    store("J1", "S1", "P1");
    ASSERT_TRUE(browser.FillStoredSignsOutline().ok());
    browser.show();
    std::vector<QTreeWidgetItem *> chosen;
    std::vector<QTreeWidgetItem *> activated;
    QObject::connect(&browser, &DesignBrowser::itemChosen, [&](QTreeWidgetItem *i) { chosen.push_back(i); });
    QObject::connect(&browser, &DesignBrowser::signPositionActivated,
                     [&](QTreeWidgetItem *i) { activated.push_back(i); });
    QTreeWidgetItem *job = browser.topLevelItem(0);
    QTreeWidgetItem *leaf = browser.findItem(Key("J1", "S1", "P1"), database::SignPositionLevel);

    click(&browser, leaf);
    EXPECT_EQ(chosen, std::vector<QTreeWidgetItem *>{leaf});
    // Clicking the selected item again still counts.
    click(&browser, leaf);
    EXPECT_EQ(chosen, (std::vector<QTreeWidgetItem *>{leaf, leaf}));
    EXPECT_TRUE(activated.empty());

    doubleClick(&browser, leaf);
    EXPECT_EQ(activated, std::vector<QTreeWidgetItem *>{leaf});

    // A double click on a job opens or closes it; nothing is activated.
    job->setExpanded(false);
    doubleClick(&browser, job);
    EXPECT_TRUE(job->isExpanded());
    doubleClick(&browser, job);
    EXPECT_FALSE(job->isExpanded());
    EXPECT_EQ(activated.size(), 1u);
}

TEST_F(BrowserTest, ARefillKeepsTheTreeWhenNothingChanged)
{
    store("J1", "S1", "P1");
    ASSERT_TRUE(browser.FillStoredSignsOutline().ok());
    QTreeWidgetItem *leaf = browser.findItem(Key("J1", "S1", "P1"), database::SignPositionLevel);
    browser.chooseItem(leaf);
    ASSERT_TRUE(browser.refillIfChanged().ok());
    EXPECT_EQ(browser.currentItem(), leaf);

    store("J1", "S1", "P2");
    ASSERT_TRUE(browser.refillIfChanged().ok());
    EXPECT_EQ(browser.signPositionCount(), 2);
    EXPECT_NE(browser.findItem(Key("J1", "S1", "P2"), database::SignPositionLevel), nullptr);
}

// A file of 10,000 designs in 100 jobs of 10 sections of 10 sign positions:
// every design is listed under its job and section, the job codes' non-ASCII
// letters shown as stored, and all items share the outline's three pictures.
TEST_F(BrowserTest, TenThousandStoredDesignsAreAllListed)
{
    const QString failure =
        testing_support::StoreManyDesigns(db(), SimpleDesign("x", "x", "x"), 100, 10, 10);
    ASSERT_TRUE(failure.isEmpty()) << failure.toStdString();
    browser.show();
    ASSERT_TRUE(browser.FillStoredSignsOutline().ok());
    QApplication::processEvents();

    EXPECT_EQ(browser.signPositionCount(), 10000);
    ASSERT_EQ(browser.topLevelItemCount(), 100);
    int sections = 0, positions = 0;
    for (int j = 0; j < browser.topLevelItemCount(); ++j) {
        QTreeWidgetItem *job = browser.topLevelItem(j);
        sections += job->childCount();
        for (int k = 0; k < job->childCount(); ++k)
            positions += job->child(k)->childCount();
    }
    EXPECT_EQ(sections, 1000);
    EXPECT_EQ(positions, 10000);

    QTreeWidgetItem *first = browser.topLevelItem(0);
    QTreeWidgetItem *last = browser.topLevelItem(99);
    EXPECT_EQ(first->text(0), QStringLiteral("Straße 001"));
    QTreeWidgetItem *leaf = last->child(9)->child(9);
    EXPECT_EQ(DesignBrowser::fullPath(leaf), QStringLiteral("Straße 100\\Abschnitt 10\\CH 0010"));
    EXPECT_EQ(browser.findItem(Key("Straße 042", "Abschnitt 07", "CH 0003"), database::SignPositionLevel),
              browser.topLevelItem(41)->child(6)->child(2));

    // Closed jobs and sections show one picture, sign positions another; an
    // opened job shows the open one until it is closed again.
    const qint64 closed = first->icon(0).cacheKey();
    EXPECT_FALSE(first->icon(0).isNull());
    EXPECT_FALSE(leaf->icon(0).isNull());
    EXPECT_EQ(last->child(3)->icon(0).cacheKey(), closed);
    EXPECT_EQ(first->child(0)->child(0)->icon(0).cacheKey(), leaf->icon(0).cacheKey());
    EXPECT_NE(leaf->icon(0).cacheKey(), closed);
    doubleClick(&browser, first);
    ASSERT_TRUE(first->isExpanded());
    EXPECT_NE(first->icon(0).cacheKey(), closed);
    doubleClick(&browser, first);
    ASSERT_FALSE(first->isExpanded());
    EXPECT_EQ(first->icon(0).cacheKey(), closed);
}

} // namespace
} // namespace uitest
