// The clear-zone entries of the window survive a save and a load.

#include <gtest/gtest.h>

#include <QCheckBox>
#include <QComboBox>
#include <QLineEdit>
#include <QPushButton>
#include <QTemporaryDir>

#include "clear_zone_test_support.h"
#include "common/sample_designs.h"
#include "common/test_services.h"
#include "database/database_file.h"
#include "database/design_store.h"
#include "engine/design_run.h"
#include "input/clear_zone_window.h"

namespace {

class ClearZoneStoreTest : public ::testing::Test {
protected:
    void SetUp() override
    {
        ASSERT_TRUE(dir.isValid());
        database::CloseCurrentDatabase();
        database::CurrentDatabasePath = dir.filePath(QStringLiteral("clear_zone.mdb"));
        ASSERT_TRUE(database::OpenCurrentDatabase());
        engine::ResetDesignData(state, defaults);
        testing_support::FillSimpleSign(state.CurrentDesign);
        state.CurrentDesign.JobCode = "CZ";
        state.CurrentDesign.JobSection = "S1";
        state.CurrentDesign.SignPos = "P1";
        engine::RunDesign(state);
        engine::RedesignWithMorePosts(state);
    }
    void TearDown() override
    {
        database::CloseCurrentDatabase();
        database::CurrentDatabasePath.clear();
    }

    void save()
    {
        const database::StoreResult r = database::SaveSignDesign(
            *database::CurrentDatabase(), state, database::KeyOf(state.CurrentDesign));
        ASSERT_TRUE(r.ok()) << r.message.toStdString();
    }
    engine::DesignState load()
    {
        engine::DesignState loaded;
        const database::StoreResult r = database::LoadSignDesign(
            *database::CurrentDatabase(), loaded, defaults, database::KeyOf(state.CurrentDesign));
        EXPECT_TRUE(r.ok()) << r.message.toStdString();
        return loaded;
    }

    testing_support::RecordingMessages messages;
    testing_support::RecordingProgress progress;
    QTemporaryDir dir;
    engine::DefaultValues defaults;
    engine::DesignState state;
};

TEST_F(ClearZoneStoreTest, EntriesComeBackAfterSaveAndLoad)
{
    {
        input::ClearZoneWindow window(state);
        window.show();
        cztest::KeyClick(window.speedCombo(), Qt::Key_End);  // 110 km/h
        cztest::KeyClick(window.trafficCombo(), Qt::Key_Home);
        cztest::KeyClick(window.trafficCombo(), Qt::Key_Down);  // 1449
        cztest::KeyClick(window.curvedCheck(), Qt::Key_Space);
        cztest::TypeAndLeave(window.radiusEntry(), QStringLiteral("650"));
        cztest::KeyClick(window.barrierCheck(), Qt::Key_Space);
        cztest::TypeAndLeave(window.barrierEntry(), QStringLiteral("3500"));
        window.backButton()->click();
    }
    EXPECT_EQ(state.DesignChanged, engine::FlagTrue);
    save();
    const engine::DesignState loaded = load();
    const engine::SupportDesign &s = loaded.SupportDesigns[static_cast<std::size_t>(loaded.CurrentSupportType)];
    EXPECT_EQ(loaded.CurrentSupportType, 1);
    EXPECT_EQ(s.RoadSpeed, 110);
    EXPECT_EQ(s.AADT, 1449);
    EXPECT_NE(s.CurvedRoad, 0);
    EXPECT_EQ(s.Curvature, 650);
    EXPECT_NE(s.Barrier, 0);
    EXPECT_EQ(s.BarrierDistance, 3500);

    // The window opened on the loaded design shows them again.
    engine::DesignState again = loaded;
    input::ClearZoneWindow window(again);
    EXPECT_EQ(window.speedCombo()->currentIndex(), 5);
    EXPECT_EQ(window.trafficCombo()->currentIndex(), 1);
    EXPECT_EQ(window.radiusEntry()->text(), QStringLiteral("650"));
    EXPECT_EQ(window.barrierEntry()->text(), QStringLiteral("3500"));
}

TEST_F(ClearZoneStoreTest, DesignStoredWithAnotherKindInViewKeepsItsValues)
{
    state.CurrentSupportType = 3;
    state.SupportDesigns[3].RoadSpeed = 80;
    state.SupportDesigns[3].AADT = 2000;
    save();
    engine::DesignState loaded = load();
    ASSERT_EQ(loaded.CurrentSupportType, 3);
    {
        input::ClearZoneWindow window(loaded);
        EXPECT_EQ(window.selectedSpeed(), 80);
        EXPECT_EQ(window.selectedAadt(), 5999);
        window.backButton()->click();
    }
    EXPECT_EQ(loaded.CurrentSupportType, 1);
    state = loaded;
    save();
    const engine::DesignState reloaded = load();
    EXPECT_EQ(reloaded.CurrentSupportType, 1);
    EXPECT_EQ(reloaded.SupportDesigns[1].RoadSpeed, 80);
    EXPECT_EQ(reloaded.SupportDesigns[1].AADT, 5999);
}

} // namespace
