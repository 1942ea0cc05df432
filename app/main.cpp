#include "app/startup.h"
#include "database/database_file.h"
#include "platform/widgets/widget_services.h"

#include <QApplication>

int main(int argc, char *argv[])
{
    QApplication application(argc, argv);
    QApplication::setApplicationName(QStringLiteral("Kelvora"));
    platform::installWidgetServices();
    std::unique_ptr<app::Program> program = app::Main();
    const int code = QApplication::exec();
    program.reset();
    database::CloseCurrentDatabase();
    return code;
}
