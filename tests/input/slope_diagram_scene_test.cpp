// The slope diagram as numbers: the roadside block for each side, the profile
// lines, connectors and numbers in twips of the diagram frame.

#include "input/slope_diagram_scene.h"

#include <gtest/gtest.h>

using input::DiagramLine;
using input::SlopeDiagramScene;

namespace {

engine::DesignRecord Design(std::initializer_list<std::pair<int32_t, int32_t>> segments, bool left = true)
{
    engine::DesignRecord d;
    int k = 1;
    for (const auto &[length, rise] : segments) {
        d.SegLength[static_cast<size_t>(k)] = length;
        d.SegDeltaHeight[static_cast<size_t>(k)] = rise;
        ++k;
    }
    d.SignOnLeft = left ? engine::FlagTrue : engine::FlagFalse;
    return d;
}

// Three strutted segments with along-road rises at the first three slots.
engine::DesignRecord ThreeStrutted(bool left)
{
    engine::DesignRecord d = Design({{2000, 500}, {3000, -1000}, {1000, 0}}, left);
    d.SegBackHeight[1] = 100;
    d.SegBackHeight[2] = 50;
    d.SegBackHeight[3] = -100;
    d.SegBackLength[1] = d.SegBackLength[2] = d.SegBackLength[3] = 1000;
    return d;
}

void ExpectLine(const DiagramLine &line, double x1, double y1, double x2, double y2)
{
    EXPECT_DOUBLE_EQ(line.x1, x1);
    EXPECT_DOUBLE_EQ(line.y1, y1);
    EXPECT_DOUBLE_EQ(line.x2, x2);
    EXPECT_DOUBLE_EQ(line.y2, y2);
}

} // namespace

TEST(SlopeDiagramScene, OneFlatSegmentFillsTheFrontFace)
{
    const SlopeDiagramScene s = input::DrawSlopeDiagram(Design({{5172, 0}}), 1, false);
    EXPECT_FLOAT_EQ(s.scale, 1.0f);
    ExpectLine(s.Line7[0], 5526, 1320, 354, 1320);
    ExpectLine(s.Line8[0], 6486, 360, 1314, 360);
    EXPECT_DOUBLE_EQ(s.Label7[0].left, 354);
    EXPECT_DOUBLE_EQ(s.Label7[0].top, 1360);
    EXPECT_TRUE(s.Line7[0].shown);
    EXPECT_TRUE(s.Line8[0].shown);
    EXPECT_TRUE(s.Label7[0].shown);
    EXPECT_TRUE(s.Line13[1].shown);
    EXPECT_FALSE(s.Line13[0].shown);
    // Back numbers belong to a strutted sign.
    EXPECT_FALSE(s.Label9[0].shown);
    EXPECT_FALSE(s.Line7[1].shown);
    EXPECT_EQ(s.Label7[0].caption, "1");
}

TEST(SlopeDiagramScene, BlockIsCentredAndMirroredBySide)
{
    const SlopeDiagramScene left = input::PlaceSlopeDiagramSide(true);
    EXPECT_DOUBLE_EQ(left.Shape6.left, 355.5);
    EXPECT_DOUBLE_EQ(left.Shape7.left, 1315.5);
    EXPECT_DOUBLE_EQ(left.Shape4.left, 5526.5);
    EXPECT_DOUBLE_EQ(left.Shape8.left, 6486.5);
    const SlopeDiagramScene right = input::PlaceSlopeDiagramSide(false);
    EXPECT_DOUBLE_EQ(right.Shape8.left, 355.5);
    EXPECT_DOUBLE_EQ(right.Shape4.left, 1315.5);
    EXPECT_DOUBLE_EQ(right.Shape6.left, 1686.5);
    EXPECT_DOUBLE_EQ(right.Shape7.left, 726.5);
    // Same total width either way.
    EXPECT_DOUBLE_EQ(left.Shape8.left + 372 - left.Shape6.left, right.Shape6.left + 5172 - right.Shape8.left);
    // Kerb lines 120 apart, edges at the block's corners: 0 and 2 at the top.
    EXPECT_DOUBLE_EQ(left.Line9[1].x1, left.Shape4.left + 120);
    EXPECT_DOUBLE_EQ(left.Line9[3].x2, left.Shape8.left + 371);
    ExpectLine(left.Line6[0], 355.5, 1320, 1315.5, 360);
    ExpectLine(left.Line6[1], 355.5, 2771, 1315.5, 1811);
    EXPECT_DOUBLE_EQ(left.Line6[2].y1, 1320);
    EXPECT_DOUBLE_EQ(left.Line6[3].y2, 1811);
    EXPECT_EQ(left.Line6[2].style, input::DiagramStyle::Solid);
    EXPECT_EQ(left.Line6[0].style, input::DiagramStyle::Dot);
    EXPECT_EQ(left.Shape7.borderColour, 0x0000FFu);
    EXPECT_EQ(left.Shape4.fillColour, 0x808080u);
    EXPECT_EQ(left.Line13[2].colour, 0xC00000u);
    EXPECT_FALSE(left.Line7[0].shown);
}

TEST(SlopeDiagramScene, ThreeStruttedSegmentsWithAlongRoadSlopes)
{
    const SlopeDiagramScene s = input::DrawSlopeDiagram(ThreeStrutted(true), 3, true);
    EXPECT_FLOAT_EQ(s.scale, 0.5808f);
    EXPECT_NEAR(s.Shape4.top, 1900.8, 1e-4);
    EXPECT_EQ(s.top, 1000);
    EXPECT_EQ(s.bottom, -1500);
    ExpectLine(s.Line7[0], 5526, 1901, 4364, 1611);
    ExpectLine(s.Line13[3], 2041, 2192, 3001, 1231);
    for (int j = 0; j < 3; ++j) {
        EXPECT_TRUE(s.Line7[static_cast<size_t>(j)].shown);
        EXPECT_TRUE(s.Label9[static_cast<size_t>(j)].shown);
    }
    EXPECT_TRUE(s.Label9[3].shown);  // back numbers 1 to n + 1
    EXPECT_FALSE(s.Label9[4].shown);
    EXPECT_FALSE(s.Line13[4].shown);
    EXPECT_EQ(s.Label9[3].caption, "4");
    EXPECT_DOUBLE_EQ(s.Line9[0].y1, s.Shape4.top);
    EXPECT_DOUBLE_EQ(s.Line9[0].y2, s.Shape8.top);
}

TEST(SlopeDiagramScene, OnTheRightTheSameXAreMirrored)
{
    const SlopeDiagramScene left = input::DrawSlopeDiagram(ThreeStrutted(true), 3, true);
    const SlopeDiagramScene right = input::DrawSlopeDiagram(ThreeStrutted(false), 3, true);
    ExpectLine(right.Line7[0], 7212 - 5526, 1901, 7212 - 4364, 1611);
    ExpectLine(right.Line13[3], 7212 - 2041, 2192, 7212 - 3001, 1231);
    for (size_t j = 0; j < 3; ++j) {
        EXPECT_DOUBLE_EQ(right.Line8[j].x2, 7212 - left.Line8[j].x2);
        EXPECT_DOUBLE_EQ(right.Line8[j].y2, left.Line8[j].y2);
    }
}

TEST(SlopeDiagramScene, AlongRoadRiseRoundsHalvesToEven)
{
    struct Case {
        int32_t height, length;
        long long rise;
    };
    for (const Case c : {Case{1, 20000, 0}, Case{3, 20000, 2}, Case{-5, 20000, -2}, Case{7, 0, 70000},
                         Case{100, 1000, 1000}})
        EXPECT_EQ(input::AlongRoadRise(c.height, c.length), c.rise) << c.height << "/" << c.length;
}

TEST(SlopeDiagramScene, HugeStoredBackHeightDoesNotOverflow)
{
    engine::DesignRecord d = Design({{3000, 0}});
    d.SegBackHeight[1] = 2000000;  // beyond anything the boxes let through
    d.SegBackLength[1] = 0;
    const SlopeDiagramScene s = input::DrawSlopeDiagram(d, 1, true);
    EXPECT_EQ(s.top, 20000000000LL);
    EXPECT_GT(s.scale, 0.0f);
}

TEST(SlopeDiagramScene, OnlyUsedSegmentsAreDrawn)
{
    // A sixth length nothing cleared, and a zero length being retyped.
    engine::DesignRecord d = Design({{2000, 0}, {0, 0}, {1000, 100}, {0, 0}, {0, 0}, {4000, 0}});
    const SlopeDiagramScene s = input::DrawSlopeDiagram(d, 3, true);
    EXPECT_FALSE(s.Line7[5].shown);
    EXPECT_FALSE(s.Line8[5].shown);
    EXPECT_FALSE(s.Label7[5].shown);
    EXPECT_FALSE(s.Line13[6].shown);
    // Segment 2 has no length: its lines, front number, far connector and back number go.
    EXPECT_FALSE(s.Line7[1].shown);
    EXPECT_FALSE(s.Label7[1].shown);
    EXPECT_FALSE(s.Line13[2].shown);
    EXPECT_FALSE(s.Label9[2].shown);
    EXPECT_DOUBLE_EQ(s.Line7[1].x1, s.Line7[1].x2);
    EXPECT_TRUE(s.Line7[2].shown);
    EXPECT_TRUE(s.Line13[3].shown);
}

TEST(SlopeDiagramScene, FlatGroundLiesOnTheTopEdge)
{
    const SlopeDiagramScene s = input::DrawSlopeDiagram(Design({{3000, 0}, {3000, 0}}), 2, false);
    EXPECT_FLOAT_EQ(s.scale, 5172.0f / 6000.0f);
    EXPECT_DOUBLE_EQ(s.Shape4.top, 1320);
    EXPECT_DOUBLE_EQ(s.Line7[1].y2, 1320);
    EXPECT_DOUBLE_EQ(s.Line8[1].y2, 360);
    // Falling ground only: the road stays on the top edge.
    const SlopeDiagramScene fall = input::DrawSlopeDiagram(Design({{3000, -500}}), 1, false);
    EXPECT_DOUBLE_EQ(fall.Shape4.top, 1320);
    EXPECT_GT(fall.Line7[0].y2, 1320);
}
