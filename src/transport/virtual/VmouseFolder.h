// The folder the virtual mouse and its control tool share: state file, report log, memory
// image and control socket. Named by CORVANE_VMOUSE_DIR, else $XDG_RUNTIME_DIR/corvane-vmouse,
// else ~/.cache/corvane-vmouse.
#pragma once

#include <filesystem>
#include <optional>
#include <string>
#include <vector>

class VmouseFolder {
public:
    explicit VmouseFolder(std::filesystem::path dir) : dir_(std::move(dir)) {}
    // The folder the environment names.
    static VmouseFolder FromEnvironment();

    const std::filesystem::path& Dir() const { return dir_; }
    std::filesystem::path StateFile() const { return dir_ / "state.json"; }
    std::filesystem::path LogFile() const { return dir_ / "reports.log"; }
    std::filesystem::path MemoryFile() const { return dir_ / "memory.bin"; }
    std::filesystem::path Socket() const { return dir_ / "control.sock"; }

    // Creates the folder for this user alone (0700). Fails when it exists but is not a
    // directory of this user, since the socket inside it takes commands.
    bool Prepare(std::string* error) const;

    // Replaces a file whole: a reader never sees half a state.
    static bool WriteAtomic(const std::filesystem::path& path, const std::string& bytes);
    // One write per line, so lines from one process never interleave.
    static bool AppendLine(const std::filesystem::path& path, const std::string& line);
    static std::optional<std::string> ReadText(const std::filesystem::path& path);

private:
    std::filesystem::path dir_;
};
