#include "wizards/regiondrawing.h"

#include <gtest/gtest.h>

#include <string>
#include <vector>

namespace
{

using Kind = RegionDrawing::Click::Kind;
using Mode = RegionDrawing::Mode;

// A script of actions on the editor: "R" rectangle, "C" circle, "P" polygon, "S" stop, a
// point is a click; each gives the outcome it is checked against.
struct Step {
    char action; // 'R', 'C', 'P', 'S' or 'k' (click)
    QPoint point = {};
    Kind kind = Kind::Ignored; // clicks
    bool acted = true;         // 'R' and 'C'
};

TEST(RegionDrawing, ClickSequences)
{
    const struct {
        const char *name;
        std::vector<Step> steps;
        Mode mode;
        bool busy;
        int vertexCount;
    } cases[] = {
        {"rectangle",
         {{'k', {10, 10}, Kind::FirstPoint}, {'k', {50, 40}, Kind::Rectangle}},
         Mode::Rect,
         false,
         0},
        {"shape buttons ignored while busy",
         {{'k', {1, 1}, Kind::FirstPoint},
          {'C', {}, {}, false},
          {'k', {5, 5}, Kind::Rectangle},
          {'C'},
          {'k', {0, 0}, Kind::FirstPoint},
          {'R', {}, {}, false},
          {'k', {3, 4}, Kind::Circle}},
         Mode::Circle,
         false,
         0},
        {"polygon",
         {{'P'}, {'k', {1, 1}, Kind::Vertex}, {'k', {9, 1}, Kind::Vertex}},
         Mode::Poly,
         true,
         2},
        {"polygon abandons a pending corner",
         {{'k', {1, 1}, Kind::FirstPoint}, {'P'}, {'k', {2, 2}, Kind::Vertex}},
         Mode::Poly,
         true,
         1},
        {"clicks after stop count nothing",
         {{'P'},
          {'k', {1, 1}, Kind::Vertex},
          {'S'},
          {'k', {5, 5}, Kind::Ignored},
          {'k', {6, 6}, Kind::Ignored},
          {'R'},
          {'k', {7, 7}, Kind::FirstPoint}},
         Mode::Rect,
         true,
         0},
        {"polygon restarts at vertex 1",
         {{'P'},
          {'k', {1, 1}, Kind::Vertex},
          {'k', {2, 2}, Kind::Vertex},
          {'P'},
          {'k', {3, 3}, Kind::Vertex}},
         Mode::Poly,
         true,
         1},
        {"empty stop", {{'P'}, {'S'}}, Mode::Poly, false, 0},
    };
    for (const auto &c : cases) {
        SCOPED_TRACE(c.name);
        RegionDrawing drawing;
        drawing.activate();
        int step = 0;
        for (const Step &s : c.steps) {
            SCOPED_TRACE(step++);
            switch (s.action) {
            case 'R':
                EXPECT_EQ(drawing.chooseRect(), s.acted);
                break;
            case 'C':
                EXPECT_EQ(drawing.chooseCircle(), s.acted);
                break;
            case 'P':
                drawing.startPolygon();
                break;
            case 'S':
                drawing.stopPolygon();
                break;
            default:
                EXPECT_EQ(int(drawing.click(s.point).kind), int(s.kind));
            }
        }
        EXPECT_EQ(int(drawing.mode()), int(c.mode));
        EXPECT_EQ(drawing.busy(), c.busy);
        EXPECT_EQ(drawing.polygon().vertexCount(), c.vertexCount);
    }
}

TEST(RegionDrawing, PointsRadiusAndVertexLines)
{
    RegionDrawing drawing;
    drawing.activate();
    drawing.click({50, 40});
    const auto rect = drawing.click({10, 10});
    EXPECT_EQ(rect.first, QPoint(50, 40));
    EXPECT_EQ(rect.second, QPoint(10, 10));

    ASSERT_TRUE(drawing.chooseCircle());
    drawing.click({0, 0});
    EXPECT_EQ(drawing.click({3, 4}).radius, 5);
    drawing.click({0, 0});
    EXPECT_EQ(drawing.click({1, 1}).radius, 1);

    drawing.startPolygon();
    EXPECT_EQ(drawing.click({7, 8}).vertex, 1);
    const auto second = drawing.click({9, 10});
    EXPECT_EQ(second.vertex, 2);
    EXPECT_EQ(second.first, QPoint(7, 8));
    EXPECT_EQ(second.second, QPoint(9, 10));
    const PolyRegion closed = drawing.stopPolygon();
    EXPECT_EQ(closed.vertexCount(), 2);
    EXPECT_EQ(closed.vertices[1], QPoint(9, 10));
    EXPECT_EQ(drawing.polygon().vertexCount(), 0);
    EXPECT_EQ(drawing.nextVertex(), 1);
}

TEST(RegionDrawing, HundredVerticesThenRefused)
{
    RegionDrawing drawing;
    drawing.activate();
    drawing.startPolygon();
    for (int i = 0; i < 100; ++i)
        ASSERT_EQ(drawing.click({i, i}).kind, Kind::Vertex);
    EXPECT_EQ(drawing.click({500, 500}).kind, Kind::PolygonFull);
    const PolyRegion closed = drawing.stopPolygon();
    EXPECT_EQ(closed.vertexCount(), 100);
    EXPECT_EQ(closed.vertices[99], QPoint(99, 99));
}

TEST(RegionDrawing, RecordNumbersAndButtonColours)
{
    RegionDrawing drawing;
    EXPECT_EQ(drawing.storedCount(RegionShape::Rect), 0);
    drawing.activate();
    EXPECT_TRUE(drawing.highlighted(Mode::Rect));
    drawing.regionStored(RegionShape::Rect);
    drawing.regionStored(RegionShape::Rect);
    drawing.regionStored(RegionShape::Poly);
    EXPECT_EQ(drawing.nextNumber(RegionShape::Rect), 3);
    EXPECT_EQ(drawing.storedCount(RegionShape::Poly), 1);
    EXPECT_EQ(drawing.storedCount(RegionShape::Circle), 0);

    drawing.chooseCircle();
    EXPECT_FALSE(drawing.highlighted(Mode::Rect));
    EXPECT_TRUE(drawing.highlighted(Mode::Circle));
    // A new activation starts at 1 and turns "Rectangle" blue; "Cercle" keeps its colour.
    drawing.activate();
    EXPECT_EQ(drawing.nextNumber(RegionShape::Rect), 1);
    EXPECT_TRUE(drawing.highlighted(Mode::Rect));
    EXPECT_TRUE(drawing.highlighted(Mode::Circle));
    // "Polygone" while a corner is pending keeps the colours.
    drawing.click({1, 1});
    drawing.startPolygon();
    EXPECT_FALSE(drawing.highlighted(Mode::Poly));

    drawing.regionStored(RegionShape::Circle);
    drawing.resetCounts();
    EXPECT_EQ(drawing.storedCount(RegionShape::Circle), 0);
}

} // namespace
