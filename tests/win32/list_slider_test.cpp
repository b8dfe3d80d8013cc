// The list of rows and the slider as Windows' list view and track bar, driven through their
// own messages: what the form holds shows, the keys move them by the toolkit's rules and
// run their handlers, a choice the control reports runs them too, and what a handler
// writes shows again.
#include "tests/common/ChainForm.h"
#include "tests/win32/Win32Driver.h"

#include <commctrl.h>

#include <gtest/gtest.h>

namespace {

using testing_common::TChainForm;

class ListSliderTest : public ::testing::Test {
  protected:
    ListSliderTest() {
        app.CreateForm(form);
        driver::Pump();
        list = host.HandleOf(form->List());
        track = host.HandleOf(form->Slider());
    }

    std::string Cell(int row, int column) const {
        wchar_t text[64] = {};
        ListView_GetItemText(list, row, column, text, 64);
        return tkwin::ToUtf8(text);
    }
    std::string Heading(int column) const {
        wchar_t text[64] = {};
        LVCOLUMNW c{};
        c.mask = LVCF_TEXT;
        c.pszText = text;
        c.cchTextMax = 64;
        ListView_GetColumn(list, column, &c);
        return tkwin::ToUtf8(text);
    }
    int Shown() const { return ListView_GetNextItem(list, -1, LVNI_SELECTED); }
    int Position() const { return int(SendMessageW(track, TBM_GETPOS, 0, 0)); }
    // The text beside the slider, found by what it says.
    bool TextShows(const std::string& text) const {
        return FindWindowExW(host.Form()->Handle(), nullptr, L"Static",
                             tkwin::ToUtf16(text).c_str()) != nullptr;
    }
    void Key(HWND hwnd, WPARAM key) {
        SendMessageW(hwnd, WM_KEYDOWN, key, 0);
        SendMessageW(hwnd, WM_KEYUP, key, 0);
        driver::Pump();
    }

    driver::RecordingHost host{"zmatch"};
    tk::TApplication app{host};
    TChainForm* form = nullptr;
    HWND list = nullptr, track = nullptr;
};

// The headings, the rows and the position the form was made with show as made.
TEST_F(ListSliderTest, WindowsShowWhatTheFormHolds) {
    EXPECT_EQ(driver::ClassOf(list), "SysListView32");
    EXPECT_EQ(driver::ClassOf(track), "msctls_trackbar32");
    EXPECT_EQ(Heading(0), "Элемент");
    EXPECT_EQ(Heading(1), "Значение");
    ASSERT_EQ(ListView_GetItemCount(list), 3);
    EXPECT_EQ(Cell(1, 1), "15 нГн");
    EXPECT_EQ(Shown(), -1);
    EXPECT_EQ(SendMessageW(track, TBM_GETRANGEMIN, 0, 0), 0);
    EXPECT_EQ(SendMessageW(track, TBM_GETRANGEMAX, 0, 0), 1000);
    EXPECT_EQ(Position(), 220);
}

// The keys move the selection by the toolkit's rule, from none to the first row, never
// past the ends; the handler runs only for a change.
TEST_F(ListSliderTest, ListKeysMoveTheSelection) {
    const struct {
        WPARAM key;
        int row, changes;
    } steps[] = {
        {VK_DOWN, 0, 1}, {VK_DOWN, 1, 2}, {VK_END, 2, 3},  {VK_DOWN, 2, 3},
        {VK_HOME, 0, 4}, {VK_UP, 0, 4},   {VK_NEXT, 2, 5},
    };
    for (const auto& s : steps) {
        Key(list, s.key);
        EXPECT_EQ(form->List().ItemIndex(), s.row) << s.key;
        EXPECT_EQ(Shown(), s.row) << s.key;
        EXPECT_EQ(form->ListChanges, s.changes) << s.key;
    }
}

// A row the list view selects, as it does for a click, is the control's choice, once.
TEST_F(ListSliderTest, ListViewsSelectionIsTheChoice) {
    ListView_SetItemState(list, 0, LVIS_SELECTED, LVIS_SELECTED);
    ListView_SetItemState(list, 1, LVIS_SELECTED | LVIS_FOCUSED, LVIS_SELECTED | LVIS_FOCUSED);
    driver::Pump();
    EXPECT_EQ(form->List().ItemIndex(), 1);
    EXPECT_EQ(form->ListChanges, 2);
}

// The slider's keys step as the toolkit says, within the range, Up and PageUp upwards;
// every step runs the handler, whose text shows beside the slider and in the selected row.
TEST_F(ListSliderTest, SliderKeysStepAndTheHandlerFollows) {
    app.Select(form->List(), 1);
    const struct {
        WPARAM key;
        int position;
    } steps[] = {
        {VK_RIGHT, 221}, {VK_UP, 222},     {VK_PRIOR, 322}, {VK_LEFT, 321},
        {VK_END, 1000},  {VK_RIGHT, 1000}, {VK_HOME, 0},    {VK_NEXT, 0},
    };
    for (const auto& s : steps) {
        Key(track, s.key);
        const std::string shown = std::to_string(s.position);
        EXPECT_EQ(form->Slider().Position(), s.position) << s.key;
        EXPECT_EQ(Position(), s.position) << s.key;
        EXPECT_TRUE(TextShows(shown)) << s.key;
        EXPECT_EQ(Cell(1, 1), shown) << s.key;
    }
    EXPECT_EQ(Shown(), 1) << "new rows keep the selected one";
}

// A drag moves the thumb and tells the main window, as the track bar does: the handler
// runs on every step of it.
TEST_F(ListSliderTest, DragRunsTheHandler) {
    SendMessageW(track, TBM_SETPOS, TRUE, 400);
    SendMessageW(GetParent(track), WM_HSCROLL, MAKEWPARAM(TB_THUMBTRACK, 400),
                 reinterpret_cast<LPARAM>(track));
    EXPECT_EQ(form->Slider().Position(), 400);
    EXPECT_TRUE(TextShows("400"));
}

// What a handler writes shows: new rows and selection, a position kept within the range.
TEST_F(ListSliderTest, HandlersChangesShow) {
    app.Dispatch([&] {
        form->List().SetRows({{"R1", "50 Ом"}, {"C3", "3 пФ"}});
        form->List().SetItemIndex(1);
        form->Slider().SetPosition(5000);
        form->Slider().Caption = "C3 = 3 пФ";
    });
    ASSERT_EQ(ListView_GetItemCount(list), 2);
    EXPECT_EQ(Cell(0, 1), "50 Ом");
    EXPECT_EQ(Shown(), 1);
    EXPECT_EQ(Position(), 1000);
    EXPECT_TRUE(TextShows("C3 = 3 пФ"));
    EXPECT_EQ(form->ListChanges, 0) << "a handler's choice runs no handler";
}

} // namespace
