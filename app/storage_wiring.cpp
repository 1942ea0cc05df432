#include "app/storage_wiring.h"

#include "database/ui/storage_dialog.h"
#include "engine/design_state.h"

namespace app {

void ShowStorageDialog(engine::DesignState &state, int fileDialogMode, QWidget *parent)
{
    // A modal showing: the dialog is made for this one use and goes with it.
    database::StorageDialog dialog(state, parent);
    dialog.openInMode(fileDialogMode);
}

bool SilentSave(engine::DesignState &state, QWidget *parent)
{
    database::StorageDialog dialog(state, parent);
    return dialog.silentSave();
}

} // namespace app
