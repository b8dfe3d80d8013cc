#include "toolkit/Overlay.h"

#include "toolkit/Controls.h"

#include <algorithm>
#include <cstring>

namespace tk {

namespace {

// The part of a layer pixel that is ink, 0 (white) to 255 (black), by its darkest channel.
unsigned InkOf(std::uint32_t layer) {
    return 255 - std::min({(layer >> 16) & 0xFF, (layer >> 8) & 0xFF, layer & 0xFF});
}

// White moved toward `ink` by `part` of 255, each channel rounded to nearest.
std::uint32_t Tinted(TColor ink, unsigned part) {
    std::uint32_t out = 0;
    for (const int shift : {16, 8, 0}) {
        const unsigned toward = 255 - ((ink >> shift) & 0xFF);
        out |= (255 - (toward * part + 127) / 255) << shift;
    }
    return out;
}

} // namespace

void ComposeOverlay(const TCanvas& picture, const TCanvas& layer, TColor ink, TCanvas& out) {
    const std::size_t n = std::size_t(picture.Width()) * std::size_t(picture.Height());
    const std::uint32_t* p = picture.Bits();
    const std::uint32_t* l = layer.Bits();
    std::uint32_t* o = out.Bits();
    for (std::size_t i = 0; i < n; ++i) {
        const unsigned part = p[i] == clWhite ? InkOf(l[i]) : 0;
        o[i] = part ? Tinted(ink, part) : p[i];
    }
}

void TImage::ShowOverlay(bool shown) {
    if (!shown || !Overlay.Draw) {
        composed_.reset();
        composedFrom_.clear();
        return;
    }
    if (composed_) return;
    if (!layer_) {
        auto layer = std::make_unique<TCanvas>(Canvas.Width(), Canvas.Height());
        std::vector<TCanvasCall> calls;
        layer->Log = &calls;
        Overlay.Draw(*layer);
        layer->Log = nullptr;
        layer_ = std::move(layer);
        layerCalls_ = std::move(calls);
    }
    composed_ = std::make_unique<TCanvas>(Canvas.Width(), Canvas.Height());
    Compose();
}

void TImage::Compose() {
    if (!composed_) return;
    const TCanvas& shown = Shown();
    const std::size_t n = std::size_t(shown.Width()) * std::size_t(shown.Height());
    if (composedFrom_.size() == n &&
        std::memcmp(composedFrom_.data(), shown.Bits(), n * sizeof(std::uint32_t)) == 0)
        return;
    composedFrom_.assign(shown.Bits(), shown.Bits() + n);
    ComposeOverlay(shown, *layer_, Overlay.Ink, *composed_);
}

void TImage::ShowInstead(TCanvas picture) {
    if (picture.Width() != Canvas.Width() || picture.Height() != Canvas.Height())
        throw std::logic_error("a picture shown instead of the canvas must be its size");
    picture.Log = nullptr;
    instead_ = std::make_unique<TCanvas>(std::move(picture));
    Compose();
}

void TImage::ShowOwn() {
    instead_.reset();
    Compose();
}

TOverlayCalls TImage::OverlayCalls() const {
    if (!composed_) return {};
    return {layerCalls_, Overlay.Ink};
}

} // namespace tk
