#include "database/ui/dialog_support.h"

#include <QApplication>
#include <QGuiApplication>
#include <QScreen>
#include <QWidget>

namespace database {

QString MessageTitle(const QString &words)
{
    return words + QString(18, QLatin1Char(' ')) + QStringLiteral("Mastra");
}

void CentreOnScreen(QWidget *window)
{
    QScreen *screen = window->screen();
    if (!screen)
        screen = QGuiApplication::primaryScreen();
    if (!screen)
        return;
    const QRect area = screen->availableGeometry();
    const QSize size = window->frameGeometry().size();
    window->move(area.x() + (area.width() - size.width()) / 2, area.y() + (area.height() - size.height()) / 2);
}

WaitPointer::WaitPointer()
{
    QApplication::setOverrideCursor(Qt::WaitCursor);
}

WaitPointer::~WaitPointer()
{
    QApplication::restoreOverrideCursor();
}

} // namespace database
