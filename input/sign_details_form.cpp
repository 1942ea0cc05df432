#include "input/sign_details_form.h"

#include "database/ui/design_browser.h"
#include "database/ui/dialog_support.h"
#include "engine/design_run.h"
#include "engine/design_state.h"
#include "engine/reference_lists.h"
#include "input/panels_page_impl.h"
#include "input/record_text_entry.h"
#include "input/slope_page_impl.h"
#include "platform/services.h"

#include <QApplication>
#include <QButtonGroup>
#include <QCloseEvent>
#include <QComboBox>
#include <QGroupBox>
#include <QLabel>
#include <QLineEdit>
#include <QPushButton>
#include <QRadioButton>
#include <QShowEvent>
#include <QSignalBlocker>
#include <QTabBar>
#include <QTabWidget>
#include <QWindow>

#include <algorithm>
#include <cstdint>
#include <span>
#include <string_view>

namespace input {
namespace {

// A box's number: the leading number of its text, to the nearest whole
// millimetre (halves to even), saturated to the record's range.
int32_t BoxNumber(const QLineEdit *box)
{
    return engine::ToInt32(engine::Val(box->text().toStdString()));
}

// A stored sign number as its box shows it: without the blanks around it.
QString ShownSignCode(std::string_view code)
{
    const std::string_view trimmed = engine::Trim(code);
    return QString::fromUtf8(trimmed.data(), static_cast<qsizetype>(trimmed.size()));
}

QString NumberText(long long value)
{
    return QString::fromStdString(engine::CStrInteger(value));
}

// Shows a stored index; an index outside the list shows no selection.
void ShowListIndex(QComboBox *combo, int index)
{
    combo->setCurrentIndex(index >= 0 && index < combo->count() ? index : -1);
}

// The first `count` entries of a reference list (all by default).
void AddEntries(QComboBox *combo, std::span<const std::string_view> list, std::size_t count = SIZE_MAX)
{
    for (const std::string_view entry : list.first(std::min(count, list.size())))
        combo->addItem(QString::fromUtf8(entry.data(), static_cast<qsizetype>(entry.size())));
}

} // namespace

Form1::Form1(engine::DesignState &state, QWidget *parent)
    : QDialog(parent), state_(state)
{
    buildForm();
    connectHandlers();
    // The slope page takes its controls over once the form's own handlers are connected.
    slope_ = std::make_unique<SlopePageImpl>(*this);
    panels_ = std::make_unique<PanelsPageImpl>(*this);
    connect(qApp, &QGuiApplication::focusWindowChanged, this, &Form1::noteFocusWindow);
    Form_Load();
}

Form1::~Form1() = default;

void Form1::setPanelsPage(std::unique_ptr<PanelsPage> page) { panels_ = std::move(page); }

void Form1::requestReload() { vars_.ReloadPending = true; }

void Form1::connectHandlers()
{
    for (int i = 0; i < static_cast<int>(text1_.size()); ++i)
        connect(text1_[static_cast<size_t>(i)], &QLineEdit::textChanged, this, [this, i] { Text1_Change(i); });
    for (int i = 0; i < static_cast<int>(text2_.size()); ++i)
        connect(text2_[static_cast<size_t>(i)], &QLineEdit::textChanged, this, [this, i] { Text2_Change(i); });
    for (int i = 0; i < static_cast<int>(text3_.size()); ++i)
        connect(text3_[static_cast<size_t>(i)], &QLineEdit::textChanged, this, [this, i] { slope_->Text3_Change(i); });
    for (int i = 0; i < static_cast<int>(text4_.size()); ++i)
        connect(text4_[static_cast<size_t>(i)], &QLineEdit::textChanged, this, [this, i] { Text4_Change(i); });

    for (int a = 0; a < OptionArrayCount; ++a)
        connect(groups_[static_cast<size_t>(a)], &QButtonGroup::idClicked, this,
                [this, a](int id) { runOptionHandler(static_cast<OptionArray>(a), id); });

    // Each list stores its position into its field: slot Index + 1, 4 for
    // the back panel; the colour lists then redraw the layout view.
    engine::DesignRecord &w = vars_.WorkingDesign;
    for (int i = 0; i < 3; ++i) {
        const size_t slot = static_cast<size_t>(i + 1);
        connect(combo1_[static_cast<size_t>(i)], &QComboBox::currentIndexChanged, this,
                [this, &w, slot](int p) { comboChanged(w.LegendClass[slot], false, p); });
        connect(combo2_[static_cast<size_t>(i)], &QComboBox::currentIndexChanged, this,
                [this, &w, slot](int p) { comboChanged(w.BkgndClass[slot], false, p); });
        connect(combo5_[static_cast<size_t>(i)], &QComboBox::currentIndexChanged, this,
                [this, &w, slot](int p) { comboChanged(w.LegendColour[slot], true, p); });
        connect(combo6_[static_cast<size_t>(i)], &QComboBox::currentIndexChanged, this,
                [this, &w, slot](int p) { comboChanged(w.BkgndColour[slot], true, p); });
    }
    const size_t back = engine::kBackSlot;
    connect(combo3_, &QComboBox::currentIndexChanged, this,
            [this, &w, back](int p) { comboChanged(w.LegendClass[back], false, p); });
    connect(combo4_, &QComboBox::currentIndexChanged, this,
            [this, &w, back](int p) { comboChanged(w.BkgndClass[back], false, p); });
    connect(combo7_, &QComboBox::currentIndexChanged, this,
            [this, &w, back](int p) { comboChanged(w.LegendColour[back], true, p); });
    connect(combo8_, &QComboBox::currentIndexChanged, this,
            [this, &w, back](int p) { comboChanged(w.BkgndColour[back], true, p); });

    for (int i = 0; i < 4; ++i)
        connect(command1_[static_cast<size_t>(i)], &QPushButton::clicked, this, [this, i] { Command1_Click(i); });

    // Pages chosen by the engineer run their handlers; pages set from code
    // are silent (setMainPage, setSlopeTab).
    connect(tab1_, &QTabWidget::currentChanged, this, [this](int page) {
        const int previous = mainPage_;
        mainPage_ = page;
        if (!settingPage_)
            panels_->SSIndexTab1_Click(previous);
    });
    connect(tab2_, &QTabBar::currentChanged, this, [this](int tab) {
        const int previous = slopeTab_;
        slopeTab_ = tab;
        if (!settingPage_)
            slope_->SSIndexTab2_Click(previous);
    });
    connect(tab3_, &QTabWidget::currentChanged, this, [this](int page) {
        const int previous = signTab_;
        signTab_ = page;
        SSIndexTab3_Click(previous);
    });
}

void Form1::comboChanged(int16_t &field, bool colour, int position)
{
    // No selection (a stored index outside the list) stores nothing: the
    // field keeps its value until the engineer picks an entry.
    if (position < 0)
        return;
    field = static_cast<int16_t>(position);
    if (colour)
        panels_->DrawSignLayoutView();
}

void Form1::runOptionHandler(OptionArray array, int index)
{
    switch (array) {
    case OptionArray::Option3D1: slope_->Option3D1_Click(index); break;
    case OptionArray::Option3D2: Option3D2_Click(index); break;
    case OptionArray::Option3D3: Option3D3_Click(index); break;
    case OptionArray::Option3D4: slope_->Option3D4_Click(index); break;
    case OptionArray::Option3D5: slope_->Option3D5_Click(index); break;
    case OptionArray::Option3D6: slope_->Option3D6_Click(index); break;
    case OptionArray::Option3D7: Option3D7_Click(index); break;
    case OptionArray::Option3D8: slope_->Option3D8_Click(index); break;
    case OptionArray::Option3D9: slope_->Option3D9_Click(index); break;
    }
}

void Form1::selectOption(OptionArray array, int index)
{
    QAbstractButton *button = options(array)->button(index);
    if (!button)
        return;
    {
        const QSignalBlocker blockButton(button);
        const QSignalBlocker blockGroup(options(array));
        button->setChecked(true);
    }
    runOptionHandler(array, index);
}

void Form1::setMainPage(int page)
{
    settingPage_ = true;
    tab1_->setCurrentIndex(page);
    settingPage_ = false;
}

void Form1::setSlopeTab(int tab)
{
    settingPage_ = true;
    tab2_->setCurrentIndex(tab);
    settingPage_ = false;
}

void Form1::Form_Load()
{
    // Positions equal the stored indexes. The empty last class cannot be
    // stored, so the class lists end before it.
    for (int i = 0; i < 3; ++i)
        AddEntries(combo1_[static_cast<size_t>(i)], engine::LegendClassNames, engine::LegendClassNames.size() - 1);
    AddEntries(combo3_, engine::LegendClassNames, engine::LegendClassNames.size() - 1);
    for (int i = 0; i < 3; ++i)
        AddEntries(combo2_[static_cast<size_t>(i)], engine::BackgroundClassNames,
                   engine::BackgroundClassNames.size() - 1);
    AddEntries(combo4_, engine::BackgroundClassNames, engine::BackgroundClassNames.size() - 1);
    for (int i = 0; i < 3; ++i)
        AddEntries(combo6_[static_cast<size_t>(i)], engine::BackgroundColourNames);
    AddEntries(combo8_, engine::BackgroundColourNames);
    for (int i = 0; i < 3; ++i)
        AddEntries(combo5_[static_cast<size_t>(i)], engine::LegendColourNames);
    AddEntries(combo7_, engine::LegendColourNames);
    // Filling selected entry 0 of each list; a loaded form shows none until
    // the first activation.
    for (QComboBox *combo : findChildren<QComboBox *>()) {
        const QSignalBlocker block(combo);
        combo->setCurrentIndex(-1);
    }
    vars_.WorkingDesign = engine::DesignRecord{};
    // No panel is chosen yet: the panel pages start off.
    UpdateSignTabs();

    vars_.ReloadPending = true;
    adjustSize();
    database::CentreOnScreen(this);
}

void Form1::Form_Activate()
{
    // The yield below may deliver another activation; it is not run inside
    // this one.
    if (activating_)
        return;
    activating_ = true;
    const bool reload = vars_.ReloadPending;
    if (reload) {
        setMainPage(JobDetailsPage);
        panels_->SSIndexTab1_Click(RoadsideSlopePage);
    }
    QApplication::processEvents(QEventLoop::ExcludeUserInputEvents);

    if (reload) {
        // The slope choices start from their defaults; the design's own
        // values follow from the copy below. A plain re-activation keeps
        // whatever the engineer has chosen and typed.
        vars_.SlopeSegmentCount = 1;
        selectOption(OptionArray::Option3D4, 0);
        vars_.WorkingDesign.SignOnLeft = engine::FlagTrue;
        selectOption(OptionArray::Option3D5, 0);
        selectOption(OptionArray::Option3D6, 1);
        selectOption(OptionArray::Option3D9, 0);
        selectOption(OptionArray::Option3D1, 0);
    }
    panels_->FillDesignDirectory();
    vars_.DirectoryPicking = false;
    if (reload) {
        for (QLineEdit *box : {text1_[9], text1_[10], text1_[11], text2_[3]})
            box->setText(QStringLiteral("0"));
        fillFromWorkingCopy();
    }

    CheckSignDataComplete();
    vars_.JustActivated = true;
    activating_ = false;
}

void Form1::fillFromWorkingCopy()
{
    engine::DesignRecord &w = vars_.WorkingDesign;
    setMainPage(JobDetailsPage);
    panels_->SSIndexTab1_Click(RoadsideSlopePage);
    setSlopeTab(0);
    slope_->SSIndexTab2_Click(1);

    vars_.ReloadPending = false;
    vars_.Filling = true;
    engine::CopyDesignRecord(state_.CurrentDesign, w);

    selectOption(OptionArray::Option3D8, w.SupportStruts != 0 ? 0 : 1);
    for (QLineEdit *box : text4_)
        box->clear();
    for (int i = 0; i <= 8; ++i)
        text1_[static_cast<size_t>(i)]->clear();
    text1_[12]->setText(NumberText(w.RoadHeight));
    text1_[13]->setText(NumberText(w.DistFromKerb));

    vars_.FrontSignCount = w.NumFrontSigns;
    if (w.NumFrontSigns >= 1 && w.NumFrontSigns <= 3) {
        for (int k = 1; k <= w.NumFrontSigns; ++k) {
            const size_t slot = static_cast<size_t>(k);
            text1_[static_cast<size_t>(k - 1)]->setText(NumberText(w.FrontSignWidth[slot]));
            text1_[static_cast<size_t>(k + 2)]->setText(NumberText(w.FrontSignDepth[slot]));
            text1_[static_cast<size_t>(k + 8)]->setText(NumberText(w.FrontSignClearance[slot]));
            text1_[static_cast<size_t>(k + 5)]->setText(ShownSignCode(w.SignCode[slot].view()));
        }
    }
    for (int i = 0; i <= 2; ++i)
        text2_[static_cast<size_t>(i)]->clear();
    vars_.BackSignCount = w.NumBackSigns;
    if (w.NumBackSigns == 1) {
        text2_[0]->setText(NumberText(w.BackSignWidth));
        text2_[1]->setText(NumberText(w.BackSignDepth));
        text2_[2]->setText(ShownSignCode(w.SignCode[engine::kBackSlot].view()));
    }
    if (w.BackSignClearance < 1) {
        selectOption(OptionArray::Option3D7, 0);
        text1_[9]->setText(NumberText(w.FrontSignClearance[1]));
    } else {
        selectOption(OptionArray::Option3D7, 1);
        text2_[3]->setText(NumberText(w.BackSignClearance));
    }

    // The key as copied in, only its padding removed: a leading blank is
    // part of the key.
    const engine::FixedText<15> key[3] = {w.JobCode, w.JobSection, w.SignPos};
    for (int i = 0; i < 3; ++i)
        text4_[static_cast<size_t>(i)]->setText(ShownRecordText(key[i].view()));

    for (int k = 1; k <= 3; ++k) {
        const size_t slot = static_cast<size_t>(k);
        const size_t i = slot - 1;
        ShowListIndex(combo1_[i], w.LegendClass[slot]);
        ShowListIndex(combo2_[i], w.BkgndClass[slot]);
        ShowListIndex(combo5_[i], w.LegendColour[slot]);
        ShowListIndex(combo6_[i], w.BkgndColour[slot]);
    }
    const size_t back = engine::kBackSlot;
    ShowListIndex(combo3_, w.LegendClass[back]);
    ShowListIndex(combo4_, w.BkgndClass[back]);
    if (w.LegendColour[back] > 3)
        w.LegendColour[back] = 1;
    ShowListIndex(combo7_, w.LegendColour[back]);
    ShowListIndex(combo8_, w.BkgndColour[back]);

    selectOption(OptionArray::Option3D6, w.RPSegLength < 1 ? 1 : 0);

    // Segments run up to the first length of 0; five non-zero lengths are
    // five segments. The sixth length is the design's own and stays.
    int count = 5;
    for (int k = 1; k <= 5; ++k) {
        if (w.SegLength[static_cast<size_t>(k)] == 0) {
            count = k - 1;
            break;
        }
    }
    if (count < 1)
        count = 1;
    vars_.SlopeSegmentCount = static_cast<int16_t>(count);
    selectOption(OptionArray::Option3D4, count - 1);

    selectOption(OptionArray::Option3D5, w.SignOnLeft != 0 ? 0 : 1);
    slope_->UpdateSegmentTabs();
    vars_.Filling = false;
}

bool Form1::CheckSignDataComplete()
{
    if (vars_.Filling)
        return false;
    engine::DesignRecord &w = vars_.WorkingDesign;
    StoreRecordText(w.JobCode, text4_[0]->text());
    StoreRecordText(w.JobSection, text4_[1]->text());
    StoreRecordText(w.SignPos, text4_[2]->text());
    const bool keyOk = !w.JobCode.IsBlank() && !w.JobSection.IsBlank() && !w.SignPos.IsBlank();

    for (size_t k = 1; k <= 3; ++k) {
        w.FrontSignWidth[k] = 0;
        w.FrontSignDepth[k] = 0;
        w.FrontSignClearance[k] = 0;
    }
    w.RoadHeight = BoxNumber(text1_[12]);
    w.DistFromKerb = BoxNumber(text1_[13]);
    const int front = vars_.FrontSignCount;
    const int back = vars_.BackSignCount;
    for (int k = 1; k <= std::min(front, 3); ++k) {
        const size_t slot = static_cast<size_t>(k);
        w.FrontSignWidth[slot] = BoxNumber(text1_[static_cast<size_t>(k - 1)]);
        w.FrontSignDepth[slot] = BoxNumber(text1_[static_cast<size_t>(k + 2)]);
        w.FrontSignClearance[slot] = BoxNumber(text1_[static_cast<size_t>(k + 8)]);
        StoreRecordText(w.SignCode[slot], text1_[static_cast<size_t>(k + 5)]->text());
    }
    w.BackSignWidth = 0;
    w.BackSignDepth = 0;
    if (back == 1) {
        w.BackSignWidth = BoxNumber(text2_[0]);
        w.BackSignDepth = BoxNumber(text2_[1]);
        StoreRecordText(w.SignCode[engine::kBackSlot], text2_[2]->text());
    }
    w.BackSignClearance = BoxNumber(text2_[3]);

    engine::CountValidSigns(w);
    const int validFront = w.NumFrontSigns;
    const int validBack = w.NumBackSigns;
    const bool frontOk = validFront >= front && (w.RoadHeight != 0 || front == 0);
    const bool backOk = validBack >= back && (w.RoadHeight != 0 || back == 0);

    // Sign numbers compare as their padded fields: trailing blanks make no
    // difference, leading blanks and letter case do.
    bool signsOk = validFront != 0 || validBack != 0;
    const int chosen = std::min(front, 3);
    for (int k = 1; k <= chosen; ++k)
        if (w.SignCode[static_cast<size_t>(k)].IsBlank())
            signsOk = false;
    if (back == 1 && w.SignCode[engine::kBackSlot].IsBlank())
        signsOk = false;
    for (int i = 1; i <= chosen; ++i) {
        for (int j = i + 1; j <= chosen; ++j)
            if (w.SignCode[static_cast<size_t>(i)] == w.SignCode[static_cast<size_t>(j)])
                signsOk = false;
        if (back == 1 && w.SignCode[static_cast<size_t>(i)] == w.SignCode[engine::kBackSlot])
            signsOk = false;
    }

    const bool complete = keyOk && frontOk && backOk && signsOk;
    command1_[1]->setEnabled(complete);
    return complete;
}

void Form1::showFormMessage(const QString &text, const QString &title)
{
    // Windows that come and go while the form's own message is up are not
    // "another window of the program" when the form is activated again.
    ++messageDepth_;
    platform::showMessage(text, title, platform::MessageButtons::Ok, platform::MessageIcon::Exclamation);
    --messageDepth_;
}

void Form1::Command1_Click(int index)
{
    switch (index) {
    case 0:
        vars_.ReloadPending = true;
        done(QDialog::Rejected);
        break;
    case 1:
        if (!slope_->SegmentsCoverSigns()) {
            showFormMessage(QStringLiteral("The total segments length is smaller than the width of some signs. "
                                           "Please adjust their values"),
                            QStringLiteral("Invalid input value") + QString(78, QLatin1Char(' ')) +
                                QStringLiteral("Mastra"));
            setMainPage(SignPanelsPage);
            return;
        }
        if (!CheckSignDataComplete()) {
            showFormMessage(QStringLiteral("Insufficient Sign Data has been entered!\nPlease complete before continuing."),
                            QStringLiteral("Dovrane Program Warning"));
            return;
        }
        vars_.ReloadPending = true;
        engine::CompareDesignRecords(vars_.WorkingDesign, state_.CurrentDesign, state_.DesignChanged,
                                     state_.RedesignNeeded);
        engine::CopyDesignRecord(vars_.WorkingDesign, state_.CurrentDesign);
        done(QDialog::Accepted);
        break;
    case 2:
    case 3: {
        const int previous = tab1_->currentIndex();
        const int page = index == 2 ? previous + 1 : previous - 1;
        if (page < 0 || page >= tab1_->count())
            return;
        setMainPage(page);
        panels_->SSIndexTab1_Click(previous);
        break;
    }
    default:
        break;
    }
}

void Form1::UpdateSignTabs()
{
    const int front = vars_.FrontSignCount;
    const int back = vars_.BackSignCount;
    const QString captions[5] = {
        front == 1 ? QStringLiteral("Front Sign") : front >= 2 ? QStringLiteral("Lower Sign") : QString(),
        front == 2 ? QStringLiteral("Upper Sign") : front == 3 ? QStringLiteral("Middle Sign") : QString(),
        front == 3 ? QStringLiteral("Upper Sign") : QString(),
        back == 1 ? QStringLiteral("Back Sign") : QString(),
        front >= 1 && front <= 3 && front + back >= 2 ? QStringLiteral("Separation Details") : QString(),
    };
    for (int p = 1; p <= 5; ++p) {
        const QString &caption = captions[p - 1];
        const bool on = !caption.isEmpty();
        tab3_->setTabText(p, caption);
        tab3_->setTabEnabled(p, on);
        frame3d2_[static_cast<size_t>(p - 1)]->setHidden(!on);
    }
    if (frame3d2_[4]->isHidden())
        return;
    panel3d2_[2]->setHidden(back != 1);
    if (front == 3) {
        panel3d2_[0]->setHidden(false);
        panel3d2_[1]->setHidden(false);
        label1_[28]->setText(QStringLiteral("Vertical Separation Middle to Upper"));
        label1_[20]->setText(QStringLiteral("Vertical Separation Lower to Middle"));
    } else if (front == 2) {
        panel3d2_[0]->setHidden(true);
        panel3d2_[1]->setHidden(false);
        label1_[20]->setText(QStringLiteral("Vertical Separation Lower to Upper"));
    } else if (front == 1) {
        panel3d2_[0]->setHidden(true);
        panel3d2_[1]->setHidden(true);
    }
}

void Form1::Option3D2_Click(int index)
{
    vars_.FrontSignCount = static_cast<int16_t>(index);
    UpdateSignTabs();
    CheckSignDataComplete();
    panels_->DrawSignLayoutView();
}

void Form1::Option3D3_Click(int index)
{
    vars_.BackSignCount = static_cast<int16_t>(index);
    UpdateSignTabs();
    CheckSignDataComplete();
    panels_->DrawSignLayoutView();
}

void Form1::Option3D7_Click(int index)
{
    // Only one of the two front-to-back separations is in use.
    if (index != 0 && index != 1)
        return;
    const bool frontHigher = index == 0;
    label1_[0]->setEnabled(frontHigher);
    text1_[9]->setEnabled(frontHigher);
    label1_[1]->setEnabled(!frontHigher);
    text2_[3]->setEnabled(!frontHigher);
    (frontHigher ? text2_[3] : text1_[9])->setText(QStringLiteral("0"));
}

void Form1::Text1_Change(int)
{
    CheckSignDataComplete();
    panels_->DrawSignLayoutView();
}

void Form1::Text2_Change(int)
{
    CheckSignDataComplete();
    panels_->DrawSignLayoutView();
}

void Form1::Text4_Change(int)
{
    for (QLineEdit *box : text4_) {
        if (box->text().isEmpty()) {
            command1_[2]->setEnabled(false);
            return;
        }
    }
    // A complete key opens the later pages at once; the engineer need not
    // enter "Job Details" again for their tabs.
    command1_[2]->setEnabled(true);
    tab1_->tabBar()->setTabEnabled(RoadsideSlopePage, true);
    tab1_->tabBar()->setTabEnabled(SignPanelsPage, true);
    engine::DesignRecord &w = vars_.WorkingDesign;
    StoreRecordText(w.JobCode, text4_[0]->text());
    StoreRecordText(w.JobSection, text4_[1]->text());
    StoreRecordText(w.SignPos, text4_[2]->text());
    if (!vars_.DirectoryPicking)
        panels_->UpdateJobStatus();
    command1_[3]->setEnabled(false);
}

void Form1::SSIndexTab3_Click(int)
{
    // Choosing a sign panel page changes nothing else on the form.
}

// Activation --------------------------------------------------------------

namespace {

// Whether `window` is one of `form`'s own windows: the form itself or a
// window (a message box) whose widget sits below it.
bool BelongsTo(const QWidget *form, const QWindow *window)
{
    for (QWidget *top : QApplication::topLevelWidgets()) {
        if (top->windowHandle() != window)
            continue;
        for (const QWidget *w = top; w; w = w->parentWidget())
            if (w == form)
                return true;
        return false;
    }
    return false;
}

} // namespace

void Form1::noteFocusWindow(QWindow *window)
{
    if (!window) {
        // Another application took the focus; coming back from there from
        // this form is no return from another window of the program.
        if (selfFocused_)
            lastFocusOther_ = false;
        selfFocused_ = false;
        return;
    }
    if (window == windowHandle()) {
        selfFocused_ = true;
        return;
    }
    selfFocused_ = false;
    lastFocusOther_ = messageDepth_ == 0 && !BelongsTo(this, window);
}

bool Form1::event(QEvent *e)
{
    if (e->type() == QEvent::WindowActivate && isVisible()) {
        const bool fromOtherWindow = lastFocusOther_;
        lastFocusOther_ = false;
        if (fromOtherWindow)
            Form_Activate();
    }
    return QDialog::event(e);
}

void Form1::showEvent(QShowEvent *e)
{
    QDialog::showEvent(e);
    if (e->spontaneous())
        return;
    // The showing's own window activation has been served by this run.
    lastFocusOther_ = false;
    Form_Activate();
}

void Form1::hideEvent(QHideEvent *e)
{
    QDialog::hideEvent(e);
    lastFocusOther_ = false;
}

void Form1::reject()
{
    // Escape and the close box are "Cancel".
    Command1_Click(0);
}

void Form1::closeEvent(QCloseEvent *e)
{
    if (isVisible())
        Command1_Click(0);
    e->accept();
}

} // namespace input
