// The texts of the two warnings about files: what the loads could not use, and the programs
// an imported profile would launch. Each fits the warning dialog's buffer and names every
// file or program, shortening long paths in the middle rather than dropping any.
#pragma once

#include <string>
#include <string_view>
#include <vector>

#include "data/FileProblem.h"

struct FileNoticeTexts {
    std::u16string unreadable;  // lead line for files that exist but cannot be read
    std::u16string setAside;    // lead line for files set aside unread
    std::u16string keptAs;      // before the name a set-aside file now has
};

// Empty when there is nothing to tell.
std::u16string LoadProblemText(const FileProblems& problems, const FileNoticeTexts& texts);

std::u16string ProgramImportText(std::u16string_view lead,
                                 const std::vector<std::u16string>& programs,
                                 std::u16string_view question);

// A path for a person to read, in the program's own text form.
std::u16string PathText(const std::filesystem::path& path);
