#pragma once
// Form11, "Print Job Selection Form": the entry to printing. The engineer
// moves stored sign positions of active jobs from the left tree ("Select
// Signs to Print") into the right one ("Signs Selected to Print"), looks at
// their print status in the grid ("Current Print Status") and presses "OK"
// to print the chosen kind: design forms (0), order forms (1, through the
// sign order form dialog) or the summary form (2).
//
// The selection lives in PrintRecord.Selected, not in the dialog: "Add  >>>"
// and "<<< Remove" write it at once, "OK" prints and clears it through the
// stamped print unit, "Cancel" (Esc, the close box) clears it on every row.

#include "database/ui/design_browser.h"
#include "print/stamped_print_job.h"

#include <QDialog>
#include <functional>

class QPushButton;
class QTableWidget;

namespace print {

struct PrintSelectionServices {
    // The design database; by default the one open database.
    std::function<platform::SqlConnection *()> database;
    // Repaints the main window before a job runs.
    std::function<void()> repaintMainWindow;
    // Runs a stamped job on the print target; by default the job printer or
    // a PDF (OpenPrintTarget), telling the engineer where a PDF went.
    std::function<StampedJobResult(platform::SqlConnection &, const StampedPrintJob &)> runJob;
    // Shows the sign order form dialog (Form10) modally; by default
    // ShowOrderForm on the open database.
    std::function<void(QWidget *parent)> showOrderForm;
};

// The services with every unset member filled with its default.
PrintSelectionServices WithDefaults(PrintSelectionServices services);

class Form11 : public QDialog {
    Q_OBJECT
public:
    Form11(int printFormType, PrintSelectionServices services, QWidget *parent = nullptr);

    int PrintFormType() const { return printFormType_; }

    // Rebuild the trees from the database. Failures are told to the engineer
    // and leave the tree empty; both return whether the read succeeded.
    bool FillDesignOutline();
    bool FillSelectedOutline();
    // Refills the grid from one side's filters: 1 the left tree, 2 the right.
    void FillPrintStatusGrid(int side);

    // The filters last set by choosing an item (parts below its level empty).
    const database::StoredDesignKey &LeftFilter() const { return left_; }
    const database::StoredDesignKey &RightFilter() const { return right_; }

    database::DesignBrowser *Outline1() const { return outline1_; }
    database::DesignBrowser *Outline2() const { return outline2_; }
    QTableWidget *Grid1() const { return grid1_; }

    void reject() override;  // "Cancel", Esc and the close box

protected:
    void showEvent(QShowEvent *event) override;
    void hideEvent(QHideEvent *event) override;

private:
    void FormActivate();
    void SetUpGrid();
    void ChooseItem(int side, QTreeWidgetItem *item);
    void AddSigns();
    void RemoveSigns();
    void PrintChosen();
    void PrintSetup();
    // Tells the engineer about a failed statement; returns status.ok().
    bool Check(const platform::SqlStatus &status, const QString &doing);
    platform::SqlConnection *db();

    int printFormType_;
    PrintSelectionServices services_;
    database::DesignBrowser *outline1_;
    database::DesignBrowser *outline2_;
    QTableWidget *grid1_;
    QPushButton *add_;
    QPushButton *remove_;
    QPushButton *ok_;
    QPushButton *cancel_;
    QPushButton *printSetup_;
    QPushButton *pageSetup_;
    database::StoredDesignKey left_;
    database::StoredDesignKey right_;
    bool activated_ = false;
    bool closing_ = false;
};

// The Print menu's step: Form11 for the kind, modal, deleted afterwards.
void ShowPrintSelection(int printFormType, QWidget *parent, PrintSelectionServices services = {});

// The sign order form (Form10) on the open database, modal, deleted
// afterwards; its Print runs the stamped order-form unit on the print target.
void ShowOrderForm(QWidget *parent, const std::function<void()> &repaintMainWindow);

} // namespace print
