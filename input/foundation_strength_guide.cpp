#include "input/foundation_strength_guide.h"

#include "database/ui/dialog_support.h"
#include "input/group_choice.h"

#include <QButtonGroup>
#include <QGroupBox>
#include <QHBoxLayout>
#include <QKeyEvent>
#include <QLabel>
#include <QPushButton>
#include <QRadioButton>
#include <QTabWidget>
#include <QVBoxLayout>

namespace input {
namespace {

struct SoilPage {
    const char *caption;
    const char *field;
    std::array<const char *, 3> figures;
};

// Page k describes soil type k + 1.
constexpr std::array<SoilPage, 4> SoilPages{{
    {"Clay Soil - Firm to Stiff",
     "Effort is required to penetrate with thumb or remould with fingers",
     {"Undrained Shear Strength, Cu = 75 kPa", "Elastic Modulus, E = 8,000 kPa",
      "Subgrade Reaction Modulus, k = 30 MN/m3"}},
    {"Clay Soil - Stiff to Hard",
     "Only indented by thumb and not possible to remould in fingers without adding water",
     {"Undrained Shear Strength, Cu = 150 kPa", "Elastic Modulus, E = 16,000 kPa",
      "Subgrade Reaction Modulus, k = 60 MN/m3"}},
    {"Sand - Loose to Medium Dense",
     "No significant resistance to excavation with spade or penetration by crowbar",
     {"Friction Angle = 35 degrees", "Elastic Modulus, E = 40,000 kPa",
      "Coefficient of Modulus Variation = 3 MNm3"}},
    {"Sand - Dense",
     "Noticeable resistance to excavation with spade or little penetration by crowbar",
     {"Friction Angle = 45 degrees", "Elastic Modulus, E = 80,000 kPa",
      "Coefficient of Modulus Variation = 9 MNm3"}},
}};

} // namespace

Form6::Form6(int soilType, QWidget *parent) : QDialog(parent)
{
    setWindowTitle(QStringLiteral("Guide to Foundation Strength Options"));
    setModal(true);
    SSIndexTab1 = new QTabWidget(this);
    // All four soil types in view at once: the dialog widens to its tabs.
    SSIndexTab1->setUsesScrollButtons(false);
    // One "Selected" per page, acting as one group across the pages.
    selected_ = new QButtonGroup(this);
    selected_->setExclusive(true);

    for (std::size_t k = 0; k < SoilPages.size(); ++k) {
        const SoilPage &text = SoilPages[k];
        auto *page = new QWidget;
        Option3D1[k] = new QRadioButton(QStringLiteral("Selected"), page);
        selected_->addButton(Option3D1[k], static_cast<int>(k));

        fieldFrames_[k] = new QGroupBox(QStringLiteral("Field Identification"), page);
        auto *fieldLayout = new QVBoxLayout(fieldFrames_[k]);
        auto *description = new QLabel(QString::fromLatin1(text.field), fieldFrames_[k]);
        description->setWordWrap(true);
        fieldLayout->addWidget(description);

        scientificFrames_[k] = new QGroupBox(QStringLiteral("Scientific Identification"), page);
        auto *figureLayout = new QVBoxLayout(scientificFrames_[k]);
        for (const char *figure : text.figures)
            figureLayout->addWidget(new QLabel(QString::fromLatin1(figure), scientificFrames_[k]));

        okButtons_[k] = new QPushButton(QStringLiteral("OK"), page);
        cancelButtons_[k] = new QPushButton(QStringLiteral("Cancel"), page);
        connect(okButtons_[k], &QPushButton::clicked, this, &Form6::accept);
        connect(cancelButtons_[k], &QPushButton::clicked, this, &Form6::reject);

        auto *buttons = new QHBoxLayout;
        buttons->addWidget(Option3D1[k]);
        buttons->addStretch();
        buttons->addWidget(okButtons_[k]);
        buttons->addWidget(cancelButtons_[k]);
        auto *layout = new QVBoxLayout(page);
        layout->addWidget(fieldFrames_[k]);
        layout->addWidget(scientificFrames_[k]);
        layout->addLayout(buttons);
        SSIndexTab1->addTab(page, QString::fromLatin1(text.caption));
    }
    auto *layout = new QVBoxLayout(this);
    layout->addWidget(SSIndexTab1);

    SetGroupChoice(*selected_, soilType - 1);
    SSIndexTab1->setCurrentIndex(0);
    adjustSize();
    database::CentreOnScreen(this);
}

int Form6::chosenSoilType() const
{
    return GroupChoice(*selected_) + 1;
}

void Form6::keyPressEvent(QKeyEvent *event)
{
    // Enter is every page's OK and Esc every page's Cancel; a button with the
    // focus answers Enter itself before this.
    const bool plain = event->modifiers() == Qt::NoModifier || event->modifiers() == Qt::KeypadModifier;
    if (plain && (event->key() == Qt::Key_Return || event->key() == Qt::Key_Enter)) {
        accept();
        return;
    }
    if (plain && event->key() == Qt::Key_Escape) {
        reject();
        return;
    }
    QDialog::keyPressEvent(event);
}

} // namespace input
