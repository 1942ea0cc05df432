#pragma once
// Form2, "Roadside Environment": the site inputs of the open design that the
// sign details form does not hold (wind region, exposed location, base type,
// foundation soil type). It edits a private working copy of the current
// design and writes it back only on OK. Start-up makes it hidden; the main
// window shows it modally.

#include "engine/design_state.h"

#include <QDialog>
#include <QString>

#include <array>

class QButtonGroup;
class QCheckBox;
class QPushButton;
class QRadioButton;
class QTabWidget;

namespace input {

class Form2 : public QDialog {
    Q_OBJECT
public:
    explicit Form2(engine::DesignState &state, QWidget *parent = nullptr);

    // The folder holding the owner's wind region map; the program's folder
    // unless set (tests point it at a temporary folder).
    void setMapFolder(const QString &folder) { mapFolder_ = folder; }

    const engine::DesignRecord &workingDesign() const { return WorkingDesign; }
    bool reloadWorkingCopy() const { return ReloadWorkingCopy; }

    QTabWidget *pages() const { return SSIndexTab1; }
    QRadioButton *regionOption(int i) const { return Option3D1[static_cast<std::size_t>(i)]; }
    QCheckBox *exposedCheck() const { return Check3D1; }
    QRadioButton *baseOption(int i) const { return Option3D2[static_cast<std::size_t>(i)]; }
    QRadioButton *soilOption(int i) const { return Option3D3[static_cast<std::size_t>(i)]; }
    QPushButton *mapGuideButton() const { return Command3D1; }
    QPushButton *soilGuideButton() const { return Command3D2; }
    QPushButton *okButton() const { return okButton_; }
    QPushButton *cancelButton() const { return cancelButton_; }

public slots:
    void accept() override;
    void reject() override;

protected:
    void showEvent(QShowEvent *event) override;
    void keyPressEvent(QKeyEvent *event) override;

private:
    void loadWorkingCopy();
    void showWindRegionMap();
    void showFoundationStrengthGuide();

    engine::DesignState &state_;
    engine::DesignRecord WorkingDesign;
    // Set whenever the dialog closes, so the next showing starts again from
    // the current design; cleared while a guide is open over the dialog.
    bool ReloadWorkingCopy = true;
    QString mapFolder_;

    QTabWidget *SSIndexTab1 = nullptr;
    std::array<QRadioButton *, 4> Option3D1{};
    QCheckBox *Check3D1 = nullptr;
    std::array<QRadioButton *, 2> Option3D2{};
    std::array<QRadioButton *, 4> Option3D3{};
    QButtonGroup *regions_ = nullptr;
    QButtonGroup *bases_ = nullptr;
    QButtonGroup *soils_ = nullptr;
    QPushButton *Command3D1 = nullptr;
    QPushButton *Command3D2 = nullptr;
    QPushButton *okButton_ = nullptr;
    QPushButton *cancelButton_ = nullptr;
};

} // namespace input
