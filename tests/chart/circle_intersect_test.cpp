#include "chart/CircleIntersect.h"

#include <gtest/gtest.h>

using chart::CircleIntersect;

namespace {

struct Circles {
    float x1, y1, r1, x2, y2, r2;
};

// Meeting circles: point 1 lies a quarter turn counter-clockwise (y up) from the centre line.
TEST(CircleIntersect, MeetingCirclesGiveBothCrossingsInOrder) {
    struct Row {
        Circles c;
        float px1, py1, px2, py2;
    };
    const Row rows[] = {
        {{0, 0, 1, 1, 0, 1}, 0.5f, 0.8660254f, 0.5f, -0.8660254f},
        {{0, 0, 1, 2, 0, 1}, 1, 0, 1, 0}, // tangent: both points equal
        {{400, 350, 134.16408f, 550, 350, 150}, 460, 470, 460, 230},
    };
    for (const Row& r : rows) {
        float px1 = -7, py1 = -7, px2 = -7, py2 = -7;
        EXPECT_EQ(
            CircleIntersect(r.c.x1, r.c.y1, r.c.r1, r.c.x2, r.c.y2, r.c.r2, &px1, &py1, &px2, &py2),
            1);
        EXPECT_NEAR(px1, r.px1, 1e-3);
        EXPECT_NEAR(py1, r.py1, 1e-3);
        EXPECT_NEAR(px2, r.px2, 1e-3);
        EXPECT_NEAR(py2, r.py2, 1e-3);
    }
}

// Circles that do not meet leave the outputs exactly as they were.
TEST(CircleIntersect, CirclesApartOrInsideLeaveOutputsUntouched) {
    const Circles rows[] = {
        {0, 0, 1, 3, 0, 1}, // apart
        {0, 0, 3, 1, 0, 1}, // one inside the other
        {0, 0, 1, 0, 0, 2}, // concentric
        {5, 5, 1, 5, 5, 1}, // the same circle
    };
    for (const Circles& c : rows) {
        float px1 = 11, py1 = 12, px2 = 13, py2 = 14;
        EXPECT_EQ(CircleIntersect(c.x1, c.y1, c.r1, c.x2, c.y2, c.r2, &px1, &py1, &px2, &py2), 0);
        EXPECT_EQ(px1, 11);
        EXPECT_EQ(py1, 12);
        EXPECT_EQ(px2, 13);
        EXPECT_EQ(py2, 14);
    }
}

} // namespace
