#pragma once

#include <cstdint>
#include <functional>
#include <string>
#include <string_view>

// The debug trace lines of the keyboard capture. The sink decides where they go (a
// logging category in the program); without a sink nothing is formatted.
class CaptureTrace {
public:
    using Sink = std::function<void(std::string_view)>;

    explicit CaptureTrace(Sink sink = {}) : sink_(std::move(sink)) {}

    static std::string KeyLine(std::uint32_t virtualKey, std::uint32_t scanCode);
    static std::string HandleLine(std::uintptr_t handle);
    static std::string UnhookLine(bool ok);

    // One key stroke taken by the capture.
    void Key(std::uint32_t virtualKey, std::uint32_t scanCode) const;
    // After installing, and again before removing, with the capture's handle.
    void Handle(std::uintptr_t handle) const;
    void Unhooked(bool ok) const;

private:
    void Write(const std::string& line) const;

    Sink sink_;
};
