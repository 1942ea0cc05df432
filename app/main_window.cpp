#include "app/main_window.h"

#include "app/about_box.h"
#include "app/edit_result_dialog.h"
#include "app/main_menus.h"
#include "app/main_window_layout.h"
#include "app/view3d.h"

#include "app/record_text.h"
#include "app/result_panel.h"
#include "app/warnings_box.h"
#include "engine/design_messages.h"
#include "engine/design_run.h"
#include "engine/design_state.h"
#include "engine/reference_lists.h"
#include "engine/values.h"
#include "database/ui/storage_dialog.h"
#include "platform/services.h"

#include <QAction>
#include <QCloseEvent>
#include <QFrame>
#include <QGridLayout>
#include <QGroupBox>
#include <QHBoxLayout>
#include <QLabel>
#include <QMenuBar>
#include <QPushButton>
#include <algorithm>

namespace app {
namespace {

const QColor ValueBackground(0xFF, 0xFF, 0xFF);
const QColor NoResultBackground(0xC0, 0xC0, 0xC0);

// The front slot captions by the number of front panels, bottom slot first.
const std::array<std::array<QString, 3>, 4> FrontSlotCaptions{{
    {QString(), QString(), QString()},
    {QStringLiteral("Front Sign "), QString(), QString()},
    {QStringLiteral("Front Lower "), QStringLiteral("Front Upper "), QString()},
    {QStringLiteral("Front Lower "), QStringLiteral("Front Middle "), QStringLiteral("Front Upper ")},
}};

void setBackground(QLabel *label, const QColor &colour)
{
    QPalette palette = label->palette();
    palette.setColor(QPalette::Window, colour);
    label->setPalette(palette);
}

QLabel *valueLabel(const QString &name, QWidget *parent)
{
    auto *label = new QLabel(parent);
    label->setObjectName(name);
    label->setFrameStyle(QFrame::Panel | QFrame::Sunken);
    label->setAutoFillBackground(true);
    label->setMinimumWidth(120);
    label->setTextFormat(Qt::PlainText);
    label->setContentsMargins(4, 0, 4, 0);
    setBackground(label, ValueBackground);
    return label;
}

QLabel *heading(const QString &text, QWidget *parent)
{
    auto *label = new QLabel(text, parent);
    QFont font = label->font();
    font.setBold(true);
    label->setFont(font);
    return label;
}

} // namespace

Form5::Form5(engine::DesignState &state, MainWindowServices services, QWidget *parent)
    : QMainWindow(parent), state_(state), services_(std::move(services)), results_(std::make_unique<ResultControls>())
{
    setObjectName(QStringLiteral("Form5"));
    setWindowTitle(QStringLiteral("Kelvora"));
    buildWindow();
    buildMenus();
    progress_ = std::make_unique<StatusProgress>(gauge_, this);
    view3D_ = new View3D(*this);
    views_.layoutView3D = [this] { view3D_->LayoutView3D(); };
    InstallFormResize(*this);
}

Form5::~Form5()
{
    // The gauge goes with the window; the program's progress display must not
    // point at it afterwards.
    if (&platform::progressDisplay() == progress_.get())
        platform::setProgressDisplay(nullptr);
}

void Form5::buildWindow()
{
    // The client area holds the outer pane and, over it, the 3-D view. Every
    // part is placed by the window's layout model (app/main_window_layout.h);
    // only the result rows keep a grid of their own at their designer place.
    auto *client = new QWidget(this);
    client->setObjectName(QStringLiteral("Client"));
    auto *outer = new QWidget(client);  // holds the job key, the results pane and the status bar
    outer->setObjectName(QStringLiteral("Panel3D1"));

    resultsPane_ = new QGroupBox(QStringLiteral("Support Posts"), outer);
    resultsPane_->setObjectName(QStringLiteral("Panel3D3"));

    // Job key row: three captions and three equal fields across the pane.
    const std::array<QString, 3> keyCaptions{QStringLiteral("Job Number"), QStringLiteral("Job Section"),
                                             QStringLiteral("Sign Position")};
    for (size_t i = 0; i < 3; ++i) {
        auto *caption = new QLabel(keyCaptions[i], outer);
        caption->setObjectName(QStringLiteral("Label4_%1").arg(i));
        caption->setAlignment(Qt::AlignLeft | Qt::AlignVCenter);
        // The fields show the key as typed: a plain-text label without a buddy
        // has no access key, so an ampersand in a job code shows as itself.
        jobKey_[i] = valueLabel(QStringLiteral("Panel3D4_%1").arg(i), outer);
        jobKey_[i]->setMinimumWidth(0);
    }

    // Result rows: captions and values of the viewed kind.
    auto *rows = new QWidget(resultsPane_);
    rows->setObjectName(QStringLiteral("ResultRows"));
    auto *grid = new QGridLayout(rows);
    grid->setContentsMargins(0, 0, 0, 0);
    grid->setVerticalSpacing(3);
    auto &values = results_->values;
    for (int row = 0; row < ResultRowCount; ++row)
        values[static_cast<size_t>(row)] = valueLabel(QStringLiteral("Label8_%1").arg(row), rows);
    int line = 0;
    const auto addRow = [&](QGridLayout *into, QLabel *caption, int valueRow) {
        into->addWidget(caption, line, 0);
        into->addWidget(values[static_cast<size_t>(valueRow)], line, 1);
        ++line;
    };
    const auto caption = [](const QString &text, int index, QWidget *parent) {
        auto *label = new QLabel(text, parent);
        label->setObjectName(QStringLiteral("Label2_%1").arg(index));
        return label;
    };
    // Adjust buttons beside the adjustable rows open the edit-result dialog.
    const auto addAdjust = [&](int index, int rowSpan) {
        auto *button = new QPushButton(QStringLiteral("..."), rows);
        button->setObjectName(QStringLiteral("Command3D4_%1").arg(index));
        button->setFixedWidth(28);
        button->setFocusPolicy(Qt::NoFocus);
        button->installEventFilter(this);
        connect(button, &QPushButton::clicked, this, [this, index] { AdjustResult(index); });
        adjustButtons_[static_cast<size_t>(index)] = button;
        grid->addWidget(button, line - 1, 2, rowSpan, 1, Qt::AlignVCenter);
    };
    addRow(grid, caption(QStringLiteral("Number"), 0, rows), 0);
    addAdjust(0, 1);
    addRow(grid, caption(QStringLiteral("Spacing"), 1, rows), 1);
    addAdjust(1, 1);
    addRow(grid, caption(QStringLiteral("Clearance above road edge"), 12, rows), 2);
    addAdjust(2, 1);
    addRow(grid, caption(QStringLiteral("Distance from carriageway"), 11, rows), 3);
    addAdjust(3, 1);
    addRow(grid, caption(QStringLiteral("Kerb Post Length"), 2, rows), 4);
    addRow(grid, caption(QStringLiteral("Post Length 2"), 3, rows), 5);
    addRow(grid, caption(QStringLiteral("Post Length 3"), 4, rows), 6);
    addRow(grid, caption(QStringLiteral("Post Length 4"), 5, rows), 7);
    addRow(grid, caption(QStringLiteral("Stub Length"), 6, rows), 8);
    addRow(grid, caption(QStringLiteral("Post Dimensions"), 7, rows), 9);
    addRow(grid, caption(QStringLiteral("Post Wall Thickness"), 8, rows), 10);
    addRow(grid, caption(QStringLiteral("Post Grade"), 9, rows), 11);
    auto *foundations = heading(QStringLiteral("Support Foundations"), rows);
    foundations->setObjectName(QStringLiteral("Label3_2"));
    grid->addWidget(foundations, line++, 0, 1, 2);
    results_->footingSizeCaption = new QLabel(QStringLiteral("Diameter of Hole"), rows);
    results_->footingSizeCaption->setObjectName(QStringLiteral("Label3_0"));
    addRow(grid, results_->footingSizeCaption, 12);
    addAdjust(4, 2);
    results_->footingDepthCaption = new QLabel(QStringLiteral("Depth"), rows);
    results_->footingDepthCaption->setObjectName(QStringLiteral("Label3_1"));
    addRow(grid, results_->footingDepthCaption, 13);
    addRow(grid, caption(QStringLiteral("Slip Base Required"), 10, rows), 14);
    auto *panels = heading(QStringLiteral("Panels and Stiffeners"), rows);
    panels->setObjectName(QStringLiteral("Label3_3"));
    grid->addWidget(panels, line++, 0, 1, 2);
    // Column 2 is kept for the adjust buttons beside the adjustable rows.
    grid->setColumnMinimumWidth(2, 24);

    // The sign panel slots sit in one row under the heading, placed by the layout.
    const std::array<int, 4> slotLefts{8, 92, 176, 260};
    for (size_t i = 0; i < 4; ++i) {
        signSlots_[i] = new QPushButton(resultsPane_);
        signSlots_[i]->setObjectName(QStringLiteral("Panel3D5_%1").arg(i));
        signSlots_[i]->setFocusPolicy(Qt::NoFocus);
        signSlots_[i]->setGeometry(slotLefts[i], 0, 82, signSlots_[i]->sizeHint().height());
        results_->signSlots[i] = signSlots_[i];
    }
    auto *stiffenerRow = new QWidget(resultsPane_);
    stiffenerRow->setObjectName(QStringLiteral("StiffenerRow"));
    auto *stiffenerGrid = new QGridLayout(stiffenerRow);
    stiffenerGrid->setContentsMargins(0, 0, 0, 0);
    line = 0;
    values[15]->setParent(stiffenerRow);
    addRow(stiffenerGrid, caption(QStringLiteral("Stiffener Type"), 13, stiffenerRow), 15);
    stiffenerGrid->setColumnMinimumWidth(2, 24);

    // Right column: support kind buttons, the elevation and the warnings.
    auto *buttonRow = new QWidget(resultsPane_);
    buttonRow->setObjectName(QStringLiteral("Panel3D6"));
    for (size_t i = 0; i < 4; ++i) {
        auto *button = new QPushButton(RecordText(engine::SupportTypeNames[i + 1]), buttonRow);
        button->setObjectName(QStringLiteral("Command3D1_%1").arg(i));
        button->setCheckable(true);
        button->installEventFilter(this);
        const int index = static_cast<int>(i);
        // Pressing marks the touched button at once; the click completes the choice.
        connect(button, &QPushButton::pressed, this, [this, index] {
            markSupportButton(index, true);
            const int viewed = ViewedSupportType(state_) - 1;
            if (viewed != index)
                markSupportButton(viewed, false);
        });
        connect(button, &QPushButton::clicked, this, [this, index] { SelectSupportType(index); });
        supportButtons_[i] = button;
    }

    designView_ = new QFrame(resultsPane_);
    designView_->setObjectName(QStringLiteral("Panel3D8"));
    designView_->setFrameStyle(QFrame::Panel | QFrame::Sunken);
    designView_->setAutoFillBackground(true);
    view3DHolder_ = new QWidget(designView_);
    view3DHolder_->setObjectName(QStringLiteral("Panel3D9"));
    auto *holderLayout = new QHBoxLayout(view3DHolder_);
    holderLayout->setContentsMargins(0, 0, 0, 0);
    view3DButton_ = new QPushButton(QStringLiteral("View 3D"), view3DHolder_);
    view3DButton_->setObjectName(QStringLiteral("Command3D2"));
    holderLayout->addWidget(view3DButton_);
    connect(view3DButton_, &QPushButton::clicked, this, &Form5::view3DRequested);
    view3DHolder_->hide();

    auto *warningsFrame = new QGroupBox(QStringLiteral("Warnings and Errors"), resultsPane_);
    warningsFrame->setObjectName(QStringLiteral("Panel3D7"));
    auto *rule = new QFrame(warningsFrame);
    rule->setObjectName(QStringLiteral("Line2"));
    rule->setFrameStyle(QFrame::HLine | QFrame::Sunken);
    warnings_ = new WarningsBox(warningsFrame);
    warnings_->setFixedHeight(warnings_->fontMetrics().lineSpacing() * 5 + 12);

    setCentralWidget(client);

    gauge_ = new StatusGauge(outer);

    // The size rule lives in the resize handling; a minimum here would keep it from acting.
    resize(1000, 700);
}

void Form5::buildMenus()
{
    menus_ = std::make_unique<MainMenus>(*this);
    menus_->giveShortcutsPriorityOver(warnings_);
}

QLabel *Form5::resultValue(int row) const { return results_->values[static_cast<size_t>(row)]; }
QLabel *Form5::footingSizeCaption() const { return results_->footingSizeCaption; }
QLabel *Form5::footingDepthCaption() const { return results_->footingDepthCaption; }

bool Form5::isSupportButtonMarked(int index) const
{
    const QPushButton *button = supportButton(index);
    return button->isChecked() && button->font().bold();
}

void Form5::markSupportButton(int index, bool marked)
{
    QPushButton *button = supportButton(index);
    button->setChecked(marked);
    QFont font = button->font();
    font.setBold(marked);
    button->setFont(font);
}

void Form5::FormLoad()
{
    setWindowTitle(QStringLiteral("Kelvora"));
    for (size_t i = 0; i < 4; ++i)
        supportButtons_[i]->setText(RecordText(engine::SupportTypeNames[i + 1]));
    SelectSupportType(0);
    resetDesign();
    state_.DesignOpen = engine::FlagFalse;
    resultsPane_->hide();
    // With no database the engineer chooses a file through the storage
    // dialog, as File, Open does. The reset of the new run comes first, so a
    // design loaded here is the one shown.
    if (services_.databaseOpen && !services_.databaseOpen()) {
        FileOpen();
        // Nothing was loaded: the new run's design takes the default values
        // of the file just chosen, not the blanks of no database.
        if (state_.DesignOpen == 0)
            resetDesign();
    }
}

void Form5::resetDesign()
{
    const engine::DefaultValues defaults = services_.defaultValues ? services_.defaultValues() : engine::DefaultValues{};
    engine::ResetDesignData(state_, defaults);
}

bool Form5::eventFilter(QObject *watched, QEvent *event)
{
    if (event->type() == QEvent::Enter)
        for (QPushButton *button : supportButtons_)
            if (watched == button)
                gauge_->setCaption(QStringLiteral("Select Structural Options"));
    if (event->type() == QEvent::Enter)
        for (QPushButton *button : adjustButtons_)
            if (watched == button)
                gauge_->setCaption(QStringLiteral("Press to Adjust Design Parameter"));
    return QMainWindow::eventFilter(watched, event);
}

bool Form5::event(QEvent *event)
{
    if (event->type() == QEvent::WindowActivate)
        FormActivate();
    return QMainWindow::event(event);
}

void Form5::FormActivate()
{
    if (state_.DesignChanged != 0 && state_.RedesignNeeded != 0) {
        // A design-relevant input changed: the extra posts found for the old
        // input no longer apply.
        for (int kind = 1; kind <= 4; ++kind)
            state_.SupportDesigns[static_cast<size_t>(kind)].PNO = 0;
        state_.RedesignNeeded = engine::FlagFalse;
    }
    engine::RunDesign(state_);
    engine::RedesignWithMorePosts(state_);
    const int viewed = ViewedSupportType(state_);
    if (state_.DesignOpen != 0) {
        SelectSupportType(viewed - 1);
        resultsPane_->show();
    } else {
        for (QLabel *field : jobKey_)
            field->clear();
        resultsPane_->hide();
    }
    if (state_.SupportDesigns[static_cast<size_t>(viewed)].PostDimensions.view().find('X') != std::string_view::npos
        && views_.layoutView3D)
        views_.layoutView3D();
    menus_->updateEnabling();
}

void Form5::SelectSupportType(int index)
{
    index = std::clamp(index, 0, 3);
    // The chosen button first, then the others in ascending order.
    markSupportButton(index, true);
    for (int other = 0; other < 4; ++other)
        if (other != index)
            markSupportButton(other, false);
    state_.CurrentSupportType = static_cast<int16_t>(index + 1);
    UpdateMainForm();
    const auto &strut = state_.SupportDesigns[engine::SupportStrut];
    view3DHolder_->setVisible(state_.CurrentSupportType == engine::SupportStrut
                              && strut.NoResultCode != engine::ResultInsufficientTerrain);
}

void Form5::UpdateForm() { UpdateMainForm(); }

void Form5::UpdateMainForm()
{
    const engine::DesignRecord &design = state_.CurrentDesign;
    const std::array<std::string_view, 3> key{design.JobCode.view(), design.JobSection.view(), design.SignPos.view()};
    for (size_t i = 0; i < 3; ++i)
        jobKey_[i]->setText(TrimmedRecordText(key[i]));

    ShowSupportResults(state_, *results_);

    // Slot captions follow the number of panels; other counts leave them as they are.
    if (design.NumFrontSigns >= 0 && design.NumFrontSigns <= 3)
        for (size_t slot = 0; slot < 3; ++slot)
            signSlots_[slot]->setText(FrontSlotCaptions[static_cast<size_t>(design.NumFrontSigns)][slot]);
    if (design.NumBackSigns == 0)
        signSlots_[3]->setText(QString());
    else if (design.NumBackSigns == 1)
        signSlots_[3]->setText(QStringLiteral("Back Sign "));

    QLabel *first = resultValue(0);
    setBackground(first, ValueBackground);
    if (first->text().trimmed() != QStringLiteral("No Result")) {
        if (views_.drawDesignView)
            views_.drawDesignView();
        if (views_.layoutView3D)
            views_.layoutView3D();
    } else {
        setBackground(first, NoResultBackground);
        if (views_.hideDesignView)
            views_.hideDesignView();
    }
    ShowWarningsAndErrors(state_, *warnings_);
}

void Form5::closeEvent(QCloseEvent *event)
{
    // Closing the window is a way out like File, Exit: the same question, and
    // the database path is remembered.
    if (!settleUnsavedChanges()) {
        event->ignore();
        return;
    }
    if (services_.saveDatabaseSetting)
        services_.saveDatabaseSetting();
    // The program ends with its last primary window; dialogs the window owns
    // do not keep it running.
    event->accept();
}

} // namespace app
