// The move drawn over the load's construction, a step for each sentence MoveSteps tells: the
// ray to the new place with its label, the dashed new |Г| circle, and the new point.
#include "zline/LineMove.h"

#include "chart/Marks.h"
#include "chart/ReadingText.h"
#include "toolkit/Conversions.h"

namespace zline {

void DrawLineMove(tk::TCanvas& c, const TLineMove& m) {
    chart::TStepMarks marks(c);
    DrawLineMove(c, m, marks);
}

void DrawLineMove(tk::TCanvas& c, const TLineMove& m, chart::TStepMarks& marks) {
    marks.Begin();
    c.Pen.Color = tk::clGreen;
    chart::DrawRay(c, m.Ray);
    c.TextOut(m.Ray.X - 10, m.Ray.Y - 10, chart::ScaleReading(m.Position));
    marks.End();

    if (!m.Typed.KeepsRadius) {
        c.Brush.Style = tk::TBrushStyle::bsClear;
        c.Pen.Style = tk::TPenStyle::psDash;
        c.Pen.Width = 1;
        c.Ellipse(m.CircleFrom.X, m.CircleFrom.Y, m.CircleTo.X, m.CircleTo.Y);
        c.Pen.Style = tk::TPenStyle::psSolid;
        c.Pen.Width = 2;
    }
    marks.End();

    chart::DrawMarker(c, m.Point, tk::clLime);
    marks.End();
}

} // namespace zline
