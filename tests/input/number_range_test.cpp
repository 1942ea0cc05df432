// Numbers beyond the range of a double pasted into the number boxes: each box
// treats them as it treats any too-large or too-small number, never as 0.

#include "clear_zone_test_support.h"
#include "panels_test_support.h"

#include "input/clear_zone_window.h"

#include <QCheckBox>
#include <functional>

namespace {

using input::OptionArray;

// What the engineer sees after an entry: the box's text, the value the
// design (or the window) holds, and the messages shown.
struct Outcome {
    QString shown;
    long long held = 0;
    QStringList messages;
    bool operator==(const Outcome &) const = default;
};

std::ostream &operator<<(std::ostream &out, const Outcome &o)
{
    return out << '"' << o.shown.left(24).toStdString() << (o.shown.size() > 24 ? "...\"" : "\"") << " holds "
               << o.held << " messages [" << o.messages.join(" | ").toStdString() << ']';
}

class NumberRangeTest : public input_testing::PanelsTest {
protected:
    QStringList messageLines() const
    {
        QStringList lines;
        for (const auto &m : messages.calls)
            lines << m.text + " / " + m.title.simplified();
        return lines;
    }
    void openClearZone()
    {
        window = std::make_unique<input::ClearZoneWindow>(zoneState);
        window->show();
        cztest::KeyClick(window->curvedCheck(), Qt::Key_Space);
        ASSERT_TRUE(window->radiusEntry()->isVisibleTo(window.get()));
    }

    engine::DesignState zoneState = cztest::SketchState();
    std::unique_ptr<input::ClearZoneWindow> window;
};

struct Box {
    const char *name;
    // Puts `text` into the box the engineer's way, from its starting text.
    std::function<Outcome(const QString &)> enter;
};

TEST_F(NumberRangeTest, BeyondTheNumberRangeCountsAsBeyondEveryLimit)
{
    showDesign(input_testing::sampleDesign());
    toSignPanels();
    openClearZone();

    // A panel box: pasted over its whole text.
    const auto panelBox = [this](int index, auto held) {
        return [this, index, held](const QString &text) {
            QLineEdit *box = form->Text1(index);
            box->setText("1200");
            messages.calls.clear();
            box->selectAll();
            pasteInto(box, text);
            return Outcome{box->text(), held(working()), messageLines()};
        };
    };
    // A box of the first segment's page on "Roadside Slope", pasted over.
    const auto slopeBox = [this](int index, const char *start, auto held) {
        return [this, index, start, held](const QString &text) {
            form->setMainPage(input::RoadsideSlopePage);
            form->SSIndexTab2()->setCurrentIndex(1);
            click(OptionArray::Option3D1, index == 2 ? 1 : 0);
            form->Text3(0)->setText("2000");
            QLineEdit *box = form->Text3(index);
            box->setText(start);
            messages.calls.clear();
            box->selectAll();
            box->insert(text);
            return Outcome{box->text(), held(working()), messageLines()};
        };
    };
    // An entry of the clear zone window, typed over and left.
    const auto zoneEntry = [this](QLineEdit *(input::ClearZoneWindow::*entry)() const,
                              input::RangeScrollBar *(input::ClearZoneWindow::*bar)() const) {
        return [this, entry, bar](const QString &text) {
            QLineEdit *box = (window.get()->*entry)();
            cztest::TypeAndLeave(box, "300");
            messages.calls.clear();
            box->selectAll();
            box->insert(text);
            cztest::Leave(box);
            return Outcome{box->text(), (window.get()->*bar)()->barValue(), messageLines()};
        };
    };
    const std::vector<Box> boxes = {
        {"Width (mm) :", panelBox(0, [](const engine::DesignRecord &d) { return d.FrontSignWidth[1]; })},
        {"Distance from carriageway", panelBox(13, [](const engine::DesignRecord &d) { return d.DistFromKerb; })},
        {"Length", slopeBox(0, "2000", [](const engine::DesignRecord &d) { return d.SegLength[1]; })},
        {"Height", slopeBox(1, "100", [](const engine::DesignRecord &d) { return d.SegDeltaHeight[1]; })},
        {"% Gradient", slopeBox(2, "5", [](const engine::DesignRecord &d) { return d.SegDeltaHeight[1]; })},
        {"clear zone radius", zoneEntry(&input::ClearZoneWindow::radiusEntry, &input::ClearZoneWindow::radiusBar)},
        {"barrier distance", zoneEntry(&input::ClearZoneWindow::barrierEntry, &input::ClearZoneWindow::barrierBar)},
    };
    // Each text beyond the range beside a too-large (too-small) one in range.
    const QString nines400(400, '9'), nines20(20, '9');
    const std::vector<std::pair<QString, QString>> texts = {
        {nines400, nines20}, {"-" + nines400, "-" + nines20}, {"1e400", "1e20"}, {"-1e400", "-1e20"}};

    for (const Box &box : boxes) {
        for (const auto &[beyond, large] : texts) {
            const Outcome inRange = box.enter(large);
            const Outcome outOfRange = box.enter(beyond);
            EXPECT_EQ(outOfRange, inRange) << box.name << ": " << beyond.left(8).toStdString() << "...";
        }
    }
    // The radius clamps to its ends, the barrier distance to the profile.
    EXPECT_EQ(boxes[5].enter(nines400).held, 900);
    EXPECT_EQ(boxes[5].enter("-1e400").held, 100);
    EXPECT_EQ(boxes[6].enter("1e400").held, zoneState.CurrentDesign.SegLength[1]);
}

} // namespace
