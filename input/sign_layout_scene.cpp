#include "input/sign_layout_scene.h"

#include "engine/reference_lists.h"

#include <algorithm>
#include <cmath>

namespace input {
namespace {

// A colour index outside its list shows the list's first entry.
template <std::size_t N>
int32_t ColourOf(const std::array<int32_t, N> &list, int index)
{
    return index >= 0 && static_cast<std::size_t>(index) < N ? list[static_cast<std::size_t>(index)] : list[0];
}

long long RoundHalfEven(double value)
{
    return static_cast<long long>(std::nearbyint(value));
}

} // namespace

SignLayoutScene BuildSignLayoutScene(const engine::DesignRecord &d, double frameWidth, double frameHeight,
                                     const std::array<LayoutSize, 4> &labelSizes)
{
    SignLayoutScene scene;
    for (std::size_t s = 1; s <= 4; ++s) {
        scene.shapes[s - 1].fill = ColourOf(engine::BackgroundColourValues, d.BkgndColour[s]);
        scene.labels[s - 1].colour = ColourOf(engine::LegendColourValues, d.LegendColour[s]);
        scene.labels[s - 1].width = static_cast<float>(labelSizes[s - 1].width);
        scene.labels[s - 1].height = static_cast<float>(labelSizes[s - 1].height);
    }

    const int front = std::clamp<int>(d.NumFrontSigns, 0, 3);
    const bool back = d.NumBackSigns == 1;
    long long frontHeight = 0;
    long long widest = 0;
    for (int k = 1; k <= front; ++k) {
        const auto slot = static_cast<std::size_t>(k);
        frontHeight += static_cast<long long>(d.FrontSignClearance[slot]) + d.FrontSignDepth[slot];
        widest = std::max<long long>(widest, d.FrontSignWidth[slot]);
    }
    long long backHeight = 0;
    if (back) {
        backHeight = static_cast<long long>(d.BackSignClearance) + d.BackSignDepth;
        widest = std::max<long long>(widest, d.BackSignWidth);
    }
    const long long total = std::max(frontHeight, backHeight);
    if (total == 0 || widest == 0)
        return scene;  // blank: every shape and label hidden

    // With equal ratios the height ratio is taken.
    const double byHeight = (frameHeight - 240.0) / static_cast<double>(total);
    const double byWidth = (frameWidth - 120.0) / static_cast<double>(widest);
    scene.scale = static_cast<float>(byWidth < byHeight ? byWidth : byHeight);
    const double scale = scene.scale;
    scene.leftOrigin = RoundHalfEven((frameWidth - scale * static_cast<double>(widest)) / 2.0);
    scene.topOrigin = RoundHalfEven((frameHeight - scale * static_cast<double>(total)) / 2.0 + 120.0);
    const double top = static_cast<double>(scene.topOrigin);
    const double left = static_cast<double>(scene.leftOrigin);
    const auto scaled = [scale](double v) { return static_cast<float>(scale * v); };

    for (int k = 1; k <= front; ++k) {
        const auto slot = static_cast<std::size_t>(k);
        LayoutShape &shape = scene.shapes[slot - 1];
        shape.width = scaled(d.FrontSignWidth[slot]);
        shape.height = scaled(d.FrontSignDepth[slot]);
        // The difference in whole millimetres, halved without rounding.
        shape.left = static_cast<float>(left + scale * (static_cast<double>(widest - d.FrontSignWidth[slot]) / 2.0));
        shape.shown = true;
    }
    LayoutShape &backShape = scene.shapes[3];
    if (back) {
        backShape.width = scaled(d.BackSignWidth);
        backShape.height = scaled(d.BackSignDepth);
        backShape.left = static_cast<float>(left + scale * (static_cast<double>(widest - d.BackSignWidth) / 2.0));
        backShape.shown = true;
    }

    static const char *const captions[4][3] = {
        {"", "", ""}, {"LS", "", ""}, {"LS", "US", ""}, {"LS", "MS", "US"}};
    for (int i = 0; i < 3; ++i)
        scene.labels[static_cast<std::size_t>(i)].caption = QString::fromLatin1(captions[front][i]);
    scene.labels[3].caption = back ? QStringLiteral("BS") : QString();

    // Both stacks, each with its bottom clearance, end on one base line.
    if (frontHeight > backHeight) {
        if (front > 0)
            scene.shapes[static_cast<std::size_t>(front - 1)].top = static_cast<float>(top);
        backShape.top = static_cast<float>(top + scale * static_cast<double>(frontHeight - backHeight));
    } else {
        backShape.top = static_cast<float>(top);
        if (front > 0)
            scene.shapes[static_cast<std::size_t>(front - 1)].top =
                static_cast<float>(top + scale * static_cast<double>(backHeight - frontHeight));
    }
    for (int s = front; s >= 2; --s) {
        const LayoutShape &upper = scene.shapes[static_cast<std::size_t>(s - 1)];
        scene.shapes[static_cast<std::size_t>(s - 2)].top = static_cast<float>(
            static_cast<double>(upper.top) + static_cast<double>(upper.height) +
            scale * static_cast<double>(d.FrontSignClearance[static_cast<std::size_t>(s)]));
    }

    // Front labels 120 in from the upper left corner, the back label 120 in
    // from the lower right.
    for (int k = 1; k <= front; ++k) {
        const LayoutShape &shape = scene.shapes[static_cast<std::size_t>(k - 1)];
        LayoutLabel &label = scene.labels[static_cast<std::size_t>(k - 1)];
        label.left = static_cast<float>(static_cast<double>(shape.left) + 120.0);
        label.top = static_cast<float>(static_cast<double>(shape.top) + 120.0);
        label.shown = true;
    }
    if (back) {
        LayoutLabel &label = scene.labels[3];
        label.left = static_cast<float>(static_cast<double>(backShape.left) + backShape.width - label.width - 120.0);
        label.top = static_cast<float>(static_cast<double>(backShape.top) + backShape.height - label.height - 120.0);
        label.shown = true;
    }
    return scene;
}

int HitSignShape(const SignLayoutScene &scene, float x, float y)
{
    for (int i = 0; i < 4; ++i) {
        const LayoutShape &s = scene.shapes[static_cast<std::size_t>(i)];
        if (!s.shown)
            continue;
        // Single-precision sums, strict comparisons: a border hits nothing.
        const float right = s.left + s.width;
        const float bottom = s.top + s.height;
        if (s.left < x && x < right && s.top < y && y < bottom)
            return i;
    }
    return -1;
}

int HitSignLabel(const SignLayoutScene &scene, float x, float y)
{
    for (int i = 0; i < 4; ++i) {
        const LayoutLabel &l = scene.labels[static_cast<std::size_t>(i)];
        if (l.shown && !l.caption.isEmpty() && l.left <= x && x <= l.left + l.width && l.top <= y &&
            y <= l.top + l.height)
            return i;
    }
    return -1;
}

int SignPageOfSlot(int index)
{
    return index >= 0 && index <= 2 ? index + 1 : 4;
}

} // namespace input
