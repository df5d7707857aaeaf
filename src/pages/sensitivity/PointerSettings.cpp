#include "pages/sensitivity/PointerSettings.h"

#include "data/ProfileRecord.h"

MouseAcceleration AccelerationRow(std::int32_t a) {
    static constexpr MouseAcceleration kRows[] = {
        {0, 0, 0},  {10, 0, 1}, {8, 0, 1}, {6, 0, 1}, {4, 0, 1}, {2, 0, 1},
        {2, 12, 2}, {2, 10, 2}, {2, 8, 2}, {2, 6, 2}, {2, 4, 2},
    };
    return (a >= 0 && a <= 10) ? kRows[a] : kRows[10];
}

PointerSettings PointerSettingsOf(const tagPROFILE& p) {
    return {p.pointerSpeed, AccelerationRow(p.pointerAccel)};
}
