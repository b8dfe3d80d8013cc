#include "toolkit/qt/FitLayout.h"

#include <algorithm>
#include <cmath>
#include <cstdint>

namespace tkqt {

namespace {

// The picture is never shrunk below half its size: the chart's labels would be specks.
constexpr double kSmallestScale = 0.5;

bool IsLink(const tk::TControl& c) {
    return c.Cursor == tk::TCursor::crHandPoint;
}

} // namespace

FitLayout::FitLayout(const tk::TForm& form) {
    for (const auto& c : form.Controls()) {
        if (c->Parent) continue; // inside a group: it moves with the group
        if (!picture_ && c->Kind == tk::TControlKind::Image) {
            picture_ = c.get();
            margin_ = c->Top;
        } else if (IsLink(*c)) {
            linkHeight_ = std::max(linkHeight_, c->Height);
        } else {
            columnBottom_ = std::max(columnBottom_, c->Top + c->Height);
        }
    }
}

QSize FitLayout::Minimum() const {
    int width = 0, height = columnBottom_ + (linkHeight_ ? margin_ + linkHeight_ : 0) + margin_;
    if (picture_) {
        width = picture_->Left + int(std::ceil(picture_->Width * kSmallestScale)) + margin_;
        height = std::max(height, picture_->Top +
                                      int(std::ceil(picture_->Height * kSmallestScale)) + margin_);
    }
    return QSize(width, height);
}

QSize FitLayout::PictureSize(QSize client) const {
    if (!picture_) return {};
    // In whole numbers, so that a picture that fits one way exactly is not a pixel short.
    const int w = picture_->Width, h = picture_->Height;
    const int across = std::max(1, client.width() - picture_->Left - margin_);
    const int down = std::max(1, client.height() - picture_->Top - margin_);
    if (across >= w && down >= h) return QSize(w, h);
    if (std::int64_t{across} * h <= std::int64_t{down} * w)
        return QSize(across, std::max<int>(1, std::int64_t{across} * h / w));
    return QSize(std::max<int>(1, std::int64_t{down} * w / h), down);
}

QRect FitLayout::Place(const tk::TControl& c, QSize client) const {
    QRect place(c.Left, c.Top, c.Width, c.Height);
    if (&c == picture_) {
        place.setSize(PictureSize(client));
    } else if (!c.Parent && IsLink(c)) {
        const int lowest = client.height() - margin_ - c.Height;
        place.moveTop(std::max(std::min(c.Top, lowest), columnBottom_ + margin_));
    }
    return place;
}

} // namespace tkqt
