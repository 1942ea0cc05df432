#include "input/page_stand_ins.h"

#include "input/sign_details_form.h"

#include <QButtonGroup>
#include <QRadioButton>
#include <algorithm>

namespace input {

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

void SlopePageStandIn::Option3D4_Click(int index)
{
    form_.variables().SlopeSegmentCount = static_cast<int16_t>(index + 1);
}

void SlopePageStandIn::Option3D5_Click(int index)
{
    form_.WorkingDesign().SignOnLeft = index == 0 ? engine::VbTrue : engine::VbFalse;
}

void SlopePageStandIn::Option3D8_Click(int index)
{
    form_.WorkingDesign().SupportStruts = index == 0 ? engine::VbTrue : engine::VbFalse;
}

bool SlopePageStandIn::SegmentsCoverSigns()
{
    const Form1Variables &v = form_.variables();
    const bool backChosen = form_.option(OptionArray::Option3D3, 1)->isChecked();
    return UsedSegmentsLength(v.WorkingDesign, v.SlopeSegmentCount) >=
           WidestChosenPanel(v.WorkingDesign, v.FrontSignCount, backChosen);
}

bool SlopePageStandIn::SegmentsTotalWithinLimit()
{
    const Form1Variables &v = form_.variables();
    if (v.SlopeSegmentCount < 1)
        return false;
    return UsedSegmentsLength(v.WorkingDesign, v.SlopeSegmentCount) < 32768;
}

} // namespace input
