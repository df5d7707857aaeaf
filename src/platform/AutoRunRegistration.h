#pragma once

#include <filesystem>

#include "common/AutoRunService.h"

namespace platform {

// Linux: the XDG autostart entry corvane.desktop under $XDG_CONFIG_HOME/autostart
// (~/.config/autostart when unset). Windows: the value "Corvane_Gaming_Mouse" of the
// machine's Run key.
class AutoRunRegistration : public AutoRunService {
public:
    bool Register(const std::filesystem::path& program) override;
    bool Unregister() override;
};

}  // namespace platform
