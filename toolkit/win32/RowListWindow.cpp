// A list of rows (toolkit/RowList.h) as Windows' list view in its report view: the headings
// as its columns, one row selected at a time (LVS_SINGLESEL), the whole row lit.
#include "toolkit/win32/ControlWindow.h"
#include "toolkit/win32/Utf16.h"
#include "toolkit/win32/Wheel.h"

#include <commctrl.h>

#include <algorithm>
#include <optional>

namespace tkwin {
namespace {

std::optional<tk::TListKey> ListKeyOf(WPARAM key) {
    switch (key) {
    case VK_UP:
        return tk::TListKey::Up;
    case VK_DOWN:
        return tk::TListKey::Down;
    case VK_PRIOR:
        return tk::TListKey::PageUp;
    case VK_NEXT:
        return tk::TListKey::PageDown;
    case VK_HOME:
        return tk::TListKey::Home;
    case VK_END:
        return tk::TListKey::End;
    default:
        return std::nullopt;
    }
}

bool Held(int key) {
    return GetKeyState(key) < 0;
}

class RowListWindow final : public ControlWindow {
  public:
    RowListWindow(tk::TRowList& list, int id, const ControlContext& context)
        : list_(list), context_(context) {
        hwnd_ = MakeWindow(WC_LISTVIEWW, "",
                           LVS_REPORT | LVS_SINGLESEL | LVS_SHOWSELALWAYS | LVS_NOSORTHEADER,
                           WS_EX_CLIENTEDGE, list, id, context.parent);
        ListView_SetExtendedListViewStyle(hwnd_, LVS_EX_FULLROWSELECT | LVS_EX_DOUBLEBUFFER);
        const int columns = int(list.Columns().size());
        const std::vector<int> widths = tk::ColumnWidths(list, list.Width - 4);
        for (int i = 0; i < columns; ++i) {
            std::wstring heading = ToUtf16(list.Columns()[std::size_t(i)]);
            LVCOLUMNW column{};
            column.mask = LVCF_TEXT | LVCF_WIDTH | LVCF_SUBITEM;
            column.cx = widths[std::size_t(i)];
            column.pszText = heading.data();
            column.iSubItem = i;
            ListView_InsertColumn(hwnd_, i, &column);
        }
        SetWindowSubclass(hwnd_, &RowListWindow::Keys, 0, reinterpret_cast<DWORD_PTR>(this));
    }

    ~RowListWindow() override { RemoveWindowSubclass(hwnd_, &RowListWindow::Keys, 0); }

    const tk::TControl& Control() const override { return list_; }

    // A row the pointer selected; a click on no row leaves none selected.
    LRESULT Notified(const NMHDR& header) override {
        if (context_.refreshing) return 0;
        if (header.code == LVN_ITEMCHANGED) {
            const auto& change = reinterpret_cast<const NMLISTVIEW&>(header);
            // The row losing the selection tells first: only the one gaining it is a choice.
            if ((change.uChanged & LVIF_STATE) && (change.uNewState & LVIS_SELECTED) &&
                !(change.uOldState & LVIS_SELECTED))
                context_.application.Select(list_, change.iItem);
        } else if (header.code == NM_CLICK) {
            context_.application.Select(list_, Selected());
        }
        return 0;
    }

    void Refresh() override {
        if (shownVersion_ != list_.RowsVersion()) {
            shownVersion_ = list_.RowsVersion();
            ListView_DeleteAllItems(hwnd_);
            const auto& rows = list_.Rows();
            for (std::size_t r = 0; r < rows.size(); ++r) {
                LVITEMW item{};
                item.mask = LVIF_TEXT;
                item.iItem = int(r);
                std::wstring first = ToUtf16(rows[r].empty() ? std::string() : rows[r][0]);
                item.pszText = first.data();
                ListView_InsertItem(hwnd_, &item);
                for (std::size_t c = 1; c < rows[r].size() && c < list_.Columns().size(); ++c) {
                    std::wstring cell = ToUtf16(rows[r][c]);
                    ListView_SetItemText(hwnd_, int(r), int(c), cell.data());
                }
            }
        }
        if (Selected() == list_.ItemIndex()) return;
        if (list_.ItemIndex() < 0) {
            ListView_SetItemState(hwnd_, -1, 0, LVIS_SELECTED);
            return;
        }
        const UINT state = LVIS_SELECTED | LVIS_FOCUSED;
        ListView_SetItemState(hwnd_, list_.ItemIndex(), state, state);
        ListView_EnsureVisible(hwnd_, list_.ItemIndex(), FALSE);
    }

  private:
    int Selected() const { return ListView_GetNextItem(hwnd_, -1, LVNI_SELECTED); }

    // The rows that show at once, less one, as the list view's own page keys move.
    int Page() const { return std::max(1, ListView_GetCountPerPage(hwnd_) - 1); }

    // The moving keys, without Ctrl, Shift or Alt, go by the toolkit's rule, as in every
    // binding; the rest are the list view's. The wheel is the list's when it takes it.
    static LRESULT CALLBACK Keys(HWND hwnd, UINT message, WPARAM wParam, LPARAM lParam, UINT_PTR,
                                 DWORD_PTR self) {
        auto& window = *reinterpret_cast<RowListWindow*>(self);
        if (message == WM_MOUSEWHEEL && window.list_.OnWheel) {
            if (PassWheel(hwnd, message, wParam, lParam)) return 0;
            const tk::TWheel wheel = WheelOf(wParam, window.wheel_);
            LVHITTESTINFO hit{};
            hit.pt = WheelPoint(hwnd, lParam);
            const int row = ListView_HitTest(hwnd, &hit);
            if (wheel.Notches != 0) window.context_.application.Wheel(window.list_, row, wheel);
            return 0;
        }
        if (message == WM_KEYDOWN && !Held(VK_CONTROL) && !Held(VK_SHIFT) && !Held(VK_MENU))
            if (const std::optional<tk::TListKey> key = ListKeyOf(wParam)) {
                window.context_.application.Key(window.list_, *key, window.Page());
                return 0;
            }
        return DefSubclassProc(hwnd, message, wParam, lParam);
    }

    tk::TRowList& list_;
    ControlContext context_;
    unsigned shownVersion_ = ~0u;
    tk::TWheelNotches wheel_;
};

} // namespace

std::unique_ptr<ControlWindow> RealiseRowList(tk::TRowList& list, int id,
                                              const ControlContext& context) {
    return std::make_unique<RowListWindow>(list, id, context);
}

} // namespace tkwin
