#include "app/design_view_widget.h"

#include "app/main_window.h"
#include "engine/values.h"
#include "platform/widgets/twips.h"

#include <QEvent>
#include <QFontMetrics>
#include <QFrame>

namespace app {

DesignViewWidget::DesignViewWidget(const engine::DesignState &state, QFrame *area)
    : SceneView(area), state_(state), area_(area)
{
    setObjectName(QStringLiteral("DesignElevation"));
    setGeometry(area_->contentsRect());
    // Beneath the "View 3D" holder, which shares the frame.
    lower();
    area_->installEventFilter(this);
    setScene(HiddenDesignElevation());
}

ElevationArea DesignViewWidget::elevationArea() const
{
    const double tppx = platform::TwipsPerPixel(*this);
    const QRect contents = area_->contentsRect();
    return {engine::ClampToInt32(engine::RoundHalfEven(platform::PixelsToTwips(contents.width(), tppx))),
            engine::ClampToInt32(engine::RoundHalfEven(platform::PixelsToTwips(contents.height(), tppx))), tppx};
}

TextExtent DesignViewWidget::measureText(const std::string &text) const
{
    const double tppx = platform::TwipsPerPixel(*this);
    const QFontMetrics metrics(font());
    const int pixels = metrics.horizontalAdvance(QString::fromStdString(text));
    return {engine::ClampToInt32(engine::RoundHalfEven(pixels * tppx)),
            engine::ClampToInt32(engine::RoundHalfEven(metrics.height() * tppx))};
}

void DesignViewWidget::DrawDesignView()
{
    drawn_ = true;
    setScene(DesignElevationScene(state_, elevationArea(),
                                  [this](const std::string &text) { return measureText(text); }));
}

void DesignViewWidget::HideDesignView()
{
    drawn_ = false;
    setScene(HiddenDesignElevation());
}

bool DesignViewWidget::eventFilter(QObject *watched, QEvent *event)
{
    // A new size of the frame scales the drawing to it.
    if (watched == area_ && event->type() == QEvent::Resize) {
        setGeometry(area_->contentsRect());
        if (drawn_)
            DrawDesignView();
    }
    return SceneView::eventFilter(watched, event);
}

DesignViewWidget *InstallDesignView(Form5 &window)
{
    auto *view = new DesignViewWidget(window.designState(), window.designViewArea());
    DesignViewHooks hooks = window.designViewHooks();
    hooks.drawDesignView = [view] { view->DrawDesignView(); };
    hooks.hideDesignView = [view] { view->HideDesignView(); };
    window.setDesignViewHooks(std::move(hooks));
    return view;
}

} // namespace app
