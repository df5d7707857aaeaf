// What the main window decides without drawing anything: which page a tab shows, the slot
// buttons, restoring the defaults and adding a profile.
#pragma once

#include <optional>
#include <string>

#include "data/ProfileRecord.h"

class ProfileStore;

// Skin keys of the four tabs, in the order of their pages.
namespace tab {
inline constexpr int kSensitivity = 4;
inline constexpr int kButtons = 5;
inline constexpr int kLighting = 6;
inline constexpr int kMacro = 7;
inline constexpr int kFirst = kSensitivity;
inline constexpr int kLast = kMacro;
inline constexpr int kCount = kLast - kFirst + 1;
}  // namespace tab

class MainWindowModel {
public:
    explicit MainWindowModel(tagSTATEBLOCK& working) : working_(working) {}

    // The page a tab shows (0 sensitivity, 1 buttons, 2 lighting, 3 macro), none for a key
    // that is not a tab.
    static std::optional<int> PageOfTab(int key);

    int CurrentTab() const { return currentTab_; }
    // True when the click changes the page; a click on the current tab or a key that is not
    // a tab changes nothing.
    bool ClickTab(int key);

    // The slot buttons: the slot's profile becomes the current one. Nothing is sent or saved
    // until the next apply. False for a slot that does not exist.
    bool SelectSlot(int slot);

    // Every slot back to its default profile, bound to list entries 0, 1 and 2, and every
    // report due for the apply that follows.
    void RestoreDefaults(std::u16string_view namePrefix);

    // Adds a default profile to the list and binds the current slot to it, as a copy does.
    bool NewProfile(ProfileStore& store);

private:
    tagSTATEBLOCK& working_;
    int currentTab_ = 0;  // none yet
};
