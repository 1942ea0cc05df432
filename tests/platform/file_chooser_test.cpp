// The file chooser the engineer meets: Qt's file dialog, which gives back an
// existing file or a new name, and nothing when cancelled.

#include "common/file_dialog_driver.h"
#include "platform/widgets/widget_services.h"

#include <QDir>
#include <QFile>
#include <QFileInfo>
#include <QTemporaryDir>

#include <gtest/gtest.h>

namespace {

TEST(QtFileChooser, NewDatabaseFileNameIsAcceptedAsAnExistingOneIs)
{
    QTemporaryDir dir;
    ASSERT_TRUE(dir.isValid());
    const QString current = dir.filePath(QStringLiteral("orlen.mdb"));
    {
        QFile existing(current);
        ASSERT_TRUE(existing.open(QIODevice::WriteOnly));
    }
    struct Case {
        const char *what;
        QString typed;  // empty: Escape
        std::optional<QString> chosen;
    };
    const std::vector<Case> cases = {
        {"a new name", QStringLiteral("Straßenbau Süd.mdb"), dir.filePath(QStringLiteral("Straßenbau Süd.mdb"))},
        {"the existing file", QStringLiteral("orlen.mdb"), current},
        {"a new name in another folder", dir.filePath(QStringLiteral("neu/Ærø.mdb")),
         dir.filePath(QStringLiteral("neu/Ærø.mdb"))},
        {"cancelled", QString(), std::nullopt},
    };
    for (const Case &c : cases) {
        SCOPED_TRACE(c.what);
        QString title;
        QStringList filters;
        QString folder;
        testing_support::whenFileDialogShown([&](QFileDialog *dialog) {
            title = dialog->windowTitle();
            filters = dialog->nameFilters();
            folder = dialog->directory().absolutePath();
            if (c.typed.isEmpty())
                QTest::keyClick(dialog, Qt::Key_Escape);
            else
                testing_support::typeFileName(dialog, c.typed);
        });
        platform::QtFileChooser chooser;
        const std::optional<QString> chosen = chooser.chooseOpenFile(
            {QStringLiteral("Choose a Database"), QStringLiteral("Databases (*.mdb)"), current, QString()});
        EXPECT_EQ(title, QStringLiteral("Choose a Database"));
        EXPECT_EQ(filters, QStringList{QStringLiteral("Databases (*.mdb)")});
        EXPECT_EQ(QFileInfo(folder), QFileInfo(dir.path()));
        ASSERT_EQ(chosen.has_value(), c.chosen.has_value());
        if (chosen) {
            EXPECT_EQ(QFileInfo(*chosen).absoluteFilePath(), QFileInfo(*c.chosen).absoluteFilePath());
        }
    }
    // Choosing creates nothing: that is the caller's part.
    EXPECT_EQ(QDir(dir.path()).entryList(QDir::Files | QDir::Dirs | QDir::NoDotAndDotDot),
              QStringList{QStringLiteral("orlen.mdb")});
}

} // namespace
