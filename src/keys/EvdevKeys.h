#pragma once

#include <cstdint>

// Physical keys by their Linux evdev code (X keycode - 8), which equals the set-1 scan code
// across the main block. Used to give X keys the virtual keys Windows gives the same keys.

// The virtual key of the key at this position on a US layout; 0 for an unknown key.
std::uint32_t UsVirtualKeyAtEvdev(std::uint32_t evdevCode);

// Keys of the typing block, whose virtual key follows the character they write.
bool IsTypingKeyEvdev(std::uint32_t evdevCode);

// Keys that Windows reports with the extended flag (an 0xE0 prefix in scan code set 1).
bool IsExtendedEvdevKey(std::uint32_t evdevCode);

// The virtual key named by a character: letters, digits and the OEM punctuation marks;
// 0 for any other character.
std::uint32_t VirtualKeyForCharacter(char32_t c);
