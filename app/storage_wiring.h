#pragma once
// The main window's links to the database side: the storage dialog in its
// modal modes and the silent save.

class QWidget;

namespace engine {
struct DesignState;
}

namespace app {

// Shows the storage dialog modally in `fileDialogMode` (load, save, delete
// or rename) and unloads it when it returns.
void ShowStorageDialog(engine::DesignState &state, int fileDialogMode, QWidget *parent);

// Stores the current design under its own key without showing a window;
// false when it could not be stored.
bool SilentSave(engine::DesignState &state, QWidget *parent);

} // namespace app
