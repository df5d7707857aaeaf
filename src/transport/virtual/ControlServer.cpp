#include "ControlServer.h"

#include <fcntl.h>
#include <poll.h>
#include <sys/socket.h>
#include <sys/stat.h>
#include <sys/un.h>
#include <unistd.h>

#include <cerrno>
#include <cstring>

#include "ControlChannel.h"

namespace {
constexpr std::size_t kMaxLine = 256;
constexpr int kLineTimeoutMs = 2000;
}  // namespace

bool ControlServer::Start(const std::filesystem::path& socket, Handler handler,
                          std::string* error) {
    Stop();
    sockaddr_un address{};
    if (!ControlChannel::Address(socket, &address)) {
        *error = "socket path too long: " + socket.string();
        return false;
    }
    // A socket left by a program that died is stale; one that answers belongs to a live one.
    std::string ignored;
    if (ControlChannel::Request(socket, "ping", &ignored)) {
        *error = "another program serves " + socket.string();
        return false;
    }
    unlink(socket.c_str());
    socket_ = socket;  // from here on Stop removes what bind leaves
    listenFd_ = ::socket(AF_UNIX, SOCK_STREAM | SOCK_CLOEXEC, 0);
    if (listenFd_ < 0 || bind(listenFd_, reinterpret_cast<sockaddr*>(&address), sizeof address) ||
        chmod(socket.c_str(), 0600) != 0 || listen(listenFd_, 8) != 0 ||
        pipe2(wakeFds_, O_CLOEXEC) != 0) {
        *error = "cannot serve " + socket.string() + ": " + std::strerror(errno);
        Stop();
        return false;
    }
    handler_ = std::move(handler);
    thread_ = std::thread([this] { Serve(); });
    return true;
}

void ControlServer::Stop() {
    if (thread_.joinable()) {
        const char wake = 1;
        (void)!write(wakeFds_[1], &wake, 1);
        thread_.join();
    }
    for (int* fd : {&listenFd_, &wakeFds_[0], &wakeFds_[1]}) {
        if (*fd >= 0) {
            close(*fd);
            *fd = -1;
        }
    }
    if (!socket_.empty()) {
        unlink(socket_.c_str());
        socket_.clear();
    }
    handler_ = nullptr;
}

void ControlServer::Serve() {
    for (;;) {
        pollfd fds[2] = {{listenFd_, POLLIN, 0}, {wakeFds_[0], POLLIN, 0}};
        if (poll(fds, 2, -1) < 0) {
            if (errno == EINTR) {
                continue;
            }
            return;
        }
        if (fds[1].revents != 0) {
            return;
        }
        if ((fds[0].revents & POLLIN) != 0) {
            const int client = accept4(listenFd_, nullptr, nullptr, SOCK_CLOEXEC);
            if (client >= 0) {
                Answer(client);
                close(client);
            }
        }
    }
}

void ControlServer::Answer(int client) {
    // The folder is private already; refusing other users' peers costs nothing.
    ucred peer{};
    socklen_t size = sizeof peer;
    if (getsockopt(client, SOL_SOCKET, SO_PEERCRED, &peer, &size) != 0 || peer.uid != getuid()) {
        return;
    }
    std::string line;
    char c = 0;
    while (line.size() < kMaxLine) {
        pollfd p{client, POLLIN, 0};
        if (poll(&p, 1, kLineTimeoutMs) <= 0) {
            return;
        }
        const ssize_t n = recv(client, &c, 1, 0);
        if (n < 0 && errno == EINTR) {
            continue;
        }
        if (n <= 0 || c == '\n') {
            break;
        }
        line += c;
    }
    if (line.size() >= kMaxLine) {
        return;
    }
    const std::string answer = handler_(line);
    std::size_t done = 0;
    while (done < answer.size()) {
        const ssize_t n = send(client, answer.data() + done, answer.size() - done, MSG_NOSIGNAL);
        if (n <= 0) {
            return;
        }
        done += static_cast<std::size_t>(n);
    }
}
