#include "data/ProfileList.h"

#include "data/FixedText.h"
#include "data/NameRules.h"

tagPROFILE& ProfileList::Append(const tagPROFILE& record) {
    records_.push_back(std::make_unique<tagPROFILE>(record));
    return *records_.back();
}

tagPROFILE& ProfileList::Append(std::unique_ptr<tagPROFILE> record) {
    records_.push_back(std::move(record));
    return *records_.back();
}

void ProfileList::RemoveAt(std::size_t i) {
    records_.erase(records_.begin() + static_cast<std::ptrdiff_t>(i));
}

std::optional<std::size_t> ProfileList::FindProfile(std::u16string_view wanted) const {
    for (std::size_t i = 0; i < records_.size(); ++i) {
        if (NameMatches(ReadFixedText(records_[i]->name), wanted)) {
            return i;
        }
    }
    return std::nullopt;
}

std::u16string ProfileList::UniqueName(std::u16string_view wanted, std::u16string_view base) const {
    return ::UniqueName(
        // A candidate with blanks at its ends is compared as it will be found later, trimmed;
        // otherwise repeated imports of " X" would all be named " X_1".
        wanted, base,
        [this](std::u16string_view n) { return FindProfile(TrimWhiteSpace(n)).has_value(); },
        kProfileNameUnits);
}
