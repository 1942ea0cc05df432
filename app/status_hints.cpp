#include "app/status_hints.h"

#include "app/main_window.h"
#include "app/sign_popup.h"

#include <QApplication>
#include <QGroupBox>
#include <QLabel>
#include <QMouseEvent>

namespace app {

const StatusHint *HintForName(const QString &objectName, int *element)
{
    QString control = objectName;
    int number = -1;
    const qsizetype underscore = objectName.lastIndexOf(QLatin1Char('_'));
    if (underscore > 0) {
        bool ok = false;
        const int parsed = objectName.mid(underscore + 1).toInt(&ok);
        if (ok) {
            control = objectName.left(underscore);
            number = parsed;
        }
    }
    if (control == QLatin1String("Panel3D16"))
        control = QStringLiteral("Label5");
    if (element)
        *element = number;
    for (const StatusHint &row : StatusHintTable)
        if (control == QLatin1String(row.control.data(), static_cast<qsizetype>(row.control.size())))
            return &row;
    return nullptr;
}

StatusHints::StatusHints(Form5 &window) : QObject(&window), window_(window)
{
    setObjectName(QStringLiteral("StatusHints"));
    popup_ = new SignPopup(window.designState(), window.resultsPane());
    qApp->installEventFilter(this);
}

void StatusHints::hintFor(QWidget *widget)
{
    const StatusHint *row = nullptr;
    int element = -1;
    QWidget *area = widget;
    while (area) {
        row = HintForName(area->objectName(), &element);
        if (row || area == &window_)
            break;
        area = area->parentWidget();
    }
    if (!row)
        return;

    if (row->status == HintStatus::Title)
        window_.statusGauge()->setCaption(QString::fromLatin1(ApplicationTitle.data(),
                                                              static_cast<qsizetype>(ApplicationTitle.size())));
    else if (row->status == HintStatus::Text)
        window_.statusGauge()->setCaption(
            QString::fromLatin1(row->text.data(), static_cast<qsizetype>(row->text.size())));

    if (row->popup == HintPopup::Hidden) {
        popup_->hide();
    } else if (row->popup == HintPopup::Shown && element >= 0 && element < 4) {
        popup_->showFor(element, area, window_.findChild<QLabel *>(QStringLiteral("Label3_3")));
    }
}

bool StatusHints::eventFilter(QObject *watched, QEvent *event)
{
    if (event->type() != QEvent::MouseMove || !watched->isWidgetType())
        return false;
    auto *widget = static_cast<QWidget *>(watched);
    if (widget->window() != &window_)
        return false;
    // A move a child leaves unhandled travels on to its parents; only the
    // widget under the mouse counts, once.
    const auto *move = static_cast<QMouseEvent *>(event);
    const QPoint inWindow = window_.mapFromGlobal(move->globalPosition().toPoint());
    QWidget *under = window_.childAt(inWindow);
    if (!under)
        under = &window_;
    if (under != widget)
        return false;
    hintFor(widget);
    return false;
}

StatusHints *InstallStatusHints(Form5 &window) { return new StatusHints(window); }

} // namespace app
