#pragma once

#include <ostream>

#include "keys/KeyCodes.h"
#include "keys/XKeyTranslation.h"

// Readable failure messages for the result structs.
inline void PrintTo(const KeyConversion& c, std::ostream* os) {
    *os << "{found " << c.found << ", 0x" << std::hex << c.code << std::dec << "}";
}

inline void PrintTo(const KeyEventCode& e, std::ostream* os) {
    *os << "{vk 0x" << std::hex << e.virtualKey << ", flags 0x" << e.flags << std::dec << "}";
}
