#include "keys/KeyCase.h"

namespace {

bool In(char16_t c, char16_t first, char16_t last) {
    return c >= first && c <= last;
}

// Blocks where capital and small letters alternate; lowerIsOdd tells which comes second.
char16_t Paired(char16_t c, bool lowerIsOdd) {
    const bool odd = (c & 1) != 0;
    return odd == lowerIsOdd ? static_cast<char16_t>(c - 1) : c;
}

}  // namespace

char16_t UpperCaseKeyChar(char16_t c) {
    if (In(c, u'a', u'z')) {
        return static_cast<char16_t>(c - 0x20);
    }
    if (c < 0x00B5) {
        return c;
    }
    // Latin-1: à..þ, but not the division sign.
    if (In(c, 0x00E0, 0x00FE) && c != 0x00F7) {
        return static_cast<char16_t>(c - 0x20);
    }
    if (c == 0x00FF) {
        return 0x0178;  // ÿ
    }
    if (c == 0x0131) {
        return u'I';  // dotless i
    }
    if (c == 0x017F) {
        return u'S';  // long s
    }
    if (In(c, 0x0100, 0x0137) || In(c, 0x014A, 0x0177)) {
        return c == 0x0130 ? c : Paired(c, true);
    }
    if (In(c, 0x0139, 0x0148) || In(c, 0x0179, 0x017E)) {
        return Paired(c, false);
    }
    if (In(c, 0x0218, 0x021F)) {
        return Paired(c, true);  // ș ț
    }
    // Greek.
    if (c == 0x03AC) {
        return 0x0386;
    }
    if (In(c, 0x03AD, 0x03AF)) {
        return static_cast<char16_t>(c - 0x25);
    }
    if (c == 0x03C2) {
        return 0x03A3;  // final sigma
    }
    if (In(c, 0x03B1, 0x03CB)) {
        return static_cast<char16_t>(c - 0x20);
    }
    if (c == 0x03CC) {
        return 0x038C;
    }
    if (In(c, 0x03CD, 0x03CE)) {
        return static_cast<char16_t>(c - 0x3F);
    }
    // Cyrillic.
    if (In(c, 0x0430, 0x044F)) {
        return static_cast<char16_t>(c - 0x20);
    }
    if (In(c, 0x0450, 0x045F)) {
        return static_cast<char16_t>(c - 0x50);
    }
    if (In(c, 0x0460, 0x0481) || In(c, 0x048A, 0x04BF) || In(c, 0x04D0, 0x04FF)) {
        return Paired(c, true);
    }
    if (In(c, 0x04C1, 0x04CE)) {
        return Paired(c, false);
    }
    if (c == 0x04CF) {
        return 0x04C0;  // palochka
    }
    // Armenian.
    if (In(c, 0x0561, 0x0586)) {
        return static_cast<char16_t>(c - 0x30);
    }
    // Latin Extended Additional, apart from the letters with no capital (ẖ..ẟ).
    if (In(c, 0x1E00, 0x1E95) || In(c, 0x1EA0, 0x1EFF)) {
        return Paired(c, true);
    }
    return c;
}

std::u16string UpperCaseKeyText(std::u16string_view text) {
    std::u16string out(text);
    for (char16_t& c : out) {
        c = UpperCaseKeyChar(c);
    }
    return out;
}
