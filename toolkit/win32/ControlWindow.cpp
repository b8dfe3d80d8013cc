#include "toolkit/win32/ControlWindow.h"

#include "toolkit/CaptionFit.h"
#include "toolkit/Contrast.h"
#include "toolkit/RadioGroup.h"
#include "toolkit/win32/Dpi.h"
#include "toolkit/win32/PictureWindow.h"
#include "toolkit/win32/SqueezedText.h"
#include "toolkit/win32/Utf16.h"
#include "toolkit/win32/WindowText.h"

#include <commctrl.h>

#include <algorithm>

namespace tkwin {

void ControlWindow::Place(const tk::TRect& place, UINT dpi) {
    const int left = Scaled(place.Left, dpi), top = Scaled(place.Top, dpi);
    MoveWindow(hwnd_, left, top, Scaled(place.Left + place.Width, dpi) - left,
               Scaled(place.Top + place.Height, dpi) - top, TRUE);
}

HWND MakeWindow(const wchar_t* className, const std::string& text, DWORD style, DWORD exStyle,
                const tk::TControl& c, int id, HWND parent) {
    return CreateWindowExW(exStyle, className, ToUtf16(text).c_str(),
                           WS_CHILD | WS_CLIPSIBLINGS | style, c.Left, c.Top, c.Width, c.Height,
                           parent, reinterpret_cast<HMENU>(static_cast<INT_PTR>(id)), nullptr,
                           nullptr);
}

namespace {

tk::TColor FromColorRef(COLORREF c) {
    return tk::TColor(GetRValue(c)) << 16 | tk::TColor(GetGValue(c)) << 8 | GetBValue(c);
}

COLORREF ToColorRef(tk::TColor c) {
    return RGB((c >> 16) & 0xff, (c >> 8) & 0xff, c & 0xff);
}

void SetText(HWND hwnd, const std::string& text) {
    if (WindowText(hwnd) != text) SetWindowTextW(hwnd, ToUtf16(text).c_str());
}

bool IsChecked(HWND hwnd) {
    return SendMessageW(hwnd, BM_GETCHECK, 0, 0) == BST_CHECKED;
}

void SetChecked(HWND hwnd, bool checked) {
    if (IsChecked(hwnd) != checked)
        SendMessageW(hwnd, BM_SETCHECK, checked ? BST_CHECKED : BST_UNCHECKED, 0);
}

// A control of class C, its window created by the derived class.
template <class C> class Bound : public ControlWindow {
  public:
    const tk::TControl& Control() const override { return control_; }

  protected:
    Bound(C& control, HWND hwnd, const ControlContext& context)
        : control_(control), context_(context) {
        hwnd_ = hwnd;
    }

    bool Quiet() const { return context_.refreshing; }

    C& control_;
    ControlContext context_;
};

class ImageWindow final : public Bound<tk::TImage> {
  public:
    ImageWindow(tk::TImage& image, int id, const ControlContext& context)
        : Bound(image, nullptr, context), picture_(image, context.application, context.parent, id) {
        hwnd_ = picture_.Handle();
    }

    void Refresh() override { picture_.CanvasChanged(); }

    void Place(const tk::TRect& place, UINT dpi) override {
        picture_.Place({Scaled(place.Left, dpi), Scaled(place.Top, dpi)}, place.Size(), dpi);
    }

  private:
    PictureWindow picture_;
};

// A label: a static text that sizes itself to its caption, and that a click reaches. A
// link, where the label has the hand cursor, keeps to its designed width and ends in an
// ellipsis when its address is longer, in the blue of the design where that reads on the
// window's face colour.
class LabelWindow final : public Bound<tk::TLabel> {
  public:
    LabelWindow(tk::TLabel& label, int id, const ControlContext& context)
        : Bound(label,
                MakeWindow(L"STATIC", label.Caption,
                           SS_LEFT | SS_NOPREFIX | SS_NOTIFY |
                               (tk::IsLink(label) ? SS_ENDELLIPSIS : 0),
                           0, label, id, context.parent),
                context) {}

    void Notified(WORD code) override {
        if (code == STN_CLICKED && !Quiet()) context_.application.Click(control_);
    }

    void Refresh() override {
        if (WindowText(hwnd_) == control_.Caption) return;
        SetWindowTextW(hwnd_, ToUtf16(control_.Caption).c_str());
        // A longer result must not be cut off.
        Place(place_, dpi_);
    }

    // A label is as wide as its text; a link, and a caption that would run under the
    // control beside it, keep to their designed width, the link ending in an ellipsis,
    // the caption set closer.
    void Place(const tk::TRect& place, UINT dpi) override {
        place_ = place;
        dpi_ = dpi;
        const SIZE text = TextSize();
        const int left = Scaled(place.Left, dpi), top = Scaled(place.Top, dpi);
        const int designedWidth = Scaled(place.Left + place.Width, dpi) - left;
        const bool squeezed =
            !tk::IsLink(control_) && text.cx > designedWidth &&
            tk::RunsUnderANeighbour(context_.form, control_, text.cx * kDesignDpi / int(dpi));
        const int width =
            tk::IsLink(control_) || squeezed ? std::min<int>(text.cx, designedWidth) : text.cx;
        const int height = std::max<int>(text.cy, Scaled(place.Top + place.Height, dpi) - top);
        const LONG_PTR style = GetWindowLongPtrW(hwnd_, GWL_STYLE);
        const LONG_PTR type = squeezed ? SS_OWNERDRAW : SS_LEFT;
        if ((style & SS_TYPEMASK) != type)
            SetWindowLongPtrW(hwnd_, GWL_STYLE, (style & ~LONG_PTR{SS_TYPEMASK}) | type);
        MoveWindow(hwnd_, left, top, width, height, TRUE);
        // All of it anew: the part it kept from before its resize would keep the old text.
        InvalidateRect(hwnd_, nullptr, TRUE);
    }

    void Draw(const DRAWITEMSTRUCT& item) override {
        FillRect(item.hDC, &item.rcItem, GetSysColorBrush(COLOR_BTNFACE));
        SetBkMode(item.hDC, TRANSPARENT);
        SetTextColor(item.hDC, GetSysColor(COLOR_BTNTEXT));
        HGDIOBJ old =
            SelectObject(item.hDC, reinterpret_cast<HFONT>(SendMessageW(hwnd_, WM_GETFONT, 0, 0)));
        DrawSqueezed(item.hDC, item.rcItem, ToUtf16(control_.Caption));
        SelectObject(item.hDC, old);
    }

    HBRUSH Colours(HDC dc) override {
        if (control_.Font.Color == tk::TFont{}.Color) return nullptr;
        const tk::TColor face = FromColorRef(GetSysColor(COLOR_BTNFACE));
        const tk::TColor shown =
            tk::ReadableColor(control_.Font.Color, FromColorRef(GetSysColor(COLOR_HOTLIGHT)), face);
        SetTextColor(dc, ToColorRef(shown));
        SetBkColor(dc, GetSysColor(COLOR_BTNFACE));
        return GetSysColorBrush(COLOR_BTNFACE);
    }

  private:
    // The caption's extent in the window's font, as the static draws it.
    SIZE TextSize() const {
        HDC dc = GetDC(hwnd_);
        HGDIOBJ old =
            SelectObject(dc, reinterpret_cast<HFONT>(SendMessageW(hwnd_, WM_GETFONT, 0, 0)));
        std::wstring text = ToUtf16(control_.Caption);
        RECT r{0, 0, 0, 0};
        if (text.empty()) text = L" ";
        DrawTextW(dc, text.c_str(), int(text.size()), &r,
                  DT_CALCRECT | DT_NOPREFIX | DT_EXPANDTABS | DT_LEFT);
        SelectObject(dc, old);
        ReleaseDC(hwnd_, dc);
        return {r.right - r.left, r.bottom - r.top};
    }

    tk::TRect place_;
    UINT dpi_ = kDesignDpi;
};

class EditWindow final : public Bound<tk::TEdit> {
  public:
    EditWindow(tk::TEdit& edit, int id, const ControlContext& context)
        : Bound(edit,
                MakeWindow(L"EDIT", edit.Text, ES_LEFT | ES_AUTOHSCROLL, WS_EX_CLIENTEDGE, edit, id,
                           context.parent),
                context) {}

    // Every change, typed, pasted or undone, reaches the control at once: a handler reads
    // the text when it runs, not when the field loses the focus.
    void Notified(WORD code) override {
        if (code != EN_CHANGE || Quiet()) return;
        context_.application.Dispatch([this] { control_.Text = WindowText(hwnd_); });
    }

    void Refresh() override { SetText(hwnd_, control_.Text); }
};

class ButtonWindow final : public Bound<tk::TButton> {
  public:
    ButtonWindow(tk::TButton& button, int id, const ControlContext& context)
        : Bound(button,
                MakeWindow(L"BUTTON", button.Caption, BS_PUSHBUTTON, 0, button, id, context.parent),
                context) {}

    void Notified(WORD code) override {
        if (code == BN_CLICKED && !Quiet()) context_.application.Click(control_);
    }

    void Refresh() override { SetText(hwnd_, control_.Caption); }
};

class GroupBoxWindow final : public Bound<tk::TGroupBox> {
  public:
    GroupBoxWindow(tk::TGroupBox& box, int id, const ControlContext& context)
        : Bound(box,
                // Transparent: the main window paints its face under it.
                MakeWindow(L"BUTTON", box.Caption, BS_GROUPBOX, WS_EX_TRANSPARENT, box, id,
                           context.parent),
                context) {}

    void Refresh() override { SetText(hwnd_, control_.Caption); }
};

class RadioButtonWindow final : public Bound<tk::TRadioButton> {
  public:
    RadioButtonWindow(tk::TRadioButton& radio, int id, const ControlContext& context)
        : Bound(radio,
                MakeWindow(L"BUTTON", radio.Caption, BS_AUTORADIOBUTTON, 0, radio, id,
                           context.parent),
                context) {
        SetChecked(hwnd_, radio.Checked());
    }

    // The user can only move the choice, never clear it: the clicked radio is the choice,
    // and SetChecked clears the group's other controls.
    void Notified(WORD code) override {
        if (code != BN_CLICKED || Quiet()) return;
        if (IsChecked(hwnd_)) context_.application.Dispatch([this] { control_.SetChecked(true); });
        context_.application.Click(control_);
    }

    void Refresh() override {
        SetText(hwnd_, control_.Caption);
        SetChecked(hwnd_, control_.Checked());
        RefreshTabStop();
    }

    // Tab enters a group of radio buttons once (toolkit/RadioGroup.h).
    void RefreshTabStop() {
        if (control_.TabOrder < 0) return;
        const bool stop = tk::IsGroupStop(context_.form, control_);
        const LONG_PTR style = GetWindowLongPtrW(hwnd_, GWL_STYLE);
        const LONG_PTR wanted = stop ? style | WS_TABSTOP : style & ~LONG_PTR{WS_TABSTOP};
        if (wanted != style) SetWindowLongPtrW(hwnd_, GWL_STYLE, wanted);
    }
};

class CheckBoxWindow final : public Bound<tk::TCheckBox> {
  public:
    CheckBoxWindow(tk::TCheckBox& check, int id, const ControlContext& context)
        : Bound(check,
                MakeWindow(L"BUTTON", check.Caption, BS_AUTOCHECKBOX, 0, check, id, context.parent),
                context) {
        SetChecked(hwnd_, check.Checked);
    }

    void Notified(WORD code) override {
        if (code != BN_CLICKED || Quiet()) return;
        const bool checked = IsChecked(hwnd_);
        context_.application.Dispatch([this, checked] { control_.Checked = checked; });
        context_.application.Click(control_);
    }

    void Refresh() override {
        SetText(hwnd_, control_.Caption);
        SetChecked(hwnd_, control_.Checked);
    }
};

template <class W, class C>
std::unique_ptr<ControlWindow> Make(tk::TControl& control, int id, const ControlContext& context) {
    return std::make_unique<W>(static_cast<C&>(control), id, context);
}

} // namespace

std::unique_ptr<ControlWindow> Realise(tk::TControl& control, int id,
                                       const ControlContext& context) {
    using K = tk::TControlKind;
    switch (control.Kind) {
    case K::Image:
        return Make<ImageWindow, tk::TImage>(control, id, context);
    case K::Label:
        return Make<LabelWindow, tk::TLabel>(control, id, context);
    case K::Edit:
        return Make<EditWindow, tk::TEdit>(control, id, context);
    case K::Button:
        return Make<ButtonWindow, tk::TButton>(control, id, context);
    case K::GroupBox:
        return Make<GroupBoxWindow, tk::TGroupBox>(control, id, context);
    case K::RadioButton:
        return Make<RadioButtonWindow, tk::TRadioButton>(control, id, context);
    case K::CheckBox:
        return Make<CheckBoxWindow, tk::TCheckBox>(control, id, context);
    case K::RowList:
        return RealiseRowList(static_cast<tk::TRowList&>(control), id, context);
    case K::SliderValue:
        return RealiseSliderValue(static_cast<tk::TSliderValue&>(control), id, context);
    }
    return nullptr; // no other kinds: the form refuses to build one
}

} // namespace tkwin
