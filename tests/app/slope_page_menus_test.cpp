// The roadside slope entered through Edit, Sign Details: three strutted
// segments with along-road slopes reach the open design on OK.

#include "app_test_support.h"

#include "app/hidden_forms.h"
#include "app/main_menus.h"
#include "app/main_window.h"
#include "common/sample_designs.h"
#include "common/test_services.h"
#include "engine/design_state.h"
#include "input/sign_details_form.h"

#include <QAction>
#include <QApplication>
#include <QButtonGroup>
#include <QLineEdit>
#include <QPushButton>
#include <QRadioButton>
#include <QTabBar>
#include <QTest>
#include <QTimer>
#include <gtest/gtest.h>

using input::OptionArray;

TEST(SlopePageMenus, ThreeStruttedSegmentsReachTheOpenDesign)
{
    engine::DesignState state;
    app_testing::FakeStorage storage;
    app::HiddenForms forms;
    testing_support::RecordingMessages messages;
    engine::ResetDesignData(state, engine::DefaultValues{});
    app::MainWindowServices services = storage.services(state);
    services.signDetailsForm = [&forms]() -> QWidget * { return forms.signDetails.data(); };
    auto window = std::make_unique<app::Form5>(state, services);
    window->FormLoad();
    app::LoadSignDetailsForm(forms, state, window.get());
    auto *form = qobject_cast<input::Form1 *>(forms.signDetails.data());
    ASSERT_NE(form, nullptr);
    // The open design, with a complete sign so that OK is enabled.
    engine::DesignRecord design = app_testing::sampleDesign();
    testing_support::FillSimpleSign(design);
    engine::CopyDesignRecord(design, state.CurrentDesign);
    state.DesignOpen = engine::FlagTrue;
    window->menus().updateEnabling();  // as the menu does when it opens

    bool ran = false;
    int16_t changed = 0, redesign = 0;  // the flags as OK leaves them, before the window runs the design
    QTimer::singleShot(100, form, [&] {
        ran = true;
        form->setMainPage(input::RoadsideSlopePage);
        const auto click = [form](OptionArray a, int i) { form->option(a, i)->click(); };
        click(OptionArray::Option3D4, 2);
        click(OptionArray::Option3D8, 0);
        QTabBar *tabs = form->SSIndexTab2();
        const int lengths[3] = {2000, 3000, 1000}, rises[3] = {500, -1000, 0}, back[3] = {100, 50, -100};
        for (int k = 1; k <= 3; ++k) {
            QTest::mouseClick(tabs, Qt::LeftButton, {}, tabs->tabRect(k).center());
            form->Text3(0)->setText(QString::number(lengths[k - 1]));
            form->Text3(1)->setText(QString::number(rises[k - 1]));
            form->Text3(4)->setText(QStringLiteral("1000"));
            form->Text3(5)->setText(QString::number(back[k - 1]));
        }
        form->Command1(1)->click();
        changed = state.DesignChanged;
        redesign = state.RedesignNeeded;
        if (form->isVisible())
            form->Command1(0)->click();  // refused: end the showing
    });
    window->menus().editItem(0)->trigger();
    ASSERT_TRUE(ran);
    const engine::DesignRecord &d = state.CurrentDesign;
    EXPECT_EQ(d.SegLength[1], 2000);
    EXPECT_EQ(d.SegLength[2], 3000);
    EXPECT_EQ(d.SegLength[3], 1000);
    EXPECT_EQ(d.SegLength[4], 0);
    EXPECT_EQ(d.SegDeltaHeight[1], 500);
    EXPECT_EQ(d.SegDeltaHeight[2], -1000);
    EXPECT_EQ(d.SegBackHeight[1], 100);
    EXPECT_EQ(d.SegBackHeight[2], 50);
    EXPECT_EQ(d.SegBackHeight[3], -100);
    EXPECT_EQ(d.SegBackLength[3], 1000);
    EXPECT_EQ(d.SupportStruts, engine::FlagTrue);
    EXPECT_EQ(changed, engine::FlagTrue);
    EXPECT_EQ(redesign, engine::FlagTrue);
    EXPECT_EQ(state.DesignChanged, engine::FlagTrue);
}
