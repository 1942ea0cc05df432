#include "app/startup.h"
#include "database/database_file.h"
#include "platform/widgets/widget_services.h"

#include <QApplication>

int main(int argc, char *argv[])
{
    QApplication application(argc, argv);
    app::SetProgramNames();
    platform::installWidgetServices();
    // File, Exit ends the program at once: the database must be closed while
    // Qt's database registry still exists.
    platform::addBeforeExitHook(database::CloseCurrentDatabase);
    std::unique_ptr<app::Program> program = app::Main();
    const int code = QApplication::exec();
    program.reset();
    database::CloseCurrentDatabase();
    return code;
}
