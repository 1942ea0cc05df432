// The About box: its texts and fonts, closing by OK, Esc and the close box,
// and one box at a time from the Help menu.

#include "app_test_support.h"

#include "app/about_box.h"
#include "app/main_menus.h"
#include "app/main_window.h"
#include "app/product_info.h"

#include <QAction>
#include <QLabel>
#include <QPushButton>
#include <QScreen>
#include <QtTest/QTest>

#include <gtest/gtest.h>

namespace {

struct LabelText {
    int index;
    QString text;
    double points;
    bool bold;
};

} // namespace

TEST(AboutBox, TextsAndFonts)
{
    app::AboutBox box;
    EXPECT_EQ(box.windowTitle(), "About");
    EXPECT_EQ(box.titleBand()->text(), "About " + app::product::LongTitle);
    const std::vector<LabelText> labels{
        {1, "Mastra (Kelvora)", 24, true},
        {2, "Version 3.0", 13.5, true},
        {3, "Developed by :", 9.75, true},
        {4, app::product::Owner, 9.75, true},
        {5, app::product::Branch, 9.75, true},
        {6, app::product::Division, 9.75, true},
        {7, "Product No. : " + app::product::ProductNumber, 8.25, false},
    };
    for (const LabelText &l : labels) {
        SCOPED_TRACE(l.index);
        ASSERT_NE(box.label(l.index), nullptr);
        EXPECT_EQ(box.label(l.index)->text(), l.text);
        EXPECT_DOUBLE_EQ(box.label(l.index)->font().pointSizeF(), l.points);
        EXPECT_EQ(box.label(l.index)->font().bold(), l.bold);
        EXPECT_EQ(box.label(l.index)->font().styleHint(), QFont::SansSerif);
    }
    EXPECT_EQ(box.okButton()->text(), "OK");
    // The picture is drawn: not one flat colour.
    const QImage picture = box.picture()->pixmap().toImage();
    ASSERT_FALSE(picture.isNull());
    EXPECT_NE(picture.pixel(2, 2), picture.pixel(64, 40));
}

TEST(AboutBox, CentredAndClosedByOkEscAndTheCloseBox)
{
    for (int way = 0; way < 3; ++way) {
        SCOPED_TRACE(way);
        QPointer<app::AboutBox> box = new app::AboutBox;
        box->show();
        const QRect screen = box->screen()->geometry();
        EXPECT_EQ(box->x(), screen.x() + (screen.width() - box->width()) / 2);
        EXPECT_EQ(box->y(), screen.y() + (screen.height() - box->height()) / 2);
        if (way == 0)
            box->okButton()->click();
        else if (way == 1)
            QTest::keyClick(box.data(), Qt::Key_Escape);
        else
            box->close();
        QCoreApplication::sendPostedEvents(nullptr, QEvent::DeferredDelete);
        EXPECT_TRUE(box.isNull());  // deleted: nothing carries over
    }
}

TEST(AboutBox, HelpRaisesTheOpenBoxAndMakesANewOneOnceClosed)
{
    engine::DesignState state;
    app_testing::FakeStorage storage;
    app::Form5 window(state, storage.services(state));
    window.menus().helpItem()->trigger();
    QPointer<app::AboutBox> first = window.aboutBox();
    ASSERT_FALSE(first.isNull());
    window.menus().helpItem()->trigger();
    EXPECT_EQ(window.aboutBox(), first.data());
    EXPECT_EQ(window.findChildren<app::AboutBox *>().size(), 1);
    first->okButton()->click();
    QCoreApplication::sendPostedEvents(nullptr, QEvent::DeferredDelete);
    EXPECT_TRUE(first.isNull());
    window.menus().helpItem()->trigger();
    EXPECT_NE(window.aboutBox(), nullptr);
    EXPECT_TRUE(window.aboutBox()->isVisible());
}
