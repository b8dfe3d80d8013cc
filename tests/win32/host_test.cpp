// What the Win32 host does beyond the window: only a web address is handed to the system
// to open; the choice dialog gives back what the user typed or chose.
#include "tests/win32/Win32Driver.h"

#include "toolkit/win32/ChoiceDialog.h"

#include <gtest/gtest.h>

namespace {

// The host opens web addresses only; anything else, or an address nothing opened, ends in
// a message that gives the address.
TEST(Win32Host, OpensOnlyWebAddresses) {
    class Refusing : public tkwin::Win32Host {
      public:
        std::vector<std::string> Urls;
        bool opens = true;

      protected:
        bool Browse(const std::wstring& url) override {
            Urls.push_back(tkwin::ToUtf8(url));
            return opens;
        }
    } host;
    host.OpenURL("https://example.org/Диаграмма");
    EXPECT_EQ(host.Urls, std::vector<std::string>{"https://example.org/Диаграмма"});
    for (const char* url : {"C:\\Windows\\System32\\calc.exe", "file:///C:/x", "cmd /c dir"}) {
        try {
            host.OpenURL(url);
            ADD_FAILURE() << url << " was opened";
        } catch (const tk::Exception& e) {
            EXPECT_NE(e.Message.find(url), std::string::npos) << e.Message;
        }
    }
    host.opens = false;
    EXPECT_THROW(host.OpenURL("https://example.org/"), tk::Exception);
    EXPECT_EQ(host.Urls.size(), 2u);
}

// What the timer does to the choice dialog once it is up: types into its field (unless
// null), then presses OK or Cancel.
struct DialogAction {
    const wchar_t* typed;
    WORD button;
};
const DialogAction* pendingAction = nullptr;

void CALLBACK ActOnDialog(HWND, UINT, UINT_PTR timer, DWORD) {
    HWND dialog = FindWindowW(L"#32770", L"Частота");
    if (!dialog) return; // not up yet: the next tick
    KillTimer(nullptr, timer);
    HWND field = FindWindowExW(dialog, nullptr, L"ComboBox", nullptr);
    if (pendingAction->typed) SetWindowTextW(field, pendingAction->typed);
    SendMessageW(GetDlgItem(dialog, pendingAction->button), BM_CLICK, 0, 0);
}

// The dialog opens with the item selected in its field; OK gives the text typed over it,
// or the item untouched, Cancel nothing.
TEST(ChoiceDialog, GivesBackWhatWasTypedOrChosen) {
    struct Row {
        DialogAction action;
        std::optional<std::string> answer;
    };
    const Row rows[] = {
        {{L"1,45 ГГц", IDOK}, "1,45 ГГц"},
        {{nullptr, IDOK}, "2 ГГц: 100"},
        {{L"1,45 ГГц", IDCANCEL}, std::nullopt},
    };
    for (const Row& r : rows) {
        pendingAction = &r.action;
        SetTimer(nullptr, 0, 20, ActOnDialog);
        EXPECT_EQ(
            tkwin::AskChoice(nullptr, {"Частота", "Частота:", {"1 ГГц: 50", "2 ГГц: 100"}, 1}),
            r.answer);
    }
}

} // namespace
