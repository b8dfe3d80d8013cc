// A list of rows of text in columns under headings, as a desktop list view shows it in its
// report view: one row selected at a time, or none. Handlers fill the rows and read the
// selection; the user moves the selection with the pointer or the keys, after which the
// list's OnChange runs (TApplication::Select).
//
//     {K::RowList, "Chain", nullptr, 8, 8, 300, 120, "Элемент\tЗначение", 0}
//     chain->SetRows({{"C1", "2,2 пФ"}, {"L1", "15 нГн"}});
#pragma once

#include "toolkit/Controls.h"

#include <string>
#include <vector>

namespace tk {

class TRowList : public TControl {
  public:
    using TRow = std::vector<std::string>;

    // The headings are the description's caption, parted at each tab.
    TRowList(const TControlDesc& desc, TControl* parent);

    const std::vector<std::string>& Columns() const { return columns_; }
    // How the columns share the list's width, in proportion: equal unless the form sets them.
    const std::vector<int>& ColumnShares() const { return shares_; }
    // One share a column, each above 0; any other set leaves them as they were.
    void SetColumnShares(std::vector<int> shares);
    const std::vector<TRow>& Rows() const { return rows_; }
    // New rows; the selection stays on its row while that row is still there, since a
    // handler that rewrites the values of the rows has not chosen another one.
    void SetRows(std::vector<TRow> rows);
    // Grows with every SetRows: a window that showed the rows of one version shows them still.
    unsigned RowsVersion() const { return version_; }

    // The selected row; -1: none.
    int ItemIndex() const { return itemIndex_; }
    // A row outside the list selects none.
    void SetItemIndex(int index);

    TNotifyEvent OnChange;
    // The wheel turned over row `row` (-1: below the last), as a handler
    // (TApplication::Wheel); none: the list scrolls as a list does.
    std::function<void(int row, TWheel wheel)> OnWheel;

  private:
    std::vector<std::string> columns_;
    std::vector<int> shares_;
    std::vector<TRow> rows_;
    unsigned version_ = 0;
    int itemIndex_ = -1;
};

// The columns' widths across `width` pixels by their shares, each at least one pixel; the
// last takes what rounding leaves, so that together they fill the width when it has room.
//     shares {1, 3}, width 100: {25, 75}
std::vector<int> ColumnWidths(const TRowList& list, int width);

// The keys that move a list's selection.
enum class TListKey { Up, Down, PageUp, PageDown, Home, End };

// The row selected after `key` in a list of `count` rows from row `current` (-1: none), a
// page being `page` rows (what shows at once, at least one): one row or one page on, never
// past either end; with none selected, any key selects the first row, End the last.
int RowAfterKey(int current, int count, int page, TListKey key);

} // namespace tk
