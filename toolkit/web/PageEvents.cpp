// What the user does in the page, handed in by its script (toolkit/web/page/): each function
// is given the host the page was given at its start, finds the form by the id the page was
// given, and runs what it does through the host's application object, so that a handler
// that fails ends in the error box. Texts come and go as UTF-8; a text returned is the
// host's, valid until the next call.
#include "toolkit/PointerReading.h"
#include "toolkit/ReadingCross.h"
#include "toolkit/web/WebHost.h"

#include <emscripten.h>

#include <cstdio>
#include <exception>
#include <string>

namespace {

using tkweb::FormPage;
using tkweb::WebHost;

// What web_cross is told besides the cross's keys (tk::TCrossKey, 0 to 5).
constexpr int kCrossFocusIn = 6, kCrossFocusOut = 7;
// web_pixel_at's answer: x * kPixelPacking + y.
constexpr int kPixelPacking = 65536;

FormPage* PageOf(WebHost* host, int form) {
    return host ? host->Page(form) : nullptr;
}

// The form and its control, when both are still there.
template <class T> T* ControlOf(WebHost* host, int form, int index) {
    FormPage* page = PageOf(host, form);
    return page ? dynamic_cast<T*>(page->Control(index)) : nullptr;
}

tk::TApplication* App(WebHost* host) {
    return host ? host->Application() : nullptr;
}

std::string Readout(tk::TImage& image, tk::TPoint pixel) {
    // Reading changes nothing, so it runs outside the handlers; a readout that fails has
    // nothing to say there.
    try {
        return image.OnReadout ? image.OnReadout(pixel) : std::string();
    } catch (const std::exception&) {
        return {};
    }
}

// The cross as the page draws it: whether it shows, its pixel, and the pieces to fill over
// the picture shown `shown` CSS pixels, in order, each [left, top, width, height, colour].
std::string CrossJson(const char* answer, const tk::TReadingCross& cross, tk::TSize shown,
                      tk::TSize canvas) {
    std::string pieces;
    if (cross.Shown())
        for (const tk::TCrossPiece& p :
             tk::CrossPieces(tk::ShownBoxOf(cross.At(), shown, canvas))) {
            char colour[8];
            std::snprintf(colour, sizeof colour, "#%06x", unsigned(p.Color));
            pieces += std::string(pieces.empty() ? "" : ",") + "[" + std::to_string(p.Box.Left) +
                      "," + std::to_string(p.Box.Top) + "," + std::to_string(p.Box.Width) + "," +
                      std::to_string(p.Box.Height) + ",\"" + colour + "\"]";
        }
    return std::string("{\"answer\":\"") + answer +
           "\",\"shown\":" + (cross.Shown() ? "true" : "false") + ",\"at\":[" +
           std::to_string(cross.At().X) + "," + std::to_string(cross.At().Y) + "],\"pieces\":[" +
           pieces + "]}";
}

const char* AnswerName(tk::TCrossAnswer answer) {
    switch (answer) {
    case tk::TCrossAnswer::Moved:
        return "moved";
    case tk::TCrossAnswer::Picked:
        return "picked";
    case tk::TCrossAnswer::Hidden:
        return "hidden";
    case tk::TCrossAnswer::Ignored:
        break;
    }
    return "ignored";
}

tk::TPoint PixelAt(tk::TImage& image, double x, double y, int width, int height) {
    const tk::TCanvas& picture = image.Picture();
    return tk::CanvasPixelAt(x, y, {width, height}, {picture.Width(), picture.Height()});
}

} // namespace

extern "C" {

EMSCRIPTEN_KEEPALIVE void web_click(WebHost* host, int form, int index) {
    auto* control = ControlOf<tk::TControl>(host, form, index);
    if (control && App(host)) App(host)->Click(*control);
}

EMSCRIPTEN_KEEPALIVE void web_text(WebHost* host, int form, int index, const char* text) {
    auto* edit = ControlOf<tk::TEdit>(host, form, index);
    if (edit && App(host)) App(host)->Dispatch([&] { edit->Text = text; });
}

// A check box ticked or cleared, a radio button chosen: its state first, then its click.
EMSCRIPTEN_KEEPALIVE void web_check(WebHost* host, int form, int index, int checked) {
    tk::TApplication* app = App(host);
    if (!app) return;
    if (auto* radio = ControlOf<tk::TRadioButton>(host, form, index)) {
        app->Dispatch([&] { radio->SetChecked(checked != 0); });
        app->Click(*radio);
    } else if (auto* check = ControlOf<tk::TCheckBox>(host, form, index)) {
        app->Dispatch([&] { check->Checked = checked != 0; });
        app->Click(*check);
    }
}

// A row of a list chosen with the pointer (-1: none), a slider moved by the pointer.
EMSCRIPTEN_KEEPALIVE void web_select(WebHost* host, int form, int index, int row) {
    auto* list = ControlOf<tk::TRowList>(host, form, index);
    if (list && App(host)) App(host)->Select(*list, row);
}

EMSCRIPTEN_KEEPALIVE void web_slide(WebHost* host, int form, int index, int position) {
    auto* slider = ControlOf<tk::TSliderValue>(host, form, index);
    if (slider && App(host)) App(host)->Slide(*slider, position);
}

// A key on a list: 0 up, 1 down, 2 PageUp, 3 PageDown, 4 Home, 5 End, a page being `page`
// rows; on a slider: 0 left, 1 right, 2 up, 3 down, 4 PageUp, 5 PageDown, 6 Home, 7 End.
EMSCRIPTEN_KEEPALIVE void web_list_key(WebHost* host, int form, int index, int key, int page) {
    auto* list = ControlOf<tk::TRowList>(host, form, index);
    if (list && App(host) && key >= 0 && key <= 5)
        App(host)->Key(*list, static_cast<tk::TListKey>(key), page);
}

EMSCRIPTEN_KEEPALIVE void web_slider_key(WebHost* host, int form, int index, int key) {
    auto* slider = ControlOf<tk::TSliderValue>(host, form, index);
    if (slider && App(host) && key >= 0 && key <= 7)
        App(host)->Key(*slider, static_cast<tk::TSliderKey>(key));
}

EMSCRIPTEN_KEEPALIVE void web_action(WebHost* host, int form, int action, int pdf) {
    if (host) host->RunAction(form, action, pdf != 0);
}

EMSCRIPTEN_KEEPALIVE void web_answer(WebHost* host, int given, const char* text) {
    if (host) host->Answer(given ? std::optional<std::string>(text) : std::nullopt);
}

EMSCRIPTEN_KEEPALIVE void web_dropped(WebHost* host, int form, const char* path) {
    if (host) host->Dropped(form, path);
}

EMSCRIPTEN_KEEPALIVE void web_closed(WebHost* host, int form) {
    if (host) host->Closed(form);
}

// 0 left, 1 up, 2 right, 3 down.
EMSCRIPTEN_KEEPALIVE void web_arrow(WebHost* host, int form, int key) {
    FormPage* page = PageOf(host, form);
    if (page && App(host) && key >= 0 && key <= 3)
        App(host)->ArrowKey(page->Form(), static_cast<tk::TArrowKey>(key));
}

EMSCRIPTEN_KEEPALIVE const char* web_layout(WebHost* host, int form, int width, int height,
                                            int stack) {
    FormPage* page = PageOf(host, form);
    return page ? host->Returned(page->Layout(width, height, stack != 0)) : "null";
}

// Whether a label's caption, `textWidth` CSS pixels wide as the page sets it, runs under a
// neighbour in the form's layout for a screen `width` wide: 1 or 0.
EMSCRIPTEN_KEEPALIVE int web_caption_runs_under(WebHost* host, int form, int index, int textWidth,
                                                int width) {
    FormPage* page = PageOf(host, form);
    return page && page->CaptionRunsUnder(index, textWidth, width) ? 1 : 0;
}

EMSCRIPTEN_KEEPALIVE void web_reshown(WebHost* host, int form, int image, int width, int height,
                                      double ratio) {
    if (host) host->Reshown(form, image, {width, height}, ratio);
}

// The canvas pixel under a point of the shown picture (CSS pixels from its corner, the
// picture shown `width` × `height`), as x * kPixelPacking + y; -1 for none.
EMSCRIPTEN_KEEPALIVE int web_pixel_at(WebHost* host, int form, int index, double x, double y,
                                      int width, int height) {
    auto* image = ControlOf<tk::TImage>(host, form, index);
    if (!image) return -1;
    const tk::TPoint p = PixelAt(*image, x, y, width, height);
    return p.X * kPixelPacking + p.Y;
}

EMSCRIPTEN_KEEPALIVE const char* web_readout(WebHost* host, int form, int index, int x, int y) {
    FormPage* page = PageOf(host, form);
    auto* image = ControlOf<tk::TImage>(host, form, index);
    if (!image) return "";
    if (tk::TReadingCross* cross = page->CrossOf(index)) cross->Read({x, y});
    return host->Returned(Readout(*image, {x, y}));
}

EMSCRIPTEN_KEEPALIVE void web_pick(WebHost* host, int form, int index, int x, int y) {
    auto* image = ControlOf<tk::TImage>(host, form, index);
    if (image && App(host)) App(host)->Pick(*image, {x, y});
}

// The wheel over row `row` of a list (-1: below the rows) or over pixel (x, y) of a picture,
// `notches` whole notches (up positive), `coarse` with Ctrl or Shift held: 1 when the
// control takes the wheel (the page then keeps it from scrolling), 0 when it does not.
EMSCRIPTEN_KEEPALIVE int web_list_wheel(WebHost* host, int form, int index, int row, int notches,
                                        int coarse) {
    auto* list = ControlOf<tk::TRowList>(host, form, index);
    if (!list || !list->OnWheel || !App(host)) return 0;
    App(host)->Wheel(*list, row, {notches, coarse != 0});
    return 1;
}

EMSCRIPTEN_KEEPALIVE int web_image_wheel(WebHost* host, int form, int index, int x, int y,
                                         int notches, int coarse) {
    auto* image = ControlOf<tk::TImage>(host, form, index);
    if (!image || !image->OnWheel || !App(host)) return 0;
    App(host)->Wheel(*image, {x, y}, {notches, coarse != 0});
    return 1;
}

// A drag on a picture (tk::TImage::OnPress): web_press answers 1 when the picture takes it,
// and only then does the page send the moves and the release.
EMSCRIPTEN_KEEPALIVE int web_press(WebHost* host, int form, int index, int x, int y) {
    auto* image = ControlOf<tk::TImage>(host, form, index);
    return image && App(host) && App(host)->Press(*image, {x, y}) ? 1 : 0;
}

EMSCRIPTEN_KEEPALIVE void web_drag(WebHost* host, int form, int index, int x, int y) {
    auto* image = ControlOf<tk::TImage>(host, form, index);
    if (image && App(host)) App(host)->Drag(*image, {x, y});
}

EMSCRIPTEN_KEEPALIVE void web_release(WebHost* host, int form, int index, int x, int y) {
    auto* image = ControlOf<tk::TImage>(host, form, index);
    if (image && App(host)) App(host)->Release(*image, {x, y});
}

// The reading cross of the picture shown `width` × `height` CSS pixels: `key` is 0 left,
// 1 right, 2 up, 3 down, 4 Enter, 5 Esc (`shift` held or not); kCrossFocusIn the picture
// took the focus, kCrossFocusOut it lost it. A pick runs before the answer is written.
// JSON: CrossJson's.
EMSCRIPTEN_KEEPALIVE const char* web_cross(WebHost* host, int form, int index, int key, int shift,
                                           int width, int height) {
    FormPage* page = PageOf(host, form);
    tk::TImage* image = page ? page->Image(index) : nullptr;
    tk::TReadingCross* cross = page ? page->CrossOf(index) : nullptr;
    if (!image || !cross || key < 0 || key > kCrossFocusOut) return "null";
    const tk::TSize canvas{image->Picture().Width(), image->Picture().Height()};
    const char* answer = "shown";
    if (key == kCrossFocusIn) {
        cross->FocusIn(image->ReadingStart, canvas);
    } else if (key == kCrossFocusOut) {
        cross->FocusOut();
        answer = "hidden";
    } else {
        const tk::TCrossAnswer done =
            cross->Key(static_cast<tk::TCrossKey>(key), shift != 0, canvas);
        answer = AnswerName(done);
        if (done == tk::TCrossAnswer::Picked && App(host)) {
            App(host)->Pick(*image, cross->At());
            // The handler may have changed the page: the cross as it stands after it.
            page = host->Page(form);
            cross = page ? page->CrossOf(index) : nullptr;
            if (!cross) return "null";
        }
    }
    return host->Returned(CrossJson(answer, *cross, {width, height}, canvas));
}

// Where canvas pixel (x, y) is shown in the picture shown `width` × `height`: [left, top,
// width, height], JSON.
EMSCRIPTEN_KEEPALIVE const char* web_shown_box(WebHost* host, int form, int index, int x, int y,
                                               int width, int height) {
    auto* image = ControlOf<tk::TImage>(host, form, index);
    if (!image) return "null";
    const tk::TCanvas& picture = image->Picture();
    const tk::TRect box =
        tk::ShownBoxOf({x, y}, {width, height}, {picture.Width(), picture.Height()});
    return host->Returned("[" + std::to_string(box.Left) + "," + std::to_string(box.Top) + "," +
                          std::to_string(box.Width) + "," + std::to_string(box.Height) + "]");
}

// Where a readout box `boxWidth` × `boxHeight` goes beside point (x, y) of an area the
// screen's size: [left, top], JSON.
EMSCRIPTEN_KEEPALIVE const char* web_place_readout(WebHost* host, int x, int y, int boxWidth,
                                                   int boxHeight, int areaWidth, int areaHeight) {
    if (!host) return "null";
    const tk::TPoint p =
        tk::PlaceReadout({x, y}, {boxWidth, boxHeight}, {0, 0, areaWidth, areaHeight});
    return host->Returned("[" + std::to_string(p.X) + "," + std::to_string(p.Y) + "]");
}

} // extern "C"
