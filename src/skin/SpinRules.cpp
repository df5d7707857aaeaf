#include "skin/SpinRules.h"

#include <algorithm>
#include <cstdint>
#include <limits>

namespace {
int ToInt(std::int64_t v) {
    return static_cast<int>(std::clamp<std::int64_t>(v, std::numeric_limits<int>::min(),
                                                     std::numeric_limits<int>::max()));
}

// The nearest multiple of step inside the range: rounding may step past an end that is
// not itself a multiple, and a spin box must never show a value beyond its range.
int InRange(int v, const SpinRange& r) {
    const int lo = std::min(r.minimum, r.maximum);
    const int hi = std::max(r.minimum, r.maximum);
    std::int64_t m = NearestMultiple(v, r.step);
    const std::int64_t step = std::max(1, r.step);
    while (m > hi && m - step >= lo) {
        m -= step;
    }
    while (m < lo && m + step <= hi) {
        m += step;
    }
    return ToInt(std::clamp<std::int64_t>(m, lo, hi));
}
}  // namespace

int LeadingNumber(std::u16string_view text) {
    std::size_t i = 0;
    while (i < text.size() && (text[i] == u' ' || text[i] == u'\t' || text[i] == u'\n' ||
                               text[i] == u'\r' || text[i] == u'\v' || text[i] == u'\f')) {
        ++i;
    }
    bool negative = false;
    if (i < text.size() && (text[i] == u'-' || text[i] == u'+')) {
        negative = text[i] == u'-';
        ++i;
    }
    std::int64_t v = 0;
    for (; i < text.size() && text[i] >= u'0' && text[i] <= u'9'; ++i) {
        // Past the int range the value stays held at its end.
        v = std::min<std::int64_t>(v * 10 + (text[i] - u'0'), std::int64_t(1) << 32);
    }
    return ToInt(negative ? -v : v);
}

int NearestMultiple(int v, int step) {
    if (step <= 1) {
        return v;
    }
    const std::int64_t s = step;
    // Floor division, so negative values round the same way as positive ones.
    std::int64_t shifted = std::int64_t(v) + s / 2;
    std::int64_t q = shifted / s;
    if (shifted % s < 0) {
        --q;
    }
    return ToInt(q * s);
}

std::optional<int> SpinUp(int shown, const SpinRange& r) {
    if (shown > r.maximum) {
        return std::nullopt;
    }
    const std::int64_t next = std::min<std::int64_t>(std::int64_t(shown) + r.step, r.maximum);
    return InRange(ToInt(std::max<std::int64_t>(next, r.minimum)), r);
}

std::optional<int> SpinDown(int shown, const SpinRange& r) {
    if (shown < r.minimum) {
        return std::nullopt;
    }
    const std::int64_t next = std::max<std::int64_t>(std::int64_t(shown) - r.step, r.minimum);
    return InRange(ToInt(std::min<std::int64_t>(next, r.maximum)), r);
}

int SpinCorrected(int typed, const SpinRange& r) {
    return std::clamp(NearestMultiple(typed, r.step), std::min(r.minimum, r.maximum),
                      std::max(r.minimum, r.maximum));
}
