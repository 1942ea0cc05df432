#pragma once
// The program's start: the database, the main window, the design tables and
// the input forms, with the progress gauge at 30, 60, 80 and 100 percent.

#include "app/hidden_forms.h"
#include "app/main_window.h"
#include "engine/design_state.h"

#include <QString>
#include <functional>
#include <memory>
#include <optional>

namespace app {

// Everything the run owns. The window is declared after the state it shows,
// so it goes first when the program ends; the hidden forms belong to it.
struct Program {
    engine::DesignState state;
    std::unique_ptr<Form5> mainWindow;
    HiddenForms hiddenForms;
};

struct StartupOptions {
    // The database path used when the per-user setting is absent; the
    // program's default file when not given.
    std::optional<QString> defaultDatabasePath;
    // Called once the main window exists and its gauge is the progress
    // display, before the window loads (tests watch the start-up from here).
    std::function<void(Form5 &)> mainWindowCreated;
};

// Runs the start-up sequence and returns with the main window shown; the
// event loop keeps the program going from there.
std::unique_ptr<Program> Main(const StartupOptions &options = {});

// Writes the current database path to the per-user setting.
void SaveDatabasePathSetting();

// Names the application and its organisation "Kelvora", so the per-user data
// folder is <data home>/Kelvora/Kelvora, beside the settings of the same names.
void SetProgramNames();

} // namespace app
