#include "toolkit/win32/ChoiceDialog.h"

#include "toolkit/win32/Utf16.h"

#include <cstdint>
#include <vector>

namespace tkwin {

namespace {

constexpr WORD kFieldId = 100;

// The dialog's template, written word by word: the header (DLGTEMPLATE, no menu, the
// standard class, the title, the font), then each control (DLGITEMTEMPLATE, its class by
// its atom, its text, no creation data), each starting on a double word. Sizes are in
// dialog units, a quarter of the font's average width and an eighth of its height.
class TemplateWriter {
  public:
    void Header(DWORD style, WORD controls, short cx, short cy, const std::wstring& title) {
        Double(style);
        Double(0); // extended style
        words_.push_back(controls);
        Box(0, 0, cx, cy);
        words_.push_back(0); // no menu
        words_.push_back(0); // the dialog's own class
        Text(title);
        words_.push_back(8); // points
        Text(L"Tahoma");
    }

    void Control(WORD atom, DWORD style, short x, short y, short cx, short cy, WORD id,
                 const std::wstring& text) {
        if (words_.size() % 2) words_.push_back(0);
        Double(style | WS_CHILD | WS_VISIBLE);
        Double(0);
        Box(x, y, cx, cy);
        words_.push_back(id);
        words_.push_back(0xFFFF);
        words_.push_back(atom);
        Text(text);
        words_.push_back(0); // no creation data
    }

    const DLGTEMPLATE* Get() const { return reinterpret_cast<const DLGTEMPLATE*>(words_.data()); }

  private:
    void Double(DWORD d) {
        words_.push_back(WORD(d & 0xFFFF));
        words_.push_back(WORD(d >> 16));
    }
    void Box(short x, short y, short cx, short cy) {
        for (short v : {x, y, cx, cy})
            words_.push_back(WORD(v));
    }
    void Text(const std::wstring& text) {
        words_.insert(words_.end(), text.begin(), text.end());
        words_.push_back(0);
    }

    std::vector<WORD> words_; // new[]'s alignment: the template starts on a double word
};

constexpr WORD kButton = 0x0080, kStatic = 0x0082, kComboBox = 0x0085;

struct Exchange {
    const tk::TChoiceQuestion& question;
    std::optional<std::string> answer;
};

INT_PTR CALLBACK ChoiceProc(HWND dialog, UINT message, WPARAM wParam, LPARAM lParam) {
    switch (message) {
    case WM_INITDIALOG: {
        SetWindowLongPtrW(dialog, DWLP_USER, lParam);
        const auto& q = reinterpret_cast<Exchange*>(lParam)->question;
        HWND field = GetDlgItem(dialog, kFieldId);
        for (const std::string& item : q.Items)
            SendMessageW(field, CB_ADDSTRING, 0, reinterpret_cast<LPARAM>(ToUtf16(item).c_str()));
        if (q.Selected < q.Items.size()) SendMessageW(field, CB_SETCURSEL, q.Selected, 0);
        return TRUE; // the focus in the field
    }
    case WM_COMMAND:
        if (LOWORD(wParam) == IDOK) {
            auto* exchange = reinterpret_cast<Exchange*>(GetWindowLongPtrW(dialog, DWLP_USER));
            HWND field = GetDlgItem(dialog, kFieldId);
            std::wstring text(std::size_t(GetWindowTextLengthW(field)) + 1, L'\0');
            text.resize(std::size_t(GetWindowTextW(field, text.data(), int(text.size()))));
            exchange->answer = ToUtf8(text);
            EndDialog(dialog, IDOK);
            return TRUE;
        }
        if (LOWORD(wParam) == IDCANCEL) {
            EndDialog(dialog, IDCANCEL);
            return TRUE;
        }
        break;
    }
    return FALSE;
}

} // namespace

std::optional<std::string> AskChoice(HWND owner, const tk::TChoiceQuestion& question) {
    // clang-format off
    TemplateWriter t;
    t.Header(DS_SETFONT | DS_MODALFRAME | DS_CENTER | WS_POPUP | WS_CAPTION | WS_SYSMENU,
             4, 220, 62, ToUtf16(question.Title));
    //         class      style                                                x    y   cx   cy  id
    t.Control(kStatic,   SS_LEFT | SS_NOPREFIX,                                 7,   7, 206,   8, 0xFFFF,   ToUtf16(question.Prompt));
    t.Control(kComboBox, CBS_DROPDOWN | CBS_AUTOHSCROLL | WS_VSCROLL | WS_TABSTOP, 7, 18, 206, 120, kFieldId, L"");
    t.Control(kButton,   BS_DEFPUSHBUTTON | WS_TABSTOP,                       109,  41,  50,  14, IDOK,     L"OK");
    t.Control(kButton,   BS_PUSHBUTTON | WS_TABSTOP,                          163,  41,  50,  14, IDCANCEL, L"Отмена");
    // clang-format on
    Exchange exchange{question, std::nullopt};
    DialogBoxIndirectParamW(GetModuleHandleW(nullptr), t.Get(), owner, ChoiceProc,
                            reinterpret_cast<LPARAM>(&exchange));
    return exchange.answer;
}

} // namespace tkwin
