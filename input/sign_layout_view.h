#pragma once
// Paints a sign layout scene (twips) and reports clicks on it: a label first,
// then the panel shapes.

#include "input/sign_layout_scene.h"

#include <QWidget>
#include <functional>

namespace input {

class SignLayoutView final : public QWidget {
    Q_OBJECT
public:
    explicit SignLayoutView(QWidget *parent = nullptr);

    void setScene(const SignLayoutScene &scene);
    const SignLayoutScene &scene() const { return scene_; }
    // The widget's size and a label's size for a caption, in twips.
    LayoutSize sizeInTwips() const;
    LayoutSize labelSize(const QString &caption) const;

    // A mouse release over the view (any button), at a point in twips.
    std::function<void(QPointF)> onRelease;
    // The view's size changed: its scene was placed for the old size.
    std::function<void()> onResize;

protected:
    void paintEvent(QPaintEvent *event) override;
    void mouseReleaseEvent(QMouseEvent *event) override;
    void resizeEvent(QResizeEvent *event) override;

private:
    SignLayoutScene scene_;
};

} // namespace input
