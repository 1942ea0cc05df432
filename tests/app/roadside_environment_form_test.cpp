// Start-up's roadside environment form: the real dialog, made once, hidden,
// owned by the main window and working on the program's design.

#include "app/hidden_forms.h"
#include "engine/design_state.h"
#include "input/roadside_environment_dialog.h"

#include <QPushButton>
#include <QRadioButton>
#include <QTest>

#include <gtest/gtest.h>

TEST(RoadsideEnvironmentForm, IsLoadedHiddenOnceOverTheProgramsDesign)
{
    engine::DesignState state;
    engine::ResetDesignData(state, engine::DefaultValues{});
    QWidget owner;
    app::HiddenForms forms;
    app::LoadRoadsideEnvironmentForm(forms, state, &owner);
    auto *form = qobject_cast<input::Form2 *>(forms.roadsideEnvironment.data());
    ASSERT_NE(form, nullptr);
    EXPECT_EQ(form->parent(), &owner);
    EXPECT_FALSE(form->isVisible());
    app::LoadRoadsideEnvironmentForm(forms, state, &owner);
    EXPECT_EQ(forms.roadsideEnvironment.data(), form);

    state.CurrentDesign.WindRegion = 2;
    form->show();
    EXPECT_TRUE(form->regionOption(1)->isChecked());
    QTest::mouseClick(form->regionOption(3), Qt::LeftButton, {}, QPoint(8, form->regionOption(3)->height() / 2));
    QTest::mouseClick(form->okButton(), Qt::LeftButton);
    EXPECT_EQ(state.CurrentDesign.WindRegion, 4);
    EXPECT_EQ(state.RedesignNeeded, engine::FlagTrue);
}
