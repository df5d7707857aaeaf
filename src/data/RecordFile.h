// Raw record files: read whole, written atomically.
#pragma once

#include <cstddef>
#include <cstdio>
#include <filesystem>
#include <optional>
#include <span>
#include <vector>

// nullopt when the file cannot be opened.
std::optional<std::vector<std::byte>> ReadFileBytes(const std::filesystem::path& path);

// Writes a temporary file beside the target, flushes it and renames it over the target, so
// a crash or a full disk leaves the old file whole. Returns false on any failure, leaving
// the target as it was.
bool WriteFileAtomic(const std::filesystem::path& path, std::span<const std::byte> bytes);

template <class T>
bool WriteRecordAtomic(const std::filesystem::path& path, const T& record) {
    return WriteFileAtomic(path, std::as_bytes(std::span(&record, 1)));
}

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
