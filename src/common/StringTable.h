#pragma once

#include <cstddef>
#include <filesystem>
#include <map>
#include <string>
#include <string_view>

// The program's texts by number. File: UTF-8 lines "<number><TAB><text>", '#' comments,
// escapes \n \t \\. A missing number gives the empty text.
class StringTable {
public:
    // Callers read through a 260-unit buffer; the warning dialog through 1000.
    static constexpr std::size_t kBufferUnits = 260;
    static constexpr std::size_t kWarningBufferUnits = 1000;

    bool Load(const std::filesystem::path& file);
    void Parse(std::string_view text);
    bool Loaded() const { return loaded_; }
    std::size_t Count() const { return texts_.size(); }

    std::u16string Get(int number, std::size_t bufferUnits = kBufferUnits) const;

private:
    std::map<int, std::u16string> texts_;
    bool loaded_ = false;
};
