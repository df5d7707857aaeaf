#include "data/RecordFile.h"

#include <atomic>
#include <fstream>
#include <memory>
#include <string>
#include <system_error>

namespace fs = std::filesystem;

namespace {

std::atomic<FileSyncHandler> g_sync{nullptr};

struct FileCloser {
    void operator()(std::FILE* f) const {
        if (f != nullptr) {
            std::fclose(f);
        }
    }
};

}  // namespace

void SetFileSyncHandler(FileSyncHandler handler) {
    g_sync = handler;
}

std::optional<std::vector<std::byte>> ReadFileBytes(const fs::path& path) {
    std::error_code ec;
    if (fs::is_directory(path, ec)) {
        return std::nullopt;
    }
    std::ifstream in(path, std::ios::binary);
    if (!in) {
        return std::nullopt;
    }
    std::vector<std::byte> bytes;
    char buffer[65536];
    while (in.read(buffer, sizeof buffer) || in.gcount() > 0) {
        const auto* b = reinterpret_cast<const std::byte*>(buffer);
        bytes.insert(bytes.end(), b, b + in.gcount());
    }
    if (in.bad()) {
        return std::nullopt;
    }
    return bytes;
}

bool WriteFileAtomic(const fs::path& path, std::span<const std::byte> bytes) {
    fs::path temp = path;
    temp += ".tmp";
    {
#ifdef _WIN32
        std::unique_ptr<std::FILE, FileCloser> f(_wfopen(temp.c_str(), L"wb"));
#else
        std::unique_ptr<std::FILE, FileCloser> f(std::fopen(temp.c_str(), "wb"));
#endif
        if (!f) {
            return false;
        }
        bool ok =
            bytes.empty() || std::fwrite(bytes.data(), 1, bytes.size(), f.get()) == bytes.size();
        ok = ok && std::fflush(f.get()) == 0;
        if (const FileSyncHandler sync = g_sync.load(); ok && sync != nullptr) {
            ok = sync(f.get());
        }
        ok = (std::fclose(f.release()) == 0) && ok;
        if (!ok) {
            std::error_code ec;
            fs::remove(temp, ec);
            return false;
        }
    }
    std::error_code ec;
    fs::rename(temp, path, ec);
    if (ec) {
        fs::remove(temp, ec);
        return false;
    }
    return true;
}

bool EnsureDirectory(const fs::path& dir) {
    std::error_code ec;
    if (fs::is_directory(dir, ec)) {
        return true;
    }
    return fs::create_directory(dir, ec) && !ec;
}

std::optional<fs::path> MoveAside(const fs::path& path) {
    std::error_code ec;
    for (int n = 0; n < 1000; ++n) {
        fs::path target = path;
        target += n == 0 ? std::string(".bad") : ".bad." + std::to_string(n);
        if (fs::exists(target, ec) || ec) {
            continue;
        }
        fs::rename(path, target, ec);
        if (ec) {
            return std::nullopt;
        }
        return target;
    }
    return std::nullopt;
}
