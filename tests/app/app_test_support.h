#pragma once
// Shared pieces of the main window tests: a sample design and services that
// record what the window asks of the storage side.

#include "app/main_window.h"
#include "engine/design_state.h"

#include <QApplication>
#include <QDeadlineTimer>
#include <QDialog>
#include <QPointer>
#include <QString>
#include <vector>

namespace app_testing {

// One front panel 2400 x 1200 on level ground: every support kind finds a design.
inline engine::DesignRecord sampleDesign()
{
    engine::DesignRecord d;
    d.JobCode = "J100";
    d.JobSection = "S1";
    d.SignPos = "P1";
    d.RoadHeight = 1500;
    d.DistFromKerb = 1000;
    d.SignOnLeft = -1;
    d.NumFrontSigns = 1;
    d.FrontSignWidth[1] = 2400;
    d.FrontSignDepth[1] = 1200;
    d.SegLength[1] = 8000;
    d.WindRegion = 1;
    d.ExposedLocation = 0;
    d.CollisionRisk = 1;
    d.SoilType = 3;
    d.Notes = "first notes";
    return d;
}

// A form shown modally by the commands: it records the showing and runs what
// the engineer does in it instead of waiting.
class FakeForm final : public QDialog {
public:
    explicit FakeForm(std::function<void()> onShow) : onShow_(std::move(onShow)) {}
    int exec() override
    {
        hiddenBeforeShowing = isHidden();
        if (onShow_)
            onShow_();
        return QDialog::Accepted;
    }
    bool hiddenBeforeShowing = false;

private:
    std::function<void()> onShow_;
};

// Waits until `window` is the program's active window (activation arrives
// through the event loop, also offscreen).
inline bool waitUntilActive(QWidget *window, int milliseconds = 2000)
{
    QDeadlineTimer deadline(milliseconds);
    while (QApplication::activeWindow() != window && !deadline.hasExpired())
        QCoreApplication::processEvents(QEventLoop::AllEvents, 20);
    return QApplication::activeWindow() == window;
}

struct FakeStorage {
    std::vector<int> modes;    // storage dialog modes shown, in order
    int silentSaves = 0;
    bool saveSucceeds = true;
    bool databaseOpen = true;
    int settingWrites = 0;
    // Run when the storage dialog is shown (a load fills the state here).
    std::function<void(int)> onShow;

    // The forms and dialogs the commands showed, in order: "Form1", "Form2",
    // the captions of the Edit dialogs, "Print 0".."Print 2".
    std::vector<QString> shown;
    std::vector<QWidget *> parents;  // the parent each Edit or Print dialog got
    int reloadRequests = 0;
    int roadsideLoads = 0;
    // What the engineer does in the sign details and roadside forms.
    std::function<void()> onSignDetails;
    std::function<void()> onRoadside;
    QPointer<FakeForm> signDetails;
    QPointer<FakeForm> roadside;

    FakeStorage() = default;
    FakeStorage(const FakeStorage &) = delete;
    FakeStorage &operator=(const FakeStorage &) = delete;
    ~FakeStorage()
    {
        delete signDetails.data();
        delete roadside.data();
    }

    app::MainWindowServices services(engine::DesignState &state)
    {
        app::MainWindowServices s;
        // Shown for saving, the dialog stores the design as the silent save does.
        s.showStorageDialog = [this, &state](int mode) {
            modes.push_back(mode);
            if (mode == 1 && saveSucceeds)
                state.DesignChanged = 0;
            if (onShow)
                onShow(mode);
        };
        s.silentSave = [this, &state] {
            ++silentSaves;
            if (saveSucceeds)
                state.DesignChanged = 0;
            return saveSucceeds;
        };
        s.databaseOpen = [this] { return databaseOpen; };
        s.defaultValues = [] { return engine::DefaultValues{}; };
        s.saveDatabaseSetting = [this] { ++settingWrites; };
        s.signDetailsForm = [this]() -> QWidget * {
            if (!signDetails)
                signDetails = new FakeForm([this] {
                    shown.push_back(QStringLiteral("Form1"));
                    if (onSignDetails)
                        onSignDetails();
                });
            return signDetails;
        };
        s.roadsideEnvironmentForm = [this]() -> QWidget * {
            if (!roadside) {
                ++roadsideLoads;
                roadside = new FakeForm([this] {
                    shown.push_back(QStringLiteral("Form2"));
                    if (onRoadside)
                        onRoadside();
                });
            }
            return roadside;
        };
        s.requestSignDetailsReload = [this] { ++reloadRequests; };
        const auto dialog = [this](const QString &caption) {
            return [this, caption](QWidget *parent) {
                shown.push_back(caption);
                parents.push_back(parent);
            };
        };
        s.showStiffenerSpacing = dialog(QStringLiteral("Stiffener Spacing"));
        s.showNotes = dialog(QStringLiteral("Notes"));
        s.showClearZone = dialog(QStringLiteral("Clear Zone"));
        s.showDefaultValues = dialog(QStringLiteral("Change Default Values"));
        s.showPrintSelection = [this](int kind, QWidget *parent) {
            shown.push_back(QStringLiteral("Print %1").arg(kind));
            parents.push_back(parent);
        };
        return s;
    }
};

} // namespace app_testing
