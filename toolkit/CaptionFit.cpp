#include "toolkit/CaptionFit.h"

namespace tk {

namespace {

TRect Designed(const TControl& c) {
    return {c.Left, c.Top, c.Width, c.Height};
}

bool Overlap(const TRect& a, const TRect& b) {
    return a.Left < b.Left + b.Width && b.Left < a.Left + a.Width && a.Top < b.Top + b.Height &&
           b.Top < a.Top + a.Height;
}

} // namespace

bool RunsUnderANeighbour(const TForm& form, const TControl& caption, int width,
                         const TBoxOf& boxOf) {
    const TBoxOf box = boxOf ? boxOf : TBoxOf(Designed);
    const TRect own = box(caption);
    const TRect beyond{own.Left + own.Width, own.Top, width - own.Width, own.Height};
    if (beyond.Width <= 0 || beyond.Height <= 0) return false;
    for (const auto& other : form.Controls())
        if (other.get() != &caption && other->Parent == caption.Parent &&
            Overlap(beyond, box(*other)))
            return true;
    return false;
}

} // namespace tk
