#include "toolkit/FitLayout.h"

#include "toolkit/Link.h"

#include <algorithm>
#include <cmath>
#include <cstdint>

namespace tk {

namespace {

// The picture is never shrunk below half its size: the chart's labels would be specks.
constexpr double kSmallestScale = 0.5;

} // namespace

FitLayout::FitLayout(const TForm& form) {
    for (const auto& c : form.Controls()) {
        if (c->Parent) continue; // inside a group: it moves with the group
        if (!picture_ && c->Kind == TControlKind::Image) {
            picture_ = c.get();
            margin_ = c->Top;
        } else if (IsLink(*c)) {
            linkHeight_ = std::max(linkHeight_, c->Height);
        } else {
            columnBottom_ = std::max(columnBottom_, c->Top + c->Height);
        }
    }
}

TSize FitLayout::Minimum() const {
    int width = 0, height = columnBottom_ + (linkHeight_ ? margin_ + linkHeight_ : 0) + margin_;
    if (picture_) {
        width = picture_->Left + int(std::ceil(picture_->Width * kSmallestScale)) + margin_;
        height = std::max(height, picture_->Top +
                                      int(std::ceil(picture_->Height * kSmallestScale)) + margin_);
    }
    return {width, height};
}

TSize FitLayout::PictureSize(TSize client) const {
    if (!picture_) return {};
    // In whole numbers, so that a picture that fits one way exactly is not a pixel short.
    const int w = picture_->Width, h = picture_->Height;
    const int across = std::max(1, client.Width - picture_->Left - margin_);
    const int down = std::max(1, client.Height - picture_->Top - margin_);
    if (across >= w && down >= h) return {w, h};
    if (std::int64_t{across} * h <= std::int64_t{down} * w)
        return {across, std::max<int>(1, std::int64_t{across} * h / w)};
    return {std::max<int>(1, std::int64_t{down} * w / h), down};
}

TRect FitLayout::Place(const TControl& c, TSize client) const {
    TRect place{c.Left, c.Top, c.Width, c.Height};
    if (&c == picture_) {
        const TSize size = PictureSize(client);
        place.Width = size.Width;
        place.Height = size.Height;
    } else if (!c.Parent && IsLink(c)) {
        const int lowest = client.Height - margin_ - c.Height;
        place.Top = std::max(std::min(c.Top, lowest), columnBottom_ + margin_);
    }
    return place;
}

} // namespace tk
