// Both programs' windows through the Win32 binding, used as their users use them: every
// control a native one at its designed place, Tab in the designed order, «Показать точку»
// writing Label3 and drawing, a bad field answered by the error box with nothing changed,
// the picture's menu and keys, «Нагрузка из файла…», the tooltips, the link.
#include "tests/win32/Win32Driver.h"

#include "chart/AdmittanceGrid.h"
#include "chart/AuthorPage.h"
#include "chart/ChainForm.h"
#include "chart/ExercisesForm.h"
#include "chart/Frame.h"
#include "chart/ResultsText.h"
#include "theory/ChainPath.h"
#include "toolkit/FitLayout.h"
#include "toolkit/PointerReading.h"
#include "toolkit/win32/Clipboard.h"
#include "toolkit/win32/Dpi.h"
#include "zline/Unit1.h"
#include "zmatch/BandForm.h"
#include "zmatch/ChooseForm.h"
#include "zmatch/MethodsForm.h"

#include "chart/StepsForm.h"
#include "zmatch/Unit1.h"

#include <commctrl.h>

#include <array>

#include <gtest/gtest.h>

#include <algorithm>
#include <cstdlib>
#include <cstring>
#include <fstream>

namespace {

using K = tk::TControlKind;
using Strings = std::vector<std::string>;

template <class TF> struct Program;
template <> struct Program<zmatch::TForm1> {
    static constexpr const char* kName = "zmatch";
    static const tk::TFormDesc& Design() { return zmatch::kForm1Desc; }
    // After the chart's: the band of the last match, the other methods, the choice of them,
    // the exercises.
    static constexpr std::array<const char*, 4> kOwnRows = {"Полоса согласования…\tCtrl+B",
                                                            "Другие способы согласования…\tCtrl+M",
                                                            "Подбор согласования…\tF3",
                                                            "Задания…\tF4"};
    static constexpr std::array<WORD, 4> kOwnKeys = {'B', 'M', VK_F3, VK_F4};
};
template <> struct Program<zline::TForm1> {
    static constexpr const char* kName = "zline";
    static const tk::TFormDesc& Design() { return zline::kForm1Desc; }
    static constexpr std::array<const char*, 1> kOwnRows = {"Задания…\tF4"};
    static constexpr std::array<WORD, 1> kOwnKeys = {VK_F4};
};

template <class TF> class Window : public ::testing::Test {
  protected:
    HWND H(const char* name) const { return w.Handle(name); }
    std::string Text(const char* name) const { return w.Text(name); }

    // The load 100 + j50 on a line of 50 typed in, then «Показать точку».
    void ShowLoad(const char* rn = "100") {
        driver::TypeOver(H("Edit1"), rn);
        driver::TypeOver(H("Edit2"), "50");
        driver::TypeOver(H("Edit3"), "50");
        driver::TypeOver(H("Edit4"), "0");
        driver::Press(H("Button1"));
    }

    std::vector<std::uint32_t> Canvas() const {
        const tk::TCanvas& c = w.form->Image1->Canvas;
        return {c.Bits(), c.Bits() + std::size_t(c.Width()) * std::size_t(c.Height())};
    }

    driver::ProgramWindow<TF> w{Program<TF>::kName};
};

using Programs = ::testing::Types<zmatch::TForm1, zline::TForm1>;
TYPED_TEST_SUITE(Window, Programs);

// The class and style each kind of control is realised with.
bool IsRealisedAs(HWND hwnd, K kind) {
    const std::string cls = driver::ClassOf(hwnd);
    const LONG_PTR type = GetWindowLongPtrW(hwnd, GWL_STYLE) & BS_TYPEMASK;
    switch (kind) {
    case K::Image:
        return cls == "ZChartPicture";
    case K::Label:
        return cls == "Static";
    case K::Edit:
        return cls == "Edit";
    case K::Button:
        return cls == "Button" && type == BS_PUSHBUTTON;
    case K::GroupBox:
        return cls == "Button" && type == BS_GROUPBOX;
    case K::RadioButton:
        return cls == "Button" && type == BS_AUTORADIOBUTTON;
    case K::CheckBox:
        return cls == "Button" && type == BS_AUTOCHECKBOX;
    case K::RowList:
        return cls == "SysListView32";
    case K::SliderValue:
        return cls == "msctls_trackbar32";
    }
    return false;
}

// The face a control's text is set in, as the system found it, and its height in pixels.
std::string FaceOf(HWND hwnd) {
    HDC dc = GetDC(hwnd);
    HGDIOBJ old = SelectObject(dc, reinterpret_cast<HFONT>(SendMessageW(hwnd, WM_GETFONT, 0, 0)));
    wchar_t face[LF_FACESIZE] = {};
    GetTextFaceW(dc, LF_FACESIZE, face);
    TEXTMETRICW metrics{};
    GetTextMetricsW(dc, &metrics);
    SelectObject(dc, old);
    ReleaseDC(hwnd, dc);
    return tkwin::ToUtf8(face) + " " + std::to_string(metrics.tmHeight - metrics.tmInternalLeading);
}

// Every control of the design, and nothing else, is a native window of its kind in the
// main window, at its designed place (a group's controls over their group box), saying
// what it was designed to say and checked as designed; labels size themselves to their
// text, so only their place counts. The title is the design's, the face the canvas's
// Tahoma at 8 pt (11 pixels to the em at 96 dpi), whatever fonts the machine has.
TYPED_TEST(Window, ShowsEveryControlAsDesigned) {
    const tk::TFormDesc& design = Program<TypeParam>::Design();
    auto& w = this->w;
    ASSERT_EQ(w.Window().Dpi(), 96u) << "the tests lay out at 100 %";
    EXPECT_EQ(tkwin::WindowText(w.host.Window()), design.Caption);
    EXPECT_EQ(w.form->Controls().size(), design.Controls.size());
    for (const tk::TControlDesc& d : design.Controls) {
        SCOPED_TRACE(d.Name);
        HWND hwnd = w.Handle(d.Name);
        ASSERT_NE(hwnd, nullptr);
        EXPECT_TRUE(IsRealisedAs(hwnd, d.Kind)) << driver::ClassOf(hwnd);
        EXPECT_EQ(GetParent(hwnd), w.host.Window());
        int left = d.Left, top = d.Top;
        if (d.Parent) {
            const tk::TControl* parent = w.form->FindControl(d.Parent);
            left += parent->Left;
            top += parent->Top;
        }
        const RECT place = driver::PlaceOf(hwnd);
        EXPECT_EQ(place.left, left);
        EXPECT_EQ(place.top, top);
        if (d.Kind != K::Label) {
            EXPECT_EQ(place.right - place.left, d.Width);
            EXPECT_EQ(place.bottom - place.top, d.Height);
        }
        if (d.Kind != K::Image) {
            EXPECT_EQ(tkwin::WindowText(hwnd), d.Caption);
        }
        if (d.Kind == K::RadioButton || d.Kind == K::CheckBox) {
            EXPECT_EQ(SendMessageW(hwnd, BM_GETCHECK, 0, 0) == BST_CHECKED, d.Checked);
        }
        if (d.Kind != K::Image) {
            EXPECT_EQ(FaceOf(hwnd), "Tahoma 11");
        }
    }
}

// A label sizes itself to its text, which may be wider than the box it was designed in:
// what runs beyond that box must not run under a neighbouring control, which would hide it
// («+j» of «Zн= … +j» under the field of the reactance).
TYPED_TEST(Window, CaptionsClearOfNeighbours) {
    const tk::TFormDesc& design = Program<TypeParam>::Design();
    for (const tk::TControlDesc& d : design.Controls) {
        if (d.Kind != K::Label) continue;
        const RECT label = driver::PlaceOf(this->w.Handle(d.Name));
        const RECT beyond{d.Left + d.Width, label.top, label.right, label.bottom};
        if (beyond.right <= beyond.left) continue;
        for (const tk::TControlDesc& other : design.Controls) {
            if (&other == &d || other.Parent != d.Parent) continue;
            const RECT box{other.Left, other.Top, other.Left + other.Width,
                           other.Top + other.Height};
            RECT both;
            EXPECT_FALSE(IntersectRect(&both, &beyond, &box))
                << d.Name << " «" << d.Caption << "» is " << label.right - label.left
                << " px for a box of " << d.Width << " and runs under " << other.Name;
        }
    }
}

// A typed load and «Показать точку»: Label3 tells the normalised load, the picture shows
// what the handlers drew on the canvas, and the result's hint is its tooltip, word for
// word, on as many lines as it has.
TYPED_TEST(Window, ShowLoadWritesLabel3AndDraws) {
    auto& w = this->w;
    const auto before = this->Canvas();
    this->ShowLoad();
    EXPECT_TRUE(w.host.Errors.empty());
    EXPECT_EQ(this->Text("Label3"), "Zнн=2,00+j1,00");
    EXPECT_EQ(this->Text("Label3"), w.form->Label3->Caption);
    EXPECT_NE(this->Canvas(), before);
    ASSERT_FALSE(w.form->Label3->Hint.empty());
    EXPECT_EQ(w.Window().Tips().Text(this->H("Label3")), w.form->Label3->Hint);
    EXPECT_EQ(SendMessageW(w.Window().Tips().Handle(), TTM_GETMAXTIPWIDTH, 0, 0),
              GetSystemMetrics(SM_CXSCREEN));
}

// A load field that is not a number: the error box tells which text, and nothing changes,
// neither the labels nor the picture nor what the fields hold; the next press works.
TYPED_TEST(Window, BadFieldShowsErrorAndChangesNothing) {
    auto& w = this->w;
    const auto before = this->Canvas();
    const std::string label3 = this->Text("Label3");
    this->ShowLoad("abc");
    ASSERT_EQ(w.host.Errors.size(), 1u);
    EXPECT_NE(w.host.Errors[0].find("abc"), std::string::npos) << w.host.Errors[0];
    EXPECT_EQ(this->Text("Label3"), label3);
    EXPECT_EQ(this->Canvas(), before);
    EXPECT_EQ(this->Text("Edit1"), "abc");
    EXPECT_TRUE(IsWindowVisible(w.host.Window()));

    this->ShowLoad("100");
    EXPECT_EQ(this->Text("Label3"), "Zнн=2,00+j1,00");
    EXPECT_EQ(w.host.Errors.size(), 1u);
}

// The picture's menu has the form's actions in its rows with their keys, and the keys work
// anywhere in the window; copying puts the canvas on the clipboard pixel for pixel and the
// results as text; Ctrl+C in a field copies the field's selection instead.
TYPED_TEST(Window, MenuActionsCopyPictureAndText) {
    auto& w = this->w;
    tkwin::PictureActions& actions = w.Window().Actions();
    Strings rows{"Копировать рисунок\tCtrl+C",
                 "Сохранить рисунок…\tCtrl+S",
                 "Печать…\tCtrl+P",
                 "Копировать результаты",
                 "Сетка проводимостей\tCtrl+G",
                 "Нагрузка из файла…\tCtrl+O",
                 "Построение по шагам\tF1",
                 "Цепь…\tF2"};
    std::vector<int> commands = {0, 1, 2, 4, 5, 6, 7}; // the text copy has no key
    std::vector<WORD> keyOf = {'C', 'S', 'P', 'G', 'O', VK_F1, VK_F2};
    for (std::size_t i = 0; i < Program<TypeParam>::kOwnRows.size(); ++i) {
        rows.push_back(Program<TypeParam>::kOwnRows[i]);
        commands.push_back(int(8 + i));
        keyOf.push_back(Program<TypeParam>::kOwnKeys[i]);
    }
    EXPECT_EQ(actions.Rows(), rows);
    ACCEL keys[16];
    const int keyed = int(commands.size());
    ASSERT_EQ(CopyAcceleratorTableW(actions.Keys(), keys, 16), keyed);
    for (int i = 0; i < keyed; ++i) {
        const bool function = keyOf[i] == VK_F1 || keyOf[i] == VK_F2 || keyOf[i] == VK_F3 ||
                              keyOf[i] == VK_F4;
        EXPECT_EQ(keys[i].fVirt, function ? FVIRTKEY : FCONTROL | FVIRTKEY);
        EXPECT_EQ(keys[i].key, keyOf[i]);
        EXPECT_EQ(keys[i].cmd, tkwin::kFirstActionCommand + commands[i]);
    }

    this->ShowLoad();
    SetFocus(w.host.Window());
    actions.Run(tkwin::kFirstActionCommand, true); // Ctrl+C
    ASSERT_TRUE(OpenClipboard(w.host.Window()));
    HANDLE dib = GetClipboardData(CF_DIB);
    ASSERT_NE(dib, nullptr);
    const auto* header = static_cast<const BITMAPINFOHEADER*>(GlobalLock(dib));
    const tk::TCanvas& canvas = w.form->Image1->Canvas;
    EXPECT_EQ(header->biWidth, canvas.Width());
    EXPECT_EQ(header->biHeight, canvas.Height()); // bottom-up
    EXPECT_EQ(header->biBitCount, 32);
    const auto* bits = reinterpret_cast<const std::uint32_t*>(header + 1);
    int differing = 0;
    for (int y = 0; y < canvas.Height(); ++y)
        differing += std::memcmp(bits + std::size_t(canvas.Height() - 1 - y) * canvas.Width(),
                                 canvas.Bits() + std::size_t(y) * canvas.Width(),
                                 std::size_t(canvas.Width()) * 4) != 0;
    EXPECT_EQ(differing, 0) << "rows";
    GlobalUnlock(dib);
    CloseClipboard();

    auto clipboardText = [&] {
        EXPECT_TRUE(OpenClipboard(w.host.Window()));
        HANDLE text = GetClipboardData(CF_UNICODETEXT);
        std::string out = text ? tkwin::ToUtf8(static_cast<const wchar_t*>(GlobalLock(text))) : "";
        if (text) GlobalUnlock(text);
        CloseClipboard();
        return out;
    };
    actions.Run(tkwin::kFirstActionCommand + 3, false);
    std::string expected;
    for (char c : chart::ResultsText(*w.form)) {
        if (c == '\n') expected += '\r';
        expected += c;
    }
    EXPECT_EQ(clipboardText(), expected);

    SetFocus(this->H("Edit1"));
    SendMessageW(this->H("Edit1"), EM_SETSEL, 0, -1);
    actions.Run(tkwin::kFirstActionCommand, true);
    EXPECT_EQ(clipboardText(), "100");
    EXPECT_TRUE(w.host.Errors.empty());
}

// The admittance grid's row, from the menu and from Ctrl+G (the accelerator's command to the
// window): ticked while the grid shows, the picture repainted at each toggle, and the
// copied picture the canvas with the grid in its ink through its white; toggled off, the
// canvas alone again.
TYPED_TEST(Window, GridRowTogglesTheAdmittanceGrid) {
    auto& w = this->w;
    tkwin::PictureActions& actions = w.Window().Actions();
    const WORD grid = tkwin::kFirstActionCommand + 4;
    const tk::TCanvas& canvas = w.form->Image1->Canvas;
    const auto copied = [&] {
        SetFocus(w.host.Window());
        actions.Run(tkwin::kFirstActionCommand, true); // Ctrl+C
        std::vector<std::uint32_t> out(std::size_t(canvas.Width()) * canvas.Height());
        EXPECT_TRUE(OpenClipboard(w.host.Window()));
        if (HANDLE dib = GetClipboardData(CF_DIB)) {
            const auto* bits = reinterpret_cast<const std::uint32_t*>(
                static_cast<const BITMAPINFOHEADER*>(GlobalLock(dib)) + 1);
            for (int y = 0; y < canvas.Height(); ++y) // bottom-up
                std::memcpy(out.data() + std::size_t(y) * canvas.Width(),
                            bits + std::size_t(canvas.Height() - 1 - y) * canvas.Width(),
                            std::size_t(canvas.Width()) * 4);
            GlobalUnlock(dib);
        }
        CloseClipboard();
        return out;
    };
    this->ShowLoad();
    for (const bool fromKeys : {false, true}) {
        SCOPED_TRACE(fromKeys ? "Ctrl+G" : "menu");
        const auto toggle = [&] {
            driver::Pump();
            if (fromKeys)
                SendMessageW(w.host.Window(), WM_COMMAND, MAKEWPARAM(grid, 1), 0);
            else
                actions.Run(grid, false);
            EXPECT_TRUE(GetUpdateRect(this->H("Image1"), nullptr, FALSE)) << "not repainted";
        };
        EXPECT_FALSE(actions.Checked(grid));
        toggle();
        EXPECT_TRUE(actions.Checked(grid));
        const std::vector<std::uint32_t> shown = copied(), bare = this->Canvas();
        int inked = 0;
        for (std::size_t i = 0; i < shown.size(); ++i)
            if ((shown[i] & 0xFFFFFF) != bare[i]) {
                ASSERT_EQ(bare[i], tk::clWhite) << i;
                inked += (shown[i] & 0xFFFFFF) == chart::AdmittanceGridInk;
            }
        EXPECT_GT(inked, 10000);

        toggle();
        EXPECT_FALSE(actions.Checked(grid));
        const std::vector<std::uint32_t> off = copied();
        for (std::size_t i = 0; i < off.size(); ++i)
            ASSERT_EQ(off[i] & 0xFFFFFF, bare[i]) << i;
    }
    EXPECT_TRUE(w.host.Errors.empty());
}

// The link is blue on the window's face with a hand cursor, a click away from the author's
// page, its whole address in its tooltip.
TYPED_TEST(Window, LinkOpensAuthorPage) {
    auto& w = this->w;
    HWND link = this->H("Label13");
    HDC dc = GetDC(link);
    SendMessageW(w.host.Window(), WM_CTLCOLORSTATIC, reinterpret_cast<WPARAM>(dc),
                 reinterpret_cast<LPARAM>(link));
    EXPECT_EQ(GetTextColor(dc), RGB(0, 0, 255));
    ReleaseDC(link, dc);
    EXPECT_TRUE(SendMessageW(w.host.Window(), WM_SETCURSOR, reinterpret_cast<WPARAM>(link),
                             MAKELPARAM(HTCLIENT, WM_MOUSEMOVE)));
    EXPECT_EQ(GetCursor(), LoadCursorW(nullptr, IDC_HAND));

    EXPECT_EQ(w.Window().Tips().Text(this->H("Label13")), chart::kAuthorPage);
    const RECT place = driver::PlaceOf(this->H("Label13"));
    EXPECT_LE(place.right, w.form->Label13->Left + w.form->Label13->Width);
    driver::Press(this->H("Label13"));
    EXPECT_EQ(w.host.Urls, Strings{chart::kAuthorPage});
    EXPECT_TRUE(w.host.Errors.empty());
}

// «Нагрузка из файла…» from Ctrl+O (the accelerator's command to the window) asks for the
// file; a file that does not read goes to the error box, the field as it was; a point chosen
// shows in the fields, its origin in their tooltips.
TYPED_TEST(Window, LoadFromFileRowAsksAndWrites) {
    auto& w = this->w;
    const WORD row = tkwin::kFirstActionCommand + 5;
    SendMessageW(w.host.Window(), WM_COMMAND, MAKEWPARAM(row, 1), 0);
    EXPECT_EQ(w.host.Script.Asked, Strings{"Нагрузка из файла"});

    wchar_t folder[MAX_PATH] = {};
    GetTempPathW(MAX_PATH, folder);
    const std::string one = tkwin::ToUtf8(folder) + "zchart_one.s1p";
    std::ofstream(one) << "# GHz S RI R 50\n1 0.2 0.4\n"; // 50+j50 Ом
    const std::string typed = this->Text("Edit1");
    w.host.Script.Answers = {tkwin::ToUtf8(folder) + "zchart_missing.s1p"};
    w.Window().Actions().Run(row, false);
    EXPECT_EQ(w.host.Errors.size(), 1u);
    EXPECT_EQ(this->Text("Edit1"), typed);

    w.host.Script.Answers = {one, "1 ГГц: 50,0 + j50,0 Ом"};
    w.Window().Actions().Run(row, false);
    EXPECT_EQ(w.host.Errors.size(), 1u);
    EXPECT_EQ(this->Text("Edit1"), "50");
    EXPECT_EQ(this->Text("Edit2"), "50");
    EXPECT_EQ(w.Window().Tips().Text(this->H("Edit2")),
              "Zн из файла «zchart_one.s1p» на 1 ГГц: 50,0 + j50,0 Ом");
}

// In a client area smaller than designed, the whole chart stays in the window, shrunk with
// its aspect kept, every other control but the link where it was designed, and the link
// in the window, clear of the rest; the window cannot be made smaller than the fitting's
// minimum where the screen has room for it, and scrolls where it has not.
TYPED_TEST(Window, FitsSmallClientAreas) {
    auto& w = this->w;
    HWND window = w.host.Window();
    ShowWindow(window, SW_RESTORE);
    const DWORD style = DWORD(GetWindowLongPtrW(window, GWL_STYLE));
    for (const SIZE client : {SIZE{1280, 671}, SIZE{1016, 600}, SIZE{800, 600}}) {
        SCOPED_TRACE(std::to_string(client.cx) + " x " + std::to_string(client.cy));
        const SIZE outer = tkwin::OuterSize(client, style, 0, 96);
        SetWindowPos(window, nullptr, 0, 0, outer.cx, outer.cy, SWP_NOZORDER | SWP_NOACTIVATE);
        driver::Pump();
        RECT area;
        GetClientRect(window, &area);
        ASSERT_EQ(area.right, client.cx);
        ASSERT_EQ(area.bottom, client.cy);
        const tk::TImage& image = *w.form->Image1;
        const RECT picture = driver::PlaceOf(this->H("Image1"));
        const int width = picture.right - picture.left, height = picture.bottom - picture.top;
        EXPECT_EQ(picture.left, image.Left);
        EXPECT_EQ(picture.top, image.Top);
        EXPECT_LE(picture.right, client.cx);
        EXPECT_LE(picture.bottom, client.cy);
        EXPECT_LT(width, image.Width);
        EXPECT_LE(std::abs(width * image.Height - height * image.Width), image.Width);
        const RECT link = driver::PlaceOf(this->H("Label13"));
        EXPECT_LE(link.bottom, client.cy);
        for (const auto& c : w.form->Controls()) {
            if (c.get() == &image || c->Parent || c->Name == "Label13") continue;
            const RECT place = driver::PlaceOf(this->H(c->Name.c_str()));
            EXPECT_EQ(place.left, c->Left) << c->Name;
            EXPECT_EQ(place.top, c->Top) << c->Name;
            RECT both;
            EXPECT_FALSE(IntersectRect(&both, &place, &link)) << c->Name;
        }
    }
    // Lower than the minimum, as on a screen too small for it (the size set past the
    // window's own limits), the window scrolls: at its end the link is in the window.
    const tk::TSize minimum = tk::FitLayout(*w.form).Minimum();
    const SIZE low = tkwin::OuterSize({800, minimum.Height - 100}, style, 0, 96);
    SetWindowPos(window, nullptr, 0, 0, low.cx, low.cy,
                 SWP_NOZORDER | SWP_NOACTIVATE | SWP_NOSENDCHANGING);
    SendMessageW(window, WM_VSCROLL, SB_BOTTOM, 0);
    driver::Pump();
    SCROLLINFO bar{sizeof bar, SIF_ALL, 0, 0, 0, 0, 0};
    ASSERT_TRUE(GetScrollInfo(window, SB_VERT, &bar));
    EXPECT_EQ(bar.nMax + 1, minimum.Height);
    EXPECT_EQ(bar.nPos, 100);
    RECT area;
    GetClientRect(window, &area);
    const RECT link = driver::PlaceOf(this->H("Label13"));
    EXPECT_GE(link.top, 0);
    EXPECT_LE(link.bottom, area.bottom);
    EXPECT_EQ(driver::PlaceOf(this->H("Edit1")).top, w.form->Edit1->Top - 100);

    MINMAXINFO limits{};
    SendMessageW(window, WM_GETMINMAXINFO, 0, reinterpret_cast<LPARAM>(&limits));
    const SIZE outer = tkwin::OuterSize({minimum.Width, minimum.Height}, style, 0, 96);
    EXPECT_EQ(limits.ptMinTrackSize.x, outer.cx);
    EXPECT_EQ(limits.ptMinTrackSize.y, outer.cy);
}

// What Tab visits from `start`, as the dialog keys move the focus.
Strings TabWalk(const driver::ProgramWindow<zmatch::TForm1>& w, const char* start, int count) {
    HWND at = w.Handle(start);
    auto name = [&](HWND hwnd) {
        for (const auto& c : w.form->Controls())
            if (w.host.HandleOf(*c) == hwnd) return c->Name;
        return std::string("(none)");
    };
    Strings visited{name(at)};
    for (int i = 0; i < count; ++i) {
        at = GetNextDlgTabItem(w.host.Window(), at, FALSE);
        visited.push_back(name(at));
    }
    return visited;
}

// Tab runs through the designed order, enters the stub-type group once at its checked
// button, then reaches the picture, and comes round to the first field; the focus starts
// there.
TEST(ZmatchWindow, TabFollowsDesignedOrder) {
    driver::ProgramWindow<zmatch::TForm1> w("zmatch");
    EXPECT_EQ(w.Window().FirstTabStop(), w.Handle("Edit1"));
    EXPECT_EQ(TabWalk(w, "Edit1", 9),
              (Strings{"Edit1", "Edit2", "Edit3", "Edit4", "Button1", "Edit6", "Button2",
                       "RadioButton1", "Image1", "Edit1"}));
    driver::Press(w.Handle("RadioButton2"));
    EXPECT_TRUE(w.form->RadioButton2->Checked());
    EXPECT_FALSE(w.form->RadioButton1->Checked());
    EXPECT_EQ(SendMessageW(w.Handle("RadioButton1"), BM_GETCHECK, 0, 0), BST_UNCHECKED);
    EXPECT_EQ(TabWalk(w, "Button2", 3), (Strings{"Button2", "RadioButton2", "Image1", "Edit1"}))
        << "after the user picks the open stub";
}

// «Полоса согласования…» says to match first; after «Согласовать», Ctrl+B (the
// accelerator's command) opens the band window, owned by the main one, showing what its
// form drew; the model chosen with the mouse redraws it; the window closed is forgotten and
// the program goes on.
TEST(ZmatchWindow, BandRowOpensTheBandWindow) {
    driver::ProgramWindow<zmatch::TForm1> w("zmatch");
    const auto band = [&] {
        SendMessageW(w.host.Window(), WM_COMMAND, MAKEWPARAM(tkwin::kFirstActionCommand + 8, 1), 0);
        driver::Pump();
    };
    band();
    EXPECT_EQ(w.host.Errors, Strings{zmatch::kNoMatchForBandMessage});
    driver::TypeOver(w.Handle("Edit1"), "100");
    driver::TypeOver(w.Handle("Edit2"), "50");
    driver::TypeOver(w.Handle("Edit3"), "50");
    driver::Press(w.Handle("Button1"));
    driver::Press(w.Handle("Button2"));
    band();
    ASSERT_EQ(w.app.Windows().size(), 1u);
    auto* form = dynamic_cast<zmatch::TBandForm*>(w.app.Windows()[0]);
    ASSERT_NE(form, nullptr);
    tkwin::FormWindow* window = w.host.WindowOf(*form);
    ASSERT_NE(window, nullptr);
    EXPECT_TRUE(IsWindowVisible(window->Handle()));
    EXPECT_EQ(GetWindow(window->Handle(), GW_OWNER), w.host.Window());
    EXPECT_EQ(tkwin::WindowText(window->Handle()), "Полоса согласования");
    EXPECT_FALSE(IsWindowVisible(w.host.HandleOf(*form->MeasuredModelButton)));
    EXPECT_TRUE(IsWindowVisible(w.host.HandleOf(*form->ConstantModelButton)));
    const tk::TCanvas& plot = form->Picture->Canvas;
    const std::vector<std::uint32_t> series(plot.Bits(),
                                            plot.Bits() + plot.Width() * plot.Height());
    driver::Press(w.host.HandleOf(*form->ConstantModelButton));
    EXPECT_TRUE(form->ConstantModelButton->Checked());
    EXPECT_FALSE(std::equal(series.begin(), series.end(), plot.Bits()));

    SendMessageW(window->Handle(), WM_CLOSE, 0, 0);
    driver::Pump();
    EXPECT_TRUE(w.app.Windows().empty());
    EXPECT_TRUE(IsWindowVisible(w.host.Window()));
    EXPECT_EQ(w.host.Errors.size(), 1u);
}

// The methods row opens the methods window, owned by the main one; «Решить» there solves the
// main window's load and writes its results into its own static controls.
TEST(ZmatchWindow, MethodsRowOpensTheMethodsWindow) {
    driver::ProgramWindow<zmatch::TForm1> w("zmatch");
    driver::TypeOver(w.Handle("Edit1"), "100");
    driver::TypeOver(w.Handle("Edit2"), "50");
    driver::TypeOver(w.Handle("Edit3"), "50");
    SendMessageW(w.host.Window(), WM_COMMAND, MAKEWPARAM(tkwin::kFirstActionCommand + 9, 1), 0);
    driver::Pump();
    ASSERT_EQ(w.app.Windows().size(), 1u);
    auto* form = dynamic_cast<zmatch::TMethodsForm*>(w.app.Windows()[0]);
    ASSERT_NE(form, nullptr);
    tkwin::FormWindow* window = w.host.WindowOf(*form);
    ASSERT_NE(window, nullptr);
    EXPECT_EQ(GetWindow(window->Handle(), GW_OWNER), w.host.Window());
    EXPECT_EQ(tkwin::WindowText(window->Handle()), "Другие способы согласования");
    driver::Press(w.host.HandleOf(*form->SolveButton));
    EXPECT_TRUE(w.host.Errors.empty());
    EXPECT_EQ(form->SolutionLabels[0]->Caption.rfind("1. d = ", 0), 0u);
    EXPECT_EQ(tkwin::WindowText(w.host.HandleOf(*form->SolutionLabels[0])),
              form->SolutionLabels[0]->Caption);
    SendMessageW(window->Handle(), WM_CLOSE, 0, 0);
    driver::Pump();
    EXPECT_TRUE(w.app.Windows().empty());
}

// The chain row opens the chain window on the main window's load; «Добавить» puts a series
// L of Zв on it, and the slider's keys tune it, its static input label following.
TEST(ZmatchWindow, ChainRowOpensTheChainWindowAndItsSliderTunes) {
    driver::ProgramWindow<zmatch::TForm1> w("zmatch");
    driver::TypeOver(w.Handle("Edit1"), "100");
    driver::TypeOver(w.Handle("Edit2"), "50");
    driver::TypeOver(w.Handle("Edit3"), "50");
    SendMessageW(w.host.Window(), WM_COMMAND, MAKEWPARAM(tkwin::kFirstActionCommand + 7, 1), 0);
    driver::Pump();
    ASSERT_EQ(w.app.Windows().size(), 1u);
    auto* form = dynamic_cast<chart::TChainForm*>(w.app.Windows()[0]);
    ASSERT_NE(form, nullptr);
    tkwin::FormWindow* window = w.host.WindowOf(*form);
    ASSERT_NE(window, nullptr);
    EXPECT_EQ(tkwin::WindowText(window->Handle()), "Цепь");
    driver::Press(w.host.HandleOf(*form->AddButton));
    const HWND input = w.host.HandleOf(*form->InputLabel);
    EXPECT_EQ(tkwin::WindowText(input),
              "Вход: Z = 100,00+j100,00 Ом, КСВ = 4,266, обратные потери 4,15 дБ");
    const HWND track = w.host.HandleOf(*form->ValueSlider);
    for (const WPARAM key : {VK_RIGHT, VK_PRIOR, VK_LEFT}) {
        const std::string before = tkwin::WindowText(input);
        SendMessageW(track, WM_KEYDOWN, key, 0);
        SendMessageW(track, WM_KEYUP, key, 0);
        driver::Pump();
        EXPECT_NE(tkwin::WindowText(input), before) << key;
        EXPECT_EQ(tkwin::WindowText(input), form->InputLabel->Caption) << key;
    }
    EXPECT_TRUE(w.host.Errors.empty());
    SendMessageW(window->Handle(), WM_CLOSE, 0, 0);
    driver::Pump();
    EXPECT_TRUE(w.app.Windows().empty());
}

// The choice row (F3) opens «Подбор согласования…»; «Подобрать» runs its search a slice a
// timer message, to its end, the note on screen; Esc there is the key that stops a search.
TEST(ZmatchWindow, ChooseRowOpensTheWindowAndItsSearchRunsOnTimers) {
    driver::ProgramWindow<zmatch::TForm1> w("zmatch");
    driver::TypeOver(w.Handle("Edit1"), "100");
    driver::TypeOver(w.Handle("Edit2"), "50");
    driver::TypeOver(w.Handle("Edit3"), "50");
    SendMessageW(w.host.Window(), WM_COMMAND, MAKEWPARAM(tkwin::kFirstActionCommand + 10, 1), 0);
    driver::Pump();
    ASSERT_EQ(w.app.Windows().size(), 1u);
    auto* form = dynamic_cast<zmatch::TChooseForm*>(w.app.Windows()[0]);
    ASSERT_NE(form, nullptr);
    tkwin::FormWindow* window = w.host.WindowOf(*form);
    ASSERT_NE(window, nullptr);
    EXPECT_EQ(tkwin::WindowText(window->Handle()), "Подбор согласования");
    driver::Press(w.host.HandleOf(*form->SearchButton));
    for (int i = 0; i < 500 && form->Searching(); ++i) {
        Sleep(2);
        driver::Pump();
    }
    EXPECT_FALSE(form->Searching());
    EXPECT_EQ(tkwin::WindowText(w.host.HandleOf(*form->NoteLabel)), form->NoteLabel->Caption);
    EXPECT_EQ(form->NoteLabel->Caption.rfind("Подбор закончен", 0), 0u);

    ACCEL keys[12];
    const int count = CopyAcceleratorTableW(window->Actions().Keys(), keys, 12);
    const auto esc =
        std::find_if(keys, keys + count, [](const ACCEL& k) { return k.key == VK_ESCAPE; });
    ASSERT_NE(esc, keys + count);
    EXPECT_EQ(esc->fVirt, FVIRTKEY);
    EXPECT_EQ(form->Actions()[esc->cmd - tkwin::kFirstActionCommand].Shortcut, tk::TShortcut::Stop);
    EXPECT_TRUE(w.host.Errors.empty());
    SendMessageW(window->Handle(), WM_CLOSE, 0, 0);
    driver::Pump();
    EXPECT_TRUE(w.app.Windows().empty());
}

// The «Задания…» row opens the exercises window; «Сделать» fills the list of variants and the
// problem's static label, «Проверить» the list of verdicts, each as the form holds them.
TEST(ZmatchWindow, ExercisesRowMakesAndChecksVariants) {
    driver::ProgramWindow<zmatch::TForm1> w("zmatch");
    const auto actions = w.form->Actions();
    const auto row = std::find_if(actions.begin(), actions.end(), [](const tk::TActionDesc& a) {
        return a.Shortcut == tk::TShortcut::Exercises;
    });
    ASSERT_NE(row, actions.end());
    SendMessageW(w.host.Window(), WM_COMMAND,
                 MAKEWPARAM(tkwin::kFirstActionCommand + int(row - actions.begin()), 1), 0);
    driver::Pump();
    ASSERT_EQ(w.app.Windows().size(), 1u);
    auto* form = dynamic_cast<chart::TExercisesForm*>(w.app.Windows()[0]);
    ASSERT_NE(form, nullptr);
    tkwin::FormWindow* window = w.host.WindowOf(*form);
    ASSERT_NE(window, nullptr);
    EXPECT_EQ(tkwin::WindowText(window->Handle()), "Задания");
    driver::TypeOver(w.host.HandleOf(*form->CountEdit), "4");
    driver::Press(w.host.HandleOf(*form->MakeButton));
    const HWND variants = w.host.HandleOf(*form->VariantList);
    ASSERT_EQ(ListView_GetItemCount(variants), 4);
    EXPECT_EQ(tkwin::WindowText(w.host.HandleOf(*form->ProblemLabel)), form->ProblemLabel->Caption);
    const exercises::TVariant v = form->Set()->Variants[0];
    driver::TypeOver(w.host.HandleOf(*form->AnswersEdit),
                     (v.Answers[0].Name + "=" + exercises::DecimalComma(v.Answers[0].Exact, 5))
                         .c_str());
    driver::Press(w.host.HandleOf(*form->CheckButton));
    const HWND verdicts = w.host.HandleOf(*form->VerdictList);
    ASSERT_EQ(ListView_GetItemCount(verdicts), int(v.Answers.size()));
    wchar_t text[64] = {};
    ListView_GetItemText(verdicts, 0, 1, text, 64);
    EXPECT_EQ(tkwin::ToUtf8(text), "верно");
    EXPECT_TRUE(w.host.Errors.empty());
    SendMessageW(window->Handle(), WM_CLOSE, 0, 0);
    driver::Pump();
    EXPECT_TRUE(w.app.Windows().empty());
}

// The wheel over the element's row and a drag of its node reach the chain window: a series L
// of 50 Ω on 100+j50 steps a notch up from its row, and its node, dragged halfway back along
// its r = 2 circle, lands there, the static input label following.
TEST(ZmatchWindow, ChainWindowTunesByTheWheelAndByADrag) {
    driver::ProgramWindow<zmatch::TForm1> w("zmatch");
    driver::TypeOver(w.Handle("Edit1"), "100");
    driver::TypeOver(w.Handle("Edit2"), "50");
    driver::TypeOver(w.Handle("Edit3"), "50");
    SendMessageW(w.host.Window(), WM_COMMAND, MAKEWPARAM(tkwin::kFirstActionCommand + 7, 1), 0);
    driver::Pump();
    ASSERT_EQ(w.app.Windows().size(), 1u);
    auto* form = dynamic_cast<chart::TChainForm*>(w.app.Windows()[0]);
    ASSERT_NE(form, nullptr);
    driver::Press(w.host.HandleOf(*form->AddButton));
    const HWND list = w.host.HandleOf(*form->ElementList);
    RECT row{};
    ListView_GetItemRect(list, 1, &row, LVIR_BOUNDS);
    POINT at{(row.left + row.right) / 2, (row.top + row.bottom) / 2};
    ClientToScreen(list, &at);
    SendMessageW(list, WM_MOUSEWHEEL, MAKEWPARAM(0, WHEEL_DELTA), MAKELPARAM(at.x, at.y));
    driver::Pump();
    EXPECT_NEAR(form->Chain().Elements[0].Value, 50 * std::pow(10.0, 2.0 / 1000), 1e-9);

    const HWND picture = w.host.HandleOf(*form->Picture);
    RECT client{};
    GetClientRect(picture, &client);
    const auto pointOf = [&](theory::TComplex g) {
        const tk::TRect box = tk::ShownBoxOf(
            chart::PixelOfGamma(g.real(), g.imag()), {int(client.right), int(client.bottom)},
            {form->Picture->Canvas.Width(), form->Picture->Canvas.Height()});
        return MAKELPARAM(box.Left + box.Width / 2, box.Top + box.Height / 2);
    };
    const auto path = theory::ChainPaths(form->Chain(), form->LoadOhms())[0];
    const LPARAM to = pointOf(path[path.size() / 2]);
    SendMessageW(picture, WM_LBUTTONDOWN, MK_LBUTTON, pointOf(path.back()));
    SendMessageW(picture, WM_MOUSEMOVE, MK_LBUTTON, to);
    SendMessageW(picture, WM_LBUTTONUP, 0, to);
    driver::Pump();
    const theory::TComplex node =
        theory::ReadingOf(theory::InputOhms(form->Chain(), form->LoadOhms(), 1), 50).Gamma;
    EXPECT_LE(std::abs(LOWORD(pointOf(node)) - LOWORD(to)), 2);
    EXPECT_LE(std::abs(HIWORD(pointOf(node)) - HIWORD(to)), 2);
    EXPECT_EQ(tkwin::WindowText(w.host.HandleOf(*form->InputLabel)), form->InputLabel->Caption);
    EXPECT_TRUE(w.host.Errors.empty());
    SendMessageW(w.host.WindowOf(*form)->Handle(), WM_CLOSE, 0, 0);
    driver::Pump();
}

// After a match F1 (through the accelerator table) opens the steps window at the first
// step; «Далее» and the arrow keys, sent to its button as the message loop hands them on,
// move through the steps, the main picture the record played to the chosen one; the
// window closed, the chart is whole again.
TEST(ZmatchWindow, StepsWindowWalksTheConstruction) {
    driver::ProgramWindow<zmatch::TForm1> w("zmatch");
    driver::TypeOver(w.Handle("Edit1"), "100");
    driver::TypeOver(w.Handle("Edit2"), "50");
    driver::TypeOver(w.Handle("Edit3"), "50");
    driver::Press(w.Handle("Button1"));
    driver::Press(w.Handle("Button2"));
    const tk::TImage& image = *w.form->Image1;
    const auto pixels = [](const tk::TCanvas& c) {
        return std::vector<std::uint32_t>(c.Bits(), c.Bits() + c.Width() * c.Height());
    };
    const auto whole = pixels(image.Picture());
    const auto key = [&](tkwin::FormWindow& window, HWND to, WPARAM vk) {
        MSG message{to, WM_KEYDOWN, vk, 1, 0, {}};
        const bool used = window.TranslateKeys(message);
        driver::Pump();
        return used;
    };
    EXPECT_TRUE(key(w.Window(), w.Handle("Edit1"), VK_F1));
    ASSERT_EQ(w.app.Windows().size(), 1u);
    auto* steps = dynamic_cast<chart::TStepsForm*>(w.app.Windows()[0]);
    ASSERT_NE(steps, nullptr);
    tkwin::FormWindow* window = w.host.WindowOf(*steps);
    ASSERT_NE(window, nullptr);
    EXPECT_EQ(tkwin::WindowText(window->Handle()), "Построение по шагам");
    const auto showsStep = [&](std::size_t k) {
        return pixels(image.Picture()) ==
               pixels(chart::PictureAfterStep(image.Canvas, w.form->Steps(), k, true));
    };
    EXPECT_TRUE(showsStep(0));

    HWND forward = w.host.HandleOf(*steps->ForwardButton);
    driver::Press(forward);
    EXPECT_EQ(steps->Chosen(), 1u);
    EXPECT_TRUE(showsStep(1));
    EXPECT_EQ(tkwin::WindowText(w.host.HandleOf(*steps->CountLabel)),
              "Шаг 2 из " + std::to_string(w.form->Steps().size()));
    for (const auto& [vk, to] :
         {std::pair<WPARAM, std::size_t>{VK_RIGHT, 2}, {VK_DOWN, 3}, {VK_UP, 2}, {VK_LEFT, 1}}) {
        EXPECT_TRUE(key(*window, forward, vk));
        EXPECT_EQ(steps->Chosen(), to) << vk;
    }
    EXPECT_TRUE(showsStep(1));

    SendMessageW(window->Handle(), WM_CLOSE, 0, 0);
    driver::Pump();
    EXPECT_TRUE(w.app.Windows().empty());
    EXPECT_EQ(pixels(image.Picture()), whole);
    EXPECT_TRUE(w.host.Errors.empty());
}

} // namespace
