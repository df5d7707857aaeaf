#include <gtest/gtest.h>

#include "data/ProfileDefaults.h"
#include "pages/sensitivity/PointerSettings.h"

namespace {

TEST(PointerSettings, AccelerationTable) {
    const struct {
        std::int32_t accel;
        MouseAcceleration row;
    } cases[] = {
        {0, {0, 0, 0}}, {1, {10, 0, 1}}, {5, {2, 0, 1}},  {6, {2, 12, 2}},
        {9, {2, 6, 2}}, {10, {2, 4, 2}}, {11, {2, 4, 2}}, {-1, {2, 4, 2}},
    };
    for (const auto& c : cases) {
        EXPECT_EQ(AccelerationRow(c.accel), c.row) << c.accel;
    }
}

TEST(PointerSettings, DefaultProfileIsSpeedTenWithoutAcceleration) {
    tagPROFILE p{};
    FillProfileDefaults(p, 0, u"P");
    const PointerSettings s = PointerSettingsOf(p);
    EXPECT_EQ(s.speed, 10);
    EXPECT_EQ(s.acceleration, (MouseAcceleration{0, 0, 0}));
    EXPECT_EQ(ToXPointerControl(s), (XPointerControl{32, 32, 0}));
}

TEST(PointerSettings, XMultiplierCombinesSpeedAndLevel) {
    const struct {
        std::int32_t speed, accel;
        XPointerControl x;
    } cases[] = {
        {1, 0, {1, 32, 0}},     {20, 0, {112, 32, 0}},  {10, 3, {64, 32, 6}},
        {10, 7, {128, 32, 10}}, {20, 10, {448, 32, 4}}, {0, 0, {1, 32, 0}},  // speed held to 1..20
        {99, 0, {112, 32, 0}},
    };
    for (const auto& c : cases) {
        EXPECT_EQ(ToXPointerControl({c.speed, AccelerationRow(c.accel)}), c.x)
            << c.speed << " " << c.accel;
    }
}

}  // namespace
