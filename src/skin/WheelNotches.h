// Turns wheel deltas into whole notches. A mouse wheel sends 120 per notch; a touchpad sends
// many small deltas, which must add up to a notch before anything moves.
#pragma once

class WheelNotches {
public:
    // Notches completed by this delta: positive away from the user, negative towards.
    int Take(int delta);
    void Reset() { pending_ = 0; }

private:
    static constexpr int kNotch = 120;
    int pending_ = 0;
};
