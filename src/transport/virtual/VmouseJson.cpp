// Rendering the held reports as what the mouse now holds. The inverse of the program's report
// builders, written from the byte layout alone so that a fault in one is not copied into the
// other.
#include <cstdio>
#include <string>

#include "VmouseMemory.h"
#include "device/MacroReport.h"

namespace {

// Windows-1252 bytes 0x80..0x9F; the rest of the upper half is Latin-1.
constexpr char16_t kCp1252High[32] = {
    0x20AC, 0xFFFD, 0x201A, 0x0192, 0x201E, 0x2026, 0x2020, 0x2021, 0x02C6, 0x2030, 0x0160,
    0x2039, 0x0152, 0xFFFD, 0x017D, 0xFFFD, 0xFFFD, 0x2018, 0x2019, 0x201C, 0x201D, 0x2022,
    0x2013, 0x2014, 0x02DC, 0x2122, 0x0161, 0x203A, 0x0153, 0xFFFD, 0x017E, 0x0178};

std::string Colour(const std::uint8_t* rgb) {
    char text[8];
    std::snprintf(text, sizeof text, "#%02x%02x%02x", rgb[0], rgb[1], rgb[2]);
    return text;
}

std::string Quoted(const std::uint8_t* bytes, std::size_t max) {
    std::string out = "\"";
    for (std::size_t i = 0; i < max && bytes[i] != 0; ++i) {
        const std::uint8_t b = bytes[i];
        char esc[8];
        if (b == '"' || b == '\\') {
            out += '\\';
            out += static_cast<char>(b);
        } else if (b >= 0x20 && b < 0x7F) {
            out += static_cast<char>(b);
        } else {
            const unsigned u = (b >= 0x80 && b < 0xA0) ? kCp1252High[b - 0x80] : b;
            std::snprintf(esc, sizeof esc, "\\u%04x", u);
            out += esc;
        }
    }
    return out + "\"";
}

std::string N(unsigned v) {
    return std::to_string(v);
}

std::string Sensitivity(const std::vector<std::uint8_t>& r) {
    std::string out = "{\"byte2\": " + N(r[2]) + ", \"byte3\": " + N(r[3]) +
                      ", \"activeLevel\": " + N(r[17]) + ", \"byte33\": " + N(r[33]) +
                      ", \"levels\": [";
    for (int i = 0; i < 5; ++i) {
        // A set range bit means the value byte was halved.
        const unsigned x = (r[5] >> i & 1) ? r[7 + i] * 2u : r[7 + i];
        const unsigned y = (r[6] >> i & 1) ? r[12 + i] * 2u : r[12 + i];
        out += std::string(i ? ", " : "") + "{\"level\": " + N(i + 1) +
               ", \"enabled\": " + ((r[4] >> i & 1) ? "true" : "false") + ", \"x\": " + N(x) +
               ", \"y\": " + N(y) + ", \"color\": \"" + Colour(&r[18 + 3 * i]) + "\"}";
    }
    return out + "]}";
}

std::string Lighting(const std::vector<std::uint8_t>& r) {
    return "{\"mode\": " + N(r[2]) + ", \"speed\": " + N(static_cast<std::uint8_t>(9 - r[3])) +
           ", \"brightness\": " + N(r[4]) + ", \"color\": \"" + Colour(&r[5]) +
           "\", \"param\": " + N(r[8]) + "}";
}

std::string Buttons(const std::vector<std::uint8_t>& r) {
    std::string out = "[";
    for (int i = 0; i < 12; ++i) {
        const std::uint8_t* e = &r[2 + 3 * i];
        out += std::string(i ? ", " : "") + "{\"button\": " + N(i + 1) +
               ", \"function\": " + N(e[0]) + ", \"byte1\": " + N(e[1]) +
               ", \"byte2\": " + N(e[2]) + "}";
    }
    return out + "]";
}

// A 0x01/0x81 byte starts both a short entry with a delay under 4 ms and a long entry. The
// long form is only used from 256 ms, so its value byte is at least 5 (50 ms units) or 128
// (100 and 200 ms units); its scale byte, 1..3, would as a key code be one of the keyboard
// page's error usages, which no key sends.
bool IsLongEntry(const std::uint8_t* e, std::size_t left) {
    if (left < 4 || (e[0] != 0x01 && e[0] != 0x81)) {
        return false;
    }
    const unsigned v = e[2];
    const unsigned s = e[3];
    return (s == 1 && v >= 5) || ((s == 2 || s == 3) && v >= 128);
}

std::string Macro(const std::vector<std::uint8_t>& r) {
    const unsigned units = r[kMacroUnitCountOffset];
    std::size_t end = kMacroEntryOffset + 2 * units;
    const bool fits = end <= kMacroReportLength;
    if (!fits) {
        end = kMacroReportLength;
    }
    std::string events = "[";
    std::size_t pos = kMacroEntryOffset;
    while (pos + 2 <= end) {
        const std::uint8_t* e = &r[pos];
        const bool isLong = IsLongEntry(e, end - pos);
        unsigned delay;
        if (isLong) {
            static constexpr unsigned kScaleMs[4] = {0, 50, 100, 200};
            delay = e[2] * kScaleMs[e[3]];
        } else {
            delay = (e[0] & 0x7Fu) * 2u;  // 2 ms units, bit 0 forced on by the sender
        }
        events += std::string(pos > kMacroEntryOffset ? ", " : "") +
                  "{\"press\": " + ((e[0] & 0x80) ? "false" : "true") + ", \"code\": " + N(e[1]) +
                  ", \"delayMs\": " + N(delay) + ", \"long\": " + (isLong ? "true" : "false") + "}";
        pos += isLong ? 4 : 2;
    }
    events += "]";
    return "{\"button\": " + N(r[2]) + ", \"mode\": " + N(r[3]) + ", \"repeat\": " + N(r[4]) +
           ", \"name\": " + Quoted(&r[kMacroNameOffset], kMacroNameBytes) +
           ", \"units\": " + N(units) + ", \"fits\": " + (fits ? "true" : "false") +
           ", \"events\": " + events + "}";
}

template <class F>
std::string OrNull(const std::vector<std::uint8_t>& raw, F render) {
    return raw.empty() ? std::string("null") : render(raw);
}

}  // namespace

std::string VmouseMemory::ToJson(bool plugged) const {
    std::string out = "{\n  \"plugged\": " + std::string(plugged ? "true" : "false") + ",\n";
    out += "  \"sensitivity\": " + OrNull(sensitivity_, Sensitivity) + ",\n";
    out += "  \"lighting\": " + OrNull(lighting_, Lighting) + ",\n";
    out +=
        "  \"rate\": " + OrNull(rate_, [](const Raw& r) { return "{\"code\": " + N(r[2]) + "}"; }) +
        ",\n";
    out += "  \"buttons\": " + OrNull(buttons_, Buttons) + ",\n";
    out += "  \"macros\": [";
    for (std::size_t i = 0; i < macros_.size(); ++i) {
        out += std::string(i ? ",\n    " : "\n    ") + OrNull(macros_[i], Macro);
    }
    return out + "\n  ]\n}\n";
}
