#include "skin/CMenuItemList.h"

#include <utility>

int CMenuItemList::Add(int id, std::u16string text) {
    const int position = static_cast<int>(entries_.size()) + 1;
    entries_.push_back({std::move(text), position, id});
    return position;
}

const CMenuItemList::Entry* CMenuItemList::Find(int id) const {
    for (const Entry& e : entries_) {
        if (e.id == id) {
            return &e;
        }
    }
    return nullptr;
}

const std::u16string& CMenuItemList::TextOf(int id) const {
    static const std::u16string empty;
    const Entry* e = Find(id);
    return e != nullptr ? e->text : empty;
}
