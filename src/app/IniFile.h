// Windows initialisation files, read and written with the rules of the private-profile
// functions, so a settings file moves between the two systems unchanged.
#pragma once

#include <cstdint>
#include <filesystem>
#include <optional>
#include <string>
#include <string_view>

#include "common/IniText.h"

class IniFile {
public:
    // False when the file cannot be read; the content is then empty.
    bool Load(const std::filesystem::path& file);
    // UTF-8, UTF-8 with a byte-order mark, or UTF-16LE with one.
    void Parse(std::string_view bytes);

    // The value of the first matching key in the first matching section, both compared
    // without regard to case; trimmed, one pair of enclosing quotes removed.
    std::optional<std::string> Value(std::string_view section, std::string_view key) const;

    // Replaces the value of that key, or adds the key at the end of its section, or the
    // section at the end of the file. Everything else stays as it was. False, changing
    // nothing, for a name or value that cannot stand on one line as itself.
    bool SetValue(std::string_view section, std::string_view key, std::string_view value);

    // In the encoding and line ends the file came with.
    std::string Serialise() const;
    bool Save(const std::filesystem::path& file) const;

private:
    IniText text_;  // UTF-8, without line ends
    IniEncoding encoding_ = IniEncoding::Utf8;
    std::string eol_;
};

// The integer of a private-profile value: leading blanks, a sign, decimal digits or 0x and
// hexadecimal digits, up to the first other character, modulo 2^32. A missing or empty
// value gives the default; one without digits gives 0.
std::int32_t ProfileInt(const std::optional<std::string>& value, std::int32_t defaultValue);

std::int32_t ReadIniInt(const std::filesystem::path& file, std::string_view section,
                        std::string_view key, std::int32_t defaultValue);

// Atomic. Refuses to write over a file that exists but cannot be read, which would
// otherwise lose its other settings.
bool WriteIniString(const std::filesystem::path& file, std::string_view section,
                    std::string_view key, std::string_view value);
