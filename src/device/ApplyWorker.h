// The thread that sends reports, so the 400 ms pauses never stall the window.
#pragma once

#include <condition_variable>
#include <deque>
#include <functional>
#include <mutex>
#include <thread>

#include "device/ApplyJob.h"

class ApplyWorker {
public:
    // Runs one job on the worker thread; returns whether the buttonChanged entries were
    // cleared. Finished is called on the worker thread after every job.
    using RunFn = std::function<bool(ApplyJob&)>;
    using FinishedFn = std::function<void(bool buttonsCleared)>;

    ApplyWorker(RunFn run, FinishedFn finished);
    ~ApplyWorker();  // Quit()

    void Post(ApplyJob job);
    // Lets the queued jobs finish, then ends the thread and waits for it without a limit:
    // reports of an OK still reach the mouse.
    void Quit();

private:
    void Loop();

    RunFn run_;
    FinishedFn finished_;
    std::mutex mutex_;
    std::condition_variable wake_;
    std::deque<ApplyJob> queue_;
    bool quit_ = false;
    std::thread thread_;
};
