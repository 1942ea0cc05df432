// The roadside environment dialog and its guides centre themselves on the
// screen when made.

#include "engine/design_state.h"
#include "input/foundation_strength_guide.h"
#include "input/roadside_environment_dialog.h"
#include "input/wind_region_map.h"

#include <QGuiApplication>
#include <QScreen>
#include <QTemporaryDir>

#include <functional>
#include <memory>
#include <gtest/gtest.h>

TEST(InputDialogPlacement, EachIsCentredWhenMade)
{
    engine::DesignState state;
    QTemporaryDir folder;
    const std::vector<std::pair<const char *, std::function<std::unique_ptr<QWidget>()>>> dialogs{
        {"Form2", [&] { return std::make_unique<input::Form2>(state); }},
        {"Form4", [&] { return std::make_unique<input::Form4>(1, folder.path()); }},
        {"Form6", [] { return std::make_unique<input::Form6>(3); }},
    };
    const QRect screen = QGuiApplication::primaryScreen()->availableGeometry();
    for (const auto &[name, make] : dialogs) {
        const std::unique_ptr<QWidget> dialog = make();
        const QRect frame = dialog->frameGeometry();
        EXPECT_FALSE(dialog->isVisible()) << name;
        EXPECT_GT(frame.width(), 200) << name;
        EXPECT_NEAR(frame.x() + frame.width() / 2.0, screen.x() + screen.width() / 2.0, 1.0) << name;
        EXPECT_NEAR(frame.y() + frame.height() / 2.0, screen.y() + screen.height() / 2.0, 1.0) << name;
    }
}
