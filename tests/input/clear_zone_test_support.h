#pragma once
// Designs and helpers shared by the clear zone window tests.

#include <QCoreApplication>
#include <QFocusEvent>
#include <QKeyEvent>
#include <QLineEdit>
#include <QMouseEvent>
#include <QWidget>

#include "engine/design_state.h"

namespace cztest {

// One segment 4000 long falling 1000; one 2000 x 1500 panel 1000 from the
// kerb on one post 4500 long with a 900 footing. Every kind: 100 km/h, over
// 6000 vehicles, straight, barrier at 3000 (which caps the 12.5 m clear zone
// of the 1 in 4 slope).
inline engine::DesignState SketchState()
{
    engine::DesignState state;
    auto &d = state.CurrentDesign;
    d.SegLength[1] = 4000;
    d.SegDeltaHeight[1] = -1000;
    d.NumFrontSigns = 1;
    d.FrontSignWidth[1] = 2000;
    d.FrontSignDepth[1] = 1500;
    d.BkgndColour[1] = 2;
    d.DistFromKerb = 1000;
    state.WidestSignWidth = 2000;
    for (std::size_t t = 1; t <= 4; ++t) {
        auto &s = state.SupportDesigns[t];
        s.NumPosts = 1;
        s.PostLength[1] = 4500;
        s.NormFootingDep = 900;
        s.RoadSpeed = 100;
        s.AADT = 6002;
        s.Barrier = engine::FlagTrue;
        s.BarrierDistance = 3000;
        s.Curvature = 300;
    }
    return state;
}

// Level ground 10 m wide; every kind 60 km/h, up to 750 vehicles, no curve,
// no barrier.
inline engine::DesignState LevelState()
{
    engine::DesignState state = SketchState();
    state.CurrentDesign.SegLength[1] = 10000;
    state.CurrentDesign.SegDeltaHeight[1] = 0;
    for (std::size_t t = 1; t <= 4; ++t) {
        auto &s = state.SupportDesigns[t];
        s.RoadSpeed = 60;
        s.AADT = 0;
        s.Barrier = engine::FlagFalse;
        s.BarrierDistance = 0;
        s.CurvedRoad = engine::FlagFalse;
        s.Curvature = 0;
    }
    return state;
}

// A key pressed and released on a widget, as the engineer types it.
inline void KeyClick(QWidget *widget, int key, const QString &text = {})
{
    QKeyEvent press(QEvent::KeyPress, key, Qt::NoModifier, text);
    QCoreApplication::sendEvent(widget, &press);
    QKeyEvent release(QEvent::KeyRelease, key, Qt::NoModifier, text);
    QCoreApplication::sendEvent(widget, &release);
}

// Typing a text, one character key after another.
inline void KeyClicks(QWidget *widget, const QString &text)
{
    for (const QChar c : text) {
        const QChar upper = c.toUpper();
        const int key = upper.isLetterOrNumber() || c == QLatin1Char(' ') ? upper.unicode()
                        : c == QLatin1Char('.')                              ? int(Qt::Key_Period)
                        : c == QLatin1Char('-')                              ? int(Qt::Key_Minus)
                        : c == QLatin1Char('+')                              ? int(Qt::Key_Plus)
                                                                             : int(Qt::Key_unknown);
        KeyClick(widget, key, QString(c));
    }
}

// A left click in the middle of a widget.
inline void MouseClick(QWidget *widget)
{
    const QPointF at(widget->width() / 2.0, widget->height() / 2.0);
    const QPointF global = widget->mapToGlobal(at);
    QMouseEvent press(QEvent::MouseButtonPress, at, global, Qt::LeftButton, Qt::LeftButton, Qt::NoModifier);
    QCoreApplication::sendEvent(widget, &press);
    QMouseEvent release(QEvent::MouseButtonRelease, at, global, Qt::LeftButton, Qt::NoButton, Qt::NoModifier);
    QCoreApplication::sendEvent(widget, &release);
}

// The focus moving on to the next control, which checks the entry.
inline void Leave(QLineEdit *entry)
{
    QFocusEvent out(QEvent::FocusOut, Qt::TabFocusReason);
    QCoreApplication::sendEvent(entry, &out);
}

// Replaces the entry's text by typing, then leaves it.
inline void TypeAndLeave(QLineEdit *entry, const QString &text)
{
    entry->selectAll();
    KeyClick(entry, Qt::Key_Backspace, QStringLiteral("\b"));
    KeyClicks(entry, text);
    Leave(entry);
}

} // namespace cztest
