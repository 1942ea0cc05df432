// The storage dialog driven as the engineer drives it: a mode, clicks in the
// browser, typing in the key boxes, the buttons, the answers to its questions;
// then the database and the open design are looked at.

#include "ui_test_support.h"

#include "database/ui/job_management_dialog.h"
#include "database/ui/storage_dialog.h"

#include <QCheckBox>
#include <QLabel>
#include <QLineEdit>
#include <QPushButton>
#include <QScreen>
#include <QElapsedTimer>
#include <QTest>
#include <QTimer>
#include <algorithm>

namespace uitest {
namespace {

using database::StorageDialog;
using platform::MessageAnswer;

class StorageTest : public DialogTest {
protected:
    void SetUp() override
    {
        DialogTest::SetUp();
        state = SimpleDesign("OPEN", "SEC", "POS", 2500);
        state.DesignChanged = engine::FlagTrue;
        state.RedesignNeeded = engine::FlagTrue;
        dialog = std::make_unique<StorageDialog>(state);
        QObject::connect(dialog.get(), &StorageDialog::designLoaded, [this] { ++loaded; });
        QObject::connect(dialog.get(), &StorageDialog::designSaved, [this] { ++saved; });
    }
    void TearDown() override
    {
        dialog.reset();
        DialogTest::TearDown();
    }

    void open(int mode)
    {
        dialog->setFileDialogMode(mode);
        dialog->show();
    }
    QTreeWidgetItem *item(const char *job, const char *section = "", const char *pos = "")
    {
        const int level = *pos ? database::SignPositionLevel : *section ? database::SectionLevel : database::JobLevel;
        return dialog->browser()->findItem(Key(job, section, pos), level);
    }
    QStringList panels() const
    {
        return {dialog->keyPanel(1)->text(), dialog->keyPanel(2)->text(), dialog->keyPanel(3)->text()};
    }
    QStringList boxes() const
    {
        return {dialog->keyBox(0)->text(), dialog->keyBox(1)->text(), dialog->keyBox(2)->text()};
    }
    QPushButton *action() const { return dialog->actionButton(dialog->FileDialogMode()); }
    int storedWidth(const StoredDesignKey &key)
    {
        return value(QStringLiteral("SELECT Sign_Width FROM SignDesData WHERE %1").arg(database::DesignKeyCondition),
                     database::DesignKeyParams(key.JobCode, key.JobSection, key.SignPos))
            .toInt();
    }
    // The progress display and the pointer are back to normal.
    void expectIdle()
    {
        ASSERT_FALSE(progress.calls.empty());
        const testing_support::RecordingProgress::Call start{0, platform::ProgressStart};
        EXPECT_NE(std::find(progress.calls.begin(), progress.calls.end(), start), progress.calls.end());
        EXPECT_EQ(progress.calls.back(), (testing_support::RecordingProgress::Call{100, platform::ProgressFinish}));
        EXPECT_EQ(QApplication::overrideCursor(), nullptr);
    }

    engine::DesignState state;
    std::unique_ptr<StorageDialog> dialog;
    int loaded = 0;
    int saved = 0;
};

// ---- Load -----------------------------------------------------------------

TEST_F(StorageTest, LoadShowsOnlyItsControlsAndWaitsForASignPosition)
{
    store("J1", "S1", "P1", 1800);
    open(database::LoadMode);
    EXPECT_EQ(dialog->windowTitle(), QStringLiteral("Load a Sign Structural Design"));
    const QPoint screenCentre = dialog->screen()->availableGeometry().center();
    EXPECT_LE((dialog->frameGeometry().center() - screenCentre).manhattanLength(), 2);
    EXPECT_EQ(dialog->browserHeading()->text(), QStringLiteral("Select Sign Position from Stored Signs"));
    for (int m = 0; m < 5; ++m)
        EXPECT_EQ(dialog->actionButton(m)->isVisible(), m == database::LoadMode) << m;
    EXPECT_EQ(action()->text(), QStringLiteral("Load Design"));
    for (int i = 0; i < 3; ++i)
        EXPECT_FALSE(dialog->keyBox(i)->isVisible());
    EXPECT_FALSE(action()->isEnabled());

    click(dialog->browser(), item("J1"));
    EXPECT_EQ(panels(), (QStringList{"J1", "", ""}));
    EXPECT_FALSE(action()->isEnabled());
    click(dialog->browser(), item("J1", "S1"));
    EXPECT_EQ(panels(), (QStringList{"J1", "S1", ""}));
    EXPECT_FALSE(action()->isEnabled());
    click(dialog->browser(), item("J1", "S1", "P1"));
    EXPECT_EQ(panels(), (QStringList{"J1", "S1", "P1"}));
    EXPECT_TRUE(action()->isEnabled());
    click(dialog->browser(), item("J1"));
    EXPECT_FALSE(action()->isEnabled());
}

TEST_F(StorageTest, TheKeyPanelsShowTheKeyPartsAsStored)
{
    store("<b>J</b>", "S&1", "P1");
    open(database::LoadMode);
    click(dialog->browser(), item("<b>J</b>", "S&1", "P1"));
    ASSERT_EQ(panels(), (QStringList{"<b>J</b>", "S&1", "P1"}));
    // Laid out as the plain characters, not as bold markup.
    QLabel *panel = dialog->keyPanel(1);
    QLabel plain;
    plain.setTextFormat(Qt::PlainText);
    plain.setFont(panel->font());
    plain.setFrameStyle(panel->frameStyle());
    plain.setIndent(panel->indent());
    plain.setText(panel->text());
    plain.resize(panel->size());
    EXPECT_EQ(panel->grab().toImage().convertToFormat(QImage::Format_RGB32),
              plain.grab().toImage().convertToFormat(QImage::Format_RGB32));
}

TEST_F(StorageTest, LoadByClickReplacesTheOpenDesign)
{
    store("J1", "S1", "P1", 1800);
    store("J1", "S1", "P2", 2200);
    open(database::LoadMode);
    click(dialog->browser(), item("J1", "S1", "P2"));
    // The main window refreshes once the progress display has finished.
    std::vector<testing_support::RecordingProgress::Call> whenLoaded;
    QObject::connect(dialog.get(), &StorageDialog::designLoaded, [&] { whenLoaded = progress.calls; });
    action()->click();
    ASSERT_FALSE(whenLoaded.empty());
    EXPECT_EQ(whenLoaded.back(), (testing_support::RecordingProgress::Call{100, platform::ProgressFinish}));

    EXPECT_EQ(state.CurrentDesign.JobCode.Trimmed(), "J1");
    EXPECT_EQ(state.CurrentDesign.JobSection.Trimmed(), "S1");
    EXPECT_EQ(state.CurrentDesign.SignPos.Trimmed(), "P2");
    EXPECT_EQ(state.CurrentDesign.FrontSignWidth[1], 2200);
    EXPECT_EQ(state.DesignChanged, engine::FlagFalse);
    EXPECT_EQ(state.RedesignNeeded, engine::FlagFalse);
    EXPECT_EQ(state.DesignOpen, engine::FlagTrue);
    EXPECT_FALSE(dialog->isVisible());
    EXPECT_EQ(loaded, 1);
    EXPECT_TRUE(messages.calls.empty());
    expectIdle();
}

TEST_F(StorageTest, LoadByDoubleClick)
{
    store("J1", "S1", "P1", 1800);
    open(database::LoadMode);
    doubleClick(dialog->browser(), item("J1", "S1", "P1"));
    EXPECT_EQ(state.CurrentDesign.SignPos.Trimmed(), "P1");
    EXPECT_EQ(state.CurrentDesign.FrontSignWidth[1], 1800);
    EXPECT_FALSE(dialog->isVisible());
    EXPECT_EQ(loaded, 1);
}

TEST_F(StorageTest, LoadWithNoSignPositionChosenKeepsTheOpenDesign)
{
    store("J1", "S1", "P1", 1800);
    const engine::DesignRecord before = state.CurrentDesign;
    open(database::LoadMode);
    dialog->pressAction();  // as if the disabled button were pressed
    click(dialog->browser(), item("J1", "S1"));
    dialog->pressAction();
    EXPECT_EQ(state.CurrentDesign, before);
    EXPECT_EQ(state.DesignChanged, engine::FlagTrue);
    EXPECT_TRUE(dialog->isVisible());
    EXPECT_EQ(loaded, 0);
}

TEST_F(StorageTest, ALoadThatFailsLeavesTheOpenDesignAndTheDialog)
{
    store("J1", "S1", "P1", 1800);
    const engine::DesignRecord before = state.CurrentDesign;
    open(database::LoadMode);
    click(dialog->browser(), item("J1", "S1", "P1"));
    exec(QStringLiteral("ALTER TABLE SignDesData RENAME TO Gone"));
    action()->click();
    EXPECT_FALSE(messages.calls.empty());
    EXPECT_EQ(state.CurrentDesign, before);
    EXPECT_EQ(state.DesignChanged, engine::FlagTrue);
    EXPECT_EQ(state.RedesignNeeded, engine::FlagTrue);
    EXPECT_TRUE(dialog->isVisible());
    EXPECT_EQ(loaded, 0);
    expectIdle();
}

// A file changed by another tool: a value no record field can hold, no value,
// or text where a number belongs. Load names the column and keeps the open design.
TEST_F(StorageTest, ALoadOfAValueTheDesignCannotHaveSaysSoAndKeepsTheOpenDesign)
{
    const struct {
        const char *update, *told;  // told after "Stored design Süd / S1 / P1: column "
    } cases[] = {
        {"UPDATE SignDesData SET Sign_Width = 3000000000", "Sign_Width holds 3000000000, outside its range."},
        {"UPDATE SupDesData SET Kerb_Post = NULL", "Kerb_Post holds no value."},
        {"UPDATE LocDesData SET Wind_Region = ''", "Wind_Region holds an empty text, not a number."},
        {"UPDATE SupDesData SET Stub_Length = 'Brücke über die Straße, vier Felder, Länge unbekannt'",
         "Stub_Length holds Brücke über die Straße, vier Felder, Län..., not a number."},  // shown by its start
        {"UPDATE SupDesData SET Norm_Footing_Dim = '1E300'", "Norm_Footing_Dim holds 1E300, outside its range."},
    };
    const engine::DesignState before = state;
    for (const auto &c : cases) {
        SCOPED_TRACE(c.update);
        store("Süd", "S1", "P1", 1800);
        exec(QString::fromUtf8(c.update));
        messages.calls.clear();
        open(database::LoadMode);
        click(dialog->browser(), item("Süd", "S1", "P1"));
        action()->click();
        ASSERT_EQ(messages.calls.size(), 1u);
        EXPECT_EQ(messages.calls[0].text, "Stored design Süd / S1 / P1: column " + QString::fromUtf8(c.told));
        EXPECT_TRUE(messages.calls[0].title.endsWith(QStringLiteral("Mastra")));
        EXPECT_EQ(state.CurrentDesign, before.CurrentDesign);
        EXPECT_EQ(state.SupportDesigns, before.SupportDesigns);
        EXPECT_EQ(state.DesignChanged, engine::FlagTrue);
        EXPECT_TRUE(dialog->isVisible());
        EXPECT_EQ(loaded, 0);
        expectIdle();
        dialog->hide();
    }
}

// ---- Delete ---------------------------------------------------------------

class DeleteTest : public StorageTest {
protected:
    void SetUp() override
    {
        StorageTest::SetUp();
        store("J1", "S1", "P1");
        store("J1", "S1", "P2");
        store("J1", "S2", "P1");
        store("J2", "S1", "P1");
        open(database::DeleteMode);
        EXPECT_EQ(dialog->windowTitle(), QStringLiteral("Delete a Sign, a Job Section or an entire Job"));
        EXPECT_EQ(dialog->browserHeading()->text(), QStringLiteral("Select from Stored Signs"));
        EXPECT_TRUE(action()->isEnabled());
    }
    void expectQuestion(const char *text)
    {
        ASSERT_EQ(messages.calls.size(), 1u);
        const platform::MessageRequest &m = messages.calls[0];
        EXPECT_EQ(m.text, QString::fromLatin1(text));
        EXPECT_EQ(m.title, QStringLiteral("Warning"));
        EXPECT_EQ(m.buttons, platform::MessageButtons::OkCancel);
        EXPECT_EQ(m.icon, platform::MessageIcon::Exclamation);
        EXPECT_EQ(m.defaultButton, 1);
    }
};

TEST_F(DeleteTest, ASignPosition)
{
    click(dialog->browser(), item("J1", "S1", "P1"));
    messages.script({MessageAnswer::Ok});
    action()->click();
    expectQuestion("You are about to delete a Sign Position.");
    EXPECT_FALSE(stored(Key("J1", "S1", "P1")));
    EXPECT_EQ(rowsOfKey(QStringLiteral("SignDesData"), Key("J1", "S1", "P1")), 0);
    EXPECT_EQ(rowsOfKey(QStringLiteral("PrintRecord"), Key("J1", "S1", "P1")), 0);
    EXPECT_TRUE(stored(Key("J1", "S1", "P2")));
    EXPECT_FALSE(dialog->isVisible());
    expectIdle();
}

TEST_F(DeleteTest, AJobSection)
{
    click(dialog->browser(), item("J1", "S1"));
    EXPECT_EQ(panels(), (QStringList{"J1", "S1", ""}));
    messages.script({MessageAnswer::Ok});
    action()->click();
    expectQuestion("You are about to delete a Job Section!");
    EXPECT_FALSE(stored(Key("J1", "S1", "P1")));
    EXPECT_FALSE(stored(Key("J1", "S1", "P2")));
    EXPECT_TRUE(stored(Key("J1", "S2", "P1")));
    EXPECT_EQ(jobRows("J1"), 1);
    EXPECT_FALSE(dialog->isVisible());
}

TEST_F(DeleteTest, AnEntireJob)
{
    click(dialog->browser(), item("J1"));
    messages.script({MessageAnswer::Ok});
    action()->click();
    expectQuestion("You are about to delete an entire Job!");
    EXPECT_EQ(jobRows("J1"), 0);
    EXPECT_EQ(value(QStringLiteral("SELECT COUNT(*) FROM LocDesData WHERE Job_Code = ?"),
                    {database::PadKey(QStringLiteral("J1"))})
                  .toInt(),
              0);
    EXPECT_EQ(count(QStringLiteral("SupDesData")), 1);
    EXPECT_TRUE(stored(Key("J2", "S1", "P1")));
}

TEST_F(DeleteTest, CancelDeletesNothingAndKeepsTheDialog)
{
    click(dialog->browser(), item("J1"));
    messages.script({MessageAnswer::Cancel});
    action()->click();
    expectQuestion("You are about to delete an entire Job!");
    EXPECT_EQ(count(QStringLiteral("SupDesData")), 4);
    EXPECT_TRUE(dialog->isVisible());
    EXPECT_EQ(panels(), (QStringList{"J1", "", ""}));
    expectIdle();
}

TEST_F(DeleteTest, NothingChosenAsksNothingAndDeletesNothing)
{
    action()->click();
    EXPECT_TRUE(messages.calls.empty());
    EXPECT_EQ(count(QStringLiteral("SupDesData")), 4);
    EXPECT_TRUE(dialog->isVisible());
    expectIdle();
}

TEST_F(DeleteTest, ADeleteThatFailsChangesNothingAndKeepsTheDialog)
{
    int changed = 0;
    QObject::connect(dialog.get(), &StorageDialog::storedDesignsChanged, [&] { ++changed; });
    exec(QStringLiteral("CREATE TRIGGER NoDelete BEFORE DELETE ON LocDesData BEGIN "
                        "SELECT RAISE(ABORT, 'refused'); END"));
    click(dialog->browser(), item("J1", "S1"));
    messages.script({MessageAnswer::Ok});
    action()->click();
    ASSERT_EQ(messages.calls.size(), 2u);  // the confirmation, then the failure
    EXPECT_EQ(messages.calls[0].text, QStringLiteral("You are about to delete a Job Section!"));
    EXPECT_TRUE(stored(Key("J1", "S1", "P1")));
    EXPECT_TRUE(stored(Key("J1", "S1", "P2")));
    EXPECT_EQ(rowsOfKey(QStringLiteral("SignDesData"), Key("J1", "S1", "P1")), 1);
    EXPECT_EQ(count(QStringLiteral("SupDesData")), 4);
    EXPECT_TRUE(dialog->isVisible());
    EXPECT_EQ(changed, 0);
    expectIdle();
}

TEST_F(DeleteTest, DoubleClickOnASignPositionAsksAtOnce)
{
    messages.script({MessageAnswer::Ok});
    doubleClick(dialog->browser(), item("J2", "S1", "P1"));
    expectQuestion("You are about to delete a Sign Position.");
    EXPECT_FALSE(stored(Key("J2", "S1", "P1")));
    EXPECT_EQ(jobRows("J2"), 0);  // its last design went, and the job with it
    EXPECT_FALSE(dialog->isVisible());
}

// ---- Rename ---------------------------------------------------------------

class RenameTest : public StorageTest {
protected:
    void SetUp() override
    {
        StorageTest::SetUp();
        store("J1", "S1", "P1");
        store("J1", "S1", "P2");
        store("J1", "S2", "P1");
        open(database::RenameMode);
        EXPECT_EQ(dialog->windowTitle(), QStringLiteral("Rename a Sign, a Job Section or an entire Job"));
        EXPECT_FALSE(action()->isEnabled());
        for (int i = 0; i < 3; ++i) {
            EXPECT_TRUE(dialog->keyBox(i)->isVisible());
            EXPECT_FALSE(dialog->keyBox(i)->isEnabled());
        }
    }
    void expectOnlyBoxEnabled(int index)
    {
        for (int i = 0; i < 3; ++i)
            EXPECT_EQ(dialog->keyBox(i)->isEnabled(), i == index) << i;
    }
};

TEST_F(RenameTest, ASignPositionOnceItsNameChanges)
{
    click(dialog->browser(), item("J1", "S1", "P1"));
    EXPECT_EQ(boxes(), (QStringList{"J1", "S1", "P1"}));
    expectOnlyBoxEnabled(2);
    EXPECT_EQ(dialog->OldName(), (std::array<QString, 3>{"J1", "S1", "P1"}));
    EXPECT_FALSE(action()->isEnabled());
    dialog->keyBox(2)->setText(QStringLiteral(""));
    EXPECT_FALSE(action()->isEnabled());
    dialog->keyBox(2)->setText(QStringLiteral("   "));
    EXPECT_FALSE(action()->isEnabled());
    dialog->keyBox(2)->setText(QStringLiteral(" P1 "));
    EXPECT_FALSE(action()->isEnabled());
    dialog->keyBox(2)->setText(QStringLiteral("P9"));
    ASSERT_TRUE(action()->isEnabled());
    action()->click();

    EXPECT_TRUE(messages.calls.empty());
    EXPECT_FALSE(stored(Key("J1", "S1", "P1")));
    EXPECT_TRUE(stored(Key("J1", "S1", "P9")));
    EXPECT_EQ(rowsOfKey(QStringLiteral("SignDesData"), Key("J1", "S1", "P9")), 1);
    EXPECT_TRUE(stored(Key("J1", "S2", "P1")));
    EXPECT_FALSE(dialog->isVisible());
    expectIdle();
}

TEST_F(RenameTest, AJobSection)
{
    click(dialog->browser(), item("J1", "S1"));
    EXPECT_EQ(boxes(), (QStringList{"J1", "S1", ""}));
    expectOnlyBoxEnabled(1);
    EXPECT_FALSE(action()->isEnabled());
    dialog->keyBox(1)->setText(QStringLiteral("S9"));
    ASSERT_TRUE(action()->isEnabled());
    action()->click();
    EXPECT_TRUE(stored(Key("J1", "S9", "P1")));
    EXPECT_TRUE(stored(Key("J1", "S9", "P2")));
    EXPECT_FALSE(stored(Key("J1", "S1", "P1")));
    EXPECT_TRUE(stored(Key("J1", "S2", "P1")));
}

TEST_F(RenameTest, AnEntireJob)
{
    click(dialog->browser(), item("J1"));
    EXPECT_EQ(boxes(), (QStringList{"J1", "", ""}));
    expectOnlyBoxEnabled(0);
    EXPECT_FALSE(action()->isEnabled());
    dialog->keyBox(0)->setText(QStringLiteral("J9"));
    ASSERT_TRUE(action()->isEnabled());
    action()->click();
    EXPECT_EQ(jobRows("J1"), 0);
    EXPECT_EQ(jobRows("J9"), 1);
    EXPECT_TRUE(stored(Key("J9", "S1", "P1")));
    EXPECT_TRUE(stored(Key("J9", "S2", "P1")));
    EXPECT_EQ(rowsOfKey(QStringLiteral("PrintRecord"), Key("J9", "S1", "P2")), 1);
}

TEST_F(RenameTest, ANameInUseIsRefusedAndTheDialogStays)
{
    click(dialog->browser(), item("J1", "S1", "P1"));
    dialog->keyBox(2)->setText(QStringLiteral("P2"));
    action()->click();
    EXPECT_FALSE(messages.calls.empty());
    EXPECT_TRUE(stored(Key("J1", "S1", "P1")));
    EXPECT_TRUE(stored(Key("J1", "S1", "P2")));
    EXPECT_TRUE(dialog->isVisible());
    EXPECT_EQ(boxes(), (QStringList{"J1", "S1", "P2"}));
    expectIdle();
}

// ---- Delete and rename on a damaged file ----------------------------------

struct DamageCase {
    const char *damage;   // SQL run on the file with the relations off
    int mode;             // DeleteMode or RenameMode
    const char *job, *section, *pos;  // the item chosen
    const char *newName;  // typed into the enabled box (rename)
    const char *told;     // in the failure message
};

class DamagedFileTest : public StorageTest, public ::testing::WithParamInterface<DamageCase> {
protected:
    // Every row of every design table, as text.
    QStringList allRows()
    {
        QStringList out;
        for (const char *table : {"JOBS", "LocDesData", "SupDesData", "SignDesData", "PrintRecord"}) {
            if (!db().hasTable(QLatin1String(table)))
                continue;
            platform::SqlRows rows;
            EXPECT_TRUE(db().select(QStringLiteral("SELECT * FROM %1 ORDER BY rowid").arg(QLatin1String(table)), {},
                                    rows)
                            .ok());
            for (const platform::SqlRow &row : rows) {
                QStringList cells{QLatin1String(table)};
                for (const QVariant &v : row)
                    cells << v.toString();
                out << cells.join(QLatin1Char('|'));
            }
        }
        return out;
    }
};

const char *const DropSupport = "DROP TABLE SupDesData";
const char *const LooseSigns = "CREATE TABLE Loose AS SELECT * FROM SignDesData; DROP TABLE SignDesData; "
                               "ALTER TABLE Loose RENAME TO SignDesData";

TEST_P(DamagedFileTest, DeleteOrRenameChangesNothingAndSaysWhy)
{
    const DamageCase c = GetParam();
    store("Brücke", "Süd", "P1");
    store("Brücke", "Süd", "P2");
    store("Brücke", "Nord", "P1");
    store("J2", "S1", "P1");
    int changed = 0;
    QObject::connect(dialog.get(), &StorageDialog::storedDesignsChanged, [&] { ++changed; });
    // Damaged while the list is shown (the list itself reads SupDesData).
    open(c.mode);
    exec(QStringLiteral("PRAGMA foreign_keys = OFF"));
    for (const QString &sql : QString::fromUtf8(c.damage).split(QLatin1Char(';')))
        exec(sql);
    exec(QStringLiteral("PRAGMA foreign_keys = ON"));
    const QStringList before = allRows();

    click(dialog->browser(), item(c.job, c.section, c.pos));
    if (c.mode == database::RenameMode) {
        const int box = *c.pos ? 2 : *c.section ? 1 : 0;
        dialog->keyBox(box)->setText(QString::fromUtf8(c.newName));
    } else {
        messages.script({MessageAnswer::Ok});
    }
    ASSERT_TRUE(action()->isEnabled());
    action()->click();

    ASSERT_FALSE(messages.calls.empty());
    const platform::MessageRequest &failure = messages.calls.back();
    EXPECT_TRUE(failure.text.contains(QLatin1String(c.mode == database::DeleteMode ? "Nothing has been deleted"
                                                                                   : "Nothing has been changed")))
        << failure.text.toStdString();
    EXPECT_TRUE(failure.text.contains(QString::fromUtf8(c.told))) << failure.text.toStdString();
    EXPECT_EQ(failure.icon, platform::MessageIcon::Critical);
    EXPECT_EQ(allRows(), before);
    EXPECT_TRUE(dialog->isVisible());
    EXPECT_EQ(changed, 0);
    expectIdle();
}

INSTANTIATE_TEST_SUITE_P(
    Cases, DamagedFileTest,
    ::testing::Values(
        DamageCase{DropSupport, database::DeleteMode, "Brücke", "Süd", "P1", "", "no such table: SupDesData"},
        DamageCase{DropSupport, database::DeleteMode, "Brücke", "", "", "", "no such table: SupDesData"},
        DamageCase{DropSupport, database::RenameMode, "Brücke", "Süd", "", "Ost", "no such table: SupDesData"},
        DamageCase{LooseSigns, database::DeleteMode, "Brücke", "Süd", "", "", "SignDesData still holds rows"},
        DamageCase{LooseSigns, database::RenameMode, "Brücke", "Süd", "P2", "P9", "SignDesData still holds rows"},
        DamageCase{LooseSigns, database::RenameMode, "Brücke", "", "", "Straße", "SignDesData still holds rows"}));

// ---- A file whose short keys clash when padded ----------------------------

class KeyPaddingClashTest : public DamagedFileTest {};  // no damage: the keys are the fault

// Another program stored the keys unpadded, and another client's "J1 " beside
// "J1": opened, the other keys are padded and both J1 listed; an action on
// either is refused, the open design and the file unchanged.
TEST_P(KeyPaddingClashTest, OtherKeysArePaddedAndActionsOnAClashingKeyAreRefused)
{
    const DamageCase c = GetParam();
    store("J1", "S1", "P1", 1800);
    store("J2", "S1", "P1", 2200);
    store("Brücke", "Süd", "P1", 2400);
    exec(QStringLiteral("PRAGMA foreign_keys = OFF"));
    for (const QString table : {"JOBS", "LocDesData", "SupDesData", "SignDesData", "PrintRecord"}) {
        exec("UPDATE " + table + " SET Job_Code = rtrim(Job_Code)" +
             (table == "JOBS" ? "" : ", Job_Section = rtrim(Job_Section), Sign_Pos = rtrim(Sign_Pos)"));
        exec("CREATE TEMP TABLE c AS SELECT * FROM " + table + " WHERE Job_Code = 'J1'");
        exec(QStringLiteral("UPDATE c SET Job_Code = 'J1 '"));
        exec("INSERT INTO " + table + " SELECT * FROM c");
        exec(QStringLiteral("DROP TABLE c"));
    }
    database::CloseCurrentDatabase();
    ASSERT_TRUE(database::OpenCurrentDatabase());
    ASSERT_TRUE(messages.calls.empty());

    open(c.mode);
    QStringList jobs;
    for (int i = 0; i < dialog->browser()->topLevelItemCount(); ++i)
        jobs << dialog->browser()->topLevelItem(i)->text(0);
    EXPECT_EQ(jobs, (QStringList{"Brücke", "J1", "J1", "J2"}));
    int changed = 0;
    QObject::connect(dialog.get(), &StorageDialog::storedDesignsChanged, [&] { ++changed; });
    const engine::DesignState before = state;
    const QStringList rowsBefore = allRows();
    click(dialog->browser(), item(c.job, c.section, c.pos));
    if (c.mode == database::RenameMode)
        dialog->keyBox(*c.pos ? 2 : *c.section ? 1 : 0)->setText(QString::fromUtf8(c.newName));
    if (c.mode == database::DeleteMode)
        messages.script({MessageAnswer::Ok});
    ASSERT_TRUE(action()->isEnabled());
    messages.calls.clear();
    action()->click();

    // Refused: the open design and the file unchanged; else the padded keys are reached as listed.
    const bool refused = *c.told, loads = !refused && c.mode == database::LoadMode;
    EXPECT_EQ(dialog->isVisible(), refused);
    EXPECT_EQ(loaded, loads ? 1 : 0);
    EXPECT_EQ(changed, refused || loads ? 0 : 1);
    EXPECT_EQ(state.CurrentDesign == before.CurrentDesign && state.SupportDesigns == before.SupportDesigns &&
                  state.DesignChanged == engine::FlagTrue,
              !loads);
    EXPECT_EQ(state.CurrentDesign.FrontSignWidth[1], loads ? 2200 : 2500);
    EXPECT_EQ(allRows() == rowsBefore, refused || loads);
    EXPECT_EQ(stored(Key("J2", "S1", "P1")), refused || loads);
    EXPECT_EQ(stored(Key("Straße", "S1", "P1")), !refused && c.mode == database::RenameMode);
    EXPECT_TRUE(stored(Key("Brücke", "Süd", "P1")));
    if (refused) {
        ASSERT_FALSE(messages.calls.empty());
        EXPECT_EQ(messages.calls.back().text, QString::fromUtf8(c.told));
        EXPECT_EQ(messages.calls.back().icon, platform::MessageIcon::Exclamation);
        expectIdle();
    } else {
        EXPECT_EQ(messages.calls.size(), c.mode == database::DeleteMode ? 1U : 0U);  // the question asked
    }
}

INSTANTIATE_TEST_SUITE_P(
    Cases, KeyPaddingClashTest,
    ::testing::Values(
        DamageCase{"", database::LoadMode, "J1", "S1", "P1", "",
                  "No design is stored under J1 / S1 / P1. The open design has not been changed."},
        DamageCase{"", database::LoadMode, "J1 ", "S1", "P1", "",
                  "No design is stored under J1 / S1 / P1. The open design has not been changed."},
        DamageCase{"", database::LoadMode, "J2", "S1", "P1", "", ""},
        DamageCase{"", database::DeleteMode, "J1", "", "", "",
                  "The job \"J1\" to be deleted is not stored. Nothing has been deleted."},
        DamageCase{"", database::DeleteMode, "J1 ", "S1", "P1", "",
                  "The sign position \"J1 / S1 / P1\" to be deleted is not stored. Nothing has been deleted."},
        DamageCase{"", database::DeleteMode, "J2", "S1", "P1", "", ""},
        DamageCase{"", database::RenameMode, "J1", "", "", "Straße",
                  "The job \"J1\" to be renamed is no longer stored. Nothing has been renamed."},
        DamageCase{"", database::RenameMode, "J1", "S1", "", "Süd",
                  "The job section \"S1\" to be renamed is no longer stored. Nothing has been renamed."},
        DamageCase{"", database::RenameMode, "J2", "", "", "Straße", ""}));

// ---- Save and silent save -------------------------------------------------

TEST_F(StorageTest, SaveStoresTheOpenDesignUnderItsOwnKey)
{
    store("J1", "S1", "P1");
    open(database::SaveMode);
    EXPECT_EQ(dialog->windowTitle(), QStringLiteral("Save Current Sign Structural Design"));
    EXPECT_EQ(dialog->browserHeading()->text(), QStringLiteral("Currently Stored Signs"));
    EXPECT_EQ(panels(), (QStringList{"OPEN", "SEC", "POS"}));
    // Clicks change nothing in Save.
    click(dialog->browser(), item("J1", "S1", "P1"));
    EXPECT_EQ(panels(), (QStringList{"OPEN", "SEC", "POS"}));

    action()->click();
    EXPECT_TRUE(stored(Key("OPEN", "SEC", "POS")));
    EXPECT_EQ(storedWidth(Key("OPEN", "SEC", "POS")), 2500);
    EXPECT_EQ(state.DesignChanged, engine::FlagFalse);
    EXPECT_EQ(state.RedesignNeeded, engine::FlagTrue);  // Save leaves it
    EXPECT_FALSE(dialog->isVisible());
    EXPECT_EQ(saved, 1);
    expectIdle();
}

TEST_F(StorageTest, SilentSaveStoresWithoutShowingAndReplacesWithoutAsking)
{
    store("OPEN", "SEC", "POS", 1800);
    bool everShown = false;
    QObject::connect(dialog.get(), &StorageDialog::designSaved, [&] { everShown = dialog->isVisible(); });
    EXPECT_TRUE(dialog->silentSave());
    EXPECT_FALSE(everShown);
    EXPECT_FALSE(dialog->isVisible());
    EXPECT_EQ(dialog->FileDialogMode(), database::SaveMode);
    EXPECT_EQ(storedWidth(Key("OPEN", "SEC", "POS")), 2500);
    EXPECT_EQ(count(QStringLiteral("LocDesData")), 1);
    EXPECT_EQ(state.DesignChanged, engine::FlagFalse);
    EXPECT_TRUE(messages.calls.empty());
    EXPECT_EQ(saved, 1);
    expectIdle();
}

TEST_F(StorageTest, ADesignWithABlankKeyPartIsNeverStored)
{
    state.CurrentDesign.JobSection = "";
    EXPECT_FALSE(dialog->silentSave());
    ASSERT_EQ(messages.calls.size(), 1u);
    EXPECT_TRUE(messages.calls[0].title.endsWith(QStringLiteral("                  Mastra")));
    EXPECT_EQ(count(QStringLiteral("LocDesData")), 0);
    EXPECT_EQ(count(QStringLiteral("JOBS")), 0);
    EXPECT_EQ(state.DesignChanged, engine::FlagTrue);
    EXPECT_EQ(saved, 0);
    expectIdle();
}

TEST_F(StorageTest, ASaveThatFailsChangesNothing)
{
    store("OPEN", "SEC", "POS", 1800);
    // The database refuses the last row of the save.
    exec(QStringLiteral("CREATE TRIGGER NoPrint BEFORE INSERT ON PrintRecord BEGIN "
                        "SELECT RAISE(ABORT, 'refused'); END"));
    open(database::SaveMode);
    action()->click();
    EXPECT_FALSE(messages.calls.empty());
    EXPECT_EQ(storedWidth(Key("OPEN", "SEC", "POS")), 1800);  // the old design is still whole
    EXPECT_EQ(rowsOfKey(QStringLiteral("PrintRecord"), Key("OPEN", "SEC", "POS")), 1);
    EXPECT_EQ(state.DesignChanged, engine::FlagTrue);
    EXPECT_TRUE(dialog->isVisible());
    EXPECT_EQ(saved, 0);
    expectIdle();
}

// ---- Save As --------------------------------------------------------------

class SaveAsTest : public StorageTest {
protected:
    void SetUp() override
    {
        StorageTest::SetUp();
        store("J1", "S1", "P1", 1800);
        open(database::SaveAsMode);
        EXPECT_EQ(dialog->windowTitle(), QStringLiteral("Save Current Sign Structural Design As"));
        EXPECT_EQ(dialog->browserHeading()->text(), QStringLiteral("Currently Stored Signs"));
        for (int i = 0; i < 3; ++i) {
            EXPECT_TRUE(dialog->keyBox(i)->isVisible());
            EXPECT_TRUE(dialog->keyBox(i)->isEnabled());
            EXPECT_EQ(dialog->keyBox(i)->text(), QString());
        }
    }
    void type(const char *job, const char *section, const char *pos)
    {
        dialog->keyBox(0)->setText(QString::fromUtf8(job));
        dialog->keyBox(1)->setText(QString::fromUtf8(section));
        dialog->keyBox(2)->setText(QString::fromUtf8(pos));
    }
};

TEST_F(SaveAsTest, IsEnabledOnlyForACompleteKey)
{
    EXPECT_FALSE(action()->isEnabled());
    dialog->keyBox(0)->setText(QStringLiteral("NEW"));
    dialog->keyBox(1)->setText(QStringLiteral("S"));
    EXPECT_FALSE(action()->isEnabled());
    dialog->keyBox(2)->setText(QStringLiteral("  "));
    EXPECT_FALSE(action()->isEnabled());
    dialog->keyBox(2)->setText(QStringLiteral("P"));
    EXPECT_TRUE(action()->isEnabled());
    // A job item fills only the job code.
    click(dialog->browser(), item("J1"));
    EXPECT_EQ(boxes(), (QStringList{"J1", "", ""}));
    EXPECT_FALSE(action()->isEnabled());
    dialog->pressAction();  // even pressed from code, nothing is stored
    EXPECT_EQ(count(QStringLiteral("LocDesData")), 1);
    click(dialog->browser(), item("J1", "S1", "P1"));
    EXPECT_EQ(boxes(), (QStringList{"J1", "S1", "P1"}));
    EXPECT_TRUE(action()->isEnabled());
}

TEST_F(SaveAsTest, ToANewKeyStoresAndReloads)
{
    type("NEW", "S", "P");
    action()->click();
    EXPECT_TRUE(messages.calls.empty());
    EXPECT_TRUE(stored(Key("NEW", "S", "P")));
    EXPECT_EQ(storedWidth(Key("NEW", "S", "P")), 2500);
    EXPECT_FALSE(stored(Key("OPEN", "SEC", "POS")));
    EXPECT_EQ(state.CurrentDesign.JobCode.Trimmed(), "NEW");
    EXPECT_EQ(state.CurrentDesign.SignPos.Trimmed(), "P");
    EXPECT_EQ(state.DesignChanged, engine::FlagFalse);
    EXPECT_EQ(state.RedesignNeeded, engine::FlagFalse);
    EXPECT_FALSE(dialog->isVisible());
    EXPECT_EQ(saved, 1);
    EXPECT_EQ(loaded, 1);
    expectIdle();
}

TEST_F(SaveAsTest, ToAStoredKeyAsksAndNoKeepsTheDialogWithTheTypedKey)
{
    click(dialog->browser(), item("J1", "S1", "P1"));
    messages.script({MessageAnswer::No});
    action()->click();
    ASSERT_EQ(messages.calls.size(), 1u);
    const platform::MessageRequest &q = messages.calls[0];
    EXPECT_EQ(q.text, QStringLiteral("Use the current Job, Section and SignPosition name entered and replace its "
                                     "details with current details?"));
    EXPECT_EQ(q.title, QStringLiteral("Sign Storage Detail already exists                  Mastra"));
    EXPECT_EQ(q.buttons, platform::MessageButtons::YesNo);
    EXPECT_EQ(q.icon, platform::MessageIcon::Question);
    EXPECT_EQ(q.defaultButton, 2);
    EXPECT_EQ(database::SaveAsDeclined, 1);
    EXPECT_TRUE(dialog->isVisible());
    EXPECT_EQ(boxes(), (QStringList{"J1", "S1", "P1"}));
    EXPECT_EQ(storedWidth(Key("J1", "S1", "P1")), 1800);
    EXPECT_EQ(state.CurrentDesign.JobCode.Trimmed(), "OPEN");
    EXPECT_EQ(state.DesignChanged, engine::FlagTrue);
    expectIdle();

    messages.script({MessageAnswer::Yes});
    action()->click();
    EXPECT_EQ(database::SaveAsDeclined, 0);
    EXPECT_EQ(storedWidth(Key("J1", "S1", "P1")), 2500);
    EXPECT_EQ(count(QStringLiteral("LocDesData")), 1);
    EXPECT_EQ(state.CurrentDesign.JobCode.Trimmed(), "J1");
    EXPECT_EQ(state.CurrentDesign.FrontSignWidth[1], 2500);
    EXPECT_EQ(state.DesignChanged, engine::FlagFalse);
    EXPECT_FALSE(dialog->isVisible());
}

TEST_F(SaveAsTest, ASaveAsThatFailsStoresNothingAndKeepsTheTypedKey)
{
    exec(QStringLiteral("CREATE TRIGGER NoPrint BEFORE INSERT ON PrintRecord BEGIN "
                        "SELECT RAISE(ABORT, 'refused'); END"));
    type("NEW", "S", "P");
    action()->click();
    EXPECT_FALSE(messages.calls.empty());
    EXPECT_EQ(rowsOfKey(QStringLiteral("LocDesData"), Key("NEW", "S", "P")), 0);
    EXPECT_EQ(rowsOfKey(QStringLiteral("SupDesData"), Key("NEW", "S", "P")), 0);
    EXPECT_EQ(jobRows("NEW"), 0);
    EXPECT_TRUE(stored(Key("J1", "S1", "P1")));
    EXPECT_TRUE(dialog->isVisible());
    EXPECT_EQ(boxes(), (QStringList{"NEW", "S", "P"}));
    EXPECT_EQ(state.CurrentDesign.JobCode.Trimmed(), "OPEN");
    EXPECT_EQ(state.DesignChanged, engine::FlagTrue);
    EXPECT_EQ(state.RedesignNeeded, engine::FlagTrue);
    EXPECT_EQ(saved, 0);
    EXPECT_EQ(loaded, 0);
    expectIdle();
}

TEST_F(SaveAsTest, AKeyLongerThanFifteenCharactersIsStoredAsItsFirstFifteen)
{
    type("ABCDEFGHIJKLMNOPQRS", "SECTION-0123456789", "P");
    action()->click();
    EXPECT_TRUE(stored(Key("ABCDEFGHIJKLMNO", "SECTION-0123456", "P")));
    EXPECT_EQ(jobRows("ABCDEFGHIJKLMNO"), 1);
    EXPECT_EQ(state.CurrentDesign.JobCode.Trimmed(), "ABCDEFGHIJKLMNO");
    EXPECT_EQ(dialog->SaveAsKey().JobSection, QStringLiteral("SECTION-0123456"));
}

TEST_F(SaveAsTest, StaysLoadedAndShowsAgainEmpty)
{
    type("NEW", "S", "P");
    action()->click();
    ASSERT_FALSE(dialog->isVisible());
    dialog->openInMode(database::SaveAsMode);  // modeless: returns at once
    EXPECT_TRUE(dialog->isVisible());
    EXPECT_FALSE(dialog->isModal());
    EXPECT_EQ(boxes(), (QStringList{"", "", ""}));
    EXPECT_NE(item("NEW", "S", "P"), nullptr);
}

// How the engineer leaves the Save As dialog before it is shown again.
enum class SaveAsLeaving { EnterStores, CancelClicked, Escape };

// No widget named: Qt Test sends the keys where the focus is.
QWidget *const kFocus = nullptr;

class SaveAsFocus : public SaveAsTest, public ::testing::WithParamInterface<SaveAsLeaving> {
protected:
    // Runs the event loop until the dialog is the active window.
    bool activeSoon()
    {
        QElapsedTimer timer;
        timer.start();
        while (!dialog->isActiveWindow() && timer.elapsed() < 2000)
            QApplication::processEvents(QEventLoop::AllEvents, 20);
        QApplication::processEvents();
        return dialog->isActiveWindow();
    }
    // Characters typed where the focus is (with none, the dialog gets them).
    void typeText(const QString &text)
    {
        for (const QChar c : text) {
            QWidget *target = QApplication::focusWidget() ? QApplication::focusWidget() : dialog.get();
            QKeyEvent press(QEvent::KeyPress, 0, Qt::NoModifier, QString(c));
            QApplication::sendEvent(target, &press);
        }
    }
    // The three key parts, with Tab between them.
    void typeKey(const QString &job, const QString &section, const QString &pos)
    {
        typeText(job);
        QTest::keyClick(kFocus, Qt::Key_Tab);
        typeText(section);
        QTest::keyClick(kFocus, Qt::Key_Tab);
        typeText(pos);
    }
};

TEST_P(SaveAsFocus, EveryShowingStartsInTheJobCode)
{
    dialog->hide();
    dialog->openInMode(database::SaveAsMode);
    ASSERT_TRUE(activeSoon());
    EXPECT_EQ(QApplication::focusWidget(), dialog->keyBox(0));
    typeKey(QStringLiteral("NEW"), QStringLiteral("S"), QStringLiteral("P"));
    ASSERT_EQ(boxes(), (QStringList{"NEW", "S", "P"}));

    switch (GetParam()) {
    case SaveAsLeaving::EnterStores:
        QTest::keyClick(kFocus, Qt::Key_Return);
        ASSERT_TRUE(stored(Key("NEW", "S", "P")));
        break;
    case SaveAsLeaving::CancelClicked:
        QTest::mouseClick(dialog->cancelButton(), Qt::LeftButton);
        break;
    case SaveAsLeaving::Escape:
        QTest::keyClick(kFocus, Qt::Key_Escape);
        break;
    }
    ASSERT_FALSE(dialog->isVisible());

    for (int showing = 2; showing <= 3; ++showing) {
        dialog->openInMode(database::SaveAsMode);
        ASSERT_TRUE(activeSoon());
        EXPECT_EQ(QApplication::focusWidget(), dialog->keyBox(0)) << showing;
        typeKey(QStringLiteral("Brücke"), QStringLiteral("Süd"), QString::number(showing));
        EXPECT_EQ(boxes(), (QStringList{"Brücke", "Süd", QString::number(showing)})) << showing;
        QTest::mouseClick(dialog->cancelButton(), Qt::LeftButton);
        ASSERT_FALSE(dialog->isVisible());
    }
}

INSTANTIATE_TEST_SUITE_P(AfterLeaving, SaveAsFocus,
                         ::testing::Values(SaveAsLeaving::EnterStores, SaveAsLeaving::CancelClicked,
                                           SaveAsLeaving::Escape));

// ---- Activation, job management and the modal modes -------------------------

TEST_F(StorageTest, JobManagementRefreshesTheDialogAndInactiveJobsDisappear)
{
    store("J1", "S1", "P1");
    store("J2", "S1", "P1");
    open(database::LoadMode);
    click(dialog->browser(), item("J1", "S1", "P1"));
    ASSERT_TRUE(action()->isEnabled());

    bool ticked = false;
    QTimer::singleShot(0, dialog.get(), [&] {
        auto *jobs = dialog->findChild<database::JobManagementDialog *>();
        ASSERT_NE(jobs, nullptr);
        ASSERT_TRUE(jobs->isVisible());
        ASSERT_EQ(jobs->jobBox(0)->text(), QStringLiteral("J1"));
        jobs->jobBox(0)->click();  // J1 inactive
        ticked = true;
        jobs->okButton()->click();
    });
    dialog->jobManagementButton()->click();

    ASSERT_TRUE(ticked);
    EXPECT_EQ(active(QStringLiteral("J1")), QStringLiteral("N"));
    EXPECT_EQ(item("J1"), nullptr);
    EXPECT_NE(item("J2"), nullptr);
    EXPECT_EQ(panels(), (QStringList{"", "", ""}));
    EXPECT_FALSE(action()->isEnabled());
}

TEST_F(StorageTest, WithNoDatabaseActivationLeadsToTheFileChoice)
{
    store("J1", "S1", "P1");
    const QString path = database::CurrentDatabasePath;
    database::CloseCurrentDatabase();
    files.script(path);
    // The job management dialog closes once a database is open again.
    QTimer closer;
    QObject::connect(&closer, &QTimer::timeout, [&] {
        auto *jobs = dialog->findChild<database::JobManagementDialog *>();
        if (jobs && jobs->isVisible() && database::CurrentDatabase())
            jobs->okButton()->click();
    });
    closer.start(5);
    dialog->setFileDialogMode(database::LoadMode);
    dialog->refresh();
    closer.stop();

    EXPECT_EQ(files.calls.size(), 1u);
    ASSERT_NE(database::CurrentDatabase(), nullptr);
    EXPECT_NE(item("J1", "S1", "P1"), nullptr);
    EXPECT_TRUE(exits.exits.empty());
}

TEST_F(StorageTest, ModalModesReturnWhenTheDialogHides)
{
    store("J1", "S1", "P1", 1800);
    QTimer::singleShot(0, dialog.get(), [&] {
        EXPECT_TRUE(dialog->isModal());
        doubleClick(dialog->browser(), item("J1", "S1", "P1"));
    });
    dialog->openInMode(database::LoadMode);  // returns after the load
    EXPECT_FALSE(dialog->isVisible());
    EXPECT_EQ(state.CurrentDesign.FrontSignWidth[1], 1800);

    QTimer::singleShot(0, dialog.get(), [&] { dialog->cancelButton()->click(); });
    dialog->openInMode(database::DeleteMode);
    EXPECT_FALSE(dialog->isVisible());
    EXPECT_TRUE(stored(Key("J1", "S1", "P1")));
}

} // namespace
} // namespace uitest
