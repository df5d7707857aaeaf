#include "VirtualDriver.h"

#include <cstdio>
#include <cstdlib>
#include <sstream>
#include <utility>

namespace {
constexpr std::int32_t kVariant1Product = 0xFA60;
constexpr std::int32_t kVariant2Product = 0xFA61;

// A number the device could carry in its 16-bit event value.
bool ParseValue(const std::string& text, unsigned max, unsigned* value) {
    if (text.empty() || text.size() > 5 || text.find_first_not_of("0123456789") != text.npos) {
        return false;
    }
    *value = static_cast<unsigned>(std::stoul(text));
    return *value <= max;
}
}  // namespace

VirtualDriver::VirtualDriver(VmouseFolder folder, bool plugged)
    : folder_(std::move(folder)), plugged_(plugged) {
    // A mouse keeps its configuration while the program is away.
    if (auto image = VmouseFolder::ReadText(folder_.MemoryFile())) {
        const auto* bytes = reinterpret_cast<const std::uint8_t*>(image->data());
        memory_.Deserialize(std::span(bytes, image->size()));
    }
}

VirtualDriver::~VirtualDriver() {
    CloseDevMonitor();
}

bool VirtualDriver::PluggedFromEnvironment() {
    const char* value = std::getenv("CORVANE_VMOUSE_PLUGGED");
    return value != nullptr && std::string(value) == "1";
}

std::int32_t VirtualDriver::SetVidPid(std::int32_t, std::int32_t productId) {
    std::lock_guard lock(mutex_);
    productId_ = productId;
    return 1;
}

std::int32_t VirtualDriver::OpenDevMonitor(const hiddriver_target* target,
                                           std::int32_t eventMessage,
                                           std::int32_t connectionMessage) {
    if (target == nullptr || target->post == nullptr) {
        return 0;
    }
    CloseDevMonitor();
    target_ = *target;
    eventMessage_ = static_cast<std::uint32_t>(eventMessage);
    connectionMessage_ = static_cast<std::uint32_t>(connectionMessage);
    std::string error;
    if (!folder_.Prepare(&error) ||
        !server_.Start(
            folder_.Socket(), [this](const std::string& line) { return Command(line); }, &error)) {
        // Without the channel the mouse still works; it just cannot be plugged or pressed.
        std::fprintf(stderr, "hiddriver_virtual: %s\n", error.c_str());
    }
    std::lock_guard lock(mutex_);
    SaveState();
    return 1;
}

std::int32_t VirtualDriver::CloseDevMonitor() {
    server_.Stop();
    target_ = {};
    return 1;
}

std::int32_t VirtualDriver::OpenFeatureDevice() {
    std::lock_guard lock(mutex_);
    open_ = plugged_;
    return open_ ? 1 : 0;
}

std::int32_t VirtualDriver::CloseFeatureDevice() {
    std::lock_guard lock(mutex_);
    open_ = false;
    return 1;
}

std::int32_t VirtualDriver::SetFeature(const std::uint8_t* report, std::int32_t length) {
    if (report == nullptr || length <= 0) {
        return 0;
    }
    std::lock_guard lock(mutex_);
    std::string line = Tag();
    char hex[4];
    for (std::int32_t i = 0; i < length; ++i) {
        std::snprintf(hex, sizeof hex, " %02x", report[i]);
        line += hex;
    }
    std::int32_t result = 0;
    if (!plugged_) {
        line += " # failed: unplugged";
    } else if (!open_) {
        line += " # failed: not open";
    } else {
        const auto verdict = memory_.Take(std::span(report, static_cast<std::size_t>(length)));
        if (verdict == VmouseMemory::Verdict::Accepted) {
            result = 1;
        } else {
            line += std::string(" # ") + VmouseMemory::VerdictText(verdict);
        }
    }
    VmouseFolder::AppendLine(folder_.LogFile(), line);
    if (result != 0) {
        SaveState();
    }
    return result;
}

std::int32_t VirtualDriver::GetFeature(std::uint8_t*, std::int32_t) {
    return 0;  // the program never reads reports back
}

std::string VirtualDriver::Tag() const {
    return productId_ == kVariant1Product ? "v1" : productId_ == kVariant2Product ? "v2" : "v?";
}

void VirtualDriver::SaveState() {
    std::string ignored;  // a folder that cannot be made shows as failed writes below
    folder_.Prepare(&ignored);
    VmouseFolder::WriteAtomic(folder_.StateFile(), memory_.ToJson(plugged_));
    const auto image = memory_.Serialize();
    VmouseFolder::WriteAtomic(folder_.MemoryFile(), std::string(image.begin(), image.end()));
}

std::string VirtualDriver::SetPlugged(bool plugged) {
    bool repeated = false;
    {
        std::lock_guard lock(mutex_);
        repeated = plugged_ == plugged;
        if (!repeated) {
            plugged_ = plugged;
            open_ = false;  // a device that went away needs opening again
            SaveState();
        }
    }
    // A repeat is announced again, as a device monitor may do, so the program's handling of
    // repeated notices can be tried.
    target_.post(target_.context, connectionMessage_, plugged ? 1 : 0, 0);
    return std::string("ok\n") + (repeated ? "already " : "") +
           (plugged ? "plugged" : "unplugged") + "\n";
}

std::string VirtualDriver::PostEvent(std::uint16_t category, std::uint16_t value) {
    {
        std::lock_guard lock(mutex_);
        if (!plugged_) {
            return "error: the mouse is unplugged\n";
        }
        if (category == HIDDRIVER_EVENT_LEVEL) {
            memory_.SetActiveLevel(value);
            SaveState();
        }
    }
    target_.post(target_.context, eventMessage_, category, value);
    char text[48];
    std::snprintf(text, sizeof text, "ok\nevent 0x%04x %u\n", category, value);
    return text;
}

std::string VirtualDriver::Command(const std::string& line) {
    std::istringstream words(line);
    std::string command;
    std::string argument;
    std::string extra;
    words >> command >> argument >> extra;
    if (!extra.empty()) {
        return "error: too many words\n";
    }
    const bool numbered = command == "level" || command == "rate" || command == "button";
    if (numbered != !argument.empty()) {
        return "error: usage: plug | unplug | level N | rate N | button N | show | state | log "
               "| reset\n";
    }
    unsigned value = 0;
    if (command == "ping") {
        return "ok\n";
    } else if (command == "plug" || command == "unplug") {
        return SetPlugged(command == "plug");
    } else if (command == "level" || command == "rate") {
        // Any 16-bit value goes out, so the program's handling of odd values can be tried.
        if (!ParseValue(argument, 0xFFFF, &value)) {
            return "error: " + command + " takes a number 0..65535\n";
        }
        return PostEvent(command == "level" ? HIDDRIVER_EVENT_LEVEL : HIDDRIVER_EVENT_RATE,
                         static_cast<std::uint16_t>(value));
    } else if (command == "button") {
        if (!ParseValue(argument, 0xFF, &value)) {
            return "error: button takes a number 0..255\n";
        }
        return PostEvent(HIDDRIVER_EVENT_BUTTON, static_cast<std::uint16_t>(value | 0x100));
    } else if (command == "show") {
        return PostEvent(HIDDRIVER_EVENT_SHOW, 0);
    }
    std::lock_guard lock(mutex_);
    if (command == "state") {
        return "ok\n" + memory_.ToJson(plugged_);
    } else if (command == "log") {
        return "ok\n" + VmouseFolder::ReadText(folder_.LogFile()).value_or("");
    } else if (command == "reset") {
        memory_.Clear();
        VmouseFolder::WriteAtomic(folder_.LogFile(), "");
        SaveState();
        return "ok\nreset\n";
    }
    return "error: unknown command '" + command + "'\n";
}
