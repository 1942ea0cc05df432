#pragma once
// Form6, "Guide to Foundation Strength Options": one page per foundation
// soil type with its field and scientific identification, and a "Selected"
// mark that the engineer can hand back to the roadside environment dialog.

#include <QDialog>

#include <array>

class QButtonGroup;
class QGroupBox;
class QLabel;
class QPushButton;
class QRadioButton;
class QTabWidget;

namespace input {

class Form6 : public QDialog {
    Q_OBJECT
public:
    // Opens with `soilType` (1..4) marked; any other value marks none.
    explicit Form6(int soilType, QWidget *parent = nullptr);

    // The marked soil type, 1..4, or 0 when no page is marked.
    int chosenSoilType() const;

    QTabWidget *pages() const { return SSIndexTab1; }
    QRadioButton *selectedOption(int page) const { return Option3D1[static_cast<std::size_t>(page)]; }
    QPushButton *okButton(int page) const { return okButtons_[static_cast<std::size_t>(page)]; }
    QPushButton *cancelButton(int page) const { return cancelButtons_[static_cast<std::size_t>(page)]; }
    QGroupBox *fieldFrame(int page) const { return fieldFrames_[static_cast<std::size_t>(page)]; }
    QGroupBox *scientificFrame(int page) const { return scientificFrames_[static_cast<std::size_t>(page)]; }

protected:
    void keyPressEvent(QKeyEvent *event) override;

private:
    QTabWidget *SSIndexTab1 = nullptr;
    QButtonGroup *selected_ = nullptr;
    std::array<QRadioButton *, 4> Option3D1{};
    std::array<QGroupBox *, 4> fieldFrames_{};
    std::array<QGroupBox *, 4> scientificFrames_{};
    std::array<QPushButton *, 4> okButtons_{};
    std::array<QPushButton *, 4> cancelButtons_{};
};

} // namespace input
