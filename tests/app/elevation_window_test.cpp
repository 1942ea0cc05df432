// The elevation and the sign pop-up through the real program: designs stored
// with the design probe are opened with File, Open; each support kind button
// shows its elevation and hovering a sign button opens the pop-up.

#include "elevation_designs.h"

#include "app/design_elevation_scene.h"
#include "app/design_view_widget.h"
#include "app/main_window.h"
#include "app/startup.h"
#include "common/temp_settings.h"
#include "common/test_services.h"
#include "database/database_file.h"
#include "database/ui/design_browser.h"
#include "database/ui/storage_dialog.h"
#include "platform/settings.h"

#include <QAction>
#include <QApplication>
#include <QFileInfo>
#include <QLabel>
#include <QMouseEvent>
#include <QProcess>
#include <QPushButton>
#include <QTemporaryDir>
#include <QTest>
#include <QTimer>

#include <gtest/gtest.h>

namespace {

bool storeWithProbe(const QString &file, const QByteArray &json, QString *error)
{
    QProcess probe;
    probe.start(app_testing::ProbePath(), {QStringLiteral("--save"), file});
    probe.write(json);
    probe.closeWriteChannel();
    probe.waitForFinished(60000);
    *error = QString::fromUtf8(probe.readAllStandardError());
    return probe.exitStatus() == QProcess::NormalExit && probe.exitCode() == 0;
}

void sendMouse(QWidget *target, QEvent::Type type, const QPoint &pos)
{
    QMouseEvent event(type, QPointF(pos), QPointF(target->mapToGlobal(pos)), Qt::LeftButton,
                      type == QEvent::MouseButtonRelease ? Qt::NoButton : Qt::LeftButton, Qt::NoModifier);
    QApplication::sendEvent(target, &event);
}

// File, Open, choosing the stored design `key` in the storage dialog as the
// engineer does: a click on its sign position, then the action button.
bool openThroughTheMenu(app::Form5 &window, const QString (&key)[3])
{
    bool chosen = false;
    QTimer chooser;
    chooser.setInterval(20);
    QObject::connect(&chooser, &QTimer::timeout, [&] {
        auto *dialog = qobject_cast<database::StorageDialog *>(QApplication::activeModalWidget());
        if (!dialog)
            return;
        database::DesignBrowser *browser = dialog->browser();
        QTreeWidgetItem *item = browser->findItem({key[0], key[1], key[2]}, database::SignPositionLevel);
        if (!item) {
            dialog->reject();
            return;
        }
        for (QTreeWidgetItem *p = item->parent(); p; p = p->parent())
            p->setExpanded(true);
        browser->scrollToItem(item);
        const QPoint at = browser->visualItemRect(item).center();
        sendMouse(browser->viewport(), QEvent::MouseButtonPress, at);
        sendMouse(browser->viewport(), QEvent::MouseButtonRelease, at);
        chosen = true;
        dialog->pressAction();
    });
    chooser.start();
    // The File menu's "&Open" item, found by its caption.
    QAction *open = nullptr;
    for (QAction *action : window.findChildren<QAction *>())
        if (!open && action->text() == QStringLiteral("&Open"))
            open = action;
    if (!open)
        return false;
    open->trigger();
    chooser.stop();
    return chosen;
}

} // namespace

TEST(ElevationThroughTheWindow, StoredDesignsOpenShowTheirElevationAndPopup)
{
    ASSERT_TRUE(QFileInfo(app_testing::ProbePath()).isExecutable()) << "design-probe is not built";
    testing_support::RecordingMessages messages;
    QTemporaryDir folder;
    const QString file = folder.filePath(QStringLiteral("elevations.mdb"));
    for (const app_testing::ElevationDesign &design : app_testing::ElevationDesigns()) {
        QString error;
        ASSERT_TRUE(storeWithProbe(file, design.json, &error)) << design.name.toStdString() << ": " << error.toStdString();
    }

    testing_support::clearSettings();
    platform::SaveSetting(QString::fromLatin1(platform::CurrentDatabaseKey), file);
    const auto program = app::Main();
    app::Form5 &window = *program->mainWindow;
    engine::DesignState &state = program->state;
    ASSERT_TRUE(QTest::qWaitForWindowExposed(&window));
    auto *view = window.findChild<app::DesignViewWidget *>();
    QWidget *popup = window.findChild<QWidget *>(QStringLiteral("Panel3D16"));
    ASSERT_TRUE(view);
    ASSERT_TRUE(popup);

    for (const app_testing::ElevationDesign &design : app_testing::ElevationDesigns()) {
        SCOPED_TRACE(design.name.toStdString());
        ASSERT_TRUE(openThroughTheMenu(window, design.key));
        ASSERT_EQ(QString::fromStdString(state.CurrentDesign.SignPos.Trimmed()), design.key[2]);
        for (int kind = 0; kind < 4; ++kind) {
            window.supportButton(kind)->click();
            const engine::SupportDesign &support = state.SupportDesigns[static_cast<size_t>(kind) + 1];
            if (support.NoResultCode != 0) {
                EXPECT_FALSE(view->isDrawn()) << kind;
                continue;
            }
            EXPECT_TRUE(view->isDrawn()) << kind;
            const app::SceneElement *post = app::FindElement(view->scene(), "Posts", support.NumPosts - 1);
            ASSERT_TRUE(post) << kind;
            EXPECT_TRUE(post->shown) << kind;
            EXPECT_EQ(app::FindElement(view->scene(), "Label1")->text,
                      std::to_string(state.CurrentDesign.MinimumClearance));
        }
        window.supportButton(design.viewedKind - 1)->click();

        // Hovering the first sign button opens its pop-up.
        popup->hide();
        QTest::mouseMove(window.statusGauge(), QPoint(3, 3));
        QTest::mouseMove(window.signSlot(0), QPoint(5, 5));
        EXPECT_TRUE(popup->isVisible());
        auto *firstLine = popup->findChild<QLabel *>(QStringLiteral("Label5_0"));
        ASSERT_TRUE(firstLine);
        EXPECT_EQ(firstLine->text(), "Sign : " + QString::fromStdString(state.CurrentDesign.SignCode[1].str()));
    }
    EXPECT_TRUE(messages.calls.empty());
    window.hide();
    database::CloseCurrentDatabase();
    testing_support::clearSettings();
}
