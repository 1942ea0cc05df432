#pragma once
// Small helpers shared by the storage and job management dialogs.

#include <QString>

class QWidget;

namespace database {

// A message title as the program writes them: the words, a run of 18 blanks,
// then the product name.
QString MessageTitle(const QString &words);

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
