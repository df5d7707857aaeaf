// Serves the virtual mouse's control socket on a thread of its own: each connection carries
// one command line and gets one answer.
#pragma once

#include <atomic>
#include <filesystem>
#include <functional>
#include <string>
#include <thread>

class ControlServer {
public:
    using Handler = std::function<std::string(const std::string& line)>;

    ControlServer() = default;
    ~ControlServer() { Stop(); }
    ControlServer(const ControlServer&) = delete;
    ControlServer& operator=(const ControlServer&) = delete;

    // Binds the socket (0600) and starts serving. Fails when the path is unusable or another
    // live process already serves it.
    bool Start(const std::filesystem::path& socket, Handler handler, std::string* error);
    // Once it returns the handler is not running and is never called again.
    void Stop();
    bool Running() const { return thread_.joinable(); }

private:
    void Serve();
    void Answer(int client);

    std::filesystem::path socket_;
    Handler handler_;
    int listenFd_ = -1;
    int wakeFds_[2] = {-1, -1};
    std::thread thread_;
};
