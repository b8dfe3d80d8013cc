#include "toolkit/SmoothPicture.h"

#include <gtest/gtest.h>

#include <vector>

namespace {

std::vector<std::uint32_t> Scaled(tk::SmoothPicture& smooth, const tk::TCanvas& canvas) {
    const tk::TSize t = smooth.Target();
    std::vector<std::uint32_t> out(std::size_t(t.Width) * t.Height);
    smooth.Rows(tk::PixelRowsOf(canvas), 0, {out.data(), t, t.Width});
    return out;
}

void Stripes(tk::TCanvas& canvas, int top, int bottom, std::uint32_t salt) {
    for (int y = top; y < bottom; ++y)
        for (int x = 0; x < canvas.Width(); ++x)
            canvas.Bits()[std::size_t(y) * canvas.Width() + x] =
                (salt * 2654435761u) ^ (x * 7919u + y * 104729u);
}

} // namespace

// A picture changed in a few rows and scaled again only where those rows weigh in comes out
// as scaling it whole does: shrunk, grown and at the edges, after the whole picture was
// scaled once (the rows kept scaled across from then must not be taken).
TEST(SmoothPicture, RowsTouchingAChangeAreAllThatChange) {
    struct Case {
        tk::TSize source, target;
        int top, bottom;
    };
    for (const Case& c : {Case{{80, 69}, {46, 40}, 10, 13}, Case{{40, 30}, {60, 45}, 7, 8},
                          Case{{40, 30}, {60, 45}, 0, 2}, Case{{80, 69}, {53, 46}, 66, 69}}) {
        tk::TCanvas canvas(c.source.Width, c.source.Height);
        Stripes(canvas, 0, c.source.Height, 1);
        tk::SmoothPicture smooth(c.source, c.target);
        std::vector<std::uint32_t> partial = Scaled(smooth, canvas);
        Stripes(canvas, c.top, c.bottom, 2);
        const auto [first, end] = smooth.RowsTouching(c.top, c.bottom);
        smooth.Forget();
        smooth.Rows(tk::PixelRowsOf(canvas), first,
                    {partial.data() + std::size_t(first) * c.target.Width,
                     {c.target.Width, end - first},
                     c.target.Width});
        tk::SmoothPicture fresh(c.source, c.target);
        EXPECT_EQ(partial, Scaled(fresh, canvas)) << c.top << ".." << c.bottom;
    }
}
