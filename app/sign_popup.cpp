#include "app/sign_popup.h"

#include "app/record_text.h"
#include "app/result_panel.h"
#include "engine/design_state.h"
#include "engine/values.h"
#include "platform/widgets/twips.h"

#include <QLabel>
#include <QVBoxLayout>
#include <algorithm>
#include <cmath>

namespace app {

std::array<QString, 6> SignPopupLines(const engine::DesignState &state, int slot)
{
    slot = std::clamp(slot, 1, engine::kBackSlot);
    const auto s = static_cast<size_t>(slot);
    const engine::DesignRecord &d = state.CurrentDesign;
    const engine::SupportDesign &sd = state.SupportDesigns[static_cast<size_t>(ViewedSupportType(state))];
    const bool back = slot == engine::kBackSlot;
    return {
        QStringLiteral("Sign : ") + RecordText(d.SignCode[s].view()),
        QStringLiteral("Width : ") + QString::number(back ? d.BackSignWidth : d.FrontSignWidth[s]),
        QStringLiteral("Height : ") + QString::number(back ? d.BackSignDepth : d.FrontSignDepth[s]),
        QStringLiteral("Stiffeners : ") + QString::number(sd.NumStiffeners[s]),
        QStringLiteral("Stiff Spac : ") + QString::number(sd.StiffenerSpacing[s]),
        QStringLiteral("Brackets : ") + QString::number(sd.NumBrackets[s]),
    };
}

SignPopupPlace PlaceSignPopup(const SignPopupGeometry &g)
{
    // The window works these out in single precision and a 16-bit whole number.
    const auto need = engine::ToInt16(static_cast<float>(g.headingTop) + static_cast<float>(g.headingHeight)
                                      + SignPopupGap + static_cast<float>(g.buttonHeight) + SignPopupGap
                                      + static_cast<float>(g.popupHeight));
    SignPopupPlace place;
    place.left = g.buttonLeft;
    place.below = g.paneHeight >= need;
    place.top = place.below ? g.buttonTop + g.buttonHeight + SignPopupGap : g.buttonTop - SignPopupGap - g.popupHeight;
    return place;
}

SignPopup::SignPopup(const engine::DesignState &state, QWidget *resultsPane) : QFrame(resultsPane), state_(state)
{
    setObjectName(QStringLiteral("Panel3D16"));
    setFrameStyle(QFrame::Panel | QFrame::Raised);
    setAutoFillBackground(true);
    const double tppx = platform::TwipsPerPixel(*this);
    setFixedSize(static_cast<int>(std::lround(SignPopupWidth / tppx)),
                 static_cast<int>(std::lround(SignPopupHeight / tppx)));
    auto *layout = new QVBoxLayout(this);
    layout->setContentsMargins(4, 3, 2, 3);
    layout->setSpacing(0);
    for (size_t i = 0; i < lines_.size(); ++i) {
        lines_[i] = new QLabel(this);
        lines_[i]->setObjectName(QStringLiteral("Label5_%1").arg(i));
        lines_[i]->setTextFormat(Qt::PlainText);
        layout->addWidget(lines_[i], 1);
    }
    hide();
}

void SignPopup::showFor(int button, const QWidget *signButton, const QWidget *heading)
{
    const std::array<QString, 6> texts = SignPopupLines(state_, button + 1);
    for (size_t i = 0; i < lines_.size(); ++i)
        lines_[i]->setText(texts[i]);

    QWidget *pane = parentWidget();
    const double tppx = platform::TwipsPerPixel(*this);
    const auto twips = [tppx](int pixels) { return platform::PixelsToTwips(pixels, tppx); };
    SignPopupGeometry geometry;
    if (heading) {
        const QPoint at = heading->mapTo(pane, QPoint(0, 0));
        geometry.headingTop = twips(at.y());
        geometry.headingHeight = twips(heading->height());
    }
    const QPoint at = signButton->mapTo(pane, QPoint(0, 0));
    geometry.buttonLeft = twips(at.x());
    geometry.buttonTop = twips(at.y());
    geometry.buttonHeight = twips(signButton->height());
    geometry.paneHeight = twips(pane->height());
    geometry.popupHeight = twips(height());
    const SignPopupPlace place = PlaceSignPopup(geometry);
    move(static_cast<int>(std::lround(platform::TwipsToPixels(place.left, tppx))),
         static_cast<int>(std::lround(platform::TwipsToPixels(place.top, tppx))));
    raise();
    show();
}

} // namespace app
