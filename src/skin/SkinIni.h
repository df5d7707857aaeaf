// Layout files in initialisation-file syntax, read with the same rules as the profile
// functions: sections and keys ignore case, the first of duplicates wins, missing gives "".
#pragma once

#include <cstddef>
#include <filesystem>
#include <string>
#include <string_view>

#include "common/IniText.h"

class SkinIni {
public:
    // Values are read through a 4096-unit buffer, so at most 4095 units survive.
    static constexpr std::size_t kValueUnits = 4096;

    // An unreadable file reads as an empty one.
    bool Load(const std::filesystem::path& file);
    // UTF-8 (with or without a byte-order mark) or UTF-16LE with its mark.
    void Parse(std::string_view bytes);

    std::u16string Value(std::u16string_view section, std::u16string_view key) const;

private:
    IniText16 text_;
};

// Reads one value from a layout file; the empty text when the file, section or key is missing.
std::u16string ReadSkinString(const std::filesystem::path& file, std::u16string_view section,
                              std::u16string_view key);
