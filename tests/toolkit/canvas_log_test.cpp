// The canvas's record kept to what still shows: cut only where a playback from the cut gives
// the picture back, and never where part of what came before still shows.
#include "toolkit/CanvasLog.h"
#include "toolkit/Exceptions.h"

#include <gtest/gtest.h>

#include <functional>
#include <vector>

using namespace tk;

namespace {

void Wipe(TCanvas& c, int x1, int y1, int x2, int y2) {
    c.Brush = TBrush{TBrushStyle::bsSolid, clWhite};
    c.Pen.Color = clWhite;
    c.Rectangle(x1, y1, x2, y2);
}

void Scribble(TCanvas& c) {
    c.Pen = TPen{clRed, 3, TPenStyle::psSolid};
    c.Brush.Style = TBrushStyle::bsClear;
    c.Ellipse(5, 5, 35, 25);
    c.MoveTo(0, 0);
    c.LineTo(39, 29);
}

TEST(CanvasLog, KeepsFromTheLastWipeThatLeavesNothingBefore) {
    struct Case {
        const char* what;
        std::function<void(TCanvas&)> draw;
        std::size_t first; // the call the record is kept from
    };
    const Case cases[] = {
        {"nothing wiped", [](TCanvas& c) { Scribble(c); }, 0},
        {"a wipe of everything, then more",
         [](TCanvas& c) {
             Scribble(c);
             Wipe(c, 0, 0, 40, 30);
             Scribble(c);
         },
         3},
        {"a wipe that leaves a corner of what came before",
         [](TCanvas& c) {
             Scribble(c);
             Wipe(c, 2, 2, 40, 30);
             c.Ellipse(10, 10, 20, 20);
         },
         0},
        {"two whole wipes: the later one",
         [](TCanvas& c) {
             Scribble(c);
             Wipe(c, 0, 0, 40, 30);
             Scribble(c);
             Wipe(c, -5, -5, 45, 35);
             Scribble(c);
         },
         7},
    };
    for (const Case& k : cases) {
        SCOPED_TRACE(k.what);
        TCanvas c(40, 30);
        std::vector<TCanvasCall> log;
        c.Log = &log;
        k.draw(c);
        EXPECT_EQ(FirstVisibleCall(c, log), k.first);
        const std::size_t before = log.size();
        DropHiddenCalls(c, 0);
        EXPECT_EQ(before - log.size(), k.first);
        EXPECT_TRUE(Reproduces(c, log));
    }
}

} // namespace

// A picture laid down whole from another canvas takes that canvas's calls as its record, so
// that what is drawn after it still plays back; a canvas of another size is refused.
TEST(CanvasLog, APictureCopiedInTakesItsRecord) {
    TCanvas source(40, 30);
    std::vector<TCanvasCall> sourceCalls;
    source.Log = &sourceCalls;
    Scribble(source);
    TCanvas c(40, 30);
    std::vector<TCanvasCall> log;
    c.Log = &log;
    Wipe(c, 0, 0, 40, 30);
    c.Ellipse(1, 1, 9, 9);
    c.CopyFrom(source, sourceCalls);
    EXPECT_EQ(log.size(), sourceCalls.size());
    c.Rectangle(20, 2, 30, 12);
    EXPECT_TRUE(Reproduces(c, log));
    TCanvas other(41, 30);
    EXPECT_THROW(other.CopyFrom(source, sourceCalls), Exception);
}
