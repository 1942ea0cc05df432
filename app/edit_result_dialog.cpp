#include "app/edit_result_dialog.h"

#include "engine/design_run.h"
#include "engine/design_tables.h"
#include "engine/post_layout.h"
#include "engine/reference_lists.h"
#include "engine/values.h"
#include "platform/services.h"

#include <QApplication>
#include <QFocusEvent>
#include <QGridLayout>
#include <QGuiApplication>
#include <QHBoxLayout>
#include <QLabel>
#include <QLineEdit>
#include <QPushButton>
#include <QRadioButton>
#include <QRegularExpressionValidator>
#include <QScreen>
#include <QScrollBar>
#include <QStackedWidget>
#include <QTimer>
#include <QToolButton>
#include <QVBoxLayout>
#include <QWindow>
#include <algorithm>
#include <limits>

namespace app {
namespace {

QString footingName(int footingType)
{
    if (footingType < 0 || footingType >= static_cast<int>(engine::FootingTypeNames.size()))
        return QString();
    return QString::fromLatin1(engine::FootingTypeNames[static_cast<size_t>(footingType)]);
}

QLabel *valueBox(QWidget *parent, int index)
{
    auto *label = new QLabel(parent);
    label->setObjectName(QStringLiteral("Label3_%1").arg(index));
    label->setFrameStyle(QFrame::Panel | QFrame::Sunken);
    label->setMinimumWidth(90);
    label->setAlignment(Qt::AlignRight | Qt::AlignVCenter);
    label->setContentsMargins(4, 0, 4, 0);
    return label;
}

} // namespace

// ---- The scroll bar with the page's own bounds ------------------------------

void BoundedScrollBar::setBounds(long long min, long long max)
{
    min_ = min;
    max_ = max;
    const bool reversed = min > max;
    // Segments edited outside the program can total more than the bar's int
    // holds: its ends saturate, and accepts() keeps to what it holds.
    const auto held = [](long long v) {
        return static_cast<int>(
            std::clamp<long long>(v, std::numeric_limits<int>::min(), std::numeric_limits<int>::max()));
    };
    bar_->setRange(held(std::min(min, max)), held(std::max(min, max)));
    bar_->setInvertedAppearance(reversed);
    bar_->setInvertedControls(reversed);
}

bool BoundedScrollBar::accepts(long long value) const
{
    return value >= min_ && value <= max_ && value >= bar_->minimum() && value <= bar_->maximum();
}

int BoundedScrollBar::value() const { return bar_->value(); }

void BoundedScrollBar::setValue(long long value)
{
    bar_->setValue(static_cast<int>(std::clamp<long long>(value, bar_->minimum(), bar_->maximum())));
}

long long ScrollStartValue(long long saved, long long min, long long max)
{
    if (saved < min)
        return min;
    if (saved > max)
        return max;
    return saved;
}

ScrollSteps ScrollStepsFor(long long min, long long max)
{
    const long long range = max - min;
    if (range >= 100)
        return {50, 100};
    if (range >= 10)
        return {5, 10};
    return {1, 1};
}

// ---- The dialog ---------------------------------------------------------------

const std::array<QString, 5> EditResultDialog::PageCaptions{
    QStringLiteral("Adjust Number of Posts"), QStringLiteral("Adjust Post Spacing"),
    QStringLiteral("Adjust Clearance above Road Edge"), QStringLiteral("Adjust Distance from Carriageway"),
    QStringLiteral("Change Footing Type")};

EditResultDialog::EditResultDialog(engine::DesignState &state, Hooks hooks, QWidget *parent)
    : QDialog(parent), state_(state), hooks_(std::move(hooks))
{
    setObjectName(QStringLiteral("Form12"));
    setWindowTitle(QStringLiteral("Edit Result"));
    setModal(false);

    stack_ = new QStackedWidget(this);
    stack_->addWidget(buildPosts());
    stack_->addWidget(buildScrollPage(3, true));
    stack_->addWidget(buildScrollPage(5, false));
    stack_->addWidget(buildScrollPage(7, false));
    stack_->addWidget(buildFooting());

    ok_ = new QPushButton(QStringLiteral("OK"), this);
    ok_->setObjectName(QStringLiteral("Command1_0"));
    ok_->setDefault(true);
    cancel_ = new QPushButton(QStringLiteral("Cancel"), this);
    cancel_->setObjectName(QStringLiteral("Command1_1"));
    connect(ok_, &QPushButton::clicked, this, &EditResultDialog::acceptValue);
    connect(cancel_, &QPushButton::clicked, this, &EditResultDialog::cancelValue);

    auto *buttons = new QHBoxLayout;
    buttons->addStretch(1);
    buttons->addWidget(ok_);
    buttons->addWidget(cancel_);
    auto *layout = new QVBoxLayout(this);
    layout->addWidget(stack_);
    layout->addLayout(buttons);

    connect(qApp, &QGuiApplication::focusWindowChanged, this, &EditResultDialog::onFocusWindowChanged);
}

QWidget *EditResultDialog::buildPosts()
{
    auto *page = new QWidget(this);
    page->setObjectName(QStringLiteral("Panel3D1_0"));
    auto *grid = new QGridLayout(page);
    labels_[0] = valueBox(page, 0);
    labels_[1] = valueBox(page, 1);
    grid->addWidget(new QLabel(QStringLiteral("OLD"), page), 0, 0);
    grid->addWidget(labels_[0], 0, 1);
    grid->addWidget(new QLabel(QStringLiteral("NEW"), page), 1, 0);
    grid->addWidget(labels_[1], 1, 1);
    // The spin button: two arrows that repeat while held.
    auto *spin = new QVBoxLayout;
    spin->setSpacing(0);
    spinUp_ = new QToolButton(page);
    spinUp_->setObjectName(QStringLiteral("Spin1Up"));
    spinUp_->setArrowType(Qt::UpArrow);
    spinDown_ = new QToolButton(page);
    spinDown_->setObjectName(QStringLiteral("Spin1Down"));
    spinDown_->setArrowType(Qt::DownArrow);
    for (QToolButton *arrow : {spinUp_, spinDown_}) {
        arrow->setAutoRepeat(true);
        arrow->setFocusPolicy(Qt::NoFocus);
        spin->addWidget(arrow);
    }
    connect(spinUp_, &QToolButton::clicked, this, [this] { onSpin(true); });
    connect(spinDown_, &QToolButton::clicked, this, [this] { onSpin(false); });
    grid->addLayout(spin, 1, 2);
    grid->setColumnStretch(3, 1);
    return page;
}

QWidget *EditResultDialog::buildScrollPage(int index, bool withStandard)
{
    auto *page = new QWidget(this);
    page->setObjectName(QStringLiteral("Panel3D1_%1").arg(index / 2));
    auto *grid = new QGridLayout(page);
    const int oldIndex = index - 1;
    labels_[static_cast<size_t>(oldIndex)] = valueBox(page, oldIndex);
    auto *entry = new QLineEdit(page);
    entry->setObjectName(QStringLiteral("Entry3_%1").arg(index));
    // Digits only, typed or pasted; nine of them stay well inside 32 bits.
    entry->setValidator(new QRegularExpressionValidator(QRegularExpression(QStringLiteral("[0-9]*")), entry));
    entry->setMaxLength(9);
    entry->setAlignment(Qt::AlignRight);
    entry->installEventFilter(this);
    entries_[static_cast<size_t>(index)] = entry;
    connect(entry, &QLineEdit::textChanged, this, [this, index] { onEntryChanged(index); });

    auto *bar = new QScrollBar(Qt::Horizontal, page);
    bar->setObjectName(QStringLiteral("HScroll1_%1").arg(index));
    bar->setMinimumWidth(220);
    bar->setRange(0, 32767);
    // valueChanged comes with every step and every movement of a dragged thumb.
    connect(bar, &QScrollBar::valueChanged, this, [this, index] { onScroll(index); });
    bars_[static_cast<size_t>(index)] = std::make_unique<BoundedScrollBar>(bar);

    grid->addWidget(new QLabel(QStringLiteral("OLD"), page), 0, 0);
    grid->addWidget(labels_[static_cast<size_t>(oldIndex)], 0, 1);
    grid->addWidget(new QLabel(QStringLiteral("NEW"), page), 1, 0);
    grid->addWidget(entry, 1, 1);
    grid->addWidget(bar, 2, 0, 1, 3);
    if (withStandard) {
        standard_ = new QPushButton(QStringLiteral("Std"), page);
        standard_->setObjectName(QStringLiteral("Command2"));
        standard_->setAutoDefault(false);
        connect(standard_, &QPushButton::clicked, this, &EditResultDialog::onStandard);
        grid->addWidget(standard_, 1, 2);
    }
    grid->setColumnStretch(2, 1);
    return page;
}

QWidget *EditResultDialog::buildFooting()
{
    auto *page = new QWidget(this);
    page->setObjectName(QStringLiteral("Panel3D1_4"));
    auto *grid = new QGridLayout(page);
    labels_[8] = valueBox(page, 8);
    labels_[9] = valueBox(page, 9);
    grid->addWidget(new QLabel(QStringLiteral("OLD"), page), 0, 0);
    grid->addWidget(labels_[8], 0, 1);
    grid->addWidget(new QLabel(QStringLiteral("NEW"), page), 1, 0);
    grid->addWidget(labels_[9], 1, 1);
    const std::array<QString, 2> captions{QStringLiteral("Normal"), QStringLiteral("Screw")};
    for (int i = 0; i < 2; ++i) {
        auto *option = new QRadioButton(captions[static_cast<size_t>(i)], page);
        option->setObjectName(QStringLiteral("Option3D1_%1").arg(i));
        connect(option, &QRadioButton::clicked, this, [this, i] { onFooting(i); });
        footing_[static_cast<size_t>(i)] = option;
        grid->addWidget(option, i, 2);
    }
    grid->setColumnStretch(3, 1);
    return page;
}

void EditResultDialog::place()
{
    // Once: centred vertically, a quarter of the free width from the left,
    // beside the main window's views.
    adjustSize();
    if (const QScreen *screen = this->screen() ? this->screen() : QGuiApplication::primaryScreen()) {
        const QRect area = screen->geometry();
        move(area.x() + (area.width() - width()) / 4, area.y() + (area.height() - height()) / 2);
    }
    placed_ = true;
}

engine::SupportDesign &EditResultDialog::viewed()
{
    const int kind = std::clamp<int>(state_.CurrentSupportType, 1, 4);
    return state_.SupportDesigns[static_cast<size_t>(kind)];
}

void EditResultDialog::rerun()
{
    engine::RunDesign(state_);
    engine::RedesignWithMorePosts(state_);
}

void EditResultDialog::refresh()
{
    if (hooks_.refresh)
        hooks_.refresh();
}

void EditResultDialog::showPage(int designParameterIndex)
{
    page_ = designParameterIndex;
    if (!placed_)
        place();
    show();
    raise();
    activateWindow();
    setUp();
    takeKeys();
}

void EditResultDialog::takeKeys()
{
    // The dialog stays loaded between showings and keeps the control last
    // used: a button clicked then would take the keys now, and Cancel, once
    // focused, would have made itself the button Enter presses. Each showing
    // starts in the page's entry, its value selected so typing replaces it,
    // or on OK where the page has none; and OK is Enter's button again.
    ok_->setDefault(true);
    if (page_ >= 1 && page_ <= 3) {
        QLineEdit *entry = entries_[static_cast<size_t>(2 * page_ + 1)];
        entry->setFocus(Qt::OtherFocusReason);
        entry->selectAll();
    } else {
        ok_->setFocus(Qt::OtherFocusReason);
    }
}

void EditResultDialog::setUp()
{
    settingUp_ = true;
    const engine::SupportDesign &support = viewed();
    snapshot_.kind = std::clamp<int>(state_.CurrentSupportType, 1, 4);
    snapshot_.postSpacing = support.PostSpacing;
    snapshot_.userSpacing = support.Spacing[1];
    snapshot_.spacingType = support.SpacingType;
    snapshot_.footingType = support.FootingType;
    for (size_t kind = 1; kind <= 4; ++kind)
        snapshot_.extraPosts[kind] = state_.SupportDesigns[kind].PNO;
    snapshot_.roadHeight = state_.CurrentDesign.RoadHeight;
    snapshot_.distFromKerb = state_.CurrentDesign.DistFromKerb;

    if (page_ >= 0 && page_ <= 4) {
        stack_->setCurrentIndex(page_);
        setWindowTitle(PageCaptions[static_cast<size_t>(page_)]);
    }
    const engine::DesignRecord &design = state_.CurrentDesign;
    switch (page_) {
    case 0:
        labels_[0]->setNum(support.NumPosts);
        labels_[1]->setNum(support.NumPosts);
        savedValue_[0] = support.PNO;
        break;
    case 1: {
        long long min = 0;
        long long max = 0;
        if (support.NumPosts != 1) {
            const double free = static_cast<double>(state_.WidestSignWidth)
                                - 2.0 * engine::PostEdgeDistances(design.WindRegion, support.StiffenerType);
            min = engine::Round5(engine::RoundHalfEven(free / (support.NumPosts - 1)));
            max = std::max(support.Spacing[0], support.Spacing[2]);
        }
        labels_[2]->setNum(support.PostSpacing);
        savedValue_[1] = support.PostSpacing;
        setUpScroll(3, support.PostSpacing, min, max);
        break;
    }
    case 2:
        labels_[4]->setNum(design.RoadHeight);
        savedValue_[2] = design.RoadHeight;
        setUpScroll(5, design.RoadHeight, 1000, 5000);
        break;
    case 3: {
        labels_[6]->setNum(design.DistFromKerb);
        savedValue_[3] = design.DistFromKerb;
        entries_[7]->setText(QString::number(design.DistFromKerb));
        long long total = 0;
        for (size_t k = 1; k <= 6; ++k)
            total += design.SegLength[k];
        total -= state_.WidestSignWidth;
        if (total < 1) {
            ownMessage_ = true;
            platform::showMessage(
                QStringLiteral("The total length of road segments is shorter than sign width. Please go back to "
                               "Sign Details window and either increase segments lengths or decrease sign width"),
                QStringLiteral("Error: Invalid computation") + QString(9, QLatin1Char(' ')) + QStringLiteral("Mastra"),
                platform::MessageButtons::Ok, platform::MessageIcon::Exclamation);
            ownMessage_ = false;
            if (hooks_.showSignDetails)
                hooks_.showSignDetails();
            break;
        }
        setUpScroll(7, design.DistFromKerb, 0, total);
        break;
    }
    case 4: {
        labels_[8]->setText(footingName(support.FootingType));
        labels_[9]->setText(footingName(support.FootingType));
        const int option = support.FootingType - 1;
        if (option >= 0 && option < 2)
            footing_[static_cast<size_t>(option)]->setChecked(true);
        savedValue_[4] = support.FootingType;
        break;
    }
    default:
        break;
    }
    // A page opens ready to accept; only editing an entry disables OK.
    ok_->setEnabled(true);
    settingUp_ = false;
}

void EditResultDialog::setUpScroll(int index, long long saved, long long min, long long max)
{
    entries_[static_cast<size_t>(index)]->setText(QString::number(saved));
    BoundedScrollBar &bar = *bars_[static_cast<size_t>(index)];
    bar.setBounds(min, max);
    bar.setValue(ScrollStartValue(saved, min, max));
    const ScrollSteps steps = ScrollStepsFor(min, max);
    bar.bar()->setSingleStep(steps.small);
    bar.bar()->setPageStep(steps.large);
}

void EditResultDialog::setEntryText(int index, long long value)
{
    entries_[static_cast<size_t>(index)]->setText(QString::number(value));
}

void EditResultDialog::onScroll(int index)
{
    if (settingUp_)
        return;
    const int value = bars_[static_cast<size_t>(index)]->value();
    engine::DesignRecord &design = state_.CurrentDesign;
    switch (index) {
    case 3: {
        engine::SupportDesign &support = viewed();
        support.PostSpacing = value;
        support.Spacing[1] = value;
        support.SpacingType = support.Spacing[1] == support.Spacing[0] ? 0 : 1;
        rerun();
        setEntryText(3, viewed().PostSpacing);
        break;
    }
    case 5:
        design.RoadHeight = value;
        rerun();
        setEntryText(5, design.RoadHeight);
        break;
    case 7:
        design.DistFromKerb = value;
        rerun();
        setEntryText(7, design.DistFromKerb);
        break;
    default:
        return;
    }
    refresh();
}

void EditResultDialog::onSpin(bool up)
{
    if (settingUp_)
        return;
    engine::SupportDesign &support = viewed();
    if (up && support.NumPosts != 4) {
        ++support.PNO;
        support.SpacingType = 0;
    } else if (!up && support.NumPosts != 1 && support.PNO != 0) {
        --support.PNO;
        support.SpacingType = 0;
    }
    // Run even when nothing changed: the design decides how many posts stay.
    rerun();
    labels_[1]->setNum(viewed().NumPosts);
    refresh();
}

void EditResultDialog::onFooting(int index)
{
    if (settingUp_)
        return;
    viewed().FootingType = static_cast<int16_t>(index + 1);
    rerun();
    labels_[9]->setText(footingName(viewed().FootingType));
    refresh();
}

void EditResultDialog::onStandard()
{
    engine::SupportDesign &support = viewed();
    support.PostSpacing = support.Spacing[0];
    support.SpacingType = 0;
    rerun();
    const int32_t spacing = viewed().PostSpacing;
    BoundedScrollBar &bar = *bars_[3];
    if (bar.accepts(spacing)) {
        bar.setValue(spacing);
    } else {
        // Outside the bounds the bar shows its nearest end and writes nothing.
        const bool wasSettingUp = settingUp_;
        settingUp_ = true;
        bar.setValue(spacing);
        settingUp_ = wasSettingUp;
    }
    setEntryText(3, viewed().PostSpacing);
    refresh();
}

void EditResultDialog::onEntryChanged(int index)
{
    if (settingUp_)
        return;
    ok_->setEnabled(false);
    const QString text = entries_[static_cast<size_t>(index)]->text();
    if (text.isEmpty())
        return;
    const long long number = text.toLongLong();
    BoundedScrollBar &bar = *bars_[static_cast<size_t>(index)];
    if (!bar.accepts(number))
        return;
    if (bar.value() != number) {
        bar.setValue(number);
    } else if (number != shownDesignValue(index)) {
        // The bar already stands there (a saved value beyond its ends starts
        // it at the end) and moves no more: the value is applied all the same.
        onScroll(index);
    }
    ok_->setEnabled(true);
}

long long EditResultDialog::shownDesignValue(int index)
{
    switch (index) {
    case 3: return viewed().PostSpacing;
    case 5: return state_.CurrentDesign.RoadHeight;
    case 7: return state_.CurrentDesign.DistFromKerb;
    default: return 0;
    }
}

void EditResultDialog::onEntryLeft(int index)
{
    QWidget *now = QApplication::focusWidget();
    // Cancel is on its way; and focus that left the dialog is not pulled back.
    if (now == cancel_ || !now || !isAncestorOf(now))
        return;
    QLineEdit *entry = entries_[static_cast<size_t>(index)];
    const QString text = entry->text();
    BoundedScrollBar &bar = *bars_[static_cast<size_t>(index)];
    if (!text.isEmpty() && bar.accepts(text.toLongLong())) {
        bar.setValue(text.toLongLong());
        return;
    }
    // The focus comes back once the focus change in progress is over.
    QTimer::singleShot(0, entry, [entry] { entry->setFocus(Qt::OtherFocusReason); });
}

bool EditResultDialog::eventFilter(QObject *watched, QEvent *event)
{
    if (event->type() == QEvent::FocusOut)
        for (int index : {3, 5, 7})
            if (watched == entries_[static_cast<size_t>(index)])
                onEntryLeft(index);
    return QDialog::eventFilter(watched, event);
}

void EditResultDialog::onFocusWindowChanged(QWindow *window)
{
    // Only another window of this program counts: not another application
    // (no focus window then) and not a window of the dialog's own, such as
    // its message box or a scroll bar's menu.
    if (!isVisible() || ownMessage_ || !window)
        return;
    for (QWindow *w = window; w; w = w->transientParent())
        if (w == windowHandle())
            return;
    acceptValue();
}

void EditResultDialog::acceptValue()
{
    state_.DesignChanged = engine::FlagTrue;
    hide();
}

void EditResultDialog::reject() { cancelValue(); }

void EditResultDialog::cancelValue()
{
    const Snapshot &s = snapshot_;
    engine::SupportDesign &support = state_.SupportDesigns[static_cast<size_t>(s.kind)];
    support.PostSpacing = s.postSpacing;
    support.Spacing[1] = s.userSpacing;
    support.SpacingType = s.spacingType;
    support.FootingType = s.footingType;
    for (size_t kind = 1; kind <= 4; ++kind)
        state_.SupportDesigns[kind].PNO = s.extraPosts[kind];
    state_.CurrentDesign.RoadHeight = s.roadHeight;
    state_.CurrentDesign.DistFromKerb = s.distFromKerb;
    hide();
    rerun();
    refresh();
}

} // namespace app
