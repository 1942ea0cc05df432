// The printed elevation laid out as numbers: scale, posts, panels, footings,
// ground profile with its clipping, and the clearance dimension.

#include "engine/reference_lists.h"
#include "engine/values.h"
#include "print/design_elevation.h"
#include "print/design_form.h"
#include "print/printer_surface.h"
#include "print_test_support.h"

#include <gtest/gtest.h>

#include <QFile>
#include <QPolygonF>
#include <QTemporaryDir>
#include <algorithm>
#include <cmath>

namespace printtest {
namespace {

using print::BoxRec;
using print::ElevationModel;
using print::LineRec;

// The area of the worked example: scale 0.4 (height-bound).
const BoxRec Area{800, 1000, 1200, 1310, 3, 0, 0};

// One front panel 2000 x 1000, two 3000 mm posts 1000 apart, 100 mm section,
// 400 x 1000 footings, road 2000 below, 500 mm from the kerb, one falling
// segment.
print::PrintedDesign Example()
{
    print::PrintedDesign p;
    engine::DesignRecord &d = p.PrintDesign;
    d.NumFrontSigns = 1;
    d.FrontSignWidth[1] = 2000;
    d.FrontSignDepth[1] = 1000;
    d.BkgndColour[1] = 2;
    d.RoadHeight = 2000;
    d.DistFromKerb = 500;
    d.SegLength[1] = 2000;
    d.SegDeltaHeight[1] = -500;
    d.MinimumClearance = 2000;
    engine::SupportDesign &s = p.PrintSupport;
    s.NumPosts = 2;
    s.PostSpacing = 1000;
    s.PostLength = {0, 3000, 3000, 0, 0};
    s.PostClearance = {0, 2000, 2000, 0, 0};
    s.PostDimensions = "100 NB";
    s.FootingType = 1;
    s.NormFootingDim = "400";
    s.NormFootingDep = 1000;
    return p;
}

ElevationModel Build(const print::PrintedDesign &p, const BoxRec &area = Area)
{
    FixedSurface surface;
    return print::BuildDesignElevation(p, area, surface);
}

void ExpectBox(const BoxRec &b, int left, int top, int width, int height)
{
    EXPECT_EQ(b.Left, left);
    EXPECT_EQ(b.Top, top);
    EXPECT_EQ(b.Width, width);
    EXPECT_EQ(b.Height, height);
}

void ExpectLine(const LineRec &l, int x1, int y1, int x2, int y2)
{
    EXPECT_EQ(l.X1, x1);
    EXPECT_EQ(l.Y1, y1);
    EXPECT_EQ(l.X2, x2);
    EXPECT_EQ(l.Y2, y2);
}

TEST(DesignElevation, SignOnTheRight)
{
    const ElevationModel m = Build(Example());
    ASSERT_TRUE(m.drawn);
    EXPECT_FLOAT_EQ(m.Scale, 0.4f);
    EXPECT_EQ(m.X0, 1000);
    EXPECT_EQ(m.Y0, 1040);
    EXPECT_EQ(m.posts, 2);
    ExpectBox(m.PanelBoxes[0], 1000, 1040, 800, 400);
    EXPECT_EQ(m.PanelBoxes[0].FillColor, engine::BackgroundColourValues[2]);
    ExpectBox(m.PostBoxes[0], 1180, 1070, 40, 1200);
    ExpectBox(m.PostBoxes[1], 1580, 1070, 40, 1200);
    EXPECT_EQ(m.PostBoxes[0].FillStyle, print::FillUpwardDiagonal);
    ExpectBox(m.FootingBoxes[0], 1120, 1900, 160, 400);
    EXPECT_TRUE(m.footings);
    EXPECT_FALSE(m.stubs);
    EXPECT_FALSE(m.screws);
    // Ground from the road edge, its end clipped at the area's bottom; the
    // later segments (length 0) collapse onto the bottom edge.
    ExpectLine(m.GroundLines[0], 800, 2240, 1080, 2310);
    ExpectLine(m.GroundLines[1], 1600, 2310, 1600, 2310);
    EXPECT_TRUE(m.GroundDrawn[0]);
    EXPECT_FALSE(m.GroundDrawn[1]);
    ExpectLine(m.RoadLine, 800, 2240, 800, 2240);
    EXPECT_EQ(m.RoadLine.DrawWidth, 8);
    // The dimension on the far side, from the panel bottom down 2000 mm.
    ExpectLine(m.ClearanceLines[0], 1810, 1440, 1840, 1440);
    ExpectLine(m.ClearanceLines[1], 1810, 2240, 1840, 2240);
    ExpectLine(m.ClearanceLines[2], 1830, 1440, 1830, 2240);
    EXPECT_EQ(m.Label.Text, "2000      ");
    EXPECT_EQ(m.Label.Width, 100);
    EXPECT_EQ(m.Label.X, 1840);
    EXPECT_EQ(m.Label.Y, 1820);
    EXPECT_EQ(m.Label.RightAlign, 0);
}

TEST(DesignElevation, SignOnTheLeftIsMirrored)
{
    print::PrintedDesign p = Example();
    p.PrintDesign.SignOnLeft = -1;
    const ElevationModel m = Build(p);
    EXPECT_EQ(m.PostBoxes[0].Left, 1580);
    EXPECT_EQ(m.PostBoxes[1].Left, 1180);
    EXPECT_EQ(m.PanelBoxes[0].Left, 1000);
    // From the road edge at the area's right edge, clipped at the bottom.
    ExpectLine(m.GroundLines[0], 2000, 2240, 1720, 2310);
    ExpectLine(m.RoadLine, 2000, 2240, 2000, 2240);
    ExpectLine(m.ClearanceLines[0], 960, 1440, 990, 1440);
    ExpectLine(m.ClearanceLines[2], 970, 1440, 970, 2240);
    EXPECT_EQ(m.Label.RightAlign, 1);
    EXPECT_EQ(m.Label.X, 860);

    // The label prints right-aligned within its ten characters.
    FixedSurface s;
    print::PrintLabelRec(s, m.Label);
    EXPECT_EQ(s.texts(), QStringList{"      2000"});
}

TEST(DesignElevation, PostBelowMinimumClearanceIsRed)
{
    struct Case {
        int16_t slipBase;
        int32_t clearance;
        bool red;
    };
    for (const Case c : {Case{-1, 2099, true}, Case{-1, 2100, false}, Case{0, 1499, true}, Case{0, 1500, false},
                         Case{0, 2099, false}}) {
        print::PrintedDesign p = Example();
        p.PrintSupport.SlipBaseReq = c.slipBase;
        p.PrintSupport.PostClearance[1] = 3000;
        p.PrintSupport.PostClearance[2] = c.clearance;
        const ElevationModel m = Build(p);
        SCOPED_TRACE(c.clearance);
        EXPECT_EQ(m.PostBoxes[0].FillStyle, print::FillUpwardDiagonal);
        EXPECT_EQ(m.PostBoxes[1].FillStyle, c.red ? print::FillSolid : print::FillUpwardDiagonal);
        EXPECT_EQ(m.PostBoxes[1].FillColor, c.red ? 0xFF : 0x404040);
    }
}

TEST(DesignElevation, StubsPlatesAndFootingsBelowThem)
{
    print::PrintedDesign p = Example();
    p.PrintSupport.StubLength = 500;
    const ElevationModel m = Build(p);
    ASSERT_TRUE(m.stubs);
    const float s = m.Scale;
    for (int j = 0; j < 2; ++j) {
        const BoxRec &post = m.PostBoxes[j], &stub = m.StubBoxes[j], &plate = m.PlateBoxes[j],
                     &footing = m.FootingBoxes[j];
        EXPECT_EQ(stub.Top, post.Top + post.Height);
        EXPECT_EQ(stub.Left, post.Left);
        EXPECT_EQ(stub.Width, post.Width);
        EXPECT_EQ(stub.Height, print::Round(s * 500.0));
        EXPECT_EQ(plate.Width, 2 * stub.Width);
        EXPECT_EQ(plate.Top, print::Round(stub.Top - s * 100.0));
        EXPECT_EQ(plate.Left, print::Round(stub.Left - stub.Width / 2.0));
        EXPECT_EQ(footing.Top + footing.Height, print::Round(s * 75.0 + stub.Top + stub.Height));
    }
}

TEST(DesignElevation, StubZeroHangsFootingsFromThePosts)
{
    const ElevationModel m = Build(Example());
    EXPECT_FALSE(m.stubs);
    for (int j = 0; j < 2; ++j)
        EXPECT_EQ(m.FootingBoxes[j].Top + m.FootingBoxes[j].Height,
                  m.PostBoxes[j].Top + m.PostBoxes[j].Height + print::Round(m.Scale * 75.0));
    FixedSurface s;
    print::DrawElevationModel(s, m);
    // Per post: post and footing only; one panel; one ground line, road,
    // three clearance lines.
    EXPECT_EQ(s.ofKind(print::RecordingSurface::Kind::Box).size(), 2u * 2 + 5);
    EXPECT_EQ(s.ofKind(print::RecordingSurface::Kind::Line).size(), 4u + 1 + 1 + 3);
}

TEST(DesignElevation, ScrewFootingTakesTheLowestThirdOfTheStub)
{
    print::PrintedDesign p = Example();
    p.PrintSupport.StubLength = 600;
    p.PrintSupport.FootingType = 2;
    p.PrintSupport.ScrewFootingDim = 300;
    p.PrintSupport.ScrewFootingDep = 1500;
    const ElevationModel full = Build(p);
    ASSERT_TRUE(full.screws);
    EXPECT_FALSE(full.footings);
    ASSERT_EQ(full.ScrewLines.size(), 16u);
    const int32_t stubHeight = print::Round(full.Scale * 600.0);
    const BoxRec &frame = full.ScrewFrames[0];
    EXPECT_EQ(frame.Height, stubHeight / 3);
    EXPECT_EQ(full.StubBoxes[0].Height, stubHeight - stubHeight / 3);
    EXPECT_EQ(frame.Width, 2 * full.StubBoxes[0].Width);
    EXPECT_EQ(frame.Top + frame.Height, full.StubBoxes[0].Top + stubHeight);
    // Line 1 runs from (120, 0) to (240, 600) of the template.
    EXPECT_NEAR(full.ScrewLines[0].X1, frame.Left + frame.Width / 4.0, 1e-3);
    EXPECT_NEAR(full.ScrewLines[0].Y1, frame.Top, 1e-3);
    EXPECT_NEAR(full.ScrewLines[0].X2, frame.Left + frame.Width / 2.0, 1e-3);
    EXPECT_NEAR(full.ScrewLines[0].Y2, frame.Top + frame.Height, 1e-3);

    // Without a stub there is nothing to draw the screw from.
    p.PrintSupport.StubLength = 0;
    const ElevationModel none = Build(p);
    EXPECT_FALSE(none.screws);
    EXPECT_TRUE(none.ScrewLines.empty());
    EXPECT_FALSE(none.footings);
}

TEST(DesignElevation, PostsWithoutSectionAreZeroWideAndStillDrawn)
{
    print::PrintedDesign p = Example();
    p.PrintSupport.PostDimensions = "X";
    const ElevationModel m = Build(p);
    EXPECT_EQ(m.PostBoxes[0].Width, 0);
    EXPECT_EQ(m.PostBoxes[0].Left, 1200);
    FixedSurface s;
    print::DrawElevationModel(s, m);
    const auto boxes = s.ofKind(print::RecordingSurface::Kind::Box);
    ASSERT_FALSE(boxes.empty());
    EXPECT_EQ(boxes[0]->x1, boxes[0]->x2);
}

TEST(DesignElevation, GroundClippedAtEachEdge)
{
    struct Case {
        const char *name;
        int16_t onLeft;
        int32_t length, rise;
    };
    for (const Case c : {Case{"right", 0, 20000, 0}, Case{"left", -1, 20000, 0}, Case{"top", 0, 2000, 30000},
                         Case{"bottom", 0, 2000, -30000}}) {
        SCOPED_TRACE(c.name);
        print::PrintedDesign p = Example();
        p.PrintDesign.SignOnLeft = c.onLeft;
        p.PrintDesign.SegLength[1] = c.length;
        p.PrintDesign.SegDeltaHeight[1] = c.rise;
        p.PrintDesign.SegLength[2] = 1000;
        p.PrintDesign.SegDeltaHeight[2] = c.rise == 0 ? 0 : (c.rise > 0 ? 5000 : -5000);
        const ElevationModel m = Build(p);
        for (int k = 0; k < 6; ++k) {
            const LineRec &l = m.GroundLines[k];
            for (int x : {l.X1, l.X2}) {
                EXPECT_GE(x, Area.Left);
                EXPECT_LE(x, Area.Left + Area.Width);
            }
            for (int y : {l.Y1, l.Y2}) {
                EXPECT_GE(y, Area.Top);
                EXPECT_LE(y, Area.Top + Area.Height);
            }
        }
        const LineRec &first = m.GroundLines[0];
        const LineRec &second = m.GroundLines[1];
        const std::string edge = c.name;
        // The first segment ends on the edge; the second lies wholly beyond
        // it and collapses onto it.
        if (edge == "right") {
            EXPECT_EQ(first.X2, Area.Left + Area.Width);
            EXPECT_TRUE(second.X1 == second.X2 && second.X1 == Area.Left + Area.Width);
        } else if (edge == "left") {
            EXPECT_EQ(first.X2, Area.Left);
        } else if (edge == "top") {
            EXPECT_EQ(first.Y2, Area.Top);
            EXPECT_TRUE(second.Y1 == second.Y2 && second.Y1 == Area.Top);
        } else {
            EXPECT_EQ(first.Y2, Area.Top + Area.Height);
        }
    }
}

TEST(DesignElevation, HigherBackStackStartsAtTheTop)
{
    print::PrintedDesign p = Example();
    p.PrintDesign.NumBackSigns = 1;
    p.PrintDesign.BackSignWidth = 1500;
    p.PrintDesign.BackSignDepth = 2000;
    const ElevationModel m = Build(p);
    EXPECT_TRUE(m.back);
    EXPECT_EQ(m.PanelBoxes[3].Top, m.Y0);
    EXPECT_EQ(m.PanelBoxes[0].Top, print::Round(m.Scale * 1000.0 + m.Y0));
    EXPECT_EQ(m.PanelBoxes[3].FillStyle, print::FillDownwardDiagonal);
    EXPECT_EQ(m.PanelBoxes[3].FillColor, 0x8000);
    EXPECT_EQ(m.PanelBoxes[3].Left, print::Round(250 * m.Scale + m.X0));
}

TEST(DesignElevation, FrontStackHangsPanelsByTheirClearances)
{
    print::PrintedDesign p = Example();
    engine::DesignRecord &d = p.PrintDesign;
    d.NumFrontSigns = 3;
    d.FrontSignDepth = {0, 1000, 500, 400};
    d.FrontSignWidth = {0, 2000, 1600, 1000};
    d.FrontSignClearance = {0, 0, 100, 200};
    const ElevationModel m = Build(p);
    EXPECT_EQ(m.PanelBoxes[2].Top, m.Y0);
    EXPECT_EQ(m.PanelBoxes[1].Top, print::Round(m.Scale * 200.0 + m.PanelBoxes[2].Top + m.PanelBoxes[2].Height));
    EXPECT_EQ(m.PanelBoxes[0].Top, print::Round(m.Scale * 100.0 + m.PanelBoxes[1].Top + m.PanelBoxes[1].Height));
    // The dimension starts at the bottom of the lowest panel.
    EXPECT_EQ(m.ClearanceLines[0].Y1, m.PanelBoxes[0].Top + m.PanelBoxes[0].Height);
}

TEST(DesignElevation, BackPanelOnly)
{
    print::PrintedDesign p = Example();
    p.PrintDesign.NumFrontSigns = 0;
    p.PrintDesign.NumBackSigns = 1;
    p.PrintDesign.BackSignWidth = 1500;
    p.PrintDesign.BackSignDepth = 800;
    const ElevationModel m = Build(p);
    ASSERT_TRUE(m.drawn);
    EXPECT_EQ(m.fronts, 0);
    EXPECT_EQ(m.SignAreaWidth, 1500);
    EXPECT_EQ(m.PanelBoxes[3].Top, m.Y0);
    EXPECT_EQ(m.ClearanceLines[0].Y1, m.PanelBoxes[3].Top + m.PanelBoxes[3].Height);
    FixedSurface s;
    print::DrawElevationModel(s, m);
    EXPECT_EQ(s.ofKind(print::RecordingSurface::Kind::Sector).size(), 4u);  // one rounded panel
}

TEST(DesignElevation, NothingWithoutSize)
{
    print::PrintedDesign p = Example();
    p.PrintDesign.FrontSignWidth[1] = 0;
    EXPECT_FALSE(Build(p).drawn);
    EXPECT_FALSE(Build(Example(), BoxRec{800, 1000, 0, 0, 3, 0, 0}).drawn);
    FixedSurface s;
    print::DrawDesignElevation(s, Area, p);
    EXPECT_TRUE(s.items.empty());
}

TEST(DesignElevation, NegativeMinimumClearancePointsUp)
{
    print::PrintedDesign p = Example();
    p.PrintDesign.MinimumClearance = -500;
    const ElevationModel m = Build(p);
    EXPECT_EQ(m.ClearanceLines[1].Y1, m.ClearanceLines[0].Y1 - 200);
    EXPECT_EQ(m.Label.Text, "-500      ");
}

TEST(DesignElevation, CountsAndIndexesHeldToTheRecords)
{
    print::PrintedDesign p = Example();
    p.PrintSupport.NumPosts = 7;
    p.PrintSupport.PostLength = {0, 3000, 3000, 3000, 3000};
    p.PrintDesign.BkgndColour[1] = 11;
    const ElevationModel m = Build(p);
    EXPECT_EQ(m.posts, 4);
    EXPECT_EQ(m.PanelBoxes[0].FillStyle, print::FillTransparent);
    FixedSurface s;
    print::DrawElevationModel(s, m);
    EXPECT_EQ(s.ofKind(print::RecordingSurface::Kind::Box).size(), 4u * 2 + 5);
}

TEST(DesignElevation, WideSignLabelPastTheFramePrintsOnce)
{
    // The sign fills the area's width; the area ends at the frame's right
    // edge, so the label starts past it.
    FixedSurface s;
    print::SetupPage(s, 1);
    const BoxRec area{800, 1000, 1200, 2000, 3, 0, 0};
    print::PrintedDesign p = Example();
    p.PrintDesign.FrontSignWidth[1] = 4000;
    print::DrawDesignElevation(s, area, p);
    const ElevationModel m = print::BuildDesignElevation(p, area, s);
    EXPECT_GT(m.Label.X, s.PageFrame.Left + s.PageFrame.Width);
    EXPECT_EQ(s.texts(), QStringList{"2000      "});
}

TEST(DesignElevation, DrawOrder)
{
    print::PrintedDesign p = Example();
    p.PrintSupport.StubLength = 500;
    FixedSurface s;
    s.DrawWidth = 9;
    s.ForeColor = 0x111111;
    print::DrawDesignElevation(s, Area, p);
    using Kind = print::RecordingSurface::Kind;
    std::vector<std::pair<Kind, int32_t>> boxes;
    for (const auto &item : s.items)
        if (item.kind == Kind::Box && item.fillStyle != print::FillSolid + 100)
            boxes.push_back({item.kind, item.fillColour});
    // Post, stub, plate, footing for each post, then the panel's five boxes.
    ASSERT_GE(boxes.size(), 8u);
    EXPECT_EQ(boxes[0].second, 0x404040);
    EXPECT_EQ(boxes[1].second, 0x808080);
    EXPECT_EQ(boxes[2].second, 0xFF0000);
    EXPECT_EQ(boxes[3].second, 0x8080);
    // Lines come last; their widths and colours are restored afterwards.
    const auto lines = s.ofKind(Kind::Line);
    EXPECT_EQ(lines.back()->colour, 0xFF0000);
    EXPECT_EQ(s.DrawWidth, 9);
    EXPECT_EQ(s.ForeColor, 0x111111);
    EXPECT_EQ(s.items.back().kind, Kind::Text);
}

// A stored size far beyond a page (1E300 mm, a panel 2E9 mm deep) still draws
// its elevation, but hatches only the shapes' parts on the page, so the job ends.
struct BoundedCase {
    const char *name, *section, *footing;
    int32_t stub;
    int16_t footingType;
    int32_t backDepth; // 0: no back panel
};

TEST(ElevationBoundedByPage, HatchesCutToThePageAndTheJobEnds)
{
    using Kind = print::RecordingSurface::Kind;
    QTemporaryDir dir;
    ASSERT_TRUE(dir.isValid());
    for (const BoundedCase c : {BoundedCase{"ordinary", "100 NB", "400", 500, 1, 0},
                                BoundedCase{"section 30000", "30000", "400", 500, 1, 0},
                                BoundedCase{"section 2E9", "2E9", "400", 500, 1, 0},
                                BoundedCase{"section 1E300", "1E300", "400", 500, 1, 0},
                                BoundedCase{"footing 1E300", "100 NB", "1E300", 0, 1, 0},
                                BoundedCase{"both 1E300, screw", "1E300", "1E300", 600, 2, 0},
                                BoundedCase{"section -1E300", "-1E300", "400", 500, 1, 0},
                                BoundedCase{"back panel 2E9 deep", "100 NB", "400", 0, 1, 2000000000}}) {
        SCOPED_TRACE(c.name);
        print::PrintedDesign p = Example();
        p.PrintDesign.JobSection = "Brücke Süd";
        engine::SupportDesign &s = p.PrintSupport;
        s.PostDimensions = c.section;
        s.NormFootingDim = c.footing;
        s.StubLength = c.stub;
        s.FootingType = c.footingType;
        s.ScrewFootingDim = 300;
        s.ScrewFootingDep = 1500;
        p.PrintDesign.NumBackSigns = c.backDepth > 0 ? 1 : 0;
        p.PrintDesign.BackSignWidth = 1500;
        p.PrintDesign.BackSignDepth = c.backDepth;

        // A post is as wide as its section says (held at the largest coordinate),
        // its footing centred on it, plates and screw frames wider, never wrapped round.
        const ElevationModel m = Build(p);
        ASSERT_TRUE(m.drawn);
        for (int j = 0; j < m.posts; ++j) {
            const BoxRec &post = m.PostBoxes[j], &footing = m.FootingBoxes[j];
            EXPECT_EQ(post.Width, print::Round(m.Scale * engine::Val(c.section)));
            EXPECT_NEAR(footing.Left + footing.Width / 2.0, post.Left + post.Width / 2.0, 1.0);
            for (const BoxRec *b : {m.stubs ? &m.PlateBoxes[j] : nullptr, m.screws ? &m.ScrewFrames[j] : nullptr})
                if (b) {
                    EXPECT_EQ(b->Width < 0, post.Width < 0);
                    EXPECT_GE(std::abs(int64_t{b->Width}), std::abs(int64_t{post.Width}));
                }
        }

        // Each shape's hatch lines come just before it: they lie on the shape's
        // part on the page, cover it, and number no more than lines a step apart.
        FixedSurface surface;
        print::SetupPage(surface, print::Portrait);
        print::DrawDesignElevation(surface, Area, p);
        const QRectF page = surface.DrawingArea();
        const double step = surface.HatchStep();
        QPolygonF ends;
        std::vector<int32_t> colours;
        std::size_t hatched = 0;
        for (const auto &item : surface.items) {
            if (item.kind == Kind::Hatch) {
                ends << QPointF(item.x1, item.y1) << QPointF(item.x2, item.y2);
                colours.push_back(item.colour);
                continue;
            }
            if (ends.isEmpty())
                continue;
            ++hatched;
            const QRectF shape = item.kind == Kind::Box ? QRectF(QPointF(item.x1, item.y1), QPointF(item.x2, item.y2))
                                                        : QRectF(item.x1 - item.radius, item.y1 - item.radius,
                                                                 2 * item.radius, 2 * item.radius);
            const QRectF visible = shape & page;
            EXPECT_LE(static_cast<double>(colours.size()), (visible.width() + visible.height()) / step + 1);
            const QRectF onPage = visible.adjusted(-1e-6, -1e-6, 1e-6, 1e-6);
            EXPECT_TRUE(std::all_of(ends.cbegin(), ends.cend(), [&](const QPointF &e) { return onPage.contains(e); }))
                << "hatch line ends off the shape or the page";
            EXPECT_TRUE(item.kind != Kind::Box || ends.boundingRect().adjusted(-step, -step, step, step).contains(visible));
            EXPECT_EQ(colours, std::vector<int32_t>(colours.size(), item.fillColour));
            ends.clear();
            colours.clear();
        }
        EXPECT_TRUE(ends.isEmpty()) << "hatch lines without their shape";
        // The two posts at least; with the back panel also its parts on the page.
        EXPECT_GE(hatched, c.backDepth > 0 ? 8u : 2u);

        // The design form page with this elevation prints to a PDF of ordinary size.
        const QString pdf = dir.filePath(QStringLiteral("%1.pdf").arg(QString::fromUtf8(c.name)));
        {
            const auto printer = print::PrinterSurface::ForPdf(pdf);
            print::SetupPage(*printer, print::Portrait);
            print::PrintDesignFormPage(*printer, p);
            ASSERT_TRUE(printer->EndDoc());
        }
        QFile file(pdf);
        ASSERT_TRUE(file.open(QIODevice::ReadOnly));
        EXPECT_LT(file.size(), 40000);
        EXPECT_TRUE(file.readAll().trimmed().endsWith("%%EOF"));
    }
}

} // namespace
} // namespace printtest
