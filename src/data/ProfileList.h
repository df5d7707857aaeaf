#pragma once

#include <cstddef>
#include <memory>
#include <optional>
#include <string>
#include <string_view>
#include <vector>

#include "data/ProfileRecord.h"

// The user's named profiles in list order; it owns its records, which never move while
// they are in the list.
class ProfileList {
public:
    std::size_t Size() const { return records_.size(); }
    bool Empty() const { return records_.empty(); }
    tagPROFILE& At(std::size_t i) { return *records_.at(i); }
    const tagPROFILE& At(std::size_t i) const { return *records_.at(i); }

    tagPROFILE& Append(const tagPROFILE& record);
    tagPROFILE& Append(std::unique_ptr<tagPROFILE> record);
    void RemoveAt(std::size_t i);
    void Clear() { records_.clear(); }

    // Position of the first entry whose name matches (see NameMatches).
    std::optional<std::size_t> FindProfile(std::u16string_view wanted) const;
    std::u16string UniqueName(std::u16string_view wanted, std::u16string_view base) const;

private:
    std::vector<std::unique_ptr<tagPROFILE>> records_;
};
