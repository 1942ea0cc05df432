#include "app/main_window.h"

#include "app/record_text.h"
#include "app/result_panel.h"
#include "app/warnings_box.h"
#include "engine/design_messages.h"
#include "engine/design_run.h"
#include "engine/design_state.h"
#include "engine/reference_lists.h"
#include "engine/vb.h"
#include "input/sign_details_form.h"
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
#include <QStatusBar>
#include <QVBoxLayout>
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

// The save-changes question, Yes the default.
platform::MessageAnswer askToSaveChanges()
{
    return platform::showMessage(QStringLiteral("Do you wish to save changes to current Structural Design?"),
                                 QStringLiteral("Warning"), platform::MessageButtons::YesNoCancel,
                                 platform::MessageIcon::Question, 1);
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
    auto *outer = new QWidget(this);  // holds the results pane
    outer->setObjectName(QStringLiteral("Panel3D1"));
    auto *outerLayout = new QVBoxLayout(outer);
    outerLayout->setContentsMargins(8, 8, 8, 4);

    resultsPane_ = new QGroupBox(QStringLiteral("Support Posts"), outer);
    resultsPane_->setObjectName(QStringLiteral("Panel3D3"));
    outerLayout->addWidget(resultsPane_);
    auto *paneLayout = new QVBoxLayout(resultsPane_);

    // Job key row: three captions and three equal fields across the pane.
    auto *keyRow = new QHBoxLayout;
    const std::array<QString, 3> keyCaptions{QStringLiteral("Job Number"), QStringLiteral("Job Section"),
                                             QStringLiteral("Sign Position")};
    for (size_t i = 0; i < 3; ++i) {
        auto *caption = new QLabel(keyCaptions[i], resultsPane_);
        caption->setObjectName(QStringLiteral("Label4_%1").arg(i));
        // The fields show the key as typed: a plain-text label without a buddy
        // has no access key, so an ampersand in a job code shows as itself.
        jobKey_[i] = valueLabel(QStringLiteral("Panel3D4_%1").arg(i), resultsPane_);
        keyRow->addWidget(caption);
        keyRow->addWidget(jobKey_[i], 1);
        if (i < 2)
            keyRow->addSpacing(16);
    }
    paneLayout->addLayout(keyRow);

    auto *body = new QHBoxLayout;
    paneLayout->addLayout(body, 1);

    // Result rows: captions and values of the viewed kind.
    auto *grid = new QGridLayout;
    grid->setVerticalSpacing(3);
    auto &values = results_->values;
    for (int row = 0; row < ResultRowCount; ++row)
        values[static_cast<size_t>(row)] = valueLabel(QStringLiteral("Label8_%1").arg(row), resultsPane_);
    int line = 0;
    const auto addRow = [&](QLabel *caption, int valueRow) {
        grid->addWidget(caption, line, 0);
        grid->addWidget(values[static_cast<size_t>(valueRow)], line, 1);
        ++line;
    };
    const auto caption = [this](const QString &text, int index) {
        auto *label = new QLabel(text, resultsPane_);
        label->setObjectName(QStringLiteral("Label2_%1").arg(index));
        return label;
    };
    addRow(caption(QStringLiteral("Number"), 0), 0);
    addRow(caption(QStringLiteral("Spacing"), 1), 1);
    addRow(caption(QStringLiteral("Clearance above road edge"), 12), 2);
    addRow(caption(QStringLiteral("Distance from carriageway"), 11), 3);
    addRow(caption(QStringLiteral("Kerb Post Length"), 2), 4);
    addRow(caption(QStringLiteral("Post Length 2"), 3), 5);
    addRow(caption(QStringLiteral("Post Length 3"), 4), 6);
    addRow(caption(QStringLiteral("Post Length 4"), 5), 7);
    addRow(caption(QStringLiteral("Stub Length"), 6), 8);
    addRow(caption(QStringLiteral("Post Dimensions"), 7), 9);
    addRow(caption(QStringLiteral("Post Wall Thickness"), 8), 10);
    addRow(caption(QStringLiteral("Post Grade"), 9), 11);
    auto *foundations = heading(QStringLiteral("Support Foundations"), resultsPane_);
    foundations->setObjectName(QStringLiteral("Label3_2"));
    grid->addWidget(foundations, line++, 0, 1, 2);
    results_->footingSizeCaption = new QLabel(QStringLiteral("Diameter of Hole"), resultsPane_);
    results_->footingSizeCaption->setObjectName(QStringLiteral("Label3_0"));
    addRow(results_->footingSizeCaption, 12);
    results_->footingDepthCaption = new QLabel(QStringLiteral("Depth"), resultsPane_);
    results_->footingDepthCaption->setObjectName(QStringLiteral("Label3_1"));
    addRow(results_->footingDepthCaption, 13);
    addRow(caption(QStringLiteral("Slip Base Required"), 10), 14);
    auto *panels = heading(QStringLiteral("Panels and Stiffeners"), resultsPane_);
    panels->setObjectName(QStringLiteral("Label3_3"));
    grid->addWidget(panels, line++, 0, 1, 2);
    auto *slotRow = new QHBoxLayout;
    for (size_t i = 0; i < 4; ++i) {
        signSlots_[i] = new QPushButton(resultsPane_);
        signSlots_[i]->setObjectName(QStringLiteral("Panel3D5_%1").arg(i));
        signSlots_[i]->setFocusPolicy(Qt::NoFocus);
        results_->signSlots[i] = signSlots_[i];
        slotRow->addWidget(signSlots_[i]);
    }
    slotRow->addStretch(1);
    grid->addLayout(slotRow, line++, 0, 1, 2);
    addRow(caption(QStringLiteral("Stiffener Type"), 13), 15);
    grid->setRowStretch(line, 1);
    // Column 2 is kept for the adjust buttons beside the adjustable rows.
    grid->setColumnMinimumWidth(2, 24);
    body->addLayout(grid);

    // Right column: support kind buttons, the elevation and the warnings.
    auto *right = new QVBoxLayout;
    body->addLayout(right, 1);
    auto *buttonRow = new QWidget(resultsPane_);
    buttonRow->setObjectName(QStringLiteral("Panel3D6"));
    auto *buttonLayout = new QHBoxLayout(buttonRow);
    buttonLayout->setContentsMargins(0, 0, 0, 0);
    buttonLayout->setSpacing(0);
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
        buttonLayout->addWidget(button, 1);
    }
    right->addWidget(buttonRow);

    designView_ = new QFrame(resultsPane_);
    designView_->setObjectName(QStringLiteral("Panel3D8"));
    designView_->setFrameStyle(QFrame::Panel | QFrame::Sunken);
    designView_->setAutoFillBackground(true);
    designView_->setMinimumSize(240, 160);
    auto *viewLayout = new QVBoxLayout(designView_);
    viewLayout->addStretch(1);
    auto *holderRow = new QHBoxLayout;
    holderRow->addStretch(1);
    view3DHolder_ = new QWidget(designView_);
    view3DHolder_->setObjectName(QStringLiteral("Panel3D9"));
    auto *holderLayout = new QHBoxLayout(view3DHolder_);
    holderLayout->setContentsMargins(0, 0, 0, 0);
    view3DButton_ = new QPushButton(QStringLiteral("View 3D"), view3DHolder_);
    view3DButton_->setObjectName(QStringLiteral("Command3D2"));
    holderLayout->addWidget(view3DButton_);
    connect(view3DButton_, &QPushButton::clicked, this, &Form5::view3DRequested);
    view3DHolder_->hide();
    holderRow->addWidget(view3DHolder_);
    viewLayout->addLayout(holderRow);
    right->addWidget(designView_, 1);

    auto *warningsFrame = new QGroupBox(QStringLiteral("Warnings and Errors"), resultsPane_);
    warningsFrame->setObjectName(QStringLiteral("Panel3D7"));
    auto *warningsLayout = new QVBoxLayout(warningsFrame);
    warningsLayout->setContentsMargins(4, 4, 4, 4);
    warnings_ = new WarningsBox(warningsFrame);
    warnings_->setFixedHeight(warnings_->fontMetrics().lineSpacing() * 5 + 12);
    warningsLayout->addWidget(warnings_);
    right->addWidget(warningsFrame);

    setCentralWidget(outer);

    gauge_ = new StatusGauge(this);
    statusBar()->addWidget(gauge_, 1);
    statusBar()->setSizeGripEnabled(true);

    setMinimumSize(646, 424);
    resize(1000, 700);
}

void Form5::buildMenus()
{
    // File: Open and Exit for now; the full menu bar arrives with the menu commands.
    QMenu *file = menuBar()->addMenu(QStringLiteral("&File"));
    file->setObjectName(QStringLiteral("menuFile"));
    QAction *open = file->addAction(QStringLiteral("&Open"));
    open->setObjectName(QStringLiteral("menuFileOpen"));
    open->setShortcut(QKeySequence(Qt::CTRL | Qt::Key_O));
    connect(open, &QAction::triggered, this, &Form5::FileOpen);
    file->addSeparator();
    QAction *exit = file->addAction(QStringLiteral("E&xit"));
    exit->setObjectName(QStringLiteral("menuFileExit"));
    exit->setShortcut(QKeySequence(Qt::CTRL | Qt::Key_F4));
    connect(exit, &QAction::triggered, this, &Form5::FileExit);
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
    state_.DesignOpen = engine::VbFalse;
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
    input::Form1::requestReloadOf(this);
}

bool Form5::eventFilter(QObject *watched, QEvent *event)
{
    if (event->type() == QEvent::Enter)
        for (QPushButton *button : supportButtons_)
            if (watched == button)
                gauge_->setCaption(QStringLiteral("Select Structural Options"));
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
        state_.RedesignNeeded = engine::VbFalse;
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

bool Form5::settleUnsavedChanges()
{
    if (services_.acceptPendingEdit)
        services_.acceptPendingEdit();
    if (state_.DesignChanged == 0)
        return true;
    const platform::MessageAnswer answer = askToSaveChanges();
    if (answer == platform::MessageAnswer::Cancel)
        return false;
    if (answer == platform::MessageAnswer::Yes && state_.DesignOpen != 0 && services_.silentSave)
        return services_.silentSave();
    return true;
}

void Form5::FileOpen()
{
    const platform::MessageAnswer answer =
        state_.DesignChanged != 0 ? askToSaveChanges() : platform::MessageAnswer::No;
    if (answer == platform::MessageAnswer::Cancel)
        return;
    if (answer == platform::MessageAnswer::Yes) {
        if (services_.showStorageDialog)
            services_.showStorageDialog(1);
        resetDesign();
    }
    if (services_.showStorageDialog)
        services_.showStorageDialog(0);
    input::Form1::requestReloadOf(this);
    if (isVisible())
        FormActivate();
}

void Form5::FileExit()
{
    if (!settleUnsavedChanges())
        return;
    state_.DesignChanged = engine::VbFalse;
    resetDesign();
    resultsPane_->hide();
    hide();
    if (services_.saveDatabaseSetting)
        services_.saveDatabaseSetting();
    platform::exitService().exitProgram(0);
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
