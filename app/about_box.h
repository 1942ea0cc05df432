#pragma once
// "About": the product's name, version and the body that developed it.
// Modeless, centred on the screen, one at a time (Help raises an open one);
// OK, Esc and the close box close and delete it.

#include <QDialog>

class QLabel;
class QPushButton;

namespace app {

class AboutBox final : public QDialog {
    Q_OBJECT
public:
    explicit AboutBox(QWidget *parent = nullptr);

    // Labels 1..7 as the box shows them, top to bottom.
    QLabel *label(int index) const;
    QLabel *titleBand() const { return titleBand_; }
    QLabel *picture() const { return picture_; }
    QPushButton *okButton() const { return ok_; }

protected:
    void showEvent(QShowEvent *event) override;

private:
    QLabel *titleBand_ = nullptr;
    QLabel *picture_ = nullptr;
    QPushButton *ok_ = nullptr;
    bool centred_ = false;
};

using Form15 = AboutBox;

} // namespace app
