// A program's icon as a few shapes on a 64 × 64 square, y growing downward: the picture
// the window binding draws for the window when the desktop's icon theme has none it can
// read. Angles are in degrees, counter-clockwise on screen from three o'clock.
//
//     constexpr tk::TIconShape kIcon[] = {
//         tk::IconDisc(32, 32, 24, tk::clWhite),
//         tk::IconRing(32, 32, 24, tk::clBlack, 2.5f),
//         tk::IconArc(32, 32, 28.5f, 180, -90, tk::clGreen, 3),   // the top-left quarter
//     };
#pragma once

#include "toolkit/Color.h"

#include <span>

namespace tk {

// No colour: a disc without an outline.
inline constexpr TColor kNoColor = 0xff000000u;

struct TIconShape {
    // Clip: what follows is drawn only inside the circle (X, Y, R), up to NoClip.
    enum class TKind { Disc, Ring, Arc, Line, Clip, NoClip };

    TKind Kind;
    float X, Y, R;  // a circle's centre and radius; a line's ends are (X, Y) and (EndX, EndY)
    float From = 0; // an arc's start angle, and its span
    float Span = 0;
    float EndX = 0, EndY = 0;
    TColor Pen = kNoColor;
    float Width = 0;
    TColor Fill = kNoColor;
    bool Dashed = false;
};

constexpr TIconShape IconDisc(float x, float y, float r, TColor fill, TColor pen = kNoColor,
                              float width = 0) {
    return {TIconShape::TKind::Disc, x, y, r, 0, 0, 0, 0, pen, width, fill};
}

constexpr TIconShape IconRing(float x, float y, float r, TColor pen, float width,
                              bool dashed = false) {
    return {TIconShape::TKind::Ring, x, y, r, 0, 0, 0, 0, pen, width, kNoColor, dashed};
}

constexpr TIconShape IconArc(float x, float y, float r, float from, float span, TColor pen,
                             float width) {
    return {TIconShape::TKind::Arc, x, y, r, from, span, 0, 0, pen, width};
}

constexpr TIconShape IconLine(float x1, float y1, float x2, float y2, TColor pen, float width) {
    return {TIconShape::TKind::Line, x1, y1, 0, 0, 0, x2, y2, pen, width};
}

constexpr TIconShape IconClip(float x, float y, float r) {
    return {TIconShape::TKind::Clip, x, y, r};
}

constexpr TIconShape IconNoClip() {
    return {TIconShape::TKind::NoClip, 0, 0, 0};
}

// An icon in layers drawn one over the other: a common picture, then a program's own part;
// a view of constant tables, as a program's identity holds them.
using TIconArt = std::span<const std::span<const TIconShape>>;

} // namespace tk
