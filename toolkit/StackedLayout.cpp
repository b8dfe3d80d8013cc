#include "toolkit/StackedLayout.h"

#include <algorithm>
#include <cstdint>
#include <limits>

namespace tk {

StackedLayout::StackedLayout(const TForm& form, int tallest)
    : tallest_(tallest > 0 ? std::max(tallest, kLeastTallest) : 0) {
    columnLeft_ = columnTop_ = std::numeric_limits<int>::max();
    for (const auto& c : form.Controls()) {
        if (c->Parent) continue; // inside a group: it moves with the group
        if (!picture_ && c->Kind == TControlKind::Image) {
            picture_ = c.get();
            continue;
        }
        columnLeft_ = std::min(columnLeft_, c->Left);
        columnTop_ = std::min(columnTop_, c->Top);
        columnRight_ = std::max(columnRight_, c->Left + c->Width);
        columnBottom_ = std::max(columnBottom_, c->Top + c->Height);
    }
    if (columnRight_ == 0) columnLeft_ = columnTop_ = 0; // the picture alone
}

TSize StackedLayout::PictureSize(int width) const {
    if (!picture_) return {};
    int w = std::clamp(width, 1, picture_->Width);
    if (tallest_ && std::int64_t{w} * picture_->Height > std::int64_t{tallest_} * picture_->Width)
        w = std::max<int>(1, int(std::int64_t{tallest_} * picture_->Width / picture_->Height));
    return {w, std::max<int>(1, int(std::int64_t{w} * picture_->Height / picture_->Width))};
}

TRect StackedLayout::Place(const TControl& c, int width) const {
    if (c.Parent) return {c.Left, c.Top, c.Width, c.Height};
    const TSize picture = PictureSize(width);
    if (&c == picture_)
        return {std::max(0, (width - picture.Width) / 2), 0, picture.Width, picture.Height};
    // The column keeps its margins: below the picture by the room it had above it.
    return {c.Left, c.Top + picture.Height, c.Width, c.Height};
}

TSize StackedLayout::Extent(int width) const {
    const TSize picture = PictureSize(width);
    const int bottom = columnRight_ ? picture.Height + columnBottom_ + columnTop_ : picture.Height;
    const int pictureRight = picture.Width + std::max(0, (width - picture.Width) / 2);
    return {std::max(pictureRight, columnRight_ + columnLeft_), bottom};
}

} // namespace tk
