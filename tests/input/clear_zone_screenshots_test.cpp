// Manual tool: pictures of the clear zone window for a person to look at.
// Run by hand:
//   build/tests/input_tests --gtest_also_run_disabled_tests
//     --gtest_filter='*ClearZoneScreenshots*'
// under Xvfb or offscreen. KELVORA_SCREENSHOT_DIR names the folder
// (/tmp/kelvora-clear-zone by default).

#include <gtest/gtest.h>

#include <QCheckBox>
#include <QComboBox>
#include <QDir>
#include <QLineEdit>

#include "clear_zone_test_support.h"
#include "common/sample_designs.h"
#include "common/test_services.h"
#include "engine/design_run.h"
#include "input/clear_zone_window.h"

namespace {

// The shared sample sign, designed for the four kinds as the main window does.
engine::DesignState DesignedSample(bool signOnLeft)
{
    engine::DesignState state;
    engine::ResetDesignData(state, engine::DefaultValues{});
    testing_support::FillSimpleSign(state.CurrentDesign);
    state.CurrentDesign.SegLength[2] = 4000;
    state.CurrentDesign.SegDeltaHeight[2] = -800;
    state.CurrentDesign.SignOnLeft = signOnLeft ? engine::FlagTrue : engine::FlagFalse;
    for (auto &s : state.SupportDesigns) {
        s.RoadSpeed = 100;
        s.AADT = 6002;
        s.Barrier = engine::FlagTrue;
        s.BarrierDistance = 5000;
        s.Curvature = 400;
    }
    engine::RunDesign(state);
    engine::RedesignWithMorePosts(state);
    return state;
}

TEST(ManualTools, DISABLED_ClearZoneScreenshots)
{
    testing_support::RecordingMessages messages;
    QString folder = qEnvironmentVariable("KELVORA_SCREENSHOT_DIR");
    if (folder.isEmpty())
        folder = QStringLiteral("/tmp/kelvora-clear-zone");
    ASSERT_TRUE(QDir().mkpath(folder));
    auto shoot = [&](engine::DesignState state, const QString &name, auto &&edit) {
        input::ClearZoneWindow window(state);
        window.show();
        edit(window);
        window.repaint();
        EXPECT_TRUE(window.grab().save(folder + QLatin1Char('/') + name + QStringLiteral(".png"))) << name.toStdString();
    };
    shoot(DesignedSample(false), QStringLiteral("sign-right"), [](input::ClearZoneWindow &) {});
    shoot(DesignedSample(true), QStringLiteral("sign-left"), [](input::ClearZoneWindow &) {});
    shoot(DesignedSample(false), QStringLiteral("curved-100m"), [](input::ClearZoneWindow &w) {
        cztest::KeyClick(w.speedCombo(), Qt::Key_Home);
        cztest::KeyClick(w.curvedCheck(), Qt::Key_Space);
        cztest::TypeAndLeave(w.radiusEntry(), QStringLiteral("100"));
    });
    engine::DesignState complex = DesignedSample(false);
    complex.CurrentDesign.SegDeltaHeight[2] = 600;
    shoot(complex, QStringLiteral("too-complex"), [](input::ClearZoneWindow &) {});
    shoot(DesignedSample(false), QStringLiteral("warning"), [](input::ClearZoneWindow &w) {
        cztest::KeyClick(w.barrierCheck(), Qt::Key_Space);
    });
}

} // namespace
