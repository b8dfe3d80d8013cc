#include "toolkit/RowList.h"

#include <algorithm>

namespace tk {

TRowList::TRowList(const TControlDesc& desc, TControl* parent) : TControl(desc, parent) {
    std::string heading;
    for (const char* p = desc.Caption ? desc.Caption : "";; ++p) {
        if (*p == '\t' || *p == '\0') {
            columns_.push_back(heading);
            heading.clear();
            if (*p == '\0') break;
        } else {
            heading += *p;
        }
    }
    shares_.assign(columns_.size(), 1);
}

void TRowList::SetColumnShares(std::vector<int> shares) {
    if (shares.size() != columns_.size()) return;
    if (std::any_of(shares.begin(), shares.end(), [](int s) { return s <= 0; })) return;
    shares_ = std::move(shares);
}

std::vector<int> ColumnWidths(const TRowList& list, int width) {
    const std::vector<int>& shares = list.ColumnShares();
    long long total = 0;
    for (int s : shares)
        total += s;
    std::vector<int> widths;
    int left = width;
    for (std::size_t i = 0; i < shares.size(); ++i) {
        const int w = i + 1 == shares.size() ? left : int(width * (long long)shares[i] / total);
        widths.push_back(std::max(1, w));
        left -= widths.back();
    }
    return widths;
}

void TRowList::SetRows(std::vector<TRow> rows) {
    rows_ = std::move(rows);
    ++version_;
    SetItemIndex(itemIndex_);
}

void TRowList::SetItemIndex(int index) {
    itemIndex_ = index >= 0 && std::size_t(index) < rows_.size() ? index : -1;
}

int RowAfterKey(int current, int count, int page, TListKey key) {
    if (count <= 0) return -1;
    const int last = count - 1;
    if (current < 0 || current > last) return key == TListKey::End ? last : 0;
    page = std::max(1, page);
    switch (key) {
    case TListKey::Up:
        return std::max(0, current - 1);
    case TListKey::Down:
        return std::min(last, current + 1);
    case TListKey::PageUp:
        return std::max(0, current - page);
    case TListKey::PageDown:
        return std::min(last, current + page);
    case TListKey::Home:
        return 0;
    case TListKey::End:
        return last;
    }
    return current;
}

} // namespace tk
