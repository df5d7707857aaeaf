#include "ControlChannel.h"

#include <poll.h>
#include <sys/socket.h>
#include <sys/un.h>
#include <unistd.h>

#include <cerrno>
#include <cstring>

namespace {
constexpr int kAnswerTimeoutMs = 5000;
}

bool ControlChannel::Address(const std::filesystem::path& socket, void* sockaddrUn) {
    auto* address = static_cast<sockaddr_un*>(sockaddrUn);
    std::memset(address, 0, sizeof *address);
    address->sun_family = AF_UNIX;
    const std::string& path = socket.native();
    if (path.size() >= sizeof address->sun_path) {
        return false;
    }
    std::memcpy(address->sun_path, path.c_str(), path.size() + 1);
    return true;
}

std::optional<std::string> ControlChannel::Request(const std::filesystem::path& socket,
                                                   const std::string& line, std::string* error) {
    sockaddr_un address{};
    if (!Address(socket, &address)) {
        *error = "socket path too long: " + socket.string();
        return std::nullopt;
    }
    const int fd = ::socket(AF_UNIX, SOCK_STREAM | SOCK_CLOEXEC, 0);
    if (fd < 0) {
        *error = std::strerror(errno);
        return std::nullopt;
    }
    if (connect(fd, reinterpret_cast<sockaddr*>(&address), sizeof address) != 0) {
        *error = std::strerror(errno);
        close(fd);
        return std::nullopt;
    }
    const std::string request = line + "\n";
    if (send(fd, request.data(), request.size(), MSG_NOSIGNAL) !=
        static_cast<ssize_t>(request.size())) {
        *error = std::strerror(errno);
        close(fd);
        return std::nullopt;
    }
    std::string answer;
    char buffer[4096];
    for (;;) {
        pollfd p{fd, POLLIN, 0};
        if (poll(&p, 1, kAnswerTimeoutMs) <= 0) {
            *error = "no answer from the virtual mouse";
            close(fd);
            return std::nullopt;
        }
        const ssize_t n = recv(fd, buffer, sizeof buffer, 0);
        if (n < 0 && errno == EINTR) {
            continue;
        }
        if (n <= 0) {
            break;
        }
        answer.append(buffer, static_cast<std::size_t>(n));
    }
    close(fd);
    return answer;
}
