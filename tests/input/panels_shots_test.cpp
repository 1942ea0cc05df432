// Screenshots of the job key status and the sign layout view, for looking at
// by eye (run with --gtest_also_run_disabled_tests; the files go to the
// folder in KELVORA_SHOTS, /tmp by default).

#include "panels_test_support.h"

using input::OptionArray;
using input_testing::PanelsTest;

namespace {

QString ShotPath(const char *name)
{
    const QByteArray folder = qgetenv("KELVORA_SHOTS");
    return QString::fromLocal8Bit(folder.isEmpty() ? QByteArray("/tmp") : folder) + QLatin1Char('/') +
           QLatin1String(name);
}

} // namespace

TEST_F(PanelsTest, DISABLED_ScreenshotsOfJobDetailsAndSignPanels)
{
    openDatabase();
    store("J1", "S1", "P1");
    store("J1", "S2", "P4");
    store("J2", "North", "P1");
    showActive(input_testing::sampleDesign());
    form->resize(900, 560);
    setKey("J1", "S1", "P1");
    QTest::qWait(600);  // the first tick: red
    form->Outline1()->topLevelItem(0)->setExpanded(true);
    EXPECT_TRUE(form->grab().save(ShotPath("job_details_overwrite.png")));

    toSignPanels();
    click(OptionArray::Option3D2, 3);
    click(OptionArray::Option3D3, 1);
    const char *sizes[3][3] = {{"2400", "900", "L1"}, {"2000", "700", "M1"}, {"1600", "600", "U1"}};
    for (int k = 0; k < 3; ++k) {
        form->Text1(k)->setText(sizes[k][0]);
        form->Text1(k + 3)->setText(sizes[k][1]);
        form->Text1(k + 6)->setText(sizes[k][2]);
    }
    form->Text1(10)->setText("200");
    form->Text1(11)->setText("200");
    form->Text2(0)->setText("2800");
    form->Text2(1)->setText("1500");
    form->Text2(2)->setText("B1");
    form->Combo6(0)->setCurrentIndex(3);
    form->Combo6(1)->setCurrentIndex(5);
    form->Combo6(2)->setCurrentIndex(1);
    form->Combo8()->setCurrentIndex(4);
    form->Combo5(1)->setCurrentIndex(2);
    QApplication::processEvents();
    EXPECT_TRUE(form->grab().save(ShotPath("sign_panels_layout.png")));
    // The layout view drawn again for the grown form.
    form->resize(form->width() + 400, form->height() + 300);
    QApplication::processEvents();
    EXPECT_TRUE(form->grab().save(ShotPath("sign_panels_layout_grown.png")));
}
