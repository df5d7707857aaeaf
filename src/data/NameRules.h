// Name rules shared by the profile list and the macro library.
#pragma once

#include <cstddef>
#include <functional>
#include <string>
#include <string_view>

#include "common/WhiteSpace.h"

// A stored name matches when, trimmed at both ends, it equals the wanted name ignoring the
// case of A-Z. The wanted name is taken as it is.
bool NameMatches(std::u16string_view stored, std::u16string_view wanted);

using NameTaken = std::function<bool(std::u16string_view)>;

// The wanted name when nothing matches it, else the first free "base_N". The base is held
// to 49 units and the result to fieldUnits - 1, cut so that it still fits and stays unique.
std::u16string UniqueName(std::u16string_view wanted, std::u16string_view base,
                          const NameTaken& taken, std::size_t fieldUnits);
