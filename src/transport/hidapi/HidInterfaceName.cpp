#include "HidInterfaceName.h"

#include <cstdio>

std::string NormalizeInterfaceName(std::u16string_view name) {
    std::string out;
    out.reserve(name.size());
    for (char16_t c : name) {
        // Device paths are ASCII; anything else cannot be part of the identifiers we look for.
        if (c >= u'A' && c <= u'Z') {
            out.push_back(static_cast<char>(c - u'A' + 'a'));
        } else if (c < 0x80) {
            out.push_back(static_cast<char>(c));
        } else {
            out.push_back('?');
        }
    }
    return out;
}

bool InterfaceNameMatches(std::string_view normalized, std::uint16_t vendorId,
                          std::uint16_t productId) {
    char wanted[24];
    std::snprintf(wanted, sizeof wanted, "vid_%04x&pid_%04x", vendorId, productId);
    const std::string_view key(wanted);
    // The identifiers follow a separator: "#vid_" or "&vid_" (composite devices), never a
    // longer number that merely ends in these digits.
    for (std::size_t at = normalized.find(key); at != std::string_view::npos;
         at = normalized.find(key, at + 1)) {
        const bool startsField =
            at > 0 &&
            (normalized[at - 1] == '#' || normalized[at - 1] == '&' || normalized[at - 1] == '\\');
        const std::size_t after = at + key.size();
        const bool endsField =
            after == normalized.size() || normalized[after] == '&' || normalized[after] == '#';
        if (startsField && endsField) {
            return true;
        }
    }
    return false;
}
