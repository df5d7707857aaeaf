// The client side of the virtual mouse's control socket: one command line out, the answer
// back, then the connection closes.
#pragma once

#include <filesystem>
#include <optional>
#include <string>

class ControlChannel {
public:
    // The answer, or nullopt when nothing serves the socket (no program has the virtual
    // mouse loaded); error then says why.
    static std::optional<std::string> Request(const std::filesystem::path& socket,
                                              const std::string& line, std::string* error);

    // Fills a socket address; false when the path does not fit one.
    static bool Address(const std::filesystem::path& socket, void* sockaddrUn);
};
