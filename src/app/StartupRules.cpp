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

InfoRequest FindInfoRequest(const std::vector<std::string>& arguments) {
    for (const std::string& a : arguments) {
        if (a == "--help" || a == "-h") {
            return InfoRequest::Help;
        }
        if (a == "--version") {
            return InfoRequest::Version;
        }
    }
    return InfoRequest::None;
}

std::string InfoText(InfoRequest request, const std::string& version) {
    switch (request) {
        case InfoRequest::Help:
            return "Usage: corvane [-auto]\n"
                   "Configures the buttons, sensitivity, lighting and macros of the gaming mouse.\n"
                   "The window shows while a mouse is connected; otherwise Corvane waits in the\n"
                   "notification area.\n\n"
                   "  -auto      start hidden, as at log-on\n"
                   "  --help     show this text and exit\n"
                   "  --version  show the version and exit\n";
        case InfoRequest::Version:
            return "corvane " + version + "\n";
        case InfoRequest::None:
            break;
    }
    return {};
}
