#include "toolkit/win32/SqueezedText.h"

#include <algorithm>

namespace tkwin {

std::vector<int> SqueezedAdvances(HDC dc, std::wstring_view text, int width) {
    const int n = int(text.size());
    std::vector<int> ends(text.size()); // where each character ends, from the start
    SIZE whole{};
    if (n == 0 || !GetTextExtentExPointW(dc, text.data(), n, 0, nullptr, ends.data(), &whole))
        return {};
    std::vector<int> advances(text.size());
    for (int i = 0; i < n; ++i)
        advances[std::size_t(i)] = ends[std::size_t(i)] - (i ? ends[std::size_t(i) - 1] : 0);
    const int gaps = n - 1;
    const int over = std::min(int(whole.cx) - width, gaps);
    // Gap i loses a pixel where the running share of the excess passes a whole pixel.
    for (int i = 0; over > 0 && i < gaps; ++i)
        advances[std::size_t(i)] -= (i + 1) * over / gaps - i * over / gaps;
    return advances;
}

void DrawSqueezed(HDC dc, const RECT& box, std::wstring_view text) {
    std::vector<int> advances = SqueezedAdvances(dc, text, box.right - box.left);
    if (advances.empty()) return;
    ExtTextOutW(dc, box.left, box.top, ETO_CLIPPED, &box, text.data(), UINT(text.size()),
                advances.data());
}

} // namespace tkwin
