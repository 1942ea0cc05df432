#pragma once
// The job management dialog: the path of the current database file, the
// choice of another file, and a check box per stored job that marks it active
// (listed in the browsers) or inactive. A tick is written at once.

#include <QDialog>
#include <QString>
#include <array>
#include <vector>

class QCheckBox;
class QFrame;
class QLineEdit;
class QPushButton;
class QScrollBar;

namespace database {

class JobManagementDialog : public QDialog {
    Q_OBJECT
public:
    static constexpr int VisibleJobRows = 13;

    explicit JobManagementDialog(QWidget *parent = nullptr);

    // What activation does: shows the path and reads the jobs. With no
    // database open it runs the file choice first, which opens one or ends
    // the program.
    void refresh();
    // Sets the 13 check boxes from TopRow.
    void ShowJobRows();
    // The "..." button: choose another database file, compacting the one that
    // is left. Returns when a file is open again, or the program was ended.
    void browse();

    int JobCount() const { return static_cast<int>(JobCodes.size()); }
    int TopRow() const { return topRow_; }

    QLineEdit *currentDB() const { return currentDB_; }
    QPushButton *browseButton() const { return browseButton_; }
    QCheckBox *jobBox(int index) const { return boxes_.at(static_cast<size_t>(index)); }
    QScrollBar *scrollBar() const { return scrollBar_; }
    QPushButton *okButton() const { return okButton_; }

    // Job codes as stored, in job code order, and whether each is active.
    std::vector<QString> JobCodes;
    std::vector<bool> JobActive;

signals:
    // Another database file is now the current one.
    void databaseSwitched();

protected:
    void showEvent(QShowEvent *event) override;

private:
    void readJobs();
    void onBoxToggled(int index, bool ticked);
    void restoreAfterFailedBrowse(const QString &rememberedPath, bool wasOpen);
    // No database: no jobs to show or tick.
    void showNoJobs();

    QLineEdit *currentDB_ = nullptr;
    QPushButton *browseButton_ = nullptr;
    QFrame *jobPanel_ = nullptr;
    std::array<QCheckBox *, VisibleJobRows> boxes_{};
    QScrollBar *scrollBar_ = nullptr;
    QPushButton *okButton_ = nullptr;
    int topRow_ = -1;
    bool rowsFilling_ = false;
    bool centred_ = false;
};

using Form14 = JobManagementDialog;

} // namespace database
