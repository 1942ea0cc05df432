#include "input/wind_region_map.h"

#include "database/ui/dialog_support.h"
#include "input/group_choice.h"
#include "platform/widgets/twips.h"

#include <QButtonGroup>
#include <QGridLayout>
#include <QGroupBox>
#include <QHBoxLayout>
#include <QLabel>
#include <QMouseEvent>
#include <QPainter>
#include <QPushButton>
#include <QRadioButton>
#include <QVBoxLayout>

#include <cmath>

namespace input {
namespace {

int pixels(double twips, double twipsPerPixel)
{
    return static_cast<int>(std::lround(platform::TwipsToPixels(twips, twipsPerPixel)));
}

MapButton mapButton(Qt::MouseButton button)
{
    switch (button) {
    case Qt::LeftButton:
        return MapButton::Left;
    case Qt::RightButton:
        return MapButton::Right;
    default:
        return MapButton::Middle;
    }
}

} // namespace

WindMapView::WindMapView(MapZoom zoom, MapPicture picture, QWidget *parent)
    : QWidget(parent), zoom_(zoom), picture_(std::move(picture))
{
    const double tpp = twipsPerPixel();
    setFixedSize(pixels(zoom_.viewportWidth, tpp), pixels(zoom_.viewportHeight, tpp));
    setAttribute(Qt::WA_OpaquePaintEvent);
    setCursor(Qt::CrossCursor);
}

double WindMapView::twipsPerPixel() const
{
    return platform::TwipsPerPixel(*this);
}

void WindMapView::paintEvent(QPaintEvent *)
{
    QPainter painter(this);
    painter.fillRect(rect(), palette().window());
    painter.setClipRect(rect());
    painter.setRenderHint(QPainter::SmoothPixmapTransform);
    const MapImageRect &r = zoom_.image;
    picture_.paint(painter, platform::TwipsToPixels(QRectF(r.left, r.top, r.width, r.height), twipsPerPixel()));
}

QPointF WindMapView::imagePoint(const QPointF &pos) const
{
    const QPointF twips = platform::PixelsToTwips(pos, twipsPerPixel());
    return {twips.x() - zoom_.image.left, twips.y() - zoom_.image.top};
}

void WindMapView::mousePressEvent(QMouseEvent *event)
{
    const QPointF p = imagePoint(event->position());
    PressMap(zoom_, p.x(), p.y());
}

// The second press of a double click is not a press on the map: a double
// click zooms one step, not two.
void WindMapView::mouseDoubleClickEvent(QMouseEvent *event)
{
    event->accept();
}

void WindMapView::mouseReleaseEvent(QMouseEvent *event)
{
    const QPointF p = imagePoint(event->position());
    const MapImageRect before = zoom_.image;
    ReleaseMap(zoom_, mapButton(event->button()), p.x(), p.y());
    if (!(zoom_.image == before))
        update();
}

RegionSwatch::RegionSwatch(QColor colour, QWidget *parent) : QFrame(parent), colour_(colour)
{
    setFixedSize(36, 22);
    setCursor(Qt::PointingHandCursor);
}

void RegionSwatch::setMarked(bool marked)
{
    if (marked_ == marked)
        return;
    marked_ = marked;
    update();
}

void RegionSwatch::paintEvent(QPaintEvent *)
{
    QPainter painter(this);
    painter.fillRect(rect(), colour_);
    // Unmarked: a thin grey edge (the white swatch needs one); marked: heavy black.
    const int width = marked_ ? 3 : 1;
    painter.setPen(QPen(marked_ ? Qt::black : Qt::darkGray, width, Qt::SolidLine, Qt::SquareCap, Qt::MiterJoin));
    const qreal inset = width / 2.0;
    painter.drawRect(QRectF(rect()).adjusted(inset, inset, -inset - (width % 2), -inset - (width % 2)));
}

void RegionSwatch::mouseReleaseEvent(QMouseEvent *event)
{
    if (event->button() == Qt::LeftButton && rect().contains(event->position().toPoint()))
        emit clicked();
    QFrame::mouseReleaseEvent(event);
}

Form4::Form4(int windRegion, const QString &mapFolder, QWidget *parent) : QDialog(parent)
{
    setWindowTitle(QStringLiteral("Wind Region Map of Australia"));
    setModal(true);

    // The map in its frame, the viewport inset on every side.
    auto *panel = new QFrame(this);
    panel->setFrameStyle(QFrame::Panel | QFrame::Sunken);
    Picture1 = new WindMapView(NewMapZoom(MapFrameWidth, MapFrameHeight), MapPicture::load(mapFolder), panel);
    const double tpp = Picture1->twipsPerPixel();
    panel->setFixedSize(pixels(MapFrameWidth, tpp), pixels(MapFrameHeight, tpp));
    Picture1->move(pixels(MapViewportInset, tpp), pixels(MapViewportInset, tpp));

    // The regions with their swatches and legend.
    auto *regionFrame = new QGroupBox(QStringLiteral("Select a Wind Region"), this);
    auto *regionLayout = new QGridLayout(regionFrame);
    regions_ = new QButtonGroup(this);
    const char *regionCaptions[] = {"Region A", "Region B", "Region C", "Region D"};
    const char *legends[] = {"Normal", "Intermediate", "Tropical Cyclones", "Severe Cyclones"};
    const QColor colours[] = {QColor(255, 255, 255), QColor(255, 255, 0), QColor(0, 255, 0), QColor(255, 0, 0)};
    for (int i = 0; i < 4; ++i) {
        const auto k = static_cast<std::size_t>(i);
        Option3D1[k] = new QRadioButton(QString::fromLatin1(regionCaptions[i]), regionFrame);
        regions_->addButton(Option3D1[k], i);
        Panel3D5[k] = new RegionSwatch(colours[i], regionFrame);
        regionLayout->addWidget(Option3D1[k], i, 0);
        regionLayout->addWidget(Panel3D5[k], i, 1);
        regionLayout->addWidget(new QLabel(QString::fromLatin1(legends[i]), regionFrame), i, 2);
        connect(Panel3D5[k], &RegionSwatch::clicked, this, [this, k] { Option3D1[k]->setChecked(true); });
    }
    connect(regions_, &QButtonGroup::idToggled, this, [this](int id, bool checked) {
        if (checked)
            markSwatch(id);
    });

    // How the mouse zooms.
    auto *mouseLegend = new QGridLayout;
    mouseLegend->addWidget(new QLabel(QStringLiteral("Zoom In"), this), 0, 0);
    mouseLegend->addWidget(new QLabel(QStringLiteral("Left mouse button . "), this), 1, 0);
    mouseLegend->addWidget(new QLabel(QStringLiteral("Zoom Out"), this), 0, 1);
    mouseLegend->addWidget(new QLabel(QStringLiteral("Right mouse button "), this), 1, 1);

    okButton_ = new QPushButton(QStringLiteral("OK"), this);
    cancelButton_ = new QPushButton(QStringLiteral("Cancel"), this);
    okButton_->setDefault(true);
    connect(okButton_, &QPushButton::clicked, this, &Form4::accept);
    connect(cancelButton_, &QPushButton::clicked, this, &Form4::reject);
    auto *buttons = new QHBoxLayout;
    buttons->addWidget(okButton_);
    buttons->addWidget(cancelButton_);

    auto *side = new QVBoxLayout;
    side->addWidget(regionFrame);
    side->addLayout(mouseLegend);
    side->addStretch();
    side->addLayout(buttons);
    auto *layout = new QHBoxLayout(this);
    layout->addWidget(panel, 0, Qt::AlignTop);
    layout->addLayout(side);

    SetGroupChoice(*regions_, windRegion - 1);
    markSwatch(windRegion - 1);
    adjustSize();
    database::CentreOnScreen(this);
}

int Form4::chosenRegion() const
{
    return GroupChoice(*regions_) + 1;
}

void Form4::markSwatch(int index)
{
    for (int i = 0; i < 4; ++i)
        Panel3D5[static_cast<std::size_t>(i)]->setMarked(i == index);
}

} // namespace input
