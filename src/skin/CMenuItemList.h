// The texts of a menu's owner-drawn items, found again by command id when an item is drawn.
#pragma once

#include <cstddef>
#include <string>
#include <vector>

class CMenuItemList {
public:
    struct Entry {
        std::u16string text;
        int position = 0;  // 1 for the first appended item
        int id = 0;
    };

    // Returns the new entry's position.
    int Add(int id, std::u16string text);
    // The first entry with the id; the empty text when there is none.
    const std::u16string& TextOf(int id) const;
    const Entry* Find(int id) const;

    std::size_t Size() const { return entries_.size(); }
    const std::vector<Entry>& Entries() const { return entries_; }

private:
    std::vector<Entry> entries_;
};
