#pragma once
// Small helpers shared by the storage and job management dialogs.

#include <QString>

class QLabel;
class QWidget;

namespace database {

// The dialog's name as its heading: bold, a size above the body text.
QLabel *NewDialogHeading(const QString &text, QWidget *parent);

// Moves a top-level window to the middle of its screen.
void CentreOnScreen(QWidget *window);

// The wait pointer for the life of the object, on every path out.
class WaitPointer {
public:
    WaitPointer();
    ~WaitPointer();
    WaitPointer(const WaitPointer &) = delete;
    WaitPointer &operator=(const WaitPointer &) = delete;
};

} // namespace database
