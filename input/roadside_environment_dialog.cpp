#include "input/roadside_environment_dialog.h"

#include "database/ui/dialog_support.h"
#include "input/foundation_strength_guide.h"
#include "input/group_choice.h"
#include "input/wind_region_map.h"

#include <QButtonGroup>
#include <QCheckBox>
#include <QCoreApplication>
#include <QGridLayout>
#include <QGroupBox>
#include <QHBoxLayout>
#include <QKeyEvent>
#include <QLabel>
#include <QPushButton>
#include <QRadioButton>
#include <QSignalBlocker>
#include <QTabWidget>
#include <QVBoxLayout>

#include <memory>

namespace input {
namespace {

QButtonGroup *optionGroup(QObject *owner)
{
    auto *group = new QButtonGroup(owner);
    group->setExclusive(true);
    return group;
}

QRadioButton *addOption(QButtonGroup *group, int id, const QString &caption, QWidget *parent)
{
    auto *option = new QRadioButton(caption, parent);
    group->addButton(option, id);
    return option;
}

} // namespace

Form2::Form2(engine::DesignState &state, QWidget *parent)
    : QDialog(parent), state_(state), mapFolder_(QCoreApplication::applicationDirPath())
{
    setWindowTitle(QStringLiteral("Roadside Environment"));
    setModal(true);

    SSIndexTab1 = new QTabWidget(this);
    regions_ = optionGroup(this);
    bases_ = optionGroup(this);
    soils_ = optionGroup(this);

    // "Wind Region": the four regions, the exposure and the map guide.
    auto *windPage = new QWidget;
    {
        auto *regionFrame = new QGroupBox(QStringLiteral("Select the Wind Region"), windPage);
        auto *regionLayout = new QVBoxLayout(regionFrame);
        const char *regionCaptions[] = {"Region A", "Region B", "Region C", "Region D"};
        for (int i = 0; i < 4; ++i) {
            Option3D1[static_cast<std::size_t>(i)] =
                addOption(regions_, i, QString::fromLatin1(regionCaptions[i]), regionFrame);
            regionLayout->addWidget(Option3D1[static_cast<std::size_t>(i)]);
        }
        auto *exposedFrame = new QGroupBox(QStringLiteral("Exposed Location Option"), windPage);
        auto *exposedLayout = new QVBoxLayout(exposedFrame);
        Check3D1 = new QCheckBox(QStringLiteral("This is an Exposed Location"), exposedFrame);
        exposedLayout->addWidget(Check3D1);
        Command3D1 = new QPushButton(QStringLiteral("    Guide to Wind Regions    (Click)"), windPage);

        auto *layout = new QGridLayout(windPage);
        layout->addWidget(regionFrame, 0, 0, 2, 1);
        layout->addWidget(exposedFrame, 0, 1);
        layout->addWidget(Command3D1, 1, 1, Qt::AlignBottom);
    }
    SSIndexTab1->addTab(windPage, QStringLiteral("Wind Region"));

    // "Soil Type": clay and sand soils under their labels, one group.
    auto *soilPage = new QWidget;
    {
        auto *soilFrame = new QGroupBox(QStringLiteral("Select the Foundation Soil Type"), soilPage);
        auto *soilLayout = new QGridLayout(soilFrame);
        soilLayout->addWidget(new QLabel(QStringLiteral("Cohesive Clay Soils :"), soilFrame), 0, 0);
        soilLayout->addWidget(new QLabel(QStringLiteral("Cohesionless Sand Soils :"), soilFrame), 0, 1);
        const char *soilCaptions[] = {"Firm to Stiff", "Very Stiff", "Loose to Medium Dense", "Dense"};
        for (int i = 0; i < 4; ++i) {
            auto *option = addOption(soils_, i, QString::fromLatin1(soilCaptions[i]), soilFrame);
            Option3D3[static_cast<std::size_t>(i)] = option;
            soilLayout->addWidget(option, 1 + i % 2, i / 2);
        }
        Command3D2 = new QPushButton(QStringLiteral("Guide to Foundation Strength Selection  (Click)"), soilPage);
        auto *layout = new QVBoxLayout(soilPage);
        layout->addWidget(soilFrame);
        layout->addWidget(Command3D2, 0, Qt::AlignRight);
    }
    SSIndexTab1->addTab(soilPage, QStringLiteral("Soil Type"));

    // "Slip Base": the base type.
    auto *basePage = new QWidget;
    {
        auto *baseFrame = new QGroupBox(QStringLiteral("Support Risk Options"), basePage);
        auto *baseLayout = new QVBoxLayout(baseFrame);
        Option3D2[0] = addOption(bases_, 0, QStringLiteral("Rigid base"), baseFrame);
        Option3D2[1] = addOption(bases_, 1, QStringLiteral("Slip base"), baseFrame);
        baseLayout->addWidget(Option3D2[0]);
        baseLayout->addWidget(Option3D2[1]);
        auto *layout = new QVBoxLayout(basePage);
        layout->addWidget(baseFrame);
        layout->addStretch();
    }
    SSIndexTab1->addTab(basePage, QStringLiteral("Slip Base"));

    // OK and Cancel below the pages, so every page has them.
    okButton_ = new QPushButton(QStringLiteral("OK"), this);
    cancelButton_ = new QPushButton(QStringLiteral("Cancel"), this);
    auto *buttons = new QHBoxLayout;
    buttons->addStretch();
    buttons->addWidget(okButton_);
    buttons->addWidget(cancelButton_);
    auto *layout = new QVBoxLayout(this);
    layout->addWidget(SSIndexTab1);
    layout->addLayout(buttons);

    // Every choice goes straight into the working copy, also one made from
    // code (a guide handing its choice back).
    connect(regions_, &QButtonGroup::idToggled, this, [this](int id, bool checked) {
        if (checked)
            WorkingDesign.WindRegion = static_cast<int16_t>(id + 1);
    });
    connect(Check3D1, &QCheckBox::toggled, this,
            [this](bool checked) { WorkingDesign.ExposedLocation = checked ? 1 : 0; });
    connect(bases_, &QButtonGroup::idToggled, this, [this](int id, bool checked) {
        if (checked)
            WorkingDesign.CollisionRisk = static_cast<int16_t>(id + 1);
    });
    connect(soils_, &QButtonGroup::idToggled, this, [this](int id, bool checked) {
        if (checked)
            WorkingDesign.SoilType = static_cast<int16_t>(id + 1);
    });
    connect(okButton_, &QPushButton::clicked, this, &Form2::accept);
    connect(cancelButton_, &QPushButton::clicked, this, &Form2::reject);
    connect(Command3D1, &QPushButton::clicked, this, &Form2::showWindRegionMap);
    connect(Command3D2, &QPushButton::clicked, this, &Form2::showFoundationStrengthGuide);

    SSIndexTab1->setCurrentIndex(0);
    adjustSize();
    database::CentreOnScreen(this);
}

void Form2::showEvent(QShowEvent *event)
{
    // A guide closing re-activates the dialog without showing it again, so
    // the working copy and any choice the guide handed back survive.
    if (ReloadWorkingCopy) {
        ReloadWorkingCopy = false;
        loadWorkingCopy();
    }
    QDialog::showEvent(event);
}

void Form2::loadWorkingCopy()
{
    engine::CopyDesignRecord(state_.CurrentDesign, WorkingDesign);
    // Setting the controls is not a click: the copy keeps even a value that
    // has no option (a stored 0), and that group shows nothing checked.
    const QSignalBlocker blockCheck(Check3D1);
    const QSignalBlocker blockRegions(regions_);
    const QSignalBlocker blockSoils(soils_);
    const QSignalBlocker blockBases(bases_);
    Check3D1->setChecked(WorkingDesign.ExposedLocation != 0);
    SetGroupChoice(*regions_, WorkingDesign.WindRegion - 1);
    SetGroupChoice(*soils_, WorkingDesign.SoilType - 1);
    SetGroupChoice(*bases_, WorkingDesign.CollisionRisk - 1);
}

void Form2::accept()
{
    engine::CompareDesignRecords(WorkingDesign, state_.CurrentDesign, state_.DesignChanged, state_.RedesignNeeded);
    engine::CopyDesignRecord(WorkingDesign, state_.CurrentDesign);
    ReloadWorkingCopy = true;
    QDialog::accept();
}

void Form2::reject()
{
    ReloadWorkingCopy = true;
    QDialog::reject();
}

void Form2::keyPressEvent(QKeyEvent *event)
{
    // Enter and Esc both close without applying; only OK applies. A focused
    // push button takes Enter itself before it gets here.
    switch (event->key()) {
    case Qt::Key_Return:
    case Qt::Key_Enter:
    case Qt::Key_Escape:
        if (event->modifiers() == Qt::NoModifier || event->modifiers() == Qt::KeypadModifier) {
            reject();
            return;
        }
        break;
    default:
        break;
    }
    QDialog::keyPressEvent(event);
}

void Form2::showWindRegionMap()
{
    ReloadWorkingCopy = false;
    const auto map = std::make_unique<Form4>(GroupChoice(*regions_) + 1, mapFolder_, this);
    if (map->exec() == QDialog::Accepted && map->chosenRegion() >= 1)
        regions_->button(map->chosenRegion() - 1)->setChecked(true);
}

void Form2::showFoundationStrengthGuide()
{
    ReloadWorkingCopy = false;
    const auto guide = std::make_unique<Form6>(GroupChoice(*soils_) + 1, this);
    if (guide->exec() == QDialog::Accepted && guide->chosenSoilType() >= 1)
        soils_->button(guide->chosenSoilType() - 1)->setChecked(true);
}

} // namespace input
