#include "device/ApplyWorker.h"

ApplyWorker::ApplyWorker(RunFn run, FinishedFn finished)
    : run_(std::move(run)), finished_(std::move(finished)), thread_([this] { Loop(); }) {}

ApplyWorker::~ApplyWorker() {
    Quit();
}

void ApplyWorker::Post(ApplyJob job) {
    {
        std::lock_guard lock(mutex_);
        queue_.push_back(std::move(job));
    }
    wake_.notify_one();
}

void ApplyWorker::Quit() {
    {
        std::lock_guard lock(mutex_);
        quit_ = true;
    }
    wake_.notify_one();
    if (thread_.joinable()) {
        thread_.join();
    }
}

void ApplyWorker::Loop() {
    for (;;) {
        ApplyJob job;
        {
            std::unique_lock lock(mutex_);
            wake_.wait(lock, [this] { return quit_ || !queue_.empty(); });
            if (queue_.empty()) {
                return;
            }
            job = std::move(queue_.front());
            queue_.pop_front();
        }
        const bool cleared = run_(job);
        finished_(cleared);
    }
}
