// The notes dialog driven through its text and buttons, and the notes kept
// through a save and a load.

#include "input_test_support.h"

#include "common/sample_designs.h"
#include "database/design_store.h"
#include "database/default_values.h"
#include "input/notes_dialog.h"

#include <QPlainTextEdit>
#include <QPushButton>
#include <QScrollBar>

namespace {

using input::Notes;
using inputtest::key;

class NotesTest : public inputtest::DatabaseDialogTest {
protected:
    void SetUp() override
    {
        DatabaseDialogTest::SetUp();
        engine::ResetDesignData(state, database::CurrentDefaultValues());
        state.CurrentDesign.JobCode = "J1";
        state.CurrentDesign.JobSection = "S1";
        state.CurrentDesign.SignPos = "P1";
        testing_support::FillSimpleSign(state.CurrentDesign);
        state.CurrentDesign.Notes = "Footing near drain.\r\nCheck services.";
    }
    void open()
    {
        dialog = std::make_unique<Notes>(state);
        dialog->show();
    }
    // Types at the end of the text, a line break as the Enter key.
    void typeLine(const QString &line)
    {
        dialog->text()->moveCursor(QTextCursor::End);
        key(dialog->text(), Qt::Key_Return, Qt::NoModifier, QStringLiteral("\r"));
        inputtest::type(dialog->text(), line);
    }

    std::unique_ptr<Notes> dialog;
};

TEST_F(NotesTest, OpensWithTheNotesAsLines)
{
    open();
    EXPECT_EQ(dialog->windowTitle(), QStringLiteral("Notes"));
    EXPECT_EQ(dialog->text()->toPlainText(), QStringLiteral("Footing near drain.\nCheck services."));
    EXPECT_EQ(dialog->text()->blockCount(), 2);
    EXPECT_EQ(dialog->text()->lineWrapMode(), QPlainTextEdit::NoWrap);
    EXPECT_EQ(dialog->text()->horizontalScrollBarPolicy(), Qt::ScrollBarAlwaysOn);
    EXPECT_EQ(dialog->text()->verticalScrollBarPolicy(), Qt::ScrollBarAlwaysOn);
    EXPECT_FALSE(dialog->okButton()->isDefault());
    EXPECT_FALSE(dialog->okButton()->autoDefault());
    EXPECT_FALSE(dialog->cancelButton()->autoDefault());
}

TEST_F(NotesTest, EnterStartsANewLineAndOkStoresCrLfLines)
{
    state.DesignChanged = engine::FlagFalse;
    state.RedesignNeeded = engine::FlagFalse;
    open();
    typeLine(QStringLiteral("Pole 2"));
    EXPECT_TRUE(dialog->isVisible()) << "Enter must not press a button";
    EXPECT_EQ(dialog->text()->blockCount(), 3);
    dialog->okButton()->click();
    EXPECT_EQ(dialog->result(), QDialog::Accepted);
    EXPECT_EQ(state.CurrentDesign.Notes, "Footing near drain.\r\nCheck services.\r\nPole 2");
    EXPECT_EQ(state.DesignChanged, engine::FlagTrue);
    EXPECT_EQ(state.RedesignNeeded, engine::FlagFalse);
}

TEST_F(NotesTest, StoredNotesComeBackThroughSaveAndLoad)
{
    open();
    typeLine(QString());
    typeLine(QStringLiteral("End"));
    dialog->okButton()->click();
    const std::string notes = state.CurrentDesign.Notes;
    EXPECT_EQ(notes, "Footing near drain.\r\nCheck services.\r\n\r\nEnd");

    const database::StoredDesignKey key{QStringLiteral("J1"), QStringLiteral("S1"), QStringLiteral("P1")};
    ASSERT_TRUE(database::SaveSignDesign(db(), state, key).ok());
    engine::DesignState loaded;
    ASSERT_TRUE(database::LoadSignDesign(db(), loaded, database::CurrentDefaultValues(), key).ok());
    EXPECT_EQ(loaded.CurrentDesign.Notes, notes);

    Notes again(loaded);
    EXPECT_EQ(again.text()->toPlainText(), QStringLiteral("Footing near drain.\nCheck services.\n\nEnd"));
}

TEST_F(NotesTest, CancelAndEscapeAfterTypingKeepTheNotes)
{
    const engine::DesignState before = state;
    for (const bool escape : {false, true}) {
        open();
        typeLine(QStringLiteral("scratch"));
        if (escape)
            key(dialog->text(), Qt::Key_Escape);
        else
            dialog->cancelButton()->click();
        EXPECT_EQ(dialog->result(), QDialog::Rejected);
        EXPECT_EQ(state.CurrentDesign.Notes, before.CurrentDesign.Notes);
        EXPECT_EQ(state.DesignChanged, before.DesignChanged);
        open();
        EXPECT_EQ(dialog->text()->toPlainText(), QStringLiteral("Footing near drain.\nCheck services."));
    }
}

TEST_F(NotesTest, AnEmptyTextIsStoredAsAnEmptyString)
{
    open();
    inputtest::clearByKeys(dialog->text());
    EXPECT_TRUE(dialog->text()->toPlainText().isEmpty());
    dialog->okButton()->click();
    EXPECT_EQ(state.CurrentDesign.Notes, "");
    EXPECT_EQ(state.DesignChanged, engine::FlagTrue);
}

TEST_F(NotesTest, OkOnAnUnchangedTextKeepsTheBytesAndTheFlags)
{
    // Notes another program stored with bare line feeds stay as they are
    // unless the engineer edits them.
    for (const std::string &notes : {std::string("one\r\ntwo"), std::string("one\ntwo"), std::string("lone\rcr"),
                                      std::string("no\xc2\xa0" "break"), std::string()}) {
        state.CurrentDesign.Notes = notes;
        state.DesignChanged = engine::FlagFalse;
        open();
        dialog->okButton()->click();
        EXPECT_EQ(state.CurrentDesign.Notes, notes);
        EXPECT_EQ(state.DesignChanged, engine::FlagFalse);
    }
}

TEST(NotesText, StoredAndEditedFormsConvert)
{
    struct Case {
        std::string stored;
        QString edited;
    };
    const std::vector<Case> cases{
        {"", QString()},
        {"one", QStringLiteral("one")},
        {"one\r\ntwo", QStringLiteral("one\ntwo")},
        {"one\r\n\r\n", QStringLiteral("one\n\n")},
        {"M\xc3\xa4rz\r\nx", QStringLiteral("M\u00e4rz\nx")},
    };
    for (const Case &c : cases) {
        EXPECT_EQ(input::NotesForEditing(c.stored), c.edited);
        EXPECT_EQ(input::NotesForStoring(c.edited), c.stored);
    }
    EXPECT_EQ(input::NotesForStoring(QStringLiteral("a\r\nb\nc")), "a\r\nb\r\nc");
}

TEST_F(NotesTest, TheEntryPointShowsTheDialogModally)
{
    inputtest::whenModalShown([](QDialog *shown) {
        auto *form = qobject_cast<Notes *>(shown);
        ASSERT_NE(form, nullptr);
        inputtest::expectCentred(form);
        form->text()->moveCursor(QTextCursor::End);
        inputtest::type(form->text(), QStringLiteral("!"));
        form->okButton()->click();
    });
    input::ShowNotesDialog(state, nullptr);
    EXPECT_EQ(state.CurrentDesign.Notes, "Footing near drain.\r\nCheck services.!");
}

} // namespace
