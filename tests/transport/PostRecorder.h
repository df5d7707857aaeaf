// A notification target for tests: records every posted message, from any thread.
#pragma once

#include <chrono>
#include <condition_variable>
#include <cstdint>
#include <mutex>
#include <vector>

#include "hiddriver.h"

struct PostedMessage {
    std::uint32_t message;
    std::uintptr_t wParam;
    std::intptr_t lParam;
    bool operator==(const PostedMessage&) const = default;
};

class PostRecorder {
public:
    hiddriver_target Target() { return hiddriver_target{this, &PostRecorder::Post}; }

    std::vector<PostedMessage> Messages() {
        std::lock_guard lock(mutex_);
        return messages_;
    }

    // Waits until count messages have arrived; false after a generous timeout.
    bool WaitFor(std::size_t count) {
        std::unique_lock lock(mutex_);
        return arrived_.wait_for(lock, std::chrono::seconds(5),
                                 [&] { return messages_.size() >= count; });
    }

private:
    static void HIDDRIVER_CALL Post(void* context, std::uint32_t message, std::uintptr_t wParam,
                                    std::intptr_t lParam) {
        auto* self = static_cast<PostRecorder*>(context);
        {
            std::lock_guard lock(self->mutex_);
            self->messages_.push_back({message, wParam, lParam});
        }
        self->arrived_.notify_all();
    }

    std::mutex mutex_;
    std::condition_variable arrived_;
    std::vector<PostedMessage> messages_;
};
