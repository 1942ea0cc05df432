// The job management dialog: the job check boxes and their scroll bar, ticks
// written at once, and the switch to another database file with its recovery.

#include "ui_test_support.h"

#include "common/file_dialog_driver.h"
#include "database/schema.h"
#include "database/ui/job_management_dialog.h"
#include "platform/widgets/widget_services.h"

#include <QCheckBox>
#include <QDir>
#include <QFile>
#include <QFileInfo>
#include <QKeySequence>
#include <QLineEdit>
#include <QPushButton>
#include <QScreen>
#include <QScrollBar>
#include <functional>
#include <utility>

namespace uitest {
namespace {

using database::JobManagementDialog;

// Records messages and runs an action when the first one is shown.
class ReleasingMessages final : public platform::MessageService {
public:
    explicit ReleasingMessages(std::function<void()> onFirst) : onFirst_(std::move(onFirst))
    {
        platform::setMessageService(this);
    }
    ~ReleasingMessages() override { platform::setMessageService(nullptr); }
    platform::MessageAnswer show(const platform::MessageRequest &request) override
    {
        calls.push_back(request);
        if (onFirst_)
            std::exchange(onFirst_, nullptr)();
        return platform::defaultAnswer(request);
    }
    std::vector<platform::MessageRequest> calls;

private:
    std::function<void()> onFirst_;
};

class JobManagementTest : public DialogTest {
protected:
    void addJobs(int n)
    {
        // Inserted in reverse so that the dialog has to sort them.
        for (int i = n; i >= 1; --i)
            exec(QStringLiteral("INSERT INTO JOBS (Job_Code, Active) VALUES (?, 'Y')"),
                 {database::PadKey(QStringLiteral("JOB%1").arg(i, 2, 10, QLatin1Char('0')))});
    }
    int shownBoxes(const JobManagementDialog &dialog)
    {
        int n = 0;
        for (int i = 0; i < JobManagementDialog::VisibleJobRows; ++i)
            n += dialog.jobBox(i)->isHidden() ? 0 : 1;
        return n;
    }
    long long freePages(const QString &file)
    {
        platform::SqlStatus status;
        auto c = platform::SqlConnection::open(file, platform::SqlConnection::OpenMode::OpenExisting, status);
        EXPECT_TRUE(c) << status.text().toStdString();
        platform::SqlRows rows;
        EXPECT_TRUE(c->select(QStringLiteral("PRAGMA freelist_count"), {}, rows).ok());
        return rows.at(0).at(0).toLongLong();
    }
    // Leaves the open file with free pages that a compaction gives back.
    void makeFreePages()
    {
        exec(QStringLiteral("CREATE TABLE Scratch (x TEXT)"));
        for (int i = 0; i < 200; ++i)
            exec(QStringLiteral("INSERT INTO Scratch VALUES (?)"), {QString(500, QLatin1Char('x'))});
        exec(QStringLiteral("DROP TABLE Scratch"));
        ASSERT_GT(freePages(database::CurrentDatabasePath), 0);
    }
    // A table of this connection only: it survives exactly as long as the
    // connection stays open (no compaction, no reopening).
    void markConnection() { exec(QStringLiteral("CREATE TEMP TABLE Marker (x)")); }
    bool connectionMarked()
    {
        platform::SqlRows rows;
        return database::CurrentDatabase() &&
               database::CurrentDatabase()->select(QStringLiteral("SELECT COUNT(*) FROM temp.Marker"), {}, rows).ok();
    }
};

TEST_F(JobManagementTest, ShowsThePathAndNoBoxesWithoutJobs)
{
    JobManagementDialog dialog;
    dialog.refresh();
    EXPECT_EQ(dialog.windowTitle(), QStringLiteral("Job Management"));
    EXPECT_EQ(dialog.currentDB()->text(), database::CurrentDatabasePath);
    EXPECT_EQ(dialog.JobCount(), 0);
    EXPECT_EQ(dialog.TopRow(), -1);
    EXPECT_EQ(shownBoxes(dialog), 0);
    EXPECT_TRUE(dialog.scrollBar()->isHidden());
    EXPECT_TRUE(files.calls.empty());
}

TEST_F(JobManagementTest, ShowingCentresTheDialogAndFillsIt)
{
    addJobs(2);
    JobManagementDialog dialog;
    dialog.show();
    const QPoint screenCentre = dialog.screen()->availableGeometry().center();
    EXPECT_LE((dialog.frameGeometry().center() - screenCentre).manhattanLength(), 2);
    EXPECT_EQ(dialog.JobCount(), 2);
    EXPECT_EQ(shownBoxes(dialog), 2);
    EXPECT_TRUE(files.calls.empty());
}

TEST_F(JobManagementTest, ThirteenJobsFillTheBoxesWithoutAScrollBar)
{
    addJobs(13);
    exec(QStringLiteral("UPDATE JOBS SET Active = 'N' WHERE Job_Code = ?"), {database::PadKey(QStringLiteral("JOB02"))});
    JobManagementDialog dialog;
    dialog.refresh();
    EXPECT_EQ(dialog.JobCount(), 13);
    EXPECT_EQ(shownBoxes(dialog), 13);
    EXPECT_TRUE(dialog.scrollBar()->isHidden());
    EXPECT_EQ(dialog.jobBox(0)->text(), QStringLiteral("JOB01"));
    EXPECT_EQ(dialog.jobBox(12)->text(), QStringLiteral("JOB13"));
    EXPECT_TRUE(dialog.jobBox(0)->isChecked());
    EXPECT_FALSE(dialog.jobBox(1)->isChecked());
    // Showing the rows writes nothing.
    EXPECT_EQ(active(QStringLiteral("JOB02")), QStringLiteral("N"));
    EXPECT_EQ(active(QStringLiteral("JOB01")), QStringLiteral("Y"));
}

TEST_F(JobManagementTest, FourteenJobsScrollUntilTheLastStandsAlone)
{
    addJobs(14);
    JobManagementDialog dialog;
    dialog.refresh();
    ASSERT_FALSE(dialog.scrollBar()->isHidden());
    EXPECT_EQ(dialog.scrollBar()->minimum(), 0);
    EXPECT_EQ(dialog.scrollBar()->maximum(), 13);
    EXPECT_EQ(dialog.scrollBar()->value(), 0);
    EXPECT_EQ(shownBoxes(dialog), 13);

    dialog.scrollBar()->setValue(13);
    EXPECT_EQ(dialog.TopRow(), 13);
    EXPECT_EQ(shownBoxes(dialog), 1);
    EXPECT_FALSE(dialog.jobBox(0)->isHidden());
    EXPECT_EQ(dialog.jobBox(0)->text(), QStringLiteral("JOB14"));

    // A tick after scrolling belongs to the job shown in that box.
    dialog.jobBox(0)->click();
    EXPECT_EQ(active(QStringLiteral("JOB14")), QStringLiteral("N"));
    EXPECT_EQ(active(QStringLiteral("JOB01")), QStringLiteral("Y"));
    dialog.scrollBar()->setValue(1);
    EXPECT_EQ(dialog.jobBox(12)->text(), QStringLiteral("JOB14"));
    EXPECT_FALSE(dialog.jobBox(12)->isChecked());
}

TEST_F(JobManagementTest, AJobCodeWithAnAmpersandIsShownAsItIs)
{
    exec(QStringLiteral("INSERT INTO JOBS (Job_Code, Active) VALUES (?, 'Y')"), {database::PadKey(QStringLiteral("R&D"))});
    JobManagementDialog dialog;
    dialog.refresh();
    const QString caption = dialog.jobBox(0)->text();
    // No keyboard shortcut is made of it, and the ampersand is displayed.
    EXPECT_TRUE(QKeySequence::mnemonic(caption).isEmpty()) << caption.toStdString();
    EXPECT_EQ(QString(caption).replace(QStringLiteral("&&"), QStringLiteral("&")), QStringLiteral("R&D"));
    dialog.jobBox(0)->click();
    EXPECT_EQ(active(QStringLiteral("R&D")), QStringLiteral("N"));
}

TEST_F(JobManagementTest, ATickIsWrittenAtOnce)
{
    addJobs(2);
    JobManagementDialog dialog;
    dialog.refresh();
    dialog.jobBox(1)->click();
    EXPECT_EQ(active(QStringLiteral("JOB02")), QStringLiteral("N"));
    EXPECT_EQ(active(QStringLiteral("JOB01")), QStringLiteral("Y"));
    dialog.jobBox(1)->click();
    EXPECT_EQ(active(QStringLiteral("JOB02")), QStringLiteral("Y"));
    EXPECT_TRUE(messages.calls.empty());
}

TEST_F(JobManagementTest, ATickThatCannotBeWrittenIsReportedAndUndone)
{
    addJobs(2);
    JobManagementDialog dialog;
    dialog.refresh();
    // Another program removed the job meanwhile.
    exec(QStringLiteral("DELETE FROM JOBS WHERE Job_Code = ?"), {database::PadKey(QStringLiteral("JOB02"))});
    dialog.jobBox(1)->click();
    ASSERT_EQ(messages.calls.size(), 1u);
    EXPECT_TRUE(messages.calls[0].title.endsWith(QStringLiteral("                  Mastra")));
    EXPECT_TRUE(dialog.jobBox(1)->isChecked());
    EXPECT_TRUE(dialog.JobActive[1]);
}

TEST_F(JobManagementTest, ChoosingTheOpenFileChangesNothing)
{
    const QString path = database::CurrentDatabasePath;
    markConnection();
    JobManagementDialog dialog;
    dialog.refresh();
    files.script(path);
    dialog.browseButton()->click();
    ASSERT_EQ(files.calls.size(), 1u);
    EXPECT_EQ(files.calls[0].initialPath, path);
    EXPECT_EQ(files.calls[0].filter, QStringLiteral("Databases (*.mdb)"));
    EXPECT_EQ(database::CurrentDatabasePath, path);
    EXPECT_TRUE(connectionMarked()) << "the open file was closed or compacted";
    EXPECT_TRUE(messages.calls.empty());
}

TEST_F(JobManagementTest, ChoosingAnotherFileCompactsTheOldOneFirst)
{
    const QString oldPath = database::CurrentDatabasePath;
    const QString newPath = dir.filePath(QStringLiteral("other.mdb"));
    store("J1", "S1", "P1");
    makeFreePages();
    JobManagementDialog dialog;
    dialog.refresh();
    ASSERT_EQ(dialog.JobCount(), 1);
    bool switched = false;
    QObject::connect(&dialog, &JobManagementDialog::databaseSwitched, [&] { switched = true; });

    files.script(newPath);
    dialog.browseButton()->click();

    EXPECT_TRUE(switched);
    EXPECT_EQ(database::CurrentDatabasePath, newPath);
    ASSERT_NE(database::CurrentDatabase(), nullptr);
    EXPECT_EQ(database::CurrentDatabase()->path(), newPath);
    EXPECT_TRUE(QFileInfo::exists(newPath));
    EXPECT_EQ(dialog.currentDB()->text(), newPath);
    EXPECT_EQ(dialog.JobCount(), 0);  // the new file's jobs
    // The old file was compacted and keeps its design.
    EXPECT_EQ(freePages(oldPath), 0);
    {
        platform::SqlStatus status;
        auto old = platform::SqlConnection::open(oldPath, platform::SqlConnection::OpenMode::OpenExisting, status);
        ASSERT_TRUE(old);
        platform::SqlRows rows;
        ASSERT_TRUE(old->select(QStringLiteral("SELECT COUNT(*) FROM LocDesData"), {}, rows).ok());
        EXPECT_EQ(rows.at(0).at(0).toInt(), 1);
    }
    EXPECT_TRUE(messages.calls.empty());
}

TEST_F(JobManagementTest, AFileThatFailsToOpenIsChosenAgainAndCancellingReopensTheOldFile)
{
    const QString oldPath = database::CurrentDatabasePath;
    store("J1", "S1", "P1");
    const QString badPath = dir.filePath(QStringLiteral("notes.mdb"));
    {
        QFile bad(badPath);
        ASSERT_TRUE(bad.open(QIODevice::WriteOnly));
        bad.write(QByteArray(4096, 'x'));
    }
    JobManagementDialog dialog;
    dialog.refresh();
    files.script(badPath);
    files.script(std::nullopt);
    dialog.browseButton()->click();

    ASSERT_EQ(files.calls.size(), 2u);
    EXPECT_EQ(files.calls[1].initialPath, badPath);  // the file dialog opens again at the path tried
    ASSERT_EQ(messages.calls.size(), 1u);
    EXPECT_TRUE(messages.calls[0].text.startsWith(QStringLiteral("Error during open : ")));
    EXPECT_EQ(database::CurrentDatabasePath, oldPath);
    ASSERT_NE(database::CurrentDatabase(), nullptr);
    EXPECT_EQ(database::CurrentDatabase()->path(), oldPath);
    EXPECT_TRUE(stored(Key("J1", "S1", "P1")));
    EXPECT_EQ(dialog.currentDB()->text(), oldPath);
    EXPECT_TRUE(exits.exits.empty());
}

TEST_F(JobManagementTest, CancellingWithADatabaseOpenKeepsIt)
{
    const QString path = database::CurrentDatabasePath;
    markConnection();
    JobManagementDialog dialog;
    dialog.refresh();
    files.script(std::nullopt);
    dialog.browseButton()->click();
    EXPECT_EQ(database::CurrentDatabasePath, path);
    EXPECT_TRUE(connectionMarked());
    EXPECT_TRUE(exits.exits.empty());
}

TEST_F(JobManagementTest, AFailedCompactionKeepsAndReopensTheOldFile)
{
    const QString oldPath = database::CurrentDatabasePath;
    const QString newPath = dir.filePath(QStringLiteral("other.mdb"));
    store("J1", "S1", "P1");
    // Another program reading the file keeps the compaction from finishing.
    platform::SqlStatus status;
    auto reader = platform::SqlConnection::open(oldPath, platform::SqlConnection::OpenMode::OpenExisting, status);
    ASSERT_TRUE(reader);
    ASSERT_TRUE(reader->exec(QStringLiteral("BEGIN")).ok());
    platform::SqlStatement read = reader->prepare(QStringLiteral("SELECT * FROM JOBS"));
    ASSERT_TRUE(read.exec().ok());
    ASSERT_TRUE(read.next());

    // The other program lets go while the engineer reads the message.
    ReleasingMessages release([&] {
        read.finish();
        reader->exec(QStringLiteral("ROLLBACK"));
    });

    JobManagementDialog dialog;
    dialog.refresh();
    files.script(newPath);
    dialog.browseButton()->click();

    ASSERT_EQ(release.calls.size(), 1u);
    EXPECT_TRUE(release.calls[0].text.startsWith(QStringLiteral("The database could not be compacted")));
    EXPECT_EQ(release.calls[0].icon, platform::MessageIcon::Critical);
    EXPECT_EQ(database::CurrentDatabasePath, oldPath);
    ASSERT_NE(database::CurrentDatabase(), nullptr);
    EXPECT_EQ(database::CurrentDatabase()->path(), oldPath);
    EXPECT_FALSE(QFileInfo::exists(newPath));
    EXPECT_TRUE(stored(Key("J1", "S1", "P1")));
    EXPECT_EQ(dialog.JobCount(), 1);
}

TEST_F(JobManagementTest, WithNoDatabaseTheFileChoiceComesFirst)
{
    const QString path = database::CurrentDatabasePath;
    store("J1", "S1", "P1");
    database::CloseCurrentDatabase();
    JobManagementDialog dialog;
    files.script(path);
    dialog.refresh();
    ASSERT_EQ(files.calls.size(), 1u);
    ASSERT_NE(database::CurrentDatabase(), nullptr);
    EXPECT_EQ(dialog.JobCount(), 1);
    EXPECT_EQ(dialog.jobBox(0)->text(), QStringLiteral("J1"));
}

TEST_F(JobManagementTest, CancellingWithNoDatabaseEndsTheProgram)
{
    const QString path = database::CurrentDatabasePath;
    database::CloseCurrentDatabase();
    JobManagementDialog dialog;
    files.script(dir.filePath(QStringLiteral("missing/folder/x.mdb")));  // cannot be created
    files.script(std::nullopt);
    dialog.refresh();
    EXPECT_EQ(files.calls.size(), 2u);
    EXPECT_EQ(exits.exits, std::vector<int>{0});
    EXPECT_EQ(database::CurrentDatabasePath, path);
    EXPECT_EQ(database::CurrentDatabase(), nullptr);
}

// With no database open the dialog asks for a file as it opens, otherwise
// Browse does: `typed` goes into the real file dialog, and Escape should it
// come again. Gives the dialog's title and chosen filter.
std::pair<QString, QString> ChooseByTyping(JobManagementDialog &dialog, const QString &typed, bool comesAgain)
{
    platform::QtFileChooser realChooser;
    platform::FileChooser *scripted = &platform::fileChooser();
    platform::setFileChooser(&realChooser);
    std::pair<QString, QString> seen;
    testing_support::whenFileDialogShown([&](QFileDialog *fileDialog) {
        seen = {fileDialog->windowTitle(), fileDialog->selectedNameFilter()};
        testing_support::typeFileName(fileDialog, typed);
        if (comesAgain)
            testing_support::whenFileDialogShown([](QFileDialog *again) { QTest::keyClick(again, Qt::Key_Escape); });
    });
    const bool databaseOpen = database::CurrentDatabase() != nullptr;
    dialog.refresh();
    if (databaseOpen)
        dialog.browseButton()->click();
    platform::setFileChooser(scripted);
    return seen;
}

// The file the dialog has open, shown in its box, and its job count.
void ExpectOpened(JobManagementDialog &dialog, const QString &path, int jobs)
{
    ASSERT_NE(database::CurrentDatabase(), nullptr);
    EXPECT_EQ(QFileInfo(database::CurrentDatabasePath), QFileInfo(path));
    EXPECT_EQ(QFileInfo(dialog.currentDB()->text()), QFileInfo(path));
    EXPECT_EQ(dialog.JobCount(), jobs);
}

// The engineer types the name of a file that does not exist into the real
// file dialog: it is created with the whole schema and becomes the current
// database, with a database open before or none (as at start-up).
TEST_F(JobManagementTest, NewDatabaseFileTypedInTheFileDialogIsCreatedWithItsSchema)
{
    for (const bool openBefore : {true, false}) {
        SCOPED_TRACE(openBefore ? "a database open" : "no database open");
        const QString name = openBefore ? QStringLiteral("Straßen Süd.mdb") : QStringLiteral("Ærøskøbing.mdb");
        ASSERT_FALSE(QFileInfo::exists(dir.filePath(name)));
        if (!openBefore)
            database::CloseCurrentDatabase();
        JobManagementDialog dialog;
        EXPECT_EQ(ChooseByTyping(dialog, name, false).first, QStringLiteral("Choose a Database"));
        EXPECT_TRUE(messages.calls.empty());
        EXPECT_TRUE(exits.exits.empty());
        ExpectOpened(dialog, dir.filePath(name), 0);
        EXPECT_TRUE(QFileInfo::exists(dir.filePath(name)));
        for (const database::TableDef &table : database::SchemaTables())
            EXPECT_EQ(value(QStringLiteral("SELECT COUNT(*) FROM sqlite_master WHERE type = 'table' AND name = ?"),
                            {QString::fromLatin1(table.name)})
                          .toInt(),
                      1)
                << table.name;
        int version = -1;
        ASSERT_TRUE(database::ReadSchemaVersion(db(), version).ok());
        EXPECT_EQ(version, database::CurrentSchemaVersion);
        // A design stored in the new file is listed by the dialog.
        store("J1", "S1", "P1");
        dialog.refresh();
        EXPECT_EQ(dialog.JobCount(), 1);
    }
}

// A new file named without an extension gets ".mdb", so that the filter shows
// it again; a name with its own extension, or an existing file, is kept.
TEST_F(JobManagementTest, NewFileSuffixIsAddedToANewNameWithoutAnExtension)
{
    const QString original = database::CurrentDatabasePath;
    store("Süd", "S1", "P1");
    ASSERT_TRUE(QFile::copy(original, dir.filePath(QStringLiteral("Süd alt"))));
    exec(QStringLiteral("DELETE FROM JOBS"));
    const struct {
        const char *typed, *opened;  // opened: none when refused (the old file stays open)
        int jobs;
    } cases[] = {{"Brücke 2", "Brücke 2.mdb", 0}, {"Straße.db", "Straße.db", 0}, {"Süd alt", "Süd alt", 1},
                 {"fehlt/Brücke 3", "", 0}};
    for (const auto &c : cases) {
        SCOPED_TRACE(c.typed);
        database::CloseCurrentDatabase();
        database::CurrentDatabasePath = original;
        ASSERT_TRUE(database::OpenCurrentDatabase());
        messages.calls.clear();
        const bool refused = *c.opened == '\0';
        JobManagementDialog dialog;
        EXPECT_EQ(ChooseByTyping(dialog, QString::fromUtf8(c.typed), refused).second,
                  QStringLiteral("Databases (*.mdb)"));
        ExpectOpened(dialog, refused ? original : dir.filePath(QString::fromUtf8(c.opened)), c.jobs);
        ASSERT_EQ(messages.calls.size(), refused ? 1U : 0U);
        if (refused) {
            EXPECT_TRUE(messages.calls[0].text.startsWith(QStringLiteral("Error during open : ")));
        }
    }
    // Only the files named above were made, none twice and no folder.
    EXPECT_EQ(QDir(dir.path()).entryList(QDir::AllEntries | QDir::NoDotAndDotDot, QDir::Name),
              (QStringList{"Brücke 2.mdb", "Straße.db", "Süd alt", "designs.mdb"}));
}

} // namespace
} // namespace uitest
