#include "print/ui/sign_order_form_dialog.h"

#include "database/ui/design_browser.h"
#include "database/ui/dialog_support.h"
#include "platform/services.h"
#include "print/order_form_unit.h"

#include <QCheckBox>
#include <QGridLayout>
#include <QHBoxLayout>
#include <QLabel>
#include <QLineEdit>
#include <QPushButton>
#include <QScrollBar>
#include <QTreeWidgetItem>
#include <QVBoxLayout>

namespace print {

namespace {

const QString SelectAllText = QStringLiteral("Select All");
const QString DeselectAllText = QStringLiteral("Deselect All");

} // namespace

Form10::Form10(platform::SqlConnection &db, SignOrderServices services, QWidget *parent)
    : QDialog(parent), db_(db), services_(std::move(services))
{
    setWindowTitle(QStringLiteral("Sign Order Form"));
    setModal(true);

    text1_ = new QLineEdit(this);
    text1_->setMaxLength(RequisitionLength);
    outline1_ = new database::DesignBrowser(this);
    outline1_->setMinimumHeight(150);
    print_ = new QPushButton(QStringLiteral("Print"), this);
    printSetup_ = new QPushButton(QStringLiteral("Print Setup"), this);
    pageSetup_ = new QPushButton(QStringLiteral("Page Setup"), this);
    cancel_ = new QPushButton(QStringLiteral("Cancel"), this);
    print_->setAutoDefault(false);
    cancel_->setAutoDefault(false);

    auto *left = new QVBoxLayout;
    left->addWidget(new QLabel(QStringLiteral("Enter Requisition Number"), this));
    left->addWidget(text1_);
    left->addWidget(new QLabel(QStringLiteral("Select to Edit Order Details"), this));
    left->addWidget(outline1_);
    auto *buttons = new QVBoxLayout;
    for (QPushButton *b : {print_, printSetup_, pageSetup_, cancel_})
        buttons->addWidget(b);
    buttons->addStretch();
    auto *top = new QHBoxLayout;
    top->addLayout(left, 1);
    top->addLayout(buttons);

    // The row panel: headings, the three "Select All" buttons, ten slots and
    // the scroll bar beside them.
    auto *grid = new QGridLayout;
    const char *headings[] = {"Sign Position", "Sign Face", "Sign Supports", "Signs Fittings"};
    for (int c = 0; c < 4; ++c) {
        auto *heading = new QLabel(QString::fromLatin1(headings[c]), this);
        QFont f = heading->font();
        f.setBold(true);
        heading->setFont(f);
        grid->addWidget(heading, 0, c);
    }
    for (int c = 1; c <= OrderKindCount; ++c) {
        QPushButton *b = new QPushButton(SelectAllText, this);
        b->setAutoDefault(false);
        selectAll_[static_cast<std::size_t>(c - 1)] = b;
        grid->addWidget(b, 1, c);
        connect(b, &QPushButton::clicked, this, [this, c] { SelectAll(c); });
    }
    for (int s = 0; s < OrderSlotCount; ++s) {
        QLabel *label = new QLabel(this);
        labels_[static_cast<std::size_t>(s)] = label;
        grid->addWidget(label, 2 + s, 0);
        for (int c = 1; c <= OrderKindCount; ++c) {
            QCheckBox *box = new QCheckBox(this);
            ticks_[static_cast<std::size_t>(c - 1)][static_cast<std::size_t>(s)] = box;
            grid->addWidget(box, 2 + s, c);
            // clicked comes from the engineer only; values set from code
            // write nothing back.
            connect(box, &QCheckBox::clicked, this, [this, c, s](bool value) { tickClicked(c, s, value); });
        }
    }
    vscroll_ = new QScrollBar(Qt::Vertical, this);
    vscroll_->setPageStep(1);
    grid->addWidget(vscroll_, 2, 4, OrderSlotCount, 1);
    vscroll_->hide();
    for (int s = 0; s < OrderSlotCount; ++s)
        grid->setRowMinimumHeight(2 + s, 22);
    grid->setColumnMinimumWidth(0, 140);
    // Room for a tick and a full 15-character requisition number.
    const int captionWidth = fontMetrics().horizontalAdvance(QString(RequisitionLength, QLatin1Char('0'))) + 30;
    for (int c = 1; c <= OrderKindCount; ++c)
        grid->setColumnMinimumWidth(c, captionWidth);

    auto *all = new QVBoxLayout(this);
    all->addLayout(top);
    all->addLayout(grid);
    ShowOrderRows();

    connect(text1_, &QLineEdit::textChanged, this, [this](const QString &text) { enteredReqNo_ = text.trimmed(); });
    connect(outline1_, &database::DesignBrowser::itemChosen, this, &Form10::itemChosen);
    connect(vscroll_, &QScrollBar::valueChanged, this, [this](int value) {
        topRow_ = value;
        ShowOrderRows();
    });
    connect(print_, &QPushButton::clicked, this, &Form10::Print);
    connect(cancel_, &QPushButton::clicked, this, &Form10::Cancel);
    connect(printSetup_, &QPushButton::clicked, this, [this] {
        if (services_.printerSetup)
            services_.printerSetup(this);
    });
    // "Page Setup" has no action: the order form is always landscape A4.
    adjustSize();
}

bool Form10::OrderTick(int column, int row) const
{
    if (row < 1 || row > OrderRowCount() || column < 1 || column > OrderKindCount)
        return false;
    return rows_[static_cast<std::size_t>(row - 1)].ticks[static_cast<std::size_t>(column - 1)];
}

void Form10::showEvent(QShowEvent *event)
{
    QDialog::showEvent(event);
    database::CentreOnScreen(this);
    // Once per showing: Qt re-activates a window on every focus return, and
    // reloading then would drop ticks not yet saved.
    if (!activated_) {
        activated_ = true;
        activate();
    }
}

void Form10::hideEvent(QHideEvent *event)
{
    activated_ = false;
    QDialog::hideEvent(event);
}

void Form10::activate()
{
    // The outline lists the selected rows of active jobs, as the print job
    // selection does: rows of inactive jobs would be ticked and never printed.
    std::vector<database::StoredDesignKey> keys;
    const platform::SqlStatus s = SelectedDesignKeys(db_, keys);
    if (!s.ok())
        fail(s.text());
    outline1_->fill(keys);
    LoadOrderRows();
    for (QPushButton *b : selectAll_)
        b->setText(SelectAllText);
}

void Form10::itemChosen(QTreeWidgetItem *item)
{
    SaveOrderSelections();
    const int level = database::DesignBrowser::level(item);
    filter_ = {};
    if (level >= database::JobLevel)
        filter_ = database::DesignBrowser::key(item);
    if (level == database::JobLevel || level == database::SectionLevel)
        item->setExpanded(true);
    for (QPushButton *b : selectAll_)
        b->setText(SelectAllText);
    LoadOrderRows();
}

void Form10::LoadOrderRows()
{
    rows_.clear();
    topRow_ = 0;
    // Nothing or a job picked: no rows until a section or sign position is.
    if (!filter_.JobSection.isEmpty()) {
        QString sql = QStringLiteral(
            "SELECT PrintRecord.Job_Code, PrintRecord.Job_Section, PrintRecord.Sign_Pos, OFormSF_Sel, OFormSP_Sel, "
            "OFormFT_Sel, OFormSF_ReqNo, OFormSP_ReqNo, OFormFT_ReqNo "
            "FROM PrintRecord INNER JOIN JOBS ON PrintRecord.Job_Code = JOBS.Job_Code "
            "WHERE JOBS.Active = 'Y' AND PrintRecord.Selected <> 0 "
            "AND PrintRecord.Job_Code = ? AND PrintRecord.Job_Section = ?");
        QVariantList params{filter_.JobCode, filter_.JobSection};
        if (!filter_.SignPos.isEmpty()) {
            sql += QStringLiteral(" AND PrintRecord.Sign_Pos = ?");
            params << filter_.SignPos;
        }
        sql += QStringLiteral(" ORDER BY PrintRecord.Sign_Pos");
        platform::SqlRows found;
        const platform::SqlStatus s = db_.select(sql, params, found);
        if (!s.ok())
            fail(s.text());
        for (const platform::SqlRow &r : found) {
            OrderRow row;
            row.key = {r[0].toString(), r[1].toString(), r[2].toString()};
            for (std::size_t k = 0; k < OrderKindCount; ++k) {
                row.ticks[k] = r[3 + k].toInt() != 0;
                row.reqNos[k] = r[6 + k].toString();
            }
            rows_.push_back(row);
        }
    }
    if (!rows_.empty())
        topRow_ = 1;
    // From 9 rows the bar shows; its last position shows the last 8 rows.
    const QSignalBlocker block(vscroll_);
    if (OrderRowCount() >= 9) {
        vscroll_->setRange(1, OrderRowCount() - 7);
        vscroll_->setValue(1);
        vscroll_->show();
    } else {
        vscroll_->hide();
    }
    ShowOrderRows();
}

void Form10::ShowOrderRows()
{
    int s = 0;
    for (; s < OrderSlotCount && topRow_ > 0 && topRow_ + s <= OrderRowCount(); ++s) {
        const OrderRow &row = rows_[static_cast<std::size_t>(topRow_ + s - 1)];
        QLabel *label = labels_[static_cast<std::size_t>(s)];
        label->setText(row.key.SignPos.trimmed());
        label->show();
        for (int c = 1; c <= OrderKindCount; ++c) {
            QCheckBox *box = tick(c, s);
            const bool ticked = row.ticks[static_cast<std::size_t>(c - 1)];
            box->setChecked(ticked);
            box->setText(ticked ? enteredReqNo_ : row.reqNos[static_cast<std::size_t>(c - 1)]);
            box->show();
        }
    }
    for (; s < OrderSlotCount; ++s) {
        labels_[static_cast<std::size_t>(s)]->hide();
        for (int c = 1; c <= OrderKindCount; ++c)
            tick(c, s)->hide();
    }
}

void Form10::tickClicked(int column, int slot, bool value)
{
    const int row = topRow_ + slot;
    if (row < 1 || row > OrderRowCount())
        return;
    OrderRow &r = rows_[static_cast<std::size_t>(row - 1)];
    r.ticks[static_cast<std::size_t>(column - 1)] = value;
    tick(column, slot)->setText(value ? enteredReqNo_ : r.reqNos[static_cast<std::size_t>(column - 1)]);
}

void Form10::SelectAll(int column)
{
    QPushButton *b = selectAllButton(column);
    const bool select = b->text() == SelectAllText;
    b->setText(select ? DeselectAllText : SelectAllText);
    for (OrderRow &r : rows_)
        r.ticks[static_cast<std::size_t>(column - 1)] = select;
    ShowOrderRows();
}

bool Form10::SaveOrderSelections()
{
    if (rows_.empty())
        return true;
    platform::SqlTransaction transaction(db_);
    platform::SqlStatus s = transaction.status();
    for (const OrderRow &r : rows_) {
        if (!s.ok())
            break;
        s = SaveOrderTicks(db_, r.key, r.ticks);
    }
    if (s.ok())
        s = transaction.commit();
    if (!s.ok()) {
        fail(s.text());
        return false;
    }
    return true;
}

void Form10::Print()
{
    if (enteredReqNo_.isEmpty()) {
        platform::showMessage(QString::fromLatin1(NoRequisitionMessage), QStringLiteral("Warning"),
                              platform::MessageButtons::Ok, platform::MessageIcon::Exclamation);
        return;
    }
    if (!SaveOrderSelections())
        return;
    hide();
    if (services_.repaintMainWindow)
        services_.repaintMainWindow();
    if (!services_.printOrders)
        return;
    const PrintJobResult result = services_.printOrders(enteredReqNo_);
    if (!result.ok)
        fail(result.message);
}

void Form10::Cancel()
{
    rows_.clear();  // unsaved ticks are dropped
    const platform::SqlStatus s = ResetUnprintedOrders(db_);
    if (!s.ok())
        fail(s.text());
    hide();
}

void Form10::reject()
{
    if (isVisible())
        Cancel();
    QDialog::reject();
}

void Form10::fail(const QString &text)
{
    platform::showMessage(text, PrintErrorTitle(), platform::MessageButtons::Ok, platform::MessageIcon::Critical);
}

void ShowSignOrderForm(platform::SqlConnection &db, SignOrderServices services, QWidget *parent)
{
    auto *dialog = new Form10(db, std::move(services), parent);
    dialog->exec();
    delete dialog;
}

} // namespace print
