#include "data/NameRules.h"

#include "common/AsciiCase.h"
#include "data/FixedText.h"

namespace {

// The numbered form is built from a base held in 50 units with its terminator.
constexpr std::size_t kBaseUnits = 49;

}  // namespace

bool NameMatches(std::u16string_view stored, std::u16string_view wanted) {
    return SameIgnoringAsciiCase(TrimWhiteSpace(stored), wanted);
}

std::u16string UniqueName(std::u16string_view wanted, std::u16string_view base,
                          const NameTaken& taken, std::size_t fieldUnits) {
    const std::size_t maxUnits = fieldUnits - 1;
    const std::u16string_view w = CutUnits(wanted, maxUnits);
    if (!taken(w)) {
        return std::u16string(w);
    }
    const std::u16string_view b = CutUnits(base, kBaseUnits);
    for (long long n = 1;; ++n) {
        const std::u16string suffix = u"_" + DecimalU16(n);
        std::u16string candidate(CutUnits(b, maxUnits - suffix.size()));
        candidate += suffix;
        if (!taken(candidate)) {
            return candidate;
        }
    }
}
