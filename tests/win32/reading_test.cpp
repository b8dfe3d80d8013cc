// Reading the picture in the Win32 binding: the pointer's readout beside it at 100 %, 150 %
// and shrunk, a double-click taking the pixel, and the keyboard's reading cross reached
// with Tab, moved by the arrows, taken with Enter and put away with Esc, the readout's text
// the picture window's own for assistive technology. The image reads out the pixel it is
// given, so that every mapping shows.
#include "tests/win32/Win32Driver.h"

#include "toolkit/PointerReading.h"
#include "toolkit/ReadingCross.h"
#include "toolkit/win32/Dpi.h"
#include "zmatch/Unit1.h"

#include <gtest/gtest.h>

#include <string>
#include <vector>

namespace {

std::string Said(tk::TPoint p) {
    return "x " + std::to_string(p.X) + "\ny " + std::to_string(p.Y);
}

// Zmatch's window, the screen's pointer out of the way.
class ZmatchPicture : public ::testing::Test {
  protected:
    ZmatchPicture() {
        // The screen's own pointer, which Wine reports to a window appearing under it, to
        // the corner, away from the picture, and whatever it read put away.
        SetForegroundWindow(w.host.Window());
        SetCursorPos(0, 0);
        driver::Pump();
        SendMessageW(Picture(), WM_MOUSELEAVE, 0, 0);
    }

    HWND Picture() const { return w.Handle("Image1"); }
    HWND Readout() const {
        return FindWindowExW(w.host.Window(), nullptr, L"ZChartReadout", nullptr);
    }
    // The point of the picture window at the middle of the box that shows `pixel`.
    POINT Over(tk::TPoint pixel) const {
        RECT r;
        GetClientRect(Picture(), &r);
        const tk::TCanvas& canvas = w.form->Image1->Canvas;
        const tk::TRect box =
            tk::ShownBoxOf(pixel, {r.right, r.bottom}, {canvas.Width(), canvas.Height()});
        return {box.Left + box.Width / 2, box.Top + box.Height / 2};
    }
    // A key pressed in the focused window, through the dialog manager as the program's
    // message loop hands it over.
    void Key(WPARAM key, bool shift = false) {
        BYTE state[256] = {};
        GetKeyboardState(state);
        state[VK_SHIFT] = shift ? 0x80 : 0;
        SetKeyboardState(state);
        MSG message{GetFocus(), WM_KEYDOWN, key, 1, 0, {0, 0}};
        if (!w.Window().TranslateKeys(message)) {
            TranslateMessage(&message);
            DispatchMessageW(&message);
        }
        state[VK_SHIFT] = 0;
        SetKeyboardState(state);
    }
    // Whether the readout shows, inside the main window's client area and clear of the
    // picture's point `at`.
    void ExpectReadoutBeside(POINT at) const {
        ASSERT_TRUE(IsWindowVisible(Readout()));
        const RECT box = driver::PlaceOf(Readout());
        RECT area;
        GetClientRect(w.host.Window(), &area);
        MapWindowPoints(Picture(), w.host.Window(), &at, 1);
        EXPECT_GE(box.left, 0);
        EXPECT_GE(box.top, 0);
        EXPECT_LE(box.right, area.right);
        EXPECT_LE(box.bottom, area.bottom);
        EXPECT_FALSE(PtInRect(&box, at));
    }
    // Whether what waits to be repainted in the picture is the crosses' places at `from`
    // and `to`, and no more than them and the place the readout left, `readout`.
    testing::AssertionResult OnlyAround(const RECT& readout, tk::TPoint from, tk::TPoint to) const {
        constexpr int kReach = 12; // the cross's reach beyond its pixel, and some to spare
        HRGN waiting = CreateRectRgn(0, 0, 0, 0), allowed = CreateRectRgnIndirect(&readout);
        GetUpdateRgn(Picture(), waiting, FALSE);
        bool both = true;
        for (const tk::TPoint p : {from, to}) {
            const POINT at = Over(p);
            both = both && PtInRegion(waiting, at.x, at.y);
            HRGN cross = CreateRectRgn(at.x - kReach, at.y - kReach, at.x + kReach, at.y + kReach);
            CombineRgn(allowed, allowed, cross, RGN_OR);
            DeleteObject(cross);
        }
        const int beyond = CombineRgn(waiting, waiting, allowed, RGN_DIFF);
        RECT box;
        GetRgnBox(waiting, &box);
        DeleteObject(waiting);
        DeleteObject(allowed);
        if (!both) return testing::AssertionFailure() << "a cross's place is not repainted";
        if (beyond != NULLREGION)
            return testing::AssertionFailure()
                   << "repainted beyond the crosses: " << box.left << ", " << box.top << " to "
                   << box.right << ", " << box.bottom;
        return testing::AssertionSuccess();
    }
    // A window's place in the picture's client area.
    RECT InPicture(HWND hwnd) const {
        RECT r;
        GetWindowRect(hwnd, &r);
        MapWindowPoints(nullptr, Picture(), reinterpret_cast<POINT*>(&r), 2);
        return r;
    }
    // Whether the cross shows on screen over `pixel` as the toolkit describes it, every
    // pixel of it: the last piece over a pixel is the one seen.
    testing::AssertionResult CrossOver(tk::TPoint pixel) const {
        RECT r;
        GetClientRect(Picture(), &r);
        const tk::TCanvas& canvas = w.form->Image1->Canvas;
        const auto pieces = tk::CrossPieces(
            tk::ShownBoxOf(pixel, {r.right, r.bottom}, {canvas.Width(), canvas.Height()}),
            double(w.Window().Dpi()) / tkwin::kDesignDpi);
        const auto inside = [](const tk::TRect& b, int x, int y) {
            return x >= b.Left && x < b.Left + b.Width && y >= b.Top && y < b.Top + b.Height;
        };
        HDC dc = GetDC(Picture());
        testing::AssertionResult result = testing::AssertionSuccess();
        for (std::size_t k = 0; k < pieces.size() && result; ++k)
            for (int y = pieces[k].Box.Top; y < pieces[k].Box.Top + pieces[k].Box.Height; ++y)
                for (int x = pieces[k].Box.Left; x < pieces[k].Box.Left + pieces[k].Box.Width;
                     ++x) {
                    // What reaches past the picture's edge is not drawn (GetPixel: CLR_INVALID).
                    if (x < 0 || y < 0 || x >= r.right || y >= r.bottom) continue;
                    tk::TColor c = pieces[k].Color;
                    for (std::size_t later = k + 1; later < pieces.size(); ++later)
                        if (inside(pieces[later].Box, x, y)) c = pieces[later].Color;
                    const COLORREF seen = GetPixel(dc, x, y);
                    if (seen != RGB((c >> 16) & 0xff, (c >> 8) & 0xff, c & 0xff) && result)
                        result = testing::AssertionFailure()
                                 << "colour " << std::hex << seen << " at " << std::dec << x << ", "
                                 << y;
                }
        ReleaseDC(Picture(), dc);
        return result;
    }
    std::string Name() const { return tkwin::WindowText(Picture()); }

    driver::ProgramWindow<zmatch::TForm1> w{"zmatch"};
};

// The same with an image that reads out the pixel it is given, recording the pixels taken.
class Reading : public ZmatchPicture {
  protected:
    Reading() {
        tk::TImage& image = *w.form->Image1;
        image.OnReadout = Said;
        image.OnPick = [this](tk::TPoint p) { picked.push_back(p); };
    }

    std::vector<tk::TPoint> picked;
};

// The pointer over the pixel of z = 1 + j1 reads that pixel, with the readout beside it
// and no repaint of the picture; it goes when the pointer leaves; a double-click takes the
// pixel. At the designed size, in a window too small for it, and at 150 % on the test's
// 1366 x 768 screen (the window kept to the screen, the picture 854 x 729).
TEST_F(Reading, PointerReadsAndDoubleClickTakes) {
    HWND window = w.host.Window();
    const tk::TPoint pixel{460, 230};
    struct Row {
        const char* how;
        UINT dpi;
        SIZE client; // device pixels; none: as the window is
        bool shrunk;
    };
    for (const Row& r : {Row{"100 %", 96, {0, 0}, false}, Row{"shrunk", 96, {800, 600}, true},
                         Row{"150 % on the screen", 144, {1366, 768}, false}}) {
        SCOPED_TRACE(r.how);
        if (r.dpi != w.Window().Dpi()) {
            RECT suggested{0, 0, r.client.cx, r.client.cy};
            SendMessageW(window, WM_DPICHANGED, MAKEWPARAM(r.dpi, r.dpi),
                         reinterpret_cast<LPARAM>(&suggested));
        }
        if (r.client.cx) {
            ShowWindow(window, SW_RESTORE);
            const SIZE outer =
                tkwin::OuterSize(r.client, DWORD(GetWindowLongPtrW(window, GWL_STYLE)), 0, r.dpi);
            SetWindowPos(window, nullptr, 0, 0, outer.cx, outer.cy, SWP_NOZORDER);
        }
        driver::Pump();
        RECT shown;
        GetClientRect(Picture(), &shown);
        SCOPED_TRACE(std::to_string(shown.right) + " x " + std::to_string(shown.bottom));
        // Shrunk, a device pixel shows several canvas pixels and reads the first of them.
        const POINT at = Over(pixel);
        const tk::TCanvas& canvas = w.form->Image1->Canvas;
        const tk::TPoint read = tk::CanvasPixelAt(at.x, at.y, {shown.right, shown.bottom},
                                                  {canvas.Width(), canvas.Height()});
        if (!r.shrunk) {
            EXPECT_EQ(read, pixel);
        }
        SendMessageW(Picture(), WM_MOUSEMOVE, 0, MAKELPARAM(at.x, at.y));
        EXPECT_EQ(Name(), Said(read));
        ExpectReadoutBeside(at);
        EXPECT_FALSE(GetUpdateRect(Picture(), nullptr, FALSE)) << "a move repaints the picture";

        SendMessageW(Picture(), WM_LBUTTONDBLCLK, MK_LBUTTON, MAKELPARAM(at.x, at.y));
        ASSERT_EQ(picked.size(), 1u);
        EXPECT_EQ(picked.back(), read);
        picked.clear();

        SendMessageW(Picture(), WM_MOUSELEAVE, 0, 0);
        EXPECT_FALSE(IsWindowVisible(Readout()));
        EXPECT_EQ(Name(), "");
        driver::Pump();
    }
}

// Tab comes to the picture after every other control; the cross starts at the pixel read
// last, the arrows move it a pixel and with Shift ten, never off the canvas, repainting
// only its boxes before and after, the readout beside it; Enter takes its pixel, Esc puts
// cross and readout away and the next arrow brings them back and moves the cross, as on
// every binding; the cross looks as the toolkit describes it.
TEST_F(Reading, KeyboardCross) {
    const POINT start = Over({805, 1}); // the pixel read last: where the cross starts
    SendMessageW(Picture(), WM_MOUSEMOVE, 0, MAKELPARAM(start.x, start.y));
    SendMessageW(Picture(), WM_MOUSELEAVE, 0, 0);
    SetFocus(w.Handle("Edit1"));
    Key(VK_TAB, true); // Shift+Tab from the first stop: the last
    ASSERT_EQ(GetFocus(), Picture());
    driver::Pump();
    EXPECT_EQ(Name(), Said({805, 1}));
    ExpectReadoutBeside(Over({805, 1}));
    EXPECT_TRUE(CrossOver({805, 1}));

    struct Row {
        WPARAM key;
        bool shift;
        tk::TPoint to;
    };
    tk::TPoint from{805, 1};
    for (const Row& r : {Row{VK_RIGHT, true, {806, 1}}, Row{VK_UP, true, {806, 0}},
                         Row{VK_LEFT, false, {805, 0}}, Row{VK_DOWN, true, {805, 10}},
                         Row{VK_LEFT, true, {795, 10}}, Row{VK_DOWN, false, {795, 11}}}) {
        SCOPED_TRACE(Said(r.to));
        const RECT before = InPicture(Readout());
        Key(r.key, r.shift);
        EXPECT_EQ(Name(), Said(r.to));
        ExpectReadoutBeside(Over(r.to));
        EXPECT_TRUE(OnlyAround(before, from, r.to));
        driver::Pump();
        from = r.to;
    }

    EXPECT_TRUE(CrossOver({795, 11}));
    Key(VK_RETURN);
    EXPECT_EQ(picked, (std::vector<tk::TPoint>{{795, 11}}));
    Key(VK_ESCAPE);
    EXPECT_FALSE(IsWindowVisible(Readout()));
    EXPECT_EQ(Name(), "");
    EXPECT_EQ(GetFocus(), Picture());
    EXPECT_TRUE(IsWindowVisible(w.host.Window()));
    driver::Pump();
    EXPECT_FALSE(CrossOver({795, 11}));
    Key(VK_LEFT);
    EXPECT_EQ(Name(), Said({794, 11}));
    driver::Pump();
    EXPECT_TRUE(CrossOver({794, 11}));
}

// The program's own readout: with a load shown on a line of 50 Ом, the pointer over the
// pixel of z = 1 + j1 reads it and Z = 50 + j50 Ом; a double-click there writes 50 and 50
// into the load's fields and shows that point.
TEST_F(ZmatchPicture, ReadsAndTakesTheLoad) {
    driver::TypeOver(w.Handle("Edit1"), "100");
    driver::TypeOver(w.Handle("Edit2"), "50");
    driver::TypeOver(w.Handle("Edit3"), "50");
    driver::TypeOver(w.Handle("Edit4"), "0");
    driver::Press(w.Handle("Button1"));
    const POINT at = Over({460, 230});
    SendMessageW(Picture(), WM_MOUSEMOVE, 0, MAKELPARAM(at.x, at.y));
    EXPECT_EQ(Name().rfind("z = 1,00 + j1,00\nZ = 50 + j50 Ом\n", 0), 0u) << Name();
    ExpectReadoutBeside(at);

    SendMessageW(Picture(), WM_LBUTTONDBLCLK, MK_LBUTTON, MAKELPARAM(at.x, at.y));
    EXPECT_TRUE(w.host.Errors.empty());
    EXPECT_EQ(w.Text("Edit1"), "50");
    EXPECT_EQ(w.Text("Edit2"), "50");
    EXPECT_EQ(w.Text("Label3"), "Zнн=1,00+j1,00");
}

} // namespace
