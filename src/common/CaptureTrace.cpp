#include "common/CaptureTrace.h"

#include <cstdio>

std::string CaptureTrace::KeyLine(std::uint32_t virtualKey, std::uint32_t scanCode) {
    char line[48];
    std::snprintf(line, sizeof line, "vkcode=%x,scancode=%x\n", static_cast<unsigned>(virtualKey),
                  static_cast<unsigned>(scanCode));
    return line;
}

std::string CaptureTrace::HandleLine(std::uintptr_t handle) {
    char line[40];
    std::snprintf(line, sizeof line, "Hhook: %llx\r\n", static_cast<unsigned long long>(handle));
    return line;
}

std::string CaptureTrace::UnhookLine(bool ok) {
    return ok ? "UnHhook: Success \r\n" : "UnHhook: Fail \r\n";
}

void CaptureTrace::Key(std::uint32_t virtualKey, std::uint32_t scanCode) const {
    if (sink_) {
        Write(KeyLine(virtualKey, scanCode));
    }
}

void CaptureTrace::Handle(std::uintptr_t handle) const {
    if (sink_) {
        Write(HandleLine(handle));
    }
}

void CaptureTrace::Unhooked(bool ok) const {
    if (sink_) {
        Write(UnhookLine(ok));
    }
}

void CaptureTrace::Write(const std::string& line) const {
    sink_(line);
}
