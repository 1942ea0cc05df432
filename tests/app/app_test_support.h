#pragma once
// Shared pieces of the main window tests: a sample design and services that
// record what the window asks of the storage side.

#include "app/main_window.h"
#include "engine/design_state.h"

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

struct FakeStorage {
    std::vector<int> modes;    // storage dialog modes shown, in order
    int silentSaves = 0;
    bool saveSucceeds = true;
    bool databaseOpen = true;
    int settingWrites = 0;
    // Run when the storage dialog is shown (a load fills the state here).
    std::function<void(int)> onShow;

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
        return s;
    }
};

} // namespace app_testing
