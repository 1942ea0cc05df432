#include "input/road_plan_picture.h"

#include <gtest/gtest.h>

#include <vector>

namespace {

const QColor kBack(200, 190, 180);
const QRgb kBlack = qRgb(0, 0, 0);
const QRgb kYellow = qRgb(255, 255, 0);

struct RowCase {
    int w, h, radius, row;
    int x1, x2, xm;
};

TEST(RoadPlanPicture, CurvedRowsByRadiusAndSize)
{
    const std::vector<RowCase> cases = {
        {100, 100, 100, 0, 13, 38, 26},  {100, 100, 100, 50, 0, 20, 10}, {100, 100, 100, 99, 13, 37, 25},
        {100, 100, 900, 0, 1, 21, 11},   {100, 100, 900, 50, 0, 20, 10}, {100, 100, 900, 99, 1, 21, 11},
        {120, 80, 100, 0, 11, 35, 23},
    };
    for (const RowCase &c : cases) {
        const QImage image = input::DrawRoadPlan(c.w, c.h, true, c.radius, kBack);
        ASSERT_EQ(image.size(), QSize(c.w, c.h));
        const input::RoadPlanRow row = input::RoadPlanRowAt(c.row, c.w, c.h, true, c.radius);
        EXPECT_EQ(row.x1, c.x1) << c.radius << " row " << c.row;
        EXPECT_EQ(row.x2, c.x2) << c.radius << " row " << c.row;
        EXPECT_EQ(row.xm, c.xm) << c.radius << " row " << c.row;
        // The pixels of the row: background, black band, background; the
        // centre line in yellow.
        for (int x = 0; x < c.w; ++x) {
            QRgb expected = (x >= c.x1 && x < c.x2) ? kBlack : kBack.rgb();
            if (x == c.xm)
                expected = kYellow;
            ASSERT_EQ(image.pixel(x, c.row), expected) << c.radius << " row " << c.row << " x " << x;
        }
    }
}

TEST(RoadPlanPicture, StraightBandWhateverTheRadius)
{
    for (const int radius : {100, 900, -5, 0}) {
        const QImage image = input::DrawRoadPlan(100, 100, false, radius, kBack);
        for (int y : {0, 37, 99})
            for (int x = 0; x < 100; ++x) {
                const QRgb expected = x == 10 ? kYellow : x < 20 ? kBlack : kBack.rgb();
                ASSERT_EQ(image.pixel(x, y), expected) << radius << ' ' << x << ',' << y;
            }
    }
}

TEST(RoadPlanPicture, TightCurveInANarrowPictureSkipsWhatFallsOutside)
{
    // 30 pixels wide: the band's outer rows leave the picture on the right.
    const QImage image = input::DrawRoadPlan(30, 100, true, 100, kBack);
    ASSERT_EQ(image.size(), QSize(30, 100));
    EXPECT_EQ(image.pixel(29, 0), kBlack);
    EXPECT_EQ(image.pixel(12, 0), kBack.rgb());
    // Short pictures make a scale at which the inner arc is undefined.
    const QImage tiny = input::DrawRoadPlan(10, 2, true, 100, kBack);
    EXPECT_EQ(tiny.size(), QSize(10, 2));
}

TEST(RoadPlanPicture, NoPictureBelowOnePixel)
{
    EXPECT_TRUE(input::DrawRoadPlan(0, 100, false, 100, kBack).isNull());
    EXPECT_TRUE(input::DrawRoadPlan(100, 0, true, 100, kBack).isNull());
    EXPECT_TRUE(input::DrawRoadPlan(-3, -3, true, 100, kBack).isNull());
}

TEST(RoadPlanPicture, WidgetHoldsOnePictureOfItsSize)
{
    QWidget panel;
    panel.setPalette(QPalette(kBack));
    input::RoadPlanPicture picture(&panel);
    picture.resize(100, 100);
    picture.redraw(true, 100);
    EXPECT_EQ(picture.image(), input::DrawRoadPlan(100, 100, true, 100, kBack));
    picture.redraw(false, 100);
    EXPECT_EQ(picture.image(), input::DrawRoadPlan(100, 100, false, 100, kBack));
    // What is painted is that picture.
    picture.resize(120, 80);
    picture.redraw(true, 100);
    const QImage grabbed = picture.grab().toImage().convertToFormat(QImage::Format_RGB32);
    EXPECT_EQ(grabbed.pixel(23, 0), kYellow);
    EXPECT_EQ(grabbed.pixel(11, 0), kBlack);
    EXPECT_EQ(grabbed.pixel(10, 0), kBack.rgb());
}

} // namespace
