#include "skin/SkinIni.h"

#include <fstream>
#include <iterator>

#include "common/Utf.h"

namespace {

bool IsBlank(char16_t c) {
    return c == u' ' || c == u'\t' || c == u'\r' || c == u'\v' || c == u'\f';
}

std::u16string_view Trim(std::u16string_view s) {
    while (!s.empty() && IsBlank(s.front())) {
        s.remove_prefix(1);
    }
    while (!s.empty() && IsBlank(s.back())) {
        s.remove_suffix(1);
    }
    return s;
}

}  // namespace

bool SkinIni::Load(const std::filesystem::path& file) {
    sections_.clear();
    std::ifstream in(file, std::ios::binary);
    if (!in) {
        return false;
    }
    const std::string bytes((std::istreambuf_iterator<char>(in)), std::istreambuf_iterator<char>());
    Parse(bytes);
    return true;
}

void SkinIni::Parse(std::string_view bytes) {
    sections_.clear();
    if (bytes.size() >= 2 && static_cast<unsigned char>(bytes[0]) == 0xFF &&
        static_cast<unsigned char>(bytes[1]) == 0xFE) {
        std::u16string text;
        for (std::size_t i = 2; i + 1 < bytes.size(); i += 2) {
            text.push_back(static_cast<char16_t>(static_cast<unsigned char>(bytes[i]) |
                                                 (static_cast<unsigned char>(bytes[i + 1]) << 8)));
        }
        ParseText(text);
        return;
    }
    if (bytes.size() >= 3 && bytes.substr(0, 3) == "\xEF\xBB\xBF") {
        bytes.remove_prefix(3);
    }
    ParseText(Utf8ToUtf16(bytes));
}

void SkinIni::ParseText(std::u16string_view text) {
    std::map<std::u16string, std::u16string>* current = nullptr;
    while (!text.empty()) {
        const std::size_t end = text.find(u'\n');
        std::u16string_view line = Trim(text.substr(0, end));
        text = end == std::u16string_view::npos ? std::u16string_view() : text.substr(end + 1);
        if (line.empty() || line.front() == u';') {
            continue;
        }
        if (line.front() == u'[') {
            const std::size_t close = line.find(u']');
            const std::u16string_view name =
                Trim(line.substr(1, close == std::u16string_view::npos ? line.npos : close - 1));
            current = &sections_[Fold(name)];
            continue;
        }
        const std::size_t eq = line.find(u'=');
        if (current == nullptr || eq == std::u16string_view::npos) {
            continue;
        }
        std::u16string_view value = Trim(line.substr(eq + 1));
        // A value in matching quotes is given without them.
        if (value.size() >= 2 && (value.front() == u'"' || value.front() == u'\'') &&
            value.back() == value.front()) {
            value = value.substr(1, value.size() - 2);
        }
        value = value.substr(0, kValueUnits - 1);
        current->emplace(Fold(Trim(line.substr(0, eq))), std::u16string(value));
    }
}

std::u16string SkinIni::Fold(std::u16string_view s) {
    std::u16string out(s);
    for (char16_t& c : out) {
        if (c >= u'a' && c <= u'z') {
            c = static_cast<char16_t>(c - u'a' + u'A');
        }
    }
    return out;
}

std::u16string SkinIni::Value(std::u16string_view section, std::u16string_view key) const {
    const auto s = sections_.find(Fold(Trim(section)));
    if (s == sections_.end()) {
        return {};
    }
    const auto k = s->second.find(Fold(Trim(key)));
    return k == s->second.end() ? std::u16string() : k->second;
}

std::u16string ReadSkinString(const std::filesystem::path& file, std::u16string_view section,
                              std::u16string_view key) {
    SkinIni ini;
    ini.Load(file);
    return ini.Value(section, key);
}
