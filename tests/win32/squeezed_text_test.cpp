// A caption set closer to end within its designed width.
#include "toolkit/win32/SqueezedText.h"

#include <gtest/gtest.h>

#include <numeric>
#include <string>

namespace {

// The excess comes evenly out of the gaps, a pixel at most from each, the last character
// whole; a caption that fits, or has no gaps, keeps its advances.
TEST(SqueezedText, TakesTheExcessEvenlyFromTheGaps) {
    HDC dc = CreateCompatibleDC(nullptr);
    HFONT font =
        CreateFontW(-11, 0, 0, 0, FW_NORMAL, 0, 0, 0, DEFAULT_CHARSET, 0, 0, 0, 0, L"Tahoma");
    HGDIOBJ old = SelectObject(dc, font);
    const std::wstring text = L"Расстояние l =";
    const std::vector<int> natural = tkwin::SqueezedAdvances(dc, text, 1000);
    const int whole = std::accumulate(natural.begin(), natural.end(), 0);
    ASSERT_EQ(natural.size(), text.size());
    struct Row {
        int width, expected;
    };
    for (const Row r : {Row{whole + 5, whole}, Row{whole - 6, whole - 6},
                        Row{whole - 13, whole - 13}, Row{whole - 40, whole - 13}}) {
        SCOPED_TRACE(r.width - whole);
        const std::vector<int> squeezed = tkwin::SqueezedAdvances(dc, text, r.width);
        EXPECT_EQ(std::accumulate(squeezed.begin(), squeezed.end(), 0), r.expected);
        for (std::size_t i = 0; i < text.size(); ++i)
            EXPECT_LE(natural[i] - squeezed[i], i + 1 < text.size() ? 1 : 0) << i;
    }
    EXPECT_EQ(tkwin::SqueezedAdvances(dc, L"l", 1).size(), 1u);
    SelectObject(dc, old);
    DeleteObject(font);
    DeleteDC(dc);
}

} // namespace
