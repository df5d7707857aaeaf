#pragma once

#include <functional>

class QObject;

namespace platform {
// Turns a request to end the process from outside (SIGTERM, SIGINT, SIGHUP on Linux) into a
// call on the user-interface thread, so shutdown runs its normal sequence: the worker is
// waited for and no apply is cut off half-way.
// The handler lives as long as context.
void OnQuitRequest(QObject* context, std::function<void()> handler);
}  // namespace platform
