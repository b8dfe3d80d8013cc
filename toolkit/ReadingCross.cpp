#include "toolkit/ReadingCross.h"

#include <algorithm>
#include <cmath>

namespace tk {

namespace {

TPoint Clamped(TPoint p, TSize canvas) {
    return {std::clamp(p.X, 0, std::max(0, canvas.Width - 1)),
            std::clamp(p.Y, 0, std::max(0, canvas.Height - 1))};
}

// A designed length at `scale`, never less than one unit.
int Scaled(int designed, double scale) {
    return std::max(1, int(std::floor(designed * scale + 1e-9)));
}

TRect Grown(TRect r, int by) {
    return {r.Left - by, r.Top - by, r.Width + 2 * by, r.Height + 2 * by};
}

} // namespace

void TReadingCross::FocusIn(TPoint start, TSize canvas) {
    at_ = Clamped(lastRead_.value_or(start), canvas);
    shown_ = true;
}

TCrossAnswer TReadingCross::Key(TCrossKey key, bool shift, TSize canvas) {
    const int step = shift ? 10 : 1;
    int dx = 0, dy = 0;
    switch (key) {
    case TCrossKey::Left:
        dx = -step;
        break;
    case TCrossKey::Right:
        dx = step;
        break;
    case TCrossKey::Up:
        dy = -step;
        break;
    case TCrossKey::Down:
        dy = step;
        break;
    case TCrossKey::Enter:
        return shown_ ? TCrossAnswer::Picked : TCrossAnswer::Ignored;
    case TCrossKey::Escape:
        if (!shown_) return TCrossAnswer::Ignored;
        shown_ = false;
        return TCrossAnswer::Hidden;
    }
    // After Esc, an arrow brings the cross back where it was, and moves it.
    at_ = Clamped({at_.X + dx, at_.Y + dy}, canvas);
    lastRead_ = at_;
    shown_ = true;
    return TCrossAnswer::Moved;
}

std::vector<TCrossPiece> CrossPieces(TRect box, double scale) {
    const int gap = Scaled(kCrossGap, scale), arm = Scaled(kCrossArm, scale);
    const int halo = Scaled(kCrossHalo, scale);
    const int right = box.Left + box.Width, bottom = box.Top + box.Height;
    const TRect arms[] = {
        {box.Left - gap - arm, box.Top, arm, box.Height},
        {right + gap, box.Top, arm, box.Height},
        {box.Left, box.Top - gap - arm, box.Width, arm},
        {box.Left, bottom + gap, box.Width, arm},
    };
    std::vector<TCrossPiece> pieces;
    for (const TRect& a : arms)
        pieces.push_back({Grown(a, halo), kCrossHaloColor});
    for (const TRect& a : arms)
        pieces.push_back({a, kCrossColor});
    return pieces;
}

TRect CrossReach(TRect box, double scale) {
    return Grown(box,
                 Scaled(kCrossGap, scale) + Scaled(kCrossArm, scale) + Scaled(kCrossHalo, scale));
}

} // namespace tk
