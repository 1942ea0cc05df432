#include "app/main_window_layout.h"

#include "app/main_window.h"
#include "app/result_panel.h"
#include "app/warnings_box.h"
#include "engine/design_state.h"
#include "engine/values.h"
#include "platform/widgets/twips.h"

#include <QPointer>
#include <QEvent>
#include <QFrame>
#include <QGroupBox>
#include <QLabel>
#include <QLayout>
#include <QPushButton>
#include <QWindowStateChangeEvent>
#include <algorithm>
#include <cmath>

namespace app {
namespace {

float roundHalfEven(float value) { return static_cast<float>(engine::RoundHalfEven(value)); }

template <typename T = QWidget>
T *part(const Form5 &window, const QString &name)
{
    return window.findChild<T *>(name);
}

int pixels(float twips, double twipsPerPixel) { return static_cast<int>(std::lround(twips / twipsPerPixel)); }

void place(QWidget *widget, const TwipsRect &rect, double tpp)
{
    if (!widget)
        return;
    widget->setGeometry(pixels(rect.left, tpp), pixels(rect.top, tpp), pixels(rect.width, tpp),
                        pixels(rect.height, tpp));
}

float twips(int pixels, double tpp) { return static_cast<float>(pixels * tpp); }

// The result rows keep their designer place at the top left of the results pane.
QRect resultRowsPlace(const Form5 &window, const MainWindowMetrics &metrics, double tpp)
{
    QWidget *rows = part(window, QStringLiteral("ResultRows"));
    const int height = rows ? rows->sizeHint().height() : 0;
    return {pixels(metrics.panel3D3Left, tpp), pixels(metrics.panel3D6Top, tpp),
            pixels(metrics.panel3D8Left - 240.0F, tpp), height};
}

class FormResizeWatcher final : public QObject {
public:
    // The client area is taken once: the filter also sees the events sent
    // while the window is being destroyed, when it is no longer a main window.
    explicit FormResizeWatcher(Form5 &window) : QObject(&window), window_(window), client_(window.centralWidget()) {}

protected:
    bool eventFilter(QObject *watched, QEvent *event) override
    {
        if (client_ && watched == client_ && event->type() == QEvent::Resize)
            FormResize(window_);
        else if (watched == &window_ && event->type() == QEvent::WindowStateChange) {
            const auto *change = static_cast<QWindowStateChangeEvent *>(event);
            if ((change->oldState() & Qt::WindowMinimized) && !window_.isMinimized())
                FormResize(window_);
        }
        return false;
    }

private:
    Form5 &window_;
    QPointer<QWidget> client_;
};

} // namespace

MainWindowLayout LayoutMainWindow(const MainWindowMetrics &m, float width, float height)
{
    MainWindowLayout l;
    l.panel3D1 = {0, m.panel3D1Top, width, height};
    l.panel3D2 = {m.panel3D2Left, 0, l.panel3D1.width - 240, m.panel3D2Height};
    l.panel3D3 = {m.panel3D3Left, m.panel3D3Top, l.panel3D1.width - 240, 0};
    l.panel3D8 = {m.panel3D8Left, m.panel3D8Top, l.panel3D3.width - m.panel3D8Left - 120, 0};
    l.panel3D6 = {m.panel3D8Left, m.panel3D6Top, l.panel3D8.width, m.panel3D6Height};
    l.panel3D7 = {m.panel3D8Left, 0, l.panel3D8.width, m.panel3D7Height};
    l.line2X2 = l.panel3D7.width;
    l.text1 = {10, m.line2Y1 + 10, l.panel3D7.width - 20, m.text1Height};

    l.panel3D2.top = l.panel3D1.top + l.panel3D1.height - l.panel3D2.height - 60;
    l.panel3D3.height = l.panel3D1.height - l.panel3D3.top - l.panel3D2.height - 120;
    l.panel3D8.height = l.panel3D3.height - l.panel3D7.height - l.panel3D6.height - 480;
    l.panel3D7.top = l.panel3D3.height - l.panel3D7.height - 120;

    l.panel3D5Top.fill(m.label3Top + m.label3Height + 120);

    const float buttonWidth = roundHalfEven(l.panel3D6.width / 4);
    for (size_t i = 0; i < 4; ++i)
        l.command3D1[i] = {static_cast<float>(i) * buttonWidth, 0, buttonWidth, m.panel3D6Height};

    float s = 0;
    for (size_t i = 0; i < 3; ++i)
        s = roundHalfEven(s + m.label4Width[i] + 60);
    s = s + 480;
    const float f = roundHalfEven((l.panel3D3.width - s) / 3);
    l.keyCaptionSum = s;
    l.keyFieldWidth = f;
    float left = l.panel3D3.left;
    for (size_t i = 0; i < 3; ++i) {
        l.label4[i] = {left, m.jobKeyTop, m.label4Width[i], m.jobKeyHeight};
        l.panel3D4[i] = {left + m.label4Width[i] + 60, m.jobKeyTop, f, m.jobKeyHeight};
        left = l.panel3D4[i].left + f + 240;
    }
    return l;
}

FrameSize ApplyMinimumFrameSize(float width, float height)
{
    return {width < MinimumFrameWidth ? SetFrameWidth : width, height < MinimumFrameHeight ? SetFrameHeight : height};
}

MainWindowMetrics MeasureMainWindowMetrics(const Form5 &window)
{
    const double tpp = platform::TwipsPerPixel(window);
    MainWindowMetrics m;
    if (const QWidget *gauge = window.statusGauge())
        m.panel3D2Height = twips(gauge->sizeHint().height(), tpp);
    if (const QWidget *button = window.supportButton(0))
        m.panel3D6Height = twips(button->sizeHint().height(), tpp);
    m.panel3D8Top = m.panel3D6Top + m.panel3D6Height;
    if (const QWidget *field = window.jobKeyField(0))
        m.jobKeyHeight = twips(field->sizeHint().height(), tpp);
    m.panel3D3Top = m.jobKeyTop + m.jobKeyHeight + 120;
    for (int i = 0; i < 3; ++i)
        if (const auto *caption = part<QLabel>(window, QStringLiteral("Label4_%1").arg(i)))
            m.label4Width[static_cast<size_t>(i)] =
                twips(caption->fontMetrics().horizontalAdvance(caption->text()) + 2, tpp);
    if (const QWidget *slot = window.signSlot(0))
        m.panel3D5Height = twips(slot->sizeHint().height(), tpp);
    if (const QWidget *text = window.warningsBox())
        m.text1Height = twips(text->height(), tpp);
    m.panel3D7Height = m.line2Y1 + 10 + m.text1Height + 90;

    // The result rows are as wide as their captions and values need.
    if (const QWidget *rows = part(window, QStringLiteral("ResultRows")))
        m.panel3D8Left = std::max(m.panel3D8Left, twips(rows->sizeHint().width(), tpp) + 360);
    // The heading's place within the rows, which keep their designer place.
    if (const QWidget *heading = part(window, QStringLiteral("Label3_3"))) {
        const QRect rows = resultRowsPlace(window, m, tpp);
        m.label3Top = twips(rows.top() + heading->geometry().top(), tpp);
        m.label3Height = twips(heading->height(), tpp);
    }
    return m;
}

void ApplyMainWindowLayout(Form5 &window)
{
    const double tpp = platform::TwipsPerPixel(window);
    QWidget *client = window.centralWidget();
    if (!client)
        return;
    // The result rows first, so the heading's place can be read.
    MainWindowMetrics metrics = MeasureMainWindowMetrics(window);
    if (QWidget *rows = part(window, QStringLiteral("ResultRows"))) {
        rows->setGeometry(resultRowsPlace(window, metrics, tpp));
        if (rows->layout())
            rows->layout()->activate();
        metrics = MeasureMainWindowMetrics(window);
    }

    const MainWindowLayout l =
        LayoutMainWindow(metrics, twips(client->width(), tpp), twips(client->height(), tpp));
    place(part(window, QStringLiteral("Panel3D1")), l.panel3D1, tpp);
    place(window.statusGauge(), l.panel3D2, tpp);
    place(window.resultsPane(), l.panel3D3, tpp);
    place(window.designViewArea(), l.panel3D8, tpp);
    place(part(window, QStringLiteral("Panel3D6")), l.panel3D6, tpp);
    place(part(window, QStringLiteral("Panel3D7")), l.panel3D7, tpp);
    place(window.warningsBox(), l.text1, tpp);
    place(part(window, QStringLiteral("Line2")), {0, metrics.line2Y1, l.line2X2, 2 * static_cast<float>(tpp)}, tpp);
    for (int i = 0; i < 4; ++i) {
        QWidget *slot = window.signSlot(i);
        place(slot, {twips(slot->x(), tpp), l.panel3D5Top[static_cast<size_t>(i)], twips(slot->width(), tpp),
                     metrics.panel3D5Height},
              tpp);
        place(window.supportButton(i), l.command3D1[static_cast<size_t>(i)], tpp);
    }
    // The stiffener type row follows the slots.
    if (QWidget *row = part(window, QStringLiteral("StiffenerRow")))
        place(row, {metrics.panel3D3Left, l.panel3D5Top[0] + metrics.panel3D5Height + 60, metrics.panel3D8Left - 240,
                    twips(row->sizeHint().height(), tpp)},
              tpp);
    for (int i = 0; i < 3; ++i) {
        place(part(window, QStringLiteral("Label4_%1").arg(i)), l.label4[static_cast<size_t>(i)], tpp);
        place(window.jobKeyField(i), l.panel3D4[static_cast<size_t>(i)], tpp);
    }
}

void FormResize(Form5 &window)
{
    if (window.isMinimized())
        return;
    // The rule is on the outer frame; the client follows. Whole pixels are
    // taken upwards so a set size never falls back below its minimum.
    const double tpp = platform::TwipsPerPixel(window);
    const QRect frame = window.frameGeometry();
    const float frameWidth = twips(frame.width(), tpp);
    const float frameHeight = twips(frame.height(), tpp);
    const FrameSize wanted = ApplyMinimumFrameSize(frameWidth, frameHeight);
    if (wanted.width != frameWidth || wanted.height != frameHeight) {
        const int growWidth = wanted.width != frameWidth ? static_cast<int>(std::ceil(wanted.width / tpp)) - frame.width() : 0;
        const int growHeight =
            wanted.height != frameHeight ? static_cast<int>(std::ceil(wanted.height / tpp)) - frame.height() : 0;
        window.resize(window.width() + growWidth, window.height() + growHeight);
    }
    ApplyMainWindowLayout(window);
    window.update();
    engine::DesignState &state = window.designState();
    if (state.DesignOpen != 0) {
        window.SelectSupportType(ViewedSupportType(state) - 1);
        window.resultsPane()->show();
    }
    if (window.designViewHooks().layoutView3D)
        window.designViewHooks().layoutView3D();
}

void InstallFormResize(Form5 &window)
{
    auto *watcher = new FormResizeWatcher(window);
    window.installEventFilter(watcher);
    if (QWidget *client = window.centralWidget())
        client->installEventFilter(watcher);
}

} // namespace app
