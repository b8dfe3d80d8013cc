// The reference bitmap of the canvas target: painted by ReferenceCanvas.h, compared with
// the canvas.
#include "fuzz/CanvasComparison.h"

#include <algorithm>
#include <cstdio>
#include <cstring>

namespace zfuzz {

namespace {

using reference::TInk;

std::string Pixel(const tk::TCanvas& canvas, std::size_t i, std::uint32_t is, std::uint32_t want) {
    char text[96];
    std::snprintf(text, sizeof text, "pixel (%zu, %zu) is %06x, the reference has %06x",
                  i % std::size_t(canvas.Width()), i / std::size_t(canvas.Width()), is, want);
    return text;
}

} // namespace

TReferenceBitmap::TReferenceBitmap(const tk::TCanvas& canvas)
    : bits_(canvas.Bits(), canvas.Bits() + std::size_t(canvas.Width()) * canvas.Height()) {}

std::string TReferenceBitmap::Compare(const tk::TCanvas& canvas, const TShape& s, TArea a,
                                      std::size_t call) {
    if (a.Empty()) return "";
    const std::int64_t width = a.right - a.left + 1, height = a.bottom - a.top + 1;
    const std::int64_t rows = std::max<std::int64_t>(kBudget / width, 1);
    const std::int64_t stride = (height + rows - 1) / rows;
    const std::int64_t phase = std::int64_t(call) % stride;
    const std::uint32_t* bits = canvas.Bits();
    const auto ink = [&](TInk k, std::uint32_t under) {
        return k == TInk::Pen ? s.PenColor : k == TInk::Brush ? s.BrushColor : under;
    };
    std::string mismatch;
    for (std::int64_t y = a.top; y <= a.bottom; ++y) {
        if ((y - a.top) % stride != phase) {
            Sync(canvas, {a.left, y, a.right, y});
            continue;
        }
        const std::size_t row = std::size_t(y) * std::size_t(canvas.Width());
        for (std::int64_t x = a.left; x <= a.right; ++x) {
            const std::size_t i = row + std::size_t(x);
            std::uint32_t& want = bits_[i];
            switch (s.Kind) {
            case TShape::TKind::Ellipse: {
                const TInk k = reference::Ellipse(x, y, s.Box, s.Width, s.Brush);
                // A gap in a dashed outline shows what is under it.
                const std::uint32_t gap = ink(reference::Ellipse(x, y, s.Box, 0, s.Brush), want);
                want = s.Dashed && k == TInk::Pen && bits[i] == gap ? gap : ink(k, want);
                break;
            }
            case TShape::TKind::Rectangle:
                want = ink(reference::Rectangle(x, y, s.Box, s.Width, s.Dashed, s.Brush), want);
                break;
            case TShape::TKind::ThinLine:
                if (reference::ThinLine(x, y, s.Box, s.Dashed)) want = s.PenColor;
                break;
            case TShape::TKind::WideLine:
                if (reference::WideLine(x, y, s.Box, s.Width)) want = s.PenColor;
                break;
            }
            if (bits[i] != want && mismatch.empty()) mismatch = Pixel(canvas, i, bits[i], want);
        }
    }
    return mismatch;
}

void TReferenceBitmap::Sync(const tk::TCanvas& canvas, TArea a) {
    if (a.Empty()) return;
    for (std::int64_t y = a.top; y <= a.bottom; ++y) {
        const std::size_t row = std::size_t(y) * std::size_t(canvas.Width());
        std::copy(canvas.Bits() + row + a.left, canvas.Bits() + row + a.right + 1,
                  bits_.begin() + std::ptrdiff_t(row + a.left));
    }
}

std::string TReferenceBitmap::Finish(const tk::TCanvas& canvas) const {
    if (std::memcmp(bits_.data(), canvas.Bits(), bits_.size() * sizeof bits_[0]) == 0) return "";
    const auto [want, is] = std::mismatch(bits_.begin(), bits_.end(), canvas.Bits());
    if (want == bits_.end()) return "";
    return Pixel(canvas, std::size_t(want - bits_.begin()), *is, *want) +
           ": painted beyond every call's reach";
}

} // namespace zfuzz
