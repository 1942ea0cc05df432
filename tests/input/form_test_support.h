#pragma once
// Shared pieces of the sign details form tests: a form on its own design
// state, a panels page that records what the form asks of it, and a sample
// design with a key and one panel.

#include "common/sample_designs.h"
#include "common/test_services.h"
#include "engine/design_state.h"
#include "input/panels_page.h"
#include "input/sign_details_form.h"

#include <QApplication>
#include <QElapsedTimer>
#include <QKeyEvent>
#include <QButtonGroup>
#include <QComboBox>
#include <QLineEdit>
#include <QPushButton>
#include <QRadioButton>
#include <QTabWidget>
#include <gtest/gtest.h>
#include <memory>
#include <vector>

namespace input_testing {

// A key pressed and released on `target`, as the keyboard sends it.
inline void keyClick(QWidget *target, int key, const QString &text = QString())
{
    QKeyEvent press(QEvent::KeyPress, key, Qt::NoModifier, text);
    QApplication::sendEvent(target, &press);
    QKeyEvent release(QEvent::KeyRelease, key, Qt::NoModifier, text);
    QApplication::sendEvent(target, &release);
}

// Runs the event loop until `window` is the active window (at most 2 s).
inline bool waitForActive(QWidget *window)
{
    QElapsedTimer timer;
    timer.start();
    while (!window->isActiveWindow() && timer.elapsed() < 2000)
        QApplication::processEvents(QEventLoop::AllEvents, 20);
    QApplication::processEvents();
    return window->isActiveWindow();
}

struct PanelsCalls {
    int layoutDraws = 0;
    int directoryFills = 0;
    int jobStatusUpdates = 0;
    std::vector<int> mainPageClicks;  // the previous page of each call
};

class RecordingPanels final : public input::PanelsPage {
public:
    explicit RecordingPanels(PanelsCalls &calls) : calls_(calls) {}
    void DrawSignLayoutView() override { ++calls_.layoutDraws; }
    void FillDesignDirectory() override { ++calls_.directoryFills; }
    void UpdateJobStatus() override { ++calls_.jobStatusUpdates; }
    void SSIndexTab1_Click(int previous) override { calls_.mainPageClicks.push_back(previous); }

private:
    PanelsCalls &calls_;
};

// A complete design: key, one front panel 2000 x 1500 "G1-1" on a slope of
// two segments (6000 mm), clearance 1500, distance 1000.
inline engine::DesignRecord sampleDesign()
{
    engine::DesignRecord d;
    d.JobCode = "J100";
    d.JobSection = "S1";
    d.SignPos = "P1";
    testing_support::FillSimpleSign(d);
    d.SignOnLeft = engine::FlagTrue;
    return d;
}

class FormTest : public ::testing::Test {
protected:
    void SetUp() override
    {
        engine::ResetDesignData(state, engine::DefaultValues{});
        form = std::make_unique<input::Form1>(state);
        form->setPanelsPage(std::make_unique<RecordingPanels>(calls));
    }
    void TearDown() override { form->hide(); }

    // Makes `design` the open design and shows the form modeless.
    void showDesign(const engine::DesignRecord &design)
    {
        engine::CopyDesignRecord(design, state.CurrentDesign);
        show();
    }
    void show()
    {
        form->show();
        QApplication::processEvents();
    }

    input::Form1Variables &vars() { return form->variables(); }
    engine::DesignRecord &working() { return form->WorkingDesign(); }
    QRadioButton *option(input::OptionArray array, int index) { return form->option(array, index); }
    int checkedOption(input::OptionArray array) { return form->options(array)->checkedId(); }
    // A click on an option, as the engineer makes it.
    void click(input::OptionArray array, int index) { option(array, index)->click(); }
    void pressOk() { form->Command1(1)->click(); }
    void pressCancel() { form->Command1(0)->click(); }

    engine::DesignState state;
    std::unique_ptr<input::Form1> form;
    PanelsCalls calls;
    testing_support::RecordingMessages messages;
};

} // namespace input_testing
