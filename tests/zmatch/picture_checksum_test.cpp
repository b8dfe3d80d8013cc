// Whole pictures, pinned by a hash: the canvas may be rewritten for speed, but every pixel
// of every picture the program draws must come out as before.
#include "tests/zmatch/ZmatchTesting.h"

#include "toolkit/Font.h"

#include "tests/common/PictureHash.h"

#include <gtest/gtest.h>

#include <cstdint>
#include <cstdio>
#include <string>

using testing_zmatch::Window;

using testing_common::Hex;
using testing_common::PictureHash;

namespace {

enum class Stub { None, Short, Open };

// The grid alone, each kind of load point, and both stubs on loads above, below and on the
// real axis. The values were taken with the Tahoma of Debian's fonts-wine; the labels are
// part of the picture.
TEST(PictureChecksum, EveryPictureAsBefore) {
    if (tk::Font::Default().Family() != "Tahoma")
        GTEST_SKIP() << "the pinned pictures carry Tahoma labels, this machine draws with "
                     << tk::Font::Default().Family();
    struct Case {
        const char *rn, *xn, *rv, *xv; // nullptr: the grid as at start-up
        Stub stub;
        std::uint64_t hash;
    };
    const Case cases[] = {
        {nullptr, nullptr, nullptr, nullptr, Stub::None, 0x5241f39f90e4bbebu},
        {"50", "50", "50", "0", Stub::None, 0xd269296d1bdc6034u},
        {"50", "50", "50", "0", Stub::Short, 0x5c8c12953afe569au},
        {"50", "50", "50", "0", Stub::Open, 0x69334ccc75c89ac8u},
        {"20", "-35", "50", "0", Stub::Short, 0xf37db46a4c1b0a4cu},
        {"20", "-35", "50", "0", Stub::Open, 0x0ac5ae4abf0d7e49u},
        {"150", "0", "50", "0", Stub::Short, 0x29c33ccddcc562c5u},
        {"0", "0", "50", "0", Stub::None, 0x53864e4030ac3c38u},
        {"1e6", "1", "50", "0", Stub::None, 0x7190d7565438bf8du},
    };
    for (const Case& c : cases) {
        SCOPED_TRACE(c.rn ? std::string(c.rn) + (c.xn[0] == '-' ? "" : "+") + c.xn + "j on " +
                                c.rv + "+" + c.xv + "j, stub " + std::to_string(int(c.stub))
                          : "grid");
        Window w;
        if (c.rn) w.ShowLoad(c.rn, c.xn, c.rv, c.xv);
        if (c.stub != Stub::None) w.Match(c.stub == Stub::Short);
        EXPECT_EQ(Hex(PictureHash(w.Picture())), Hex(c.hash));
    }
}

} // namespace
