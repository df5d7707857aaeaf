#include "platform/linux/XkbKeysymText.h"

#include <xkbcommon/xkbcommon-keysyms.h>
#include <xkbcommon/xkbcommon.h>

namespace {

struct DeadKey {
    std::uint32_t keysym;
    char16_t spacing;
};

// libxkbcommon gives dead keys no character; Windows gives their spacing accent.
constexpr DeadKey kDeadKeys[] = {
    {XKB_KEY_dead_grave, u'`'},          {XKB_KEY_dead_acute, 0x00B4},
    {XKB_KEY_dead_circumflex, u'^'},     {XKB_KEY_dead_tilde, u'~'},
    {XKB_KEY_dead_macron, 0x00AF},       {XKB_KEY_dead_breve, 0x02D8},
    {XKB_KEY_dead_abovedot, 0x02D9},     {XKB_KEY_dead_diaeresis, 0x00A8},
    {XKB_KEY_dead_abovering, 0x02DA},    {XKB_KEY_dead_doubleacute, 0x02DD},
    {XKB_KEY_dead_caron, 0x02C7},        {XKB_KEY_dead_cedilla, 0x00B8},
    {XKB_KEY_dead_ogonek, 0x02DB},       {XKB_KEY_dead_iota, 0x037A},
    {XKB_KEY_dead_voiced_sound, 0x309B}, {XKB_KEY_dead_semivoiced_sound, 0x309C},
};

void AppendUtf16(std::u16string& out, char32_t c) {
    if (c < 0x10000) {
        out += static_cast<char16_t>(c);
        return;
    }
    c -= 0x10000;
    out += static_cast<char16_t>(0xD800 + (c >> 10));
    out += static_cast<char16_t>(0xDC00 + (c & 0x3FF));
}

}  // namespace

std::u16string KeysymText(std::uint32_t keysym) {
    std::u16string out;
    if (keysym == XKB_KEY_NoSymbol) {
        return out;
    }
    for (const DeadKey& dead : kDeadKeys) {
        if (dead.keysym == keysym) {
            out += dead.spacing;
            return out;
        }
    }
    const std::uint32_t c = xkb_keysym_to_utf32(keysym);
    // Delete writes nothing on Windows.
    if (c != 0 && c != 0x7F && c <= 0x10FFFF && !(c >= 0xD800 && c <= 0xDFFF)) {
        AppendUtf16(out, static_cast<char32_t>(c));
    }
    return out;
}

char32_t SingleCharacter(const std::u16string& text) {
    if (text.size() == 1 && !(text[0] >= 0xD800 && text[0] <= 0xDFFF)) {
        return text[0];
    }
    if (text.size() == 2 && text[0] >= 0xD800 && text[0] <= 0xDBFF && text[1] >= 0xDC00 &&
        text[1] <= 0xDFFF) {
        return 0x10000 + ((static_cast<char32_t>(text[0]) - 0xD800) << 10) +
               (static_cast<char32_t>(text[1]) - 0xDC00);
    }
    return 0;
}
