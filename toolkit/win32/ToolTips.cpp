#include "toolkit/win32/ToolTips.h"

#include "toolkit/win32/Utf16.h"
#include "toolkit/win32/Window.h"

#include <commctrl.h>

namespace tkwin {

namespace {

TTTOOLINFOW ToolOf(HWND owner, HWND control, std::wstring* text) {
    TTTOOLINFOW tool{};
    tool.cbSize = sizeof tool;
    tool.uFlags = TTF_IDISHWND | TTF_SUBCLASS;
    tool.hwnd = owner;
    tool.uId = reinterpret_cast<UINT_PTR>(control);
    tool.hinst = Module();
    tool.lpszText = text ? text->data() : nullptr;
    return tool;
}

} // namespace

ToolTips::ToolTips(HWND owner)
    : owner_(owner),
      tip_(CreateWindowExW(WS_EX_TOPMOST, TOOLTIPS_CLASSW, nullptr,
                           WS_POPUP | TTS_NOPREFIX | TTS_ALWAYSTIP, CW_USEDEFAULT, CW_USEDEFAULT,
                           CW_USEDEFAULT, CW_USEDEFAULT, owner, nullptr, Module(), nullptr)) {
    // Long enough to read a construction's exact values in.
    SendMessageW(tip_, TTM_SETDELAYTIME, TTDT_AUTOPOP, MAKELPARAM(30000, 0));
}

ToolTips::~ToolTips() {
    DestroyWindow(tip_);
}

void ToolTips::SetMaxWidth(int width) {
    SendMessageW(tip_, TTM_SETMAXTIPWIDTH, 0, width);
}

void ToolTips::Set(HWND control, const std::string& text) {
    std::wstring wide = ToUtf16(text);
    auto known = texts_.find(control);
    if (known != texts_.end() && known->second == wide) return;
    TTTOOLINFOW tool = ToolOf(owner_, control, &wide);
    if (known == texts_.end())
        SendMessageW(tip_, TTM_ADDTOOLW, 0, reinterpret_cast<LPARAM>(&tool));
    else
        SendMessageW(tip_, TTM_UPDATETIPTEXTW, 0, reinterpret_cast<LPARAM>(&tool));
    texts_[control] = std::move(wide);
}

std::string ToolTips::Text(HWND control) const {
    if (!texts_.count(control)) return "";
    std::wstring buffer(texts_.at(control).size() + 1, L'\0');
    TTTOOLINFOW tool = ToolOf(owner_, control, &buffer);
    SendMessageW(tip_, TTM_GETTEXTW, WPARAM(buffer.size()), reinterpret_cast<LPARAM>(&tool));
    return ToUtf8(buffer.c_str());
}

} // namespace tkwin
