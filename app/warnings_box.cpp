#include "app/warnings_box.h"

#include <QKeyEvent>
#include <QKeySequence>

namespace app {

WarningsBox::WarningsBox(QWidget *parent) : QPlainTextEdit(parent)
{
    setObjectName(QStringLiteral("Text1"));
    setReadOnly(true);
    setTextInteractionFlags(Qt::TextSelectableByMouse | Qt::TextSelectableByKeyboard);
    setLineWrapMode(QPlainTextEdit::WidgetWidth);
}

void WarningsBox::setWarningsText(const QString &text)
{
    text_ = text;
    // The document breaks lines at CR LF by itself; a trailing line end would
    // only add an empty last line to the view.
    QString shown = text;
    shown.replace(QStringLiteral("\r\n"), QStringLiteral("\n"));
    if (shown.endsWith(QLatin1Char('\n')))
        shown.chop(1);
    setPlainText(shown);
}

void WarningsBox::keyPressEvent(QKeyEvent *event)
{
    // Copying a selection is allowed; nothing typed reaches the text.
    if (event->matches(QKeySequence::Copy) || event->matches(QKeySequence::SelectAll)
        || event->key() == Qt::Key_Up || event->key() == Qt::Key_Down
        || event->key() == Qt::Key_PageUp || event->key() == Qt::Key_PageDown
        || event->key() == Qt::Key_Tab || event->key() == Qt::Key_Backtab) {
        QPlainTextEdit::keyPressEvent(event);
        return;
    }
    event->accept();
}

} // namespace app
