// Whole pictures, pinned by a hash: the canvas may be rewritten for speed, but every pixel
// of every picture the program draws must come out as before.
#include "tests/zline/ZlineTesting.h"

#include "toolkit/Font.h"

#include "tests/common/PictureHash.h"

#include <gtest/gtest.h>

#include <cstdint>
#include <cstdio>
#include <string>

using testing_zline::Window;

using testing_common::Hex;
using testing_common::PictureHash;

namespace {

// The grid with its ruler, load points with and without their mirror images, and moves
// with and without loss, either way along the line. The values were taken with the Tahoma
// of Debian's fonts-wine; the labels are part of the picture.
TEST(PictureChecksum, EveryPictureAsBefore) {
    if (tk::Font::Default().Family() != "Tahoma")
        GTEST_SKIP() << "the pinned pictures carry Tahoma labels, this machine draws with "
                     << tk::Font::Default().Family();
    struct Case {
        const char *rn, *xn; // nullptr: the grid as at start-up
        bool mirrors;
        const char* attenuation; // nullptr: no move
        bool towardGenerator;
        std::uint64_t hash;
    };
    const Case cases[] = {
        {nullptr, nullptr, false, nullptr, true, 0x5abac94edb329052u},
        {"50", "50", false, nullptr, true, 0x3b3e7d9fdfe048fau},
        {"50", "50", true, nullptr, true, 0x88b20533d223896fu},
        {"20", "-35", true, nullptr, true, 0x717850e3fe856e28u},
        {"50", "50", false, "2", true, 0x61da4c1e03f0fddeu},
        {"50", "50", true, "2", false, 0x5c19f7571806ac60u},
        {"20", "-35", false, "0", true, 0x73004901a7785265u},
        {"150", "0", false, "6", true, 0x6cbbbc41593ba88bu},
    };
    for (const Case& c : cases) {
        SCOPED_TRACE(c.rn ? std::string(c.rn) + (c.xn[0] == '-' ? "" : "+") + c.xn + "j" +
                                (c.mirrors ? " with mirrors" : "") +
                                (c.attenuation ? std::string(", moved with loss ") + c.attenuation +
                                                     (c.towardGenerator ? " to the generator"
                                                                        : " to the load")
                                               : "")
                          : "grid");
        Window w;
        if (c.rn) w.ShowLoad(c.rn, c.xn, c.mirrors);
        if (c.attenuation) w.Move(c.towardGenerator, "0,3", "1", c.attenuation);
        EXPECT_EQ(Hex(PictureHash(w.Picture())), Hex(c.hash));
    }
}

} // namespace
