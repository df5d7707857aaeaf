#include "common/DesktopPointer.h"

XPointerControl ToXPointerControl(const PointerSettings& s) {
    // The desktop of origin's speed factors in 32nds: 1/32 at speed 1 up to 3.5 at 20.
    static constexpr std::int32_t kSpeed32[20] = {1,  2,  4,  8,  12, 16, 20, 24, 28,  32,
                                                  40, 48, 56, 64, 72, 80, 88, 96, 104, 112};
    const std::int32_t speed = s.speed < 1 ? 1 : s.speed > 20 ? 20 : s.speed;
    const std::int32_t level = s.acceleration.level;
    const std::int32_t factor = level <= 0 ? 1 : level == 1 ? 2 : 4;
    const std::int32_t threshold = level <= 0   ? 0
                                   : level == 1 ? s.acceleration.firstThreshold
                                                : s.acceleration.secondThreshold;
    return {kSpeed32[speed - 1] * factor, 32, threshold};
}
