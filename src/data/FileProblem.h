// A record file the loader could not use, for the one warning the user gets about it.
#pragma once

#include <filesystem>
#include <optional>
#include <vector>

struct FileProblem {
    enum Kind {
        Unreadable,  // exists but cannot be read: left untouched and never saved over
        TooLarge,    // far beyond any real one: set aside unread
    };
    Kind kind = Unreadable;
    std::filesystem::path file;
    std::optional<std::filesystem::path> keptAs;  // where a set-aside file now is
};

using FileProblems = std::vector<FileProblem>;

// More records than anyone keeps: a file beyond this is damage, not a library.
inline constexpr std::uintmax_t kMaxRecordsPerFile = 10000;
