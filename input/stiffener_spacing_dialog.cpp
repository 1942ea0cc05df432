#include "input/stiffener_spacing_dialog.h"

#include "database/database_file.h"
#include "database/preferences.h"
#include "database/ui/dialog_support.h"
#include "engine/design_state.h"
#include "input/whole_number_input.h"

#include <QGridLayout>
#include <QHBoxLayout>
#include <QLabel>
#include <QLineEdit>
#include <QPushButton>
#include <QToolButton>
#include <QVBoxLayout>

namespace input {

const char *const StiffenerInputMessage =
    "Please enter whole numbers from 0 to 32767 (spacing increment at least 1).";

namespace {

const QString Caption = QStringLiteral("Stiffener Spacing");

const std::array<const char *, 5> Labels{
    "Spacing Increment",
    "Minimum Stiffener Spacing",
    "Maximum Stiffener Spacing",
    "Minimum Distance Between Stiffeners and Sign Edge",
    "Maximum Distance Between Stiffeners and Sign Edge",
};

const std::array<QString, 5> StandardSet{QStringLiteral("5"), QStringLiteral("250"), QStringLiteral("500"),
                                         QStringLiteral("50"), QStringLiteral("150")};
// The custom set made when the table holds none.
const std::array<QString, 5> FirstCustomSet{QStringLiteral("5"), QStringLiteral("250"), QStringLiteral("450"),
                                            QStringLiteral("25"), QStringLiteral("100")};

// The increment the dialog offers whatever the limit in force.
const QString OfferedIncrement = QStringLiteral("5");

constexpr int SpinStep = 5;
constexpr int SpinCeiling = 1000;

} // namespace

std::optional<int> StiffenerSpin(int box, bool up, const std::array<std::optional<int>, 5> &boxes)
{
    if (box < 1 || box > 4)
        return std::nullopt;
    const bool minimum = box == 1 || box == 3;
    const int partner = minimum ? box + 1 : box - 1;
    const std::optional<int> v = boxes[static_cast<size_t>(box)];
    const std::optional<int> other = boxes[static_cast<size_t>(partner)];
    if (!v || !other)
        return std::nullopt;
    bool allowed = false;
    if (minimum)
        allowed = up ? *other - SpinStep >= *v : (*v >= 2 * SpinStep && *other >= *v);
    else
        allowed = up ? *v <= SpinCeiling - SpinStep : (*v >= 2 * SpinStep && *other + SpinStep <= *v);
    if (!allowed)
        return std::nullopt;
    return up ? *v + SpinStep : *v - SpinStep;
}

Form3::Form3(engine::DesignState &state, QWidget *parent) : QDialog(parent), state_(state)
{
    setObjectName(QStringLiteral("Form3"));
    setWindowTitle(Caption);

    auto *grid = new QGridLayout;
    for (size_t i = 0; i < boxes_.size(); ++i) {
        const int row = static_cast<int>(i);
        auto *label = new QLabel(QString::fromLatin1(Labels[i]), this);
        auto *box = new QLineEdit(this);
        box->setObjectName(QStringLiteral("Text1_%1").arg(i));
        box->setAlignment(Qt::AlignRight);
        box->setFixedWidth(box->fontMetrics().horizontalAdvance(QStringLiteral("000000")) + 12);
        AcceptDigitsOnly(box);
        label->setBuddy(box);
        boxes_[i] = box;

        auto makeArrow = [this, row](Qt::ArrowType arrow, const QString &name) {
            auto *b = new QToolButton(this);
            b->setObjectName(name.arg(row));
            b->setArrowType(arrow);
            b->setAutoRepeat(true);
            b->setFocusPolicy(Qt::NoFocus);
            b->setFixedSize(18, 12);
            return b;
        };
        spinUp_[i] = makeArrow(Qt::UpArrow, QStringLiteral("Spin1Up_%1"));
        spinDown_[i] = makeArrow(Qt::DownArrow, QStringLiteral("Spin1Down_%1"));
        connect(spinUp_[i], &QToolButton::clicked, this, [this, row] { SpinUp(row); });
        connect(spinDown_[i], &QToolButton::clicked, this, [this, row] { SpinDown(row); });
        auto *spinPair = new QVBoxLayout;
        spinPair->setSpacing(0);
        spinPair->addWidget(spinUp_[i]);
        spinPair->addWidget(spinDown_[i]);

        grid->addWidget(label, row, 0);
        grid->addWidget(box, row, 1);
        grid->addLayout(spinPair, row, 2);
    }

    auto makeCommand = [this](int index, const QString &text) {
        auto *b = new QPushButton(text, this);
        b->setObjectName(QStringLiteral("Command1_%1").arg(index));
        b->setAutoDefault(false);
        commands_[static_cast<size_t>(index)] = b;
        return b;
    };
    connect(makeCommand(0, QStringLiteral("Use ES-126-1999 Setting")), &QPushButton::clicked, this,
            &Form3::UseStandardSetting);
    connect(makeCommand(1, QStringLiteral("Use Custom Setting")), &QPushButton::clicked, this,
            &Form3::UseCustomSetting);
    connect(makeCommand(2, QStringLiteral("Save Current as Custom Setting")), &QPushButton::clicked, this,
            &Form3::SaveCustomSetting);
    // Cancel is the dialog's reject, which Escape and the close box also give.
    connect(makeCommand(4, QStringLiteral("Cancel")), &QPushButton::clicked, this, &QDialog::reject);
    QPushButton *ok = makeCommand(5, QStringLiteral("OK"));
    ok->setDefault(true);
    connect(ok, &QPushButton::clicked, this, &Form3::Ok);

    auto *buttons = new QVBoxLayout;
    buttons->addWidget(commands_[0]);
    buttons->addWidget(commands_[1]);
    buttons->addWidget(commands_[2]);
    buttons->addStretch();
    auto *okCancel = new QHBoxLayout;
    okCancel->addWidget(commands_[5]);
    okCancel->addWidget(commands_[4]);
    buttons->addLayout(okCancel);

    auto *layout = new QHBoxLayout(this);
    layout->addLayout(grid);
    layout->addSpacing(12);
    layout->addLayout(buttons);
    layout->setSizeConstraint(QLayout::SetFixedSize);
}

QPushButton *Form3::command(int index) const
{
    if (index < 0 || index >= static_cast<int>(commands_.size()))
        return nullptr;
    return commands_[static_cast<size_t>(index)];
}

void Form3::showEvent(QShowEvent *event)
{
    std::array<QString, 5> texts;
    for (size_t i = 0; i < texts.size(); ++i)
        texts[i] = QString::number(state_.StiffenerLimit[i + 1]);
    texts[0] = OfferedIncrement;
    fillBoxes(texts);
    QDialog::showEvent(event);
}

void Form3::fillBoxes(const std::array<QString, 5> &texts)
{
    for (size_t i = 0; i < boxes_.size(); ++i)
        boxes_[i]->setText(texts[i]);
}

std::array<std::optional<int>, 5> Form3::readBoxes() const
{
    std::array<std::optional<int>, 5> values;
    for (size_t i = 0; i < values.size(); ++i)
        values[i] = StoredWholeNumber(boxes_[i]->text());
    return values;
}

std::optional<std::array<int16_t, 5>> Form3::checkedBoxes() const
{
    const std::array<std::optional<int>, 5> read = readBoxes();
    std::array<int16_t, 5> values{};
    bool valid = true;
    for (size_t i = 0; i < read.size(); ++i) {
        if (!read[i]) {
            valid = false;
            break;
        }
        values[i] = static_cast<int16_t>(*read[i]);
    }
    // An increment of 0 would stall the stiffener search; start-up drops
    // such a stored set.
    if (valid && values[0] < 1)
        valid = false;
    if (!valid) {
        ShowInvalidInput(QString::fromLatin1(StiffenerInputMessage));
        return std::nullopt;
    }
    return values;
}

void Form3::UseStandardSetting() { fillBoxes(StandardSet); }

void Form3::UseCustomSetting()
{
    platform::SqlConnection *db = database::CurrentDatabase();
    if (!db) {
        ShowDatabaseFailure(Caption, QStringLiteral("No database is open."));
        return;
    }
    database::StoredStiffenerLimits stored;
    const platform::SqlStatus s = database::ReadStoredStiffenerLimits(*db, stored);
    if (!s.ok()) {
        ShowDatabaseFailure(Caption, s.text());
        return;
    }
    if (stored.hasRow) {
        std::array<QString, 5> texts;
        // A value the table cannot give as a whole number shows as an empty
        // box, which OK and Save then refuse.
        for (size_t i = 0; i < texts.size(); ++i)
            texts[i] = stored.values[i] ? QString::number(*stored.values[i]) : QString();
        fillBoxes(texts);
        return;
    }
    // No custom set yet: keep the first one and offer it; when it cannot be
    // kept the boxes stay as they were.
    std::array<int16_t, 5> values{};
    for (size_t i = 0; i < values.size(); ++i)
        values[i] = static_cast<int16_t>(FirstCustomSet[i].toInt());
    if (writeCustomSet(values))
        fillBoxes(FirstCustomSet);
}

void Form3::SaveCustomSetting()
{
    const std::optional<std::array<int16_t, 5>> values = checkedBoxes();
    if (values)
        writeCustomSet(*values);
}

bool Form3::writeCustomSet(const std::array<int16_t, 5> &values)
{
    platform::SqlConnection *db = database::CurrentDatabase();
    if (!db) {
        ShowDatabaseFailure(Caption, QStringLiteral("No database is open."));
        return false;
    }
    const platform::SqlStatus s = database::WriteStiffenerLimits(*db, values);
    if (!s.ok())
        ShowDatabaseFailure(Caption, s.text());
    return s.ok();
}

void Form3::Ok()
{
    const std::optional<std::array<int16_t, 5>> values = checkedBoxes();
    if (!values)
        return;
    for (size_t i = 0; i < values->size(); ++i)
        state_.StiffenerLimit[i + 1] = (*values)[i];
    // Whether the stiffeners need a new run is left to the activation's
    // plain re-run; only the unsaved change is marked.
    state_.DesignChanged = engine::FlagTrue;
    accept();
}

void Form3::SpinDown(int index) { spin(index, false); }
void Form3::SpinUp(int index) { spin(index, true); }

void Form3::spin(int index, bool up)
{
    const std::optional<int> next = StiffenerSpin(index, up, readBoxes());
    if (next)
        boxes_[static_cast<size_t>(index)]->setText(QString::number(*next));
}

void ShowStiffenerSpacingDialog(engine::DesignState &state, QWidget *parent)
{
    auto *dialog = new Form3(state, parent);
    dialog->adjustSize();
    database::CentreOnScreen(dialog);
    dialog->exec();
    delete dialog;
}

} // namespace input
