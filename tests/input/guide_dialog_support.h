#pragma once
// Helpers of the roadside environment and guide dialog tests: clicking
// options as the engineer does and answering a dialog shown modally.

#include <QAbstractButton>
#include <QApplication>
#include <QDialog>
#include <QElapsedTimer>
#include <QTest>
#include <QTimer>

#include <functional>
#include <gtest/gtest.h>

namespace input_testing {

// A click on the option's indicator: the middle of a stretched option may lie
// beyond its caption, where it does not answer.
inline void clickOption(QAbstractButton *option)
{
    QTest::mouseClick(option, Qt::LeftButton, {}, QPoint(8, option->height() / 2));
}

// Runs `act` on the dialog of type D once it is shown modally (by the call the
// test makes next). A dialog that `act` leaves open is rejected so the test
// cannot hang, and counts as a failure.
template <typename D>
void whenModal(std::function<void(D &)> act)
{
    auto timer = std::make_shared<QElapsedTimer>();
    timer->start();
    auto poll = std::make_shared<std::function<void()>>();
    *poll = [act, timer, poll] {
        auto *dialog = qobject_cast<D *>(QApplication::activeModalWidget());
        if (!dialog) {
            if (timer->elapsed() < 3000) {
                QTimer::singleShot(10, *poll);
            } else {
                ADD_FAILURE() << "no modal dialog of the expected kind";
                if (auto *other = qobject_cast<QDialog *>(QApplication::activeModalWidget()))
                    other->reject();
                *poll = nullptr;
            }
            return;
        }
        act(*dialog);
        if (dialog->isVisible()) {
            ADD_FAILURE() << "the dialog was left open";
            dialog->reject();
        }
        *poll = nullptr;  // ends the self-reference (the timer runs a copy)
    };
    QTimer::singleShot(0, *poll);
}

// A guard for a key that must close the dialog itself: if the key pressed a
// button that opened another dialog instead, that dialog is closed after a
// while (so the test ends) and the test fails. `context` ends the guard.
inline void failOnStrayModal(QObject *context, QWidget *expected)
{
    QTimer::singleShot(1000, context, [expected] {
        QWidget *modal = QApplication::activeModalWidget();
        if (auto *dialog = qobject_cast<QDialog *>(modal); dialog && dialog != expected) {
            ADD_FAILURE() << "the key opened " << dialog->windowTitle().toStdString();
            dialog->reject();
        }
    });
}

} // namespace input_testing
