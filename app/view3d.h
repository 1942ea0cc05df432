#pragma once
// The three-dimensional strut view of the main window: the panel Panel3D10
// painting the view's scene over almost the whole client area, its "Back"
// button in Panel3D11, and the switch between it and the normal window.

#include "app/scene.h"

#include <QObject>
#include <QPointer>
#include <vector>

class QAction;
class QMenuBar;
class QPushButton;
class QWidget;

namespace app {

class Form5;
class SceneView;

// Menus hidden while a full-window view shows, and the actions disabled with
// them so no shortcut acts under the view.
struct HiddenMenus {
    std::vector<QPointer<QAction>> menus;
    std::vector<QPointer<QAction>> disabled;
};

// Hides the top-level menus of `bar` with the given object names (those that
// exist) and disables every enabled action in them.
HiddenMenus HideMenus(QMenuBar &bar, const QStringList &names);
// Shows those menus again and enables exactly the actions HideMenus disabled.
void RestoreMenus(HiddenMenus &hidden);

class View3D final : public QObject {
    Q_OBJECT
public:
    // Builds the view's panels in the window's client area, hidden, and
    // answers its "View 3D" button.
    explicit View3D(Form5 &window);

    // Places Panel3D11, Panel3D9 and Panel3D10 and redraws the scene, whether
    // the view shows or not.
    void LayoutView3D();

    QWidget *panel() const { return panel_; }
    QWidget *backPanel() const { return backPanel_; }
    QPushButton *backButton() const { return back_; }
    SceneView *sceneView() const { return view_; }
    const Scene &scene() const { return scene_; }
    bool isShown() const;

public slots:
    // "View 3D": the view takes the window, without menus.
    void Command3D2Click();
    // "Back": the normal window and its menus again.
    void Command3D3Click();

private:
    Form5 &window_;
    QWidget *panel_ = nullptr;
    SceneView *view_ = nullptr;
    QWidget *backPanel_ = nullptr;
    QPushButton *back_ = nullptr;
    Scene scene_;
    HiddenMenus hidden_;
};

} // namespace app
