#pragma once
// Drives the program's real file dialog offscreen: waits until the next call
// opens it as the modal dialog, then acts on it as the engineer would.

#include <gtest/gtest.h>

#include <QApplication>
#include <QFileDialog>
#include <QKeyEvent>
#include <QLineEdit>
#include <QPointer>
#include <QTest>
#include <QTimer>
#include <functional>

namespace testing_support {

// Runs `act` on the file dialog once it is shown. Should the dialog not come
// within two seconds, or stay open after `act`, the test fails and the
// dialog is rejected so that the test ends.
inline void whenFileDialogShown(std::function<void(QFileDialog *)> act)
{
    auto *poll = new QTimer;
    auto tries = std::make_shared<int>(0);
    QObject::connect(poll, &QTimer::timeout, [poll, tries, act = std::move(act)] {
        auto *dialog = qobject_cast<QFileDialog *>(QApplication::activeModalWidget());
        if (!dialog || !dialog->isVisible()) {
            if (++*tries > 200) {
                ADD_FAILURE() << "no file dialog shown";
                poll->deleteLater();
            }
            return;
        }
        poll->stop();
        poll->deleteLater();
        QTimer::singleShot(5000, dialog, [dialog] {
            ADD_FAILURE() << "the file dialog stayed open";
            dialog->reject();
        });
        act(dialog);
    });
    poll->start(10);
}

// Types a file name into the dialog's name box, replacing what it shows, and
// presses Enter.
inline void typeFileName(QFileDialog *dialog, const QString &name)
{
    auto *edit = dialog->findChild<QLineEdit *>(QStringLiteral("fileNameEdit"));
    ASSERT_NE(edit, nullptr);
    // The dialog follows the name box only while it has the focus, as it
    // has when the engineer types.
    dialog->activateWindow();
    ASSERT_TRUE(QTest::qWaitForWindowActive(dialog));
    edit->setFocus();
    ASSERT_TRUE(edit->hasFocus());
    edit->selectAll();
    // One key press per character, carrying its text (QTest's key clicks
    // take ASCII only).
    for (const QChar ch : name) {
        QKeyEvent press(QEvent::KeyPress, Qt::Key_unknown, Qt::NoModifier, QString(ch));
        QApplication::sendEvent(edit, &press);
        QKeyEvent release(QEvent::KeyRelease, Qt::Key_unknown, Qt::NoModifier, QString(ch));
        QApplication::sendEvent(edit, &release);
    }
    QTest::keyClick(edit, Qt::Key_Return);
}

} // namespace testing_support
