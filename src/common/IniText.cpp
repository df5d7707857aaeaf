#include "common/IniText.h"

#include "common/AsciiCase.h"
#include "common/WhiteSpace.h"

IniBytes SplitIniMark(std::string_view bytes) {
    if (bytes.starts_with("\xFF\xFE")) {
        return {IniEncoding::Utf16Le, bytes.substr(2)};
    }
    if (bytes.starts_with("\xEF\xBB\xBF")) {
        return {IniEncoding::Utf8Bom, bytes.substr(3)};
    }
    return {IniEncoding::Utf8, bytes};
}

std::u16string Utf16LeUnits(std::string_view body) {
    std::u16string units;
    units.reserve(body.size() / 2);
    for (std::size_t i = 0; i + 1 < body.size(); i += 2) {
        units.push_back(static_cast<char16_t>(static_cast<unsigned char>(body[i]) |
                                              static_cast<unsigned char>(body[i + 1]) << 8));
    }
    return units;
}

template <class Char>
typename BasicIniText<Char>::Line BasicIniText<Char>::Classify(View line) {
    line = TrimWhiteSpaceOf(line);
    if (line.empty() || line.front() == Char(';')) {
        return {};
    }
    if (line.front() == Char('[')) {
        line.remove_prefix(1);
        return {Line::Kind::Section, TrimWhiteSpaceOf(line.substr(0, line.find(Char(']')))), {}};
    }
    const std::size_t eq = line.find(Char('='));
    if (eq == View::npos) {
        return {};
    }
    View value = TrimWhiteSpaceOf(line.substr(eq + 1));
    if (value.size() >= 2 && (value.front() == Char('"') || value.front() == Char('\'')) &&
        value.back() == value.front()) {
        value = value.substr(1, value.size() - 2);
    }
    return {Line::Kind::Key, TrimWhiteSpaceOf(line.substr(0, eq)), value};
}

template <class Char>
bool BasicIniText<Char>::SameName(View a, View b) {
    return SameIgnoringAsciiCase(a, b);
}

namespace {

template <class Char>
bool HasLineBreak(std::basic_string_view<Char> s) {
    for (const Char c : s) {
        if (c == Char('\r') || c == Char('\n')) {
            return true;
        }
    }
    return false;
}

}  // namespace

template <class Char>
bool BasicIniText<Char>::WritesSectionName(View section) {
    if (section.empty() || HasLineBreak(section)) {
        return false;
    }
    String header(1, Char('['));
    header.append(section);
    header.push_back(Char(']'));
    const Line line = Classify(header);
    return line.kind == Line::Kind::Section && line.name == section;
}

template <class Char>
bool BasicIniText<Char>::WritesKeyName(View key) {
    if (key.empty() || HasLineBreak(key)) {
        return false;
    }
    String text(key);
    text.push_back(Char('='));
    const Line line = Classify(text);
    return line.kind == Line::Kind::Key && line.name == key;
}

template <class Char>
void BasicIniText<Char>::SetText(View text, bool dropCarriageReturns) {
    lines_.clear();
    std::size_t start = 0;
    while (start < text.size()) {
        std::size_t end = text.find(Char('\n'), start);
        if (end == View::npos) {
            end = text.size();
        }
        View line = text.substr(start, end - start);
        if (dropCarriageReturns && !line.empty() && line.back() == Char('\r')) {
            line.remove_suffix(1);
        }
        lines_.emplace_back(line);
        start = end + 1;
    }
}

template <class Char>
std::optional<std::size_t> BasicIniText<Char>::FindSection(View section) const {
    for (std::size_t i = 0; i < lines_.size(); ++i) {
        const Line line = Classify(lines_[i]);
        if (line.kind == Line::Kind::Section && SameName(line.name, section)) {
            return i;
        }
    }
    return std::nullopt;
}

template <class Char>
std::size_t BasicIniText<Char>::SectionEnd(std::size_t header) const {
    std::size_t i = header + 1;
    while (i < lines_.size() && Classify(lines_[i]).kind != Line::Kind::Section) {
        ++i;
    }
    return i;
}

template <class Char>
std::optional<std::size_t> BasicIniText<Char>::FindKey(std::size_t header, View key) const {
    for (std::size_t i = header + 1, end = SectionEnd(header); i < end; ++i) {
        const Line line = Classify(lines_[i]);
        if (line.kind == Line::Kind::Key && SameName(line.name, key)) {
            return i;
        }
    }
    return std::nullopt;
}

template <class Char>
auto BasicIniText<Char>::Value(View section, View key) const -> std::optional<View> {
    const auto header = FindSection(section);
    if (!header) {
        return std::nullopt;
    }
    const auto at = FindKey(*header, key);
    if (!at) {
        return std::nullopt;
    }
    return Classify(lines_[*at]).value;
}

template class BasicIniText<char>;
template class BasicIniText<char16_t>;
