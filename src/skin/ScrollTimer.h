// The timers of a held scroll-bar part, behind an interface so that tests drive time
// themselves and never wait.
#pragma once

#include <functional>

class ScrollTimer {
public:
    virtual ~ScrollTimer() = default;
    // Starts (or restarts) the repeating timer `id`; every expiry calls the handler with it.
    virtual void Start(int id, int intervalMs) = 0;
    virtual void Stop(int id) = 0;
    void SetHandler(std::function<void(int id)> handler) { handler_ = std::move(handler); }

protected:
    void Fire(int id) {
        if (handler_) {
            handler_(id);
        }
    }

private:
    std::function<void(int id)> handler_;
};
