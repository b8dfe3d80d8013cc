// An image's pixels as the page is sent them (FormPage::Picture): one canvas pixel to the
// pixel or scaled by area to the device's pixels, either way only the rows that changed.
#include "toolkit/web/FormPage.h"

#include <algorithm>
#include <cstdint>
#include <vector>

namespace tkweb {

namespace {

// 0x00RRGGBB as the page's ImageData holds a pixel, R, G, B and 255 in memory order: a
// 32-bit word whose lowest byte is R in WebAssembly, which is little-endian.
std::uint32_t RgbaOf(std::uint32_t p) {
    return ((p >> 16) & 0xFFu) | (p & 0xFF00u) | ((p & 0xFFu) << 16) | 0xFF000000u;
}

// A pinch's zoom asks for more device pixels the further it goes. Past three to a canvas
// pixel the picture gains nothing that the browser's own scaling does not give, and its
// backing store would grow past what a phone allows a canvas (16 M pixels in Safari): the
// designed chart pinched to 4 × on a 3 × phone would want 9684 × 8268.
constexpr double kMostDevicePerCanvas = 3;

// The device pixels to the CSS pixel the picture is made for: the screen's, but never more
// than kMostDevicePerCanvas to a canvas pixel.
double RatioShown(tk::TSize canvas, tk::TSize shown, double ratio) {
    const double most = kMostDevicePerCanvas * std::min(double(canvas.Width) / shown.Width,
                                                        double(canvas.Height) / shown.Height);
    return std::min(ratio, std::max(1.0, most));
}

const std::uint8_t* Bytes(const std::vector<std::uint32_t>& rgba) {
    return reinterpret_cast<const std::uint8_t*>(rgba.data());
}

// `count` pixels into the page's form, and whether any of them differs from what was there:
// one pass without a branch per pixel, so that the compiler takes several at a time.
bool IntoRgba(const std::uint32_t* pixels, std::size_t count, std::uint32_t* rgba) {
    std::uint32_t differ = 0;
    for (std::size_t i = 0; i < count; ++i) {
        const std::uint32_t v = RgbaOf(pixels[i]);
        differ |= v ^ rgba[i];
        rgba[i] = v;
    }
    return differ != 0;
}

// Canvas rows `Top` to `Bottom - 1`.
struct TRowSpan {
    int Top = 0, Bottom = 0;
};

// The rows of `picture` that differ from `before` (of the same size); none: Top >= Bottom.
TRowSpan ChangedRows(const tk::TCanvas& picture, const std::vector<std::uint32_t>& before) {
    const std::size_t width = std::size_t(picture.Width());
    TRowSpan span{picture.Height(), 0};
    for (int y = 0; y < picture.Height(); ++y) {
        const std::uint32_t* row = picture.Bits() + std::size_t(y) * width;
        if (std::equal(row, row + width, before.data() + std::size_t(y) * width)) continue;
        span.Top = std::min(span.Top, y);
        span.Bottom = y + 1;
    }
    return span;
}

} // namespace

FormPage::TImageState* FormPage::StateOf(int index) {
    for (TImageState& s : images_)
        if (s.Index == index) return &s;
    return nullptr;
}

tk::TReadingCross* FormPage::CrossOf(int index) {
    TImageState* state = StateOf(index);
    return state ? &state->Cross : nullptr;
}

FormPage::TShown FormPage::ShownAs(int index) const {
    for (const TImageState& s : images_)
        if (s.Index == index) return s.Shown;
    return {};
}

std::optional<FormPage::TPixels> FormPage::Picture(int index, tk::TSize shown, double ratio,
                                                   bool force) {
    TImageState* state = StateOf(index);
    if (!state) return std::nullopt;
    const tk::TCanvas& picture = Image(index)->Picture();
    const tk::TSize canvas{picture.Width(), picture.Height()};
    const std::size_t width = std::size_t(canvas.Width);
    const std::size_t count = width * std::size_t(canvas.Height);
    if (!(state->Shown.Css == shown && state->Shown.Ratio == ratio)) force = true;
    state->Shown = {shown, ratio};
    const tk::TSize css = shown.Empty() ? canvas : shown;
    state->Showing = tk::HowToShow(canvas, css, RatioShown(canvas, css, ratio));
    if (state->Showing.Way == tk::TPictureShowing::TWay::Blocks) {
        // What the page already shows is what Rgba holds: only the rows that change there
        // go to it, from the first to the last.
        if (state->Rgba.size() != count) force = true;
        state->Rgba.resize(count);
        int top = canvas.Height, bottom = 0;
        for (int y = 0; y < canvas.Height; ++y)
            if (IntoRgba(picture.Bits() + std::size_t(y) * width, width,
                         state->Rgba.data() + std::size_t(y) * width)) {
                top = std::min(top, y);
                bottom = y + 1;
            }
        if (force) {
            top = 0;
            bottom = canvas.Height;
        }
        if (top >= bottom) return std::nullopt;
        return TPixels{Bytes(state->Rgba), canvas, state->Showing.Block, top, bottom - top};
    }
    const tk::TSize device = state->Showing.Device;
    if (device.Empty()) return std::nullopt;
    // Scaled by area: each device pixel has several canvas pixels behind it. Only the device
    // rows behind canvas rows that changed are made again and sent.
    const std::size_t devicePixels = std::size_t(device.Width) * std::size_t(device.Height);
    if (state->From.size() != count || state->Rgba.size() != devicePixels) force = true;
    if (!state->Smooth || state->Smooth->Target() != device || state->Smooth->Source() != canvas) {
        state->Smooth.emplace(canvas, device);
        force = true;
    }
    const TRowSpan rows = force ? TRowSpan{0, canvas.Height} : ChangedRows(picture, state->From);
    if (rows.Top >= rows.Bottom) return std::nullopt;
    state->From.resize(count);
    std::copy(picture.Bits() + std::size_t(rows.Top) * width,
              picture.Bits() + std::size_t(rows.Bottom) * width,
              state->From.begin() + std::ptrdiff_t(std::size_t(rows.Top) * width));
    state->Rgba.resize(devicePixels);
    const auto [top, end] =
        force ? std::pair{0, device.Height} : state->Smooth->RowsTouching(rows.Top, rows.Bottom);
    if (top >= end) return std::nullopt;
    const std::size_t across = std::size_t(device.Width);
    std::vector<std::uint32_t> scaled(std::size_t(end - top) * across);
    state->Smooth->Forget();
    state->Smooth->Rows(tk::PixelRowsOf(picture), top,
                        {scaled.data(), {device.Width, end - top}, device.Width});
    IntoRgba(scaled.data(), scaled.size(), state->Rgba.data() + std::size_t(top) * across);
    return TPixels{Bytes(state->Rgba), device, 0, top, end - top};
}

} // namespace tkweb
