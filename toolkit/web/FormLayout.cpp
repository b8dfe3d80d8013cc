// Where a form's controls stand in the page: the main form as designed from 1024 CSS px on
// and stacked below that (StackedLayout.h); a window as designed where its width fits,
// as designed with its picture shrunk where the picture keeps half its size (FitLayout.h,
// as the desktops' windows do), and stacked where it does not.
//
// Example: the chain window, designed 1531 × 705, in 1356 × 728 stands as designed with its
// chart 632 × 539; in 326 it would be stacked, its chart across the top.
#include "toolkit/web/FormPage.h"

#include "toolkit/CaptionFit.h"
#include "toolkit/FitLayout.h"
#include "toolkit/StackedLayout.h"
#include "toolkit/web/JsonText.h"

#include <algorithm>
#include <string>
#include <vector>

namespace tkweb {

namespace {

// Below this width of the screen, in CSS pixels, the picture comes first and the column
// follows it (StackedLayout.h); from it on, the form stands as designed.
constexpr int kStackedBelow = 1024;

std::string Box(const tk::TRect& r) {
    return "[" + std::to_string(r.Left) + "," + std::to_string(r.Top) + "," +
           std::to_string(r.Width) + "," + std::to_string(r.Height) + "]";
}

} // namespace

bool FormPage::Stacked(int width) const {
    // The main form stands as designed from kStackedBelow on; a window beside it wherever
    // its own width fits.
    return width < (main_ ? kStackedBelow : form_.ClientWidth);
}

tk::TRect FormPage::BoxOf(const tk::TControl& c, int width, const tk::StackedLayout& layout) const {
    return Stacked(width) ? layout.Place(c, width) : tk::TRect{c.Left, c.Top, c.Width, c.Height};
}

bool FormPage::CaptionRunsUnder(int index, int textWidth, int width) const {
    const tk::TControl* caption = Control(index);
    if (!caption) return false;
    const tk::StackedLayout layout(form_);
    return tk::RunsUnderANeighbour(form_, *caption, textWidth,
                                   [&](const tk::TControl& c) { return BoxOf(c, width, layout); });
}

int FormPage::ColumnWidth() const {
    int right = 0;
    for (const auto& c : form_.Controls())
        if (!c->Parent && c->Kind != tk::TControlKind::Image)
            right = std::max(right, c->Left + c->Width);
    return right;
}

std::string FormPage::Layout(int width, int height, bool stack) const {
    bool stacked = stack || Stacked(width);
    // A window with a picture beside its column narrower than designed: as designed, the
    // picture shrunk, wherever the room keeps it half its size.
    const tk::FitLayout fit(form_);
    const tk::TSize least = fit.Minimum(), client{width, std::min(height, form_.ClientHeight)};
    const bool fitted = stacked && !stack && !main_ && !fit.PictureSize(client).Empty() &&
                        ColumnWidth() <= least.Width && width >= least.Width &&
                        height >= least.Height;
    if (fitted) stacked = false;
    const tk::StackedLayout layout(form_, main_ ? height : 0);
    std::vector<std::string> boxes;
    for (const auto& c : form_.Controls())
        boxes.push_back(Box(stacked  ? layout.Place(*c, width)
                            : fitted ? fit.Place(*c, client)
                                     : tk::TRect{c->Left, c->Top, c->Width, c->Height}));
    const tk::TSize extent = stacked  ? layout.Extent(width)
                             : fitted ? client
                                      : tk::TSize{form_.ClientWidth, form_.ClientHeight};
    JsonText o;
    o.Field("stacked", stacked);
    o.Field("width", extent.Width);
    o.Field("height", extent.Height);
    o.Raw("boxes", List(boxes.data(), boxes.data() + boxes.size()));
    return o.Close();
}

} // namespace tkweb
