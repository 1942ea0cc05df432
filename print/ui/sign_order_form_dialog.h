#pragma once
// Form10, "Sign Order Form": for each sign position chosen for printing the
// engineer ticks which order forms to print (sign face, supports, fittings),
// enters the requisition number that heads them and prints. Ticks live in
// the dialog until a node pick or Print writes them to PrintRecord; Print and
// Cancel both leave every print flag cleared.

#include "database/design_rows.h"
#include "platform/sql.h"
#include "print/design_form.h"
#include "print/order_form.h"
#include "print/order_form_unit.h"

#include <QDialog>
#include <array>
#include <functional>
#include <vector>

class QCheckBox;
class QLabel;
class QLineEdit;
class QPushButton;
class QScrollBar;
class QTreeWidgetItem;

namespace database {
class DesignBrowser;
}

namespace print {

inline constexpr int OrderSlotCount = 10;

// What the dialog asks of the program around it.
struct SignOrderServices {
    // The stamped order-form print unit for the entered number.
    std::function<PrintJobResult(const QString &reqNo)> printOrders;
    // Repaints the main window once the dialog is hidden, before the job.
    std::function<void()> repaintMainWindow;
    // The printer set-up dialog.
    std::function<void(QWidget *parent)> printerSetup;
};

class Form10 final : public QDialog {
    Q_OBJECT
public:
    Form10(platform::SqlConnection &db, SignOrderServices services, QWidget *parent = nullptr);

    // The controls, for the caller and tests.
    QLineEdit *requisitionBox() const { return text1_; }
    database::DesignBrowser *outline() const { return outline1_; }
    QPushButton *printButton() const { return print_; }
    QPushButton *printSetupButton() const { return printSetup_; }
    QPushButton *pageSetupButton() const { return pageSetup_; }
    QPushButton *cancelButton() const { return cancel_; }
    QPushButton *selectAllButton(int column) const { return selectAll_[static_cast<std::size_t>(column - 1)]; }
    QLabel *slotLabel(int slot) const { return labels_[static_cast<std::size_t>(slot)]; }
    QCheckBox *tick(int column, int slot) const
    {
        return ticks_[static_cast<std::size_t>(column - 1)][static_cast<std::size_t>(slot)];
    }
    QScrollBar *scrollBar() const { return vscroll_; }

    // State of the row list.
    int OrderRowCount() const { return static_cast<int>(rows_.size()); }
    int OrderTopRow() const { return topRow_; }
    const QString &EnteredReqNo() const { return enteredReqNo_; }
    // The tick of column c (1 to 3) for list row r (from 1).
    bool OrderTick(int column, int row) const;

    // The handlers.
    void Print();
    void Cancel();
    void SelectAll(int column);
    void LoadOrderRows();
    void ShowOrderRows();
    // Writes the ticks of the listed rows; false after telling the engineer.
    bool SaveOrderSelections();

    // Esc and the close box act as Cancel.
    void reject() override;

protected:
    void showEvent(QShowEvent *event) override;
    void hideEvent(QHideEvent *event) override;

private:
    struct OrderRow {
        database::StoredDesignKey key;
        std::array<bool, OrderKindCount> ticks{};
        std::array<QString, OrderKindCount> reqNos;
    };

    void activate();
    void itemChosen(QTreeWidgetItem *item);
    void tickClicked(int column, int slot, bool value);
    void fail(const QString &text);

    platform::SqlConnection &db_;
    SignOrderServices services_;
    database::StoredDesignKey filter_;  // parts of the picked node; empty below its level
    std::vector<OrderRow> rows_;
    int topRow_ = 0;
    QString enteredReqNo_;
    bool activated_ = false;

    QLineEdit *text1_ = nullptr;
    database::DesignBrowser *outline1_ = nullptr;
    QPushButton *print_ = nullptr;
    QPushButton *printSetup_ = nullptr;
    QPushButton *pageSetup_ = nullptr;
    QPushButton *cancel_ = nullptr;
    std::array<QPushButton *, OrderKindCount> selectAll_{};
    std::array<QLabel *, OrderSlotCount> labels_{};
    std::array<std::array<QCheckBox *, OrderSlotCount>, OrderKindCount> ticks_{};
    QScrollBar *vscroll_ = nullptr;
};

// Makes Form10, shows it modally and deletes it.
void ShowSignOrderForm(platform::SqlConnection &db, SignOrderServices services, QWidget *parent);

} // namespace print
