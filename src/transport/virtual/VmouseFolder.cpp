#include "VmouseFolder.h"

#include <fcntl.h>
#include <signal.h>
#include <sys/stat.h>
#include <unistd.h>

#include <atomic>
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

namespace {

constexpr const char* kTempMark = ".tmp";

// <file>.tmp<pid>-<n>: the pid says whether its writer can still finish it.
std::filesystem::path TempName(const std::filesystem::path& path) {
    static std::atomic<unsigned> counter{0};
    std::filesystem::path temp = path;
    temp += kTempMark + std::to_string(getpid()) + "-" + std::to_string(counter++);
    return temp;
}

// Temporaries of this file whose writer has died (a process killed mid-save) are removed;
// a live writer's, ours included, are left to finish.
void RemoveOrphanedTemps(const std::filesystem::path& path) {
    const std::string prefix = path.filename().string() + kTempMark;
    std::error_code ec;
    for (std::filesystem::directory_iterator it(path.parent_path(), ec), end; !ec && it != end;
         it.increment(ec)) {
        const std::string name = it->path().filename().string();
        if (name.compare(0, prefix.size(), prefix) != 0) {
            continue;
        }
        char* rest = nullptr;
        const long pid = std::strtol(name.c_str() + prefix.size(), &rest, 10);
        const bool dead = pid > 0 && (kill(static_cast<pid_t>(pid), 0) != 0 && errno == ESRCH);
        if (rest != name.c_str() + prefix.size() && (*rest == '-' || *rest == 0) && dead) {
            unlink(it->path().c_str());
        }
    }
}

}  // namespace

bool VmouseFolder::WriteAtomic(const std::filesystem::path& path, const std::string& bytes) {
    RemoveOrphanedTemps(path);
    // Exclusive and not through a link: a name planted in the folder is never written to.
    std::filesystem::path temp;
    int fd = -1;
    for (int attempt = 0; attempt < 16 && fd < 0; ++attempt) {
        temp = TempName(path);
        fd = open(temp.c_str(), O_WRONLY | O_CREAT | O_EXCL | O_NOFOLLOW | O_CLOEXEC, 0600);
        if (fd < 0 && errno != EEXIST) {
            return false;
        }
    }
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
