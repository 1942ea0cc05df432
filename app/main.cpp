#include "app/main_window.h"
#include "app/startup.h"
#include "platform/widgets/widget_services.h"

#include <QApplication>

int main(int argc, char *argv[])
{
    QApplication application(argc, argv);
    QApplication::setApplicationName(QStringLiteral("Kelvora"));
    platform::installWidgetServices();
    const std::unique_ptr<app::Program> program = app::Main();
    return QApplication::exec();
}
