// The main window's commands: the File, Print, Edit and Help items and the
// adjust buttons. Each command sets what the next form needs, shows that form
// and, unless the program ends, runs the activation cycle so the window shows
// the design as the form left it.

#include "app/about_box.h"
#include "app/edit_result_dialog.h"
#include "app/main_menus.h"
#include "app/main_window.h"
#include "database/ui/storage_dialog.h"
#include "engine/design_run.h"
#include "engine/design_state.h"
#include "engine/values.h"
#include "platform/services.h"

#include <QDialog>
#include <QEventLoop>
#include <QGroupBox>

namespace app {
namespace {

// The save-changes question, Yes the default.
platform::MessageAnswer askToSaveChanges()
{
    return platform::showMessage(QStringLiteral("Do you wish to save changes to current Structural Design?"),
                                 QStringLiteral("Warning"), platform::MessageButtons::YesNoCancel,
                                 platform::MessageIcon::Question, 1);
}

// The question, asked only when there is something to lose.
platform::MessageAnswer askIfChanged(const engine::DesignState &state)
{
    return state.DesignChanged != 0 ? askToSaveChanges() : platform::MessageAnswer::No;
}

} // namespace

EditResultDialog *Form5::editResultDialog() const { return editResult_; }
AboutBox *Form5::aboutBox() const { return about_; }
database::StorageDialog *Form5::saveAsDialog() const { return saveAs_; }

void Form5::requestSignDetailsReload()
{
    if (services_.requestSignDetailsReload)
        services_.requestSignDetailsReload();
}

void Form5::resetAndReload()
{
    resetDesign();
    requestSignDetailsReload();
}

void Form5::acceptPendingEdit()
{
    if (editResult_ && editResult_->isVisible())
        editResult_->acceptValue();
    if (services_.acceptPendingEdit)
        services_.acceptPendingEdit();
}

void Form5::hideSaveAsDialog()
{
    if (saveAs_)
        saveAs_->hide();
}

void Form5::showStorageModally(int fileDialogMode)
{
    hideSaveAsDialog();
    if (services_.showStorageDialog)
        services_.showStorageDialog(fileDialogMode);
}

void Form5::showModally(QWidget *form)
{
    if (!form)
        return;
    form->hide();
    if (auto *dialog = qobject_cast<QDialog *>(form)) {
        dialog->exec();
        return;
    }
    // A plain window: modal to the program until it hides or goes.
    form->setWindowModality(Qt::ApplicationModal);
    QEventLoop loop;
    QPointer<QWidget> watched(form);
    form->show();
    while (watched && watched->isVisible())
        loop.processEvents(QEventLoop::WaitForMoreEvents);
    if (watched)
        watched->setWindowModality(Qt::NonModal);
}

bool Form5::settleUnsavedChanges()
{
    acceptPendingEdit();
    if (state_.DesignChanged == 0)
        return true;
    const platform::MessageAnswer answer = askToSaveChanges();
    if (answer == platform::MessageAnswer::Cancel)
        return false;
    if (answer == platform::MessageAnswer::Yes && state_.DesignOpen != 0) {
        hideSaveAsDialog();
        // A save that did not happen keeps the design: nothing is lost.
        return services_.silentSave ? services_.silentSave() : false;
    }
    return true;
}

void Form5::FileNew()
{
    const platform::MessageAnswer answer = askIfChanged(state_);
    if (answer == platform::MessageAnswer::Cancel)
        return;
    if (answer == platform::MessageAnswer::Yes) {
        showStorageModally(database::SaveMode);
        // Cancelled or failed: the design is still unsaved, so it stays.
        if (state_.DesignChanged != 0) {
            FormActivate();
            return;
        }
    }
    resetAndReload();
    // The new design: sign details, one run, then the site if a panel exists.
    if (services_.signDetailsForm)
        showModally(services_.signDetailsForm());
    engine::RunDesign(state_);
    if (state_.DesignOpen != 0 && services_.roadsideEnvironmentForm)
        showModally(services_.roadsideEnvironmentForm());
    FormActivate();
}

void Form5::FileOpen()
{
    const platform::MessageAnswer answer = askIfChanged(state_);
    if (answer == platform::MessageAnswer::Cancel)
        return;
    if (answer == platform::MessageAnswer::Yes) {
        showStorageModally(database::SaveMode);
        if (state_.DesignChanged != 0) {
            if (isVisible())
                FormActivate();
            return;
        }
        resetAndReload();
    }
    showStorageModally(database::LoadMode);
    requestSignDetailsReload();
    // At the window's first load the cycle follows once the window shows.
    if (isVisible())
        FormActivate();
}

void Form5::FileClose()
{
    if (!settleUnsavedChanges())
        return;
    resetAndReload();
    resultsPane_->hide();
    FormActivate();
}

void Form5::FileSave()
{
    if (state_.DesignOpen == 0)
        return;
    hideSaveAsDialog();
    if (services_.silentSave)
        services_.silentSave();
    FormActivate();
}

void Form5::FileSaveAs()
{
    if (state_.DesignOpen == 0)
        return;
    // One modeless Save As dialog for the run: it hides itself once it has
    // stored the design and is opened again here.
    if (!saveAs_) {
        saveAs_ = new database::StorageDialog(state_, this);
        saveAs_->setObjectName(QStringLiteral("Form13SaveAs"));
        connect(saveAs_, &database::StorageDialog::designLoaded, this, [this] {
            requestSignDetailsReload();
            FormActivate();
        });
    }
    saveAs_->openInMode(database::SaveAsMode);
}

void Form5::FileRename()
{
    showStorageModally(database::RenameMode);
    FormActivate();
}

void Form5::FileDelete()
{
    showStorageModally(database::DeleteMode);
    FormActivate();
}

void Form5::FileExit()
{
    if (!settleUnsavedChanges())
        return;
    state_.DesignChanged = engine::FlagFalse;
    hideSaveAsDialog();
    resetDesign();
    resultsPane_->hide();
    hide();
    if (services_.saveDatabaseSetting)
        services_.saveDatabaseSetting();
    platform::exitService().exitProgram(0);
}

void Form5::PrintItem(int index)
{
    printFormType_ = index;
    if (services_.showPrintSelection)
        services_.showPrintSelection(printFormType_, this);
    FormActivate();
}

void Form5::EditItem(int index)
{
    switch (index) {
    case 0:
        // The sign details form stays loaded: its working copy lives on.
        if (services_.signDetailsForm)
            showModally(services_.signDetailsForm());
        break;
    case 1:
        if (services_.roadsideEnvironmentForm) {
            QPointer<QWidget> form = services_.roadsideEnvironmentForm();
            showModally(form);
            delete form.data();  // loaded again when next needed
        }
        break;
    case 2:
        if (services_.showStiffenerSpacing)
            services_.showStiffenerSpacing(this);
        break;
    case 3:
        if (services_.showNotes)
            services_.showNotes(this);
        break;
    case 4:
        if (services_.showClearZone)
            services_.showClearZone(this);
        break;
    case 5:
        if (services_.showDefaultValues)
            services_.showDefaultValues(this);
        break;
    default:
        return;
    }
    FormActivate();
}

void Form5::HelpAbout()
{
    if (!about_)
        about_ = new AboutBox(this);
    about_->show();
    about_->raise();
    about_->activateWindow();
}

EditResultDialog &Form5::editResult()
{
    if (!editResult_) {
        EditResultDialog::Hooks hooks;
        hooks.refresh = [this] { UpdateForm(); };
        hooks.showSignDetails = [this] {
            QWidget *form = services_.signDetailsForm ? services_.signDetailsForm() : nullptr;
            if (form) {
                form->show();
                form->raise();
                form->activateWindow();
            }
        };
        editResult_ = new EditResultDialog(state_, std::move(hooks), this);
    }
    return *editResult_;
}

void Form5::AdjustResult(int index)
{
    designParameterIndex_ = index;
    editResult().showPage(index);
}

} // namespace app
