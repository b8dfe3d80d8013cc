// The reading cross: the keyboard's way of reading a picture, the same on every window
// system. With the focus the picture shows a cross over one canvas pixel; the arrows move it
// a pixel (ten with Shift), never off the canvas; Enter (either of them) takes its pixel; Esc
// puts the cross and its readout away, the focus staying, and the next arrow brings the
// cross back and moves it on from where it was.
//
// A binding feeds its keys in and does what the answer says (repaint, read, pick), and paints
// CrossPieces, in order, with its own means, over the picture and never into its canvas.
//
//     TReadingCross cross;
//     cross.FocusIn({400, 350}, {807, 689});      shown at (400, 350)
//     cross.Key(TCrossKey::Right, true, canvas)    Moved: (410, 350)
//     cross.Key(TCrossKey::Escape, false, canvas)  Hidden
//     cross.Key(TCrossKey::Up, false, canvas)      Moved: shown again at (410, 349)
#pragma once

#include "toolkit/Canvas.h"
#include "toolkit/Color.h"
#include "toolkit/Geometry.h"

#include <optional>
#include <vector>

namespace tk {

enum class TCrossKey { Left, Right, Up, Down, Enter, Escape };

// What a key did: Ignored (the binding hands the key on), Moved (the cross shows at At();
// repaint where it was and where it is, and read there), Picked (take At()), Hidden
// (repaint where it was, put the readout away).
enum class TCrossAnswer { Ignored, Moved, Picked, Hidden };

class TReadingCross {
  public:
    bool Shown() const { return shown_; }
    // The cross's pixel; kept while it is hidden.
    TPoint At() const { return at_; }

    // A pixel read by the pointer: the cross starts there when the focus comes next.
    void Read(TPoint pixel) { lastRead_ = pixel; }
    // The picture took the focus: the cross shows over the pixel read last, or over `start`
    // where none has been, kept on a canvas of `canvas`.
    void FocusIn(TPoint start, TSize canvas);
    // The focus went: the cross goes.
    void FocusOut() { shown_ = false; }

    TCrossAnswer Key(TCrossKey key, bool shift, TSize canvas);

  private:
    TPoint at_;
    std::optional<TPoint> lastRead_;
    bool shown_ = false;
};

// The cross's look, in units of the control that shows the picture (at `scale` of them to
// the designed pixel): four arms along the middle of the pixel's box, kCrossGap clear of it
// so the pixel itself stays in sight, kCrossArm long, in an orange the chart never draws
// with and dark enough to read on white, each on a white halo kCrossHalo wide that parts it
// from the chart's black lines.
constexpr int kCrossGap = 2;
constexpr int kCrossArm = 5;
constexpr int kCrossHalo = 1;
// RGB(224, 96, 0), as a number: windows.h's RGB macro, where it is defined first, would
// turn the call into Windows' byte order.
constexpr TColor kCrossColor = 0xE06000;
constexpr TColor kCrossHaloColor = clWhite;

struct TCrossPiece {
    TRect Box;
    TColor Color;
    bool operator==(const TCrossPiece&) const = default;
};

// What to fill, in this order, for the cross over the pixel shown at `pixel`: the four halos,
// then the four arms over them.
std::vector<TCrossPiece> CrossPieces(TRect pixel, double scale = 1);
// The box the cross covers: what to repaint when it comes or goes.
TRect CrossReach(TRect pixel, double scale = 1);

} // namespace tk
