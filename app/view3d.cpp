#include "app/view3d.h"

#include "app/main_window.h"
#include "app/scene_view.h"
#include "app/view3d_scene.h"
#include "platform/widgets/twips.h"

#include <QAction>
#include <QFrame>
#include <QHBoxLayout>
#include <QMenu>
#include <QMenuBar>
#include <QPushButton>
#include <cmath>

namespace app {
namespace {

int pixels(double twips, double tpp) { return static_cast<int>(std::lround(twips / tpp)); }

void disableActions(QMenu &menu, HiddenMenus &hidden)
{
    for (QAction *action : menu.actions()) {
        if (action->menu())
            disableActions(*action->menu(), hidden);
        if (action->isEnabled()) {
            action->setEnabled(false);
            hidden.disabled.emplace_back(action);
        }
    }
}

} // namespace

HiddenMenus HideMenus(QMenuBar &bar, const QStringList &names)
{
    HiddenMenus hidden;
    for (QAction *entry : bar.actions()) {
        QMenu *menu = entry->menu();
        if (!menu || !names.contains(menu->objectName()) || !entry->isVisible())
            continue;
        entry->setVisible(false);
        hidden.menus.emplace_back(entry);
        disableActions(*menu, hidden);
    }
    return hidden;
}

void RestoreMenus(HiddenMenus &hidden)
{
    for (const QPointer<QAction> &action : hidden.disabled)
        if (action)
            action->setEnabled(true);
    for (const QPointer<QAction> &entry : hidden.menus)
        if (entry)
            entry->setVisible(true);
    hidden = {};
}

View3D::View3D(Form5 &window) : QObject(&window), window_(window), scene_(InitialView3DScene())
{
    QWidget *client = window.centralWidget();
    panel_ = new QWidget(client);
    panel_->setObjectName(QStringLiteral("Panel3D10"));
    panel_->setAutoFillBackground(true);
    QPalette palette = panel_->palette();
    palette.setColor(QPalette::Window, SceneColour(View3DBackground));
    panel_->setPalette(palette);
    view_ = new SceneView(panel_);
    view_->setObjectName(QStringLiteral("View3DScene"));

    backPanel_ = new QWidget(panel_);
    backPanel_->setObjectName(QStringLiteral("Panel3D11"));
    auto *layout = new QHBoxLayout(backPanel_);
    layout->setContentsMargins(0, 0, 0, 0);
    back_ = new QPushButton(QStringLiteral("Back"), backPanel_);
    back_->setObjectName(QStringLiteral("Command3D3"));
    layout->addWidget(back_);
    backPanel_->resize(backPanel_->sizeHint());
    backPanel_->hide();
    panel_->hide();

    connect(&window, &Form5::view3DRequested, this, &View3D::Command3D2Click);
    connect(back_, &QPushButton::clicked, this, &View3D::Command3D3Click);
}

bool View3D::isShown() const { return !panel_->isHidden(); }

void View3D::LayoutView3D()
{
    QWidget *client = window_.centralWidget();
    const double tpp = platform::TwipsPerPixel(window_);
    const double sw = client->width() * tpp;
    const double sh = client->height() * tpp;

    const double backWidth = backPanel_->width() * tpp;
    backPanel_->move(pixels(sw - backWidth - 280, tpp), pixels(150, tpp));

    if (QWidget *holder = window_.view3DHolder()) {
        const double areaWidth = window_.designViewArea()->width() * tpp;
        holder->resize(holder->sizeHint());
        const double holderWidth = holder->width() * tpp;
        holder->move(pixels(areaWidth - holderWidth - 0.02 * areaWidth, tpp), pixels(0.02 * areaWidth, tpp));
    }

    const double width = 0.99 * sw;
    const double height = 0.99 * sh;
    panel_->setGeometry(pixels(0.005 * sw, tpp), pixels(0.005 * sh, tpp), pixels(width, tpp), pixels(height, tpp));
    view_->setGeometry(0, 0, panel_->width(), panel_->height());
    backPanel_->raise();

    DrawView3D(window_.designState(), width, height, scene_);
    view_->setScene(scene_);
}

void View3D::Command3D2Click()
{
    if (QWidget *outer = window_.findChild<QWidget *>(QStringLiteral("Panel3D1")))
        outer->hide();
    window_.view3DHolder()->hide();
    backPanel_->show();
    panel_->show();
    panel_->raise();
    hidden_ = HideMenus(*window_.menuBar(),
                        {QStringLiteral("menuFile"), QStringLiteral("menuEdit"), QStringLiteral("menuHelp")});
    back_->setFocus();
}

void View3D::Command3D3Click()
{
    if (QWidget *outer = window_.findChild<QWidget *>(QStringLiteral("Panel3D1")))
        outer->show();
    window_.view3DHolder()->show();
    backPanel_->hide();
    panel_->hide();
    RestoreMenus(hidden_);
}

} // namespace app
