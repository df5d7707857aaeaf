#include "app/IniFile.h"

#include <span>
#include <system_error>

#include "common/Utf.h"
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

bool IsBlank(char c) {
    return c == ' ' || c == '\t' || c == '\v' || c == '\f' || c == '\r';
}

std::string_view Trim(std::string_view s) {
    while (!s.empty() && IsBlank(s.front())) {
        s.remove_prefix(1);
    }
    while (!s.empty() && IsBlank(s.back())) {
        s.remove_suffix(1);
    }
    return s;
}

char Fold(char c) {
    return (c >= 'a' && c <= 'z') ? char(c - 32) : c;
}

bool SameName(std::string_view a, std::string_view b) {
    if (a.size() != b.size()) {
        return false;
    }
    for (std::size_t i = 0; i < a.size(); ++i) {
        if (Fold(a[i]) != Fold(b[i])) {
            return false;
        }
    }
    return true;
}

// The section name of a header line "[name]", else nullopt.
std::optional<std::string_view> HeaderName(std::string_view line) {
    line = Trim(line);
    if (line.empty() || line.front() != '[') {
        return std::nullopt;
    }
    line.remove_prefix(1);
    return Trim(line.substr(0, line.find(']')));
}

struct KeyLine {
    std::string_view key;
    std::string_view value;
};

std::optional<KeyLine> SplitKeyLine(std::string_view line) {
    const std::size_t eq = line.find('=');
    if (eq == std::string_view::npos) {
        return std::nullopt;
    }
    return KeyLine{Trim(line.substr(0, eq)), Trim(line.substr(eq + 1))};
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
    std::string text;
    if (bytes.size() >= 2 && bytes[0] == '\xFF' && bytes[1] == '\xFE') {
        encoding_ = Encoding::Utf16Le;
        std::u16string units;
        for (std::size_t i = 2; i + 1 < bytes.size(); i += 2) {
            units.push_back(static_cast<char16_t>(static_cast<unsigned char>(bytes[i]) |
                                                  static_cast<unsigned char>(bytes[i + 1]) << 8));
        }
        text = Utf16ToUtf8(units);
    } else if (bytes.starts_with("\xEF\xBB\xBF")) {
        encoding_ = Encoding::Utf8Bom;
        text = bytes.substr(3);
    } else {
        encoding_ = Encoding::Utf8;
        text = bytes;
    }
    // The first line end decides, and only that form is taken off the lines: a stray \r in
    // a file of bare line feeds stays part of its line, so saving never changes the form.
    const std::size_t firstEnd = text.find('\n');
    eol_ = firstEnd == std::string::npos            ? std::string(kNativeEol)
           : firstEnd > 0 && text[firstEnd - 1] == '\r' ? "\r\n"
                                                        : "\n";
    const bool crlf = eol_ == "\r\n";
    lines_.clear();
    std::size_t start = 0;
    while (start < text.size()) {
        std::size_t end = text.find('\n', start);
        if (end == std::string::npos) {
            end = text.size();
        }
        std::string_view line(text.data() + start, end - start);
        if (crlf && !line.empty() && line.back() == '\r') {
            line.remove_suffix(1);
        }
        lines_.emplace_back(line);
        start = end + 1;
    }
}

std::optional<std::size_t> IniFile::FindSection(std::string_view section) const {
    for (std::size_t i = 0; i < lines_.size(); ++i) {
        if (const auto name = HeaderName(lines_[i]); name && SameName(*name, section)) {
            return i;
        }
    }
    return std::nullopt;
}

// One past the last line of the section whose header is at that line.
std::size_t IniFile::SectionEnd(std::size_t header) const {
    std::size_t i = header + 1;
    while (i < lines_.size() && !HeaderName(lines_[i])) {
        ++i;
    }
    return i;
}

std::optional<std::string> IniFile::Value(std::string_view section, std::string_view key) const {
    const auto header = FindSection(section);
    if (!header) {
        return std::nullopt;
    }
    for (std::size_t i = *header + 1, end = SectionEnd(*header); i < end; ++i) {
        const auto kv = SplitKeyLine(lines_[i]);
        if (!kv || !SameName(kv->key, key)) {
            continue;
        }
        std::string_view v = kv->value;
        if (v.size() >= 2 && (v.front() == '"' || v.front() == '\'') && v.back() == v.front()) {
            v = v.substr(1, v.size() - 2);
        }
        return std::string(v);
    }
    return std::nullopt;
}

bool IniFile::SetValue(std::string_view section, std::string_view key, std::string_view value) {
    // A name that would read back differently, or split into two lines, is refused.
    const bool sectionOk = !section.empty() && Trim(section) == section && !HasLineBreak(section) &&
                           section.find(']') == std::string_view::npos;
    const bool keyOk = !key.empty() && Trim(key) == key && !HasLineBreak(key) &&
                       key.find('=') == std::string_view::npos && key.front() != '[' &&
                       key.front() != ';';
    if (!sectionOk || !keyOk || HasLineBreak(value)) {
        return false;
    }
    const std::string newLine = std::string(key) + "=" + std::string(value);
    const auto header = FindSection(section);
    if (!header) {
        if (!lines_.empty() && !Trim(lines_.back()).empty()) {
            lines_.emplace_back();
        }
        lines_.push_back("[" + std::string(section) + "]");
        lines_.push_back(newLine);
        return true;
    }
    const std::size_t end = SectionEnd(*header);
    for (std::size_t i = *header + 1; i < end; ++i) {
        if (const auto kv = SplitKeyLine(lines_[i]); kv && SameName(kv->key, key)) {
            // The key keeps the spelling it was stored with.
            lines_[i] = std::string(kv->key) + "=" + std::string(value);
            return true;
        }
    }
    // After the section's last line that is not blank, so the spacing before the next
    // section stays.
    std::size_t at = end;
    while (at > *header + 1 && Trim(lines_[at - 1]).empty()) {
        --at;
    }
    lines_.insert(lines_.begin() + static_cast<std::ptrdiff_t>(at), newLine);
    return true;
}

std::string IniFile::Serialise() const {
    std::string text;
    for (const std::string& line : lines_) {
        text += line;
        text += eol_;
    }
    switch (encoding_) {
        case Encoding::Utf8:
            return text;
        case Encoding::Utf8Bom:
            return "\xEF\xBB\xBF" + text;
        case Encoding::Utf16Le:
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
    while (!s.empty() && (IsBlank(s.front()) || s.front() == '\n')) {
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
