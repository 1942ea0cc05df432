#pragma once
// The design elevation on the main window: a scene view laid over the
// contents of the design view frame, rebuilt whole from the open design each
// time the window refreshes it (DrawDesignView) and blanked when the viewed
// kind has no result (HideDesignView).

#include "app/design_elevation_scene.h"
#include "app/scene_view.h"

class QFrame;

namespace engine {
struct DesignState;
}

namespace app {

class Form5;

class DesignViewWidget final : public SceneView {
    Q_OBJECT
public:
    DesignViewWidget(const engine::DesignState &state, QFrame *area);

    void DrawDesignView();
    void HideDesignView();
    // Whether the last call drew the view (a resize then draws it again).
    bool isDrawn() const { return drawn_; }
    // The frame's contents in twips, as the scene is built for.
    ElevationArea elevationArea() const;
    // The width and height of a text in this view's font, in twips.
    TextExtent measureText(const std::string &text) const;

protected:
    bool eventFilter(QObject *watched, QEvent *event) override;

private:
    const engine::DesignState &state_;
    QFrame *area_;
    bool drawn_ = false;
};

// Puts the view into the window's design view frame and answers the window's
// draw and hide hooks with it; the three-dimensional view's hook is kept.
DesignViewWidget *InstallDesignView(Form5 &window);

} // namespace app
