#include "input/clear_zone_window.h"

#include <QCheckBox>
#include <QComboBox>
#include <QEvent>
#include <QFocusEvent>
#include <QGridLayout>
#include <QHBoxLayout>
#include <QKeyEvent>
#include <QLabel>
#include <QLineEdit>
#include <QPainter>
#include <QPushButton>
#include <QVBoxLayout>
#include <algorithm>
#include <limits>

#include "database/ui/dialog_support.h"
#include "engine/reference_lists.h"
#include "engine/values.h"
#include "input/road_plan_picture.h"
#include "platform/services.h"
#include "platform/widgets/twips.h"

namespace input {
namespace {

constexpr int kSketchWidthTwips = 6000;
constexpr int kSketchHeightTwips = 3000;
constexpr int kRoadPlanWidthPixels = 100;
constexpr int kRoadPlanHeightPixels = 140;

QColor ColourOf(int32_t value)
{
    return QColor(engine::ColourRed(value), engine::ColourGreen(value), engine::ColourBlue(value));
}

// A raised panel holding one heading and its control, as the form lays them out.
QFrame *NewPanel(QWidget *parent)
{
    auto *panel = new QFrame(parent);
    panel->setFrameShape(QFrame::Panel);
    panel->setFrameShadow(QFrame::Raised);
    return panel;
}

int32_t Flag(bool value) { return value ? engine::FlagTrue : engine::FlagFalse; }

int ClampToInt(int64_t value)
{
    return static_cast<int>(std::clamp<int64_t>(value, std::numeric_limits<int>::min(),
                                                std::numeric_limits<int>::max()));
}

} // namespace

// --- RangeScrollBar ---------------------------------------------------------

RangeScrollBar::RangeScrollBar(Qt::Orientation orientation, int min, int max, int smallChange,
                               int largeChange, QWidget *parent)
    : QScrollBar(orientation, parent), min_(min), max_(max)
{
    setSingleStep(smallChange);
    setPageStep(largeChange);
    setMinMax(min, max);
    connect(this, &QAbstractSlider::valueChanged, this, [this](int value) {
        if (!quiet_)
            emit userChanged(sign_ * value);
    });
}

void RangeScrollBar::setMinMax(int min, int max)
{
    const int kept = barValue();
    min_ = min;
    max_ = max;
    sign_ = min > max ? -1 : 1;
    quiet_ = true;
    setRange(sign_ * min, sign_ * max);
    setValue(sign_ * kept);
    quiet_ = false;
}

void RangeScrollBar::setBarValue(int value)
{
    quiet_ = true;
    setValue(sign_ * value);
    quiet_ = false;
}

// --- ClearZoneSketchView ----------------------------------------------------

ClearZoneSketchView::ClearZoneSketchView(QWidget *parent) : QFrame(parent)
{
    setFrameShape(QFrame::Box);
    setAutoFillBackground(true);
    sketch_.HideAll();
}

void ClearZoneSketchView::setSketch(const ClearZoneSketch &sketch)
{
    sketch_ = sketch;
    update();
}

double ClearZoneSketchView::widthTwips() const
{
    return platform::PixelsToTwips(width(), platform::TwipsPerPixel(*this));
}

double ClearZoneSketchView::heightTwips() const
{
    return platform::PixelsToTwips(height(), platform::TwipsPerPixel(*this));
}

void ClearZoneSketchView::paintEvent(QPaintEvent *event)
{
    QFrame::paintEvent(event);
    QPainter painter(this);
    // A clear zone wider than the drawn roadside runs on to the frame's edge.
    painter.setClipRect(contentsRect());
    painter.setRenderHint(QPainter::Antialiasing);
    const double tpp = platform::TwipsPerPixel(*this);
    auto line = [&](const SketchLine &l, double width) {
        if (!l.Visible)
            return;
        painter.setPen(QPen(ColourOf(l.Colour), width));
        painter.drawLine(platform::TwipsToPixels(QPointF(l.X1, l.Y1), tpp),
                         platform::TwipsToPixels(QPointF(l.X2, l.Y2), tpp));
    };
    auto box = [&](const SketchBox &b) {
        if (!b.Visible)
            return;
        painter.setPen(QPen(Qt::black, 1));
        painter.setBrush(ColourOf(b.Colour));
        painter.drawRect(platform::TwipsToPixels(QRectF(b.Left, b.Top, b.Width, b.Height), tpp));
    };
    line(sketch_.Line1, 2);
    for (const auto &l : sketch_.Line3)
        line(l, 2);
    for (const auto &f : sketch_.SFaces)
        box(f);
    for (const auto &l : sketch_.Line2)
        line(l, 3);
    box(sketch_.Shape1);
    box(sketch_.Shape4);
    box(sketch_.Shape5);
    if (sketch_.Label5.Visible) {
        painter.setPen(Qt::black);
        const auto &b = sketch_.Label5;
        // Centred over the part of the bar in view.
        const QRectF text = platform::TwipsToPixels(QRectF(b.Left, b.Top, b.Width, b.Height), tpp)
                                .intersected(QRectF(contentsRect()));
        painter.drawText(text, Qt::AlignCenter, QString::fromStdString(sketch_.Label5Text));
    }
}

// --- ClearZoneWindow --------------------------------------------------------

ClearZoneWindow::ClearZoneWindow(engine::DesignState &state, QWidget *parent)
    : QDialog(parent), state_(state)
{
    setWindowTitle(QStringLiteral("Clear Zone"));
    buildControls();
    initialise();
}

ClearZoneWindow::~ClearZoneWindow() = default;

void ClearZoneWindow::buildControls()
{
    auto *layout = new QGridLayout(this);

    // Speed and traffic choices.
    auto *speedPanel = NewPanel(this);
    auto *speedLayout = new QVBoxLayout(speedPanel);
    speedLayout->addWidget(new QLabel(QStringLiteral(" Speed Environment (km/h)"), speedPanel));
    combo1_ = new QComboBox(speedPanel);
    combo1_->addItems({QStringLiteral(" 60km/h"), QStringLiteral(" 70km/h"), QStringLiteral(" 80km/h"),
                       QStringLiteral(" 90km/h"), QStringLiteral(" 100km/h"), QStringLiteral(" 110km/h")});
    combo1_->setCurrentIndex(-1);
    speedLayout->addWidget(combo1_);
    layout->addWidget(speedPanel, 0, 0);

    auto *trafficPanel = NewPanel(this);
    auto *trafficLayout = new QVBoxLayout(trafficPanel);
    trafficLayout->addWidget(new QLabel(QStringLiteral(" Average Anual Daily Traffic (Vehicles)"), trafficPanel));
    combo3_ = new QComboBox(trafficPanel);
    combo3_->addItems({QStringLiteral(" up to 750 vehicles"), QStringLiteral(" 751 - 1500 vehicles"),
                       QStringLiteral(" 1501 - 6000 vehicles"), QStringLiteral(" over 6000 vehicles")});
    combo3_->setCurrentIndex(-1);
    trafficLayout->addWidget(combo3_);
    layout->addWidget(trafficPanel, 1, 0);

    // Curve: the tick, the radius entry and, beside the road plan, its bar.
    auto *curvePanel = NewPanel(this);
    auto *curveLayout = new QVBoxLayout(curvePanel);
    check3D1_ = new QCheckBox(QStringLiteral("Curved?"), curvePanel);
    curveLayout->addWidget(check3D1_);
    panel3D5_ = new QWidget(curvePanel);
    auto *radiusLayout = new QVBoxLayout(panel3D5_);
    radiusLayout->setContentsMargins(0, 0, 0, 0);
    radiusLayout->addWidget(new QLabel(QStringLiteral(" Road Curvature (Radius (m))"), panel3D5_));
    text2_ = new QLineEdit(panel3D5_);
    radiusLayout->addWidget(text2_);
    curveLayout->addWidget(panel3D5_);
    layout->addWidget(curvePanel, 2, 0);

    // Barrier: the tick and the distance entry; its bar lies under the sketch.
    auto *barrierPanel = NewPanel(this);
    auto *barrierLayout = new QVBoxLayout(barrierPanel);
    check3D2_ = new QCheckBox(QStringLiteral("Barrier?"), barrierPanel);
    barrierLayout->addWidget(check3D2_);
    panel3D11_ = new QWidget(barrierPanel);
    auto *distanceLayout = new QVBoxLayout(panel3D11_);
    distanceLayout->setContentsMargins(0, 0, 0, 0);
    distanceLayout->addWidget(new QLabel(QStringLiteral(" Barrier Distance (mm)"), panel3D11_));
    text3_ = new QLineEdit(panel3D11_);
    distanceLayout->addWidget(text3_);
    barrierLayout->addWidget(panel3D11_);
    layout->addWidget(barrierPanel, 3, 0);

    // The road plan with the radius bar beside it.
    auto *planRow = new QHBoxLayout;
    panel3D3_ = NewPanel(this);
    auto *planLayout = new QVBoxLayout(panel3D3_);
    planLayout->setContentsMargins(4, 4, 4, 4);
    picture1_ = new RoadPlanPicture(panel3D3_);
    picture1_->setFixedSize(kRoadPlanWidthPixels, kRoadPlanHeightPixels);
    planLayout->addWidget(picture1_);
    planRow->addWidget(panel3D3_);
    panel3D13_ = new QWidget(this);
    auto *radiusBarLayout = new QVBoxLayout(panel3D13_);
    radiusBarLayout->setContentsMargins(0, 0, 0, 0);
    vScroll1_ = new RangeScrollBar(Qt::Vertical, 900, 0, 1, 50, panel3D13_);
    radiusBarLayout->addWidget(vScroll1_);
    planRow->addWidget(panel3D13_);
    planRow->addStretch();
    layout->addLayout(planRow, 0, 1, 4, 1, Qt::AlignTop);

    // The sketch, the barrier bar under it, the figures and the warning.
    frame3D2_ = new ClearZoneSketchView(this);
    const double tpp = platform::TwipsPerPixel(*frame3D2_);
    frame3D2_->setFixedSize(qRound(platform::TwipsToPixels(kSketchWidthTwips, tpp)),
                            qRound(platform::TwipsToPixels(kSketchHeightTwips, tpp)));
    layout->addWidget(frame3D2_, 0, 2, 3, 1, Qt::AlignTop);
    panel3D12_ = new QWidget(this);
    auto *barLayout = new QVBoxLayout(panel3D12_);
    barLayout->setContentsMargins(0, 0, 0, 0);
    hScroll2_ = new RangeScrollBar(Qt::Horizontal, 0, 20000, 500, 1000, panel3D12_);
    barLayout->addWidget(hScroll2_);
    layout->addWidget(panel3D12_, 3, 2, Qt::AlignTop);

    panel3D21_ = NewPanel(this);
    auto *levelLayout = new QVBoxLayout(panel3D21_);
    label6_ = new QLabel(panel3D21_);
    levelLayout->addWidget(label6_);
    layout->addWidget(panel3D21_, 4, 0, 1, 3);
    panel3D22_ = NewPanel(this);
    auto *actualLayout = new QVBoxLayout(panel3D22_);
    label7_ = new QLabel(QStringLiteral("Clear zone for actual terrain"), panel3D22_);
    actualLayout->addWidget(label7_);
    layout->addWidget(panel3D22_, 5, 0, 1, 3);
    panel3D21_->hide();
    panel3D22_->hide();

    text1_ = new QLabel(QString::fromLatin1(engine::kSixMetreWarning), this);
    text1_->setWordWrap(true);
    text1_->setFrameShape(QFrame::Box);
    text1_->setStyleSheet(QStringLiteral("color: red"));
    text1_->hide();
    layout->addWidget(text1_, 6, 0, 1, 3);

    // Panels that come and go keep their place, so nothing else moves.
    for (QWidget *w : {panel3D5_, panel3D13_, panel3D11_, panel3D12_, panel3D21_, panel3D22_,
                       static_cast<QWidget *>(text1_)}) {
        QSizePolicy policy = w->sizePolicy();
        policy.setRetainSizeWhenHidden(true);
        w->setSizePolicy(policy);
    }

    command1_ = new QPushButton(QStringLiteral("Back to Main"), this);
    command1_->setAutoDefault(false);
    layout->addWidget(command1_, 7, 2, Qt::AlignRight);

    // The choices react to the engineer only: selections made from code while
    // the window fills itself run no handler, so a stored 751 keeps 1499.
    connect(combo1_, &QComboBox::activated, this, [this](int index) {
        if (index >= 0 && index < static_cast<int>(engine::ClearZoneSpeedItems.size()))
            selectedSpeed_ = engine::ClearZoneSpeedItems[static_cast<std::size_t>(index)];
        Recalculate();
    });
    connect(combo3_, &QComboBox::activated, this, [this](int index) {
        if (index >= 0 && index < static_cast<int>(engine::ClearZoneAadtItems.size()))
            selectedAadt_ = engine::ClearZoneAadtItems[static_cast<std::size_t>(index)];
        Recalculate();
    });
    connect(check3D1_, &QCheckBox::clicked, this, [this] { checkRadius(); });
    connect(check3D2_, &QCheckBox::clicked, this, [this] { checkBarrierDistance(); });
    connect(text2_, &QLineEdit::textEdited, this, [this] { radiusTyped_ = true; });
    connect(text3_, &QLineEdit::textEdited, this, [this] { barrierTyped_ = true; });
    connect(vScroll1_, &RangeScrollBar::userChanged, this, [this](int value) {
        text2_->setText(QString::number(value));
        checkRadius();
    });
    connect(hScroll2_, &RangeScrollBar::userChanged, this, [this](int value) {
        text3_->setText(QString::number(value));
        checkBarrierDistance();
    });
    connect(command1_, &QPushButton::clicked, this, [this] { backToMain(); });
    text2_->installEventFilter(this);
    text3_->installEventFilter(this);
}

void ClearZoneWindow::initialise()
{
    adjustSize();
    database::CentreOnScreen(this);
    engine::CopyDesignRecord(state_.CurrentDesign, workingDesign_);
    engine::CopySupportDesigns(state_.SupportDesigns, workingSupports_);
    totalSlopeLength_ = engine::TotalSlopeLength(workingDesign_);

    // The fields of the kind in view are those loaded or last written; the
    // window then edits and shows kind 1.
    const int viewed = std::clamp<int>(state_.CurrentSupportType, 1, 4);
    const engine::SupportDesign &s = workingSupports_[static_cast<std::size_t>(viewed)];
    opened_ = {s.RoadSpeed, s.AADT, s.CurvedRoad, s.Curvature, s.Barrier, s.BarrierDistance};
    state_.CurrentSupportType = engine::SupportChs;

    text2_->setText(QString::number(s.Curvature));
    const std::optional<int> speedItem = engine::SpeedItemFor(s.RoadSpeed);
    selectedSpeed_ = 0;
    combo1_->setCurrentIndex(speedItem ? *speedItem : -1);
    if (speedItem)
        selectedSpeed_ = engine::ClearZoneSpeedItems[static_cast<std::size_t>(*speedItem)];
    text3_->setText(QString::number(s.BarrierDistance));
    barrierDistance_ = s.BarrierDistance;
    const engine::AadtChoice traffic = engine::AadtChoiceFor(s.AADT);
    combo3_->setCurrentIndex(traffic.item);
    selectedAadt_ = traffic.value;

    // The barrier bar's range first, so the checked distance always fits it.
    const int total = ClampToInt(totalSlopeLength_);
    if (workingDesign_.SignOnLeft != 0)
        hScroll2_->setMinMax(total, 0);
    else
        hScroll2_->setMinMax(0, total);

    check3D1_->setChecked(s.CurvedRoad != 0);
    check3D2_->setChecked(s.Barrier != 0);
    if (check3D2_->isChecked())
        checkBarrierDistance();
    checkRadius();
    initialised_ = true;
}

void ClearZoneWindow::checkRadius()
{
    radius_ = engine::CheckedRadius(text2_->text().toStdString());
    radiusTyped_ = false;
    text2_->setText(QString::number(radius_));
    if (vScroll1_->barValue() != radius_)
        vScroll1_->setBarValue(radius_);
    Recalculate();
}

void ClearZoneWindow::checkBarrierDistance()
{
    barrierDistance_ = engine::CheckedBarrierDistance(text3_->text().toStdString(), totalSlopeLength_);
    barrierTyped_ = false;
    text3_->setText(QString::number(barrierDistance_));
    if (hScroll2_->barValue() != barrierDistance_)
        hScroll2_->setBarValue(barrierDistance_);
    Recalculate();
}

void ClearZoneWindow::Recalculate()
{
    const bool curved = check3D1_->isChecked();
    const bool barrier = check3D2_->isChecked();
    panel3D5_->setVisible(curved);
    panel3D13_->setVisible(curved);
    panel3D11_->setVisible(barrier);
    // The road plan and the figures use the checked values, never text that
    // is still being typed.
    picture1_->redraw(curved, radius_);
    const engine::ClearZoneEntries entries{selectedSpeed_, selectedAadt_, Flag(curved), radius_,
                                           Flag(barrier), barrierDistance_};
    const engine::ClearZoneFigures figures = engine::ComputeClearZoneFigures(workingDesign_, entries);
    showClearZone(figures.LevelTerrain, figures.ActualTerrain);
}

void ClearZoneWindow::showClearZone(int32_t level, int32_t actual)
{
    const bool barrier = check3D2_->isChecked();
    const engine::SupportDesign &shown =
        workingSupports_[static_cast<std::size_t>(std::clamp<int>(state_.CurrentSupportType, 1, 4))];
    const engine::ClearZoneDisplay display =
        engine::DescribeClearZone(level, actual, shown.NoResultCode == 0, barrier);

    ClearZoneSketch sketch;
    if (display.Sketch) {
        sketch = BuildClearZoneSketch(
            workingDesign_, shown,
            {state_.WidestSignWidth, actual, barrier, barrierDistance_, frame3D2_->widthTwips(),
             frame3D2_->heightTwips()});
    } else {
        sketch = frame3D2_->sketch();
        sketch.HideAll();
    }
    frame3D2_->setSketch(sketch);
    panel3D12_->setVisible(display.BarrierBar);
    if (display.ActualText)
        label7_->setText(QString::fromStdString(*display.ActualText));
    panel3D22_->show();
    text1_->setVisible(display.Warning);
    label6_->setText(QString::fromStdString(display.LevelText));
    panel3D21_->show();
}

void ClearZoneWindow::backToMain()
{
    // An entry still holding typed text is checked first, as leaving it would.
    if (radiusTyped_)
        checkRadius();
    if (barrierTyped_)
        checkBarrierDistance();

    const engine::ClearZoneEntries written{selectedSpeed_, selectedAadt_, Flag(check3D1_->isChecked()),
                                           radius_, Flag(check3D2_->isChecked()), barrierDistance_};
    // Every kind gets the data, so whichever kind is later viewed and saved
    // stores what the engineer confirmed here.
    for (std::size_t t = 1; t <= 4; ++t) {
        engine::SupportDesign &s = workingSupports_[t];
        s.AADT = written.AADT;
        s.RoadSpeed = written.RoadSpeed;
        s.CurvedRoad = written.CurvedRoad;
        s.Curvature = written.Curvature;
        s.Barrier = written.Barrier;
        s.BarrierDistance = written.BarrierDistance;
    }
    engine::CopySupportDesigns(workingSupports_, state_.SupportDesigns);
    engine::CopyDesignRecord(workingDesign_, state_.CurrentDesign);

    // A changed value is an unsaved change; nothing here needs a new design.
    const bool changed = written.AADT != opened_.AADT || written.RoadSpeed != opened_.RoadSpeed ||
                         (written.CurvedRoad != 0) != (opened_.CurvedRoad != 0) ||
                         written.Curvature != opened_.Curvature ||
                         (written.Barrier != 0) != (opened_.Barrier != 0) ||
                         written.BarrierDistance != opened_.BarrierDistance;
    if (changed)
        state_.DesignChanged = engine::FlagTrue;
    accept();
}

bool ClearZoneWindow::eventFilter(QObject *watched, QEvent *event)
{
    if (event->type() == QEvent::FocusOut) {
        // Only a move to another control of this window leaves the entry; a
        // message box or another window taking the focus does not.
        const auto reason = static_cast<QFocusEvent *>(event)->reason();
        if (reason == Qt::ActiveWindowFocusReason || reason == Qt::PopupFocusReason)
            return QDialog::eventFilter(watched, event);
        if (watched == text2_)
            checkRadius();
        else if (watched == text3_)
            checkBarrierDistance();
    } else if (watched == text3_) {
        if (event->type() == QEvent::MouseButtonRelease) {
            platform::showMessage(QStringLiteral("Please use scrollbar provided next."), QStringLiteral("Mastra"),
                                  platform::MessageButtons::Ok, platform::MessageIcon::Exclamation);
        } else if (event->type() == QEvent::KeyPress) {
            const auto *key = static_cast<QKeyEvent *>(event);
            // Character keys only, as the entry sees them; the key still goes
            // in. Tab and Shift+Tab move the focus and Esc belongs to the
            // window, though Tab and Esc come with a text of their own.
            const bool typed = key->key() != Qt::Key_Tab && key->key() != Qt::Key_Backtab &&
                               key->key() != Qt::Key_Escape;
            if (typed && !key->text().isEmpty())
                platform::showMessage(QStringLiteral("Please use scrollbar provided."), QStringLiteral("Mastra"),
                                      platform::MessageButtons::Ok, platform::MessageIcon::Exclamation);
        }
    }
    return QDialog::eventFilter(watched, event);
}

void ClearZoneWindow::keyPressEvent(QKeyEvent *event)
{
    // The window has no cancel button: Esc would close it and lose every
    // entry made in it. It ends by "Back to Main" or the close box only.
    if (event->matches(QKeySequence::Cancel)) {
        event->accept();
        return;
    }
    QDialog::keyPressEvent(event);
}

void ClearZoneWindow::changeEvent(QEvent *event)
{
    QDialog::changeEvent(event);
    // Coming back to the window (after a message, say) shows fresh figures.
    if (event->type() == QEvent::ActivationChange && initialised_ && isActiveWindow())
        Recalculate();
}

void ShowClearZoneWindow(engine::DesignState &state, QWidget *parent)
{
    ClearZoneWindow window(state, parent);
    window.exec();
}

} // namespace input
