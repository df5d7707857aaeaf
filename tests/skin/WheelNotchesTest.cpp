#include <gtest/gtest.h>

#include <climits>
#include <vector>

#include "skin/WheelNotches.h"

namespace {

TEST(WheelNotchesTest, SmallDeltasAddUpToWholeNotches) {
    struct Case {
        const char* name;
        std::vector<int> deltas;
        std::vector<int> notches;
    };
    const Case cases[] = {
        {"mouse wheel", {120, -120, 240}, {1, -1, 2}},
        {"touchpad", {15, 15, 15, 15, 15, 15, 15, 15, 15}, {0, 0, 0, 0, 0, 0, 0, 1, 0}},
        {"turning back drops the rest", {100, -30, -90}, {0, 0, -1}},
        {"rest carries", {200, 40}, {1, 1}},
        {"end-of-gesture zero", {60, 0, 60}, {0, 0, 1}},
        {"huge deltas stay bounded", {INT_MAX, INT_MAX, INT_MIN}, {100, 100, -100}},
    };
    for (const Case& c : cases) {
        WheelNotches wheel;
        std::vector<int> got;
        for (int d : c.deltas) {
            got.push_back(wheel.Take(d));
        }
        EXPECT_EQ(got, c.notches) << c.name;
    }
}

}  // namespace
