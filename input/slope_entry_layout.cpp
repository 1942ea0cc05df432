#include "input/slope_entry_layout.h"

namespace input {
namespace {

constexpr int Column[4] = {360, 1800, 3240, 4680};
constexpr int BoxWidth = 1215, BoxHeight = 330;
constexpr int CaptionWidth = 1380, CaptionHeight = 270;

} // namespace

std::vector<EntryPlacement> SlopeEntryPlacements(const SlopeEntryArrangement &a)
{
    std::vector<EntryPlacement> out;
    const auto add = [&](const char *name, int column, int top, int width, int height, bool shown) {
        out.push_back({name, Column[column], top, width, height, shown});
    };
    const bool x = a.crossSectionShown, r = a.reducedLevelShown;
    add("Label4_0", 0, 400, CaptionWidth, CaptionHeight, x);
    add("Option3D1_0", 1, 400, CaptionWidth, CaptionHeight, x);
    add("Option3D1_1", 2, 400, CaptionWidth, CaptionHeight, x);
    add("Label8", 3, 400, CaptionWidth, CaptionHeight, r);
    add("Text3_0", 0, 720, BoxWidth, BoxHeight, x);
    add("Text3_1", 1, 720, BoxWidth, BoxHeight, x);
    add("Text3_2", 2, 720, BoxWidth, BoxHeight, x);
    add("Text3_3", 3, 720, BoxWidth, BoxHeight, r);
    add("Label5_0", 0, 1080, CaptionWidth, CaptionHeight, x);
    add("Label5_1", 1, 1080, CaptionWidth, CaptionHeight, x);
    add("Label5_2", 3, 1080, CaptionWidth, CaptionHeight, r);

    const bool up = a.longitudinalOnly, l = a.longitudinalShown;
    // The heading of the longitudinal rows belongs to the full arrangement;
    // moved up, the rows stand where the cross-section rows were.
    add("Label6", 0, 1680, 4000, CaptionHeight, l && !up);
    add("Label4_1", 0, up ? 400 : 2010, CaptionWidth, CaptionHeight, l);
    add("Option3D9_0", 1, up ? 400 : 1980, CaptionWidth, CaptionHeight, l);
    add("Option3D9_1", 2, up ? 400 : 1980, CaptionWidth, CaptionHeight, l);
    for (int i = 4; i <= 6; ++i) {
        const std::string name = "Text3_" + std::to_string(i);
        out.push_back({name, Column[i - 4], up ? 720 : 2280, BoxWidth, BoxHeight, l});
    }
    add("Label5_6", 0, up ? 1080 : 2640, CaptionWidth, CaptionHeight, l);
    add("Label5_7", 1, up ? 1080 : 2640, CaptionWidth, CaptionHeight, l);

    // What the frame's height cuts off is not shown.
    for (EntryPlacement &p : out)
        if (p.top + p.height > a.frameHeight)
            p.shown = false;
    return out;
}

} // namespace input
