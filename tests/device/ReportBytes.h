// Expected report bytes written as hex text ("04 22 0A"), and reports printed the same way
// so a failing row shows the bytes side by side.
#pragma once

#include <cstdint>
#include <span>
#include <sstream>
#include <string>
#include <string_view>
#include <vector>

inline std::vector<std::uint8_t> Hex(std::string_view text) {
    std::vector<std::uint8_t> out;
    std::istringstream in{std::string(text)};
    std::string token;
    while (in >> token) {
        out.push_back(static_cast<std::uint8_t>(std::stoul(token, nullptr, 16)));
    }
    return out;
}

inline std::string ToHex(std::span<const std::uint8_t> bytes) {
    static const char* digits = "0123456789ABCDEF";
    std::string out;
    for (std::uint8_t b : bytes) {
        if (!out.empty()) {
            out += ' ';
        }
        out += digits[b >> 4];
        out += digits[b & 0x0F];
    }
    return out;
}

// Compares as text, which is what the test tables are written in.
#define EXPECT_BYTES(actualSpan, hexText) EXPECT_EQ(ToHex(actualSpan), ToHex(Hex(hexText)))
