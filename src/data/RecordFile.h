// Raw record files: read whole, written atomically.
#pragma once

#include <cstddef>
#include <cstdint>
#include <cstdio>
#include <filesystem>
#include <limits>
#include <optional>
#include <span>
#include <vector>

// Only a file that does not exist is Missing: one that exists but cannot be read must never
// be taken for a first start and saved over.
enum class ReadStatus { Read, Missing, Unreadable, TooLarge };

struct FileBytes {
    ReadStatus status = ReadStatus::Missing;
    std::vector<std::byte> bytes;  // empty unless Read
};

inline constexpr std::uintmax_t kNoSizeLimit = std::numeric_limits<std::uintmax_t>::max();

// Reads a regular file whole. Anything else at the path (a folder, a FIFO, a device) is
// Unreadable and is never opened, so it cannot block. A file above maxBytes is TooLarge and
// left unread.
FileBytes ReadRegularFile(const std::filesystem::path& path, std::uintmax_t maxBytes = kNoSizeLimit);

// The bytes of a file that could be read; nullopt for every other outcome.
std::optional<std::vector<std::byte>> ReadFileBytes(const std::filesystem::path& path);

// Writes a temporary file beside the target, flushes it and renames it over the target, so
// a crash or a full disk leaves the old file whole. The temporary is created exclusively
// under a fresh name, so nothing already at such a name (a link, a folder) is followed or
// gets in the way. Returns false on any failure, leaving the target as it was.
bool WriteFileAtomic(const std::filesystem::path& path, std::span<const std::byte> bytes);

template <class T>
bool WriteRecordAtomic(const std::filesystem::path& path, const T& record) {
    return WriteFileAtomic(path, std::as_bytes(std::span(&record, 1)));
}

// Removes what an interrupted WriteFileAtomic of this target left behind: files and links
// named <target>.tmp or <target>.tmp-*. Folders are left alone.
void RemoveStaleTemporaries(const std::filesystem::path& target);

// Creates the folder when nothing is there or it is not a directory; reports whether a
// directory now exists.
bool EnsureDirectory(const std::filesystem::path& dir);

// Renames a damaged file to <name>.bad, or <name>.bad.1, .bad.2 ... when earlier ones exist,
// so no earlier copy is overwritten. Returns the new path.
std::optional<std::filesystem::path> MoveAside(const std::filesystem::path& path);

// The standard library can flush its buffers but not the operating system's; the platform
// layer supplies that step. Without one, a save is still atomic against a crash.
using FileSyncHandler = bool (*)(std::FILE* file);
void SetFileSyncHandler(FileSyncHandler handler);

// Replaces ReadRegularFile's own reading, so tests can stand in for failures a privileged
// user never sees (a permission error). Null restores the real reader.
using FileReader = FileBytes (*)(const std::filesystem::path& path, std::uintmax_t maxBytes);
void SetFileReader(FileReader reader);
