#pragma once
// The storage dialog: loads, saves, deletes, saves under another key and
// renames stored designs of the open design's state. The mode
// (FileDialogMode) decides which action button, captions and key boxes show.
//
// Modes 0, 2 and 4 are shown modally (openInMode blocks), mode 3 modelessly:
// the caller keeps that instance and opens it again the next time. File, Save
// uses silentSave(), which never shows the dialog.

#include "database/design_rows.h"
#include "engine/design_state.h"

#include <QDialog>
#include <QString>
#include <array>

class QLabel;
class QLineEdit;
class QPushButton;
class QTreeWidgetItem;

namespace database {

class DesignBrowser;

enum FileDialogModes { LoadMode = 0, SaveMode = 1, DeleteMode = 2, SaveAsMode = 3, RenameMode = 4 };

class StorageDialog : public QDialog {
    Q_OBJECT
public:
    explicit StorageDialog(engine::DesignState &state, QWidget *parent = nullptr);

    int FileDialogMode() const { return mode_; }
    void setFileDialogMode(int mode);

    // Shows the dialog in a mode: modal in every mode but Save As, where it is
    // shown modelessly and returns at once.
    void openInMode(int mode);
    // Stores the open design under its own key without showing the dialog.
    // True when it was stored (DesignChanged is then cleared).
    bool silentSave();

    // What activation does: captions, visible controls, key panels and boxes
    // of the mode, and the browser refilled. With no database open the job
    // management dialog runs first.
    void refresh();
    // The visible action button (the one of the current mode).
    void pressAction();
    // "Job Management": the job management dialog, modally; then a refresh.
    void openJobManagement();

    // Widgets, for the main window and for tests.
    QPushButton *actionButton(int mode) const { return actionButtons_.at(static_cast<size_t>(mode)); }
    QPushButton *cancelButton() const { return cancelButton_; }
    QPushButton *jobManagementButton() const { return jobManagementButton_; }
    // Key panels 1..3 (job code, job section, sign position).
    QLabel *keyPanel(int index) const { return keyPanels_.at(static_cast<size_t>(index - 1)); }
    // Key boxes 0..2 (job code, job section, sign position).
    QLineEdit *keyBox(int index) const { return keyBoxes_.at(static_cast<size_t>(index)); }
    QLabel *browserHeading() const { return browserHeading_; }
    DesignBrowser *browser() const { return browser_; }

    // The key of a load or delete (exact stored parts of the chosen item) or
    // the new names of a rename; the key typed for Save As; the trimmed old
    // names of the item chosen for a rename.
    const StoredDesignKey &ActionKey() const { return actionKey_; }
    const StoredDesignKey &SaveAsKey() const { return saveAsKey_; }
    const std::array<QString, 3> &OldName() const { return oldName_; }

signals:
    // The open design was replaced by a stored one (Load, and the reload
    // after Save As): the main window refreshes.
    void designLoaded();
    // The open design was stored (Save, Save As).
    void designSaved();
    // Stored designs changed (any action that wrote to the database).
    void storedDesignsChanged();

protected:
    void showEvent(QShowEvent *event) override;
    bool event(QEvent *event) override;

private:
    void onItemChosen(QTreeWidgetItem *item);
    void onSignPositionActivated(QTreeWidgetItem *item);
    void onKeyBoxChanged(int index);
    void updateSaveAsEnabled();
    void runJobManagementDialog();

    bool doLoad();
    bool doSave();
    bool doDelete();
    bool doSaveAs();
    bool doRename();
    // The open design becomes the stored one, run and marked unchanged; on
    // any failure it stays as it was.
    bool loadInto(const StoredDesignKey &key);

    engine::DesignState *state_;
    int mode_ = LoadMode;
    bool centred_ = false;

    std::array<QPushButton *, 5> actionButtons_{};
    QPushButton *cancelButton_ = nullptr;
    QPushButton *jobManagementButton_ = nullptr;
    std::array<QLabel *, 3> keyPanels_{};
    std::array<QLineEdit *, 3> keyBoxes_{};
    QLabel *browserHeading_ = nullptr;
    DesignBrowser *browser_ = nullptr;

    StoredDesignKey actionKey_;
    StoredDesignKey saveAsKey_;
    std::array<QString, 3> oldName_;
    // The exact stored key and level of the item chosen in the browser (Load,
    // Delete, and the item a rename renames).
    StoredDesignKey chosenKey_;
    int chosenLevel_ = 0;
};

using Form13 = StorageDialog;

} // namespace database
