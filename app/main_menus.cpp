#include "app/main_menus.h"

#include "app/main_window.h"
#include "engine/design_state.h"

#include <QAction>
#include <QKeyEvent>
#include <QMenu>
#include <QMenuBar>

namespace app {

template <typename Command>
QAction *MainMenus::addItem(QMenu *menu, const QString &caption, const QKeySequence &shortcut, const QString &name,
                            Command command)
{
    QAction *item = menu->addAction(caption);
    item->setObjectName(name);
    item->setShortcut(shortcut);
    // The window's own shortcuts: not while another window is active.
    item->setShortcutContext(Qt::WindowShortcut);
    connect(item, &QAction::triggered, this, [this, command] {
        command();
        updateEnabling();
    });
    return item;
}

MainMenus::MainMenus(Form5 &window) : QObject(&window), window_(window)
{
    QMenuBar *bar = window.menuBar();
    Form5 *w = &window;

    file_ = bar->addMenu(QStringLiteral("&File"));
    file_->setObjectName(QStringLiteral("menuFile"));
    const auto fileName = [](int index) { return QStringLiteral("menuFileItem_%1").arg(index); };
    fileItems_[0] = addItem(file_, QStringLiteral("&New"), QKeySequence(Qt::CTRL | Qt::Key_N), fileName(0),
                            [w] { w->FileNew(); });
    fileItems_[1] = addItem(file_, QStringLiteral("&Open"), QKeySequence(Qt::CTRL | Qt::Key_O), fileName(1),
                            [w] { w->FileOpen(); });
    fileItems_[2] = addItem(file_, QStringLiteral("&Close"), QKeySequence(Qt::CTRL | Qt::Key_C), fileName(2),
                            [w] { w->FileClose(); });
    fileItems_[3] = addItem(file_, QStringLiteral("&Save"), QKeySequence(Qt::CTRL | Qt::Key_S), fileName(3),
                            [w] { w->FileSave(); });
    fileItems_[4] = addItem(file_, QStringLiteral("&Save As"), QKeySequence(Qt::CTRL | Qt::Key_A), fileName(4),
                            [w] { w->FileSaveAs(); });
    fileItems_[5] = addItem(file_, QStringLiteral("&Rename"), QKeySequence(), fileName(5), [w] { w->FileRename(); });
    fileItems_[6] = addItem(file_, QStringLiteral("Delete"), QKeySequence(Qt::CTRL | Qt::Key_B), fileName(6),
                            [w] { w->FileDelete(); });
    fileItems_[7] = file_->addSeparator();
    print_ = file_->addMenu(QStringLiteral("&Print"));
    print_->setObjectName(QStringLiteral("menuPrint"));
    fileItems_[8] = print_->menuAction();
    fileItems_[8]->setObjectName(fileName(8));
    const std::array<QString, 3> printCaptions{QStringLiteral("&Design Form"), QStringLiteral("O&rder Form"),
                                               QStringLiteral("Su&mmary Form")};
    const std::array<QKeySequence, 3> printKeys{QKeySequence(Qt::CTRL | Qt::Key_D), QKeySequence(Qt::CTRL | Qt::Key_R),
                                                QKeySequence(Qt::CTRL | Qt::Key_M)};
    for (int i = 0; i < 3; ++i)
        printItems_[static_cast<size_t>(i)] =
            addItem(print_, printCaptions[static_cast<size_t>(i)], printKeys[static_cast<size_t>(i)],
                    QStringLiteral("menuPrintItem_%1").arg(i), [w, i] { w->PrintItem(i); });
    fileItems_[9] = file_->addSeparator();
    fileItems_[10] = addItem(file_, QStringLiteral("E&xit"), QKeySequence(Qt::CTRL | Qt::Key_F4), fileName(10),
                             [w] { w->FileExit(); });

    edit_ = bar->addMenu(QStringLiteral("&Edit"));
    edit_->setObjectName(QStringLiteral("menuEdit"));
    const std::array<QString, 6> editCaptions{QStringLiteral("Sign Detai&ls"),     QStringLiteral("&Environment Conditions"),
                                              QStringLiteral("Stiffener &Spacing"), QStringLiteral("&Notes"),
                                              QStringLiteral("Clear &Zone"),        QStringLiteral("Default &Values")};
    const std::array<QKeySequence, 6> editKeys{QKeySequence(Qt::CTRL | Qt::Key_L), QKeySequence(Qt::CTRL | Qt::Key_E),
                                               QKeySequence(Qt::CTRL | Qt::Key_T), QKeySequence(),
                                               QKeySequence(Qt::CTRL | Qt::Key_Z), QKeySequence(Qt::CTRL | Qt::Key_V)};
    for (int i = 0; i < 6; ++i)
        editItems_[static_cast<size_t>(i)] =
            addItem(edit_, editCaptions[static_cast<size_t>(i)], editKeys[static_cast<size_t>(i)],
                    QStringLiteral("menuEditItem_%1").arg(i), [w, i] { w->EditItem(i); });

    help_ = bar->addMenu(QStringLiteral("&Help"));
    help_->setObjectName(QStringLiteral("menuHelp"));
    helpItem_ = addItem(help_, QStringLiteral("About &Kelvora (Mastra)"), QKeySequence(Qt::CTRL | Qt::Key_G),
                        QStringLiteral("menuHelpItem_5"), [w] { w->HelpAbout(); });

    for (QMenu *menu : {file_, print_, edit_, help_})
        connect(menu, &QMenu::aboutToShow, this, &MainMenus::updateEnabling);
    updateEnabling();
}

void MainMenus::updateEnabling()
{
    const bool open = window_.designState().DesignOpen != 0;
    for (size_t i = 0; i < fileItems_.size(); ++i)
        fileItems_[i]->setEnabled(i < 2 || i > 4 || open);
    for (QAction *item : editItems_)
        item->setEnabled(open);
    for (QAction *item : printItems_)
        item->setEnabled(true);
    helpItem_->setEnabled(true);
}

bool MainMenus::isMenuShortcut(const QKeyEvent &event) const
{
    const QKeySequence pressed(event.keyCombination());
    const auto matches = [&](const QAction *item) { return !item->shortcut().isEmpty() && item->shortcut() == pressed; };
    return std::any_of(fileItems_.begin(), fileItems_.end(), matches)
           || std::any_of(printItems_.begin(), printItems_.end(), matches)
           || std::any_of(editItems_.begin(), editItems_.end(), matches) || matches(helpItem_);
}

void MainMenus::giveShortcutsPriorityOver(QWidget *box)
{
    if (box)
        box->installEventFilter(this);
}

bool MainMenus::eventFilter(QObject *watched, QEvent *event)
{
    // A text box announces the keys it wants before a shortcut runs; a menu
    // shortcut is refused here, so the menu item gets it.
    if (event->type() == QEvent::ShortcutOverride && isMenuShortcut(*static_cast<QKeyEvent *>(event))) {
        event->ignore();
        return true;
    }
    return QObject::eventFilter(watched, event);
}

} // namespace app
