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
