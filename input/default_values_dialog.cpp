#include "input/default_values_dialog.h"

#include "database/default_values.h"
#include "database/ui/dialog_support.h"
#include "input/whole_number_input.h"

#include <QComboBox>
#include <QFormLayout>
#include <QGroupBox>
#include <QHBoxLayout>
#include <QLineEdit>
#include <QPushButton>
#include <QVBoxLayout>

namespace input {

const char *const DefaultValueInputMessage = "Please enter a whole number from 0 to 32767.";

namespace {

const QString Caption = QStringLiteral("Change Default Values");

struct ListRow {
    const char *text;
    int data;
};

const std::array<ListRow, 6> SpeedRows{{{"60", 60}, {"70", 70}, {"80", 80}, {"90", 90}, {"100", 100}, {"110", 110}}};
// Each traffic class is stored by its lower bound.
const std::array<ListRow, 4> TrafficRows{
    {{"up to 750", 0}, {"751 - 1500", 751}, {"1501 - 6000", 1501}, {"over 6000", 6001}}};

template <size_t N>
QComboBox *newList(const std::array<ListRow, N> &rows, const QString &name, QWidget *parent)
{
    auto *list = new QComboBox(parent);
    list->setObjectName(name);
    list->setEditable(false);
    for (const ListRow &row : rows)
        list->addItem(QString::fromLatin1(row.text), row.data);
    return list;
}

// The first row carrying `value`, or no row when none does.
void selectByData(QComboBox *list, int value) { list->setCurrentIndex(list->findData(value)); }

// The selected row's data, or `kept` when no row is selected.
int16_t selectedData(const QComboBox *list, int16_t kept)
{
    if (list->currentIndex() < 0)
        return kept;
    return static_cast<int16_t>(list->currentData().toInt());
}

} // namespace

DefaultValues::DefaultValues(QWidget *parent) : QDialog(parent)
{
    setObjectName(QStringLiteral("DefaultValues"));
    setWindowTitle(Caption);

    auto *position = new QGroupBox(QStringLiteral("Sign Position"), this);
    auto *positionForm = new QFormLayout(position);
    const std::array<QString, 2> boxLabels{QStringLiteral("Clearance above road edge (mm)"),
                                           QStringLiteral("Distance from carriageway (mm)")};
    for (size_t i = 0; i < boxes_.size(); ++i) {
        auto *box = new QLineEdit(position);
        box->setObjectName(QStringLiteral("Text1_%1").arg(i));
        box->setAlignment(Qt::AlignRight);
        AcceptDigitsOnly(box);
        boxes_[i] = box;
        positionForm->addRow(boxLabels[i], box);
    }

    auto *clearZone = new QGroupBox(QStringLiteral("Clear Zone Parameters"), this);
    auto *clearZoneForm = new QFormLayout(clearZone);
    lists_[0] = newList(SpeedRows, QStringLiteral("Combo1_0"), clearZone);
    lists_[1] = newList(TrafficRows, QStringLiteral("Combo1_1"), clearZone);
    clearZoneForm->addRow(QStringLiteral("Speed environment (km/h)"), lists_[0]);
    clearZoneForm->addRow(QStringLiteral("Average Annual Daily Traffic (vehicles)"), lists_[1]);

    ok_ = new QPushButton(QStringLiteral("Ok"), this);
    ok_->setObjectName(QStringLiteral("Ok"));
    ok_->setDefault(true);
    cancel_ = new QPushButton(QStringLiteral("Cancel"), this);
    cancel_->setObjectName(QStringLiteral("Cancel"));
    cancel_->setAutoDefault(false);
    connect(ok_, &QPushButton::clicked, this, &DefaultValues::Ok);
    connect(cancel_, &QPushButton::clicked, this, &QDialog::reject);

    auto *buttons = new QHBoxLayout;
    buttons->addStretch();
    buttons->addWidget(ok_);
    buttons->addWidget(cancel_);
    auto *layout = new QVBoxLayout(this);
    layout->addWidget(position);
    layout->addWidget(clearZone);
    layout->addLayout(buttons);
    layout->setSizeConstraint(QLayout::SetFixedSize);

    // The table may have changed since the file was opened; the dialog shows
    // what it holds now. A failed read leaves the globals as they were.
    const platform::SqlStatus loaded = database::LoadDefaultValues();
    if (!loaded.ok())
        ShowDatabaseFailure(Caption, loaded.text());
    boxes_[0]->setText(QString::number(database::DefClearanceAboveRoadEdge));
    boxes_[1]->setText(QString::number(database::DefDistanceFromCarriageway));
    selectByData(lists_[0], database::DefClearZoneSpeed);
    selectByData(lists_[1], database::DefClearZoneAADT);
}

void DefaultValues::Ok()
{
    std::array<int16_t, 2> numbers{};
    for (size_t i = 0; i < boxes_.size(); ++i) {
        const std::optional<int> v = StoredWholeNumber(boxes_[i]->text());
        if (!v) {
            ShowInvalidInput(QString::fromLatin1(DefaultValueInputMessage));
            boxes_[i]->setFocus();
            return;
        }
        numbers[i] = static_cast<int16_t>(*v);
    }
    const database::DefaultValueSet before{database::DefClearanceAboveRoadEdge, database::DefDistanceFromCarriageway,
                                           database::DefClearZoneSpeed, database::DefClearZoneAADT};
    // A list with no row selected (a stored value none of its rows carries)
    // keeps the value it had.
    database::HoldDefaultValues({numbers[0], numbers[1], selectedData(lists_[0], before.clearZoneSpeed),
                                 selectedData(lists_[1], before.clearZoneAADT)});
    const platform::SqlStatus saved = database::SaveDefaultValues();
    if (!saved.ok()) {
        database::HoldDefaultValues(before);
        ShowDatabaseFailure(Caption, saved.text());
        return;
    }
    accept();
}

void ShowDefaultValuesDialog(QWidget *parent)
{
    auto *dialog = new DefaultValues(parent);
    dialog->adjustSize();
    database::CentreOnScreen(dialog);
    dialog->exec();
    delete dialog;
}

} // namespace input
