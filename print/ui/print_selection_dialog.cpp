#include "print/ui/print_selection_dialog.h"

#include "database/database_file.h"
#include "database/ui/dialog_support.h"
#include "platform/services.h"
#include "platform/widgets/twips.h"
#include "print/order_form_unit.h"
#include "print/printer_surface.h"
#include "print/ui/sign_order_form_dialog.h"

#include <QDialogButtonBox>
#include <QGridLayout>
#include <QGroupBox>
#include <QHeaderView>
#include <QLabel>
#include <QPushButton>
#include <QTableWidget>
#include <QVBoxLayout>

namespace print {

namespace {

constexpr double GridColumnTwips = 1500.0;

StampedJobResult RunOnPrintTarget(platform::SqlConnection &db, const StampedPrintJob &job, const QString &name)
{
    PrintTarget target = OpenPrintTarget(name);
    StampedJobResult result = RunStampedPrintJob(db, *target.surface, job);
    // With no sign selected no page is written: a file of that name is an
    // earlier job's.
    if (result.ok && result.pages > 0)
        TellPrintedFile(target);
    return result;
}

QString DocumentName(int printFormType)
{
    return printFormType == SummaryFormKind ? QStringLiteral("Summary Form") : QStringLiteral("Design Forms");
}

} // namespace

PrintSelectionServices WithDefaults(PrintSelectionServices services)
{
    if (!services.database)
        services.database = [] { return database::CurrentDatabase(); };
    if (!services.showOrderForm)
        services.showOrderForm = [repaint = services.repaintMainWindow](QWidget *parent) {
            ShowOrderForm(parent, repaint);
        };
    return services;
}

Form11::Form11(int printFormType, PrintSelectionServices services, QWidget *parent)
    : QDialog(parent), printFormType_(printFormType), services_(WithDefaults(std::move(services)))
{
    setObjectName(QStringLiteral("Form11"));
    setWindowTitle(QStringLiteral("Print Job Selection Form"));

    auto *leftBox = new QGroupBox(QStringLiteral("Select Signs to Print"), this);
    outline1_ = new database::DesignBrowser(leftBox);
    outline1_->setObjectName(QStringLiteral("Outline1"));
    (new QVBoxLayout(leftBox))->addWidget(outline1_);

    auto *rightBox = new QGroupBox(QStringLiteral("Signs Selected to Print"), this);
    outline2_ = new database::DesignBrowser(rightBox);
    outline2_->setObjectName(QStringLiteral("Outline2"));
    (new QVBoxLayout(rightBox))->addWidget(outline2_);

    auto *gridBox = new QGroupBox(QStringLiteral("Current Print Status"), this);
    grid1_ = new QTableWidget(gridBox);
    grid1_->setObjectName(QStringLiteral("Grid1"));
    grid1_->setEditTriggers(QAbstractItemView::NoEditTriggers);
    grid1_->setSelectionMode(QAbstractItemView::NoSelection);
    grid1_->verticalHeader()->hide();
    (new QVBoxLayout(gridBox))->addWidget(grid1_);

    auto button = [this](const QString &text, const char *name) {
        auto *b = new QPushButton(text, this);
        b->setObjectName(QLatin1String(name));
        b->setAutoDefault(false);
        return b;
    };
    add_ = button(QStringLiteral("Add  >>>"), "Command4_1");
    remove_ = button(QStringLiteral("<<< Remove"), "Command4_0");
    ok_ = button(QStringLiteral("OK"), "Command2");
    cancel_ = button(QStringLiteral("Cancel"), "Command1");
    printSetup_ = button(QStringLiteral("Print Setup"), "Command3_0");
    pageSetup_ = button(QStringLiteral("Page Setup"), "Command3_1");

    auto *middle = new QVBoxLayout;
    middle->addStretch();
    middle->addWidget(add_);
    middle->addWidget(remove_);
    middle->addStretch();
    auto *side = new QVBoxLayout;
    for (QPushButton *b : {ok_, cancel_, printSetup_, pageSetup_})
        side->addWidget(b);
    side->addStretch();

    auto *layout = new QGridLayout(this);
    layout->addWidget(leftBox, 0, 0);
    layout->addLayout(middle, 0, 1);
    layout->addWidget(rightBox, 0, 2);
    layout->addWidget(gridBox, 1, 0, 1, 3);
    layout->addLayout(side, 0, 3, 2, 1);
    layout->setRowStretch(0, 3);
    layout->setRowStretch(1, 2);

    connect(outline1_, &database::DesignBrowser::itemChosen, this, [this](QTreeWidgetItem *item) { ChooseItem(1, item); });
    connect(outline2_, &database::DesignBrowser::itemChosen, this, [this](QTreeWidgetItem *item) { ChooseItem(2, item); });
    connect(add_, &QPushButton::clicked, this, &Form11::AddSigns);
    connect(remove_, &QPushButton::clicked, this, &Form11::RemoveSigns);
    connect(ok_, &QPushButton::clicked, this, &Form11::PrintChosen);
    connect(cancel_, &QPushButton::clicked, this, &Form11::reject);
    connect(printSetup_, &QPushButton::clicked, this, &Form11::PrintSetup);
    // "Page Setup" has no action.

    resize(760, 560);
    database::CentreOnScreen(this);
}

platform::SqlConnection *Form11::db()
{
    return services_.database();
}

bool Form11::Check(const platform::SqlStatus &status, const QString &doing)
{
    if (status.ok())
        return true;
    platform::showMessage(QStringLiteral("%1 failed: %2").arg(doing, status.text()),
                          platform::MessageTitle(QStringLiteral("Print Job Selection")), platform::MessageButtons::Ok,
                          platform::MessageIcon::Exclamation);
    return false;
}

void Form11::showEvent(QShowEvent *event)
{
    QDialog::showEvent(event);
    if (!activated_) {
        activated_ = true;
        FormActivate();
    }
}

void Form11::hideEvent(QHideEvent *event)
{
    QDialog::hideEvent(event);
    activated_ = false;
}

void Form11::FormActivate()
{
    SetUpGrid();
    FillDesignOutline();
    FillSelectedOutline();
    // The first job is current, as a starting point for "Add  >>>", without
    // choosing it: the tree stays collapsed and the grid empty.
    if (QTreeWidgetItem *first = outline1_->topLevelItem(0)) {
        const QSignalBlocker quiet(outline1_);
        outline1_->setCurrentItem(first);
    }
}

void Form11::SetUpGrid()
{
    const QStringList headings = PrintStatusHeadings(printFormType_);
    grid1_->clear();
    grid1_->setColumnCount(static_cast<int>(headings.size()));
    grid1_->setHorizontalHeaderLabels(headings);
    const int width = qRound(platform::TwipsToPixels(GridColumnTwips, platform::TwipsPerPixel(*grid1_)));
    for (int c = 0; c < grid1_->columnCount(); ++c)
        grid1_->setColumnWidth(c, width);
    grid1_->setRowCount(1);
}

bool Form11::FillDesignOutline()
{
    const platform::SqlStatus s = outline1_->FillStoredSignsOutline();
    outline1_->collapseAll();
    return Check(s, QStringLiteral("Reading the stored designs"));
}

bool Form11::FillSelectedOutline()
{
    std::vector<database::StoredDesignKey> keys;
    platform::SqlStatus s;
    if (platform::SqlConnection *c = db())
        s = ReadSelectedPrintKeys(*c, keys);
    outline2_->fill(s.ok() ? keys : std::vector<database::StoredDesignKey>{});
    outline2_->expandAll();
    return Check(s, QStringLiteral("Reading the selected designs"));
}

void Form11::FillPrintStatusGrid(int side)
{
    grid1_->clearContents();
    grid1_->setRowCount(1);
    const database::StoredDesignKey &key = side == 1 ? left_ : right_;
    platform::SqlConnection *c = db();
    if (!c)
        return;
    std::vector<PrintStatusRow> rows;
    if (!Check(ReadPrintStatus(*c, printFormType_, key, side == 2, rows), QStringLiteral("Reading the print status")))
        return;
    grid1_->setRowCount(std::max<int>(1, static_cast<int>(rows.size())));
    for (int r = 0; r < static_cast<int>(rows.size()); ++r) {
        const QStringList &cells = rows[static_cast<std::size_t>(r)].cells;
        for (int col = 0; col < grid1_->columnCount() && col < cells.size(); ++col)
            grid1_->setItem(r, col, new QTableWidgetItem(cells[col]));
    }
}

void Form11::ChooseItem(int side, QTreeWidgetItem *item)
{
    if (!item)
        return;
    (side == 1 ? left_ : right_) = database::DesignBrowser::key(item);
    if (database::DesignBrowser::level(item) < database::SignPositionLevel)
        item->setExpanded(true);
    FillPrintStatusGrid(side);
}

void Form11::AddSigns()
{
    QTreeWidgetItem *item = outline1_->currentItem();
    platform::SqlConnection *c = db();
    if (!item || !c)
        return;
    // Level and key both from the item current at the press.
    if (Check(MarkSignsSelected(*c, database::DesignBrowser::level(item), database::DesignBrowser::key(item)),
              QStringLiteral("Adding the signs")))
        FillSelectedOutline();
}

void Form11::RemoveSigns()
{
    QTreeWidgetItem *item = outline2_->currentItem();
    platform::SqlConnection *c = db();
    if (!item || !c)
        return;
    if (Check(ClearSignsSelected(*c, database::DesignBrowser::level(item), database::DesignBrowser::key(item)),
              QStringLiteral("Removing the signs")))
        FillSelectedOutline();
}

void Form11::PrintChosen()
{
    hide();
    if (services_.repaintMainWindow)
        services_.repaintMainWindow();
    if (printFormType_ == OrderFormKind) {
        services_.showOrderForm(parentWidget());
    } else if (platform::SqlConnection *c = db()) {
        const StampedPrintJob job = PrintJobOfKind(printFormType_);
        if (services_.runJob)
            services_.runJob(*c, job);
        else
            RunOnPrintTarget(*c, job, DocumentName(printFormType_));
    }
    done(QDialog::Accepted);
}

void Form11::reject()
{
    if (platform::SqlConnection *c = db())
        Check(ClearAllSelected(*c), QStringLiteral("Clearing the selection"));
    QDialog::reject();
}

void Form11::PrintSetup()
{
    platform::printerSetup().setUpPrinter(JobPrinter());
}

void ShowPrintSelection(int printFormType, QWidget *parent, PrintSelectionServices services)
{
    auto *form = new Form11(printFormType, std::move(services), parent);
    form->exec();
    delete form;
}

void ShowOrderForm(QWidget *parent, const std::function<void()> &repaintMainWindow)
{
    platform::SqlConnection *db = database::CurrentDatabase();
    if (!db)
        return;
    SignOrderServices services;
    services.repaintMainWindow = repaintMainWindow;
    services.printerSetup = [](QWidget *) { platform::printerSetup().setUpPrinter(JobPrinter()); };
    services.printOrders = [db](const QString &reqNo) {
        // The target keeps its printer for as long as the unit draws on the surface.
        PrintTarget target;
        PrintJobResult result = RunOrderPrintUnit(
            *db,
            [&target] {
                target = OpenPrintTarget(QStringLiteral("Order Form"));
                return std::unique_ptr<PageSurface>(std::move(target.surface));
            },
            reqNo, QDate::currentDate());
        if (result.ok)
            TellPrintedFile(target);
        return result;
    };
    ShowSignOrderForm(*db, std::move(services), parent);
}

} // namespace print
