#pragma once
// The main window: the job key, the support kind buttons, the results of the
// viewed kind, the sign panel slots, the elevation area and the warnings box.
// Every activation re-runs the design of all four kinds and refreshes what is
// shown; other dialogs call UpdateForm() to refresh it after a change.

#include "app/about_box.h"
#include "app/edit_result_dialog.h"
#include "app/status_progress.h"
#include "database/ui/storage_dialog.h"

#include <QMainWindow>
#include <QPointer>
#include <array>
#include <functional>
#include <memory>

class QFrame;
class QGroupBox;
class QLabel;
class QPushButton;


namespace engine {
struct DesignState;
struct DefaultValues;
}

namespace app {

class View3D;
class WarningsBox;
class MainMenus;
struct ResultControls;

// What the window asks of the rest of the program. Main fills these with the
// storage dialog and the database; tests may answer in their place.
struct MainWindowServices {
    // Shows the storage dialog modally in a FileDialogMode (0 load, 1 save,
    // 2 delete, 3 save as, 4 rename) and unloads it when it returns.
    std::function<void(int fileDialogMode)> showStorageDialog;
    // Stores the current design under its own key without showing a window
    // and clears DesignChanged; false when it could not be stored.
    std::function<bool()> silentSave;
    // Whether a database is open.
    std::function<bool()> databaseOpen;
    // The default values of the open database, for a new design.
    std::function<engine::DefaultValues()> defaultValues;
    // Writes the current database path to the per-user setting.
    std::function<void()> saveDatabaseSetting;
    // Accepts the value of an open edit-result dialog before the design is
    // left, so its adjustment counts as a change (unset while there is none).
    std::function<void()> acceptPendingEdit;

    // The forms the commands show. The sign details entry form (Form1) stays
    // loaded for the run; the roadside environment form (Form2) is loaded
    // again when it was unloaded after the Edit menu showed it.
    std::function<QWidget *()> signDetailsForm;
    std::function<QWidget *()> roadsideEnvironmentForm;
    // Tells the sign details form to take the open design afresh at its next
    // showing; called after every reset and every load of the open design.
    std::function<void()> requestSignDetailsReload;
    // The Edit menu's other dialogs: each hook makes its dialog, shows it
    // modally over `parent` and unloads it.
    std::function<void(QWidget *parent)> showStiffenerSpacing;
    std::function<void(QWidget *parent)> showNotes;
    std::function<void(QWidget *parent)> showClearZone;
    std::function<void(QWidget *parent)> showDefaultValues;
    // The print job selection dialog for a PrintFormType (0 design forms,
    // 1 order forms, 2 summary form), shown modally and unloaded.
    std::function<void(int printFormType, QWidget *parent)> showPrintSelection;
};

// Drawing hooks of the elevation and three-dimensional views, which live in
// their own files; unset hooks draw nothing.
struct DesignViewHooks {
    std::function<void()> drawDesignView;
    std::function<void()> hideDesignView;
    std::function<void()> layoutView3D;
};

class Form5 final : public QMainWindow {
    Q_OBJECT
public:
    Form5(engine::DesignState &state, MainWindowServices services, QWidget *parent = nullptr);
    ~Form5() override;

    // The work of the window's first load: captions, the file choice when no
    // database is open, the reset of the open design, the results pane hidden.
    void FormLoad();

    engine::DesignState &designState() { return state_; }
    platform::ProgressDisplay &progressDisplay() { return *progress_; }
    const MainWindowServices &services() const { return services_; }
    void setServices(MainWindowServices services) { services_ = std::move(services); }
    // A hook left unset keeps the window's own (the 3-D view's layout).
    void setDesignViewHooks(DesignViewHooks hooks)
    {
        if (!hooks.layoutView3D)
            hooks.layoutView3D = views_.layoutView3D;
        views_ = std::move(hooks);
    }
    const DesignViewHooks &designViewHooks() const { return views_; }
    View3D *view3D() const { return view3D_; }

    // The parts of the window, for the views that draw into it and for tests.
    StatusGauge *statusGauge() const { return gauge_; }
    QPushButton *supportButton(int index) const { return supportButtons_[static_cast<size_t>(index)]; }
    QLabel *jobKeyField(int index) const { return jobKey_[static_cast<size_t>(index)]; }
    QLabel *resultValue(int row) const;
    QLabel *footingSizeCaption() const;
    QLabel *footingDepthCaption() const;
    QPushButton *signSlot(int index) const { return signSlots_[static_cast<size_t>(index)]; }
    WarningsBox *warningsBox() const { return warnings_; }
    QGroupBox *resultsPane() const { return resultsPane_; }
    QFrame *designViewArea() const { return designView_; }
    QPushButton *view3DButton() const { return view3DButton_; }
    QWidget *view3DHolder() const { return view3DHolder_; }
    // Adjust button `index` (0..4) beside the adjustable result rows.
    QPushButton *adjustButton(int index) const { return adjustButtons_[static_cast<size_t>(index)]; }
    MainMenus &menus() const { return *menus_; }
    // The dialogs the window keeps: null until first shown (the About box
    // again once it is closed).
    EditResultDialog *editResultDialog() const;
    AboutBox *aboutBox() const;
    database::StorageDialog *saveAsDialog() const;
    int DesignParameterIndex() const { return designParameterIndex_; }
    int PrintFormType() const { return printFormType_; }
    // Whether support button `index` carries the selection mark.
    bool isSupportButtonMarked(int index) const;

public slots:
    // The full refresh from the viewed kind (the hidden refresh button).
    void UpdateForm();
    // The activation cycle: drop stale extra posts, re-run the design of all
    // four kinds, then refresh or blank the window. Running it twice in a row
    // shows the same values.
    void FormActivate();
    // Support type button `index` (0..3) chosen: view kind index + 1.
    void SelectSupportType(int index);
    // File menu commands (items 0..6 and 10).
    void FileNew();
    void FileOpen();
    void FileClose();
    void FileSave();
    void FileSaveAs();
    void FileRename();
    void FileDelete();
    void FileExit();
    // Print items 0..2: the print job selection dialog for that kind.
    void PrintItem(int index);
    // Edit items 0..5: the input dialog of that item, modally.
    void EditItem(int index);
    // The About box, modeless; a second choice raises the same box.
    void HelpAbout();
    // Adjust button `index`: the edit-result dialog on that page.
    void AdjustResult(int index);

signals:
    // "View 3D" was pressed; the three-dimensional view takes it from here.
    void view3DRequested();

protected:
    bool event(QEvent *event) override;
    bool eventFilter(QObject *watched, QEvent *event) override;
    void closeEvent(QCloseEvent *event) override;

private:
    void buildWindow();
    void buildMenus();
    void UpdateMainForm();
    void markSupportButton(int index, bool marked);
    // The save-changes question of every way out of a design. False when the
    // engineer cancels; true when the design was saved or may be discarded.
    bool settleUnsavedChanges();
    void resetDesign();
    // ResetDesignData, and the sign details form told to reload.
    void resetAndReload();
    void requestSignDetailsReload();
    // Accepts the value of a shown edit-result dialog (and the hook's).
    void acceptPendingEdit();
    void hideSaveAsDialog();
    // Shows the storage dialog modally in a mode (the Save As one hidden first).
    void showStorageModally(int fileDialogMode);
    // Hides `form` and shows it modally until it closes.
    void showModally(QWidget *form);
    EditResultDialog &editResult();

    engine::DesignState &state_;
    MainWindowServices services_;
    DesignViewHooks views_;

    StatusGauge *gauge_ = nullptr;
    std::unique_ptr<StatusProgress> progress_;
    QGroupBox *resultsPane_ = nullptr;
    std::array<QLabel *, 3> jobKey_{};
    std::array<QPushButton *, 4> supportButtons_{};
    std::array<QPushButton *, 4> signSlots_{};
    std::unique_ptr<ResultControls> results_;
    WarningsBox *warnings_ = nullptr;
    QFrame *designView_ = nullptr;
    QWidget *view3DHolder_ = nullptr;
    QPushButton *view3DButton_ = nullptr;
    std::array<QPushButton *, 5> adjustButtons_{};
    std::unique_ptr<MainMenus> menus_;
    QPointer<database::StorageDialog> saveAs_;
    QPointer<EditResultDialog> editResult_;
    QPointer<AboutBox> about_;
    int designParameterIndex_ = 0;
    int printFormType_ = 0;
    View3D *view3D_ = nullptr;
};

} // namespace app
