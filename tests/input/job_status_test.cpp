// The key status on "Job Details" over a store filled by the program, the
// directory of stored designs and its picks, and the flashing heading.

#include "panels_test_support.h"

#include "database/design_key.h"
#include "database/ui/stored_signs.h"
#include "input/job_key_status.h"

using input_testing::PanelsTest;

namespace {

QStringList Row(int row)
{
    const auto captions = input::JobStatusCaptions(row);
    return {captions[0], captions[1], captions[2], captions[3]};
}

// The outline as (text, level) in list order.
QStringList Entries(const QTreeWidget *tree)
{
    QStringList out;
    std::function<void(const QTreeWidgetItem *)> walk = [&](const QTreeWidgetItem *item) {
        out << QStringLiteral("%1:%2").arg(item->text(0)).arg(database::DesignBrowser::level(item));
        for (int i = 0; i < item->childCount(); ++i)
            walk(item->child(i));
    };
    for (int i = 0; i < tree->topLevelItemCount(); ++i)
        walk(tree->topLevelItem(i));
    return out;
}

QColor StatusColour(const input::Form1 &form)
{
    return form.Panel3D8(4)->palette().color(QPalette::Window);
}

const QColor kRed(255, 0, 0);
const QColor kDarkGreen(0, 0x40, 0);

} // namespace

TEST(JobStatusCaptions, TheFiveRows)
{
    EXPECT_EQ(Row(1), (QStringList{"Job Exists", "Section Exists", "Sign Position Current",
                                   "This is the current sign design"}));
    EXPECT_EQ(Row(2), (QStringList{"Job New", "Section New", "Sign Position New", "This is a valid new sign design"}));
    EXPECT_EQ(Row(3),
              (QStringList{"Job Exists", "Section New", "Sign Position New", "This is a valid new sign design"}));
    EXPECT_EQ(Row(4),
              (QStringList{"Job Exists", "Section Exists", "Sign Position New", "This is a valid new sign design"}));
    EXPECT_EQ(Row(5), (QStringList{"Job Exists", "Section Exists", "Sign Position Exists",
                                   "This new design will overwrite an existing design"}));
}

TEST_F(PanelsTest, StatusRowsOverAFilledStore)
{
    openDatabase();
    store("J1", "S1", "P1");
    store("J1", "S2", "P1");
    engine::DesignRecord open = input_testing::sampleDesign();  // J100 S1 P1, not stored
    showDesign(open);
    EXPECT_EQ(statusLines(), Row(1));  // the open design, never saved

    struct Case {
        const char *job, *section, *pos;
        int row;
    };
    const Case cases[] = {
        {"J100", "S1", "P1", 1}, {"J2", "S1", "P1", 2}, {"J1", "S9", "P1", 3},
        {"J1", "S2", "P2", 4},   {"J1", "S2", "P1", 5}, {"j1", "s2", "p1", 5},  // case-blind as the store
        {"J100 ", "S1", "P1", 1},  // trailing blanks are padding
    };
    for (const Case &c : cases) {
        setKey(c.job, c.section, c.pos);
        EXPECT_EQ(statusLines(), Row(c.row)) << c.job << "/" << c.section << "/" << c.pos;
        EXPECT_EQ(form->Timer1()->isActive(), c.row == 5) << c.job;
        EXPECT_EQ(form->Timer1()->interval(), 500);
    }
}

TEST_F(PanelsTest, PatternAndQuoteCharactersMatchOnlyThemselves)
{
    openDatabase();
    store("J1", "S1", "P1");
    store("O'Neil", "S%", "P_1");
    store("A\\B", "S", "P");
    showDesign(input_testing::sampleDesign());
    struct Case {
        const char *job, *section, *pos;
        int row;
    };
    const Case cases[] = {
        {"J%", "S1", "P1", 2},       {"J_", "S1", "P1", 2},       {"%", "%", "%", 2},
        {"O'Neil", "S%", "P_1", 5},  {"O'Neil", "S1", "P_1", 3},  {"O'Neil", "S%", "PX1", 4},
        {"A\\B", "S", "P", 5},       {"A", "B", "S\\P", 2},       {"'", "'", "'", 2},
    };
    for (const Case &c : cases) {
        setKey(c.job, c.section, c.pos);
        EXPECT_EQ(statusLines(), Row(c.row)) << c.job << "/" << c.section << "/" << c.pos;
    }
}

TEST_F(PanelsTest, KeyDifferingFromTheOpenOneInCaseOnlyIsProbed)
{
    openDatabase();
    store("J100", "S1", "P1");
    showDesign(input_testing::sampleDesign());  // J100 S1 P1 open
    EXPECT_EQ(statusLines(), Row(1));
    setKey("j100", "S1", "P1");
    EXPECT_EQ(statusLines(), Row(5));
    EXPECT_TRUE(form->Timer1()->isActive());
}

TEST_F(PanelsTest, TheHeadingFlashesRedThenDarkGreenAndStopsDarkGreen)
{
    openDatabase();
    store("J1", "S1", "P1");
    showDesign(input_testing::sampleDesign());
    EXPECT_EQ(StatusColour(*form), kDarkGreen);
    setKey("J1", "S1", "P1");
    ASSERT_TRUE(form->Timer1()->isActive());
    EXPECT_EQ(StatusColour(*form), kDarkGreen);  // the first tick turns it red
    QTest::qWait(600);
    EXPECT_EQ(StatusColour(*form), kRed);
    EXPECT_EQ(panels->statusColour(), input::StatusRed);
    QTest::qWait(500);
    EXPECT_EQ(StatusColour(*form), kDarkGreen);
    QTest::qWait(500);
    EXPECT_EQ(StatusColour(*form), kRed);

    // Emptying a box while it flashes recomputes nothing.
    const QStringList before = statusLines();
    form->Text4(2)->clear();
    EXPECT_TRUE(form->Timer1()->isActive());
    EXPECT_EQ(statusLines(), before);
    EXPECT_FALSE(form->Command1(2)->isEnabled());

    // Back to the open design's key: off and dark green, whatever it showed.
    setKey("J100", "S1", "P1");
    EXPECT_FALSE(form->Timer1()->isActive());
    EXPECT_EQ(StatusColour(*form), kDarkGreen);
    EXPECT_EQ(statusLines(), Row(1));
}

TEST_F(PanelsTest, KeyBoxesStoreTheKeyCutOrPadded)
{
    showDesign(input_testing::sampleDesign());
    setKey("ABCDEFGHIJKLMNOPQRST", "   ", "P");
    EXPECT_EQ(working().JobCode.str(), "ABCDEFGHIJKLMNO");
    EXPECT_EQ(working().JobSection.str(), std::string(15, ' '));
    EXPECT_TRUE(form->Command1(2)->isEnabled());
    form->Text4(0)->setFocus();
    form->Text4(1)->setText("S");
    form->Text4(0)->selectAll();
    EXPECT_EQ(form->Text4(0)->selectedText(), "ABCDEFGHIJKLMNOPQRST");
}

TEST_F(PanelsTest, DirectoryListsEveryStoredKeyInOrderIncludingInactiveJobs)
{
    openDatabase();
    store("J2", "S1", "P1");
    store("J1", "S2", "P1");
    store("J1", "S1", "P2");
    store("J1", "S1", "P1");
    ASSERT_TRUE(database::SetJobActive(*database::CurrentDatabase(), database::PadKey(QString("J2")), false).ok());
    showDesign(input_testing::sampleDesign());
    EXPECT_EQ(Entries(form->Outline1()),
              (QStringList{"J1:1", "S1:2", "P1:3", "P2:3", "S2:2", "P1:3", "J2:1", "S1:2", "P1:3"}));
    for (int i = 0; i < form->Outline1()->topLevelItemCount(); ++i)
        EXPECT_FALSE(form->Outline1()->topLevelItem(i)->isExpanded());

    // Rebuilt at every activation; a store made meanwhile shows then.
    store("J3", "S", "P");
    EXPECT_EQ(form->Outline1()->topLevelItemCount(), 2);
    form->hide();
    form->show();
    QApplication::processEvents();
    EXPECT_EQ(form->Outline1()->topLevelItemCount(), 3);
}

TEST_F(PanelsTest, NoDatabaseGivesAnEmptyDirectory)
{
    showDesign(input_testing::sampleDesign());
    EXPECT_EQ(form->Outline1()->topLevelItemCount(), 0);
    EXPECT_EQ(statusLines(), Row(1));
    setKey("X", "Y", "Z");
    EXPECT_EQ(statusLines(), Row(2));
}

TEST_F(PanelsTest, PicksAtTheThreeLevels)
{
    openDatabase();
    store("J1", "S1", "P1");
    store("J1", "S2", "P1");
    showDesign(input_testing::sampleDesign());
    database::DesignBrowser *outline = form->Outline1();

    // A sign position fills all three boxes; the status once.
    QTreeWidgetItem *pos = outline->findItem({"J1", "S2", "P1"}, database::SignPositionLevel);
    ASSERT_NE(pos, nullptr);
    outline->chooseItem(pos);
    EXPECT_EQ(form->Text4(0)->text(), "J1");
    EXPECT_EQ(form->Text4(1)->text(), "S2");
    EXPECT_EQ(form->Text4(2)->text(), "P1");
    EXPECT_EQ(working().SignPos.Trimmed(), "P1");
    EXPECT_EQ(statusLines(), Row(5));
    EXPECT_TRUE(form->Command1(2)->isEnabled());

    // A section fills two, empties the third and opens the section.
    QTreeWidgetItem *section = outline->findItem({"J1", "S1", ""}, database::SectionLevel);
    ASSERT_NE(section, nullptr);
    EXPECT_FALSE(section->isExpanded());
    outline->chooseItem(section);
    EXPECT_EQ(form->Text4(1)->text(), "S1");
    EXPECT_EQ(form->Text4(2)->text(), "");
    EXPECT_FALSE(form->Command1(2)->isEnabled());
    EXPECT_TRUE(section->isExpanded());
    outline->chooseItem(section);
    EXPECT_FALSE(section->isExpanded());
}

TEST_F(PanelsTest, JobPickStoresTheMixedKeyAndReportsItOnce)
{
    openDatabase();
    store("J1", "S1", "P1");
    store("J2", "S1", "P1");
    showDesign(input_testing::sampleDesign());
    setKey("J1", "S1", "P1");
    ASSERT_EQ(statusLines(), Row(5));
    // The mixed key J2 S1 P1 is stored in the working copy; the status
    // follows for it (once, after the pick).
    QTreeWidgetItem *job = form->Outline1()->findItem({"J2", "", ""}, database::JobLevel);
    ASSERT_NE(job, nullptr);
    form->Outline1()->chooseItem(job);
    EXPECT_EQ(working().JobCode.Trimmed(), "J2");
    EXPECT_EQ(working().JobSection.Trimmed(), "S1");
    EXPECT_EQ(working().SignPos.Trimmed(), "P1");
    EXPECT_EQ(statusLines(), Row(5));
    EXPECT_TRUE(job->isExpanded());
    EXPECT_EQ(form->Text4(1)->text(), "");
}

TEST_F(PanelsTest, PickedKeysKeepBackslashesAndLeadingBlanks)
{
    openDatabase();
    store("A\\B", "S", "P");
    store(" J", "  S", " P");
    showDesign(input_testing::sampleDesign());
    database::DesignBrowser *outline = form->Outline1();
    outline->chooseItem(outline->findItem({"A\\B", "S", "P"}, database::SignPositionLevel));
    EXPECT_EQ(form->Text4(0)->text(), "A\\B");
    EXPECT_EQ(form->Text4(1)->text(), "S");
    EXPECT_EQ(form->Text4(2)->text(), "P");
    EXPECT_EQ(statusLines(), Row(5));
    outline->chooseItem(outline->findItem({" J", "  S", " P"}, database::SignPositionLevel));
    EXPECT_EQ(form->Text4(0)->text(), " J");
    EXPECT_EQ(form->Text4(1)->text(), "  S");
    EXPECT_EQ(form->Text4(2)->text(), " P");
    EXPECT_EQ(statusLines(), Row(5));
}

TEST_F(PanelsTest, ClicksOpenAndCloseAndADoubleClickKeepsTheToggle)
{
    openDatabase();
    store("J1", "S1", "P1");
    showActive(input_testing::sampleDesign());
    database::DesignBrowser *outline = form->Outline1();
    QTreeWidgetItem *job = outline->topLevelItem(0);
    const QPoint at = outline->visualItemRect(job).center();
    QTest::mouseClick(outline->viewport(), Qt::LeftButton, {}, at);
    EXPECT_TRUE(job->isExpanded());
    EXPECT_EQ(form->Text4(0)->text(), "J1");
    // A further click closes it again.
    QTest::mouseClick(outline->viewport(), Qt::LeftButton, {}, at);
    EXPECT_FALSE(job->isExpanded());
    QTest::mouseClick(outline->viewport(), Qt::LeftButton, {}, at);
    EXPECT_TRUE(job->isExpanded());
    // The second press of a double click arrives as a double click: it
    // must not toggle the job back.
    QMouseEvent dbl(QEvent::MouseButtonDblClick, at, outline->viewport()->mapToGlobal(at), Qt::LeftButton,
                    Qt::LeftButton, Qt::NoModifier);
    QApplication::sendEvent(outline->viewport(), &dbl);
    QTest::mouseRelease(outline->viewport(), Qt::LeftButton, {}, at);
    EXPECT_TRUE(job->isExpanded());
    EXPECT_EQ(form->Text4(0)->text(), "J1");
}
