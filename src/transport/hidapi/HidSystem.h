// The seam between the plug-in's logic and the operating system's HID and hot-plug services,
// so the logic can be tested without a mouse. The real side is HidapiSystem.
#pragma once

#include <cstddef>
#include <cstdint>
#include <memory>
#include <optional>
#include <string>
#include <vector>

// One open device interface. Calls on one object never overlap: the driver serialises them.
class HidDevice {
public:
    virtual ~HidDevice() = default;
    // Bytes sent, or -1.
    virtual int SendFeature(const std::uint8_t* data, std::size_t length) = 0;
    // Bytes read into data (data[0] holds the report identifier on entry), or -1.
    virtual int GetFeature(std::uint8_t* data, std::size_t length) = 0;
    // One input report: bytes read, 0 when none came within timeoutMs, -1 on error.
    virtual int Read(std::uint8_t* data, std::size_t length, int timeoutMs) = 0;
};

// A hot-plug event of one device node (a mouse has several interfaces, each its own node).
struct HidNodeEvent {
    enum class Kind { Added, Removed };
    Kind kind;
    std::string node;  // stable name of the node, e.g. its sysfs path
    bool matches;      // Added only: the node belongs to the selected vendor and product
};

class HidMonitor {
public:
    virtual ~HidMonitor() = default;
    // Nodes of the selected device present when the monitor started.
    virtual std::vector<std::string> Present() = 0;
    // The next event, waiting at most timeoutMs (a negative timeout waits without end);
    // nullopt when none came or Wake was called.
    virtual std::optional<HidNodeEvent> Wait(int timeoutMs) = 0;
    // From any thread: the current Wait, or the next one if none is running, returns at once.
    virtual void Wake() = 0;
};

class HidSystem {
public:
    virtual ~HidSystem() = default;
    // nullptr when no such device can be opened.
    virtual std::unique_ptr<HidDevice> Open(std::uint16_t vendorId, std::uint16_t productId) = 0;
    // nullptr when hot-plug events cannot be watched on this machine.
    virtual std::unique_ptr<HidMonitor> Watch(std::uint16_t vendorId, std::uint16_t productId) = 0;
};
