#include "data/RecordFile.h"

#include <atomic>
#include <cerrno>
#include <fstream>
#include <memory>
#include <mutex>
#include <random>
#include <string>
#include <string_view>
#include <system_error>

namespace fs = std::filesystem;

namespace {

std::atomic<FileSyncHandler> g_sync{nullptr};
std::atomic<FileReader> g_reader{nullptr};

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

void SetFileReader(FileReader reader) {
    g_reader = reader;
}

namespace {

FileBytes ReadWhole(const fs::path& path, std::uintmax_t maxBytes) {
    std::error_code ec;
    const fs::file_status status = fs::status(path, ec);
    if (status.type() == fs::file_type::not_found) {
        return {ReadStatus::Missing, {}};
    }
    // Opening a FIFO would wait for a writer for ever; a folder has no bytes to give.
    if (ec || status.type() != fs::file_type::regular) {
        return {ReadStatus::Unreadable, {}};
    }
    const std::uintmax_t size = fs::file_size(path, ec);
    if (!ec && size > maxBytes) {
        return {ReadStatus::TooLarge, {}};
    }
    std::ifstream in(path, std::ios::binary);
    if (!in) {
        return {ReadStatus::Unreadable, {}};
    }
    FileBytes result{ReadStatus::Read, {}};
    if (!ec) {
        result.bytes.reserve(static_cast<std::size_t>(size));
    }
    char buffer[65536];
    while (in.read(buffer, sizeof buffer) || in.gcount() > 0) {
        const auto* b = reinterpret_cast<const std::byte*>(buffer);
        result.bytes.insert(result.bytes.end(), b, b + in.gcount());
        if (result.bytes.size() > maxBytes) {  // it grew while we read
            return {ReadStatus::TooLarge, {}};
        }
    }
    if (in.bad()) {
        return {ReadStatus::Unreadable, {}};
    }
    return result;
}

constexpr std::string_view kTempMark = ".tmp";

std::string FreshSuffix() {
    static std::mutex mutex;
    static std::mt19937_64 generator{std::random_device{}()};
    std::lock_guard lock(mutex);
    char text[24];
    std::snprintf(text, sizeof text, "-%016llx",
                  static_cast<unsigned long long>(generator()));
    return text;
}

// Creates the file only when nothing at all is at that name; a link there is not followed.
std::FILE* CreateExclusive(const fs::path& path) {
#ifdef _WIN32
    // The older runtimes know no exclusive mode; links need privileges there, and the name
    // is fresh, so a check before the open is what stands in for it.
    std::error_code ec;
    if (fs::symlink_status(path, ec).type() != fs::file_type::not_found) {
        errno = EEXIST;
        return nullptr;
    }
    return _wfopen(path.c_str(), L"wb");
#else
    return std::fopen(path.c_str(), "wbx");
#endif
}

}  // namespace

FileBytes ReadRegularFile(const fs::path& path, std::uintmax_t maxBytes) {
    if (const FileReader reader = g_reader.load(); reader != nullptr) {
        return reader(path, maxBytes);
    }
    return ReadWhole(path, maxBytes);
}

std::optional<std::vector<std::byte>> ReadFileBytes(const fs::path& path) {
    FileBytes r = ReadRegularFile(path);
    if (r.status != ReadStatus::Read) {
        return std::nullopt;
    }
    return std::move(r.bytes);
}

bool WriteFileAtomic(const fs::path& path, std::span<const std::byte> bytes) {
    fs::path temp;
    std::unique_ptr<std::FILE, FileCloser> f;
    for (int attempt = 0; attempt < 16 && !f; ++attempt) {
        temp = path;
        temp += std::string(kTempMark) + FreshSuffix();
        errno = 0;
        f.reset(CreateExclusive(temp));
        if (!f && errno != EEXIST) {
            return false;
        }
    }
    if (!f) {
        return false;
    }
    bool ok = bytes.empty() || std::fwrite(bytes.data(), 1, bytes.size(), f.get()) == bytes.size();
    ok = ok && std::fflush(f.get()) == 0;
    if (const FileSyncHandler sync = g_sync.load(); ok && sync != nullptr) {
        ok = sync(f.get());
    }
    ok = (std::fclose(f.release()) == 0) && ok;
    std::error_code ec;
    if (!ok) {
        fs::remove(temp, ec);
        return false;
    }
    fs::rename(temp, path, ec);
    if (ec) {
        fs::remove(temp, ec);
        return false;
    }
    return true;
}

void RemoveStaleTemporaries(const fs::path& target) {
    const std::string stem = target.filename().string() + std::string(kTempMark);
    std::error_code ec;
    for (fs::directory_iterator it(target.parent_path(), ec), end; !ec && it != end;
         it.increment(ec)) {
        const std::string name = it->path().filename().string();
        if (name != stem && !(name.starts_with(stem + "-"))) {
            continue;
        }
        std::error_code typeEc;
        const fs::file_type type = it->symlink_status(typeEc).type();
        if (!typeEc && (type == fs::file_type::regular || type == fs::file_type::symlink)) {
            std::error_code removeEc;
            fs::remove(it->path(), removeEc);  // a link goes, never what it names
        }
    }
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
