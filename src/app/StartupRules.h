#pragma once

#include <string>
#include <vector>

// Exactly one argument equal to "-auto", in any case, starts hidden; anything else is a
// normal start.
bool IsAutoStart(const std::vector<std::string>& argumentsAfterProgram);

// "--help" / "-h" and "--version" are answered on standard output before the program takes its
// lock or touches a per-user file; every other argument keeps its meaning (or none).
enum class InfoRequest { None, Help, Version };
InfoRequest FindInfoRequest(const std::vector<std::string>& argumentsAfterProgram);
std::string InfoText(InfoRequest request, const std::string& version);

// Whether the main window hides itself after a paint: always while no mouse has been
// connected since start-up, and on the first paint of an autorun start.
class VisibilityRule {
public:
    explicit VisibilityRule(bool autoStart) : autoStart_(autoStart) {}

    bool HideAfterPaint(bool anyVariantEverConnected) {
        const bool first = !painted_;
        painted_ = true;
        return !anyVariantEverConnected || (autoStart_ && first);
    }

private:
    bool autoStart_;
    bool painted_ = false;
};
