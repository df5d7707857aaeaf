#include "app/MainWindowModel.h"

#include "data/ProfileDefaults.h"
#include "data/ProfileStore.h"
#include "device/ChangeDetection.h"

std::optional<int> MainWindowModel::PageOfTab(int key) {
    if (key < tab::kFirst || key > tab::kLast) {
        return std::nullopt;
    }
    return key - tab::kFirst;
}

bool MainWindowModel::ClickTab(int key) {
    if (!PageOfTab(key) || key == currentTab_) {
        return false;
    }
    currentTab_ = key;
    return true;
}

bool MainWindowModel::SelectSlot(int slot) {
    if (slot < 0 || slot >= kSlotCount) {
        return false;
    }
    working_.currentSlot = slot;
    return true;
}

void MainWindowModel::RestoreDefaults(std::u16string_view namePrefix) {
    ResetStateDefaults(working_, namePrefix);
    MarkAllChanged(working_);
}

bool MainWindowModel::NewProfile(ProfileStore& store) {
    return store.NewProfileInCurrentSlot();
}
