// An image's layer: shown through the picture's white and nowhere else, composed when the
// canvas changes under a handler or the layer is switched, never by reading the picture.
#include "toolkit/Application.h"
#include "toolkit/Overlay.h"

#include <gtest/gtest.h>

namespace {

using tk::RGB;

// One pixel of picture and layer in, one out: the ink by the part of it the layer's pixel
// is dark, and only where the picture is white.
TEST(Overlay, ShowsThroughWhiteOnly) {
    const tk::TColor ink = RGB(0, 150, 165);
    struct Row {
        tk::TColor picture, layer, shown;
    };
    const Row rows[] = {
        {tk::clWhite, tk::clBlack, ink},                       // ink where the layer is
        {tk::clWhite, tk::clWhite, tk::clWhite},               // nothing where it is not
        {tk::clWhite, RGB(128, 128, 128), RGB(128, 203, 210)}, // a glyph's edge: half way
        {tk::clWhite, RGB(200, 255, 55), RGB(55, 173, 184)},   // the darkest channel counts
        {tk::clRed, tk::clBlack, tk::clRed},                   // the picture's ink stays
        {RGB(254, 255, 255), tk::clBlack, RGB(254, 255, 255)}, // even a faint one
    };
    for (const Row& r : rows) {
        tk::TCanvas picture(1, 1), layer(1, 1), out(1, 1);
        picture.Bits()[0] = r.picture;
        layer.Bits()[0] = r.layer;
        tk::ComposeOverlay(picture, layer, ink, out);
        EXPECT_EQ(out.Pixel(0, 0), r.shown) << std::hex << r.picture << " " << r.layer;
    }
}

struct Host : tk::THost {
    void Show(tk::TForm&, tk::TApplication&) override {}
    void Run() override {}
    void ShowError(const std::string&) override {}
    void OpenURL(const std::string&) override {}
};

const tk::TControlDesc kImage[] = {{tk::TControlKind::Image, "Image1", nullptr, 0, 0, 4, 1, ""}};

struct Form : tk::TForm {
    Form() : tk::TForm({"Окно", 4, 1, kImage}) {}
    tk::TImage& image = *Get<tk::TImage>("Image1");
};

// The layer (a dot at x = 1) shows once switched on; a canvas drawn on in a handler shows
// in the picture after it, but the picture read before any handler has run is the one
// last composed; switched off, the picture is the canvas itself, and no layer calls go
// to the vector copies.
TEST(Overlay, ComposedAfterHandlersAndSwitches) {
    Host host;
    tk::TApplication app(host);
    Form* form = nullptr;
    app.CreateForm(form);
    tk::TImage& image = form->image;
    image.ShowOverlay(true);
    EXPECT_FALSE(image.OverlayShown()) << "nothing to show without a layer";
    image.Overlay = {[](tk::TCanvas& c) { c.Rectangle(1, 0, 2, 1); }, tk::clBlue};

    const auto row = [&] {
        std::string out;
        for (int x = 0; x < 4; ++x)
            out += image.Picture().Pixel(x, 0) == tk::clWhite  ? '.'
                   : image.Picture().Pixel(x, 0) == tk::clBlue ? 'b'
                                                               : 'k';
        return out;
    };
    app.Dispatch([&] { image.ShowOverlay(true); });
    EXPECT_EQ(row(), ".b..");
    EXPECT_EQ(image.OverlayCalls().calls.size(), 1u);
    EXPECT_EQ(image.OverlayCalls().ink, tk::clBlue);

    image.Canvas.Bits()[2] = tk::clBlack; // outside a handler: not composed yet
    EXPECT_EQ(row(), ".b..");
    app.Dispatch([&] { image.Canvas.Bits()[1] = tk::clBlack; });
    EXPECT_EQ(row(), ".kk.");

    app.Dispatch([&] { image.ShowOverlay(false); });
    EXPECT_EQ(&image.Picture(), &image.Canvas);
    EXPECT_TRUE(image.OverlayCalls().calls.empty());
    app.Dispatch([&] {
        image.Canvas.Bits()[1] = tk::clWhite;
        image.ShowOverlay(true);
    });
    EXPECT_EQ(row(), ".bk.");
}

} // namespace
