#include <signal.h>
#include <sys/socket.h>
#include <unistd.h>

#include <QSocketNotifier>

#include "platform/QuitSignals.h"

namespace platform {

namespace {
int g_pipe[2] = {-1, -1};

void Forward(int) {
    const char c = 1;
    // Only async-signal-safe calls here; the notifier does the rest.
    [[maybe_unused]] const auto n = ::write(g_pipe[0], &c, 1);
}
}  // namespace

void OnQuitRequest(QObject* context, std::function<void()> handler) {
    if (g_pipe[0] < 0 && ::socketpair(AF_UNIX, SOCK_STREAM, 0, g_pipe) != 0) {
        return;
    }
    auto* notifier = new QSocketNotifier(g_pipe[1], QSocketNotifier::Read, context);
    QObject::connect(notifier, &QSocketNotifier::activated, notifier,
                     [handler = std::move(handler)] {
                         char c;
                         [[maybe_unused]] const auto n = ::read(g_pipe[1], &c, 1);
                         handler();
                     });
    struct sigaction sa {};
    sa.sa_handler = Forward;
    sigemptyset(&sa.sa_mask);
    sa.sa_flags = SA_RESTART;
    for (int s : {SIGTERM, SIGINT, SIGHUP}) {
        sigaction(s, &sa, nullptr);
    }
}

}  // namespace platform
