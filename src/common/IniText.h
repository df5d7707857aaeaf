// Initialisation-file text, read by one set of rules for the settings file and the layout
// files alike, the rules of the private-profile functions:
//   - a line ends at a line feed; white space is trimmed off lines, names and values;
//   - a line starting with '[' opens a section, named by what stands before the first ']'
//     (or by the rest of the line); a line starting with ';' is a comment;
//   - any other line holding '=' is a key: the name before the first '=', the value after
//     it, with one pair of enclosing double or single quotes taken off;
//   - lines before the first section belong to none;
//   - names compare without regard to the case of A-Z; the first section of a name is the
//     one read (a later section of the same name is not), and in it the first key.
#pragma once

#include <cstddef>
#include <optional>
#include <string>
#include <string_view>
#include <vector>

enum class IniEncoding { Utf8, Utf8Bom, Utf16Le };

struct IniBytes {
    IniEncoding encoding;
    std::string_view body;  // without the byte-order mark
};

// UTF-16LE when the bytes start with its mark, UTF-8 with a mark, else plain UTF-8.
IniBytes SplitIniMark(std::string_view bytes);
// The code units of a UTF-16LE body; an odd byte at the end is dropped.
std::u16string Utf16LeUnits(std::string_view body);

template <class Char>
class BasicIniText {
public:
    using String = std::basic_string<Char>;
    using View = std::basic_string_view<Char>;

    struct Line {
        enum class Kind { Other, Section, Key };  // Other: blank, comment, or no '='
        Kind kind = Kind::Other;
        View name;   // of the section or key
        View value;  // of a key
    };
    static Line Classify(View line);
    static bool SameName(View a, View b);

    // Whether a header or key line written with this name reads back as the same name.
    static bool WritesSectionName(View section);
    static bool WritesKeyName(View key);

    // One line per line feed. A carriage return before the feed is taken off only with
    // dropCarriageReturns; otherwise it stays in the line, where trimming hides it.
    void SetText(View text, bool dropCarriageReturns);

    // The lines as they stand, to be edited in place by a writer.
    std::vector<String>& Lines() { return lines_; }
    const std::vector<String>& Lines() const { return lines_; }

    // The header line of the section that is read for this name.
    std::optional<std::size_t> FindSection(View section) const;
    // One past the last line of the section whose header is at that line.
    std::size_t SectionEnd(std::size_t header) const;
    // The line of the key that is read for this name in that section.
    std::optional<std::size_t> FindKey(std::size_t header, View key) const;
    std::optional<View> Value(View section, View key) const;

private:
    std::vector<String> lines_;
};

extern template class BasicIniText<char>;
extern template class BasicIniText<char16_t>;

using IniText = BasicIniText<char>;  // UTF-8
using IniText16 = BasicIniText<char16_t>;
