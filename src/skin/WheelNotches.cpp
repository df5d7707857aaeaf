#include "skin/WheelNotches.h"

int WheelNotches::Take(int delta) {
    // Turning back starts a new notch: what was left over pointed the other way.
    if ((delta > 0 && pending_ < 0) || (delta < 0 && pending_ > 0)) {
        pending_ = 0;
    }
    // Bounded before adding, so no run of deltas can overflow.
    if (delta > 100 * kNotch) {
        delta = 100 * kNotch;
    } else if (delta < -100 * kNotch) {
        delta = -100 * kNotch;
    }
    pending_ += delta;
    const int notches = pending_ / kNotch;
    pending_ -= notches * kNotch;
    return notches;
}
