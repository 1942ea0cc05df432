#include "input/slope_page_impl.h"

#include "engine/values.h"
#include "input/sign_details_form.h"
#include "input/slope_diagram_view.h"
#include "platform/services.h"
#include "platform/widgets/twips.h"

#include <QButtonGroup>
#include <QEvent>
#include <QFocusEvent>
#include <QGroupBox>
#include <QKeyEvent>
#include <QLineEdit>
#include <QRadioButton>
#include <QRegularExpression>
#include <QTabBar>
#include <algorithm>

namespace input {
namespace {

const QString TitleInvalid =
    QStringLiteral("Invalid input value") + QString(38, QLatin1Char(' ')) + QStringLiteral("Mastra");
const QString TitleRange =
    QStringLiteral("Input value out of range") + QString(46, QLatin1Char(' ')) + QStringLiteral("Mastra");
const QString TooBig = QStringLiteral("Input value cannot be bigger than 32767. Please try again");
const QString TooSmall = QStringLiteral("Input value cannot be smaller than -32767. Please try again");

double ValOf(const QString &text) { return engine::Val(text.toStdString()); }
int32_t WholeOf(const QString &text) { return engine::ToInt32(ValOf(text)); }
QString NumberText(long long value) { return QString::fromStdString(engine::CStrInteger(value)); }

// The forms runtime's test of a number: the whole text (blanks aside) is one.
bool IsNumeric(const QString &text)
{
    static const QRegularExpression number(
        QStringLiteral("^\\s*[+-]?(\\d+\\.?\\d*|\\.\\d+)([eEdD][+-]?\\d+)?\\s*$"));
    return number.match(text).hasMatch();
}

EntryVerdict Refused(const QString &message = QString(), const QString &title = QString())
{
    return {false, message, title};
}

EntryVerdict RangeVerdict(double value)
{
    if (value > 32767)
        return Refused(TooBig, TitleInvalid);
    if (value < -32767)
        return Refused(TooSmall, TitleInvalid);
    return {};
}

// The rise a gradient makes over `riseLength` is stored as a 16-bit height.
EntryVerdict RiseVerdict(const QString &gradient, double riseLength)
{
    return RangeVerdict(static_cast<double>(engine::RoundHalfEven(riseLength * (ValOf(gradient) / 100.0))));
}

// The text a key leaves: the text before the selection, the key, the text after.
QString WouldBe(const QLineEdit *box, const QString &typed)
{
    const QString text = box->text();
    const int start = box->hasSelectedText() ? box->selectionStart() : box->cursorPosition();
    const int length = box->hasSelectedText() ? static_cast<int>(box->selectedText().size()) : 0;
    return text.left(start) + typed + text.mid(start + length);
}

// Whether `after` is `before` with one stretch taken out and nothing put in.
bool IsRemoval(const QString &before, const QString &after)
{
    if (after.size() >= before.size())
        return false;
    qsizetype head = 0;
    while (head < after.size() && after.at(head) == before.at(head))
        ++head;
    const qsizetype tail = after.size() - head;
    return QStringView(after).right(tail) == QStringView(before).right(tail);
}

// Whole digits of a gradient text (the sign aside).
int WholeDigits(const QString &text)
{
    const qsizetype point = text.indexOf(QLatin1Char('.'));
    QString whole = point < 0 ? text : text.left(point);
    whole.remove(QLatin1Char('-'));
    return static_cast<int>(whole.size());
}

} // namespace

QString GradientText(long long height, long long length)
{
    if (length == 0)
        return QStringLiteral("0");
    return QString::fromStdString(engine::CStr(static_cast<double>(height) / static_cast<double>(length) * 100.0));
}

EntryKind KindOfBox(int index)
{
    switch (index) {
    case 1:
    case 5: return EntryKind::Height;
    case 2:
    case 6: return EntryKind::Gradient;
    default: return EntryKind::Length;
    }
}

EntryVerdict JudgeEntry(EntryKind kind, const QString &wouldBe, double riseLength)
{
    static const QRegularExpression digits(QStringLiteral("^\\d*$"));
    static const QRegularExpression signedDigits(QStringLiteral("^-?\\d*$"));
    static const QRegularExpression gradient(QStringLiteral("^-?\\d*(\\.\\d*)?$"));
    switch (kind) {
    case EntryKind::Length:
        if (!digits.match(wouldBe).hasMatch())
            return Refused();
        return ValOf(wouldBe) >= 32768 ? Refused(TooBig, TitleInvalid) : EntryVerdict{};
    case EntryKind::Height:
        if (!signedDigits.match(wouldBe).hasMatch())
            return Refused();
        return RangeVerdict(ValOf(wouldBe));
    case EntryKind::Gradient: {
        if (!gradient.match(wouldBe).hasMatch())
            return Refused();
        const qsizetype point = wouldBe.indexOf(QLatin1Char('.'));
        if (point >= 0 && wouldBe.size() - point - 1 > 2)
            return Refused(QStringLiteral("Accuracy of up to 1/100(%) is supported for Gradient(%) input value"),
                           TitleRange);
        if (WholeDigits(wouldBe) > 3)
            return Refused(QStringLiteral("Valid range of Gradient(%) input value is between +/-999.99"),
                           TitleRange);
        return RiseVerdict(wouldBe, riseLength);
    }
    }
    return {};
}

EntryVerdict JudgeRemoval(EntryKind kind, const QString &left, double riseLength)
{
    return kind == EntryKind::Gradient ? RiseVerdict(left, riseLength) : EntryVerdict{};
}

long long UsedSegmentsLength(const engine::DesignRecord &design, int segmentCount)
{
    long long sum = 0;
    for (int k = 1; k <= std::min(segmentCount, 6); ++k)
        sum += design.SegLength[static_cast<size_t>(k)];
    return sum;
}

int32_t WidestChosenPanel(const engine::DesignRecord &design, int frontCount, bool backChosen)
{
    int32_t widest = 0;
    for (int k = 1; k <= std::min(frontCount, 3); ++k)
        widest = std::max(widest, design.FrontSignWidth[static_cast<size_t>(k)]);
    if (backChosen)
        widest = std::max(widest, design.BackSignWidth);
    return widest;
}

SlopePageImpl::SlopePageImpl(Form1 &form) : form_(form)
{
    QTabBar *tabs = form_.SSIndexTab2();
    // A click on a tab takes the focus first, so that a box's minimum acts on
    // the item being left before the next page is loaded.
    tabs->setFocusPolicy(Qt::ClickFocus);
    tabs->setTabEnabled(7, false);
    connect(tabs, &QTabBar::currentChanged, this, &SlopePageImpl::showContentForTab);

    QGroupBox *diagramFrame = form_.Frame3D13();
    const double tpp = platform::TwipsPerPixel(*diagramFrame);
    const QSize frameSize(qRound(SlopeFrameWidth / tpp), qRound(SlopeFrameHeight / tpp));
    diagramFrame->setFixedSize(frameSize);
    view_ = new SlopeDiagramView(diagramFrame);
    view_->setGeometry(QRect(QPoint(0, 0), frameSize));

    for (int i = 0; i < 7; ++i) {
        QLineEdit *b = box(i);
        shownText_[static_cast<size_t>(i)] = b->text();
        b->installEventFilter(this);
        connect(b, &QLineEdit::textEdited, this, [this, i](const QString &text) { Text3_Edited(i, text); });
        // The box's own text, not the signal's: a refused paste is put back
        // before the signal of the pasted text arrives.
        connect(b, &QLineEdit::textChanged, this, [this, i, b] { shownText_[static_cast<size_t>(i)] = b->text(); });
    }
    arrangement_.frameHeight = 1500;
    applyArrangement();
    showContentForTab(tabs->currentIndex());
    DrawSlopeDiagram();
}

QLineEdit *SlopePageImpl::box(int index) const { return form_.Text3(index); }

void SlopePageImpl::setBox(int index, const QString &text) { box(index)->setText(text); }

bool SlopePageImpl::checked(int array, int index) const
{
    QRadioButton *button = form_.option(static_cast<OptionArray>(array), index);
    return button && button->isChecked();
}

bool SlopePageImpl::referencePoint() const { return checked(static_cast<int>(OptionArray::Option3D6), 0); }
bool SlopePageImpl::strutted() const { return checked(static_cast<int>(OptionArray::Option3D8), 0); }

void SlopePageImpl::showContentForTab(int tab)
{
    // Page 0 holds the terrain choices, every other page the one entry frame.
    if (QWidget *terrain = form_.findChild<QWidget *>(QStringLiteral("TerrainDetails")))
        terrain->setVisible(tab <= 0);
    form_.Frame3D12()->setVisible(tab > 0);
}

void SlopePageImpl::applyArrangement()
{
    QGroupBox *frame = form_.Frame3D12();
    const double tpp = platform::TwipsPerPixel(*frame);
    for (const EntryPlacement &p : SlopeEntryPlacements(arrangement_)) {
        QWidget *w = frame->findChild<QWidget *>(QString::fromStdString(p.name));
        if (!w)
            continue;
        w->setGeometry(platform::TwipsToPixels(QRectF(p.left, p.top, p.width, p.height), tpp).toRect());
        w->setVisible(p.shown);
    }
    frame->setFixedSize(qRound(SlopeEntryFrameWidth / tpp), qRound(arrangement_.frameHeight / tpp));
}

void SlopePageImpl::LayoutSegmentInputs(bool longitudinalOnly)
{
    arrangement_.longitudinalOnly = longitudinalOnly;
    arrangement_.frameHeight = longitudinalOnly ? 1572 : 3000;
    applyArrangement();
}

void SlopePageImpl::ShowSlopeLabels(bool show)
{
    arrangement_.crossSectionShown = show;
    applyArrangement();
}

void SlopePageImpl::UpdateSegmentTabs()
{
    QTabBar *tabs = form_.SSIndexTab2();
    const int n = std::clamp<int>(form_.variables().SlopeSegmentCount, 1, 5);
    const QString dash = QStringLiteral("-");
    std::array<bool, 8> enabled{};
    enabled[0] = true;
    if (referencePoint()) {
        tabs->setTabText(1, QStringLiteral("Reference Point"));
        for (int p = 1; p <= 7; ++p) {
            enabled[static_cast<size_t>(p)] = p <= n + 1;
            if (p >= 2)
                tabs->setTabText(p, p <= n + 1 ? QStringLiteral("Segment%1").arg(p - 1) : dash);
        }
    } else if (strutted()) {
        for (int p = 1; p <= n; ++p)
            tabs->setTabText(p, QStringLiteral("Segment%1").arg(p));
        tabs->setTabText(n + 1, QStringLiteral("Point %1").arg(n + 1));
        // Pages beyond the end point keep their captions; page 7 has no
        // item and is never enabled.
        for (int p = 1; p <= 7; ++p)
            enabled[static_cast<size_t>(p)] = p <= n + 1 && p <= 6;
    } else {
        for (int p = 1; p <= 7; ++p) {
            enabled[static_cast<size_t>(p)] = p <= n;
            tabs->setTabText(p, p <= n ? QStringLiteral("Segment%1").arg(p) : dash);
        }
    }
    // A current page about to be disabled gives way to the last enabled one
    // before it, as the tab control would, and that page is loaded once.
    const int current = tabs->currentIndex();
    if (current > 0 && !enabled[static_cast<size_t>(current)]) {
        int next = current;
        while (next > 0 && !enabled[static_cast<size_t>(next)])
            --next;
        tabs->setCurrentIndex(next);
    }
    for (int p = 1; p <= 7; ++p)
        tabs->setTabEnabled(p, enabled[static_cast<size_t>(p)]);
    DrawSlopeDiagram();
}

void SlopePageImpl::SSIndexTab2_Click(int)
{
    const int p = form_.SSIndexTab2()->currentIndex();
    showContentForTab(p);
    if (p <= 0)
        return;
    const int n = form_.variables().SlopeSegmentCount;
    const bool rp = referencePoint();
    QGroupBox *frame = form_.Frame3D12();
    arrangement_.reducedLevelShown = false;
    arrangement_.longitudinalShown = true;
    if (!rp && strutted() && p == n + 1) {
        ShowSlopeLabels(false);
        LayoutSegmentInputs(true);
        frame->setTitle(QStringLiteral("Enter longitudinal segment details"));
    } else {
        // Not strutted too: the cross-section arrangement, whatever an
        // end-point page left.
        ShowSlopeLabels(true);
        LayoutSegmentInputs(false);
        frame->setTitle(QStringLiteral("Enter cross section segment details"));
        if (!strutted())
            arrangement_.frameHeight = 1500;
    }

    // Loading shows the item's values and stores nothing.
    const engine::DesignRecord &w = form_.WorkingDesign();
    loading_ = true;
    if (rp && p == 1) {
        arrangement_.reducedLevelShown = true;
        arrangement_.longitudinalShown = false;
        setBox(0, NumberText(w.RPSegLength));
        setBox(1, NumberText(w.RPSegDeltaHeight));
        setBox(2, GradientText(w.RPSegDeltaHeight, w.RPSegLength));
        setBox(3, NumberText(w.RPReducedLevel));
    } else {
        const int k = rp ? p - 1 : p;
        if (k >= 1 && k <= 6) {
            const size_t u = static_cast<size_t>(k);
            setBox(0, NumberText(w.SegLength[u]));
            setBox(1, NumberText(w.SegDeltaHeight[u]));
            setBox(2, GradientText(w.SegDeltaHeight[u], w.SegLength[u]));
            setBox(4, NumberText(w.SegBackLength[u]));
            setBox(5, NumberText(w.SegBackHeight[u]));
            setBox(6, GradientText(w.SegBackHeight[u], w.SegBackLength[u]));
        }
    }
    loading_ = false;
    applyArrangement();
    DrawSlopeDiagram();
}

void SlopePageImpl::Option3D4_Click(int index)
{
    const int count = std::clamp(index + 1, 1, 5);
    form_.variables().SlopeSegmentCount = static_cast<int16_t>(count);
    engine::DesignRecord &w = form_.WorkingDesign();
    // The count a design is loaded with comes from its lengths: loading
    // clears nothing, so OK on an untouched design changes nothing.
    const int clearFrom = form_.variables().Filling ? 6 : count + 1;
    for (int k = clearFrom; k <= 5; ++k) {
        w.SegLength[static_cast<size_t>(k)] = 0;
        w.SegDeltaHeight[static_cast<size_t>(k)] = 0;
        w.SegBackLength[static_cast<size_t>(k + 1)] = 0;
        w.SegBackHeight[static_cast<size_t>(k + 1)] = 0;
    }
    UpdateSegmentTabs();
}

void SlopePageImpl::Option3D5_Click(int)
{
    form_.WorkingDesign().SignOnLeft = checked(static_cast<int>(OptionArray::Option3D5), 0) ? engine::FlagTrue
                                                                                            : engine::FlagFalse;
    DrawSlopeDiagram();
}

void SlopePageImpl::Option3D6_Click(int)
{
    if (checked(static_cast<int>(OptionArray::Option3D6), 1)) {
        engine::DesignRecord &w = form_.WorkingDesign();
        w.RPSegLength = 0;
        w.RPSegDeltaHeight = 0;
        w.RPReducedLevel = 0;
    }
    UpdateSegmentTabs();
}

void SlopePageImpl::Option3D8_Click(int index)
{
    engine::DesignRecord &w = form_.WorkingDesign();
    if (!strutted()) {
        w.SegBackLength.fill(0);
        w.SegBackHeight.fill(0);
    }
    w.SupportStruts = index == 0 ? engine::FlagTrue : engine::FlagFalse;
    UpdateSegmentTabs();
}

void SlopePageImpl::Option3D1_Click(int index)
{
    if (index != 0 && index != 1)
        return;
    box(1)->setEnabled(index == 0);
    box(2)->setEnabled(index == 1);
}

void SlopePageImpl::Option3D9_Click(int index)
{
    if (index != 0 && index != 1)
        return;
    box(5)->setEnabled(index == 0);
    box(6)->setEnabled(index == 1);
}

void SlopePageImpl::Text3_Change(int index)
{
    const auto on = [this](OptionArray array, int i) { return checked(static_cast<int>(array), i); };
    // The computed box of each pair is written by the other's store; its
    // change does nothing.
    if ((index == 2 && on(OptionArray::Option3D1, 0)) || (index == 1 && on(OptionArray::Option3D1, 1)) ||
        (index == 6 && on(OptionArray::Option3D9, 0)) || (index == 5 && on(OptionArray::Option3D9, 1)))
        return;
    if (loading_)
        return;

    if (strutted()) {
        if (on(OptionArray::Option3D9, 0) && (index == 4 || index == 5)) {
            const double length = ValOf(box(4)->text()), height = ValOf(box(5)->text());
            if (length == 0)
                setBox(5, QStringLiteral("0"));
            else if (height / length > 0.2)
                setBox(5, QString::fromStdString(engine::CStr(0.2 * length)));
            else if (height / length < -0.2)
                setBox(5, QString::fromStdString(engine::CStr(-0.2 * length)));
        } else if (on(OptionArray::Option3D9, 1)) {
            if (!IsNumeric(box(6)->text()))
                setBox(6, QStringLiteral("0"));
            const double g = ValOf(box(6)->text());
            if (g > 20)
                setBox(6, QStringLiteral("20"));
            else if (g < -20)
                setBox(6, QStringLiteral("-20"));
        }
    }

    // Store by the page shown; the limits above may have rewritten the
    // boxes, so they are read afresh.
    engine::DesignRecord &w = form_.WorkingDesign();
    const int p = form_.SSIndexTab2()->currentIndex();
    const auto text = [this](int i) { return box(i)->text(); };
    const auto riseFromGradient = [&](int lengthBox, int gradientBox) {
        return engine::ToInt32(ValOf(text(lengthBox)) * (ValOf(text(gradientBox)) / 100.0));
    };
    if (p >= 1 && referencePoint() && p == 1) {
        switch (index) {
        case 0:
            w.RPSegLength = WholeOf(text(0));
            setBox(2, GradientText(w.RPSegDeltaHeight, w.RPSegLength));
            break;
        case 1:
            w.RPSegDeltaHeight = WholeOf(text(1));
            setBox(2, GradientText(w.RPSegDeltaHeight, w.RPSegLength));
            break;
        case 2:
            w.RPSegDeltaHeight = riseFromGradient(0, 2);
            setBox(1, NumberText(w.RPSegDeltaHeight));
            break;
        case 3: w.RPReducedLevel = WholeOf(text(3)); break;
        default: break;
        }
    } else if (p >= 1) {
        const int k = referencePoint() ? p - 1 : p;
        if (k >= 1 && k <= 6) {
            const size_t u = static_cast<size_t>(k);
            switch (index) {
            case 0:
                w.SegLength[u] = WholeOf(text(0));
                setBox(2, GradientText(w.SegDeltaHeight[u], w.SegLength[u]));
                break;
            case 1:
                w.SegDeltaHeight[u] = WholeOf(text(1));
                setBox(2, GradientText(w.SegDeltaHeight[u], w.SegLength[u]));
                break;
            case 2:
                w.SegDeltaHeight[u] = riseFromGradient(0, 2);
                setBox(1, NumberText(w.SegDeltaHeight[u]));
                break;
            case 4:
                w.SegBackLength[u] = WholeOf(text(4));
                setBox(6, GradientText(w.SegBackHeight[u], w.SegBackLength[u]));
                break;
            case 5:
                w.SegBackHeight[u] = WholeOf(text(5));
                setBox(6, GradientText(w.SegBackHeight[u], w.SegBackLength[u]));
                break;
            case 6:
                w.SegBackHeight[u] = riseFromGradient(4, 6);
                setBox(5, NumberText(w.SegBackHeight[u]));
                break;
            default: break;
            }
        }
    }
    DrawSlopeDiagram();
}

void SlopePageImpl::DrawSlopeDiagram()
{
    scene_ = input::DrawSlopeDiagram(form_.WorkingDesign(), form_.variables().SlopeSegmentCount, strutted());
    view_->setScene(scene_);
}

bool SlopePageImpl::SegmentsCoverSigns()
{
    const Form1Variables &v = form_.variables();
    const bool backChosen = checked(static_cast<int>(OptionArray::Option3D3), 1);
    return UsedSegmentsLength(v.WorkingDesign, v.SlopeSegmentCount) >=
           WidestChosenPanel(v.WorkingDesign, v.FrontSignCount, backChosen);
}

bool SlopePageImpl::SegmentsTotalWithinLimit()
{
    const Form1Variables &v = form_.variables();
    if (v.SlopeSegmentCount < 1)
        return false;
    return UsedSegmentsLength(v.WorkingDesign, v.SlopeSegmentCount) < 32768;
}

void SlopePageImpl::refuse(const EntryVerdict &verdict)
{
    if (!verdict.message.isEmpty())
        platform::showMessage(verdict.message, verdict.title, platform::MessageButtons::Ok,
                              platform::MessageIcon::Exclamation);
}

bool SlopePageImpl::eventFilter(QObject *watched, QEvent *event)
{
    for (int i = 0; i < 7; ++i) {
        if (watched != box(i))
            continue;
        switch (event->type()) {
        case QEvent::KeyPress: return Text3_KeyPress(i, static_cast<QKeyEvent *>(event));
        case QEvent::FocusIn: {
            QLineEdit *b = box(i);
            b->setSelection(0, static_cast<int>(b->text().size()));
            // The line edit's own focus handling would move the caret; the
            // selection is set again once it has run.
            QMetaObject::invokeMethod(
                b, [b] { b->setSelection(0, static_cast<int>(b->text().size())); }, Qt::QueuedConnection);
            break;
        }
        case QEvent::FocusOut: {
            const Qt::FocusReason reason = static_cast<QFocusEvent *>(event)->reason();
            if (reason != Qt::ActiveWindowFocusReason && reason != Qt::PopupFocusReason)
                Text3_LostFocus(i);
            break;
        }
        default: break;
        }
        break;
    }
    return QObject::eventFilter(watched, event);
}

bool SlopePageImpl::Text3_KeyPress(int index, QKeyEvent *event)
{
    QLineEdit *b = box(index);
    const size_t u = static_cast<size_t>(index);
    const EntryKind kind = KindOfBox(index);
    const double riseLength = ValOf(box(index == 2 ? 0 : 4)->text());
    const int key = event->key();
    if (key == Qt::Key_Return || key == Qt::Key_Enter || key == Qt::Key_Tab || key == Qt::Key_Backtab)
        return false;
    if (key == Qt::Key_Backspace || key == Qt::Key_Delete) {
        // With a modifier the box may take out a word or cut; what that
        // leaves is judged as it arrives.
        if (event->modifiers() & ~Qt::KeypadModifier)
            return false;
        QString wouldBe = b->text();
        if (b->hasSelectedText())
            wouldBe = WouldBe(b, QString());
        else if (key == Qt::Key_Backspace && b->cursorPosition() > 0)
            wouldBe.remove(b->cursorPosition() - 1, 1);
        else if (key == Qt::Key_Delete)
            wouldBe.remove(b->cursorPosition(), 1);
        if (wouldBe == b->text())
            return false;  // nothing to take out
        const EntryVerdict verdict = JudgeRemoval(kind, wouldBe, riseLength);
        if (!verdict.accepted) {
            refuse(verdict);
            return true;
        }
        keyApproved_[u] = wouldBe;
        return false;
    }
    const QString typed = event->text();
    if (typed.size() != 1 || !typed.at(0).isPrint() || (event->modifiers() & Qt::ControlModifier))
        return false;  // shortcuts and movement; what they change is judged as it arrives
    const QChar c = typed.at(0);
    const QString text = b->text();
    if (kind == EntryKind::Gradient && c == QLatin1Char('.')) {
        if (text.isEmpty() || text == QStringLiteral("-")) {
            setBox(index, text + QStringLiteral("0."));
            return true;
        }
        if (text.size() >= 2 && text.contains(QLatin1Char('.')))
            return true;
    } else if (c == QLatin1Char('-')) {
        if (kind == EntryKind::Length)
            return true;
        const int start = b->hasSelectedText() ? b->selectionStart() : b->cursorPosition();
        const int after = start + (b->hasSelectedText() ? static_cast<int>(b->selectedText().size()) : 0);
        if (start != 0 || (after < text.size() && text.at(after) == QLatin1Char('-')))
            return true;
    } else if (!c.isDigit()) {
        return true;
    }
    const QString wouldBe = WouldBe(b, typed);
    const EntryVerdict verdict = JudgeEntry(kind, wouldBe, riseLength);
    if (!verdict.accepted) {
        refuse(verdict);
        return true;
    }
    keyApproved_[u] = wouldBe;
    return false;
}

void SlopePageImpl::Text3_Edited(int index, const QString &text)
{
    const size_t u = static_cast<size_t>(index);
    const std::optional<QString> approved = keyApproved_[u];
    keyApproved_[u].reset();
    if (approved && *approved == text)
        return;
    // Pasted, dropped or otherwise inserted text is judged as if typed at
    // once; text taken out (cut, a word deleted) as Backspace would be.
    const QString previous = shownText_[u];
    const EntryKind kind = KindOfBox(index);
    const double riseLength = ValOf(box(index == 2 ? 0 : 4)->text());
    const EntryVerdict verdict = IsRemoval(previous, text) ? JudgeRemoval(kind, text, riseLength)
                                                           : JudgeEntry(kind, text, riseLength);
    if (verdict.accepted)
        return;
    refuse(verdict);
    setBox(index, previous);
}

void SlopePageImpl::Text3_LostFocus(int index)
{
    if (index != 0 && !(index == 4 && strutted()))
        return;
    QLineEdit *b = box(index);
    if (ValOf(b->text()) >= 500)
        return;
    platform::showMessage(QStringLiteral("Segment Length must be bigger than 500. Please try again"), TitleInvalid,
                          platform::MessageButtons::Ok, platform::MessageIcon::Exclamation);
    setBox(index, QStringLiteral("500"));
    b->setFocus(Qt::OtherFocusReason);
}

} // namespace input
