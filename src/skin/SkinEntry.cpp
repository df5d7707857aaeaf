#include "skin/SkinEntry.h"

#include <climits>

#include "common/WhiteSpace.h"

namespace {

// One "%d" conversion: optional blanks, a sign, digits. False when no digit follows.
// Values beyond the int range saturate instead of wrapping into nonsense rectangles.
bool ReadInt(std::u16string_view s, std::size_t& pos, int& out) {
    while (pos < s.size() && IsWhiteSpace(s[pos])) {
        ++pos;
    }
    bool negative = false;
    if (pos < s.size() && (s[pos] == u'+' || s[pos] == u'-')) {
        negative = s[pos] == u'-';
        ++pos;
    }
    if (pos >= s.size() || s[pos] < u'0' || s[pos] > u'9') {
        return false;
    }
    long long value = 0;
    while (pos < s.size() && s[pos] >= u'0' && s[pos] <= u'9') {
        if (value <= INT_MAX) {
            value = value * 10 + (s[pos] - u'0');
        }
        ++pos;
    }
    if (negative) {
        value = -value;
    }
    out = value > INT_MAX ? INT_MAX : value < INT_MIN ? INT_MIN : static_cast<int>(value);
    return true;
}

// "%d,%d,%d,%d": stops at the first field or separator that does not match.
void ReadFourInts(std::u16string_view s, int (&fields)[4]) {
    std::size_t pos = 0;
    for (int i = 0; i < 4; ++i) {
        if (i > 0) {
            if (pos >= s.size() || s[pos] != u',') {
                return;
            }
            ++pos;
        }
        if (!ReadInt(s, pos, fields[i])) {
            return;
        }
    }
}

}  // namespace

SkinEntry ParseSkinEntry(std::u16string_view value) {
    SkinEntry entry;
    const std::size_t comma = value.find(u',');
    std::u16string_view rest = value;
    if (comma != std::u16string_view::npos) {
        entry.name = std::u16string(value.substr(0, comma).substr(0, SkinEntry::kNameUnits));
        rest = value.substr(comma + 1);
    }

    int fields[4] = {0, 0, 0, 0};
    ReadFourInts(rest, fields);
    // Wider arithmetic so that huge widths cannot overflow the right and bottom edges.
    auto edge = [](int start, int size) {
        const long long e = static_cast<long long>(start) + size;
        return e > INT_MAX ? INT_MAX : e < INT_MIN ? INT_MIN : static_cast<int>(e);
    };
    entry.left = fields[0];
    entry.top = fields[1];
    entry.right = edge(fields[0], fields[2]);
    entry.bottom = edge(fields[1], fields[3]);

    const std::size_t last = rest.rfind(u',');
    const std::u16string_view text =
        TrimWhiteSpace(last == std::u16string_view::npos ? rest : rest.substr(last + 1));
    entry.text = std::u16string(text.substr(0, SkinEntry::kTextUnits));
    return entry;
}
