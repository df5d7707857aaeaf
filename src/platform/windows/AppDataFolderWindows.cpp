#include <shlobj.h>
#include <windows.h>

#include "platform/AppDataFolder.h"

namespace platform {

std::optional<std::filesystem::path> ApplicationDataFolder() {
    wchar_t path[MAX_PATH] = {};
    if (FAILED(SHGetFolderPathW(nullptr, CSIDL_APPDATA | CSIDL_FLAG_CREATE, nullptr,
                                SHGFP_TYPE_CURRENT, path))) {
        return std::nullopt;
    }
    return std::filesystem::path(path);
}

}  // namespace platform
