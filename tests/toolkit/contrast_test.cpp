#include "toolkit/Contrast.h"

#include <gtest/gtest.h>

namespace {

using tk::RGB;

// The ratio's fixed points and the designed link blue on the backgrounds it meets.
TEST(Contrast, RatioOfKnownPairs) {
    struct Row {
        tk::TColor a, b;
        double ratio;
    };
    const Row rows[] = {
        {tk::clBlack, tk::clWhite, 21.0},       {tk::clWhite, tk::clBlack, 21.0}, // either order
        {tk::clBlue, tk::clBlue, 1.0},          {tk::clBlue, tk::clWhite, 8.59},
        {tk::clBlue, RGB(239, 239, 239), 7.47}, // Fusion's light window
        {tk::clBlue, RGB(53, 53, 53), 1.43},    // a dark theme's window
    };
    for (const Row& r : rows)
        EXPECT_NEAR(tk::ContrastRatio(r.a, r.b), r.ratio, 0.01) << std::hex << r.a << " on " << r.b;
}

// Blue stays wherever it reads; elsewhere the theme's link colour if it reads, else a blue
// lightened (or darkened) just enough to read.
TEST(Contrast, ReadableLinkColour) {
    struct Row {
        tk::TColor alternative, background;
        bool staysBlue, takesAlternative;
    };
    const tk::TColor themeLink = RGB(138, 180, 248);
    const Row rows[] = {
        {themeLink, tk::clWhite, true, false},
        {themeLink, RGB(239, 239, 239), true, false},
        {themeLink, RGB(53, 53, 53), false, true},
        {tk::clBlue, RGB(53, 53, 53), false, false}, // the theme's link is blue as well
        {tk::clBlue, tk::clBlack, false, false},
        {tk::clBlue, RGB(119, 119, 119), false, false}, // mid grey: toward black
        {tk::clBlue, tk::clBlue, false, false},
    };
    for (const Row& r : rows) {
        SCOPED_TRACE(testing::Message() << std::hex << r.background);
        const tk::TColor c = tk::ReadableColor(tk::clBlue, r.alternative, r.background);
        EXPECT_GE(tk::ContrastRatio(c, r.background), tk::kReadableContrast);
        EXPECT_EQ(c == tk::clBlue, r.staysBlue);
        EXPECT_EQ(c == r.alternative && c != tk::clBlue, r.takesAlternative);
        if (!r.staysBlue && !r.takesAlternative) {
            // Still a blue: its blue channel leads, and it is not plain white or black.
            EXPECT_GT(c & 0xff, (c >> 16) & 0xff);
            EXPECT_NE(c, tk::clWhite);
            EXPECT_NE(c, tk::clBlack);
        }
    }
}

} // namespace
