#pragma once

#include <cstdint>
#include <string>

#include "common/StringTable.h"
#include "keys/KeyboardLayout.h"

// Texts shown for keys. A code that has no name gives the empty text, never an error.

// The name of a stored device key code: letters, digits and punctuation as the current layout
// writes them, the other keys by fixed names.
std::u16string DeviceCodeName(std::uint32_t deviceCode, const KeyboardLayout& layout,
                              const StringTable& strings);

// The long name of a virtual key; keys without a fixed name show their character on the
// current layout, upper-cased.
std::u16string VirtualKeyLongName(std::uint32_t virtualKey, const KeyboardLayout& layout);

// The key cap shown in the macro editor's key field; some caps come from the string table so
// that they appear in the user's language.
std::u16string VirtualKeyShortName(std::uint32_t virtualKey, const StringTable& strings);
