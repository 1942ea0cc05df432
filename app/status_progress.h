#pragma once
// The status bar panel of the main window: it shows a hint caption and, while
// a long task runs, a gauge filling from the left with the percentage drawn
// over it. StatusProgress drives it as the program's progress display.

#include "platform/services.h"

#include <QColor>
#include <QPointer>
#include <QString>
#include <QWidget>

namespace app {

class StatusGauge final : public QWidget {
    Q_OBJECT
public:
    // The caption the panel shows when no hint has been written into it.
    static QString designerCaption() { return QStringLiteral("Sign Structural Design"); }

    explicit StatusGauge(QWidget *parent = nullptr);

    QString caption() const { return caption_; }
    void setCaption(const QString &caption);

    // 0 no fill, 1 fill from the left.
    int fillStyle() const { return fillStyle_; }
    void setFillStyle(int style);
    // Kept as given; only the drawing is bounded to the panel.
    int fillPercent() const { return fillPercent_; }
    void setFillPercent(int percent);
    QColor textColour() const { return textColour_; }
    void setTextColour(const QColor &colour);

    QSize sizeHint() const override;

protected:
    void paintEvent(QPaintEvent *event) override;

private:
    QString caption_ = designerCaption();
    int fillStyle_ = 0;
    int fillPercent_ = 0;
    QColor textColour_ = Qt::black;
};

// The progress display of the run: start, update and finish set the gauge's
// fill, text colour and the owning window's wait cursor. Each call paints the
// gauge at once; no events are processed here.
class StatusProgress final : public platform::ProgressDisplay {
public:
    StatusProgress(StatusGauge *gauge, QWidget *window);
    void showProgress(int percent, int mode) override;

private:
    QPointer<StatusGauge> gauge_;
    QPointer<QWidget> window_;
};

} // namespace app
