#pragma once
// The main window's geometry in twips: a plain function from the client size
// (the area below the menu bar) and the designer metrics to the rectangles of
// the laid-out parts, and the resize handling that applies it. The results
// pane, the elevation and the warnings box grow with the window; the margins
// stay. Arithmetic is single precision but for the two roundings (support
// buttons, job key fields), which go half to even.

#include <array>
#include <cstdint>

class QWidget;

namespace app {

class Form5;

// Outer frame sizes below these become the set sizes (twips).
inline constexpr float MinimumFrameWidth = 9600.0F;
inline constexpr float SetFrameWidth = 9696.0F;
inline constexpr float MinimumFrameHeight = 6372.0F;
inline constexpr float SetFrameHeight = 7116.0F;

struct TwipsRect {
    float left = 0;
    float top = 0;
    float width = 0;
    float height = 0;
    bool operator==(const TwipsRect &) const = default;
};

// The positions and sizes the layout keeps as designed, in twips, all in one
// place. Caption widths and the heading's place are measured from the window.
struct MainWindowMetrics {
    float panel3D1Top = 0;
    float panel3D2Left = 120;         // status bar
    float panel3D2Height = 330;
    float panel3D3Left = 120;         // results pane, in the outer pane
    float panel3D3Top = 600;
    float panel3D6Top = 300;          // support button row, in the results pane
    float panel3D6Height = 420;
    float panel3D8Left = 5520;        // elevation, in the results pane
    float panel3D8Top = 720;
    float panel3D7Height = 1680;       // warnings frame
    float line2Y1 = 300;              // rule under the warnings caption, in the frame
    float text1Height = 1260;
    float label3Top = 3900;           // "Panels and Stiffeners" heading, in the results pane
    float label3Height = 240;
    float panel3D5Height = 330;       // sign panel slots
    float jobKeyTop = 150;            // job key row, in the outer pane
    float jobKeyHeight = 330;
    std::array<float, 3> label4Width{1080, 1080, 1200};  // job key captions
};

struct MainWindowLayout {
    TwipsRect panel3D1;
    TwipsRect panel3D2;
    TwipsRect panel3D3;
    TwipsRect panel3D8;
    TwipsRect panel3D6;
    TwipsRect panel3D7;
    TwipsRect text1;                      // in the warnings frame
    float line2X2 = 0;                    // right end of the rule, in the warnings frame
    std::array<float, 4> panel3D5Top{};   // sign panel slots
    std::array<TwipsRect, 4> command3D1;  // support buttons, in their row
    float keyCaptionSum = 0;              // s of the job key row
    float keyFieldWidth = 0;              // f
    std::array<TwipsRect, 3> label4;      // job key captions
    std::array<TwipsRect, 3> panel3D4;    // job key fields
};

// The layout of a client area of width x height twips.
MainWindowLayout LayoutMainWindow(const MainWindowMetrics &metrics, float width, float height);

// The outer frame size after the minimum-size rule (twips).
struct FrameSize {
    float width = 0;
    float height = 0;
};
FrameSize ApplyMinimumFrameSize(float width, float height);

// The designer metrics of a built window, with its captions measured.
MainWindowMetrics MeasureMainWindowMetrics(const Form5 &window);

// Places the window's parts from the model at its current client size.
void ApplyMainWindowLayout(Form5 &window);

// The resize handling of the main window: minimised, nothing; the minimum
// frame size; the layout; a repaint; with a design open the viewed kind's
// full refresh and the results pane shown; the 3-D view's layout always.
void FormResize(Form5 &window);

// Runs FormResize on every size change of the window's client area and when
// the window is restored from minimised (which brings no resize).
void InstallFormResize(Form5 &window);

} // namespace app
