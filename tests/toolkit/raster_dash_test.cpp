#include "toolkit/RasterDash.h"

#include <gtest/gtest.h>

#include <cstdint>

using namespace tk::raster;

// 18 on, 6 off, from any starting number.
TEST(RasterDash, CounterRunsEighteenOnSixOff) {
    for (std::int64_t index : {0, 17, 18, 23, 24, 1000003}) {
        DashCounter dash(index);
        for (std::int64_t k = 0; k < 60; ++k, dash.Next())
            ASSERT_EQ(dash.On(), (index + k) % 24 < 18) << index << " + " << k;
    }
}
