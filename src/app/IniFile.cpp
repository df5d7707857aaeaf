#include "app/IniFile.h"

#include <span>
#include <system_error>
#include <utility>

#include "common/Utf.h"
#include "common/WhiteSpace.h"
#include "data/RecordFile.h"

namespace fs = std::filesystem;

namespace {

#ifdef _WIN32
constexpr std::string_view kNativeEol = "\r\n";
#else
constexpr std::string_view kNativeEol = "\n";
#endif

// The private-profile functions read at most this many units of a value for an integer.
constexpr std::size_t kIntBufferUnits = 30;

char Fold(char c) {
    return (c >= 'a' && c <= 'z') ? char(c - 32) : c;
}

bool HasLineBreak(std::string_view s) {
    return s.find_first_of("\r\n") != std::string_view::npos;
}

}  // namespace

bool IniFile::Load(const fs::path& file) {
    const auto bytes = ReadFileBytes(file);
    if (!bytes) {
        Parse({});
        return false;
    }
    Parse(std::string_view(reinterpret_cast<const char*>(bytes->data()), bytes->size()));
    return true;
}

void IniFile::Parse(std::string_view bytes) {
    const IniBytes split = SplitIniMark(bytes);
    encoding_ = split.encoding;
    const std::string text = encoding_ == IniEncoding::Utf16Le
                                 ? Utf16ToUtf8(Utf16LeUnits(split.body))
                                 : std::string(split.body);
    // The first line end decides, and only that form is taken off the lines: a stray \r in
    // a file of bare line feeds stays part of its line, so saving never changes the form.
    const std::size_t firstEnd = text.find('\n');
    eol_ = firstEnd == std::string::npos                ? std::string(kNativeEol)
           : firstEnd > 0 && text[firstEnd - 1] == '\r' ? "\r\n"
                                                        : "\n";
    text_.SetText(text, eol_ == "\r\n");
}

std::optional<std::string> IniFile::Value(std::string_view section, std::string_view key) const {
    const auto value = text_.Value(section, key);
    return value ? std::optional<std::string>(*value) : std::nullopt;
}

bool IniFile::SetValue(std::string_view section, std::string_view key, std::string_view value) {
    // A name that would read back differently, or split into two lines, is refused.
    if (!IniText::WritesSectionName(section) || !IniText::WritesKeyName(key) ||
        HasLineBreak(value)) {
        return false;
    }
    std::vector<std::string>& lines = text_.Lines();
    const std::string newLine = std::string(key) + "=" + std::string(value);
    const auto header = text_.FindSection(section);
    if (!header) {
        if (!lines.empty() && !TrimWhiteSpace(lines.back()).empty()) {
            lines.emplace_back();
        }
        // Appended, not concatenated: GCC 12 warns falsely of an overlap on "[" + string.
        std::string sectionLine;
        sectionLine.reserve(section.size() + 2);
        sectionLine.append("[").append(section).append("]");
        lines.push_back(std::move(sectionLine));
        lines.push_back(newLine);
        return true;
    }
    if (const auto at = text_.FindKey(*header, key)) {
        // The key keeps the spelling it was stored with.
        lines[*at] = std::string(IniText::Classify(lines[*at]).name) + "=" + std::string(value);
        return true;
    }
    // After the section's last line that is not blank, so the spacing before the next
    // section stays.
    std::size_t at = text_.SectionEnd(*header);
    while (at > *header + 1 && TrimWhiteSpace(lines[at - 1]).empty()) {
        --at;
    }
    lines.insert(lines.begin() + static_cast<std::ptrdiff_t>(at), newLine);
    return true;
}

std::string IniFile::Serialise() const {
    std::string text;
    for (const std::string& line : text_.Lines()) {
        text += line;
        text += eol_;
    }
    switch (encoding_) {
        case IniEncoding::Utf8:
            return text;
        case IniEncoding::Utf8Bom:
            return "\xEF\xBB\xBF" + text;
        case IniEncoding::Utf16Le:
            break;
    }
    std::string out = "\xFF\xFE";
    for (const char16_t u : Utf8ToUtf16(text)) {
        out.push_back(static_cast<char>(u & 0xFF));
        out.push_back(static_cast<char>(u >> 8));
    }
    return out;
}

bool IniFile::Save(const fs::path& file) const {
    const std::string text = Serialise();
    return WriteFileAtomic(file, std::as_bytes(std::span(text.data(), text.size())));
}

std::int32_t ProfileInt(const std::optional<std::string>& value, std::int32_t defaultValue) {
    if (!value || value->empty()) {
        return defaultValue;
    }
    std::string_view s = std::string_view(*value).substr(0, kIntBufferUnits - 1);
    while (!s.empty() && IsWhiteSpace(s.front())) {
        s.remove_prefix(1);
    }
    bool negative = false;
    if (!s.empty() && (s.front() == '+' || s.front() == '-')) {
        negative = s.front() == '-';
        s.remove_prefix(1);
    }
    unsigned base = 10;
    if (s.size() >= 2 && s[0] == '0' && (s[1] == 'x' || s[1] == 'X')) {
        base = 16;
        s.remove_prefix(2);
    }
    std::uint32_t result = 0;  // wraps as the 32-bit original does
    for (const char c : s) {
        unsigned digit;
        if (c >= '0' && c <= '9') {
            digit = unsigned(c - '0');
        } else if (base == 16 && Fold(c) >= 'A' && Fold(c) <= 'F') {
            digit = unsigned(Fold(c) - 'A' + 10);
        } else {
            break;
        }
        result = result * base + digit;
    }
    if (negative) {
        result = 0u - result;
    }
    return static_cast<std::int32_t>(result);
}

std::int32_t ReadIniInt(const fs::path& file, std::string_view section, std::string_view key,
                        std::int32_t defaultValue) {
    IniFile ini;
    if (!ini.Load(file)) {
        return defaultValue;
    }
    return ProfileInt(ini.Value(section, key), defaultValue);
}

bool WriteIniString(const fs::path& file, std::string_view section, std::string_view key,
                    std::string_view value) {
    IniFile ini;
    std::error_code ec;
    const fs::file_status status = fs::status(file, ec);
    // Not found is the only state in which nothing can be lost.
    const bool mayExist = status.type() != fs::file_type::not_found;
    if (!ini.Load(file) && mayExist) {
        return false;
    }
    return ini.SetValue(section, key, value) && ini.Save(file);
}
