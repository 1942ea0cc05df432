#pragma once
// A picture as plain data: rectangles, rounded rectangles, lines and texts in
// twips (y growing downwards), each with its pen, fill and a shown flag. The
// views build a scene from the records and a painter widget draws it, so every
// picture can be checked as numbers without a window.

#include <cstdint>
#include <string>
#include <string_view>
#include <vector>

namespace app {

// Colours are &HBBGGRR values (red in the lowest byte); NoColour draws nothing.
inline constexpr int32_t NoColour = -1;

enum class SceneShape { Rectangle, RoundedRectangle, Line, Text };

// Hatched fills are drawn in the fill colour over a transparent background.
enum class SceneFill { None, Solid, UpwardDiagonal, DownwardDiagonal };

enum class SceneAlign { Left, Right, Centre };

// Line styles; dotted and dashed lines are drawn one pixel wide patterns.
enum class ScenePenStyle { Solid, Dot, Dash };

struct SceneRect {
    int32_t left = 0;
    int32_t top = 0;
    int32_t width = 0;
    int32_t height = 0;
    int32_t right() const { return left + width; }
    int32_t bottom() const { return top + height; }
    bool operator==(const SceneRect &) const = default;
};

struct SceneLine {
    int32_t x1 = 0;
    int32_t y1 = 0;
    int32_t x2 = 0;
    int32_t y2 = 0;
    bool operator==(const SceneLine &) const = default;
};

struct SceneElement {
    std::string name;  // the control the element stands for, e.g. "Posts"
    int index = 0;     // its element within that control
    SceneShape shape = SceneShape::Rectangle;
    bool shown = false;

    SceneRect rect;    // shapes and texts
    SceneLine line;    // lines

    int32_t pen = 0;           // outline or line colour
    double penPixels = 1.0;    // pen width in screen pixels
    int32_t fill = NoColour;
    SceneFill fillStyle = SceneFill::None;
    int32_t cornerRadius = 0;  // rounded rectangles, twips

    std::string text;          // texts, drawn in the view's font
    SceneAlign align = SceneAlign::Left;

    // A drawing of its own inside the rectangle, in a scale of unitsWide by
    // unitsHigh units, drawn with `pen` one pixel wide.
    int32_t unitsWide = 0;
    int32_t unitsHigh = 0;
    std::vector<SceneLine> unitLines;

    ScenePenStyle penStyle = ScenePenStyle::Solid;

    bool operator==(const SceneElement &) const = default;
};

using Scene = std::vector<SceneElement>;

// The element `index` of control `name`, or nullptr.
inline const SceneElement *FindElement(const Scene &scene, std::string_view name, int index = 0)
{
    for (const SceneElement &element : scene)
        if (element.name == name && element.index == index)
            return &element;
    return nullptr;
}

inline SceneElement *FindElement(Scene &scene, std::string_view name, int index = 0)
{
    for (SceneElement &element : scene)
        if (element.name == name && element.index == index)
            return &element;
    return nullptr;
}

} // namespace app
