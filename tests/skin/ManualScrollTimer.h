// Scroll-bar timers on a clock the test moves by hand.
#pragma once

#include <map>

#include "skin/ScrollTimer.h"

class ManualScrollTimer : public ScrollTimer {
public:
    void Start(int id, int intervalMs) override { timers_[id] = {now_ + intervalMs, intervalMs}; }
    void Stop(int id) override { timers_.erase(id); }
    bool Running(int id) const { return timers_.count(id) != 0; }

    // Fires every expiry up to now + ms in time order, as the event loop would.
    void Advance(int ms) {
        const int end = now_ + ms;
        for (;;) {
            auto next = timers_.end();
            for (auto it = timers_.begin(); it != timers_.end(); ++it) {
                if (it->second.due <= end &&
                    (next == timers_.end() || it->second.due < next->second.due)) {
                    next = it;
                }
            }
            if (next == timers_.end()) {
                break;
            }
            now_ = next->second.due;
            next->second.due += next->second.interval;
            Fire(next->first);
        }
        now_ = end;
    }

private:
    struct Entry {
        int due;
        int interval;
    };
    std::map<int, Entry> timers_;
    int now_ = 0;
};
