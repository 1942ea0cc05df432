#pragma once
// The sign details form with its own panels page behaviour installed, on a
// fresh design database when a test asks for one.

#include "database/database_file.h"
#include "database/design_store.h"
#include "database/ui/design_browser.h"
#include "form_test_support.h"
#include "input/panels_page_impl.h"
#include "input/sign_layout_view.h"

#include <QApplication>
#include <QClipboard>
#include <QLabel>
#include <QTemporaryDir>
#include <QTimer>
#include <QTest>

namespace input_testing {

class PanelsTest : public FormTest {
protected:
    void SetUp() override
    {
        database::CloseCurrentDatabase();
        FormTest::SetUp();
        auto page = std::make_unique<input::PanelsPageImpl>(*form);
        panels = page.get();
        form->setPanelsPage(std::move(page));
    }
    void TearDown() override
    {
        FormTest::TearDown();
        database::CloseCurrentDatabase();
        database::CurrentDatabasePath.clear();
    }

    // A fresh database file opened as the program opens it.
    void openDatabase()
    {
        ASSERT_TRUE(dir.isValid());
        database::CurrentDatabasePath = dir.filePath(QStringLiteral("designs.mdb"));
        ASSERT_TRUE(database::OpenCurrentDatabase());
    }
    // Stores a simple one-panel design under the key.
    void store(const QString &job, const QString &section, const QString &pos)
    {
        engine::DesignState s;
        engine::ResetDesignData(s, engine::DefaultValues{});
        testing_support::FillSimpleSign(s.CurrentDesign);
        s.CurrentDesign.JobCode = job.toStdString();
        s.CurrentDesign.JobSection = section.toStdString();
        s.CurrentDesign.SignPos = pos.toStdString();
        const database::StoreResult r =
            database::SaveSignDesign(*database::CurrentDatabase(), s, database::KeyOf(s.CurrentDesign));
        ASSERT_TRUE(r.ok()) << r.message.toStdString();
    }

    // Shows the form with `design` open and makes it the active window, so
    // that focus moves between its boxes.
    void showActive(const engine::DesignRecord &design)
    {
        showDesign(design);
        form->activateWindow();
        ASSERT_TRUE(waitForActive(form.get()));
    }

    // "Next >>>" twice: the first entry of "Sign Panels" sets up its pages.
    void toSignPanels()
    {
        form->Command1(2)->click();
        form->Command1(2)->click();
        ASSERT_EQ(form->SSIndexTab1()->currentIndex(), input::SignPanelsPage);
    }
    void type(QWidget *box, const QString &text)
    {
        QTest::keyClicks(box, text);
    }
    void pasteInto(QLineEdit *box, const QString &text)
    {
        QApplication::clipboard()->setText(text);
        QKeyEvent press(QEvent::KeyPress, Qt::Key_V, Qt::ControlModifier, QStringLiteral("\x16"));
        QApplication::sendEvent(box, &press);
    }
    void setKey(const QString &job, const QString &section, const QString &pos)
    {
        form->Text4(0)->setText(job);
        form->Text4(1)->setText(section);
        form->Text4(2)->setText(pos);
    }
    QStringList statusLines() const
    {
        QStringList lines;
        for (int i = 0; i < 4; ++i)
            lines << form->Label3(i)->text();
        return lines;
    }
    QStringList messageTexts() const
    {
        QStringList texts;
        for (const auto &m : messages.calls)
            texts << m.text;
        return texts;
    }

    input::PanelsPageImpl *panels = nullptr;
    QTemporaryDir dir;
};

} // namespace input_testing
