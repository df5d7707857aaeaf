#include "app/StartupRules.h"

#include <algorithm>
#include <cctype>

bool IsAutoStart(const std::vector<std::string>& args) {
    if (args.size() != 1) {
        return false;
    }
    static constexpr std::string_view kSwitch = "-auto";
    const std::string& a = args.front();
    return std::equal(a.begin(), a.end(), kSwitch.begin(), kSwitch.end(), [](char x, char y) {
        return std::tolower(static_cast<unsigned char>(x)) == y;
    });
}
