#pragma once
// Shared set-up of the input dialog tests: a fresh database file opened as
// the current one, a recording message service, a design state, and the keys
// and clicks the engineer gives a dialog.

#include "common/test_services.h"
#include "database/database_file.h"
#include "engine/design_state.h"
#include "platform/sql.h"

#include <gtest/gtest.h>

#include <QApplication>
#include <QClipboard>
#include <QDialog>
#include <QKeyEvent>
#include <QScreen>
#include <QTemporaryDir>
#include <QTimer>
#include <functional>

namespace inputtest {

class DatabaseDialogTest : public ::testing::Test {
protected:
    void SetUp() override
    {
        ASSERT_TRUE(dir.isValid());
        database::CloseCurrentDatabase();
        database::CurrentDatabasePath = dir.filePath(QStringLiteral("designs.mdb"));
        ASSERT_TRUE(database::OpenCurrentDatabase());
    }
    void TearDown() override
    {
        database::CloseCurrentDatabase();
        database::CurrentDatabasePath.clear();
    }

    platform::SqlConnection &db() { return *database::CurrentDatabase(); }

    platform::SqlRows rows(const QString &sql)
    {
        platform::SqlRows out;
        const platform::SqlStatus s = db().select(sql, {}, out);
        EXPECT_TRUE(s.ok()) << sql.toStdString() << ": " << s.text().toStdString();
        return out;
    }
    QVariant value(const QString &sql)
    {
        const platform::SqlRows out = rows(sql);
        return out.empty() || out.front().empty() ? QVariant() : out.front().front();
    }
    void exec(const QString &sql)
    {
        const platform::SqlStatus s = db().exec(sql);
        ASSERT_TRUE(s.ok()) << sql.toStdString() << ": " << s.text().toStdString();
    }

    QTemporaryDir dir;
    testing_support::RecordingMessages messages;
    engine::DesignState state;
};

// A key press and release as the keyboard gives them to `target`; unhandled
// keys travel on to the parents, as from the focused widget.
inline void key(QWidget *target, int k, Qt::KeyboardModifiers modifiers = Qt::NoModifier, const QString &text = {})
{
    QKeyEvent press(QEvent::KeyPress, k, modifiers, text);
    QApplication::sendEvent(target, &press);
    QKeyEvent release(QEvent::KeyRelease, k, modifiers, text);
    QApplication::sendEvent(target, &release);
}

// Types `text` character by character into `target`.
inline void type(QWidget *target, const QString &text)
{
    for (const QChar c : text) {
        const int k = c.isDigit() ? Qt::Key_0 + c.digitValue()
                      : c.isLetter() ? Qt::Key_A + (c.toUpper().unicode() - 'A')
                                     : static_cast<int>(c.unicode());
        key(target, k, Qt::NoModifier, QString(c));
    }
}

// Selects everything in `target` and deletes it.
inline void clearByKeys(QWidget *target)
{
    key(target, Qt::Key_A, Qt::ControlModifier);
    key(target, Qt::Key_Delete);
}

// Puts `text` on the clipboard and pastes it into `target` with Ctrl+V.
inline void paste(QWidget *target, const QString &text)
{
    QApplication::clipboard()->setText(text);
    key(target, Qt::Key_V, Qt::ControlModifier);
}

// Whether a shown window stands in the middle of its screen (within a few
// pixels: the frame may be uneven).
inline void expectCentred(const QWidget *window)
{
    const QScreen *screen = window->screen();
    ASSERT_NE(screen, nullptr);
    const QPoint off = window->frameGeometry().center() - screen->availableGeometry().center();
    EXPECT_LE(off.manhattanLength(), 4) << off.x() << ", " << off.y();
}

// Runs `act` on the modal dialog that the next call opens, once its event
// loop runs. Should `act` leave it open, it is rejected after a while so
// that a failing test ends.
inline void whenModalShown(const std::function<void(QDialog *)> &act)
{
    QTimer::singleShot(0, [act] {
        auto *dialog = qobject_cast<QDialog *>(QApplication::activeModalWidget());
        if (!dialog) {
            ADD_FAILURE() << "no modal dialog shown";
            return;
        }
        QTimer::singleShot(5000, dialog, [dialog] {
            ADD_FAILURE() << "the dialog stayed open";
            dialog->reject();
        });
        act(dialog);
    });
}

} // namespace inputtest
