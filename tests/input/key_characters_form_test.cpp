// Key parts and sign numbers typed into the sign details form hold
// characters: what the boxes show, up to the field's length, is what is
// stored, saved and shown again after a load.

#include "input_test_support.h"
#include "panels_test_support.h"

#include "common/key_character_cases.h"
#include "database/default_values.h"
#include "database/design_rows.h"
#include "database/design_store.h"

namespace {

using testing_support::KeyCharacterCase;
using testing_support::PaddedToCharacters;

class KeyCharactersForm : public input_testing::PanelsTest {
protected:
    void SetUp() override
    {
        PanelsTest::SetUp();
        openDatabase();
    }

    platform::SqlConnection &db() { return *database::CurrentDatabase(); }
    QString value(const QString &sql)
    {
        platform::SqlRows rows;
        EXPECT_TRUE(db().select(sql, {}, rows).ok()) << sql.toStdString();
        return rows.empty() ? QString() : rows.front().front().toString();
    }

    // Types `text` into `box` over what it holds, one key per character (a
    // character outside the 16-bit range comes as one key too).
    static void retype(QLineEdit *box, const QString &text)
    {
        inputtest::clearByKeys(box);
        for (qsizetype i = 0; i < text.size();) {
            const qsizetype n = text.at(i).isHighSurrogate() && i + 1 < text.size() ? 2 : 1;
            const QString character = text.mid(i, n);
            if (n == 1)
                inputtest::type(box, character);
            else
                inputtest::key(box, Qt::Key_unknown, Qt::NoModifier, character);
            i += n;
        }
        ASSERT_EQ(box->text(), text);
    }

    // The sample design opened in the form, its key typed again and its
    // first sign number replaced, then OK and a save under the design's key.
    void enterAndSave(const QString &typed)
    {
        showActive(input_testing::sampleDesign());
        for (int i = 0; i < 3; ++i)
            retype(form->Text4(i), typed);
        toSignPanels();
        // The keyboard gives the sign number box letters and digits only;
        // other characters reach it with a design stored by another program.
        form->Text1(6)->setText(typed);
        form->Command1(1)->click();
        ASSERT_FALSE(form->isVisible()) << messages.calls.size() << " messages";
        ASSERT_TRUE(database::SaveSignDesign(db(), state, database::KeyOf(state.CurrentDesign)).ok());
    }

};

class KeyCharactersFormCases : public KeyCharactersForm, public ::testing::WithParamInterface<KeyCharacterCase> {};

TEST_P(KeyCharactersFormCases, TypedSavedAndLoadedAsTheBoxesShowThem)
{
    const KeyCharacterCase c = GetParam();
    const QString typed = QString::fromUtf8(c.typed);
    const std::string key = PaddedToCharacters(c.asKey, 15);
    const std::string code = PaddedToCharacters(c.asCode, 10);
    enterAndSave(typed);
    EXPECT_EQ(state.CurrentDesign.JobCode.view(), key);
    EXPECT_EQ(state.CurrentDesign.SignPos.view(), key);
    EXPECT_EQ(state.CurrentDesign.SignCode[1].view(), code);

    // The same text typed as the key finds the design (the stored rows
    // themselves are checked through the probe, KeyCharactersProbe).
    engine::DesignState loaded;
    ASSERT_TRUE(
        database::LoadSignDesign(db(), loaded, database::CurrentDefaultValues(), {typed, typed, typed}).ok());
    EXPECT_EQ(loaded.CurrentDesign.JobSection.view(), key);
    EXPECT_EQ(loaded.CurrentDesign.SignCode[1].view(), code);

    // Shown again, the boxes hold what was stored.
    form->hide();
    showDesign(loaded.CurrentDesign);
    for (int i = 0; i < 3; ++i)
        EXPECT_EQ(form->Text4(i)->text(), QString::fromUtf8(c.asKey)) << i;
    EXPECT_EQ(form->Text1(6)->text(), QString::fromUtf8(c.asCode));
}

INSTANTIATE_TEST_SUITE_P(KeyCharacters, KeyCharactersFormCases, ::testing::ValuesIn(testing_support::KeyCharacterCases()),
                         [](const auto &info) { return testing_support::CaseName(info.param); });

TEST_F(KeyCharactersForm, KeysDifferingInTheirLastCharacterStayTwoDesigns)
{
    enterAndSave(QString::fromUtf8("Brücke-Nord-A12"));
    enterAndSave(QString::fromUtf8("Brücke-Nord-A13"));
    EXPECT_EQ(value(QStringLiteral("SELECT count(*) FROM LocDesData")), QStringLiteral("2"));
    EXPECT_EQ(value(QStringLiteral("SELECT count(*) FROM JOBS")), QStringLiteral("2"));
    const QString a12 = QString::fromUtf8("Brücke-Nord-A12");
    engine::DesignState loaded;
    ASSERT_TRUE(database::LoadSignDesign(db(), loaded, database::CurrentDefaultValues(), {a12, a12, a12}).ok());
    EXPECT_EQ(loaded.CurrentDesign.JobCode.Trimmed(), "Brücke-Nord-A12");
}

} // namespace
