#pragma once
// The sign details form's page behaviour beside the form: the entry rules and
// focus handling of the panel and key boxes, the sign layout view and its
// clicks, the directory of stored designs and the key status with its
// flashing heading, and the main page handler.

#include "input/panels_page.h"
#include "input/sign_layout_view.h"

#include <QObject>
#include <QPointF>
#include <QPointer>
#include <cstdint>

class QLineEdit;
class QTreeWidgetItem;

namespace input {

class Form1;

// Colours of the status heading Panel3D8(4).
inline constexpr int32_t StatusRed = 255;
inline constexpr int32_t StatusDarkGreen = 0x4000;

class PanelsPageImpl final : public QObject, public PanelsPage {
    Q_OBJECT
public:
    explicit PanelsPageImpl(Form1 &form);
    ~PanelsPageImpl() override;

    void DrawSignLayoutView() override;
    void FillDesignDirectory() override;
    void UpdateJobStatus() override;
    void SSIndexTab1_Click(int previous) override;

    void Text1_LostFocus(int index);
    void Text2_LostFocus(int index);
    void Outline1_Click(QTreeWidgetItem *item);
    void Outline1_PictureClick(QTreeWidgetItem *item);
    void Timer1_Timer();
    void Frame3D7_MouseUp(QPointF twips);
    void Label2_Click(int index);

    // The status heading's colour value (red in the lowest byte).
    int32_t statusColour() const { return statusColour_; }
    SignLayoutView *layoutView() const { return view_; }

protected:
    bool eventFilter(QObject *watched, QEvent *event) override;

private:
    // Tests text arriving in a panel box; true when it was refused.
    bool refuseEntry(QLineEdit *box, const QString &inserted, int at = -1);
    void pasteChecked(QLineEdit *box);
    void setStatusColour(int32_t colour);

    Form1 &form_;
    QPointer<SignLayoutView> view_;
    int32_t statusColour_ = StatusDarkGreen;
    // Mouse presses on the directory, and the item and press of the last pick.
    int outlinePress_ = 0;
    QTreeWidgetItem *lastPicked_ = nullptr;
    int lastPickPress_ = -1;
};

} // namespace input
