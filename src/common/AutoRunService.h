#pragma once

#include <filesystem>

// What starts the program at log-on; the platform layer provides it.
class AutoRunService {
public:
    virtual ~AutoRunService() = default;
    // Starts the program with "-auto" at every log-on; false when that could not be set up.
    virtual bool Register(const std::filesystem::path& program) = 0;
    // True when no log-on start is left, including when there was none.
    virtual bool Unregister() = 0;
};
