// The wind region map dialog: zooming with the mouse, the region options and
// swatches, and the picture it shows.

#include "guide_dialog_support.h"

#include "input/wind_region_map.h"

#include <QFile>
#include <QImage>
#include <QLabel>
#include <QMouseEvent>
#include <QPushButton>
#include <QRadioButton>
#include <QTemporaryDir>
#include <QTest>

#include <gtest/gtest.h>

namespace {

using input::MapImageRect;
using input_testing::clickOption;

class WindRegionMap : public testing::Test {
protected:
    void SetUp() override
    {
        ASSERT_TRUE(folder.isValid());
        map = std::make_unique<input::Form4>(2, folder.path());
        map->show();
        ASSERT_DOUBLE_EQ(view().twipsPerPixel(), 15.0);
    }
    input::WindMapView &view() { return *map->mapView(); }

    QTemporaryDir folder;
    std::unique_ptr<input::Form4> map;
};

TEST_F(WindRegionMap, ShowsItsCaptionsAndTheViewportInTwips)
{
    EXPECT_EQ(map->windowTitle(), "Wind Region Map of Australia");
    QStringList labels;
    for (const QLabel *label : map->findChildren<QLabel *>())
        labels << label->text();
    for (const char *text : {"Normal", "Intermediate", "Tropical Cyclones", "Severe Cyclones", "Zoom In",
                             "Left mouse button . ", "Zoom Out", "Right mouse button "})
        EXPECT_TRUE(labels.contains(QString::fromLatin1(text))) << text;
    EXPECT_EQ(map->regionOption(0)->text(), "Region A");
    EXPECT_EQ(map->regionOption(3)->text(), "Region D");
    EXPECT_TRUE(map->okButton()->isDefault());
    EXPECT_EQ(map->swatch(0)->colour(), QColor(Qt::white));
    EXPECT_EQ(map->swatch(1)->colour(), QColor(Qt::yellow));
    EXPECT_EQ(map->swatch(2)->colour(), QColor(Qt::green));
    EXPECT_EQ(map->swatch(3)->colour(), QColor(Qt::red));
    // 9735 x 6495 twips at 15 twips a pixel, 120 twips (8 pixels) inside its frame.
    EXPECT_EQ(view().size(), QSize(649, 433));
    EXPECT_EQ(view().pos(), QPoint(8, 8));
    EXPECT_EQ(view().zoom().image, (MapImageRect{0, 0, 9735, 6495}));
}

TEST_F(WindRegionMap, LeftClickZoomsInAndRightClickZoomsBack)
{
    // Pixel (200, 150) is (3000, 2250) twips: 4867.5 - 4200 = 667.5, 3247.5 - 3150 = 97.5.
    QTest::mouseClick(&view(), Qt::LeftButton, {}, QPoint(200, 150));
    EXPECT_EQ(view().zoom().ZoomLevel, 1);
    EXPECT_EQ(view().zoom().image, (MapImageRect{668, 98, 13629, 9093}));
    EXPECT_FALSE(view().zoom().MapPressed);
    // A press left of the enlarged picture is off it: nothing happens.
    QTest::mouseClick(&view(), Qt::RightButton, {}, QPoint(20, 150));
    EXPECT_EQ(view().zoom().ZoomLevel, 1);
    QTest::mouseClick(&view(), Qt::RightButton, {}, QPoint(300, 200));
    EXPECT_EQ(view().zoom().ZoomLevel, 0);
    EXPECT_EQ(view().zoom().image, (MapImageRect{0, 0, 9735, 6495}));
}

TEST_F(WindRegionMap, TheLevelLimitsHold)
{
    QTest::mouseClick(&view(), Qt::RightButton, {}, QPoint(300, 200));
    EXPECT_EQ(view().zoom().ZoomLevel, 0);
    EXPECT_EQ(view().zoom().image, (MapImageRect{0, 0, 9735, 6495}));
    for (int i = 0; i < 3; ++i)
        QTest::mouseClick(&view(), Qt::LeftButton, {}, QPoint(324, 216));
    ASSERT_EQ(view().zoom().ZoomLevel, 3);
    const MapImageRect deepest = view().zoom().image;
    QTest::mouseClick(&view(), Qt::LeftButton, {}, QPoint(324, 216));
    EXPECT_EQ(view().zoom().ZoomLevel, 3);
    EXPECT_EQ(view().zoom().image, deepest);
    EXPECT_FALSE(view().zoom().MapPressed);
}

TEST_F(WindRegionMap, AReleaseWithoutAPressDoesNothingAndTheMiddleButtonEndsAPress)
{
    QTest::mouseRelease(&view(), Qt::LeftButton, {}, QPoint(200, 150));
    EXPECT_EQ(view().zoom().ZoomLevel, 0);
    QTest::mousePress(&view(), Qt::LeftButton, {}, QPoint(200, 150));
    EXPECT_TRUE(view().zoom().MapPressed);
    QTest::mouseRelease(&view(), Qt::MiddleButton, {}, QPoint(200, 150));
    EXPECT_FALSE(view().zoom().MapPressed);
    EXPECT_EQ(view().zoom().ZoomLevel, 0);
    QTest::mouseRelease(&view(), Qt::LeftButton, {}, QPoint(200, 150));
    EXPECT_EQ(view().zoom().ZoomLevel, 0);
    EXPECT_EQ(view().zoom().image, (MapImageRect{0, 0, 9735, 6495}));
}

// As the system delivers a double click: press, release, double click, release.
TEST_F(WindRegionMap, ADoubleClickZoomsOneStep)
{
    const QPointF at(200, 150);
    const QPointF global = view().mapToGlobal(at);
    const std::pair<QEvent::Type, Qt::MouseButtons> sequence[] = {{QEvent::MouseButtonPress, Qt::LeftButton},
                                                                  {QEvent::MouseButtonRelease, Qt::NoButton},
                                                                  {QEvent::MouseButtonDblClick, Qt::LeftButton},
                                                                  {QEvent::MouseButtonRelease, Qt::NoButton}};
    for (const auto &[type, buttons] : sequence) {
        QMouseEvent event(type, at, global, Qt::LeftButton, buttons, Qt::NoModifier);
        QApplication::sendEvent(&view(), &event);
    }
    EXPECT_EQ(view().zoom().ZoomLevel, 1);
    EXPECT_EQ(view().zoom().image, (MapImageRect{668, 98, 13629, 9093}));
}

std::vector<int> markedSwatches(const input::Form4 &map)
{
    std::vector<int> marked;
    for (int i = 0; i < 4; ++i)
        if (map.swatch(i)->isMarked())
            marked.push_back(i);
    return marked;
}

TEST_F(WindRegionMap, OpensWithTheRegionChosenAndItsSwatchMarked)
{
    EXPECT_EQ(map->chosenRegion(), 2);
    EXPECT_TRUE(map->regionOption(1)->isChecked());
    EXPECT_EQ(markedSwatches(*map), std::vector<int>{1});
    for (int outside : {0, 5}) {
        input::Form4 none(outside, folder.path());
        EXPECT_EQ(none.chosenRegion(), 0);
        EXPECT_TRUE(markedSwatches(none).empty());
    }
}

TEST_F(WindRegionMap, ASwatchOrOptionClickMarksThatSwatchOnly)
{
    QTest::mouseClick(map->swatch(2), Qt::LeftButton);
    EXPECT_TRUE(map->regionOption(2)->isChecked());
    EXPECT_EQ(map->chosenRegion(), 3);
    EXPECT_EQ(markedSwatches(*map), std::vector<int>{2});
    clickOption(map->regionOption(0));
    EXPECT_EQ(markedSwatches(*map), std::vector<int>{0});
    // The mark shows: a heavy dark frame on the marked swatch only.
    const QImage marked = map->swatch(0)->grab().toImage();
    const QImage plain = map->swatch(3)->grab().toImage();
    EXPECT_EQ(marked.pixelColor(2, marked.height() / 2), QColor(Qt::black));
    EXPECT_EQ(plain.pixelColor(2, plain.height() / 2), QColor(Qt::red));
}

TEST_F(WindRegionMap, OkAcceptsAndCancelRejects)
{
    clickOption(map->regionOption(2));
    QTest::mouseClick(map->okButton(), Qt::LeftButton);
    EXPECT_EQ(map->result(), QDialog::Accepted);
    EXPECT_EQ(map->chosenRegion(), 3);
    input::Form4 other(1, folder.path());
    other.show();
    QTest::mouseClick(other.cancelButton(), Qt::LeftButton);
    EXPECT_FALSE(other.isVisible());
    EXPECT_EQ(other.result(), QDialog::Rejected);
}

QColor centrePixel(input::WindMapView &view)
{
    const QImage shot = view.grab().toImage();
    return shot.pixelColor(shot.width() / 2, shot.height() / 2);
}

TEST(WindRegionMapPicture, TheOwnersPngIsPainted)
{
    QTemporaryDir folder;
    QImage owner(300, 200, QImage::Format_RGB32);
    owner.fill(QColor(200, 30, 160));
    ASSERT_TRUE(owner.save(folder.filePath("map1.png")));
    input::Form4 map(1, folder.path());
    EXPECT_EQ(map.mapView()->picture().source(), folder.filePath("map1.png"));
    EXPECT_FALSE(map.mapView()->picture().isPlaceholder());
    EXPECT_EQ(centrePixel(*map.mapView()), QColor(200, 30, 160));
}

TEST(WindRegionMapPicture, TheOwnersSvgComesBeforeThePng)
{
    QTemporaryDir folder;
    QFile svg(folder.filePath("map1.svg"));
    ASSERT_TRUE(svg.open(QIODevice::WriteOnly));
    svg.write("<svg xmlns='http://www.w3.org/2000/svg' width='10' height='10'>"
              "<rect width='10' height='10' fill='#102030'/></svg>");
    svg.close();
    QImage png(10, 10, QImage::Format_RGB32);
    png.fill(Qt::white);
    ASSERT_TRUE(png.save(folder.filePath("map1.png")));
    input::Form4 map(1, folder.path());
    EXPECT_EQ(map.mapView()->picture().source(), folder.filePath("map1.svg"));
    EXPECT_EQ(centrePixel(*map.mapView()), QColor(0x10, 0x20, 0x30));
}

// No map, or one that cannot be read: the placeholder from the resources,
// and no message.
TEST(WindRegionMapPicture, NoneOrACorruptFileGivesThePlaceholder)
{
    for (const char *corrupt : {"", "map1.svg", "map1.png"}) {
        QTemporaryDir folder;
        if (*corrupt) {
            QFile file(folder.filePath(QString::fromLatin1(corrupt)));
            ASSERT_TRUE(file.open(QIODevice::WriteOnly));
            file.write("not a picture at all");
        }
        input::Form4 map(1, folder.path());
        const input::MapPicture &picture = map.mapView()->picture();
        EXPECT_TRUE(picture.isPlaceholder()) << corrupt;
        EXPECT_EQ(picture.source(), QString::fromLatin1(input::PlaceholderMapResource));
        EXPECT_TRUE(QFile::exists(picture.source()));
        EXPECT_TRUE(picture.isValid()) << corrupt;
        // The placeholder's large white area lies under the viewport's centre.
        EXPECT_EQ(centrePixel(*map.mapView()), QColor(Qt::white)) << corrupt;
    }
}

} // namespace
