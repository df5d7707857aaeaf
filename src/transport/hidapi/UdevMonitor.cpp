// Arrival and removal on Linux: a libudev monitor on the hidraw subsystem, woken through an
// eventfd so that the watcher can sleep without a timeout.
#include <libudev.h>
#include <poll.h>
#include <sys/eventfd.h>
#include <unistd.h>

#include <cstdio>
#include <cstring>
#include <string>

#include "HidPlatformMonitor.h"

namespace {

// True when a hidraw node sits on a HID device with the given identifiers. The parent's
// HID_ID reads "bus:vendor:product" in hex, e.g. "0003:00001D57:0000FA60".
bool NodeMatches(udev_device* hidraw, std::uint16_t vendorId, std::uint16_t productId) {
    udev_device* hid = udev_device_get_parent_with_subsystem_devtype(hidraw, "hid", nullptr);
    const char* id = hid ? udev_device_get_property_value(hid, "HID_ID") : nullptr;
    unsigned bus = 0;
    unsigned vendor = 0;
    unsigned product = 0;
    if (id == nullptr || std::sscanf(id, "%x:%x:%x", &bus, &vendor, &product) != 3) {
        return false;
    }
    return vendor == vendorId && product == productId;
}

class UdevMonitor : public HidMonitor {
public:
    UdevMonitor(udev* context, udev_monitor* monitor, std::uint16_t vendorId,
                std::uint16_t productId)
        : udev_(context),
          monitor_(monitor),
          vendorId_(vendorId),
          productId_(productId),
          wakeFd_(eventfd(0, EFD_CLOEXEC | EFD_NONBLOCK)) {}
    ~UdevMonitor() override {
        if (wakeFd_ >= 0) {
            close(wakeFd_);
        }
        udev_monitor_unref(monitor_);
        udev_unref(udev_);
    }

    std::vector<std::string> Present() override {
        std::vector<std::string> nodes;
        udev_enumerate* list = udev_enumerate_new(udev_);
        if (list == nullptr) {
            return nodes;
        }
        udev_enumerate_add_match_subsystem(list, "hidraw");
        udev_enumerate_scan_devices(list);
        udev_list_entry* entry = nullptr;
        udev_list_entry_foreach(entry, udev_enumerate_get_list_entry(list)) {
            const char* path = udev_list_entry_get_name(entry);
            udev_device* dev = udev_device_new_from_syspath(udev_, path);
            if (dev != nullptr) {
                if (NodeMatches(dev, vendorId_, productId_)) {
                    nodes.emplace_back(path);
                }
                udev_device_unref(dev);
            }
        }
        udev_enumerate_unref(list);
        return nodes;
    }

    std::optional<HidNodeEvent> Wait(int timeoutMs) override {
        // Without a wake descriptor an endless wait could never be cut short.
        if (timeoutMs < 0 && wakeFd_ < 0) {
            timeoutMs = kNoWakeFdMs;
        }
        pollfd fds[2] = {{udev_monitor_get_fd(monitor_), POLLIN, 0}, {wakeFd_, POLLIN, 0}};
        if (poll(fds, wakeFd_ >= 0 ? 2 : 1, timeoutMs) <= 0) {
            return std::nullopt;
        }
        if (wakeFd_ >= 0 && (fds[1].revents & POLLIN) != 0) {
            eventfd_t count = 0;
            eventfd_read(wakeFd_, &count);
            return std::nullopt;
        }
        if ((fds[0].revents & POLLIN) == 0) {
            return std::nullopt;
        }
        udev_device* dev = udev_monitor_receive_device(monitor_);
        if (dev == nullptr) {
            return std::nullopt;
        }
        std::optional<HidNodeEvent> event;
        const char* action = udev_device_get_action(dev);
        const char* path = udev_device_get_syspath(dev);
        if (action != nullptr && path != nullptr) {
            if (std::strcmp(action, "add") == 0) {
                event = HidNodeEvent{HidNodeEvent::Kind::Added, path,
                                     NodeMatches(dev, vendorId_, productId_)};
            } else if (std::strcmp(action, "remove") == 0) {
                // The parent is gone by now; the driver knows which nodes were ours.
                event = HidNodeEvent{HidNodeEvent::Kind::Removed, path, false};
            }
        }
        udev_device_unref(dev);
        return event;
    }

    void Wake() override {
        if (wakeFd_ >= 0) {
            eventfd_write(wakeFd_, 1);
        }
    }

private:
    static constexpr int kNoWakeFdMs = 50;
    udev* udev_;
    udev_monitor* monitor_;
    std::uint16_t vendorId_;
    std::uint16_t productId_;
    int wakeFd_;
};

}  // namespace

std::unique_ptr<HidMonitor> WatchHidDevices(std::uint16_t vendorId, std::uint16_t productId) {
    udev* context = udev_new();
    if (context == nullptr) {
        return nullptr;
    }
    udev_monitor* monitor = udev_monitor_new_from_netlink(context, "udev");
    if (monitor == nullptr ||
        udev_monitor_filter_add_match_subsystem_devtype(monitor, "hidraw", nullptr) < 0 ||
        udev_monitor_enable_receiving(monitor) < 0) {
        if (monitor != nullptr) {
            udev_monitor_unref(monitor);
        }
        udev_unref(context);
        return nullptr;
    }
    return std::make_unique<UdevMonitor>(context, monitor, vendorId, productId);
}
