#include "app/result_panel.h"

#include "app/record_text.h"
#include "app/warnings_box.h"
#include "engine/design_messages.h"
#include "engine/design_state.h"

#include <QLabel>
#include <QWidget>
#include <algorithm>

namespace app {
namespace {

const QString LineEnd = QStringLiteral("\r\n");

QString number(long long value) { return QString::number(value); }

const engine::SupportDesign &viewedKind(const engine::DesignState &state)
{
    return state.SupportDesigns[static_cast<size_t>(ViewedSupportType(state))];
}

} // namespace

int ViewedSupportType(const engine::DesignState &state) { return std::clamp<int>(state.CurrentSupportType, 1, 4); }

SupportResultTexts SupportResultValues(const engine::DesignState &state)
{
    const engine::SupportDesign &s = viewedKind(state);
    const engine::DesignRecord &d = state.CurrentDesign;
    SupportResultTexts out;
    if (s.NoResultCode == 0 && s.NumPosts > 0) {
        auto &v = out.values;
        v[0] = number(s.NumPosts);
        v[1] = number(s.PostSpacing) + (s.SpacingType == 0 ? QStringLiteral(", Standard") : QStringLiteral(", Variable"));
        v[2] = number(d.RoadHeight);
        v[3] = number(d.DistFromKerb);
        for (int post = 1; post <= 4; ++post)
            v[static_cast<size_t>(3 + post)] = number(s.PostLength[static_cast<size_t>(post)]);
        v[8] = number(s.StubLength);
        v[9] = TrimmedRecordText(s.PostDimensions.view());
        v[10] = TrimmedRecordText(s.PostWallThickness.view());
        v[11] = TrimmedRecordText(s.PostMatGrade.view());
        v[14] = s.SlipBaseReq != 0 ? QStringLiteral("Yes") : QStringLiteral("No");
        v[15] = QStringLiteral("Type ") + number(s.StiffenerType);
        out.footingCaptionsSet = true;
        if (s.FootingType == 1) {
            out.footingSizeCaption = QStringLiteral("Diameter of Hole");
            out.footingDepthCaption = QStringLiteral("Depth of Hole");
            v[12] = TrimmedRecordText(s.NormFootingDim.view());
            v[13] = number(s.NormFootingDep);
        } else {
            out.footingSizeCaption = QStringLiteral("Diameter of Screw");
            out.footingDepthCaption = QStringLiteral("Length of Screw");
            v[12] = number(s.ScrewFootingDim);
            v[13] = number(s.ScrewFootingDep);
        }
    } else if (s.NoResultCode >= 1) {
        out.values[0] = QStringLiteral("No Result");
    }
    return out;
}

void ShowSupportResults(const engine::DesignState &state, const ResultControls &controls)
{
    const SupportResultTexts texts = SupportResultValues(state);
    for (int row = 0; row < ResultRowCount; ++row)
        if (QLabel *label = controls.values[static_cast<size_t>(row)])
            label->setText(texts.values[static_cast<size_t>(row)]);
    if (texts.footingCaptionsSet) {
        if (controls.footingSizeCaption)
            controls.footingSizeCaption->setText(texts.footingSizeCaption);
        if (controls.footingDepthCaption)
            controls.footingDepthCaption->setText(texts.footingDepthCaption);
    }
    const int front = state.CurrentDesign.NumFrontSigns;
    for (int slot = 0; slot < 3; ++slot)
        if (QWidget *button = controls.signSlots[static_cast<size_t>(slot)])
            button->setVisible(slot < front);
    if (QWidget *back = controls.signSlots[3])
        back->setVisible(state.CurrentDesign.NumBackSigns == 1);
}

QString WarningsAndErrorsText(const engine::SupportDesign &design, int supportType)
{
    QString text;
    const auto add = [&text](const QString &line) { text = line + LineEnd + text; };

    if (design.NoResultCode != engine::ResultOk) {
        // The code's message is one unit; its lines keep their own order.
        QString message;
        for (std::string_view line : engine::ResultCodeLines(design.NoResultCode))
            message += RecordText(line) + LineEnd;
        return message;
    }

    const int minimum = design.SlipBaseReq != 0 ? 2200 : 1500;
    const int maximum = supportType == engine::SupportTruss ? 3250 : 10000;
    // The post arrays hold posts 1 to 4; a larger stored count is not followed past them.
    const int posts = std::min<int>(design.NumPosts, 4);
    for (int post = 1; post <= posts; ++post) {
        const long long clearance = design.PostClearance[static_cast<size_t>(post)];
        const QString start = QStringLiteral("Post %1 Clearance is %2").arg(post).arg(clearance);
        if (clearance < minimum)
            add(start + QStringLiteral(" and needs to be at least %1").arg(minimum));
        if (clearance > maximum)
            add(start + QStringLiteral(" and needs to be less than %1").arg(maximum));
    }

    int bits = design.WarningCode;
    // Bits 64, 32 and 16 carry no text.
    for (int silent : {64, 32, 16})
        if (bits >= silent)
            bits -= silent;
    for (int bit : {engine::WarnSpacingTooWide, engine::WarnSlipBaseSpacing}) {
        if (bits >= bit) {
            const std::string_view line = engine::WarningBitText(bit);
            add(RecordText(line));
            bits -= bit;
        }
    }
    return text;
}

void ShowWarningsAndErrors(const engine::DesignState &state, WarningsBox &box)
{
    box.setWarningsText(WarningsAndErrorsText(viewedKind(state), ViewedSupportType(state)));
}

} // namespace app
