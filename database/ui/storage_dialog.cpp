#include "database/ui/storage_dialog.h"

#include "database/database_file.h"
#include "database/default_values.h"
#include "database/design_key.h"
#include "database/design_store.h"
#include "database/ui/design_browser.h"
#include "database/ui/dialog_support.h"
#include "database/ui/job_management_dialog.h"
#include "engine/design_run.h"
#include "platform/services.h"

#include <QEvent>
#include <QGridLayout>
#include <QHBoxLayout>
#include <QLabel>
#include <QLineEdit>
#include <QPushButton>
#include <QTimer>
#include <QVBoxLayout>
#include <exception>
#include <utility>

namespace database {
namespace {

const QString DialogName = QStringLiteral("Storage Department");

bool hasBlankPart(const StoredDesignKey &key)
{
    return key.JobCode.trimmed().isEmpty() || key.JobSection.trimmed().isEmpty() || key.SignPos.trimmed().isEmpty();
}

void showFailure(const QString &text)
{
    platform::showMessage(text, platform::MessageTitle(DialogName), platform::MessageButtons::Ok,
                          platform::MessageIcon::Exclamation);
}

// The open database; null, once the engineer has been told `failure`, when
// none is open.
platform::SqlConnection *currentDatabaseOrSay(const QString &failure)
{
    platform::SqlConnection *db = CurrentDatabase();
    if (!db)
        showFailure(failure);
    return db;
}

// Runs one call into the store. False when the store refused or failed (it
// has told the engineer) or the call threw (told here, after `failure`).
template <typename StoreCall>
bool runStoreCall(StoreCall &&call, const QString &failure)
{
    try {
        return call().ok();
    } catch (const std::exception &e) {
        showFailure(failure + QStringLiteral("\r\r") + QString::fromUtf8(e.what()));
        return false;
    }
}

// The progress display runs from the start of an action to its end, on every
// path out of it.
class ProgressRun {
public:
    ProgressRun() { ShowProgress(0, platform::ProgressStart); }
    ~ProgressRun() { finish(); }
    // Ends the display before the dialog hides and tells the main window.
    void finish()
    {
        if (std::exchange(running_, false))
            ShowProgress(100, platform::ProgressFinish);
    }
    // The display starts again (Save As reads the stored design back).
    void restart()
    {
        running_ = true;
        ShowProgress(0, platform::ProgressStart);
    }
    ProgressRun(const ProgressRun &) = delete;
    ProgressRun &operator=(const ProgressRun &) = delete;

private:
    bool running_ = true;
};

struct ModeText {
    const char *caption;
    const char *heading;
};

constexpr ModeText ModeTexts[5] = {
    {"Load a Sign Structural Design", "Select Sign Position from Stored Signs"},
    {"Save Current Sign Structural Design", "Currently Stored Signs"},
    {"Delete a Sign, a Job Section or an entire Job", "Select from Stored Signs"},
    {"Save Current Sign Structural Design As", "Currently Stored Signs"},
    {"Rename a Sign, a Job Section or an entire Job", "Select from Stored Signs"},
};

constexpr const char *ActionCaptions[5] = {"Load Design", "Save Design", "Delete", "Save Design As", "Rename"};
constexpr const char *KeyNames[3] = {"Job Code", "Job Section", "Sign Position"};

} // namespace

StorageDialog::StorageDialog(engine::DesignState &state, QWidget *parent) : QDialog(parent), state_(&state)
{
    setWindowTitle(DialogName);

    QLabel *heading = NewDialogHeading(DialogName, this);

    auto *keyGrid = new QGridLayout;
    keyGrid->setHorizontalSpacing(10);
    keyGrid->setVerticalSpacing(6);
    for (int i = 0; i < 3; ++i) {
        auto *name = new QLabel(QString::fromLatin1(KeyNames[i]), this);
        auto *panel = new QLabel(this);
        panel->setFrameStyle(QFrame::Panel | QFrame::Sunken);
        panel->setTextFormat(Qt::PlainText);  // a key part is shown as stored, never as markup
        panel->setMinimumWidth(220);
        panel->setIndent(4);
        // The key box lies on its panel and covers it when shown.
        auto *box = new QLineEdit(panel);
        box->hide();
        box->setEnabled(false);
        auto *panelLayout = new QHBoxLayout(panel);
        panelLayout->setContentsMargins(0, 0, 0, 0);
        panelLayout->addWidget(box);
        panel->setMinimumHeight(box->sizeHint().height() + 2);
        name->setBuddy(box);
        keyGrid->addWidget(name, i, 0);
        keyGrid->addWidget(panel, i, 1);
        keyPanels_[static_cast<size_t>(i)] = panel;
        keyBoxes_[static_cast<size_t>(i)] = box;
        connect(box, &QLineEdit::textChanged, this, [this, i] { onKeyBoxChanged(i); });
    }
    keyGrid->setColumnStretch(1, 1);

    browserHeading_ = new QLabel(QString::fromLatin1(ModeTexts[LoadMode].heading), this);
    browserHeading_->setFrameStyle(QFrame::Panel | QFrame::Raised);
    browserHeading_->setIndent(6);
    browserHeading_->setMinimumHeight(browserHeading_->sizeHint().height() + 6);
    browser_ = new DesignBrowser(this);
    browser_->setMinimumHeight(220);
    connect(browser_, &DesignBrowser::itemChosen, this, &StorageDialog::onItemChosen);
    connect(browser_, &DesignBrowser::signPositionActivated, this, &StorageDialog::onSignPositionActivated);

    auto *buttonRow = new QHBoxLayout;
    jobManagementButton_ = new QPushButton(QStringLiteral("Job Management"), this);
    jobManagementButton_->setAutoDefault(false);
    connect(jobManagementButton_, &QPushButton::clicked, this, &StorageDialog::openJobManagement);
    buttonRow->addWidget(jobManagementButton_);
    buttonRow->addStretch(1);
    for (int i = 0; i < 5; ++i) {
        auto *button = new QPushButton(QString::fromLatin1(ActionCaptions[i]), this);
        button->setMinimumWidth(110);
        button->setVisible(i == mode_);
        connect(button, &QPushButton::clicked, this, &StorageDialog::pressAction);
        buttonRow->addWidget(button);
        actionButtons_[static_cast<size_t>(i)] = button;
    }
    cancelButton_ = new QPushButton(QStringLiteral("Cancel"), this);
    cancelButton_->setMinimumWidth(90);
    cancelButton_->setAutoDefault(false);
    connect(cancelButton_, &QPushButton::clicked, this, &QDialog::reject);
    buttonRow->addWidget(cancelButton_);

    auto *layout = new QVBoxLayout(this);
    layout->addWidget(heading);
    layout->addSpacing(4);
    layout->addLayout(keyGrid);
    layout->addSpacing(8);
    layout->addWidget(browserHeading_);
    layout->addWidget(browser_, 1);
    layout->addSpacing(4);
    layout->addLayout(buttonRow);
    resize(520, 520);
}

void StorageDialog::setFileDialogMode(int mode)
{
    if (mode >= LoadMode && mode <= RenameMode)
        mode_ = mode;
}

void StorageDialog::openInMode(int mode)
{
    setFileDialogMode(mode);
    if (mode_ == SaveAsMode) {
        setModal(false);
        show();
        raise();
        activateWindow();
        return;
    }
    setModal(true);
    exec();
}

bool StorageDialog::silentSave()
{
    setFileDialogMode(SaveMode);
    return doSave();
}

void StorageDialog::showEvent(QShowEvent *event)
{
    QDialog::showEvent(event);
    if (!centred_) {
        CentreOnScreen(this);
        centred_ = true;
    }
    if (CurrentDatabase()) {
        refresh();
    } else {
        // The job management dialog opens over this one once it is shown.
        QTimer::singleShot(0, this, [this] {
            if (isVisible())
                refresh();
        });
    }
}

bool StorageDialog::event(QEvent *event)
{
    // Coming back to the dialog (mode 3 stays open beside the main window)
    // shows the stored designs as they are now; what the engineer typed or
    // chose stays.
    if (event->type() == QEvent::WindowActivate && isVisible() && CurrentDatabase())
        browser_->refillIfChanged();
    return QDialog::event(event);
}

void StorageDialog::refresh()
{
    chosenKey_ = {};
    chosenLevel_ = 0;
    for (QLabel *panel : keyPanels_)
        panel->clear();
    for (int i = 0; i < 5; ++i)
        actionButtons_[static_cast<size_t>(i)]->setVisible(i == mode_);

    const bool boxesShown = mode_ == SaveAsMode || mode_ == RenameMode;
    for (QLineEdit *box : keyBoxes_) {
        if (boxesShown)
            box->clear();
        box->setEnabled(mode_ == SaveAsMode);
        box->setVisible(boxesShown);
    }
    // The engineer types the new key at once: whatever had the focus when
    // the dialog last hid (a button, another box) does not keep it.
    if (mode_ == SaveAsMode)
        keyBoxes_[0]->setFocus(Qt::OtherFocusReason);

    const ModeText &text = ModeTexts[mode_];
    setWindowTitle(QString::fromLatin1(text.caption));
    browserHeading_->setText(QString::fromLatin1(text.heading));
    QPushButton *action = actionButtons_[static_cast<size_t>(mode_)];
    // Load waits for a sign position, Save As for a complete key, Rename for
    // a changed name.
    action->setEnabled(mode_ == SaveMode || mode_ == DeleteMode);
    action->setDefault(true);
    if (mode_ == SaveMode) {
        const StoredDesignKey key = KeyOf(state_->CurrentDesign);
        keyPanels_[0]->setText(key.JobCode.trimmed());
        keyPanels_[1]->setText(key.JobSection.trimmed());
        keyPanels_[2]->setText(key.SignPos.trimmed());
    }

    if (!CurrentDatabase())
        runJobManagementDialog();

    const platform::SqlStatus status = browser_->FillStoredSignsOutline();
    if (!status)
        showFailure(QStringLiteral("The stored designs could not be read.\r\r") + status.text());
}

void StorageDialog::runJobManagementDialog()
{
    JobManagementDialog jobs(this);
    jobs.exec();
}

void StorageDialog::openJobManagement()
{
    runJobManagementDialog();
    refresh();
}

void StorageDialog::pressAction()
{
    const WaitPointer wait;
    switch (mode_) {
    case LoadMode: doLoad(); break;
    case SaveMode: doSave(); break;
    case DeleteMode: doDelete(); break;
    case SaveAsMode: doSaveAs(); break;
    case RenameMode: doRename(); break;
    default: break;
    }
}

bool StorageDialog::loadInto(const StoredDesignKey &key)
{
    platform::SqlConnection *db = currentDatabaseOrSay(QStringLiteral("No database is open."));
    if (!db)
        return false;
    // The open design changes only when the whole load succeeded.
    const engine::DesignState before = *state_;
    const bool loaded = runStoreCall(
        [&] {
            StoreResult result = LoadSignDesign(*db, *state_, CurrentDefaultValues(), key);
            if (result.ok())
                engine::RunDesign(*state_);
            return result;
        },
        QStringLiteral("The design could not be loaded."));
    if (!loaded) {
        *state_ = before;
        return false;
    }
    state_->DesignChanged = engine::FlagFalse;
    state_->RedesignNeeded = engine::FlagFalse;
    return true;
}

bool StorageDialog::doLoad()
{
    // Only a chosen sign position names a design; anything else would leave
    // the engineer with an empty design in place of the open one.
    if (chosenLevel_ != SignPositionLevel)
        return false;
    ProgressRun progress;
    actionKey_ = chosenKey_;
    if (!loadInto(actionKey_))
        return false;
    progress.finish();
    accept();
    emit designLoaded();
    return true;
}

bool StorageDialog::doSave()
{
    ProgressRun progress;
    platform::SqlConnection *db =
        currentDatabaseOrSay(QStringLiteral("No database is open; the design was not stored."));
    if (!db)
        return false;
    const StoredDesignKey key = KeyOf(state_->CurrentDesign);
    if (hasBlankPart(key)) {
        showFailure(QStringLiteral("The design needs a Job Code, a Job Section and a Sign Position "
                                   "before it can be stored."));
        return false;
    }
    if (!runStoreCall([&] { return SaveSignDesign(*db, *state_, key); },
                      QStringLiteral("The design could not be stored.")))
        return false;  // nothing was written
    state_->DesignChanged = engine::FlagFalse;
    progress.finish();
    accept();
    emit storedDesignsChanged();
    emit designSaved();
    return true;
}

bool StorageDialog::doDelete()
{
    ProgressRun progress;
    actionKey_ = chosenKey_;
    // The level is that of the chosen item, never guessed from blank texts.
    const int level = chosenLevel_;
    static const char *const questions[4] = {nullptr, "You are about to delete an entire Job!",
                                             "You are about to delete a Job Section!",
                                             "You are about to delete a Sign Position."};
    if (level < JobLevel || level > SignPositionLevel)
        return false;
    if (platform::showMessage(QString::fromLatin1(questions[level]), QStringLiteral("Warning"),
                              platform::MessageButtons::OkCancel,
                              platform::MessageIcon::Exclamation) != platform::MessageAnswer::Ok)
        return false;
    platform::SqlConnection *db = currentDatabaseOrSay(QStringLiteral("No database is open."));
    if (!db)
        return false;
    if (!runStoreCall([&] { return DeleteStoredSign(*db, level, actionKey_); },
                      QStringLiteral("Nothing was deleted.")))
        return false;
    progress.finish();
    accept();
    emit storedDesignsChanged();
    return true;
}

bool StorageDialog::doSaveAs()
{
    ProgressRun progress;
    saveAsKey_ = {PadKey(keyBoxes_[0]->text()), PadKey(keyBoxes_[1]->text()), PadKey(keyBoxes_[2]->text())};
    if (hasBlankPart(saveAsKey_))
        return false;  // the button stays disabled until all three parts are given
    platform::SqlConnection *db =
        currentDatabaseOrSay(QStringLiteral("No database is open; the design was not stored."));
    if (!db)
        return false;
    // Declined, refused or failed: nothing stored, the typed key stays.
    if (!runStoreCall([&] { return SaveSignDesignAs(*db, *state_, saveAsKey_); },
                      QStringLiteral("The design could not be stored.")))
        return false;
    emit storedDesignsChanged();
    // The open design becomes the design as read back from its new key.
    progress.restart();
    if (!loadInto(saveAsKey_)) {
        browser_->refillIfChanged();
        return false;
    }
    progress.finish();
    // Closed as the other actions close it, so that the hidden dialog does
    // not keep the keyboard when it is shown again.
    accept();
    emit designSaved();
    emit designLoaded();
    return true;
}

bool StorageDialog::doRename()
{
    ProgressRun progress;
    actionKey_ = {keyBoxes_[0]->text().trimmed(), keyBoxes_[1]->text().trimmed(), keyBoxes_[2]->text().trimmed()};
    // The level is that of the chosen item; its new name must not be blank.
    const int level = chosenLevel_;
    const QString *newPart[4] = {nullptr, &actionKey_.JobCode, &actionKey_.JobSection, &actionKey_.SignPos};
    if (level < JobLevel || level > SignPositionLevel || newPart[level]->isEmpty())
        return false;
    platform::SqlConnection *db = currentDatabaseOrSay(QStringLiteral("No database is open."));
    if (!db)
        return false;
    if (!runStoreCall([&] { return RenameStoredSign(*db, level, chosenKey_, actionKey_); },
                      QStringLiteral("Nothing was renamed.")))
        return false;
    progress.finish();
    accept();
    emit storedDesignsChanged();
    return true;
}

void StorageDialog::onItemChosen(QTreeWidgetItem *item)
{
    if (mode_ == SaveMode || !item)
        return;
    const int level = DesignBrowser::level(item);
    const StoredDesignKey key = DesignBrowser::key(item);
    const QString parts[3] = {key.JobCode, key.JobSection, key.SignPos};

    switch (mode_) {
    case LoadMode:
    case DeleteMode:
        chosenKey_ = key;
        chosenLevel_ = level;
        for (int i = 0; i < 3; ++i)
            keyPanels_[static_cast<size_t>(i)]->setText(WithoutTrailingBlanks(parts[i]));
        if (mode_ == LoadMode)
            actionButtons_[LoadMode]->setEnabled(level == SignPositionLevel);
        break;
    case SaveAsMode:
        for (int i = 0; i < 3; ++i)
            keyBoxes_[static_cast<size_t>(i)]->setText(WithoutTrailingBlanks(parts[i]));
        updateSaveAsEnabled();
        break;
    case RenameMode:
        chosenKey_ = key;
        chosenLevel_ = level;
        for (int i = 0; i < 3; ++i) {
            QLineEdit *box = keyBoxes_[static_cast<size_t>(i)];
            box->setText(parts[i].trimmed());
            box->setEnabled(i == level - 1);
        }
        for (int i = 0; i < 3; ++i)
            oldName_[static_cast<size_t>(i)] = keyBoxes_[static_cast<size_t>(i)]->text().trimmed();
        actionButtons_[RenameMode]->setEnabled(false);
        if (level >= JobLevel && level <= SignPositionLevel)
            keyBoxes_[static_cast<size_t>(level - 1)]->setFocus();
        break;
    default:
        break;
    }
}

void StorageDialog::onSignPositionActivated(QTreeWidgetItem *item)
{
    if (DesignBrowser::level(item) != SignPositionLevel)
        return;
    if (mode_ == LoadMode || mode_ == DeleteMode)
        pressAction();
}

void StorageDialog::onKeyBoxChanged(int index)
{
    if (mode_ == RenameMode) {
        const QString text = keyBoxes_[static_cast<size_t>(index)]->text().trimmed();
        actionButtons_[RenameMode]->setEnabled(!text.isEmpty() && text != oldName_[static_cast<size_t>(index)]);
    } else if (mode_ == SaveAsMode) {
        updateSaveAsEnabled();
    }
}

void StorageDialog::updateSaveAsEnabled()
{
    bool complete = true;
    for (QLineEdit *box : keyBoxes_)
        complete = complete && !box->text().trimmed().isEmpty();
    actionButtons_[SaveAsMode]->setEnabled(complete);
}

} // namespace database
