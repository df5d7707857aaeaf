#include <cstdio>
#include <string>
#include <vector>

#include "app/CConfigApp.h"
#include "app/StartupRules.h"

int main(int argc, char** argv) {
    const InfoRequest info = FindInfoRequest(std::vector<std::string>(argv + 1, argv + argc));
    if (info != InfoRequest::None) {
        std::fputs(InfoText(info, CORVANE_VERSION).c_str(), stdout);
        return 0;
    }
    CConfigApp app(argc, argv);
    return app.Run();
}
