#include <windows.h>

#include <string>

#include "platform/AutoRunRegistration.h"

namespace platform {

namespace {

constexpr wchar_t kRunKey[] = L"SOFTWARE\\Microsoft\\Windows\\CurrentVersion\\Run";
constexpr wchar_t kValueName[] = L"Corvane_Gaming_Mouse";

class RunKey {
public:
    RunKey() {
        if (RegOpenKeyExW(HKEY_LOCAL_MACHINE, kRunKey, 0, KEY_ALL_ACCESS, &key_) != ERROR_SUCCESS) {
            key_ = nullptr;
        }
    }
    ~RunKey() {
        if (key_ != nullptr) {
            RegCloseKey(key_);
        }
    }
    RunKey(const RunKey&) = delete;
    RunKey& operator=(const RunKey&) = delete;

    HKEY Get() const { return key_; }

private:
    HKEY key_ = nullptr;
};

}  // namespace

bool AutoRunRegistration::Register(const std::filesystem::path& program) {
    RunKey run;
    if (run.Get() == nullptr) {
        return false;  // without administrator rights the machine key stays closed
    }
    // Quoted: an unquoted path with a blank would let Windows try "C:\Program.exe" first.
    const std::wstring data = L"\"" + program.wstring() + L"\" -auto";
    const auto bytes = static_cast<DWORD>((data.size() + 1) * sizeof(wchar_t));
    return RegSetValueExW(run.Get(), kValueName, 0, REG_SZ,
                          reinterpret_cast<const BYTE*>(data.c_str()), bytes) == ERROR_SUCCESS;
}

bool AutoRunRegistration::Unregister() {
    RunKey run;
    if (run.Get() == nullptr) {
        return false;
    }
    const LSTATUS status = RegDeleteValueW(run.Get(), kValueName);
    return status == ERROR_SUCCESS || status == ERROR_FILE_NOT_FOUND;
}

}  // namespace platform
