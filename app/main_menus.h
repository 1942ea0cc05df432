#pragma once
// The main window's menu bar: File (with its Print submenu), Edit and Help.
// Item indexes follow the window's menu item arrays, separators included, so
// the commands and tests address items as the engineer counts them.
//
// Shortcuts belong to the main window only: another dialog's text box keeps
// its own Ctrl+C/V/Z/A. Inside the main window the menu comes first, even in
// the read-only warnings box that would otherwise take Ctrl+C as Copy.

#include <QObject>
#include <array>

class QAction;
class QMenu;
class QKeyEvent;

namespace app {

class Form5;

class MainMenus final : public QObject {
    Q_OBJECT
public:
    explicit MainMenus(Form5 &window);

    QMenu *fileMenu() const { return file_; }
    QMenu *editMenu() const { return edit_; }
    QMenu *helpMenu() const { return help_; }
    QMenu *printMenu() const { return print_; }
    // File items 0..10 (7 and 9 separators, 8 the Print submenu), Print
    // items 0..2, Edit items 0..5, and the Help menu's one item.
    QAction *fileItem(int index) const { return fileItems_.at(static_cast<size_t>(index)); }
    QAction *printItem(int index) const { return printItems_.at(static_cast<size_t>(index)); }
    QAction *editItem(int index) const { return editItems_.at(static_cast<size_t>(index)); }
    QAction *helpItem() const { return helpItem_; }

    // Close, Save, Save As and the Edit items follow DesignOpen; the rest are
    // always enabled. Run when a menu opens, after every command and after
    // every activation of the window, so no shortcut reaches a disabled item.
    void updateEnabling();

    // Keys that are menu shortcuts go to the menu, not to `box`.
    void giveShortcutsPriorityOver(QWidget *box);
    bool isMenuShortcut(const QKeyEvent &event) const;

protected:
    bool eventFilter(QObject *watched, QEvent *event) override;

private:
    // Adds an item whose command runs `command`, then refreshes the enabling.
    template <typename Command>
    QAction *addItem(QMenu *menu, const QString &caption, const QKeySequence &shortcut, const QString &name,
                     Command command);

    Form5 &window_;
    QMenu *file_ = nullptr;
    QMenu *print_ = nullptr;
    QMenu *edit_ = nullptr;
    QMenu *help_ = nullptr;
    std::array<QAction *, 11> fileItems_{};
    std::array<QAction *, 3> printItems_{};
    std::array<QAction *, 6> editItems_{};
    QAction *helpItem_ = nullptr;
};

} // namespace app
