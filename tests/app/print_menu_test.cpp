// File > Print through the real program: the Print menu opens the print job
// selection form, a section is added and printed as the summary form to a
// PDF, and the form opened again shows the new print status.
//
// With KELVORA_SCREENS set to a folder the form is pictured there; run on a
// display (for example under xvfb-run with QT_QPA_PLATFORM=xcb) to see it as
// the engineer does.

#include "app_test_support.h"

#include "app/main_menus.h"
#include "app/main_window.h"
#include "app/startup.h"
#include "common/sample_designs.h"
#include "common/temp_settings.h"
#include "common/test_services.h"
#include "database/database_file.h"
#include "database/design_key.h"
#include "database/design_store.h"
#include "platform/settings.h"
#include "print/print_selection.h"
#include "print/ui/print_selection_dialog.h"

#include <QAction>
#include <QApplication>
#include <QDir>
#include <QPushButton>
#include <QTableWidget>
#include <QTemporaryDir>
#include <QTest>
#include <QTimer>
#include <functional>

#include <gtest/gtest.h>

namespace {

void picture(QWidget *widget, const QString &name)
{
    const QString folder = qEnvironmentVariable("KELVORA_SCREENS");
    if (folder.isEmpty())
        return;
    for (int i = 0; i < 5; ++i) {
        QApplication::processEvents();
        QTest::qWait(30);
    }
    widget->grab().save(QDir(folder).filePath(name));
}

// Runs `step` on the print job selection form once the menu item has opened
// it modally; the step must end the form.
void whenFormOpens(const std::function<void(print::Form11 &)> &step)
{
    // The pending timer holds the attempt; the attempt holds itself only weakly.
    auto attempt = std::make_shared<std::function<void(int)>>();
    *attempt = [step, self = std::weak_ptr(attempt)](int left) {
        if (auto *form = qobject_cast<print::Form11 *>(QApplication::activeModalWidget())) {
            step(*form);
            return;
        }
        if (left > 0)
            if (auto next = self.lock())
                QTimer::singleShot(20, [next, left] { (*next)(left - 1); });
    };
    QTimer::singleShot(0, [attempt] { (*attempt)(200); });
}

QStringList gridRows(const QTableWidget &grid)
{
    QStringList rows;
    for (int r = 0; r < grid.rowCount(); ++r) {
        QStringList cells;
        for (int c = 0; c < grid.columnCount(); ++c)
            cells << (grid.item(r, c) ? grid.item(r, c)->text().trimmed() : QString());
        rows << cells.join('|');
    }
    return rows;
}

TEST(PrintMenu, SummaryFormOfASectionToPdfThenItsStatus)
{
    testing_support::RecordingMessages messages;
    QTemporaryDir folder;
    const QString path = folder.filePath(QStringLiteral("print.mdb"));
    database::CloseCurrentDatabase();
    database::CurrentDatabasePath = path;
    ASSERT_TRUE(database::OpenCurrentDatabase());
    {
        engine::DesignState state;
        engine::ResetDesignData(state, engine::DefaultValues{});
        for (const char *pos : {"P1", "P2", "P3"}) {
            testing_support::FillSimpleSign(state.CurrentDesign);
            state.CurrentDesign.JobCode = "J100";
            state.CurrentDesign.JobSection = std::string(pos) == "P3" ? "South" : "North";
            state.CurrentDesign.SignPos = pos;
            const database::StoreResult r =
                database::SaveSignDesign(*database::CurrentDatabase(), state, database::KeyOf(state.CurrentDesign));
            ASSERT_TRUE(r.ok()) << r.message.toStdString();
        }
    }
    database::CloseCurrentDatabase();

    testing_support::clearSettings();
    platform::SaveSetting(QString::fromLatin1(platform::CurrentDatabaseKey), path);
    const QString pdfFolder = folder.filePath(QStringLiteral("pdf"));
    platform::SaveSetting(QString::fromLatin1(platform::PrintPdfFolderKey), pdfFolder);
    const auto program = app::Main();
    app::Form5 &window = *program->mainWindow;
    QApplication::processEvents();
    messages.calls.clear();

    bool opened = false;
    whenFormOpens([&](print::Form11 &form) {
        opened = true;
        EXPECT_EQ(form.PrintFormType(), 2);
        database::DesignBrowser &left = *form.Outline1();
        QTreeWidgetItem *section = left.findItem({"J100", "North", ""}, database::SectionLevel);
        if (section) {
            left.chooseItem(section);
            QTest::mouseClick(form.findChild<QPushButton *>("Command4_1"), Qt::LeftButton);
            picture(&form, QStringLiteral("kelvora-print-selection.png"));
        }
        EXPECT_EQ(form.Outline2()->signPositionCount(), 2);
        QTest::mouseClick(form.findChild<QPushButton *>("Command2"), Qt::LeftButton);
    });
    window.menus().printItem(2)->trigger();
    ASSERT_TRUE(opened);

    const QStringList pdfs = QDir(pdfFolder).entryList({QStringLiteral("*.pdf")}, QDir::Files);
    ASSERT_EQ(pdfs.size(), 1);
    EXPECT_TRUE(pdfs[0].startsWith(QStringLiteral("Summary Form"))) << pdfs[0].toStdString();
    const QString printedPdf = QDir(pdfFolder).filePath(pdfs[0]);
    ASSERT_EQ(messages.calls.size(), 1u) << "where the PDF went";
    EXPECT_TRUE(messages.calls[0].text.contains(pdfs[0]));
    if (!qEnvironmentVariable("KELVORA_SCREENS").isEmpty())
        QFile::copy(printedPdf, QDir(qEnvironmentVariable("KELVORA_SCREENS")).filePath("kelvora-summary.pdf"));

    const QString today = print::StampDate(QDate::currentDate());
    QStringList status;
    int selectedAfter = -1;
    whenFormOpens([&](print::Form11 &form) {
        selectedAfter = form.Outline2()->topLevelItemCount();
        database::DesignBrowser &left = *form.Outline1();
        if (QTreeWidgetItem *section = left.findItem({"J100", "North", ""}, database::SectionLevel))
            left.chooseItem(section);
        status = gridRows(*form.Grid1());
        picture(&form, QStringLiteral("kelvora-print-status.png"));
        QTest::mouseClick(form.findChild<QPushButton *>("Command1"), Qt::LeftButton);
    });
    window.menus().printItem(2)->trigger();
    EXPECT_EQ(selectedAfter, 0) << "the selection was cleared";
    EXPECT_EQ(status, (QStringList{"P1|Y|" + today, "P2|Y|" + today}));

    // Design forms have their own status: not printed yet.
    whenFormOpens([&](print::Form11 &form) {
        database::DesignBrowser &left = *form.Outline1();
        if (QTreeWidgetItem *section = left.findItem({"J100", "North", ""}, database::SectionLevel))
            left.chooseItem(section);
        status = gridRows(*form.Grid1());
        QTest::keyClick(&form, Qt::Key_Escape);
    });
    window.menus().printItem(0)->trigger();
    EXPECT_EQ(status, (QStringList{"P1|N|" + today, "P2|N|" + today}));

    window.hide();
    database::CloseCurrentDatabase();
    testing_support::clearSettings();
}

} // namespace
