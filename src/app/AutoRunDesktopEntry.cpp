#include "app/AutoRunDesktopEntry.h"

std::filesystem::path LaunchPath(const std::filesystem::path& program) {
    namespace fs = std::filesystem;
    // <prefix>/lib/corvane/corvane and <prefix>/lib/<multiarch>/corvane/corvane.
    fs::path up = program.parent_path().parent_path();
    for (int depth = 0; depth < 2 && !up.empty(); ++depth, up = up.parent_path()) {
        const fs::path link = up.parent_path() / "bin" / program.filename();
        std::error_code error;
        if (fs::equivalent(link, program, error) && !error) {
            return link;
        }
    }
    return program;
}
