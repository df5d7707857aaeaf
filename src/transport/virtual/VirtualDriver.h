// The virtual mouse behind the plug-in ABI: it takes feature reports as the mouse would,
// keeps what it holds in the state file, logs every report, and lets corvane-vmouse plug,
// unplug and press things on it through the control socket.
#pragma once

#include <cstdint>
#include <mutex>
#include <string>

#include "ControlServer.h"
#include "VmouseFolder.h"
#include "VmouseMemory.h"
#include "hiddriver.h"

class VirtualDriver {
public:
    // plugged: whether the mouse is there when the library loads.
    VirtualDriver(VmouseFolder folder, bool plugged);
    ~VirtualDriver();
    VirtualDriver(const VirtualDriver&) = delete;
    VirtualDriver& operator=(const VirtualDriver&) = delete;

    // CORVANE_VMOUSE_PLUGGED=1 plugs the mouse in at load.
    static bool PluggedFromEnvironment();

    std::int32_t SetVidPid(std::int32_t vendorId, std::int32_t productId);
    std::int32_t OpenDevMonitor(const hiddriver_target* target, std::int32_t eventMessage,
                                std::int32_t connectionMessage);
    std::int32_t CloseDevMonitor();
    std::int32_t OpenFeatureDevice();
    std::int32_t CloseFeatureDevice();
    std::int32_t SetFeature(const std::uint8_t* report, std::int32_t length);
    std::int32_t GetFeature(std::uint8_t* report, std::int32_t length);

    // One control command; the answer starts with "ok" or "error: ".
    std::string Command(const std::string& line);

private:
    // Both with mutex_ held.
    void SaveState();
    std::string Tag() const;

    std::string PostEvent(std::uint16_t category, std::uint16_t value);
    std::string SetPlugged(bool plugged);

    const VmouseFolder folder_;
    std::mutex mutex_;
    bool plugged_;
    bool open_ = false;
    std::int32_t productId_ = 0;
    VmouseMemory memory_;

    // Set before the server starts and cleared after it stopped: the server thread reads
    // them without the lock.
    hiddriver_target target_{};
    std::uint32_t eventMessage_ = 0;
    std::uint32_t connectionMessage_ = 0;
    ControlServer server_;
};
