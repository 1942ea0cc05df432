// File, Exit ends the program at once through the exit service; with a
// database open that must still be a clean end, not a crash in the
// clean-up of static objects.

#include "database/database_file.h"
#include "platform/widgets/widget_services.h"

#include <gtest/gtest.h>

#include <QTemporaryDir>

TEST(ProgramExit, EndingAtOnceWithAnOpenDatabaseIsACleanEnd)
{
    GTEST_FLAG_SET(death_test_style, "threadsafe");
    QTemporaryDir dir;
    ASSERT_TRUE(dir.isValid());
    const QString path = dir.filePath(QStringLiteral("orlen.mdb"));
    EXPECT_EXIT(
        {
            database::CurrentDatabasePath = path;
            if (!database::OpenCurrentDatabase())
                std::_Exit(3);
            platform::addBeforeExitHook(database::CloseCurrentDatabase);
            platform::QtExitService().exitProgram(0);
        },
        ::testing::ExitedWithCode(0), "");
}
