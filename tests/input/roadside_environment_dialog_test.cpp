// The roadside environment dialog driven as the engineer drives it: options
// clicked, OK, Cancel, Enter and Esc, and the two guides it opens.

#include "guide_dialog_support.h"

#include "engine/design_state.h"
#include "input/foundation_strength_guide.h"
#include "input/roadside_environment_dialog.h"
#include "input/wind_region_map.h"

#include <QCheckBox>
#include <QGroupBox>
#include <QLabel>
#include <QPushButton>
#include <QRadioButton>
#include <QTabWidget>
#include <QTemporaryDir>
#include <QTest>

#include <gtest/gtest.h>

namespace {

using input_testing::clickOption;
using input_testing::whenModal;

class RoadsideEnvironment : public testing::Test {
protected:
    void SetUp() override
    {
        engine::ResetDesignData(state, engine::DefaultValues{});
        form.setMapFolder(emptyFolder.path());
    }

    // Which option of a group of `count` is checked, -1 for none.
    static int checked(const std::function<QRadioButton *(int)> &option, int count)
    {
        int found = -1;
        for (int i = 0; i < count; ++i) {
            if (option(i)->isChecked()) {
                EXPECT_EQ(found, -1) << "two options checked";
                found = i;
            }
        }
        return found;
    }
    int region() const { return checked([this](int i) { return form.regionOption(i); }, 4); }
    int soil() const { return checked([this](int i) { return form.soilOption(i); }, 4); }
    int base() const { return checked([this](int i) { return form.baseOption(i); }, 2); }

    void showPage(int page)
    {
        form.pages()->setCurrentIndex(page);
        QApplication::processEvents();
    }

    QTemporaryDir emptyFolder;
    engine::DesignState state;
    input::Form2 form{state};
};

TEST_F(RoadsideEnvironment, IsMadeHiddenWithItsPagesAndCaptions)
{
    EXPECT_FALSE(form.isVisible());
    EXPECT_EQ(form.windowTitle(), "Roadside Environment");
    ASSERT_EQ(form.pages()->count(), 3);
    EXPECT_EQ(form.pages()->tabText(0), "Wind Region");
    EXPECT_EQ(form.pages()->tabText(1), "Soil Type");
    EXPECT_EQ(form.pages()->tabText(2), "Slip Base");
    EXPECT_EQ(form.regionOption(3)->text(), "Region D");
    EXPECT_EQ(form.exposedCheck()->text(), "This is an Exposed Location");
    EXPECT_EQ(form.mapGuideButton()->text(), "    Guide to Wind Regions    (Click)");
    EXPECT_EQ(form.soilGuideButton()->text(), "Guide to Foundation Strength Selection  (Click)");
    EXPECT_EQ(form.soilOption(0)->text(), "Firm to Stiff");
    EXPECT_EQ(form.soilOption(1)->text(), "Very Stiff");
    EXPECT_EQ(form.soilOption(2)->text(), "Loose to Medium Dense");
    EXPECT_EQ(form.soilOption(3)->text(), "Dense");
    EXPECT_EQ(form.baseOption(0)->text(), "Rigid base");
    EXPECT_EQ(form.baseOption(1)->text(), "Slip base");
    EXPECT_EQ(form.okButton()->text(), "OK");
    EXPECT_EQ(form.cancelButton()->text(), "Cancel");
    // The frames and labels, with their blanks.
    QStringList titles;
    for (const QGroupBox *frame : form.findChildren<QGroupBox *>())
        titles << frame->title();
    EXPECT_TRUE(titles.contains("Select the Wind Region"));
    EXPECT_TRUE(titles.contains("Exposed Location Option"));
    EXPECT_TRUE(titles.contains("Select the Foundation Soil Type"));
    EXPECT_TRUE(titles.contains("Support Risk Options"));
    QStringList labels;
    for (const QLabel *label : form.findChildren<QLabel *>())
        labels << label->text();
    EXPECT_TRUE(labels.contains("Cohesive Clay Soils :"));
    EXPECT_TRUE(labels.contains("Cohesionless Sand Soils :"));
    // OK and Cancel stay in view on every page.
    form.show();
    for (int page = 0; page < 3; ++page) {
        showPage(page);
        EXPECT_TRUE(form.okButton()->isVisible()) << page;
        EXPECT_TRUE(form.cancelButton()->isVisible()) << page;
    }
    form.reject();
}

TEST_F(RoadsideEnvironment, AResetDesignShowsItsDefaults)
{
    form.show();
    EXPECT_EQ(form.pages()->currentIndex(), 0);
    EXPECT_EQ(region(), 0);  // "Region A"
    EXPECT_FALSE(form.exposedCheck()->isChecked());
    EXPECT_EQ(base(), 0);    // "Rigid base"
    EXPECT_EQ(soil(), 2);    // "Loose to Medium Dense"
    EXPECT_FALSE(form.reloadWorkingCopy());
    form.reject();
}

TEST_F(RoadsideEnvironment, OkWithoutAChangeLeavesBothFlags)
{
    for (int16_t flags : {engine::FlagFalse, engine::FlagTrue}) {
        state.DesignChanged = flags;
        state.RedesignNeeded = flags;
        form.show();
        QTest::mouseClick(form.okButton(), Qt::LeftButton);
        EXPECT_FALSE(form.isVisible());
        EXPECT_EQ(state.DesignChanged, flags);
        EXPECT_EQ(state.RedesignNeeded, flags);
        EXPECT_TRUE(form.reloadWorkingCopy());
    }
}

// Each change on its page, then OK: what reaches the design and which flags it sets.
struct ChangeCase {
    const char *name;
    int page;
    std::function<QAbstractButton *(input::Form2 &)> control;
    std::function<int(const engine::DesignRecord &)> field;
    int expected;
    bool redesign;
};

void PrintTo(const ChangeCase &c, std::ostream *os)
{
    *os << c.name;
}

class RoadsideEnvironmentChanges : public RoadsideEnvironment, public testing::WithParamInterface<ChangeCase> {};

TEST_P(RoadsideEnvironmentChanges, OkAppliesTheChangeAndSetsTheFlags)
{
    const ChangeCase &c = GetParam();
    form.show();
    showPage(c.page);
    clickOption(c.control(form));
    EXPECT_EQ(c.field(form.workingDesign()), c.expected);
    EXPECT_NE(c.field(state.CurrentDesign), c.expected);  // nothing applied before OK
    QTest::mouseClick(form.okButton(), Qt::LeftButton);
    EXPECT_FALSE(form.isVisible());
    EXPECT_EQ(c.field(state.CurrentDesign), c.expected);
    EXPECT_EQ(state.DesignChanged, engine::FlagTrue);
    EXPECT_EQ(state.RedesignNeeded, c.redesign ? engine::FlagTrue : engine::FlagFalse);
}

INSTANTIATE_TEST_SUITE_P(
    Fields, RoadsideEnvironmentChanges,
    testing::Values(
        ChangeCase{"Region", 0, [](input::Form2 &f) { return f.regionOption(3); },
                   [](const engine::DesignRecord &d) { return int(d.WindRegion); }, 4, true},
        ChangeCase{"Exposure", 0, [](input::Form2 &f) { return f.exposedCheck(); },
                   [](const engine::DesignRecord &d) { return int(d.ExposedLocation); }, 1, true},
        ChangeCase{"Soil", 1, [](input::Form2 &f) { return f.soilOption(1); },
                   [](const engine::DesignRecord &d) { return int(d.SoilType); }, 2, false},
        ChangeCase{"Base", 2, [](input::Form2 &f) { return f.baseOption(1); },
                   [](const engine::DesignRecord &d) { return int(d.CollisionRisk); }, 2, false}),
    [](const testing::TestParamInfo<ChangeCase> &info) { return std::string(info.param.name); });

TEST_F(RoadsideEnvironment, CancelThenReopenShowsTheCurrentDesign)
{
    form.show();
    clickOption(form.regionOption(2));
    clickOption(form.exposedCheck());
    showPage(1);
    clickOption(form.soilOption(0));
    showPage(2);
    clickOption(form.baseOption(1));
    QTest::mouseClick(form.cancelButton(), Qt::LeftButton);
    EXPECT_FALSE(form.isVisible());
    EXPECT_EQ(state.CurrentDesign.WindRegion, 1);
    EXPECT_EQ(state.CurrentDesign.ExposedLocation, 0);
    EXPECT_EQ(state.CurrentDesign.SoilType, 3);
    EXPECT_EQ(state.CurrentDesign.CollisionRisk, 1);
    EXPECT_EQ(state.DesignChanged, engine::FlagFalse);
    EXPECT_TRUE(form.reloadWorkingCopy());

    form.show();
    EXPECT_EQ(region(), 0);
    EXPECT_FALSE(form.exposedCheck()->isChecked());
    EXPECT_EQ(soil(), 2);
    EXPECT_EQ(base(), 0);
    EXPECT_EQ(form.workingDesign(), state.CurrentDesign);
    form.reject();
}

TEST_F(RoadsideEnvironment, ReopeningShowsWhatAnotherPartChanged)
{
    form.show();
    QTest::mouseClick(form.okButton(), Qt::LeftButton);
    state.CurrentDesign.WindRegion = 4;
    state.CurrentDesign.ExposedLocation = 1;
    state.CurrentDesign.SoilType = 1;
    state.CurrentDesign.CollisionRisk = 2;
    form.show();
    EXPECT_EQ(region(), 3);
    EXPECT_TRUE(form.exposedCheck()->isChecked());
    EXPECT_EQ(soil(), 0);
    EXPECT_EQ(base(), 1);
    // Filling the controls is not a change: OK sets no flag.
    QTest::mouseClick(form.okButton(), Qt::LeftButton);
    EXPECT_EQ(state.DesignChanged, engine::FlagFalse);
}

// Enter on an option, and Esc, close as Cancel does.
class RoadsideEnvironmentKeys : public RoadsideEnvironment, public testing::WithParamInterface<Qt::Key> {};

TEST_P(RoadsideEnvironmentKeys, CloseWithoutApplying)
{
    form.show();
    clickOption(form.regionOption(2));
    form.regionOption(2)->setFocus();
    input_testing::failOnStrayModal(&form, &form);
    QTest::keyClick(form.regionOption(2), GetParam());
    EXPECT_FALSE(form.isVisible());
    EXPECT_EQ(form.result(), QDialog::Rejected);
    EXPECT_EQ(state.CurrentDesign.WindRegion, 1);
    EXPECT_EQ(state.DesignChanged, engine::FlagFalse);
    EXPECT_TRUE(form.reloadWorkingCopy());
    form.show();
    EXPECT_EQ(region(), 0);
    form.reject();
}

INSTANTIATE_TEST_SUITE_P(Keys, RoadsideEnvironmentKeys, testing::Values(Qt::Key_Return, Qt::Key_Enter, Qt::Key_Escape));

TEST_F(RoadsideEnvironment, AFocusedButtonAnswersEnterItself)
{
    form.show();
    clickOption(form.regionOption(1));
    form.okButton()->setFocus();
    QTest::keyClick(form.okButton(), Qt::Key_Return);
    EXPECT_FALSE(form.isVisible());
    EXPECT_EQ(form.result(), QDialog::Accepted);
    EXPECT_EQ(state.CurrentDesign.WindRegion, 2);
}

TEST_F(RoadsideEnvironment, TheCloseBoxClosesAsCancel)
{
    form.show();
    clickOption(form.regionOption(3));
    form.close();
    EXPECT_FALSE(form.isVisible());
    EXPECT_EQ(state.CurrentDesign.WindRegion, 1);
    EXPECT_TRUE(form.reloadWorkingCopy());
}

// Values with no option of their own (a stored 0, or 5) after a showing that
// left options checked.
struct OutOfRangeCase {
    const char *name;
    int16_t windRegion;
    int16_t soilType;
    int16_t collisionRisk;
};

void PrintTo(const OutOfRangeCase &c, std::ostream *os)
{
    *os << c.name;
}

class RoadsideEnvironmentOutOfRange : public RoadsideEnvironment,
                                      public testing::WithParamInterface<OutOfRangeCase> {};

TEST_P(RoadsideEnvironmentOutOfRange, ShowNothingCheckedAndKeepTheValue)
{
    const OutOfRangeCase &c = GetParam();
    form.show();
    ASSERT_EQ(region(), 0);
    QTest::mouseClick(form.cancelButton(), Qt::LeftButton);

    state.CurrentDesign.WindRegion = c.windRegion;
    state.CurrentDesign.SoilType = c.soilType;
    state.CurrentDesign.CollisionRisk = c.collisionRisk;
    form.show();
    EXPECT_EQ(region(), c.windRegion >= 1 && c.windRegion <= 4 ? c.windRegion - 1 : -1);
    EXPECT_EQ(soil(), c.soilType >= 1 && c.soilType <= 4 ? c.soilType - 1 : -1);
    EXPECT_EQ(base(), c.collisionRisk >= 1 && c.collisionRisk <= 2 ? c.collisionRisk - 1 : -1);
    EXPECT_EQ(form.workingDesign().WindRegion, c.windRegion);
    EXPECT_EQ(form.workingDesign().SoilType, c.soilType);
    EXPECT_EQ(form.workingDesign().CollisionRisk, c.collisionRisk);

    QTest::mouseClick(form.okButton(), Qt::LeftButton);
    EXPECT_EQ(state.CurrentDesign.WindRegion, c.windRegion);
    EXPECT_EQ(state.CurrentDesign.SoilType, c.soilType);
    EXPECT_EQ(state.CurrentDesign.CollisionRisk, c.collisionRisk);
    EXPECT_EQ(state.DesignChanged, engine::FlagFalse);
    EXPECT_EQ(state.RedesignNeeded, engine::FlagFalse);
}

INSTANTIATE_TEST_SUITE_P(Stored, RoadsideEnvironmentOutOfRange,
                         testing::Values(OutOfRangeCase{"Zeros", 0, 0, 0}, OutOfRangeCase{"Fives", 5, 5, 5},
                                         OutOfRangeCase{"ZeroRegionFiveSoil", 0, 5, 2}),
                         [](const testing::TestParamInfo<OutOfRangeCase> &info) { return std::string(info.param.name); });

TEST_F(RoadsideEnvironment, AnOutOfRangeValueGivesWayToTheEngineersChoice)
{
    state.CurrentDesign.WindRegion = 0;
    form.show();
    ASSERT_EQ(region(), -1);
    clickOption(form.regionOption(1));
    QTest::mouseClick(form.okButton(), Qt::LeftButton);
    EXPECT_EQ(state.CurrentDesign.WindRegion, 2);
    EXPECT_EQ(state.DesignChanged, engine::FlagTrue);
    EXPECT_EQ(state.RedesignNeeded, engine::FlagTrue);
}

TEST_F(RoadsideEnvironment, TheMapsRegionReachesTheCopyButCancelDropsIt)
{
    form.show();
    int openedWith = -1;
    whenModal<input::Form4>([&](input::Form4 &map) {
        openedWith = map.chosenRegion();
        clickOption(map.regionOption(2));
        QTest::mouseClick(map.okButton(), Qt::LeftButton);
    });
    QTest::mouseClick(form.mapGuideButton(), Qt::LeftButton);
    EXPECT_EQ(openedWith, 1);
    EXPECT_TRUE(form.isVisible());
    EXPECT_TRUE(form.findChildren<input::Form4 *>().isEmpty());  // deleted after it returned
    EXPECT_EQ(region(), 2);
    EXPECT_EQ(form.workingDesign().WindRegion, 3);
    EXPECT_FALSE(form.reloadWorkingCopy());

    QTest::mouseClick(form.cancelButton(), Qt::LeftButton);
    EXPECT_EQ(state.CurrentDesign.WindRegion, 1);
    EXPECT_EQ(state.DesignChanged, engine::FlagFalse);
}

TEST_F(RoadsideEnvironment, TheMapsRegionAppliedByOk)
{
    form.show();
    whenModal<input::Form4>([](input::Form4 &map) {
        QTest::mouseClick(map.swatch(3), Qt::LeftButton);
        QTest::keyClick(&map, Qt::Key_Return);  // the map's default button
    });
    QTest::mouseClick(form.mapGuideButton(), Qt::LeftButton);
    EXPECT_EQ(form.workingDesign().WindRegion, 4);
    QTest::mouseClick(form.okButton(), Qt::LeftButton);
    EXPECT_EQ(state.CurrentDesign.WindRegion, 4);
    EXPECT_EQ(state.DesignChanged, engine::FlagTrue);
    EXPECT_EQ(state.RedesignNeeded, engine::FlagTrue);
}

TEST_F(RoadsideEnvironment, TheMapsCancelChangesNothing)
{
    form.show();
    clickOption(form.regionOption(1));
    whenModal<input::Form4>([](input::Form4 &map) {
        EXPECT_EQ(map.chosenRegion(), 2);
        clickOption(map.regionOption(3));
        QTest::keyClick(&map, Qt::Key_Escape);
    });
    QTest::mouseClick(form.mapGuideButton(), Qt::LeftButton);
    EXPECT_EQ(region(), 1);
    EXPECT_EQ(form.workingDesign().WindRegion, 2);
    form.reject();
}

TEST_F(RoadsideEnvironment, TheMapWithNoRegionChosenHandsBackNothing)
{
    state.CurrentDesign.WindRegion = 0;
    form.show();
    whenModal<input::Form4>([](input::Form4 &map) {
        EXPECT_EQ(map.chosenRegion(), 0);
        QTest::mouseClick(map.okButton(), Qt::LeftButton);
    });
    QTest::mouseClick(form.mapGuideButton(), Qt::LeftButton);
    EXPECT_EQ(region(), -1);
    EXPECT_EQ(form.workingDesign().WindRegion, 0);
    form.reject();
}

TEST_F(RoadsideEnvironment, TheSoilGuidesChoiceReachesTheCopy)
{
    form.show();
    showPage(1);
    int openedWith = -1;
    whenModal<input::Form6>([&](input::Form6 &guide) {
        openedWith = guide.chosenSoilType();
        guide.pages()->setCurrentIndex(1);
        clickOption(guide.selectedOption(1));
        guide.pages()->setCurrentIndex(0);
        QTest::mouseClick(guide.okButton(0), Qt::LeftButton);
    });
    QTest::mouseClick(form.soilGuideButton(), Qt::LeftButton);
    EXPECT_EQ(openedWith, 3);
    EXPECT_TRUE(form.findChildren<input::Form6 *>().isEmpty());
    EXPECT_EQ(soil(), 1);  // "Very Stiff"
    EXPECT_EQ(form.workingDesign().SoilType, 2);
    QTest::mouseClick(form.okButton(), Qt::LeftButton);
    EXPECT_EQ(state.CurrentDesign.SoilType, 2);
    EXPECT_EQ(state.DesignChanged, engine::FlagTrue);
    EXPECT_EQ(state.RedesignNeeded, engine::FlagFalse);
}

TEST_F(RoadsideEnvironment, TheSoilGuidesCancelChangesNothing)
{
    form.show();
    showPage(1);
    whenModal<input::Form6>([](input::Form6 &guide) {
        guide.pages()->setCurrentIndex(3);
        clickOption(guide.selectedOption(3));
        QTest::mouseClick(guide.cancelButton(3), Qt::LeftButton);
    });
    QTest::mouseClick(form.soilGuideButton(), Qt::LeftButton);
    EXPECT_EQ(soil(), 2);
    EXPECT_EQ(form.workingDesign().SoilType, 3);
    form.reject();
}

} // namespace
