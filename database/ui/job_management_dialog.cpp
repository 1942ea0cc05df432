#include "database/ui/job_management_dialog.h"

#include "database/database_file.h"
#include "database/ui/dialog_support.h"
#include "database/ui/stored_signs.h"
#include "platform/services.h"

#include <QCheckBox>
#include <QFileInfo>
#include <QFrame>
#include <QHBoxLayout>
#include <QLabel>
#include <QLineEdit>
#include <QPushButton>
#include <QScrollBar>
#include <QTimer>
#include <QVBoxLayout>

namespace database {
namespace {

const QString DialogTitle = QStringLiteral("Job Management");

// The chosen file is the open one: the same text, or the same file reached by
// another spelling of its path.
bool isSameFile(const QString &chosen, const QString &current)
{
    if (chosen == current)
        return true;
    const QFileInfo a(chosen);
    const QFileInfo b(current);
    return a.exists() && b.exists() && a.canonicalFilePath() == b.canonicalFilePath();
}

} // namespace

JobManagementDialog::JobManagementDialog(QWidget *parent) : QDialog(parent)
{
    setWindowTitle(DialogTitle);
    setModal(true);

    QLabel *heading = NewDialogHeading(DialogTitle, this);

    auto *pathLabel = new QLabel(QStringLiteral("Current Database"), this);
    currentDB_ = new QLineEdit(this);
    currentDB_->setReadOnly(true);
    currentDB_->setMinimumWidth(320);
    pathLabel->setBuddy(currentDB_);
    browseButton_ = new QPushButton(QStringLiteral("..."), this);
    browseButton_->setToolTip(QStringLiteral("Choose another database file"));
    browseButton_->setFixedWidth(browseButton_->fontMetrics().horizontalAdvance(QStringLiteral("...")) + 24);

    jobPanel_ = new QFrame(this);
    jobPanel_->setFrameStyle(QFrame::StyledPanel | QFrame::Sunken);
    auto *boxLayout = new QVBoxLayout(jobPanel_);
    boxLayout->setContentsMargins(10, 6, 10, 6);
    boxLayout->setSpacing(2);
    for (int i = 0; i < VisibleJobRows; ++i) {
        auto *box = new QCheckBox(jobPanel_);
        // Hidden boxes keep their place, so the list does not jump.
        QSizePolicy policy = box->sizePolicy();
        policy.setRetainSizeWhenHidden(true);
        box->setSizePolicy(policy);
        box->hide();
        boxLayout->addWidget(box);
        boxes_[static_cast<size_t>(i)] = box;
        connect(box, &QCheckBox::toggled, this, [this, i](bool ticked) { onBoxToggled(i, ticked); });
    }
    scrollBar_ = new QScrollBar(Qt::Vertical, this);
    QSizePolicy barPolicy = scrollBar_->sizePolicy();
    barPolicy.setRetainSizeWhenHidden(true);
    scrollBar_->setSizePolicy(barPolicy);
    scrollBar_->setSingleStep(1);
    scrollBar_->setPageStep(VisibleJobRows);
    scrollBar_->setRange(0, 0);
    scrollBar_->hide();
    connect(scrollBar_, &QScrollBar::valueChanged, this, [this](int value) {
        topRow_ = value;
        ShowJobRows();
        jobPanel_->update();
    });

    okButton_ = new QPushButton(QStringLiteral("OK"), this);
    okButton_->setDefault(true);
    okButton_->setMinimumWidth(90);
    connect(okButton_, &QPushButton::clicked, this, &QDialog::accept);
    connect(browseButton_, &QPushButton::clicked, this, &JobManagementDialog::browse);

    auto *pathRow = new QHBoxLayout;
    pathRow->addWidget(currentDB_, 1);
    pathRow->addWidget(browseButton_);
    auto *jobsRow = new QHBoxLayout;
    jobsRow->setSpacing(0);
    jobsRow->addWidget(jobPanel_, 1);
    jobsRow->addWidget(scrollBar_);
    auto *buttonRow = new QHBoxLayout;
    buttonRow->addStretch(1);
    buttonRow->addWidget(okButton_);

    auto *layout = new QVBoxLayout(this);
    layout->addWidget(heading);
    layout->addSpacing(4);
    layout->addWidget(pathLabel);
    layout->addLayout(pathRow);
    layout->addSpacing(6);
    layout->addWidget(new QLabel(QStringLiteral("Active jobs"), this));
    layout->addLayout(jobsRow, 1);
    layout->addLayout(buttonRow);
}

void JobManagementDialog::showEvent(QShowEvent *event)
{
    QDialog::showEvent(event);
    if (!centred_) {
        adjustSize();
        CentreOnScreen(this);
        centred_ = true;
    }
    if (CurrentDatabase()) {
        refresh();
    } else {
        // The file choice opens over the dialog once it is on the screen.
        QTimer::singleShot(0, this, [this] {
            if (isVisible())
                refresh();
        });
    }
}

void JobManagementDialog::refresh()
{
    currentDB_->setText(CurrentDatabasePath);
    if (!CurrentDatabase()) {
        showNoJobs();
        browse();  // opens a database (and refreshes again) or ends the program
        return;
    }
    readJobs();
}

void JobManagementDialog::readJobs()
{
    std::vector<JobRow> jobs;
    const platform::SqlStatus status = ReadJobs(*CurrentDatabase(), jobs);
    if (!status)
        platform::showMessage(QStringLiteral("The jobs could not be read.\r\r") + status.text(),
                              platform::MessageTitle(DialogTitle), platform::MessageButtons::Ok,
                              platform::MessageIcon::Critical);
    JobCodes.clear();
    JobActive.clear();
    for (const JobRow &job : jobs) {
        JobCodes.push_back(job.jobCode);
        JobActive.push_back(job.active);
    }
    topRow_ = JobCodes.empty() ? -1 : 0;

    const QSignalBlocker blocker(scrollBar_);
    scrollBar_->setMinimum(0);
    if (JobCount() > VisibleJobRows) {
        scrollBar_->setMaximum(JobCount() - 1);
        scrollBar_->setValue(topRow_);
        scrollBar_->show();
    } else {
        scrollBar_->setMaximum(0);
        scrollBar_->hide();
    }
    ShowJobRows();
}

void JobManagementDialog::ShowJobRows()
{
    rowsFilling_ = true;
    for (int i = 0; i < VisibleJobRows; ++i) {
        QCheckBox *box = boxes_[static_cast<size_t>(i)];
        const int row = topRow_ + i;
        if (topRow_ < 0 || row >= JobCount()) {
            box->hide();
            continue;
        }
        // The caption is the job code itself: an ampersand in it is shown,
        // never taken as a keyboard shortcut.
        box->setText(JobCodes[static_cast<size_t>(row)].trimmed().replace(QLatin1Char('&'), QStringLiteral("&&")));
        box->setChecked(JobActive[static_cast<size_t>(row)]);
        box->show();
    }
    rowsFilling_ = false;
}

void JobManagementDialog::onBoxToggled(int index, bool ticked)
{
    if (rowsFilling_)
        return;
    const int row = topRow_ + index;
    if (row < 0 || row >= JobCount())
        return;
    const QString &jobCode = JobCodes[static_cast<size_t>(row)];
    platform::SqlStatus status = platform::SqlStatus::failure(platform::SqliteMisuse,
                                                              QStringLiteral("No database is open."));
    if (platform::SqlConnection *db = CurrentDatabase())
        status = SetJobActive(*db, jobCode, ticked);
    if (status) {
        JobActive[static_cast<size_t>(row)] = ticked;
        return;
    }
    // The box shows what is stored, not what was asked for.
    rowsFilling_ = true;
    boxes_[static_cast<size_t>(index)]->setChecked(JobActive[static_cast<size_t>(row)]);
    rowsFilling_ = false;
    platform::showMessage(QStringLiteral("The job %1 could not be changed.\r\r%2").arg(jobCode.trimmed(), status.text()),
                          platform::MessageTitle(DialogTitle), platform::MessageButtons::Ok, platform::MessageIcon::Critical);
}

void JobManagementDialog::browse()
{
    const QString rememberedPath = CurrentDatabasePath;
    const bool wasOpen = CurrentDatabase() != nullptr;
    QString tryPath = CurrentDatabasePath;
    for (;;) {
        // A new name typed without an extension gets ".mdb", so that the
        // filter finds the file again.
        const std::optional<QString> chosen = platform::fileChooser().chooseOpenFile(
            {QStringLiteral("Choose a Database"), QStringLiteral("Databases (*.mdb)"), tryPath,
             QStringLiteral("mdb")});
        if (!chosen) {
            restoreAfterFailedBrowse(rememberedPath, wasOpen);
            return;
        }
        if (CurrentDatabase() && isSameFile(*chosen, CurrentDatabasePath))
            return;
        if (CurrentDatabase()) {
            // Every file the engineer leaves is compacted; the compaction
            // never removes the original, so a failure only costs the switch.
            const platform::SqlStatus compacted = CompactCurrentDatabase();
            if (!compacted) {
                platform::showMessage(
                    QStringLiteral("The database could not be compacted; it stays as it was.\r\r") + compacted.text(),
                    platform::MessageTitle(DialogTitle), platform::MessageButtons::Ok, platform::MessageIcon::Critical);
                restoreAfterFailedBrowse(rememberedPath, wasOpen);
                return;
            }
        }
        CurrentDatabasePath = *chosen;
        if (OpenCurrentDatabase()) {
            refresh();
            emit databaseSwitched();
            return;
        }
        // OpenCurrentDatabase has reported the failure; choose again.
        tryPath = *chosen;
    }
}

void JobManagementDialog::restoreAfterFailedBrowse(const QString &rememberedPath, bool wasOpen)
{
    CurrentDatabasePath = rememberedPath;
    if (!wasOpen) {
        platform::exitService().exitProgram(0);
        return;
    }
    if (!CurrentDatabase() && OpenCurrentDatabase())
        refresh();
    currentDB_->setText(CurrentDatabasePath);
    if (!CurrentDatabase())
        showNoJobs();  // the old file did not open again either
}

void JobManagementDialog::showNoJobs()
{
    JobCodes.clear();
    JobActive.clear();
    topRow_ = -1;
    scrollBar_->hide();
    ShowJobRows();
}

} // namespace database
