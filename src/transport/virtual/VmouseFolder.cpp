#include "VmouseFolder.h"

#include <fcntl.h>
#include <sys/stat.h>
#include <unistd.h>

#include <cerrno>
#include <cstdlib>
#include <cstring>
#include <fstream>
#include <sstream>

VmouseFolder VmouseFolder::FromEnvironment() {
    if (const char* dir = std::getenv("CORVANE_VMOUSE_DIR"); dir != nullptr && *dir != 0) {
        return VmouseFolder(dir);
    }
    if (const char* run = std::getenv("XDG_RUNTIME_DIR"); run != nullptr && *run != 0) {
        return VmouseFolder(std::filesystem::path(run) / "corvane-vmouse");
    }
    const char* home = std::getenv("HOME");
    const std::filesystem::path base = home != nullptr && *home != 0 ? home : "/tmp";
    return VmouseFolder(base / ".cache" / "corvane-vmouse");
}

bool VmouseFolder::Prepare(std::string* error) const {
    std::error_code ec;
    std::filesystem::create_directories(dir_.parent_path(), ec);
    if (mkdir(dir_.c_str(), 0700) != 0 && errno != EEXIST) {
        *error = "cannot create " + dir_.string() + ": " + std::strerror(errno);
        return false;
    }
    struct stat st {};
    if (lstat(dir_.c_str(), &st) != 0 || !S_ISDIR(st.st_mode) || st.st_uid != getuid()) {
        *error = dir_.string() + " is not a folder of this user";
        return false;
    }
    if ((st.st_mode & 077) != 0 && chmod(dir_.c_str(), 0700) != 0) {
        *error = "cannot make " + dir_.string() + " private: " + std::strerror(errno);
        return false;
    }
    return true;
}

bool VmouseFolder::WriteAtomic(const std::filesystem::path& path, const std::string& bytes) {
    std::filesystem::path temp = path;
    temp += ".tmp" + std::to_string(getpid());
    const int fd = open(temp.c_str(), O_WRONLY | O_CREAT | O_TRUNC | O_CLOEXEC, 0600);
    if (fd < 0) {
        return false;
    }
    std::size_t done = 0;
    while (done < bytes.size()) {
        const ssize_t n = write(fd, bytes.data() + done, bytes.size() - done);
        if (n < 0 && errno == EINTR) {
            continue;
        }
        if (n <= 0) {
            break;
        }
        done += static_cast<std::size_t>(n);
    }
    const bool ok = done == bytes.size() && fsync(fd) == 0;
    if (close(fd) != 0 || !ok || rename(temp.c_str(), path.c_str()) != 0) {
        unlink(temp.c_str());
        return false;
    }
    return true;
}

bool VmouseFolder::AppendLine(const std::filesystem::path& path, const std::string& line) {
    const int fd = open(path.c_str(), O_WRONLY | O_CREAT | O_APPEND | O_CLOEXEC, 0600);
    if (fd < 0) {
        return false;
    }
    const std::string text = line + "\n";
    const bool ok = write(fd, text.data(), text.size()) == static_cast<ssize_t>(text.size());
    return close(fd) == 0 && ok;
}

std::optional<std::string> VmouseFolder::ReadText(const std::filesystem::path& path) {
    std::ifstream in(path, std::ios::binary);
    if (!in) {
        return std::nullopt;
    }
    std::ostringstream text;
    text << in.rdbuf();
    return text.str();
}
